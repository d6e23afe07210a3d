// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes PNGs of the bar in every colour scheme, button view and rounding
// level, at scale 1 and 2, into the folder given as the only argument.
#include "BarRenderer.h"

#include "bar/BarLook.h"
#include "options/OptionTable.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

// The menu label of an option's value as a file name: "Blue Dark" ->
// "blue-dark", "Arrow 1" -> "arrow-1", "20" -> "20".
QString Slug(const SOption& option, int value)
{
    const std::string_view label = CommandLabel(CommandFor(option, value));
    return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()))
        .toLower()
        .replace(QLatin1Char(' '), QLatin1Char('-'))
        .remove(QLatin1Char('%'));
}

struct SShot {
    QString name;
    SBarLook look;
};

std::vector<SShot> Shots()
{
    const QString query = QStringLiteral("Dublin Bay");
    std::vector<SShot> shots;
    for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
        SBarLook look;
        look.scheme = scheme;
        look.view = kViewZoom;
        look.query = query;
        shots.push_back({QStringLiteral("scheme-") + Slug(kColorSchemeOption, scheme), look});
    }
    for (int view = 0; view < kButtonViewCount; ++view) {
        SBarLook look;
        look.view = view;
        look.query = query;
        shots.push_back({QStringLiteral("view-") + Slug(kButtonViewOption, view), look});
    }
    for (int level = 0; level < kRoundingLevels; ++level) {
        SBarLook look;
        look.rounding = level;
        look.query = query;
        shots.push_back({QStringLiteral("rounding-") + Slug(kRoundingOption, level), look});
    }
    SBarLook hover;
    hover.hoverEngine = true;
    hover.query = query;
    shots.push_back({QStringLiteral("hover"), hover});
    SBarLook longName;
    longName.engineName = QStringLiteral("Encyclopaedia of Everything Ever Written");
    shots.push_back({QStringLiteral("long-name"), longName});
    return shots;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutes();

    // Every picture starts from the defaults, whatever the user's own bar
    // has stored, and nothing is written next to it.
    const QTemporaryDir configHome;
    if (!configHome.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));

    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    int written = 0;
    for (const SShot& shot : Shots()) {
        for (int scale : {1, 2}) {
            const QString file = folder + QLatin1Char('/') + shot.name +
                                 (scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale)) + QStringLiteral(".png");
            if (!RenderBar(shot.look, scale).save(file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
            ++written;
        }
    }
    std::printf("%d pictures in %s\n", written, qPrintable(QDir(folder).absolutePath()));
    return 0;
}
