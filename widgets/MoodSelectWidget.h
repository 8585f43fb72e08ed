#pragma once

#include "Enums.h"

#include <QImage>
#include <QLine>
#include <QRect>
#include <QUuid>
#include <QWidget>

#include <array>

namespace Corvane {

// The filter panel under the colour wheel. For "normal" cards: six mood buttons, an
// all-moods choice and, when the collection has one, the exterior-only switch; for
// "duvalin" cards: one switch that hides made-to-order chips. It sizes itself to its
// content, reads the filters from the state store and only reports presses and keys by
// signals.
class MoodSelectWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MoodSelectWidget(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Computes the rectangles when the geometry changed since the last run.
    void runLayout();

    // Geometry shared by painting and hit testing; null until laid out.
    QRect moodRect(Mood mood) const;
    QRect allMoodsRect() const { return m_allMoodsRect; }
    QRect exteriorRect() const { return m_exteriorRect; }
    QRect mtoRect() const { return m_mtoRect; }
    QLine rowLine() const { return m_rowLine; }
    QLine columnLine() const { return m_columnLine; }
    QLine exteriorLine() const { return m_exteriorLine; }

public slots:
    void selectedCollectionChanged(const QUuid &collectionId);

signals:
    void moodFilterChangedInteractively(Mood newMood);
    void exteriorFilterChangedInteractively(bool exterior);
    void showMtoChangedInteractively(bool showMto);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct MoodImages
    {
        QImage normal;
        QImage selected;
    };

    void loadImages();
    // Lays out the panel for `cardType`; returns the size it asks for.
    QSize layoutNormal(bool exteriorFilter);
    QSize layoutDuvalin();
    void paintNormal(QPainter &painter, const QUuid &collection);
    void paintDuvalin(QPainter &painter, const QUuid &collection);
    void paintMoodButton(QPainter &painter, const QUuid &collection, Mood mood, bool exteriorOnly,
                         Mood selected);
    // A label in `rect` after the tick column, with the tick in front when `ticked`.
    void paintTickLabel(QPainter &painter, const QRect &rect, const QString &text,
                        bool ticked) const;
    // A press at `position`, by the mouse or a key.
    void pressAt(const QPoint &position);
    void pressNormal(const QPoint &position, const QUuid &collection);
    // Reports the next mood in direction `step` (+1 or -1) of the keys' order that can be
    // chosen, if there is one.
    void stepMood(int step);
    static bool moodSelectable(const QUuid &collection, Mood mood, bool exterior);
    bool overPressable(const QPoint &position, CardType cardType, bool exteriorFilter) const;
    void updateCursor(const QPoint &position);
    // The first mood button that holds `position`, or MoodNone.
    Mood moodAt(const QPoint &position) const;

    std::array<MoodImages, 6> m_moodImages;
    QImage m_tickImage;
    QImage m_disabledImage;
    std::array<QRect, 6> m_moodRects;
    QRect m_allMoodsRect;
    QRect m_exteriorRect;
    QRect m_mtoRect;
    QLine m_rowLine;
    QLine m_columnLine;
    QLine m_exteriorLine;
    QRect m_laidOutGeometry;
};

} // namespace Corvane
