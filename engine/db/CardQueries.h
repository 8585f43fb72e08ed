#pragma once

#include "LabEntry.h"

#include <QUuid>
#include <QVector>

namespace Corvane::DB {

// Every chip of the collection with its row id and CIELAB values. 0 whenever the
// connection is ready, also when the statement yields nothing.
int loadLabEntries(const QUuid &collection, QVector<LabEntry> &out);

} // namespace Corvane::DB
