#include "TaskButton.h"

#include "FocusMark.h"
#include "InterfaceFonts.h"

#include <QLinearGradient>
#include <QPainter>

namespace Corvane {

namespace {

constexpr int kCornerRadius = 5;
constexpr int kTextInset = 1;
constexpr int kPressedTextInset = 3;
constexpr int kDisabledDarkening = 120;
constexpr int kFontStep = 3;
constexpr int kRoundFontStep = 4;

const QColor kTextColor(49, 49, 49);
const QColor kRoundTextColor(0, 129, 183);
const QColor kTopColor(238, 238, 238);
const QColor kBottomColor(204, 204, 204);

// The weighted grey of a colour: (11 r + 16 g + 5 b) / 32.
int greyOf(const QColor &color)
{
    return (11 * color.red() + 16 * color.green() + 5 * color.blue()) >> 5;
}

} // namespace

TaskButton::TaskButton(QWidget *parent) : TaskButton(parent, Shape::RoundedRectangle) { }

TaskButton::TaskButton(QWidget *parent, Shape shape)
    : QPushButton(parent), m_shape(shape),
      m_textColor(shape == Shape::Ellipse ? kRoundTextColor : kTextColor), m_topColor(kTopColor),
      m_bottomColor(kBottomColor)
{
    setFont(shape == Shape::Ellipse ? boldFont(kRoundFontStep) : normalFont(kFontStep));
    setMouseTracking(true);
}

QRect TaskButton::textRect(bool pressed) const
{
    if (m_shape == Shape::Ellipse)
        return pressed ? rect().adjusted(2, 2, 0, 0) : rect();
    const int inset = pressed ? kPressedTextInset : kTextInset;
    return rect().adjusted(inset, inset, 0, 0);
}

QColor TaskButton::disabledFill() const
{
    return m_shape == Shape::Ellipse ? m_bottomColor : m_bottomColor.darker(kDisabledDarkening);
}

QColor TaskButton::disabledText() const
{
    const int grey = m_shape == Shape::Ellipse ? 255 - greyOf(m_textColor) : greyOf(m_topColor);
    return QColor(grey, grey, grey);
}

void TaskButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    if (isEnabled()) {
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, m_topColor);
        gradient.setColorAt(1, m_bottomColor);
        painter.setBrush(gradient);
    } else {
        painter.setBrush(disabledFill());
    }
    if (m_shape == Shape::Ellipse)
        painter.drawEllipse(rect());
    else
        painter.drawRoundedRect(rect(), kCornerRadius, kCornerRadius);

    painter.setPen(isEnabled() ? m_textColor : disabledText());
    painter.setFont(font());
    const QRect area = textRect(isDown());
    // Drawn twice at the same place for a heavier stroke.
    painter.drawText(area, Qt::AlignCenter, text());
    painter.drawText(area, Qt::AlignCenter, text());
    paintFocusMark(painter, *this);
}

void TaskButton::mouseMoveEvent(QMouseEvent *event)
{
    setCursor(Qt::ArrowCursor);
    QPushButton::mouseMoveEvent(event);
}

} // namespace Corvane
