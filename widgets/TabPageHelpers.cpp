#include "TabPageHelpers.h"

#include "CardQueries.h"
#include "StateStore.h"
#include "StatusCodes.h"
#include "ThemeResources.h"
#include "VeltraCustomStyle.h"

#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

namespace Corvane {

namespace {

const QColor kFrameColor(64, 64, 64);
constexpr int kOuterFrameAlpha = 24;
constexpr int kMiddleFrameAlpha = 48;
constexpr QSize kBackgroundPlaceholder(16, 16);
const QString kMainBackgroundKey = QStringLiteral("image.widget.main.background");

QColor withAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

} // namespace

bool chipOfCard(const DB::ColorPage &page, int rowIndex, DB::ColorEntry &out)
{
    if (rowIndex <= 0 || size_t(rowIndex) > page.rows.size())
        return false;
    out = page.rows.at(size_t(rowIndex - 1));
    return true;
}

bool currentChip(const QUuid &collection, DB::ColorEntry &out)
{
    const StateStore store;
    DB::ColorPage page;
    return DB::loadPageByIndex(collection, store.pageIndex(collection), page) == DB::StatusOk
        && page.isValid() && chipOfCard(page, store.rowIndex(collection), out);
}

void drawChipBlockFrame(QPainter &painter, const QRect &grown)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(withAlpha(kFrameColor, kOuterFrameAlpha));
    painter.drawRoundedRect(QRect(QPoint(grown.left() - 2, grown.top() - 2),
                                  QPoint(grown.right() + 1, grown.bottom() + 1)),
                            3, 3, Qt::AbsoluteSize);
    painter.setPen(withAlpha(kFrameColor, kMiddleFrameAlpha));
    painter.drawRoundedRect(
        QRect(QPoint(grown.left() - 1, grown.top() - 1), QPoint(grown.right(), grown.bottom())), 2,
        2, Qt::AbsoluteSize);
    painter.setPen(kFrameColor);
    painter.drawRect(
        QRect(QPoint(grown.left(), grown.top()), QPoint(grown.right() - 1, grown.bottom() - 1)));
}

QImage mainBackgroundPart(const QRect &sourceRect)
{
    return DB::systemThemeImage(kMainBackgroundKey, kBackgroundPlaceholder).copy(sourceRect);
}

void setBackgroundBehind(QWidget *target, const QRect &sourceRect)
{
    QPalette palette = target->palette();
    palette.setBrush(QPalette::All, QPalette::Window,
                     QBrush(QPixmap::fromImage(mainBackgroundPart(sourceRect))));
    target->setPalette(palette);
}

bool hiddenByOwner(const QWidget *page)
{
    return page->isHidden() && page->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

void setUpScrollingPage(QScrollArea *page, QWidget *content)
{
    page->setFocusPolicy(Qt::StrongFocus);
    page->setAttribute(Qt::WA_MouseTracking);
    page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    page->setFrameStyle(0);
    page->setWidget(content);
    content->setAutoFillBackground(false);
    page->setAutoFillBackground(true);
    auto *scrollBarStyle = new VeltraCustomStyle;
    scrollBarStyle->setParent(page);
    page->verticalScrollBar()->setStyle(scrollBarStyle);
}

} // namespace Corvane
