#include "ImageButton.h"

#include "VeltraCustomStyle.h"

#include <QEasingCurve>
#include <QGraphicsOpacityEffect>
#include <QPainter>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>

namespace Corvane {

namespace {

constexpr int kFadeDuration = 800;
constexpr qreal kDimOpacity = 0.2;
constexpr qreal kFullOpacity = 1.0;
constexpr qreal kDisabledOpacity = 0.5;

QPropertyAnimation *makeFade(QObject *parent, qreal from, qreal to)
{
    auto *fade = new QPropertyAnimation(parent);
    fade->setPropertyName("opacity");
    fade->setStartValue(from);
    fade->setEndValue(to);
    fade->setDuration(kFadeDuration);
    fade->setEasingCurve(QEasingCurve::OutQuart);
    return fade;
}

QImage halfTransparent(const QImage &image)
{
    QImage faded(image.size(), QImage::Format_ARGB32_Premultiplied);
    faded.fill(Qt::transparent);
    QPainter painter(&faded);
    painter.setOpacity(kDisabledOpacity);
    painter.drawImage(0, 0, image);
    return faded;
}

} // namespace

ImageButton::ImageButton(const QImage &normalImage, const QImage &downImage, QWidget *parent)
    : QPushButton(parent), m_downImage(downImage),
      m_fadeIn(makeFade(this, kDimOpacity, kFullOpacity)),
      m_fadeOut(makeFade(this, kFullOpacity, kDimOpacity)),
      m_pulse(new QSequentialAnimationGroup(this))
{
    setCursor(Qt::PointingHandCursor);
    auto *style = new VeltraCustomStyle;
    style->setParent(this);
    setStyle(style);
    if (!normalImage.isNull())
        m_normalImage = normalImage;
    m_disabledImage = halfTransparent(m_normalImage);
    m_pulse->addAnimation(m_fadeIn);
    m_pulse->addAnimation(m_fadeOut);
    m_pulse->setLoopCount(-1);
}

void ImageButton::startAttention()
{
    if (!isVisible() || m_pulse->state() == QAbstractAnimation::Running)
        return;
    auto *effect = new QGraphicsOpacityEffect(this);
    m_fadeIn->setTargetObject(effect);
    m_fadeOut->setTargetObject(effect);
    effect->setEnabled(false);
    setGraphicsEffect(effect);
    effect->setEnabled(true);
    m_pulse->start();
}

void ImageButton::stopAttention()
{
    if (!isVisible() || m_pulse->state() == QAbstractAnimation::Stopped)
        return;
    m_pulse->stop();
    m_fadeInFinished = connect(m_fadeIn, &QAbstractAnimation::finished, this,
                               &ImageButton::fadeInAnimationStopped);
    m_fadeIn->start();
}

bool ImageButton::isPulsing() const
{
    return m_pulse->state() == QAbstractAnimation::Running;
}

void ImageButton::setVisible(bool visible)
{
    if (!visible) {
        stopAttention();
        // Nobody sees the closing fade of a hidden button: finish it at once.
        if (m_fadeIn->state() == QAbstractAnimation::Running)
            m_fadeIn->setCurrentTime(m_fadeIn->duration());
    }
    QPushButton::setVisible(visible);
}

void ImageButton::fadeInAnimationStopped()
{
    disconnect(m_fadeInFinished);
    setGraphicsEffect(nullptr);
    update();
}

} // namespace Corvane
