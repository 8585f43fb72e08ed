#pragma once

#include "TaskButton.h"

namespace Corvane {

// The round "?" button.
class HelpButton : public TaskButton
{
    Q_OBJECT

public:
    explicit HelpButton(QWidget *parent = nullptr);
};

} // namespace Corvane
