#pragma once

#include <QString>

namespace Corvane {

// Start-up statuses: 0 ready; -1 no SQLite driver; -3 no collection; -7 no display.
enum StartupStatus {
    StartupOk = 0,
    StartupNoSqlDriver = -1,
    StartupNoCollection = -3,
    StartupNoDisplay = -7
};

// Prepares Qt and the collections for the host: settings name, plug-in folder, the one
// QApplication, the library pinned in memory, the module and database paths, then
// prepareCollections. Anything but StartupOk means the host gets no module.
int startHost();

// Registers the paths, checks the SQLite driver, discovers the collections, starts a new
// host process on the first collection and loads its name orders.
int prepareCollections(const QString &modulePath, const QString &databaseFolder);

} // namespace Corvane
