#include "window_support.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFileDevice>
#include <QFileInfo>
#include <QMimeData>
#include <QTest>
#include <QTextStream>

#include "components/drop_zone_view.h"
#include "platform/bundle.h"
#include "platform/queues.h"

namespace vlmr::test {

Sandbox::Sandbox(const ToolScript& script) : savedTools_(Tools()) {
  QDir().mkpath(path("home"));
  QDir().mkpath(path("tools"));
  QDir().mkpath(path("bundle"));
  // An empty bundle: no known-installer list, so only the file name can make a file usable.
  SetResourceDirectoryForTesting(path("bundle").toStdString());

  tools_ = savedTools_;
  tools_.shasum = path("tools/shasum").toStdString();
  tools_.xcodeSelect = path("tools/xcode-select").toStdString();
  tools_.xcrun = path("tools/xcrun").toStdString();
  tools_.python3 = path("tools/python3").toStdString();
  tools_.installNameTool = path("tools/install_name_tool").toStdString();
  setTool("shasum", script.shasum);
  setTool("xcode-select", script.xcodeSelect);
  setTool("xcrun", script.xcrun);
  setTool("python3", script.python3);
  setTool("install_name_tool", "exit 0");
  SetTools(tools_);
  // Bound for the whole process: a check may still finish after its test.
  static auto* queue = new QtMainQueue;
  SetMainQueue(queue);
}

Sandbox::~Sandbox() {
  SetTools(savedTools_);
  SetResourceDirectoryForTesting("");
}

void Sandbox::setTool(const std::string& name, const std::string& body) {
  WriteFile(root_ / ("tools/" + name), "#!/bin/sh\n" + body + "\n", true);
}

QStringList Sandbox::logEvents() const {
  QFile file(path("home/Library/Logs/Velmora 3000/installer.log"));
  QStringList events;
  if (!file.open(QIODevice::ReadOnly)) return events;
  const QString marker = QStringLiteral(" [installer] ");
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
    const qsizetype at = line.indexOf(marker);
    events << (at < 0 ? line : line.mid(at + marker.size()));
  }
  return events;
}

QList<QWidget*> PagesIn(QWidget* content) {
  return content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

bool WriteExecutable(const QString& path, const QByteArray& text) {
  WriteFile(path.toStdString(), text.toStdString(), true);
  return QFileInfo(path).isExecutable();
}

void LaunchChecked(InstallerController& controller) {
  controller.applicationDidFinishLaunching();
  QTRY_VERIFY_WITH_TIMEOUT(!controller.prerequisiteCheckRunning(), 10000);
}

QList<QWidget*> PagesOf(const InstallerController& controller) {
  QWidget* page = controller.currentPage();
  return page == nullptr ? QList<QWidget*>() : PagesIn(page->parentWidget());
}

QWidget* CurrentPage(const InstallerController& controller) {
  const QList<QWidget*> pages = PagesOf(controller);
  return pages.size() == 1 ? pages.first() : nullptr;
}

void LaunchToInstallerPage(InstallerController& controller) {
  LaunchChecked(controller);
  QVERIFY(QTest::qWaitForWindowExposed(controller.window()));
  QVERIFY(Click(controller, "Continue"));
  QVERIFY(PageOf<InstallerPage>(controller) != nullptr);
}

void DropFiles(QWidget* page, const QStringList& files) {
  QVERIFY(page != nullptr);
  auto* zone = page->findChild<DropZoneView*>();
  QVERIFY(zone != nullptr);
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& file : files) urls << QUrl::fromLocalFile(file);
  data.setUrls(urls);
  const QPointF at(zone->width() / 2.0, zone->height() / 2.0);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(zone, &enter);
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(zone, &drop);
}

void SelectUsableInstaller(InstallerController& controller, const QString& installer) {
  DropFiles(controller.currentPage(), {installer});
  QTRY_VERIFY_WITH_TIMEOUT(PageOf<InstallerPage>(controller)->buildButton()->isEnabled(), 20000);
}

void ReadyToBuild(InstallerController& controller, const QString& installer) {
  controller.setFreeSpaceMeasure(PlentyOfRoom);
  LaunchToInstallerPage(controller);
  SelectUsableInstaller(controller, installer);
}

bool Click(InstallerController& controller, const QString& title) {
  ButtonBase* button = controller.currentPage() == nullptr
                           ? nullptr
                           : FindByText<ButtonBase>(controller.currentPage(), title);
  if (button == nullptr) return false;
  button->click();
  return true;
}

}  // namespace vlmr::test
