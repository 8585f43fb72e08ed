#include "MoodSelectTest.h"

#include "CollectionSettings.h"
#include "InterfaceFonts.h"
#include "MoodSelectWidget.h"
#include "StateStore.h"

#include <QHash>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace Corvane;
using Corvane::Test::CollectionFixture;
using Corvane::Test::WidgetDeck;

namespace {

const QString kPlainFile = QStringLiteral("plain.db");
const QUuid kPlain = QUuid::fromString(QStringLiteral("{44444444-0000-4000-8000-000000000004}"));

// A "normal" collection without the exterior switch, made the last-used one.
void activatePlainCollection(CollectionFixture &fixture)
{
    fixture.createFile(kPlainFile);
    fixture.addCollection(kPlainFile, 1, kPlain.toString(), QStringLiteral("P"),
                          QStringLiteral("Plain"), 1);
    fixture.addSetting(kPlainFile, 1, QStringLiteral("card.type"), QStringLiteral("normal"));
    fixture.addSetting(kPlainFile, 1, QStringLiteral("has.exterior.filter"), QStringLiteral("0"));
    fixture.activate();
    StateStore().setUuidOfLastUsedCollection(kPlain);
    CollectionSettings::setCurrentCollection(kPlain);
}

// Without theme images the panel lays out placeholders: moods 23 x 21, the tick 12 x 11.
constexpr int kTickWidth = 12;
constexpr int kTickHeight = 11;

// The single-line height of a label in the panel's font, at least the tick's.
int labelHeight(const QString &text)
{
    return std::max(QFontMetrics(normalFont(2)).size(Qt::TextSingleLine, text).height(),
                    kTickHeight);
}

// The centre of the part the test presses: a mood name, "all", "exterior" or "mto".
QPoint target(const MoodSelectWidget &panel, const QString &name)
{
    if (name == QLatin1String("all"))
        return panel.allMoodsRect().center();
    if (name == QLatin1String("exterior"))
        return panel.exteriorRect().center();
    if (name == QLatin1String("mto"))
        return panel.mtoRect().center();
    const QStringList moods {"fresh", "warm", "calm", "rich", "offwhite", "neutral"};
    return panel.moodRect(Mood(moods.indexOf(name) + 1)).center();
}

} // namespace

void MoodSelectTest::layoutNormal_data()
{
    QTest::addColumn<bool>("exteriorFilter");
    QTest::newRow("with the exterior switch") << true;
    QTest::newRow("without the exterior switch") << false;
}

// The labels are the untranslated keys, wider than the mood row (4 x 23 + 9 = 101).
void MoodSelectTest::layoutNormal()
{
    QFETCH(bool, exteriorFilter);
    m_deck.reset(WidgetDeck::normal);
    CollectionFixture plain;
    if (!exteriorFilter)
        activatePlainCollection(plain);
    MoodSelectWidget panel;

    const QFontMetrics metrics(normalFont(2));
    const QString all = QStringLiteral("mood.filter.all.moods");
    const QString exterior = QStringLiteral("mood.filter.exterior.colors");
    const int allW = metrics.size(Qt::TextSingleLine, all).width() + kTickWidth + 5;
    const int extW = metrics.size(Qt::TextSingleLine, exterior).width() + kTickWidth + 5;
    const int w1 = std::max(101, allW);
    const int y2 = std::max(21 + labelHeight(all) + 6, 41) + 4;
    const int rowLeft = (w1 - 101) / 2 + 4;

    QCOMPARE(panel.moodRect(MoodFresh), QRect(rowLeft, 4, 23, 21));
    // Each next button starts four pixels right of the previous one's last column.
    QCOMPARE(panel.moodRect(MoodCalm), QRect(rowLeft + 26, 4, 23, 21));
    QCOMPARE(panel.moodRect(MoodWarm), QRect(rowLeft + 52, 4, 23, 21));
    QCOMPARE(panel.moodRect(MoodRich), QRect(rowLeft + 78, 4, 23, 21));
    QCOMPARE(panel.moodRect(MoodOffwhite), QRect(w1 + 10, 4, 23, 21));
    QCOMPARE(panel.moodRect(MoodNeutral), QRect(w1 + 10, 25, 23, 21));
    QCOMPARE(panel.allMoodsRect(),
             QRect(4 + (w1 - allW) / 2, y2 - labelHeight(all), allW, labelHeight(all)));
    QCOMPARE(panel.rowLine(), QLine(rowLeft, 28, rowLeft + 100, 28));
    QCOMPARE(panel.columnLine(), QLine(w1 + 9, 4, w1 + 9, 42));

    const int width = w1 + 23 + 13;
    if (exteriorFilter) {
        const int extLeft = (w1 + 23 + 6 - extW) / 2 + 4;
        QCOMPARE(panel.exteriorRect(), QRect(extLeft, y2 + 6, extW, labelHeight(exterior)));
        QCOMPARE(panel.exteriorLine(), QLine(rowLeft, y2 + 2, w1 + 32, y2 + 2));
        QCOMPARE(panel.size(), QSize(width, y2 + labelHeight(exterior) + 10));
    } else {
        QVERIFY(panel.exteriorRect().isNull());
        QCOMPARE(panel.size(), QSize(width, y2 + 4));
    }
    QCOMPARE(panel.sizeHint(), panel.size());
    QCOMPARE(panel.minimumSize(), panel.maximumSize());
}

void MoodSelectTest::layoutDuvalin()
{
    m_deck.reset(WidgetDeck::duvalin);
    MoodSelectWidget panel;
    const QSize text
        = QFontMetrics(normalFont(2)).size(Qt::TextSingleLine, QStringLiteral("do.not.show.mto"));
    const int height = std::max(text.height(), kTickHeight);
    QCOMPARE(panel.mtoRect(), QRect(QPoint(3, 3), QPoint(text.width() + 19, height + 2)));
    QCOMPARE(panel.size(), QSize(text.width() + 23, height + 6));
    QVERIFY(panel.moodRect(MoodFresh).isNull());
}

void MoodSelectTest::press_data()
{
    QTest::addColumn<int>("storedMood");
    QTest::addColumn<bool>("storedExterior");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QStringList>("emittedSignals");

    // In the deck only warm cards are exterior cards.
    QTest::newRow("another mood") << int(MoodAll) << false << "calm" << QStringList {"mood 3"};
    QTest::newRow("the selected mood") << int(MoodCalm) << false << "calm" << QStringList {};
    QTest::newRow("all moods while all") << int(MoodAll) << false << "all" << QStringList {};
    QTest::newRow("all moods") << int(MoodRich) << false << "all" << QStringList {"mood 7"};
    QTest::newRow("exterior on, mood without exterior cards")
        << int(MoodAll) << true << "calm" << QStringList {};
    QTest::newRow("exterior on, mood with exterior cards")
        << int(MoodAll) << true << "warm" << QStringList {"mood 2"};
    QTest::newRow("switching on with a mood without exterior cards")
        << int(MoodCalm) << false << "exterior" << QStringList {"mood 7", "exterior 1"};
    QTest::newRow("switching on with a mood with exterior cards")
        << int(MoodWarm) << false << "exterior" << QStringList {"exterior 1"};
    QTest::newRow("switching off keeps the mood")
        << int(MoodWarm) << true << "exterior" << QStringList {"exterior 0"};
    // Keys: all moods first, then fresh, calm, warm, rich, off-white, neutral.
    QTest::newRow("right from all moods")
        << int(MoodAll) << false << "key right" << QStringList {"mood 1"};
    QTest::newRow("right from calm")
        << int(MoodCalm) << false << "key right" << QStringList {"mood 2"};
    QTest::newRow("down from rich")
        << int(MoodRich) << false << "key down" << QStringList {"mood 5"};
    QTest::newRow("left from fresh")
        << int(MoodFresh) << false << "key left" << QStringList {"mood 7"};
    QTest::newRow("left from all moods: the first")
        << int(MoodAll) << false << "key left" << QStringList {};
    QTest::newRow("right from neutral: the last")
        << int(MoodNeutral) << false << "key right" << QStringList {};
    QTest::newRow("exterior on: right skips moods without exterior cards")
        << int(MoodAll) << true << "key right" << QStringList {"mood 2"};
    QTest::newRow("exterior on: nothing after warm")
        << int(MoodWarm) << true << "key right" << QStringList {};
    QTest::newRow("space switches exterior on")
        << int(MoodCalm) << false << "key space" << QStringList {"mood 7", "exterior 1"};
}

void MoodSelectTest::press()
{
    QFETCH(int, storedMood);
    QFETCH(bool, storedExterior);
    QFETCH(QString, pressed);
    QFETCH(QStringList, emittedSignals);

    m_deck.reset(WidgetDeck::normal);
    const StateStore store;
    store.setMoodFilter(WidgetDeck::normal, storedMood);
    store.setExteriorColors(WidgetDeck::normal, storedExterior);
    MoodSelectWidget panel;
    QStringList emitted;
    connect(&panel, &MoodSelectWidget::moodFilterChangedInteractively,
            [&emitted](Mood mood) { emitted << QStringLiteral("mood %1").arg(int(mood)); });
    connect(&panel, &MoodSelectWidget::exteriorFilterChangedInteractively,
            [&emitted](bool on) { emitted << QStringLiteral("exterior %1").arg(int(on)); });

    const QHash<QString, Qt::Key> keys {{QStringLiteral("key right"), Qt::Key_Right},
                                        {QStringLiteral("key left"), Qt::Key_Left},
                                        {QStringLiteral("key down"), Qt::Key_Down},
                                        {QStringLiteral("key space"), Qt::Key_Space}};
    if (keys.contains(pressed))
        QTest::keyClick(&panel, keys.value(pressed));
    else
        QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, target(panel, pressed));
    QCOMPARE(emitted, emittedSignals);
    // The panel never writes the filters itself.
    QCOMPARE(int(store.moodFilter(WidgetDeck::normal)), storedMood);
    QCOMPARE(store.exteriorColors(WidgetDeck::normal), storedExterior);
}

void MoodSelectTest::mtoTick_data()
{
    QTest::addColumn<bool>("showMto");
    QTest::newRow("made-to-order chips shown") << true;
    QTest::newRow("made-to-order chips hidden") << false;
}

// The switch flips "ShowMto"; its tick (a white placeholder here) shows while the
// made-to-order chips are hidden.
void MoodSelectTest::mtoTick()
{
    QFETCH(bool, showMto);
    m_deck.reset(WidgetDeck::duvalin);
    StateStore().setShowMto(WidgetDeck::duvalin, showMto);
    MoodSelectWidget panel;
    QSignalSpy spy(&panel, &MoodSelectWidget::showMtoChangedInteractively);

    const QRect mto = panel.mtoRect();
    const QPoint tickCentre(mto.left() + kTickWidth / 2,
                            mto.top() + (mto.height() - kTickHeight) / 2 + kTickHeight / 2);
    const QImage image = panel.grab().toImage();
    QCOMPARE(image.pixelColor(tickCentre) == QColor(Qt::white), !showMto);

    QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, target(panel, "mto"));
    // (0, 0) would be read as the widget's centre.
    QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toBool(), !showMto);
    // Space presses the switch; the arrow keys have no moods to go to.
    QTest::keyClick(&panel, Qt::Key_Space);
    QTest::keyClick(&panel, Qt::Key_Right);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.last().first().toBool(), !showMto);
}
