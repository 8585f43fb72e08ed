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

// Reference white of an illuminant, tristimulus values with Y = 1.
struct WhitePoint
{
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// D65, the white of the collections' CIELAB values and of labFromColor.
WhitePoint d65WhitePoint();

// Tristimulus values (Y of white = 1) to CIELAB relative to `white`, and back.
DB::LabEntry labFromXyz(double x, double y, double z, const WhitePoint &white);
void xyzFromLab(const DB::LabEntry &lab, const WhitePoint &white, double xyz[3]);

// sRGB (D65) to CIELAB; only l, a and b of the result are meaningful.
DB::LabEntry labFromColor(const QColor &color);

// The CIEDE2000 colour difference with kL = kC = kH = 1; symmetric and never negative.
double deltaE2000(const DB::LabEntry &first, const DB::LabEntry &second);

// The `maxCount` candidates nearest to `reference`, ascending by difference; among equal
// differences the candidate met first comes first. Empty for `maxCount` <= 0. Candidates
// that provably cannot be among the results are skipped without computing their difference;
// the result is always that of findNearestColorsPlain.
void findNearestColors(const DB::LabEntry &reference, const QVector<DB::LabEntry> &candidates,
                       QVector<NearestMatch> &results, int maxCount);

// The same search as one plain pass computing every candidate's difference; the reference
// the pruned search is measured and checked against.
void findNearestColorsPlain(const DB::LabEntry &reference, const QVector<DB::LabEntry> &candidates,
                            QVector<NearestMatch> &results, int maxCount);

} // namespace Corvane
