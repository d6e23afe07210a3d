// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>

class QLineEdit;

// Where a search will go, shown before Enter: while the field's first word
// picks an engine, that engine's name stands dimmed at the field's right
// end. It never covers the text: once the text needs the room, it goes.
//
// It paints into the field after the field's own paint, so it is part of the
// field for the pointer, the focus and a screen reader alike.
class CEngineHint : public QObject {
    Q_OBJECT

public:
    // The name of the engine the field's text picks, empty for none.
    using NameSource = std::function<QString(const QString& text)>;
    // The hint's colour, asked at every paint: the scheme may change.
    using ColorSource = std::function<QColor()>;

    CEngineHint(QLineEdit* field, NameSource nameFor, ColorSource color);

    // Looks at the text again: the engines behind the names have changed.
    void Refresh();

    // The engine the text picks (empty: none) and whether it is on show.
    const QString& Name() const { return m_name; }
    bool IsShown() const { return m_shown; }
    // Where it is drawn, in the field's coordinates; empty when not shown.
    QRect HintRect() const { return m_shown ? m_rect : QRect(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();
    void Paint();

    QLineEdit* m_field;
    NameSource m_nameFor;
    ColorSource m_color;
    QString m_name;
    QRect m_rect;
    bool m_shown = false;
};

// The hint's colour: a scheme's text colour faded halfway into the field.
QColor DimmedOnField(const QColor& text);
