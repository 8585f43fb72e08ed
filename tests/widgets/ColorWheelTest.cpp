#include "ColorWheelTest.h"

#include "CollectionFixture.h"
#include "CollectionSettings.h"
#include "ColorWheelWidget.h"
#include "StateStore.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

using namespace Corvane;
using Corvane::Test::CollectionFixture;
using Corvane::Test::WidgetDeck;

namespace {

const QString kFile = QStringLiteral("wheel.db");
const QUuid kWheelCollection
    = QUuid::fromString(QStringLiteral("{33333333-0000-4000-8000-000000000003}"));

double radians(double degrees)
{
    return degrees * M_PI / 180.0;
}

// A collection of `segments` segments, each with one card, laid out from `firstAngle`.
void buildWheelCollection(CollectionFixture &fixture, int segments, double firstAngle,
                          const QString &orientation)
{
    fixture.createFile(kFile);
    fixture.addCollection(kFile, 1, kWheelCollection.toString(), QStringLiteral("W"),
                          QStringLiteral("Wheel"), 1);
    fixture.addSetting(kFile, 1, QStringLiteral("num.of.segments"), QString::number(segments));
    fixture.addSetting(kFile, 1, QStringLiteral("first.segment.angle"),
                       QString::number(firstAngle));
    fixture.addSetting(kFile, 1, QStringLiteral("segment.increment.orientation"), orientation);
    for (int segment = 1; segment <= segments; ++segment)
        fixture.addPage(kFile, 1, segment, segment);
    fixture.activate();
    StateStore().setUuidOfLastUsedCollection(kWheelCollection);
    // Each data row rebuilds the collection under the same uuid: drop the cached settings.
    CollectionSettings::setCurrentCollection(QUuid());
    CollectionSettings::setCurrentCollection(kWheelCollection);
}

void sendWheel(QWidget &widget, int delta)
{
    const QPointF center = QRectF(widget.rect()).center();
    QWheelEvent event(center, widget.mapToGlobal(center), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

void ColorWheelTest::segmentRanges_data()
{
    QTest::addColumn<double>("firstAngle");
    QTest::addColumn<QString>("orientation");
    QTest::addColumn<int>("segment");
    QTest::addColumn<QList<double>>("inside");
    QTest::addColumn<QList<double>>("outside");

    QTest::newRow("counter-clockwise, segment 1")
        << 90.0 << "CCW" << 1 << QList<double> {67.6, 90.0, 112.4} << QList<double> {67.4, 112.6};
    QTest::newRow("counter-clockwise, segment 2")
        << 90.0 << "CCW" << 2 << QList<double> {112.6, 157.4} << QList<double> {112.4, 157.6};
    QTest::newRow("clockwise, segment 2")
        << 90.0 << "CW" << 2 << QList<double> {22.6, 67.4} << QList<double> {22.4, 67.6};
    QTest::newRow("counter-clockwise sector across 3 o'clock")
        << 45.0 << "CCW" << 8 << QList<double> {337.6, 359.9, 0.0, 22.4} << QList<double> {22.6};
    QTest::newRow("clockwise sector across 3 o'clock")
        << 0.0 << "CW" << 1 << QList<double> {337.6, 359.9, 0.0, 22.4} << QList<double> {22.6};
    QTest::newRow("unknown orientation turns clockwise")
        << 90.0 << "sideways" << 2 << QList<double> {22.6, 67.4} << QList<double> {112.6};
}

void ColorWheelTest::segmentRanges()
{
    QFETCH(double, firstAngle);
    QFETCH(QString, orientation);
    QFETCH(int, segment);
    QFETCH(QList<double>, inside);
    QFETCH(QList<double>, outside);

    CollectionFixture fixture;
    buildWheelCollection(fixture, 8, firstAngle, orientation);
    ColorWheelWidget wheel;
    for (double degrees : inside)
        QCOMPARE(wheel.segmentAtAngle(radians(degrees)), segment);
    for (double degrees : outside)
        QVERIFY(wheel.segmentAtAngle(radians(degrees)) != segment);
    // The pointer of the segment stands inside its own sector.
    double pointer = std::fmod(wheel.segmentAngle(segment), 2.0 * M_PI);
    if (pointer < 0.0)
        pointer += 2.0 * M_PI;
    QCOMPARE(wheel.segmentAtAngle(pointer), segment);
}

void ColorWheelTest::press_data()
{
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<QPoint>("moveTo");
    QTest::addColumn<QList<int>>("segments");

    // The deck lays out 4 segments from 90° counter-clockwise; segment 4 has no card.
    QTest::newRow("on the rim, radius 57") << QPoint(60, 4) << QPoint() << QList<int> {1};
    QTest::newRow("outside, radius 58") << QPoint(60, 3) << QPoint(60, 20) << QList<int> {};
    QTest::newRow("centre, then left") << QPoint(60, 61) << QPoint(20, 61) << QList<int> {2};
    QTest::newRow("down, then right into the segment without cards")
        << QPoint(60, 100) << QPoint(100, 61) << QList<int> {3};
}

void ColorWheelTest::press()
{
    QFETCH(QPoint, pressAt);
    QFETCH(QPoint, moveTo);
    QFETCH(QList<int>, segments);

    m_deck.reset();
    ColorWheelWidget wheel;
    QSignalSpy spy(&wheel, &ColorWheelWidget::segmentChangedInteractively);
    QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, pressAt);
    if (!moveTo.isNull())
        QTest::mouseMove(&wheel, moveTo);
    QTest::mouseRelease(&wheel, Qt::LeftButton, Qt::NoModifier, moveTo.isNull() ? pressAt : moveTo);

    QList<int> emitted;
    for (const QList<QVariant> &arguments : std::as_const(spy))
        emitted.append(arguments.first().toInt());
    QCOMPARE(emitted, segments);
}

void ColorWheelTest::wheelSteps_data()
{
    QTest::addColumn<int>("storedSegment");
    QTest::addColumn<int>("mood");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("key"); // 0: the mouse wheel turned by delta
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QList<int>>("segments");

    const int wheel = 0;
    const int none = Qt::NoModifier;
    QTest::newRow("toward the user")
        << 1 << int(MoodAll) << -120 << wheel << none << QList<int> {2};
    QTest::newRow("away skips the empty segment 4")
        << 1 << int(MoodAll) << 120 << wheel << none << QList<int> {3};
    QTest::newRow("no delta counts as away")
        << 2 << int(MoodAll) << 0 << wheel << none << QList<int> {1};
    QTest::newRow("filter skips segments")
        << 1 << int(MoodOffwhite) << -120 << wheel << none << QList<int> {3};
    QTest::newRow("no card passes: one turn, nothing")
        << 1 << int(MoodRich) << -120 << wheel << none << QList<int> {};
    // The arrow keys step as the wheel does: Right and Down toward the user.
    QTest::newRow("right key") << 1 << int(MoodAll) << 0 << int(Qt::Key_Right) << none
                               << QList<int> {2};
    QTest::newRow("down key") << 1 << int(MoodAll) << 0 << int(Qt::Key_Down) << none
                              << QList<int> {2};
    QTest::newRow("left key skips the empty segment 4")
        << 1 << int(MoodAll) << 0 << int(Qt::Key_Left) << none << QList<int> {3};
    QTest::newRow("up key") << 2 << int(MoodAll) << 0 << int(Qt::Key_Up) << none << QList<int> {1};
    QTest::newRow("right key under a filter")
        << 1 << int(MoodOffwhite) << 0 << int(Qt::Key_Right) << none << QList<int> {3};
    QTest::newRow("ctrl+right") << 1 << int(MoodAll) << 0 << int(Qt::Key_Right)
                                << int(Qt::ControlModifier) << QList<int> {};
    QTest::newRow("other key") << 1 << int(MoodAll) << 0 << int(Qt::Key_A) << none << QList<int> {};
}

void ColorWheelTest::wheelSteps()
{
    QFETCH(int, storedSegment);
    QFETCH(int, mood);
    QFETCH(int, delta);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QList<int>, segments);

    m_deck.reset();
    StateStore().setSegmentIndex(WidgetDeck::normal, storedSegment);
    StateStore().setMoodFilter(WidgetDeck::normal, mood);
    ColorWheelWidget wheel;
    QSignalSpy spy(&wheel, &ColorWheelWidget::segmentChangedInteractively);
    if (key == 0)
        sendWheel(wheel, delta);
    else
        QTest::keyClick(&wheel, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QList<int> emitted;
    for (const QList<QVariant> &arguments : std::as_const(spy))
        emitted.append(arguments.first().toInt());
    QCOMPARE(emitted, segments);
}

void ColorWheelTest::pointer()
{
    m_deck.reset();
    StateStore().setSegmentIndex(WidgetDeck::normal, 2);
    ColorWheelWidget wheel;
    const QImage image = wheel.grab().toImage();
    const QColor background(20, 30, 40);
    // Along the shaft of segment 2 (to the left) the pointer is white; where segment 1's
    // pointer would stand (up) the background shows.
    QCOMPARE(image.pixelColor(wheel.pointAt(25.0, wheel.segmentAngle(2)).toPoint()),
             QColor(Qt::white));
    QCOMPARE(image.pixelColor(wheel.pointAt(25.0, wheel.segmentAngle(1)).toPoint()), background);
    // The arc over segment 2's sector, and none over segment 3's.
    QCOMPARE(image.pixelColor(wheel.pointAt(48.0, wheel.segmentAngle(2)).toPoint()),
             QColor(Qt::white));
    QCOMPARE(image.pixelColor(wheel.pointAt(48.0, wheel.segmentAngle(3)).toPoint()), background);
}
