#pragma once

#include "components/button_base.h"

namespace vlmr {

/// The accent-coloured main action button. It draws itself completely: a teal rounded body
/// (darkened while pressed, grey when disabled) with its title centred in semibold 13.
class PrimaryButton : public ButtonBase {
  Q_OBJECT
 public:
  /// A primary button titled `title`; place it with SetFrame (36 points high).
  explicit PrimaryButton(const QString& title = QString(), QWidget* parent = nullptr);

  /// The title's width plus padding, 36 points high.
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  QFont titleFont() const override;
  double titleInset() const override { return 8; }
};

}  // namespace vlmr
