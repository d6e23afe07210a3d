// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hotkey that summons the bar: kept in lumora.ini, grabbed at start-up,
// changed in the Hotkey dialog.
#include "bar/LumoraDlg.h"

#include "dialogs/HotkeyDlg.h"
#include "platform/GlobalHotkey.h"
#include "store/DataFolder.h"

#include <cstdio>

namespace {

// The stored text as a key sequence; text Qt cannot read gives the default.
QKeySequence StoredSequence(const std::string& text)
{
    if (text.empty()) return {};
    const QKeySequence sequence = QKeySequence::fromString(QString::fromStdString(text), QKeySequence::PortableText);
    if (sequence.isEmpty() || sequence[0].key() == Qt::Key_unknown)
        return QKeySequence::fromString(QString::fromLatin1(SIniSettings::kDefaultHotkey), QKeySequence::PortableText);
    return QKeySequence(sequence[0]);
}

}  // namespace

void CLumoraDlg::LoadIniOrDefaults()
{
    LoadIniSettings(GetAppDataPath(kIniSuffix), m_iniFile, m_ini);
}

void CLumoraDlg::PrepareHotkey()
{
    if (m_hotkey) return;
    m_hotkey = new CGlobalHotkey(this);
    connect(m_hotkey, &CGlobalHotkey::activated, this, [this](std::uint32_t time) { Summon(time); });
}

// A combination another program holds leaves the bar without a hotkey for
// this run; the stored choice stays for the next.
void CLumoraDlg::GrabStoredHotkey()
{
    PrepareHotkey();
    const QKeySequence sequence = StoredSequence(m_ini.hotkey);
    if (m_hotkey->Grab(sequence) == CGlobalHotkey::EGrab::Taken)
        std::fprintf(stderr, "lumora: %s\n", HotkeyInUseText(sequence).toLocal8Bit().constData());
}

// The combination in force is let go while the dialog is open, so that
// pressing it there fills the field instead of summoning the bar; Cancel
// takes it back.
void CLumoraDlg::RunHotkeyDialog()
{
    const QKeySequence current = StoredSequence(m_ini.hotkey);
    const QKeySequence held = m_hotkey->Current();
    m_hotkey->Grab({});
    CHotkeyDlg dialog(
        current,
        [this](const QKeySequence& sequence) -> QString {
            switch (m_hotkey->Grab(sequence)) {
            case CGlobalHotkey::EGrab::Taken: return HotkeyInUseText(sequence);
            case CGlobalHotkey::EGrab::NoSuchKey: return HotkeyNoKeyText(sequence);
            case CGlobalHotkey::EGrab::Grabbed:
            case CGlobalHotkey::EGrab::Unavailable: break;  // kept for a session that can grab
            }
            return {};
        },
        this);
    if (dialog.exec() != QDialog::Accepted) {
        m_hotkey->Grab(held);
        return;
    }
    m_ini.hotkey = dialog.Chosen().toString(QKeySequence::PortableText).toStdString();
}
