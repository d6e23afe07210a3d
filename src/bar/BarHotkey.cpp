// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hotkeys that summon the bar, plainly or with the selected text: kept
// in lumora.ini, grabbed at start-up, changed in the Hotkey dialog.
#include "bar/LumoraDlg.h"

#include "dialogs/HotkeyDlg.h"
#include "platform/GlobalHotkey.h"
#include "store/DataFolder.h"

#include <cstdio>

namespace {

// The stored text as a key sequence; text Qt cannot read gives the default.
QKeySequence StoredSequence(const std::string& text, const char* fallback = SIniSettings::kDefaultHotkey)
{
    if (text.empty()) return {};
    const QKeySequence sequence = QKeySequence::fromString(QString::fromStdString(text), QKeySequence::PortableText);
    if (sequence.isEmpty() || sequence[0].key() == Qt::Key_unknown)
        return QKeySequence::fromString(QString::fromLatin1(fallback), QKeySequence::PortableText);
    return QKeySequence(sequence[0]);
}

QKeySequence StoredSelectionSequence(const std::string& text)
{
    return StoredSequence(text, SIniSettings::kDefaultSelectionHotkey);
}

// What the Hotkey dialog shows when `hotkey` cannot take `sequence`.
QString TryGrab(CGlobalHotkey& hotkey, const QKeySequence& sequence)
{
    switch (hotkey.Grab(sequence)) {
    case CGlobalHotkey::EGrab::Taken: return HotkeyInUseText(sequence);
    case CGlobalHotkey::EGrab::NoSuchKey: return HotkeyNoKeyText(sequence);
    case CGlobalHotkey::EGrab::Grabbed:
    case CGlobalHotkey::EGrab::Unavailable: break;  // kept for a session that can grab
    }
    return {};
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
    m_selectionHotkey = new CGlobalHotkey(this);
    connect(m_selectionHotkey, &CGlobalHotkey::activated, this,
            [this](std::uint32_t time) { SummonWithSelection(time); });
}

// A combination another program holds leaves the bar without a hotkey for
// this run; the stored choice stays for the next.
void CLumoraDlg::GrabStoredHotkey()
{
    PrepareHotkey();
    const QKeySequence sequence = StoredSequence(m_ini.hotkey);
    if (m_hotkey->Grab(sequence) == CGlobalHotkey::EGrab::Taken)
        std::fprintf(stderr, "lumora: %s\n", HotkeyInUseText(sequence).toLocal8Bit().constData());
    const QKeySequence selection = StoredSelectionSequence(m_ini.selectionHotkey);
    // The same combination twice would summon one way only.
    if (selection == m_hotkey->Current()) return;
    if (m_selectionHotkey->Grab(selection) == CGlobalHotkey::EGrab::Taken)
        std::fprintf(stderr, "lumora: %s\n", HotkeyInUseText(selection).toLocal8Bit().constData());
}

// The combination in force is let go while the dialog is open, so that
// pressing it there fills the field instead of summoning the bar; Cancel
// takes it back.
void CLumoraDlg::RunHotkeyDialog()
{
    const QKeySequence held = m_hotkey->Current();
    const QKeySequence heldSelection = m_selectionHotkey->Current();
    m_hotkey->Grab({});
    m_selectionHotkey->Grab({});
    CHotkeyDlg dialog(
        StoredSequence(m_ini.hotkey), [this](const QKeySequence& sequence) { return TryGrab(*m_hotkey, sequence); },
        this);
    dialog.SetSelectionHotkey(StoredSelectionSequence(m_ini.selectionHotkey),
                              [this](const QKeySequence& sequence) { return TryGrab(*m_selectionHotkey, sequence); });
    if (dialog.exec() != QDialog::Accepted) {
        // The first goes back first: it was in force before the second.
        m_selectionHotkey->Grab({});
        m_hotkey->Grab(held);
        m_selectionHotkey->Grab(heldSelection);
        return;
    }
    m_ini.hotkey = dialog.Chosen().toString(QKeySequence::PortableText).toStdString();
    m_ini.selectionHotkey = dialog.ChosenSelection().toString(QKeySequence::PortableText).toStdString();
}
