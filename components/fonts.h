#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace vlmr {

/// The system font of `size` points (1 point = 1 pixel at scale 1, fractions kept)
/// and `weight`.
/// Semibold is QFont::DemiBold, bold QFont::Bold, regular QFont::Normal.
QFont SystemFont(double size, QFont::Weight weight = QFont::Normal);

/// The monospaced system font of `size` points, used for logs.
QFont MonospacedSystemFont(double size, QFont::Weight weight = QFont::Normal);

/// The size of `text` set on one line in the system font of `size` and `weight`:
/// its advance width and its line height.
QSizeF TextSize(const QString& text, double size, QFont::Weight weight = QFont::Normal);

/// The size of `text` set on one line in `font`, at the font's exact (maybe fractional) size.
QSizeF MeasureText(const QString& text, const QFont& font);

/// The pixel size `font` was made for at scale 1, fractions kept (12.5 for SystemFont(12.5)).
double PixelSizeOf(const QFont& font);

/// Qt's font engines load whole pixel sizes only: text in fonts of these pixel sizes is set
/// with fonts this many times larger (ScaledFont) and drawn with the painter scaled down by it.
/// 1 when every size is whole.
int TextScaleFor(const QList<double>& pixelSizes);

/// `font` at `factor` times its pixel size, a whole number of pixels.
QFont ScaledFont(const QFont& font, int factor);

/// Draws `text` in `font` and `color` with its measured box (advance width, line height)
/// centred in `bounds` (Qt coordinates). The text is neither clipped nor truncated.
void DrawCentredText(QPainter& painter, const QRectF& bounds, const QString& text,
                     const QFont& font, const QColor& color);

/// Draws `text` on one line whose line box has its lower-left corner `bottom` points above the
/// bottom of the painter's widget of height `viewHeight`, at `x` (bottom-left based anchor).
void DrawTextFromBottom(QPainter& painter, double viewHeight, double x, double bottom,
                        const QString& text, const QFont& font, const QColor& color);

}  // namespace vlmr
