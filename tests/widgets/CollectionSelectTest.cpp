#include "CollectionSelectTest.h"

#include "CollectionSelectWidget.h"
#include "CollectionSettings.h"
#include "DropDownButton.h"
#include "ImageButton.h"
#include "StateStore.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Corvane;

namespace {

const QString kFile = QStringLiteral("selector.db");
const QUuid kFirst = QUuid::fromString(QStringLiteral("{77777777-0000-4000-8000-000000000001}"));
const QUuid kSecond = QUuid::fromString(QStringLiteral("{77777777-0000-4000-8000-000000000002}"));
const QUuid kThird = QUuid::fromString(QStringLiteral("{77777777-0000-4000-8000-000000000003}"));

void useCollection(const Corvane::Test::CollectionFixture &fixture, const QUuid &collection)
{
    fixture.activate();
    const StateStore store;
    QFile::remove(store.fileName());
    store.setUuidOfLastUsedCollection(collection);
    CollectionSettings::setCurrentCollection(collection);
}

// The selector in a window, as in the picker: its list belongs to the window.
struct ShownSelector
{
    ShownSelector()
    {
        window.resize(400, 300);
        selector = new CollectionSelectWidget(&window);
        selector->move(0, 40);
        window.show();
        QApplication::setActiveWindow(&window);
    }

    QListWidget *list() const { return selector->collectionList(); }
    QRect itemRect(int row) const { return list()->visualItemRect(list()->item(row)); }

    QWidget window;
    CollectionSelectWidget *selector = nullptr;
};

} // namespace

void CollectionSelectTest::initTestCase()
{
    m_single.createFile(kFile);
    m_single.addCollection(kFile, 1, kFirst.toString(), QStringLiteral("A"),
                           QStringLiteral("Alpha"), 1);
    m_three.createFile(kFile);
    m_three.addCollection(kFile, 1, kFirst.toString(), QStringLiteral("A"), QStringLiteral("Alpha"),
                          1);
    m_three.addCollection(kFile, 2, kSecond.toString(), QStringLiteral("B"), QStringLiteral("Beta"),
                          2);
    m_three.addCollection(kFile, 3, kThird.toString(), QStringLiteral("C"), QStringLiteral("Gamma"),
                          3);
}

void CollectionSelectTest::init()
{
    useCollection(m_three, kSecond);
}

void CollectionSelectTest::collectionList_data()
{
    QTest::addColumn<bool>("three");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("one collection") << false << QStringList {"Alpha"};
    QTest::newRow("three collections") << true << QStringList {"Alpha", "Beta", "Gamma"};
}

void CollectionSelectTest::collectionList()
{
    QFETCH(bool, three);
    QFETCH(QStringList, names);
    useCollection(three ? m_three : m_single, kFirst);
    ShownSelector shown;
    CollectionSelectWidget *selector = shown.selector;
    QCOMPARE(selector->collectionName(), QStringLiteral("Alpha"));
    QCOMPARE(selector->dropDownButton()->isHidden(), !three);
    QStringList listed;
    for (int row = 0; row < shown.list()->count(); ++row)
        listed << shown.list()->item(row)->text();
    QCOMPARE(listed, names);
    QVERIFY(shown.list()->isHidden());
    // The list opens below the bar, 128 pixels tall, and the button stands 5 from the right.
    QCOMPARE(shown.list()->geometry(), QRect(0, 70, 234, 128));
    // The bar (0, 0)-(233, 29) less 5 pixels of margin ends at 228; a button ends one left.
    QCOMPARE(selector->dropDownButton()->geometry(), QRect(208, 5, 20, 20));
}

void CollectionSelectTest::choosing_data()
{
    QTest::addColumn<int>("clickedRow");
    QTest::addColumn<QList<QUuid>>("chosen");
    QTest::newRow("another collection") << 2 << QList<QUuid> {kThird};
    QTest::newRow("the current collection") << 1 << QList<QUuid> {kSecond};
    QTest::newRow("the button again") << -1 << QList<QUuid> {};
}

void CollectionSelectTest::choosing()
{
    QFETCH(int, clickedRow);
    QFETCH(QList<QUuid>, chosen);
    ShownSelector shown;
    QVERIFY(QTest::qWaitForWindowActive(&shown.window));
    QSignalSpy spy(shown.selector, &CollectionSelectWidget::collectionSelectedInteractively);

    QTest::mouseClick(shown.selector->dropDownButton(), Qt::LeftButton);
    QVERIFY(shown.list()->isVisible());
    QCOMPARE(shown.list()->currentRow(), 1);
    QCOMPARE(shown.selector->dropDownButton()->showArrowDown(), 0);

    if (clickedRow < 0)
        QTest::mouseClick(shown.selector->dropDownButton(), Qt::LeftButton);
    else
        QTest::mouseClick(shown.list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          shown.itemRect(clickedRow).center());
    QVERIFY(!shown.list()->isVisible());
    QCOMPARE(shown.selector->dropDownButton()->showArrowDown(), 1);
    QList<QUuid> emitted;
    for (const QList<QVariant> &arguments : spy)
        emitted << arguments.first().toUuid();
    QCOMPARE(emitted, chosen);
}

void CollectionSelectTest::choosingByKeys_data()
{
    QTest::addColumn<int>("openKey");
    QTest::addColumn<int>("openModifiers");
    QTest::addColumn<QList<int>>("listKeys"); // typed into the open list
    QTest::addColumn<QList<QUuid>>("chosen");
    const int none = Qt::NoModifier;
    // Beta, the current collection, is the list's current row when it opens.
    QTest::newRow("space, down, return")
        << int(Qt::Key_Space) << none << QList<int> {Qt::Key_Down, Qt::Key_Return}
        << QList<QUuid> {kThird};
    QTest::newRow("return, up, enter")
        << int(Qt::Key_Return) << none << QList<int> {Qt::Key_Up, Qt::Key_Enter}
        << QList<QUuid> {kFirst};
    QTest::newRow("alt+down, return on the current")
        << int(Qt::Key_Down) << int(Qt::AltModifier) << QList<int> {Qt::Key_Return}
        << QList<QUuid> {kSecond};
    QTest::newRow("f4, down, escape")
        << int(Qt::Key_F4) << none << QList<int> {Qt::Key_Down, Qt::Key_Escape} << QList<QUuid> {};
    QTest::newRow("down alone opens nothing")
        << int(Qt::Key_Down) << none << QList<int> {} << QList<QUuid> {};
}

// The bar opens its list from the keyboard; a choice or Escape closes it and gives the
// focus back to the bar.
void CollectionSelectTest::choosingByKeys()
{
    QFETCH(int, openKey);
    QFETCH(int, openModifiers);
    QFETCH(QList<int>, listKeys);
    QFETCH(QList<QUuid>, chosen);
    ShownSelector shown;
    QVERIFY(QTest::qWaitForWindowActive(&shown.window));
    shown.selector->setFocus(Qt::TabFocusReason);
    QVERIFY(shown.selector->hasFocus());
    QSignalSpy spy(shown.selector, &CollectionSelectWidget::collectionSelectedInteractively);

    QTest::keyClick(shown.selector, Qt::Key(openKey), Qt::KeyboardModifiers(openModifiers));
    QCOMPARE(shown.list()->isVisible(), !listKeys.isEmpty());
    for (int key : listKeys)
        QTest::keyClick(shown.list(), Qt::Key(key));
    QVERIFY(!shown.list()->isVisible());
    QVERIFY(shown.selector->hasFocus());
    QList<QUuid> emitted;
    for (const QList<QVariant> &arguments : spy)
        emitted << arguments.first().toUuid();
    QCOMPARE(emitted, chosen);
}

void CollectionSelectTest::closesOnFocusLoss()
{
    ShownSelector shown;
    auto *elsewhere = new QWidget(&shown.window);
    elsewhere->setFocusPolicy(Qt::StrongFocus);
    elsewhere->setGeometry(300, 250, 50, 30);
    elsewhere->show();
    QVERIFY(QTest::qWaitForWindowActive(&shown.window));
    QSignalSpy spy(shown.selector, &CollectionSelectWidget::collectionSelectedInteractively);
    QTest::mouseClick(shown.selector->dropDownButton(), Qt::LeftButton);
    QVERIFY(shown.list()->hasFocus());
    elsewhere->setFocus(Qt::MouseFocusReason);
    QVERIFY(!shown.list()->isVisible());
    QCOMPARE(spy.count(), 0);
}

void CollectionSelectTest::captureButton_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("shown");
    QTest::newRow("readable file") << true << true << true;
    QTest::newRow("file still held by the device") << true << false << false;
    QTest::newRow("no file") << false << true << false;
}

// A capture file counts only when it can be opened for reading and writing; the button
// appears for it and the bar lays out again, the button outermost.
void CollectionSelectTest::captureButton()
{
    QFETCH(bool, exists);
    QFETCH(bool, writable);
    QFETCH(bool, shown);
    if (!writable && geteuid() == 0)
        QSKIP("the superuser opens any file for writing");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("capture.cxf"));
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<cc:CxF/>");
        file.close();
        if (!writable)
            QFile::setPermissions(path, QFile::ReadOwner);
    }
    ShownSelector bar;
    bar.selector->capsureFileChanged(path);
    QCoreApplication::sendPostedEvents(bar.selector, QEvent::Resize);
    QCOMPARE(!bar.selector->captureButton()->isHidden(), shown);
    QCOMPARE(bar.selector->captureFilePath(), shown ? path : QString());
    QCOMPARE(QFileInfo::exists(path), exists);
    const int dropDownLeft = shown ? 186 : 208;
    QCOMPARE(bar.selector->dropDownButton()->x(), dropDownLeft);
    if (shown)
        QCOMPARE(bar.selector->captureButton()->geometry(), QRect(208, 5, 20, 20));

    // A later report that finds no file hides the button again.
    bar.selector->capsureFileChanged(folder.filePath(QStringLiteral("gone.cxf")));
    QVERIFY(bar.selector->captureButton()->isHidden());
}
