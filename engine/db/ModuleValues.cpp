#include "ModuleValues.h"

namespace Corvane {

namespace {

QString &moduleFilePathValue()
{
    static QString value;
    return value;
}

QString &databaseFolderValue()
{
    static QString value;
    return value;
}

} // namespace

QString moduleFilePath()
{
    return moduleFilePathValue();
}

void setModuleFilePath(const QString &path)
{
    moduleFilePathValue() = path;
}

QString databaseFolder()
{
    return databaseFolderValue();
}

void setDatabaseFolder(const QString &folder)
{
    databaseFolderValue() = folder;
}

QString settingsApplicationName()
{
    return QStringLiteral("Tessary") + QLatin1Char('.') + QStringLiteral("SketchUp");
}

QString organizationName()
{
    return QStringLiteral("Veltra Marnik");
}

} // namespace Corvane
