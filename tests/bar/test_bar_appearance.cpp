// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The look as the real bar wires it: the commands of the options menu reach
// the colours, the window shape, the opacity, the edit's width and the menu
// marks, and the paint pass draws from the bar's own state.
#include "bar/BarLook.h"
#include "bar/BarTestAccess.h"
#include "bar/LumoraDlg.h"
#include "common/TempConfigHome.h"
#include "menus/OptionsMenu.h"
#include "options/OptionTable.h"
#include "platform/DialogUnits.h"
#include "store/CatalogFile.h"
#include "store/DataFolder.h"
#include "store/Settings.h"

#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

// Readable colours in failure messages.
void PrintTo(const QColor& c, std::ostream* os)
{
    *os << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}

namespace {

// Collects the regions of the paint events a widget receives.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++paints;
        }
        return false;
    }
};

class BarAppearanceTest : public ::testing::Test {
protected:
    void SetUp() override { InstallFontSubstitutes(); }

    // The one marked entry of first..last, or -1.
    static int Marked(CLumoraDlg& bar, int first, int last)
    {
        int marked = -1;
        for (int id = first; id <= last; ++id)
            if (bar.OptionsMenu()->IsChecked(id)) {
                if (marked != -1) return -2;  // two marks
                marked = id;
            }
        return marked;
    }

    static QColor At(const QImage& image, QPoint p) { return image.pixelColor(p); }

    static QPoint Middle(const QRect& r) { return QPoint(r.x() + r.width() / 2, r.y() + r.height() / 2); }

    static int NarrowWidth(const CLumoraDlg& bar)
    {
        return bar.Layout().editRect.width() - bar.Layout().optionsBox.width() + 5;
    }

    TempConfigHome m_home;
};

TEST_F(BarAppearanceTest, EachSchemeCommandRecoloursTheBarAndMovesTheMark)
{
    CLumoraDlg bar;
    const QRect field = bar.Layout().fieldRect;
    // Between the field's outline and the edit: drawn by the paint pass.
    const QPoint fieldInside(field.left() + 2, Middle(field).y());
    const QPoint fieldBorder(field.left(), Middle(field).y());
    const QPoint freeSpot(Middle(bar.Layout().optionsBox).x(), bar.Layout().optionsBox.top() - 3);

    for (const SColorScheme& scheme : ColorSchemes()) {
        SCOPED_TRACE(scheme.index);
        bar.OnCommand(kFirstSchemeCommand + scheme.index);
        EXPECT_EQ(bar.Settings().colorScheme, scheme.index);
        EXPECT_EQ(Marked(bar, kFirstSchemeCommand, kRandomCommand), kFirstSchemeCommand + scheme.index);

        const QImage image = bar.grab().toImage();
        EXPECT_EQ(At(image, freeSpot), scheme.back);
        EXPECT_EQ(At(image, Middle(bar.Layout().optionsBox)), scheme.box);
        EXPECT_EQ(At(image, fieldInside), kFieldColor);
        EXPECT_EQ(At(image, fieldBorder), scheme.line);
    }
}

TEST_F(BarAppearanceTest, OutOfRangeSchemeIsStoredAndLeavesTheColours)
{
    CLumoraDlg bar;
    bar.OnCommand(kFirstSchemeCommand + 5);
    const QColor back = bar.Colors().back, box = bar.Colors().box, line = bar.Colors().line, text = bar.Colors().text;

    for (int scheme : {12, -1, 9}) {
        CBarTestAccess::ApplyColorScheme(bar, scheme);
        EXPECT_EQ(bar.Settings().colorScheme, scheme);
        EXPECT_EQ(bar.Colors().back, back);
        EXPECT_EQ(bar.Colors().box, box);
        EXPECT_EQ(bar.Colors().line, line);
        EXPECT_EQ(bar.Colors().text, text);
    }
    // Random from an unknown scheme picks one of the nine.
    bar.OnCommand(kRandomCommand);
    EXPECT_NE(FindColorScheme(bar.Settings().colorScheme), nullptr);
}

TEST_F(BarAppearanceTest, RandomNeverKeepsTheSchemeInUse)
{
    CLumoraDlg bar;
    bool seen[kSchemeCount] = {};
    for (int i = 0; i < 50; ++i) {
        const int before = bar.Settings().colorScheme;
        bar.OnCommand(kRandomCommand);
        const int after = bar.Settings().colorScheme;
        ASSERT_NE(after, before) << "draw " << i;
        const SColorScheme* scheme = FindColorScheme(after);
        ASSERT_NE(scheme, nullptr);
        seen[after] = true;
        EXPECT_EQ(bar.Colors().back, scheme->back);
        EXPECT_EQ(Marked(bar, kFirstSchemeCommand, kLastSchemeCommand), kFirstSchemeCommand + after);
        EXPECT_FALSE(bar.OptionsMenu()->IsChecked(kRandomCommand));
    }
    // Fifty draws of eight choices each leave out a scheme only by a broken
    // generator.
    int kinds = 0;
    for (bool s : seen) kinds += s;
    EXPECT_GE(kinds, 6);
}

TEST_F(BarAppearanceTest, RoundingShapesTheWindowAndTheField)
{
    CLumoraDlg bar;
    const int w = bar.width(), h = bar.height();
    const QPoint fieldCorner = bar.Layout().fieldRect.topLeft();

    bar.OnCommand(kFirstRoundingCommand + 0);
    EXPECT_EQ(bar.Settings().rounding, 0);
    EXPECT_EQ(bar.mask(), QRegion(bar.rect()));
    EXPECT_EQ(Marked(bar, kFirstRoundingCommand, kLastRoundingCommand), kFirstRoundingCommand);
    EXPECT_EQ(At(bar.grab().toImage(), fieldCorner), bar.Colors().line);

    bar.OnCommand(kFirstRoundingCommand + 4);
    EXPECT_EQ(bar.Settings().rounding, 4);
    const QRegion shape = bar.mask();
    EXPECT_EQ(shape, BarWindowShape(bar.size(), 4));
    EXPECT_TRUE(shape.contains(QPoint(0, 0)));
    EXPECT_TRUE(shape.contains(QPoint(w - 2, 0)));
    EXPECT_FALSE(shape.contains(QPoint(0, h - 1)));
    EXPECT_FALSE(shape.contains(QPoint(w - 1, h - 1)));
    EXPECT_TRUE(shape.contains(QPoint(w / 2, h - 2)));
    EXPECT_EQ(Marked(bar, kFirstRoundingCommand, kLastRoundingCommand), kLastRoundingCommand);
    EXPECT_EQ(At(bar.grab().toImage(), fieldCorner), bar.Colors().back);
}

TEST_F(BarAppearanceTest, TransparencyKeepsTheLevelAndSetsTheOpacity)
{
    CLumoraDlg bar;
    struct Case {
        int level;
        int alpha;
    };
    const Case cases[] = {{5, 127}, {9, 25}, {1, 229}, {0, 255}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        bar.OnCommand(kFirstTransparencyCommand + c.level);
        EXPECT_EQ(bar.Settings().transparency, c.level);
        EXPECT_NEAR(bar.windowOpacity(), c.alpha / 255.0, 0.5 / 255.0);
        EXPECT_EQ(Marked(bar, kFirstTransparencyCommand, kLastTransparencyCommand),
                  kFirstTransparencyCommand + c.level);
    }
}

TEST_F(BarAppearanceTest, ButtonViewSetsTheEditWidthAndRepaintsTheSearchBoxOnly)
{
    CLumoraDlg bar;
    bar.OnCommand(kAutoHideCommand);  // off: the bar stays put while this runs
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    // What start-up adds after the first frame is painted before counting.
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar.IsStartupFinished(); }));
    QCoreApplication::processEvents();
    PaintRecorder recorder(&bar);

    struct Step {
        int view;
        bool full;
    };
    // Not twice stays wide, Not to Go narrows, Go to Arrow 1 keeps the width.
    const Step steps[] = {{kViewNot, true},     {kViewNot, true},   {kViewGo, false},
                          {kViewArrow1, false}, {kViewZoom, false}, {kViewNot, true}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.view);
        recorder.painted = QRegion();
        recorder.paints = 0;
        bar.OnCommand(kFirstButtonViewCommand + step.view);

        EXPECT_EQ(bar.Settings().buttonView, step.view);
        EXPECT_EQ(
            bar.QueryField()->geometry(),
            QRect(bar.Layout().editRect.topLeft(),
                  QSize(step.full ? bar.Layout().editRect.width() : NarrowWidth(bar), bar.Layout().editRect.height())));
        EXPECT_EQ(Marked(bar, kFirstButtonViewCommand, kLastButtonViewCommand), kFirstButtonViewCommand + step.view);

        ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.paints > 0; }, 5000));
        EXPECT_TRUE(recorder.painted.contains(bar.Layout().searchBox));
        EXPECT_FALSE(recorder.painted.intersects(bar.Layout().engineBox));
        EXPECT_FALSE(recorder.painted.intersects(bar.Layout().optionsBox));
    }
}

TEST_F(BarAppearanceTest, SeparatorOnlyWithASearchGlyph)
{
    CLumoraDlg bar;
    const QPoint separator(bar.Layout().searchBox.left(), Middle(bar.Layout().searchBox).y());
    for (int view = 0; view < kButtonViewCount; ++view) {
        SCOPED_TRACE(view);
        bar.OnCommand(kFirstButtonViewCommand + view);
        const QColor expected = view == kViewNot ? kFieldColor : bar.Colors().line;
        EXPECT_EQ(At(bar.grab().toImage(), separator), expected);
    }
}

// A stored "Not" starts with the edit at full width: the start-up replays it.
TEST_F(BarAppearanceTest, StoredViewNotStartsWide)
{
    {
        CLumoraDlg first;
        SSettings stored = first.Settings();
        stored.buttonView = kViewNot;
        stored.rounding = 0;
        stored.transparency = 5;
        ASSERT_TRUE(SaveSettings(GetAppDataPath(kSettingsSuffix), stored));
    }
    CLumoraDlg bar;
    EXPECT_EQ(bar.QueryField()->width(), bar.Layout().editRect.width());
    EXPECT_EQ(bar.mask(), QRegion(bar.rect()));
    EXPECT_NEAR(bar.windowOpacity(), 127 / 255.0, 0.5 / 255.0);
    EXPECT_EQ(Marked(bar, kFirstButtonViewCommand, kLastButtonViewCommand), kFirstButtonViewCommand);
    EXPECT_EQ(Marked(bar, kFirstTransparencyCommand, kLastTransparencyCommand), kFirstTransparencyCommand + 5);
}

TEST_F(BarAppearanceTest, QueryFieldIsWhiteWithBlackTextWhateverTheTheme)
{
    CLumoraDlg bar;
    EXPECT_EQ(bar.QueryField()->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(bar.QueryField()->palette().color(QPalette::Text), QColor(Qt::black));
    const QImage image = bar.grab().toImage();
    EXPECT_EQ(At(image, Middle(bar.QueryField()->geometry())), kFieldColor);
    EXPECT_EQ(At(image, bar.QueryField()->geometry().topLeft()), kFieldColor);
}

TEST_F(BarAppearanceTest, EngineNameAndHoverComeFromTheBar)
{
    SSearch longName;
    longName.name = "An Engine Name Far Too Long For The Box It Is Drawn In";
    longName.url = "https://example.org/?q=[keyword]";
    longName.selected = true;
    CEngineList engines;
    engines.Append(longName);
    CreateDataFolder();
    ASSERT_TRUE(SaveCatalog(GetAppDataPath(kCatalogSuffix), engines));

    CLumoraDlg bar;
    bar.OnCommand(kFirstSchemeCommand + 1);
    const QRect box = bar.Layout().engineBox;
    ASSERT_EQ(bar.Current().name, longName.name);
    QImage image = bar.grab().toImage();
    bool inkAtTheEdge = false;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        inkAtTheEdge |= At(image, QPoint(box.right(), y)) != bar.Colors().back;
        // Nothing of the name beyond the box.
        for (int x = box.right() + 1; x < bar.Layout().optionsBox.left(); ++x)
            ASSERT_EQ(At(image, QPoint(x, y)), bar.Colors().back) << x << "," << y;
    }
    EXPECT_TRUE(inkAtTheEdge);

    // The hover outline runs along the box's border; the name starts with
    // two spaces, so its left side is clear of ink.
    const QPoint border(box.left(), Middle(box).y());
    EXPECT_EQ(At(image, border), bar.Colors().back);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    QTest::mouseMove(&bar, Middle(box));
    ASSERT_TRUE(bar.IsHoverEngine());
    image = bar.grab().toImage();
    EXPECT_EQ(At(image, border), bar.Colors().line);
}

}  // namespace
