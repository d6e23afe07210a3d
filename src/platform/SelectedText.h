// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The text the user has selected in any program: the X primary selection,
// or, where nothing is selected (or the platform has no such selection),
// the clipboard's text. Empty when neither holds text. Waits for a foreign
// owner's answer only as long as Qt's clipboard does (a few seconds), so a
// hung owner cannot hold the bar for good.
QString SelectedText();
