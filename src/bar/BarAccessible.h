// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>

class CEngineList;
class CLumoraDlg;
class QPushButton;
struct SSearch;

// What a screen reader finds in the bar. The engine-name box, the options box
// and the search button are painted, so each gets a push button of its own
// over its box that paints nothing and lets the pointer and the keyboard
// through to the bar; its press runs what a click on the box runs. The query
// field is named for the engine a search will go to.
class CBarAccessible : public QObject {
    Q_OBJECT

public:
    // What a press on each box does: the bar's own click routes.
    struct SPresses {
        std::function<void()> engineBox;
        std::function<void()> optionsBox;
        std::function<void()> search;
    };

    CBarAccessible(CLumoraDlg* bar, SPresses presses);

    // Brings the names and the search button's presence up to the bar's
    // state. Cheap when nothing changed; a screen reader hears only changes.
    void Refresh();

    // The field's name for a query typed so far ("Search with Google").
    static QString FieldName(const std::string& text, const SSearch& current, const CEngineList& engines);

private:
    QPushButton* AddBox(const QString& name, const std::function<void()>& press);

    CLumoraDlg* m_bar;
    QPushButton* m_engineBox = nullptr;
    QPushButton* m_optionsBox = nullptr;
    QPushButton* m_search = nullptr;
};
