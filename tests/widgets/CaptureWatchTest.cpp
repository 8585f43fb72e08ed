#include "CaptureWatchTest.h"

#include "CapsureSelectDialog.h"
#include "CaptureFiles.h"
#include "CollectionSelectWidget.h"
#include "DialogAnswer.h"
#include "ImageButton.h"
#include "MainWidget.h"
#include "StateStore.h"
#include "TaskButton.h"
#include "TestDecks.h"
#include "WidgetDeck.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Corvane;
using Corvane::Test::WidgetDeck;

namespace {

// The file of WidgetDeck's collections.
const QString kDeckFile = QStringLiteral("widgets.db");
const QString kCaptureName = QStringLiteral("capsure.cxf");

// Switches capture on for `collection` of the deck, watching `folder`.
void enableCapture(WidgetDeck &deck, qint64 collection, const QString &folder, int priority)
{
    deck.fixture.addSetting(kDeckFile, collection, QStringLiteral("capsure.enabled"),
                            QStringLiteral("1"));
    deck.fixture.addSetting(kDeckFile, collection, QStringLiteral("capsure.priority"), priority);
    deck.fixture.addSetting(kDeckFile, collection,
                            QStringLiteral("capsure.folder.to.watch.windows"), folder);
    deck.fixture.addSetting(kDeckFile, collection, QStringLiteral("capsure.filename.to.watch"),
                            kCaptureName);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The navigation state of a collection: segment, page index, row index.
QList<int> navigation(const QUuid &collection)
{
    const StateStore store;
    return {store.segmentIndex(collection), store.pageIndex(collection),
            store.rowIndex(collection)};
}

} // namespace

void CaptureWatchTest::cleanup()
{
    Corvane::Test::resetEngineState();
}

void CaptureWatchTest::captureOff()
{
    WidgetDeck deck;
    deck.reset();
    MainWidget main(&currentMainWidget);
    QVERIFY(main.captureFile().isEmpty());
    QVERIFY(main.captureWatcher()->files().isEmpty());
    QVERIFY(main.captureWatcher()->directories().isEmpty());
    QVERIFY(main.captureWatcher()->signalsBlocked());
}

// A folder missing when the watch is armed is not watched; it counts from the next re-arm.
void CaptureWatchTest::folderThatAppearsLater()
{
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("Capsure"));
    WidgetDeck deck;
    enableCapture(deck, 1, folder, 1);
    deck.reset();
    MainWidget main(&currentMainWidget);
    QCOMPARE(main.captureFile(), folder + QDir::separator() + kCaptureName);
    QVERIFY(main.captureWatcher()->directories().isEmpty());

    QSignalSpy reports(&main, &MainWidget::onCapsureFileChanged);
    QVERIFY(QDir().mkpath(folder));
    writeFile(main.captureFile(), Corvane::Test::cxf3Document({{"N1-1", Qt::red}}));
    QTest::qWait(300);
    QCOMPARE(reports.count(), 0);

    main.resetCaptureWatch();
    QCOMPARE(main.captureWatcher()->directories(), QStringList {folder});
    QCOMPARE(main.captureWatcher()->files(), QStringList {main.captureFile()});
    QVERIFY(!main.captureWatcher()->signalsBlocked());
}

void CaptureWatchTest::fileAppearsChangesAndDisappears()
{
    QTemporaryDir folder;
    WidgetDeck deck;
    enableCapture(deck, 1, folder.path(), 1);
    deck.reset();
    MainWidget main(&currentMainWidget);
    QFileSystemWatcher *watcher = main.captureWatcher();
    QCOMPARE(watcher->directories(), QStringList {folder.path()});
    QVERIFY(watcher->files().isEmpty());

    QSignalSpy reports(&main, &MainWidget::onCapsureFileChanged);
    writeFile(main.captureFile(), Corvane::Test::cxf3Document({{"N1-1", Qt::red}}));
    QTRY_VERIFY(reports.count() >= 1);
    QCOMPARE(reports.last().at(0).toString(), main.captureFile());
    QCOMPARE(watcher->files(), QStringList {main.captureFile()});
    QVERIFY(!main.collectionSelector()->captureButton()->isHidden());

    reports.clear();
    writeFile(main.captureFile(), Corvane::Test::cxf3Document({{"N1-2", Qt::green}}));
    QTRY_VERIFY(reports.count() >= 1);

    reports.clear();
    QVERIFY(QFile::remove(main.captureFile()));
    QTRY_VERIFY(reports.count() >= 1);
    QTRY_VERIFY(watcher->files().isEmpty());
    QCOMPARE(reports.last().at(0).toString(), main.captureFile());
    QVERIFY(!watcher->signalsBlocked());
    QVERIFY(main.collectionSelector()->captureButton()->isHidden());
}

// The capture button appears for a new file; clicking it imports the file and goes to the
// chosen chip.
void CaptureWatchTest::captureButtonImports()
{
    QTemporaryDir folder;
    WidgetDeck deck;
    enableCapture(deck, 1, folder.path(), 1);
    deck.reset();
    MainWidget main(&currentMainWidget);
    writeFile(main.captureFile(), Corvane::Test::cxf3Document({{"N1-2", Qt::red}}));
    QAbstractButton *button = main.collectionSelector()->captureButton();
    QTRY_VERIFY(!button->isHidden());

    Corvane::Test::DialogAnswer<CapsureSelectDialog> answer(
        [](CapsureSelectDialog *dialog) { QTest::mouseClick(dialog->okButton(), Qt::LeftButton); });
    button->click();
    QVERIFY(answer.answered());
    QCOMPARE(navigation(WidgetDeck::normal), QList<int>({1, 1, 2}));
}

// The watch follows the collection on show: off for a collection without capture.
void CaptureWatchTest::collectionSwitchMovesTheWatch()
{
    QTemporaryDir folder;
    WidgetDeck deck;
    enableCapture(deck, 1, folder.path(), 1);
    deck.reset();
    MainWidget main(&currentMainWidget);
    QSignalSpy reports(&main, &MainWidget::onCapsureFileChanged);

    main.collectionChangedInteractively(WidgetDeck::duvalin);
    QVERIFY(main.captureWatcher()->directories().isEmpty());
    QCOMPARE(reports.count(), 1);
    QCOMPARE(reports.last().at(0).toString(), QString());

    main.collectionChangedInteractively(WidgetDeck::normal);
    QCOMPARE(main.captureWatcher()->directories(), QStringList {folder.path()});
    QCOMPARE(reports.last().at(0).toString(), main.captureFile());
}

void CaptureWatchTest::import_data()
{
    QTest::addColumn<QString>("file"); // "folder" makes the capture path a folder
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("choice"); // item chosen in the dialog; -1 closes it
    QTest::addColumn<QStringList>("items"); // empty: no dialog is shown
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<QList<int>>("after");

    const QList<int> start {1, 1, 1};
    // Duvalin has the lower priority value, so its chips come first; codes in any case.
    const QByteArray twoCollections = Corvane::Test::cxf3Document(
        {{"n2-3", Qt::red}, {"D2-2", Qt::green}, {"N2-3", Qt::red}, {"nothing", Qt::blue}});
    QTest::newRow("choose the second item")
        << "file" << twoCollections << 1 << QStringList {"D2-2 (Duvalin)", "N2-3 (Normal)"}
        << WidgetDeck::normal << QList<int> {2, 2, 3};
    QTest::newRow("choose a chip of another collection")
        << "file" << twoCollections << 0 << QStringList {"D2-2 (Duvalin)", "N2-3 (Normal)"}
        << WidgetDeck::duvalin << QList<int> {2, 2, 2};
    QTest::newRow("dialog closed")
        << "file" << twoCollections << -1 << QStringList {"D2-2 (Duvalin)", "N2-3 (Normal)"}
        << WidgetDeck::normal << start;
    QTest::newRow("a single match still asks")
        << "file" << Corvane::Test::cxf3Document({{"N1-2", Qt::red}}) << 0 << QStringList {"N1-2"}
        << WidgetDeck::normal << QList<int> {1, 1, 2};
    QTest::newRow("objects without the namespace")
        << "file" << QByteArray("<CxF><Object Name=\"N2-3\"/></CxF>") << -1 << QStringList()
        << WidgetDeck::normal << start;
    QTest::newRow("names that match nothing")
        << "file" << Corvane::Test::cxf3Document({{"Z-1", Qt::red}}) << -1 << QStringList()
        << WidgetDeck::normal << start;
    QTest::newRow("not XML") << "file" << QByteArray("N2-3") << -1 << QStringList()
                             << WidgetDeck::normal << start;
    QTest::newRow("missing file") << "none" << QByteArray() << -1 << QStringList()
                                  << WidgetDeck::normal << start;
    QTest::newRow("capture path is a folder")
        << "folder" << QByteArray() << -1 << QStringList() << WidgetDeck::normal << start;
}

void CaptureWatchTest::import()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(int, choice);
    QFETCH(QStringList, items);
    QFETCH(QUuid, collection);
    QFETCH(QList<int>, after);

    QTemporaryDir folder;
    WidgetDeck deck;
    enableCapture(deck, 1, folder.path(), 2);
    deck.fixture.addSetting(kDeckFile, 2, QStringLiteral("capsure.enabled"), QStringLiteral("1"));
    deck.fixture.addSetting(kDeckFile, 2, QStringLiteral("capsure.priority"), 1);
    deck.reset();
    MainWidget main(&currentMainWidget);
    const QString path = main.captureFile();
    if (file == QLatin1String("file"))
        writeFile(path, bytes);
    else if (file == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));

    QStringList shown;
    Corvane::Test::DialogAnswer<CapsureSelectDialog> answer(
        [&shown, choice](CapsureSelectDialog *dialog) {
            for (int i = 0; i < dialog->chipList()->count(); ++i)
                shown.append(dialog->chipList()->itemText(i));
            if (choice < 0) {
                dialog->reject();
                return;
            }
            dialog->chipList()->setCurrentIndex(choice);
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
    main.collectionSelector()->importCaptureFile(path);
    QCOMPARE(answer.answered(), !items.isEmpty());
    QCOMPARE(shown, items);
    QCOMPARE(StateStore().uuidOfLastUsedCollection(), collection);
    QCOMPARE(navigation(collection), after);
    if (file == QLatin1String("file"))
        QCOMPARE(QFile(path).size(), qint64(bytes.size())); // left in place
}

// The capture software may remove its file between the watcher's notice and the import: the
// import then ends quietly, the watch reports the file gone and still reports the next one.
void CaptureWatchTest::fileGoneBeforeImport()
{
    QTemporaryDir folder;
    WidgetDeck deck;
    enableCapture(deck, 1, folder.path(), 1);
    deck.reset();
    MainWidget main(&currentMainWidget);
    const QString path = main.captureFile();
    QSignalSpy reports(&main, &MainWidget::onCapsureFileChanged);
    const QByteArray capture = Corvane::Test::cxf3Document({{"N1-2", Qt::red}});
    writeFile(path, capture);
    QTRY_VERIFY(reports.count() >= 1);

    reports.clear();
    QVERIFY(QFile::remove(path));
    {
        Corvane::Test::DialogAnswer<QDialog> answer([](QDialog *dialog) { dialog->reject(); });
        main.collectionSelector()->importCaptureFile(path);
        QVERIFY(!answer.answered());
    }
    QCOMPARE(navigation(WidgetDeck::normal), (QList<int> {1, 1, 1}));
    QTRY_VERIFY(reports.count() >= 1);
    QCOMPARE(reports.last().at(0).toString(), path);
    QTRY_VERIFY(main.captureWatcher()->files().isEmpty());
    QCOMPARE(main.captureWatcher()->directories(), QStringList {folder.path()});
    QVERIFY(!main.captureWatcher()->signalsBlocked());

    // The next capture is noticed and imported as usual.
    reports.clear();
    writeFile(path, capture);
    QTRY_VERIFY(reports.count() >= 1);
    Corvane::Test::DialogAnswer<CapsureSelectDialog> answer(
        [](CapsureSelectDialog *dialog) { QTest::mouseClick(dialog->okButton(), Qt::LeftButton); });
    main.collectionSelector()->importCaptureFile(path);
    QVERIFY(answer.answered());
    QCOMPARE(navigation(WidgetDeck::normal), (QList<int> {1, 1, 2}));
}
