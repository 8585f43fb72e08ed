#include "HelpButton.h"

namespace Corvane {

HelpButton::HelpButton(QWidget *parent) : TaskButton(parent, Shape::Ellipse)
{
    setText(QStringLiteral("?"));
}

} // namespace Corvane
