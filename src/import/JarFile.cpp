// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/JarFile.h"

#include "import/ImportTypes.h"

#include <zlib.h>

#include <cstring>

namespace {

constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kCentralSignature = 0x02014b50;
constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::size_t kEndSize = 22;
constexpr std::size_t kCentralSize = 46;
constexpr std::size_t kLocalSize = 30;
constexpr std::size_t kMaxComment = 0xFFFF;

std::uint32_t At(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t width)
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < width; ++i) v |= std::uint32_t{b[at + i]} << (8 * i);
    return v;
}

bool Fits(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t size)
{
    return at <= b.size() && size <= b.size() - at;
}

bool Inflate(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out)
{
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return false;
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = static_cast<uInt>(size);
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = inflate(&z, Z_FINISH);
    const bool ok = rc == Z_STREAM_END && z.total_out == out.size();
    inflateEnd(&z);
    return ok;
}

}  // namespace

bool ReadJarEntry(const std::vector<std::uint8_t>& jar, std::string_view name, std::vector<std::uint8_t>& out,
                  std::string& error)
{
    out.clear();
    error = "damaged archive";
    if (jar.size() < kEndSize) return false;
    // The end record is last, followed only by a comment.
    std::size_t end = jar.size() - kEndSize;
    const std::size_t lowest = end > kMaxComment ? end - kMaxComment : 0;
    while (At(jar, end, 4) != kEndSignature) {
        if (end == lowest) return false;
        --end;
    }
    const std::uint32_t entries = At(jar, end + 10, 2);
    const std::uint32_t directorySize = At(jar, end + 12, 4);
    std::size_t directory = At(jar, end + 16, 4);
    // Mozilla's optimised jars keep the directory at the front; the offsets
    // inside it still count from the start of the file.
    if (!Fits(jar, directory, 4) || At(jar, directory, 4) != kCentralSignature) {
        if (directorySize > end) return false;
        directory = end - directorySize;
        if (At(jar, directory, 4) != kCentralSignature) {
            directory = 4;
            if (!Fits(jar, directory, 4) || At(jar, directory, 4) != kCentralSignature) return false;
        }
    }
    std::size_t at = directory;
    for (std::uint32_t i = 0; i < entries; ++i) {
        if (!Fits(jar, at, kCentralSize) || At(jar, at, 4) != kCentralSignature) return false;
        const std::uint32_t method = At(jar, at + 10, 2);
        const std::uint32_t packed = At(jar, at + 20, 4);
        const std::uint32_t size = At(jar, at + 24, 4);
        const std::size_t nameLength = At(jar, at + 28, 2);
        const std::size_t skip = nameLength + At(jar, at + 30, 2) + At(jar, at + 32, 2);
        const std::size_t local = At(jar, at + 42, 4);
        if (!Fits(jar, at + kCentralSize, nameLength)) return false;
        const std::string_view entry(reinterpret_cast<const char*>(jar.data() + at + kCentralSize), nameLength);
        at += kCentralSize + skip;
        if (entry != name) continue;
        if (size > kMaxImportBytes) {
            error = "too large";
            return false;
        }
        if (!Fits(jar, local, kLocalSize) || At(jar, local, 4) != kLocalSignature) return false;
        const std::size_t data = local + kLocalSize + At(jar, local + 26, 2) + At(jar, local + 28, 2);
        if (!Fits(jar, data, packed)) return false;
        out.resize(size);
        if (method == 0 && packed == size) {
            if (size) std::memcpy(out.data(), jar.data() + data, size);
        } else if (method != Z_DEFLATED || !Inflate(jar.data() + data, packed, out)) {
            out.clear();
            return false;
        }
        error.clear();
        return true;
    }
    error = "missing";
    return false;
}
