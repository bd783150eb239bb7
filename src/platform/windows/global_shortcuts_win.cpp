// Global shortcuts on Windows: RegisterHotKey for the program's own thread. The WM_HOTKEY
// messages arrive in that thread's queue with no window, where Qt's event dispatcher hands
// them to a native event filter.
#include "platform/os_services.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QKeySequence>
#include <QTimer>
#include <vector>
#include <windows.h>

namespace {

constexpr int kFirstId = 0x2D00; // application hot key ids lie in 0x0000 to 0xBFFF

UINT virtualKeyFor(Qt::Key key) {
    if (key == Qt::Key_Space)
        return VK_SPACE;
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<UINT>(key); // the virtual keys of letters and digits are their ASCII
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return VK_F1 + (key - Qt::Key_F1);
    return 0;
}

UINT modifiersFor(Qt::KeyboardModifiers modifiers) {
    UINT flags = MOD_NOREPEAT; // a held combination counts once
    if (modifiers & Qt::ControlModifier)
        flags |= MOD_CONTROL;
    if (modifiers & Qt::AltModifier)
        flags |= MOD_ALT;
    if (modifiers & Qt::ShiftModifier)
        flags |= MOD_SHIFT;
    if (modifiers & Qt::MetaModifier)
        flags |= MOD_WIN;
    return flags;
}

class WindowsShortcuts : public GlobalShortcuts, public QAbstractNativeEventFilter {
public:
    WindowsShortcuts() { QCoreApplication::instance()->installNativeEventFilter(this); }

    ~WindowsShortcuts() override {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        for (size_t i = 0; i < m_actions.size(); ++i)
            UnregisterHotKey(nullptr, kFirstId + static_cast<int>(i));
    }

    QString unavailable() const override { return {}; }

    bool add(const QString& combination, std::function<void()> action) override {
        const QKeySequence sequence = QKeySequence::fromString(combination);
        if (sequence.count() != 1)
            return false;
        const QKeyCombination keys = sequence[0];
        const UINT virtualKey = virtualKeyFor(keys.key());
        if (virtualKey == 0)
            return false;
        const int id = kFirstId + static_cast<int>(m_actions.size());
        // Fails when another program registered the same combination first.
        if (!RegisterHotKey(nullptr, id, modifiersFor(keys.keyboardModifiers()), virtualKey))
            return false;
        m_actions.push_back(std::move(action));
        return true;
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "windows_dispatcher_MSG" && type != "windows_generic_MSG")
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_HOTKEY)
            return false;
        const auto index = static_cast<long long>(msg->wParam) - kFirstId;
        if (index < 0 || index >= static_cast<long long>(m_actions.size()))
            return false;
        QTimer::singleShot(0, QCoreApplication::instance(), m_actions[size_t(index)]);
        return true;
    }

private:
    std::vector<std::function<void()>> m_actions;
};

} // namespace

std::unique_ptr<GlobalShortcuts> makeGlobalShortcuts() {
    return std::make_unique<WindowsShortcuts>();
}
