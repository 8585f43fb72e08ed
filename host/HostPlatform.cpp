#include "HostPlatform.h"

#include <QCoreApplication>
#include <QFile>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <dlfcn.h>
#include <unistd.h>

#include <cstring>
#include <memory>

namespace Corvane {

namespace {

// A connection of our own, so that the walk works before and without Qt's.
struct XcbConnection
{
    XcbConnection() : connection(xcb_connect(nullptr, &screenNumber)) { }
    ~XcbConnection() { xcb_disconnect(connection); }
    bool isValid() const { return connection && !xcb_connection_has_error(connection); }

    int screenNumber = 0;
    xcb_connection_t *connection;
};

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie
        = xcb_intern_atom(connection, 1, static_cast<uint16_t>(strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

bool hasProperty(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property)
{
    const xcb_get_property_cookie_t cookie
        = xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &free);
    return reply && reply->type != XCB_ATOM_NONE;
}

bool ownedByProcess(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t pidAtom)
{
    const xcb_get_property_cookie_t cookie
        = xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &free);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return false;
    const auto pid = *static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    return pid == static_cast<uint32_t>(getpid());
}

bool isMapped(xcb_connection_t *connection, xcb_window_t window)
{
    std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&free)> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window),
                                        nullptr),
        &free);
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

xcb_window_t rootWindow(const XcbConnection &x)
{
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x.connection));
    for (int i = 0; i < x.screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    return screens.rem ? screens.data->root : xcb_window_t(XCB_WINDOW_NONE);
}

} // namespace

QString libraryFilePath()
{
    Dl_info info = {};
    if (dladdr(reinterpret_cast<const void *>(&libraryFilePath), &info) == 0 || !info.dli_fname)
        return QString();
    return QString::fromLocal8Bit(info.dli_fname);
}

void pinLibrary(const QString &path)
{
    if (path.isEmpty())
        return;
    // RTLD_NODELETE keeps the library mapped even if the host unloads it; the handle is
    // deliberately never closed.
    dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_NODELETE);
}

bool displayAvailable()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XCloseDisplay(display);
    return true;
}

WId findHostWindow()
{
    const XcbConnection x;
    if (!x.isValid())
        return 0;
    const xcb_window_t root = rootWindow(x);
    std::unique_ptr<xcb_query_tree_reply_t, decltype(&free)> tree(
        xcb_query_tree_reply(x.connection, xcb_query_tree(x.connection, root), nullptr), &free);
    if (!tree)
        return 0;
    const xcb_atom_t pidAtom = internAtom(x.connection, "_NET_WM_PID");
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    for (int i = 0; i < count; ++i) {
        const xcb_window_t window = children[i];
        if (ownedByProcess(x.connection, window, pidAtom) && isMapped(x.connection, window)
            && !hasProperty(x.connection, window, XCB_ATOM_WM_TRANSIENT_FOR))
            return window;
    }
    return 0;
}

} // namespace Corvane
