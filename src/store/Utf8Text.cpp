// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/Utf8Text.h"

#include <cstddef>

namespace {

// The code point that starts at text[i] and its length in bytes; length 0
// when the bytes there are not a well-formed sequence.
struct SDecoded {
    char32_t code = 0;
    std::size_t length = 0;
};

SDecoded Decode(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0;  // smallest code point this length may carry
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        least = 0x10000;
    } else {
        return {};
    }
    if (text.size() - i < length) return {};
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = byte(i + k);
        if ((next & 0xC0) != 0x80) return {};
        code = code << 6 | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {code, length};
}

void Encode(char32_t code, std::string& out)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

constexpr bool In(char32_t code, char32_t first, char32_t last)
{
    return code >= first && code <= last;
}

// In ranges where capitals and small letters alternate, the capital is the
// even (or, for `oddCapitals`, the odd) one of each pair.
constexpr char32_t PairLower(char32_t code, bool oddCapitals = false)
{
    return (code % 2 == 1) == oddCapitals ? code + 1 : code;
}

char32_t FoldCodePoint(char32_t c)
{
    if (c < 0x80) return In(c, 'A', 'Z') ? c + 0x20 : c;
    if (c < 0x100) {
        if (c == 0xB5) return 0x3BC;  // micro sign: Greek mu
        return In(c, 0xC0, 0xDE) && c != 0xD7 ? c + 0x20 : c;
    }
    if (c < 0x180) {
        if (c == 0x130) return 'i';
        if (c == 0x178) return 0xFF;
        if (c == 0x17F) return 's';
        if (In(c, 0x100, 0x12F) || In(c, 0x132, 0x137) || In(c, 0x14A, 0x177)) return PairLower(c);
        if (In(c, 0x139, 0x148) || In(c, 0x179, 0x17E)) return PairLower(c, true);
        return c;
    }
    if (In(c, 0x370, 0x3FF)) {
        if (c == 0x386) return 0x3AC;
        if (In(c, 0x388, 0x38A)) return c + 37;
        if (c == 0x38C) return 0x3CC;
        if (In(c, 0x38E, 0x38F)) return c + 63;
        if (In(c, 0x391, 0x3AB) && c != 0x3A2) return c + 32;
        if (c == 0x3C2) return 0x3C3;  // final sigma
        return c;
    }
    if (In(c, 0x400, 0x52F)) {
        if (In(c, 0x400, 0x40F)) return c + 80;
        if (In(c, 0x410, 0x42F)) return c + 32;
        if (c == 0x4C0) return 0x4CF;
        if (In(c, 0x4C1, 0x4CE)) return PairLower(c, true);
        if (In(c, 0x460, 0x481) || In(c, 0x48A, 0x4BF) || In(c, 0x4D0, 0x52F)) return PairLower(c);
        return c;
    }
    if (In(c, 0x531, 0x556)) return c + 48;
    if (c == 0x1E9E) return 0xDF;  // capital sharp s
    if (In(c, 0x1E00, 0x1E95) || In(c, 0x1EA0, 0x1EFF)) return PairLower(c);
    if (In(c, 0xFF21, 0xFF3A)) return c + 32;  // fullwidth Latin
    return c;
}

}  // namespace

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const SDecoded d = Decode(text, i);
        if (d.length == 0) return false;
        i += d.length;
    }
    return true;
}

std::string FoldCase(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        // The common case, ASCII, without decoding.
        if (lead < 0x80) {
            out += static_cast<char>(lead >= 'A' && lead <= 'Z' ? lead + 0x20 : lead);
            ++i;
            continue;
        }
        const SDecoded d = Decode(text, i);
        if (d.length == 0) {
            out += text[i++];
            continue;
        }
        Encode(FoldCodePoint(d.code), out);
        i += d.length;
    }
    return out;
}
