#include "HostStartup.h"

#include "CollectionRegistry.h"
#include "CollectionSettings.h"
#include "HostPlatform.h"
#include "ModuleValues.h"
#include "PlatformPaths.h"
#include "StateStore.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSqlDatabase>

#include <libxml/xmlversion.h>

#include <cstdio>

namespace Corvane {

namespace {

constexpr int kLibXmlVersion = 20900;

// The one QApplication of the process, created on first start-up and never deleted.
bool ensureQtApplication(const QString &libraryPath)
{
    if (QCoreApplication::instance())
        return true;
    // Without a display Qt would abort the whole host process.
    if (!displayAvailable())
        return false;
    static int argc = 1;
    static char name[] = "Halvorn";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
    pinLibrary(libraryPath);
    return true;
}

} // namespace

int startHost()
{
    // Qt loads plug-ins (the platform and the SQLite driver) from its own folder only.
    QCoreApplication::setLibraryPaths({QLibraryInfo::path(QLibraryInfo::PluginsPath)});
    const QString libraryPath = libraryFilePath();
    if (!ensureQtApplication(libraryPath)) {
        std::fprintf(stderr, "Halvorn: no display can be opened; the picker is not available\n");
        return StartupNoDisplay;
    }
    return prepareCollections(libraryPath, defaultDatabaseFolder());
}

int prepareCollections(const QString &modulePath, const QString &folder)
{
    setModuleFilePath(modulePath);
    setDatabaseFolder(folder);
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return StartupNoSqlDriver;
    const int discovered = DB::ensureCollections();
    if (discovered < 0)
        return discovered;
    if (discovered == 2)
        return StartupNoCollection;
    const QList<QUuid> collections = DB::orderedCollectionUuids();
    if (collections.isEmpty())
        return StartupNoCollection;

    // A new host process always starts on the first collection; within one process the
    // last-used collection carries over from one pick to the next.
    const StateStore store;
    const qint64 pid = QCoreApplication::applicationPid();
    if (store.hostApplicationPID() != pid) {
        store.setUuidOfLastUsedCollection(collections.first());
        store.setHostApplicationPID(pid);
    }
    DB::loadDisplayOrders(store.uuidOfLastUsedCollection());
    xmlCheckVersion(kLibXmlVersion);
    return StartupOk;
}

} // namespace Corvane
