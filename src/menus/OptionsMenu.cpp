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

// The id for position `offset` of a range, or -1 (no entry, so the range ends
// up unmarked) for a value out of range, such as one from a damaged file.
int RangeId(int first, int last, int offset)
{
    return offset >= 0 && offset <= last - first ? first + offset : -1;
}

}  // namespace

COptionsMenu::COptionsMenu(bool autoHide, QWidget* parent)
    : CCommandMenu(EAlign::Right, parent)
{
    // Fills a submenu whose entries all share one radio range.
    auto fillRadio = [this](QMenu* menu, std::initializer_list<SEntry> entries) {
        QActionGroup* group = NewRadioGroup();
        for (const SEntry& e : entries) {
            if (!e.text) {
                menu->addSeparator();
            } else {
                AddRadioCommand(menu, QString::fromLatin1(e.text), e.id, group);
            }
        }
    };

    AddCheckCommand(this, QStringLiteral("Auto Hide"), kAutoHideCommand, autoHide);
    addSeparator();

    m_rounding = AddSubmenu(QStringLiteral("Rounding"));
    fillRadio(m_rounding, {{"Not", 400}, kSeparator, {"5", 401}, {"10", 402}, {"15", 403}, {"20", 404}});

    // Light schemes first, then dark: the ids are 370 + scheme index, so the
    // menu order is not the id order. "Random" stands outside the radio range
    // and never carries the mark.
    m_color = AddSubmenu(QStringLiteral("Color"));
    AddCommand(m_color, QStringLiteral("Random"), kRandomCommand);
    fillRadio(m_color, {kSeparator,
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
    fillRadio(m_transparent, {{"Not", 390}, kSeparator, {"10%", 391}, {"20%", 392}, {"30%", 393},
                              {"40%", 394}, {"50%", 395}, {"60%", 396}, {"70%", 397}, {"80%", 398},
                              {"90%", 399}});

    m_buttonView = AddSubmenu(QStringLiteral("Button View"));
    fillRadio(m_buttonView, {{"Not", 420}, kSeparator, {"Zoom", 421}, {"Arrow 1", 422},
                             {"Arrow 2", 423}, {"Arrow 3", 424}, {"Go", 425}});

    AddCommand(this, QStringLiteral("Font..."), kFontCommand);
    AddCommand(this, QStringLiteral("Catalog..."), kCatalogCommand);
    addSeparator();

    m_help = AddSubmenu(QStringLiteral("Help"));
    AddCommand(m_help, QStringLiteral("Help Topics  F1"), kHelpTopicsCommand);
    AddCommand(m_help, QStringLiteral("Check Update"), kCheckUpdateCommand);
    AddCommand(m_help, QStringLiteral("Home Page"), kHomePageCommand);
    AddCommand(m_help, QStringLiteral("Contact Form"), kContactFormCommand);
    m_help->addSeparator();
    AddCommand(m_help, QStringLiteral("About..."), kAboutCommand);
    addSeparator();

    AddCommand(this, QStringLiteral("Close"), kCloseCommand);
}

void COptionsMenu::CheckRounding(int level)
{
    CheckMenuRadioItem(kFirstRoundingCommand, kLastRoundingCommand,
                       RangeId(kFirstRoundingCommand, kLastRoundingCommand, level));
}

void COptionsMenu::CheckColorScheme(int index)
{
    CheckMenuRadioItem(kFirstSchemeCommand, kLastSchemeCommand,
                       RangeId(kFirstSchemeCommand, kLastSchemeCommand, index));
}

void COptionsMenu::CheckTransparency(int level)
{
    CheckMenuRadioItem(kFirstTransparencyCommand, kLastTransparencyCommand,
                       RangeId(kFirstTransparencyCommand, kLastTransparencyCommand, level));
}

void COptionsMenu::CheckButtonView(int view)
{
    CheckMenuRadioItem(kFirstButtonViewCommand, kLastButtonViewCommand,
                       RangeId(kFirstButtonViewCommand, kLastButtonViewCommand, view));
}

void COptionsMenu::CheckAutoHide(bool on)
{
    CheckMenuItem(kAutoHideCommand, on);
}
