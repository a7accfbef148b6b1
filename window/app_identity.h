#pragma once

#include <QString>
#include <QtGlobal>

namespace vlmr {

/// The application's name in English: the window's title, and the name the
/// installer log and the desktop's services (notifications, the sleep
/// inhibitor) know it by.
inline constexpr char kWindowTitle[] =
    QT_TRANSLATE_NOOP("vlmr::InstallerController", "Velmora 3000 Installer");

/// The window's title, in the current language.
QString WindowTitle();

}  // namespace vlmr
