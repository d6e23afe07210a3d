// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The bar's options and commands, written down once: each option's command
// ids, valid range and default, and both menus' rows with their labels in
// menu order. The options menu is built from these rows, the command routing
// decodes ids through DecodeCommand, the settings loader checks stored values
// against the ranges, and the screenshots tool names its pictures by the
// labels.

#include <span>
#include <string_view>

// What a command does, whichever menu or start-up step sent it.
enum class ECommand {
    Unknown,
    ChooseEngine,  // value: position among the selected engines
    EditCatalog,   // the engine menu's "Edit..."
    HelpTopics,
    CheckUpdate,
    HomePage,
    ContactForm,
    About,
    ColorScheme,  // value: scheme index
    RandomScheme,
    Transparency,  // value: level
    Rounding,      // value: level
    ButtonView,    // value: view
    AutoHide,      // switches auto hide
    Catalog,
    Font,
    Hotkey,
    Close,
    RememberSearches,  // switches the search history on and off
    ClearHistory,
};

// An option with a value: `valueCount` commands from `firstCommand` on choose
// the values 0 .. valueCount - 1. Auto hide is a switch: its one command
// flips it, and its values are 0 and 1.
struct SOption {
    ECommand command;
    int firstCommand;
    int valueCount;
    int defaultValue;
    bool isSwitch = false;
};

inline constexpr SOption kEngineOption{ECommand::ChooseEngine, 300, 51, 0};
inline constexpr SOption kColorSchemeOption{ECommand::ColorScheme, 370, 9, 1};
inline constexpr SOption kTransparencyOption{ECommand::Transparency, 390, 10, 0};
inline constexpr SOption kRoundingOption{ECommand::Rounding, 400, 5, 4};
inline constexpr SOption kButtonViewOption{ECommand::ButtonView, 420, 6, 1};
inline constexpr SOption kAutoHideOption{ECommand::AutoHide, 450, 2, 1, true};

inline constexpr const SOption* kOptions[] = {&kEngineOption,   &kColorSchemeOption, &kTransparencyOption,
                                              &kRoundingOption, &kButtonViewOption,  &kAutoHideOption};

// The command that chooses `value`; for a switch, its one command.
constexpr int CommandFor(const SOption& option, int value)
{
    return option.isSwitch ? option.firstCommand : option.firstCommand + value;
}

constexpr int LastCommand(const SOption& option)
{
    return option.isSwitch ? option.firstCommand : option.firstCommand + option.valueCount - 1;
}

constexpr bool IsValidValue(const SOption& option, int value)
{
    return value >= 0 && value < option.valueCount;
}

// A value from a file or a menu that is out of range gives the default.
constexpr int ValidOrDefault(const SOption& option, int value)
{
    return IsValidValue(option, value) ? value : option.defaultValue;
}

// Commands without a value.
struct SPlainCommand {
    ECommand command;
    int id;
};

inline constexpr SPlainCommand kPlainCommands[] = {
    {ECommand::EditCatalog, 351},  {ECommand::HelpTopics, 360},  {ECommand::CheckUpdate, 361},
    {ECommand::HomePage, 362},     {ECommand::ContactForm, 363}, {ECommand::About, 364},
    {ECommand::RandomScheme, 380}, {ECommand::Catalog, 451},     {ECommand::Font, 452},
    {ECommand::Close, 453},        {ECommand::Hotkey, 454},      {ECommand::RememberSearches, 455},
    {ECommand::ClearHistory, 456},
};

constexpr int CommandId(ECommand command)
{
    for (const SPlainCommand& plain : kPlainCommands) {
        if (plain.command == command) return plain.id;
    }
    for (const SOption* option : kOptions) {
        if (option->command == command) return option->firstCommand;
    }
    return -1;
}

// The names the rest of the program uses.
inline constexpr int kFirstEngineCommand = kEngineOption.firstCommand;  // 300 + k
inline constexpr int kLastEngineCommand = LastCommand(kEngineOption);
inline constexpr int kMaxEngineEntries = kEngineOption.valueCount;
inline constexpr int kEditCatalogCommand = CommandId(ECommand::EditCatalog);
inline constexpr int kHelpTopicsCommand = CommandId(ECommand::HelpTopics);
inline constexpr int kCheckUpdateCommand = CommandId(ECommand::CheckUpdate);
inline constexpr int kHomePageCommand = CommandId(ECommand::HomePage);
inline constexpr int kContactFormCommand = CommandId(ECommand::ContactForm);
inline constexpr int kAboutCommand = CommandId(ECommand::About);
inline constexpr int kFirstSchemeCommand = kColorSchemeOption.firstCommand;  // 370 + index
inline constexpr int kLastSchemeCommand = LastCommand(kColorSchemeOption);
inline constexpr int kRandomCommand = CommandId(ECommand::RandomScheme);
inline constexpr int kFirstTransparencyCommand = kTransparencyOption.firstCommand;  // 390 + level
inline constexpr int kLastTransparencyCommand = LastCommand(kTransparencyOption);
inline constexpr int kFirstRoundingCommand = kRoundingOption.firstCommand;  // 400 + level
inline constexpr int kLastRoundingCommand = LastCommand(kRoundingOption);
inline constexpr int kFirstButtonViewCommand = kButtonViewOption.firstCommand;  // 420 + view
inline constexpr int kLastButtonViewCommand = LastCommand(kButtonViewOption);
inline constexpr int kAutoHideCommand = kAutoHideOption.firstCommand;
inline constexpr int kCatalogCommand = CommandId(ECommand::Catalog);
inline constexpr int kFontCommand = CommandId(ECommand::Font);
inline constexpr int kCloseCommand = CommandId(ECommand::Close);
inline constexpr int kHotkeyCommand = CommandId(ECommand::Hotkey);
inline constexpr int kRememberSearchesCommand = CommandId(ECommand::RememberSearches);
inline constexpr int kClearHistoryCommand = CommandId(ECommand::ClearHistory);

// A decoded command id; `option` is set for commands of an option.
struct SCommand {
    ECommand command = ECommand::Unknown;
    int value = 0;
    const SOption* option = nullptr;
};

// What a command id means; ECommand::Unknown for ids nothing sends (379 among them).
SCommand DecodeCommand(int id);

// ---- Menu rows -----------------------------------------------------------

enum class EMenuRow {
    Entry,   // a plain entry
    Choice,  // one value of an option, with a radio mark
    Switch,  // an option switched on and off, with a check mark
    Separator,
    Submenu,  // opens a submenu: the rows up to its EndSubmenu
    EndSubmenu,
};

inline constexpr const char* kLabelContext = "OptionLabels";

struct SMenuRow {
    EMenuRow kind;
    std::string_view label = {};
    int command = -1;
};

// The options menu, top to bottom, submenus inline. Labels are the menus'
// own texts ("Help Topics  F1" has two spaces), in English; the menus
// translate them under kLabelContext.
std::span<const SMenuRow> OptionsMenuRows();

// What follows the engine entries in the engine menu.
std::span<const SMenuRow> EngineMenuTrailerRows();

// The label of the entry that sends `command`, empty when there is none.
std::string_view CommandLabel(int command);
