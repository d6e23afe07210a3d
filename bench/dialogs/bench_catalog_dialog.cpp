// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens the catalogue dialog on 100,000 engines, sorts it by each column,
// both directions, types into its filter and deletes half of its rows,
// printing the time of each step against its target.
#include "dialogs/CatalogDlg.h"
#include "dialogs/CatalogModel.h"
#include "dialogs/CatalogSort.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLineEdit>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

constexpr int kEngines = 100000;
constexpr double kOpenTargetMs = 500.0;
constexpr double kSortTargetMs = 300.0;
constexpr double kFilterKeyTargetMs = 200.0;
constexpr double kDeleteTargetMs = 200.0;

std::string RandomWord(std::mt19937& random, std::size_t minLength, std::size_t maxLength)
{
    static const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ";
    std::uniform_int_distribution<std::size_t> length(minLength, maxLength), letter(0, letters.size() - 1);
    std::string word(length(random), ' ');
    for (char& c : word) c = letters[letter(random)];
    return word;
}

CEngineList MakeEngines()
{
    static const char* const groups[] = {"Search", "Shopping", "News", "Image", "Video", "Other"};
    std::mt19937 random(7);
    CEngineList engines;
    engines.SetCount(kEngines);
    int i = 0;
    for (SSearch& s : engines) {
        s.name = RandomWord(random, 4, 24);
        s.abbreviation = RandomWord(random, 1, 5);
        s.group = groups[i % 6];
        s.url = "https://example.org/search?q=[keyword]";
        s.selected = i % 7 == 0;
        s.extra = i++;
    }
    return engines;
}

double ElapsedMs(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// A key as the keyboard delivers it to the focused field.
void Type(QWidget* field, Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
    QApplication::processEvents();
}

bool Report(const char* what, double ms, double target)
{
    const bool ok = ms < target;
    std::printf("%-34s %9.1f ms  (target < %.0f ms) %s\n", what, ms, target, ok ? "ok" : "SLOW");
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const CEngineList engines = MakeEngines();
    bool ok = true;

    QElapsedTimer timer;
    timer.start();
    CCatalogDlg dlg(engines);
    dlg.show();
    QApplication::processEvents();
    ok &= Report("open (construct, show, paint)", static_cast<double>(timer.nsecsElapsed()) / 1e6, kOpenTargetMs);

    const char* const names[] = {"Name", "Abbr", "Group"};
    for (int column = 0; column < 3; ++column) {
        for (const char* direction : {"ascending", "descending"}) {
            timer.restart();
            dlg.Sort(column);
            QApplication::processEvents();
            const std::string what = std::string("sort by ") + names[column] + ", " + direction;
            ok &= Report(what.c_str(), static_cast<double>(timer.nsecsElapsed()) / 1e6, kSortTargetMs);
        }
    }

    // Filtering: the first letter looks at every engine (no address holds a
    // "z", so only some names and abbreviations pass), Backspace brings
    // every row back.
    QLineEdit* filter = dlg.FilterField();
    filter->setFocus();
    timer.restart();
    Type(filter, Qt::Key_Z, QStringLiteral("z"));
    ok &= Report("filter, one keystroke", ElapsedMs(timer), kFilterKeyTargetMs);
    const int shown = dlg.Model()->rowCount();
    timer.restart();
    Type(filter, Qt::Key_Backspace, QString());
    ok &= Report("filter, Backspace to all rows", ElapsedMs(timer), kFilterKeyTargetMs);

    // Every other row selected: 50,000 separate ranges, the worst case.
    QItemSelection every2nd;
    for (int row = 0; row < kEngines; row += 2) {
        every2nd.select(dlg.Model()->index(row, 0), dlg.Model()->index(row, kColumnCount - 1));
    }
    dlg.ListView()->selectionModel()->select(every2nd, QItemSelectionModel::ClearAndSelect);
    QApplication::processEvents();
    timer.restart();
    dlg.OnDelete();
    QApplication::processEvents();
    ok &= Report("delete 50,000 selected rows", ElapsedMs(timer), kDeleteTargetMs);

    std::printf("%d engines, %d shown after the keystroke, %d left after the delete\n", engines.Count(), shown,
                dlg.WorkingList().Count());
    return ok ? 0 : 1;
}
