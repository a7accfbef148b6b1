#pragma once

#include <QtGlobal>

// What the bundle's own metadata shows people: Finder's and the Dock's name
// for the app, the question macOS asks before we may control Finder, the
// reasons it shows before we may read a chosen file in a protected folder, the
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
                       "Show in Finder asks Finder to put an alias of Applications beside the "
                       "app, so you can drag the app into place.")},
    {"NSDesktopFolderUsageDescription",
     QT_TRANSLATE_NOOP("InfoPlist",
                       "The installer reads the GOG installer you choose on your Desktop to build "
                       "the game from it.")},
    {"NSDocumentsFolderUsageDescription",
     QT_TRANSLATE_NOOP("InfoPlist",
                       "The installer reads the GOG installer you choose in your Documents folder "
                       "to build the game from it.")},
    {"NSDownloadsFolderUsageDescription",
     QT_TRANSLATE_NOOP("InfoPlist",
                       "The installer reads the GOG installer you choose in your Downloads folder "
                       "to build the game from it.")},
    {"NSRemovableVolumesUsageDescription",
     QT_TRANSLATE_NOOP("InfoPlist",
                       "The installer reads the GOG installer you choose on an external drive to "
                       "build the game from it.")},
    {"Windows executable", QT_TRANSLATE_NOOP("InfoPlist", "Windows executable")},
};

/// The desktop entry's keys that take a translation.
inline constexpr MetadataText kDesktopEntryTexts[] = {
    {"Name", QT_TRANSLATE_NOOP("DesktopEntry", "Velmora 3000 Installer")},
    {"Comment",
     QT_TRANSLATE_NOOP("DesktopEntry", "Build Velmora 3000 from your own GOG installer")},
};

}  // namespace vlmr
