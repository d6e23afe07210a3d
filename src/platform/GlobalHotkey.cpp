// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/GlobalHotkey.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include "platform/XcbSupport.h"

#include <cstdlib>
#include <optional>

namespace {

// X keysyms of the keys Qt names differently.
struct SKeysym {
    int qtKey;
    std::uint32_t keysym;
};
constexpr SKeysym kKeysyms[] = {
    {Qt::Key_Escape, 0xff1b},   {Qt::Key_Tab, 0xff09},    {Qt::Key_Backspace, 0xff08}, {Qt::Key_Return, 0xff0d},
    {Qt::Key_Enter, 0xff8d},    {Qt::Key_Insert, 0xff63}, {Qt::Key_Delete, 0xffff},    {Qt::Key_Pause, 0xff13},
    {Qt::Key_Print, 0xff61},    {Qt::Key_Home, 0xff50},   {Qt::Key_End, 0xff57},       {Qt::Key_Left, 0xff51},
    {Qt::Key_Up, 0xff52},       {Qt::Key_Right, 0xff53},  {Qt::Key_Down, 0xff54},      {Qt::Key_PageUp, 0xff55},
    {Qt::Key_PageDown, 0xff56}, {Qt::Key_Menu, 0xff67},
};
constexpr std::uint32_t kNumLockKeysym = 0xff7f;
constexpr std::uint32_t kScrollLockKeysym = 0xff14;

std::optional<std::uint32_t> KeysymOf(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::uint32_t>(key - Qt::Key_A + 'a');
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) return static_cast<std::uint32_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35) return static_cast<std::uint32_t>(0xffbe + (key - Qt::Key_F1));
    for (const SKeysym& k : kKeysyms) {
        if (k.qtKey == key) return k.keysym;
    }
    return std::nullopt;
}

// Every keycode whose keys include `keysym`, in any column.
std::vector<std::uint8_t> KeycodesOf(xcb_connection_t* connection, std::uint32_t keysym)
{
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<std::uint8_t>(count)),
        nullptr);
    std::vector<std::uint8_t> keycodes;
    if (!mapping) return keycodes;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping);
    const int perKey = mapping->keysyms_per_keycode;
    for (int k = 0; k < count; ++k) {
        for (int column = 0; column < perKey; ++column) {
            if (keysyms[k * perKey + column] == keysym) {
                keycodes.push_back(static_cast<std::uint8_t>(setup->min_keycode + k));
                break;
            }
        }
    }
    std::free(mapping);
    return keycodes;
}

// The modifier bit that a lock key's keycodes sit on, 0 when none.
std::uint16_t ModifierOf(xcb_connection_t* connection, const std::vector<std::uint8_t>& keycodes)
{
    xcb_get_modifier_mapping_reply_t* reply =
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr);
    if (!reply) return 0;
    const xcb_keycode_t* map = xcb_get_modifier_mapping_keycodes(reply);
    std::uint16_t mask = 0;
    for (int modifier = 0; modifier < 8 && !mask; ++modifier) {
        for (int i = 0; i < reply->keycodes_per_modifier; ++i) {
            const xcb_keycode_t code = map[modifier * reply->keycodes_per_modifier + i];
            for (std::uint8_t wanted : keycodes) {
                if (code != 0 && code == wanted) mask = static_cast<std::uint16_t>(1u << modifier);
            }
        }
    }
    std::free(reply);
    return mask;
}

std::uint16_t ModifiersOf(Qt::KeyboardModifiers modifiers)
{
    std::uint16_t mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::ControlModifier) mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier) mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::MetaModifier) mask |= XCB_MOD_MASK_4;
    return mask;
}

// Every subset of the lock bits in `locks`.
std::vector<std::uint16_t> LockStates(std::uint16_t locks)
{
    std::vector<std::uint16_t> states;
    for (std::uint32_t subset = locks;; subset = (subset - 1) & locks) {
        states.push_back(static_cast<std::uint16_t>(subset));
        if (subset == 0) break;
    }
    return states;
}

}  // namespace

QString HotkeyInUseText(const QKeySequence& sequence)
{
    return CGlobalHotkey::tr("%1 is in use by another program; choose another in Hotkey...")
        .arg(sequence.toString(QKeySequence::PortableText));
}

QString HotkeyNoKeyText(const QKeySequence& sequence)
{
    return CGlobalHotkey::tr("%1 has no key on this keyboard; choose another.")
        .arg(sequence.toString(QKeySequence::PortableText));
}

CGlobalHotkey::CGlobalHotkey(QObject* parent)
    : QObject(parent)
{
    if (QtXcbConnection()) QCoreApplication::instance()->installNativeEventFilter(this);
}

CGlobalHotkey::~CGlobalHotkey()
{
    if (m_active) Release(m_grab);
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

CGlobalHotkey::EGrab CGlobalHotkey::Grab(const QKeySequence& sequence)
{
    xcb_connection_t* connection = QtXcbConnection();
    if (sequence.isEmpty()) {
        if (m_active) Release(m_grab);
        m_active = false;
        m_sequence = QKeySequence();
        return EGrab::Grabbed;
    }
    if (!connection) return EGrab::Unavailable;

    const QKeyCombination combination = sequence[0];
    const std::optional<std::uint32_t> keysym = KeysymOf(combination.key());
    if (!keysym) return EGrab::NoSuchKey;
    const std::vector<std::uint8_t> keycodes = KeycodesOf(connection, *keysym);
    if (keycodes.empty()) return EGrab::NoSuchKey;

    SGrab grab;
    grab.keycode = keycodes.front();
    grab.modifiers = ModifiersOf(combination.keyboardModifiers());
    if (m_active && grab.keycode == m_grab.keycode && grab.modifiers == m_grab.modifiers) {
        m_sequence = QKeySequence(combination);
        return EGrab::Grabbed;
    }

    const std::uint16_t numLock = ModifierOf(connection, KeycodesOf(connection, kNumLockKeysym));
    const std::uint16_t scrollLock = ModifierOf(connection, KeycodesOf(connection, kScrollLockKeysym));
    const std::uint16_t locks =
        static_cast<std::uint16_t>((XCB_MOD_MASK_LOCK | numLock | scrollLock) & ~grab.modifiers);

    // All requests first, then their answers: one round trip.
    std::vector<std::pair<std::uint16_t, xcb_void_cookie_t>> requests;
    for (std::uint16_t state : LockStates(locks)) {
        requests.emplace_back(state, xcb_grab_key_checked(connection, 1, RootWindow(connection), grab.modifiers | state,
                                                          grab.keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    bool taken = false;
    for (const auto& [state, cookie] : requests) {
        if (xcb_generic_error_t* error = xcb_request_check(connection, cookie)) {
            taken = true;
            std::free(error);
        } else {
            grab.lockStates.push_back(state);
        }
    }
    if (taken) {
        Release(grab);
        return EGrab::Taken;
    }

    if (m_active) Release(m_grab);
    m_grab = grab;
    m_lockMask = locks;
    m_active = true;
    m_sequence = QKeySequence(combination);
    return EGrab::Grabbed;
}

void CGlobalHotkey::Release(const SGrab& grab)
{
    xcb_connection_t* connection = QtXcbConnection();
    if (!connection) return;
    for (std::uint16_t state : grab.lockStates)
        xcb_ungrab_key(connection, grab.keycode, RootWindow(connection), grab.modifiers | state);
    xcb_flush(connection);
}

bool CGlobalHotkey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (!m_active || eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS) return false;
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    constexpr std::uint16_t kModifierBits = 0xff;
    const std::uint16_t state = press->state & kModifierBits & ~m_lockMask;
    if (press->detail != m_grab.keycode || state != m_grab.modifiers) return false;
    emit activated(press->time);
    return true;
}
