#include "FocusMark.h"

#include <QPainter>
#include <QWidget>

namespace Corvane {

namespace {

const QColor kFocusColor(255, 255, 255, 160);

} // namespace

void paintFocusMark(QPainter &painter, const QWidget &widget)
{
    if (!widget.hasFocus())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kFocusColor, 1, Qt::DotLine));
    painter.drawRect(widget.rect().adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace Corvane
