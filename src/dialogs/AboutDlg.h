// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class CSimpleLink;

// The about box: product name and version, the home page and contact form
// as links, the ownership notice and the application icon.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    CSimpleLink* HomeLink() const { return m_homeLink; }
    CSimpleLink* ContactLink() const { return m_contactLink; }

private:
    CSimpleLink* m_homeLink = nullptr;
    CSimpleLink* m_contactLink = nullptr;
};
