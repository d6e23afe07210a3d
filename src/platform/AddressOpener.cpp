// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/AddressOpener.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <utility>

namespace {

// xdg-open picks the user's default browser (or viewer for local files). The
// address is one argument of its own: no shell ever sees it, so "&", "#" and
// quotes in a query cannot do anything but be part of the address.
void OpenWithXdgOpen(const std::string& address)
{
    QProcess::startDetached(QStringLiteral("xdg-open"), QStringList{QString::fromStdString(address)});
}

AddressOpener& CurrentOpener()
{
    static AddressOpener opener = OpenWithXdgOpen;
    return opener;
}

}  // namespace

void OpenAddress(const std::string& address)
{
    if (const AddressOpener& opener = CurrentOpener()) opener(address);
}

AddressOpener SetAddressOpener(AddressOpener opener)
{
    AddressOpener previous = std::move(CurrentOpener());
    CurrentOpener() = opener ? std::move(opener) : AddressOpener(OpenWithXdgOpen);
    return previous;
}
