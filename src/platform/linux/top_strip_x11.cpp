// The top strip kept for the bar on X11: the struts window managers and panels agree on.
#include "core/playback/bar_span.h"
#include "platform/os_services.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {
xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t found = reply->atom;
    std::free(reply);
    return found;
}
} // namespace

void reserveTopStrip(QWidget& window, const QRect& strip) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t partial = atom(connection, "_NET_WM_STRUT_PARTIAL");
    const xcb_atom_t plain = atom(connection, "_NET_WM_STRUT");
    if (strip.isEmpty()) {
        xcb_delete_property(connection, id, partial);
        xcb_delete_property(connection, id, plain);
    } else {
        // The X server counts device pixels.
        const qreal ratio = window.devicePixelRatioF();
        const QRect device(qRound(strip.x() * ratio), qRound(strip.y() * ratio),
                           qRound(strip.width() * ratio), qRound(strip.height() * ratio));
        const std::array<uint32_t, 12> strut = topStrut(device, device.height());
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, partial, XCB_ATOM_CARDINAL, 32,
                            12, strut.data());
        // The older form, for window managers that know only it: the same four edges.
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, plain, XCB_ATOM_CARDINAL, 32, 4,
                            strut.data());
    }
    xcb_flush(connection);
}
