#pragma once

#include <QIcon>

namespace Corvane {

// The picker's window icon in 16, 32, 48 and 64 pixels, from the compiled-in resources.
QIcon pickerWindowIcon();

} // namespace Corvane
