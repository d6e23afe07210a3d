#pragma once

#include "engines/SSearch.h"
#include "store/EngineList.h"
#include "store/Settings.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QIcon>
#include <QPoint>
#include <QRect>
#include <QTimer>

#include <string>

class CCommandMenu;
class CCursorBlinkPause;
class CEngineMenu;
class COptionsMenu;
class QLineEdit;

// The bar: a small borderless window hanging from the top edge of the screen
// with the current engine's name, the options box and the query field.
//
// Its state is plain public data: the painter, the mouse and timer handling
// and the command handlers all work on the same members.
class CLumoraDlg : public QDialog {
    Q_OBJECT

public:
    CLumoraDlg();
    ~CLumoraDlg() override;

    // Layout (BarLayout.cpp): every rectangle below from the template.
    void LayOutBar();

    // Dispatch: opens the address the query makes with the current engine,
    // or with the engine whose abbreviation starts the query.
    void RunSearch(std::string query);

    // Command routing (menus/CommandRouting.cpp): menu entries and the
    // start-up replay of stored options arrive here as numbered commands.
    void OnCommand(int id);

    // Look (BarAppearance.cpp). Each stores its option in m_settings and
    // moves the matching menu mark.
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

    // Menus and what their entries open (menus/BarMenus.cpp).
    void BuildOptionsMenu();
    void BuildEngineMenu();
    // Engine entry k: makes the k-th selected engine current.
    void ChooseEngine(int k);
    void RunCatalogDialog();
    void RunAboutBox();
    void ChooseQueryFont();

    // Mouse, timers and auto hide (BarMouse.cpp).
    //
    // The bar's timers, by id.
    enum EBarTimer {
        TIMER_SHOW_POLL = 1,  // hidden: shows the bar once the cursor rests on it
        TIMER_HIDE_POLL = 2,  // shown: hides it once the cursor has left (auto hide)
        TIMER_PIN = 4,        // puts the bar back on the top edge if moved down
    };
    // Moves the bar to the shown or the hidden position and swaps the polls.
    void ShowBar(bool show);
    void ToggleAutoHide();
    // Starts the timers that run for the bar's whole life.
    void StartTimers();
    // Starts (or restarts) timer `id` with its period; stops it.
    void SetBarTimer(int id);
    void KillBarTimer(int id);
    bool IsBarTimerRunning(int id) const;
    // The mouse handlers; points in client coordinates. The Qt event handlers
    // forward to these.
    void OnMouseMove(const QPoint& point);
    void OnMouseMove(const QPoint& point, const QPoint& screen);
    void OnLButtonDown(const QPoint& point);
    void OnLButtonUp(const QPoint& point);
    void OnLButtonDblClk();
    // A tick of timer `id`.
    void OnTimer(int id);
    // F1: the local help file.
    void OnHelp();

    QIcon m_hIcon;  // the application icon

    // Mouse and auto hide.
    bool m_dragging = false;     // left button went down on the bar surface
    bool m_shown = true;         // at the shown position, not retracted
    bool m_hoverEngine = false;  // cursor over the engine-name box
    QPoint m_dragOrigin;         // client point of the button-down
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
    QRect m_editRect;   // the query field's full width
    QRect m_fieldRect;  // the white area around it
    QRect m_pullStrip;  // bottom rows, all that shows of a hidden bar

    // Popup menus, children of the bar (menus/BarMenus.cpp); null until built.
    COptionsMenu* m_optionsMenu = nullptr;
    CEngineMenu* m_engineMenu = nullptr;

    QLineEdit* m_query = nullptr;  // owned by the dialog as its child

    SSettings m_settings;
    SSearch m_current;
    CEngineList m_engines;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
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
    void OnInitDialog();

    // BarMouse.cpp.
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
    // The bar at its own x (m_barLeft) and its current top.
    QRect BarRect() const;
    void MoveBarTop(int top);
    void OpenPopup(CCommandMenu* menu, const QRect& clientBox);

    SPollTimer m_showPoll;
    SPollTimer m_hidePoll;
    QTimer m_pinTimer;
    bool m_pinning = false;
    // Stops the field's cursor blinking while nobody uses the bar.
    CCursorBlinkPause* m_blinkPause = nullptr;
};
