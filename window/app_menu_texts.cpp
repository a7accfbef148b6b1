#include "window/app_menu_texts.h"

#include <QCoreApplication>

#include "window/app_identity.h"

namespace vlmr {
namespace {

// Marked under Qt's own context, so that lupdate puts them in our catalogue
// where Qt's Cocoa platform looks for them.
//: The Mac's application menu, worded as macOS words it in this language:
//: opens the app's About panel; %1 is the app's name.
constexpr char kAbout[] = QT_TRANSLATE_NOOP("MAC_APPLICATION_MENU", "About %1");
//: The Mac's application menu, worded as macOS words it in this language:
//: the submenu of the system's services.
constexpr char kServices[] = QT_TRANSLATE_NOOP("MAC_APPLICATION_MENU", "Services");
//: The Mac's application menu, worded as macOS words it in this language:
//: hides the app's windows (Command-H); %1 is the app's name.
constexpr char kHide[] = QT_TRANSLATE_NOOP("MAC_APPLICATION_MENU", "Hide %1");
//: The Mac's application menu, worded as macOS words it in this language:
//: hides every other app (Option-Command-H).
constexpr char kHideOthers[] = QT_TRANSLATE_NOOP("MAC_APPLICATION_MENU", "Hide Others");
//: The Mac's application menu, worded as macOS words it in this language:
//: shows the apps that were hidden.
constexpr char kShowAll[] = QT_TRANSLATE_NOOP("MAC_APPLICATION_MENU", "Show All");
//: The Mac's application menu, worded as macOS words it in this language:
//: quits the app (Command-Q); %1 is the app's name.
constexpr char kQuit[] = QT_TRANSLATE_NOOP("MAC_APPLICATION_MENU", "Quit %1");

}  // namespace

const char* AppMenuSource(AppMenuItem item) {
  switch (item) {
    case AppMenuItem::About:
      return kAbout;
    case AppMenuItem::Services:
      return kServices;
    case AppMenuItem::Hide:
      return kHide;
    case AppMenuItem::HideOthers:
      return kHideOthers;
    case AppMenuItem::ShowAll:
      return kShowAll;
    case AppMenuItem::Quit:
      return kQuit;
  }
  return "";
}

QString AppMenuTitle(AppMenuItem item) {
  const char* source = AppMenuSource(item);
  // Qt's order: a "QMenuBar" text that differs from the English wins, then
  // the application menu's own context.
  QString title = QCoreApplication::translate("QMenuBar", source);
  if (title == QString::fromLatin1(source))
    title = QCoreApplication::translate(kAppMenuContext, source);
  return title.contains(QStringLiteral("%1")) ? title.arg(WindowTitle()) : title;
}

}  // namespace vlmr
