// The installer page: the drop zone, the file dialog and the background check
// of each selection.
#include <sys/stat.h>
#include <QFile>
#include <QFileDialog>
#include <QMainWindow>
#include <QRectF>

#include "base/paths.h"
#include "checks/installer_validation.h"
#include "components/drop_zone_view.h"
#include "components/frame.h"
#include "components/page_helpers.h"
#include "components/palette.h"
#include "components/primary_button.h"
#include "components/standard_buttons.h"
#include "components/surfaces.h"
#include "pipeline/installer_log.h"
#include "platform/queues.h"
#include "window/installer_controller.h"

namespace vlmr {
namespace {

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

// The last path component of the selection, or "" without one.
QString SelectionName(const QUrl& url) {
  if (url.isEmpty()) return QString("");
  return FromStd(LastPathComponent(url.toLocalFile().toStdString()));
}

// The selection's size for people, or "" when its attributes cannot be read.
// Like the check, it follows a final symbolic link to the file itself.
QString SelectionSize(const QUrl& url) {
  if (url.isEmpty()) return QString("");
  struct stat info {};
  if (stat(QFile::encodeName(url.toLocalFile()).constData(), &info) != 0) return QString("");
  return FromStd(HumanSize(static_cast<uint64_t>(info.st_size)));
}

QString NameAndSize(const QString& name, const QString& size) {
  return name + QStringLiteral(" · ") + size;
}

}  // namespace

PageView* InstallerController::dropPageWithName(const QString& name, const QString& size,
                                                const QString& status, bool enabled) {
  auto* page = new PageView(QRectF(0, 0, 740, 630));
  addHeroTo(page, QStringLiteral("Bring your GOG installer"),
            QStringLiteral("We'll turn your copy into a native Mac app."), 68);

  auto* zone = new DropZoneView(QRectF(36, 244, 668, 244));
  QPointer<InstallerController> weak(this);
  zone->setOnDrop([weak](const QUrl& url) {
    if (weak != nullptr) weak->useInstallerAtURL(url);
  });
  AddSubview(page, zone);
  const double inner = zone->width() - 48;

  Label* arrow = MakeLabel(QStringLiteral("↓"), false, TealColor(), 24, 178, inner, 30, 26);
  arrow->setAlignment(Qt::AlignHCenter);
  AddSubview(zone, arrow);
  Label* heading = MakeLabel(QStringLiteral("Drop your GOG SimCity 3000 Unlimited installer here"),
                             true, std::nullopt, 24, 138, inner, 28, 17);
  heading->setAlignment(Qt::AlignHCenter);
  AddSubview(zone, heading);
  Label* lead = MakeLabel(QStringLiteral("Choose the offline installer ending in .exe"), false,
                          SecondaryLabelColor(), 24, 110, inner, 20, 13);
  lead->setAlignment(Qt::AlignHCenter);
  AddSubview(zone, lead);

  auto* chip = new PanelView(QRectF((zone->width() - 380) / 2, 62, 380, 34));
  chip->setFillColor(ChipColor());
  chip->setLineColor(LineColor());
  chip->setRadius(8);
  AddSubview(zone, chip);
  const bool named = !name.isEmpty();
  Label* file = MakeLabel(named ? NameAndSize(name, size) : QStringLiteral("No file chosen yet"),
                          false, named ? LabelColor() : TertiaryLabelColor(), 10, 7, 360, 20, 12);
  file->setAlignment(Qt::AlignHCenter);
  file->setLineBreakMode(Label::LineBreakMode::TruncateMiddle);
  AddSubview(chip, file);

  Label* verdict = MakeLabel(status, false, SecondaryLabelColor(), 24, 22, inner, 34, 12);
  AddSubview(zone, verdict);

  addSecondaryButtonTo(page, QStringLiteral("Choose…"), &InstallerController::chooseInstaller, 36,
                       190, 120);
  PrimaryButton* build = addPrimaryButtonTo(page, QStringLiteral("Build"),
                                            &InstallerController::beginBuild, 584, 190, 120);
  build->setEnabled(enabled);
  build->setKeyEquivalent(QStringLiteral("\r"));

  AddSubview(page, MakeLabel(QStringLiteral("Your file stays on this Mac"), false,
                             SecondaryLabelColor(), 176, 198, 400, 20, 12));
  AddSubview(page, MakeLabel(QStringLiteral("First build: about 3 minutes and 5 GB of free space. "
                                            "The finished app contains your game files; keep it "
                                            "on this Mac."),
                             false, TertiaryLabelColor(), 36, 150, 668, 40, 12));

  fileNameLabel = file;
  validationLabel = verdict;
  buildButton = build;
  return page;
}

void InstallerController::showDropPage() {
  const bool chosen = !installerURL.isEmpty();
  QString status = validationLabel != nullptr ? validationLabel->text() : QString("");
  bool enabled = buildButton != nullptr && buildButton->isEnabled();
  if (!chosen) {
    status = QString("");
    enabled = false;
  }
  showPage(dropPageWithName(chosen ? SelectionName(installerURL) : QString(),
                            SelectionSize(installerURL), status, enabled));
}

void InstallerController::chooseInstaller() {
  QFileDialog dialog(window.data(),
                     QStringLiteral("Choose your GOG SimCity 3000 Unlimited installer"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Use this installer"));
  // Windows names the extension in any case.
  dialog.setNameFilter(QStringLiteral("Windows installer (*.exe *.EXE *.Exe)"));
  if (dialog.exec() != QDialog::Accepted) return;
  const QList<QUrl> urls = dialog.selectedUrls();
  if (urls.isEmpty() || urls.first().isEmpty()) return;
  useInstallerAtURL(urls.first());
}

void InstallerController::useInstallerAtURL(const QUrl& url) {
  installerURL = url;
  builtAppPath.reset();
  installedAppPath.reset();
  const uint64_t selection = ++selectionGeneration_;
  const std::string path = url.toLocalFile().toStdString();
  AppendInstallerLog("installer chosen: " + path);
  refreshInstallerLabels();
  if (validationLabel != nullptr) {
    validationLabel->setText(QStringLiteral("Checking ") + SelectionName(url) +
                             QStringLiteral("…"));
  }

  QPointer<InstallerController> weak(this);
  RunInBackground([weak, path, selection] {
    std::string summary;
    const bool usable = InstallerValidator().validateInstaller(path, &summary, nullptr);
    RunOnMain([weak, selection, summary, usable] {
      // A later selection, even of the same file, has taken over: drop this one.
      if (weak == nullptr || weak->selectionGeneration_ != selection) return;
      if (weak->validationLabel != nullptr) {
        weak->validationLabel->setText(FromStd(summary));
        weak->validationLabel->setTextColor(usable ? SecondaryLabelColor() : SystemRedColor());
      }
      if (weak->buildButton != nullptr) weak->buildButton->setEnabled(usable);
      AppendInstallerLog(std::string("installer check: ") + (usable ? "usable" : "rejected") +
                         " (" + summary + ")");
    });
  });
}

void InstallerController::refreshInstallerLabels() {
  const QString name = SelectionName(installerURL);
  const QString size = SelectionSize(installerURL);
  if (fileNameLabel != nullptr) {
    fileNameLabel->setText(name.isEmpty() ? QString("") : NameAndSize(name, size));
    fileNameLabel->setTextColor(LabelColor());
  }
  if (validationLabel != nullptr) validationLabel->setText(QString(""));
  if (buildButton != nullptr) buildButton->setEnabled(false);
}

}  // namespace vlmr
