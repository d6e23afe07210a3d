#pragma once

#include "engines/SSearch.h"
#include "store/EngineList.h"
#include "store/Settings.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QPoint>
#include <QRect>

#include <string>

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
    void ShowBar(bool show);
    void ToggleAutoHide();
    // Starts the timers that run for the bar's whole life.
    void StartTimers();

    // Mouse and auto hide.
    bool m_dragging = false;      // left button went down on the bar surface
    bool m_shown = true;          // at the shown position, not retracted
    bool m_hoverEngine = false;   // cursor over the engine-name box
    QPoint m_dragOrigin;          // client point of the button-down

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

    QLineEdit* m_query = nullptr;  // owned by the dialog as its child

    SSettings m_settings;
    SSearch m_current;
    CEngineList m_engines;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnInitDialog();
};
