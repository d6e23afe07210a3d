// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engines/Catalog.h"
#include "store/CatalogFile.h"
#include "store/DataFolder.h"

#include "common/FileBytes.h"
#include "common/TempConfigHome.h"
#include "store/Fixtures.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <cstdlib>
#include <new>

namespace fs = std::filesystem;

// The largest single allocation since the last reset, to prove that damaged
// lengths and counts never turn into big requests.
static std::atomic<std::size_t> g_largestAllocation{0};

void* operator new(std::size_t size)
{
    std::size_t seen = g_largestAllocation.load();
    while (size > seen && !g_largestAllocation.compare_exchange_weak(seen, size)) {
    }
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// Not inlined: the compiler would pair the free() with the call to the
// replaceable operator new and warn about a mismatch that is not there.
__attribute__((noinline)) void operator delete(void* p) noexcept
{
    std::free(p);
}
__attribute__((noinline)) void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

SSearch Engine(std::string abbreviation, std::string group, std::string name, std::string url, bool selected = true,
               std::int32_t extra = 0)
{
    SSearch r;
    r.name = std::move(name);
    r.url = std::move(url);
    r.abbreviation = std::move(abbreviation);
    r.group = std::move(group);
    r.selected = selected;
    r.extra = extra;
    return r;
}

CEngineList ListOf(std::initializer_list<SSearch> records)
{
    CEngineList list;
    for (const SSearch& r : records) list.Append(r);
    return list;
}

SSearch Google()
{
    return Engine("g", "Search", "Google", "http://www.google.com/search?q=[keyword]");
}

Bytes Le32(std::int32_t v)
{
    Bytes b;
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
    return b;
}

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Text(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

Bytes Utf16(const std::u16string& s)
{
    Bytes b;
    for (char16_t c : s) {
        b.push_back(static_cast<std::uint8_t>(c & 0xFF));
        b.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return b;
}

// A one-record image whose abbreviation is stored as `encoded`; the other
// strings are empty.
Bytes WithAbbreviation(const Bytes& encoded)
{
    return Cat({Le32(1), {0, 0, 0, 0, 0}, encoded, {0, 0, 0}});
}

bool ReadImage(const Bytes& b, CEngineList& list)
{
    return ReadCatalog(b.data(), b.size(), list);
}

}  // namespace

TEST(CatalogFile, GoogleRecordByteForByte)
{
    const Bytes expected = Fixture("google.lmr");
    ASSERT_EQ(expected.size(), 66u);
    const CEngineList list = ListOf({Google()});
    EXPECT_EQ(WriteCatalog(list), expected);
    const Bytes head = {1,   0,   0,   0,   1,   0, 0,   0,   0,   1,   'g', 6,   'S',
                        'e', 'a', 'r', 'c', 'h', 6, 'G', 'o', 'o', 'g', 'l', 'e', 40};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), expected.begin()));

    CEngineList read;
    ASSERT_TRUE(ReadImage(expected, read));
    EXPECT_EQ(read, list);
}

TEST(CatalogFile, WriterPrefixes)
{
    struct Case {
        std::size_t n;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        const std::string name(c.n, 'n');
        const CEngineList list = ListOf({Engine("", "", name, "u", false, 0)});
        const Bytes image = WriteCatalog(list);
        // count, selected, extra, two empty strings, then the name's prefix
        const Bytes expected = Cat({Le32(1), {0, 0, 0, 0, 0, 0, 0}, c.prefix, Text(name), {1, 'u'}});
        EXPECT_EQ(image, expected) << "n = " << c.n;
        CEngineList read;
        ASSERT_TRUE(ReadImage(image, read)) << c.n;
        EXPECT_EQ(read, list) << c.n;
    }
}

TEST(CatalogFile, ReaderAcceptsEveryLengthForm)
{
    const Bytes abc = Text("abc");
    const Bytes wideAbc = Utf16(u"abc");
    struct Case {
        const char* what;
        Bytes encoded;
        std::string held;
    };
    const Case cases[] = {
        {"1-byte", Cat({{3}, abc}), "abc"},
        {"2-byte", Cat({{0xFF, 3, 0}, abc}), "abc"},
        {"4-byte", Cat({{0xFF, 0xFF, 0xFF, 3, 0, 0, 0}, abc}), "abc"},
        {"8-byte", Cat({{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0, 0, 0, 0, 0}, abc}), "abc"},
        {"zero inside", {4, 'a', 0, 'b', 0}, std::string("a\0b\0", 4)},
        {"not UTF-8", {3, 0xC3, 0x28, 0xFF}, "\xC3\x28\xFF"},
        {"wide 1-byte", Cat({{0xFF, 0xFE, 0xFF, 3}, wideAbc}), "abc"},
        {"wide 2-byte", Cat({{0xFF, 0xFE, 0xFF, 0xFF, 3, 0}, wideAbc}), "abc"},
        {"wide 4-byte", Cat({{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0}, wideAbc}), "abc"},
        {"wide non-ASCII", Cat({{0xFF, 0xFE, 0xFF, 6}, Utf16(std::u16string(u"é€\U0001F600\0z", 6))}),
         std::string("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\0z", 11)},
        {"lone surrogates", Cat({{0xFF, 0xFE, 0xFF, 4}, Utf16({0xD800, u'a', 0xDC00, 0xD83D})}),
         "\xEF\xBF\xBD"
         "a\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"empty wide", {0xFF, 0xFE, 0xFF, 0}, ""},
    };
    for (const Case& c : cases) {
        CEngineList list;
        ASSERT_TRUE(ReadImage(WithAbbreviation(c.encoded), list)) << c.what;
        ASSERT_EQ(list.Count(), 1) << c.what;
        EXPECT_EQ(list.At(0).abbreviation, c.held) << c.what;
        // Saved back in the 8-bit form, bytes as held.
        const Bytes back = WriteCatalog(list);
        EXPECT_EQ(back, WithAbbreviation(Cat({{static_cast<std::uint8_t>(c.held.size())}, Text(c.held)}))) << c.what;
    }
}

TEST(CatalogFile, SecondMarkerIsALength)
{
    // After the marker, FF then FE FF is the 2-byte length 65534, not a marker.
    const std::u16string chars(65534, u'\u00FC');
    CEngineList list;
    ASSERT_TRUE(ReadImage(WithAbbreviation(Cat({{0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF}, Utf16(chars)})), list));
    std::string expected;
    for (int i = 0; i < 65534; ++i) expected += "\xC3\xBC";
    EXPECT_EQ(list.At(0).abbreviation, expected);
}

TEST(CatalogFile, WideFixtureIsHeldAsUtf8AndSavedNarrow)
{
    CEngineList list;
    ASSERT_TRUE(ReadImage(Fixture("wide.lmr"), list));
    const CEngineList expected =
        ListOf({Engine("wp", "Référence", "Wikipédia €", "http://fr.example.org/w?search=[keyword]", true, -2)});
    EXPECT_EQ(list, expected);
    CEngineList again;
    ASSERT_TRUE(ReadImage(WriteCatalog(list), again));
    EXPECT_EQ(again, expected);
}

TEST(CatalogFile, SelectedByteSevenReadsSelectedAndWritesOne)
{
    Bytes image = Fixture("google.lmr");
    image[4] = 7;
    CEngineList list;
    ASSERT_TRUE(ReadImage(image, list));
    EXPECT_TRUE(list.At(0).selected);
    EXPECT_EQ(WriteCatalog(list), Fixture("google.lmr"));
}

TEST(CatalogFile, CountZeroOrNegativeIsAnEmptyList)
{
    for (std::int32_t count : {0, -5, INT_MIN}) {
        CEngineList list = ListOf({Google()});
        // Trailing bytes after the last record are ignored.
        ASSERT_TRUE(ReadImage(Cat({Le32(count), Text("garbage")}), list)) << count;
        EXPECT_EQ(list.Count(), 0) << count;
    }
    CEngineList list = ListOf({Google()});
    Bytes image = Fixture("google.lmr");
    image.push_back(0xFF);
    ASSERT_TRUE(ReadImage(image, list));
    EXPECT_EQ(list, ListOf({Google()}));
}

TEST(CatalogFile, EveryCutFailsKeepingTheCompleteRecords)
{
    const CEngineList full =
        ListOf({Google(), Engine("y", "Search", "Yahoo!", "http://search.yahoo.com/search?p=[keyword]", false, 3),
                Engine("w", "Reference", "Wikipedia", std::string(300, 'w'), true, -1)});
    const Bytes image = WriteCatalog(full);
    const std::size_t firstEnd = 66;
    const std::size_t secondEnd = firstEnd + 1 + 4 + 2 + 7 + 7 + 1 + 42;
    for (std::size_t cut = 0; cut < image.size(); ++cut) {
        CEngineList list = ListOf({Google()});
        ASSERT_FALSE(ReadCatalog(image.data(), cut, list)) << cut;
        const int complete = cut < firstEnd ? 0 : cut < secondEnd ? 1 : 2;
        ASSERT_EQ(list.Count(), complete) << cut;
        for (int i = 0; i < complete; ++i) EXPECT_EQ(list.At(i), full.At(i));
    }
    // Through the file: the third record cut in its URL.
    TempConfigHome home;
    CreateDataFolder();
    const std::string path = GetAppDataPath(kCatalogSuffix);
    WriteBytes(path, Bytes(image.begin(), image.end() - 100));
    CEngineList list;
    EXPECT_FALSE(LoadCatalog(path, list));
    EXPECT_EQ(list.Count(), 2);
}

TEST(CatalogFile, HugeLengthsAndCountsAllocateNothingBig)
{
    const Bytes google = Fixture("google.lmr");
    const Bytes cases[] = {
        // 8-byte length 0x7FFFFFFF with a few bytes behind it
        WithAbbreviation(
            Cat({{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0}, Bytes(80, 'a')})),
        // 8-byte length above 0x7FFFFFFF
        WithAbbreviation({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 0, 0, 0, 0, 'a'}),
        WithAbbreviation({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
        // 4-byte length 0xFFFFFFFE
        WithAbbreviation({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 'a', 'b'}),
        // 16-bit: 0x7FFFFFFF characters
        WithAbbreviation({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 0}),
        // a count of two billion with one record present
        Cat({Le32(INT_MAX), Bytes(google.begin() + 4, google.end())}),
    };
    for (const Bytes& image : cases) {
        CEngineList list;
        g_largestAllocation = 0;
        EXPECT_FALSE(ReadImage(image, list));
        EXPECT_LT(g_largestAllocation.load(), 64u * 1024);
    }
}

TEST(CatalogFile, LoadLeavesListAloneWhenFileCannotBeOpened)
{
    TempConfigHome home;
    const CEngineList before = ListOf({Google()});
    CEngineList list = before;
    EXPECT_FALSE(LoadCatalog(GetAppDataPath(kCatalogSuffix), list));
    EXPECT_EQ(list, before);
    // A folder opens but cannot be read: a failed load like any other.
    fs::create_directories(GetAppDataPath(kCatalogSuffix));
    EXPECT_FALSE(LoadCatalog(GetAppDataPath(kCatalogSuffix), list));
    EXPECT_EQ(list.Count(), 0);
}

TEST(CatalogFile, SaveLoadRoundTrip)
{
    TempConfigHome home;
    CreateDataFolder();
    const std::string path = GetAppDataPath(kCatalogSuffix);

    CEngineList built;
    BuildDefaultCatalog(built);
    ASSERT_EQ(built.Count(), 79);

    std::string binary;
    for (int i = 0; i < 256; ++i) binary.push_back(static_cast<char>(i));
    const CEngineList varied = ListOf({
        Engine("", "", "", "", false, 0),
        Engine("null", "Other", "null", "no placeholder", true, INT_MIN),
        Engine(binary, std::string(255, 'g'), std::string(65534, 'n'), std::string(70000, 'u'), false, INT_MAX),
        Google(),
        Google(),  // repeats are kept
        Engine("Ω", "Référence", "Wikipédia", "http://fr.example.org/?q=[keyword]", true, -1),
    });
    for (const CEngineList& list : {built, varied, CEngineList{}}) {
        ASSERT_TRUE(SaveCatalog(path, list));
        EXPECT_EQ(ReadBytes(path), WriteCatalog(list));
        CEngineList loaded = ListOf({Google()});
        ASSERT_TRUE(LoadCatalog(path, loaded));
        EXPECT_EQ(loaded, list);
    }
    EXPECT_EQ(FolderEntries(home.DataFolder()), std::vector<std::string>{"catalog.lmr"});
}

TEST(CatalogFile, CharsetsFollowTheRecordsAndOlderFilesMeanUtf8)
{
    CEngineList list = ListOf({Google(), Engine("mt", "Dictionary", "Multitran", "https://mt.example/?s=[keyword]")});
    const std::vector<std::uint8_t> plain = WriteCatalog(list);
    list.At(1).charset = "windows-1251";
    const std::vector<std::uint8_t> withCharsets = WriteCatalog(list);

    // The records are byte for byte those of a file without charsets; the
    // charsets come after them, where older readers stop reading.
    ASSERT_GT(withCharsets.size(), plain.size());
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), withCharsets.begin()));
    CEngineList loaded;
    ASSERT_TRUE(ReadCatalog(withCharsets.data(), withCharsets.size(), loaded));
    EXPECT_EQ(loaded, list);

    // A file without them, or with a damaged or foreign tail: UTF-8 for all.
    ASSERT_TRUE(ReadCatalog(plain.data(), plain.size(), loaded));
    EXPECT_EQ(loaded.At(1).charset, "");
    std::vector<std::uint8_t> cut(withCharsets.begin(), withCharsets.end() - 3);
    ASSERT_TRUE(ReadCatalog(cut.data(), cut.size(), loaded));
    EXPECT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.At(1).charset, "");
    std::vector<std::uint8_t> foreign = plain;
    for (const char c : std::string("trailing bytes")) foreign.push_back(static_cast<std::uint8_t>(c));
    ASSERT_TRUE(ReadCatalog(foreign.data(), foreign.size(), loaded));
    EXPECT_EQ(loaded.At(1).charset, "");
}
