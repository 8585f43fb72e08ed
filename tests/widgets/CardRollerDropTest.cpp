#include "CardRollerDropTest.h"

#include "CardQueries.h"
#include "CardRollerWidget.h"
#include "CollectionSettings.h"
#include "ColorMath.h"
#include "DropEvents.h"
#include "MainWidget.h"
#include "StateStore.h"
#include "StatusCodes.h"

#include <QSignalSpy>
#include <QTest>

using namespace Corvane;
using Corvane::Test::dragAndDrop;
using Corvane::Test::WidgetDeck;

namespace {

const QString kDeckFile = QStringLiteral("widgets.db");
const QString kDeltaIntervals = QStringLiteral("cie2000.delta.intervals");

} // namespace

void CardRollerDropTest::init()
{
    m_deck.reset();
    StateStore().setPageIndex(WidgetDeck::normal, 2);
    StateStore().setRowIndex(WidgetDeck::normal, 1);
}

void CardRollerDropTest::dropSources_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("the roller itself") << int(CardRoller) << false;
    QTest::newRow("colour schemer") << int(ColorSchemer) << true;
    QTest::newRow("My Palette") << int(MyPalette) << true;
    QTest::newRow("trend colours") << int(ColorVistral) << true;
}

void CardRollerDropTest::dropSources()
{
    QFETCH(int, source);
    QFETCH(bool, accepted);

    MainWidget main(&currentMainWidget);
    main.show();
    CardRollerWidget *roller = main.cardRoller();
    const auto mime = Test::chipMime(DragSource(source), WidgetDeck::normal,
                                     WidgetDeck::chip(WidgetDeck::normal, 3, 2));
    const Test::DropAnswer answer = dragAndDrop(*roller, roller->dropArea().center(), mime.get());
    QCOMPARE(answer.enterAccepted, accepted);
    QCOMPARE(answer.moveAccepted, accepted);
    // Above the cards, on the titles, nothing is taken.
    QCOMPARE(dragAndDrop(*roller, QPoint(roller->width() / 2, 1), mime.get()).moveAccepted, false);
}

void CardRollerDropTest::dropChip_data()
{
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<int>("pageIndex");
    QTest::addColumn<int>("rowIndex");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("another card of the collection")
        << WidgetDeck::normal << 3 << 2 << QStringList {"page 3", "row 2"};
    QTest::newRow("another row of the current card")
        << WidgetDeck::normal << 2 << 4 << QStringList {"row 4"};
    QTest::newRow("the current chip") << WidgetDeck::normal << 2 << 1 << QStringList {};
    // The switch comes first; page and row are then compared with the other collection's.
    QTest::newRow("a chip of another collection")
        << WidgetDeck::duvalin << 2 << 2 << QStringList {"collection", "page 2", "row 2"};
}

void CardRollerDropTest::dropChip()
{
    QFETCH(QUuid, collection);
    QFETCH(int, pageIndex);
    QFETCH(int, rowIndex);
    QFETCH(QStringList, expected);

    MainWidget main(&currentMainWidget);
    main.show();
    CardRollerWidget *roller = main.cardRoller();
    QStringList received;
    connect(roller, &CardRollerWidget::collectionSelectedInteractively, this,
            [&](const QUuid &) { received << QStringLiteral("collection"); });
    connect(roller, &CardRollerWidget::pageChangedInteractively, this,
            [&](int page) { received << QStringLiteral("page %1").arg(page); });
    connect(roller, &CardRollerWidget::rowChangedInteractively, this,
            [&](int row) { received << QStringLiteral("row %1").arg(row); });

    const auto mime
        = Test::chipMime(MyPalette, collection, WidgetDeck::chip(collection, pageIndex, rowIndex));
    dragAndDrop(*roller, roller->dropArea().center(), mime.get());
    QCOMPARE(received, expected);
    const StateStore store;
    QCOMPARE(store.uuidOfLastUsedCollection(), collection);
    QCOMPARE(store.pageIndex(collection), pageIndex);
    QCOMPARE(store.rowIndex(collection), rowIndex);
}

void CardRollerDropTest::dropColor_data()
{
    QTest::addColumn<double>("thresholdOffset");
    QTest::addColumn<bool>("found");

    QTest::newRow("nearest chip within the first interval") << 0.001 << true;
    QTest::newRow("nearest chip exactly at the first interval") << 0.0 << false;
}

void CardRollerDropTest::dropColor()
{
    QFETCH(double, thresholdOffset);
    QFETCH(bool, found);

    // A colour that is no chip's colour and whose names are no codes.
    const QColor dropped(161, 131, 171);
    QVector<DB::LabEntry> entries;
    QCOMPARE(DB::loadLabEntries(WidgetDeck::normal, entries), int(DB::StatusOk));
    QVector<NearestMatch> matches;
    findNearestColors(labFromColor(dropped), entries, matches, 1);
    QCOMPARE(matches.size(), 1);
    DB::ColorEntry nearest;
    QCOMPARE(DB::loadRowById(WidgetDeck::normal, matches.first().rowId, nearest),
             int(DB::StatusOk));

    m_deck.fixture.exec(kDeckFile, QStringLiteral("DELETE FROM SETTING WHERE NAME = ?"),
                        {kDeltaIntervals});
    m_deck.fixture.addSetting(kDeckFile, 1, kDeltaIntervals,
                              QString::number(matches.first().deltaE + thresholdOffset, 'g', 17));
    // The settings cache holds one collection; passing through another empties it.
    CollectionSettings::setCurrentCollection(WidgetDeck::duvalin);
    CollectionSettings::setCurrentCollection(WidgetDeck::normal);

    MainWidget main(&currentMainWidget);
    main.show();
    CardRollerWidget *roller = main.cardRoller();
    QSignalSpy rowChanged(roller, &CardRollerWidget::rowChangedInteractively);
    const auto mime = Test::colorMime(dropped, QStringLiteral("Heather"), QStringLiteral("Dusk"));
    dragAndDrop(*roller, roller->dropArea().center(), mime.get());

    DB::ColorPage page;
    QCOMPARE(DB::loadPageById(WidgetDeck::normal, nearest.pageId, true, page), int(DB::StatusOk));
    const StateStore store;
    if (found) {
        QCOMPARE(store.pageIndex(WidgetDeck::normal), page.pageIndex);
        QCOMPARE(store.rowIndex(WidgetDeck::normal), nearest.rowIndex);
    } else {
        QCOMPARE(rowChanged.count(), 0);
        QCOMPARE(store.pageIndex(WidgetDeck::normal), 2);
        QCOMPARE(store.rowIndex(WidgetDeck::normal), 1);
    }
    m_deck.fixture.exec(kDeckFile, QStringLiteral("DELETE FROM SETTING WHERE NAME = ?"),
                        {kDeltaIntervals});
}
