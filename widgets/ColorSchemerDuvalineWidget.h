#pragma once

#include "ColorEntry.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <QWidget>

#include <array>
#include <utility>
#include <vector>

namespace Corvane {

// The colour-schemes tab page for "duvalin" cards: for the current chip, three contrast
// proposals side by side under grey caption boxes (wide contrast 1, contrast, wide contrast
// 2), or none. No choice, no signals; the chips can be dragged away.
class ColorSchemerDuvalineWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kColumnCount = 3;

    explicit ColorSchemerDuvalineWidget(QWidget *parent = nullptr);

    QRect captionRect(int column) const { return m_captionRects.at(size_t(column)); }
    QRect chipRect(int column) const { return m_chipRects.at(size_t(column)); }
    const std::vector<std::pair<QRect, QString>> &sections() const { return m_sections; }
    // The chips as the last paint found them: three or none.
    const std::vector<std::pair<QRect, DB::ColorEntry>> &chips() const { return m_chips; }

public slots:
    void selectedCollectionChanged(const QUuid &collectionId);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void reloadTexts(const QUuid &collection);
    void layoutItems(const QRect &rect);
    void loadChips(const QUuid &collection);
    void showToolTip(const QPoint &position);

    std::array<QString, kColumnCount> m_captionTexts;
    std::array<QRect, kColumnCount> m_captionRects;
    std::array<QRect, kColumnCount> m_chipRects;
    std::vector<std::pair<QRect, QString>> m_sections;
    std::vector<std::pair<QRect, DB::ColorEntry>> m_chips;
    QPoint m_pressPos;
};

} // namespace Corvane
