// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/ScopedEnv.h"

#include <filesystem>
#include <stdexcept>
#include <string>

#include <unistd.h>

// Points HOME and the XDG folders (config, data, system data) into a fresh
// temporary folder for the lifetime of the object, so the importers find
// what the test put there and nothing of the real machine.
class ImportHome {
public:
    ImportHome()
        : m_path(MakeFolder()),
          m_home("HOME", m_path.c_str()),
          m_config("XDG_CONFIG_HOME", (m_path / ".config").c_str()),
          m_data("XDG_DATA_HOME", (m_path / ".local/share").c_str()),
          m_dirs("XDG_DATA_DIRS", (m_path / "usr/share").c_str())
    {}
    ~ImportHome()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ImportHome(const ImportHome&) = delete;
    ImportHome& operator=(const ImportHome&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    static std::filesystem::path MakeFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "lumora-home-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        return pattern;
    }

    std::filesystem::path m_path;
    ScopedEnv m_home;
    ScopedEnv m_config;
    ScopedEnv m_data;
    ScopedEnv m_dirs;
};
