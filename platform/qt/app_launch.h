#pragma once

#include <QString>

namespace vlmr {

// Starting a built app. Fire and forget: the done page reports nothing when
// the desktop declines.

/// The executable of the app bundle at `appPath`: Contents/MacOS/ followed by
/// the CFBundleExecutable of its Info.plist. Empty when the plist names none,
/// names something that is not a plain file name, or the file is not executable.
QString AppBundleExecutable(const QString& appPath);

/// Starts the app bundle at `appPath`: on the Mac as the system launches
/// apps; elsewhere its executable (AppBundleExecutable, found in the
/// background), or, when it has none, the bundle folder is opened instead.
void LaunchAppBundle(const QString& appPath);

}  // namespace vlmr
