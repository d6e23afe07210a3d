#include "bar/LumoraDlg.h"

void CLumoraDlg::ShowBar(bool) {}
void CLumoraDlg::ToggleAutoHide() {}
void CLumoraDlg::StartTimers() {}
