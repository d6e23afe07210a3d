#pragma once

#include "menus/CommandMenu.h"

// The options menu behind the bar's "..." box: "Auto Hide", the Rounding,
// Color, Transparent and Button View submenus, "Font...", "Catalog...", the
// Help submenu and "Close". Built once; afterwards only its marks change.
// Opens right-aligned under the options box.
class COptionsMenu : public CCommandMenu {
    Q_OBJECT

public:
    // `autoHide` gives "Auto Hide" its initial check mark.
    explicit COptionsMenu(bool autoHide, QWidget* parent = nullptr);

    // Radio marks of the four appearance submenus, by level or index.
    void CheckRounding(int level);
    void CheckColorScheme(int index);
    void CheckTransparency(int level);
    void CheckButtonView(int view);
    void CheckAutoHide(bool on);

    QMenu* RoundingMenu() const { return m_rounding; }
    QMenu* ColorMenu() const { return m_color; }
    QMenu* TransparentMenu() const { return m_transparent; }
    QMenu* ButtonViewMenu() const { return m_buttonView; }
    QMenu* HelpMenu() const { return m_help; }

private:
    QMenu* m_rounding = nullptr;
    QMenu* m_color = nullptr;
    QMenu* m_transparent = nullptr;
    QMenu* m_buttonView = nullptr;
    QMenu* m_help = nullptr;
};
