#pragma once

#include "engines/EngineMenuModel.h"

// Command ids of both popup menus. Every menu choice, and every command the
// bar sends itself, reaches the bar's command routing as one of these.
//
// Engine menu: kFirstEngineCommand + k for the k-th selected engine (at most
// kMaxEngineEntries of them) and kEditCatalogCommand, from EngineMenuModel.h.
inline constexpr int kLastEngineCommand = kFirstEngineCommand + kMaxEngineEntries - 1;  // 350

// Help submenu.
inline constexpr int kHelpTopicsCommand = 360;
inline constexpr int kCheckUpdateCommand = 361;
inline constexpr int kHomePageCommand = 362;
inline constexpr int kContactFormCommand = 363;
inline constexpr int kAboutCommand = 364;

// Colour schemes: 370 + scheme index (0..8). 379 has no entry.
inline constexpr int kFirstSchemeCommand = 370;
inline constexpr int kLastSchemeCommand = 378;
inline constexpr int kRandomCommand = 380;

// Transparency: 390 + level (0 "Not" .. 9 "90%").
inline constexpr int kFirstTransparencyCommand = 390;
inline constexpr int kLastTransparencyCommand = 399;

// Corner rounding: 400 + level (0 "Not" .. 4 "20").
inline constexpr int kFirstRoundingCommand = 400;
inline constexpr int kLastRoundingCommand = 404;

// Search-button look: 420 + view (0 "Not" .. 5 "Go").
inline constexpr int kFirstButtonViewCommand = 420;
inline constexpr int kLastButtonViewCommand = 425;

// Plain entries of the options menu.
inline constexpr int kAutoHideCommand = 450;
inline constexpr int kCatalogCommand = 451;
inline constexpr int kFontCommand = 452;
inline constexpr int kCloseCommand = 453;
