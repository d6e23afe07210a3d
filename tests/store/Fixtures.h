#pragma once

#include "common/FileBytes.h"

#include <filesystem>
#include <string>

// A file from tests/store/fixtures.
inline Bytes Fixture(const std::string& name)
{
    return ReadBytes(std::filesystem::path(LUMORA_STORE_FIXTURES) / name);
}
