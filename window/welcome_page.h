#pragma once

#include <QString>

#include "components/surfaces.h"

namespace vlmr {

class Label;

/// What the welcome page shows.
struct WelcomeState {
  /// Something is missing: the variant that offers Apple's tools.
  bool missing = false;
  /// The page's own Python test passed (version 3.9 or later).
  bool pythonReady = false;
  /// The check is still running: the variant that waits for its verdict.
  bool checking = false;
};

/// The first page: the prerequisite checklist in its all-present variant
/// ("Continue") or its something-missing one ("Install Command Line Tools",
/// "Check again" and a hint line), or the variant shown while the check runs.
class WelcomePage : public PageView {
  Q_OBJECT

 public:
  /// The default sentence of the hint line.
  static QString defaultHint();

  /// Builds the variant `state` asks for; runs nothing.
  explicit WelcomePage(const WelcomeState& state);

  /// Puts `text` into the hint line (missing variant only).
  void setHint(const QString& text);
  /// The hint line's text; empty in the all-present variant.
  QString hint() const;
  /// The value of a checklist row while the check runs.
  static QString checkingText();
  /// A check was asked for again (missing variant): the hint says so and the
  /// two buttons wait for its verdict, which brings a new page.
  void setRechecking();

 signals:
  /// "Continue" (all-present variant).
  void continueRequested();
  /// "Install Command Line Tools".
  void installToolsRequested();
  /// "Check again".
  void checkAgainRequested();

 private:
  void buildMissing(bool pythonReady);
  void buildAllPresent(bool pythonReady);
  void buildChecking();

  Label* hint_ = nullptr;
  QWidget* install_ = nullptr;
  QWidget* again_ = nullptr;
};

}  // namespace vlmr
