// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/PrivateWindow.h"

#include "desktop/ExecLine.h"

#include <array>
#include <string_view>

namespace {

using Args = std::vector<std::string>;

constexpr std::string_view kFirefoxFlag = "--private-window";
constexpr std::string_view kChromiumFlag = "--incognito";
constexpr std::string_view kEdgeFlag = "--inprivate";
constexpr std::string_view kEpiphanyFlag = "--incognito-mode";

struct SKnownProgram {
    std::string_view name;  // the program's file name, or a flatpak id
    std::string_view flag;
};

// Firefox's rebuilds keep its command line; so do Chromium's.
constexpr std::array kKnownPrograms{
    SKnownProgram{"firefox", kFirefoxFlag},
    SKnownProgram{"firefox-esr", kFirefoxFlag},
    SKnownProgram{"firefox-bin", kFirefoxFlag},
    SKnownProgram{"librewolf", kFirefoxFlag},
    SKnownProgram{"waterfox", kFirefoxFlag},
    SKnownProgram{"iceweasel", kFirefoxFlag},
    SKnownProgram{"icecat", kFirefoxFlag},
    SKnownProgram{"floorp", kFirefoxFlag},
    SKnownProgram{"abrowser", kFirefoxFlag},
    SKnownProgram{"org.mozilla.firefox", kFirefoxFlag},
    SKnownProgram{"io.gitlab.librewolf-community", kFirefoxFlag},
    SKnownProgram{"net.waterfox.waterfox", kFirefoxFlag},
    SKnownProgram{"one.ablaze.floorp", kFirefoxFlag},
    SKnownProgram{"chromium", kChromiumFlag},
    SKnownProgram{"chromium-browser", kChromiumFlag},
    SKnownProgram{"ungoogled-chromium", kChromiumFlag},
    SKnownProgram{"chrome", kChromiumFlag},
    SKnownProgram{"google-chrome", kChromiumFlag},
    SKnownProgram{"google-chrome-stable", kChromiumFlag},
    SKnownProgram{"google-chrome-beta", kChromiumFlag},
    SKnownProgram{"google-chrome-unstable", kChromiumFlag},
    SKnownProgram{"brave", kChromiumFlag},
    SKnownProgram{"brave-browser", kChromiumFlag},
    SKnownProgram{"brave-browser-stable", kChromiumFlag},
    SKnownProgram{"brave-browser-beta", kChromiumFlag},
    SKnownProgram{"brave-browser-nightly", kChromiumFlag},
    SKnownProgram{"vivaldi", kChromiumFlag},
    SKnownProgram{"vivaldi-stable", kChromiumFlag},
    SKnownProgram{"vivaldi-snapshot", kChromiumFlag},
    SKnownProgram{"org.chromium.Chromium", kChromiumFlag},
    SKnownProgram{"com.github.Eloston.UngoogledChromium", kChromiumFlag},
    SKnownProgram{"com.google.Chrome", kChromiumFlag},
    SKnownProgram{"com.brave.Browser", kChromiumFlag},
    SKnownProgram{"com.vivaldi.Vivaldi", kChromiumFlag},
    SKnownProgram{"microsoft-edge", kEdgeFlag},
    SKnownProgram{"microsoft-edge-stable", kEdgeFlag},
    SKnownProgram{"microsoft-edge-beta", kEdgeFlag},
    SKnownProgram{"microsoft-edge-dev", kEdgeFlag},
    SKnownProgram{"com.microsoft.Edge", kEdgeFlag},
    SKnownProgram{"epiphany", kEpiphanyFlag},
    SKnownProgram{"epiphany-browser", kEpiphanyFlag},
    SKnownProgram{"org.gnome.Epiphany", kEpiphanyFlag},
};

// The actions browsers' own entries give a private window.
constexpr std::array kPrivateActions{std::string_view{"new-private-window"}, std::string_view{"new-incognito-window"}};

std::string_view BaseName(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view FlagOf(std::string_view program)
{
    for (const SKnownProgram& known : kKnownPrograms)
        if (known.name == program) return known.flag;
    // Firefox's channels and builds: firefox-nightly, firefox-developer-edition...
    if (program.starts_with("firefox-")) return kFirefoxFlag;
    return {};
}

// env's options that take the next argument as their value.
bool EnvOptionTakesValue(std::string_view arg)
{
    return arg == "-u" || arg == "--unset" || arg == "-C" || arg == "--chdir" || arg == "-S" || arg == "--split-string";
}

std::string NameOf(const SDesktopEntry& entry)
{
    if (!entry.name.empty()) return entry.name;
    return std::string(BaseName(entry.location));
}

}  // namespace

SBrowserProgram IdentifyBrowser(const std::vector<std::string>& argv)
{
    std::size_t i = 0;
    if (i < argv.size() && BaseName(argv[i]) == "env") {
        ++i;
        while (i < argv.size() && (argv[i].starts_with('-') || argv[i].find('=') != std::string::npos)) {
            // env -S would split its value into a command line of its own.
            if (argv[i] == "-S" || argv[i] == "--split-string") return {};
            if (EnvOptionTakesValue(argv[i])) ++i;
            ++i;
        }
    }
    if (i + 1 < argv.size() && BaseName(argv[i]) == "flatpak" && argv[i + 1] == "run") {
        // flatpak run [options] <app id> [arguments for the app's command]:
        // the flag goes after the id, and either the command (exported
        // entries name it with --command=) or the id says which browser.
        std::string_view command;
        for (i += 2; i < argv.size() && argv[i].starts_with('-'); ++i) {
            if (argv[i].starts_with("--command=")) command = std::string_view(argv[i]).substr(10);
        }
        if (i >= argv.size()) return {};
        std::string_view flag = FlagOf(BaseName(argv[i]));
        if (!command.empty()) flag = FlagOf(BaseName(command));
        return {std::string(flag), i};
    }
    if (i >= argv.size()) return {};
    return {std::string(FlagOf(BaseName(argv[i]))), i};
}

SPrivateLaunch PrivateWindowCommand(const SDesktopEntry& entry, const std::string& address)
{
    SPrivateLaunch launch;
    launch.browserName = NameOf(entry);
    const SExecFields fields{address, entry.icon, entry.name, entry.location};

    for (std::string_view action : kPrivateActions) {
        const auto found = entry.actionExec.find(std::string(action));
        if (found == entry.actionExec.end()) continue;
        std::optional<std::vector<std::string>> argv = ExpandExec(found->second, fields);
        if (!argv) {
            launch.outcome = EPrivateWindow::BadEntry;
            return launch;
        }
        launch.argv = std::move(*argv);
        launch.outcome = EPrivateWindow::Ready;
        return launch;
    }

    std::optional<std::vector<std::string>> argv = ExpandExec(entry.exec, fields);
    if (!argv) {
        launch.outcome = EPrivateWindow::BadEntry;
        return launch;
    }
    // Which browser runs is read from the line without the address, so an
    // address can never pass for the program.
    SExecFields withoutAddress = fields;
    withoutAddress.address.clear();
    const SBrowserProgram browser = IdentifyBrowser(ExpandExec(entry.exec, withoutAddress).value_or(Args{}));
    if (browser.flag.empty()) {
        launch.outcome = EPrivateWindow::NoPrivateMode;
        return launch;
    }
    // The flag right after the browser, before whatever the entry passes it.
    argv->insert(argv->begin() + static_cast<std::ptrdiff_t>(browser.index) + 1, browser.flag);
    launch.argv = std::move(*argv);
    launch.outcome = EPrivateWindow::Ready;
    return launch;
}

SPrivateLaunch PrivateWindowLaunch(const SXdgDirs& dirs, const std::string& address)
{
    const std::optional<std::string> path = FindDefaultBrowser(dirs);
    SDesktopEntry entry;
    if (!path || !ReadDesktopEntry(*path, entry, MessagesLocale())) return {};
    return PrivateWindowCommand(entry, address);
}
