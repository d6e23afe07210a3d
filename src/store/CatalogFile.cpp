// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogFile.h"

#include "AtomicFile.h"
#include "ReadFile.h"

#include <cstring>
#include <utility>

namespace {

// 2-byte value that marks a string of 16-bit characters.
constexpr std::uint16_t kWideMarker = 0xFFFE;
// After the last record, only when some engine has a charset other than
// UTF-8: this tag, the record count again and one string per record.
// Readers that predate it ignore bytes after the last record, and a file
// without it means UTF-8 throughout.
constexpr std::uint8_t kCharsetTag[8] = {'L', 'm', 'r', 'C', 'h', 'r', 's', '1'};

// Largest length the 8-byte form may carry.
constexpr std::uint64_t kMaxLongLength = 0x7FFFFFFF;

// Sequential little-endian reads from a memory image. Every read checks the
// bytes left, so a damaged file can only fail, never overrun.
class CReader {
public:
    CReader(const std::uint8_t* data, std::size_t size)
        : m_p(data),
          m_left(data ? size : 0)
    {}

    bool Byte(std::uint8_t& v)
    {
        if (m_left < 1) return false;
        v = *m_p++;
        --m_left;
        return true;
    }
    bool U16(std::uint16_t& v)
    {
        std::uint64_t x;
        if (!Little(2, x)) return false;
        v = static_cast<std::uint16_t>(x);
        return true;
    }
    bool U32(std::uint32_t& v)
    {
        std::uint64_t x;
        if (!Little(4, x)) return false;
        v = static_cast<std::uint32_t>(x);
        return true;
    }
    bool U64(std::uint64_t& v) { return Little(8, v); }

    // Hands out the next n bytes in place.
    bool Take(std::uint64_t n, const std::uint8_t*& out)
    {
        if (n > m_left) return false;
        out = m_p;
        m_p += n;
        m_left -= static_cast<std::size_t>(n);
        return true;
    }

private:
    bool Little(std::size_t width, std::uint64_t& v)
    {
        if (m_left < width) return false;
        v = 0;
        for (std::size_t i = 0; i < width; ++i) v |= std::uint64_t{m_p[i]} << (8 * i);
        m_p += width;
        m_left -= width;
        return true;
    }

    const std::uint8_t* m_p;
    std::size_t m_left;
};

// Reads a length prefix. Each escape value (all bits set) moves on to the
// next wider form; the marker may appear once, right after the first byte.
bool ReadLength(CReader& in, std::uint64_t& length, bool& wide)
{
    wide = false;
    std::uint8_t b;
    if (!in.Byte(b)) return false;
    if (b < 0xFF) {
        length = b;
        return true;
    }
    std::uint16_t w;
    if (!in.U16(w)) return false;
    if (w == kWideMarker) {
        wide = true;
        if (!in.Byte(b)) return false;
        if (b < 0xFF) {
            length = b;
            return true;
        }
        // This value is a length or an escape, never a second marker.
        if (!in.U16(w)) return false;
    }
    if (w < 0xFFFF) {
        length = w;
        return true;
    }
    std::uint32_t d;
    if (!in.U32(d)) return false;
    if (d < 0xFFFFFFFF) {
        length = d;
        return true;
    }
    std::uint64_t q;
    if (!in.U64(q)) return false;
    if (q > kMaxLongLength) return false;
    length = q;
    return true;
}

void AppendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// UTF-16LE to UTF-8; a surrogate without its partner becomes U+FFFD.
void Utf16ToUtf8(const std::uint8_t* p, std::size_t units, std::string& out)
{
    constexpr std::uint32_t kReplacement = 0xFFFD;
    out.clear();
    out.reserve(units);
    auto unit = [p](std::size_t i) { return std::uint32_t{p[2 * i]} | std::uint32_t{p[2 * i + 1]} << 8; };
    for (std::size_t i = 0; i < units; ++i) {
        const std::uint32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const std::uint32_t low = unit(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? kReplacement : u);
    }
}

bool ReadString(CReader& in, std::string& out)
{
    std::uint64_t length;
    bool wide;
    if (!ReadLength(in, length, wide)) return false;
    // The length is checked against the bytes actually present before
    // anything is allocated, so a damaged prefix cannot ask for gigabytes.
    const std::uint64_t bytes = wide ? 2 * length : length;
    const std::uint8_t* chars;
    if (!in.Take(bytes, chars)) return false;
    if (wide)
        Utf16ToUtf8(chars, static_cast<std::size_t>(length), out);
    else
        out.assign(reinterpret_cast<const char*>(chars), static_cast<std::size_t>(bytes));
    return true;
}

bool ReadRecord(CReader& in, SSearch& r)
{
    std::uint8_t selected;
    std::uint32_t extra;
    if (!in.Byte(selected) || !in.U32(extra)) return false;
    r.selected = selected != 0;
    r.extra = static_cast<std::int32_t>(extra);
    return ReadString(in, r.abbreviation) && ReadString(in, r.group) && ReadString(in, r.name) && ReadString(in, r.url);
}

std::size_t PrefixSize(std::uint64_t n)
{
    if (n < 0xFF) return 1;
    if (n < 0xFFFE) return 3;
    if (n < 0xFFFFFFFF) return 7;
    return 15;
}

class CWriter {
public:
    explicit CWriter(std::uint8_t* p)
        : m_p(p)
    {}

    void Byte(std::uint8_t v) { *m_p++ = v; }
    void Little(std::uint64_t v, std::size_t width)
    {
        for (std::size_t i = 0; i < width; ++i) *m_p++ = static_cast<std::uint8_t>(v >> (8 * i));
    }
    // Always the 8-bit form; 0xFFFE is skipped as a 2-byte length because the
    // reader takes it for the 16-bit marker.
    void String(const std::string& s)
    {
        const std::uint64_t n = s.size();
        if (n < 0xFF) {
            Byte(static_cast<std::uint8_t>(n));
        } else if (n < 0xFFFE) {
            Byte(0xFF);
            Little(n, 2);
        } else if (n < 0xFFFFFFFF) {
            Byte(0xFF);
            Little(0xFFFF, 2);
            Little(n, 4);
        } else {
            Byte(0xFF);
            Little(0xFFFF, 2);
            Little(0xFFFFFFFF, 4);
            Little(n, 8);
        }
        if (!s.empty()) std::memcpy(m_p, s.data(), s.size());
        m_p += s.size();
    }

private:
    std::uint8_t* m_p;
};

std::size_t StringSize(const std::string& s)
{
    return PrefixSize(s.size()) + s.size();
}

// The charsets after the records. A damaged or foreign tail is ignored as
// before: the engines keep UTF-8.
void ReadCharsets(CReader& in, CEngineList& engines)
{
    const std::uint8_t* tag;
    std::uint32_t count;
    if (!in.Take(sizeof kCharsetTag, tag) || std::memcmp(tag, kCharsetTag, sizeof kCharsetTag) != 0 || !in.U32(count) ||
        count != static_cast<std::uint32_t>(engines.Count()))
        return;
    std::vector<std::string> charsets(count);
    for (std::string& charset : charsets)
        if (!ReadString(in, charset)) return;
    for (std::uint32_t i = 0; i < count; ++i) engines.At(static_cast<int>(i)).charset = std::move(charsets[i]);
}

}  // namespace

bool ReadCatalog(const std::uint8_t* data, std::size_t size, CEngineList& engines)
{
    engines.RemoveAll();
    CReader in(data, size);
    std::uint32_t raw;
    if (!in.U32(raw)) return false;
    const auto count = static_cast<std::int32_t>(raw);
    // The count is only a loop bound: memory grows with the records actually
    // present, never with what a damaged count claims.
    SSearch record;
    for (std::int32_t i = 0; i < count; ++i) {
        if (!ReadRecord(in, record)) return false;
        // Grow by one default record and swap the parsed one in: no string is
        // copied, and the list's own growth stays amortised.
        engines.SetCount(i + 1);
        std::swap(engines.At(i), record);
    }
    ReadCharsets(in, engines);
    return true;
}

std::vector<std::uint8_t> WriteCatalog(const CEngineList& engines)
{
    std::size_t total = 4;
    bool charsets = false;
    for (const SSearch& r : engines) {
        total += 1 + 4 + StringSize(r.abbreviation) + StringSize(r.group) + StringSize(r.name) + StringSize(r.url);
        charsets = charsets || !r.charset.empty();
    }
    if (charsets) {
        total += sizeof kCharsetTag + 4;
        for (const SSearch& r : engines) total += StringSize(r.charset);
    }
    std::vector<std::uint8_t> image(total);
    CWriter out(image.data());
    out.Little(static_cast<std::uint32_t>(engines.Count()), 4);
    for (const SSearch& r : engines) {
        out.Byte(r.selected ? 1 : 0);
        out.Little(static_cast<std::uint32_t>(r.extra), 4);
        out.String(r.abbreviation);
        out.String(r.group);
        out.String(r.name);
        out.String(r.url);
    }
    if (charsets) {
        for (const std::uint8_t b : kCharsetTag) out.Byte(b);
        out.Little(static_cast<std::uint32_t>(engines.Count()), 4);
        for (const SSearch& r : engines) out.String(r.charset);
    }
    return image;
}

bool LoadCatalog(const std::string& path, CEngineList& engines)
{
    std::vector<std::uint8_t> image;
    switch (ReadFile(path, image)) {
    case EReadFile::CannotOpen: return false;  // the list stays as it was
    case EReadFile::ReadFailed:
        engines.RemoveAll();  // as for a damaged file
        return false;
    case EReadFile::Read: break;
    }
    return ReadCatalog(image.data(), image.size(), engines);
}

bool SaveCatalog(const std::string& path, const CEngineList& engines)
{
    const std::vector<std::uint8_t> image = WriteCatalog(engines);
    return WriteFileAtomically(path, image.data(), image.size());
}
