// Global shortcuts on X11: a passive grab of each combination on the root window, repeated for
// every state of Num Lock and Caps Lock so that neither gets in the way, and the presses picked
// out of Qt's own event stream. Under Wayland or a display without X there is nothing to grab.
#include "platform/os_services.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QKeySequence>
#include <QTimer>
#include <cstdlib>
#include <vector>
#include <xcb/xcb.h>

namespace {

constexpr uint32_t kNoSymbol = 0;
constexpr uint32_t kNumLockSymbol = 0xff7f;
constexpr uint16_t kCombinationMask =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

class UnavailableShortcuts : public GlobalShortcuts {
public:
    explicit UnavailableShortcuts(QString reason) : m_reason(std::move(reason)) {}
    QString unavailable() const override { return m_reason; }
    bool add(const QString&, std::function<void()>) override { return false; }

private:
    QString m_reason;
};

// The X keysym of the keys the program binds: letters, digits, space and F1 to F12.
uint32_t keysymFor(Qt::Key key) {
    if (key == Qt::Key_Space)
        return 0x20;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 0x61 + (key - Qt::Key_A); // lower case, as the keyboard map lists them first
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return 0x30 + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return 0xffbe + (key - Qt::Key_F1);
    return kNoSymbol;
}

uint16_t modifierMaskFor(Qt::KeyboardModifiers modifiers) {
    uint16_t mask = 0;
    if (modifiers & Qt::ControlModifier)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::ShiftModifier)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::MetaModifier)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

class X11Shortcuts : public GlobalShortcuts, public QAbstractNativeEventFilter {
public:
    explicit X11Shortcuts(xcb_connection_t* connection) : m_connection(connection) {
        for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem;
             xcb_screen_next(&it))
            m_roots.push_back(it.data->root);
        m_numLock = numLockMask();
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~X11Shortcuts() override {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        for (const Binding& binding : m_bindings)
            ungrab(binding.keycode, binding.modifiers);
        xcb_flush(m_connection);
    }

    QString unavailable() const override { return {}; }

    bool add(const QString& combination, std::function<void()> action) override {
        const QKeySequence sequence = QKeySequence::fromString(combination);
        if (sequence.count() != 1)
            return false;
        const QKeyCombination keys = sequence[0];
        const xcb_keycode_t keycode = keycodeFor(keysymFor(keys.key()));
        if (keycode == 0)
            return false;
        const uint16_t modifiers = modifierMaskFor(keys.keyboardModifiers());
        // A grab another client holds fails with BadAccess; checked requests report it here.
        std::vector<xcb_void_cookie_t> cookies;
        for (xcb_window_t root : m_roots)
            for (uint16_t locks : lockStates())
                cookies.push_back(xcb_grab_key_checked(m_connection, 1, root, modifiers | locks,
                                                       keycode, XCB_GRAB_MODE_ASYNC,
                                                       XCB_GRAB_MODE_ASYNC));
        bool grabbed = true;
        for (xcb_void_cookie_t cookie : cookies) {
            if (xcb_generic_error_t* error = xcb_request_check(m_connection, cookie)) {
                grabbed = false;
                std::free(error);
            }
        }
        if (!grabbed) {
            ungrab(keycode, modifiers); // only this client's grabs are released
            return false;
        }
        m_bindings.push_back({keycode, modifiers, std::move(action), false});
        return true;
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const uint8_t kind = event->response_type & 0x7f;
        if (kind != XCB_KEY_PRESS && kind != XCB_KEY_RELEASE)
            return false;
        const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
        const uint16_t state = key->state & kCombinationMask;
        for (Binding& binding : m_bindings) {
            if (binding.keycode != key->detail)
                continue;
            if (kind == XCB_KEY_RELEASE && binding.down) {
                binding.down = false;
                return true;
            }
            if (kind == XCB_KEY_PRESS && binding.modifiers == state) {
                // A held key repeats its press (Qt asks the server to leave out the releases
                // in between); it counts once.
                if (!binding.down) {
                    binding.down = true;
                    // Run from the event loop, not from inside Qt's event reading.
                    QTimer::singleShot(0, qApp, binding.action);
                }
                return true;
            }
        }
        return false;
    }

private:
    struct Binding {
        xcb_keycode_t keycode;
        uint16_t modifiers;
        std::function<void()> action;
        bool down = false;
    };

    std::vector<uint16_t> lockStates() const {
        return {0, XCB_MOD_MASK_LOCK, m_numLock,
                static_cast<uint16_t>(XCB_MOD_MASK_LOCK | m_numLock)};
    }

    void ungrab(xcb_keycode_t keycode, uint16_t modifiers) {
        for (xcb_window_t root : m_roots)
            for (uint16_t locks : lockStates())
                xcb_ungrab_key(m_connection, keycode, root, modifiers | locks);
    }

    // Every keycode whose keyboard map entry holds the keysym, first one first.
    std::vector<xcb_keycode_t> keycodesFor(uint32_t keysym) const {
        std::vector<xcb_keycode_t> found;
        if (keysym == kNoSymbol)
            return found;
        const xcb_setup_t* setup = xcb_get_setup(m_connection);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
            m_connection, xcb_get_keyboard_mapping(m_connection, setup->min_keycode, count),
            nullptr);
        if (!reply)
            return found;
        const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(reply);
        const int length = xcb_get_keyboard_mapping_keysyms_length(reply);
        const int perKeycode = std::max<int>(reply->keysyms_per_keycode, 1);
        for (int i = 0; i < length; ++i) {
            const auto keycode = static_cast<xcb_keycode_t>(setup->min_keycode + i / perKeycode);
            if (symbols[i] == keysym && (found.empty() || found.back() != keycode))
                found.push_back(keycode);
        }
        std::free(reply);
        return found;
    }

    xcb_keycode_t keycodeFor(uint32_t keysym) const {
        const auto keycodes = keycodesFor(keysym);
        return keycodes.empty() ? 0 : keycodes.front();
    }

    // The modifier bit Num Lock sets; Mod2 on nearly every keyboard map.
    uint16_t numLockMask() const {
        const auto numLockKeys = keycodesFor(kNumLockSymbol);
        xcb_get_modifier_mapping_reply_t* reply = xcb_get_modifier_mapping_reply(
            m_connection, xcb_get_modifier_mapping(m_connection), nullptr);
        if (!reply)
            return XCB_MOD_MASK_2;
        uint16_t mask = 0;
        const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(reply);
        const int perModifier = reply->keycodes_per_modifier;
        for (int modifier = 0; modifier < 8 && mask == 0; ++modifier)
            for (int k = 0; k < perModifier; ++k)
                for (xcb_keycode_t numLock : numLockKeys)
                    if (keycodes[modifier * perModifier + k] == numLock)
                        mask = static_cast<uint16_t>(1u << modifier);
        std::free(reply);
        return mask != 0 ? mask : static_cast<uint16_t>(XCB_MOD_MASK_2);
    }

    xcb_connection_t* m_connection;
    std::vector<xcb_window_t> m_roots;
    uint16_t m_numLock = XCB_MOD_MASK_2;
    std::vector<Binding> m_bindings;
};

} // namespace

std::unique_ptr<GlobalShortcuts> makeGlobalShortcuts() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>())
            if (xcb_connection_t* connection = x11->connection())
                return std::make_unique<X11Shortcuts>(connection);
    }
    if (platform.startsWith(QLatin1String("wayland")))
        return std::make_unique<UnavailableShortcuts>(
            QStringLiteral("a native Wayland session lets no program grab keys for the whole "
                           "desktop"));
    return std::make_unique<UnavailableShortcuts>(
        QStringLiteral("the \"%1\" display offers no keys for the whole desktop").arg(platform));
}
