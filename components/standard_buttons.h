#pragma once

#include <optional>

#include "components/appearance.h"
#include "components/button_base.h"

namespace vlmr {

// The platform's standard buttons, drawn by us so they look right in light and dark. Each one
// draws its title in its QWidget::font(), set to the Mac default in the constructor.

/// The standard rounded push button (bezel style 1): a small white (dark: grey) rounded bezel of
/// the platform's fixed height, centred in its frame, with the title in regular 13.
class PushButton : public ButtonBase {
  Q_OBJECT
 public:
  /// A push button titled `title`; place it with SetFrame.
  explicit PushButton(const QString& title = QString(), QWidget* parent = nullptr);
  /// The title's width plus padding, at the control's usual height.
  QSize sizeHint() const override;

  /// The height of the visible bezel; the rest of the frame stays empty.
  static constexpr double kBezelHeight = 22;

 protected:
  void paintEvent(QPaintEvent* event) override;
  QRectF titleArea() const override;
  double titleInset() const override { return 6; }
};

/// A button whose title is drawn in a content tint the page may set.
class TintedButton : public ButtonBase {
  Q_OBJECT
 public:
  /// The title colour.
  DynColor contentTintColor() const { return tint_; }
  /// Sets the title colour and redraws.
  void setContentTintColor(const DynColor& color);

 protected:
  /// A button titled `title` whose tint starts as `tint`.
  TintedButton(const QString& title, const DynColor& tint, QWidget* parent);
  /// The colour to draw the title in now: the tint, or the disabled colour.
  QColor titleColor() const;

 private:
  DynColor tint_;
};

/// A small capsule button (badge bezel style 15) with a faint fill, such as the "Hide"/"Show"
/// toggle of a log panel. Its title is semibold 12.5 in the content tint (labelColor).
class BadgeButton : public TintedButton {
  Q_OBJECT
 public:
  /// A badge button titled `title`; place it with SetFrame.
  explicit BadgeButton(const QString& title = QString(), QWidget* parent = nullptr);
  /// The title's width plus padding, at the control's usual height.
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  QRectF titleArea() const override;
  double titleInset() const override { return 6; }
};

/// A borderless button: only its title, in the content tint (controlTextColor unless set),
/// centred in the frame; dimmed while pressed.
class BorderlessButton : public TintedButton {
  Q_OBJECT
 public:
  /// A borderless button titled `title`; place it with SetFrame.
  explicit BorderlessButton(const QString& title = QString(), QWidget* parent = nullptr);
  /// The title's width plus padding, at the control's usual height.
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  double titleInset() const override { return 2; }
};

}  // namespace vlmr
