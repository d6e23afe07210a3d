// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>

// Puts the user's language in place for every text shown from now on: the
// program's own translation (built in) and Qt's, for its standard buttons and
// dialogs, when the system has it. A locale without a translation (C,
// English) changes nothing. The translators belong to the application.
// Returns whether the program's own translation was found.
bool InstallTranslations(const QLocale& locale = QLocale());
