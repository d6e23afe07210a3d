#include "app/ParentDlg.h"

#include "bar/LumoraDlg.h"

void CParentDlg::Run()
{
    // No parent on purpose: the bar is a top-level dock window of its own
    // rather than a transient of a window that never maps.
    CLumoraDlg bar;
    bar.exec();
}
