// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Settings.h"

#include "AtomicFile.h"
#include "DataFolder.h"
#include "ReadFile.h"
#include "options/OptionTable.h"

#include <algorithm>
#include <vector>

namespace {

// Byte offsets of the file image.
constexpr std::size_t kOffReserved1 = 0;
constexpr std::size_t kOffFaceName = 128;
constexpr std::size_t kOffFontHeight = 256;
constexpr std::size_t kOffFontWeightFlag = 260;
constexpr std::size_t kOffFontItalic = 261;
constexpr std::size_t kOffAutoHide = 262;
constexpr std::size_t kOffPadding = 263;
constexpr std::size_t kOffBarLeft = 264;
constexpr std::size_t kOffEngineIndex = 268;
constexpr std::size_t kOffColorScheme = 272;
constexpr std::size_t kOffRounding = 276;
constexpr std::size_t kOffReserved2 = 280;
constexpr std::size_t kOffReserved3 = 284;
constexpr std::size_t kOffTransparency = 296;
constexpr std::size_t kOffReserved4 = 300;
constexpr std::size_t kOffButtonView = 304;

// The smallest part of the bar that must stay on the desktop.
constexpr int kMinVisible = 50;

void PutInt32(SettingsImage& image, std::size_t at, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    image[at] = static_cast<std::uint8_t>(u);
    image[at + 1] = static_cast<std::uint8_t>(u >> 8);
    image[at + 2] = static_cast<std::uint8_t>(u >> 16);
    image[at + 3] = static_cast<std::uint8_t>(u >> 24);
}

std::int32_t GetInt32(const SettingsImage& image, std::size_t at)
{
    const std::uint32_t u = std::uint32_t{image[at]} | std::uint32_t{image[at + 1]} << 8 |
                            std::uint32_t{image[at + 2]} << 16 | std::uint32_t{image[at + 3]} << 24;
    return static_cast<std::int32_t>(u);
}

template <std::size_t N>
void PutBytes(SettingsImage& image, std::size_t at, const std::array<std::uint8_t, N>& bytes)
{
    std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
}

template <std::size_t N>
void GetBytes(const SettingsImage& image, std::size_t at, std::array<std::uint8_t, N>& bytes)
{
    std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(at), N, bytes.begin());
}

// Puts the position back on the desktop and replaces level and style values
// that would index outside the tables that use them.
void Repair(SSettings& s, int desktopWidth, int barWidth)
{
    // Widened so that a tiny or negative desktop width cannot overflow.
    const long long lastLeft = static_cast<long long>(desktopWidth) - kMinVisible;
    if (s.barLeft < 0 || s.barLeft > lastLeft) s.barLeft = CenterOnDesktop(desktopWidth, barWidth);

    // Auto hide is a byte whose every non-zero value means on; it is kept.
    for (const SOption* option : kOptions) {
        if (!option->isSwitch) SetOptionValue(s, *option, ValidOrDefault(*option, OptionValue(s, *option)));
    }
}

}  // namespace

std::string SSettings::FaceName() const
{
    const auto end = std::find(faceName.begin(), faceName.end(), '\0');
    return std::string(faceName.begin(), end);
}

void SSettings::SetFaceName(const std::string& face)
{
    faceName.fill('\0');
    const std::size_t n = std::min(face.size(), faceName.size() - 1);
    std::copy_n(face.begin(), n, faceName.begin());
}

SettingsImage EncodeSettings(const SSettings& s)
{
    SettingsImage image{};
    PutBytes(image, kOffReserved1, s.reserved1);
    for (std::size_t i = 0; i < s.faceName.size(); ++i)
        image[kOffFaceName + i] = static_cast<std::uint8_t>(s.faceName[i]);
    PutInt32(image, kOffFontHeight, s.fontHeight);
    image[kOffFontWeightFlag] = s.fontWeightFlag;
    image[kOffFontItalic] = s.fontItalic;
    image[kOffAutoHide] = s.autoHide;
    image[kOffPadding] = s.padding;
    PutInt32(image, kOffBarLeft, s.barLeft);
    PutInt32(image, kOffEngineIndex, s.engineIndex);
    PutInt32(image, kOffColorScheme, s.colorScheme);
    PutInt32(image, kOffRounding, s.rounding);
    PutInt32(image, kOffReserved2, s.reserved2);
    PutBytes(image, kOffReserved3, s.reserved3);
    PutInt32(image, kOffTransparency, s.transparency);
    PutInt32(image, kOffReserved4, s.reserved4);
    PutInt32(image, kOffButtonView, s.buttonView);
    return image;
}

SSettings DecodeSettings(const SettingsImage& image)
{
    SSettings s;
    GetBytes(image, kOffReserved1, s.reserved1);
    for (std::size_t i = 0; i < s.faceName.size(); ++i) s.faceName[i] = static_cast<char>(image[kOffFaceName + i]);
    s.fontHeight = GetInt32(image, kOffFontHeight);
    s.fontWeightFlag = image[kOffFontWeightFlag];
    s.fontItalic = image[kOffFontItalic];
    s.autoHide = image[kOffAutoHide];
    s.padding = image[kOffPadding];
    s.barLeft = GetInt32(image, kOffBarLeft);
    s.engineIndex = GetInt32(image, kOffEngineIndex);
    s.colorScheme = GetInt32(image, kOffColorScheme);
    s.rounding = GetInt32(image, kOffRounding);
    s.reserved2 = GetInt32(image, kOffReserved2);
    GetBytes(image, kOffReserved3, s.reserved3);
    s.transparency = GetInt32(image, kOffTransparency);
    s.reserved4 = GetInt32(image, kOffReserved4);
    s.buttonView = GetInt32(image, kOffButtonView);
    return s;
}

int OptionValue(const SSettings& s, const SOption& option)
{
    switch (option.command) {
    case ECommand::ChooseEngine: return s.engineIndex;
    case ECommand::ColorScheme: return s.colorScheme;
    case ECommand::Transparency: return s.transparency;
    case ECommand::Rounding: return s.rounding;
    case ECommand::ButtonView: return s.buttonView;
    case ECommand::AutoHide: return s.autoHide != 0 ? 1 : 0;
    default: return 0;
    }
}

void SetOptionValue(SSettings& s, const SOption& option, int value)
{
    switch (option.command) {
    case ECommand::ChooseEngine: s.engineIndex = value; break;
    case ECommand::ColorScheme: s.colorScheme = value; break;
    case ECommand::Transparency: s.transparency = value; break;
    case ECommand::Rounding: s.rounding = value; break;
    case ECommand::ButtonView: s.buttonView = value; break;
    case ECommand::AutoHide: s.autoHide = value != 0 ? 1 : 0; break;
    default: break;
    }
}

int CenterOnDesktop(int desktopWidth, int width)
{
    return desktopWidth / 2 - width / 2;
}

void SetDefaultSettings(SSettings& s, int desktopWidth, int barWidth)
{
    CreateDataFolder();
    s = SSettings{};  // reserved areas and padding all zero
    for (const SOption* option : kOptions) SetOptionValue(s, *option, option->defaultValue);
    s.barLeft = CenterOnDesktop(desktopWidth, barWidth);
    s.SetFaceName(kBarFaceName);
    s.fontWeightFlag = 0;
    s.fontItalic = 0;
    s.fontHeight = kDefaultFontHeight;
}

bool ParseSettings(const std::uint8_t* data, std::size_t size, SSettings& s, int desktopWidth, int barWidth)
{
    // A short file is treated as unreadable: half a record is worse than the defaults.
    if (data == nullptr || size < kSettingsSize) return false;
    SettingsImage image;
    std::copy_n(data, kSettingsSize, image.begin());
    SSettings loaded = DecodeSettings(image);
    Repair(loaded, desktopWidth, barWidth);
    s = loaded;
    return true;
}

bool LoadSettings(const std::string& path, SSettings& s, int desktopWidth, int barWidth)
{
    // Only the first kSettingsSize bytes count; anything behind them is ignored.
    std::vector<std::uint8_t> image;
    return ReadFile(path, image, kSettingsSize) == EReadFile::Read &&
           ParseSettings(image.data(), image.size(), s, desktopWidth, barWidth);
}

bool SaveSettings(const std::string& path, SSettings s)
{
    const SettingsImage image = EncodeSettings(s);
    return WriteFileAtomically(path, image.data(), image.size());
}
