#include "MainWidgetTest.h"

#include "CardQueries.h"
#include "CardRollerWidget.h"
#include "ColorWheelWidget.h"
#include "DialogAnswer.h"
#include "MainWidget.h"
#include "ModuleValues.h"
#include "MoodSelectWidget.h"
#include "RectCorners.h"
#include "SelectNearestColorDialog.h"
#include "StateStore.h"
#include "TaskButton.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Corvane;
using Corvane::Test::WidgetDeck;

namespace {

// The navigation state of a collection, compared as one value.
struct Navigation
{
    int segment;
    int page;
    int row;
    int mood;
    bool exterior;

    static Navigation stored(const QUuid &collection)
    {
        const StateStore store;
        return {store.segmentIndex(collection), store.pageIndex(collection),
                store.rowIndex(collection), store.moodFilter(collection),
                store.exteriorColors(collection)};
    }
    void store(const QUuid &collection) const
    {
        const StateStore store;
        store.setSegmentIndex(collection, segment);
        store.setPageIndex(collection, page);
        store.setRowIndex(collection, row);
        store.setMoodFilter(collection, mood);
        store.setExteriorColors(collection, exterior);
    }
    bool operator==(const Navigation &other) const
    {
        return segment == other.segment && page == other.page && row == other.row
            && mood == other.mood && exterior == other.exterior;
    }
};

char *toString(const Navigation &navigation)
{
    return qstrdup(QStringLiteral("segment %1 page %2 row %3 mood %4 exterior %5")
                       .arg(navigation.segment)
                       .arg(navigation.page)
                       .arg(navigation.row)
                       .arg(navigation.mood)
                       .arg(navigation.exterior)
                       .toUtf8()
                       .constData());
}

} // namespace

Q_DECLARE_METATYPE(Navigation)

void MainWidgetTest::openUrl(const QUrl &url)
{
    m_openedUrls.append(url);
}

void MainWidgetTest::initTestCase()
{
    for (const QString &scheme : {QStringLiteral("file"), QStringLiteral("https")})
        QDesktopServices::setUrlHandler(scheme, this, "openUrl");
}

void MainWidgetTest::cleanupTestCase()
{
    for (const QString &scheme : {QStringLiteral("file"), QStringLiteral("https")})
        QDesktopServices::unsetUrlHandler(scheme);
}

void MainWidgetTest::layout()
{
    m_deck.reset();
    MainWidget main(&currentMainWidget);
    QCOMPARE(currentMainWidget, &main);
    QCOMPARE(main.size(), QSize(800, 600));
    QCOMPARE(main.bannerRect(), rectFromCorners(0, 0, 799, 69));
    // The wheel is centred under the collection selector's place (0, 71, 234 × 30).
    QCOMPARE(main.colorWheel()->geometry(), QRect(56, 110, 122, 122));
    const QRect roller = main.cardRoller()->geometry();
    QCOMPARE(roller.left(), 12);
    QCOMPARE(roller.right(), 221);
    // The mood selector stands under the wheel, the card roller under it.
    const QRect moods = main.moodSelector()->geometry();
    QCOMPARE(moods.top(), main.colorWheel()->geometry().bottom() + 10);
    QCOMPARE(moods.left(), (234 - moods.width()) / 2);
    QCOMPARE(roller.top(), moods.bottom() + 6);
    // The link labels sit at the bottom corners.
    QCOMPARE(main.mottoLabel()->geometry().left(), 12);
    QCOMPARE(main.copyrightLabel()->geometry().right(), 799 - 13);
}

void MainWidgetTest::initialState_data()
{
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<int>("tabPage");
    QTest::addColumn<int>("schemeKind");

    // The page order always starts with the colour schemes, which every collection offers.
    QTest::newRow("products listed first, schemes configured")
        << WidgetDeck::normal << int(PageOfColorSchemes) << int(Contrast);
    QTest::newRow("no pages or schemes configured")
        << WidgetDeck::duvalin << int(PageOfColorSchemes) << int(SchemeNone);
}

void MainWidgetTest::initialState()
{
    QFETCH(QUuid, collection);
    QFETCH(int, tabPage);
    QFETCH(int, schemeKind);

    m_deck.reset(collection);
    MainWidget main(&currentMainWidget);
    QCOMPARE(int(StateStore().tabPageIndex(collection)), tabPage);
    QCOMPARE(int(StateStore().schemeKind(collection)), schemeKind);

    // Stored values are kept.
    StateStore().setTabPageIndex(collection, PageOfProducts);
    StateStore().setSchemeKind(collection, Dramatic);
    MainWidget again(&currentMainWidget);
    QCOMPARE(StateStore().tabPageIndex(collection), PageOfProducts);
    QCOMPARE(StateStore().schemeKind(collection), Dramatic);
}

void MainWidgetTest::taskButtons()
{
    m_deck.reset();
    MainWidget main(&currentMainWidget);
    QCOMPARE(main.taskButtonOrder(), (QList<quint16> {1, 2, 3}));
    const quint16 select = main.addTaskButton(2);
    const quint16 cancel = main.addTaskButton(select);
    QCOMPARE(select, quint16(1000));
    QCOMPARE(cancel, quint16(1001));
    QCOMPARE(main.taskButtonOrder(), (QList<quint16> {1, 2, 1000, 1001, 3}));
    // An unknown id answers the hidden default button, never null.
    TaskButton *unknown = main.taskButton(77);
    QVERIFY(unknown);
    QVERIFY(unknown->isHidden());
    QVERIFY(unknown != main.taskButton(1));

    // The help button is a square at the right end of the row, the others share the rest.
    const QRect help = main.taskButton(3)->geometry();
    const QRect cancelRect = main.taskButton(cancel)->geometry();
    QCOMPARE(help.width(), help.height());
    QVERIFY(help.left() > cancelRect.right());
    QCOMPARE(main.taskButton(1)->width(), cancelRect.width());
}

void MainWidgetTest::taskButtonRow_data()
{
    QTest::addColumn<QList<quint16>>("order");
    QTest::addColumn<QRect>("search");
    QTest::addColumn<QList<QRect>>("expected");

    // Span 248..787 (540 pixels); band 23 high: round side 21.
    // Four wide buttons share 540 - 4 * 4 - 21 = 503: 125.75 each.
    QTest::newRow("save, load, select, cancel, help")
        << QList<quint16> {1, 2, 1000, 1001, 3} << QRect(12, 547, 210, 23)
        << QList<QRect> {QRect(248, 547, 125, 23), QRect(377, 547, 125, 23),
                         QRect(507, 547, 125, 23), QRect(637, 547, 125, 23),
                         QRect(767, 548, 21, 21)};
    // A 26-pixel band shrinks from both sides to 22: round side 20.
    QTest::newRow("tall band shrinks")
        << QList<quint16> {1, 3} << QRect(12, 547, 210, 26)
        << QList<QRect> {QRect(248, 549, 516, 22), QRect(768, 550, 20, 20)};
    QTest::newRow("help and about are both round")
        << QList<quint16> {1000, 3, 4} << QRect(12, 547, 210, 23)
        << QList<QRect> {QRect(248, 547, 490, 23), QRect(742, 548, 21, 21),
                         QRect(767, 548, 21, 21)};
    QTest::newRow("no buttons") << QList<quint16> {} << QRect(12, 547, 210, 23) << QList<QRect> {};
}

void MainWidgetTest::taskButtonRow()
{
    QFETCH(QList<quint16>, order);
    QFETCH(QRect, search);
    QFETCH(QList<QRect>, expected);

    const QRect palette = rectFromCorners(236, 327, 799, 540);
    QCOMPARE(QList<QRect>(MainWidget::taskButtonRects(order, palette, search)), expected);
}

void MainWidgetTest::collectionSwitch()
{
    m_deck.reset();
    MainWidget main(&currentMainWidget);
    QSignalSpy switched(&main, &MainWidget::selectedCollectionChanged);

    main.collectionChangedInteractively(WidgetDeck::normal);
    main.collectionChangedInteractively(QUuid::createUuid());
    QCOMPARE(switched.count(), 0);
    QCOMPARE(StateStore().uuidOfLastUsedCollection(), WidgetDeck::normal);

    main.collectionChangedInteractively(WidgetDeck::duvalin);
    QCOMPARE(switched.count(), 1);
    QCOMPARE(switched.first().first().toUuid(), WidgetDeck::duvalin);
    QCOMPARE(StateStore().uuidOfLastUsedCollection(), WidgetDeck::duvalin);
    QVERIFY(main.isEnabled());
    QVERIFY(main.updatesEnabled());
    // The wheel and the roller now show the other collection.
    main.cardRoller()->grab();
    QCOMPARE(main.cardRoller()->shownPage(CardRollerWidget::MiddleCard).rows.at(1).isMto, true);
}

void MainWidgetTest::helpFiles()
{
    m_deck.reset();
    m_openedUrls.clear();
    QString fileName;
    {
        MainWidget main(&currentMainWidget);
        QMetaObject::invokeMethod(&main, "linkActivated", Q_ARG(QString, "links/copyright"));
        fileName = main.helpFileName(QStringLiteral("links/copyright"));
        QMetaObject::invokeMethod(&main, "linkActivated", Q_ARG(QString, "links/copyright"));
        QCOMPARE(main.helpFileName(QStringLiteral("links/copyright")), fileName);
        QCOMPARE(m_openedUrls,
                 (QList<QUrl> {QUrl::fromLocalFile(fileName), QUrl::fromLocalFile(fileName)}));
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("<p>Normal licence</p>"));
        QVERIFY(fileName.endsWith(QLatin1String(".html")));
    }
    QVERIFY(!QFile::exists(fileName));
}

void MainWidgetTest::helpLink_data()
{
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<QString>("path");

    QTest::newRow("default help file")
        << WidgetDeck::normal << "/Contents/Resources/help/main.html";
    QTest::newRow("placeholder in lower case") << WidgetDeck::duvalin << "/docs/help.html";
}

// The help button opens the collection's help link with "%APP%" replaced by the library's
// folder.
void MainWidgetTest::helpLink()
{
    QFETCH(QUuid, collection);
    QFETCH(QString, path);

    QTemporaryDir moduleFolder;
    const QString module = moduleFolder.filePath(QStringLiteral("Halvorn.so"));
    QFile(module).open(QIODevice::WriteOnly);
    setModuleFilePath(module);
    m_deck.reset(collection);
    m_openedUrls.clear();
    MainWidget main(&currentMainWidget);
    QTest::mouseClick(main.taskButton(3), Qt::LeftButton);
    const QString folder = QFileInfo(module).canonicalPath();
    QCOMPARE(m_openedUrls, (QList<QUrl> {QUrl(QStringLiteral("file:///") + folder + path)}));

    // The banner opens the header link where there is one.
    QTest::mouseClick(&main, Qt::LeftButton, Qt::NoModifier, QPoint(400, 30));
    QCOMPARE(m_openedUrls.size(), collection == WidgetDeck::duvalin ? 2 : 1);
}

void MainWidgetTest::bannerCursor_data()
{
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<int>("cursor");

    QTest::newRow("banner with a header link")
        << WidgetDeck::duvalin << QPoint(400, 30) << int(Qt::PointingHandCursor);
    QTest::newRow("below the banner")
        << WidgetDeck::duvalin << QPoint(400, 75) << int(Qt::ArrowCursor);
    QTest::newRow("banner without a header link")
        << WidgetDeck::normal << QPoint(400, 30) << int(Qt::ArrowCursor);
}

void MainWidgetTest::bannerCursor()
{
    QFETCH(QUuid, collection);
    QFETCH(QPoint, position);
    QFETCH(int, cursor);

    m_deck.reset(collection);
    MainWidget main(&currentMainWidget);
    QMouseEvent move(QEvent::MouseMove, position, main.mapToGlobal(position), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&main, &move);
    QCOMPARE(int(main.cursor().shape()), cursor);
}

void MainWidgetTest::wheelSegment_data()
{
    QTest::addColumn<Navigation>("before");
    QTest::addColumn<int>("segment");
    QTest::addColumn<Navigation>("after");

    QTest::newRow("first card of the segment")
        << Navigation {1, 1, 2, MoodAll, false} << 3 << Navigation {3, 5, 2, MoodAll, false};
    QTest::newRow("no card passes: segment only")
        << Navigation {1, 1, 2, MoodRich, false} << 2 << Navigation {2, 1, 2, MoodRich, false};
    QTest::newRow("same segment") << Navigation {2, 1, 2, MoodAll, false} << 2
                                  << Navigation {2, 1, 2, MoodAll, false};
}

void MainWidgetTest::wheelSegment()
{
    QFETCH(Navigation, before);
    QFETCH(int, segment);
    QFETCH(Navigation, after);

    m_deck.reset();
    before.store(WidgetDeck::normal);
    MainWidget main(&currentMainWidget);
    emit main.colorWheel()->segmentChangedInteractively(segment);
    QCOMPARE(Navigation::stored(WidgetDeck::normal), after);
}

void MainWidgetTest::rollCards_data()
{
    QTest::addColumn<Navigation>("before");
    QTest::addColumn<int>("direction");
    QTest::addColumn<Navigation>("after");

    QTest::newRow("forward") << Navigation {1, 1, 2, MoodAll, false} << int(DirectionForward)
                             << Navigation {2, 2, 2, MoodAll, false};
    // Off-white card 4 does not pass "all moods": backward from 1 wraps to card 5.
    QTest::newRow("backward wraps to the last passing card")
        << Navigation {1, 1, 2, MoodAll, false} << int(DirectionBackward)
        << Navigation {3, 5, 2, MoodAll, false};
    QTest::newRow("forward skips a filtered card")
        << Navigation {2, 3, 2, MoodAll, false} << int(DirectionForward)
        << Navigation {3, 5, 2, MoodAll, false};
    QTest::newRow("the only passing card stays")
        << Navigation {1, 1, 2, MoodWarm, false} << int(DirectionForward)
        << Navigation {1, 1, 2, MoodWarm, false};
}

void MainWidgetTest::rollCards()
{
    QFETCH(Navigation, before);
    QFETCH(int, direction);
    QFETCH(Navigation, after);

    m_deck.reset();
    before.store(WidgetDeck::normal);
    MainWidget main(&currentMainWidget);
    main.rollCards(Direction(direction));
    QCOMPARE(Navigation::stored(WidgetDeck::normal), after);
}

void MainWidgetTest::filters_data()
{
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<Navigation>("before");
    QTest::addColumn<int>("mood");
    QTest::addColumn<bool>("exterior");
    QTest::addColumn<Navigation>("after");

    QTest::newRow("mood moves to the first passing card")
        << WidgetDeck::normal << Navigation {1, 1, 2, MoodAll, false} << int(MoodCalm) << false
        << Navigation {2, 2, 2, MoodCalm, false};
    QTest::newRow("exterior keeps a passing card")
        << WidgetDeck::normal << Navigation {1, 1, 2, MoodAll, false} << int(MoodAll) << true
        << Navigation {1, 1, 2, MoodAll, true};
    QTest::newRow("no card passes: only the filter")
        << WidgetDeck::normal << Navigation {2, 2, 2, MoodAll, false} << int(MoodRich) << false
        << Navigation {2, 2, 2, MoodRich, false};
    QTest::newRow("duvalin cards never change the page")
        << WidgetDeck::duvalin << Navigation {1, 2, 1, MoodAll, false} << int(MoodCalm) << true
        << Navigation {1, 2, 1, MoodCalm, true};
}

void MainWidgetTest::filters()
{
    QFETCH(QUuid, collection);
    QFETCH(Navigation, before);
    QFETCH(int, mood);
    QFETCH(bool, exterior);
    QFETCH(Navigation, after);

    m_deck.reset(collection);
    before.store(collection);
    MainWidget main(&currentMainWidget);
    main.moodFilterChangedInteractively(Mood(mood));
    main.exteriorFilterChangedInteractively(exterior);
    QCOMPARE(Navigation::stored(collection), after);
}

void MainWidgetTest::search_data()
{
    QTest::addColumn<Navigation>("before");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<Navigation>("after");

    QTest::newRow("exterior filter switched off for an interior card")
        << Navigation {1, 1, 1, MoodAll, true} << "n2-3" << Navigation {2, 2, 3, MoodAll, false};
    QTest::newRow("warm card under the calm filter: all moods")
        << Navigation {2, 2, 1, MoodCalm, false} << "N1-2" << Navigation {1, 1, 2, MoodAll, false};
    QTest::newRow("off-white card sets its mood") << Navigation {1, 1, 1, MoodAll, false} << "N4-1"
                                                  << Navigation {3, 4, 1, MoodOffwhite, false};
    QTest::newRow("no hit changes nothing") << Navigation {1, 1, 1, MoodCalm, true} << "nothing"
                                            << Navigation {1, 1, 1, MoodCalm, true};
}

void MainWidgetTest::search()
{
    QFETCH(Navigation, before);
    QFETCH(QString, phrase);
    QFETCH(Navigation, after);

    m_deck.reset();
    before.store(WidgetDeck::normal);
    MainWidget main(&currentMainWidget);
    main.searchForPhrase(phrase);
    QCOMPARE(Navigation::stored(WidgetDeck::normal), after);
}

void MainWidgetTest::selectNearestColor_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("choice"); // swatch clicked in the dialog; -1 closes it
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<Navigation>("after");

    const Navigation start {1, 1, 1, MoodAll, false};
    const QColor chip = WidgetDeck::deckColor(2, 3);
    const QColor near(chip.red() + 3, chip.green(), chip.blue());
    // The wheel follows the card to its segment.
    QTest::newRow("within 2 of a chip") << QColor(chip.red() + 2, chip.green() - 2, chip.blue())
                                        << -1 << false << Navigation {2, 2, 3, MoodAll, false};
    // The deck's CIELAB values are made up, so by CIEDE2000 the nearest chip is N1-3.
    QTest::newRow("3 away, several candidates: nearest chosen in the dialog")
        << near << 0 << true << Navigation {1, 1, 3, MoodAll, false};
    QTest::newRow("3 away, several candidates: dialog closed") << near << -1 << true << start;
    QTest::newRow("transparent") << QColor(Qt::transparent) << -1 << false << start;
}

void MainWidgetTest::selectNearestColor()
{
    QFETCH(QColor, color);
    QFETCH(int, choice);
    QFETCH(bool, dialog);
    QFETCH(Navigation, after);

    m_deck.reset();
    Navigation {1, 1, 1, MoodAll, false}.store(WidgetDeck::normal);
    MainWidget main(&currentMainWidget);
    Corvane::Test::DialogAnswer<SelectNearestColorDialog> answer(
        [choice](SelectNearestColorDialog *shown) {
            if (choice < 0) {
                shown->reject();
                return;
            }
            QTest::mouseClick(shown, Qt::LeftButton, Qt::NoModifier,
                              shown->swatchRects().at(choice).center());
        });
    main.selectNearestColor(color);
    QCOMPARE(answer.answered(), dialog);
    QCOMPARE(Navigation::stored(WidgetDeck::normal), after);
}

void MainWidgetTest::captureChoice()
{
    m_deck.reset();
    MainWidget main(&currentMainWidget);
    DB::ColorEntry chip;
    QVERIFY(DB::loadRowAt(WidgetDeck::duvalin, 2, 2, chip) == 0);
    QSignalSpy switched(&main, &MainWidget::selectedCollectionChanged);
    main.capsureItemSelectedInteractively(WidgetDeck::duvalin, chip);
    QCOMPARE(switched.count(), 1);
    QCOMPARE(StateStore().uuidOfLastUsedCollection(), WidgetDeck::duvalin);
    QCOMPARE(Navigation::stored(WidgetDeck::duvalin), (Navigation {2, 2, 2, MoodAll, false}));
}
