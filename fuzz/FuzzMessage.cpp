// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a later start sends the bar over its socket.
#include "FuzzEntryPoints.h"

#include "instance/InstanceChannel.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void Require(bool condition, const char* what)
{
    if (condition) return;
    std::fprintf(stderr, "broken rule: %s\n", what);
    std::abort();
}

}  // namespace

// The first byte sets the size of the parts the rest arrives in: a message
// reads the same whole or in parts, never holds more than its limits, and a
// search's text is exactly what it announced.
void FuzzMessage(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return;
    const std::size_t part = data[0] % 32 + 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    CMessageReader whole;
    whole.Feed(bytes);
    CMessageReader parts;
    for (std::size_t at = 0; at < bytes.size(); at += part) parts.Feed(bytes.substr(at, part));
    Require(whole.State() == parts.State(), "state depends on the parts");
    Require(whole.Message() == parts.Message(), "message depends on the parts");
    Require(whole.Payload() == parts.Payload(), "text depends on the parts");
    Require(whole.Payload().size() <= kMaxPayloadBytes, "text over the limit");

    const bool search =
        whole.Message() == EInstanceMessage::Search || whole.Message() == EInstanceMessage::PrivateSearch;
    Require(search || whole.Payload().empty(), "a text without a search");
    if (search && whole.State() == CMessageReader::EState::Done) {
        // What the reader took is what the sender would have written.
        const std::string encoded = EncodeMessage(whole.Message(), whole.Payload());
        Require(bytes.substr(0, encoded.size()) == encoded, "text differs from its message");
    }
}
