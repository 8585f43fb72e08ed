#include "MoodSelectWidget.h"

#include "CollectionSettings.h"
#include "FocusMark.h"
#include "InterfaceFonts.h"
#include "RectCorners.h"
#include "RichToolTip.h"
#include "StateStore.h"
#include "ThemeResources.h"
#include "WidgetShortcuts.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace Corvane {

namespace {

constexpr int kFontStep = 2;
constexpr QSize kMoodPlaceholder(23, 21);
constexpr QSize kTickPlaceholder(12, 11);
constexpr QSize kDisabledPlaceholder(11, 11);
constexpr int kMargin = 4;
constexpr int kButtonGap = 4;
constexpr int kRowGaps = 9;
constexpr int kLabelExtra = 5;
constexpr int kTickGap = 3;
constexpr int kLabelRowGap = 6;
constexpr int kColumnGap = 10;
constexpr int kPanelExtraWidth = 13;
constexpr int kExteriorGap = 6;
constexpr int kExteriorPanelExtra = 10;
constexpr int kMtoMargin = 3;
constexpr qreal kFrameRadius = 7.0;
constexpr int kFrameLighter = 140;

const QColor kFrameColor(64, 64, 64);
const QColor kLabelColor(188, 188, 188);
const QColor kLineColor(159, 159, 159);

const QString kAllMoodsKey = QStringLiteral("mood.filter.all.moods");
const QString kExteriorKey = QStringLiteral("mood.filter.exterior.colors");
const QString kMtoKey = QStringLiteral("do.not.show.mto");
const QString kTickKey = QStringLiteral("image.tick.normal");
const QString kDisabledKey = QStringLiteral("image.mood.disabled");
const QString kMoodImageKey = QStringLiteral("image.mood.%1.%2");
const QString kMoodTipKey = QStringLiteral("tiptext.mood.%1.button");

// The six mood buttons in the order of their values (MoodFresh = 1 first).
const char *const kMoodNames[] = {"fresh", "warm", "calm", "rich", "offwhite", "neutral"};
constexpr Mood kMoodRow[] = {MoodFresh, MoodCalm, MoodWarm, MoodRich};
// The order in which the arrow keys visit the choices: all moods, then the buttons as they
// stand, row first.
constexpr Mood kMoodKeyOrder[]
    = {MoodAll, MoodFresh, MoodCalm, MoodWarm, MoodRich, MoodOffwhite, MoodNeutral};
constexpr int kMoodButtons = 6;

constexpr int moodSlot(Mood mood)
{
    return int(mood) - int(MoodFresh);
}

bool isMoodButton(int mood)
{
    return mood >= MoodFresh && mood <= MoodNeutral;
}

QUuid currentCollection()
{
    return StateStore().uuidOfLastUsedCollection();
}

} // namespace

MoodSelectWidget::MoodSelectWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_MouseTracking);
    setFocusPolicy(Qt::StrongFocus);
    setFont(normalFont(kFontStep));
    loadImages();
    runLayout();
}

QSize MoodSelectWidget::sizeHint() const
{
    return m_laidOutGeometry.size();
}

QSize MoodSelectWidget::minimumSizeHint() const
{
    return m_laidOutGeometry.size();
}

QRect MoodSelectWidget::moodRect(Mood mood) const
{
    return isMoodButton(mood) ? m_moodRects.at(moodSlot(mood)) : QRect();
}

void MoodSelectWidget::selectedCollectionChanged(const QUuid &)
{
    m_laidOutGeometry = QRect();
    loadImages();
    runLayout();
}

void MoodSelectWidget::loadImages()
{
    for (int slot = 0; slot < kMoodButtons; ++slot) {
        const QString name = QLatin1String(kMoodNames[slot]);
        m_moodImages[slot].normal = DB::systemThemeImage(
            kMoodImageKey.arg(name, QStringLiteral("normal")), kMoodPlaceholder);
        m_moodImages[slot].selected = DB::systemThemeImage(
            kMoodImageKey.arg(name, QStringLiteral("selected")), kMoodPlaceholder);
    }
    m_tickImage = DB::systemThemeImage(kTickKey, kTickPlaceholder);
    m_disabledImage = DB::systemThemeImage(kDisabledKey, kDisabledPlaceholder);
}

void MoodSelectWidget::runLayout()
{
    if (geometry() == m_laidOutGeometry)
        return;
    const QUuid collection = currentCollection();
    QSize wanted(-1, -1);
    switch (CollectionSettings::cardType(collection)) {
    case CardTypeNormal:
        wanted = layoutNormal(CollectionSettings::hasExteriorFilter(collection));
        break;
    case CardTypeDuvalin:
        wanted = layoutDuvalin();
        break;
    default:
        break;
    }
    // An unknown card type asks for -1 x -1: the panel collapses to nothing.
    const QSize fixed = wanted.expandedTo(QSize(0, 0));
    setMinimumSize(fixed);
    setMaximumSize(fixed);
    setFixedSize(fixed);
    m_laidOutGeometry = geometry();
}

QSize MoodSelectWidget::layoutNormal(bool exteriorFilter)
{
    const QUuid collection = currentCollection();
    const QFontMetrics metrics = fontMetrics();
    const QSize tick = m_tickImage.size();
    const QSize allText
        = metrics.size(Qt::TextSingleLine, DB::localeString(collection, kAllMoodsKey));
    const QSize extText
        = metrics.size(Qt::TextSingleLine, DB::localeString(collection, kExteriorKey));
    const int allW = allText.width() + tick.width() + kLabelExtra;
    const int allH = std::max(allText.height(), tick.height());
    const int extW = extText.width() + tick.width() + kLabelExtra;
    const int extH = std::max(extText.height(), tick.height());

    int rowW = kRowGaps;
    int rowH = 0;
    for (Mood mood : kMoodRow) {
        const QSize image = m_moodImages.at(moodSlot(mood)).normal.size();
        rowW += image.width();
        rowH = std::max(rowH, image.height());
    }
    const QSize offwhite = m_moodImages.at(moodSlot(MoodOffwhite)).normal.size();
    const QSize neutral = m_moodImages.at(moodSlot(MoodNeutral)).normal.size();
    const int colW = std::max(offwhite.width(), neutral.width());
    const int colH = offwhite.height() + neutral.height();

    const int w1 = std::max(rowW, allW);
    const int h1 = rowH + allH + kLabelRowGap;
    const int y2 = std::max(h1, colH - 1) + kMargin;

    int left = (w1 - rowW) / 2 + kMargin;
    for (Mood mood : kMoodRow) {
        QRect &rect = m_moodRects[moodSlot(mood)];
        rect = QRect(QPoint(left, kMargin), m_moodImages.at(moodSlot(mood)).normal.size());
        left = rect.right() + kButtonGap;
    }
    const int allLeft = kMargin + (w1 - allW) / 2;
    m_allMoodsRect = rectFromCorners(allLeft, y2 - allH, allLeft + allW - 1, y2 - 1);

    QRect &offwhiteRect = m_moodRects[moodSlot(MoodOffwhite)];
    offwhiteRect = QRect(QPoint(w1 + kColumnGap, kMargin), offwhite);
    QRect &neutralRect = m_moodRects[moodSlot(MoodNeutral)];
    neutralRect = QRect(QPoint(offwhiteRect.left(), offwhiteRect.bottom() + 1), neutral);

    const QRect &fresh = m_moodRects.at(moodSlot(MoodFresh));
    const QRect &rich = m_moodRects.at(moodSlot(MoodRich));
    m_rowLine
        = QLine(fresh.left(), fresh.bottom() + kMargin, rich.right(), fresh.bottom() + kMargin);
    m_columnLine = QLine(offwhiteRect.left() - 1, offwhiteRect.top(), offwhiteRect.left() - 1,
                         neutralRect.bottom() - 3);

    const int width = w1 + colW + kPanelExtraWidth;
    if (!exteriorFilter)
        return QSize(width, y2 + kMargin);
    const int extLeft = (w1 + colW + kExteriorGap - extW) / 2 + kMargin;
    m_exteriorRect = rectFromCorners(extLeft, y2 + kExteriorGap, extLeft + extW - 1,
                                     y2 + extH + kExteriorGap - 1);
    m_exteriorLine = QLine(fresh.left(), m_exteriorRect.top() - kMargin, neutralRect.right(),
                           m_exteriorRect.top() - kMargin);
    return QSize(width, y2 + extH + kExteriorPanelExtra);
}

QSize MoodSelectWidget::layoutDuvalin()
{
    const QSize text
        = fontMetrics().size(Qt::TextSingleLine, DB::localeString(currentCollection(), kMtoKey));
    const QSize tick = m_tickImage.size();
    const int height = std::max(text.height(), tick.height());
    m_mtoRect
        = rectFromCorners(kMtoMargin, kMtoMargin, text.width() + tick.width() + 7, height + 2);
    return QSize(text.width() + tick.width() + 11, height + 6);
}

void MoodSelectWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    runLayout();
}

void MoodSelectWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    runLayout();
}

void MoodSelectWidget::paintEvent(QPaintEvent *)
{
    const QUuid collection = currentCollection();
    QPainter painter(this);
    switch (CollectionSettings::cardType(collection)) {
    case CardTypeNormal:
        paintNormal(painter, collection);
        break;
    case CardTypeDuvalin:
        paintDuvalin(painter, collection);
        break;
    default:
        break;
    }
    paintFocusMark(painter, *this);
}

void MoodSelectWidget::paintNormal(QPainter &painter, const QUuid &collection)
{
    const StateStore store;
    const Mood selected = store.moodFilter(collection);
    const bool exteriorOnly = store.exteriorColors(collection);

    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(kFrameColor.lighter(kFrameLighter));
    painter.drawRoundedRect(rectFromCorners(0, 0, width() - 2, height() - 2), kFrameRadius,
                            kFrameRadius);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setPen(kFrameColor);
    painter.drawRoundedRect(rect(), kFrameRadius, kFrameRadius);

    for (int mood = MoodFresh; mood <= MoodNeutral; ++mood)
        paintMoodButton(painter, collection, Mood(mood), exteriorOnly, selected);
    paintTickLabel(painter, m_allMoodsRect, DB::localeString(collection, kAllMoodsKey),
                   selected == MoodAll);

    painter.setRenderHint(QPainter::Antialiasing, false);
    if (CollectionSettings::hasExteriorFilter(collection)) {
        paintTickLabel(painter, m_exteriorRect, DB::localeString(collection, kExteriorKey),
                       exteriorOnly);
        painter.setPen(kLabelColor);
        painter.drawLine(m_exteriorLine);
    }
    painter.setPen(QPen(kLineColor, 0));
    painter.drawLine(m_rowLine);
    painter.drawLine(m_columnLine);
}

// With the exterior switch on, a mood without exterior cards shows its normal image under
// the disabled overlay, also when it is the selected mood.
void MoodSelectWidget::paintMoodButton(QPainter &painter, const QUuid &collection, Mood mood,
                                       bool exteriorOnly, Mood selected)
{
    const QRect &rect = m_moodRects.at(moodSlot(mood));
    const MoodImages &images = m_moodImages.at(moodSlot(mood));
    if (exteriorOnly && !CollectionSettings::hasPageWithExteriorMood(collection, mood)) {
        painter.drawImage(rect, images.normal);
        painter.drawImage(rect.right() - m_disabledImage.width(),
                          rect.bottom() - m_disabledImage.height(), m_disabledImage);
        return;
    }
    painter.drawImage(rect, mood == selected ? images.selected : images.normal);
}

void MoodSelectWidget::paintTickLabel(QPainter &painter, const QRect &rect, const QString &text,
                                      bool ticked) const
{
    painter.setPen(kLabelColor);
    const QRect textRect = rectFromCorners(rect.left() + m_tickImage.width() + kTickGap, rect.top(),
                                           rect.right(), rect.bottom());
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, text);
    if (ticked)
        painter.drawImage(rect.left(), rect.top() + (rect.height() - m_tickImage.height()) / 2,
                          m_tickImage);
}

// The tick means that made-to-order chips are hidden.
void MoodSelectWidget::paintDuvalin(QPainter &painter, const QUuid &collection)
{
    paintTickLabel(painter, m_mtoRect, DB::localeString(collection, kMtoKey),
                   !StateStore().showMto(collection));
}

Mood MoodSelectWidget::moodAt(const QPoint &position) const
{
    for (int mood = MoodFresh; mood <= MoodNeutral; ++mood) {
        if (m_moodRects.at(moodSlot(Mood(mood))).contains(position))
            return Mood(mood);
    }
    return MoodNone;
}

void MoodSelectWidget::mousePressEvent(QMouseEvent *event)
{
    pressAt(event->position().toPoint());
}

// Left and Right (or Up and Down) choose the previous or next mood that can be chosen;
// Space presses the switch.
void MoodSelectWidget::keyPressEvent(QKeyEvent *event)
{
    const int step = arrowKeyStep(*event);
    const bool space = event->key() == Qt::Key_Space && heldModifiers(*event) == Qt::NoModifier;
    const bool normal = CollectionSettings::cardType(currentCollection()) == CardTypeNormal;
    if (space)
        pressAt((normal ? m_exteriorRect : m_mtoRect).center());
    else if (step != 0 && normal)
        stepMood(step);
    else
        QWidget::keyPressEvent(event);
}

void MoodSelectWidget::stepMood(int step)
{
    const QUuid collection = currentCollection();
    const StateStore store;
    const bool exterior = store.exteriorColors(collection);
    const int count = int(std::size(kMoodKeyOrder));
    const auto stored = std::find(std::begin(kMoodKeyOrder), std::end(kMoodKeyOrder),
                                  store.moodFilter(collection));
    int index = stored == std::end(kMoodKeyOrder) ? 0 : int(stored - std::begin(kMoodKeyOrder));
    for (index += step; index >= 0 && index < count; index += step) {
        const Mood mood = kMoodKeyOrder[index];
        if (mood == MoodAll || moodSelectable(collection, mood, exterior)) {
            emit moodFilterChangedInteractively(mood);
            return;
        }
    }
}

// A mood button can be chosen unless the exterior switch is on and no card of that mood is
// an exterior card.
bool MoodSelectWidget::moodSelectable(const QUuid &collection, Mood mood, bool exterior)
{
    return !exterior || CollectionSettings::hasPageWithExteriorMood(collection, mood);
}

void MoodSelectWidget::pressAt(const QPoint &position)
{
    const QUuid collection = currentCollection();
    switch (CollectionSettings::cardType(collection)) {
    case CardTypeNormal:
        pressNormal(position, collection);
        break;
    case CardTypeDuvalin:
        if (m_mtoRect.contains(position))
            emit showMtoChangedInteractively(!StateStore().showMto(collection));
        break;
    default:
        break;
    }
}

// A mood without exterior cards cannot be chosen while the exterior switch is on; switching
// it on with such a mood selected falls back to all moods first.
void MoodSelectWidget::pressNormal(const QPoint &position, const QUuid &collection)
{
    const StateStore store;
    const Mood storedMood = store.moodFilter(collection);
    const bool storedExterior = store.exteriorColors(collection);
    Mood mood = storedMood;
    bool exterior = storedExterior;

    const Mood pressed = moodAt(position);
    if (pressed != MoodNone && moodSelectable(collection, pressed, exterior))
        mood = pressed;
    if (m_allMoodsRect.contains(position)) {
        mood = MoodAll;
    } else if (CollectionSettings::hasExteriorFilter(collection)
               && m_exteriorRect.contains(position)) {
        exterior = !exterior;
        if (mood != MoodAll && !moodSelectable(collection, mood, exterior))
            mood = MoodAll;
    }

    if (mood != storedMood)
        emit moodFilterChangedInteractively(mood);
    if (exterior != storedExterior)
        emit exteriorFilterChangedInteractively(exterior);
}

bool MoodSelectWidget::overPressable(const QPoint &position, CardType cardType,
                                     bool exteriorFilter) const
{
    if (cardType == CardTypeDuvalin)
        return m_mtoRect.contains(position);
    if (cardType != CardTypeNormal)
        return false;
    return moodAt(position) != MoodNone || m_allMoodsRect.contains(position)
        || (exteriorFilter && m_exteriorRect.contains(position));
}

void MoodSelectWidget::updateCursor(const QPoint &position)
{
    const QUuid collection = currentCollection();
    const bool pressable = overPressable(position, CollectionSettings::cardType(collection),
                                         CollectionSettings::hasExteriorFilter(collection));
    setCursor(pressable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void MoodSelectWidget::mouseMoveEvent(QMouseEvent *event)
{
    updateCursor(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

// Mood buttons explain themselves in a tool tip anchored at their top-right corner.
bool MoodSelectWidget::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QPoint position = mapFromGlobal(help->globalPos());
    const QUuid collection = currentCollection();
    QString text;
    QPoint anchor;
    if (CollectionSettings::cardType(collection) == CardTypeNormal) {
        const Mood mood = moodAt(position);
        if (mood != MoodNone) {
            text = DB::localeString(collection,
                                    kMoodTipKey.arg(QLatin1String(kMoodNames[moodSlot(mood)])));
            anchor = mapToGlobal(m_moodRects.at(moodSlot(mood)).topRight());
        }
        updateCursor(position);
    }
    if (!showRichToolTip(anchor, text, this))
        event->ignore();
    return true;
}

} // namespace Corvane
