#include "ColorMath.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace Corvane {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

// Reference white D65 with Y = 1.
constexpr double kWhiteX = 0.95047;
constexpr double kWhiteY = 1.0;
constexpr double kWhiteZ = 1.08883;
constexpr double kEpsilon = 0.008856451679035631; // 216/24389
constexpr double kKappa = 903.2962962962963; // 24389/27
constexpr double kOneThird = 0.3333333333333333;

constexpr double kPow25To7 = 6103515625.0;
constexpr double kDeg6 = 0.10471975511965977;
constexpr double kDeg25 = 0.4363323129985824;
constexpr double kDeg30 = 0.5235987755982988;
constexpr double kDeg63 = 1.0995574287564276;
constexpr double kDeg275 = 4.799655442984406;

double linearFromSrgb(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double labCurve(double t)
{
    return t > kEpsilon ? std::pow(t, kOneThird) : (kKappa * t + 16.0) / 116.0;
}

double inverseLabCurve(double f)
{
    const double cube = f * f * f;
    return cube > kEpsilon ? cube : (116.0 * f - 16.0) / kKappa;
}

double hueAngle(double b, double aPrime)
{
    const double h = std::atan2(b, aPrime);
    return h < 0.0 ? h + kTwoPi : h;
}

double pow7(double x)
{
    const double x2 = x * x;
    return x2 * x2 * x2 * x;
}

double chroma(const DB::LabEntry &lab)
{
    return std::sqrt(lab.a * lab.a + lab.b * lab.b);
}

// sqrt(C^7 / (C^7 + 25^7)): how far a chroma is from grey, 0 to 1; drives G and RC.
double chromaBlend(double chroma)
{
    const double chroma7 = pow7(chroma);
    return std::sqrt(chroma7 / (chroma7 + kPow25To7));
}

// The a' values and chromas C' of a pair, after the a axis is stretched by 1 + G.
struct PrimedPair
{
    double a1;
    double a2;
    double c1Prime;
    double c2Prime;
};

PrimedPair primedPair(const DB::LabEntry &first, double firstChroma, const DB::LabEntry &second)
{
    const double g = 0.5 * (1.0 - chromaBlend((firstChroma + chroma(second)) / 2.0));
    const double a1 = first.a * (1.0 + g);
    const double a2 = second.a * (1.0 + g);
    return {a1, a2, std::sqrt(a1 * a1 + first.b * first.b),
            std::sqrt(a2 * a2 + second.b * second.b)};
}

// SL of the pair.
double lightnessWeight(double l1, double l2)
{
    const double offset = (l1 + l2) / 2.0 - 50.0;
    const double offset2 = offset * offset;
    return 1.0 + 0.015 * offset2 / std::sqrt(20.0 + offset2);
}

// The pruned search below skips a candidate only when a lower bound of its difference
// exceeds the current threshold by this much, which is far more than rounding can move
// either value; so it keeps exactly the candidates the plain pass keeps.
constexpr double kBoundMargin = 1e-9;
// Relative rounding allowance of the hue term, which is found by a cancelling subtraction.
constexpr double kCancellationMargin = 1e-12;
// The hue weight T lies between about 0.362 and 1.5725 (its peak near 234 degrees), so SH
// is positive and at most 1 + 0.015 C' kHueWeightMax.
constexpr double kHueWeightMax = 1.6;
// |RT| = sin(2 dTheta) RC with dTheta at most 30 degrees, so |RT| <= sin(60 deg) RC.
constexpr double kRotationMax = 0.8661;
// Larger result counts gain little from pruning; they take the plain pass.
constexpr int kPrunedMaxCount = 64;

// An upper bound of SL without a square root: SL <= 1 + 0.015 |mean L - 50|.
double lightnessWeightMax(double l1, double l2)
{
    return 1.0 + 0.015 * std::fabs((l1 + l2) / 2.0 - 50.0);
}

// Whether |dL'| / SL alone exceeds `limit`: a few operations that reject most candidates.
bool lightnessExceeds(const DB::LabEntry &reference, const DB::LabEntry &candidate, double limit)
{
    return std::fabs(candidate.l - reference.l)
        > limit * lightnessWeightMax(reference.l, candidate.l);
}

// Whether a coarse lower bound of the whole difference exceeds `limit`; it needs no square
// root or division. It uses the largest SL, C' <= 1.5 C <= 1.5 (|a| + |b|) for SC, SH <= SC,
// (a1' - a2')^2 >= (a1 - a2)^2, and that the rotation term removes at most the share
// kRotationMax of the chroma and hue terms.
bool coarseBoundExceeds(const DB::LabEntry &reference, const DB::LabEntry &candidate, double limit)
{
    const double deltaL = candidate.l - reference.l;
    const double deltaA = candidate.a - reference.a;
    const double deltaB = candidate.b - reference.b;
    const double lightnessMax = lightnessWeightMax(reference.l, candidate.l);
    const double chromaWeightMax = 1.0
        + 0.045 * 0.75
            * (std::fabs(reference.a) + std::fabs(reference.b) + std::fabs(candidate.a)
               + std::fabs(candidate.b));
    const double l2 = lightnessMax * lightnessMax;
    const double c2 = chromaWeightMax * chromaWeightMax;
    // (dL/SL)^2 + (1 - r/2) (da^2 + db^2) / SC^2 > limit^2, multiplied out by SL^2 SC^2.
    return deltaL * deltaL * c2 + (1.0 - kRotationMax) * (deltaA * deltaA + deltaB * deltaB) * l2
        > limit * limit * l2 * c2;
}

// A lower bound of the squared CIEDE2000 difference without any trigonometry: the lightness
// and chroma terms exactly, the hue term through dH'^2 = |(a1',b1) - (a2',b2)|^2 - dC'^2 and
// the largest SH, and the rotation term at its most negative. It is a sum of non-negative
// parts, so rounding cannot raise it noticeably above the true value.
double lowerBoundSquared(const DB::LabEntry &reference, double referenceChroma,
                         const DB::LabEntry &candidate)
{
    const PrimedPair primed = primedPair(reference, referenceChroma, candidate);
    const double deltaC = primed.c2Prime - primed.c1Prime;
    const double deltaA = primed.a2 - primed.a1;
    const double deltaB = candidate.b - reference.b;
    const double chromaSum = primed.c1Prime + primed.c2Prime;
    const double deltaH2 = std::max(0.0,
                                    deltaA * deltaA + deltaB * deltaB - deltaC * deltaC
                                        - kCancellationMargin * (chromaSum * chromaSum + 1.0));

    const double cMeanPrime = chromaSum / 2.0;
    const double rotation = kRotationMax * 2.0 * chromaBlend(cMeanPrime);
    const double termL = (candidate.l - reference.l) / lightnessWeight(reference.l, candidate.l);
    const double termC = std::fabs(deltaC) / (1.0 + 0.045 * cMeanPrime);
    const double termH = std::sqrt(deltaH2) / (1.0 + 0.015 * cMeanPrime * kHueWeightMax);

    // x^2 + y^2 - r x y = x^2 (1 - r^2/4) + (y - r x / 2)^2 for the least y the hue term allows.
    const double vertex = rotation * termC / 2.0;
    const double hueExcess = termH > vertex ? termH - vertex : 0.0;
    return termL * termL + termC * termC * (1.0 - rotation * rotation / 4.0)
        + hueExcess * hueExcess;
}

// Inserts (d, rowId) as the plain pass does: after every match with the same difference,
// and only into the first `maxCount` places.
void insertMatch(QVector<NearestMatch> &results, double d, qint64 rowId, int maxCount)
{
    const auto position = std::upper_bound(
        results.begin(), results.end(), d,
        [](double value, const NearestMatch &match) { return value < match.deltaE; });
    if (position - results.begin() >= maxCount)
        return;
    results.insert(position, NearestMatch {d, rowId});
    if (results.size() > maxCount)
        results.removeLast();
}

// An upper bound of the final maxCount-th difference: the largest CIEDE2000 difference among
// the maxCount candidates nearest in plain Lab distance. Infinite when there are fewer
// candidates than places.
double seedThreshold(const DB::LabEntry &reference, const QVector<DB::LabEntry> &candidates,
                     int maxCount)
{
    if (candidates.size() < maxCount)
        return std::numeric_limits<double>::infinity();
    // Indexes of the nearest candidates by squared Lab distance, largest distance first.
    QVector<std::pair<double, int>> nearest;
    nearest.reserve(maxCount + 1);
    const auto farther = [](const std::pair<double, int> &x, const std::pair<double, int> &y) {
        return x.first < y.first;
    };
    // The largest distance kept once maxCount are kept; nothing farther can enter.
    double farthest = std::numeric_limits<double>::infinity();
    for (int i = 0; i < candidates.size(); ++i) {
        const DB::LabEntry &candidate = candidates.at(i);
        const double dl = candidate.l - reference.l;
        const double da = candidate.a - reference.a;
        const double db = candidate.b - reference.b;
        const double distance = dl * dl + da * da + db * db;
        if (!(distance < farthest))
            continue;
        nearest.append({distance, i});
        std::push_heap(nearest.begin(), nearest.end(), farther);
        if (nearest.size() > maxCount) {
            std::pop_heap(nearest.begin(), nearest.end(), farther);
            nearest.removeLast();
        }
        if (nearest.size() == maxCount)
            farthest = nearest.constFirst().first;
    }
    if (nearest.size() < maxCount)
        return std::numeric_limits<double>::infinity();
    double threshold = 0.0;
    for (const auto &entry : std::as_const(nearest))
        threshold = std::max(threshold, deltaE2000(reference, candidates.at(entry.second)));
    return threshold;
}

} // namespace

DB::LabEntry labFromColor(const QColor &color)
{
    const double r = linearFromSrgb(color.redF());
    const double g = linearFromSrgb(color.greenF());
    const double b = linearFromSrgb(color.blueF());

    const double x = 0.4124 * r + 0.3576 * g + 0.1805 * b;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = 0.0193 * r + 0.1192 * g + 0.9505 * b;

    return labFromXyz(x, y, z, d65WhitePoint());
}

WhitePoint d65WhitePoint()
{
    return {kWhiteX, kWhiteY, kWhiteZ};
}

DB::LabEntry labFromXyz(double x, double y, double z, const WhitePoint &white)
{
    const double fx = labCurve(x / white.x);
    const double fy = labCurve(y / white.y);
    const double fz = labCurve(z / white.z);

    DB::LabEntry lab;
    lab.l = 116.0 * fy - 16.0;
    lab.a = 500.0 * (fx - fy);
    lab.b = 200.0 * (fy - fz);
    return lab;
}

void xyzFromLab(const DB::LabEntry &lab, const WhitePoint &white, double xyz[3])
{
    const double fy = (lab.l + 16.0) / 116.0;
    const double fx = fy + lab.a / 500.0;
    const double fz = fy - lab.b / 200.0;
    xyz[0] = inverseLabCurve(fx) * white.x;
    xyz[1] = inverseLabCurve(fy) * white.y;
    xyz[2] = inverseLabCurve(fz) * white.z;
}

double deltaE2000(const DB::LabEntry &first, const DB::LabEntry &second)
{
    const PrimedPair primed = primedPair(first, chroma(first), second);
    const double c1Prime = primed.c1Prime;
    const double c2Prime = primed.c2Prime;
    const double h1 = hueAngle(first.b, primed.a1);
    const double h2 = hueAngle(second.b, primed.a2);

    const double hMean = std::fabs(h1 - h2) > kPi ? (h1 + h2 + kTwoPi) / 2.0 : (h1 + h2) / 2.0;
    const double t = 1.0 - 0.17 * std::cos(hMean - kDeg30) + 0.24 * std::cos(2.0 * hMean)
        + 0.32 * std::cos(3.0 * hMean + kDeg6) - 0.20 * std::cos(4.0 * hMean - kDeg63);

    double deltaH = h2 - h1;
    if (deltaH > kPi)
        deltaH -= kTwoPi;
    else if (deltaH < -kPi)
        deltaH += kTwoPi;

    const double deltaLPrime = second.l - first.l;
    const double deltaCPrime = c2Prime - c1Prime;
    const double deltaHPrime = 2.0 * std::sqrt(c1Prime * c2Prime) * std::sin(deltaH / 2.0);

    const double sl = lightnessWeight(first.l, second.l);
    const double cMeanPrime = (c1Prime + c2Prime) / 2.0;
    const double sc = 1.0 + 0.045 * cMeanPrime;
    const double sh = 1.0 + 0.015 * cMeanPrime * t;

    const double hueOffset = (hMean - kDeg275) / kDeg25;
    const double deltaTheta = kDeg30 * std::exp(-hueOffset * hueOffset);
    const double rc = 2.0 * chromaBlend(cMeanPrime);
    const double rt = -std::sin(2.0 * deltaTheta) * rc;

    const double termL = deltaLPrime / sl;
    const double termC = deltaCPrime / sc;
    const double termH = deltaHPrime / sh;
    const double sum = termL * termL + termC * termC + termH * termH + rt * termC * termH;
    return std::sqrt(std::max(0.0, sum));
}

void findNearestColorsPlain(const DB::LabEntry &reference, const QVector<DB::LabEntry> &candidates,
                            QVector<NearestMatch> &results, int maxCount)
{
    results.clear();
    if (maxCount <= 0)
        return;
    for (const DB::LabEntry &candidate : candidates)
        insertMatch(results, deltaE2000(reference, candidate), candidate.rowId, maxCount);
}

void findNearestColors(const DB::LabEntry &reference, const QVector<DB::LabEntry> &candidates,
                       QVector<NearestMatch> &results, int maxCount)
{
    if (maxCount > kPrunedMaxCount) {
        findNearestColorsPlain(reference, candidates, results, maxCount);
        return;
    }
    results.clear();
    if (maxCount <= 0)
        return;
    results.reserve(maxCount + 1);
    // A candidate is skipped when its difference provably exceeds either the seed threshold
    // (maxCount candidates lie at or below it) or, once the results are full, the worst kept
    // match: it could not be among the results of the plain pass.
    const double seed = seedThreshold(reference, candidates, maxCount);
    const double referenceChroma = chroma(reference);
    double limit = seed + kBoundMargin * (1.0 + seed);
    for (const DB::LabEntry &candidate : candidates) {
        if (lightnessExceeds(reference, candidate, limit)
            || coarseBoundExceeds(reference, candidate, limit))
            continue;
        if (lowerBoundSquared(reference, referenceChroma, candidate) > limit * limit)
            continue;
        insertMatch(results, deltaE2000(reference, candidate), candidate.rowId, maxCount);
        if (results.size() == maxCount) {
            const double worst = std::min(seed, results.last().deltaE);
            limit = worst + kBoundMargin * (1.0 + worst);
        }
    }
}

} // namespace Corvane
