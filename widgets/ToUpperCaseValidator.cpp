#include "ToUpperCaseValidator.h"

namespace Corvane {

ToUpperCaseValidator::ToUpperCaseValidator(QObject *parent) : QValidator(parent) { }

QValidator::State ToUpperCaseValidator::validate(QString &input, int &) const
{
    input = input.toUpper();
    return Acceptable;
}

} // namespace Corvane
