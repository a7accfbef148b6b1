#pragma once

#include <QtGlobal>

// What the bundle's own metadata shows people: Finder's and the Dock's name
// for the app, the question macOS asks before we may control Finder, the
// desktop entry's name and comment. The English texts are those of
// Info.plist.in and velmora-installer.desktop.in; the build takes each
// language's from the catalogues (InfoPlist.strings in <language>.lproj, the
// desktop entry's Name[...] and Comment[...]).

namespace vlmr {

/// One text of the bundle's metadata: where it goes and its English text.
struct MetadataText {
  const char* key;
  const char* text;
};

/// The Info.plist keys that InfoPlist.strings localizes.
inline constexpr MetadataText kInfoPlistTexts[] = {
    {"CFBundleDisplayName", QT_TRANSLATE_NOOP("InfoPlist", "Velmora 3000 Installer")},
    {"CFBundleName", QT_TRANSLATE_NOOP("InfoPlist", "Velmora 3000 Installer")},
    {"NSAppleEventsUsageDescription",
     QT_TRANSLATE_NOOP("InfoPlist",
                       "Show in Finder asks Finder to make aliases of the app and of "
                       "Applications, so you can drag the app into place.")},
    {"Windows executable", QT_TRANSLATE_NOOP("InfoPlist", "Windows executable")},
};

/// The desktop entry's keys that take a translation.
inline constexpr MetadataText kDesktopEntryTexts[] = {
    {"Name", QT_TRANSLATE_NOOP("DesktopEntry", "Velmora 3000 Installer")},
    {"Comment",
     QT_TRANSLATE_NOOP("DesktopEntry", "Build Velmora 3000 from your own GOG installer")},
};

}  // namespace vlmr
