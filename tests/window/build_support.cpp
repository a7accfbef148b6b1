#include "build_support.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include "components/drop_zone_view.h"
#include "window/build_run.h"
#include "platform/bundle.h"
#include "platform/system_tools.h"

namespace vlmr::test {
namespace {

ToolScript BuildTools() {
  ToolScript tools;
  // The probe's python checks pass; the build's trampoline runs for real.
  tools.python3 = "case \"$2\" in *setpgrp*) exec /usr/bin/python3 \"$@\";; esac; exit 0";
  return tools;
}

QString DemoResources() {
  return QStringLiteral(VLMR_TEST_APP_DIR "/Contents/Resources");
}

// The contents of `from` into `to`, links as links, modes and times kept. The
// Mac's cp has no -T, so the folder is made first and its contents copied in.
bool CopyTree(const QString& from, const QString& to) {
  return QDir().mkpath(to) &&
         QProcess::execute(QStringLiteral("/bin/cp"), {"-R", "-p", from + "/.", to}) == 0;
}

}  // namespace

BuildSandbox::BuildSandbox() : sandbox_(BuildTools()) {
  SetResourceDirectoryForTesting(DemoResources().toStdString());
  SystemTools tools = Tools();
  // The bundle's ditto and PlistBuddy: the stand-ins in its Helpers on Linux,
  // the system's own on the Mac.
  const SystemTools bundled = SystemTools::ForPlatform(VLMR_TEST_APP_DIR "/Contents/Helpers");
  tools.ditto = bundled.ditto;
  tools.plistBuddy = bundled.plistBuddy;
  tools.supervisor = bundled.supervisor;
  tools.osascript.clear();  // no Finder here: the window takes its fallback
  SetTools(tools);
}

BuildSandbox::~BuildSandbox() = default;

QString BuildSandbox::home(const QString& relative) const {
  return path(QStringLiteral("home/") + relative);
}

QString BuildSandbox::logText() const {
  QFile file(home("Library/Logs/Velmora 3000/installer.log"));
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void BuildSandbox::useScript(const QString& script) {
  const QString resources = path("resources");
  QDir(resources).removeRecursively();
  CopyTree(DemoResources(), resources);
  QFile file(resources + "/src/tools/package_app.sh");
  file.remove();
  file.open(QIODevice::WriteOnly);
  file.write(script.toUtf8());
  file.close();
  file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  // A snapshot id of its own, so an unpacked demo snapshot is not reused.
  QFile id(resources + "/SRC_ID");
  id.open(QIODevice::WriteOnly | QIODevice::Truncate);
  id.write(QByteArray::number(qHash(script)));
  SetResourceDirectoryForTesting(resources.toStdString());
}

bool MakeSampleInstaller(const QString& path) {
  return QProcess::execute(QStringLiteral("/usr/bin/python3"),
                           {QStringLiteral(VLMR_TEST_SAMPLE_GENERATOR), path}) == 0;
}

QString AppScript(const QString& executable, const QString& mark, int status) {
  return QStringLiteral(
             "#!/bin/bash\n"
             "while [ $# -gt 0 ]; do [ \"$1\" = --out ] && out=\"$2\"; shift; done\n"
             "app=\"$out/Velmora 3000.app\"\n"
             "mkdir -p \"$app/Contents/MacOS\"\n"
             "cat > \"$app/Contents/Info.plist\" <<'PLIST'\n"
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<plist version=\"1.0\"><dict><key>CFBundleExecutable</key><string>%1</string>"
             "</dict></plist>\n"
             "PLIST\n"
             "printf '#!/bin/sh\\necho ran > \"%2\"\\n' > \"$app/Contents/MacOS/Velmora 3000\"\n"
             "chmod +x \"$app/Contents/MacOS/Velmora 3000\"\n"
             "echo \"##done $app\"\n"
             "exit %3\n")
      .arg(executable, mark)
      .arg(status);
}

void BuildToTheEnd(InstallerController& controller, const QString& installer) {
  ReadyToBuild(controller, installer);
  QVERIFY(Click(controller, "Build"));
  QVERIFY(controller.buildRun() != nullptr || PageOf<BuildPage>(controller) != nullptr);
  QTRY_VERIFY_WITH_TIMEOUT(controller.buildRun() == nullptr, 30000);
}

OpenedUrls::OpenedUrls() {
  QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "record");
}

OpenedUrls::~OpenedUrls() {
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

}  // namespace vlmr::test
