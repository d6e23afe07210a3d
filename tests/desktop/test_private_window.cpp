// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/DesktopFixtures.h"
#include "desktop/PrivateWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Args = std::vector<std::string>;

namespace {

const std::string kAddress = "https://www.google.com/search?q=a+b;$(x)";

SDesktopEntry EntryRunning(const std::string& exec, const std::string& name = "Browser")
{
    SDesktopEntry entry;
    entry.name = name;
    entry.exec = exec;
    return entry;
}

Args PrivateArgs(const SDesktopEntry& entry)
{
    const SPrivateLaunch launch = PrivateWindowCommand(entry, kAddress);
    EXPECT_EQ(launch.outcome, EPrivateWindow::Ready) << entry.exec;
    return launch.argv;
}

}  // namespace

TEST(PrivateWindow, DebianEntriesGetTheirBrowsersFlag)
{
    EXPECT_EQ(PrivateArgs(FixtureEntry("debian12/firefox-esr.desktop")),
              (Args{"/usr/lib/firefox-esr/firefox-esr", "--private-window", kAddress}));
    EXPECT_EQ(PrivateArgs(FixtureEntry("debian12/chromium.desktop")),
              (Args{"/usr/bin/chromium", "--incognito", kAddress}));
}

TEST(PrivateWindow, AnEntrysOwnActionComesFirst)
{
    EXPECT_EQ(PrivateArgs(FixtureEntry("upstream/firefox.desktop")), (Args{"firefox", "-private-window", kAddress}));
    EXPECT_EQ(PrivateArgs(FixtureEntry("upstream/google-chrome.desktop")),
              (Args{"/usr/bin/google-chrome-stable", "--incognito", kAddress}));
    SDesktopEntry brave = EntryRunning("brave %U");
    brave.actionExec["new-incognito-window"] = "brave --new-window --incognito %U";
    EXPECT_EQ(PrivateArgs(brave), (Args{"brave", "--new-window", "--incognito", kAddress}));
    // An action the entry gives for something else does not count.
    SDesktopEntry other = EntryRunning("dillo %u");
    other.actionExec["new-window"] = "dillo --new";
    EXPECT_EQ(PrivateWindowCommand(other, kAddress).outcome, EPrivateWindow::NoPrivateMode);
}

TEST(PrivateWindow, KnownBrowsersByTheProgramTheyRun)
{
    struct SCase {
        const char* exec;
        Args args;
    };
    for (const SCase& c : {
             SCase{"librewolf %u", {"librewolf", "--private-window", kAddress}},
             SCase{"/opt/firefox-nightly/firefox-nightly %u",
                   {"/opt/firefox-nightly/firefox-nightly", "--private-window", kAddress}},
             SCase{"/usr/bin/google-chrome-stable %U", {"/usr/bin/google-chrome-stable", "--incognito", kAddress}},
             SCase{"/usr/bin/brave-browser-stable %U", {"/usr/bin/brave-browser-stable", "--incognito", kAddress}},
             SCase{"/usr/bin/vivaldi-stable %U", {"/usr/bin/vivaldi-stable", "--incognito", kAddress}},
             SCase{"/usr/bin/microsoft-edge-stable %U", {"/usr/bin/microsoft-edge-stable", "--inprivate", kAddress}},
             SCase{"epiphany %U", {"epiphany", "--incognito-mode", kAddress}},
             SCase{"env MOZ_ENABLE_WAYLAND=1 -u GTK_THEME firefox %u",
                   {"env", "MOZ_ENABLE_WAYLAND=1", "-u", "GTK_THEME", "firefox", "--private-window", kAddress}},
         }) {
        EXPECT_EQ(PrivateArgs(EntryRunning(c.exec)), c.args) << c.exec;
    }
    // Flatpak's exported entry: the flag goes to the application, after its id.
    EXPECT_EQ(PrivateArgs(FixtureEntry("upstream/org.mozilla.firefox.desktop")),
              (Args{"/usr/bin/flatpak", "run", "--branch=stable", "--arch=x86_64", "--command=firefox",
                    "--file-forwarding", "org.mozilla.firefox", "--private-window", "@@u", kAddress, "@@"}));
    EXPECT_EQ(PrivateArgs(EntryRunning("flatpak run com.google.Chrome %U")),
              (Args{"flatpak", "run", "com.google.Chrome", "--incognito", kAddress}));
}

TEST(PrivateWindow, UnknownOrBrokenBrowsersOpenNothing)
{
    for (const char* exec : {"dillo %u", "sh -c 'firefox \"$1\"' sh %u", "env -S firefox %u", "env", "flatpak run",
                             "/usr/bin/x-www-browser %u", "firefox.sh %u"}) {
        const SPrivateLaunch launch = PrivateWindowCommand(EntryRunning(exec, "Odd"), kAddress);
        EXPECT_EQ(launch.outcome, EPrivateWindow::NoPrivateMode) << exec;
        EXPECT_TRUE(launch.argv.empty()) << exec;
        EXPECT_EQ(launch.browserName, "Odd");
    }
    // The address never passes for the program, whatever it looks like.
    for (const char* exec : {"env", "env %u", "flatpak run %u"}) {
        const SPrivateLaunch launch = PrivateWindowCommand(EntryRunning(exec), "https://example.org/firefox");
        EXPECT_EQ(launch.outcome, EPrivateWindow::NoPrivateMode) << exec;
    }
    const SPrivateLaunch bad = PrivateWindowCommand(EntryRunning("firefox \"%u\""), kAddress);
    EXPECT_EQ(bad.outcome, EPrivateWindow::BadEntry);
    EXPECT_TRUE(bad.argv.empty());
    // A broken private action is not replaced by a guess.
    SDesktopEntry brokenAction = EntryRunning("firefox %u");
    brokenAction.actionExec["new-private-window"] = "firefox \"--private-window";
    EXPECT_EQ(PrivateWindowCommand(brokenAction, kAddress).outcome, EPrivateWindow::BadEntry);
    // Without a Name the file's name stands for the browser.
    SDesktopEntry unnamed = EntryRunning("dillo %u", "");
    unnamed.location = "/usr/share/applications/dillo.desktop";
    EXPECT_EQ(PrivateWindowCommand(unnamed, kAddress).browserName, "dillo.desktop");
}
