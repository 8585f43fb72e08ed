#include "ColorSchemerWidget.h"

#include "CardQueries.h"
#include "ChipDrag.h"
#include "CollectionRegistry.h"
#include "CollectionSettings.h"
#include "ColorMath.h"
#include "FocusMark.h"
#include "InterfaceFonts.h"
#include "RectCorners.h"
#include "RichToolTip.h"
#include "SchemeQueries.h"
#include "StateStore.h"
#include "StatusCodes.h"
#include "TabPageHelpers.h"
#include "ThemeResources.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace Corvane {

namespace {

constexpr int kFontStep = 2;
constexpr int kButtonTop = 8;
constexpr int kButtonGap = 40;
constexpr int kHitInset = 6;
constexpr int kCaptionGap = 1; // rows between the button's bottom and the caption
constexpr int kCaptionPadding = 4;
constexpr int kMarkerGap = 4;
constexpr int kAreaSideMargin = 24;
constexpr int kAreaBottomMargin = 32;
constexpr int kAreaTopGap = 16;
constexpr int kMaxAreaHeight = 100;
constexpr int kReservedLines = 3;
constexpr QSize kButtonPlaceholder(44, 44);
constexpr QSize kMarkerPlaceholder(9, 9);

const QColor kCaptionColor(188, 188, 188);
const QColor kDividerColor(64, 64, 64);
const QString kMarkerKey = QStringLiteral("image.complementary.neutral.marker.normal");
const QString kMarkerSelectedKey = QStringLiteral("image.complementary.neutral.marker.selected");
const QString kDragHintKey = QStringLiteral("harmonizer.drag.drop.message");
const QString kNormalSuffix = QStringLiteral(".normal");
const QString kSelectedSuffix = QStringLiteral(".selected");

// The button image of a kind (without ".normal"/".selected").
QString imageKey(int kind)
{
    switch (kind) {
    case Harmonic:
        return QStringLiteral("image.scheme.harmonising");
    case Contrast:
        return QStringLiteral("image.scheme.contrasting");
    case WideContrast:
        return QStringLiteral("image.scheme.wide.contrast");
    case Dynamic:
        return QStringLiteral("image.scheme.dynamic");
    case Dramatic:
        return QStringLiteral("image.scheme.dramatic");
    default:
        return QStringLiteral("image.scheme.tonal.neutral");
    }
}

QString captionKey(int kind)
{
    switch (kind) {
    case Harmonic:
        return QStringLiteral("harmonizer.palette.scheme.harmonic");
    case Contrast:
        return QStringLiteral("harmonizer.palette.scheme.contrast");
    case WideContrast:
        return QStringLiteral("harmonizer.palette.scheme.wide.contrast");
    case Dynamic:
        return QStringLiteral("harmonizer.palette.scheme.dynamic");
    case Dramatic:
        return QStringLiteral("harmonizer.palette.scheme.dramatic");
    case ComplementaryNeutral:
        return QStringLiteral("harmonizer.palette.scheme.complementary.neutral");
    case NaturalNeutral:
        return QStringLiteral("harmonizer.palette.scheme.natural.neutral");
    default:
        return QStringLiteral("harmonizer.palette.scheme.tonal.neutral");
    }
}

QString toolTipKey(int kind)
{
    return QStringLiteral("tiptext.") + captionKey(kind);
}

bool isNeutralFamily(int kind)
{
    return kind >= Neutral && kind <= NaturalNeutral;
}

// The caption rectangle of a text of `textSize` centred under a button at `centreX`.
QRect captionRectAt(int centreX, int top, const QSize &textSize)
{
    const int width = textSize.width() + kCaptionPadding;
    const int height = textSize.height() + 2;
    return rectFromCorners(centreX - width / 2, top, centreX + width / 2 - 1, top + height - 1);
}

// Whether two keys name the same kind for the same chip.
bool sameChip(const SchemeKey &first, const SchemeKey &second)
{
    return first.collection == second.collection && first.kind == second.kind
        && first.pageIndex == second.pageIndex && first.rowIndex == second.rowIndex;
}

int otherNeutralSubKind(int stored)
{
    return stored == TonalNeutral ? ComplementaryNeutral : TonalNeutral;
}

} // namespace

SchemeKey SchemeKey::reset()
{
    SchemeKey key;
    key.collection = DB::systemWideCollectionUuid();
    return key;
}

ColorSchemerWidget::ColorSchemerWidget(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_MouseTracking);
    setFont(normalFont(kFontStep));
    reload(StateStore().uuidOfLastUsedCollection());

    using Slot = void (ColorSchemerWidget::*)();
    const Slot switchSlots[] = {
        &ColorSchemerWidget::switchToScheme1, &ColorSchemerWidget::switchToScheme2,
        &ColorSchemerWidget::switchToScheme3, &ColorSchemerWidget::switchToScheme4,
        &ColorSchemerWidget::switchToScheme5, &ColorSchemerWidget::switchToScheme6,
        &ColorSchemerWidget::switchToScheme7, &ColorSchemerWidget::switchToScheme8,
        &ColorSchemerWidget::switchToScheme9,
    };
    for (int digit = 1; digit <= 9; ++digit) {
        auto *action = new QAction(this);
        action->setShortcut(
            QKeySequence(Qt::CTRL | Qt::Key_S, Qt::CTRL | Qt::Key(Qt::Key_0 + digit)));
        connect(action, &QAction::triggered, this, switchSlots[digit - 1]);
        addAction(action);
    }
}

void ColorSchemerWidget::selectedCollectionChanged(const QUuid &collectionId)
{
    reload(collectionId);
}

void ColorSchemerWidget::reload(const QUuid &collection)
{
    m_schemeCollection = collection;
    if (!CollectionSettings::hasColorSchemesPage(collection)) {
        m_schemeCollection = DB::systemWideCollectionUuid();
        for (const QUuid &candidate : DB::orderedCollectionUuids()) {
            if (CollectionSettings::hasColorSchemesPage(candidate)) {
                m_schemeCollection = candidate;
                break;
            }
        }
    }
    m_shownKey = SchemeKey::reset();
    m_chips.clear();
    m_complementaryAvailable = false;
    m_normalImages.clear();
    m_selectedImages.clear();
    m_captions.clear();

    m_schemeKinds.clear();
    for (SchemeKind kind : CollectionSettings::schemes(collection))
        m_schemeKinds.append(int(kind));
    m_markerImage = DB::systemThemeImage(kMarkerKey, kMarkerPlaceholder);
    m_markerSelectedImage = DB::systemThemeImage(kMarkerSelectedKey, kMarkerPlaceholder);
    for (int kind : std::as_const(m_schemeKinds))
        loadKindResources(collection, kind);

    m_maxImageWidth = 0;
    m_maxImageHeight = 0;
    for (const QHash<int, QImage> *images : {&m_normalImages, &m_selectedImages}) {
        for (const QImage &image : *images) {
            m_maxImageWidth = std::max(m_maxImageWidth, image.width());
            m_maxImageHeight = std::max(m_maxImageHeight, image.height());
        }
    }
    layoutItems(rect());
}

void ColorSchemerWidget::loadKindResources(const QUuid &collection, int kind)
{
    if (kind < Harmonic || kind > NaturalNeutral)
        return;
    const QString key = imageKey(kind);
    m_normalImages.insert(kind, DB::systemThemeImage(key + kNormalSuffix, kButtonPlaceholder));
    m_selectedImages.insert(kind, DB::systemThemeImage(key + kSelectedSuffix, kButtonPlaceholder));
    if (!isNeutralFamily(kind)) {
        m_captions.insert(kind, DB::localeString(collection, captionKey(kind)));
        return;
    }
    for (int neutral = Neutral; neutral <= NaturalNeutral; ++neutral)
        m_captions.insert(neutral, DB::localeString(collection, captionKey(neutral)));
}

void ColorSchemerWidget::resizeEvent(QResizeEvent *)
{
    layoutItems(rect());
}

void ColorSchemerWidget::layoutItems(const QRect &rect)
{
    m_buttonRects.clear();
    m_hitAreas.clear();
    m_captionRects.clear();
    const QFontMetrics metrics(font());
    const int count = int(m_schemeKinds.size());
    const int c = m_maxImageWidth;
    const int h = m_maxImageHeight;
    const int captionTop = h + kButtonTop + kCaptionGap;
    int d = (rect.width() + kButtonGap - count * (c + kButtonGap)) / 2;
    int tallest = 0;
    for (int kind : std::as_const(m_schemeKinds)) {
        m_buttonRects.insert(kind, rectFromCorners(d, kButtonTop, d + c - 1, h + kButtonTop - 1));
        QPainterPath hitArea;
        hitArea.addEllipse(
            QRectF(rectFromCorners(d + kHitInset, kButtonTop + kHitInset, d + c - 1 - kHitInset,
                                   h + kButtonTop - 1 - kHitInset)));
        m_hitAreas.insert(kind, hitArea);
        const int centreX = d + c / 2;
        QRect caption = captionRectAt(centreX, captionTop, metrics.size(0, m_captions.value(kind)));
        if (kind == Neutral) {
            const int markerRoom = m_markerImage.width() + kMarkerGap;
            caption.setRight(caption.right() + markerRoom);
            const QSize tonal = metrics.size(0, m_captions.value(TonalNeutral));
            const QSize complementary = metrics.size(0, m_captions.value(ComplementaryNeutral));
            QRect shared = captionRectAt(centreX, captionTop,
                                         QSize(std::max(tonal.width(), complementary.width()),
                                               std::max(tonal.height(), complementary.height())));
            shared.setRight(shared.right() + markerRoom);
            m_captionRects.insert(TonalNeutral, shared);
            m_captionRects.insert(ComplementaryNeutral, shared);
            tallest = std::max(tallest, shared.height());
        }
        m_captionRects.insert(kind, caption);
        tallest = std::max(tallest, caption.height());
        d += c + kButtonGap;
    }
    for (QRect &caption : m_captionRects)
        caption.setHeight(tallest);

    m_schemeArea = rect.adjusted(kAreaSideMargin, 0, -kAreaSideMargin, -kAreaBottomMargin);
    if (count == 0) {
        m_schemeArea.setTop(rect.top() + kAreaTopGap);
        m_schemeArea.setRight(rect.right());
    } else {
        m_schemeArea.setTop(rect.top() + captionTop + tallest - 1 + kAreaTopGap);
    }
    // The area's height becomes one more than a multiple of 3, at most 100.
    while (m_schemeArea.height() > 0 && m_schemeArea.height() % kReservedLines != 0)
        m_schemeArea.setBottom(m_schemeArea.bottom() - 1);
    m_schemeArea.setBottom(m_schemeArea.bottom() + 1);
    bool topFirst = true;
    while (m_schemeArea.height() > kMaxAreaHeight) {
        m_schemeArea.adjust(0, topFirst ? 1 : 2, 0, topFirst ? -2 : -1);
        topFirst = !topFirst;
    }
}

std::vector<QRect> ColorSchemerWidget::chipLineRects(const QRect &area, int lines, int columns,
                                                     const std::vector<int> &lineOfChip)
{
    std::vector<QRect> rects;
    if (columns <= 0)
        return rects;
    const int chipHeight = (area.bottom() - area.top() - 3) / kReservedLines;
    int chipWidth = (area.right() - area.left()) / columns;
    while (columns * (chipWidth + 1) + 1 > area.width())
        --chipWidth;
    const int firstTop = area.top() + ((kReservedLines - lines) * (chipHeight + 1)) / 2 + 1;
    int x = area.left() + 1;
    for (size_t i = 0; i < lineOfChip.size(); ++i) {
        if (i > 0 && lineOfChip.at(i) != lineOfChip.at(i - 1))
            x = area.left() + 1;
        const int y = firstTop + lineOfChip.at(i) * (chipHeight + 1);
        rects.push_back(rectFromCorners(x, y, x + chipWidth - 1, y + chipHeight - 1));
        x += chipWidth + 1;
    }
    return rects;
}

void ColorSchemerWidget::addChip(const QRect &rect, const QUuid &collection, qint64 pageId,
                                 const DB::ColorEntry &entry)
{
    SchemeChip chip;
    chip.collection = collection;
    chip.pageId = pageId;
    chip.rowId = entry.id;
    chip.color = QColor(entry.red, entry.green, entry.blue);
    m_chips.emplace_back(rect, chip);
}

// Lays out scheme entries of the colour modes: a line per segment (colour-to-colour) or per
// scheme card (colour-to-card), and only when they fill whole lines of maxChipsOnAPage.
void ColorSchemerWidget::placeEntries(const SchemeKey &key,
                                      const std::vector<DB::ColorEntry> &entries, bool byPageOrder)
{
    const int columns = CollectionSettings::maxChipsOnAPage(key.collection);
    const int count = int(entries.size());
    if (count <= 0 || columns <= 0 || count % columns != 0)
        return;
    std::vector<int> lineOfChip;
    int line = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const DB::ColorEntry &entry = entries.at(i);
        if (i > 0
            && (byPageOrder ? entry.pageOrder != entries.at(i - 1).pageOrder
                            : entry.segment != entries.at(i - 1).segment))
            ++line;
        lineOfChip.push_back(line);
    }
    const std::vector<QRect> rects
        = chipLineRects(m_schemeArea, count / columns, columns, lineOfChip);
    for (size_t i = 0; i < entries.size(); ++i)
        addChip(rects.at(i), key.collection, entries.at(i).pageId, entries.at(i));
}

SchemeKey ColorSchemerWidget::buildColorToColor(const SchemeKey &key)
{
    const int kind
        = key.kind == Neutral ? int(StateStore().schemeNeutralSubKind(key.collection)) : key.kind;
    SchemeKey output = key;
    output.kind = kind;
    if (sameChip(m_shownKey, output))
        return m_shownKey;
    m_chips.clear();
    std::vector<DB::ColorEntry> entries;
    if (DB::loadSchemeRows(key.collection, kind, key.pageIndex, key.rowIndex, entries)
        == DB::StatusOk)
        placeEntries(key, entries, false);
    return output;
}

SchemeKey ColorSchemerWidget::buildColorToCard(const SchemeKey &key)
{
    m_chips.clear();
    std::vector<DB::ColorEntry> entries;
    if (DB::loadSchemePageRows(key.collection, key.kind, key.pageIndex, key.rowIndex, entries)
        == DB::StatusOk)
        placeEntries(key, entries, true);
    return key;
}

SchemeKey ColorSchemerWidget::buildCardToCard(const SchemeKey &key)
{
    int kind = key.kind == Neutral ? key.neutralSubKind : key.kind;
    m_chips.clear();
    m_complementaryAvailable = DB::hasComplementaryNeutralScheme(key.collection, key.pageIndex);
    SchemeKey output = key;
    if (kind == ComplementaryNeutral && !m_complementaryAvailable) {
        kind = TonalNeutral;
        output.neutralSubKind = TonalNeutral;
    }
    QList<DB::ColorPage> cards;
    if (DB::loadSchemePages(key.collection, key.pageIndex, kind, cards) == DB::StatusOk)
        placeCards(key, cards);
    return output;
}

// Each scheme card is one line, its chips in their order on the card.
void ColorSchemerWidget::placeCards(const SchemeKey &key, const QList<DB::ColorPage> &cards)
{
    size_t columns = 0;
    for (const DB::ColorPage &card : cards)
        columns = std::max(columns, card.rows.size());
    if (cards.isEmpty() || columns == 0)
        return;
    std::vector<int> lineOfChip;
    for (int line = 0; line < cards.size(); ++line)
        lineOfChip.insert(lineOfChip.end(), cards.at(line).rows.size(), line);
    const std::vector<QRect> rects
        = chipLineRects(m_schemeArea, int(cards.size()), int(columns), lineOfChip);
    size_t next = 0;
    for (const DB::ColorPage &card : cards) {
        for (const DB::ColorEntry &entry : card.rows)
            addChip(rects.at(next++), key.collection, card.id, entry);
    }
}

// Looks the current chip up in the scheme collection by nearest colour; false (and "fake"
// on the debug output) when that fails.
bool ColorSchemerWidget::locateInSchemeCollection(const QUuid &current, SchemeKey &key) const
{
    DB::ColorEntry chip;
    QVector<DB::LabEntry> labEntries;
    QVector<NearestMatch> matches;
    DB::ColorEntry found;
    DB::ColorPage card;
    if (DB::loadRowAt(current, key.pageIndex, key.rowIndex, chip) != DB::StatusOk
        || DB::loadLabEntries(m_schemeCollection, labEntries) != DB::StatusOk)
        return false;
    findNearestColors(labFromColor(QColor(chip.red, chip.green, chip.blue)), labEntries, matches,
                      1);
    if (matches.isEmpty()
        || DB::loadRowById(m_schemeCollection, matches.first().rowId, found) != DB::StatusOk
        || DB::loadPageById(m_schemeCollection, found.pageId, true, card) != DB::StatusOk)
        return false;
    key.collection = m_schemeCollection;
    key.pageIndex = card.pageIndex;
    key.rowIndex = found.rowIndex;
    return true;
}

int ColorSchemerWidget::updateChips(const QUuid &current, int kind, int neutralSubKind)
{
    const StateStore store;
    SchemeKey key;
    key.collection = current;
    key.kind = kind;
    key.neutralSubKind = neutralSubKind;
    key.pageIndex = store.pageIndex(current);
    key.rowIndex = store.rowIndex(current);
    if (current != m_schemeCollection && !locateInSchemeCollection(current, key))
        qDebug() << "fake";

    const int resolvedKind = key.kind == Neutral ? key.neutralSubKind : key.kind;
    switch (CollectionSettings::modeCard(key.collection)) {
    case ModeColorToColor:
        m_shownKey = buildColorToColor(key);
        return neutralSubKind;
    case ModeColorToCard:
        if (sameChip(m_shownKey, key))
            return neutralSubKind;
        m_shownKey = buildColorToCard(key);
        break;
    case ModeCardToCard: {
        const int shownKind
            = m_shownKey.kind == Neutral ? m_shownKey.neutralSubKind : m_shownKey.kind;
        if (m_shownKey.collection == key.collection && shownKind == resolvedKind
            && m_shownKey.pageIndex == key.pageIndex)
            return neutralSubKind;
        m_shownKey = buildCardToCard(key);
        break;
    }
    default:
        return neutralSubKind;
    }
    if (m_shownKey.neutralSubKind != neutralSubKind) {
        store.setSchemeNeutralSubKind(current, m_shownKey.neutralSubKind);
        return m_shownKey.neutralSubKind;
    }
    return neutralSubKind;
}

void ColorSchemerWidget::paintEvent(QPaintEvent *)
{
    const StateStore store;
    const QUuid current = store.uuidOfLastUsedCollection();
    const int kind = store.schemeKind(current);
    const int neutralSubKind = updateChips(current, kind, store.schemeNeutralSubKind(current));

    QPainter painter(this);
    painter.setRenderHints(QPainter::TextAntialiasing);
    drawButtons(painter, kind, neutralSubKind);
    drawChips(painter);
    drawDragHint(painter, current);
    paintFocusMark(painter, *this);
}

void ColorSchemerWidget::drawButtons(QPainter &painter, int selectedKind, int neutralSubKind) const
{
    static const QPoint kOuterGlow[]
        = {{-2, -2}, {-1, -2}, {0, -2}, {1, -2}, {2, -2}, {-2, 2}, {-1, 2}, {0, 2}, {1, 2}, {2, 2}};
    static const QPoint kInnerGlow[] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    const int flags = Qt::AlignHCenter | Qt::AlignTop;
    for (int kind : m_schemeKinds) {
        const int shown = kind == Neutral ? neutralSubKind : kind;
        QRect caption = m_captionRects.value(shown);
        // A natural neutral caption without a button of its own goes under the neutral button.
        if (caption.isNull())
            caption = m_captionRects.value(TonalNeutral);
        const QString text = m_captions.value(shown);
        const bool selected = kind == selectedKind;
        painter.drawImage(m_buttonRects.value(kind),
                          (selected ? m_selectedImages : m_normalImages).value(kind));
        if (selected) {
            painter.setPen(QColor(255, 255, 255, 12));
            for (const QPoint &offset : kOuterGlow)
                painter.drawText(caption.translated(offset), flags, text);
            painter.setPen(QColor(255, 255, 255, 24));
            for (const QPoint &offset : kInnerGlow)
                painter.drawText(caption.translated(offset), flags, text);
            painter.setPen(Qt::white);
        } else {
            painter.setPen(kCaptionColor);
        }
        painter.drawText(caption, flags, text);
        painter.drawText(caption, flags, text);
        if (kind == Neutral && m_complementaryAvailable) {
            const QImage &marker = selected ? m_markerSelectedImage : m_markerImage;
            painter.drawImage(caption.right() - marker.width(),
                              caption.top() + (caption.height() - marker.height()) / 2, marker);
        }
    }
}

void ColorSchemerWidget::drawChips(QPainter &painter) const
{
    if (m_chips.empty())
        return;
    painter.setPen(kDividerColor);
    painter.setBrush(Qt::NoBrush);
    QRect block;
    for (const auto &[rect, chip] : m_chips) {
        painter.fillRect(rect, chip.color);
        painter.drawLine(rect.right() + 1, rect.top(), rect.right() + 1, rect.bottom() + 1);
        painter.drawLine(rect.left(), rect.bottom() + 1, rect.right() + 1, rect.bottom() + 1);
        block = block.united(rect);
    }
    drawChipBlockFrame(painter, block.adjusted(-1, -1, 1, 1));
}

void ColorSchemerWidget::drawDragHint(QPainter &painter, const QUuid &current) const
{
    QFont hintFont = font();
    hintFont.setItalic(true);
    painter.setFont(hintFont);
    painter.setPen(kCaptionColor);
    const QRect hint(QPoint(m_schemeArea.left(), m_schemeArea.bottom()),
                     QPoint(m_schemeArea.right(), rect().bottom()));
    const QString text = DB::localeString(current, kDragHintKey);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.drawText(hint, flags, text);
    painter.drawText(hint, flags, text);
}

// The first kind whose button ellipse or caption holds `position`, or 0.
int ColorSchemerWidget::hitKind(const QPoint &position) const
{
    for (int kind : m_schemeKinds) {
        if (m_hitAreas.value(kind).contains(QPointF(position))
            || m_captionRects.value(kind).contains(position))
            return kind;
    }
    return SchemeNone;
}

void ColorSchemerWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    const int kind = hitKind(event->position().toPoint());
    if (kind == SchemeNone) {
        m_pressPos = event->globalPosition().toPoint();
        return;
    }
    const StateStore store;
    const QUuid current = store.uuidOfLastUsedCollection();
    if (store.schemeKind(current) != kind)
        emit schemeKindChangedInteractively(SchemeKind(kind));
    else if (kind == Neutral && m_complementaryAvailable)
        emit schemeNeutralSubKindChangedInteractively(
            SchemeKind(otherNeutralSubKind(store.schemeNeutralSubKind(current))));
}

void ColorSchemerWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_pressPos = QPoint(0, 0);
}

void ColorSchemerWidget::mouseMoveEvent(QMouseEvent *event)
{
    setCursor(Qt::ArrowCursor);
    const QPoint position = event->position().toPoint();
    if (event->buttons() == Qt::LeftButton) {
        if ((event->globalPosition().toPoint() - m_pressPos).manhattanLength()
                <= QApplication::startDragDistance()
            || !m_schemeArea.contains(position))
            return;
        for (const auto &[rect, chip] : m_chips) {
            if (!rect.contains(position))
                continue;
            DB::ColorEntry entry;
            if (DB::loadRowById(chip.collection, chip.rowId, entry) == DB::StatusOk)
                startChipDrag(this, ColorSchemer, m_schemeCollection, entry);
            return;
        }
        return;
    }
    if (event->buttons() != Qt::NoButton)
        return;

    const StateStore store;
    const QUuid current = store.uuidOfLastUsedCollection();
    QString text;
    QPoint anchor(0, 0);
    for (int kind : std::as_const(m_schemeKinds)) {
        if (!m_hitAreas.value(kind).contains(QPointF(position))
            && !m_captionRects.value(kind).contains(position))
            continue;
        setCursor(Qt::PointingHandCursor);
        anchor = mapToGlobal(m_buttonRects.value(kind).bottomRight());
        const int shown
            = kind == Neutral ? int(store.schemeNeutralSubKind(m_schemeCollection)) : kind;
        QString tip = DB::localeString(current, toolTipKey(shown));
        if (tip.isEmpty())
            tip = DB::localeString(m_schemeCollection, toolTipKey(shown));
        text = richToolTip(tip);
    }
    if (m_schemeArea.contains(position)) {
        for (const auto &[rect, chip] : m_chips) {
            if (rect.contains(position)) {
                // Read on hover only: a scheme shows dozens of chips and is rebuilt at
                // every paint.
                text = DB::colorTooltipText(chip.collection, chip.rowId, true);
                anchor = mapToGlobal(rect.topRight());
                break;
            }
        }
    }
    QToolTip::showText(anchor, text);
}

// The shortcuts Ctrl+S, Ctrl+digit choose the digit's kind, or toggle the neutral sub-kind
// when the neutral kind is already chosen. They compare with the values the main widget
// stores, those of the collection on show.
void ColorSchemerWidget::switchToScheme(int number)
{
    if (!isVisible() || number < 1 || number > m_schemeKinds.size())
        return;
    const int kind = m_schemeKinds.at(number - 1);
    const StateStore store;
    const QUuid current = store.uuidOfLastUsedCollection();
    const int stored = store.schemeKind(current);
    if (kind != Neutral) {
        if (kind != stored)
            emit schemeKindChangedInteractively(SchemeKind(kind));
        return;
    }
    if (stored != Neutral)
        emit schemeKindChangedInteractively(Neutral);
    else if (m_complementaryAvailable)
        emit schemeNeutralSubKindChangedInteractively(
            SchemeKind(otherNeutralSubKind(store.schemeNeutralSubKind(current))));
    else
        emit schemeNeutralSubKindChangedInteractively(TonalNeutral);
}

void ColorSchemerWidget::switchToScheme1()
{
    switchToScheme(1);
}

void ColorSchemerWidget::switchToScheme2()
{
    switchToScheme(2);
}

void ColorSchemerWidget::switchToScheme3()
{
    switchToScheme(3);
}

void ColorSchemerWidget::switchToScheme4()
{
    switchToScheme(4);
}

void ColorSchemerWidget::switchToScheme5()
{
    switchToScheme(5);
}

void ColorSchemerWidget::switchToScheme6()
{
    switchToScheme(6);
}

void ColorSchemerWidget::switchToScheme7()
{
    switchToScheme(7);
}

void ColorSchemerWidget::switchToScheme8()
{
    switchToScheme(8);
}

void ColorSchemerWidget::switchToScheme9()
{
    switchToScheme(9);
}

} // namespace Corvane
