#include "QWinWidgetTest.h"

#include "HostPlatform.h"
#include "QWinWidget.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <unistd.h>

namespace {

constexpr QRect kHostGeometry(100, 80, 600, 400);

template<typename T> using Reply = std::unique_ptr<T, decltype(&free)>;

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr),
        &free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The mapped input-only children of a window: what keeps the pointer away from it.
int inputCovers(xcb_connection_t *connection, xcb_window_t window)
{
    const Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr), &free);
    int covers = 0;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const Reply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(
                connection, xcb_get_window_attributes(connection, children[i]), nullptr),
            &free);
        if (attributes && attributes->_class == XCB_WINDOW_CLASS_INPUT_ONLY
            && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
            ++covers;
    }
    return covers;
}

bool isViewable(xcb_connection_t *connection, xcb_window_t window)
{
    const Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window),
                                        nullptr),
        &free);
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

xcb_window_t inputFocus(xcb_connection_t *connection)
{
    const Reply<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr), &free);
    return focus ? focus->focus : xcb_window_t(XCB_WINDOW_NONE);
}

void focusWindow(xcb_connection_t *connection, xcb_window_t window)
{
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
    xcb_flush(connection);
}

} // namespace

void QWinWidgetTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display");
    // A foreign host window, made the way a host application would make its main window.
    m_connection = xcb_connect(nullptr, nullptr);
    QVERIFY(!xcb_connection_has_error(m_connection));
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    m_host = xcb_generate_id(m_connection);
    const uint32_t background[] = {screen->white_pixel};
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_host, screen->root,
                      int16_t(kHostGeometry.x()), int16_t(kHostGeometry.y()),
                      uint16_t(kHostGeometry.width()), uint16_t(kHostGeometry.height()), 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL,
                      background);
    const uint32_t pid = uint32_t(getpid());
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_host,
                        atom(m_connection, "_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, 1, &pid);
    xcb_map_window(m_connection, m_host);
    xcb_flush(m_connection);
    QTRY_VERIFY(Corvane::findHostWindow() == m_host);
}

void QWinWidgetTest::cleanupTestCase()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

void QWinWidgetTest::hostWindowIsFound()
{
    QCOMPARE(Corvane::findHostWindow(), WId(m_host));
}

void QWinWidgetTest::modalDialogDisablesHost()
{
    focusWindow(m_connection, m_host);
    QTRY_COMPARE(inputFocus(m_connection), m_host);

    QWinWidget embedder(m_host);
    QCOMPARE(embedder.parentWindow(), WId(m_host));
    embedder.showCentered();
    QDialog dialog(&embedder);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setFixedSize(200, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QVERIFY(embedder.hostDisabled());
    QTRY_COMPARE(inputCovers(m_connection, m_host), 1);
    QCOMPARE(dialog.geometry().center(), kHostGeometry.center());

    dialog.hide();
    QVERIFY(!embedder.hostDisabled());
    QTRY_COMPARE(inputCovers(m_connection, m_host), 0);
    QTRY_COMPARE(inputFocus(m_connection), m_host);
}

void QWinWidgetTest::focusIsSavedOnce()
{
    focusWindow(m_connection, m_host);
    QTRY_COMPARE(inputFocus(m_connection), m_host);
    QWinWidget embedder(m_host);
    embedder.show();
    // The focus moves elsewhere; a second show must not take that as the one to restore.
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    focusWindow(m_connection, screen->root);
    QTRY_COMPARE(inputFocus(m_connection), screen->root);
    embedder.show();

    QDialog dialog(&embedder);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.hide();
    QTRY_COMPARE(inputFocus(m_connection), m_host);
}

void QWinWidgetTest::qtHostWindowIsDisabled()
{
    QWidget host;
    host.setGeometry(50, 50, 500, 300);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QWinWidget embedder(host.winId());
    embedder.showCentered();
    QDialog dialog(&embedder);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!host.isEnabled());
    dialog.hide();
    QVERIFY(host.isEnabled());
}

void QWinWidgetTest::tabPassesBetweenHostAndWidgets()
{
    focusWindow(m_connection, m_host);
    QTRY_COMPARE(inputFocus(m_connection), m_host);
    QWinWidget embedder(m_host);
    embedder.setGeometry(10, 10, 300, 100);
    auto *first = new QLineEdit(&embedder);
    auto *last = new QLineEdit(&embedder);
    last->move(0, 40);
    embedder.show();
    QVERIFY(QTest::qWaitForWindowExposed(&embedder));

    // The host hands the keyboard focus to the embedded window on Shift+Tab; the focus lands
    // on the last Tab-focusable widget.
    focusWindow(m_connection, xcb_window_t(embedder.winId()));
    QVERIFY(QTest::qWaitForWindowActive(&embedder));
    QFocusEvent backtab(QEvent::FocusIn, Qt::BacktabFocusReason);
    QCoreApplication::sendEvent(&embedder, &backtab);
    QCOMPARE(QApplication::focusWidget(), last);

    // Tab on the last widget hands the focus back to the host window.
    QTest::keyClick(last, Qt::Key_Tab);
    QTRY_COMPARE(inputFocus(m_connection), m_host);
    Q_UNUSED(first);
}

void QWinWidgetTest::hostStandInGoesWithTheWidget_data()
{
    QTest::addColumn<bool>("withDialog");
    QTest::newRow("embedded widget only") << false;
    QTest::newRow("a modal dialog shown and hidden") << true;
}

// Every pick embeds a new widget: Qt's window for the host must not outlive it, and the
// host's own window must stay.
void QWinWidgetTest::hostStandInGoesWithTheWidget()
{
    QFETCH(bool, withDialog);
    const qsizetype windowsBefore = QGuiApplication::allWindows().size();
    {
        QWinWidget embedder(m_host);
        embedder.showCentered();
        if (withDialog) {
            QDialog dialog(&embedder);
            dialog.setWindowModality(Qt::ApplicationModal);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.hide();
        }
        // The widget's own window and the host's.
        QCOMPARE(QGuiApplication::allWindows().size(), windowsBefore + 2);
    }
    QCOMPARE(QGuiApplication::allWindows().size(), windowsBefore);
    QVERIFY(isViewable(m_connection, m_host));
    QCOMPARE(Corvane::findHostWindow(), WId(m_host));
}
