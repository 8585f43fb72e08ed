#include "CardRollerTest.h"

#include "CardRollerWidget.h"
#include "MainWidget.h"
#include "RectCorners.h"
#include "StateStore.h"
#include "WidgetDeck.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

using namespace Corvane;
using Corvane::Test::WidgetDeck;

namespace {

constexpr QSize kRollerSize(210, 300);

// The roller's picture, one image pixel per widget pixel.
QImage grabbed(QWidget &widget)
{
    return widget.grab().toImage();
}

} // namespace

Q_DECLARE_METATYPE(QList<int>)

void CardRollerTest::chipLayout_data()
{
    QTest::addColumn<QRect>("card");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("heights");

    // Chip area 21..119 (99 pixels): (99 - 3 + 1) / 3 = 32 with one pixel between chips;
    // the last chip takes the remainder.
    QTest::newRow("remainder to the last chip")
        << rectFromCorners(2, 20, 53, 120) << 3 << QList<int> {32, 32, 33};
    QTest::newRow("one chip fills the card")
        << rectFromCorners(2, 20, 53, 120) << 1 << QList<int> {99};
    QTest::newRow("no chips, no chip area")
        << rectFromCorners(2, 20, 53, 120) << 0 << QList<int> {};
}

void CardRollerTest::chipLayout()
{
    QFETCH(QRect, card);
    QFETCH(int, rows);
    QFETCH(QList<int>, heights);

    const QVector<QRect> chips = CardRollerWidget::chipLayout(card, rows);
    QCOMPARE(chips.size(), heights.size());
    for (int i = 0; i < chips.size(); ++i) {
        QCOMPARE(chips.at(i).height(), heights.at(i));
        QCOMPARE(chips.at(i).left(), card.left() + 1);
        QCOMPARE(chips.at(i).right(), card.right() - 1);
        if (i > 0)
            QCOMPARE(chips.at(i).top(), chips.at(i - 1).bottom() + 2);
    }
    if (!chips.isEmpty()) {
        QCOMPARE(chips.first().top(), card.top() + 1);
        QCOMPARE(chips.last().bottom(), card.bottom() - 1);
    }
}

void CardRollerTest::paintsCardsAndSelection()
{
    m_deck.reset();
    StateStore().setPageIndex(WidgetDeck::normal, 2);
    StateStore().setRowIndex(WidgetDeck::normal, 2);
    CardRollerWidget roller;
    roller.resize(kRollerSize);
    const QImage image = grabbed(roller);

    // Previous, current and next card: 1, 2 and 3.
    const int expectedPages[] = {1, 2, 3};
    for (int card = 0; card < CardRollerWidget::kCardCount; ++card) {
        QCOMPARE(roller.shownPage(card).pageIndex, expectedPages[card]);
        const QVector<QRect> &chips = roller.chipRects(card);
        QCOMPARE(chips.size(), int(roller.shownPage(card).rows.size()));
        for (int row = 0; row < chips.size(); ++row) {
            QCOMPARE(image.pixelColor(chips.at(row).center()),
                     WidgetDeck::deckColor(expectedPages[card], row + 1));
        }
    }
    // The selection outline stands just left of the current row's chip, not of the others.
    const QVector<QRect> &middle = roller.chipRects(CardRollerWidget::MiddleCard);
    const QColor selected = image.pixelColor(middle.at(1).left() - 1, middle.at(1).center().y());
    const QColor unselected = image.pixelColor(middle.at(0).left() - 1, middle.at(0).center().y());
    QVERIFY2(selected.lightness() > 200, qPrintable(selected.name()));
    QVERIFY2(unselected.lightness() < 100, qPrintable(unselected.name()));
}

void CardRollerTest::cardWithoutChips()
{
    m_deck.reset();
    StateStore().setPageIndex(WidgetDeck::normal, 5);
    CardRollerWidget roller;
    roller.resize(kRollerSize);
    grabbed(roller);
    QCOMPARE(roller.shownPage(CardRollerWidget::MiddleCard).pageIndex, 5);
    QVERIFY(roller.chipRects(CardRollerWidget::MiddleCard).isEmpty());
    QCOMPARE(roller.chipRects(CardRollerWidget::RightCard).size(), 3);

    // A click into the empty card finds no chip.
    QSignalSpy rows(&roller, &CardRollerWidget::rowChangedInteractively);
    QTest::mouseClick(&roller, Qt::LeftButton, Qt::NoModifier,
                      roller.cardRect(CardRollerWidget::MiddleCard).center());
    QCOMPARE(rows.count(), 0);
}

void CardRollerTest::clicks_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<int>("chip");
    QTest::addColumn<int>("storedRow");
    QTest::addColumn<QList<int>>("rolls");
    QTest::addColumn<QList<int>>("rowSignals");
    QTest::addColumn<int>("pageAfter");

    const QList<int> none;
    QTest::newRow("current row of the middle card") << 1 << 0 << 1 << none << none << 2;
    QTest::newRow("other chip of the middle card") << 1 << 2 << 1 << none << QList<int> {3} << 2;
    QTest::newRow("third chip of the left card rolls back, then selects")
        << 0 << 2 << 1 << QList<int> {DirectionBackward} << QList<int> {3} << 1;
    QTest::newRow("left card on the stored row only rolls")
        << 0 << 2 << 3 << QList<int> {DirectionBackward} << none << 1;
    QTest::newRow("right card rolls forward")
        << 2 << 1 << 1 << QList<int> {DirectionForward} << QList<int> {2} << 3;
}

void CardRollerTest::clicks()
{
    QFETCH(int, card);
    QFETCH(int, chip);
    QFETCH(int, storedRow);
    QFETCH(QList<int>, rolls);
    QFETCH(QList<int>, rowSignals);
    QFETCH(int, pageAfter);

    m_deck.reset();
    StateStore().setPageIndex(WidgetDeck::normal, 2);
    StateStore().setRowIndex(WidgetDeck::normal, storedRow);
    MainWidget main(&currentMainWidget);
    CardRollerWidget *roller = main.cardRoller();
    grabbed(*roller);
    QSignalSpy rollSpy(roller, &CardRollerWidget::roll);
    QSignalSpy rowSpy(roller, &CardRollerWidget::rowChangedInteractively);

    QTest::mouseClick(roller, Qt::LeftButton, Qt::NoModifier,
                      roller->chipRects(card).at(chip).center());

    QList<int> rolled;
    for (const QList<QVariant> &arguments : std::as_const(rollSpy))
        rolled.append(arguments.first().value<Direction>());
    QCOMPARE(rolled, rolls);
    QList<int> rowsEmitted;
    for (const QList<QVariant> &arguments : std::as_const(rowSpy))
        rowsEmitted.append(arguments.first().toInt());
    QCOMPARE(rowsEmitted, rowSignals);
    QCOMPARE(StateStore().pageIndex(WidgetDeck::normal), pageAfter);
}

void CardRollerTest::madeToOrderChips_data()
{
    QTest::addColumn<bool>("showMto");
    QTest::addColumn<int>("rowSignals");
    QTest::addColumn<bool>("chipColorShown");

    QTest::newRow("hidden made-to-order chip") << false << 0 << false;
    QTest::newRow("shown made-to-order chip") << true << 1 << true;
}

void CardRollerTest::madeToOrderChips()
{
    QFETCH(bool, showMto);
    QFETCH(int, rowSignals);
    QFETCH(bool, chipColorShown);

    m_deck.reset(WidgetDeck::duvalin);
    StateStore().setShowMto(WidgetDeck::duvalin, showMto);
    CardRollerWidget roller;
    roller.resize(kRollerSize);
    const QImage image = grabbed(roller);
    const QRect chip = roller.chipRects(CardRollerWidget::MiddleCard).at(1);
    QCOMPARE(image.pixelColor(chip.center()) == WidgetDeck::deckColor(1, 2), chipColorShown);

    QSignalSpy rows(&roller, &CardRollerWidget::rowChangedInteractively);
    QTest::mouseClick(&roller, Qt::LeftButton, Qt::NoModifier, chip.center());
    QCOMPARE(rows.count(), rowSignals);
}

void CardRollerTest::toolTips()
{
    m_deck.reset();
    StateStore().setPageIndex(WidgetDeck::normal, 2);
    CardRollerWidget roller;
    roller.resize(kRollerSize);
    roller.show();
    QVERIFY(QTest::qWaitForWindowExposed(&roller));
    grabbed(roller);

    const auto moveTo = [&roller](const QPoint &position) {
        QMouseEvent move(QEvent::MouseMove, position, roller.mapToGlobal(position), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&roller, &move);
    };
    moveTo(roller.chipRects(CardRollerWidget::RightCard).at(1).center());
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY2(QToolTip::text().contains(QLatin1String("N3-2")), qPrintable(QToolTip::text()));
    // Between the cards there is no chip: the tip goes away.
    moveTo(QPoint(roller.cardRect(CardRollerWidget::LeftCard).right() + 3, 100));
    QTRY_VERIFY(!QToolTip::isVisible());
}

void CardRollerTest::wheel_data()
{
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("direction");

    QTest::newRow("turned away") << 120 << int(DirectionBackward);
    QTest::newRow("no delta") << 0 << int(DirectionBackward);
    QTest::newRow("turned toward") << -120 << int(DirectionForward);
}

void CardRollerTest::wheel()
{
    QFETCH(int, delta);
    QFETCH(int, direction);

    m_deck.reset();
    CardRollerWidget roller;
    roller.resize(kRollerSize);
    QSignalSpy rolls(&roller, &CardRollerWidget::roll);
    const QPointF center = QRectF(roller.rect()).center();
    QWheelEvent event(center, roller.mapToGlobal(center), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&roller, &event);
    QCOMPARE(rolls.count(), 1);
    QCOMPARE(int(rolls.first().first().value<Direction>()), direction);
}
