// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar's interaction on the offscreen platform: menus wired to the bar,
// every command's effect, the click areas, dragging, auto hide and its
// timers, F1 and the font dialog.
#include "bar/BarTemplate.h"
#include "bar/BarTestAccess.h"
#include "bar/CursorBlink.h"
#include "bar/LumoraDlg.h"
#include "common/AddressRecorder.h"
#include "common/TempConfigHome.h"
#include "dialogs/DialogTestKit.h"
#include "dialogs/ProductLinks.h"
#include "engines/Catalog.h"
#include "engines/EngineMenuModel.h"
#include "menus/EngineMenu.h"
#include "menus/MenuProbe.h"
#include "menus/OptionsMenu.h"
#include "options/OptionTable.h"
#include "platform/Desktop.h"
#include "platform/PointerGuard.h"
#include "store/DataFolder.h"
#include "store/Settings.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFontDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
using Ids = std::vector<int>;

constexpr int kHiddenTop = 3 - 60;
// A point on the bar's own surface outside every click area.
const QPoint kSurface(150, 15);
// Far from wherever the bar is.
const QPoint kAway(5, 500);

SSearch Engine(const std::string& name, const std::string& abbreviation, bool selected = true)
{
    SSearch s;
    s.name = name;
    s.url = "http://example.org/" + abbreviation + "?q=[keyword]";
    s.abbreviation = abbreviation;
    s.selected = selected;
    return s;
}

// Runs `whileOpen` on the first popup menu that opens after this call (it is
// called from the popup's own event loop), then closes the popup if it is
// still open. Returns false if no popup opened within the deadline.
class PopupDriver {
public:
    explicit PopupDriver(std::function<void(QMenu*)> whileOpen)
        : m_whileOpen(std::move(whileOpen))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Check(); });
        m_timer.start();
        m_deadline.start();
    }
    bool Opened() const { return m_opened; }

private:
    void Check()
    {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            m_timer.stop();
            m_opened = true;
            m_whileOpen(menu);
            if (menu->isVisible()) menu->close();
        } else if (m_deadline.elapsed() > 5000) {
            m_timer.stop();
        }
    }

    std::function<void(QMenu*)> m_whileOpen;
    QTimer m_timer;
    QElapsedTimer m_deadline;
    bool m_opened = false;
};

class BarInteractionTest : public ::testing::Test {
protected:
    void SetUp() override { QCursor::setPos(kAway); }

    static void Show(CLumoraDlg& bar)
    {
        bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    }

    // From now on the pointer query answers `point`, whatever the bar hears
    // later: the crossings the jump itself makes are over before the test
    // goes on.
    static void ParkPointer(CLumoraDlg& bar, const QPoint& point)
    {
        QCursor::setPos(bar.mapToGlobal(point));
        QCoreApplication::processEvents();
    }

    static QRect GlobalBox(const CLumoraDlg& bar, const QRect& box)
    {
        return QRect(bar.mapToGlobal(box.topLeft()), box.size());
    }

    TempConfigHome m_home;
    AddressRecorder m_opened;
};

// ---- start-up ----------------------------------------------------------------

TEST_F(BarInteractionTest, StartWithoutFilesMarksTheEngineAndAutoHide)
{
    CLumoraDlg bar;
    ASSERT_NE(bar.OptionsMenu(), nullptr);
    ASSERT_NE(bar.EngineMenu(), nullptr);
    EXPECT_EQ(Marks(bar.EngineMenu()), Ids{kFirstEngineCommand});
    EXPECT_EQ(bar.Current().name, "Google");
    EXPECT_EQ(bar.Settings().autoHide, 1);
    EXPECT_TRUE(bar.OptionsMenu()->IsChecked(kAutoHideCommand));
    // The start-up's mouse move starts the hide poll; the pin runs always.
    EXPECT_TRUE(bar.AutoHide().IsPollRunning(CAutoHide::HidePoll));
    EXPECT_FALSE(bar.AutoHide().IsPollRunning(CAutoHide::ShowPoll));
    EXPECT_TRUE(bar.AutoHide().IsPinning());
    EXPECT_EQ(bar.focusWidget(), bar.QueryField());
    // The field's cursor stops blinking when nobody uses the bar.
    EXPECT_EQ(bar.findChildren<CCursorBlinkPause*>().size(), 1);
}

// The first frame needs no menu: they are built when first wanted, and then
// mark what the start-up replayed from the stored options.
TEST_F(BarInteractionTest, MenusWaitForTheirFirstUseAndThenMarkTheStoredOptions)
{
    SSettings stored;
    SetDefaultSettings(stored, GetDesktopRect().width(), 210);
    stored.rounding = 2;
    stored.colorScheme = 5;
    stored.transparency = 3;
    stored.buttonView = 4;
    stored.engineIndex = 2;
    stored.autoHide = 0;
    ASSERT_TRUE(SaveSettings(GetAppDataPath(kSettingsSuffix), stored));

    CLumoraDlg bar;
    EXPECT_FALSE(bar.MenusBuilt());
    bar.OnCommand(kFirstSchemeCommand + 7);  // a command meanwhile changes what they will show
    EXPECT_FALSE(bar.MenusBuilt());
    EXPECT_EQ(Marks(bar.OptionsMenu()), (Ids{377, 393, 402, 424, kRememberSearchesCommand}));
    EXPECT_EQ(Marks(bar.EngineMenu()), Ids{kFirstEngineCommand + 2});
    EXPECT_EQ(bar.Current().name, "Google Shopping");  // the third selected engine
}

TEST_F(BarInteractionTest, StartWithoutFilesMarksTheLook)
{
    CLumoraDlg bar;
    // Rounding "20", Blue Dark, Transparent "Not", Button View "Zoom", Auto Hide,
    // Remember Searches.
    EXPECT_EQ(Marks(bar.OptionsMenu()), (Ids{371, 390, 404, 421, kAutoHideCommand, kRememberSearchesCommand}));
}

TEST_F(BarInteractionTest, StartWithAutoHideHidesSoonUnlessTheCursorIsOverTheBar)
{
    {
        CLumoraDlg bar;
        Show(bar);
        EXPECT_TRUE(QTest::qWaitFor([&] { return bar.y() == kHiddenTop; }, 3000));
        EXPECT_FALSE(bar.AutoHide().IsShown());
        EXPECT_TRUE(bar.AutoHide().IsPollRunning(CAutoHide::ShowPoll));
        EXPECT_FALSE(bar.AutoHide().IsPollRunning(CAutoHide::HidePoll));
    }
    {
        CLumoraDlg bar;
        Show(bar);
        QCursor::setPos(bar.mapToGlobal(QPoint(100, 30)));
        // Ticks with the cursor over the bar find nothing to do.
        bar.AutoHide().Poll();
        bar.AutoHide().Poll();
        EXPECT_EQ(bar.y(), -2);
        EXPECT_TRUE(bar.AutoHide().IsShown());
    }
}

// ---- commands ------------------------------------------------------------------

TEST_F(BarInteractionTest, EveryOptionCommandSetsItsOptionAndItsMark)
{
    struct Row {
        int command;
        const char* field;
        int value;
        int first, last;  // the mark range, or 0, 0 for none
    };
    std::vector<Row> rows;
    for (int i = 0; i <= 8; ++i) rows.push_back({370 + i, "colorScheme", i, 370, 378});
    for (int i = 0; i <= 9; ++i) rows.push_back({390 + i, "transparency", i, 390, 399});
    for (int i = 0; i <= 4; ++i) rows.push_back({400 + i, "rounding", i, 400, 404});
    for (int i = 0; i <= 5; ++i) rows.push_back({420 + i, "buttonView", i, 420, 425});
    for (int k = 0; k <= 12; ++k) rows.push_back({300 + k, "engineIndex", k, 300, 350});

    auto field = [](const CLumoraDlg& bar, const std::string& name) {
        if (name == "colorScheme") return bar.Settings().colorScheme;
        if (name == "transparency") return bar.Settings().transparency;
        if (name == "rounding") return bar.Settings().rounding;
        if (name == "buttonView") return bar.Settings().buttonView;
        return bar.Settings().engineIndex;
    };
    auto marksIn = [](CLumoraDlg& bar, int first, int last) {
        Ids ids;
        const QMenu* menu =
            first == 300 ? static_cast<const QMenu*>(bar.EngineMenu()) : static_cast<const QMenu*>(bar.OptionsMenu());
        for (int id : Marks(menu))
            if (id >= first && id <= last) ids.push_back(id);
        return ids;
    };

    CLumoraDlg bar;
    CEngineList catalog;
    BuildDefaultCatalog(catalog);
    // Both ways in: the bar's command routing, and the menu entry itself.
    for (const bool viaMenu : {false, true}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::to_string(row.command) + (viaMenu ? " via the menu" : " direct"));
            if (viaMenu) {
                CCommandMenu* menu = row.first == 300 ? static_cast<CCommandMenu*>(bar.EngineMenu())
                                                      : static_cast<CCommandMenu*>(bar.OptionsMenu());
                QAction* entry = menu->FindCommand(row.command);
                ASSERT_NE(entry, nullptr);
                entry->trigger();
                ASSERT_TRUE(QTest::qWaitFor([&] { return marksIn(bar, row.first, row.last) == Ids{row.command}; }));
            } else {
                bar.OnCommand(row.command);
            }
            EXPECT_EQ(field(bar, row.field), row.value);
            EXPECT_EQ(marksIn(bar, row.first, row.last), Ids{row.command});
            if (row.first == 300) {
                // The engine record is a copy of the k-th selected engine.
                EXPECT_EQ(bar.Current(), EngineAtMenuPosition(catalog, row.value));
            }
        }
    }
}

TEST_F(BarInteractionTest, HelpEntriesOpenTheirPagesAndContactFormNothing)
{
    CLumoraDlg bar;
    const SSettings before = bar.Settings();
    for (int id : {kHelpTopicsCommand, kCheckUpdateCommand, kHomePageCommand, kContactFormCommand}) bar.OnCommand(id);
    EXPECT_EQ(m_opened.Addresses(), (std::vector<std::string>{kHelpPageAddress, kHomePageAddress, kHomePageAddress}));
    EXPECT_EQ(bar.Settings(), before);
}

TEST_F(BarInteractionTest, AutoHideCommandFlipsTheOptionAndItsCheck)
{
    CLumoraDlg bar;
    QAction* entry = bar.OptionsMenu()->FindCommand(kAutoHideCommand);
    for (const int expected : {0, 1, 0}) {
        entry->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return bar.Settings().autoHide == expected; }));
        EXPECT_EQ(bar.OptionsMenu()->IsChecked(kAutoHideCommand), expected == 1);
    }
}

// ---- the engine menu ---------------------------------------------------------

TEST_F(BarInteractionTest, EngineMenuFollowsTheEngineList)
{
    CLumoraDlg bar;
    const Lines builtIn = Describe(bar.EngineMenu());
    ASSERT_EQ(builtIn.size(), 15u);
    EXPECT_EQ(builtIn.front(), "Google [g] #300 radio");
    EXPECT_EQ(builtIn[12], "YouTube [yt] #312 radio");
    EXPECT_EQ((Lines{builtIn[13], builtIn[14]}), (Lines{"---", "Edit... #351"}));

    // Sixty selected engines: the first 51 get entries; the 51st can be chosen.
    CEngineList sixty;
    for (int i = 0; i < 60; ++i) sixty.Append(Engine("E" + std::to_string(i), "e" + std::to_string(i)));
    CBarTestAccess::SetEngines(bar, sixty);
    EXPECT_EQ(Describe(bar.EngineMenu()).size(), 53u);
    EXPECT_TRUE(Marks(bar.EngineMenu()).empty());  // a rebuilt menu has no mark
    EXPECT_EQ(bar.Current().name, "Google");       // and the current engine stays
    bar.OnCommand(350);
    EXPECT_EQ(Marks(bar.EngineMenu()), Ids{350});
    EXPECT_EQ(bar.Current().name, "E50");
    EXPECT_EQ(bar.Settings().engineIndex, 50);

    // "Q&A" keeps its name; only the menu shows the "&" as a mnemonic.
    CEngineList qa;
    qa.Append(Engine("Q&A", "q"));
    CBarTestAccess::SetEngines(bar, qa);
    EXPECT_EQ(Describe(bar.EngineMenu()).front(), "Q&A [q] #300 radio");
    bar.OnCommand(300);
    EXPECT_EQ(bar.Current().name, "Q&A");
}

TEST_F(BarInteractionTest, APositionWithoutAnEngineGivesTheNullEngine)
{
    struct Row {
        const char* what;
        bool selectNone;
        int k;
    };
    const Row rows[] = {
        {"no engine selected", true, 0},
        {"past the selected engines", false, 13},
        {"far past them", false, 50},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CLumoraDlg bar;
        if (row.selectNone) {
            CEngineList none = bar.Engines();
            for (SSearch& s : none) s.selected = false;
            CBarTestAccess::SetEngines(bar, none);
            EXPECT_EQ(Describe(bar.EngineMenu()), (Lines{"---", "Edit... #351"}));
        }
        bar.OnCommand(kFirstEngineCommand + row.k);
        EXPECT_TRUE(IsNull(bar.Current()));
        EXPECT_EQ(bar.Current().name, "null");
        EXPECT_EQ(bar.Settings().engineIndex, row.k);
        EXPECT_TRUE(Marks(bar.EngineMenu()).empty());
        // A search without an engine opens nothing.
        bar.RunSearch("cats");
        EXPECT_TRUE(m_opened.Addresses().empty());
    }
}

// ---- click areas -----------------------------------------------------------------

TEST_F(BarInteractionTest, EngineBoxOpensTheEngineMenuLeftAlignedBelowIt)
{
    CLumoraDlg bar;
    bar.OnCommand(kAutoHideCommand);  // off: the bar stays put
    Show(bar);
    QTest::mouseMove(&bar, bar.Layout().engineBox.center());
    ASSERT_TRUE(bar.IsHoverEngine());

    QRect popupGeometry;
    QMenu* popup = nullptr;
    PopupDriver driver([&](QMenu* menu) {
        popup = menu;
        popupGeometry = menu->geometry();
        // Down to the second entry, "Google Image", and choose it.
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.Layout().engineBox.center());

    ASSERT_TRUE(driver.Opened());
    EXPECT_EQ(popup, bar.EngineMenu());
    const QRect box = GlobalBox(bar, bar.Layout().engineBox);
    EXPECT_EQ(popupGeometry.topLeft(), QPoint(box.left(), box.bottom() + 1));
    EXPECT_FALSE(bar.IsHoverEngine());  // cleared when the menu closes
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar.Settings().engineIndex == 1; }));
    EXPECT_EQ(bar.Current().name, "Google Image");
    EXPECT_EQ(Marks(bar.EngineMenu()), Ids{301});

    // The next search goes to the chosen engine.
    bar.QueryField()->setText("cats");
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.Layout().searchBox.center());
    ASSERT_EQ(m_opened.Addresses().size(), 1u);
    EXPECT_NE(m_opened.Addresses().front().find("images.google."), std::string::npos);
}

TEST_F(BarInteractionTest, OptionsBoxOpensTheOptionsMenuRightAlignedBelowIt)
{
    CLumoraDlg bar;
    bar.OnCommand(kAutoHideCommand);  // off: the bar stays put
    Show(bar);
    QRect popupGeometry;
    QMenu* popup = nullptr;
    PopupDriver driver([&](QMenu* menu) {
        popup = menu;
        popupGeometry = menu->geometry();
    });
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.Layout().optionsBox.center());
    ASSERT_TRUE(driver.Opened());
    EXPECT_EQ(popup, bar.OptionsMenu());
    const QRect box = GlobalBox(bar, bar.Layout().optionsBox);
    EXPECT_EQ(popupGeometry.right(), box.right());
    EXPECT_EQ(popupGeometry.top(), box.bottom() + 1);
}

TEST_F(BarInteractionTest, SearchBoxSearchesInEveryButtonView)
{
    CLumoraDlg bar;
    bar.OnCommand(kAutoHideCommand);  // off: the bar stays put
    Show(bar);
    bar.QueryField()->setText("cats");
    for (int view = 0; view <= 5; ++view) {
        SCOPED_TRACE(view);
        bar.OnCommand(kFirstButtonViewCommand + view);
        m_opened.Clear();
        // The search box's rightmost column is clear of the edit in every view.
        QTest::mouseClick(&bar, Qt::LeftButton, {},
                          QPoint(bar.Layout().searchBox.right() - 1, bar.Layout().searchBox.center().y()));
        ASSERT_EQ(m_opened.Addresses().size(), 1u);
        EXPECT_NE(m_opened.Addresses().front().find("/search?q=cats"), std::string::npos);
    }
    // Nothing else on the bar searches.
    m_opened.Clear();
    QTest::mouseClick(&bar, Qt::LeftButton, {}, kSurface);
    EXPECT_TRUE(m_opened.Addresses().empty());
}

TEST_F(BarInteractionTest, ClickOnThePullStripShowsAHiddenBarAtOnce)
{
    for (const int autoHide : {1, 0}) {
        SCOPED_TRACE(autoHide);
        CLumoraDlg bar;
        Show(bar);
        bar.AutoHide().ShowBar(false);
        ASSERT_EQ(bar.y(), kHiddenTop);
        CBarTestAccess::SetAutoHide(bar, autoHide != 0);

        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(100, bar.height() - 2));
        EXPECT_EQ(bar.y(), -2);
        EXPECT_TRUE(bar.AutoHide().IsShown());
        // The hide poll starts also with auto hide off.
        EXPECT_TRUE(bar.AutoHide().IsPollRunning(CAutoHide::HidePoll));
        EXPECT_FALSE(bar.AutoHide().IsPollRunning(CAutoHide::ShowPoll));
    }
}

TEST_F(BarInteractionTest, DoubleClickSwitchesAutoHide)
{
    CLumoraDlg bar;
    Show(bar);
    QTest::mouseDClick(&bar, Qt::LeftButton, {}, kSurface);
    EXPECT_EQ(bar.Settings().autoHide, 0);
    EXPECT_FALSE(bar.OptionsMenu()->IsChecked(kAutoHideCommand));
    EXPECT_FALSE(bar.AutoHide().IsDragging());
}

// A click that opens a menu, then one soon after the menu has closed: two
// clicks, not a double click that switches auto hide.
TEST_F(BarInteractionTest, AClickRightAfterAMenuIsNoDoubleClick)
{
    CLumoraDlg bar;
    Show(bar);
    // Every menu the clicks open is closed again at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
    });
    closer.start(10);
    const QPoint options = bar.Layout().optionsBox.center();
    QTest::mouseClick(&bar, Qt::LeftButton, {}, options);
    // The second press, soon after: Qt delivers it as a double click.
    const QPoint global = bar.mapToGlobal(options);
    QMouseEvent second(QEvent::MouseButtonDblClick, options, global, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&bar, &second);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, options);
    EXPECT_EQ(bar.Settings().autoHide, 1);
    EXPECT_TRUE(bar.OptionsMenu()->IsChecked(kAutoHideCommand));
}

// ---- the pointer leaving ------------------------------------------------------

// Where the window system keeps answering the pointer query with the last
// point over the bar, a leave decides: the bar retracts after the poll
// period; an enter or a move over it brings back the query's word; a drag
// keeps the bar down.
TEST_F(BarInteractionTest, ALeaveRetractsTheBarWhileTheQueryStillAnswersInside)
{
    const auto leave = [](CLumoraDlg& bar) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&bar, &event);
    };
    {
        CLumoraDlg bar;
        Show(bar);
        ParkPointer(bar, kSurface);  // stays there: the stale answer
        QTest::mouseMove(&bar, kSurface);
        leave(bar);
        ASSERT_TRUE(QTest::qWaitFor([&] { return bar.y() == kHiddenTop; }, 2000));
        EXPECT_FALSE(bar.AutoHide().IsShown());
    }
    for (const bool byEnter : {true, false}) {
        SCOPED_TRACE(byEnter ? "enter" : "move");
        CLumoraDlg bar;
        Show(bar);
        ParkPointer(bar, kSurface);
        leave(bar);
        if (byEnter) {
            QEnterEvent enter(kSurface, kSurface, bar.mapToGlobal(kSurface));
            QApplication::sendEvent(&bar, &enter);
        } else {
            // Somewhere new: a move to where the pointer already was is no move.
            QTest::mouseMove(&bar, kSurface + QPoint(7, 1));
        }
        bar.AutoHide().Poll();
        EXPECT_EQ(bar.y(), -2);
        EXPECT_TRUE(bar.AutoHide().IsShown());
    }
    {
        CLumoraDlg bar;
        Show(bar);
        ParkPointer(bar, kSurface);
        QTest::mousePress(&bar, Qt::LeftButton, {}, kSurface);
        leave(bar);
        bar.AutoHide().Poll();
        EXPECT_EQ(bar.y(), -2);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, kSurface);
    }
}

// Where leaves do not come, the guard lies around the bar while the pointer
// is over it and auto hide could act; entering it counts as the leave and
// takes it away at once. It follows the bar and makes way for a drag.
TEST_F(BarInteractionTest, ThePointerGuardStandsInForTheMissingLeave)
{
    const auto visibleBand = [](const QRect& geometry) -> QWidget* {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->geometry() == geometry) return w;
        }
        return nullptr;
    };
    CLumoraDlg bar;
    Show(bar);
    // The guard as on a display that needs one.
    CPointerGuard* guard = new CPointerGuard(&bar);
    bar.AutoHide().UsePointerGuard(guard);
    ParkPointer(bar, kSurface);  // stays there: the stale answer
    QTest::mouseMove(&bar, kSurface);
    ASSERT_TRUE(guard->IsUp());
    const QRect shownRect(bar.pos(), bar.size());
    for (const QRect& band : guard->Bands()) {
        EXPECT_FALSE(band.intersects(shownRect));
        EXPECT_TRUE(band.adjusted(-1, -1, 1, 1).intersects(shownRect));
        EXPECT_NE(visibleBand(band), nullptr);
    }
    EXPECT_EQ(guard->Bands()[2].top(), shownRect.bottom() + 1);

    // Down into the bottom band: the window system now knows where the
    // pointer is.
    QWidget* bottom = visibleBand(guard->Bands()[2]);
    ASSERT_NE(bottom, nullptr);
    QCursor::setPos(guard->Bands()[2].center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !guard->IsUp(); }, 2000));
    EXPECT_FALSE(bottom->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar.y() == kHiddenTop; }, 2000));

    // Back on the strip: the guard surrounds what shows of the bar, then the
    // bar once it has come down.
    ParkPointer(bar, QPoint(kSurface.x(), bar.height() - 1));
    ASSERT_TRUE(guard->IsUp());
    EXPECT_EQ(guard->Bands()[2].top(), kHiddenTop + bar.height());
    bar.AutoHide().ShowBar(true);
    EXPECT_EQ(guard->Bands()[2].top(), shownRect.bottom() + 1);

    QTest::mousePress(&bar, Qt::LeftButton, {}, kSurface);
    EXPECT_FALSE(guard->IsUp());
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, kSurface);
    EXPECT_TRUE(guard->IsUp());

    // With auto hide off nothing needs the leave.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&bar, &leave);
    EXPECT_FALSE(guard->IsUp());
    bar.OnCommand(kAutoHideCommand);
    QTest::mouseMove(&bar, kSurface + QPoint(3, 0));
    EXPECT_FALSE(guard->IsUp());
}

// ---- the keyboard ------------------------------------------------------------

// The bar asks for the keyboard when it first shows and when it is clicked
// while another window has it, on the surface or in the field.
TEST_F(BarInteractionTest, FirstShowAndAClickGiveTheQueryFieldTheKeyboard)
{
    CLumoraDlg bar;
    Show(bar);
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar.isActiveWindow(); }, 2000));
    EXPECT_EQ(QApplication::focusWidget(), bar.QueryField());

    for (const QPoint& click : {kSurface, bar.Layout().editRect.center()}) {
        SCOPED_TRACE(click.x());
        QWidget other;
        other.resize(100, 100);
        other.move(300, 300);
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return other.isActiveWindow(); }, 2000));
        ASSERT_FALSE(bar.isActiveWindow());

        if (bar.Layout().editRect.contains(click)) {
            QTest::mouseClick(bar.QueryField(), Qt::LeftButton, {}, bar.QueryField()->mapFrom(&bar, click));
        } else {
            QTest::mouseClick(&bar, Qt::LeftButton, {}, click);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return bar.isActiveWindow(); }, 2000));
        EXPECT_EQ(QApplication::focusWidget(), bar.QueryField());
    }
}

// ---- dragging -------------------------------------------------------------------

TEST_F(BarInteractionTest, DragMovesSidewaysOnlyAndNeverHides)
{
    CLumoraDlg bar;
    Show(bar);
    bar.AutoHide().ShowBar(false);  // auto hide is on: start from the hidden bar
    const int x0 = bar.x();

    // Grab the pull strip and pull right: the bar comes down and follows.
    const QPoint grip(100, bar.height() - 2);
    QTest::mousePress(&bar, Qt::LeftButton, {}, grip);
    EXPECT_TRUE(bar.AutoHide().IsDragging());
    QTest::mouseMove(&bar, grip + QPoint(40, 0));
    EXPECT_EQ(bar.pos(), QPoint(x0 + 40, -2));
    EXPECT_TRUE(bar.AutoHide().IsShown());
    EXPECT_FALSE(bar.AutoHide().IsPollRunning(CAutoHide::ShowPoll));
    EXPECT_TRUE(bar.AutoHide().IsPollRunning(CAutoHide::HidePoll));

    // Off the left edge of the screen is allowed.
    QTest::mouseMove(&bar, grip - QPoint(x0 + 200, 0));
    EXPECT_EQ(bar.pos(), QPoint(-160, -2));

    // The cursor far away, the button still down: a poll tick does nothing.
    QCursor::setPos(kAway + QPoint(600, 0));
    bar.AutoHide().Poll();
    EXPECT_EQ(bar.y(), -2);

    // After the release the poll hides the bar by itself.
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, grip);
    EXPECT_FALSE(bar.AutoHide().IsDragging());
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar.y() == kHiddenTop; }, 3000));
}

TEST_F(BarInteractionTest, ReleaseOnTheEngineBoxAfterADragOpensTheMenu)
{
    CLumoraDlg bar;
    bar.OnCommand(kAutoHideCommand);  // off: the bar stays put
    Show(bar);
    const QPoint grip = bar.Layout().engineBox.center();
    QTest::mousePress(&bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(&bar, grip + QPoint(30, 0));
    PopupDriver driver([](QMenu*) {});
    // The bar has followed, so the cursor is over the engine box again.
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, grip);
    EXPECT_TRUE(driver.Opened());
}

// ---- show and hide ------------------------------------------------------------------

TEST_F(BarInteractionTest, ShowBarSlidesInFivePixelStepsAndSwapsThePolls)
{
    CLumoraDlg bar;
    Show(bar);
    std::vector<int> tops;
    class MoveRecorder : public QObject {
    public:
        explicit MoveRecorder(std::vector<int>& tops)
            : m_tops(tops)
        {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Move) m_tops.push_back(static_cast<QMoveEvent*>(event)->pos().y());
            return false;
        }
        std::vector<int>& m_tops;
    } recorder(tops);
    bar.installEventFilter(&recorder);

    std::vector<int> down, up;
    for (int top = -7; top > kHiddenTop; top -= 5) down.push_back(top);
    down.push_back(kHiddenTop);
    for (int top = kHiddenTop + 5; top < -2; top += 5) up.push_back(top);
    up.push_back(-2);

    bar.AutoHide().ShowBar(false);
    QApplication::processEvents();
    EXPECT_EQ(tops, down);
    EXPECT_FALSE(bar.AutoHide().IsShown());
    EXPECT_TRUE(bar.AutoHide().IsPollRunning(CAutoHide::ShowPoll));
    EXPECT_FALSE(bar.AutoHide().IsPollRunning(CAutoHide::HidePoll));

    tops.clear();
    bar.AutoHide().ShowBar(true);
    QApplication::processEvents();
    EXPECT_EQ(tops, up);
    EXPECT_TRUE(bar.AutoHide().IsShown());
    EXPECT_FALSE(bar.AutoHide().IsPollRunning(CAutoHide::ShowPoll));
    EXPECT_TRUE(bar.AutoHide().IsPollRunning(CAutoHide::HidePoll));

    // Without auto hide the bar never hides.
    bar.OnCommand(kAutoHideCommand);
    bar.AutoHide().ShowBar(false);
    EXPECT_EQ(bar.y(), -2);
    EXPECT_TRUE(bar.AutoHide().IsShown());
}

TEST_F(BarInteractionTest, TheCursorRestingOnTheStripBringsTheBarBack)
{
    CLumoraDlg bar;
    Show(bar);
    bar.AutoHide().ShowBar(false);
    const QPoint strip(100, bar.height() - 1);
    QCursor::setPos(bar.mapToGlobal(strip));
    QTest::mouseMove(&bar, strip);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar.y() == -2; }, 3000));
    EXPECT_TRUE(bar.AutoHide().IsShown());
}

TEST_F(BarInteractionTest, SwitchingAutoHideOffBringsTheBarBackAtOnce)
{
    CLumoraDlg bar;
    Show(bar);
    bar.AutoHide().ShowBar(false);
    bar.OnCommand(kAutoHideCommand);
    EXPECT_EQ(bar.y(), -2);
    EXPECT_TRUE(bar.AutoHide().IsShown());
    EXPECT_FALSE(bar.AutoHide().IsPollRunning(CAutoHide::ShowPoll));

    // Shown and switched off: the hide poll stops.
    bar.OnCommand(kAutoHideCommand);
    bar.OnCommand(kAutoHideCommand);
    EXPECT_FALSE(bar.AutoHide().IsPollRunning(CAutoHide::HidePoll));
    // Switched on: nothing happens until the cursor moves over the bar.
    bar.OnCommand(kAutoHideCommand);
    EXPECT_FALSE(bar.AutoHide().IsPollRunning(CAutoHide::HidePoll));
    QTest::mouseMove(&bar, kSurface);
    EXPECT_TRUE(bar.AutoHide().IsPollRunning(CAutoHide::HidePoll));
}

TEST_F(BarInteractionTest, PollsGoOnWhileAPopupMenuIsOpen)
{
    CLumoraDlg bar;
    Show(bar);
    bool hidUnderTheMenu = false;
    PopupDriver driver([&](QMenu*) {
        // A tick while the cursor is still over the bar finds nothing to do...
        QTest::qWait(static_cast<int>(kPollPeriod.count() * 3 / 2));
        EXPECT_EQ(bar.y(), -2);
        // ...but the polls go on: the menu has the mouse and the bar sees no
        // moves, yet it hides once the cursor is elsewhere.
        QCursor::setPos(kAway);
        hidUnderTheMenu = QTest::qWaitFor([&] { return bar.y() == kHiddenTop; }, 3000);
    });
    // Rest on the engine box long enough for the hide poll to have looked.
    QCursor::setPos(bar.mapToGlobal(bar.Layout().engineBox.center()));
    QTest::mouseMove(&bar, bar.Layout().engineBox.center());
    QTest::qWait(static_cast<int>(kPollPeriod.count() * 3 / 2));
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.Layout().engineBox.center());
    ASSERT_TRUE(driver.Opened());
    EXPECT_TRUE(hidUnderTheMenu);
}

TEST_F(BarInteractionTest, APinnedBarGoesBackToTheTopEdge)
{
    struct Row {
        std::uint8_t autoHide;
        int expectedTop;
    };
    for (const Row row : {Row{1, kHiddenTop}, Row{0, -2}}) {
        SCOPED_TRACE(row.autoHide);
        CLumoraDlg bar;
        if (bar.Settings().autoHide != row.autoHide) bar.OnCommand(kAutoHideCommand);
        Show(bar);
        // Where the bar will be, so the polls have nothing to do.
        QCursor::setPos(QPoint(223, 1));
        bar.move(123, 200);
        EXPECT_TRUE(QTest::qWaitFor([&] { return bar.y() == row.expectedTop; }, 1000));
        EXPECT_EQ(bar.x(), 123);
        EXPECT_TRUE(bar.AutoHide().IsShown());  // the pin moves the bar only
        // A move that leaves the top edge above the screen stays.
        bar.move(50, -1);
        QTest::qWait(static_cast<int>(kPinDelay.count() * 3));
        EXPECT_EQ(bar.pos(), QPoint(50, -1));
    }
}

// ---- hover, F1 -------------------------------------------------------------------

TEST_F(BarInteractionTest, HoverFollowsTheEngineBox)
{
    CLumoraDlg bar;
    Show(bar);
    QTest::mouseMove(&bar, bar.Layout().engineBox.topLeft());
    EXPECT_TRUE(bar.IsHoverEngine());
    QTest::mouseMove(&bar, bar.Layout().engineBox.bottomRight() + QPoint(1, 0));
    EXPECT_FALSE(bar.IsHoverEngine());
}

TEST_F(BarInteractionTest, F1OpensTheLocalHelpFileFromTheFieldAndTheBar)
{
    CLumoraDlg bar;
    Show(bar);
    QTest::keyClick(bar.QueryField(), Qt::Key_F1);
    QTest::keyClick(&bar, Qt::Key_F1);
    EXPECT_EQ(m_opened.Addresses(), (std::vector<std::string>{"help.chm", "help.chm"}));
    // Other keys open nothing.
    QTest::keyClick(bar.QueryField(), Qt::Key_F2);
    QTest::keyClick(bar.QueryField(), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(m_opened.Addresses().size(), 3u);
}

// ---- the font dialog --------------------------------------------------------------------

TEST_F(BarInteractionTest, FontDialogOkKeepsTheFontAndStoresItsFields)
{
    struct Row {
        const char* family;
        const char* style;
        double points;
        bool bold, italic, underline;
    };
    const Row rows[] = {
        {"DejaVu Sans", "Bold Oblique", 14, true, true, true},
        {"DejaVu Serif", "Book", 9, false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.style);
        CLumoraDlg bar;
        QFont wanted(row.family);
        wanted.setStyleName(row.style);
        wanted.setPointSizeF(row.points);
        wanted.setUnderline(row.underline);

        bool seen = false;
        OnNextDialog<QFontDialog>([&](QFontDialog* dialog) {
            seen = true;
            dialog->setCurrentFont(wanted);
            dialog->accept();
        });
        bar.OnCommand(kFontCommand);
        ASSERT_TRUE(seen);

        // Everything shows for this run...
        EXPECT_EQ(bar.QueryFont().family(), QString(row.family));
        EXPECT_EQ(bar.QueryFont().bold(), row.bold);
        EXPECT_EQ(bar.QueryFont().underline(), row.underline);
        EXPECT_EQ(bar.QueryField()->font(), bar.QueryFont());
        // ...while the settings keep face, pixel height, a weight flag and slant.
        const double dpi = bar.screen()->logicalDotsPerInchY();
        EXPECT_EQ(bar.Settings().FaceName(), row.family);
        EXPECT_EQ(bar.Settings().fontHeight, -static_cast<int>(std::lround(row.points * dpi / 72.0)));
        EXPECT_EQ(bar.Settings().fontWeightFlag, 1);
        EXPECT_EQ(bar.Settings().fontItalic, row.italic ? 1 : 0);
    }
}

TEST_F(BarInteractionTest, FontDialogStartsFromTheFaceInUse)
{
    // A regular DejaVu Sans of 13 pixels stored by an earlier run.
    SSettings stored;
    SetDefaultSettings(stored, GetDesktopRect().width(), 210);
    stored.SetFaceName("DejaVu Sans");
    stored.fontHeight = -13;
    ASSERT_TRUE(SaveSettings(GetAppDataPath(kSettingsSuffix), stored));
    CLumoraDlg bar;
    ASSERT_EQ(bar.QueryFont().family(), QString("DejaVu Sans"));
    QFont shown;
    OnNextDialog<QFontDialog>([&](QFontDialog* dialog) {
        shown = dialog->currentFont();
        dialog->accept();
    });
    bar.OnCommand(kFontCommand);
    // A regular face stays regular when the dialog is merely confirmed.
    EXPECT_EQ(shown.family(), QString("DejaVu Sans"));
    EXPECT_FALSE(shown.italic());
    EXPECT_FALSE(shown.bold());
    EXPECT_EQ(bar.Settings().fontItalic, 0);
    EXPECT_EQ(bar.Settings().FaceName(), "DejaVu Sans");
}

TEST_F(BarInteractionTest, FontDialogCancelChangesNothing)
{
    CLumoraDlg bar;
    const SSettings settings = bar.Settings();
    const QFont font = bar.QueryFont();
    bool seen = false;
    OnNextDialog<QFontDialog>([&](QFontDialog* dialog) {
        seen = true;
        dialog->reject();
    });
    bar.OnCommand(kFontCommand);
    ASSERT_TRUE(seen);
    EXPECT_EQ(bar.Settings(), settings);
    EXPECT_EQ(bar.QueryFont(), font);
    EXPECT_EQ(bar.QueryField()->font(), font);
}

// ---- the text cursor's blinking --------------------------------------------------------------

// The blink timer lives on the line edit's private text control.
int TimersOn(const QObject* root)
{
    int n = 0;
    for (QObject* o : root->findChildren<QObject*>())
        n += static_cast<int>(QAbstractEventDispatcher::instance()->registeredTimers(o).size());
    return n;
}

TEST(CursorBlinkPause, StopsAfterTheIdleSpellAndStartsAgainOnInput)
{
    const int flashTime = QApplication::cursorFlashTime();
    ASSERT_GT(flashTime, 0);
    QLineEdit field;
    field.show();
    field.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&field));
    ASSERT_TRUE(QTest::qWaitFor([&] { return TimersOn(&field) > 0; }));
    {
        constexpr std::chrono::milliseconds kIdle{200};
        CCursorBlinkPause pause(kIdle);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pause.Paused(); }, 2000));
        EXPECT_EQ(QApplication::cursorFlashTime(), 0);
        EXPECT_EQ(TimersOn(&field), 0);  // nothing wakes the program

        QTest::keyClick(&field, Qt::Key_A);
        EXPECT_FALSE(pause.Paused());
        EXPECT_EQ(QApplication::cursorFlashTime(), flashTime);
        EXPECT_GT(TimersOn(&field), 0);

        // Input keeps postponing the pause.
        for (int i = 0; i < 4; ++i) {
            QTest::qWait(static_cast<int>(kIdle.count() / 2));
            QTest::mouseMove(&field, QPoint(5 + i, 5));
        }
        EXPECT_FALSE(pause.Paused());
        EXPECT_TRUE(QTest::qWaitFor([&] { return pause.Paused(); }, 2000));
    }
    // Gone, it leaves the blinking as it found it.
    EXPECT_EQ(QApplication::cursorFlashTime(), flashTime);
}

}  // namespace
