#pragma once

#include <QString>

namespace Corvane {

// The per-machine application-data folder: $TESSARY_COMMON_APPDATA when set, else the first
// folder of $XDG_DATA_DIRS, else /usr/local/share.
QString commonAppDataFolder();

// "<commonAppDataFolder>/Veltra Marnik/Tessary/SQLite", the folder that holds
// "Contents/Resources" with the collection files.
QString defaultDatabaseFolder();

} // namespace Corvane
