#pragma once

#include <QString>
#include <QUrl>

#include "components/surfaces.h"

namespace vlmr {

class ButtonBase;
class Label;

/// How the verdict line is drawn.
enum class VerdictTone {
  Plain,  ///< secondary label colour
  Error,  ///< red: the file was rejected
};

/// What the installer page shows; the window makes it from the session's
/// selection in one place (`InstallerPageStateFor`).
struct InstallerPageState {
  /// The chosen file's name; empty: "No file chosen yet".
  QString name;
  /// Its size for people; may be empty when it cannot be read.
  QString size;
  /// The verdict line.
  QString verdict;
  VerdictTone tone = VerdictTone::Plain;
  /// "Build" is enabled.
  bool buildEnabled = false;
};

/// The page where the user drops or chooses the installer: the drop zone with
/// the file chip and the verdict line, "Choose…" and "Build".
class InstallerPage : public PageView {
  Q_OBJECT

 public:
  /// Builds the page showing `state`.
  explicit InstallerPage(const InstallerPageState& state);

  /// Shows `state` on the page built earlier: the file chip, the verdict
  /// line in its tone, and whether "Build" is enabled.
  void setState(const InstallerPageState& state);

  /// The file chip's label.
  const Label* fileLabel() const { return file_; }
  /// The verdict line.
  const Label* verdictLabel() const { return verdict_; }
  /// "Build".
  ButtonBase* buildButton() const { return build_; }

  /// "name · size", the chip's text for a chosen file, the name isolated from the size; the
  /// name alone when the size is unknown (empty).
  static QString NameAndSize(const QString& name, const QString& size);

 signals:
  /// "Choose…".
  void chooseRequested();
  /// "Build" (or Return while it is enabled).
  void buildRequested();
  /// A file was dropped on the zone (any file: the check names a wrong one).
  void installerDropped(const QUrl& url);

 private:
  // The file chip's text: the file's name and size, or the placeholder.
  static QString fileText(const InstallerPageState& state);

  Label* file_ = nullptr;
  Label* verdict_ = nullptr;
  ButtonBase* build_ = nullptr;
};

}  // namespace vlmr
