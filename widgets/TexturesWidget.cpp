#include "TexturesWidget.h"

#include "StateStore.h"
#include "TabPageHelpers.h"
#include "TexturesViewport.h"
#include "VeltraCustomStyle.h"

#include <QScrollBar>

namespace Corvane {

namespace {

constexpr int kViewportMargin = 16;

} // namespace

TexturesWidget::TexturesWidget(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("TexturesWidget"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_MouseTracking);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setViewportMargins(kViewportMargin, kViewportMargin, kViewportMargin, kViewportMargin);
    setFrameStyle(0);

    m_content = new TexturesViewport(this);
    setWidget(m_content);
    m_content->setAutoFillBackground(false);
    setAutoFillBackground(true);
    // The content paints the background behind itself, so the viewport paints nothing.
    viewport()->setAutoFillBackground(false);

    m_scrollBarStyle = new VeltraCustomStyle;
    m_scrollBarStyle->setParent(this);
    verticalScrollBar()->setStyle(m_scrollBarStyle);

    m_content->loadTextures(StateStore().uuidOfLastUsedCollection());
}

void TexturesWidget::selectedCollectionChanged(const QUuid &collectionId)
{
    m_content->loadTextures(collectionId);
    m_content->layoutContent();
    m_content->update();
}

void TexturesWidget::selectedPageChanged()
{
    m_content->layoutContent();
    m_content->update();
}

void TexturesWidget::selectedRowChanged()
{
    m_content->update();
}

void TexturesWidget::updateLayout()
{
    m_content->setMinimumSize(maximumViewportSize());
    setBackgroundBehind(this, geometry());
    m_content->layoutContent();
    m_content->update();
}

void TexturesWidget::mouseMoveEvent(QMouseEvent *) { }

void TexturesWidget::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    updateLayout();
}

} // namespace Corvane
