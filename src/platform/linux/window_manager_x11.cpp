// A reparenting window manager puts each window it manages into a frame window of its own and
// gives a withdrawn one back to the root window; until then the window is still its. Asked of
// the X server itself, where a window really is.
#include "platform/os_services.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <xcb/xcb.h>

QPoint placeOnScreen(const QWidget& window) {
    const WId id = window.internalWinId();
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    const xcb_screen_t* screen =
        connection ? xcb_setup_roots_iterator(xcb_get_setup(connection)).data : nullptr;
    if (!id || !screen)
        return window.frameGeometry().topLeft();
    xcb_translate_coordinates_reply_t* place = xcb_translate_coordinates_reply(
        connection,
        xcb_translate_coordinates(connection, static_cast<xcb_window_t>(id), screen->root, 0, 0),
        nullptr);
    if (!place)
        return window.frameGeometry().topLeft();
    const QPoint at(place->dst_x, place->dst_y);
    std::free(place);
    return at;
}

bool heldByWindowManager(const QWidget& window) {
    const WId id = window.internalWinId();
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!id || !connection)
        return false;
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(
        connection, xcb_query_tree(connection, static_cast<xcb_window_t>(id)), nullptr);
    if (!tree)
        return false; // the window is gone: nobody holds it
    const bool framed = tree->parent != tree->root;
    std::free(tree);
    return framed;
}
