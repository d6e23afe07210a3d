// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar's look: tables, pixel shapes, the window shape and the paint pass,
// checked on pixels of a bar painted into an image.
#include "bar/BarLook.h"
#include "bar/BarPainter.h"
#include "platform/DialogUnits.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <set>
#include <utility>

// Readable colours in failure messages.
void PrintTo(const QColor& c, std::ostream* os)
{
    *os << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels ToSet(const PixelRuns& runs)
{
    Pixels set;
    for (const QRect& r : runs)
        for (int x = r.left(); x <= r.right(); ++x) set.insert({x, r.top()});
    return set;
}

// The reference bar: 210 x 60 at 96 dots per inch.
SBarPaintState ReferenceState(int scheme = 1, int view = kViewZoom, int rounding = 4)
{
    SBarPaintState s;
    s.width = 210;
    s.height = 60;
    s.layout.engineBox = RectFromEdges(9, 8, 135, 24);
    s.layout.optionsBox = RectFromEdges(174, 10, 200, 23);
    s.layout.fieldRect = RectFromEdges(10, 29, 200, 51);
    s.layout.searchBox = RectFromEdges(175, 29, 200, 51);
    s.colors = *FindColorScheme(scheme);
    s.rounding = rounding;
    s.buttonView = view;
    s.engineName = QStringLiteral("Google");
    s.engineFont = MakeEngineFont();
    return s;
}

QImage Paint(const SBarPaintState& s, int scale = 1)
{
    InstallFontSubstitutes();
    QImage image(s.width * scale, s.height * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::magenta);  // shows whatever the paint pass leaves out
    QPainter painter(&image);
    PaintBar(painter, s);
    return image;
}

QColor At(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

// Search box G of the reference layout.
constexpr int Gx = 175;
constexpr int Gy = 29;

}  // namespace

// ---- Tables ------------------------------------------------------------

TEST(BarLookTables, SchemesByIndex)
{
    ASSERT_EQ(ColorSchemes().size(), 9u);
    for (int i = 0; i < 9; ++i) {
        const SColorScheme* s = FindColorScheme(i);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->index, i);
    }
    EXPECT_EQ(FindColorScheme(-1), nullptr);
    EXPECT_EQ(FindColorScheme(9), nullptr);
    // Spot checks against the published values.
    EXPECT_EQ(FindColorScheme(1)->back, QColor(140, 180, 220));
    EXPECT_EQ(FindColorScheme(5)->text, QColor(30, 50, 0));
    EXPECT_EQ(FindColorScheme(8)->box, QColor(200, 200, 200));
}

TEST(BarLookTables, CornerDiameters)
{
    EXPECT_EQ(CornerDiameter(kBarOutlineElement, 4), 26);
    EXPECT_EQ(CornerDiameter(kOptionsBoxElement, 4), 10);
    EXPECT_EQ(CornerDiameter(kQueryFieldElement, 2), 12);
    EXPECT_EQ(CornerDiameter(kEngineBoxElement, 3), 14);
    for (int e = 0; e < 4; ++e) EXPECT_EQ(CornerDiameter(e, 0), 0);
    for (auto [e, l] : {std::pair{-1, 1}, {4, 1}, {0, -1}, {0, 5}, {3, 100}})
        EXPECT_EQ(CornerDiameter(e, l), 0) << e << "," << l;
}

TEST(BarLookTables, AlphaIsTruncatedAndOpaqueOutOfRange)
{
    for (int level = 0; level < 10; ++level) {
        const int expected = (2550 - 255 * level) / 10;  // 255 - 25.5 level, truncated
        EXPECT_EQ(AlphaForLevel(level), expected) << level;
        EXPECT_NEAR(OpacityForLevel(level) * 255.0, expected, 1e-9);
    }
    EXPECT_EQ(AlphaForLevel(5), 127);
    EXPECT_EQ(AlphaForLevel(9), 25);
    EXPECT_EQ(AlphaForLevel(-1), 255);
    EXPECT_EQ(AlphaForLevel(10), 255);
}

// A missing face is asked for by its installed substitute, which draws the
// same as the font matcher's own fallback did; an installed face is itself.
TEST(BarLookFonts, MissingFaceIsAskedForByItsInstalledSubstitute)
{
    InstallFontSubstitutes();
    const QString face = InstalledFace(QStringLiteral("Tahoma"));
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) GTEST_SKIP() << "Tahoma is installed";
    EXPECT_TRUE(QFontDatabase::hasFamily(face)) << face.toStdString();
    EXPECT_EQ(face, QFontInfo(QFont(QStringLiteral("Tahoma"))).family());
    EXPECT_EQ(InstalledFace(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(InstalledFace(QStringLiteral("No Such Face")), QStringLiteral("No Such Face"));
}

TEST(BarLookTables, OnlyViewNotGivesTheEditItsFullWidth)
{
    // Reference edit 15..195 and options box width 26: narrow ends at 174.
    EXPECT_EQ(EditWidthForView(kViewNot, 180, 26), 180);
    for (int v = kViewZoom; v <= kViewGo; ++v) EXPECT_EQ(EditWidthForView(v, 180, 26), 159) << v;
}

// ---- Pixel shapes ------------------------------------------------------------

TEST(BarLookShapes, RoundRectsAreSymmetricAndOutlinedByTheirBorderPixels)
{
    const QRect boxes[] = {QRect(3, -20, 209, 79), QRect(0, 0, 26, 13), QRect(7, 3, 11, 11), QRect(2, 2, 5, 40)};
    for (const QRect& box : boxes) {
        for (int d : {0, 5, 8, 11, 14, 26, 500}) {
            const Pixels fill = ToSet(RoundRectFill(box, d, d));
            const Pixels outline = ToSet(RoundRectOutline(box, d, d));
            SCOPED_TRACE(testing::Message() << "box " << box.x() << "," << box.y() << " " << box.width() << "x"
                                            << box.height() << " d " << d);
            ASSERT_FALSE(fill.empty());
            for (auto [x, y] : fill) {
                ASSERT_TRUE(box.contains(x, y));
                // Mirror images across both axes.
                EXPECT_TRUE(fill.count({box.left() + box.right() - x, y}));
                EXPECT_TRUE(fill.count({x, box.top() + box.bottom() - y}));
                // The outline is exactly the pixels with a side on the outside.
                const bool border = !fill.count({x - 1, y}) || !fill.count({x + 1, y}) || !fill.count({x, y - 1}) ||
                                    !fill.count({x, y + 1});
                EXPECT_EQ(outline.count({x, y}) == 1, border) << x << "," << y;
            }
            // The shape spans the whole box: its middle row and column reach the edges.
            const int midX = (box.left() + box.right()) / 2, midY = (box.top() + box.bottom()) / 2;
            for (auto p : {std::pair{box.left(), midY}, {box.right(), midY}, {midX, box.top()}, {midX, box.bottom()}})
                EXPECT_TRUE(outline.count(p)) << p.first << "," << p.second;
        }
    }
}

TEST(BarLookShapes, SquareCornersAtDiameterZeroAndCutCornersAboveIt)
{
    const QRect box(10, 29, 190, 22);
    EXPECT_EQ(ToSet(RoundRectFill(box, 0, 0)).size(), 190u * 22u);
    const Pixels rounded = ToSet(RoundRectFill(box, 21, 21));
    EXPECT_FALSE(rounded.count({10, 29}));
    EXPECT_FALSE(rounded.count({199, 50}));
    EXPECT_TRUE(rounded.count({105, 29}));
    EXPECT_TRUE(rounded.count({10, 40}));
}

TEST(BarLookShapes, PenWidthsOfLines)
{
    // A 45-degree segment: one pixel per row with a 1-pixel pen; three
    // pixels across the line with a 3-pixel pen.
    const Pixels thin = ToSet(PolylinePixels({{0, 0}, {10, 10}}, 1));
    EXPECT_EQ(thin.size(), 11u);
    const Pixels thick = ToSet(PolylinePixels({{0, 0}, {10, 10}}, 3));
    for (int i = -3; i <= 3; ++i) EXPECT_EQ(thick.count({5 + i, 5 - i}) == 1, std::abs(i) <= 1) << i;
}

// ---- Window shape ------------------------------------------------------------

TEST(BarLookWindowShape, NotKeepsTheWholeWindow)
{
    EXPECT_EQ(BarWindowShape(QSize(210, 60), 0), QRegion(0, 0, 210, 60));
}

TEST(BarLookWindowShape, TwentyCutsTheBottomCornersOnly)
{
    const QRegion shape = BarWindowShape(QSize(210, 60), 4);
    for (QPoint p : {QPoint(0, 59), QPoint(209, 59), QPoint(0, 55), QPoint(208, 55), QPoint(3, 58)})
        EXPECT_FALSE(shape.contains(p)) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(0, 0), QPoint(208, 0), QPoint(0, 40), QPoint(105, 58)})
        EXPECT_TRUE(shape.contains(p)) << p.x() << "," << p.y();
    EXPECT_FALSE(shape.boundingRect().top() < 0);
}

TEST(BarLookWindowShape, CutFollowsThePaintedOutline)
{
    // Row by row, the shape ends exactly at the outline's outermost pixels,
    // so no background shows outside the outline and no outline is cut off.
    for (int level = 1; level < 5; ++level) {
        SBarPaintState s = ReferenceState(1, kViewNot, level);
        const QImage image = Paint(s);
        const QRegion shape = BarWindowShape(QSize(s.width, s.height), level);
        const QRgb line = s.colors.line.rgb();
        for (int y = 30; y < s.height; ++y) {
            int first = 0;
            while (first < s.width && !shape.contains(QPoint(first, y))) ++first;
            int last = s.width - 1;
            while (last >= 0 && !shape.contains(QPoint(last, y))) --last;
            if (first > last) continue;
            EXPECT_EQ(image.pixel(first, y), line) << "level " << level << " row " << y;
            EXPECT_EQ(image.pixel(last, y), line) << "level " << level << " row " << y;
            // And the outline has no pixel outside the shape.
            if (first > 0) {
                EXPECT_NE(image.pixel(first - 1, y), line) << "level " << level << " row " << y;
            }
        }
    }
}

// ---- Paint pass ----------------------------------------------------------------

class BarLookScheme : public testing::TestWithParam<int> {};

TEST_P(BarLookScheme, PaintsEachPartInItsColour)
{
    const SBarPaintState s = ReferenceState(GetParam());
    const QImage image = Paint(s);
    EXPECT_EQ(At(image, 155, 15), s.colors.back);  // between the name and the options box
    EXPECT_EQ(At(image, 105, 55), s.colors.back);  // below the field
    EXPECT_EQ(At(image, 187, 16), s.colors.box);   // inside the options box
    EXPECT_EQ(At(image, 187, 10), s.colors.line);  // its top edge
    EXPECT_EQ(At(image, 100, 40), QColor(Qt::white));
    EXPECT_EQ(At(image, 100, 29), s.colors.line);  // field, top edge
    EXPECT_EQ(At(image, 100, 50), s.colors.line);  // field, bottom edge
    EXPECT_EQ(At(image, 10, 40), s.colors.line);   // field, left edge
    EXPECT_EQ(At(image, 0, 30), s.colors.line);    // bar outline, left side
    EXPECT_EQ(At(image, 208, 30), s.colors.line);  // bar outline, right side
    EXPECT_EQ(At(image, 105, 58), s.colors.line);  // bar outline, bottom
    EXPECT_EQ(At(image, 10, 29), s.colors.back);   // the field's corner is rounded
}

INSTANTIATE_TEST_SUITE_P(AllSchemes, BarLookScheme, testing::Range(0, 9));

TEST(BarLookPaint, RoundingNotSquaresEveryCorner)
{
    const SBarPaintState s = ReferenceState(1, kViewZoom, 0);
    const QImage image = Paint(s);
    EXPECT_EQ(At(image, 10, 29), s.colors.line);
    EXPECT_EQ(At(image, 174, 10), s.colors.line);
    EXPECT_EQ(At(image, 0, 58), s.colors.line);
    EXPECT_EQ(At(image, 208, 58), s.colors.line);
}

TEST(BarLookPaint, ViewNotDrawsNeitherSeparatorNorGlyph)
{
    const QImage image = Paint(ReferenceState(1, kViewNot));
    // Clear of the field's rounded corner.
    for (int y = Gy + 4; y <= Gy + 17; ++y)
        for (int x = Gx; x <= Gx + 20; ++x) ASSERT_EQ(At(image, x, y), QColor(Qt::white)) << x << "," << y;
}

TEST(BarLookPaint, EveryGlyphHasTheSeparator)
{
    for (int view = kViewZoom; view <= kViewGo; ++view) {
        const SBarPaintState s = ReferenceState(1, view);
        const QImage image = Paint(s);
        for (int y = Gy + 1; y < Gy + 21; ++y) EXPECT_EQ(At(image, Gx, y), s.colors.line) << view << " " << y;
        EXPECT_EQ(At(image, Gx - 1, 40), QColor(Qt::white));
    }
}

TEST(BarLookPaint, ZoomIsAWhiteLensWithAHandle)
{
    const SBarPaintState s = ReferenceState(1, kViewZoom);
    const QImage image = Paint(s);
    const QColor white(Qt::white);
    EXPECT_EQ(At(image, Gx + 7, Gy + 8), s.colors.line);   // left of the lens
    EXPECT_EQ(At(image, Gx + 17, Gy + 8), s.colors.line);  // right
    EXPECT_EQ(At(image, Gx + 12, Gy + 3), s.colors.line);  // top
    EXPECT_EQ(At(image, Gx + 12, Gy + 8), white);          // glass
    EXPECT_EQ(At(image, Gx + 6, Gy + 8), white);           // outside the lens
    EXPECT_EQ(At(image, Gx + 12, Gy + 2), white);
    // The handle at the box's middle column, down to three pixels above
    // the box's bottom edge.
    for (int y = Gy + 13; y <= Gy + 22 - 4; ++y) EXPECT_EQ(At(image, Gx + 12, y), s.colors.line) << y;
    EXPECT_EQ(At(image, Gx + 12, Gy + 22 - 3), white);
    EXPECT_EQ(At(image, Gx + 11, Gy + 16), white);
}

TEST(BarLookPaint, ArrowsOutlinedFilledAndThick)
{
    const SBarPaintState base = ReferenceState(1, kViewArrow1);
    const QColor white(Qt::white);
    const QColor line = base.colors.line;
    struct Case {
        int view;
        QPoint pixel;  // relative to G
        QColor expected;
    };
    const Case cases[] = {
        {kViewArrow1, {10, 5}, line},
        {kViewArrow1, {15, 10}, line},
        {kViewArrow1, {10, 15}, line},
        {kViewArrow1, {10, 10}, line},
        {kViewArrow1, {12, 7}, line},
        {kViewArrow1, {11, 10}, white},
        {kViewArrow1, {13, 6}, white},
        {kViewArrow1, {16, 10}, white},
        {kViewArrow2, {11, 10}, line},
        {kViewArrow2, {14, 10}, line},
        {kViewArrow2, {16, 10}, white},
        {kViewArrow2, {9, 10}, white},
        // Three pixels across the chevron's upper stroke, through (12, 7).
        {kViewArrow3, {11, 8}, line},
        {kViewArrow3, {12, 7}, line},
        {kViewArrow3, {13, 6}, line},
        {kViewArrow3, {10, 9}, white},
        {kViewArrow3, {14, 5}, white},
        {kViewArrow3, {10, 10}, white},
    };
    for (const Case& c : cases) {
        SBarPaintState s = base;
        s.buttonView = c.view;
        const QImage image = Paint(s);
        EXPECT_EQ(At(image, Gx + c.pixel.x(), Gy + c.pixel.y()), c.expected)
            << "view " << c.view << " at " << c.pixel.x() << "," << c.pixel.y();
    }
}

namespace {

// How far a pixel is from being the text colour laid over white: 0 when it
// is that colour at some coverage, large when it is another hue.
struct STextInk {
    double coverage = 0;
    int mismatch = 0;
};

STextInk InkOverWhite(QColor pixel, QColor text)
{
    const int p[3] = {pixel.red(), pixel.green(), pixel.blue()};
    const int t[3] = {text.red(), text.green(), text.blue()};
    int best = 0;
    for (int i = 1; i < 3; ++i)
        if (255 - t[i] > 255 - t[best]) best = i;
    STextInk ink;
    ink.coverage = double(255 - p[best]) / (255 - t[best]);
    for (int i = 0; i < 3; ++i) {
        const int expected = int(std::lround(255 - ink.coverage * (255 - t[i])));
        ink.mismatch = std::max(ink.mismatch, std::abs(expected - p[i]));
    }
    return ink;
}

}  // namespace

TEST(BarLookPaint, GoIsCentredInTheSchemesTextColour)
{
    for (int scheme : {1, 5}) {
        const SBarPaintState s = ReferenceState(scheme, kViewGo);
        const QImage image = Paint(s);
        int inked = 0, left = 1000, right = -1;
        // Clear of the separator and of the field's rounded corner.
        for (int y = Gy + 4; y <= Gy + 17; ++y) {
            for (int x = Gx + 1; x <= Gx + 20; ++x) {
                const QColor c = At(image, x, y);
                if (c == QColor(Qt::white)) continue;
                const STextInk ink = InkOverWhite(c, s.colors.text);
                EXPECT_LE(ink.mismatch, 6) << "scheme " << scheme << " at " << x << "," << y;
                if (ink.coverage > 0.5) ++inked;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        EXPECT_GE(inked, 8) << "scheme " << scheme;
        // Centred on the box's middle column, give or take the glyphs' bearings.
        EXPECT_NEAR((left + right) / 2.0, Gx + 12, 2.0) << "scheme " << scheme;
    }
}

TEST(BarLookPaint, HoverOutlinesTheEngineBoxOnlyWhenHovered)
{
    SBarPaintState s = ReferenceState();
    s.engineName.clear();
    EXPECT_EQ(At(Paint(s), 9, 16), s.colors.back);
    EXPECT_EQ(At(Paint(s), 70, 8), s.colors.back);
    s.hoverEngine = true;
    const QImage hovered = Paint(s);
    EXPECT_EQ(At(hovered, 9, 16), s.colors.line);
    EXPECT_EQ(At(hovered, 134, 16), s.colors.line);
    EXPECT_EQ(At(hovered, 70, 8), s.colors.line);
    EXPECT_EQ(At(hovered, 70, 23), s.colors.line);
    EXPECT_EQ(At(hovered, 70, 16), s.colors.back);
}

TEST(BarLookPaint, LongNameIsClippedAtTheBoxAndNeverWrapped)
{
    SBarPaintState s = ReferenceState();
    s.engineName = QStringLiteral("Wikipedia Wikipedia Wikipedia Wikipedia Wikipedia Wikipedia");
    const QImage image = Paint(s);
    int inkNearEdge = 0;
    for (int y = 0; y < 29; ++y) {
        for (int x = 0; x < 210; ++x) {
            const bool inBox = s.layout.engineBox.contains(x, y);
            const bool inOptions = s.layout.optionsBox.contains(x, y);
            const bool outline = x == 0 || x == 208;
            if (inOptions || outline) continue;
            if (!inBox) {
                ASSERT_EQ(At(image, x, y), s.colors.back) << x << "," << y;
            } else if (x >= 120 && At(image, x, y) != s.colors.back) {
                ++inkNearEdge;
            }
        }
    }
    EXPECT_GT(inkNearEdge, 0);
}

TEST(BarLookPaint, NameStartsAfterTwoSpacesAtTheBoxTop)
{
    const SBarPaintState s = ReferenceState();
    const QImage image = Paint(s);
    int left = 1000, top = 1000;
    for (int y = s.layout.engineBox.top(); y <= s.layout.engineBox.bottom(); ++y)
        for (int x = s.layout.engineBox.left(); x <= s.layout.engineBox.right(); ++x)
            if (At(image, x, y) != s.colors.back) left = std::min(left, x), top = std::min(top, y);
    ASSERT_LT(left, 1000);
    EXPECT_GE(left, s.layout.engineBox.left() + 4);  // the two spaces
    EXPECT_LE(left, s.layout.engineBox.left() + 16);
    EXPECT_LE(top, s.layout.engineBox.top() + 5);  // first line from the top, not centred lower
}

TEST(BarLookPaint, SharpAtDevicePixelRatioTwo)
{
    const SBarPaintState s = ReferenceState();
    const QImage image = Paint(s, 2);
    ASSERT_EQ(image.width(), 420);
    // Every logical pixel becomes a 2 x 2 block of one colour.
    for (auto [x, y] : {std::pair{100, 40}, {100, 29}, {0, 30}, {187, 16}, {Gx, 35}, {Gx + 12, 45}}) {
        const QColor c = At(image, 2 * x, 2 * y);
        EXPECT_EQ(At(image, 2 * x + 1, 2 * y), c);
        EXPECT_EQ(At(image, 2 * x, 2 * y + 1), c);
        EXPECT_EQ(At(image, 2 * x + 1, 2 * y + 1), c);
    }
    EXPECT_EQ(At(image, 200, 80), QColor(Qt::white));
    EXPECT_EQ(At(image, 200, 58), s.colors.line);
    EXPECT_EQ(At(image, 310, 30), s.colors.back);
    // The name is drawn at the doubled size: its ink spans more than 13 rows.
    int top = 1000, bottom = -1;
    for (int y = 16; y < 48; ++y)
        for (int x = 18; x < 270; ++x)
            if (At(image, x, y) != s.colors.back) top = std::min(top, y), bottom = std::max(bottom, y);
    EXPECT_GT(bottom - top, 13);
}
