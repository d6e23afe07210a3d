// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/ExecLine.h"

namespace {

// One piece of an argument: literal text, or a field code still to expand.
struct SPiece {
    char code = 0;  // 0 for text
    std::string text;
};

struct SToken {
    std::vector<SPiece> pieces;
    bool quoted = false;  // "" is an empty argument of its own
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

void AddText(SToken& token, char c)
{
    if (token.pieces.empty() || token.pieces.back().code != 0) token.pieces.push_back({});
    token.pieces.back().text += c;
}

std::optional<std::vector<SToken>> Tokenize(std::string_view exec)
{
    std::vector<SToken> tokens;
    bool inToken = false;
    bool inQuote = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (!inQuote && IsBlank(c)) {
            inToken = false;
            continue;
        }
        if (!inToken) {
            tokens.emplace_back();
            inToken = true;
        }
        SToken& token = tokens.back();
        if (c == '"') {
            inQuote = !inQuote;
            token.quoted = true;
        } else if (c == '\\') {
            if (i + 1 == exec.size()) return std::nullopt;
            AddText(token, exec[++i]);
        } else if (c == '%') {
            if (i + 1 == exec.size()) return std::nullopt;
            const char code = exec[++i];
            if (code == '%') {
                AddText(token, '%');
            } else {
                if (inQuote) return std::nullopt;
                token.pieces.push_back({code, {}});
            }
        } else {
            AddText(token, c);
        }
    }
    if (inQuote) return std::nullopt;
    return tokens;
}

bool IsAddressCode(char code)
{
    return code == 'u' || code == 'U' || code == 'f' || code == 'F';
}

bool IsDeprecatedCode(char code)
{
    return code == 'd' || code == 'D' || code == 'n' || code == 'N' || code == 'v' || code == 'm';
}

}  // namespace

std::optional<std::vector<std::string>> ExpandExec(std::string_view exec, const SExecFields& fields)
{
    const std::optional<std::vector<SToken>> tokens = Tokenize(exec);
    if (!tokens) return std::nullopt;

    std::vector<std::string> args;
    bool addressGiven = false;
    // Only the first address code gets the one address; later ones vanish.
    auto takeAddress = [&]() -> std::string {
        if (addressGiven) return {};
        addressGiven = true;
        return fields.address;
    };

    // The program comes from the entry alone: an address there would be run.
    if (tokens->empty()) return std::nullopt;
    for (const SPiece& piece : tokens->front().pieces)
        if (piece.code != 0) return std::nullopt;

    for (const SToken& token : *tokens) {
        const bool alone = token.pieces.size() == 1 && token.pieces.front().code != 0 && !token.quoted;
        if (alone) {
            const char code = token.pieces.front().code;
            if (IsAddressCode(code)) {
                const bool first = !addressGiven;
                std::string address = takeAddress();
                if (first) args.push_back(std::move(address));
            } else if (code == 'i') {
                if (!fields.icon.empty()) {
                    args.push_back("--icon");
                    args.push_back(fields.icon);
                }
            } else if (code == 'c' || code == 'k') {
                const std::string& value = code == 'c' ? fields.name : fields.location;
                if (!value.empty()) args.push_back(value);
            } else if (!IsDeprecatedCode(code)) {
                return std::nullopt;
            }
            continue;
        }
        std::string arg;
        for (const SPiece& piece : token.pieces) {
            switch (piece.code) {
            case 0: arg += piece.text; break;
            case 'u':
            case 'f': arg += takeAddress(); break;
            case 'c': arg += fields.name; break;
            case 'k': arg += fields.location; break;
            default:
                // Lists and the icon's two arguments cannot sit inside another.
                if (!IsDeprecatedCode(piece.code)) return std::nullopt;
            }
        }
        args.push_back(std::move(arg));
    }
    if (args.empty() || args.front().empty()) return std::nullopt;
    if (!addressGiven) args.push_back(fields.address);
    return args;
}
