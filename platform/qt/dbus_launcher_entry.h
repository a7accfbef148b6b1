#pragma once

#include <QString>
#include <QVariantMap>

#include "platform/dock_tile.h"

namespace vlmr {

/// The id of the installer's desktop entry (assets/velmora-installer.desktop):
/// docks match launcher entries and windows to it.
inline constexpr char kDesktopEntryId[] = "velmora-installer";

/// The Dock tile on Linux: the launcher-entry signal that docks and task
/// managers read (`com.canonical.Unity.LauncherEntry` `Update` on the session
/// bus), for the application "application://velmora-installer.desktop".
/// Needs a QCoreApplication; each show() sends one signal.
class LauncherEntry final : public DockTile {
 public:
  /// The object path the signals are sent from.
  static QString objectPath();
  /// The application the entry is for: "application://<id>.desktop".
  static QString applicationUri();
  /// The signal's properties for `state`: progress and progress-visible; a
  /// badge as a count of 1 (a launcher shows numbers only); attention as urgent.
  static QVariantMap properties(const DockTileState& state);

  void show(const DockTileState& state) override;
};

}  // namespace vlmr
