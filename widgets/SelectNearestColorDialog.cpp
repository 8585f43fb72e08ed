#include "SelectNearestColorDialog.h"

#include "ChipFrame.h"
#include "CollectionSettings.h"
#include "FocusMark.h"
#include "InterfaceFonts.h"
#include "PickerDialogChrome.h"
#include "StateStore.h"
#include "ThemeResources.h"
#include "WidgetShortcuts.h"

#include <QCheckBox>
#include <QKeyEvent>
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
// The keyboard frame stands this far outside its swatch, inside the gap.
constexpr int kKeyboardFrame = 3;
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

    // The dialog itself takes the focus first, so that the arrow keys reach the swatches; Tab
    // goes on to the check box.
    setFocusPolicy(Qt::StrongFocus);
    setFocus(Qt::OtherFocusReason);
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
    if (m_keyboardSwatch >= 0 && hasFocus())
        paintFocusFrame(
            painter,
            m_swatchRects.at(m_keyboardSwatch)
                .adjusted(-kKeyboardFrame, -kKeyboardFrame, kKeyboardFrame, kKeyboardFrame));
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
    if (index >= 0)
        choose(index);
}

void SelectNearestColorDialog::choose(int index)
{
    m_chosenChip = m_chips.at(index);
    accept();
}

void SelectNearestColorDialog::keyPressEvent(QKeyEvent *event)
{
    const bool plain = heldModifiers(*event) == Qt::NoModifier;
    const int key = event->key();
    const bool arrow
        = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    const bool confirm = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (plain && arrow && !m_swatchRects.isEmpty())
        moveKeyboardSwatch(key);
    else if (plain && confirm && m_keyboardSwatch >= 0)
        choose(m_keyboardSwatch);
    else
        QDialog::keyPressEvent(event);
}

// The first arrow key frames the first swatch; later ones move along the rows and columns
// and stop at the edges of the grid.
void SelectNearestColorDialog::moveKeyboardSwatch(int key)
{
    const int count = int(m_swatchRects.size());
    int next = m_keyboardSwatch;
    if (next < 0)
        next = 0;
    else if (key == Qt::Key_Left && next % kColumns > 0)
        next -= 1;
    else if (key == Qt::Key_Right && next % kColumns < kColumns - 1 && next + 1 < count)
        next += 1;
    else if (key == Qt::Key_Up && next >= kColumns)
        next -= kColumns;
    else if (key == Qt::Key_Down && next + kColumns < count)
        next += kColumns;
    m_keyboardSwatch = next;
    update();
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
