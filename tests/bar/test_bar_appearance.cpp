// The look as the real bar wires it: the commands of the options menu reach
// the colours, the window shape, the opacity, the edit's width and the menu
// marks, and the paint pass draws from the bar's own state.
#include "bar/BarLook.h"
#include "bar/LumoraDlg.h"
#include "common/TempConfigHome.h"
#include "menus/Commands.h"
#include "menus/OptionsMenu.h"
#include "platform/DialogUnits.h"
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
    static int Marked(const CLumoraDlg& bar, int first, int last)
    {
        int marked = -1;
        for (int id = first; id <= last; ++id)
            if (bar.m_optionsMenu->IsChecked(id)) {
                if (marked != -1) return -2;  // two marks
                marked = id;
            }
        return marked;
    }

    static QColor At(const QImage& image, QPoint p) { return image.pixelColor(p); }

    static QPoint Middle(const QRect& r) { return QPoint(r.x() + r.width() / 2, r.y() + r.height() / 2); }

    static int NarrowWidth(const CLumoraDlg& bar) { return bar.m_editRect.width() - bar.m_optionsBox.width() + 5; }

    TempConfigHome m_home;
};

TEST_F(BarAppearanceTest, EachSchemeCommandRecoloursTheBarAndMovesTheMark)
{
    CLumoraDlg bar;
    const QRect field = bar.m_fieldRect;
    // Between the field's outline and the edit: drawn by the paint pass.
    const QPoint fieldInside(field.left() + 2, Middle(field).y());
    const QPoint fieldBorder(field.left(), Middle(field).y());
    const QPoint freeSpot(Middle(bar.m_optionsBox).x(), bar.m_optionsBox.top() - 3);

    for (const SColorScheme& scheme : ColorSchemes()) {
        SCOPED_TRACE(scheme.label);
        bar.OnCommand(kFirstSchemeCommand + scheme.index);
        EXPECT_EQ(bar.m_settings.colorScheme, scheme.index);
        EXPECT_EQ(Marked(bar, kFirstSchemeCommand, kRandomCommand), scheme.command);

        const QImage image = bar.grab().toImage();
        EXPECT_EQ(At(image, freeSpot), scheme.back);
        EXPECT_EQ(At(image, Middle(bar.m_optionsBox)), scheme.box);
        EXPECT_EQ(At(image, fieldInside), kFieldColor);
        EXPECT_EQ(At(image, fieldBorder), scheme.line);
    }
}

TEST_F(BarAppearanceTest, OutOfRangeSchemeIsStoredAndLeavesTheColours)
{
    CLumoraDlg bar;
    bar.OnCommand(kFirstSchemeCommand + 5);
    const QColor back = bar.m_backColor, box = bar.m_boxColor, line = bar.m_lineColor, text = bar.m_textColor;

    for (int scheme : {12, -1, 9}) {
        bar.ApplyColorScheme(scheme);
        EXPECT_EQ(bar.m_settings.colorScheme, scheme);
        EXPECT_EQ(bar.m_backColor, back);
        EXPECT_EQ(bar.m_boxColor, box);
        EXPECT_EQ(bar.m_lineColor, line);
        EXPECT_EQ(bar.m_textColor, text);
    }
    // Random from an unknown scheme picks one of the nine.
    bar.OnCommand(kRandomCommand);
    EXPECT_NE(FindColorScheme(bar.m_settings.colorScheme), nullptr);
}

TEST_F(BarAppearanceTest, RandomNeverKeepsTheSchemeInUse)
{
    CLumoraDlg bar;
    bool seen[kSchemeCount] = {};
    for (int i = 0; i < 50; ++i) {
        const int before = bar.m_settings.colorScheme;
        bar.OnCommand(kRandomCommand);
        const int after = bar.m_settings.colorScheme;
        ASSERT_NE(after, before) << "draw " << i;
        const SColorScheme* scheme = FindColorScheme(after);
        ASSERT_NE(scheme, nullptr);
        seen[after] = true;
        EXPECT_EQ(bar.m_backColor, scheme->back);
        EXPECT_EQ(Marked(bar, kFirstSchemeCommand, kLastSchemeCommand), kFirstSchemeCommand + after);
        EXPECT_FALSE(bar.m_optionsMenu->IsChecked(kRandomCommand));
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
    const QPoint fieldCorner = bar.m_fieldRect.topLeft();

    bar.OnCommand(kFirstRoundingCommand + 0);
    EXPECT_EQ(bar.m_settings.rounding, 0);
    EXPECT_EQ(bar.mask(), QRegion(bar.rect()));
    EXPECT_EQ(Marked(bar, kFirstRoundingCommand, kLastRoundingCommand), kFirstRoundingCommand);
    EXPECT_EQ(At(bar.grab().toImage(), fieldCorner), bar.m_lineColor);

    bar.OnCommand(kFirstRoundingCommand + 4);
    EXPECT_EQ(bar.m_settings.rounding, 4);
    const QRegion shape = bar.mask();
    EXPECT_EQ(shape, BarWindowShape(bar.size(), 4));
    EXPECT_TRUE(shape.contains(QPoint(0, 0)));
    EXPECT_TRUE(shape.contains(QPoint(w - 2, 0)));
    EXPECT_FALSE(shape.contains(QPoint(0, h - 1)));
    EXPECT_FALSE(shape.contains(QPoint(w - 1, h - 1)));
    EXPECT_TRUE(shape.contains(QPoint(w / 2, h - 2)));
    EXPECT_EQ(Marked(bar, kFirstRoundingCommand, kLastRoundingCommand), kLastRoundingCommand);
    EXPECT_EQ(At(bar.grab().toImage(), fieldCorner), bar.m_backColor);
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
        EXPECT_EQ(bar.m_settings.transparency, c.level);
        EXPECT_NEAR(bar.windowOpacity(), c.alpha / 255.0, 0.5 / 255.0);
        EXPECT_EQ(Marked(bar, kFirstTransparencyCommand, kLastTransparencyCommand),
                  kFirstTransparencyCommand + c.level);
    }
}

TEST_F(BarAppearanceTest, ButtonViewSetsTheEditWidthAndRepaintsTheSearchBoxOnly)
{
    CLumoraDlg bar;
    bar.m_settings.autoHide = 0;  // the bar stays put while this runs
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
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

        EXPECT_EQ(bar.m_settings.buttonView, step.view);
        EXPECT_EQ(bar.m_query->geometry(),
                  QRect(bar.m_editRect.topLeft(),
                        QSize(step.full ? bar.m_editRect.width() : NarrowWidth(bar), bar.m_editRect.height())));
        EXPECT_EQ(Marked(bar, kFirstButtonViewCommand, kLastButtonViewCommand), kFirstButtonViewCommand + step.view);

        ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.paints > 0; }, 5000));
        EXPECT_TRUE(recorder.painted.contains(bar.m_searchBox));
        EXPECT_FALSE(recorder.painted.intersects(bar.m_engineBox));
        EXPECT_FALSE(recorder.painted.intersects(bar.m_optionsBox));
    }
}

TEST_F(BarAppearanceTest, SeparatorOnlyWithASearchGlyph)
{
    CLumoraDlg bar;
    const QPoint separator(bar.m_searchBox.left(), Middle(bar.m_searchBox).y());
    for (const SButtonView& view : ButtonViews()) {
        SCOPED_TRACE(view.label);
        bar.OnCommand(view.command);
        const QColor expected = view.index == kViewNot ? kFieldColor : bar.m_lineColor;
        EXPECT_EQ(At(bar.grab().toImage(), separator), expected);
    }
}

// A stored "Not" starts with the edit at full width: the start-up replays it.
TEST_F(BarAppearanceTest, StoredViewNotStartsWide)
{
    {
        CLumoraDlg first;
        first.m_settings.buttonView = kViewNot;
        first.m_settings.rounding = 0;
        first.m_settings.transparency = 5;
        ASSERT_TRUE(SaveSettings(GetAppDataPath(kSettingsSuffix), first.m_settings));
    }
    CLumoraDlg bar;
    EXPECT_EQ(bar.m_query->width(), bar.m_editRect.width());
    EXPECT_EQ(bar.mask(), QRegion(bar.rect()));
    EXPECT_NEAR(bar.windowOpacity(), 127 / 255.0, 0.5 / 255.0);
    EXPECT_EQ(Marked(bar, kFirstButtonViewCommand, kLastButtonViewCommand), kFirstButtonViewCommand);
    EXPECT_EQ(Marked(bar, kFirstTransparencyCommand, kLastTransparencyCommand), kFirstTransparencyCommand + 5);
}

TEST_F(BarAppearanceTest, QueryFieldIsWhiteWithBlackTextWhateverTheTheme)
{
    CLumoraDlg bar;
    EXPECT_EQ(bar.m_query->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(bar.m_query->palette().color(QPalette::Text), QColor(Qt::black));
    const QImage image = bar.grab().toImage();
    EXPECT_EQ(At(image, Middle(bar.m_query->geometry())), kFieldColor);
    EXPECT_EQ(At(image, bar.m_query->geometry().topLeft()), kFieldColor);
}

TEST_F(BarAppearanceTest, EngineNameAndHoverComeFromTheBar)
{
    CLumoraDlg bar;
    bar.OnCommand(kFirstSchemeCommand + 1);
    const QRect box = bar.m_engineBox;

    bar.m_current.name = "An Engine Name Far Too Long For The Box It Is Drawn In";
    QImage image = bar.grab().toImage();
    bool inkAtTheEdge = false;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        inkAtTheEdge |= At(image, QPoint(box.right(), y)) != bar.m_backColor;
        // Nothing of the name beyond the box.
        for (int x = box.right() + 1; x < bar.m_optionsBox.left(); ++x)
            ASSERT_EQ(At(image, QPoint(x, y)), bar.m_backColor) << x << "," << y;
    }
    EXPECT_TRUE(inkAtTheEdge);

    // The hover outline runs along the box's border; the name starts with
    // two spaces, so its left side is clear of ink.
    const QPoint border(box.left(), Middle(box).y());
    EXPECT_EQ(At(image, border), bar.m_backColor);
    bar.m_hoverEngine = true;
    image = bar.grab().toImage();
    EXPECT_EQ(At(image, border), bar.m_lineColor);
}

}  // namespace
