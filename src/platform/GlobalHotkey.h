// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractNativeEventFilter>
#include <QKeySequence>
#include <QObject>

#include <cstdint>
#include <vector>

// A key combination that summons the bar from anywhere: grabbed on the X
// root window for every state of NumLock, CapsLock and ScrollLock, so the
// lock keys never get in the way; released when the object goes. Only xcb
// lets a program grab keys; elsewhere every grab is Unsupported.
class CGlobalHotkey : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    enum class EGrab {
        Grabbed,      // in force (an empty sequence: none in force)
        Taken,        // another program holds it; the previous one stays
        NoSuchKey,    // the keyboard has no key for it; the previous one stays
        Unavailable,  // this platform lets no program grab keys
    };

    explicit CGlobalHotkey(QObject* parent = nullptr);
    ~CGlobalHotkey() override;

    // The first key combination of `sequence` replaces the one in force; an
    // empty sequence releases it.
    EGrab Grab(const QKeySequence& sequence);
    QKeySequence Current() const { return m_sequence; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    // The combination was pressed; `time` is the X server's time of it.
    void activated(std::uint32_t time);

private:
    struct SGrab {
        std::uint8_t keycode = 0;
        std::uint16_t modifiers = 0;
        std::vector<std::uint16_t> lockStates;  // every combination grabbed
    };
    void Release(const SGrab& grab);

    QKeySequence m_sequence;
    SGrab m_grab;
    bool m_active = false;
    std::uint16_t m_lockMask = 0;
};

// The line for stderr and the Hotkey dialog when `sequence` is taken.
QString HotkeyInUseText(const QKeySequence& sequence);
// The Hotkey dialog's warning for a combination with no key.
QString HotkeyNoKeyText(const QKeySequence& sequence);
