#include "ProductsWidget.h"

#include "CollectionSettings.h"
#include "FocusMark.h"
#include "InterfaceFonts.h"
#include "RectCorners.h"
#include "StateStore.h"
#include "TabPageHelpers.h"
#include "VeltraCustomStyle.h"
#include "VistralQueries.h"
#include "WidgetShortcuts.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>

#include <vector>

namespace Corvane {

namespace {

constexpr int kFontStep = 4;
constexpr int kMargin = 8;
constexpr int kListGap = 8;
const QColor kCodeColor(228, 228, 228);
const QColor kListTextColor(189, 189, 189);

} // namespace

ProductsWidget::ProductsWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ProductsWidget"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_MouseTracking);

    m_scrollBarStyle = new VeltraCustomStyle;
    m_scrollBarStyle->setParent(this);
    m_codeLabel = new QLabel(this);
    m_productList = new QListWidget(this);
    m_productList->setFrameShape(QFrame::NoFrame);
    m_productList->setFocusPolicy(Qt::NoFocus);
    m_productList->setViewMode(QListView::ListMode);
    m_productList->setFlow(QListView::TopToBottom);
    m_productList->setWrapping(true);
    m_productList->setSelectionMode(QAbstractItemView::NoSelection);
    m_productList->horizontalScrollBar()->setStyle(m_scrollBarStyle);

    setFont(normalFont(kFontStep));
    QPalette palette = this->palette();
    palette.setBrush(QPalette::All, QPalette::WindowText, kCodeColor);
    setPalette(palette);
}

void ProductsWidget::selectedCollectionChanged(const QUuid &)
{
    refresh();
}

void ProductsWidget::selectedColorChanged()
{
    refresh();
}

void ProductsWidget::showEvent(QShowEvent *)
{
    refresh();
}

void ProductsWidget::resizeEvent(QResizeEvent *)
{
    layoutItems(rect());
}

// The page paints nothing itself but its focus mark, in the margin around the list.
void ProductsWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintFocusMark(painter, *this);
}

// The names run in columns: the arrow keys scroll the list a step back or forward.
void ProductsWidget::keyPressEvent(QKeyEvent *event)
{
    const int step = arrowKeyStep(*event);
    if (step == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    m_productList->horizontalScrollBar()->triggerAction(
        step < 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd);
}

void ProductsWidget::layoutItems(const QRect &rect)
{
    const QRect area = rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const int lineHeight
        = QFontMetrics(font()).size(Qt::TextSingleLine, QStringLiteral("Xg")).height();
    m_codeLabel->setGeometry(
        rectFromCorners(area.left(), area.top(), area.right(), area.top() + lineHeight - 1));
    m_productList->setGeometry(rectFromCorners(
        area.left(), m_codeLabel->geometry().bottom() + kListGap + 1, area.right(), area.bottom()));

    QPalette palette = m_productList->palette();
    if (parentWidget()) {
        palette.setBrush(
            QPalette::All, QPalette::Base,
            QBrush(QPixmap::fromImage(mainBackgroundPart(
                QRect(mapToParent(m_productList->geometry().topLeft()), m_productList->size())))));
    }
    palette.setBrush(QPalette::All, QPalette::Text, kListTextColor);
    m_productList->setPalette(palette);
}

void ProductsWidget::refresh()
{
    // Showing the page refreshes it.
    if (hiddenByOwner(this))
        return;
    setUpdatesEnabled(false);
    m_codeLabel->setText(QStringLiteral(" "));
    m_productList->clear();
    const QUuid collection = StateStore().uuidOfLastUsedCollection();
    DB::ColorEntry chip;
    if (currentChip(collection, chip)) {
        m_codeLabel->setText(chip.code());
        std::vector<QString> names;
        switch (int(CollectionSettings::productGroupsMode(collection))) {
        case GroupsWithProductTooltip:
            DB::loadProductGroupNames(collection, chip.id, names);
            break;
        case Products:
            DB::loadProductNames(collection, chip.id, names);
            break;
        default:
            break;
        }
        for (const QString &name : names)
            m_productList->addItem(name);
        // Lay the names out now, so that an immediate grab or paint shows them.
        m_productList->doItemsLayout();
    }
    setUpdatesEnabled(true);
}

} // namespace Corvane
