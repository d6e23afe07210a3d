// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/DesktopEntry.h"
#include "desktop/DesktopFixtures.h"
#include "desktop/ExecLine.h"
#include "desktop/KeyFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using Args = std::vector<std::string>;

namespace {

const std::string kAddress = "https://en.wikipedia.org/wiki/Dublin%20Bay?a=1&b=\"x\" $(touch y); z";

std::optional<Args> Expand(const std::string& exec)
{
    return ExpandExec(exec, SExecFields{kAddress, "web-icon", "My Browser", "/apps/my.desktop"});
}

}  // namespace

TEST(DesktopEntry, ReadsDebianEntriesAsShipped)
{
    const SDesktopEntry firefox = FixtureEntry("debian12/firefox-esr.desktop");
    EXPECT_EQ(firefox.name, "Firefox ESR");
    EXPECT_EQ(firefox.exec, "/usr/lib/firefox-esr/firefox-esr %u");
    EXPECT_EQ(firefox.icon, "firefox-esr");
    EXPECT_TRUE(firefox.actionExec.empty());

    const SDesktopEntry chromium = FixtureEntry("debian12/chromium.desktop");
    EXPECT_EQ(chromium.name, "Chromium Web Browser");
    EXPECT_EQ(chromium.exec, "/usr/bin/chromium %U");
    EXPECT_TRUE(chromium.actionExec.empty());

    const SDesktopEntry chrome = FixtureEntry("upstream/google-chrome.desktop");
    ASSERT_EQ(chrome.actionExec.size(), 2u);
    EXPECT_EQ(chrome.actionExec.at("new-private-window"), "/usr/bin/google-chrome-stable --incognito");
}

TEST(DesktopEntry, NameInTheUsersLanguage)
{
    SDesktopEntry chromium;
    const std::string path = std::string(LUMORA_DESKTOP_FIXTURES) + "/debian12/chromium.desktop";
    ASSERT_TRUE(ReadDesktopEntry(path, chromium, "de_AT.UTF-8"));
    EXPECT_EQ(chromium.name, "Chromium-Webbrowser");
    ASSERT_TRUE(ReadDesktopEntry(path, chromium, "pt_BR.UTF-8"));
    EXPECT_EQ(chromium.name, "Chromium Navegador da Internet");
    ASSERT_TRUE(ReadDesktopEntry(path, chromium, "C.UTF-8"));
    EXPECT_EQ(chromium.name, "Chromium Web Browser");

    EXPECT_EQ(LocaleKeys("sr_RS.UTF-8@latin"), (Args{"sr_RS@latin", "sr_RS", "sr@latin", "sr"}));
    EXPECT_EQ(LocaleKeys("de"), Args{"de"});
    EXPECT_EQ(LocaleKeys("POSIX"), Args{});
    EXPECT_EQ(LocaleKeys(""), Args{});
}

TEST(DesktopEntry, UndoesValueEscapesAndKeepsOnlyListedDefinedActions)
{
    SDesktopEntry entry;
    ASSERT_TRUE(ParseDesktopEntry("\xEF\xBB\xBF# comment\r\n"
                                  "[Desktop Entry]\r\n"
                                  "Name = A\\sB\\\\C\\tD\r\n"
                                  "Name=second value is ignored\n"
                                  "Exec=prog\n"
                                  "TryExec=prog-check\n"
                                  "Hidden=true\n"
                                  "Actions=listed;private\\;odd;undefined;\n"
                                  "[Desktop Action listed]\nExec=prog --listed\n"
                                  "[Desktop Action unlisted]\nExec=prog --unlisted\n"
                                  "[Desktop Action private;odd]\nExec=prog --odd\n",
                                  "/x/a.desktop", entry));
    EXPECT_EQ(entry.name, "A B\\C\tD");
    EXPECT_EQ(entry.tryExec, "prog-check");
    EXPECT_TRUE(entry.hidden);
    EXPECT_EQ(entry.location, "/x/a.desktop");
    ASSERT_EQ(entry.actionExec.size(), 2u);
    EXPECT_EQ(entry.actionExec.at("listed"), "prog --listed");
    EXPECT_EQ(entry.actionExec.at("private;odd"), "prog --odd");
}

TEST(DesktopEntry, RefusesFilesThatRunNothing)
{
    SDesktopEntry entry;
    entry.name = "untouched";
    EXPECT_FALSE(ParseDesktopEntry("", "", entry));
    EXPECT_FALSE(ParseDesktopEntry("Exec=prog\n", "", entry));                       // no group
    EXPECT_FALSE(ParseDesktopEntry("[Other]\nExec=prog\n", "", entry));              // not the entry's group
    EXPECT_FALSE(ParseDesktopEntry("[Desktop Entry]\nName=x\nExec=\n", "", entry));  // empty Exec
    EXPECT_EQ(entry.name, "untouched");
    EXPECT_FALSE(ReadDesktopEntry("/nonexistent/lumora.desktop", entry));
}

TEST(KeyFile, ListsSplitAtUnescapedSemicolons)
{
    EXPECT_EQ(SplitListValue("a.desktop;b\\;c.desktop;;d\\s.desktop;"),
              (Args{"a.desktop", "b;c.desktop", "d .desktop"}));
    EXPECT_EQ(SplitListValue(""), Args{});
    // A backslash the value rules do not know stays for the Exec rules.
    EXPECT_EQ(UnescapeValue("a\\$b\\"), "a\\$b\\");
}

TEST(ExecLine, AddressIsOneArgumentWhateverItHolds)
{
    EXPECT_EQ(Expand("/usr/lib/firefox-esr/firefox-esr %u"), (Args{"/usr/lib/firefox-esr/firefox-esr", kAddress}));
    EXPECT_EQ(Expand("prog %U"), (Args{"prog", kAddress}));
    EXPECT_EQ(Expand("prog --file %f"), (Args{"prog", "--file", kAddress}));
    EXPECT_EQ(Expand("prog %F"), (Args{"prog", kAddress}));
    // Without an address code, the address goes last.
    EXPECT_EQ(Expand("google-chrome-stable --incognito"), (Args{"google-chrome-stable", "--incognito", kAddress}));
    // One address, also for a line with two codes.
    EXPECT_EQ(Expand("prog %u %U"), (Args{"prog", kAddress}));
    // Inside a longer argument the single-address codes stay in place.
    EXPECT_EQ(Expand("prog --app=%u"), (Args{"prog", "--app=" + kAddress}));
}

TEST(ExecLine, QuotingEscapesAndOtherFieldCodes)
{
    EXPECT_EQ(Expand("\"/opt/My Browser/run\"  --name \"a \\\"b\\\" \\$HOME \\\\ \\`c\\`\"\t%u"),
              (Args{"/opt/My Browser/run", "--name", "a \"b\" $HOME \\ `c`", kAddress}));
    EXPECT_EQ(Expand("prog \"\" 100%% \"50%%\" %u"), (Args{"prog", "", "100%", "50%", kAddress}));
    EXPECT_EQ(Expand("prog %i %c %k %u"),
              (Args{"prog", "--icon", "web-icon", "My Browser", "/apps/my.desktop", kAddress}));
    EXPECT_EQ(ExpandExec("prog %i %u", SExecFields{"a", "", "", ""}), (Args{"prog", "a"}));
    // The deprecated codes vanish, on their own or inside an argument.
    EXPECT_EQ(Expand("prog %d %D %n %N %v %m -x%m %u"), (Args{"prog", "-x", kAddress}));
    EXPECT_EQ(Expand("prog --title=%c"), (Args{"prog", "--title=My Browser", kAddress}));

    // Both escape layers: the value's "\\\\" is one backslash for the Exec
    // rules, which inside quotes make it a literal backslash.
    SDesktopEntry entry;
    ASSERT_TRUE(ParseDesktopEntry("[Desktop Entry]\nExec=\"/opt/a\\\\\\\\b\" %u\n", "", entry));
    EXPECT_EQ(ExpandExec(entry.exec, SExecFields{"x", "", "", ""}), (Args{"/opt/a\\b", "x"}));
}

TEST(ExecLine, RefusesLinesThatCannotRunSafely)
{
    for (const char* bad : {
             "",
             "   ",
             "prog \"unclosed %u",
             "sh -c \"xdg-open %u\"",  // a shell would run what the address says
             "prog %x",
             "prog --all=%U",
             "prog --files=%F",
             "prog -%i",
             "%u",
             "x%u --flag",
             "prog %",
             "prog trailing\\",
             "\"\" %u",
         }) {
        EXPECT_EQ(Expand(bad), std::nullopt) << bad;
    }
}
