#pragma once

#include <QIcon>

namespace Corvane {

// The picker's window icon in 16, 32, 48 and 64 pixels, from the compiled-in resources; the
// same icon on every call. Call it only while a QGuiApplication exists.
QIcon pickerWindowIcon();

} // namespace Corvane
