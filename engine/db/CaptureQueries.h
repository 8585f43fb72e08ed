#pragma once

#include "ColorEntry.h"

#include <QStringList>
#include <QVector>

namespace Corvane::DB {

// Matching the colour names of a capture file against the collections that take part in
// capture matching (view CAPSURE_COLLECTION_IDS_BY_PRIORITY of the system-wide collection's
// file). Results: 0 success; -1 the statement failed; or the negative code of
// ensureConnection for the system-wide collection.

// The ids of the capture collections, by ascending "capsure.priority".
int loadCaptureCollectionIds(QVector<qint64> &out);

// Every chip of a capture collection whose code, or one of the name columns of
// rowNameSearchOrder, equals `name` ignoring case; by capture priority. Each chip's
// collectionId is the capture collection it was found through. 0 also when nothing matches;
// a blank name matches nothing.
int findCaptureMatches(const QString &name, QVector<ColorEntry> &out);

// The chips that `names` find, grouped by capture collection in priority order; within one
// collection in the order found and each chip once. Names whose query fails add nothing.
int collectCaptureMatches(const QStringList &names, QVector<ColorEntry> &out);

} // namespace Corvane::DB
