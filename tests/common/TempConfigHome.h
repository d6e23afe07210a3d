#pragma once

#include "common/ScopedEnv.h"

#include <filesystem>
#include <stdexcept>
#include <string>

#include <unistd.h>

// Points XDG_CONFIG_HOME at a fresh temporary folder for the lifetime of the
// object and removes the folder afterwards, so no test touches the real home.
class TempConfigHome {
public:
    TempConfigHome()
        : m_path(MakeFolder()),
          m_env("XDG_CONFIG_HOME", m_path.c_str())
    {}
    ~TempConfigHome()
    {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    TempConfigHome(const TempConfigHome&) = delete;
    TempConfigHome& operator=(const TempConfigHome&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path DataFolder() const { return m_path / "Lumora"; }

private:
    static std::filesystem::path MakeFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "lumora-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        return pattern;
    }

    std::filesystem::path m_path;
    ScopedEnv m_env;
};
