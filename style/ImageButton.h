#pragma once

#include <QImage>
#include <QPushButton>

class QPropertyAnimation;
class QSequentialAnimationGroup;

namespace Corvane {

// A push button drawn from images, with an optional pulsing attention animation.
class ImageButton : public QPushButton
{
    Q_OBJECT

public:
    ImageButton(const QImage &normalImage, const QImage &downImage, QWidget *parent = nullptr);

    QImage normalImage() const { return m_normalImage; }
    QImage downImage() const { return m_downImage; }
    QImage disabledImage() const { return m_disabledImage; }

    // Pulses between opacity 0.2 and 1.0 until stopped; only while visible.
    void startAttention();
    // Ends the pulse with one fade-in to full opacity.
    void stopAttention();
    bool isPulsing() const;

public Q_SLOTS:
    void setVisible(bool visible) override;

protected Q_SLOTS:
    void fadeInAnimationStopped();

private:
    QImage m_normalImage;
    QImage m_downImage;
    QImage m_disabledImage;
    QPropertyAnimation *m_fadeIn;
    QPropertyAnimation *m_fadeOut;
    QSequentialAnimationGroup *m_pulse;
    QMetaObject::Connection m_fadeInFinished;
};

} // namespace Corvane
