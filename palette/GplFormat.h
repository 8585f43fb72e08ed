#pragma once

#include "PaletteSwatch.h"

#include <QByteArray>

namespace Corvane {

// GIMP palettes (.gpl): a "GIMP Palette" line, "Name:" and "Columns:" headers, "#" comments
// and one colour a line as three numbers 0 to 255 followed by the colour's name.
class GplFormat
{
public:
    static QByteArray write(const QVector<PaletteSwatch> &swatches, const QString &title);
    static SwatchFileContents read(const QByteArray &bytes);
};

} // namespace Corvane
