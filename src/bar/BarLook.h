// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "options/OptionTable.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

#include <vector>

// The bar's look as plain data and pure functions: colour schemes, corner
// rounding, transparency, search-button views, fonts, and the pixel shapes
// the painter and the window shape are built from. The options' labels and
// commands are in the option table.
//
// Rectangles follow the layout's convention: QRect(x, y, w, h) covers the
// pixels x .. x + w - 1, so a 1-pixel outline of a box runs along its
// outermost pixels.

// ---- Colour schemes ----------------------------------------------------

inline constexpr int kSchemeCount = kColorSchemeOption.valueCount;

// The four colours of a scheme: the bar holds the current one and paints
// with it.
struct SColorScheme {
    int index = -1;
    QColor back;  // whole background
    QColor box;   // fill of the options box
    QColor line;  // outlines, separator and search glyphs
    QColor text;  // engine name and "Go"
};

// The nine schemes in index order.
const std::vector<SColorScheme>& ColorSchemes();

// The scheme with this index, or nullptr outside 0..8.
const SColorScheme* FindColorScheme(int index);

// The query field is white whatever the scheme.
inline const QColor kFieldColor{255, 255, 255};

// ---- Layout --------------------------------------------------------------

// The bar's rectangles, in client coordinates.
struct SBarLayout {
    QRect engineBox;
    QRect optionsBox;
    QRect searchBox;
    QRect editRect;   // the query field's full width
    QRect fieldRect;  // the white area around it
    QRect pullStrip;  // bottom rows, all that shows of a hidden bar
};

// ---- Rounding ------------------------------------------------------------

inline constexpr int kRoundingLevels = kRoundingOption.valueCount;

enum ERoundedElement {
    kEngineBoxElement = 0,
    kOptionsBoxElement = 1,
    kQueryFieldElement = 2,
    kBarOutlineElement = 3,  // also the window shape
};

// Corner-ellipse diameter in pixels of an element at a rounding level;
// 0 (square corners) for arguments out of range.
int CornerDiameter(int element, int level);

// ---- Transparency ----------------------------------------------------------

inline constexpr int kTransparencyLevels = kTransparencyOption.valueCount;

// The window's constant alpha: 255 - 25.5 * level, truncated. Out-of-range
// levels are opaque.
int AlphaForLevel(int level);

// The same as a window opacity. Qt keeps opacity in 8 bits, so callers keep
// the level and derive this, never the other way round.
double OpacityForLevel(int level);

// ---- Search-button views ---------------------------------------------------

enum EButtonView {
    kViewNot = 0,
    kViewZoom = 1,
    kViewArrow1 = 2,
    kViewArrow2 = 3,
    kViewArrow3 = 4,
    kViewGo = 5,
};

inline constexpr int kButtonViewCount = kButtonViewOption.valueCount;

// Only "Not" leaves the query edit its full width; every glyph needs the
// search box free.
bool UsesFullEditWidth(int view);

// Width of the query edit beside a search button: it ends 5 pixels left of
// where the search box begins.
int NarrowEditWidth(int fullEditWidth, int optionsBoxWidth);

// Width of the query edit for a view: the full field, or the narrow one.
int EditWidthForView(int view, int fullEditWidth, int optionsBoxWidth);

// ---- Fonts -------------------------------------------------------------

// Where the bar's face (kBarFaceName) is not installed, picks a sans face of similar build instead
// of whatever the font matcher would fall back to. Call once after the
// application object exists.
void InstallFontSubstitutes();

// The face to ask for in place of `family`: itself when installed, else its
// first installed substitute. Qt tries a missing face through fontconfig's
// whole fallback list before the substitutes, which costs the first frame a
// tenth of its work.
QString InstalledFace(const QString& family);

// ---- Icon ---------------------------------------------------------------

// The application icon at the sizes built into the program; every window,
// dialogs included, shows it.
QIcon AppIcon();

// Its one 32 x 32 image: what the bar's window carries from the start.
QIcon AppIconImage32();

// The engine name's font: the bar's face, 13-pixel characters, heaviest weight.
QFont MakeEngineFont();

// The "Go" glyph's font: the bar's face, 11-pixel characters, normal weight.
QFont MakeGoFont();

// The query field's font from the stored face, height and slant, always in
// the face's regular weight. A height as the settings hold it: negative is
// the character height in pixels, positive the cell height, 0 the face's
// default size.
QFont MakeQueryFont(const std::string& face, int height, bool italic);

// ---- Pixel shapes ----------------------------------------------------------

// A shape as horizontal runs of pixels, each one row high.
using PixelRuns = std::vector<QRect>;

// Every pixel of a rounded rectangle covering `box`, whose corners are
// quarter ellipses `dx` wide and `dy` high (clamped to the box). A pixel
// belongs to the shape when its centre lies inside or on the curve, so the
// shape is mirror-symmetric. dx = dy = 0 gives the box; dx = width and
// dy = height give an ellipse.
PixelRuns RoundRectFill(const QRect& box, int dx, int dy);

// The 1-pixel outline of the same shape: its pixels that touch the outside
// on a side (a thin, 8-connected line).
PixelRuns RoundRectOutline(const QRect& box, int dx, int dy);

// A polyline through pixel positions drawn with a round pen `penWidth`
// pixels wide: every pixel whose centre is within penWidth / 2 of a segment.
PixelRuns PolylinePixels(const std::vector<QPoint>& points, int penWidth);

// A convex polygon through pixel positions, filled: every pixel whose centre
// is inside or on its edges.
PixelRuns ConvexPolygonFill(const std::vector<QPoint>& points);

// The runs as one region.
QRegion RunsToRegion(const PixelRuns& runs);

// ---- Window shape ------------------------------------------------------

// The shape of a W x H bar whose bottom corners are cut with diameter d: the
// round rectangle from (0, -20) to (W, H) clipped to the window. The top lies
// above the window, so only the bottom corners are cut. The cut follows the
// outer edge of the bar's outline, which runs one pixel inside the right and
// bottom edges, so once corners are rounded the last column and row fall
// outside too. d = 0 keeps the whole window.
QRegion RoundedWindowShape(const QSize& size, int diameter);

// The window shape at a rounding level.
QRegion BarWindowShape(const QSize& size, int level);

// The box the bar outline is drawn around: from (0, -20) to (W - 1, H - 1).
QRect BarOutlineBox(const QSize& size);
