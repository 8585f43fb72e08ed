#pragma once

#include "ColorEntry.h"

#include <QColor>
#include <QDialog>
#include <QRect>
#include <QVector>

class QCheckBox;
class QLabel;

namespace Corvane {

// Lets the user choose among chips about equally near a colour: the colour fills the dialog,
// up to six chips stand on it as swatches in reading order, and a click on one accepts the
// dialog with that chip. From the keyboard, the arrow keys frame a swatch and Return or
// Space chooses it.
class SelectNearestColorDialog : public QDialog
{
    Q_OBJECT

public:
    SelectNearestColorDialog(const QColor &referenceColor, const QVector<DB::ColorEntry> &chips,
                             QWidget *parent = nullptr);

    // The chip clicked; valid after exec() returned QDialog::Accepted.
    DB::ColorEntry chosenChip() const { return m_chosenChip; }
    // The swatch rectangles in chip order; one per chip, at most six.
    QVector<QRect> swatchRects() const { return m_swatchRects; }
    QCheckBox *framedChipsBox() const { return m_framedChipsBox; }
    // The swatch the arrow keys framed, or -1 before the first arrow key.
    int keyboardSwatch() const { return m_keyboardSwatch; }
    QLabel *hintLabel() const { return m_hintLabel; }

private slots:
    void framedChipsStateChanged(bool checked);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void choose(int index);
    // Moves the keyboard frame by the arrow `key`, within the swatches' grid.
    void moveKeyboardSwatch(int key);
    // The index in m_chips of the swatch under `position`, or -1.
    int chipAt(const QPoint &position) const;

    QColor m_referenceColor;
    QVector<DB::ColorEntry> m_chips;
    QVector<QRect> m_swatchRects; // in chip order, so that each rectangle finds its chip
    DB::ColorEntry m_chosenChip;
    int m_keyboardSwatch = -1;
    QLabel *m_hintLabel = nullptr;
    QCheckBox *m_framedChipsBox = nullptr;
};

} // namespace Corvane
