#include "CardRollerWidget.h"

#include "CardQueries.h"
#include "ChipDrag.h"
#include "CollectionRegistry.h"
#include "CollectionSettings.h"
#include "ColorMath.h"
#include "ColorText.h"
#include "DragPayload.h"
#include "FocusMark.h"
#include "InterfaceFonts.h"
#include "MainWidget.h"
#include "RectCorners.h"
#include "StateStore.h"
#include "StatusCodes.h"
#include "ThemeResources.h"
#include "WidgetShortcuts.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

namespace Corvane {

namespace {

constexpr int kFontStep = 1;
constexpr int kOuterMargin = 2;
constexpr int kCardGap = 5;
constexpr int kSideCardDivisor = 4;
constexpr int kSideCardReserve = 14;
constexpr QSize kMtoPlaceholderSize(96, 50);
constexpr int kChipOutlineLightness = 150;
constexpr int kChipOutlineAlpha = 32;
constexpr qreal kSelectionWidth = 2.0;
// The focus frame takes the place of the current card's outer shadow line, which keeps it
// inside the widget and clear of the side cards.
constexpr int kFocusMargin = 2;

const QColor kFrameShadowOuter(64, 64, 64, 24);
const QColor kFrameShadowInner(64, 64, 64, 48);
const QColor kFrameLine(64, 64, 64, 255);
const QColor kSelectionColor(255, 255, 255, 224);
const QString kMtoImageKey = QStringLiteral("image.mto");
// Tall and deep glyphs, so that every title fits the measured line.
const QString kTitleSample = QStringLiteral("\u0102\u0081g");

// Chips come back from the schemers, My Palette and the trend colours; the roller's own
// chips are refused. Without the picker's payload, a "#RRGGBB" text is taken.
bool acceptedDrop(const QMimeData *mime)
{
    if (!hasChipPayload(mime)) {
        QColor color;
        return colorFromMimeText(mime, color);
    }
    const int source = payloadSource(mime);
    return source == ColorSchemer || source == MyPalette || source == ColorVistral;
}

bool isMasked(const DB::ColorEntry &entry, bool maskMto)
{
    return maskMto && entry.isMto;
}

} // namespace

CardRollerWidget::CardRollerWidget(QWidget *parent) : QWidget(parent), m_paintOrder {0, 1, 2}
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_MouseTracking);
    setAcceptDrops(true);
    loadMtoPixmap(StateStore().uuidOfLastUsedCollection());
    setFont(boldFont(kFontStep));
}

void CardRollerWidget::selectedCollectionChanged(const QUuid &collectionId)
{
    loadMtoPixmap(collectionId);
}

void CardRollerWidget::loadMtoPixmap(const QUuid &collection)
{
    m_mtoPixmap = QPixmap::fromImage(DB::themeImage(collection, kMtoImageKey, kMtoPlaceholderSize));
}

void CardRollerWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateGeometryRects();
}

void CardRollerWidget::updateGeometryRects()
{
    const int w = width();
    const int h = height();
    const int side = (w - kSideCardReserve) / kSideCardDivisor;
    const int titleHeight = QFontMetrics(font()).size(Qt::TextSingleLine, kTitleSample).height();
    const int top = titleHeight + kOuterMargin;
    const int bottom = h - 1 - kOuterMargin;
    m_cardRects[LeftCard] = rectFromCorners(kOuterMargin, top, side + 1, bottom);
    m_cardRects[MiddleCard]
        = rectFromCorners(side + 1 + kCardGap, top, w - side - 2 - kCardGap, bottom);
    m_cardRects[RightCard]
        = rectFromCorners(w - side - kOuterMargin, top, w - 1 - kOuterMargin, bottom);
    for (int card = 0; card < kCardCount; ++card)
        m_titleRects[card] = rectFromCorners(m_cardRects[card].left(), 0, m_cardRects[card].right(),
                                             titleHeight + 1);
    m_dropArea = rectFromCorners(kOuterMargin, top, w - 1 - kOuterMargin, bottom);
    m_focusRect = m_cardRects[MiddleCard].adjusted(-kFocusMargin, -kFocusMargin, kFocusMargin,
                                                   kFocusMargin);
}

QVector<QRect> CardRollerWidget::chipLayout(const QRect &cardRect, int rowCount)
{
    QVector<QRect> chips;
    if (rowCount < 1)
        return chips;
    const QRect area = cardRect.adjusted(1, 1, -1, -1);
    const int x1 = area.left();
    const int x2 = area.right();
    const int y1 = area.top();
    const int y2 = area.bottom();
    const int chipHeight = (y2 - y1 - rowCount + 2) / rowCount;
    int top = y1;
    for (int row = 0; row < rowCount; ++row) {
        const int bottom = row == rowCount - 1 ? y2 : top + chipHeight - 1;
        chips.append(rectFromCorners(x1, top, x2, bottom));
        top += chipHeight + 1;
    }
    return chips;
}

bool CardRollerWidget::mtoMasked() const
{
    const QUuid collection = StateStore().uuidOfLastUsedCollection();
    return CollectionSettings::cardType(collection) == CardTypeDuvalin
        && !StateStore().showMto(collection);
}

bool CardRollerWidget::loadShownPages(const QUuid &collection)
{
    const StateStore store;
    const int mood = store.moodFilter(collection);
    const bool exterior = store.exteriorColors(collection);
    DB::ColorPage &middle = m_shownPages[MiddleCard];
    if (DB::loadPageByIndex(collection, store.pageIndex(collection), middle) != DB::StatusOk)
        return false;
    return DB::loadNeighbourPage(collection, middle.pageIndex, false, mood, exterior,
                                 m_shownPages[RightCard])
        == DB::StatusOk
        && DB::loadNeighbourPage(collection, middle.pageIndex, true, mood, exterior,
                                 m_shownPages[LeftCard])
        == DB::StatusOk;
}

void CardRollerWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    paintFrames(painter);
    if (hasFocus())
        paintFocusFrame(painter, m_focusRect);

    const QUuid collection = StateStore().uuidOfLastUsedCollection();
    const bool maskMto = mtoMasked();
    const int currentRow = StateStore().rowIndex(collection);
    if (!loadShownPages(collection)) {
        for (QVector<QRect> &chips : m_chipRects)
            chips.clear();
        return;
    }
    QRect selection;
    for (int card : std::as_const(m_paintOrder))
        paintCard(painter, card, maskMto, currentRow, selection);
    if (selection.isNull())
        return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kSelectionColor, kSelectionWidth));
    painter.drawRect(selection.adjusted(-1, -1, 1, 1));
}

void CardRollerWidget::paintFrames(QPainter &painter) const
{
    painter.setBrush(Qt::NoBrush);
    for (const QRect &card : m_cardRects) {
        painter.setPen(kFrameShadowOuter);
        painter.drawRoundedRect(card.adjusted(-2, -2, 1, 1), 3.0, 3.0);
        painter.setPen(kFrameShadowInner);
        painter.drawRoundedRect(card.adjusted(-1, -1, 0, 0), 2.0, 2.0);
        painter.setPen(kFrameLine);
        painter.drawRect(card.adjusted(0, 0, -1, -1));
    }
}

QString CardRollerWidget::cardTitle(int card) const
{
    const DB::ColorPage &page = m_shownPages.at(card);
    const QVector<qint64> &order = DB::pageNameDisplayOrder();
    const QString title = page.name(order.isEmpty() ? -1 : int(order.first()));
    return title.isEmpty() ? QString::number(page.pageIndex) : title;
}

void CardRollerWidget::paintCard(QPainter &painter, int card, bool maskMto, int currentRow,
                                 QRect &selection)
{
    const DB::ColorPage &page = m_shownPages.at(card);
    const QRect titleRect = m_titleRects.at(card);
    painter.setPen(Qt::white);
    painter.drawText(
        titleRect, Qt::AlignCenter | Qt::TextSingleLine,
        painter.fontMetrics().elidedText(cardTitle(card), Qt::ElideRight, titleRect.width()));

    const QRect cardRect = m_cardRects.at(card);
    m_chipRects[card] = chipLayout(cardRect, int(page.rows.size()));
    const QVector<QRect> &chips = m_chipRects.at(card);
    for (int row = 0; row < chips.size(); ++row) {
        const DB::ColorEntry &entry = page.rows.at(row);
        const QRect chip = chips.at(row);
        const QColor color(entry.red, entry.green, entry.blue);
        painter.fillRect(chip, color);
        if (maskMto && entry.isMto)
            painter.drawPixmap(chip, scaledMtoPixmap(chip.size()));
        QColor outline = color.lighter(kChipOutlineLightness);
        outline.setAlpha(kChipOutlineAlpha);
        painter.setPen(outline);
        painter.drawRect(chip.adjusted(0, 0, -1, -1));
        if (row < chips.size() - 1) {
            painter.setPen(kFrameLine);
            painter.drawLine(chip.left(), chip.bottom() + 1, chip.right(), chip.bottom() + 1);
        }
        if (card == MiddleCard && entry.rowIndex == currentRow)
            selection = chip;
    }
}

// The overlay fitted to a chip, scaled at device pixels so that it stays sharp on HiDPI screens.
QPixmap CardRollerWidget::scaledMtoPixmap(const QSize &chipSize) const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap scaled
        = m_mtoPixmap.scaled(chipSize * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

CardRollerWidget::ChipHit CardRollerWidget::chipAt(const QPoint &position) const
{
    for (int card : m_paintOrder) {
        if (!m_cardRects.at(card).contains(position))
            continue;
        const QVector<QRect> &chips = m_chipRects.at(card);
        for (int row = 0; row < chips.size(); ++row) {
            if (chips.at(row).contains(position))
                return {card, row};
        }
    }
    return {};
}

bool CardRollerWidget::isMaskedChip(const ChipHit &hit, bool maskMto) const
{
    const std::vector<DB::ColorEntry> &rows = m_shownPages.at(hit.card).rows;
    return hit.row < int(rows.size()) && isMasked(rows.at(hit.row), maskMto);
}

void CardRollerWidget::mousePressEvent(QMouseEvent *event)
{
    QToolTip::hideText();
    if (event->buttons() != Qt::LeftButton)
        return;
    m_pressPos = event->globalPosition().toPoint();
    const bool maskMto = mtoMasked();
    const ChipHit hit = chipAt(event->position().toPoint());
    if (hit.card < 0)
        return;
    if (hit.card == LeftCard)
        emit roll(DirectionBackward);
    else if (hit.card == RightCard)
        emit roll(DirectionForward);
    // The row is compared after the roll, on the card that is now current.
    const int row = hit.row + 1;
    const int currentRow = StateStore().rowIndex(StateStore().uuidOfLastUsedCollection());
    if (row != currentRow && !isMaskedChip(hit, maskMto))
        emit rowChangedInteractively(row);
}

void CardRollerWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_pressPos = QPoint();
}

void CardRollerWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton) {
        if ((event->globalPosition().toPoint() - m_pressPos).manhattanLength()
            > QApplication::startDragDistance())
            startDragAt(event->position().toPoint());
        return;
    }
    if (event->buttons() != Qt::NoButton)
        return;
    const ChipHit hit = chipAt(event->position().toPoint());
    if (hit.card < 0) {
        if (QToolTip::isVisible())
            QToolTip::hideText();
        return;
    }
    if (isMaskedChip(hit, mtoMasked())) {
        QToolTip::hideText();
        return;
    }
    const QUuid collection = StateStore().uuidOfLastUsedCollection();
    const DB::ColorEntry &entry = m_shownPages.at(hit.card).rows.at(hit.row);
    const QRect chip = m_chipRects.at(hit.card).at(hit.row);
    QToolTip::showText(mapToGlobal(chip.topRight()),
                       DB::colorTooltipText(collection, entry.id, true), this);
}

void CardRollerWidget::wheelEvent(QWheelEvent *event)
{
    emit roll(event->angleDelta().y() >= 0 ? DirectionBackward : DirectionForward);
}

// Copy and paste reach the roller before any window shortcut on the same keys.
bool CardRollerWidget::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void CardRollerWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        copyCurrentChip();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteColor();
        return;
    }
    if (heldModifiers(*event) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        emit roll(DirectionBackward);
        break;
    case Qt::Key_Right:
        emit roll(DirectionForward);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        moveRowByKey(event->key());
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool CardRollerWidget::loadCurrentCard(DB::ColorPage &page) const
{
    const QUuid collection = StateStore().uuidOfLastUsedCollection();
    return DB::loadPageByIndex(collection, StateStore().pageIndex(collection), page)
        == DB::StatusOk;
}

void CardRollerWidget::moveRowByKey(int key)
{
    DB::ColorPage page;
    if (!loadCurrentCard(page))
        return;
    const bool maskMto = mtoMasked();
    QVector<int> rows;
    for (const DB::ColorEntry &entry : page.rows) {
        if (!isMasked(entry, maskMto))
            rows.append(entry.rowIndex);
    }
    if (rows.isEmpty())
        return;
    const int current = StateStore().rowIndex(StateStore().uuidOfLastUsedCollection());
    int target = current;
    if (key == Qt::Key_Home) {
        target = rows.first();
    } else if (key == Qt::Key_End) {
        target = rows.last();
    } else if (key == Qt::Key_Up) {
        const auto above = std::find_if(rows.crbegin(), rows.crend(),
                                        [current](int row) { return row < current; });
        if (above != rows.crend())
            target = *above;
    } else {
        const auto below = std::find_if(rows.cbegin(), rows.cend(),
                                        [current](int row) { return row > current; });
        if (below != rows.cend())
            target = *below;
    }
    if (target != current)
        emit rowChangedInteractively(target);
}

// The current chip as "#RRGGBB", a tab and its label; a chip behind the overlay is not
// given away.
void CardRollerWidget::copyCurrentChip() const
{
    DB::ColorPage page;
    if (!loadCurrentCard(page))
        return;
    const int current = StateStore().rowIndex(StateStore().uuidOfLastUsedCollection());
    const bool maskMto = mtoMasked();
    for (const DB::ColorEntry &entry : page.rows) {
        if (entry.rowIndex == current && !isMasked(entry, maskMto)) {
            QGuiApplication::clipboard()->setText(chipText(entry));
            return;
        }
    }
}

void CardRollerWidget::pasteColor()
{
    QColor color;
    if (!colorFromMimeText(QGuiApplication::clipboard()->mimeData(), color))
        return;
    QUuid collection;
    DB::ColorEntry row;
    if (colorTarget(color, QString(), QString(), collection, row))
        goToChip(collection, row);
}

// Only chips of the current card can be dragged away.
void CardRollerWidget::startDragAt(const QPoint &position)
{
    const ChipHit hit = chipAt(position);
    if (hit.card != MiddleCard)
        return;
    const std::vector<DB::ColorEntry> &rows = m_shownPages.at(MiddleCard).rows;
    if (hit.row >= int(rows.size()))
        return;
    startChipDrag(this, CardRoller, StateStore().uuidOfLastUsedCollection(), rows.at(hit.row));
}

void CardRollerWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (acceptedDrop(event->mimeData()))
        event->acceptProposedAction();
}

void CardRollerWidget::dragMoveEvent(QDragMoveEvent *event)
{
    event->setDropAction(Qt::IgnoreAction);
    event->ignore();
    if (acceptedDrop(event->mimeData()) && m_dropArea.contains(event->position().toPoint()))
        event->acceptProposedAction();
}

// A dropped chip or colour, or a colour's text, brings its card and row into view.
void CardRollerWidget::dropEvent(QDropEvent *event)
{
    const QMimeData *mime = event->mimeData();
    QColor textColor;
    const bool payload = hasChipPayload(mime);
    if (!payload && !colorFromMimeText(mime, textColor)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    QUuid collection;
    DB::ColorEntry row;
    const bool found = payload ? dropTarget(mime, collection, row)
                               : colorTarget(textColor, QString(), QString(), collection, row);
    if (found)
        goToChip(collection, row);
}

void CardRollerWidget::goToChip(const QUuid &collection, const DB::ColorEntry &row)
{
    DB::ColorPage page;
    if (DB::loadPageById(collection, row.pageId, true, page) != DB::StatusOk)
        return;
    const StateStore store;
    if (collection != store.uuidOfLastUsedCollection())
        emit collectionSelectedInteractively(collection);
    if (collection != store.uuidOfLastUsedCollection())
        return;
    if (page.pageIndex != store.pageIndex(collection))
        emit pageChangedInteractively(page.pageIndex);
    if (row.rowIndex != store.rowIndex(collection))
        emit rowChangedInteractively(row.rowIndex);
}

bool CardRollerWidget::dropTarget(const QMimeData *mime, QUuid &collection,
                                  DB::ColorEntry &row) const
{
    DB::ColorPage page;
    if (decodeChip(mime, collection, row) == DB::StatusOk
        && DB::loadPageById(collection, row.pageId, true, page) == DB::StatusOk)
        return true;
    if (!hasPayloadColor(mime))
        return false;
    QColor color;
    QString name1;
    QString name2;
    decodeColor(mime, color);
    decodeNames(mime, name1, name2);
    return colorTarget(color, name1, name2, collection, row);
}

bool CardRollerWidget::colorTarget(const QColor &color, const QString &name1, const QString &name2,
                                   QUuid &collection, DB::ColorEntry &row) const
{
    bool found = false;
    for (const QString &name : {name1, name2}) {
        if (!name.isEmpty() && DB::findRowByCodeInEnabledCollections(name, row) == DB::StatusOk) {
            found = true;
            break;
        }
    }
    if (!found)
        found = DB::findRowByRgbInEnabledCollections(color, row) == DB::StatusOk
            || nearColorTarget(color, row);
    if (!found)
        return false;
    collection = DB::collectionUuidForDbId(row.collectionId);
    return true;
}

// The nearest chip of the collection on show, when it differs by less than the first
// difference interval of the collection.
bool CardRollerWidget::nearColorTarget(const QColor &color, DB::ColorEntry &row) const
{
    if (!currentMainWidget)
        return false;
    QVector<NearestMatch> matches;
    findNearestColors(labFromColor(color), currentMainWidget->labEntries(), matches, 1);
    const QUuid collection = StateStore().uuidOfLastUsedCollection();
    const QVector<double> intervals = CollectionSettings::cie2000DeltaIntervals(collection);
    return !matches.isEmpty() && !intervals.isEmpty() && matches.first().deltaE < intervals.first()
        && DB::loadRowById(collection, matches.first().rowId, row) == DB::StatusOk;
}

} // namespace Corvane
