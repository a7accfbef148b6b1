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

/// The smallest a text is set to make it fit its frame, as a share of its size: a
/// translation longer than the English the frame was made for shrinks this far at most.
inline constexpr double kMinimumTextScale = 0.7;

/// The sizes a text of `size` points may take to fit its frame, largest first: `size`, then
/// half a point less at a time down to kMinimumTextScale of it.
QList<double> ShrinkingSizes(double size);

/// `font` at `size` pixels.
QFont ResizedFont(const QFont& font, double size);

/// `font` as large as it may be, down to kMinimumTextScale of its size, for `text` to fit
/// on one line of `width`; `font` itself when the text fits or cannot fit even then.
QFont FittingFont(const QString& text, const QFont& font, double width);

/// Draws `text` in `font` and `color` with its measured box (advance width, line height)
/// centred in `bounds` (Qt coordinates). A text wider than `bounds` less `inset` on each side
/// is set smaller (FittingFont); it is never clipped or truncated.
void DrawCentredText(QPainter& painter, const QRectF& bounds, const QString& text,
                     const QFont& font, const QColor& color, double inset = 0);

/// Draws `text` on one line whose line box has its lower-left corner `bottom` points above the
/// bottom of the painter's widget of height `viewHeight`, at `x` (bottom-left based anchor).
void DrawTextFromBottom(QPainter& painter, double viewHeight, double x, double bottom,
                        const QString& text, const QFont& font, const QColor& color);

}  // namespace vlmr
