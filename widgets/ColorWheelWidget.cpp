#include "ColorWheelWidget.h"

#include "CardQueries.h"
#include "CollectionSettings.h"
#include "FocusMark.h"
#include "StateStore.h"
#include "StatusCodes.h"
#include "ThemeResources.h"
#include "WidgetShortcuts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QWheelEvent>

#include <cmath>

namespace Corvane {

namespace {

constexpr QSize kWheelSize(122, 122);
constexpr double kCenterX = 60.0;
constexpr double kCenterY = 61.0;
constexpr double kHubRadius = 6.0;
constexpr double kHitRadius = 57.0;
constexpr double kPointerRadius = 45.0;
constexpr double kArcRadius = 48.0;
constexpr double kTwoPi = 2.0 * M_PI;
constexpr double kHeadHalfAngle = M_PI / 20.0;
constexpr double kShaftShortening = 5.0;
constexpr double kTipShortening = 1.0;
constexpr double kHeadBaseShortening = 9.0;
constexpr qreal kShaftWidth = 3.0;
constexpr qreal kArcWidth = 2.0;
constexpr double kSixteenthsPerRadian = 16.0 * 180.0 / M_PI;

const QString kBackgroundKey = QStringLiteral("image.widget.color.wheel.background");

} // namespace

bool ColorWheelWidget::SegmentRange::contains(double angle) const
{
    const bool aboveFrom = (bounds & FromInclusive) ? angle >= from : angle > from;
    const bool belowTo = (bounds & ToInclusive) ? angle <= to : angle < to;
    return aboveFrom && belowTo;
}

ColorWheelWidget::ColorWheelWidget(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(kWheelSize);
    setMaximumSize(kWheelSize);
    setFixedSize(kWheelSize);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_MouseTracking);
    reload(StateStore().uuidOfLastUsedCollection());
    m_dragging = false;
}

QSize ColorWheelWidget::sizeHint() const
{
    return kWheelSize;
}

QSize ColorWheelWidget::minimumSizeHint() const
{
    return kWheelSize;
}

void ColorWheelWidget::selectedCollectionChanged(const QUuid &collectionId)
{
    reload(collectionId);
}

void ColorWheelWidget::reload(const QUuid &collection)
{
    m_background = DB::systemThemeImage(kBackgroundKey, size());
    m_segmentRanges.clear();
    DB::loadSegments(collection, m_presentSegments);

    m_centerX = kCenterX;
    m_centerY = kCenterY;
    m_hubRadius = kHubRadius;
    m_hitRadius = kHitRadius;
    m_pointerRadius = kPointerRadius;
    m_arcRadius = kArcRadius;
    m_firstAngle = CollectionSettings::firstSegmentAngle(collection) * M_PI / 180.0;
    m_segmentCount = CollectionSettings::numOfSegments(collection);
    m_orientation = CollectionSettings::segmentIncrementOrientation(collection);
    if (m_segmentCount < 1) {
        m_segmentSpan = 0.0;
        return;
    }
    m_segmentSpan = kTwoPi / m_segmentCount;
    const double half = m_segmentSpan * 0.5;
    if (m_orientation == SegmentsCounterClockwise)
        layoutCounterClockwise(half);
    else
        layoutClockwise(half);
}

// Segment i is centred on firstAngle + (i - 1) * span; a sector that crosses 2π is split.
void ColorWheelWidget::layoutCounterClockwise(double half)
{
    double from = m_firstAngle - half;
    for (int segment = 1; segment <= m_segmentCount; ++segment) {
        const double to = from + m_segmentSpan;
        if (to <= kTwoPi) {
            appendRange(from, to, segment);
            from = to;
            continue;
        }
        const double wrapped = to - kTwoPi;
        appendRange(0.0, wrapped, segment);
        if (from < kTwoPi)
            appendRange(from, kTwoPi, segment);
        from = wrapped;
    }
}

// Segment i is centred on firstAngle - (i - 1) * span; a sector that crosses 0 is split.
void ColorWheelWidget::layoutClockwise(double half)
{
    double to = m_firstAngle + half;
    for (int segment = 1; segment <= m_segmentCount; ++segment) {
        const double from = to - m_segmentSpan;
        if (from >= 0.0) {
            appendRange(from, to, segment);
            to = from;
            continue;
        }
        const double wrapped = from + kTwoPi;
        appendRange(wrapped, kTwoPi, segment);
        if (to > 0.0)
            appendRange(0.0, to, segment);
        to = wrapped;
    }
}

// Segments that no card carries get no range and cannot be pointed at.
void ColorWheelWidget::appendRange(double from, double to, int segment)
{
    if (m_presentSegments.contains(segment))
        m_segmentRanges.append(
            {from, to, SegmentRange::ToInclusive | SegmentRange::FromInclusive, segment});
}

// A collection whose orientation is neither "CW" nor "CCW" is laid out clockwise, so the
// pointer turns clockwise too and always stands on the sector that hit testing uses.
double ColorWheelWidget::segmentAngle(int segment) const
{
    const double direction = m_orientation == SegmentsCounterClockwise ? 1.0 : -1.0;
    return m_firstAngle + (segment - 1) * m_segmentSpan * direction;
}

QPointF ColorWheelWidget::pointAt(double radius, double angle) const
{
    return {m_centerX + radius * std::cos(angle), m_centerY - radius * std::sin(angle)};
}

double ColorWheelWidget::angleOf(const QPointF &point) const
{
    const double dx = point.x() - m_centerX;
    const double dy = -(point.y() - m_centerY);
    const double radius = std::hypot(dx, dy);
    const double theta = std::asin(std::abs(dy) / radius);
    if (dx < 0.0 && dy >= 0.0)
        return M_PI - theta;
    if (dx < 0.0)
        return M_PI + theta;
    if (dy < 0.0)
        return kTwoPi - theta;
    return theta;
}

int ColorWheelWidget::segmentAtAngle(double angle) const
{
    for (const SegmentRange &range : m_segmentRanges) {
        if (range.contains(angle))
            return range.segment;
    }
    return 0;
}

void ColorWheelWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const double hubSide = 2.0 * m_hubRadius + 1.0;
    painter.drawEllipse(QRectF(m_centerX - m_hubRadius, m_centerY - m_hubRadius, hubSide, hubSide));

    // Without segments, or before any segment was stored, there is nothing to point at.
    const int segment = StateStore().segmentIndex(StateStore().uuidOfLastUsedCollection());
    if (m_segmentCount >= 1 && segment >= 1)
        paintPointer(painter, segmentAngle(segment));
    paintFocusMark(painter, *this);
}

// The pointer's shaft and head, and the arc over the segment's sector, at `angle`.
void ColorWheelWidget::paintPointer(QPainter &painter, double angle) const
{
    painter.setPen(QPen(Qt::white, kShaftWidth));
    painter.drawLine(QLineF(center(), pointAt(m_pointerRadius - kShaftShortening, angle)));

    painter.setPen(QPen(Qt::white, 0));
    const QPolygonF head {pointAt(m_pointerRadius - kTipShortening, angle),
                          pointAt(m_pointerRadius - kHeadBaseShortening, angle + kHeadHalfAngle),
                          pointAt(m_pointerRadius - kHeadBaseShortening, angle - kHeadHalfAngle)};
    painter.drawPolygon(head, Qt::OddEvenFill);

    painter.setPen(QPen(Qt::white, kArcWidth));
    painter.setBrush(Qt::NoBrush);
    const QRectF arcSquare(m_centerX - m_arcRadius, m_centerY - m_arcRadius, 2.0 * m_arcRadius,
                           2.0 * m_arcRadius);
    painter.drawArc(arcSquare, int((angle - m_segmentSpan * 0.5) * kSixteenthsPerRadian),
                    int(m_segmentSpan * kSixteenthsPerRadian));
}

void ColorWheelWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_dragging)
        return;
    const QPointF offset = event->position() - center();
    if (std::hypot(offset.x(), offset.y()) > m_hitRadius)
        return;
    m_dragging = true;
    pointAtSegment(event->position());
}

void ColorWheelWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        pointAtSegment(event->position());
}

void ColorWheelWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}

void ColorWheelWidget::pointAtSegment(const QPointF &position)
{
    const QPointF offset = position - center();
    const double radius = std::hypot(offset.x(), offset.y());
    if (radius <= 0.0 || radius > m_hitRadius)
        return;
    const int segment = segmentAtAngle(angleOf(position));
    if (segment == 0)
        return;
    emit segmentChangedInteractively(
        confirmedSegment(StateStore().uuidOfLastUsedCollection(), segment));
}

int ColorWheelWidget::confirmedSegment(const QUuid &collection, int segment) const
{
    const StateStore store;
    int answer = -1;
    if (DB::findSegmentWithPages(collection, segment, store.moodFilter(collection),
                                 store.exteriorColors(collection), answer)
        != DB::StatusOk)
        return -1;
    return answer;
}

void ColorWheelWidget::wheelEvent(QWheelEvent *event)
{
    stepSegment(event->angleDelta().y() < 0 ? 1 : -1);
}

// Left and Up turn the wheel like the mouse wheel turned up; Right and Down like turned down.
void ColorWheelWidget::keyPressEvent(QKeyEvent *event)
{
    const int step = arrowKeyStep(*event);
    if (step == 0)
        QWidget::keyPressEvent(event);
    else
        stepSegment(step);
}

// Steps to the neighbouring segment that has a card passing the filters. At most one full
// turn is tried: when no segment has such a card, nothing is reported.
void ColorWheelWidget::stepSegment(int step)
{
    if (m_segmentCount < 1)
        return;
    const QUuid collection = StateStore().uuidOfLastUsedCollection();
    int segment = StateStore().segmentIndex(collection);
    for (int tries = 0; tries < m_segmentCount; ++tries) {
        segment += step;
        if (segment < 1)
            segment = m_segmentCount;
        else if (segment > m_segmentCount)
            segment = 1;
        if (confirmedSegment(collection, segment) == segment) {
            emit segmentChangedInteractively(segment);
            return;
        }
    }
}

} // namespace Corvane
