// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/DataFolder.h"
#include "store/Settings.h"

#include "common/FileBytes.h"
#include "common/ScopedEnv.h"
#include "common/TempConfigHome.h"
#include "store/Fixtures.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <optional>

#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kDesktop = 1024;
constexpr int kBar = 301;
constexpr int kCentred = 362;

SSettings Defaults()
{
    SSettings s;
    SetDefaultSettings(s, kDesktop, kBar);
    return s;
}

// A record whose every byte differs from the defaults, reserved areas included.
SSettings Patterned()
{
    SSettings s = Defaults();
    for (std::size_t i = 0; i < s.reserved1.size(); ++i) s.reserved1[i] = static_cast<std::uint8_t>(i * 7 + 3);
    for (std::size_t i = 0; i < s.reserved3.size(); ++i) s.reserved3[i] = static_cast<std::uint8_t>(0xA0 + i);
    s.faceName.fill('x');  // bytes after the NUL are carried too
    s.faceName[5] = '\0';
    s.fontHeight = -16;
    s.fontWeightFlag = 1;
    s.fontItalic = 1;
    s.autoHide = 0;
    s.padding = 0x5A;
    s.barLeft = 700;
    s.engineIndex = 12;
    s.colorScheme = 8;
    s.rounding = 0;
    s.reserved2 = -123456789;
    s.transparency = 9;
    s.reserved4 = 0x7EADBEEF;
    s.buttonView = 5;
    return s;
}

std::int32_t Int32At(const Bytes& b, std::size_t at)
{
    return static_cast<std::int32_t>(std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 |
                                     std::uint32_t{b[at + 2]} << 16 | std::uint32_t{b[at + 3]} << 24);
}

void PutInt32(Bytes& b, std::size_t at, std::int32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}

Bytes ImageBytes(const SSettings& s)
{
    const SettingsImage img = EncodeSettings(s);
    return Bytes(img.begin(), img.end());
}

}  // namespace

TEST(Settings, DefaultsFieldByField)
{
    TempConfigHome home;
    const SSettings s = Defaults();
    EXPECT_TRUE(fs::is_directory(home.DataFolder()));
    EXPECT_EQ(s.FaceName(), "Tahoma");
    EXPECT_EQ(s.fontHeight, -11);
    EXPECT_EQ(s.fontWeightFlag, 0);
    EXPECT_EQ(s.fontItalic, 0);
    EXPECT_EQ(s.autoHide, 1);
    EXPECT_EQ(s.padding, 0);
    EXPECT_EQ(s.barLeft, kCentred);
    EXPECT_EQ(s.engineIndex, 0);
    EXPECT_EQ(s.colorScheme, 1);
    EXPECT_EQ(s.rounding, 4);
    EXPECT_EQ(s.reserved2, 0);
    EXPECT_EQ(s.transparency, 0);
    EXPECT_EQ(s.reserved4, 0);
    EXPECT_EQ(s.buttonView, 1);
    // The image pins down every remaining byte: zero reserved areas, zeros
    // behind the face name.
    EXPECT_EQ(ImageBytes(s), Fixture("settings_default.lmr"));

    // Defaults replace whatever the record held before.
    SSettings dirty = Patterned();
    SetDefaultSettings(dirty, kDesktop, kBar);
    EXPECT_EQ(dirty, s);
}

TEST(Settings, CenterOnDesktopTruncatesEachHalf)
{
    struct Case {
        int desktop, width, x;
    };
    for (const Case c : {Case{1024, 301, 362}, Case{1023, 301, 361}, Case{100, 300, -100}, Case{-5, 3, -3},
                         Case{INT_MAX, INT_MIN, INT_MAX}}) {
        EXPECT_EQ(CenterOnDesktop(c.desktop, c.width), c.x) << c.desktop << " " << c.width;
    }
    TempConfigHome home;
    SSettings s;
    SetDefaultSettings(s, 100, 300);
    EXPECT_EQ(s.barLeft, -100);  // a bar wider than the desktop is not corrected
}

TEST(Settings, FaceNameIsCutAndZeroFilled)
{
    SSettings s;
    s.faceName.fill('z');
    s.SetFaceName(std::string(200, 'a'));
    EXPECT_EQ(s.FaceName(), std::string(127, 'a'));
    EXPECT_EQ(s.faceName[127], '\0');
    s.SetFaceName("DejaVu Sans");
    EXPECT_EQ(s.FaceName(), "DejaVu Sans");
    for (std::size_t i = 11; i < s.faceName.size(); ++i) EXPECT_EQ(s.faceName[i], '\0');
    s.faceName.fill('q');  // no NUL at all: the whole area is the name
    EXPECT_EQ(s.FaceName(), std::string(128, 'q'));
}

TEST(Settings, ImageOffsets)
{
    const Bytes b = ImageBytes(Patterned());
    ASSERT_EQ(b.size(), kSettingsSize);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(b[127], static_cast<std::uint8_t>(127 * 7 + 3));
    EXPECT_EQ(b[128], 'x');
    EXPECT_EQ(b[133], 0);
    EXPECT_EQ(b[255], 'x');
    EXPECT_EQ(Int32At(b, 256), -16);
    EXPECT_EQ(b[260], 1);
    EXPECT_EQ(b[261], 1);
    EXPECT_EQ(b[262], 0);
    EXPECT_EQ(b[263], 0x5A);
    EXPECT_EQ(Int32At(b, 264), 700);
    EXPECT_EQ(Int32At(b, 268), 12);
    EXPECT_EQ(Int32At(b, 272), 8);
    EXPECT_EQ(Int32At(b, 276), 0);
    EXPECT_EQ(Int32At(b, 280), -123456789);
    EXPECT_EQ(b[284], 0xA0);
    EXPECT_EQ(b[295], 0xAB);
    EXPECT_EQ(Int32At(b, 296), 9);
    EXPECT_EQ(Int32At(b, 300), 0x7EADBEEF);
    EXPECT_EQ(Int32At(b, 304), 5);
    EXPECT_EQ(DecodeSettings(EncodeSettings(Patterned())), Patterned());
}

TEST(Settings, AnyImageDecodesAndEncodesBackUnchanged)
{
    SettingsImage img;
    std::uint32_t x = 12345;
    for (int round = 0; round < 50; ++round) {
        for (auto& byte : img) byte = static_cast<std::uint8_t>((x = x * 1103515245u + 12345u) >> 24);
        ASSERT_EQ(EncodeSettings(DecodeSettings(img)), img) << "round " << round;
    }
}

TEST(Settings, SaveWritesExactImageAndLoadGivesItBack)
{
    TempConfigHome home;
    const SSettings saved = Patterned();
    const std::string path = GetAppDataPath(kSettingsSuffix);
    EXPECT_FALSE(fs::exists(path));
    SSettings s = Defaults();  // also creates the folder
    ASSERT_TRUE(SaveSettings(path, s));
    const Bytes first = ReadBytes(path);
    ASSERT_EQ(first.size(), kSettingsSize);
    EXPECT_EQ(std::string(first.begin() + 128, first.begin() + 135), std::string("Tahoma\0", 7));

    ASSERT_TRUE(SaveSettings(path, saved));
    SSettings loaded;
    ASSERT_TRUE(LoadSettings(path, loaded, kDesktop, kBar));
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(ReadBytes(path), ImageBytes(saved));
}

TEST(Settings, BarLeftBoundIsInclusive)
{
    TempConfigHome home;
    const std::string path = GetAppDataPath(kSettingsSuffix);
    CreateDataFolder();
    struct Case {
        std::int32_t stored, loaded;
    };
    for (const Case c : {Case{-1, kCentred}, Case{INT_MIN, kCentred}, Case{0, 0}, Case{kDesktop - 50, kDesktop - 50},
                         Case{kDesktop - 49, kCentred}, Case{INT_MAX, kCentred}}) {
        SSettings s = Defaults();
        s.barLeft = c.stored;
        ASSERT_TRUE(SaveSettings(path, s));
        SSettings loaded;
        ASSERT_TRUE(LoadSettings(path, loaded, kDesktop, kBar));
        EXPECT_EQ(loaded.barLeft, c.loaded) << "stored " << c.stored;
    }
    // A desktop narrower than 50 accepts no position at all.
    SSettings s = Defaults();
    s.barLeft = 0;
    ASSERT_TRUE(SaveSettings(path, s));
    ASSERT_TRUE(LoadSettings(path, s, 40, 30));
    EXPECT_EQ(s.barLeft, 5);
    ASSERT_TRUE(LoadSettings(path, s, INT_MIN, 30));
    EXPECT_EQ(s.barLeft, INT_MIN / 2 - 15);
}

TEST(Settings, OutOfRangeFieldsTakeTheirDefaults)
{
    struct Case {
        std::size_t offset;
        std::int32_t value, loaded;
    };
    const Case cases[] = {
        {272, 8, 8},   {272, 9, 1},  {272, -1, 1},       // colorScheme
        {276, 0, 0},   {276, 5, 4},  {276, INT_MIN, 4},  // rounding
        {296, 9, 9},   {296, 10, 0}, {296, -3, 0},       // transparency
        {304, 0, 0},   {304, 6, 1},  {304, INT_MAX, 1},  // buttonView
        {268, 50, 50}, {268, 51, 0}, {268, -1, 0},       // engineIndex
    };
    const Bytes base = ImageBytes(Patterned());
    for (const Case& c : cases) {
        Bytes b = base;
        PutInt32(b, c.offset, c.value);
        SSettings s;
        ASSERT_TRUE(ParseSettings(b.data(), b.size(), s, kDesktop, kBar));
        EXPECT_EQ(Int32At(ImageBytes(s), c.offset), c.loaded) << "offset " << c.offset << " value " << c.value;
        // Nothing else moves.
        Bytes expected = base;
        PutInt32(expected, c.offset, c.loaded);
        EXPECT_EQ(ImageBytes(s), expected);
    }
}

TEST(Settings, LongFileUsesFirstImageAndNextSaveTrimsIt)
{
    TempConfigHome home;
    CreateDataFolder();
    const std::string path = GetAppDataPath(kSettingsSuffix);
    Bytes b = ImageBytes(Patterned());
    b.resize(400, 0xEE);
    WriteBytes(path, b);
    SSettings s;
    ASSERT_TRUE(LoadSettings(path, s, kDesktop, kBar));
    EXPECT_EQ(s, Patterned());
    ASSERT_TRUE(SaveSettings(path, s));
    EXPECT_EQ(ReadBytes(path), ImageBytes(Patterned()));
}

TEST(Settings, MissingShortOrUnreadableFileLeavesRecordAlone)
{
    TempConfigHome home;
    CreateDataFolder();
    const std::string path = GetAppDataPath(kSettingsSuffix);
    const SSettings before = Patterned();
    SSettings s = before;
    EXPECT_FALSE(LoadSettings(path, s, kDesktop, kBar));
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, kSettingsSize - 1}) {
        Bytes b = ImageBytes(Defaults());
        b.resize(size);
        WriteBytes(path, b);
        EXPECT_FALSE(LoadSettings(path, s, kDesktop, kBar)) << size;
        EXPECT_EQ(s, before);
    }
    fs::remove(path);
    fs::create_directory(path);  // opens, but cannot be read
    EXPECT_FALSE(LoadSettings(path, s, kDesktop, kBar));
    EXPECT_EQ(s, before);
    EXPECT_FALSE(ParseSettings(nullptr, 0, s, kDesktop, kBar));
}

TEST(Settings, ReadOnlyFileLoadsButIsNotReplaced)
{
    TempConfigHome home;
    CreateDataFolder();
    const std::string path = GetAppDataPath(kSettingsSuffix);
    const SSettings old = Patterned();
    ASSERT_TRUE(SaveSettings(path, old));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    SSettings s;
    ASSERT_TRUE(LoadSettings(path, s, kDesktop, kBar));
    EXPECT_EQ(s, old);
    if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    EXPECT_FALSE(SaveSettings(path, Defaults()));
    EXPECT_EQ(ReadBytes(path), ImageBytes(old));
    EXPECT_EQ(FolderEntries(home.DataFolder()), std::vector<std::string>{"data1.lmr"});
}

TEST(Settings, SaveWhereNoFileCanBeMadeFails)
{
    TempConfigHome home;
    const SSettings s = Patterned();  // the defaults made the data folder
    fs::remove_all(home.DataFolder());
    EXPECT_FALSE(SaveSettings(GetAppDataPath(kSettingsSuffix), s));
    EXPECT_TRUE(fs::is_empty(home.Path()));
    // The folder's name is taken by a file.
    WriteBytes(home.DataFolder(), {1, 2, 3});
    EXPECT_FALSE(SaveSettings(GetAppDataPath(kSettingsSuffix), s));
    EXPECT_EQ(ReadBytes(home.DataFolder()), (Bytes{1, 2, 3}));
    EXPECT_EQ(FolderEntries(home.Path()), std::vector<std::string>{"Lumora"});
}

TEST(DataFolder, AppDataPathFollowsXdgThenHome)
{
    ScopedEnv home("HOME", "/home/someone");
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/cfg/here");
        EXPECT_EQ(GetAppDataPath(kSettingsSuffix), "/cfg/here/Lumora/data1.lmr");
        EXPECT_EQ(GetAppDataPath(kDataFolderSuffix), "/cfg/here/Lumora/");
    }
    for (const char* ignored : {static_cast<const char*>(nullptr), "", "relative/cfg"}) {
        ScopedEnv xdg("XDG_CONFIG_HOME", ignored);
        EXPECT_EQ(GetAppDataPath(kCatalogSuffix), "/home/someone/.config/Lumora/catalog.lmr");
    }
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    ScopedEnv noHome("HOME", nullptr);
    const passwd* pw = getpwuid(getuid());
    ASSERT_NE(pw, nullptr);
    EXPECT_EQ(GetAppDataPath("/x"), std::string(pw->pw_dir) + "/.config/x");
}

TEST(DataFolder, CreatedWithMissingParents)
{
    TempConfigHome home;
    ScopedEnv xdg("XDG_CONFIG_HOME", (home.Path() / "a" / "b").c_str());
    CreateDataFolder();
    EXPECT_TRUE(fs::is_directory(home.Path() / "a" / "b" / "Lumora"));
    CreateDataFolder();  // already there: nothing happens
    EXPECT_TRUE(fs::is_directory(home.Path() / "a" / "b" / "Lumora"));
}
