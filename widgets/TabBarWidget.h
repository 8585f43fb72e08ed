#pragma once

#include "Enums.h"

#include <QHash>
#include <QImage>
#include <QRect>
#include <QUuid>
#include <QVector>
#include <QWidget>

namespace Corvane {

// The strip of page tabs at the top of the picker's right column: the pages the collection
// offers, in its order, with the current one ("TabPageIndex") marked. Clicks and the
// Ctrl+T, Ctrl+digit shortcuts and, with the focus, the arrow keys ask the main widget for
// a page.
class TabBarWidget : public QWidget
{
    Q_OBJECT

public:
    struct TabInfo
    {
        QRect rect; // as last painted; null before the first paint
        QString caption;
    };

    explicit TabBarWidget(QWidget *parent = nullptr);

    const QVector<TabBarPage> &visiblePages() const { return m_visiblePages; }
    TabInfo tab(TabBarPage page) const { return m_tabs.value(page); }

    // The pages of `order` that `available` offers, in order; a 0 page only when nothing is.
    static QVector<TabBarPage> offeredPages(const QVector<TabBarPage> &order, int available);

signals:
    void tabPageSelected(TabBarPage newPage);

public slots:
    void selectedCollectionChanged(const QUuid &collectionId);

protected slots:
    void switchToTab1();
    void switchToTab2();
    void switchToTab3();
    void switchToTab4();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void reload(const QUuid &collection);
    void switchToTab(int number);
    // Reports the visible page at `position` (from 0) unless it is the current page.
    void selectVisiblePage(int position);
    // The stored page of the collection on show ("TabPageIndex").
    static TabBarPage currentPage();
    // The visible page whose last painted tab holds `position`, or NoPage.
    TabBarPage pageAt(const QPoint &position) const;

    QImage m_backgroundImage;
    QHash<TabBarPage, TabInfo> m_tabs;
    QVector<TabBarPage> m_visiblePages;
};

} // namespace Corvane
