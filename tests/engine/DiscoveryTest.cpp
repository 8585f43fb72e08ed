#include "DiscoveryTest.h"

#include "Collection.h"
#include "CollectionFixture.h"
#include "CollectionRegistry.h"
#include "ModuleValues.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using namespace Corvane;
using namespace Corvane::DB;
using Corvane::Test::CollectionFixture;

namespace {

const QString kUuidA = QStringLiteral("{aaaaaaaa-0000-4000-8000-000000000001}");
const QString kUuidB = QStringLiteral("{bbbbbbbb-0000-4000-8000-000000000002}");
const QString kUuidC = QStringLiteral("{cccccccc-0000-4000-8000-000000000003}");

QUuid uuid(const QString &text)
{
    return QUuid::fromString(text);
}

QString collectionName(const QUuid &collection)
{
    QSharedPointer<Collection> loaded;
    if (loadCollection(collection, loaded) != 0)
        return QStringLiteral("<not loaded>");
    return loaded->name();
}

QByteArray fileDigest(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

void DiscoveryTest::cleanup()
{
    collectionRegistry().clear();
    setDatabaseFolder(QString());
}

void DiscoveryTest::enabledSetting_data()
{
    QTest::addColumn<int>("enabled");
    QTest::addColumn<bool>("registered");

    QTest::newRow("no setting") << -1 << false;
    QTest::newRow("value 0") << 0 << false;
    QTest::newRow("value 1") << 1 << true;
    QTest::newRow("value 2") << 2 << false;
}

void DiscoveryTest::enabledSetting()
{
    QFETCH(int, enabled);
    QFETCH(bool, registered);

    CollectionFixture fixture;
    fixture.createFile(QStringLiteral("deck.db"));
    fixture.addCollection(QStringLiteral("deck.db"), 1, kUuidA, QStringLiteral("A"),
                          QStringLiteral("Deck A"), 1, enabled);
    fixture.activate();

    QCOMPARE(ensureCollections(), 1); // the system-wide collection is always there
    QCOMPARE(collectionRegistry().contains(uuid(kUuidA)), registered);
    QVERIFY(collectionRegistry().contains(systemWideCollectionUuid()));
    QCOMPARE(orderedCollectionUuids().contains(uuid(kUuidA)), registered);
}

void DiscoveryTest::systemWideOnly()
{
    CollectionFixture fixture;
    fixture.createFile(QStringLiteral("shared.db"));
    fixture.activate();

    QCOMPARE(ensureCollections(), 1);
    QVERIFY(orderedCollectionUuids().isEmpty());
    QCOMPARE(collectionDbId(systemWideCollectionUuid()), qint64(0));
    QCOMPARE(collectionRegistry().value(systemWideCollectionUuid()).systemId,
             QStringLiteral("VIRTUAL"));
}

void DiscoveryTest::duplicateUuidAcrossFiles()
{
    CollectionFixture fixture;
    fixture.createFile(QStringLiteral("a.db"));
    fixture.createFile(QStringLiteral("b.db"));
    fixture.addCollection(QStringLiteral("a.db"), 1, kUuidA, QStringLiteral("A"),
                          QStringLiteral("From a"), 1);
    fixture.addCollection(QStringLiteral("b.db"), 1, kUuidA, QStringLiteral("A2"),
                          QStringLiteral("From b"), 2);
    fixture.addCollection(QStringLiteral("b.db"), 2, kUuidB, QStringLiteral("B"),
                          QStringLiteral("Only in b"), 3);
    fixture.activate();

    ensureCollections();
    QCOMPARE(collectionRegistry().value(uuid(kUuidA)).fileName,
             fixture.filePath(QStringLiteral("a.db")));
    QCOMPARE(collectionName(uuid(kUuidA)), QStringLiteral("From a"));
    QCOMPARE(collectionName(uuid(kUuidB)), QStringLiteral("Only in b"));
    QCOMPARE(orderedCollectionUuids(), QList<QUuid>({uuid(kUuidA), uuid(kUuidB)}));
}

void DiscoveryTest::sharedOrderListsOne()
{
    CollectionFixture fixture;
    fixture.createFile(QStringLiteral("a.db"));
    fixture.createFile(QStringLiteral("b.db"));
    fixture.addCollection(QStringLiteral("a.db"), 1, kUuidA, QStringLiteral("A"),
                          QStringLiteral("A"), 3);
    fixture.addCollection(QStringLiteral("b.db"), 1, kUuidB, QStringLiteral("B"),
                          QStringLiteral("B"), 3);
    fixture.addCollection(QStringLiteral("b.db"), 2, kUuidC, QStringLiteral("C"),
                          QStringLiteral("C"), 1);
    fixture.activate();

    const QList<QUuid> listed = orderedCollectionUuids();
    QCOMPARE(listed.size(), 2);
    QCOMPARE(listed.first(), uuid(kUuidC));
    // Both stay registered; the list is the same on every run.
    QCOMPARE(collectionRegistry().size(), 4);
    QCOMPARE(orderedCollectionUuids(), listed);
}

void DiscoveryTest::nonUuidTextIsSkipped()
{
    CollectionFixture fixture;
    fixture.createFile(QStringLiteral("deck.db"));
    fixture.addCollection(QStringLiteral("deck.db"), 1, QStringLiteral("not-a-uuid"),
                          QStringLiteral("BAD"), QStringLiteral("Bad"), 1);
    fixture.addCollection(QStringLiteral("deck.db"), 2, kUuidA, QStringLiteral("A"),
                          QStringLiteral("Good"), 2);
    fixture.activate();

    QCOMPARE(orderedCollectionUuids(), QList<QUuid>({uuid(kUuidA)}));
    QCOMPARE(collectionRegistry().size(), 2);
}

void DiscoveryTest::fileAddedAfterStartUp()
{
    CollectionFixture fixture;
    fixture.createFile(QStringLiteral("first.db"));
    fixture.addCollection(QStringLiteral("first.db"), 1, kUuidA, QStringLiteral("A"),
                          QStringLiteral("A"), 1);
    fixture.activate();
    QCOMPARE(orderedCollectionUuids(), QList<QUuid>({uuid(kUuidA)}));

    fixture.createFile(QStringLiteral("later.db"));
    fixture.addCollection(QStringLiteral("later.db"), 1, kUuidB, QStringLiteral("B"),
                          QStringLiteral("Later"), 2);
    QVERIFY(!collectionRegistry().contains(uuid(kUuidB)));

    QCOMPARE(ensureConnection(uuid(kUuidB)), 0);
    QCOMPARE(collectionName(uuid(kUuidB)), QStringLiteral("Later"));
    QVERIFY(collectionRegistry().contains(uuid(kUuidA)));
}

void DiscoveryTest::twoCollectionsShareOneConnection()
{
    CollectionFixture fixture;
    const QString path = fixture.createFile(QStringLiteral("pair.db"));
    fixture.addCollection(QStringLiteral("pair.db"), 1, kUuidA, QStringLiteral("A"),
                          QStringLiteral("First"), 1);
    fixture.addCollection(QStringLiteral("pair.db"), 2, kUuidB, QStringLiteral("B"),
                          QStringLiteral("Second"), 2);
    fixture.activate();

    QCOMPARE(ensureConnection(uuid(kUuidA)), 0);
    QCOMPARE(ensureConnection(uuid(kUuidB)), 0);
    QCOMPARE(connectionFor(uuid(kUuidA)).connectionName(), path);
    QCOMPARE(connectionFor(uuid(kUuidB)).connectionName(), path);
    QCOMPARE(collectionName(uuid(kUuidA)), QStringLiteral("First"));
    QCOMPARE(collectionName(uuid(kUuidB)), QStringLiteral("Second"));
    QCOMPARE(collectionDbId(uuid(kUuidB)), qint64(2));
}

void DiscoveryTest::pathsDifferingInCaseStayApart()
{
    CollectionFixture fixture;
    fixture.createFile(QStringLiteral("Deck.db"));
    fixture.createFile(QStringLiteral("deck.db"));
    fixture.addCollection(QStringLiteral("Deck.db"), 1, kUuidA, QStringLiteral("UPPER"),
                          QStringLiteral("Upper"), 1);
    fixture.addCollection(QStringLiteral("deck.db"), 1, kUuidB, QStringLiteral("LOWER"),
                          QStringLiteral("Lower"), 2);
    fixture.activate();

    QCOMPARE(collectionName(uuid(kUuidA)), QStringLiteral("Upper"));
    QCOMPARE(collectionName(uuid(kUuidB)), QStringLiteral("Lower"));
}

void DiscoveryTest::garbageFilesArePassedOver()
{
    CollectionFixture fixture;
    const QString good = fixture.createFile(QStringLiteral("good.db"));
    fixture.addCollection(QStringLiteral("good.db"), 1, kUuidA, QStringLiteral("A"),
                          QStringLiteral("Good"), 1);

    QFile source(good);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray complete = source.readAll();
    const QStringList garbage = {
        fixture.filePath(QStringLiteral("empty.db")),
        fixture.filePath(QStringLiteral("text.db")),
        fixture.filePath(QStringLiteral("truncated.db")),
        fixture.filePath(QStringLiteral("other.db")),
    };
    writeFile(garbage.at(0), QByteArray());
    writeFile(garbage.at(1), QByteArray("this is not a database\n").repeated(200));
    writeFile(garbage.at(2), complete.left(complete.size() / 3));
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
        other.setDatabaseName(garbage.at(3));
        QVERIFY(other.open());
        other.exec(QStringLiteral("CREATE TABLE SOMETHING (ID integer)"));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    QDir().mkpath(fixture.filePath(QStringLiteral("folder.db")));

    QList<QByteArray> digests;
    for (const QString &path : garbage)
        digests.append(fileDigest(path));
    const QByteArray goodDigest = fileDigest(good);

    fixture.activate();
    QCOMPARE(ensureCollections(), 1);
    QCOMPARE(orderedCollectionUuids(), QList<QUuid>({uuid(kUuidA)}));
    QCOMPARE(collectionName(uuid(kUuidA)), QStringLiteral("Good"));

    for (int i = 0; i < garbage.size(); ++i)
        QVERIFY2(fileDigest(garbage.at(i)) == digests.at(i), qPrintable(garbage.at(i)));
    QCOMPARE(fileDigest(good), goodDigest);
    QVERIFY(!QFile::exists(good + QStringLiteral("-journal")));
}

void DiscoveryTest::connectionErrors()
{
    CollectionFixture fixture;
    const QString path = fixture.createFile(QStringLiteral("gone.db"));
    fixture.addCollection(QStringLiteral("gone.db"), 1, kUuidA, QStringLiteral("A"),
                          QStringLiteral("Gone"), 1);
    fixture.activate();
    ensureCollections();
    const int registered = collectionRegistry().size();

    QCOMPARE(ensureConnection(QUuid()), -2);
    QCOMPARE(collectionRegistry().size(), registered);
    QCOMPARE(ensureConnection(uuid(kUuidC)), -4);

    // A registered file that no longer opens: -5, and the uuid stays registered.
    QVERIFY(QFile::remove(path));
    QCOMPARE(ensureConnection(uuid(kUuidA)), -5);
    QVERIFY(collectionRegistry().contains(uuid(kUuidA)));
    QSharedPointer<Collection> loaded;
    QCOMPARE(loadCollection(uuid(kUuidA), loaded), -5);
    QVERIFY(loaded.isNull());
    QVERIFY(!QFile::exists(path));
}

void DiscoveryTest::lookups()
{
    CollectionFixture fixture;
    fixture.createFile(QStringLiteral("a.db"));
    fixture.createFile(QStringLiteral("b.db"));
    fixture.addCollection(QStringLiteral("a.db"), 5, kUuidA, QStringLiteral("Alpha"),
                          QStringLiteral("A"), 1);
    fixture.addCollection(QStringLiteral("b.db"), 5, kUuidB, QStringLiteral("Beta"),
                          QStringLiteral("B"), 2);
    fixture.activate();
    ensureCollections();

    QCOMPARE(collectionDbId(uuid(kUuidA)), qint64(5));
    QCOMPARE(collectionDbId(uuid(kUuidC)), qint64(-1));
    QCOMPARE(collectionUuidForDbId(5), uuid(kUuidA)); // the first file's collection
    QCOMPARE(collectionUuidForDbId(0), systemWideCollectionUuid());
    QVERIFY(collectionUuidForDbId(42).isNull());

    QUuid found;
    QCOMPARE(collectionUuidForSystemId(QStringLiteral("bEtA"), found), 0);
    QCOMPARE(found, uuid(kUuidB));
    QCOMPARE(collectionUuidForSystemId(QStringLiteral("Gamma"), found), -1);

    QSharedPointer<Collection> loaded;
    QCOMPARE(loadCollection(uuid(kUuidB), loaded), 0);
    QCOMPARE(loaded->systemId, QStringLiteral("Beta"));
    QCOMPARE(loaded->order, 2);
}

void DiscoveryTest::missingResourcesFolder()
{
    QTemporaryDir empty;
    setDatabaseFolder(empty.path());
    QCOMPARE(ensureCollections(), 2);
    QVERIFY(orderedCollectionUuids().isEmpty());

    setDatabaseFolder(empty.filePath(QStringLiteral("does-not-exist")));
    QCOMPARE(ensureCollections(), 2);
}
