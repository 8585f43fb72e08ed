#pragma once

#include <QImage>
#include <QPointF>
#include <QUuid>
#include <QVector>
#include <QWidget>

class QPainter;

namespace Corvane {

// The dial of colour-wheel segments beside the card roller: a background image, a white
// pointer aimed at the current segment ("SegmentIndex") and an arc over its sector. Pressing,
// dragging, turning the mouse wheel or the arrow keys report a segment; the wheel never changes
// state itself.
class ColorWheelWidget : public QWidget
{
    Q_OBJECT

public:
    // An angular range of one segment, radians counter-clockwise from 3 o'clock.
    struct SegmentRange
    {
        enum Bound : quint8 { ToInclusive = 1, FromInclusive = 2 };

        double from = 0.0;
        double to = 0.0;
        quint8 bounds = ToInclusive | FromInclusive;
        int segment = 0;

        bool contains(double angle) const;
    };

    explicit ColorWheelWidget(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Geometry shared by painting and hit testing.
    QPointF center() const { return {m_centerX, m_centerY}; }
    double hitRadius() const { return m_hitRadius; }
    const QVector<SegmentRange> &segmentRanges() const { return m_segmentRanges; }
    // The angle at which the pointer for `segment` stands.
    double segmentAngle(int segment) const;
    // The point at `radius` from the centre on `angle`.
    QPointF pointAt(double radius, double angle) const;
    // The angle of a widget point; the point must not be the centre.
    double angleOf(const QPointF &point) const;
    // The segment whose range holds `angle`, or 0.
    int segmentAtAngle(double angle) const;

public slots:
    void selectedCollectionChanged(const QUuid &collectionId);

signals:
    void segmentChangedInteractively(int newSegment);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void reload(const QUuid &collection);
    void layoutCounterClockwise(double half);
    void layoutClockwise(double half);
    void appendRange(double from, double to, int segment);
    // Handles a press or a drag at `position`.
    void pointAtSegment(const QPointF &position);
    // Reports the next segment in direction `step` (+1 or -1) that has a passing card.
    void stepSegment(int step);
    void paintPointer(QPainter &painter, double angle) const;
    // The segment the query confirms for `segment` under the current filters, or -1.
    int confirmedSegment(const QUuid &collection, int segment) const;

    QImage m_background;
    QVector<SegmentRange> m_segmentRanges;
    QVector<int> m_presentSegments;
    double m_centerX = 0.0;
    double m_centerY = 0.0;
    double m_hubRadius = 0.0;
    double m_hitRadius = 0.0;
    double m_pointerRadius = 0.0;
    double m_arcRadius = 0.0;
    int m_segmentCount = 0;
    double m_firstAngle = 0.0;
    int m_orientation = 0;
    double m_segmentSpan = 0.0;
    bool m_dragging = false;
};

} // namespace Corvane
