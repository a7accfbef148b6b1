// The menu bar's overflow icon, read on first use.
#include "components/deferred_icon_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

namespace vlmr {
namespace {

// The icon `read` gives, read once, when it is first asked for anything but
// whether it is null. Copies share what was read.
class DeferredIconEngine final : public QIconEngine {
 public:
  explicit DeferredIconEngine(std::function<QIcon()> read)
      : state_(std::make_shared<State>(State{std::move(read), std::nullopt})) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return icon().pixmap(size, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  // The style's own icons are never null; asking must not read this one.
  bool isNull() override { return state_->icon ? state_->icon->isNull() : false; }
  QString key() const override { return QStringLiteral("vlmr.deferred"); }
  QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

 private:
  struct State {
    std::function<QIcon()> read;
    std::optional<QIcon> icon;
  };

  const QIcon& icon() {
    if (!state_->icon) state_->icon = state_->read();
    return *state_->icon;
  }

  std::shared_ptr<State> state_;
};

}  // namespace

DeferredIconStyle::DeferredIconStyle() : QProxyStyle(nullptr) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
  if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton) {
    return QProxyStyle::standardIcon(icon, option, widget);
  }
  // The option and widget are only the bar's at its making: the icon is the
  // style's own for this kind either way.
  QPointer<const QStyle> base(baseStyle());
  return QIcon(new DeferredIconEngine(
      [base, icon] { return base != nullptr ? base->standardIcon(icon) : QIcon(); }));
}

}  // namespace vlmr
