#include "WindowIcon.h"

namespace Corvane {

namespace {

QIcon loadPickerWindowIcon()
{
    QIcon icon(QStringLiteral(":/image/ui/icon_16.png"));
    for (const char *size : {"32", "48", "64"})
        icon.addFile(QStringLiteral(":/image/ui/icon_%1.png").arg(QLatin1String(size)));
    return icon;
}

} // namespace

QIcon pickerWindowIcon()
{
    // One icon for the whole process: Qt's pixmap cache keeps an icon's scaled pixmaps under
    // that icon's own key, so a new icon for every window would add its pixmaps to the cache
    // again with every pick, until the cache is full. Never deleted, like the host's
    // QApplication: pixmaps must not outlive the GUI application at exit.
    static const QIcon *const icon = new QIcon(loadPickerWindowIcon());
    return *icon;
}

} // namespace Corvane
