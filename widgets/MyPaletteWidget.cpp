#include "MyPaletteWidget.h"

#include "CardQueries.h"
#include "ChipDrag.h"
#include "CollectionSettings.h"
#include "ColorText.h"
#include "DragPayload.h"
#include "FocusMark.h"
#include "ImageButton.h"
#include "InterfaceFonts.h"
#include "MainWidget.h"
#include "PaletteChangeCommand.h"
#include "RectCorners.h"
#include "StateStore.h"
#include "StatusCodes.h"
#include "TaskButton.h"
#include "ThemeResources.h"
#include "WidgetShortcuts.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QUndoStack>

#include <algorithm>

namespace Corvane {

namespace {

constexpr int kFontStep = 3;
constexpr int kMargin = 12;
constexpr int kButtonGap = 4;
constexpr int kButtonPadding = 2;
constexpr int kHighlightWidth = 2;
constexpr int kDropRepaintMargin = 3;
constexpr quint16 kSaveTaskButtonId = 1;
constexpr QSize kBarPlaceholder(30, 30);
constexpr QSize kButtonPlaceholder(16, 16);
constexpr QSize kMainBackgroundPlaceholder(16, 16);
constexpr QSize kQuestionIconPlaceholder(128, 128);
constexpr QSize kQuestionIconSize(48, 48);
constexpr int kUndoLimit = 100;
const QPoint kNoCell(-1, -1);

const QColor kGridColor(64, 64, 64, 255);
const QColor kSelectionColor(255, 255, 255, 224);
const QColor kDropColor(0, 151, 251, 192);
const QString kBarImageKey = QStringLiteral("image.widget.bar.background");
const QString kZoomImageKey = QStringLiteral("image.mypalette.zoom");
const QString kEraseImageKey = QStringLiteral("image.mypalette.eraser");
const QString kClearImageKey = QStringLiteral("image.mypalette.trash");
const QString kGridImageKey = QStringLiteral("image.mypalette.grid.off");
const QString kMainBackgroundKey = QStringLiteral("image.widget.main.background");
const QString kQuestionIconKey = QStringLiteral("image.mypalette.clear.question.icon");
const QString kInstructionsKey = QStringLiteral("mypalette.note.instructions");
const QString kQuestionCaptionKey = QStringLiteral("common.confirmation.dialog.caption");
const QString kQuestionTextKey = QStringLiteral("mypalette.clearpalettebutton.question");

// Only chips from the card roller and the schemers are taken.
bool acceptedSource(const QMimeData *mime)
{
    if (!hasChipPayload(mime))
        return false;
    const int source = payloadSource(mime);
    return source == CardRoller || source == ColorSchemer;
}

QUuid lastUsedCollection()
{
    return StateStore().uuidOfLastUsedCollection();
}

} // namespace

MyPaletteWidget::MyPaletteWidget(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_MouseTracking);
    setAcceptDrops(true);
    setFont(normalFont(kFontStep));

    m_barImage = DB::systemThemeImage(kBarImageKey, kBarPlaceholder);
    m_zoomButton = createButton(kZoomImageKey);
    m_eraseButton = createButton(kEraseImageKey);
    m_clearButton = createButton(kClearImageKey);
    m_gridButton = createButton(kGridImageKey);
    const std::array<ImageButton *, 4> buttons {m_zoomButton, m_eraseButton, m_clearButton,
                                                m_gridButton};
    int buttonHeight = 0;
    for (ImageButton *button : buttons)
        buttonHeight = std::max(buttonHeight, button->height());
    for (ImageButton *button : buttons)
        button->resize(button->width(), buttonHeight);
    m_gridButton->setCheckable(true);
    m_gridButton->setChecked(true);

    m_descriptionEdit = new QLineEdit(this);
    m_descriptionEdit->setFrame(false);
    m_descriptionEdit->setTextMargins(0, 0, 0, 0);
    m_descriptionEdit->installEventFilter(this);
    // The edit starts in the unfocused (italic) font.
    QCoreApplication::postEvent(m_descriptionEdit,
                                new QFocusEvent(QEvent::FocusOut, Qt::OtherFocusReason));

    m_undoStack = new QUndoStack(this);
    m_undoStack->setUndoLimit(kUndoLimit);
    createShortcuts();

    restoreFromSettings(lastUsedCollection());
    updateButtons();

    connect(m_zoomButton, &QAbstractButton::clicked, this, &MyPaletteWidget::zoomClicked);
    connect(m_eraseButton, &QAbstractButton::clicked, this, &MyPaletteWidget::eraseClicked);
    connect(m_clearButton, &QAbstractButton::clicked, this, &MyPaletteWidget::clearClicked);
    connect(m_gridButton, &QAbstractButton::clicked, this, &MyPaletteWidget::gridClicked);
    connect(m_descriptionEdit, &QLineEdit::editingFinished, this,
            &MyPaletteWidget::paletteDescriptionEditFinished);
}

// Destroying the description edit takes its focus, which finishes its editing; by then this
// is no palette widget any more.
MyPaletteWidget::~MyPaletteWidget()
{
    disconnect(m_descriptionEdit, nullptr, this, nullptr);
}

ImageButton *MyPaletteWidget::createButton(const QString &imageKey)
{
    const QImage image = DB::systemThemeImage(imageKey, kButtonPlaceholder);
    auto *button = new ImageButton(image, image, this);
    button->resize(image.size() + QSize(kButtonPadding, kButtonPadding));
    return button;
}

// The shortcuts work while the palette or its description edit has the focus; the edit
// keeps its own undo, copy and Delete keys.
void MyPaletteWidget::createShortcuts()
{
    addWidgetShortcut(this, QKeySequence::Undo, [this] { m_undoStack->undo(); });
    addWidgetShortcut(this, paletteRedoKeys(), [this] { m_undoStack->redo(); });
    // Erases exactly when the erase button would.
    addWidgetShortcut(this, QKeySequence::Delete, [this] { m_eraseButton->click(); });
    addWidgetShortcut(this, QKeySequence::Copy, [this] { copySelection(); });
}

void MyPaletteWidget::changeUndoably(bool withDescription, const std::function<void()> &change)
{
    const PaletteModel::Contents before = m_model.contents();
    change();
    const PaletteModel::Contents after = m_model.contents();
    if (after == before)
        return;
    m_undoStack->push(new PaletteChangeCommand(
        m_model, before, after, withDescription,
        [this](bool restoredDescription) { paletteRestored(restoredDescription); }));
}

void MyPaletteWidget::paletteRestored(bool withDescription)
{
    if (withDescription)
        m_descriptionEdit->setText(m_model.description());
    update();
    updateButtons();
    emit myPaletteChanged();
}

QString MyPaletteWidget::selectionText() const
{
    QStringList lines;
    for (int index = 0; index < PaletteModel::cellCount; ++index) {
        const QPoint cell = PaletteModel::cellAt(index);
        if (m_model.isSelected(cell) && m_model.hasChip(cell))
            lines.append(labelledColorText(m_model.colorAt(cell), m_model.nameAt(cell)));
    }
    return lines.join(QLatin1Char('\n'));
}

// A selection without chips leaves the clipboard as it is.
void MyPaletteWidget::copySelection()
{
    const QString text = selectionText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void MyPaletteWidget::takeDescriptionFromEdit()
{
    if (m_descriptionEdit->text() != m_model.description())
        m_model.setDescription(m_descriptionEdit->text());
}

void MyPaletteWidget::selectedCollectionChanged(const QUuid &collectionId)
{
    restoreFromSettings(collectionId);
}

// The store holds the chips and the selection; the collection gives the placeholder text
// and, through its name order, the labels.
void MyPaletteWidget::restoreFromSettings(const QUuid &collection)
{
    m_descriptionEdit->setPlaceholderText(DB::localeString(collection, kInstructionsKey));
    m_dropCell = kNoCell;
    m_model.restoreFromStore();
    updateButtons();
    m_gridButton->setChecked(m_model.gridVisible());
    update();
}

void MyPaletteWidget::updateButtons()
{
    const bool empty = m_model.isEmpty();
    m_zoomButton->setEnabled(!empty);
    m_clearButton->setEnabled(!empty);
    m_gridButton->setEnabled(true);
    m_eraseButton->setEnabled(m_model.selectionHoldsChip());
    if (currentMainWidget)
        currentMainWidget->taskButton(kSaveTaskButtonId)->setEnabled(!empty);
}

QRect MyPaletteWidget::cellRect(const QPoint &cell) const
{
    if (!PaletteModel::isCell(cell))
        return QRect();
    return m_cellRects.at(cell.y() * PaletteModel::columns + cell.x());
}

QPoint MyPaletteWidget::cellAt(const QPoint &point) const
{
    for (int index = 0; index < PaletteModel::cellCount; ++index) {
        if (m_cellRects.at(index).contains(point))
            return PaletteModel::cellAt(index);
    }
    return kNoCell;
}

QRect MyPaletteWidget::cellHighlightRect(const QPoint &cell) const
{
    return cellRect(cell).adjusted(0, 0, 1, 1);
}

void MyPaletteWidget::updateCellArea(const QPoint &cell)
{
    if (PaletteModel::isCell(cell))
        update(cellRect(cell).adjusted(-kDropRepaintMargin, -kDropRepaintMargin, kDropRepaintMargin,
                                       kDropRepaintMargin));
}

void MyPaletteWidget::resizeEvent(QResizeEvent *)
{
    m_bandRect = rectFromCorners(0, 0, width() - 1, m_barImage.height() - 1);
    layoutButtons();
    layoutDescriptionEdit();
    layoutCells();
}

void MyPaletteWidget::layoutButtons()
{
    const int bandHeight = m_barImage.height();
    const int y = (bandHeight - m_gridButton->height()) / 2;
    int x = width() - m_gridButton->width() - bandHeight;
    m_gridButton->move(x, y);
    for (ImageButton *button : {m_clearButton, m_eraseButton, m_zoomButton}) {
        x -= kButtonGap + button->width();
        button->move(x, y);
    }
}

// The edit shows the main widget's background under it, so that it looks transparent.
void MyPaletteWidget::layoutDescriptionEdit()
{
    const int lineHeight = fontMetrics().height();
    m_descriptionEdit->setGeometry(kMargin, height() - lineHeight, width() - 2 * kMargin,
                                   lineHeight);
    if (!currentMainWidget)
        return;
    const QImage background = DB::systemThemeImage(kMainBackgroundKey, kMainBackgroundPlaceholder);
    const QRect piece(m_descriptionEdit->mapTo(currentMainWidget, QPoint(0, 0)),
                      m_descriptionEdit->size());
    const QPixmap pixmap = QPixmap::fromImage(background.copy(piece));
    if (pixmap.isNull())
        return;
    QPalette palette = m_descriptionEdit->palette();
    palette.setBrush(QPalette::All, QPalette::Base, QBrush(pixmap));
    palette.setColor(QPalette::All, QPalette::Text, Qt::white);
    m_descriptionEdit->setPalette(palette);
}

void MyPaletteWidget::layoutCells()
{
    int left = kMargin;
    const int right = width() - 1 - kMargin;
    int top = m_barImage.height() + kMargin;
    const int bottom = height() - 1 - m_descriptionEdit->height() - kMargin;
    const int cellWidth = (right - left + 1) / PaletteModel::columns;
    const int cellHeight = (bottom - top + 1) / PaletteModel::rows;
    left += ((right - left + 1) - PaletteModel::columns * cellWidth) / 2;
    top += ((bottom - top + 1) - PaletteModel::rows * cellHeight) / 2;
    m_gridBounds = QRect();
    for (int index = 0; index < PaletteModel::cellCount; ++index) {
        const QPoint cell = PaletteModel::cellAt(index);
        m_cellRects[index] = QRect(left + cell.x() * cellWidth, top + cell.y() * cellHeight,
                                   cellWidth, cellHeight);
        m_gridBounds |= m_cellRects[index];
    }
    m_gridBounds.adjust(0, 0, 1, 1);
}

void MyPaletteWidget::paintEvent(QPaintEvent *event)
{
    const QRect area = event->rect();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (area.intersects(m_bandRect) && m_barImage.width() > 0) {
        for (int x = 0; x < width(); x += m_barImage.width())
            painter.drawImage(x, 0, m_barImage);
    }
    const bool grid = m_gridButton->isChecked();
    for (int index = 0; index < PaletteModel::cellCount; ++index) {
        const QRect rect = m_cellRects.at(index);
        if (!rect.intersects(area))
            continue;
        const QPoint cell = PaletteModel::cellAt(index);
        if (m_model.hasChip(cell))
            painter.fillRect(rect, m_model.colorAt(cell));
        if (grid) {
            painter.setPen(QPen(kGridColor, 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect);
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kSelectionColor, kHighlightWidth));
    for (const QPoint &cell : m_model.selection())
        painter.drawRect(cellHighlightRect(cell));
    if (PaletteModel::isCell(m_dropCell)) {
        painter.setPen(QPen(kDropColor, kHighlightWidth));
        painter.drawRect(cellHighlightRect(m_dropCell));
    }
    paintFocusMark(painter, *this);
}

void MyPaletteWidget::mousePressEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (!m_gridBounds.contains(point))
        return;
    m_pressPos = point;
    const QPoint cell = cellAt(point);
    if (event->buttons() != Qt::LeftButton || !PaletteModel::isCell(cell))
        return;
    if (event->modifiers() == Qt::NoModifier)
        m_model.selectOnly(cell);
    else if (event->modifiers() == Qt::ControlModifier)
        m_model.toggleSelected(cell);
    update();
    updateButtons();
    emit myPaletteSelectionChanged();
}

void MyPaletteWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_pressPos = QPoint(0, 0);
}

void MyPaletteWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (event->buttons() == Qt::LeftButton) {
        if ((point - m_pressPos).manhattanLength() > QApplication::startDragDistance()
            && m_gridBounds.contains(point))
            startDragFrom(point);
        return;
    }
    if (event->buttons() == Qt::NoButton)
        showChipTooltip(point);
    else
        QToolTip::hideText();
}

// The chip stays in its cell; the drag carries a reference to it.
void MyPaletteWidget::startDragFrom(const QPoint &point)
{
    const QPoint cell = cellAt(point);
    if (!m_model.hasChip(cell))
        return;
    const DB::ItemIndex item = m_model.itemAt(cell);
    DB::ColorEntry entry;
    if (DB::loadRowById(item.collection, item.rowId, entry) != DB::StatusOk)
        return;
    startChipDrag(this, MyPalette, item.collection, entry);
}

void MyPaletteWidget::showChipTooltip(const QPoint &point)
{
    const QPoint cell = cellAt(point);
    if (!m_model.hasChip(cell)) {
        QToolTip::hideText();
        return;
    }
    const DB::ItemIndex item = m_model.itemAt(cell);
    QToolTip::showText(mapToGlobal(cellRect(cell).topRight()),
                       DB::colorTooltipText(item.collection, item.rowId, true), this);
}

void MyPaletteWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (acceptedSource(event->mimeData()))
        event->acceptProposedAction();
}

void MyPaletteWidget::dragMoveEvent(QDragMoveEvent *event)
{
    event->setDropAction(Qt::IgnoreAction);
    event->ignore();
    if (!acceptedSource(event->mimeData()))
        return;
    const QPoint oldCell = m_dropCell;
    m_dropCell = kNoCell;
    const QPoint point = event->position().toPoint();
    if (m_gridBounds.contains(point)) {
        event->acceptProposedAction();
        m_dropCell = cellAt(point);
    }
    if (m_dropCell != oldCell) {
        updateCellArea(oldCell);
        updateCellArea(m_dropCell);
    }
}

void MyPaletteWidget::dragLeaveEvent(QDragLeaveEvent *)
{
    if (!PaletteModel::isCell(m_dropCell))
        return;
    updateCellArea(m_dropCell);
    m_dropCell = kNoCell;
}

void MyPaletteWidget::dropEvent(QDropEvent *event)
{
    if (!PaletteModel::isCell(m_dropCell))
        return;
    if (hasChipPayload(event->mimeData())) {
        event->acceptProposedAction();
        QUuid collection;
        DB::ColorEntry entry;
        if (decodeChip(event->mimeData(), collection, entry) == DB::StatusOk) {
            changeUndoably(false, [&] { m_model.dropChip(m_dropCell, collection, entry); });
            emit myPaletteChanged();
        }
    }
    m_dropCell = kNoCell;
    updateButtons();
    update();
}

void MyPaletteWidget::zoomClicked()
{
    emit zoomMyPaletteClicked();
}

void MyPaletteWidget::eraseClicked()
{
    changeUndoably(false, [this] { m_model.eraseSelected(); });
    update();
    updateButtons();
    emit myPaletteChanged();
}

void MyPaletteWidget::gridClicked(bool checked)
{
    m_model.setGridVisible(checked);
    update();
}

// One question box for the widget's life, opened window-modal; nothing changes until it
// is answered.
void MyPaletteWidget::clearClicked()
{
    if (!m_clearQuestion) {
        const QUuid collection = lastUsedCollection();
        m_clearQuestion = new QMessageBox(QMessageBox::Question,
                                          DB::localeString(collection, kQuestionCaptionKey),
                                          DB::localeString(collection, kQuestionTextKey),
                                          QMessageBox::Yes | QMessageBox::No, this, Qt::Sheet);
        m_clearQuestion->setInformativeText(QString());
        m_clearQuestion->setIconPixmap(QPixmap::fromImage(
            DB::systemThemeImage(kQuestionIconKey, kQuestionIconPlaceholder)
                .scaled(kQuestionIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        m_clearQuestion->setWindowModality(Qt::WindowModal);
        m_clearQuestion->setDefaultButton(QMessageBox::Yes);
        m_clearQuestion->setEscapeButton(QMessageBox::No);
        connect(m_clearQuestion, &QDialog::finished, this,
                &MyPaletteWidget::clearPaletteQuestionFinished);
    }
    m_clearQuestion->open();
}

void MyPaletteWidget::clearPaletteQuestionFinished(int button)
{
    if (button != QMessageBox::Yes)
        return;
    changeUndoably(false, [this] { m_model.clearPalette(true, false); });
    update();
    updateButtons();
    emit myPaletteChanged();
    emit myPaletteSelectionChanged();
}

void MyPaletteWidget::paletteDescriptionEditFinished()
{
    m_model.setDescription(m_descriptionEdit->text());
}

// The placeholder shows in italics while the edit is empty and unfocused.
bool MyPaletteWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_descriptionEdit) {
        if (event->type() == QEvent::FocusIn)
            m_descriptionEdit->setFont(normalFont(kFontStep));
        else if (event->type() == QEvent::FocusOut && m_descriptionEdit->text().isEmpty())
            m_descriptionEdit->setFont(italicFont(kFontStep));
    }
    return QWidget::eventFilter(watched, event);
}

void MyPaletteWidget::savePaletteTo(PaletteFileFormat fileFormat, const QString &path)
{
    // The file gets the description as it reads now, even before the edit finished.
    takeDescriptionFromEdit();
    m_model.saveTo(fileFormat, path);
}

// Whatever the file holds, the palette is shown again and its change reported, unless the
// file could not be opened at all.
void MyPaletteWidget::loadPaletteFrom(PaletteFileFormat, const QString &path)
{
    // Undo brings back the description as the edit showed it.
    takeDescriptionFromEdit();
    PaletteModel::LoadResult result = PaletteModel::FileNotOpened;
    changeUndoably(true, [&] { result = m_model.loadFrom(path); });
    if (result == PaletteModel::FileNotOpened)
        return;
    m_descriptionEdit->setText(m_model.description());
    update();
    updateButtons();
    emit myPaletteChanged();
}

} // namespace Corvane
