// The windowed mode: the shared application, the controller as its delegate
// and the event loop, the program's only main loop.
#include <QApplication>
#include <QTimer>
#include <mutex>

#include "modes/options.h"
#include "modes/windowed.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/queues.h"
#include "window/installer_controller.h"
#include "window/open_file.h"

namespace vlmr {
namespace {

// Qt's main queue for as long as the application object lives. Background work
// can still finish after the loop has ended (the pool is joined at exit); its
// results are then dropped instead of reaching a destroyed application.
class ApplicationMainQueue final : public MainQueue {
 public:
  void async(Work work) override {
    std::lock_guard lock(mutex_);
    if (open_) qt_.async(std::move(work));
  }
  void after(std::chrono::nanoseconds delay, Work work) override {
    std::lock_guard lock(mutex_);
    if (open_) qt_.after(delay, std::move(work));
  }
  void close() {
    std::lock_guard lock(mutex_);
    open_ = false;
  }

 private:
  std::mutex mutex_;
  bool open_ = true;
  QtMainQueue qt_;
};

}  // namespace

int RunWindowedApplication(int argc, char** argv) {
  // Bound for the rest of the process and never destroyed: worker threads may
  // still hand over results while the program exits.
  static auto* mainQueue = new ApplicationMainQueue;

  QApplication app(argc, argv);
  QApplication::setApplicationVersion(QStringLiteral(VLMR_APP_VERSION));
  SetMainQueue(mainQueue);

  {
    // Closing the window quits the application: Qt's quitOnLastWindowClosed,
    // left at its default.
    InstallerController controller;
    // Launch runs from the loop, as the platform's finished-launching notice does.
    QTimer::singleShot(0, &controller,
                       [&controller] { controller.applicationDidFinishLaunching(); });
    // Installers named on the command line arrive as the Mac's file-open events do.
    PostFileOpenEvents(ExistingFileArguments(ArgumentList(argc, argv)));
    QApplication::exec();
  }
  mainQueue->close();
  return 0;
}

}  // namespace vlmr
