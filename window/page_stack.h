#pragma once

#include <QStackedWidget>
#include <chrono>
#include <functional>

namespace vlmr {

/// The window's content: a stack that holds the page on screen, sized to
/// exactly one page. Main thread only.
class PageStack : public QStackedWidget {
  Q_OBJECT

 public:
  /// An empty stack of `kPageWidth` x `kPageHeight`.
  explicit PageStack(QWidget* parent = nullptr);

  /// Makes `page` the stack's only page. The previous page leaves the stack
  /// and is deleted once control returns to the event loop: the button whose
  /// click brought us here may be on it.
  void showPage(QWidget* page);
  /// The page on screen, or none.
  QWidget* page() const { return currentWidget(); }
  /// The application's window once the stack is in one, else none.
  QWidget* hostWindow() const;
  /// Brings the stack's window forward for the player: shown again when
  /// minimised, raised and made active. Nothing while the stack is in no window.
  void bringWindowForward();
  /// Runs `work` from the event loop once the page on screen has been
  /// painted, or after `bound` at the latest (a stack in no window, a window
  /// not shown), unless `context` has gone by then. Once.
  void whenPainted(QObject* context, std::function<void()> work,
                   std::chrono::milliseconds bound);
  /// The page on screen when it is a `Page`, else none.
  template <class Page>
  Page* pageAs() const {
    return qobject_cast<Page*>(currentWidget());
  }
};

}  // namespace vlmr
