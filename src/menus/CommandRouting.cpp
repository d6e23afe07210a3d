#include "bar/LumoraDlg.h"

#include "app/ProductLinks.h"
#include "menus/Commands.h"
#include "platform/AddressOpener.h"

namespace {

bool InRange(int id, int first, int last)
{
    return id >= first && id <= last;
}

}  // namespace

// Every menu choice and every command the bar sends itself ends up here.
// Unknown ids are ignored.
void CLumoraDlg::OnCommand(int id)
{
    if (InRange(id, kFirstEngineCommand, kLastEngineCommand)) {
        ChooseEngine(id - kFirstEngineCommand);
    } else if (InRange(id, kFirstSchemeCommand, kLastSchemeCommand)) {
        ApplyColorScheme(id - kFirstSchemeCommand);
        update();
    } else if (InRange(id, kFirstTransparencyCommand, kLastTransparencyCommand)) {
        ApplyTransparency(id - kFirstTransparencyCommand);
    } else if (InRange(id, kFirstRoundingCommand, kLastRoundingCommand)) {
        ApplyRounding(id - kFirstRoundingCommand);
    } else if (InRange(id, kFirstButtonViewCommand, kLastButtonViewCommand)) {
        ApplyButtonView(id - kFirstButtonViewCommand);
    } else {
        switch (id) {
        case kEditCatalogCommand: OnCommand(kCatalogCommand); break;
        case kHelpTopicsCommand: OpenAddress(kHelpPageAddress); break;
        case kCheckUpdateCommand:
        case kHomePageCommand: OpenAddress(kHomePageAddress); break;
        case kContactFormCommand: break;  // the about box links to the contact form
        case kAboutCommand: RunAboutBox(); break;
        case kRandomCommand: ApplyRandomScheme(); break;
        case kAutoHideCommand: ToggleAutoHide(); break;
        case kCatalogCommand: RunCatalogDialog(); break;
        case kFontCommand: ChooseQueryFont(); break;
        case kCloseCommand: SaveAndClose(); break;
        default: break;
        }
    }
}
