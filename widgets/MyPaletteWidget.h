#pragma once

#include "Enums.h"
#include "PaletteModel.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QUuid>
#include <QWidget>

#include <array>
#include <functional>

class QLineEdit;
class QMessageBox;
class QUndoStack;

namespace Corvane {

class ImageButton;

// My Palette: 4 × 6 cells into which chips are dropped from the card roller and the
// schemers. Cells are selected by clicks (Control adds and removes); a chip dropped on a
// selected cell fills the whole selection. Every change goes through the palette model,
// which writes it to the state store at once. Drops, erases, clears and loads can be undone
// (Ctrl+Z) and redone (Ctrl+Shift+Z); Delete erases the selected cells and Ctrl+C copies them
// as text.
class MyPaletteWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MyPaletteWidget(QWidget *parent = nullptr);
    ~MyPaletteWidget() override;

    const PaletteModel &model() const { return m_model; }

    static int rowCount() { return PaletteModel::rows; }
    static int columnCount() { return PaletteModel::columns; }
    QColor colorAt(const QPoint &cell) const { return m_model.colorAt(cell); }
    QString nameAt(const QPoint &cell) const { return m_model.nameAt(cell); }
    qint64 rowIdAt(const QPoint &cell) const { return m_model.rowIdAt(cell); }
    bool isEmpty() const { return m_model.isEmpty(); }

    // Geometry, set on resize.
    QRect cellRect(const QPoint &cell) const;
    QRect gridBounds() const { return m_gridBounds; }
    QRect bandRect() const { return m_bandRect; }
    // The cell under `point`, or (-1,-1).
    QPoint cellAt(const QPoint &point) const;
    QPoint dropCell() const { return m_dropCell; }

    ImageButton *zoomButton() const { return m_zoomButton; }
    ImageButton *eraseButton() const { return m_eraseButton; }
    ImageButton *clearButton() const { return m_clearButton; }
    ImageButton *gridButton() const { return m_gridButton; }
    QLineEdit *descriptionEdit() const { return m_descriptionEdit; }
    // The clear question, once the clear button was pressed.
    QMessageBox *clearQuestion() const { return m_clearQuestion; }
    // The undo steps of the palette's changes; the full view undoes through it too.
    QUndoStack *undoStack() const { return m_undoStack; }
    // The selected cells that hold a chip, in reading order, one "#RRGGBB<TAB>label" a line.
    QString selectionText() const;

signals:
    void zoomMyPaletteClicked();
    void myPaletteChanged();
    void myPaletteSelectionChanged();

public slots:
    void selectedCollectionChanged(const QUuid &collectionId);
    void savePaletteTo(Corvane::PaletteFileFormat fileFormat, const QString &path);
    void loadPaletteFrom(Corvane::PaletteFileFormat expectedFileFormat, const QString &path);

private slots:
    void zoomClicked();
    void eraseClicked();
    void clearClicked();
    void gridClicked(bool checked);
    void clearPaletteQuestionFinished(int button);
    void paletteDescriptionEditFinished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    ImageButton *createButton(const QString &imageKey);
    void createShortcuts();
    // Runs `change` and makes it one undo step when it changed the stored contents.
    void changeUndoably(bool withDescription, const std::function<void()> &change);
    // Shows the palette again after an undo or redo and reports the change.
    void paletteRestored(bool withDescription);
    void copySelection();
    // The model takes the description as the edit shows it, also before the edit finished.
    void takeDescriptionFromEdit();
    void restoreFromSettings(const QUuid &collection);
    void updateButtons();
    void layoutButtons();
    void layoutDescriptionEdit();
    void layoutCells();
    void startDragFrom(const QPoint &point);
    void showChipTooltip(const QPoint &point);
    // The highlight around a selected or drop cell.
    QRect cellHighlightRect(const QPoint &cell) const;
    void updateCellArea(const QPoint &cell);

    PaletteModel m_model;
    std::array<QRect, PaletteModel::cellCount> m_cellRects;
    QPoint m_dropCell {-1, -1};
    QPoint m_pressPos;
    QRect m_gridBounds;
    QRect m_bandRect;
    QImage m_barImage;
    ImageButton *m_zoomButton = nullptr;
    ImageButton *m_eraseButton = nullptr;
    ImageButton *m_clearButton = nullptr;
    ImageButton *m_gridButton = nullptr;
    QLineEdit *m_descriptionEdit = nullptr;
    QMessageBox *m_clearQuestion = nullptr;
    QUndoStack *m_undoStack = nullptr;
};

} // namespace Corvane
