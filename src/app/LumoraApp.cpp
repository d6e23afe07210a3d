#include "app/LumoraApp.h"

#include "app/ParentDlg.h"
#include "bar/BarLook.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>

// The reader is told the files are PNG: left to guess, it would load every
// image-format plugin to ask each one first.
QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImageReader reader(QStringLiteral(":/icons/lumora-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

CLumoraApp::CLumoraApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Lumora"));
    setOrganizationName(QString());
    setDesktopFileName(QStringLiteral("lumora"));
    setWindowIcon(AppIcon());
    InstallFontSubstitutes();
}

int CLumoraApp::Run(int instanceFd)
{
    CParentDlg owner;
    owner.Run(instanceFd);
    return 0;
}
