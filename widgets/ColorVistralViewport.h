#pragma once

#include "ColorVistralGroup.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QUuid>
#include <QWidget>

#include <utility>
#include <vector>

namespace Corvane {

// The content of the trend colours page: the collection's trend-colour groups, each a
// header with an open/closed icon and, when open, its colours as chips with their names,
// flowing left to right. Clicking the icon toggles the group and stores its open state.
class ColorVistralViewport : public QWidget
{
    Q_OBJECT

public:
    explicit ColorVistralViewport(QWidget *parent = nullptr);

    void reload(const QUuid &collection);
    void layoutContent();

    const QList<qint64> &groupOrder() const { return m_groupOrder; }
    bool isGroupOpen(qint64 groupId) const { return m_openStates.value(groupId); }
    // The header plus, when open, the chip rows of a group; null when not laid out.
    QRect groupRect(qint64 groupId) const;
    // The chip rectangles of an open group with their entry ids, in entry order.
    std::vector<std::pair<QRect, qint64>> entryRects(qint64 groupId) const
    {
        return m_entryRects.value(groupId);
    }
    QRect iconRect(qint64 groupId) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    const DB::ColorVistralGroup *group(qint64 groupId) const;
    const DB::ColorVistralEntry *entry(qint64 groupId, qint64 entryId) const;
    // The first group whose rectangle holds `position`, or -1.
    qint64 groupAt(const QPoint &position) const;
    qint64 entryAt(qint64 groupId, const QPoint &position) const;
    QRect layoutGroup(qint64 groupId, int top);
    void paintGroup(QPainter &painter, qint64 groupId, const QRect &groupRect) const;

    QHash<qint64, DB::ColorVistralGroup> m_groups;
    QList<qint64> m_groupOrder;
    QHash<qint64, bool> m_openStates;
    QImage m_openImage;
    QImage m_closedImage;
    std::vector<std::pair<QRect, qint64>> m_groupRects;
    QHash<qint64, std::vector<std::pair<QRect, qint64>>> m_entryRects;
    QColor m_dragColor = Qt::transparent;
    QString m_dragText;
    QString m_dragName1;
    QString m_dragName2;
    QPoint m_pressPos;
    bool m_layingOut = false;
};

} // namespace Corvane
