#include "menus/OptionsMenu.h"

#include "menus/Commands.h"

#include <QActionGroup>

#include <initializer_list>

namespace {

// One row of a submenu; a null text is a separator.
struct SEntry {
    const char* text;
    int id;
};

constexpr SEntry kSeparator{nullptr, 0};

// Marks the entry at position `offset` of the range first..last. A value out
// of range, such as one from a damaged file, leaves the range unmarked.
void CheckOffset(CCommandMenu& menu, int first, int last, int offset)
{
    const bool inRange = offset >= 0 && offset <= last - first;
    menu.CheckMenuRadioItem(first, last, inRange ? first + offset : -1);
}

}  // namespace

COptionsMenu::COptionsMenu(bool autoHide, QWidget* parent)
    : CCommandMenu(EAlign::Right, parent)
{
    // Appends rows to a submenu; with a radio group, every entry joins it.
    auto fill = [this](QMenu* menu, QActionGroup* radio, std::initializer_list<SEntry> entries) {
        for (const SEntry& e : entries) {
            if (!e.text) {
                menu->addSeparator();
            } else if (radio) {
                AddRadioCommand(menu, QString::fromLatin1(e.text), e.id, radio);
            } else {
                AddCommand(menu, QString::fromLatin1(e.text), e.id);
            }
        }
    };

    AddCheckCommand(this, QStringLiteral("Auto Hide"), kAutoHideCommand, autoHide);
    addSeparator();

    m_rounding = AddSubmenu(QStringLiteral("Rounding"));
    fill(m_rounding, NewRadioGroup(), {{"Not", 400}, kSeparator, {"5", 401}, {"10", 402}, {"15", 403}, {"20", 404}});

    // Light schemes first, then dark: the ids are 370 + scheme index, so the
    // menu order is not the id order. "Random" stands outside the radio range
    // and never carries the mark.
    m_color = AddSubmenu(QStringLiteral("Color"));
    AddCommand(m_color, QStringLiteral("Random"), kRandomCommand);
    fill(m_color, NewRadioGroup(),
         {kSeparator,
          {"Blue Light", 370},
          {"Green Light", 372},
          {"Sulphur Light", 374},
          {"Yellow Light", 376},
          {"Gray Light", 377},
          kSeparator,
          {"Blue Dark", 371},
          {"Green Dark", 373},
          {"Sulphur Dark", 375},
          {"Gray Dark", 378}});

    m_transparent = AddSubmenu(QStringLiteral("Transparent"));
    fill(m_transparent, NewRadioGroup(),
         {{"Not", 390},
          kSeparator,
          {"10%", 391},
          {"20%", 392},
          {"30%", 393},
          {"40%", 394},
          {"50%", 395},
          {"60%", 396},
          {"70%", 397},
          {"80%", 398},
          {"90%", 399}});

    m_buttonView = AddSubmenu(QStringLiteral("Button View"));
    fill(m_buttonView, NewRadioGroup(),
         {{"Not", 420}, kSeparator, {"Zoom", 421}, {"Arrow 1", 422}, {"Arrow 2", 423}, {"Arrow 3", 424}, {"Go", 425}});

    AddCommand(this, QStringLiteral("Font..."), kFontCommand);
    AddCommand(this, QStringLiteral("Catalog..."), kCatalogCommand);
    addSeparator();

    m_help = AddSubmenu(QStringLiteral("Help"));
    fill(m_help, nullptr,
         {{"Help Topics  F1", kHelpTopicsCommand},
          {"Check Update", kCheckUpdateCommand},
          {"Home Page", kHomePageCommand},
          {"Contact Form", kContactFormCommand},
          kSeparator,
          {"About...", kAboutCommand}});
    addSeparator();

    AddCommand(this, QStringLiteral("Close"), kCloseCommand);
}

void COptionsMenu::CheckRounding(int level)
{
    CheckOffset(*this, kFirstRoundingCommand, kLastRoundingCommand, level);
}

void COptionsMenu::CheckColorScheme(int index)
{
    CheckOffset(*this, kFirstSchemeCommand, kLastSchemeCommand, index);
}

void COptionsMenu::CheckTransparency(int level)
{
    CheckOffset(*this, kFirstTransparencyCommand, kLastTransparencyCommand, level);
}

void COptionsMenu::CheckButtonView(int view)
{
    CheckOffset(*this, kFirstButtonViewCommand, kLastButtonViewCommand, view);
}

void COptionsMenu::CheckAutoHide(bool on)
{
    CheckMenuItem(kAutoHideCommand, on);
}
