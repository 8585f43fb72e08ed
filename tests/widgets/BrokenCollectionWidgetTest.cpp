#include "BrokenCollectionWidgetTest.h"

#include "BrokenDecks.h"
#include "CardRollerWidget.h"
#include "DialogAnswer.h"
#include "MainWidget.h"
#include "StateStore.h"
#include "TestDecks.h"
#include "WidgetDeck.h"

#include <QDialog>
#include <QTest>

#include <functional>

using namespace Corvane;
using Corvane::Test::WidgetDeck;

namespace {

// Runs `action` and closes any dialog it opens; returns whether one was opened. A dialog left
// open would wait for a user who never comes.
bool openedDialog(const std::function<void()> &action)
{
    Corvane::Test::DialogAnswer<QDialog> closer([](QDialog *dialog) { dialog->reject(); });
    action();
    return closer.answered();
}

// The card roller's middle card after a paint: the code of its first chip and whether that
// chip is drawn in its colour.
bool middleCardShows(MainWidget &main, const QString &codePrefix)
{
    const QImage image = main.cardRoller()->grab().toImage();
    const DB::ColorPage &page = main.cardRoller()->shownPage(CardRollerWidget::MiddleCard);
    const QVector<QRect> &chips = main.cardRoller()->chipRects(CardRollerWidget::MiddleCard);
    if (page.rows.empty() || chips.isEmpty())
        return false;
    const DB::ColorEntry &chip = page.rows.front();
    return chip.code().startsWith(codePrefix)
        && image.pixelColor(chips.first().center()) == chip.color();
}

} // namespace

void BrokenCollectionWidgetTest::cleanup()
{
    Corvane::Test::resetEngineState();
}

void BrokenCollectionWidgetTest::brokenCollectionSelected_data()
{
    QTest::addColumn<Corvane::Test::Damage>("damage");
    for (const Corvane::Test::NamedDamage &damage : Corvane::Test::collectionDamages())
        QTest::newRow(damage.name) << damage.damage;
}

void BrokenCollectionWidgetTest::brokenCollectionSelected()
{
    QFETCH(Corvane::Test::Damage, damage);
    WidgetDeck deck;
    Corvane::Test::buildBrokenDeck(deck.fixture);
    damage(deck.fixture);
    const QUuid broken = Corvane::Test::kBrokenDeck;
    deck.reset(broken);

    MainWidget main(&currentMainWidget);
    main.resize(main.sizeHint());
    main.show();
    QVERIFY(!main.grab().isNull());
    // None of these asks the user anything, whatever the file holds.
    const QList<std::function<void()>> quietActions = {
        [&] { main.rollCards(DirectionForward); },
        [&] { main.rollCards(DirectionBackward); },
        [&] { main.searchForPhrase(QStringLiteral("B-2")); },
        [&] { main.searchForPhrase(QStringLiteral("no such chip")); },
        [&] { main.segmentChangedInteractivelyByWheel(2); },
        [&] { main.moodFilterChangedInteractively(MoodCalm); },
        [&] { main.exteriorFilterChangedInteractively(true); },
        [&] { main.pageChangedInteractively(2); },
        [&] { main.rowChangedInteractively(1); },
        [&] {
            for (const TabBarPage page :
                 {PageOfColorSchemes, PageOfProducts, PageOfColorVistral, PageOfTextures})
                main.tabPageSelected(page);
        },
        [&] { main.grab(); },
    };
    for (int i = 0; i < quietActions.size(); ++i)
        QVERIFY2(!openedDialog(quietActions.at(i)), qPrintable(QString::number(i)));
    // Chips whose colours cannot be read may all be near candidates: the nearest-colour
    // dialog may ask, which is closed here.
    openedDialog([&] { main.selectNearestColor(QColor(80, 50, 60)); });
    QVERIFY(!main.grab().isNull());

    // Away to the good collection, back and away again.
    QVERIFY(!openedDialog([&] { main.collectionChangedInteractively(WidgetDeck::normal); }));
    QCOMPARE(StateStore().uuidOfLastUsedCollection(), WidgetDeck::normal);
    QVERIFY(middleCardShows(main, QStringLiteral("N")));
    QVERIFY(!openedDialog([&] {
        main.collectionChangedInteractively(broken);
        main.grab();
        main.rollCards(DirectionForward);
        main.collectionChangedInteractively(WidgetDeck::duvalin);
    }));
    QCOMPARE(StateStore().uuidOfLastUsedCollection(), WidgetDeck::duvalin);
    QVERIFY(middleCardShows(main, QStringLiteral("D")));
}
