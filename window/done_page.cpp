// The done page: the finished app with "Move to Applications", "Show in
// Finder" and "Open", the key hints and the advice before the first start.
#include <QMainWindow>
#include <QMessageBox>
#include <QPalette>
#include <QRectF>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "checks/app_install.h"
#include "checks/finder_folder.h"
#include "components/fonts.h"
#include "components/frame.h"
#include "components/image_view.h"
#include "components/page_helpers.h"
#include "components/palette.h"
#include "components/primary_button.h"
#include "components/stage_views.h"
#include "components/standard_buttons.h"
#include "components/surfaces.h"
#include "window/desktop.h"
#include "window/installer_controller.h"

namespace vlmr {
namespace {

struct ShortcutRow {
  const char* keys;
  const char* description;
  double x, y, width;
};

// Two columns in the hints card; the long settings line wraps onto two lines,
// so its row starts a little higher than its neighbour on the left.
const ShortcutRow kShortcutRows[] = {
    {"⌘ Return", "Fullscreen", 22, 152, 260},
    {"P", "Pause or resume", 22, 114, 260},
    {"W A S D", "Move the camera", 22, 78, 260},
    {"⌘ ,",
     "Settings: resolution, scaling, text, camera, autosave, speed keys and simulation options",
     344, 158, 290},
    {"1–4", "Set game speed", 344, 114, 290},
    {"Q E", "Turn the camera", 344, 78, 290},
};

constexpr char kMoveTitle[] = "Move to Applications";
constexpr char kMovingTitle[] = "Moving…";
constexpr char kMovedTitle[] = "Moved ✓";

// The height `text` takes in a word-wrapping label of `width` in `font`.
double WrappedTextHeight(const QString& text, const QFont& font, double width) {
  // As the label lays out its text: 2 points of padding on either side.
  constexpr double kLabelPadding = 2;
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  double height = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(std::max(0.0, width - 2 * kLabelPadding));
    height += line.height();
  }
  layout.endLayout();
  return height;
}

AppPaths CurrentPaths(const InstallerController& controller) {
  return AppPaths{controller.builtAppPath, controller.installedAppPath};
}

}  // namespace

PageView* InstallerController::donePageWithAppPath(const QString& path, bool installed) {
  auto* page = new PageView(QRectF(0, 0, 740, 630));

  auto* iconCard = new PanelView(QRectF(36, 494, 100, 100));
  iconCard->setFillColor(ChipColor());
  iconCard->setLineColor(LineColor());
  iconCard->setRadius(14);
  AddSubview(page, iconCard);
  AddSubview(iconCard, new ImageView(QRectF(8, 8, 84, 84), InstallerIcon()));

  AddSubview(page, MakeLabel(QStringLiteral("Velmora 3000 is ready"), true, std::nullopt, 160, 558,
                             520, 38, 26));
  AddSubview(page,
             MakeLabel(QStringLiteral("Your city is built. Open it now, or keep it with your other "
                                      "apps."),
                       false, SecondaryLabelColor(), 160, 528, 520, 24, 15));

  PrimaryButton* move =
      addPrimaryButtonTo(page, QString::fromUtf8(installed ? kMovedTitle : kMoveTitle),
                         &InstallerController::moveToApplications, 36, 440, 200);
  move->setKeyEquivalent(QStringLiteral("\r"));
  move->setEnabled(!installed);
  addSecondaryButtonTo(page, QStringLiteral("Show in Finder"), &InstallerController::revealInFinder,
                       248, 440, 160);
  addSecondaryButtonTo(page, QStringLiteral("Open"), &InstallerController::openApp, 420, 440, 120);

  auto* hints = new PanelView(QRectF(36, 196, 668, 224));
  AddSubview(page, hints);
  AddSubview(hints, MakeLabel(QStringLiteral("Before you play"), true, std::nullopt, 22, 188, 300,
                              22, 15));
  for (const ShortcutRow& row : kShortcutRows) {
    addShortcutRowTo(hints, row.x, row.y, QString::fromUtf8(row.keys),
                     QString::fromUtf8(row.description), row.width);
  }
  AttributedText blocked =
      RichText(QStringLiteral("If macOS blocks the game:"), LabelColor(), QFont::DemiBold, 12);
  AppendRich(blocked,
             QStringLiteral(" right-click it and choose Open, or go to System Settings → Privacy & "
                            "Security → Open Anyway. You only need to do this once."),
             SecondaryLabelColor(), QFont::Normal, 12);
  AddSubview(hints, MakeRichLabel(blocked, 22, 20, hints->width() - 44, 50));

  // The accent bar's colour is taken once, for the appearance in effect now.
  auto* accent = new QWidget;
  QPalette colours = accent->palette();
  colours.setColor(QPalette::Window, TealColor().resolve(ApplicationAppearance()));
  accent->setPalette(colours);
  accent->setAutoFillBackground(true);
  SetFrame(accent, 37, 130, 3, 48);
  AddSubview(page, accent);
  AddSubview(page, MakeLabel(QStringLiteral("This app contains your copy of the game. Please keep "
                                            "it on this Mac and don't share or upload it. Your "
                                            "saves and settings stay in your user folder."),
                             false, SecondaryLabelColor(), 54, 132, 648, 48, 12));

  moveButton = move;
  if (installed) {
    installedAppPath = path.toStdString();
    builtAppPath.reset();
  } else {
    installedAppPath.reset();
    builtAppPath = path.toStdString();
  }
  return page;
}

void InstallerController::addShortcutRowTo(QWidget* parent, double x, double y, const QString& keys,
                                           const QString& description, double width) {
  const double capWidth = std::max(TextSize(keys, 11, QFont::DemiBold).width() + 12, 24.0);
  AddSubview(parent, new KeycapView(QRectF(x, y, capWidth, 20), keys));
  const double labelWidth = width - capWidth - 8;
  double height = description.length() > 60 ? 40 : 18;
  // Where the system font sets the text wider than planned, the label grows
  // downward, its top staying level with the key cap's, so no line is cut off.
  const double needed = std::ceil(WrappedTextHeight(description, SystemFont(12), labelWidth));
  const double grow = std::max(0.0, needed - height);
  AddSubview(parent, MakeLabel(description, false, SecondaryLabelColor(), x + capWidth + 8,
                               y + 2 - grow, labelWidth, height + grow, 12));
}

void InstallerController::moveToApplications() {
  if (!CurrentPaths(*this).canMove()) return;
  const AppInstaller installer;
  // Chosen anew on every press: the system folder when we may write there.
  const std::string destination = installer.destination();
  if (moveButton != nullptr) {
    moveButton->setEnabled(false);
    moveButton->setTitle(QString::fromUtf8(kMovingTitle));
    moveButton->update();
  }
  QPointer<InstallerController> weak(this);
  MoveAppInBackground(installer, *builtAppPath, destination,
                      [weak, destination](std::optional<std::string> failure) {
                        if (weak == nullptr) return;
                        if (failure) {
                          if (weak->moveButton != nullptr) {
                            weak->moveButton->setEnabled(true);
                            weak->moveButton->setTitle(QString::fromUtf8(kMoveTitle));
                          }
                          QMessageBox alert(weak->window.data());
                          alert.setIcon(QMessageBox::Warning);
                          alert.setWindowTitle(InstallerController::windowTitle());
                          alert.setText(QStringLiteral("Couldn't move the app"));
                          alert.setInformativeText(QString::fromStdString(*failure));
                          alert.setStandardButtons(QMessageBox::Ok);
                          alert.exec();
                          return;
                        }
                        AppPaths paths = CurrentPaths(*weak);
                        paths.moved(destination);
                        weak->installedAppPath = paths.installedAppPath;
                        weak->builtAppPath = paths.builtAppPath;
                        if (weak->moveButton != nullptr)
                          weak->moveButton->setTitle(QString::fromUtf8(kMovedTitle));
                      });
}

void InstallerController::openApp() {
  const std::optional<std::string> app = CurrentPaths(*this).currentAppPath();
  if (!app || app->empty()) return;
  LaunchAppBundle(QString::fromStdString(*app));
}

void InstallerController::revealInFinder() {
  const std::optional<std::string> app = CurrentPaths(*this).currentAppPath();
  if (!app) return;
  const std::string folder = FinderFolderPath();
  PrepareFinderFolder(*app, folder);
  OpenWithDesktop(QString::fromStdString(folder));
}

}  // namespace vlmr
