// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Makes screen readers see each link control (CSimpleLink) as a link named by
// its caption whose press opens it, as a click does. Every link installs it
// when made; later calls do nothing.
void InstallLinkAccessible();
