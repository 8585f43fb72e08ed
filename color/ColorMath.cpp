#include "ColorMath.h"

#include <algorithm>
#include <cmath>

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

} // namespace

DB::LabEntry labFromColor(const QColor &color)
{
    const double r = linearFromSrgb(color.redF());
    const double g = linearFromSrgb(color.greenF());
    const double b = linearFromSrgb(color.blueF());

    const double x = 0.4124 * r + 0.3576 * g + 0.1805 * b;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = 0.0193 * r + 0.1192 * g + 0.9505 * b;

    const double fx = labCurve(x / kWhiteX);
    const double fy = labCurve(y / kWhiteY);
    const double fz = labCurve(z / kWhiteZ);

    DB::LabEntry lab;
    lab.l = 116.0 * fy - 16.0;
    lab.a = 500.0 * (fx - fy);
    lab.b = 200.0 * (fy - fz);
    return lab;
}

double deltaE2000(const DB::LabEntry &first, const DB::LabEntry &second)
{
    const double c1 = std::sqrt(first.a * first.a + first.b * first.b);
    const double c2 = std::sqrt(second.a * second.a + second.b * second.b);
    const double cMean7 = pow7((c1 + c2) / 2.0);
    const double g = 0.5 * (1.0 - std::sqrt(cMean7 / (cMean7 + kPow25To7)));

    const double a1 = first.a * (1.0 + g);
    const double a2 = second.a * (1.0 + g);
    const double c1Prime = std::sqrt(a1 * a1 + first.b * first.b);
    const double c2Prime = std::sqrt(a2 * a2 + second.b * second.b);
    const double h1 = hueAngle(first.b, a1);
    const double h2 = hueAngle(second.b, a2);

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

    const double lMeanOffset2 = std::pow((first.l + second.l) / 2.0 - 50.0, 2.0);
    const double sl = 1.0 + 0.015 * lMeanOffset2 / std::sqrt(20.0 + lMeanOffset2);
    const double cMeanPrime = (c1Prime + c2Prime) / 2.0;
    const double sc = 1.0 + 0.045 * cMeanPrime;
    const double sh = 1.0 + 0.015 * cMeanPrime * t;

    const double deltaTheta = kDeg30 * std::exp(-std::pow((hMean - kDeg275) / kDeg25, 2.0));
    const double cMeanPrime7 = pow7(cMeanPrime);
    const double rc = 2.0 * std::sqrt(cMeanPrime7 / (cMeanPrime7 + kPow25To7));
    const double rt = -std::sin(2.0 * deltaTheta) * rc;

    const double termL = deltaLPrime / sl;
    const double termC = deltaCPrime / sc;
    const double termH = deltaHPrime / sh;
    const double sum = termL * termL + termC * termC + termH * termH + rt * termC * termH;
    return std::sqrt(std::max(0.0, sum));
}

void findNearestColors(const DB::LabEntry &reference, const QVector<DB::LabEntry> &candidates,
                       QVector<NearestMatch> &results, int maxCount)
{
    results.clear();
    if (maxCount <= 0)
        return;
    for (const DB::LabEntry &candidate : candidates) {
        const double d = deltaE2000(reference, candidate);
        const auto position = std::upper_bound(
            results.begin(), results.end(), d,
            [](double value, const NearestMatch &match) { return value < match.deltaE; });
        if (position - results.begin() >= maxCount)
            continue;
        results.insert(position, NearestMatch {d, candidate.rowId});
        if (results.size() > maxCount)
            results.removeLast();
    }
}

} // namespace Corvane
