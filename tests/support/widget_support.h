#pragma once

// Small helpers for tests of widgets: rendering one, comparing colours.

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdlib>

namespace vlmr::test {

/// Renders `widget` (and its subviews) over `background` into an image of its size; only what
/// the widgets draw themselves, not the window background Qt would put behind a top level.
inline QImage Render(QWidget* widget, const QColor& background = Qt::transparent) {
  QImage image(widget->size(), QImage::Format_ARGB32);
  image.fill(background);
  widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

/// Whether two colours agree within `tolerance` on each 8-bit component, alpha included.
inline bool Near(const QColor& a, const QColor& b, int tolerance = 1) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance && std::abs(a.alpha() - b.alpha()) <= tolerance;
}

/// `color` composited over an opaque `background`.
inline QColor Over(const QColor& color, const QColor& background) {
  const double a = color.alphaF();
  return QColor::fromRgbF(static_cast<float>(color.redF() * a + background.redF() * (1 - a)),
                          static_cast<float>(color.greenF() * a + background.greenF() * (1 - a)),
                          static_cast<float>(color.blueF() * a + background.blueF() * (1 - a)));
}

inline QString Describe(const QColor& c) {
  return QString("rgba(%1, %2, %3, %4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

}  // namespace vlmr::test

/// Compares two colours within a tolerance, printing both on failure.
#define VLMR_COMPARE_COLOR(actual, expected, tolerance)         \
  QVERIFY2(vlmr::test::Near((actual), (expected), (tolerance)), \
           qPrintable(vlmr::test::Describe(actual) + " != " + vlmr::test::Describe(expected)))
