#pragma once

#include "PaletteSwatch.h"

#include <QByteArray>

namespace Corvane {

// CSS custom properties: one "--name: #rrggbb;" per swatch in a ":root" rule. The property
// name is the swatch name in lower case with every run of other characters than letters and
// digits made one "-"; repeated names get "-2", "-3", ...
class CssFormat
{
public:
    static QByteArray write(const QVector<PaletteSwatch> &swatches, const QString &title);
    static QString propertyName(const QString &name);
};

} // namespace Corvane
