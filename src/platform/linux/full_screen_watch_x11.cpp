// The active window on X11, followed through property changes rather than polled: the root
// window's _NET_ACTIVE_WINDOW says which window has the focus, and that window's _NET_WM_STATE,
// _MOTIF_WM_HINTS and its moves and resizes say whether it fills a monitor. Qt's own xcb
// connection carries the events; this filter only looks at them.
#include "platform/os_services.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <xcb/xcb.h>

namespace {

constexpr uint32_t kMotifDecorationsFlag = 2; // MWM_HINTS_DECORATIONS

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

class X11FullScreenWatch : public FullScreenWatch, public QAbstractNativeEventFilter {
public:
    X11FullScreenWatch(xcb_connection_t* connection, xcb_window_t root)
        : m_connection(connection), m_root(root),
          m_activeAtom(internAtom(connection, "_NET_ACTIVE_WINDOW")),
          m_stateAtom(internAtom(connection, "_NET_WM_STATE")),
          m_fullScreenAtom(internAtom(connection, "_NET_WM_STATE_FULLSCREEN")),
          m_motifAtom(internAtom(connection, "_MOTIF_WM_HINTS")) {}

    ~X11FullScreenWatch() override { stop(); }

    void start() override {
        if (m_started)
            return;
        m_started = true;
        QCoreApplication::instance()->installNativeEventFilter(this);
        // Qt listens on the root window too: its own events are kept.
        m_rootMask = eventMask(m_root);
        setEventMask(m_root, m_rootMask | XCB_EVENT_MASK_PROPERTY_CHANGE);
        followActiveWindow();
    }

    void stop() override {
        if (!m_started)
            return;
        m_started = false;
        QCoreApplication::instance()->removeNativeEventFilter(this);
        setEventMask(m_root, m_rootMask);
        leaveActiveWindow();
        xcb_flush(m_connection);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & 0x7f) {
        case XCB_PROPERTY_NOTIFY: {
            const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            if (change->window == m_root && change->atom == m_activeAtom)
                followActiveWindow();
            else if (change->window == m_active &&
                     (change->atom == m_stateAtom || change->atom == m_motifAtom))
                report();
            break;
        }
        case XCB_CONFIGURE_NOTIFY:
            if (reinterpret_cast<const xcb_configure_notify_event_t*>(event)->window == m_active)
                report();
            break;
        case XCB_DESTROY_NOTIFY:
        case XCB_UNMAP_NOTIFY:
            // The window manager names the next active window soon; until then none is.
            if (reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->window == m_active) {
                m_active = XCB_WINDOW_NONE;
                report();
            }
            break;
        }
        return false; // Qt sees every event as before
    }

private:
    uint32_t eventMask(xcb_window_t window) const {
        xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(
            m_connection, xcb_get_window_attributes(m_connection, window), nullptr);
        const uint32_t mask = reply ? reply->your_event_mask : 0;
        std::free(reply);
        return mask;
    }

    void setEventMask(xcb_window_t window, uint32_t mask) {
        xcb_change_window_attributes(m_connection, window, XCB_CW_EVENT_MASK, &mask);
    }

    void followActiveWindow() {
        const xcb_window_t active = activeWindow();
        if (active != m_active) {
            leaveActiveWindow();
            m_active = active;
            if (m_active != XCB_WINDOW_NONE) {
                m_activeMask = eventMask(m_active);
                setEventMask(m_active, m_activeMask | XCB_EVENT_MASK_PROPERTY_CHANGE |
                                           XCB_EVENT_MASK_STRUCTURE_NOTIFY);
            }
            xcb_flush(m_connection);
        }
        report();
    }

    // Gives the window back the events this client had asked of it before.
    void leaveActiveWindow() {
        if (m_active != XCB_WINDOW_NONE)
            setEventMask(m_active, m_activeMask);
        m_active = XCB_WINDOW_NONE;
    }

    xcb_window_t activeWindow() const {
        const std::vector<uint32_t> value = property(m_root, m_activeAtom, XCB_ATOM_WINDOW);
        return value.empty() ? xcb_window_t(XCB_WINDOW_NONE) : value.front();
    }

    std::vector<uint32_t> property(xcb_window_t window, xcb_atom_t atom, xcb_atom_t type) const {
        std::vector<uint32_t> values;
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, atom, type, 0, 64), nullptr);
        if (reply && reply->format == 32) {
            const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply));
            values.assign(data, data + xcb_get_property_value_length(reply) / 4);
        }
        std::free(reply);
        return values;
    }

    void report() {
        ActiveWindow window;
        if (m_active != XCB_WINDOW_NONE) {
            window.ours = isOurs(m_active);
            window.geometry = geometry(m_active);
            for (uint32_t state : property(m_active, m_stateAtom, XCB_ATOM_ATOM))
                window.fullScreen = window.fullScreen || state == m_fullScreenAtom;
            const std::vector<uint32_t> motif = property(m_active, m_motifAtom, m_motifAtom);
            window.frameless =
                motif.size() >= 3 && (motif[0] & kMotifDecorationsFlag) && motif[2] == 0;
        }
        emit activeWindowChanged(window);
    }

    // In Qt's logical pixels, which the screens' geometry is given in.
    QRect geometry(xcb_window_t window) const {
        xcb_get_geometry_reply_t* size =
            xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr);
        xcb_translate_coordinates_reply_t* place = xcb_translate_coordinates_reply(
            m_connection, xcb_translate_coordinates(m_connection, window, m_root, 0, 0), nullptr);
        QRect native;
        if (size && place)
            native = QRect(place->dst_x, place->dst_y, size->width, size->height);
        std::free(size);
        std::free(place);
        const QScreen* screen = QGuiApplication::primaryScreen();
        const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
        if (ratio == 1.0 || native.isEmpty())
            return native;
        return QRect(QPoint(qRound(native.x() / ratio), qRound(native.y() / ratio)),
                     QSize(qRound(native.width() / ratio), qRound(native.height() / ratio)));
    }

    static bool isOurs(xcb_window_t window) {
        for (const QWindow* own : QGuiApplication::topLevelWindows())
            if (own->handle() && own->winId() == window)
                return true;
        return false;
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    xcb_atom_t m_activeAtom;
    xcb_atom_t m_stateAtom;
    xcb_atom_t m_fullScreenAtom;
    xcb_atom_t m_motifAtom;
    xcb_window_t m_active = XCB_WINDOW_NONE;
    uint32_t m_rootMask = 0;
    uint32_t m_activeMask = 0;
    bool m_started = false;
};

} // namespace

std::unique_ptr<FullScreenWatch> makeFullScreenWatch() {
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>())
            if (xcb_connection_t* connection = x11->connection())
                if (const xcb_screen_t* screen =
                        xcb_setup_roots_iterator(xcb_get_setup(connection)).data)
                    return std::make_unique<X11FullScreenWatch>(connection, screen->root);
    return nullptr;
}
