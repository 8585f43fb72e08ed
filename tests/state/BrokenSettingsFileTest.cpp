#include "BrokenSettingsFileTest.h"

#include "StateStore.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using Corvane::StateStore;
using Corvane::DB::ItemIndex;

namespace {

const QUuid kCollection
    = QUuid::fromString(QStringLiteral("{1b4e28ba-2fa1-11d2-883f-0016d3cca427}"));

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

// Every reader returns a value in its allowed range.
void verifyReadersInRange(const StateStore &store)
{
    const int mood = store.moodFilter(kCollection);
    QVERIFY(mood >= 1 && mood <= 7);
    QVERIFY(store.segmentIndex(kCollection) >= 0);
    QVERIFY(store.pageIndex(kCollection) >= 0);
    QVERIFY(store.rowIndex(kCollection) >= 0);
    const int tab = store.tabPageIndex(kCollection);
    QVERIFY(tab == 0 || tab == 1 || tab == 2 || tab == 4 || tab == 8);
    const int scheme = store.schemeKind(kCollection);
    QVERIFY(scheme >= 0 && scheme <= 9);
    const int subKind = store.schemeNeutralSubKind(kCollection);
    QVERIFY(subKind >= 7 && subKind <= 9);
    const int format = store.myPaletteSaveFileFormat();
    QVERIFY(format == 0 || format == 1);
    const int gray = store.myPaletteFullBackgroundColor();
    QVERIFY(gray >= 0 && gray <= 255);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 4; ++column) {
            store.myPaletteEntry(QPoint(column, row));
            store.myPaletteSelected(QPoint(column, row));
        }
    }
    store.myPaletteLastSavePath();
    store.hostApplicationPID();
}

// Writes one value of each kind through the store.
void writeSome(const StateStore &store)
{
    store.setPageIndex(kCollection, 3);
    store.setMoodFilter(kCollection, 2);
    store.setMyPaletteEntry(QPoint(1, 1), ItemIndex(kCollection, 5, 6));
    store.setMyPaletteLastSavePath(QStringLiteral("/tmp/x.palette"));
}

} // namespace

void BrokenSettingsFileTest::corruptFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("random bytes") << randomBytes(20000, 3);
    QTest::newRow("zero bytes") << QByteArray(4096, '\0');
    QTest::newRow("open group") << QByteArray("[{1b4e28ba-2fa1-11d2-883f-0016d3cca427}\nPageIndex");
    QTest::newRow("broken escapes")
        << QByteArray("[%General]\nMoodFilter=@Variant(\\0\\0\\0\\x7f\\0\\0\nPageIndex=\"\\x\n"
                      "[MyPalette]\nMyPaletteEntry_1_1=ItemIndex(,,\n");
    QTest::newRow("one long line") << QByteArray(2 * 1024 * 1024, '=');
}

void BrokenSettingsFileTest::corruptFile()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const StateStore store(path);
    verifyReadersInRange(store);
    // Writing replaces the damaged file with one that reads back.
    writeSome(store);
    QCOMPARE(store.pageIndex(kCollection), 3);
    QCOMPARE(int(store.moodFilter(kCollection)), 2);
    QCOMPARE(store.myPaletteEntry(QPoint(1, 1)), ItemIndex(kCollection, 5, 6));
}

void BrokenSettingsFileTest::unreadableFile()
{
    // The tests run as root, for whom mode 000 does not stop reading; a folder in the file's
    // place cannot be read by anyone.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    QVERIFY(QDir().mkpath(path));
    const StateStore store(path);
    verifyReadersInRange(store);
    const int defaultPage = store.pageIndex(kCollection);
    writeSome(store);
    QCOMPARE(store.pageIndex(kCollection), defaultPage);
    QVERIFY(QFileInfo(path).isDir());
}

void BrokenSettingsFileTest::unwritableFolder()
{
    // A regular file where the settings folder should be: nothing can be created below it,
    // also not by root.
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("folder"));
    {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a folder");
    }
    const StateStore store(blocker + QStringLiteral("/settings.ini"));
    verifyReadersInRange(store);
    const int defaultPage = store.pageIndex(kCollection);
    writeSome(store);
    QCOMPARE(store.pageIndex(kCollection), defaultPage);
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("not a folder"));
}
