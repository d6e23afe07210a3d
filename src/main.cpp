#include "app/LumoraApp.h"
#include "platform/Activation.h"
#include "platform/DisplayCheck.h"

int main(int argc, char* argv[])
{
    // Before QApplication: without a display Qt would abort with a core dump.
    if (!PrepareDisplay()) return 1;
    AdoptActivationToken();

    CLumoraApp app(argc, argv);
    return app.Run();
}
