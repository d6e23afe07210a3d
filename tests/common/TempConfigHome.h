#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include <unistd.h>

// Points XDG_CONFIG_HOME at a fresh temporary folder for the lifetime of the
// object and removes the folder afterwards, so no test touches the real home.
class TempConfigHome {
public:
    TempConfigHome() {
        std::string pattern = (std::filesystem::temp_directory_path() / "lumora-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) m_old = old, m_hadOld = true;
        setenv("XDG_CONFIG_HOME", m_path.c_str(), 1);
    }
    ~TempConfigHome() {
        if (m_hadOld) setenv("XDG_CONFIG_HOME", m_old.c_str(), 1);
        else unsetenv("XDG_CONFIG_HOME");
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    TempConfigHome(const TempConfigHome&) = delete;
    TempConfigHome& operator=(const TempConfigHome&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path DataFolder() const { return m_path / "Lumora"; }

private:
    std::filesystem::path m_path;
    std::string m_old;
    bool m_hadOld = false;
};
