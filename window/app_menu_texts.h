#pragma once

#include <QString>

namespace vlmr {

// The Mac's application menu is Qt's: its Cocoa platform makes the menu and
// names each item itself, asking the translators first under "QMenuBar" and
// then under "MAC_APPLICATION_MENU" for the English texts below. Qt's own
// catalogue words them differently from macOS in several languages (pt-BR
// "Sair" for the system's "Encerrar", ja "隠す" for "非表示"), so ours
// carries them in the system's words and is asked before Qt's
// (InstallLanguage).

/// The items of the application menu that Qt names.
enum class AppMenuItem { About, Services, Hide, HideOthers, ShowAll, Quit };

/// Every item, in the menu's order.
inline constexpr AppMenuItem kAppMenuItems[] = {
    AppMenuItem::About,      AppMenuItem::Services, AppMenuItem::Hide,
    AppMenuItem::HideOthers, AppMenuItem::ShowAll,  AppMenuItem::Quit,
};

/// The context Qt's Cocoa platform translates the application menu under.
inline constexpr char kAppMenuContext[] = "MAC_APPLICATION_MENU";

/// The English text Qt asks for: "Hide %1", where "%1" takes the app's name.
const char* AppMenuSource(AppMenuItem item);

/// The item's title in the current language, as Qt's Cocoa platform finds
/// it, with the app's name (`WindowTitle`) in its place.
QString AppMenuTitle(AppMenuItem item);

}  // namespace vlmr
