// The installer's windowed mode in a process of its own, as the executable
// runs it, driven to a running build: continue, drop the installer, Build.
// The window-signal tests end this process from outside.
//
//   velmora_windowed_harness <resources folder> <installer file>
//   velmora_windowed_harness --quit-at-launch
//
// Tools come from the build tree's bundle; VLMR_TOOLS_OVERRIDE replaces some.
// With --quit-at-launch the application quits as soon as it has launched,
// its prerequisite check still running, and the tools are looked up as the
// executable looks them up: first by that check.
#include <QCoreApplication>
#include <QTimer>
#include <cstdlib>
#include <string>

#include "build_support.h"
#include "modes/windowed.h"
#include "platform/bundle.h"
#include "platform/system_tools.h"

using namespace vlmr;

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--quit-at-launch") {
    return RunWindowedApplication(1, argv, [](InstallerController&) { QCoreApplication::quit(); });
  }
  if (argc != 3) return 2;
  SetResourceDirectoryForTesting(argv[1]);
  SystemTools tools = SystemTools::ForPlatform(VLMR_TEST_APP_DIR "/Contents/Helpers");
  if (const char* fakes = std::getenv(kToolOverrideVariable)) tools.overrideFrom(fakes);
  SetTools(tools);
  const QString installer = QString::fromLocal8Bit(argv[2]);
  return RunWindowedApplication(1, argv, [installer](InstallerController& controller) {
    controller.setFreeSpaceMeasure(test::PlentyOfRoom);
    auto* poll = new QTimer(&controller);
    QObject::connect(poll, &QTimer::timeout, [&controller, poll, installer] {
      // The prerequisite check answers in the background: Continue once it has.
      if (auto* next = test::FindByText<ButtonBase>(test::CurrentPage(controller), "Continue")) {
        next->click();
        test::DropFiles(test::CurrentPage(controller), {installer});
        return;
      }
      InstallerPage* page = test::PageOf<InstallerPage>(controller);
      if (page == nullptr || !page->buildButton()->isEnabled()) return;
      poll->stop();
      page->buildButton()->click();
    });
    poll->start(20);
  });
}
