#include "WindowIcon.h"

namespace Corvane {

QIcon pickerWindowIcon()
{
    QIcon icon(QStringLiteral(":/image/ui/icon_16.png"));
    for (const char *size : {"32", "48", "64"})
        icon.addFile(QStringLiteral(":/image/ui/icon_%1.png").arg(QLatin1String(size)));
    return icon;
}

} // namespace Corvane
