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

// The colour entries list the light schemes first, then the dark ones, so
// their order differs from the index order of the commands.
constexpr SMenuRow kOptionsMenu[] = {
    {EMenuRow::Switch, "Auto Hide", kAutoHideCommand},
    Separator,
    Submenu("Rounding"),
    Choice("Not", kRoundingOption, 0),
    Separator,
    Choice("5", kRoundingOption, 1),
    Choice("10", kRoundingOption, 2),
    Choice("15", kRoundingOption, 3),
    Choice("20", kRoundingOption, 4),
    EndSubmenu,
    Submenu("Color"),
    Entry("Random", kRandomCommand),
    Separator,
    Choice("Blue Light", kColorSchemeOption, 0),
    Choice("Green Light", kColorSchemeOption, 2),
    Choice("Sulphur Light", kColorSchemeOption, 4),
    Choice("Yellow Light", kColorSchemeOption, 6),
    Choice("Gray Light", kColorSchemeOption, 7),
    Separator,
    Choice("Blue Dark", kColorSchemeOption, 1),
    Choice("Green Dark", kColorSchemeOption, 3),
    Choice("Sulphur Dark", kColorSchemeOption, 5),
    Choice("Gray Dark", kColorSchemeOption, 8),
    EndSubmenu,
    Submenu("Transparent"),
    Choice("Not", kTransparencyOption, 0),
    Separator,
    Choice("10%", kTransparencyOption, 1),
    Choice("20%", kTransparencyOption, 2),
    Choice("30%", kTransparencyOption, 3),
    Choice("40%", kTransparencyOption, 4),
    Choice("50%", kTransparencyOption, 5),
    Choice("60%", kTransparencyOption, 6),
    Choice("70%", kTransparencyOption, 7),
    Choice("80%", kTransparencyOption, 8),
    Choice("90%", kTransparencyOption, 9),
    EndSubmenu,
    Submenu("Button View"),
    Choice("Not", kButtonViewOption, 0),
    Separator,
    Choice("Zoom", kButtonViewOption, 1),
    Choice("Arrow 1", kButtonViewOption, 2),
    Choice("Arrow 2", kButtonViewOption, 3),
    Choice("Arrow 3", kButtonViewOption, 4),
    Choice("Go", kButtonViewOption, 5),
    EndSubmenu,
    Entry("Font...", kFontCommand),
    Entry("Hotkey...", kHotkeyCommand),
    {EMenuRow::Switch, "Remember Searches", kRememberSearchesCommand},
    Entry("Clear History", kClearHistoryCommand),
    Entry("Catalog...", kCatalogCommand),
    Separator,
    Submenu("Help"),
    Entry("Help Topics  F1", kHelpTopicsCommand),
    Entry("Check Update", kCheckUpdateCommand),
    Entry("Home Page", kHomePageCommand),
    Entry("Contact Form", kContactFormCommand),
    Separator,
    Entry("About...", kAboutCommand),
    EndSubmenu,
    Separator,
    Entry("Close", kCloseCommand),
};

constexpr SMenuRow kEngineMenuTrailer[] = {
    Separator,
    Entry("Edit...", kEditCatalogCommand),
};

}  // namespace

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
    return kOptionsMenu;
}

std::span<const SMenuRow> EngineMenuTrailerRows()
{
    return kEngineMenuTrailer;
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
