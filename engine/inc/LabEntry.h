#pragma once

#include <QtGlobal>

namespace Corvane::DB {

// A chip's CIELAB value with its row id, the sample of nearest-colour matching.
struct LabEntry
{
    double l = 0.0;
    double a = 0.0;
    double b = 0.0;
    qint64 rowId = -1;
};

} // namespace Corvane::DB
