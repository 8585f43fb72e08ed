#include "ButtonsTest.h"

#include "AboutButton.h"
#include "HelpButton.h"
#include "ImageButton.h"
#include "TaskButton.h"

#include <QGraphicsEffect>
#include <QTest>

using namespace Corvane;

namespace {

QImage solidImage(const QColor &color, const QSize &size = QSize(10, 10))
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

bool containsColor(const QImage &image, const QColor &color)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).rgb() == color.rgb())
                return true;
        }
    }
    return false;
}

} // namespace

void ButtonsTest::attentionPulse()
{
    QWidget window;
    ImageButton button(solidImage(Qt::red), solidImage(Qt::darkRed), &window);
    button.startAttention(); // not visible yet: nothing happens
    QVERIFY(!button.isPulsing());

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    button.startAttention();
    QVERIFY(button.isPulsing());
    QGraphicsEffect *effect = button.graphicsEffect();
    QVERIFY(effect);
    button.startAttention(); // a second call does not restart
    QCOMPARE(button.graphicsEffect(), effect);

    button.hide();
    QVERIFY(!button.isPulsing());
    QVERIFY(!button.graphicsEffect());
    button.show();
    QVERIFY(!button.graphicsEffect());

    button.startAttention();
    button.stopAttention();
    QVERIFY(!button.isPulsing());
    QTRY_VERIFY_WITH_TIMEOUT(!button.graphicsEffect(), 3000);
}

void ButtonsTest::checkedBacking_data()
{
    QTest::addColumn<bool>("checked");
    QTest::newRow("checked") << true;
    QTest::newRow("unchecked") << false;
}

void ButtonsTest::checkedBacking()
{
    QFETCH(bool, checked);

    QWidget window;
    window.setAutoFillBackground(true);
    window.setPalette(QPalette(Qt::black));
    ImageButton button(solidImage(Qt::red), solidImage(Qt::darkRed), &window);
    button.setGeometry(0, 0, 40, 40);
    button.setCheckable(true);
    button.setChecked(checked);
    const QImage image = window.grab(QRect(0, 0, 40, 40)).toImage();
    const QColor corner = image.pixelColor(5, 5);
    QCOMPARE(corner.red() > 150, checked);
    QCOMPARE(image.pixelColor(20, 20), QColor(Qt::red)); // the image in the middle
}

void ButtonsTest::imageFollowsState()
{
    ImageButton button(solidImage(Qt::red), solidImage(Qt::blue));
    button.setGeometry(0, 0, 30, 30);
    QCOMPARE(button.grab().toImage().pixelColor(15, 15), QColor(Qt::red));
    button.setDown(true);
    QCOMPARE(button.grab().toImage().pixelColor(15, 15), QColor(Qt::blue));
    button.setDown(false);
    button.setEnabled(false);
    const QColor disabled = button.grab().toImage().pixelColor(15, 15);
    // Half transparent: a paler red over the button's background.
    QVERIFY2(disabled != QColor(Qt::red) && disabled.red() > disabled.blue(),
             qPrintable(disabled.name()));
    QVERIFY(qAlpha(button.disabledImage().pixel(5, 5)) < 200);
}

void ButtonsTest::taskButtonColors_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("fill");

    QTest::newRow("task button") << 0 << true << QColor(49, 49, 49) << QColor();
    QTest::newRow("task button disabled")
        << 0 << false << QColor(238, 238, 238) << QColor(170, 170, 170);
    QTest::newRow("help button") << 1 << true << QColor(0, 129, 183) << QColor();
    QTest::newRow("help button disabled")
        << 1 << false << QColor(162, 162, 162) << QColor(204, 204, 204);
    QTest::newRow("about button disabled")
        << 2 << false << QColor(162, 162, 162) << QColor(204, 204, 204);
}

void ButtonsTest::taskButtonColors()
{
    QFETCH(int, kind);
    QFETCH(bool, enabled);
    QFETCH(QColor, text);
    QFETCH(QColor, fill);

    std::unique_ptr<TaskButton> button;
    if (kind == 0) {
        button = std::make_unique<TaskButton>();
        button->setText(QStringLiteral("Select"));
        button->setGeometry(0, 0, 120, 30);
    } else {
        button = kind == 1 ? std::unique_ptr<TaskButton>(new HelpButton)
                           : std::unique_ptr<TaskButton>(new AboutButton);
        button->setGeometry(0, 0, 40, 40);
    }
    button->setEnabled(enabled);
    const QImage image = button->grab().toImage();
    QVERIFY2(containsColor(image, text), qPrintable(text.name()));
    if (fill.isValid())
        QCOMPARE(image.pixelColor(button->width() / 2, 4).rgb(), fill.rgb());
}
