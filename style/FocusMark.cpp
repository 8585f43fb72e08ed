#include "FocusMark.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace Corvane {

namespace {

const QColor kDarkDots(0, 0, 0, 170);
const QColor kLightDots(255, 255, 255, 200);
const QVector<qreal> kDotPattern {1, 2};

void drawDots(QPainter &painter, const QRect &edge, const QColor &color, qreal offset)
{
    QPen pen(color, 1, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern(kDotPattern);
    pen.setDashOffset(offset);
    painter.setPen(pen);
    painter.drawRect(edge);
}

} // namespace

void paintFocusMark(QPainter &painter, const QWidget &widget)
{
    if (widget.hasFocus())
        paintFocusFrame(painter, widget.rect());
}

void paintFocusMarkAfter(QWidget &widget, const QEvent &event)
{
    if (event.type() != QEvent::Paint || !widget.hasFocus())
        return;
    QPainter painter(&widget);
    paintFocusMark(painter, widget);
}

void paintFocusFrame(QPainter &painter, const QRect &area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const QRect edge = area.adjusted(0, 0, -1, -1);
    drawDots(painter, edge, kDarkDots, 0);
    drawDots(painter, edge, kLightDots, 1);
    painter.restore();
}

} // namespace Corvane
