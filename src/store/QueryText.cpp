// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/QueryText.h"

#include "store/Utf8Text.h"

namespace {

// Length of the sequence a lead byte starts; 0 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

enum class EKind {
    Keep,
    Space,
    Drop
};

EKind KindOf(std::string_view sequence)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(sequence[k]); };
    if (sequence.size() == 1) {
        const unsigned char c = byte(0);
        if (c == '\n' || c == '\r' || c == '\t' || c == '\v' || c == '\f') return EKind::Space;
        return c < 0x20 || c == 0x7F ? EKind::Drop : EKind::Keep;
    }
    // U+0085 (next line) breaks a line; the rest of U+0080-U+009F are controls.
    if (sequence.size() == 2 && byte(0) == 0xC2 && byte(1) <= 0x9F) return byte(1) == 0x85 ? EKind::Space : EKind::Drop;
    // U+2028 and U+2029, the line and paragraph separators.
    if (sequence.size() == 3 && byte(0) == 0xE2 && byte(1) == 0x80 && (byte(2) == 0xA8 || byte(2) == 0xA9))
        return EKind::Space;
    return EKind::Keep;
}

}  // namespace

std::string CleanQueryText(std::string_view text, std::size_t maxCharacters)
{
    std::string out;
    std::size_t characters = 0;
    std::size_t i = 0;
    while (i < text.size() && characters < maxCharacters) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(text[i]));
        const std::string_view sequence = text.substr(i, length == 0 ? 1 : length);
        if (length == 0 || sequence.size() < length || !IsValidUtf8(sequence)) {
            ++i;  // a stray byte
            continue;
        }
        i += length;
        // "\r\n" is one line break.
        if (sequence == "\r" && i < text.size() && text[i] == '\n') ++i;
        switch (KindOf(sequence)) {
        case EKind::Drop: continue;
        case EKind::Space:
            if (out.empty()) continue;  // leading
            out += ' ';
            break;
        case EKind::Keep:
            if (sequence == " " && out.empty()) continue;
            out.append(sequence);
            break;
        }
        ++characters;
    }
    const std::size_t last = out.find_last_not_of(' ');
    out.erase(last == std::string::npos ? 0 : last + 1);
    return out;
}
