#include "app/LumoraApp.h"

#include "app/ParentDlg.h"
#include "bar/BarLook.h"

#include <QIcon>

namespace {

// The application icon at the sizes built into the program; every window,
// dialogs included, shows it.
QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/lumora-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

CLumoraApp::CLumoraApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Lumora"));
    setOrganizationName(QString());
    setDesktopFileName(QStringLiteral("lumora"));
    setWindowIcon(AppIcon());
    InstallFontSubstitutes();
}

int CLumoraApp::Run()
{
    CParentDlg owner;
    owner.Run();
    return 0;
}
