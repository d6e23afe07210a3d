// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLabel;
class QWidget;

// Binds a label to the control it names, so a screen reader says the label
// with the control. The label's text also becomes the accessible name of the
// control (item views take their name from nothing else) and of a field
// inside it that takes the keyboard itself (a QKeySequenceEdit's), which is
// what the screen reader meets there; names set before are kept.
void BindLabel(QLabel* label, QWidget* control);
