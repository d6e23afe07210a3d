// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/ScopedEnv.h"
#include "desktop/DefaultBrowser.h"
#include "desktop/PrivateWindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A home of its own: config and data folders, two system folders of each.
class XdgHome : public ::testing::Test {
protected:
    XdgHome()
    {
        std::string pattern = (fs::temp_directory_path() / "lumora-xdg-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        m_root = pattern;
        m_dirs.configHome = Folder("config");
        m_dirs.configDirs = {Folder("etc-xdg"), Folder("etc-xdg2")};
        m_dirs.dataHome = Folder("data");
        m_dirs.dataDirs = {Folder("usr-local-share"), Folder("usr-share")};
    }
    ~XdgHome() override
    {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }

    std::string Folder(const std::string& name) const
    {
        fs::create_directories(m_root / name);
        return (m_root / name).string();
    }

    static void Write(const std::string& path, const std::string& text)
    {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }

    // An installed browser entry in a data folder's applications.
    static void Entry(const std::string& dataFolder, const std::string& relative, const std::string& extra = "")
    {
        Write(dataFolder + "/applications/" + relative,
              "[Desktop Entry]\nType=Application\nName=" + relative + "\nExec=" + relative + " %u\n" + extra);
    }

    static std::string Defaults(const std::string& https, const std::string& http = "")
    {
        std::string text = "[Default Applications]\n";
        if (!https.empty()) text += "x-scheme-handler/https=" + https + "\n";
        if (!http.empty()) text += "x-scheme-handler/http=" + http + "\n";
        return text;
    }

    std::string Browser() const { return FindDefaultBrowser(m_dirs).value_or("none"); }

    fs::path m_root;
    SXdgDirs m_dirs;
};

}  // namespace

TEST_F(XdgHome, MimeAppsListsInTheirOrder)
{
    m_dirs.desktops = {"kde", "gnome"};
    const std::vector<std::string> files = MimeAppsFiles(m_dirs);
    const std::vector<std::string> expected{
        m_dirs.configHome + "/kde-mimeapps.list",
        m_dirs.configHome + "/gnome-mimeapps.list",
        m_dirs.configHome + "/mimeapps.list",
        m_dirs.configDirs[0] + "/kde-mimeapps.list",
        m_dirs.configDirs[0] + "/gnome-mimeapps.list",
        m_dirs.configDirs[0] + "/mimeapps.list",
        m_dirs.configDirs[1] + "/kde-mimeapps.list",
        m_dirs.configDirs[1] + "/gnome-mimeapps.list",
        m_dirs.configDirs[1] + "/mimeapps.list",
        m_dirs.dataHome + "/applications/kde-mimeapps.list",
        m_dirs.dataHome + "/applications/gnome-mimeapps.list",
        m_dirs.dataHome + "/applications/mimeapps.list",
        m_dirs.dataDirs[0] + "/applications/kde-mimeapps.list",
        m_dirs.dataDirs[0] + "/applications/gnome-mimeapps.list",
        m_dirs.dataDirs[0] + "/applications/mimeapps.list",
        m_dirs.dataDirs[1] + "/applications/kde-mimeapps.list",
        m_dirs.dataDirs[1] + "/applications/gnome-mimeapps.list",
        m_dirs.dataDirs[1] + "/applications/mimeapps.list",
    };
    EXPECT_EQ(files, expected);
}

TEST_F(XdgHome, TheMostImportantListWithAnInstalledDefaultDecides)
{
    const std::string& system = m_dirs.dataDirs[1];
    Entry(system, "firefox-esr.desktop");
    Entry(system, "chromium.desktop");
    Entry(m_dirs.dataHome, "mine.desktop");
    EXPECT_EQ(Browser(), "none");

    Write(system + "/applications/mimeapps.list", Defaults("firefox-esr.desktop"));
    EXPECT_EQ(Browser(), system + "/applications/firefox-esr.desktop");
    Write(m_dirs.configDirs[1] + "/mimeapps.list", Defaults("chromium.desktop"));
    EXPECT_EQ(Browser(), system + "/applications/chromium.desktop");
    // The user's own list wins; an entry that is not installed is passed over.
    Write(m_dirs.configHome + "/mimeapps.list", Defaults("gone.desktop;mine.desktop;"));
    EXPECT_EQ(Browser(), m_dirs.dataHome + "/applications/mine.desktop");
    // The desktop's own list comes before the plain one of the same folder.
    m_dirs.desktops = {"xfce"};
    Write(m_dirs.configHome + "/xfce-mimeapps.list", Defaults("firefox-esr.desktop"));
    EXPECT_EQ(Browser(), system + "/applications/firefox-esr.desktop");
    // A list naming nothing installed leaves the choice to the next one.
    Write(m_dirs.configHome + "/xfce-mimeapps.list", Defaults("gone.desktop"));
    EXPECT_EQ(Browser(), m_dirs.dataHome + "/applications/mine.desktop");
}

TEST_F(XdgHome, HttpsBeforeHttpAndDefaultsBeforeAddedAssociations)
{
    const std::string& system = m_dirs.dataDirs[0];
    Entry(system, "a.desktop");
    Entry(system, "b.desktop");
    Entry(system, "c.desktop");
    Write(m_dirs.configHome + "/mimeapps.list", Defaults("", "a.desktop"));
    EXPECT_EQ(Browser(), system + "/applications/a.desktop");
    Write(m_dirs.configDirs[0] + "/mimeapps.list", Defaults("b.desktop"));
    EXPECT_EQ(Browser(), system + "/applications/b.desktop");

    // Without any default: the added associations, less the removed ones.
    Write(m_dirs.configHome + "/mimeapps.list", "[Added Associations]\nx-scheme-handler/https=c.desktop;\n"
                                                "[Removed Associations]\nx-scheme-handler/https=b.desktop;\n");
    Write(m_dirs.configDirs[0] + "/mimeapps.list",
          "[Added Associations]\nx-scheme-handler/https=b.desktop;a.desktop;\n");
    Write(system + "/applications/mimeapps.list", Defaults("missing.desktop"));
    EXPECT_EQ(Browser(), system + "/applications/c.desktop");
    Write(m_dirs.configHome + "/mimeapps.list", "[Removed Associations]\nx-scheme-handler/https=b.desktop;\n");
    EXPECT_EQ(Browser(), system + "/applications/a.desktop");
}

TEST_F(XdgHome, DebianWithoutAnyListFallsBackToTheMimeCache)
{
    const std::string& system = m_dirs.dataDirs[1];
    Entry(system, "chromium.desktop");
    Entry(system, "firefox-esr.desktop");
    Write(system + "/applications/mimeinfo.cache", "[MIME Cache]\ntext/html=chromium.desktop;firefox-esr.desktop;\n"
                                                   "x-scheme-handler/https=firefox-esr.desktop;chromium.desktop;\n");
    EXPECT_EQ(Browser(), system + "/applications/firefox-esr.desktop");
    // A removed association is not taken from the cache either.
    Write(m_dirs.configHome + "/mimeapps.list", "[Removed Associations]\nx-scheme-handler/https=firefox-esr.desktop\n");
    EXPECT_EQ(Browser(), system + "/applications/chromium.desktop");
}

TEST_F(XdgHome, InstalledMeansFoundRunnableAndNotHidden)
{
    const std::string& system = m_dirs.dataDirs[0];
    // Desktop file ids name files in subfolders with a dash.
    Entry(system, "kde/konq-browser.desktop");
    Write(m_dirs.configHome + "/mimeapps.list", Defaults("kde-konq-browser.desktop"));
    EXPECT_EQ(Browser(), system + "/applications/kde/konq-browser.desktop");
    EXPECT_EQ(FindDesktopFile(m_dirs, "kde-konq-browser.desktop"), system + "/applications/kde/konq-browser.desktop");

    // The user's entry of the same id hides the system's.
    Entry(m_dirs.dataHome, "b.desktop");
    Entry(system, "b.desktop");
    Write(m_dirs.configHome + "/mimeapps.list", Defaults("b.desktop"));
    EXPECT_EQ(Browser(), m_dirs.dataHome + "/applications/b.desktop");

    Entry(system, "tryexec.desktop", "TryExec=/nonexistent/lumora-browser\n");
    Entry(system, "hidden.desktop", "Hidden=true\n");
    Entry(system, "tryexec-ok.desktop", "TryExec=sh\n");
    Write(m_dirs.configHome + "/mimeapps.list",
          Defaults("tryexec.desktop;hidden.desktop;../applications/b.desktop;tryexec-ok.desktop"));
    const ScopedEnv path("PATH", "/usr/bin:/bin");
    EXPECT_EQ(Browser(), system + "/applications/tryexec-ok.desktop");
}

TEST_F(XdgHome, PrivateLaunchOfTheDefaultBrowser)
{
    EXPECT_EQ(PrivateWindowLaunch(m_dirs, "https://a").outcome, EPrivateWindow::NoBrowser);
    const std::string fixtures = LUMORA_DESKTOP_FIXTURES;
    fs::create_directories(m_dirs.dataDirs[1] + "/applications");
    fs::copy_file(fixtures + "/debian12/chromium.desktop", m_dirs.dataDirs[1] + "/applications/chromium.desktop");
    Write(m_dirs.configHome + "/mimeapps.list", Defaults("chromium.desktop"));
    const ScopedEnv german("LC_ALL", "de_DE.UTF-8");
    const SPrivateLaunch launch = PrivateWindowLaunch(m_dirs, "https://a");
    EXPECT_EQ(launch.outcome, EPrivateWindow::Ready);
    EXPECT_EQ(launch.argv, (std::vector<std::string>{"/usr/bin/chromium", "--incognito", "https://a"}));
    EXPECT_EQ(launch.browserName, "Chromium-Webbrowser");
}

TEST(XdgDirs, EnvironmentAndItsDefaults)
{
    {
        const ScopedEnv home("HOME", "/home/u");
        const ScopedEnv config("XDG_CONFIG_HOME", "");
        const ScopedEnv data("XDG_DATA_HOME", "relative/data");
        const ScopedEnv configDirs("XDG_CONFIG_DIRS", nullptr);
        const ScopedEnv dataDirs("XDG_DATA_DIRS", "");
        const ScopedEnv desktop("XDG_CURRENT_DESKTOP", nullptr);
        const SXdgDirs dirs = XdgDirsFromEnvironment();
        EXPECT_EQ(dirs.configHome, "/home/u/.config");
        EXPECT_EQ(dirs.dataHome, "/home/u/.local/share");
        EXPECT_EQ(dirs.configDirs, std::vector<std::string>{"/etc/xdg"});
        EXPECT_EQ(dirs.dataDirs, (std::vector<std::string>{"/usr/local/share", "/usr/share"}));
        EXPECT_TRUE(dirs.desktops.empty());
    }
    const ScopedEnv config("XDG_CONFIG_HOME", "/c");
    const ScopedEnv data("XDG_DATA_HOME", "/d");
    const ScopedEnv configDirs("XDG_CONFIG_DIRS", "/e1:relative:/e2");
    const ScopedEnv dataDirs("XDG_DATA_DIRS", "/s1::/s2");
    const ScopedEnv desktop("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    const SXdgDirs dirs = XdgDirsFromEnvironment();
    EXPECT_EQ(dirs.configHome, "/c");
    EXPECT_EQ(dirs.dataHome, "/d");
    EXPECT_EQ(dirs.configDirs, (std::vector<std::string>{"/e1", "/e2"}));
    EXPECT_EQ(dirs.dataDirs, (std::vector<std::string>{"/s1", "/s2"}));
    EXPECT_EQ(dirs.desktops, (std::vector<std::string>{"ubuntu", "gnome"}));
}
