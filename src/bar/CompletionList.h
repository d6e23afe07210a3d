// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>
#include <QWidget>

// The windows that open under the query field (this list, the bar's
// notice) share their frame and their place.
namespace UnderField {
inline constexpr int kBorder = 1;
inline constexpr int kTextMargin = 4;  // left and right of the text
inline constexpr int kRowPadding = 4;  // added to the font's height
// A tool tip window: on X11 an override-redirect window, which the window
// manager neither decorates, moves nor gives the focus to.
inline constexpr Qt::WindowFlags kWindowFlags = Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
// Sets what keeps such a window from ever taking the keyboard.
void PrepareWindow(QWidget* window);
// Just under `anchor`, moved left as far as needed to stay on its screen.
QRect PlaceUnder(const QRect& anchor, QSize size);
}  // namespace UnderField

// What the list looks like and where it hangs: the bar's colours and query
// font, and the query field's white area in global coordinates.
struct SCompletionLook {
    QColor back;  // the bar's background
    QColor line;  // outline, and the highlighted row's fill
    QColor text;
    QColor highlightText;
    QFont font;
    QRect anchor;  // the list opens under it, at least as wide
};

// The list of earlier searches under the query field. A window of its own
// that never takes the keyboard: the field keeps typing while the list is
// open, and whoever owns the field moves the highlight. The pointer
// highlights the row under it; a click on a row comes out as clicked().
class CCompletionList : public QWidget {
    Q_OBJECT

public:
    explicit CCompletionList(QWidget* owner);

    // New rows; no row is highlighted.
    void SetEntries(const QStringList& entries);
    int Count() const { return static_cast<int>(m_entries.size()); }
    QString Entry(int row) const { return m_entries.value(row); }

    // -1 for none; other values out of range also clear the highlight.
    void SetHighlighted(int row);
    int Highlighted() const { return m_highlighted; }

    // Sizes the list for its rows and the look, and places it under the
    // anchor, kept on the anchor's screen.
    void Place(const SCompletionLook& look);

    // Row `row`'s rectangle in the list's own coordinates.
    QRect RowRect(int row) const;

signals:
    void clicked(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int RowAt(const QPoint& point) const;
    int RowHeight() const;

    QStringList m_entries;
    int m_highlighted = -1;
    int m_pressed = -1;  // the row a button went down on
    SCompletionLook m_look;
};
