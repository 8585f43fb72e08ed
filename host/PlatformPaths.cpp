#include "PlatformPaths.h"

#include "ModuleValues.h"

#include <QDir>
#include <QStringList>

namespace Corvane {

QString commonAppDataFolder()
{
    const QString overridden = qEnvironmentVariable("TESSARY_COMMON_APPDATA");
    if (!overridden.isEmpty())
        return overridden;
    const QStringList dataDirs
        = qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (!dataDirs.isEmpty())
        return dataDirs.first();
    return QStringLiteral("/usr/local/share");
}

QString defaultDatabaseFolder()
{
    return QDir(commonAppDataFolder())
        .filePath(organizationName() + QStringLiteral("/Tessary/SQLite"));
}

} // namespace Corvane
