#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QUuid>
#include <QWidget>

class QSlider;

namespace Corvane {

class ImageButton;
class VeltraCustomStyle;

// The enlarged view of My Palette: the 24 cells as large chips on a grey ground whose
// lightness the slider sets. A click on a chip fills the grid area with its colour; the
// next click returns to the grid. The cells are read from the state store at every paint,
// so the view always shows what My Palette stored last. Ctrl+Z and Ctrl+Shift+Z undo and
// redo My Palette's changes here too.
class MyPaletteFullWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MyPaletteFullWidget(QWidget *parent = nullptr);

    QRect barRect() const { return m_barRect; }
    QRect gridRect() const { return m_gridRect; }
    int cellWidth() const { return m_cellWidth; }
    int cellHeight() const { return m_cellHeight; }
    QColor zoomColor() const { return m_zoomColor; }
    QSlider *backgroundSlider() const { return m_backgroundSlider; }
    ImageButton *backButton() const { return m_backButton; }

signals:
    void backButtonClicked();

public slots:
    void selectedCollectionChanged(const QUuid &collectionId);

private slots:
    void backClicked();
    void backgroundColorSliderValueChanged(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // The colour stored for the cell (x = column, y = row); false for an empty cell or one
    // whose chip no longer loads.
    static bool storedCellColor(const QPoint &cell, QColor &color);
    // The 24 chips in their frame.
    void paintCells(QPainter &painter) const;
    void paintGridFrame(QPainter &painter) const;
    void createShortcuts();
    // Undoes (or redoes) a change of the main widget's My Palette and shows the result.
    void stepPaletteHistory(bool undo);

    QImage m_barImage;
    QRect m_barRect;
    ImageButton *m_backButton = nullptr;
    QSlider *m_backgroundSlider = nullptr;
    VeltraCustomStyle *m_sliderStyle = nullptr;
    QColor m_zoomColor = Qt::transparent;
    QRect m_gridRect;
    int m_cellWidth = 0;
    int m_cellHeight = 0;
};

} // namespace Corvane
