#pragma once

#include <QFont>
#include <QIcon>
#include <QString>
#include <QStringList>
#include <optional>

#include "components/appearance.h"
#include "components/label.h"

namespace vlmr {

// Builders for the elements that recur on the pages. Frames are bottom-left based (frame.h);
// the results are not added to any view.

/// A static, word-wrapping label at (x, y, width, height) showing `text` ("" for a null string)
/// in the bold or regular system font of `size`, in `color` (labelColor when none).
Label* MakeLabel(const QString& text, bool bold, std::optional<DynColor> color, double x, double y,
                 double width, double height, double size);

/// Styled text of one run: `text` in the system font of `size` and `weight`, in `color`
/// (labelColor when none).
AttributedText RichText(const QString& text, std::optional<DynColor> color, QFont::Weight weight,
                        double size);

/// Appends one run, as RichText makes it, to `target`.
void AppendRich(AttributedText& target, const QString& text, std::optional<DynColor> color,
                QFont::Weight weight, double size);

/// A static, word-wrapping label at (x, y, width, height) showing the runs of `text`.
Label* MakeRichLabel(const AttributedText& text, double x, double y, double width, double height);

/// The files InstallerIcon tries, in order, for an executable in `executableDir` run from
/// `currentDir`: in the resource directory, then in the bundle's two resource paths, the
/// icon's 256-pixel PNG image (standing for all its PNG sizes) and then the .icns; last the
/// icon and the 256-pixel image under the current directory.
QStringList InstallerIconCandidates(const QString& executableDir, const QString& currentDir);

/// The first of `candidates` that loads as an image (all its sizes), else the application's
/// own icon (a drawn stand-in when it has none). A PNG file named "<name>-<pixels>.png"
/// brings the other "<name>-<pixels>.png" files of its folder along. Nothing is cached.
QIcon InstallerIconFrom(const QStringList& candidates);

/// The product icon, found from the running executable and the current directory.
QIcon InstallerIcon();

/// The product icon in the sizes a title bar and a window switcher draw (up to
/// `kWindowIconLargest` pixels), for the window: the window system is handed
/// every size the icon has, and the larger ones would only take memory.
QIcon InstallerWindowIcon();
/// The largest size InstallerWindowIcon keeps, in pixels.
inline constexpr int kWindowIconLargest = 128;

}  // namespace vlmr
