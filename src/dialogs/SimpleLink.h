// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

// The data of a link-looking static text and its hand cursor. Only
// CSimpleLink is ever created.
class CBasicLink : public QLabel {
    Q_OBJECT

public:
    explicit CBasicLink(QWidget* parent = nullptr);

protected:
    bool m_hover = false;
    int m_textFormat = 0;  // Qt::AlignmentFlag / Qt::TextFlag bits added to the fixed ones at paint
    int m_cornerSize = 0;  // width and height of the corner ellipse; 0 gives square corners
    QColor m_normalText;
    QColor m_normalFill;
    QColor m_normalFrame;
    QColor m_hoverText;
    QColor m_hoverFill;
    QColor m_hoverFrame;
    QString m_caption;  // what is painted, fixed at attach
    QString m_address;  // what a click opens; empty opens nothing
    QRect m_hitRect;    // painted area and hover test area, fixed at attach
    QFont m_normalFont;
    QFont m_hoverFont;
};

// A static text that looks and acts like a web link. Place it on its
// template rectangle with its template text, then Attach(); the owner may set
// the address afterwards. Every left click, and Enter or Space while it has
// the keyboard (Tab reaches it), is reported through clicked(), whether or
// not there is an address to open.
class CSimpleLink : public CBasicLink {
    Q_OBJECT

public:
    explicit CSimpleLink(QWidget* parent = nullptr);

    // Takes over the label as it stands: its text becomes the caption and its
    // current rectangle the hit rectangle; the address is cleared and the
    // default look applied.
    void Attach();

    void SetLinkAddress(const QString& address) { m_address = address; }
    const QString& LinkAddress() const { return m_address; }
    const QString& Caption() const { return m_caption; }
    bool IsHover() const { return m_hover; }
    // The running hover poll's timer id, 0 when not hovering.
    int HoverTimerId() const { return m_hoverTimer; }

    // What a click does: opens the address, if any, and emits clicked().
    void Activate();

    // The font both states get at attach: 11-pixel "Tahoma", underlined.
    static QFont DefaultLinkFont();

    // How often the hover state checks whether the pointer has left.
    static constexpr int kHoverPollMs = 100;

signals:
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ApplyDefaults();

    int m_hoverTimer = 0;
};
