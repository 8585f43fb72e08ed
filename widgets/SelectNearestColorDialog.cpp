#include "SelectNearestColorDialog.h"

#include "ChipFrame.h"
#include "CollectionSettings.h"
#include "InterfaceFonts.h"
#include "PickerDialogChrome.h"
#include "StateStore.h"
#include "ThemeResources.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QToolTip>

namespace Corvane {

namespace {

constexpr QSize kDialogSize(320, 200);
constexpr int kFontStep = 2;
constexpr int kColumns = 3;
constexpr int kRows = 2;
constexpr int kSwatchLeft = 32;
constexpr int kSwatchTop = 16;
constexpr int kSwatchGap = 8;
constexpr int kHorizontalMargins = 80;
constexpr int kVerticalMargins = 48;
const QString kCaptionKey = QStringLiteral("colormatcher.dialog.caption");
const QString kHintKey = QStringLiteral("capsure.dialog.todo");
const QString kHintStyle = QStringLiteral("color:rgb(240,240,240);background-color:rgb(123,123,"
                                          "123);border-color:rgb(255,255,255);");

} // namespace

SelectNearestColorDialog::SelectNearestColorDialog(const QColor &referenceColor,
                                                   const QVector<DB::ColorEntry> &chips,
                                                   QWidget *parent)
    : QDialog(parent), m_referenceColor(referenceColor), m_chips(chips)
{
    const QUuid collection = StateStore().uuidOfLastUsedCollection();
    setMouseTracking(true);
    setWindowTitle(DB::localeString(collection, kCaptionKey));
    showOnlyCloseButton(this);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFont(normalFont(kFontStep));

    m_hintLabel = createHintLabel(this, DB::localeString(collection, kHintKey), kHintStyle);

    m_framedChipsBox = new QCheckBox(this);
    m_framedChipsBox->setChecked(true);
    connect(m_framedChipsBox, &QCheckBox::toggled, this,
            &SelectNearestColorDialog::framedChipsStateChanged);

    setFixedSize(kDialogSize);
    QResizeEvent resize(size(), size());
    resizeEvent(&resize);
}

void SelectNearestColorDialog::framedChipsStateChanged(bool)
{
    update();
}

// Three columns and two rows of swatches above the hint line; a position without a chip
// stays empty.
void SelectNearestColorDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int w = width();
    const int h = height();
    const int fontHeight = QFontMetrics(font()).height();
    const int hintTop = hintLabelTop(this);
    const int swatchWidth = (w - kHorizontalMargins) / kColumns;
    const int swatchHeight = (h - fontHeight - kVerticalMargins) / kRows;
    m_swatchRects.clear();
    for (int i = 0; i < m_chips.size() && i < kColumns * kRows; ++i) {
        const int column = i % kColumns;
        const int row = i / kColumns;
        m_swatchRects.append(QRect(kSwatchLeft + column * (swatchWidth + kSwatchGap),
                                   kSwatchTop + row * (swatchHeight + kSwatchGap), swatchWidth,
                                   swatchHeight));
    }
    const QSize boxSize = m_framedChipsBox->minimumSizeHint();
    m_framedChipsBox->setGeometry(0, hintTop - boxSize.height(), boxSize.width(), boxSize.height());
    m_hintLabel->setGeometry(hintLabelRect(this));
}

void SelectNearestColorDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect(), m_referenceColor);
    for (int i = 0; i < m_swatchRects.size(); ++i) {
        const DB::ColorEntry &chip = m_chips.at(i);
        const QRect &swatch = m_swatchRects.at(i);
        painter.fillRect(swatch, QColor(chip.red, chip.green, chip.blue));
        if (m_framedChipsBox->isChecked())
            paintChipFrame(painter, swatch);
    }
}

int SelectNearestColorDialog::chipAt(const QPoint &position) const
{
    for (int i = 0; i < m_swatchRects.size(); ++i) {
        if (m_swatchRects.at(i).contains(position))
            return i;
    }
    return -1;
}

void SelectNearestColorDialog::mousePressEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    const int index = chipAt(event->position().toPoint());
    if (index < 0)
        return;
    m_chosenChip = m_chips.at(index);
    accept();
}

void SelectNearestColorDialog::mouseMoveEvent(QMouseEvent *event)
{
    const int index = chipAt(event->position().toPoint());
    const QString text = index < 0
        ? QString()
        : DB::colorTooltipText(StateStore().uuidOfLastUsedCollection(), m_chips.at(index).id, true);
    if (text.isEmpty()) {
        setCursor(index < 0 ? Qt::ArrowCursor : Qt::PointingHandCursor);
        QToolTip::hideText();
        return;
    }
    setCursor(Qt::PointingHandCursor);
    const QRect &swatch = m_swatchRects.at(index);
    const QPoint anchor(swatch.right(), swatch.top() + swatch.height() / 2);
    QToolTip::showText(mapToGlobal(anchor), text, this);
}

} // namespace Corvane
