#pragma once

#include <QString>

#include "components/surfaces.h"

namespace vlmr {

class ButtonBase;

/// Where "Move to Applications" stands.
enum class MoveState {
  Ready,   ///< "Move to Applications", enabled
  Moving,  ///< "Moving…", disabled
  Moved,   ///< "Moved ✓", disabled
};

/// What the done page shows.
struct DonePageState {
  /// The move button's state: Moved for an app already in Applications.
  MoveState move = MoveState::Ready;
};

/// The page of a finished build: "Move to Applications", "Show in Finder" and
/// "Open", the key hints and the advice before the first start.
class DonePage : public PageView {
  Q_OBJECT

 public:
  /// Builds the page showing `state`.
  explicit DonePage(const DonePageState& state);

  /// Brings the move button into `state`.
  void setMoveState(MoveState state);
  /// The move button.
  ButtonBase* moveButton() const { return move_; }

  /// One key hint row: a key cap with `keys` and the `description` beside it,
  /// spanning `width` from (x, y) in `parent`.
  static void addShortcutRowTo(QWidget* parent, double x, double y, const QString& keys,
                               const QString& description, double width);

 signals:
  /// "Move to Applications" (or Return).
  void moveRequested();
  /// "Show in Finder".
  void revealRequested();
  /// "Open".
  void openRequested();

 private:
  ButtonBase* move_ = nullptr;
};

}  // namespace vlmr
