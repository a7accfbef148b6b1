#include "window/page_stack.h"

#include "components/surfaces.h"

namespace vlmr {

PageStack::PageStack(QWidget* parent) : QStackedWidget(parent) {
  setFixedSize(kPageWidth, kPageHeight);
}

void PageStack::showPage(QWidget* page) {
  QWidget* old = currentWidget();
  if (page == nullptr || page == old) return;
  if (old != nullptr) {
    // Hidden before the next page comes, as focus leaves it: the next page
    // starts without a focused control until the keyboard is used.
    old->hide();
    removeWidget(old);
    // Out of the window at once, so the stack holds one page; deleted later.
    old->setParent(nullptr);
    old->deleteLater();
  }
  addWidget(page);
  setCurrentWidget(page);
}

QWidget* PageStack::hostWindow() const {
  // Outside a window a widget is its own window.
  QWidget* top = window();
  return top != this ? top : nullptr;
}

void PageStack::bringWindowForward() {
  QWidget* top = hostWindow();
  if (top == nullptr) return;
  if (top->isMinimized()) top->showNormal();
  top->raise();
  top->activateWindow();
}

}  // namespace vlmr
