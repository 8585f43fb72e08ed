#include "ColorVistralViewport.h"

#include "ChipDrag.h"
#include "CollectionSettings.h"
#include "InterfaceFonts.h"
#include "RectCorners.h"
#include "StateStore.h"
#include "TabPageHelpers.h"
#include "ThemeResources.h"
#include "VistralQueries.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMap>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace Corvane {

namespace {

constexpr int kFontStep = 2;
constexpr int kHeaderGap = 9; // empty rows under a group header
constexpr int kNameGap = 5; // rows between a chip and its first name
constexpr int kRowGap = 10;
constexpr int kCellGap = 4;
constexpr int kGroupGap = 10;
constexpr int kIconTextGap = 8;
constexpr QSize kIconPlaceholder(16, 16);
const QColor kChipOutline(64, 64, 64);
constexpr int kChipLightAlpha = 32;
constexpr int kChipLightFactor = 150;
const QString kOpenImageKey = QStringLiteral("image.color.vistral.group.open");
const QString kClosedImageKey = QStringLiteral("image.color.vistral.group.closed");

QSize textSize(const QFont &font, const QString &text)
{
    return QFontMetrics(font).size(Qt::TextSingleLine, text);
}

QUuid currentCollection()
{
    return StateStore().uuidOfLastUsedCollection();
}

} // namespace

ColorVistralViewport::ColorVistralViewport(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ColorVistralViewport"));
    setAttribute(Qt::WA_MouseTracking);
}

void ColorVistralViewport::reload(const QUuid &collection)
{
    m_groups.clear();
    m_groupOrder.clear();
    m_openStates.clear();
    m_groupRects.clear();
    m_entryRects.clear();
    DB::loadVistralGroups(collection, m_groups);

    const StateStore store;
    QMap<int, qint64> byOrder;
    for (auto it = m_groups.cbegin(); it != m_groups.cend(); ++it) {
        m_openStates.insert(
            it.key(), store.colorVistralGroupOpenState(collection, it.key(), it->defaultOpen));
        byOrder.insert(it->order, it.key());
    }
    m_groupOrder = byOrder.values();
    m_openImage = DB::systemThemeImage(kOpenImageKey, kIconPlaceholder);
    m_closedImage = DB::systemThemeImage(kClosedImageKey, kIconPlaceholder);
}

const DB::ColorVistralGroup *ColorVistralViewport::group(qint64 groupId) const
{
    const auto it = m_groups.constFind(groupId);
    return it == m_groups.cend() ? nullptr : &*it;
}

const DB::ColorVistralEntry *ColorVistralViewport::entry(qint64 groupId, qint64 entryId) const
{
    const DB::ColorVistralGroup *g = group(groupId);
    if (!g)
        return nullptr;
    for (const DB::ColorVistralEntry &e : g->entries) {
        if (e.id == entryId)
            return &e;
    }
    return nullptr;
}

QRect ColorVistralViewport::groupRect(qint64 groupId) const
{
    for (const auto &[rect, id] : m_groupRects) {
        if (id == groupId)
            return rect;
    }
    return QRect();
}

QRect ColorVistralViewport::iconRect(qint64 groupId) const
{
    const QRect rect = groupRect(groupId);
    const int side = m_openImage.height();
    return QRect(rect.topLeft(), QSize(side, side));
}

void ColorVistralViewport::resizeEvent(QResizeEvent *)
{
    if (!m_layingOut)
        layoutContent();
}

void ColorVistralViewport::layoutContent()
{
    m_layingOut = true;
    m_groupRects.clear();
    for (auto &rects : m_entryRects)
        rects.clear();
    int y = 0;
    for (qint64 id : std::as_const(m_groupOrder)) {
        const QRect rect = layoutGroup(id, y);
        m_groupRects.emplace_back(rect, id);
        y = rect.bottom() + kGroupGap;
    }
    resize(width(), y - kGroupGap + 1);
    m_layingOut = false;
}

// Lays out one group from row `top`; returns its rectangle.
QRect ColorVistralViewport::layoutGroup(qint64 groupId, int top)
{
    const DB::ColorVistralGroup &g = *group(groupId);
    const int w = width();
    const QSize chipSize = CollectionSettings::colorVistralChipSize(currentCollection());
    const QFont nameFont = italicFont(kFontStep);
    const int headerHeight
        = std::max(m_openImage.height(), textSize(normalFont(kFontStep), g.name).height());
    QRect rect = rectFromCorners(0, top, w - 1, top + headerHeight - 1);
    if (!m_openStates.value(groupId))
        return rect;

    int row = top + headerHeight + kHeaderGap;
    int x = 0;
    int lineHeight = chipSize.height();
    std::vector<std::pair<QRect, qint64>> &rects = m_entryRects[groupId];
    for (const DB::ColorVistralEntry &e : g.entries) {
        const QSize name1 = textSize(nameFont, e.name1);
        const QSize name2 = textSize(nameFont, e.name2);
        QRect chip(QPoint(x, row), chipSize);
        const QRect first = rectFromCorners(x, chip.bottom() + kNameGap, x + name1.width() - 1,
                                            chip.bottom() + name1.height() + kNameGap - 1);
        const QRect second
            = rectFromCorners(x, chip.bottom() + name1.height() + kNameGap, x + name2.width() - 1,
                              chip.bottom() + name1.height() + name2.height() + kNameGap - 1);
        QRect cell = chip.united(first).united(second);
        if (cell.right() >= w) {
            row += lineHeight + kRowGap;
            lineHeight = chipSize.height();
            const QPoint shift(-x, row - chip.top());
            chip.translate(shift);
            cell.translate(shift);
            x = 0;
        }
        rects.emplace_back(chip, e.id);
        lineHeight = std::max(lineHeight, cell.height());
        x += cell.width() + kCellGap;
    }
    rect.setBottom(row + lineHeight);
    return rect;
}

void ColorVistralViewport::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::TextAntialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const auto &[rect, id] : m_groupRects)
        paintGroup(painter, id, rect);
}

void ColorVistralViewport::paintGroup(QPainter &painter, qint64 groupId,
                                      const QRect &groupRect) const
{
    const DB::ColorVistralGroup *g = group(groupId);
    if (!g)
        return;
    const bool open = m_openStates.value(groupId);
    QRect header = rectFromCorners(groupRect.left(), groupRect.top(), groupRect.right(),
                                   groupRect.top() + m_openImage.height() - 1);
    painter.drawImage(groupRect.topLeft(), open ? m_openImage : m_closedImage);
    header.setLeft(header.left() + m_openImage.width() + kIconTextGap);
    painter.setFont(normalFont(kFontStep));
    painter.setPen(Qt::white);
    const int headerFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.drawText(header, headerFlags, g->name);
    painter.drawText(header, headerFlags, g->name);
    if (!open)
        return;

    const QFont nameFont = italicFont(kFontStep);
    for (const auto &[chip, entryId] : m_entryRects.value(groupId)) {
        const DB::ColorVistralEntry *e = entry(groupId, entryId);
        if (!e)
            continue;
        painter.fillRect(chip, e->color);
        painter.setPen(kChipOutline);
        painter.drawRect(chip);
        QColor light = e->color.lighter(kChipLightFactor);
        light.setAlpha(kChipLightAlpha);
        painter.setPen(light);
        painter.drawRect(chip.adjusted(1, 1, -1, -1));

        painter.setFont(nameFont);
        painter.setPen(Qt::white);
        const QSize name1 = textSize(nameFont, e->name1);
        const QSize name2 = textSize(nameFont, e->name2);
        const QRect first = rectFromCorners(chip.left(), chip.bottom() + kNameGap,
                                            chip.left() + name1.width() - 1,
                                            chip.bottom() + name1.height() + kNameGap - 1);
        const int firstBottom = chip.bottom() + name1.height() + kNameGap - 1;
        const QRect second
            = rectFromCorners(chip.left(), firstBottom + 2, chip.left() + name2.width() - 1,
                              firstBottom + name1.height() + 1);
        painter.drawText(QRectF(first), e->name1, QTextOption());
        painter.drawText(QRectF(first), e->name1, QTextOption());
        painter.drawText(QRectF(second), e->name2, QTextOption());
        painter.drawText(QRectF(second), e->name2, QTextOption());
    }
}

qint64 ColorVistralViewport::groupAt(const QPoint &position) const
{
    for (const auto &[rect, id] : m_groupRects) {
        if (rect.contains(position))
            return id;
    }
    return -1;
}

qint64 ColorVistralViewport::entryAt(qint64 groupId, const QPoint &position) const
{
    for (const auto &[rect, id] : m_entryRects.value(groupId)) {
        if (rect.contains(position))
            return id;
    }
    return -1;
}

void ColorVistralViewport::mousePressEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    m_pressPos = event->globalPosition().toPoint();
    const QPoint position = event->position().toPoint();
    const qint64 groupId = groupAt(position);
    if (groupId < 0)
        return;
    if (iconRect(groupId).contains(position)) {
        const bool open = !m_openStates.value(groupId);
        m_openStates.insert(groupId, open);
        StateStore().setColorVistralGroupOpenState(currentCollection(), groupId, open);
        layoutContent();
        // The content keeps its size while all groups fit; repaint all the same.
        update();
        return;
    }
    const DB::ColorVistralEntry *e = entry(groupId, entryAt(groupId, position));
    if (!e)
        return;
    m_dragColor = e->color;
    m_dragName1 = e->name1;
    m_dragName2 = e->name2;
    m_dragText = group(groupId)->name;
    for (const QString &name : {e->name1, e->name2}) {
        if (!name.isEmpty())
            m_dragText += QLatin1Char('\n') + name;
    }
}

void ColorVistralViewport::mouseReleaseEvent(QMouseEvent *)
{
    m_dragColor = Qt::transparent;
    m_dragText.clear();
    m_pressPos = QPoint(0, 0);
}

void ColorVistralViewport::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    const qint64 groupId = groupAt(position);
    const bool overTarget
        = groupId >= 0 && (iconRect(groupId).contains(position) || entryAt(groupId, position) >= 0);
    if (event->buttons() == Qt::LeftButton && m_dragColor != QColor(Qt::transparent)
        && (event->globalPosition().toPoint() - m_pressPos).manhattanLength()
            > QApplication::startDragDistance()) {
        startColorDrag(this, ColorVistral, m_dragColor, m_dragText, m_dragName1, m_dragName2);
        return;
    }
    setCursor(overTarget ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

} // namespace Corvane
