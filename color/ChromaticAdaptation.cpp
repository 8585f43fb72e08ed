#include "ChromaticAdaptation.h"

namespace Corvane {

namespace {

using Matrix = double[3][3];

// The Bradford cone response matrix and its inverse.
constexpr Matrix kBradford
    = {{0.8951, 0.2664, -0.1614}, {-0.7502, 1.7135, 0.0367}, {0.0389, -0.0685, 1.0296}};
constexpr Matrix kBradfordInverse = {{0.9869929, -0.1470543, 0.1599627},
                                     {0.4323053, 0.5183603, 0.0492912},
                                     {-0.0085287, 0.0400428, 0.9684867}};

struct NamedWhite
{
    const char *name;
    WhitePoint white;
};

// ASTM E308 whites for the CIE 1931 standard observer.
constexpr NamedWhite kWhites[] = {
    {"A", {1.09850, 1.0, 0.35585}},   {"C", {0.98074, 1.0, 1.18232}},
    {"D50", {0.96422, 1.0, 0.82521}}, {"D55", {0.95682, 1.0, 0.92149}},
    {"D65", {0.95047, 1.0, 1.08883}}, {"D75", {0.94972, 1.0, 1.22638}},
    {"F2", {0.99187, 1.0, 0.67395}},  {"F7", {0.95044, 1.0, 1.08755}},
    {"F11", {1.00966, 1.0, 0.64370}},
};

struct Vector3
{
    double v[3];
};

Vector3 multiply(const Matrix &m, const Vector3 &x)
{
    Vector3 result {};
    for (int row = 0; row < 3; ++row)
        result.v[row] = m[row][0] * x.v[0] + m[row][1] * x.v[1] + m[row][2] * x.v[2];
    return result;
}

Vector3 coneResponse(const WhitePoint &white)
{
    return multiply(kBradford, {{white.x, white.y, white.z}});
}

} // namespace

std::optional<WhitePoint> standardIlluminantWhite(const QString &name)
{
    const QString key = name.simplified().remove(QLatin1Char(' '));
    for (const NamedWhite &entry : kWhites) {
        if (key.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.white;
    }
    return std::nullopt;
}

DB::LabEntry adaptLabToD65(const DB::LabEntry &lab, const WhitePoint &source)
{
    const WhitePoint target = d65WhitePoint();
    const Vector3 sourceCone = coneResponse(source);
    const Vector3 targetCone = coneResponse(target);
    Vector3 xyz {};
    xyzFromLab(lab, source, xyz.v);
    Vector3 cone = multiply(kBradford, xyz);
    for (int i = 0; i < 3; ++i)
        cone.v[i] *= targetCone.v[i] / sourceCone.v[i];
    const Vector3 adaptedXyz = multiply(kBradfordInverse, cone);
    DB::LabEntry adapted = labFromXyz(adaptedXyz.v[0], adaptedXyz.v[1], adaptedXyz.v[2], target);
    adapted.rowId = lab.rowId;
    return adapted;
}

} // namespace Corvane
