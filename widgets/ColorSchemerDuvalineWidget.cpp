#include "ColorSchemerDuvalineWidget.h"

#include "ChipDrag.h"
#include "CollectionSettings.h"
#include "FocusMark.h"
#include "InterfaceFonts.h"
#include "RectCorners.h"
#include "RichToolTip.h"
#include "SchemeQueries.h"
#include "StateStore.h"
#include "StatusCodes.h"
#include "TabPageHelpers.h"
#include "ThemeResources.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace Corvane {

namespace {

constexpr int kFontStep = 2;
constexpr int kMargin = 12;
constexpr int kColumnGap = 4;
const QColor kCaptionBoxColor(99, 99, 99);
const QColor kHintColor(188, 188, 188);
const QString kWideContrastKey = QStringLiteral("harmonizer.palette.scheme.wide.contrast");
const QString kContrastKey = QStringLiteral("harmonizer.palette.scheme.contrast");
const QString kWideContrastTipKey
    = QStringLiteral("tiptext.harmonizer.palette.scheme.wide.contrast");
const QString kContrastTipKey = QStringLiteral("tiptext.harmonizer.palette.scheme.contrast");
const QString kDragHintKey = QStringLiteral("harmonizer.drag.drop.message");
constexpr int kMiddleColumn = 1;

} // namespace

ColorSchemerDuvalineWidget::ColorSchemerDuvalineWidget(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_MouseTracking);
    reloadTexts(StateStore().uuidOfLastUsedCollection());
    layoutItems(rect());
    setFont(normalFont(kFontStep));
}

void ColorSchemerDuvalineWidget::selectedCollectionChanged(const QUuid &collectionId)
{
    reloadTexts(collectionId);
    layoutItems(rect());
}

void ColorSchemerDuvalineWidget::reloadTexts(const QUuid &collection)
{
    const QString wide = DB::localeString(collection, kWideContrastKey);
    m_captionTexts = {QStringLiteral("%1 1").arg(wide), DB::localeString(collection, kContrastKey),
                      QStringLiteral("%1 2").arg(wide)};
}

void ColorSchemerDuvalineWidget::resizeEvent(QResizeEvent *)
{
    layoutItems(rect());
}

void ColorSchemerDuvalineWidget::layoutItems(const QRect &rect)
{
    const int fh = QFontMetrics(font()).height();
    const QRect area
        = rectFromCorners(rect.left() + kMargin, rect.top() + kMargin, rect.right() - kMargin,
                          rect.bottom() - kMargin - (fh + kMargin));
    const int c = (area.right() - area.left() - 7) / kColumnCount;
    const int top = area.top() + (area.height() - (2 * fh + 12) - c / 2) / 2;
    m_sections.clear();
    for (int i = 0; i < kColumnCount; ++i) {
        const int x = kMargin + i * (c + kColumnGap);
        m_captionRects.at(size_t(i)) = rectFromCorners(x, top, x + c - 1, top + fh + 5);
        m_chipRects.at(size_t(i))
            = rectFromCorners(x, top + 2 * fh + 11, x + c - 1, top + 2 * fh + 10 + c / 2);
        m_sections.emplace_back(m_captionRects.at(size_t(i)), m_captionTexts.at(size_t(i)));
    }
}

void ColorSchemerDuvalineWidget::loadChips(const QUuid &collection)
{
    const StateStore store;
    std::vector<DB::ColorEntry> entries;
    m_chips.clear();
    if (DB::loadContrastSchemeRows(collection, store.pageIndex(collection),
                                   store.rowIndex(collection), entries)
            != DB::StatusOk
        || entries.size() != size_t(kColumnCount))
        return;
    for (size_t i = 0; i < entries.size(); ++i)
        m_chips.emplace_back(m_chipRects.at(i), entries.at(i));
}

void ColorSchemerDuvalineWidget::paintEvent(QPaintEvent *)
{
    const QUuid collection = StateStore().uuidOfLastUsedCollection();
    loadChips(collection);

    QPainter painter(this);
    painter.setRenderHints(QPainter::TextAntialiasing);
    for (const auto &[box, text] : m_sections) {
        painter.fillRect(box, kCaptionBoxColor);
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter, text);
        painter.drawText(box, Qt::AlignCenter, text);
    }
    for (const auto &[chipRect, entry] : m_chips) {
        painter.fillRect(chipRect, QColor(entry.red, entry.green, entry.blue));
        drawChipBlockFrame(painter, chipRect.adjusted(-1, -1, 1, 1));
    }

    QFont hintFont = font();
    hintFont.setItalic(true);
    painter.setFont(hintFont);
    painter.setPen(kHintColor);
    const int fh = QFontMetrics(font()).height();
    const QRect hint = rectFromCorners(rect().left() + kMargin, rect().bottom() - kMargin - fh,
                                       rect().right() - kMargin, rect().bottom() - kMargin);
    const QString text = DB::localeString(collection, kDragHintKey);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.drawText(hint, flags, text);
    painter.drawText(hint, flags, text);
    paintFocusMark(painter, *this);
}

void ColorSchemerDuvalineWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton)
        m_pressPos = event->globalPosition().toPoint();
}

void ColorSchemerDuvalineWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_pressPos = QPoint(0, 0);
}

void ColorSchemerDuvalineWidget::mouseMoveEvent(QMouseEvent *event)
{
    setCursor(Qt::ArrowCursor);
    const QPoint position = event->position().toPoint();
    if (event->buttons() == Qt::LeftButton) {
        if ((event->globalPosition().toPoint() - m_pressPos).manhattanLength()
                <= QApplication::startDragDistance()
            || m_chips.size() != size_t(kColumnCount))
            return;
        for (size_t i = 0; i < m_chipRects.size(); ++i) {
            if (m_chipRects.at(i).contains(position)) {
                startChipDrag(this, ColorSchemer, StateStore().uuidOfLastUsedCollection(),
                              m_chips.at(i).second);
                return;
            }
        }
        return;
    }
    if (event->buttons() == Qt::NoButton)
        showToolTip(position);
}

void ColorSchemerDuvalineWidget::showToolTip(const QPoint &position)
{
    QString text;
    QPoint anchor(0, 0);
    for (size_t i = 0; i < m_captionRects.size(); ++i) {
        const QRect &box = m_captionRects.at(i);
        if (!box.contains(position))
            continue;
        const QString key = i == kMiddleColumn ? kContrastTipKey : kWideContrastTipKey;
        text = richToolTip(DB::localeString(StateStore().uuidOfLastUsedCollection(), key));
        anchor = mapToGlobal(box.topRight());
        QToolTip::showText(anchor, text);
        return;
    }
    if (m_chips.size() == size_t(kColumnCount)) {
        for (size_t i = 0; i < m_chipRects.size(); ++i) {
            if (m_chipRects.at(i).contains(position)) {
                text = DB::colorTooltipText(StateStore().uuidOfLastUsedCollection(),
                                            m_chips.at(i).second.id, true);
                anchor = mapToGlobal(m_chipRects.at(i).topRight());
                break;
            }
        }
    }
    QToolTip::showText(anchor, text);
}

} // namespace Corvane
