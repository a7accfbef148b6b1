#include "components/page_helpers.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRegularExpression>
#include <algorithm>
#include <utility>
#include <vector>

#include "base/paths.h"
#include "components/frame.h"
#include "components/palette.h"
#include "components/sized_png_icon.h"
#include "platform/bundle.h"

namespace vlmr {
namespace {

constexpr const char* kIconName = "Velmora3000.icns";
// The icon's images as PNG files, one per size (Velmora3000-32.png up to -512),
// which the build writes from the .icns: Qt reads PNG by itself, while the .icns
// needs the icns image plug-in of qtimageformats, which the Mac app does not ship.
constexpr const char* kIconPngName = "Velmora3000-256.png";

QString Join(const QString& base, const QString& component) {
  return QString::fromStdString(JoinPath(base.toStdString(), component.toStdString()));
}

// "<name>-<pixels>.png": one size of an icon whose other sizes lie beside it.
const QRegularExpression& SizedPngName() {
  static const QRegularExpression pattern(QStringLiteral("^(.+)-([0-9]{1,4})\\.png$"));
  return pattern;
}

// The image at `path` and, when its name gives its size, the other sizes of the
// same icon in its folder, smallest first. Only the headers are read here:
// each size is decoded when it is first drawn, so a page that draws the icon
// at one size decodes one file.
QIcon LoadSizedPngs(const QString& path, const QString& name) {
  QImageReader first(path);
  ReadAsPngOnly(first);
  if (!first.canRead()) return QIcon();
  const QDir dir = QFileInfo(path).dir();
  std::vector<std::pair<int, QString>> sizes;
  for (const QString& file : dir.entryList({name + QStringLiteral("-*.png")}, QDir::Files)) {
    const QRegularExpressionMatch match = SizedPngName().match(file);
    if (match.hasMatch() && match.captured(1) == name) {
      sizes.emplace_back(match.captured(2).toInt(), dir.filePath(file));
    }
  }
  std::sort(sizes.begin(), sizes.end());
  QList<std::pair<QSize, QString>> files;
  for (const auto& [pixels, file] : sizes) {
    QImageReader reader(file);
    ReadAsPngOnly(reader);
    const QSize size = reader.size();
    if (size.isValid()) files.append({size, file});
  }
  return LazySizedIcon(files);
}

// Every image in the file, so the icon stays sharp at each size it is drawn,
// except the 1024-pixel artwork of an icon file: no page draws anywhere near
// that size, and decoding it on every page is most of the cost of a page.
QIcon LoadIcon(const QString& path) {
  const QRegularExpressionMatch sized = SizedPngName().match(QFileInfo(path).fileName());
  if (sized.hasMatch()) return LoadSizedPngs(path, sized.captured(1));
  QIcon icon;
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  // Bounded, in case a reader keeps claiming there is another image.
  for (int i = 0; i < 64; ++i) {
    const QByteArray type = reader.subType();  // the entry's type in an icon file
    if ((type == "ic10" || type == "ic14") && !icon.isNull()) {
      if (!reader.jumpToNextImage()) break;
      continue;
    }
    const QImage image = reader.read();
    if (image.isNull()) break;
    icon.addPixmap(QPixmap::fromImage(image));
    if (!reader.jumpToNextImage()) break;
  }
  return icon;
}

// A plain teal rounded square, for an application that has no icon of its own.
QIcon DrawnApplicationIcon() {
  QPixmap pixmap(128, 128);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath body;
  body.addRoundedRect(QRectF(12, 12, 104, 104), 24, 24);
  painter.fillPath(body, TealColor().light);
  painter.end();
  return QIcon(pixmap);
}

}  // namespace

Label* MakeLabel(const QString& text, bool bold, std::optional<DynColor> color, double x, double y,
                 double width, double height, double size) {
  return MakeRichLabel(
      RichText(text.isNull() ? QString("") : text, color, bold ? QFont::Bold : QFont::Normal, size),
      x, y, width, height);
}

AttributedText RichText(const QString& text, std::optional<DynColor> color, QFont::Weight weight,
                        double size) {
  return {TextRun{text, color.value_or(LabelColor()), weight, size}};
}

void AppendRich(AttributedText& target, const QString& text, std::optional<DynColor> color,
                QFont::Weight weight, double size) {
  const AttributedText run = RichText(text, color, weight, size);
  target.insert(target.end(), run.begin(), run.end());
}

Label* MakeRichLabel(const AttributedText& text, double x, double y, double width, double height) {
  auto* label = new Label;
  label->setAttributedText(text);
  label->setLineBreakMode(Label::LineBreakMode::WordWrap);
  SetFrame(label, x, y, width, height);
  return label;
}

QStringList InstallerIconCandidates(const QString& executableDir, const QString& currentDir) {
  // As the system's bundle lookup answers: inside "X.app/Contents/MacOS/" the
  // bundle is X.app with its resources in "Contents/Resources"; a bare
  // executable is its own bundle and resource directory.
  const std::string around = BundleAround(executableDir.toStdString());
  const QString bundle = around.empty() ? executableDir : QString::fromStdString(around);
  const QString resources =
      QString::fromStdString(ResourceDirectoryFor(executableDir.toStdString()));
  // In each place the PNG images first, then the .icns.
  QStringList candidates;
  auto both = [&candidates](const QString& folder) {
    candidates << Join(folder, kIconPngName) << Join(folder, kIconName);
  };
  if (!resources.isEmpty()) both(resources);
  if (!bundle.isEmpty()) {
    both(Join(bundle, QStringLiteral("Contents/Resources")));
    both(Join(bundle, QStringLiteral("../Resources")));
  }
  candidates << Join(currentDir, QStringLiteral("assets/Velmora3000.icns"))
             << Join(currentDir, QStringLiteral("docs/images/Velmora3000-256.png"));
  return candidates;
}

QIcon InstallerIconFrom(const QStringList& candidates) {
  for (const QString& path : candidates) {
    if (path.isEmpty()) continue;
    const QIcon icon = LoadIcon(path);
    if (!icon.isNull()) return icon;
  }
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    const QIcon own = QGuiApplication::windowIcon();
    if (!own.isNull()) return own;
  }
  return DrawnApplicationIcon();
}

QIcon InstallerIcon() {
  return InstallerIconFrom(
      InstallerIconCandidates(QCoreApplication::applicationDirPath(), QDir::currentPath()));
}

QIcon InstallerWindowIcon() {
  const QIcon icon = InstallerIcon();
  QIcon small;
  for (const QSize& size : icon.availableSizes()) {
    if (size.width() <= kWindowIconLargest && size.height() <= kWindowIconLargest) {
      small.addPixmap(icon.pixmap(size));
    }
  }
  // An icon with no size that small (or a drawn one, without sizes) is kept whole.
  return small.isNull() ? icon : small;
}

}  // namespace vlmr
