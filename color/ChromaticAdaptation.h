#pragma once

#include "ColorMath.h"

#include <QString>

#include <optional>

namespace Corvane {

// The CIE 1931 (2°) white of a standard illuminant named as CxF3 files name them ("A", "C",
// "D50", "D55", "D65", "D75", "F2", "F7", "F11"), ignoring case and blanks; none for others.
std::optional<WhitePoint> standardIlluminantWhite(const QString &name);

// A CIELAB value relative to `source` white, adapted to D65 by the Bradford transform; the
// row id is kept.
DB::LabEntry adaptLabToD65(const DB::LabEntry &lab, const WhitePoint &source);

} // namespace Corvane
