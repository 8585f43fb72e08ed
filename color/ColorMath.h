#pragma once

#include "LabEntry.h"

#include <QColor>
#include <QVector>

namespace Corvane {

// One candidate of a nearest-colour search with its CIEDE2000 difference to the reference.
struct NearestMatch
{
    double deltaE = 0.0;
    qint64 rowId = -1;
};

// sRGB (D65) to CIELAB; only l, a and b of the result are meaningful.
DB::LabEntry labFromColor(const QColor &color);

// The CIEDE2000 colour difference with kL = kC = kH = 1; symmetric and never negative.
double deltaE2000(const DB::LabEntry &first, const DB::LabEntry &second);

// The `maxCount` candidates nearest to `reference`, ascending by difference; among equal
// differences the candidate met first comes first.
void findNearestColors(const DB::LabEntry &reference, const QVector<DB::LabEntry> &candidates,
                       QVector<NearestMatch> &results, int maxCount);

} // namespace Corvane
