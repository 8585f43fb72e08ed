#pragma once

#include "PaletteSwatch.h"

#include <QByteArray>

namespace Corvane {

// A JSON palette: {"name": title, "colors": [{"name", "hex": "#RRGGBB", "rgb": [r, g, b]}]}.
class JsonPaletteFormat
{
public:
    static QByteArray write(const QVector<PaletteSwatch> &swatches, const QString &title);
};

} // namespace Corvane
