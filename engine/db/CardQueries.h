#pragma once

#include "ColorEntry.h"
#include "ColorPage.h"
#include "LabEntry.h"

#include <QColor>
#include <QString>
#include <QUuid>
#include <QVector>

namespace Corvane::DB {

// Queries that move through the cards and chips of a collection. Pages reach their
// collection through COLLECTION_PAGE_MAP. Mood 1 to 6 selects pages of that mood, 7
// every mood except offwhite and neutral; `exterior` keeps only exterior pages.
// Results: 0 found; -1 statement failed or nothing found; -6 no card passes the filters;
// or the negative code of ensureConnection. A page query that fails leaves its output page
// as it was; a chip lookup empties its output chip first.

// A statement over the collection's pages ordered by segment and page index; its two open
// placeholders take the comparison operator and the segment.
QString segmentQueryText(const QUuid &collection, const QString &selectList, int mood,
                         bool exterior);

// A statement over the collection's pages ordered by page index (descending when
// `backward`); its two open placeholders take the comparison operator and the page index.
QString pageQueryText(const QUuid &collection, const QString &selectList, bool backward, int mood,
                      bool exterior);

// The first segment at or after `segment` that has a page passing the filters, wrapping to
// the first such segment of the collection. `outSegment` stays at `segment` on -6.
int findSegmentWithPages(const QUuid &collection, int segment, int mood, bool exterior,
                         int &outSegment);

// The page index of the first card found as findSegmentWithPages finds its segment.
int findFirstPageIndexInSegment(const QUuid &collection, int segment, int mood, bool exterior,
                                int &outPageIndex);

// That card with its chips.
int loadFirstPageInSegment(const QUuid &collection, int segment, int mood, bool exterior,
                           ColorPage &out);

// The next (or previous) card passing the filters, wrapping at either end; never the
// current card itself.
int loadNeighbourPage(const QUuid &collection, int pageIndex, bool backward, int mood,
                      bool exterior, ColorPage &out);

// A card by PAGE_INDEX with its chips sorted by ROW_INDEX.
int loadPageByIndex(const QUuid &collection, int pageIndex, ColorPage &out);

// A card by id, with its chips unless `pageOnly`.
int loadPageById(const QUuid &collection, qint64 pageId, bool pageOnly, ColorPage &out);

// A chip by its ROW id.
int loadRowById(const QUuid &collection, qint64 rowId, ColorEntry &out);

// A chip within 2 of `color` in each of red, green and blue.
int loadRowNearRgb(const QUuid &collection, const QColor &color, ColorEntry &out);

// A chip by its card's PAGE_INDEX and its ROW_INDEX.
int loadRowAt(const QUuid &collection, int pageIndex, int rowIndex, ColorEntry &out);

// Every chip of the collection with its row id and CIELAB values. 0 whenever the
// connection is ready, also when the statement yields nothing.
int loadLabEntries(const QUuid &collection, QVector<LabEntry> &out);

// Whether an exterior card of `mood` exists; true when the collection does not open.
bool hasExteriorPageWithMood(const QUuid &collection, int mood);

// The collection's segments in ascending order; -1 when it has none.
int loadSegments(const QUuid &collection, QVector<int> &out);

// A chip of exactly this colour, or with this code (ignoring case), in any enabled
// collection of the system-wide collection's file. The chip's collectionId names its
// collection.
int findRowByRgbInEnabledCollections(const QColor &color, ColorEntry &out);
int findRowByCodeInEnabledCollections(const QString &code, ColorEntry &out);

} // namespace Corvane::DB
