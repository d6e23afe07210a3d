// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the field codes of an Exec line stand for.
struct SExecFields {
    std::string address;   // %u %U %f %F: one argument, never split
    std::string icon;      // %i: "--icon <icon>" when set
    std::string name;      // %c
    std::string location;  // %k
};

// An Exec line (escapes of the value already undone) as an argument vector:
// arguments split at unquoted blanks, double quotes grouping, a backslash
// inside quotes taking the next character literally, "%%" a percent sign.
// The address replaces the first of %u %U %f %F and goes last when there is
// none. The deprecated codes (%d %D %n %N %v %m) are dropped.
//
// nullopt for a line that must not run: an unclosed quote, a field code
// inside quotes (a shell there would read the address as commands), an
// unknown field code, a list code inside a longer argument, a field code in
// the program's place, or no program.
std::optional<std::vector<std::string>> ExpandExec(std::string_view exec, const SExecFields& fields);
