// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>

// Entry points shared by the libFuzzer targets and the corpus replay test.
// Each runs one input through a file reader and checks what must hold for
// any input; a broken rule aborts.
void FuzzCatalog(const std::uint8_t* data, std::size_t size);
void FuzzSettings(const std::uint8_t* data, std::size_t size);
void FuzzIni(const std::uint8_t* data, std::size_t size);
void FuzzHistory(const std::uint8_t* data, std::size_t size);
// Firefox's search settings: the input as a mozLz4 file and as plain JSON.
void FuzzMozLz4(const std::uint8_t* data, std::size_t size);
void FuzzOpenSearch(const std::uint8_t* data, std::size_t size);
// Firefox's omni.ja: the search configuration out of the zip, then parsed.
void FuzzJar(const std::uint8_t* data, std::size_t size);
// A desktop entry or a mimeapps.list: the entry's Exec lines and its
// private-window command, with an address that must stay one argument.
void FuzzDesktopEntry(const std::uint8_t* data, std::size_t size);
// A message on the bar's socket (FuzzMessage.cpp).
void FuzzMessage(const std::uint8_t* data, std::size_t size);
