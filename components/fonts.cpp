#include "components/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QList>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace vlmr {
namespace {

// Sizes are points, and a point is a pixel at scale 1. Whole sizes are set as pixel sizes. A
// fractional size (12.5) is kept exactly as typographic points for the screen's logical
// resolution; Qt's font engines still load only whole pixel sizes, so the drawing helpers below
// set such a font larger by a whole factor and draw it scaled down (TextScaleFor).
double LogicalDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  // A paint device resolves a font with the screen's resolution rounded to whole dots per inch.
  return screen != nullptr ? std::round(screen->logicalDotsPerInchY()) : 72.0;
}

bool IsWhole(double value) {
  return std::abs(value - std::round(value)) < 1e-6;
}

void SetSize(QFont& font, double size) {
  if (!(size > 0)) size = 13;
  if (IsWhole(size)) {
    font.setPixelSize(static_cast<int>(std::lround(size)));
  } else {
    font.setPointSizeF(size * 72.0 / LogicalDpi());
  }
}

QStringList SystemFamilies() {
  // Inter stands in for the macOS system font on Linux; on a Mac the real one comes first.
  QStringList families;
#ifdef Q_OS_MACOS
  families << QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
#endif
  families << "Inter"
           << "Helvetica Neue"
           << "DejaVu Sans"
           // Japanese as the Mac sets it, with a real bold face: whatever fallback the system
           // would pick may have one weight only and draw every headline regular. Last, so
           // Latin text never comes from it.
           << "Hiragino Sans"
           << "Noto Sans CJK JP";
  return families;
}

QStringList MonospacedFamilies() {
  QStringList families;
#ifdef Q_OS_MACOS
  // The system's own fixed font first, then Menlo, which every Mac has. Never
  // "SF Mono" by name: it is no installed family, and asking for one makes Qt
  // rebuild its font aliases on the main thread.
  families << QFontDatabase::systemFont(QFontDatabase::FixedFont).family() << "Menlo";
#endif
  families << "JetBrains Mono"
           << "DejaVu Sans Mono"
           << "Noto Sans Mono";
  return families;
}

}  // namespace

QFont SystemFont(double size, QFont::Weight weight) {
  QFont font;
  font.setFamilies(SystemFamilies());
  font.setStyleHint(QFont::SansSerif);
  font.setWeight(weight);
  SetSize(font, size);
  return font;
}

QFont MonospacedSystemFont(double size, QFont::Weight weight) {
  QFont font;
  font.setFamilies(MonospacedFamilies());
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  font.setWeight(weight);
  SetSize(font, size);
  return font;
}

double PixelSizeOf(const QFont& font) {
  if (font.pixelSize() > 0) return font.pixelSize();
  return font.pointSizeF() * LogicalDpi() / 72.0;
}

int TextScaleFor(const QList<double>& pixelSizes) {
  for (int factor = 1; factor < 8; ++factor) {
    bool whole = true;
    for (double size : pixelSizes) whole = whole && IsWhole(size * factor);
    if (whole) return factor;
  }
  return 8;  // within a sixteenth of a pixel
}

QFont ScaledFont(const QFont& font, int factor) {
  if (factor == 1) return font;
  QFont scaled = font;
  scaled.setPixelSize(static_cast<int>(std::lround(PixelSizeOf(font) * factor)));
  return scaled;
}

QSizeF MeasureText(const QString& text, const QFont& font) {
  const int factor = TextScaleFor({PixelSizeOf(font)});
  const QFontMetricsF metrics(ScaledFont(font, factor));
  return QSizeF(metrics.horizontalAdvance(text), metrics.height()) / factor;
}

QSizeF TextSize(const QString& text, double size, QFont::Weight weight) {
  return MeasureText(text, SystemFont(size, weight));
}

namespace {

// Draws `text` with its line box's top-left corner at `topLeft`, at the font's exact size.
void DrawLine(QPainter& painter, QPointF topLeft, const QString& text, const QFont& font,
              const QColor& color) {
  const int factor = TextScaleFor({PixelSizeOf(font)});
  const QFont scaled = ScaledFont(font, factor);
  const QFontMetricsF metrics(scaled, painter.device());
  painter.save();
  painter.translate(topLeft);
  painter.scale(1.0 / factor, 1.0 / factor);
  painter.setFont(scaled);
  painter.setPen(color);
  painter.drawText(QPointF(0, metrics.ascent()), text);
  painter.restore();
}

}  // namespace

QList<double> ShrinkingSizes(double size) {
  QList<double> sizes = {size};
  // Whole and half points only: the layout's scale factor (TextScaleFor) stays small.
  for (double next = std::floor(size * 2 - 0.5) / 2; next >= size * kMinimumTextScale - 1e-9;
       next -= 0.5) {
    sizes << next;
  }
  return sizes;
}

QFont ResizedFont(const QFont& font, double size) {
  QFont resized = font;
  SetSize(resized, size);
  return resized;
}

QFont FittingFont(const QString& text, const QFont& font, double width) {
  if (MeasureText(text, font).width() <= width) return font;
  for (double size : ShrinkingSizes(PixelSizeOf(font))) {
    const QFont smaller = ResizedFont(font, size);
    if (MeasureText(text, smaller).width() <= width) return smaller;
  }
  return font;
}

void DrawCentredText(QPainter& painter, const QRectF& bounds, const QString& text,
                     const QFont& requested, const QColor& color, double inset) {
  if (text.isEmpty()) return;
  const QFont font =
      inset > 0 ? FittingFont(text, requested, bounds.width() - 2 * inset) : requested;
  const QSizeF size = MeasureText(text, font);
  const double left = bounds.x() + bounds.width() * 0.5 - size.width() * 0.5;
  const double top = bounds.y() + bounds.height() * 0.5 - size.height() * 0.5;
  DrawLine(painter, QPointF(left, top), text, font, color);
}

void DrawTextFromBottom(QPainter& painter, double viewHeight, double x, double bottom,
                        const QString& text, const QFont& font, const QColor& color) {
  if (text.isEmpty()) return;
  // The line box ends at the anchor.
  const double top = viewHeight - bottom - MeasureText(text, font).height();
  DrawLine(painter, QPointF(x, top), text, font, color);
}

}  // namespace vlmr
