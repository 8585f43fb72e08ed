#pragma once

#include "TaskButton.h"

namespace Corvane {

// The round "…" button; its text sits higher so the dots look centred.
class AboutButton : public TaskButton
{
    Q_OBJECT

public:
    explicit AboutButton(QWidget *parent = nullptr);

protected:
    QRect textRect(bool pressed) const override;
};

} // namespace Corvane
