// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bar/AutoHide.h"
#include "bar/BarLook.h"
#include "bar/Summon.h"
#include "store/EngineList.h"
#include "store/IniFile.h"
#include "store/SSearch.h"
#include "store/Settings.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QIcon>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <string>

class CBarNotice;
class CBarAccessible;
class CBarScreen;
class CCommandMenu;
class CCursorBlinkPause;
class CEngineHint;
class CEngineMenu;
class CGlobalHotkey;
class COptionsMenu;
class CSearchRecall;
class CSelectionReader;
class QLineEdit;

// Where a search's address opens: the default browser as the desktop opens
// any address, or a new private window of that browser.
enum class ESearchWindow {
    Normal,
    Private,
};

// The bar: a small borderless window hanging from the top edge of the screen
// with the current engine's name, the options box and the query field.
//
// Everything the user does reaches it as a window event or as a numbered
// command (OnCommand), the same ids the menus send; the rest of the program
// and the tests read its state through the accessors below. Where it hangs is
// CAutoHide's business, a summon's state CSummon's; the bar routes to them.
class CLumoraDlg : public QDialog {
    Q_OBJECT

public:
    CLumoraDlg();
    ~CLumoraDlg() override;

    // Menu entries, the start-up replay of stored options and the bar's own
    // requests (double click, end of session) all arrive here. Unknown ids
    // are ignored. Afterwards the menus' marks show the settings.
    void OnCommand(int id);

    // Opens the address the query makes with the current engine, or with the
    // engine whose abbreviation starts the query. A private search is never
    // remembered.
    void RunSearch(std::string query, ESearchWindow window = ESearchWindow::Normal);

    // The keyboard asks for the bar (the hotkey, another start): down at
    // once, raised, focused with the query selected. It stays down while
    // the user types, until Escape, a search by Enter, the focus going to
    // another window with the pointer elsewhere, or the pointer's entering
    // and leaving the bar. `userTime`: the window system's time of the key
    // press, 0 when unknown.
    void Summon(std::uint32_t userTime = 0);
    // A summon with the text selected in any program (else the clipboard's)
    // in the field, the cursor at its start; with none, a plain summon. The
    // bar comes down once the text is there (at most a second on X11).
    void SummonWithSelection(std::uint32_t userTime = 0);
    bool IsSummoned() const { return m_summon.IsActive(); }

    // Where the bar hangs: auto hide, the pin, a drag.
    CAutoHide& AutoHide() { return m_autoHide; }
    const CAutoHide& AutoHide() const { return m_autoHide; }
    // Which monitor it hangs from.
    CBarScreen* BarScreen() const { return m_barScreen; }

    // ---- What the bar shows and holds ---------------------------------------
    const SSettings& Settings() const { return m_settings; }
    // What lumora.ini keeps (the hotkey).
    const SIniSettings& IniSettings() const { return m_ini; }
    CGlobalHotkey* Hotkey() const { return m_hotkey; }
    // The second hotkey: the bar with the selected text.
    CGlobalHotkey* SelectionHotkey() const { return m_selectionHotkey; }
    const CEngineList& Engines() const { return m_engines; }
    const SSearch& Current() const { return m_current; }
    bool IsHoverEngine() const { return m_hoverEngine; }
    const SBarLayout& Layout() const { return m_layout; }
    const SColorScheme& Colors() const { return m_colors; }
    const QFont& QueryFont() const { return m_queryFont; }
    QLineEdit* QueryField() const { return m_query; }
    // The name of the engine the query's first word picks, in the field.
    CEngineHint* EngineHint() const { return m_engineHint; }
    // Whether the first frame is on screen and the start-up work it did not
    // need (the hotkey grab, the icon at all sizes) has followed.
    bool IsStartupFinished() const { return m_startupFinished; }

    // The popup menus. Start-up does not build them; the first popup, or the
    // first call here, does, with marks from the settings of that moment.
    CEngineMenu* EngineMenu();
    COptionsMenu* OptionsMenu();
    bool MenusBuilt() const { return m_engineMenu || m_optionsMenu; }

    // Earlier searches: Up/Down recall and the completion list (BarRecall.cpp).
    CSearchRecall* Recall() const { return m_recall; }
    // The message under the field; null until the first one.
    CBarNotice* Notice() const { return m_notice; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Mouse, crossing and window events (BarMouse.cpp).
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend struct CBarTestAccess;  // tests only: engine lists made on the spot

    void OnInitDialog();
    // What start-up leaves until the first frame has been drawn.
    void AfterFirstFrame();

    // Layout (BarLayout.cpp): every rectangle from the template.
    void LayOutBar();

    // Look (BarAppearance.cpp). Each stores its option in m_settings.
    void ApplyColorScheme(int scheme);
    void ApplyRandomScheme();
    void ApplyRounding(int level);
    void ApplyTransparency(int level);
    void ApplyButtonView(int view);
    // Builds m_engineFont and m_queryFont from the stored font fields.
    void ApplyFonts();

    // Data files (BarPersistence.cpp).
    void RemoveLeftoverTempFiles();
    void LoadSettingsOrDefaults();
    void LoadCatalogOrBuiltIn();
    // Stores the bar's x, writes both files and ends the bar.
    void SaveAndClose();

    // Commands, menus and what their entries open (BarCommands.cpp).
    void BuildOptionsMenu();
    void BuildEngineMenu();
    // Every menu mark from m_settings; menus not built yet are left alone.
    void ShowMarks();
    // Engine entry k: makes the k-th selected engine current.
    void ChooseEngine(int k);
    void RunCatalogDialog();
    void RunAboutBox();
    void ChooseQueryFont();

    // The hotkey (BarHotkey.cpp): the stored one grabbed at start-up, and
    // the Hotkey dialog.
    void LoadIniOrDefaults();
    void PrepareHotkey();
    void GrabStoredHotkey();
    void RunHotkeyDialog();

    // Earlier searches (BarRecall.cpp).
    void PrepareSearchRecall();
    void RecordSearch(const std::string& query);
    void ToggleRememberSearches();
    void ClearHistory();

    // A new private window of the default browser, or a notice why not
    // (BarPrivateSearch.cpp).
    void OpenPrivateWindow(const std::string& address);
    bool NoticeShown() const;

    // Mouse and auto hide (BarMouse.cpp).
    void ToggleAutoHide();
    // Starts the timers that run for the bar's whole life.
    void StartTimers();
    // The mouse handlers; points in client coordinates. The Qt event handlers
    // forward to these. `screen` is where the pointer really was.
    void OnMouseMove(const QPoint& point);
    void OnMouseMove(const QPoint& point, const QPoint& screen);
    void OnLButtonDown(const QPoint& point);
    void OnLButtonUp(const QPoint& point, Qt::KeyboardModifiers modifiers = {});
    void OnLButtonDblClk();
    // F1: the local help file.
    void OnHelp();
    // The bar takes the keyboard: at its first show and on a click while
    // another window has it. `userTime` is the click's X time, 0 for none.
    void TakeKeyboard(std::uint32_t userTime);

    void OpenPopup(CCommandMenu* menu, const QRect& clientBox);

    // Keys beyond typing (BarKeys.cpp): another engine, the menus. True when
    // the key was used up.
    bool OnBarKey(const QKeyEvent& key);
    // The engine menu's entry `step` places on from the marked one, round at
    // the ends, chosen as the menu chooses it.
    void StepEngine(int step);
    // The engine menu entry the mark stands on, -1 for none.
    int MarkedEnginePosition() const;
    // A menu opened where a click opens it, with entry `activeId` (or its
    // first) active; the field afterwards as it was.
    void OpenMenuFromKeys(CCommandMenu* menu, const QRect& clientBox, int activeId);

    QIcon m_hIcon;  // the application icon: its 32 x 32 image, all sizes after the first frame

    bool m_hoverEngine = false;  // cursor over the engine-name box

    // Look.
    SColorScheme m_colors;
    QFont m_engineFont;
    QFont m_queryFont;

    SBarLayout m_layout;

    // Popup menus, children of the bar; null until first needed.
    COptionsMenu* m_optionsMenu = nullptr;
    CEngineMenu* m_engineMenu = nullptr;
    // Whether the engine menu marks entry engineIndex: not after the list
    // has changed under it, until the next choice.
    bool m_engineMarked = false;

    QLineEdit* m_query = nullptr;         // owned by the dialog as its child
    CEngineHint* m_engineHint = nullptr;  // child of the field

    SSettings m_settings;
    SIniSettings m_ini;
    CIniFile m_iniFile;  // the rest of lumora.ini, written back as read
    CGlobalHotkey* m_hotkey = nullptr;
    CGlobalHotkey* m_selectionHotkey = nullptr;
    CSelectionReader* m_selectionReader = nullptr;  // child of the bar, made at the first use
    SSearch m_current;
    CEngineList m_engines;

    // Declared after m_settings, which auto hide reads.
    CAutoHide m_autoHide;
    CSummon m_summon;
    CBarScreen* m_barScreen = nullptr;  // child of the bar
    bool m_everShown = false;
    bool m_everPainted = false;
    bool m_startupFinished = false;

    // Stops the field's cursor blinking while nobody uses the bar.
    CCursorBlinkPause* m_blinkPause = nullptr;
    // A menu opened since the last press: the next press is a click of its
    // own, even when it comes within the double-click time.
    bool m_popupSincePress = false;

    CSearchRecall* m_recall = nullptr;       // earlier searches; child of the bar
    CBarNotice* m_notice = nullptr;          // child of the bar
    CBarAccessible* m_accessible = nullptr;  // what screen readers see; child of the bar
};
