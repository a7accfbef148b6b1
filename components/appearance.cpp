#include "components/appearance.h"

#include <QApplication>
#include <QPalette>
#include <QStyleHints>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace vlmr {
namespace {

// The appearance of a view is kept on the widget itself, so it lives and dies with it.
constexpr const char* kAppearanceProperty = "vlmrAppearance";

// The application's own appearance; Unset means "follow the system".
Appearance g_applicationAppearance = Appearance::Unset;

double Mix(double a, double b, double fraction) {
  return a * (1.0 - fraction) + b * fraction;
}

void RepaintTree(QWidget* root) {
  root->update();
  for (QWidget* child : root->findChildren<QWidget*>()) child->update();
}

}  // namespace

QColor DynColor::resolve(Appearance appearance) const {
  return BestMatch(appearance) == Appearance::Dark ? dark : light;
}

QColor DynColor::resolve(const QWidget* widget) const {
  return resolve(EffectiveAppearance(widget));
}

DynColor Dyn(const QColor& light, const QColor& dark) {
  return DynColor{light, dark};
}

QColor Srgb(double red, double green, double blue, double alpha) {
  return QColor::fromRgbF(static_cast<float>(red), static_cast<float>(green),
                          static_cast<float>(blue), static_cast<float>(alpha));
}

QColor Blend(const QColor& a, const QColor& b, double fraction) {
  const double f = std::clamp(fraction, 0.0, 1.0);
  return Srgb(Mix(a.redF(), b.redF(), f), Mix(a.greenF(), b.greenF(), f),
              Mix(a.blueF(), b.blueF(), f), Mix(a.alphaF(), b.alphaF(), f));
}

DynColor Blend(const DynColor& a, const DynColor& b, double fraction) {
  return Dyn(Blend(a.light, b.light, fraction), Blend(a.dark, b.dark, fraction));
}

QColor WithAlpha(const QColor& color, double alpha) {
  QColor result = color;
  result.setAlphaF(static_cast<float>(std::clamp(alpha, 0.0, 1.0)));
  return result;
}

DynColor WithAlpha(const DynColor& color, double alpha) {
  return Dyn(WithAlpha(color.light, alpha), WithAlpha(color.dark, alpha));
}

Appearance BestMatch(Appearance appearance) {
  // Only a dark appearance matches DarkAqua; everything else, unknown ones included, is Aqua.
  return appearance == Appearance::Dark ? Appearance::Dark : Appearance::Light;
}

void SetViewAppearance(QWidget* widget, Appearance appearance) {
  if (widget == nullptr) return;
  if (appearance == Appearance::Unset) {
    widget->setProperty(kAppearanceProperty, QVariant());
  } else {
    widget->setProperty(kAppearanceProperty, static_cast<int>(appearance));
  }
  RepaintTree(widget);
}

Appearance ViewAppearance(const QWidget* widget) {
  if (widget == nullptr) return Appearance::Unset;
  const QVariant value = widget->property(kAppearanceProperty);
  if (!value.isValid()) return Appearance::Unset;
  return static_cast<Appearance>(value.toInt());
}

void SetApplicationAppearance(Appearance appearance) {
  g_applicationAppearance = appearance;
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return;
  for (QWidget* widget : QApplication::allWidgets()) widget->update();
}

Appearance ApplicationAppearance() {
  if (g_applicationAppearance != Appearance::Unset) return g_applicationAppearance;
  return SystemAppearance();
}

Appearance SystemAppearance() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    return Appearance::Light;
  }
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  switch (QGuiApplication::styleHints()->colorScheme()) {
    case Qt::ColorScheme::Dark:
      return Appearance::Dark;
    case Qt::ColorScheme::Light:
      return Appearance::Light;
    default:
      break;
  }
#endif
  // Older Qt has no colour-scheme hint; a dark window background in the platform palette is
  // the best sign of a dark desktop that it offers.
  const QColor window = QGuiApplication::palette().color(QPalette::Window);
  return window.lightnessF() < 0.5 ? Appearance::Dark : Appearance::Light;
}

Appearance EffectiveAppearance(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    const Appearance own = ViewAppearance(w);
    if (own != Appearance::Unset) return own;
  }
  return ApplicationAppearance();
}

}  // namespace vlmr
