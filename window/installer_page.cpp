// The installer page: the drop zone with the chosen file and its verdict,
// "Choose…" and "Build".
#include "window/installer_page.h"

#include <QRectF>

#include "checks/free_space.h"
#include "components/accessibility.h"
#include "components/drop_zone_view.h"
#include "components/frame.h"
#include "components/page_helpers.h"
#include "components/palette.h"
#include "components/primary_button.h"
#include "components/standard_buttons.h"
#include "window/localization.h"
#include "window/page_parts.h"

namespace vlmr {
namespace {

// What a first build takes, and what becomes of the app; "%1" takes the room
// a build needs.
constexpr char kFirstBuildNote[] = QT_TRANSLATE_NOOP(
    "vlmr::InstallerPage",
    "First build: about 3 minutes and %1 of free space. The finished app contains your game "
    "files; keep it on this Mac.");

DynColor ToneColor(VerdictTone tone) {
  return tone == VerdictTone::Error ? SystemRedColor() : SecondaryLabelColor();
}

// The file chip's colour: the label colour for a chosen file, fainter for the placeholder.
DynColor FileColor(const InstallerPageState& state) {
  return state.name.isEmpty() ? TertiaryLabelColor() : LabelColor();
}

}  // namespace

QString InstallerPage::NameAndSize(const QString& name, const QString& size) {
  // A size that could not be read leaves the name alone, without a dangling " · ".
  if (size.isEmpty()) return ShownName(name);
  return ShownName(name) + QStringLiteral(" · ") + size;
}

QString InstallerPage::fileText(const InstallerPageState& state) {
  return state.name.isEmpty() ? tr("No file chosen yet") : NameAndSize(state.name, state.size);
}

InstallerPage::InstallerPage(const InstallerPageState& state) : PageView(kPageFrame) {
  AddHeroTo(this, tr("Bring your GOG installer"), tr("We'll turn your copy into a native Mac app."),
            68);

  auto* zone = new DropZoneView(QRectF(36, 244, 668, 244));
  connect(zone, &DropZoneView::fileDropped, this, &InstallerPage::installerDropped);
  // Space or Return on the focused zone does what "Choose…" does.
  connect(zone, &DropZoneView::chooseRequested, this, &InstallerPage::chooseRequested);
  AddSubview(this, zone);
  const double inner = zone->width() - 48;

  Label* arrow = MakeLabel(QStringLiteral("↓"), false, TealColor(), 24, 178, inner, 30, 26);
  arrow->setAlignment(Qt::AlignHCenter);
  AddSubview(zone, arrow);
  // The zone's own words, which a screen reader also hears for it.
  Label* heading = MakeLabel(tr("Drop your GOG SimCity 3000 Unlimited installer here"), true,
                             std::nullopt, 24, 138, inner, 28, 17);
  heading->setAlignment(Qt::AlignHCenter);
  AddSubview(zone, heading);
  Label* lead = MakeLabel(tr("Choose the offline installer ending in .exe"), false,
                          SecondaryLabelColor(), 24, 110, inner, 20, 13);
  lead->setAlignment(Qt::AlignHCenter);
  AddSubview(zone, lead);
  // The zone itself reads as the heading's words with the lead as its description; the arrow
  // only points at it.
  GroupForAccessibility(zone, heading->text(), {arrow, heading, lead});
  zone->setAccessibleDescription(lead->text());

  auto* chip = new PanelView(QRectF((zone->width() - 380) / 2, 62, 380, 34));
  chip->setFillColor(ChipColor());
  chip->setLineColor(LineColor());
  chip->setRadius(8);
  AddSubview(zone, chip);
  file_ = MakeLabel(fileText(state), false, FileColor(state), 10, 7, 360, 20, 12);
  file_->setAlignment(Qt::AlignHCenter);
  file_->setLineBreakMode(Label::LineBreakMode::TruncateMiddle);
  AddSubview(chip, file_);

  verdict_ = MakeLabel(state.verdict, false, ToneColor(state.tone), 24, 22, inner, 34, 12);
  AddSubview(zone, verdict_);

  PushButton* choose = AddSecondaryButtonTo(this, tr("Choose…"), 36, 190, 120);
  connect(choose, &QAbstractButton::clicked, this, &InstallerPage::chooseRequested);
  //: The button that starts building the app from the chosen installer (a verb).
  PrimaryButton* build = AddPrimaryButtonTo(this, tr("Build"), 584, 190, 120);
  build->setEnabled(state.buildEnabled);
  build->setKeyEquivalent(QStringLiteral("\r"));
  connect(build, &QAbstractButton::clicked, this, &InstallerPage::buildRequested);
  build_ = build;
  setTabOrder(zone, choose);
  setTabOrder(choose, build);

  AddSubview(this, MakeLabel(tr("Your file stays on this Mac"), false, SecondaryLabelColor(), 176,
                             198, 400, 20, 12));
  AddSubview(this, MakeLabel(tr(kFirstBuildNote).arg(ShownSize(BuildSpaceNeededFigure())), false,
                             TertiaryLabelColor(), 36, 150, 668, 40, 12));
}

void InstallerPage::setState(const InstallerPageState& state) {
  file_->setText(fileText(state));
  file_->setTextColor(FileColor(state));
  verdict_->setText(state.verdict);
  verdict_->setTextColor(ToneColor(state.tone));
  build_->setEnabled(state.buildEnabled);
}

}  // namespace vlmr
