// The windowed mode: the shared application, the controller as its delegate
// and the event loop, the program's only main loop.
#include <signal.h>

#include <QApplication>
#include <QLocale>
#include <QSocketNotifier>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "components/deferred_icon_style.h"
#include "modes/options.h"
#include "modes/windowed.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/queues.h"
#include "platform/signal_relay.h"
#include "window/installer_controller.h"
#include "window/localization.h"
#include "window/open_file.h"

namespace vlmr {
namespace {

// How long background work may take to end once the loop has ended.
constexpr std::chrono::seconds kBackgroundGrace{3};

}  // namespace

int RunWindowedApplication(int argc, char** argv,
                           const std::function<void(InstallerController&)>& launched) {
  // Bound for the rest of the process and never destroyed: worker threads may
  // still hand over results while the program exits, which are dropped once
  // the application object has gone.
  static auto* mainQueue = new QtMainQueue;

  // A logout, a closed terminal or a `kill` must not leave the build running
  // without us: these end the application through its event loop, which
  // stops the build on the way out as Quit does.
  SignalRelay relay({SIGTERM, SIGHUP, SIGINT});
  QApplication app(argc, argv);
  // The default style, but the menu bar's overflow icon is read only if it
  // is ever drawn: reading it loads every image plug-in before the first paint.
  QApplication::setStyle(new DeferredIconStyle);
  QApplication::setApplicationVersion(QStringLiteral(VLMR_APP_VERSION));
  // The first of the user's preferred languages that we ship, else English.
  InstallLanguage(ChooseLanguage(QLocale::system().uiLanguages()), BundledCatalogueDir());
  SetMainQueue(mainQueue);
  std::unique_ptr<QSocketNotifier> signalNotifier;
  if (relay.descriptor() >= 0) {
    signalNotifier = std::make_unique<QSocketNotifier>(relay.descriptor(), QSocketNotifier::Read);
    QObject::connect(signalNotifier.get(), &QSocketNotifier::activated, [&relay] {
      while (relay.take() != 0) {
      }
      // Unlike Quit this cannot be turned down, and it leaves any nested loop
      // (a dialog's) as well.
      QCoreApplication::exit(0);
    });
  }

  {
    // Closing the window quits the application: Qt's quitOnLastWindowClosed,
    // left at its default.
    InstallerController controller;
    // The window goes up before the loop starts, as a plain Qt program's
    // does: starting the loop sets up the accessibility bridge, which may
    // wait for a session bus, and that wait then overlaps the window's first
    // round trip to the display instead of coming before it.
    controller.applicationDidFinishLaunching();
    if (launched) {
      QTimer::singleShot(0, &controller, [&controller, &launched] { launched(controller); });
    }
    // Installers named on the command line arrive as the Mac's file-open events do.
    PostFileOpenEvents(ExistingFileArguments(ArgumentList(argc, argv)));
    QApplication::exec();
  }
  mainQueue->close();
  // Background work may still run (a prerequisite probe waiting for its
  // tool when Quit came at launch). It reads the program's static tables,
  // which exit() destroys: it is waited for, briefly, and should it still
  // run, the process ends without destroying anything under it.
  const bool settled = FinishBackgroundWork(kBackgroundGrace);
  // Ended by a signal: end by it too, so whoever sent it sees it worked.
  if (int signal = relay.first()) {
    SignalRelay::EndBy(signal);
    return 128 + signal;
  }
  if (!settled) {
    std::fflush(nullptr);
    std::_Exit(0);
  }
  return 0;
}

}  // namespace vlmr
