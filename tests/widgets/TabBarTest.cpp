#include "TabBarTest.h"

#include "CollectionSettings.h"
#include "InterfaceFonts.h"
#include "StateStore.h"
#include "TabBarWidget.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace Corvane;

namespace {

const QString kFile = QStringLiteral("tabs.db");
// Offers colour schemes, trend colours and products, listed as trend colours, products.
const QUuid kThreeTabs
    = QUuid::fromString(QStringLiteral("{55555555-0000-4000-8000-000000000005}"));
// No "tab.bar.page" setting: only the colour schemes page.
const QUuid kNoOrder = QUuid::fromString(QStringLiteral("{66666666-0000-4000-8000-000000000006}"));

void useCollection(const QUuid &collection, int storedPage)
{
    const StateStore store;
    QFile::remove(store.fileName());
    store.setUuidOfLastUsedCollection(collection);
    store.setTabPageIndex(collection, storedPage);
    CollectionSettings::setCurrentCollection(collection);
}

} // namespace

void TabBarTest::initTestCase()
{
    m_fixture.createFile(kFile);
    m_fixture.addCollection(kFile, 1, kThreeTabs.toString(), QStringLiteral("T"),
                            QStringLiteral("Tabs"), 1);
    m_fixture.addCollection(kFile, 2, kNoOrder.toString(), QStringLiteral("O"),
                            QStringLiteral("One tab"), 2);
    m_fixture.addSetting(kFile, 1, QStringLiteral("tab.bar.page"),
                         QStringLiteral("PageOfColorVistral"), 0);
    m_fixture.addSetting(kFile, 1, QStringLiteral("tab.bar.page"), QStringLiteral("PageOfProducts"),
                         1);
    m_fixture.addSetting(kFile, 1, QStringLiteral("has.product.groups.page"), QStringLiteral("1"));
    m_fixture.addSetting(kFile, 1, QStringLiteral("has.color.vistral.page"), QStringLiteral("1"));
}

void TabBarTest::visiblePages_data()
{
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<QList<int>>("pages");
    QTest::newRow("three pages in the collection's order")
        << kThreeTabs << QList<int> {PageOfColorSchemes, PageOfColorVistral, PageOfProducts};
    QTest::newRow("no page order") << kNoOrder << QList<int> {PageOfColorSchemes};
}

void TabBarTest::visiblePages()
{
    QFETCH(QUuid, collection);
    QFETCH(QList<int>, pages);
    m_fixture.activate();
    useCollection(collection, PageOfColorSchemes);
    TabBarWidget bar;
    QList<int> shown;
    for (TabBarPage page : bar.visiblePages())
        shown.append(page);
    QCOMPARE(shown, pages);
    // A page the collection does not offer is left out, wherever the order lists it.
    QCOMPARE(TabBarWidget::offeredPages({PageOfColorSchemes, PageOfTextures, PageOfProducts},
                                        PageOfColorSchemes | PageOfProducts),
             QVector<TabBarPage>({PageOfColorSchemes, PageOfProducts}));
}

void TabBarTest::shortcuts_data()
{
    QTest::addColumn<int>("storedPage");
    QTest::addColumn<Qt::Key>("digit");
    QTest::addColumn<QList<int>>("selected");
    QTest::newRow("Ctrl+1 from trend colours")
        << int(PageOfColorVistral) << Qt::Key_1 << QList<int> {PageOfColorSchemes};
    QTest::newRow("Ctrl+1 on the current page")
        << int(PageOfColorSchemes) << Qt::Key_1 << QList<int> {};
    QTest::newRow("Ctrl+3") << int(PageOfColorSchemes) << Qt::Key_3 << QList<int> {PageOfProducts};
    QTest::newRow("Ctrl+4 beyond the last tab")
        << int(PageOfColorSchemes) << Qt::Key_4 << QList<int> {};
}

void TabBarTest::shortcuts()
{
    QFETCH(int, storedPage);
    QFETCH(Qt::Key, digit);
    QFETCH(QList<int>, selected);
    m_fixture.activate();
    useCollection(kThreeTabs, storedPage);
    QWidget window;
    auto *bar = new TabBarWidget(&window);
    bar->resize(400, 30);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    bar->setFocus();
    QList<int> emitted;
    connect(bar, &TabBarWidget::tabPageSelected,
            [&emitted](TabBarPage page) { emitted.append(page); });
    QTest::keyClick(bar, Qt::Key_T, Qt::ControlModifier);
    QTest::keyClick(bar, digit, Qt::ControlModifier);
    QCOMPARE(emitted, selected);
}

void TabBarTest::arrowKeys_data()
{
    QTest::addColumn<int>("storedPage");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QList<int>>("selected");
    // The tabs: colour schemes, trend colours, products.
    const int none = Qt::NoModifier;
    QTest::newRow("right from the first")
        << int(PageOfColorSchemes) << int(Qt::Key_Right) << none << QList<int> {PageOfColorVistral};
    QTest::newRow("left from the last")
        << int(PageOfProducts) << int(Qt::Key_Left) << none << QList<int> {PageOfColorVistral};
    QTest::newRow("down from the middle")
        << int(PageOfColorVistral) << int(Qt::Key_Down) << none << QList<int> {PageOfProducts};
    QTest::newRow("left from the first: no wrap")
        << int(PageOfColorSchemes) << int(Qt::Key_Left) << none << QList<int> {};
    QTest::newRow("right from the last: no wrap")
        << int(PageOfProducts) << int(Qt::Key_Right) << none << QList<int> {};
    QTest::newRow("shift+right") << int(PageOfColorSchemes) << int(Qt::Key_Right)
                                 << int(Qt::ShiftModifier) << QList<int> {};
}

// With the focus, the arrow keys ask for the neighbouring tab.
void TabBarTest::arrowKeys()
{
    QFETCH(int, storedPage);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QList<int>, selected);
    m_fixture.activate();
    useCollection(kThreeTabs, storedPage);
    TabBarWidget bar;
    QList<int> emitted;
    connect(&bar, &TabBarWidget::tabPageSelected,
            [&emitted](TabBarPage page) { emitted.append(page); });
    QTest::keyClick(&bar, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(emitted, selected);
}

// Tabs are hit where they were last painted; the current one is reported as well.
void TabBarTest::clicks()
{
    m_fixture.activate();
    useCollection(kThreeTabs, PageOfColorSchemes);
    TabBarWidget bar;
    bar.resize(400, 30);
    QSignalSpy spy(&bar, &TabBarWidget::tabPageSelected);
    QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(10, 15));
    QCOMPARE(spy.count(), 0);

    bar.grab();
    const QRect schemes = bar.tab(PageOfColorSchemes).rect;
    const QRect products = bar.tab(PageOfProducts).rect;
    QCOMPARE(schemes.left(), 1);
    // Untranslated, the caption is its key: the text width plus 32 pixels.
    QCOMPARE(schemes.width(),
             QFontMetrics(normalFont(3))
                     .size(Qt::TextSingleLine, QStringLiteral("tab.bar.color.schemes.caption"))
                     .width()
                 + 32);
    QCOMPARE(bar.tab(PageOfColorVistral).rect.left(), schemes.right() + 1);
    QVERIFY(products.left() > schemes.right());
    for (const QPoint &point : {schemes.center(), products.center()})
        QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, point);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).first().value<TabBarPage>(), PageOfColorSchemes);
    QCOMPARE(spy.at(1).first().value<TabBarPage>(), PageOfProducts);
}
