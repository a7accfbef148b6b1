#pragma once

#include <memory>
#include <string>

namespace vlmr {

/// What the application's Dock tile (a launcher's entry on Linux) shows.
struct DockTileState {
  /// A progress bar over the icon.
  bool progressVisible = false;
  /// The bar's value, 0..1.
  double progress = 0.0;
  /// A short badge ("✓", "!"); empty: none.
  std::string badge;
  /// The application asks for the player's attention (a bounce on the Mac, an
  /// urgent entry on Linux). Asked once when this turns on.
  bool attention = false;
  bool operator==(const DockTileState&) const = default;
};

/// The Dock tile, one implementation per platform: the launcher-entry signal
/// over D-Bus on Linux (qt/dbus_launcher_entry.h), NSDockTile on macOS
/// (mac/dock_tile.mm). Used on the main thread.
class DockTile {
 public:
  virtual ~DockTile() = default;

  /// Makes the tile show `state`. Never blocks and never reports failure: a
  /// desktop without a dock simply shows nothing.
  virtual void show(const DockTileState& state) = 0;
};

#if defined(__APPLE__)
/// The application's own tile in the Dock (mac/dock_tile.mm).
std::unique_ptr<DockTile> MakeApplicationDockTile();
#endif

}  // namespace vlmr
