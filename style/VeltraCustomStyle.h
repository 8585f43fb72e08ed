#pragma once

#include <QImage>
#include <QStyle>

class QStyleOptionSlider;

namespace Corvane {

// Set on single controls: thin grey scroll bars without arrow buttons, an image-based
// horizontal slider and the image buttons. Everything else goes to the application style.
class VeltraCustomStyle : public QStyle
{
    Q_OBJECT

public:
    VeltraCustomStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                     const QPoint &point,
                                     const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl subControl, const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    QPixmap standardPixmap(StandardPixmap standardPixmap, const QStyleOption *option = nullptr,
                           const QWidget *widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    QPixmap generatedIconPixmap(QIcon::Mode iconMode, const QPixmap &pixmap,
                                const QStyleOption *option) const override;
    int layoutSpacing(QSizePolicy::ControlType control1, QSizePolicy::ControlType control2,
                      Qt::Orientation orientation, const QStyleOption *option = nullptr,
                      const QWidget *widget = nullptr) const override;

    // The slider's groove; its height is also the width of the groove's end caps.
    QImage grooveImage;
    // Where the light-to-dark ramp shows over the groove (red pixels).
    QImage grooveMask;
    QImage handleImage;

private:
    bool hasSliderImages() const;
    QRect scrollBarRect(const QStyleOptionSlider &option, SubControl subControl) const;
    SubControl scrollBarHit(const QStyleOptionSlider &option, const QPoint &point) const;
    void drawScrollBar(const QStyleOptionSlider &option, QPainter *painter,
                       const QWidget *widget) const;
    void drawScrollBarElement(ControlElement element, const QStyleOptionSlider &option,
                              QPainter *painter) const;
    QRect sliderRect(const QStyleOptionSlider &option, SubControl subControl) const;
    SubControl sliderHit(const QStyleOptionSlider &option, const QPoint &point) const;
    void drawSlider(const QStyleOptionSlider &option, QPainter *painter) const;
    void drawImageButton(const QStyleOption *option, QPainter *painter,
                         const QWidget *widget) const;
};

} // namespace Corvane
