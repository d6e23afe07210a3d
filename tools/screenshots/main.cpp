// Writes PNGs of the bar in every colour scheme, button view and rounding
// level, at scale 1 and 2, into the folder given as the only argument.
#include "BarRenderer.h"

#include "bar/BarLook.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

// "Blue Dark" -> "blue-dark", "Arrow 1" -> "arrow-1", "20" -> "20".
QString Slug(const QString& label)
{
    return label.toLower().replace(QLatin1Char(' '), QLatin1Char('-')).remove(QLatin1Char('%'));
}

struct SShot {
    QString name;
    SBarLook look;
};

std::vector<SShot> Shots()
{
    const QString query = QStringLiteral("Dublin Bay");
    std::vector<SShot> shots;
    for (const SColorScheme& scheme : ColorSchemes()) {
        SBarLook look;
        look.scheme = scheme.index;
        look.view = kViewZoom;
        look.query = query;
        shots.push_back({QStringLiteral("scheme-") + Slug(QString::fromLatin1(scheme.label)), look});
    }
    for (const SButtonView& view : ButtonViews()) {
        SBarLook look;
        look.view = view.index;
        look.query = query;
        shots.push_back({QStringLiteral("view-") + Slug(QString::fromLatin1(view.label)), look});
    }
    for (int level = 0; level < kRoundingLevels; ++level) {
        SBarLook look;
        look.rounding = level;
        look.query = query;
        shots.push_back({QStringLiteral("rounding-") + Slug(RoundingLabel(level)), look});
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
