#include "VeltraCustomStyle.h"

#include "FocusMark.h"
#include "ImageButton.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QStyleOption>

#include <cmath>
#include <utility>

namespace Corvane {

namespace {

constexpr int kScrollBarExtent = 12;
constexpr int kScrollBarSliderMin = 32;
constexpr int kPillInset = 3;
constexpr int kPillCap = 5;
constexpr int kFocusInsetTopLeft = 2;
constexpr int kFocusInsetBottomRight = 3;
constexpr int kGrooveTop = 152;
constexpr int kGrooveBottom = 144;
constexpr int kPillTop = 192;
constexpr int kPillBottom = 208;
constexpr int kCheckedRadius = 4;
constexpr int kCheckedAlphaTop = 224;
constexpr int kCheckedAlphaBottom = 192;

QStyle *applicationStyle()
{
    return QApplication::style();
}

QColor grey(int value)
{
    return QColor(value, value, value);
}

int roundHalfUp(double value)
{
    return static_cast<int>(std::floor(value + 0.5));
}

const QStyleOptionSlider *sliderOption(const QStyleOption *option)
{
    return qstyleoption_cast<const QStyleOptionSlider *>(option);
}

// Pixels per unit of the scroll bar's range, page step included.
double scrollBarScale(const QStyleOptionSlider &option)
{
    const int length
        = option.orientation == Qt::Horizontal ? option.rect.width() : option.rect.height();
    const int units = option.maximum - option.minimum + option.pageStep;
    return units > 0 ? static_cast<double>(length) / units : 0.0;
}

// A rectangle from `from` to `to` along the bar, spanning the whole bar across it.
QRect alongBar(const QStyleOptionSlider &option, int from, int to)
{
    if (option.orientation == Qt::Horizontal)
        return QRect(QPoint(from, 0), QPoint(to, option.rect.height() - 1));
    return QRect(QPoint(0, from), QPoint(option.rect.width() - 1, to));
}

const std::pair<QStyle::SubControl, QStyle::ControlElement> kScrollBarParts[] = {
    {QStyle::SC_ScrollBarSubLine, QStyle::CE_ScrollBarSubLine},
    {QStyle::SC_ScrollBarAddLine, QStyle::CE_ScrollBarAddLine},
    {QStyle::SC_ScrollBarSubPage, QStyle::CE_ScrollBarSubPage},
    {QStyle::SC_ScrollBarAddPage, QStyle::CE_ScrollBarAddPage},
    {QStyle::SC_ScrollBarFirst, QStyle::CE_ScrollBarFirst},
    {QStyle::SC_ScrollBarLast, QStyle::CE_ScrollBarLast},
    {QStyle::SC_ScrollBarSlider, QStyle::CE_ScrollBarSlider},
};

bool isOwnScrollBarPart(QStyle::SubControl subControl)
{
    constexpr QStyle::SubControls own
        = {QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarFirst,
           QStyle::SC_ScrollBarLast,    QStyle::SC_ScrollBarSubPage, QStyle::SC_ScrollBarAddPage,
           QStyle::SC_ScrollBarSlider,  QStyle::SC_ScrollBarGroove};
    return own.testFlag(subControl);
}

void drawPill(QPainter *painter, const QRect &rect, Qt::Orientation orientation)
{
    const int x1 = rect.left();
    const int y1 = rect.top();
    const int x2 = rect.right();
    const int y2 = rect.bottom();
    QLinearGradient gradient;
    QRect first, second, body;
    if (orientation == Qt::Vertical) {
        const int left = x1 + kPillInset;
        const int right = x2 - kPillInset;
        gradient = QLinearGradient(left, y1, right, y1);
        first = QRect(QPoint(left, y1), QPoint(left + kPillCap, y1 + kPillCap));
        second = QRect(QPoint(left, y2 - kPillCap - 1), QPoint(left + kPillCap, y2 - 1));
        body = QRect(QPoint(left, y1 + kPillInset), QPoint(right, y2 - kPillInset));
    } else {
        gradient = QLinearGradient(x1, y1 + kPillInset, x1, y2 - kPillInset);
        first
            = QRect(QPoint(x1, y1 + kPillInset), QPoint(x1 + kPillCap, y1 + kPillInset + kPillCap));
        second = QRect(QPoint(x2 - kPillCap - 1, y1 + kPillInset),
                       QPoint(x2 - 1, y1 + kPillInset + kPillCap));
        body = QRect(QPoint(x1 + kPillInset, y1 + kPillInset),
                     QPoint(x2 - kPillInset, y2 - kPillInset));
    }
    gradient.setColorAt(0, grey(kPillTop));
    gradient.setColorAt(1, grey(kPillBottom));
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(gradient);
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->drawEllipse(first);
    painter->drawEllipse(second);
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->drawRect(body);
    painter->restore();
}

// The light-to-dark ramp, transparent wherever the mask is not red.
QImage maskedRamp(const QImage &mask, int width)
{
    const int height = mask.height();
    QImage ramp(width, height, QImage::Format_ARGB32);
    ramp.fill(Qt::transparent);
    {
        QPainter painter(&ramp);
        QLinearGradient gradient(0, 0, width, height);
        gradient.setColorAt(0, Qt::white);
        gradient.setColorAt(1, Qt::black);
        painter.fillRect(ramp.rect(), gradient);
    }
    for (int column = 0; column < width; ++column) {
        int maskColumn = height + 1;
        if (column < height)
            maskColumn = column;
        else if (column > width - height)
            maskColumn = column - width + mask.width();
        if (maskColumn < 0 || maskColumn >= mask.width())
            continue;
        for (int row = 0; row < height; ++row) {
            if (qRed(mask.pixel(maskColumn, row)) == 0)
                ramp.setPixel(column, row, qRgba(0, 0, 0, 0));
        }
    }
    return ramp;
}

} // namespace

VeltraCustomStyle::VeltraCustomStyle() = default;

void VeltraCustomStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                      QPainter *painter, const QWidget *widget) const
{
    applicationStyle()->drawPrimitive(element, option, painter, widget);
}

void VeltraCustomStyle::drawControl(ControlElement element, const QStyleOption *option,
                                    QPainter *painter, const QWidget *widget) const
{
    if (element == CE_PushButton && qobject_cast<const ImageButton *>(widget)) {
        drawImageButton(option, painter, widget);
        return;
    }
    const QStyleOptionSlider *slider = sliderOption(option);
    if (slider
        && (element == CE_ScrollBarAddPage || element == CE_ScrollBarSubPage
            || element == CE_ScrollBarSlider)) {
        drawScrollBarElement(element, *slider, painter);
        return;
    }
    applicationStyle()->drawControl(element, option, painter, widget);
}

QRect VeltraCustomStyle::subElementRect(SubElement element, const QStyleOption *option,
                                        const QWidget *widget) const
{
    if (element == SE_PushButtonLayoutItem && qobject_cast<const ImageButton *>(widget))
        return option->rect;
    return applicationStyle()->subElementRect(element, option, widget);
}

void VeltraCustomStyle::drawComplexControl(ComplexControl control,
                                           const QStyleOptionComplex *option, QPainter *painter,
                                           const QWidget *widget) const
{
    const QStyleOptionSlider *slider = sliderOption(option);
    if (slider && control == CC_ScrollBar) {
        drawScrollBar(*slider, painter, widget);
        return;
    }
    if (slider && control == CC_Slider) {
        if (hasSliderImages())
            drawSlider(*slider, painter);
        else
            applicationStyle()->drawComplexControl(control, option, painter, widget);
        if (slider->state & State_HasFocus)
            paintFocusFrame(*painter, slider->rect);
        return;
    }
    applicationStyle()->drawComplexControl(control, option, painter, widget);
}

QStyle::SubControl VeltraCustomStyle::hitTestComplexControl(ComplexControl control,
                                                            const QStyleOptionComplex *option,
                                                            const QPoint &point,
                                                            const QWidget *widget) const
{
    const QStyleOptionSlider *slider = sliderOption(option);
    if (slider && control == CC_ScrollBar)
        return scrollBarHit(*slider, point);
    if (slider && control == CC_Slider && hasSliderImages())
        return sliderHit(*slider, point);
    return applicationStyle()->hitTestComplexControl(control, option, point, widget);
}

QRect VeltraCustomStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                        SubControl subControl, const QWidget *widget) const
{
    const QStyleOptionSlider *slider = sliderOption(option);
    if (slider && control == CC_ScrollBar && isOwnScrollBarPart(subControl))
        return scrollBarRect(*slider, subControl);
    if (slider && control == CC_Slider && hasSliderImages()
        && (subControl == SC_SliderGroove || subControl == SC_SliderHandle))
        return sliderRect(*slider, subControl);
    return applicationStyle()->subControlRect(control, option, subControl, widget);
}

int VeltraCustomStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                                   const QWidget *widget) const
{
    switch (metric) {
    case PM_ScrollBarExtent:
        return kScrollBarExtent;
    case PM_ScrollBarSliderMin:
        return kScrollBarSliderMin;
    case PM_SliderTickmarkOffset:
        return 0;
    case PM_SliderThickness:
    case PM_SliderControlThickness:
        if (!handleImage.isNull())
            return handleImage.height();
        break;
    case PM_SliderLength:
        if (!handleImage.isNull())
            return handleImage.width();
        break;
    default:
        break;
    }
    return applicationStyle()->pixelMetric(metric, option, widget);
}

QSize VeltraCustomStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                          const QSize &size, const QWidget *widget) const
{
    return applicationStyle()->sizeFromContents(type, option, size, widget);
}

int VeltraCustomStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                                 QStyleHintReturn *returnData) const
{
    return applicationStyle()->styleHint(hint, option, widget, returnData);
}

QPixmap VeltraCustomStyle::standardPixmap(StandardPixmap standardPixmap, const QStyleOption *option,
                                          const QWidget *widget) const
{
    return applicationStyle()->standardPixmap(standardPixmap, option, widget);
}

QIcon VeltraCustomStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                      const QWidget *widget) const
{
    return applicationStyle()->standardIcon(standardIcon, option, widget);
}

QPixmap VeltraCustomStyle::generatedIconPixmap(QIcon::Mode iconMode, const QPixmap &pixmap,
                                               const QStyleOption *option) const
{
    return applicationStyle()->generatedIconPixmap(iconMode, pixmap, option);
}

int VeltraCustomStyle::layoutSpacing(QSizePolicy::ControlType control1,
                                     QSizePolicy::ControlType control2, Qt::Orientation orientation,
                                     const QStyleOption *option, const QWidget *widget) const
{
    return applicationStyle()->layoutSpacing(control1, control2, orientation, option, widget);
}

bool VeltraCustomStyle::hasSliderImages() const
{
    return !grooveImage.isNull() && !handleImage.isNull();
}

QRect VeltraCustomStyle::scrollBarRect(const QStyleOptionSlider &option,
                                       SubControl subControl) const
{
    const double scale = scrollBarScale(option);
    const int length
        = option.orientation == Qt::Horizontal ? option.rect.width() : option.rect.height();
    const int value = option.sliderValue;
    const int handleStart = roundHalfUp(scale * value);
    switch (subControl) {
    case SC_ScrollBarAddLine:
    case SC_ScrollBarSubLine:
    case SC_ScrollBarFirst:
    case SC_ScrollBarLast:
        return QRect(QPoint(0, 0), QPoint(-1, -1));
    case SC_ScrollBarSubPage:
        return value == 0 ? QRect() : alongBar(option, 0, handleStart - 1);
    case SC_ScrollBarAddPage:
        if (value >= option.maximum)
            return QRect();
        return alongBar(option, roundHalfUp(scale * (option.pageStep + value)), length - 1);
    case SC_ScrollBarSlider:
        return alongBar(option, handleStart,
                        handleStart + roundHalfUp(scale * option.pageStep) - 1);
    default: // the groove
        return QRect(QPoint(0, 0), option.rect.size());
    }
}

QStyle::SubControl VeltraCustomStyle::scrollBarHit(const QStyleOptionSlider &option,
                                                   const QPoint &point) const
{
    const double scale = scrollBarScale(option);
    const int position = option.orientation == Qt::Horizontal ? point.x() : point.y();
    const int value = option.sliderPosition;
    if (roundHalfUp(scale * value) > position)
        return SC_ScrollBarSubPage;
    if (roundHalfUp(scale * (option.pageStep + value)) < position)
        return SC_ScrollBarAddPage;
    return SC_ScrollBarSlider;
}

void VeltraCustomStyle::drawScrollBar(const QStyleOptionSlider &option, QPainter *painter,
                                      const QWidget *widget) const
{
    QStyleOptionSlider part = option;
    if (part.minimum == part.maximum)
        part.state &= ~State_Enabled;
    // The page and handle rectangles are rounded one by one and may leave a pixel between
    // them; the groove's fill underneath keeps that pixel from showing the background.
    part.rect = scrollBarRect(option, SC_ScrollBarGroove);
    drawScrollBarElement(CE_ScrollBarAddPage, part, painter);
    const State saved = part.state;
    for (const auto &[subControl, element] : kScrollBarParts) {
        if (!(option.subControls & subControl))
            continue;
        part.state = saved;
        part.rect = scrollBarRect(option, subControl);
        if (!part.rect.isValid())
            continue;
        if (!(option.activeSubControls & subControl))
            part.state &= ~(State_Sunken | State_MouseOver);
        drawControl(element, &part, painter, widget);
    }
    if (option.state & State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = scrollBarRect(option, SC_ScrollBarSlider)
                         .adjusted(kFocusInsetTopLeft, kFocusInsetTopLeft, -kFocusInsetBottomRight,
                                   -kFocusInsetBottomRight);
        drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
}

void VeltraCustomStyle::drawScrollBarElement(ControlElement element,
                                             const QStyleOptionSlider &option,
                                             QPainter *painter) const
{
    const QRect rect = option.rect;
    QLinearGradient gradient = option.orientation == Qt::Vertical
        ? QLinearGradient(rect.left(), rect.top(), rect.right(), rect.top())
        : QLinearGradient(rect.left(), rect.top(), rect.left(), rect.bottom());
    gradient.setColorAt(0, grey(kGrooveTop));
    gradient.setColorAt(1, grey(kGrooveBottom));
    painter->fillRect(rect, gradient);
    if (element == CE_ScrollBarSlider)
        drawPill(painter, rect, option.orientation);
}

QRect VeltraCustomStyle::sliderRect(const QStyleOptionSlider &option, SubControl subControl) const
{
    const QRect rect = option.rect;
    const int handleWidth = handleImage.width();
    const int handleHeight = handleImage.height();
    if (subControl == SC_SliderGroove) {
        const int grooveHeight = grooveImage.height();
        const int left = rect.left() + handleWidth / 2;
        return QRect(QPoint(left, rect.top() + (rect.height() - grooveHeight) / 2),
                     QSize(rect.right() - rect.left() - handleWidth + 1, grooveHeight));
    }
    const int range = option.maximum - option.minimum;
    int position = option.sliderPosition - option.minimum;
    if (option.upsideDown)
        position = range - position;
    // An empty range keeps the handle at the start instead of dividing by zero.
    const double fraction = range > 0 ? static_cast<double>(position) / range : 0.0;
    const int centre
        = static_cast<int>(rect.left() + handleWidth / 2 + (rect.width() - handleWidth) * fraction);
    return QRect(QPoint(centre - handleWidth / 2, rect.top() + (rect.height() - handleHeight) / 2),
                 QSize(handleWidth, handleHeight));
}

QStyle::SubControl VeltraCustomStyle::sliderHit(const QStyleOptionSlider &option,
                                                const QPoint &point) const
{
    const QRect handle = sliderRect(option, SC_SliderHandle);
    if (handle.isValid() && handle.contains(point))
        return SC_SliderHandle;
    const QRect groove = sliderRect(option, SC_SliderGroove);
    if (groove.isValid() && groove.contains(point))
        return SC_SliderGroove;
    return SC_None;
}

void VeltraCustomStyle::drawSlider(const QStyleOptionSlider &option, QPainter *painter) const
{
    if (option.orientation != Qt::Horizontal)
        return;
    const QRect rect = option.rect;
    const int handleWidth = handleImage.width();
    const int left = rect.left() + handleWidth / 2;
    const int right = rect.right() - handleWidth / 2;
    const int cap = grooveImage.height();
    const int top = rect.top() + (rect.bottom() - rect.top() - cap + 1) / 2;

    painter->drawImage(QPoint(left, top), grooveImage, QRect(0, 0, cap, cap));
    painter->drawImage(QRect(QPoint(left + cap, top), QPoint(right - cap - 1, top + cap - 1)),
                       grooveImage, QRect(cap, 0, cap, cap));
    painter->drawImage(QPoint(right - cap, top), grooveImage,
                       QRect(grooveImage.width() - cap, 0, cap, cap));
    if (!grooveMask.isNull() && right > left)
        painter->drawImage(QPoint(left, top), maskedRamp(grooveMask, right - left));
    const QRect handle = sliderRect(option, SC_SliderHandle);
    if (handle.isValid())
        painter->drawImage(handle, handleImage);
}

void VeltraCustomStyle::drawImageButton(const QStyleOption *option, QPainter *painter,
                                        const QWidget *widget) const
{
    const auto *button = static_cast<const ImageButton *>(widget);
    const bool pressed = option->state & State_Sunken;
    const QImage image = !button->isEnabled() ? button->disabledImage()
        : pressed                             ? button->downImage()
                                              : button->normalImage();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    if (button->isCheckable() && button->isChecked()) {
        QLinearGradient gradient(QPointF(0, 0), QPointF(button->width(), button->height()));
        gradient.setColorAt(0, QColor(255, 255, 255, kCheckedAlphaTop));
        gradient.setColorAt(1, QColor(255, 255, 255, kCheckedAlphaBottom));
        painter->setPen(Qt::NoPen);
        painter->setBrush(gradient);
        painter->drawRoundedRect(
            QRectF(QPointF(0, 0), QPointF(button->width() - 2, button->height() - 2)),
            kCheckedRadius, kCheckedRadius);
    }
    if (!image.isNull()) {
        QPoint topLeft((button->width() - image.width()) / 2,
                       (button->height() - image.height()) / 2);
        if (pressed)
            topLeft += QPoint(1, 1);
        painter->drawImage(topLeft, image);
    }
    if (option->state & State_HasFocus)
        paintFocusFrame(*painter, option->rect);
    painter->restore();
}

} // namespace Corvane
