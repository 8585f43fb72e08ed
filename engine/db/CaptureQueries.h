#pragma once

#include "ColorEntry.h"
#include "LabEntry.h"

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
// `found`, when given, tells for each name whether its query found a chip.
int collectCaptureMatches(const QStringList &names, QVector<ColorEntry> &out,
                          QVector<bool> *found = nullptr);

// The stored CIELAB values of one capture collection's chips.
struct CaptureLabEntries
{
    qint64 collectionId = 0;
    QVector<LabEntry> entries;
};

// Every capture collection's chips in priority order; a collection that does not open
// contributes nothing.
int loadCaptureLabEntries(QVector<CaptureLabEntries> &out);

// The chip of `candidates` nearest to `reference` by CIEDE2000, with `deltaE` its difference;
// among equal differences the collection of higher priority wins. Its collectionId is the
// capture collection it was found through. -1 when there is no candidate or the chip does
// not load.
int findNearestCaptureChip(const QVector<CaptureLabEntries> &candidates, const LabEntry &reference,
                           ColorEntry &out, double &deltaE);

} // namespace Corvane::DB
