#pragma once

#include "ColorEntry.h"
#include "ColorPage.h"

#include <QList>
#include <QString>
#include <QUuid>

#include <vector>

namespace Corvane::DB {

// The colour schemes stored for a card or a chip, keyed by SchemeKind (the SCHEME ids).
// The row queries return 0 (also when nothing is found or the chip does not qualify for
// the scheme), -10 when `rowIndex` is outside the card, -1 when their statement fails, or
// the negative code of the card lookup.

// Whether the card has scheme cards of the complementary neutral kind; true when the
// collection does not open, false when the statement fails.
bool hasComplementaryNeutralScheme(const QUuid &collection, int pageIndex);

// The scheme's cards for a card, each with its chips, in the order SQLite yields them;
// cards that do not load in this collection are left out. 0, or -1 when the statement fails.
int loadSchemePages(const QUuid &collection, int pageIndex, int schemeKind, QList<ColorPage> &out);

// The scheme's chips for the chip at `rowIndex` (1-based, in ROW_INDEX order) of the card,
// from ROW_SCHEME_MAP by page order and row order; each entry's rowIndex holds its
// ROW_ORDER. Dramatic schemes need a neutral or white chip, complementary neutral ones a
// chip of the rich mood.
int loadSchemeRows(const QUuid &collection, int schemeKind, int pageIndex, int rowIndex,
                   std::vector<ColorEntry> &out);

// The chips of the scheme's cards for a chip, from ROW_TO_PAGE_SCHEME by the scheme cards'
// order (carried in pageOrder) and ROW_INDEX. Dramatic schemes need a neutral or white chip.
int loadSchemePageRows(const QUuid &collection, int schemeKind, int pageIndex, int rowIndex,
                       std::vector<ColorEntry> &out);

// Contrast and wide-contrast chips of a chip: wide contrast of page order 0, contrast of
// page order 0, wide contrast of page order 1, then all others.
int loadContrastSchemeRows(const QUuid &collection, int pageIndex, int rowIndex,
                           std::vector<ColorEntry> &out);

// Writes `statement` to the debug output and returns it.
QString debugQuery(const QString &statement);

} // namespace Corvane::DB
