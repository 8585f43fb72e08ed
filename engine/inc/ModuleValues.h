#pragma once

#include <QString>

namespace Corvane {

// Process-wide values set once at start-up by the host bridge or the command line.

// Full path of the loaded library (or program) file.
QString moduleFilePath();
void setModuleFilePath(const QString &path);

// The per-machine data folder that holds "Contents/Resources" with the collection files.
QString databaseFolder();
void setDatabaseFolder(const QString &folder);

// The application name of the per-user settings file: "Tessary.SketchUp".
QString settingsApplicationName();

// The organisation name of the per-user settings file and the data folder.
QString organizationName();

} // namespace Corvane
