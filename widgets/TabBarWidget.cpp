#include "TabBarWidget.h"

#include "CollectionSettings.h"
#include "FocusMark.h"
#include "InterfaceFonts.h"
#include "RectCorners.h"
#include "StateStore.h"
#include "ThemeResources.h"
#include "WidgetShortcuts.h"

#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace Corvane {

namespace {

constexpr int kFontStep = 3;
constexpr QSize kBackgroundPlaceholder(30, 30);
constexpr int kTabPadding = 31;

const QColor kSeparatorColor(188, 188, 188);
const QColor kCurrentFill(255, 255, 255, 178);
const QColor kCurrentText(55, 55, 55);
const QColor kOtherText(128, 128, 128);
const QString kBackgroundKey = QStringLiteral("image.widget.bar.background");

struct PageCaption
{
    TabBarPage page;
    const char *key;
};

// In the order in which the captions are loaded.
constexpr PageCaption kCaptions[] = {
    {PageOfTextures, "tab.bar.textures.caption"},
    {PageOfColorVistral, "tab.bar.color.vistral.caption"},
    {PageOfProducts, "tab.bar.products.caption"},
    {PageOfColorSchemes, "tab.bar.color.schemes.caption"},
};

constexpr Qt::Key kDigitKeys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};

} // namespace

TabBarWidget::TabBarWidget(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_MouseTracking);
    reload(StateStore().uuidOfLastUsedCollection());
    setFont(normalFont(kFontStep));

    void (TabBarWidget::*const switchSlots[])()
        = {&TabBarWidget::switchToTab1, &TabBarWidget::switchToTab2, &TabBarWidget::switchToTab3,
           &TabBarWidget::switchToTab4};
    for (int i = 0; i < 4; ++i) {
        auto *action = new QAction(this);
        action->setShortcut(QKeySequence(QKeyCombination(Qt::CTRL, Qt::Key_T),
                                         QKeyCombination(Qt::CTRL, kDigitKeys[i])));
        connect(action, &QAction::triggered, this, switchSlots[i]);
        addAction(action);
    }
}

void TabBarWidget::selectedCollectionChanged(const QUuid &collectionId)
{
    reload(collectionId);
}

QVector<TabBarPage> TabBarWidget::offeredPages(const QVector<TabBarPage> &order, int available)
{
    QVector<TabBarPage> pages;
    for (TabBarPage page : order) {
        const bool offered = page == NoPage ? available == 0 : (page & available) == page;
        if (offered)
            pages.append(page);
    }
    return pages;
}

void TabBarWidget::reload(const QUuid &collection)
{
    m_backgroundImage = DB::systemThemeImage(kBackgroundKey, kBackgroundPlaceholder);
    for (const PageCaption &caption : kCaptions)
        m_tabs.insert(caption.page,
                      {QRect(), DB::localeString(collection, QLatin1String(caption.key))});
    m_visiblePages = offeredPages(CollectionSettings::tabBarPages(collection),
                                  CollectionSettings::availableTabBarPages(collection));
}

void TabBarWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_backgroundImage.width() > 0) {
        for (int x = 0; x < width(); x += m_backgroundImage.width())
            painter.drawImage(x, 0, m_backgroundImage);
    }
    painter.setPen(kSeparatorColor);
    painter.drawLine(0, 0, 0, height());

    const TabBarPage current = currentPage();
    const QFontMetrics metrics = fontMetrics();
    int left = 1;
    const int top = 0;
    const int bottom = height() - 1;
    for (TabBarPage page : m_visiblePages) {
        TabInfo &tab = m_tabs[page];
        const int right
            = left + metrics.size(Qt::TextSingleLine, tab.caption).width() + kTabPadding;
        const QRect tabRect = rectFromCorners(left, top, right, bottom);
        if (page == current) {
            painter.fillRect(tabRect, kCurrentFill);
            painter.setPen(kCurrentText);
        } else {
            painter.setPen(kOtherText);
        }
        // Drawn twice at the same place: a heavier caption.
        const QRect textRect = rectFromCorners(left, top, right - 1, bottom);
        for (int pass = 0; pass < 2; ++pass)
            painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, tab.caption);
        painter.setPen(kSeparatorColor);
        painter.drawLine(right, top, right, bottom);
        tab.rect = tabRect;
        left = right + 1;
    }
    paintFocusMark(painter, *this);
}

TabBarPage TabBarWidget::pageAt(const QPoint &position) const
{
    for (TabBarPage page : m_visiblePages) {
        if (m_tabs.value(page).rect.contains(position))
            return page;
    }
    return NoPage;
}

// A click on the current tab is reported as well; the main widget ignores it.
void TabBarWidget::mousePressEvent(QMouseEvent *event)
{
    const TabBarPage page = pageAt(event->position().toPoint());
    if (page != NoPage)
        emit tabPageSelected(page);
}

void TabBarWidget::mouseMoveEvent(QMouseEvent *event)
{
    const bool overTab = pageAt(event->position().toPoint()) != NoPage;
    setCursor(overTab ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TabBarWidget::switchToTab(int number)
{
    if (isVisible())
        selectVisiblePage(number - 1);
}

// Left and Right (or Up and Down) go to the neighbouring tab; there is no wrapping.
void TabBarWidget::keyPressEvent(QKeyEvent *event)
{
    const int step = arrowKeyStep(*event);
    if (step == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    selectVisiblePage(int(m_visiblePages.indexOf(currentPage())) + step);
}

void TabBarWidget::selectVisiblePage(int position)
{
    if (position < 0 || position >= m_visiblePages.size())
        return;
    const TabBarPage page = m_visiblePages.at(position);
    if (page != currentPage())
        emit tabPageSelected(page);
}

TabBarPage TabBarWidget::currentPage()
{
    return StateStore().tabPageIndex(StateStore().uuidOfLastUsedCollection());
}

void TabBarWidget::switchToTab1()
{
    switchToTab(1);
}

void TabBarWidget::switchToTab2()
{
    switchToTab(2);
}

void TabBarWidget::switchToTab3()
{
    switchToTab(3);
}

void TabBarWidget::switchToTab4()
{
    switchToTab(4);
}

} // namespace Corvane
