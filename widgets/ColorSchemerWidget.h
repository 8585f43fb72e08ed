#pragma once

#include "Enums.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QUuid>
#include <QVector>
#include <QWidget>

#include <utility>
#include <vector>

class QPainter;

namespace Corvane {

namespace DB {
class ColorEntry;
class ColorPage;
} // namespace DB

// The inputs of the chips the schemer holds.
struct SchemeKey
{
    QUuid collection;
    int kind = SchemeNone;
    int neutralSubKind = SchemeNone;
    int pageIndex = -1;
    int rowIndex = -1;

    static SchemeKey reset();
};

// One chip of a scheme, with the collection it comes from.
struct SchemeChip
{
    QUuid collection;
    qint64 pageId = -1;
    qint64 rowId = -1;
    QColor color;
};

// The colour-schemes tab page for "normal" cards: one button per scheme kind the collection
// offers, and under them up to three lines of chips of the selected scheme for the current
// chip or card. The navigation state is read from the state store at every paint; a choice
// is only reported through the two signals.
class ColorSchemerWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ColorSchemerWidget(QWidget *parent = nullptr);

    // Geometry of the last layout.
    QRect buttonRect(int kind) const { return m_buttonRects.value(kind); }
    QRect captionRect(int kind) const { return m_captionRects.value(kind); }
    QRect schemeArea() const { return m_schemeArea; }
    QUuid schemeCollection() const { return m_schemeCollection; }
    const QVector<int> &schemeKinds() const { return m_schemeKinds; }
    // The chips as the last paint built them.
    const std::vector<std::pair<QRect, SchemeChip>> &chips() const { return m_chips; }
    bool complementaryAvailable() const { return m_complementaryAvailable; }

    // The rectangles of chip lines in `area`: `lines` lines reserved, `columns` wide;
    // `lineOfChip` gives each chip's line (0-based, ascending); chips are left-aligned.
    static std::vector<QRect> chipLineRects(const QRect &area, int lines, int columns,
                                            const std::vector<int> &lineOfChip);

signals:
    void schemeKindChangedInteractively(SchemeKind scheme);
    void schemeNeutralSubKindChangedInteractively(SchemeKind scheme);

public slots:
    void selectedCollectionChanged(const QUuid &collectionId);

protected slots:
    void switchToScheme1();
    void switchToScheme2();
    void switchToScheme3();
    void switchToScheme4();
    void switchToScheme5();
    void switchToScheme6();
    void switchToScheme7();
    void switchToScheme8();
    void switchToScheme9();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void reload(const QUuid &collection);
    void loadKindResources(const QUuid &collection, int kind);
    void layoutItems(const QRect &rect);
    void switchToScheme(int number);
    int hitKind(const QPoint &position) const;

    // Brings the chips up to date for the navigation state; returns the neutral sub-kind
    // to draw with.
    int updateChips(const QUuid &current, int kind, int neutralSubKind);
    bool locateInSchemeCollection(const QUuid &current, SchemeKey &key) const;
    SchemeKey buildColorToColor(const SchemeKey &key);
    SchemeKey buildColorToCard(const SchemeKey &key);
    SchemeKey buildCardToCard(const SchemeKey &key);
    void placeEntries(const SchemeKey &key, const std::vector<DB::ColorEntry> &entries,
                      bool byPageOrder);
    void placeCards(const SchemeKey &key, const QList<DB::ColorPage> &cards);
    void addChip(const QRect &rect, const QUuid &collection, qint64 pageId,
                 const DB::ColorEntry &entry);

    void drawButtons(QPainter &painter, int selectedKind, int neutralSubKind) const;
    void drawChips(QPainter &painter) const;
    void drawDragHint(QPainter &painter, const QUuid &current) const;

    QUuid m_schemeCollection;
    QVector<int> m_schemeKinds;
    QHash<int, QImage> m_normalImages;
    QHash<int, QImage> m_selectedImages;
    int m_maxImageWidth = 0;
    int m_maxImageHeight = 0;
    QHash<int, QString> m_captions;
    QHash<int, QRect> m_buttonRects;
    QHash<int, QPainterPath> m_hitAreas;
    QHash<int, QRect> m_captionRects;
    QRect m_schemeArea;
    QImage m_markerImage;
    QImage m_markerSelectedImage;
    bool m_complementaryAvailable = false;
    SchemeKey m_shownKey;
    std::vector<std::pair<QRect, SchemeChip>> m_chips;
    QPoint m_pressPos;
};

} // namespace Corvane
