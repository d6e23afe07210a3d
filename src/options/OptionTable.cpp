// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/OptionTable.h"

namespace {

constexpr SMenuRow Entry(std::string_view label, int command)
{
    return {EMenuRow::Entry, label, command};
}

constexpr SMenuRow Choice(std::string_view label, const SOption& option, int value)
{
    return {EMenuRow::Choice, label, CommandFor(option, value)};
}

constexpr SMenuRow Separator{EMenuRow::Separator};
constexpr SMenuRow EndSubmenu{EMenuRow::EndSubmenu};

constexpr SMenuRow Submenu(std::string_view title)
{
    return {EMenuRow::Submenu, title};
}

}  // namespace

// The labels are English here; the menus show them through Qt's translation
// under kLabelContext. lupdate finds each one by its marker and takes the
// context from this namespace's name.
#define LUMORA_LABEL(text) text
namespace OptionLabels {

// The colour entries list the light schemes first, then the dark ones, so
// their order differs from the index order of the commands.
constexpr SMenuRow kOptionsMenu[] = {
    {EMenuRow::Switch, LUMORA_LABEL("Auto Hide"), kAutoHideCommand},
    Separator,
    Submenu(LUMORA_LABEL("Rounding")),
    Choice(LUMORA_LABEL("Not"), kRoundingOption, 0),
    Separator,
    Choice("5", kRoundingOption, 1),
    Choice("10", kRoundingOption, 2),
    Choice("15", kRoundingOption, 3),
    Choice("20", kRoundingOption, 4),
    EndSubmenu,
    Submenu(LUMORA_LABEL("Color")),
    Entry(LUMORA_LABEL("Random"), kRandomCommand),
    Separator,
    Choice(LUMORA_LABEL("Blue Light"), kColorSchemeOption, 0),
    Choice(LUMORA_LABEL("Green Light"), kColorSchemeOption, 2),
    Choice(LUMORA_LABEL("Sulphur Light"), kColorSchemeOption, 4),
    Choice(LUMORA_LABEL("Yellow Light"), kColorSchemeOption, 6),
    Choice(LUMORA_LABEL("Gray Light"), kColorSchemeOption, 7),
    Separator,
    Choice(LUMORA_LABEL("Blue Dark"), kColorSchemeOption, 1),
    Choice(LUMORA_LABEL("Green Dark"), kColorSchemeOption, 3),
    Choice(LUMORA_LABEL("Sulphur Dark"), kColorSchemeOption, 5),
    Choice(LUMORA_LABEL("Gray Dark"), kColorSchemeOption, 8),
    EndSubmenu,
    Submenu(LUMORA_LABEL("Transparent")),
    Choice(LUMORA_LABEL("Not"), kTransparencyOption, 0),
    Separator,
    Choice(LUMORA_LABEL("10%"), kTransparencyOption, 1),
    Choice(LUMORA_LABEL("20%"), kTransparencyOption, 2),
    Choice(LUMORA_LABEL("30%"), kTransparencyOption, 3),
    Choice(LUMORA_LABEL("40%"), kTransparencyOption, 4),
    Choice(LUMORA_LABEL("50%"), kTransparencyOption, 5),
    Choice(LUMORA_LABEL("60%"), kTransparencyOption, 6),
    Choice(LUMORA_LABEL("70%"), kTransparencyOption, 7),
    Choice(LUMORA_LABEL("80%"), kTransparencyOption, 8),
    Choice(LUMORA_LABEL("90%"), kTransparencyOption, 9),
    EndSubmenu,
    Submenu(LUMORA_LABEL("Button View")),
    Choice(LUMORA_LABEL("Not"), kButtonViewOption, 0),
    Separator,
    Choice(LUMORA_LABEL("Zoom"), kButtonViewOption, 1),
    Choice(LUMORA_LABEL("Arrow 1"), kButtonViewOption, 2),
    Choice(LUMORA_LABEL("Arrow 2"), kButtonViewOption, 3),
    Choice(LUMORA_LABEL("Arrow 3"), kButtonViewOption, 4),
    Choice(LUMORA_LABEL("Go"), kButtonViewOption, 5),
    EndSubmenu,
    Entry(LUMORA_LABEL("Font..."), kFontCommand),
    Entry(LUMORA_LABEL("Hotkey..."), kHotkeyCommand),
    {EMenuRow::Switch, LUMORA_LABEL("Remember Searches"), kRememberSearchesCommand},
    Entry(LUMORA_LABEL("Clear History"), kClearHistoryCommand),
    Entry(LUMORA_LABEL("Catalog..."), kCatalogCommand),
    Separator,
    Submenu(LUMORA_LABEL("Help")),
    Entry(LUMORA_LABEL("Help Topics  F1"), kHelpTopicsCommand),
    Entry(LUMORA_LABEL("Check Update"), kCheckUpdateCommand),
    Entry(LUMORA_LABEL("Home Page"), kHomePageCommand),
    Entry(LUMORA_LABEL("Contact Form"), kContactFormCommand),
    Separator,
    Entry(LUMORA_LABEL("About..."), kAboutCommand),
    EndSubmenu,
    Separator,
    Entry(LUMORA_LABEL("Close"), kCloseCommand),
};

constexpr SMenuRow kEngineMenuTrailer[] = {
    Separator,
    Entry(LUMORA_LABEL("Edit..."), kEditCatalogCommand),
};

}  // namespace OptionLabels

#undef LUMORA_LABEL

SCommand DecodeCommand(int id)
{
    for (const SOption* option : kOptions) {
        if (id >= option->firstCommand && id <= LastCommand(*option))
            return {option->command, id - option->firstCommand, option};
    }
    for (const SPlainCommand& plain : kPlainCommands) {
        if (plain.id == id) return {plain.command, 0, nullptr};
    }
    return {};
}

std::span<const SMenuRow> OptionsMenuRows()
{
    return OptionLabels::kOptionsMenu;
}

std::span<const SMenuRow> EngineMenuTrailerRows()
{
    return OptionLabels::kEngineMenuTrailer;
}

std::string_view CommandLabel(int command)
{
    for (std::span<const SMenuRow> rows : {OptionsMenuRows(), EngineMenuTrailerRows()}) {
        for (const SMenuRow& row : rows) {
            if (row.command == command && row.kind != EMenuRow::Submenu) return row.label;
        }
    }
    return {};
}
