#include "ColorVistralWidget.h"

#include "ColorVistralViewport.h"
#include "FocusMark.h"
#include "InterfaceFonts.h"
#include "StateStore.h"
#include "TabPageHelpers.h"

namespace Corvane {

namespace {

constexpr int kFontStep = 2;
constexpr int kViewportMargin = 10;

} // namespace

ColorVistralWidget::ColorVistralWidget(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("ColorVistralWidget"));
    m_content = new ColorVistralViewport(this);
    setUpScrollingPage(this, m_content);
    setViewportMargins(kViewportMargin, kViewportMargin, kViewportMargin, kViewportMargin);
    viewport()->setBackgroundRole(QPalette::Window);
    viewport()->setAutoFillBackground(true);

    m_content->reload(StateStore().uuidOfLastUsedCollection());
    setFont(normalFont(kFontStep));
    m_content->setFont(normalFont(kFontStep));
}

void ColorVistralWidget::selectedCollectionChanged(const QUuid &collectionId)
{
    m_content->reload(collectionId);
    if (!hiddenByOwner(this))
        m_content->layoutContent();
}

void ColorVistralWidget::updateLayout()
{
    m_content->setMinimumSize(maximumViewportSize());
    // The viewport sits inside the margins; each continues the main background seamlessly.
    setBackgroundBehind(this, geometry());
    setBackgroundBehind(viewport(), geometry().translated(kViewportMargin, kViewportMargin));
    m_content->layoutContent();
}

void ColorVistralWidget::mouseMoveEvent(QMouseEvent *) { }

// The margins around the viewport are the page's own pixels; they carry the focus mark.
bool ColorVistralWidget::event(QEvent *event)
{
    const bool handled = QScrollArea::event(event);
    paintFocusMarkAfter(*this, *event);
    return handled;
}

void ColorVistralWidget::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    updateLayout();
}

} // namespace Corvane
