#include "app/LumoraApp.h"

#include "app/ParentDlg.h"
#include "bar/BarLook.h"

CLumoraApp::CLumoraApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Lumora"));
    setOrganizationName(QString());
    setDesktopFileName(QStringLiteral("lumora"));
    InstallFontSubstitutes();
}

int CLumoraApp::Run()
{
    CParentDlg owner;
    owner.Run();
    return 0;
}
