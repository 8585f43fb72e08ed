#pragma once

#include <QValidator>

namespace Corvane {

// Turns whatever is typed or pasted into upper case; it never rejects input.
class ToUpperCaseValidator : public QValidator
{
    Q_OBJECT

public:
    explicit ToUpperCaseValidator(QObject *parent = nullptr);

    State validate(QString &input, int &position) const override;
};

} // namespace Corvane
