#pragma once

#include <QColor>

class QWidget;

namespace vlmr {

/// A light/dark appearance, as a window, a view or the application can carry it.
enum class Appearance {
  Unset,  ///< no appearance of its own: inherit from the ancestor or the application
  Light,  ///< the light (Aqua) appearance
  Dark,   ///< the dark (DarkAqua) appearance
  Other,  ///< an appearance that is neither; colours resolve as in light
};

/// A colour that follows the appearance: two fixed sRGB colours, picked at paint time.
struct DynColor {
  QColor light;  ///< used for every appearance that is not dark
  QColor dark;   ///< used for the dark appearance

  /// The fixed colour for `appearance`: dark for Dark, light for anything else.
  QColor resolve(Appearance appearance) const;
  /// The fixed colour for the effective appearance of `widget` (see EffectiveAppearance).
  QColor resolve(const QWidget* widget) const;

  bool operator==(const DynColor&) const = default;
};

/// Builds an appearance-dependent colour from a light and a dark fixed colour.
DynColor Dyn(const QColor& light, const QColor& dark);

/// A fixed sRGB colour from red, green, blue and alpha components in 0..1.
QColor Srgb(double red, double green, double blue, double alpha = 1.0);

/// `a` blended toward `b`: each component (alpha included) is a * (1 - fraction) + b * fraction.
QColor Blend(const QColor& a, const QColor& b, double fraction);
/// The blend of both variants, so the result follows the appearance as its inputs do.
DynColor Blend(const DynColor& a, const DynColor& b, double fraction);

/// `color` with its alpha replaced by `alpha` (0..1).
QColor WithAlpha(const QColor& color, double alpha);
/// Both variants of `color` with their alpha replaced by `alpha` (0..1).
DynColor WithAlpha(const DynColor& color, double alpha);

/// The variant an appearance resolves to: Dark stays Dark, everything else is Light.
Appearance BestMatch(Appearance appearance);

/// Gives `widget` an appearance of its own (Unset: inherit again) and repaints it and its subviews.
void SetViewAppearance(QWidget* widget, Appearance appearance);
/// The appearance set on `widget` itself, or Unset.
Appearance ViewAppearance(const QWidget* widget);

/// Sets the whole application's appearance (Unset: follow the system) and repaints every widget.
void SetApplicationAppearance(Appearance appearance);
/// The application's appearance: the one set, else the system's (light unless it says dark).
Appearance ApplicationAppearance();
/// The system's appearance as far as the platform tells it; Light when it does not.
Appearance SystemAppearance();

/// The appearance `widget` draws in: its own, else its nearest ancestor's, else the application's.
Appearance EffectiveAppearance(const QWidget* widget);

}  // namespace vlmr
