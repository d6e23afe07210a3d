// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/ScopedEnv.h"

#include <filesystem>
#include <stdexcept>
#include <string>

#include <unistd.h>

// Points XDG_CONFIG_HOME at a fresh temporary folder for the lifetime of the
// object and removes the folder afterwards, so no test touches the real home.
// XDG_STATE_HOME (the search history) gets a fresh folder of its own.
class TempConfigHome {
public:
    TempConfigHome()
        : m_path(MakeFolder()),
          m_statePath(MakeFolder()),
          m_env("XDG_CONFIG_HOME", m_path.c_str()),
          m_stateEnv("XDG_STATE_HOME", m_statePath.c_str())
    {}
    ~TempConfigHome()
    {
        for (const std::filesystem::path& folder : {m_path, m_statePath}) {
            std::error_code ec;
            std::filesystem::permissions(folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                         ec);
            std::filesystem::remove_all(folder, ec);
        }
    }
    TempConfigHome(const TempConfigHome&) = delete;
    TempConfigHome& operator=(const TempConfigHome&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path DataFolder() const { return m_path / "Lumora"; }
    std::filesystem::path StatePath() const { return m_statePath; }

private:
    static std::filesystem::path MakeFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "lumora-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        return pattern;
    }

    std::filesystem::path m_path;
    std::filesystem::path m_statePath;
    ScopedEnv m_env;
    ScopedEnv m_stateEnv;
};
