#include "components/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace vlmr {
namespace {

// Sizes are points, and a point is a pixel at scale 1. Qt's font engines only load whole pixel
// sizes, so a fractional size such as 12.5 is rounded (to 13) rather than given in points,
// which would make it depend on the screen's logical resolution.
void SetSize(QFont& font, double size) {
  font.setPixelSize(size > 0 ? static_cast<int>(std::lround(size)) : 13);
}

QStringList SystemFamilies() {
  // Inter stands in for the macOS system font on Linux; on a Mac the real one comes first.
  QStringList families;
#ifdef Q_OS_MACOS
  families << QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
#endif
  families << "Inter"
           << "Helvetica Neue"
           << "DejaVu Sans";
  return families;
}

QStringList MonospacedFamilies() {
  QStringList families;
#ifdef Q_OS_MACOS
  families << "SF Mono"
           << "Menlo";
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

QSizeF TextSize(const QString& text, double size, QFont::Weight weight) {
  const QFontMetricsF metrics(SystemFont(size, weight));
  return QSizeF(metrics.horizontalAdvance(text), metrics.height());
}

void DrawCentredText(QPainter& painter, const QRectF& bounds, const QString& text,
                     const QFont& font, const QColor& color) {
  if (text.isEmpty()) return;
  const QFontMetricsF metrics(font, painter.device());
  const double w = metrics.horizontalAdvance(text);
  const double h = metrics.height();
  const double left = bounds.x() + bounds.width() * 0.5 - w * 0.5;
  const double top = bounds.y() + bounds.height() * 0.5 - h * 0.5;
  painter.save();
  painter.setFont(font);
  painter.setPen(color);
  painter.drawText(QPointF(left, top + metrics.ascent()), text);
  painter.restore();
}

void DrawTextFromBottom(QPainter& painter, double viewHeight, double x, double bottom,
                        const QString& text, const QFont& font, const QColor& color) {
  if (text.isEmpty()) return;
  const QFontMetricsF metrics(font, painter.device());
  // The line box ends at the anchor; the baseline sits the font's descent above it.
  const double baseline = viewHeight - bottom - metrics.descent();
  painter.save();
  painter.setFont(font);
  painter.setPen(color);
  painter.drawText(QPointF(x, baseline), text);
  painter.restore();
}

}  // namespace vlmr
