#include "CardRollerKeyboardTest.h"

#include "CardRollerWidget.h"
#include "DragPayload.h"
#include "DropEvents.h"
#include "MainWidget.h"
#include "PaletteModel.h"
#include "StateStore.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Corvane;
using Corvane::Test::dragAndDrop;
using Corvane::Test::WidgetDeck;

namespace {

constexpr QSize kRollerSize(210, 300);
const QString kUntouched = QStringLiteral("untouched");

// Normal on its second card, first chip.
void startOnSecondCard(const WidgetDeck &deck)
{
    deck.reset();
    StateStore().setPageIndex(WidgetDeck::normal, 2);
    StateStore().setRowIndex(WidgetDeck::normal, 1);
}

} // namespace

void CardRollerKeyboardTest::keys_data()
{
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("expected");

    const QUuid normal = WidgetDeck::normal;
    const QUuid duvalin = WidgetDeck::duvalin;
    const int none = Qt::NoModifier;
    // Card 2 of Normal has rows 1 to 4.
    QTest::newRow("left") << normal << 2 << int(Qt::Key_Left) << none
                          << QStringList {"roll backward"};
    QTest::newRow("right") << normal << 2 << int(Qt::Key_Right) << none
                           << QStringList {"roll forward"};
    QTest::newRow("up") << normal << 2 << int(Qt::Key_Up) << none << QStringList {"row 1"};
    QTest::newRow("down") << normal << 2 << int(Qt::Key_Down) << none << QStringList {"row 3"};
    QTest::newRow("home") << normal << 3 << int(Qt::Key_Home) << none << QStringList {"row 1"};
    QTest::newRow("end") << normal << 2 << int(Qt::Key_End) << none << QStringList {"row 4"};
    QTest::newRow("keypad down") << normal << 2 << int(Qt::Key_Down) << int(Qt::KeypadModifier)
                                 << QStringList {"row 3"};
    QTest::newRow("up on the first chip")
        << normal << 1 << int(Qt::Key_Up) << none << QStringList {};
    QTest::newRow("down on the last chip")
        << normal << 4 << int(Qt::Key_Down) << none << QStringList {};
    QTest::newRow("home on the first chip")
        << normal << 1 << int(Qt::Key_Home) << none << QStringList {};
    QTest::newRow("end on the last chip")
        << normal << 4 << int(Qt::Key_End) << none << QStringList {};
    // A row left over from a longer card: Up comes back to the last chip.
    QTest::newRow("up from beyond the card")
        << normal << 7 << int(Qt::Key_Up) << none << QStringList {"row 4"};
    QTest::newRow("ctrl+left") << normal << 2 << int(Qt::Key_Left) << int(Qt::ControlModifier)
                               << QStringList {};
    QTest::newRow("shift+down") << normal << 2 << int(Qt::Key_Down) << int(Qt::ShiftModifier)
                                << QStringList {};
    QTest::newRow("other key") << normal << 2 << int(Qt::Key_A) << none << QStringList {};
    // Card 1 of Duvalin hides its made-to-order second chip: the keys pass over it.
    QTest::newRow("down over a hidden chip")
        << duvalin << 1 << int(Qt::Key_Down) << none << QStringList {"row 3"};
    QTest::newRow("up over a hidden chip")
        << duvalin << 3 << int(Qt::Key_Up) << none << QStringList {"row 1"};
}

void CardRollerKeyboardTest::keys()
{
    QFETCH(QUuid, collection);
    QFETCH(int, startRow);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, expected);

    m_deck.reset(collection);
    StateStore().setPageIndex(collection, collection == WidgetDeck::normal ? 2 : 1);
    StateStore().setRowIndex(collection, startRow);
    CardRollerWidget roller;
    roller.resize(kRollerSize);
    QCOMPARE(roller.focusPolicy(), Qt::StrongFocus);
    QStringList received;
    connect(&roller, &CardRollerWidget::roll, this, [&](Direction dir) {
        received << (dir == DirectionForward ? QStringLiteral("roll forward")
                                             : QStringLiteral("roll backward"));
    });
    connect(&roller, &CardRollerWidget::rowChangedInteractively, this,
            [&](int row) { received << QStringLiteral("row %1").arg(row); });
    QTest::keyClick(&roller, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(received, expected);
}

// A dotted frame around the current card, only while the roller has the focus.
void CardRollerKeyboardTest::focusMark()
{
    m_deck.reset();
    StateStore().setPageIndex(WidgetDeck::normal, 2);
    QWidget window;
    CardRollerWidget *roller = new CardRollerWidget(&window);
    roller->resize(kRollerSize);
    window.resize(kRollerSize);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    const QRect frame = roller->focusRect();
    QVERIFY(roller->rect().contains(frame));
    for (int card = 0; card < CardRollerWidget::kCardCount; ++card) {
        if (card != CardRollerWidget::MiddleCard)
            QVERIFY(!frame.intersects(roller->cardRect(card)));
    }
    QVERIFY(frame.contains(roller->cardRect(CardRollerWidget::MiddleCard)));

    roller->clearFocus();
    const QImage unfocused = roller->grab().toImage();
    roller->setFocus();
    QTRY_VERIFY(roller->hasFocus());
    const QImage focused = roller->grab().toImage();
    int changedOnFrame = 0;
    for (int x = frame.left(); x <= frame.right(); ++x) {
        if (unfocused.pixel(x, frame.bottom()) != focused.pixel(x, frame.bottom()))
            ++changedOnFrame;
    }
    // Dotted: some pixels of the frame's bottom line change, not all.
    QVERIFY2(changedOnFrame > frame.width() / 4, qPrintable(QString::number(changedOnFrame)));
    QVERIFY2(changedOnFrame < frame.width() - 2, qPrintable(QString::number(changedOnFrame)));
    // The card itself looks the same.
    const QRect card = roller->cardRect(CardRollerWidget::MiddleCard);
    QCOMPARE(focused.copy(card), unfocused.copy(card));
}

void CardRollerKeyboardTest::copyCurrentChip_data()
{
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<int>("pageIndex");
    QTest::addColumn<int>("rowIndex");
    QTest::addColumn<bool>("copied");

    QTest::newRow("chip") << WidgetDeck::normal << 2 << 3 << true;
    QTest::newRow("chip of the duvalin card") << WidgetDeck::duvalin << 1 << 3 << true;
    QTest::newRow("hidden made-to-order chip") << WidgetDeck::duvalin << 1 << 2 << false;
    QTest::newRow("row beyond the card") << WidgetDeck::normal << 2 << 9 << false;
}

void CardRollerKeyboardTest::copyCurrentChip()
{
    QFETCH(QUuid, collection);
    QFETCH(int, pageIndex);
    QFETCH(int, rowIndex);
    QFETCH(bool, copied);

    m_deck.reset(collection);
    StateStore().setPageIndex(collection, pageIndex);
    StateStore().setRowIndex(collection, rowIndex);
    CardRollerWidget roller;
    roller.resize(kRollerSize);
    QGuiApplication::clipboard()->setText(kUntouched);
    QTest::keyClick(&roller, Qt::Key_C, Qt::ControlModifier);

    if (!copied) {
        QCOMPARE(QGuiApplication::clipboard()->text(), kUntouched);
        return;
    }
    const DB::ColorEntry entry = WidgetDeck::chip(collection, pageIndex, rowIndex);
    const QString label = PaletteModel::chipLabel(entry);
    QVERIFY(label.startsWith(entry.code()));
    QCOMPARE(QGuiApplication::clipboard()->text(),
             WidgetDeck::deckColor(pageIndex, rowIndex).name(QColor::HexRgb).toUpper()
                 + QLatin1Char('\t') + label);
}

// A window shortcut on Ctrl+C, as another widget may have, does not take the key from the
// focused roller.
void CardRollerKeyboardTest::copyBeforeWindowShortcuts()
{
    startOnSecondCard(m_deck);
    QWidget window;
    auto *roller = new CardRollerWidget(&window);
    roller->resize(kRollerSize);
    auto *shortcut = new QShortcut(QKeySequence::Copy, &window);
    QSignalSpy activated(shortcut, &QShortcut::activated);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    roller->setFocus();
    QTRY_VERIFY(roller->hasFocus());

    QGuiApplication::clipboard()->setText(kUntouched);
    QTest::keyClick(roller, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(activated.count(), 0);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(
        WidgetDeck::deckColor(2, 1).name(QColor::HexRgb).toUpper()));
    // Elsewhere in the window the shortcut works as before.
    roller->clearFocus();
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(activated.count(), 1);
}

void CardRollerKeyboardTest::pasteAndDropText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    const QString hex = WidgetDeck::deckColor(3, 2).name(QColor::HexRgb);
    QTest::newRow("colour of a chip") << hex.toUpper() << true;
    QTest::newRow("lower case with whitespace") << QStringLiteral("  %1\n").arg(hex) << true;
    QTest::newRow("without hash") << hex.mid(1) << false;
    QTest::newRow("five digits") << hex.left(6) << false;
    QTest::newRow("seven digits") << hex + QLatin1Char('0') << false;
    QTest::newRow("not hex") << hex.left(6) + QLatin1Char('g') << false;
    QTest::newRow("as copied, with a label") << hex + QStringLiteral("\tN3-2") << true;
    QTest::newRow("two lines") << hex + QLatin1Char('\n') + hex << false;
    QTest::newRow("a code") << QStringLiteral("N3-2") << false;
}

// Both go to the chip of exactly that colour; anything but "#RRGGBB", alone or with the label
// the roller copies, is ignored.
void CardRollerKeyboardTest::pasteAndDropText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);

    for (const bool drop : {false, true}) {
        startOnSecondCard(m_deck);
        MainWidget main(&currentMainWidget);
        main.show();
        CardRollerWidget *roller = main.cardRoller();
        QSignalSpy pages(roller, &CardRollerWidget::pageChangedInteractively);
        QSignalSpy rows(roller, &CardRollerWidget::rowChangedInteractively);
        if (drop) {
            QMimeData mime;
            mime.setText(text);
            const Test::DropAnswer answer
                = dragAndDrop(*roller, roller->dropArea().center(), &mime);
            QCOMPARE(answer.enterAccepted, valid);
            QCOMPARE(answer.moveAccepted, valid);
        } else {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(roller, Qt::Key_V, Qt::ControlModifier);
        }
        const StateStore store;
        QCOMPARE(pages.count(), valid ? 1 : 0);
        QCOMPARE(rows.count(), valid ? 1 : 0);
        QCOMPARE(store.pageIndex(WidgetDeck::normal), valid ? 3 : 2);
        QCOMPARE(store.rowIndex(WidgetDeck::normal), valid ? 2 : 1);
    }
}

// Chips dragged out carry a colour text too; the payload still decides: the roller's own
// chips are refused, and a chip from My Palette goes to that chip, not to its colour's.
void CardRollerKeyboardTest::ownChipsKeepTheirPayload()
{
    startOnSecondCard(m_deck);
    MainWidget main(&currentMainWidget);
    main.show();
    CardRollerWidget *roller = main.cardRoller();
    const DB::ColorEntry chip = WidgetDeck::chip(WidgetDeck::normal, 3, 2);

    const std::unique_ptr<QMimeData> own(chipMimeData(CardRoller, WidgetDeck::normal, chip));
    QVERIFY(own->hasText());
    QCOMPARE(dragAndDrop(*roller, roller->dropArea().center(), own.get()).moveAccepted, false);

    const std::unique_ptr<QMimeData> fromPalette(chipMimeData(MyPalette, WidgetDeck::normal, chip));
    // A text naming another chip's colour, which the payload must win over.
    fromPalette->setText(WidgetDeck::deckColor(4, 1).name(QColor::HexRgb));
    QVERIFY(dragAndDrop(*roller, roller->dropArea().center(), fromPalette.get()).moveAccepted);
    QCOMPARE(StateStore().pageIndex(WidgetDeck::normal), 3);
    QCOMPARE(StateStore().rowIndex(WidgetDeck::normal), 2);
}
