#pragma once

#include <QString>
#include <QWidget>

namespace Corvane {

// Platform calls of the host bridge, implemented for Linux/X11.

// The full path of the library (or program) file that holds this code.
QString libraryFilePath();

// Keeps the library loaded for the rest of the process.
void pinLibrary(const QString &path);

// Whether a Qt GUI application can start: a platform is forced through QT_QPA_PLATFORM, or
// the X display opens.
bool displayAvailable();

// The host's main window: the first mapped top-level window of this process
// (_NET_WM_PID) without WM_TRANSIENT_FOR; 0 when there is none or no X display.
WId findHostWindow();

} // namespace Corvane
