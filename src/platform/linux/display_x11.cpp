// The display: whether the windowing platform of this start can reach one before Qt tries, and
// the X screen's size as the X server has it.
#include "platform/os_services.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

bool xDisplayAnswers() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr); // DISPLAY, as Qt reads it
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

// By libwayland's rules: WAYLAND_SOCKET is a connection handed over already; WAYLAND_DISPLAY,
// "wayland-0" when unset, names a socket in the runtime folder unless it is a path.
bool waylandDisplayAnswers() {
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET"))
        return true;
    QByteArray path = qgetenv("WAYLAND_DISPLAY");
    if (path.isEmpty())
        path = "wayland-0";
    if (!path.startsWith('/')) {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        if (runtime.isEmpty())
            return false;
        path = runtime + '/' + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<size_t>(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return true; // cannot tell: Qt's own attempt decides
    const bool answers =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return answers;
}

} // namespace

QString unreachableDisplay() {
    // Qt tries the platforms named, in turn, and on Linux starts with xcb when none is named.
    QString platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platforms.trimmed().isEmpty())
        platforms = QStringLiteral("xcb");
    QStringList tried;
    for (const QString& entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0).trimmed();
        if (name.compare(QLatin1String("xcb"), Qt::CaseInsensitive) == 0) {
            if (xDisplayAnswers())
                return {};
            tried << QStringLiteral("DISPLAY=") + qEnvironmentVariable("DISPLAY");
        } else if (name.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive)) {
            if (waylandDisplayAnswers())
                return {};
            tried << QStringLiteral("WAYLAND_DISPLAY=") + qEnvironmentVariable("WAYLAND_DISPLAY");
        } else {
            return {}; // offscreen, vnc, eglfs and the like need no display of this kind
        }
    }
    tried.removeDuplicates();
    return tried.join(QStringLiteral(", "));
}

QSize windowSystemScreenSize() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return {};
    int screen = 0;
    char* host = nullptr;
    int display = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen))
        std::free(host);
    xcb_screen_iterator_t roots = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screen && roots.rem > 0; ++i)
        xcb_screen_next(&roots);
    if (roots.rem <= 0)
        return {};
    xcb_get_geometry_reply_t* root = xcb_get_geometry_reply(
        connection, xcb_get_geometry(connection, roots.data->root), nullptr);
    if (!root)
        return {};
    const QSize size(root->width, root->height);
    std::free(root);
    return size;
}
