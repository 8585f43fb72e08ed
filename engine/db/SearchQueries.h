#pragma once

#include <QString>
#include <QStringList>
#include <QUuid>

namespace Corvane::DB {

// Searching a collection by colour code and by the card and chip names that the
// collection's search orders name (pageNameSearchOrder, rowNameSearchOrder; loaded by
// loadDisplayOrders).

// Every distinct non-blank code and searched name, sorted ignoring case. 0 when the list is
// not empty, -1 when it is, or the negative code of ensureConnection.
int loadCompletionWords(const QUuid &collection, QStringList &out);

// The card or chip whose code or searched name equals `phrase` ignoring case. When the
// phrase names a card, `rowIndex` stays -1. 0 found; -6 nothing matches; -1 the statement
// failed; or the negative code of ensureConnection.
int searchPhrase(const QUuid &collection, const QString &phrase, int &pageIndex, int &rowIndex,
                 int &segment, int &mood, bool &exterior);

} // namespace Corvane::DB
