#pragma once

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
#include <QTimer>

#include <cstdint>
#include <string>

class CCommandMenu;
class CCursorBlinkPause;
class CEngineMenu;
class CGlobalHotkey;
class CPointerGuard;
class COptionsMenu;
class CSearchRecall;
class QLineEdit;

// The bar's layout rectangles, in client coordinates.
struct SBarLayout {
    QRect engineBox;
    QRect optionsBox;
    QRect searchBox;
    QRect editRect;   // the query field's full width
    QRect fieldRect;  // the white area around it
    QRect pullStrip;  // bottom rows, all that shows of a hidden bar
};

// The four colours of the current scheme.
struct SBarColors {
    QColor back;  // whole background
    QColor box;   // fill of the options box
    QColor line;  // outlines, separator and search glyphs
    QColor text;  // engine name and "Go"
};

// The bar: a small borderless window hanging from the top edge of the screen
// with the current engine's name, the options box and the query field.
//
// Everything the user does reaches it as a window event or as a numbered
// command (OnCommand), the same ids the menus send; the rest of the program
// and the tests read its state through the accessors below.
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
    // engine whose abbreviation starts the query.
    void RunSearch(std::string query);

    // Moves the bar to the shown or the hidden position and swaps the polls.
    void ShowBar(bool show);

    // The keyboard asks for the bar (the hotkey, another start): down at
    // once, raised, focused with the query selected. It stays down while
    // the user types, until Escape, a search by Enter, the focus going to
    // another window with the pointer elsewhere, or the pointer's entering
    // and leaving the bar. `userTime`: the window system's time of the key
    // press, 0 when unknown.
    void Summon(std::uint32_t userTime = 0);
    bool IsSummoned() const { return m_summoned; }

    // The bar's timers, by id.
    enum EBarTimer {
        TIMER_SHOW_POLL = 1,  // hidden: shows the bar once the cursor rests on it
        TIMER_HIDE_POLL = 2,  // shown: hides it once the cursor has left (auto hide)
        TIMER_PIN = 4,        // puts the bar back on the top edge if moved down
    };
    bool IsBarTimerRunning(int id) const;
    // A tick of timer `id`, as the timer itself would deliver it.
    void OnTimer(int id);

    // ---- What the bar shows and holds ---------------------------------------
    const SSettings& Settings() const { return m_settings; }
    // What lumora.ini keeps (the hotkey).
    const SIniSettings& IniSettings() const { return m_ini; }
    CGlobalHotkey* Hotkey() const { return m_hotkey; }
    const CEngineList& Engines() const { return m_engines; }
    const SSearch& Current() const { return m_current; }
    bool IsShown() const { return m_shown; }
    bool IsDragging() const { return m_dragging; }
    bool IsHoverEngine() const { return m_hoverEngine; }
    SBarLayout Layout() const;
    SBarColors Colors() const;
    const QFont& QueryFont() const { return m_queryFont; }
    QLineEdit* QueryField() const { return m_query; }
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

    // Mouse, timers and auto hide (BarMouse.cpp).
    void ToggleAutoHide();
    // Starts the timers that run for the bar's whole life.
    void StartTimers();
    // Starts (or restarts) timer `id` with its period; stops it.
    void SetBarTimer(int id);
    void KillBarTimer(int id);
    // The mouse handlers; points in client coordinates. The Qt event handlers
    // forward to these. `screen` is where the pointer really was.
    void OnMouseMove(const QPoint& point);
    void OnMouseMove(const QPoint& point, const QPoint& screen);
    void OnLButtonDown(const QPoint& point);
    void OnLButtonUp(const QPoint& point);
    void OnLButtonDblClk();
    // F1: the local help file.
    void OnHelp();
    // The bar takes the keyboard: at its first show and on a click while
    // another window has it. `userTime` is the click's X time, 0 for none.
    void TakeKeyboard(std::uint32_t userTime);

    // Summons (BarSummon.cpp). Ends a summon: the bar goes up (with auto
    // hide on); on Escape the focus goes back where it was before.
    void EndSummon(bool returnFocus);
    void OnSummonActivationChange();
    void OnSummonCrossing(bool entered);

    // Mouse tracking and the timers' wiring, once, before the start-up.
    void PrepareMouseAndTimers();
    // A poll as the show/hide logic sees it (`running`), and the Qt timer
    // behind it, which ticks only while a tick could find something new.
    struct SPollTimer {
        QTimer ticker;
        bool running = false;
    };
    SPollTimer* PollTimer(int id);
    const SPollTimer* PollTimer(int id) const;
    void OnPollTick(int id);
    void WakePolls();
    // The pointer has left the bar, by a leave or across the guard.
    void OnPointerLeft();
    // Puts the pointer guard around the bar where the display needs one
    // and the bar has a reason to hear of the pointer leaving.
    void GuardPointer();
    void AttachPointerGuard(CPointerGuard* guard);
    // The bar at its own x (m_barLeft) and its current top.
    QRect BarRect() const;
    void MoveBarTop(int top);
    void OpenPopup(CCommandMenu* menu, const QRect& clientBox);

    QIcon m_hIcon;  // the application icon: its 32 x 32 image, all sizes after the first frame

    // Mouse and auto hide.
    bool m_dragging = false;     // left button went down on the bar surface
    bool m_shown = true;         // at the shown position, not retracted
    bool m_hoverEngine = false;  // cursor over the engine-name box
    // The pointer left the bar and has neither come back nor moved over it
    // since. XWayland keeps answering a pointer query with the last point it
    // had over an X window, so after a leave the answer cannot be trusted.
    bool m_pointerLeft = false;
    // Null until first needed, and on displays that do send the leave.
    CPointerGuard* m_pointerGuard = nullptr;
    QPoint m_dragOrigin;  // client point of the button-down
    // The bar's x as the bar itself last set it (start-up, a drag) or the
    // pin found it; every vertical move keeps it.
    int m_barLeft = 0;

    // Look.
    QColor m_backColor;
    QColor m_boxColor;
    QColor m_lineColor;
    QColor m_textColor;
    QFont m_engineFont;
    QFont m_queryFont;

    // Last read screen rectangle of the bar.
    QRect m_windowRect;
    // Layout, client coordinates.
    QRect m_engineBox;
    QRect m_optionsBox;
    QRect m_searchBox;
    QRect m_editRect;
    QRect m_fieldRect;
    QRect m_pullStrip;

    // Popup menus, children of the bar; null until first needed.
    COptionsMenu* m_optionsMenu = nullptr;
    CEngineMenu* m_engineMenu = nullptr;
    // Whether the engine menu marks entry engineIndex: not after the list
    // has changed under it, until the next choice.
    bool m_engineMarked = false;

    QLineEdit* m_query = nullptr;  // owned by the dialog as its child

    SSettings m_settings;
    SIniSettings m_ini;
    CIniFile m_iniFile;  // the rest of lumora.ini, written back as read
    CGlobalHotkey* m_hotkey = nullptr;
    SSearch m_current;
    CEngineList m_engines;

    SPollTimer m_showPoll;
    SPollTimer m_hidePoll;
    QTimer m_pinTimer;
    bool m_pinning = false;
    bool m_everShown = false;
    bool m_everPainted = false;
    bool m_startupFinished = false;
    // Summon: whether one holds the bar down, whether the pointer has been
    // over the bar since, and the window that had the focus before.
    bool m_summoned = false;
    bool m_summonPointerSeen = false;
    bool m_summonActivated = false;  // the bar has had the focus since the summon
    std::uint32_t m_focusBeforeSummon = 0;

    // Stops the field's cursor blinking while nobody uses the bar.
    CCursorBlinkPause* m_blinkPause = nullptr;

    CSearchRecall* m_recall = nullptr;  // earlier searches; child of the bar
};
