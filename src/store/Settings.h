// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// Size of the settings file and of the record's byte image.
inline constexpr std::size_t kSettingsSize = 308;

// The face of the bar's own texts (the engine's name, "Go", the links) and
// the query field's default face.
inline constexpr char kBarFaceName[] = "Tahoma";
// The query field's default height: 11-pixel characters.
inline constexpr std::int32_t kDefaultFontHeight = -11;

// Every persisted option of the bar. The byte image is defined by
// EncodeSettings/DecodeSettings, never by the struct's layout.
struct SSettings {
    std::array<std::uint8_t, 128> reserved1{};
    std::array<char, 128> faceName{};  // NUL-terminated 8-bit text
    std::int32_t fontHeight = 0;
    std::uint8_t fontWeightFlag = 0;
    std::uint8_t fontItalic = 0;
    std::uint8_t autoHide = 0;
    std::uint8_t padding = 0;
    std::int32_t barLeft = 0;
    std::int32_t engineIndex = 0;
    std::int32_t colorScheme = 0;
    std::int32_t rounding = 0;
    std::int32_t reserved2 = 0;
    std::array<std::uint8_t, 12> reserved3{};
    std::int32_t transparency = 0;
    std::int32_t reserved4 = 0;
    std::int32_t buttonView = 0;

    bool operator==(const SSettings&) const = default;

    std::string FaceName() const;               // up to the first NUL
    void SetFaceName(const std::string& face);  // cut to 127 bytes, rest zeroed
};

using SettingsImage = std::array<std::uint8_t, kSettingsSize>;

struct SOption;

// The stored value of an option (auto hide as 0 or 1), and setting it.
int OptionValue(const SSettings& s, const SOption& option);
void SetOptionValue(SSettings& s, const SOption& option, int value);

SettingsImage EncodeSettings(const SSettings& s);
SSettings DecodeSettings(const SettingsImage& image);

// x that centres a rectangle of `width` on a desktop of `desktopWidth`
// (each half truncated toward zero before the subtraction).
int CenterOnDesktop(int desktopWidth, int width);

// Fills every field with its default and creates the data folder.
void SetDefaultSettings(SSettings& s, int desktopWidth, int barWidth);

// Reads the file at `path`. False when it cannot be opened or read, or is
// shorter than kSettingsSize. A barLeft outside 0..desktopWidth-50 is centred;
// level and style fields outside their ranges take their defaults.
bool LoadSettings(const std::string& path, SSettings& s, int desktopWidth, int barWidth);

// The checks of LoadSettings on a file image already in memory: false (record
// untouched) when shorter than kSettingsSize, else the first kSettingsSize
// bytes are decoded into `s` and repaired.
bool ParseSettings(const std::uint8_t* data, std::size_t size, SSettings& s, int desktopWidth, int barWidth);

// Writes the 308-byte image atomically; false (old file untouched) on failure.
bool SaveSettings(const std::string& path, SSettings s);
