// The top strip kept for the bar on Windows: an application desktop toolbar along the top edge,
// which the shell keeps maximised windows clear of.
#include "platform/os_services.h"

#include <QVariant>
#include <QWidget>
// shellapi.h needs the types windows.h declares.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

namespace {
const char* const kRegistered = "dorvaneAppBar";

APPBARDATA appBar(QWidget& window) {
    APPBARDATA data{};
    data.cbSize = sizeof data;
    data.hWnd = reinterpret_cast<HWND>(window.winId());
    return data;
}
} // namespace

void reserveTopStrip(QWidget& window, const QRect& strip) {
    APPBARDATA data = appBar(window);
    const bool registered = window.property(kRegistered).toBool();
    if (strip.isEmpty()) {
        if (registered)
            SHAppBarMessage(ABM_REMOVE, &data);
        window.setProperty(kRegistered, false);
        return;
    }
    if (!registered) {
        data.uCallbackMessage = RegisterWindowMessageW(L"DorvaneAppBar");
        if (!SHAppBarMessage(ABM_NEW, &data))
            return;
        window.setProperty(kRegistered, true);
    }
    // The shell counts device pixels.
    const qreal ratio = window.devicePixelRatioF();
    data.uEdge = ABE_TOP;
    data.rc.left = static_cast<LONG>(strip.left() * ratio);
    data.rc.top = static_cast<LONG>(strip.top() * ratio);
    data.rc.right = static_cast<LONG>((strip.right() + 1) * ratio);
    data.rc.bottom = static_cast<LONG>((strip.bottom() + 1) * ratio);
    SHAppBarMessage(ABM_QUERYPOS, &data);
    // The shell may have moved the top down below another toolbar; the height stays the bar's.
    data.rc.bottom = data.rc.top + static_cast<LONG>(strip.height() * ratio);
    SHAppBarMessage(ABM_SETPOS, &data);
}
