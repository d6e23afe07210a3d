// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The product's own web pages. The help and home pages carry "ref" so the
// site can tell visits from the bar apart.
inline constexpr const char* kHomePageAddress = "https://lumora-search.org/?ref=lumora";
inline constexpr const char* kHelpPageAddress = "https://lumora-search.org/help/?ref=lumora";
inline constexpr const char* kContactFormAddress = "https://lumora-search.org/contact/";
