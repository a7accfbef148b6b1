#pragma once

#include <QProxyStyle>

namespace vlmr {

/// The application's style, drawing exactly as the platform's default one,
/// except that the menu bar's overflow button gets its icon when the icon is
/// first drawn or measured, not when the bar is made. Reading that icon makes
/// the image reader load every image plug-in installed (and their libraries),
/// which would otherwise delay the window's first paint for a button that
/// shows only when the menus do not fit. Main thread only.
class DeferredIconStyle : public QProxyStyle {
  Q_OBJECT

 public:
  /// A proxy over the platform's default style.
  DeferredIconStyle();

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace vlmr
