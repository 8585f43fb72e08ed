#include "AboutButton.h"

namespace Corvane {

namespace {
constexpr int kBottomInset = 8;

} // namespace

AboutButton::AboutButton(QWidget *parent) : TaskButton(parent, Shape::Ellipse)
{
    setText(QString(QChar(0x2026)));
}

QRect AboutButton::textRect(bool pressed) const
{
    return TaskButton::textRect(pressed).adjusted(0, 0, 0, -kBottomInset);
}

} // namespace Corvane
