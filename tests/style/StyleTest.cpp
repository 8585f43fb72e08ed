#include "StyleTest.h"

#include "VeltraCustomStyle.h"

#include <QApplication>
#include <QScrollBar>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>

using namespace Corvane;

namespace {

QStyleOptionSlider scrollBarOption(Qt::Orientation orientation, int length, int value)
{
    QStyleOptionSlider option;
    option.orientation = orientation;
    option.rect = orientation == Qt::Vertical ? QRect(0, 0, 12, length) : QRect(0, 0, length, 12);
    option.minimum = 0;
    option.maximum = 100;
    option.pageStep = 50;
    option.sliderValue = value;
    option.sliderPosition = value;
    return option;
}

// Start and end of a rectangle along the orientation, or (0, -1) for an invalid one.
QPair<int, int> span(const QRect &rect, Qt::Orientation orientation)
{
    if (!rect.isValid())
        return {0, -1};
    return orientation == Qt::Vertical ? qMakePair(rect.top(), rect.bottom())
                                       : qMakePair(rect.left(), rect.right());
}

} // namespace

void StyleTest::scrollBarRects_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("subControl");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");

    for (const Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
        const char *name = orientation == Qt::Vertical ? "vertical" : "horizontal";
        QTest::addRow("%s at 0: handle", name)
            << orientation << 0 << int(QStyle::SC_ScrollBarSlider) << 0 << 99;
        QTest::addRow("%s at 0: add page", name)
            << orientation << 0 << int(QStyle::SC_ScrollBarAddPage) << 100 << 299;
        QTest::addRow("%s at 0: no sub page", name)
            << orientation << 0 << int(QStyle::SC_ScrollBarSubPage) << 0 << -1;
        QTest::addRow("%s at 100: handle", name)
            << orientation << 100 << int(QStyle::SC_ScrollBarSlider) << 200 << 299;
        QTest::addRow("%s at 100: sub page", name)
            << orientation << 100 << int(QStyle::SC_ScrollBarSubPage) << 0 << 199;
        QTest::addRow("%s at 100: no add page", name)
            << orientation << 100 << int(QStyle::SC_ScrollBarAddPage) << 0 << -1;
        QTest::addRow("%s: no arrow buttons", name)
            << orientation << 50 << int(QStyle::SC_ScrollBarAddLine) << 0 << -1;
        QTest::addRow("%s: groove is everything", name)
            << orientation << 50 << int(QStyle::SC_ScrollBarGroove) << 0 << 299;
        QTest::addRow("%s at 25: handle rounds half up", name)
            << orientation << 25 << int(QStyle::SC_ScrollBarSlider) << 50 << 149;
    }
}

void StyleTest::scrollBarRects()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, value);
    QFETCH(int, subControl);
    QFETCH(int, from);
    QFETCH(int, to);

    VeltraCustomStyle style;
    const QStyleOptionSlider option = scrollBarOption(orientation, 300, value);
    const QRect rect
        = style.subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SubControl(subControl));
    QCOMPARE(span(rect, orientation), qMakePair(from, to));
    if (rect.isValid())
        QCOMPARE(orientation == Qt::Vertical ? rect.width() : rect.height(), 12);
}

void StyleTest::scrollBarHits_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("expected");

    QTest::newRow("on the handle's far end") << 0 << 99 << int(QStyle::SC_ScrollBarSlider);
    QTest::newRow("past the handle") << 0 << 101 << int(QStyle::SC_ScrollBarAddPage);
    QTest::newRow("before the handle") << 50 << 99 << int(QStyle::SC_ScrollBarSubPage);
    QTest::newRow("on the handle's start") << 50 << 100 << int(QStyle::SC_ScrollBarSlider);
}

void StyleTest::scrollBarHits()
{
    QFETCH(int, value);
    QFETCH(int, position);
    QFETCH(int, expected);

    VeltraCustomStyle style;
    const QStyleOptionSlider vertical = scrollBarOption(Qt::Vertical, 300, value);
    QCOMPARE(int(style.hitTestComplexControl(QStyle::CC_ScrollBar, &vertical, QPoint(5, position))),
             expected);
    const QStyleOptionSlider horizontal = scrollBarOption(Qt::Horizontal, 300, value);
    QCOMPARE(
        int(style.hitTestComplexControl(QStyle::CC_ScrollBar, &horizontal, QPoint(position, 5))),
        expected);
}

void StyleTest::scrollBarPaints()
{
    QWidget owner;
    auto *style = new VeltraCustomStyle;
    style->setParent(&owner);
    QScrollBar bar(Qt::Vertical, &owner);
    bar.setStyle(style);
    bar.setRange(0, 100);
    bar.setPageStep(50);
    bar.setValue(0);
    bar.setGeometry(0, 0, 12, 300);
    QCOMPARE(style->pixelMetric(QStyle::PM_ScrollBarExtent), 12);

    const QImage image = bar.grab().toImage();
    // The handle's pill is light grey in the middle of the bar, the groove darker grey.
    const QColor pill = image.pixelColor(6, 50);
    const QColor groove = image.pixelColor(6, 200);
    QVERIFY2(pill.red() >= 190 && pill.red() <= 210, qPrintable(pill.name()));
    QVERIFY2(groove.red() >= 143 && groove.red() <= 153, qPrintable(groove.name()));
    // Beside the pill the groove's fill shows under the handle too.
    const QColor besidePill = image.pixelColor(1, 50);
    QVERIFY2(besidePill.red() >= 143 && besidePill.red() <= 153, qPrintable(besidePill.name()));
}

void StyleTest::sliderWithoutImagesIsForwarded()
{
    VeltraCustomStyle style;
    QCOMPARE(style.pixelMetric(QStyle::PM_SliderLength),
             QApplication::style()->pixelMetric(QStyle::PM_SliderLength));
    QStyleOptionSlider option;
    option.orientation = Qt::Horizontal;
    option.rect = QRect(0, 0, 200, 20);
    option.maximum = 10;
    QCOMPARE(
        style.subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle),
        QApplication::style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle));
}

void StyleTest::sliderWithImages()
{
    VeltraCustomStyle style;
    style.handleImage = QImage(10, 16, QImage::Format_ARGB32);
    style.handleImage.fill(Qt::blue);
    style.grooveImage = QImage(18, 6, QImage::Format_ARGB32);
    style.grooveImage.fill(Qt::darkGray);
    QCOMPARE(style.pixelMetric(QStyle::PM_SliderLength), 10);
    QCOMPARE(style.pixelMetric(QStyle::PM_SliderThickness), 16);

    QStyleOptionSlider option;
    option.orientation = Qt::Horizontal;
    option.rect = QRect(0, 0, 210, 20);
    option.minimum = 0;
    option.maximum = 100;
    option.sliderPosition = 50;
    const QRect handle = style.subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle);
    QCOMPARE(handle, QRect(100, 2, 10, 16));
    QCOMPARE(style.subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove),
             QRect(5, 7, 200, 6));
    QCOMPARE(style.hitTestComplexControl(QStyle::CC_Slider, &option, QPoint(105, 10)),
             QStyle::SC_SliderHandle);
    QCOMPARE(style.hitTestComplexControl(QStyle::CC_Slider, &option, QPoint(20, 10)),
             QStyle::SC_SliderGroove);
    QCOMPARE(style.hitTestComplexControl(QStyle::CC_Slider, &option, QPoint(20, 0)),
             QStyle::SC_None);

    option.minimum = option.maximum = 7; // an empty range must not divide by zero
    option.sliderPosition = 7;
    QCOMPARE(style.subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle).left(), 0);
}
