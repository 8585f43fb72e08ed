#pragma once

#include "ColorPage.h"
#include "Enums.h"

#include <QPixmap>
#include <QRect>
#include <QUuid>
#include <QVector>
#include <QWidget>

#include <array>

class QMimeData;

namespace Corvane {

// Three cards of the collection side by side: the previous card, the current card (wider,
// in the middle) and the next card, each a stack of chips under a one-line title. The
// current card and row, and the filters, are read from the state store at every paint;
// clicks and wheel turns are only reported through signals.
namespace DB {
class ColorEntry;
}

class CardRollerWidget : public QWidget
{
    Q_OBJECT

public:
    enum Card { LeftCard = 0, MiddleCard = 1, RightCard = 2 };
    static constexpr int kCardCount = 3;

    explicit CardRollerWidget(QWidget *parent = nullptr);

    // Geometry, set on resize.
    QRect cardRect(int card) const { return m_cardRects.at(card); }
    QRect titleRect(int card) const { return m_titleRects.at(card); }
    QRect dropArea() const { return m_dropArea; }
    // The dotted frame around the current card while the roller has the keyboard focus.
    QRect focusRect() const { return m_focusRect; }
    // The chips of a card as the last paint laid them out, in row order.
    const QVector<QRect> &chipRects(int card) const { return m_chipRects.at(card); }
    // The pages the last paint showed.
    const DB::ColorPage &shownPage(int card) const { return m_shownPages.at(card); }

    // The chips of `rowCount` rows stacked in a card rectangle: one pixel between chips,
    // the last chip taking the remainder. A card without rows has no chips.
    static QVector<QRect> chipLayout(const QRect &cardRect, int rowCount);

public slots:
    void selectedCollectionChanged(const QUuid &collectionId);

signals:
    void roll(Direction dir);
    void pageChangedInteractively(int newPage);
    void rowChangedInteractively(int newRow);
    void collectionSelectedInteractively(const QUuid &collectionId);

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    struct ChipHit
    {
        int card = -1;
        int row = -1;
    };

    void loadMtoPixmap(const QUuid &collection);
    void updateGeometryRects();
    // Loads the middle page and its neighbours; false when one of them does not load.
    bool loadShownPages(const QUuid &collection);
    void paintFrames(QPainter &painter) const;
    void paintCard(QPainter &painter, int card, bool maskMto, int currentRow, QRect &selection);
    QString cardTitle(int card) const;
    QPixmap scaledMtoPixmap(const QSize &chipSize) const;
    ChipHit chipAt(const QPoint &position) const;
    // Made-to-order chips hide behind an overlay for "duvalin" cards unless "ShowMto" is on.
    bool mtoMasked() const;
    bool isMaskedChip(const ChipHit &hit, bool maskMto) const;
    // The chips of the current card as the store names it; false when it does not load.
    bool loadCurrentCard(DB::ColorPage &page) const;
    // Up and Down step to the neighbouring chip, Home and End go to the first and last;
    // chips hidden behind the made-to-order overlay are passed over.
    void moveRowByKey(int key);
    void copyCurrentChip() const;
    void pasteColor();
    void startDragAt(const QPoint &position);
    // The chip a drop names: its own collection and row, else a row whose code is one of the
    // colour's names or whose colour is exactly the colour, else the nearest chip of the
    // collection on show when it is close enough.
    bool dropTarget(const QMimeData *mime, QUuid &collection, DB::ColorEntry &row) const;
    // The chip a bare colour names: a row whose code is one of the names, else a row of
    // exactly the colour, else the nearest chip when it is close enough.
    bool colorTarget(const QColor &color, const QString &name1, const QString &name2,
                     QUuid &collection, DB::ColorEntry &row) const;
    bool nearColorTarget(const QColor &color, DB::ColorEntry &row) const;
    // Brings the chip's card and row into view, switching collection first when needed.
    void goToChip(const QUuid &collection, const DB::ColorEntry &row);

    QPixmap m_mtoPixmap;
    QVector<int> m_paintOrder;
    std::array<DB::ColorPage, kCardCount> m_shownPages;
    std::array<QRect, kCardCount> m_cardRects;
    QRect m_dropArea;
    QRect m_focusRect;
    std::array<QRect, kCardCount> m_titleRects;
    std::array<QVector<QRect>, kCardCount> m_chipRects;
    QPoint m_pressPos;
};

} // namespace Corvane
