#pragma once

#include <QColor>
#include <QString>

class QMimeData;

namespace Corvane {

namespace DB {
class ColorEntry;
}

// The plain-text form in which chips and colours leave the picker (clipboard, drags to
// other programs) and in which a colour may come back.

// "#RRGGBB", upper case.
QString colorText(const QColor &color);
// "#RRGGBB", a tab and `label`.
QString labelledColorText(const QColor &color, const QString &label);
// "#RRGGBB", a tab and the chip's label.
QString chipText(const DB::ColorEntry &entry);
// Reads "#RRGGBB" (either case) with optional surrounding whitespace, also followed by a tab
// and a label as chipText writes it; anything else is refused and leaves `color` alone.
bool parseColorText(const QString &text, QColor &color);
// The colour a mime data's plain text names; false without such a text.
bool colorFromMimeText(const QMimeData *mime, QColor &color);

} // namespace Corvane
