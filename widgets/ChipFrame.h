#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

namespace Corvane {

// Frames a chip as it stands on a card: two soft rounded shadows and a dark outline. `chip`
// is the chip's full rectangle; the outline runs on its last pixels.
inline void paintChipFrame(QPainter &painter, const QRect &chip)
{
    const QRect inner = chip.adjusted(0, 0, -1, -1);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(64, 64, 64, 24));
    painter.drawRoundedRect(inner.adjusted(-2, -2, 2, 2), 3.0, 3.0);
    painter.setPen(QColor(64, 64, 64, 48));
    painter.drawRoundedRect(inner.adjusted(-1, -1, 1, 1), 2.0, 2.0);
    painter.setPen(QColor(64, 64, 64, 255));
    painter.drawRect(inner);
    painter.restore();
}

} // namespace Corvane
