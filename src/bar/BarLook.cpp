// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BarLook.h"

#include "store/Settings.h"

#include <QFont>
#include <QFontDatabase>
#include <QImageReader>
#include <QPixmap>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

// ---- Colour schemes ----------------------------------------------------

const std::vector<SColorScheme>& ColorSchemes()
{
    static const std::vector<SColorScheme> schemes = [] {
        // In index order; the option table names them.
        struct Row {
            int back[3], box[3], line[3], text[3];
        };
        static constexpr Row rows[kSchemeCount] = {
            {{180, 215, 250}, {170, 205, 240}, {100, 150, 180}, {0, 0, 80}},
            {{140, 180, 220}, {160, 200, 240}, {80, 120, 150}, {40, 60, 80}},
            {{210, 250, 210}, {200, 240, 200}, {130, 170, 130}, {30, 80, 50}},
            {{150, 200, 150}, {170, 220, 170}, {80, 130, 100}, {30, 80, 50}},
            {{220, 240, 190}, {210, 230, 180}, {140, 160, 60}, {80, 100, 50}},
            {{200, 220, 150}, {210, 230, 160}, {120, 140, 50}, {30, 50, 0}},
            {{240, 240, 200}, {230, 230, 190}, {170, 170, 100}, {100, 100, 50}},
            {{220, 220, 220}, {210, 210, 210}, {140, 140, 140}, {80, 80, 80}},
            {{190, 190, 190}, {200, 200, 200}, {100, 100, 100}, {50, 50, 50}},
        };
        auto colour = [](const int(&c)[3]) { return QColor(c[0], c[1], c[2]); };
        std::vector<SColorScheme> out;
        for (int i = 0; i < kSchemeCount; ++i) {
            const Row& r = rows[i];
            out.push_back({i, colour(r.back), colour(r.box), colour(r.line), colour(r.text)});
        }
        return out;
    }();
    return schemes;
}

const SColorScheme* FindColorScheme(int index)
{
    if (index < 0 || index >= kSchemeCount) return nullptr;
    return &ColorSchemes()[static_cast<std::size_t>(index)];
}

// ---- Rounding ------------------------------------------------------------

int CornerDiameter(int element, int level)
{
    // Entry element + 4 * level.
    static constexpr std::array<int, 20> table = {
        0,  0,  0,  0,   // "Not"
        5,  5,  5,  5,   // "5"
        10, 8,  12, 14,  // "10"
        14, 10, 17, 20,  // "15"
        17, 10, 21, 26,  // "20"
    };
    if (element < 0 || element > 3 || level < 0 || level >= kRoundingLevels) return 0;
    return table[static_cast<std::size_t>(element + 4 * level)];
}

// ---- Transparency ----------------------------------------------------------

int AlphaForLevel(int level)
{
    static constexpr std::array<int, kTransparencyLevels> alpha = {255, 229, 204, 178, 153, 127, 102, 76, 51, 25};
    if (level < 0 || level >= kTransparencyLevels) return 255;
    return alpha[static_cast<std::size_t>(level)];
}

double OpacityForLevel(int level)
{
    return AlphaForLevel(level) / 255.0;
}

// ---- Search-button views ---------------------------------------------------

bool UsesFullEditWidth(int view)
{
    return view == kViewNot;
}

int NarrowEditWidth(int fullEditWidth, int optionsBoxWidth)
{
    return fullEditWidth - optionsBoxWidth + 5;
}

int EditWidthForView(int view, int fullEditWidth, int optionsBoxWidth)
{
    if (UsesFullEditWidth(view)) return fullEditWidth;
    return NarrowEditWidth(fullEditWidth, optionsBoxWidth);
}

// ---- Fonts -------------------------------------------------------------

void InstallFontSubstitutes()
{
    // DejaVu Sans first: it is one of the build's dependencies, so the bar
    // looks the same on every machine that lacks Tahoma.
    QFont::insertSubstitutions(QString::fromLatin1(kBarFaceName),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                                QStringLiteral("FreeSans")});
}

QString InstalledFace(const QString& family)
{
    const QStringList installed = QFontDatabase::families();
    // The database's own spelling: the substitutes come lower-cased.
    const auto find = [&installed](const QString& name) {
        for (const QString& face : installed) {
            if (face.compare(name, Qt::CaseInsensitive) == 0) return face;
        }
        return QString();
    };
    if (const QString face = find(family); !face.isEmpty()) return face;
    for (const QString& substitute : QFont::substitutes(family)) {
        if (const QString face = find(substitute); !face.isEmpty()) return face;
    }
    return family;
}

// ---- Icon ---------------------------------------------------------------

namespace {

// The reader is told the files are PNG: left to guess, it would load every
// image-format plugin to ask each one first.
QPixmap IconImage(int side)
{
    QImageReader reader(QStringLiteral(":/icons/lumora-%1.png").arg(side), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

QIcon AppIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(IconImage(side));
    return icon;
}

QIcon AppIconImage32()
{
    return QIcon(IconImage(32));
}

namespace {

QFont MakeBarFont(int pixelSize, QFont::Weight weight)
{
    // Looked up once: the Go glyph's font is made at every paint.
    static const QString face = InstalledFace(QString::fromLatin1(kBarFaceName));
    QFont font(face);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setItalic(false);
    return font;
}

}  // namespace

QFont MakeEngineFont()
{
    return MakeBarFont(13, QFont::Black);
}

QFont MakeGoFont()
{
    return MakeBarFont(11, QFont::Normal);
}

QFont MakeQueryFont(const std::string& face, int height, bool italic)
{
    QFont font(InstalledFace(QString::fromStdString(face)));
    if (height != 0) font.setPixelSize(std::clamp(std::abs(height), 1, 400));
    font.setItalic(italic);
    return font;
}

// ---- Pixel shapes ----------------------------------------------------------

namespace {

// How many pixels row k, counted from the nearer of the top and bottom edges,
// is cut in on each side by a corner ellipse dx wide and dy high. Pixel
// centres are compared with the ellipse in doubled coordinates, so the test
// is exact integer arithmetic.
int RowInset(int k, int dx, int dy)
{
    const std::int64_t y = 2 * std::int64_t(k) + 1 - dy;  // from the ellipse centre
    if (y >= 0) return 0;                                 // beside the straight edge
    const std::int64_t a = dx, b = dy;
    const std::int64_t limit = a * a * b * b - y * y * a * a;
    int i = 0;
    for (; 2 * i + 1 < dx; ++i) {
        const std::int64_t x = 2 * std::int64_t(i) + 1 - dx;
        if (x * x * b * b <= limit) break;
    }
    return i;
}

struct SCorner {
    int dx;
    int dy;
};

SCorner ClampCorner(const QRect& box, int dx, int dy)
{
    return {std::clamp(dx, 0, std::max(box.width(), 0)), std::clamp(dy, 0, std::max(box.height(), 0))};
}

int RowFromEdge(const QRect& box, int y)
{
    return std::min(y - box.top(), box.bottom() - y);
}

void AddRun(PixelRuns& runs, int x0, int x1, int y)
{
    if (x1 >= x0) runs.push_back(QRect(x0, y, x1 - x0 + 1, 1));
}

}  // namespace

PixelRuns RoundRectFill(const QRect& box, int dx, int dy)
{
    PixelRuns runs;
    if (box.width() <= 0 || box.height() <= 0) return runs;
    const SCorner c = ClampCorner(box, dx, dy);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const int inset = RowInset(RowFromEdge(box, y), c.dx, c.dy);
        AddRun(runs, box.left() + inset, box.right() - inset, y);
    }
    return runs;
}

PixelRuns RoundRectOutline(const QRect& box, int dx, int dy)
{
    PixelRuns runs;
    if (box.width() <= 0 || box.height() <= 0) return runs;
    const SCorner c = ClampCorner(box, dx, dy);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const int k = RowFromEdge(box, y);
        const int inset = RowInset(k, c.dx, c.dy);
        const int x0 = box.left() + inset;
        const int x1 = box.right() - inset;
        if (k == 0) {
            AddRun(runs, x0, x1, y);
            continue;
        }
        // Insets shrink towards the middle, so the row nearer the edge is the
        // one whose missing pixels leave this row's pixels uncovered.
        const int reach = std::max(inset, RowInset(k - 1, c.dx, c.dy) - 1);
        const int leftEnd = box.left() + reach;
        const int rightStart = box.right() - reach;
        if (leftEnd + 1 >= rightStart) {
            AddRun(runs, x0, x1, y);
        } else {
            AddRun(runs, x0, leftEnd, y);
            AddRun(runs, rightStart, x1, y);
        }
    }
    return runs;
}

namespace {

QRect BoundsOf(const std::vector<QPoint>& points, int margin)
{
    int x0 = points.front().x(), x1 = x0, y0 = points.front().y(), y1 = y0;
    for (const QPoint& p : points) {
        x0 = std::min(x0, p.x());
        x1 = std::max(x1, p.x());
        y0 = std::min(y0, p.y());
        y1 = std::max(y1, p.y());
    }
    return QRect(QPoint(x0 - margin, y0 - margin), QPoint(x1 + margin, y1 + margin));
}

// Whether pixel p lies within penWidth / 2 of the segment a-b (squared and
// scaled so that everything stays integral).
bool NearSegment(QPoint p, QPoint a, QPoint b, int penWidth)
{
    const std::int64_t pen2 = std::int64_t(penWidth) * penWidth;
    const std::int64_t sx = b.x() - a.x(), sy = b.y() - a.y();
    const std::int64_t vx = p.x() - a.x(), vy = p.y() - a.y();
    const std::int64_t len2 = sx * sx + sy * sy;
    const std::int64_t t = vx * sx + vy * sy;
    if (len2 == 0 || t <= 0) return 4 * (vx * vx + vy * vy) <= pen2;
    if (t >= len2) {
        const std::int64_t wx = p.x() - b.x(), wy = p.y() - b.y();
        return 4 * (wx * wx + wy * wy) <= pen2;
    }
    return 4 * ((vx * vx + vy * vy) * len2 - t * t) <= pen2 * len2;
}

template <typename Inside>
PixelRuns ScanRuns(const QRect& bounds, Inside inside)
{
    PixelRuns runs;
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        int start = 0;
        bool open = false;
        for (int x = bounds.left(); x <= bounds.right() + 1; ++x) {
            const bool in = x <= bounds.right() && inside(QPoint(x, y));
            if (in && !open) start = x, open = true;
            if (!in && open) AddRun(runs, start, x - 1, y), open = false;
        }
    }
    return runs;
}

}  // namespace

PixelRuns PolylinePixels(const std::vector<QPoint>& points, int penWidth)
{
    if (points.empty() || penWidth <= 0) return {};
    const QRect bounds = BoundsOf(points, (penWidth + 1) / 2);
    return ScanRuns(bounds, [&](QPoint p) {
        if (points.size() == 1) return NearSegment(p, points[0], points[0], penWidth);
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
            if (NearSegment(p, points[i], points[i + 1], penWidth)) return true;
        return false;
    });
}

PixelRuns ConvexPolygonFill(const std::vector<QPoint>& points)
{
    if (points.size() < 3) return PolylinePixels(points, 1);
    std::int64_t area2 = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPoint a = points[i], b = points[(i + 1) % points.size()];
        area2 += std::int64_t(a.x()) * b.y() - std::int64_t(b.x()) * a.y();
    }
    if (area2 == 0) {
        std::vector<QPoint> closed = points;
        closed.push_back(points.front());
        return PolylinePixels(closed, 1);
    }
    const int sign = area2 > 0 ? 1 : -1;
    return ScanRuns(BoundsOf(points, 0), [&](QPoint p) {
        for (std::size_t i = 0; i < points.size(); ++i) {
            const QPoint a = points[i], b = points[(i + 1) % points.size()];
            const std::int64_t cross =
                std::int64_t(b.x() - a.x()) * (p.y() - a.y()) - std::int64_t(b.y() - a.y()) * (p.x() - a.x());
            if (cross * sign < 0) return false;
        }
        return true;
    });
}

QRegion RunsToRegion(const PixelRuns& runs)
{
    // Stack runs of equal extent into taller rectangles first: a round
    // rectangle then needs a rectangle per corner row only.
    QRegion region;
    QRect pending;
    for (const QRect& run : runs) {
        if (!pending.isEmpty() && run.left() == pending.left() && run.width() == pending.width() &&
            run.top() == pending.bottom() + 1) {
            pending.setBottom(run.bottom());
            continue;
        }
        if (!pending.isEmpty()) region += pending;
        pending = run;
    }
    if (!pending.isEmpty()) region += pending;
    return region;
}

// ---- Window shape ------------------------------------------------------

QRect BarOutlineBox(const QSize& size)
{
    // From (0, -20) to (W - 1, H - 1), right and bottom edges excluded.
    return QRect(0, -20, size.width() - 1, size.height() + 19);
}

QRegion RoundedWindowShape(const QSize& size, int diameter)
{
    const QRect window(QPoint(0, 0), size);
    if (window.isEmpty()) return {};
    if (diameter <= 0) return QRegion(window);
    PixelRuns runs = RoundRectFill(BarOutlineBox(size), diameter, diameter);
    PixelRuns inside;
    for (const QRect& run : runs) {
        const QRect clipped = run & window;
        if (!clipped.isEmpty()) inside.push_back(clipped);
    }
    return RunsToRegion(inside);
}

QRegion BarWindowShape(const QSize& size, int level)
{
    return RoundedWindowShape(size, CornerDiameter(kBarOutlineElement, level));
}
