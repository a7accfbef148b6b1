#pragma once

#include <QString>

#include "components/surfaces.h"
#include "session/build_outcome.h"

namespace vlmr {

/// The error page's lead, and the card's second line for a failed build: whatever failed, the
/// player's own file is untouched.
inline constexpr char kInstallerUnchanged[] =
    QT_TRANSLATE_NOOP("vlmr::ErrorPage", "Your original game installer hasn't been changed.");
/// The card's second line when no body is given: the advice to choose the right release.
inline constexpr char kChooseTheRightRelease[] = QT_TRANSLATE_NOOP(
    "vlmr::ErrorPage",
    "Choose SimCity 3000 Unlimited version 2.0.949(a), then try again. Your build log can help if "
    "the problem continues.");

/// What the error page shows.
struct ErrorPageState {
  /// The card's bold line: the advice for the failure.
  QString title;
  /// The card's second line; empty: kChooseTheRightRelease.
  QString body;
  /// The log's location as shown after "Log: ".
  QString logShown;
};

/// What the error page shows for the failed build `outcome`, its log shown
/// as `logShown`: the outcome's message as the title above
/// `kInstallerUnchanged`. The build script's own words, for which no advice
/// fits, are the title as they stand on the English page; in every other
/// language they stand beneath a translated headline (`kSomethingWentWrong`),
/// so the page never opens with a sentence the player may not read.
ErrorPageState ErrorPageStateFor(const BuildOutcome& outcome, const QString& logShown);

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
