#include "QWinWidget.h"

#include <QApplication>
#include <QChildEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <memory>

namespace {

template<typename T> using Reply = std::unique_ptr<T, decltype(&free)>;

// Qt's own X connection; null on other platforms (offscreen tests).
xcb_connection_t *xcbConnection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

bool isViewable(xcb_connection_t *connection, WId window)
{
    const Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, xcb_window_t(window)), nullptr),
        &free);
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

void setInputFocus(WId window)
{
    xcb_connection_t *connection = xcbConnection();
    if (!connection || !window || !isViewable(connection, window))
        return;
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, xcb_window_t(window), XCB_CURRENT_TIME);
    xcb_flush(connection);
}

bool shiftIsDown()
{
    xcb_connection_t *connection = xcbConnection();
    if (!connection)
        return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const Reply<xcb_query_pointer_reply_t> pointer(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr),
        &free);
    return pointer && (pointer->mask & XCB_MOD_MASK_SHIFT);
}

bool acceptsTabFocus(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

} // namespace

QWinWidget::QWinWidget(WId hostWindow, QObject *parent, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), m_hostWindow(hostWindow)
{
    if (parent)
        QObject::setParent(parent);
    init();
}

QWinWidget::~QWinWidget()
{
    if (m_reenableParent)
        setHostEnabled(true);
    if (!m_foreignHost)
        return;
    // Qt's stand-in for the host window belongs to this widget (the host's native window
    // stays). This widget's own window may still be its child, which deleting it would take
    // along: that window goes first.
    if (windowHandle() && windowHandle()->parent() == m_foreignHost)
        destroy();
    delete m_foreignHost;
}

void QWinWidget::init()
{
    if (!m_hostWindow || !xcbConnection())
        return;
    m_foreignHost = QWindow::fromWinId(m_hostWindow);
    setAttribute(Qt::WA_NativeWindow);
    create();
    windowHandle()->setParent(m_foreignHost);
    QEvent embedding(QEvent::EmbeddingControl);
    QCoreApplication::sendEvent(this, &embedding);
}

void QWinWidget::show()
{
    saveFocus();
    QWidget::show();
}

void QWinWidget::center()
{
    const QWidget *child = findChild<QWidget *>();
    if (child && !child->isWindow())
        qWarning("QWinWidget::center: Call this function only for QWinWidgets with toplevel "
                 "children");
    const QRect host = hostGeometry();
    if (!host.isValid())
        return;
    // The widget lives inside the host window, so its position is relative to the host.
    setGeometry(host.width() / 2, host.height() / 2, 0, 0);
}

void QWinWidget::showCentered()
{
    center();
    show();
}

WId QWinWidget::parentWindow() const
{
    return m_hostWindow;
}

void QWinWidget::saveFocus()
{
    if (m_prevFocus)
        return;
    m_prevFocus = m_hostWindow;
    xcb_connection_t *connection = xcbConnection();
    if (!connection)
        return;
    const Reply<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr), &free);
    // None and PointerRoot name no window.
    if (focus && focus->focus > XCB_INPUT_FOCUS_POINTER_ROOT)
        m_prevFocus = focus->focus;
}

void QWinWidget::resetFocus()
{
    setInputFocus(m_prevFocus ? m_prevFocus : m_hostWindow);
}

QRect QWinWidget::hostGeometry() const
{
    if (QWidget *qtHost = QWidget::find(m_hostWindow))
        return QRect(qtHost->mapToGlobal(QPoint(0, 0)), qtHost->size());
    xcb_connection_t *connection = xcbConnection();
    if (!connection || !m_hostWindow)
        return QRect();
    const xcb_window_t host = xcb_window_t(m_hostWindow);
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, host), nullptr), &free);
    if (!geometry)
        return QRect();
    const Reply<xcb_translate_coordinates_reply_t> origin(
        xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, host, geometry->root, 0, 0), nullptr),
        &free);
    if (!origin)
        return QRect();
    return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
}

// Without a window manager nobody places a dialog: put it in the middle of the host, or of
// the screen when there is no host window.
void QWinWidget::centerOverHost(QWidget *window) const
{
    QRect host = hostGeometry();
    if (!host.isValid() && QGuiApplication::primaryScreen())
        host = QGuiApplication::primaryScreen()->availableGeometry();
    if (!host.isValid())
        return;
    if (m_foreignHost)
        window->windowHandle()->setTransientParent(m_foreignHost);
    QRect frame(QPoint(0, 0), window->size());
    frame.moveCenter(host.center());
    window->move(frame.topLeft());
}

void QWinWidget::setHostEnabled(bool enabled)
{
    if (QWidget *qtHost = QWidget::find(m_hostWindow)) {
        qtHost->setEnabled(enabled);
        return;
    }
    xcb_connection_t *connection = xcbConnection();
    if (!connection || !m_hostWindow)
        return;
    if (enabled) {
        if (m_inputCover)
            xcb_destroy_window(connection, xcb_window_t(m_inputCover));
        m_inputCover = 0;
        xcb_flush(connection);
        return;
    }
    if (m_inputCover)
        return;
    // A foreign window cannot be disabled; an input-only window over all of it swallows the
    // pointer and keyboard events meant for it.
    const QRect host = hostGeometry();
    const xcb_window_t cover = xcb_generate_id(connection);
    const uint32_t swallowed = XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE
        | XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE
        | XCB_EVENT_MASK_POINTER_MOTION;
    const uint32_t values[] = {swallowed};
    xcb_create_window(connection, 0, cover, xcb_window_t(m_hostWindow), 0, 0,
                      uint16_t(qMax(1, host.width())), uint16_t(qMax(1, host.height())), 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_DONT_PROPAGATE,
                      values);
    const uint32_t above[] = {XCB_STACK_MODE_ABOVE};
    xcb_configure_window(connection, cover, XCB_CONFIG_WINDOW_STACK_MODE, above);
    xcb_map_window(connection, cover);
    xcb_flush(connection);
    m_inputCover = cover;
}

void QWinWidget::childEvent(QChildEvent *event)
{
    QObject *child = event->child();
    if (child->isWidgetType()) {
        if (event->added()) {
            child->installEventFilter(this);
            // Qt makes a dialog's native window transient for this widget's window, which
            // must then be a top-level window; the dialog is put over the host when it shows.
            if (static_cast<QWidget *>(child)->isWindow() && windowHandle())
                windowHandle()->setParent(nullptr);
        } else if (event->removed() && m_reenableParent) {
            m_reenableParent = false;
            setHostEnabled(true);
            child->removeEventFilter(this);
        }
    }
    QWidget::childEvent(event);
}

bool QWinWidget::eventFilter(QObject *watched, QEvent *event)
{
    auto *child = qobject_cast<QWidget *>(watched);
    if (!child)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Show:
        if (child->isWindow()) {
            saveFocus();
            hide();
            centerOverHost(child);
            if (child->windowModality() != Qt::NonModal && !m_reenableParent) {
                setHostEnabled(false);
                m_reenableParent = true;
            }
        }
        break;
    case QEvent::Hide:
        if (m_reenableParent) {
            setHostEnabled(true);
            m_reenableParent = false;
        }
        resetFocus();
        if (child->testAttribute(Qt::WA_DeleteOnClose) && child->isWindow())
            deleteLater();
        break;
    case QEvent::Close:
        setInputFocus(m_hostWindow);
        if (child->testAttribute(Qt::WA_DeleteOnClose))
            deleteLater();
        break;
    case QEvent::WindowDeactivate:
        if (child->isModal() && child->testAttribute(Qt::WA_WState_Hidden)) {
            if (xcb_connection_t *connection = xcbConnection()) {
                const uint32_t above[] = {XCB_STACK_MODE_ABOVE};
                xcb_configure_window(connection, xcb_window_t(m_hostWindow),
                                     XCB_CONFIG_WINDOW_STACK_MODE, above);
                xcb_flush(connection);
            }
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void QWinWidget::focusInEvent(QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
        return;
    // Tab from the host enters at the first Tab-focusable widget, Shift+Tab at the last.
    QWidget *candidate = nullptr;
    for (QWidget *widget = nextInFocusChain(); widget != this;
         widget = widget->nextInFocusChain()) {
        if (!acceptsTabFocus(widget))
            continue;
        candidate = widget;
        if (reason == Qt::TabFocusReason)
            break;
    }
    if (!candidate)
        return;
    candidate->setFocus(reason);
    candidate->setAttribute(Qt::WA_KeyboardFocusChange);
    candidate->window()->setAttribute(Qt::WA_KeyboardFocusChange);
}

bool QWinWidget::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
    Q_UNUSED(result);
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & ~0x80) == XCB_FOCUS_IN) {
        QFocusEvent focusIn(QEvent::FocusIn,
                            shiftIsDown() ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        QCoreApplication::sendEvent(this, &focusIn);
    }
    return false;
}

bool QWinWidget::focusNextPrevChild(bool next)
{
    QWidget *current = focusWidget();
    if (!current)
        current = this;
    if (next) {
        for (QWidget *widget = current->nextInFocusChain(); widget != current;
             widget = widget->nextInFocusChain()) {
            if (widget->isWindow())
                break;
            if (acceptsTabFocus(widget))
                return QWidget::focusNextPrevChild(true);
        }
    } else if (!current->isWindow()) {
        // Leave backwards only when a window comes after the last Tab-focusable widget.
        bool windowAfterLast = false;
        for (QWidget *widget = current->nextInFocusChain(); widget != current;
             widget = widget->nextInFocusChain()) {
            if (acceptsTabFocus(widget))
                windowAfterLast = false;
            else if (widget->isWindow())
                windowAfterLast = true;
        }
        if (!windowAfterLast)
            return QWidget::focusNextPrevChild(false);
    }
    setInputFocus(m_hostWindow);
    return true;
}
