#pragma once

#include <QString>

#include "components/surfaces.h"

namespace vlmr {

/// What the error page shows.
struct ErrorPageState {
  /// The card's bold line: the advice for the failure.
  QString title;
  /// The card's second line; empty: the default advice to choose the right release.
  QString body;
  /// The log's location as shown after "Log: ".
  QString logShown;
};

/// The page of a build that did not finish: the advice card, the log's
/// location, "Copy log", "Show log in Finder" and "Choose another installer".
class ErrorPage : public PageView {
  Q_OBJECT

 public:
  /// Builds the page showing `state`.
  explicit ErrorPage(const ErrorPageState& state);

 signals:
  /// "Copy log".
  void copyLogRequested();
  /// "Show log in Finder".
  void revealLogRequested();
  /// "Choose another installer".
  void chooseAnotherRequested();
};

}  // namespace vlmr
