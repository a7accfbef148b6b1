#pragma once

#include <string>

namespace vlmr {

/// Mac only (file_viewer.mm): a Finder window with the file at `path`
/// selected, as the workspace reveals files. Main thread; never waits for
/// Finder and reports nothing.
void SelectInFileViewer(const std::string& path);

}  // namespace vlmr
