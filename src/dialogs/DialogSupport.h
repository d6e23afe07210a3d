// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class CSimpleLink;
class QDialog;
class QLabel;
class QPushButton;
class QWidget;

// Dialog layouts are drawn in dialog units (platform/DialogUnits.h) for a
// narrow 8-point dialog font; our default font is wider, so statics and
// buttons grow right and down until their text fits instead of clipping it.

// Puts a control on its template rectangle.
void PlaceControl(QWidget* control, int x, int y, int width, int height);

// A static text on its template rectangle, top-left aligned, grown to fit.
QLabel* AddStatic(QWidget* parent, const QString& text, int x, int y, int width, int height);

// A push button on its template rectangle, grown to fit.
QPushButton* AddButton(QWidget* parent, const QString& text, int x, int y, int width, int height);

// A link on its template rectangle, sized for the link font and attached;
// its address is still empty.
CSimpleLink* AddLink(QWidget* parent, const QString& caption, int x, int y, int width, int height);

// Grows a placed label so its current text fits in one line.
void GrowToFit(QLabel* label);

// Fixes the dialog's client size: the template size, or more when a grown
// control would otherwise stick out.
void FixDialogSize(QDialog* dialog, int width, int height);

// The program file's name without its extension, the caption of our message boxes.
QString ProgramName();

// An edit with no valid row to work on is refused with this error.
inline constexpr const char* kInvalidArgumentText =
    QT_TRANSLATE_NOOP("DialogSupport", "An invalid argument was encountered.");
void ReportInvalidArgument(QWidget* parent);
