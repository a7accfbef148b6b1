#pragma once

#include <QString>

namespace vlmr {

// What the window asks of the desktop: opening folders, showing a file in the
// file manager and starting an app. Every request is fire and forget; the
// pages report nothing when the desktop declines.

/// Opens `path` with the desktop's handler for it: a folder in the file manager.
void OpenWithDesktop(const QString& path);

/// Shows the file manager with the file at `path` selected where the desktop
/// offers that, otherwise opens its folder.
void RevealInFileManager(const QString& path);

/// The executable of the app bundle at `appPath`: Contents/MacOS/ followed by
/// the CFBundleExecutable of its Info.plist. Empty when the plist names none,
/// names something that is not a plain file name, or the file is not executable.
QString AppBundleExecutable(const QString& appPath);

/// Starts the app bundle at `appPath`: on the Mac as the system launches
/// apps; elsewhere its executable (AppBundleExecutable), or, when it has none,
/// the bundle folder is opened instead.
void LaunchAppBundle(const QString& appPath);

}  // namespace vlmr
