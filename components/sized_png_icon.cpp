// An icon engine that reads each size of an icon when it is first drawn.
#include "components/sized_png_icon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <vector>

namespace vlmr {
namespace {

class LazySizedEngine final : public QIconEngine {
 public:
  explicit LazySizedEngine(const QList<std::pair<QSize, QString>>& files) {
    for (const auto& [size, file] : files) entries_.push_back({size, file, QPixmap(), false});
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    Entry* entry = bestMatch(size);
    if (entry == nullptr) return QPixmap();
    if (!entry->read) {
      QImageReader reader(entry->file);
      ReadAsPngOnly(reader);
      entry->pixmap = QPixmap::fromImageReader(&reader);
      entry->read = true;
    }
    QPixmap pixmap = entry->pixmap;
    if (pixmap.isNull()) {
      // A file that does not read is no size of the icon: the next best one is.
      entries_.erase(entries_.begin() + (entry - entries_.data()));
      return this->pixmap(size, mode, QIcon::Off);
    }
    QSize actual = pixmap.size();
    if (actual.width() > size.width() || actual.height() > size.height()) {
      actual.scale(size, Qt::KeepAspectRatio);
    }
    if (pixmap.size() != actual) {
      pixmap = pixmap.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    // Every file is the normal look; the other modes are derived as the style does.
    if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
      QStyleOption option;
      const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
      if (!generated.isNull()) pixmap = generated;
    }
    return pixmap;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1;
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const Entry* entry = bestMatch(size);
    if (entry == nullptr) return QSize();
    QSize actual = entry->size;
    if (actual.width() > size.width() || actual.height() > size.height()) {
      actual.scale(size, Qt::KeepAspectRatio);
    }
    return actual;
  }

  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    QList<QSize> sizes;
    if (mode != QIcon::Normal || state != QIcon::Off) return sizes;
    for (const Entry& entry : entries_) sizes << entry.size;
    return sizes;
  }

  bool isNull() override { return entries_.empty(); }
  QString key() const override { return QStringLiteral("vlmr.LazySized"); }
  QIconEngine* clone() const override { return new LazySizedEngine(*this); }

 private:
  struct Entry {
    QSize size;
    QString file;
    QPixmap pixmap;
    bool read;
  };

  // The smallest entry at least as large as `size` (by area), else the largest.
  Entry* bestMatch(const QSize& size) {
    const qint64 wanted = qint64(size.width()) * size.height();
    Entry* best = nullptr;
    qint64 bestArea = 0;
    for (Entry& entry : entries_) {
      const qint64 area = qint64(entry.size.width()) * entry.size.height();
      const bool better =
          best == nullptr ||
          (std::min(area, bestArea) >= wanted ? area <= bestArea : area >= bestArea);
      if (better) {
        best = &entry;
        bestArea = area;
      }
    }
    return best;
  }

  std::vector<Entry> entries_;
};

}  // namespace

QIcon LazySizedIcon(QList<std::pair<QSize, QString>> files) {
  if (files.isEmpty()) return QIcon();
  return QIcon(new LazySizedEngine(files));
}

void ReadAsPngOnly(QImageReader& reader) {
  reader.setFormat("png");
  reader.setAutoDetectImageFormat(false);
}

}  // namespace vlmr
