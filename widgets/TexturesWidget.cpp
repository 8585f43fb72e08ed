#include "TexturesWidget.h"

#include "FocusMark.h"
#include "StateStore.h"
#include "TabPageHelpers.h"
#include "TexturesViewport.h"

namespace Corvane {

namespace {

constexpr int kViewportMargin = 16;

} // namespace

TexturesWidget::TexturesWidget(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("TexturesWidget"));
    m_content = new TexturesViewport(this);
    setUpScrollingPage(this, m_content);
    setViewportMargins(kViewportMargin, kViewportMargin, kViewportMargin, kViewportMargin);
    // The content paints the background behind itself, so the viewport paints nothing.
    viewport()->setAutoFillBackground(false);

    m_content->loadTextures(StateStore().uuidOfLastUsedCollection());
}

void TexturesWidget::selectedCollectionChanged(const QUuid &collectionId)
{
    m_content->loadTextures(collectionId);
    selectedPageChanged();
}

void TexturesWidget::selectedPageChanged()
{
    if (hiddenByOwner(this))
        return;
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

// The margins around the viewport are the page's own pixels; they carry the focus mark.
bool TexturesWidget::event(QEvent *event)
{
    const bool handled = QScrollArea::event(event);
    paintFocusMarkAfter(*this, *event);
    return handled;
}

void TexturesWidget::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    updateLayout();
}

} // namespace Corvane
