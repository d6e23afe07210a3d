#include "app/LumoraApp.h"

#include "app/ParentDlg.h"

CLumoraApp::CLumoraApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Lumora"));
    setOrganizationName(QString());
    setDesktopFileName(QStringLiteral("lumora"));
}

int CLumoraApp::Run()
{
    CParentDlg owner;
    owner.Run();
    return 0;
}
