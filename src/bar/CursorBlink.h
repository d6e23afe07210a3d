// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

// Stops the text cursor's blinking once the program has seen no key press or
// mouse move for a while, and starts it again at the next one, as GTK does:
// a focused field in a bar nobody is looking at would otherwise wake the
// program several times a second for as long as it runs.
//
// It works through the application's cursor flash time, so it covers every
// text field of the program. The flash time in use when the object was made
// comes back when it goes.
class CCursorBlinkPause : public QObject {
    Q_OBJECT

public:
    explicit CCursorBlinkPause(std::chrono::milliseconds idle, QObject* parent = nullptr);
    ~CCursorBlinkPause() override;
    CCursorBlinkPause(const CCursorBlinkPause&) = delete;
    CCursorBlinkPause& operator=(const CCursorBlinkPause&) = delete;

    bool Paused() const { return m_paused; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnInput();
    void OnIdleCheck();

    std::chrono::milliseconds m_idle;
    int m_flashTime;
    bool m_paused = false;
    // Input only notes the time; the check runs once per idle spell.
    QElapsedTimer m_sinceInput;
    QTimer m_check;
};
