#pragma once

#include <QString>

namespace vlmr {

// What the window asks of the desktop: opening a folder and showing a file in
// the file manager. Every request is fire and forget and never waits on the
// calling thread; the pages report nothing when the desktop declines.

/// Opens `path` with the desktop's handler for it: a folder in the file manager.
void OpenWithDesktop(const QString& path);

/// Shows the file manager with the file at `path` selected: on the Mac as
/// Finder reveals files, elsewhere through the freedesktop file-manager
/// interface on the session bus. Where that is not available or answers with
/// an error, the file's folder is opened instead.
void RevealInFileManager(const QString& path);

}  // namespace vlmr
