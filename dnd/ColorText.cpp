#include "ColorText.h"

#include "ColorEntry.h"
#include "PaletteModel.h"

#include <QMimeData>
#include <QRegularExpression>

namespace Corvane {

namespace {

// The colour, optionally followed by a tab and a label on the same line: the picker's own
// chip text comes back as its colour.
const QRegularExpression
    kColorPattern(QStringLiteral("^\\s*#([0-9A-Fa-f]{6})(?:\\t[^\\r\\n]*)?\\s*$"));
constexpr int kHexBase = 16;

} // namespace

QString colorText(const QColor &color)
{
    return color.name(QColor::HexRgb).toUpper();
}

QString labelledColorText(const QColor &color, const QString &label)
{
    return colorText(color) + QLatin1Char('\t') + label;
}

QString chipText(const DB::ColorEntry &entry)
{
    return labelledColorText(QColor(entry.red, entry.green, entry.blue),
                             PaletteModel::chipLabel(entry));
}

bool parseColorText(const QString &text, QColor &color)
{
    const QRegularExpressionMatch match = kColorPattern.match(text);
    if (!match.hasMatch())
        return false;
    bool ok = false;
    const uint rgb = match.captured(1).toUInt(&ok, kHexBase);
    if (!ok)
        return false;
    color = QColor::fromRgb(QRgb(rgb));
    return true;
}

bool colorFromMimeText(const QMimeData *mime, QColor &color)
{
    return mime && mime->hasText() && parseColorText(mime->text(), color);
}

} // namespace Corvane
