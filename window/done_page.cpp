// The done page: the finished app with "Move to Applications", "Show in
// Finder" and "Open", the key hints and the advice before the first start.
#include "window/done_page.h"

#include <QCoreApplication>
#include <QPalette>
#include <QRectF>
#include <algorithm>
#include <cmath>

#include "components/accessibility.h"
#include "components/fonts.h"
#include "components/frame.h"
#include "components/image_view.h"
#include "components/page_helpers.h"
#include "components/palette.h"
#include "components/primary_button.h"
#include "components/stage_views.h"
#include "components/standard_buttons.h"
#include "session/build_notification.h"
#include "window/localization.h"
#include "window/page_parts.h"

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
    //: A key cap: the Command key and the Return key, pressed together. Keep "⌘" and name
    //: Return as the system's keyboard menus do.
    {QT_TRANSLATE_NOOP("vlmr::DonePage", "⌘ Return"),
     QT_TRANSLATE_NOOP("vlmr::DonePage", "Fullscreen"), 22, 152, 260},
    {"P", QT_TRANSLATE_NOOP("vlmr::DonePage", "Pause or resume"), 22, 114, 260},
    {"W A S D", QT_TRANSLATE_NOOP("vlmr::DonePage", "Move the camera"), 22, 78, 260},
    {"⌘ ,",
     QT_TRANSLATE_NOOP("vlmr::DonePage",
                       "Settings: resolution, scaling, text, camera, autosave, speed "
                       "keys and simulation options"),
     344, 158, 290},
    //: What the keys 1 to 4 do in the game; an action, like the other shortcuts.
    {"1–4", QT_TRANSLATE_NOOP("vlmr::DonePage", "Set game speed"), 344, 114, 290},
    {"Q E", QT_TRANSLATE_NOOP("vlmr::DonePage", "Turn the camera"), 344, 78, 290},
};

QString MoveTitle(MoveState state) {
  switch (state) {
    case MoveState::Ready:
      return DonePage::tr("Move to Applications");
    case MoveState::Moving:
      //: The title of the "Move to Applications" button while the app is being moved.
      return DonePage::tr("Moving…");
    case MoveState::Moved:
      break;
  }
  //: The title of the "Move to Applications" button once the app is there (the app is the
  //: subject).
  return DonePage::tr("Moved ✓");
}

}  // namespace

DonePage::DonePage(const DonePageState& state) : PageView(kPageFrame) {
  auto* iconCard = new PanelView(QRectF(36, 494, 100, 100));
  iconCard->setFillColor(ChipColor());
  iconCard->setLineColor(LineColor());
  iconCard->setRadius(14);
  AddSubview(this, iconCard);
  auto* icon = new ImageView(QRectF(8, 8, 84, 84), InstallerIcon());
  AddSubview(iconCard, icon);
  // The icon and its card only decorate the title.
  HideFromAccessibility(iconCard);
  HideFromAccessibility(icon);

  Label* title = MakeLabel(Shown(kAppReadyTitle), true, std::nullopt, 160, 558, 520, 38, 26);
  title->setHeading(true);
  AddSubview(this, title);
  AddSubview(this, MakeLabel(tr("Your city is built. Open it now, or keep it with your other "
                                "apps."),
                             false, SecondaryLabelColor(), 160, 528, 520, 24, 15));

  const bool installed = state.move == MoveState::Moved;
  PrimaryButton* move = AddPrimaryButtonTo(this, MoveTitle(state.move), 36, 440, 200);
  move->setKeyEquivalent(QStringLiteral("\r"));
  move->setEnabled(!installed);
  connect(move, &QAbstractButton::clicked, this, &DonePage::moveRequested);
  move_ = move;
  PushButton* reveal = AddSecondaryButtonTo(this, tr("Show in Finder"), 248, 440, 160);
  connect(reveal, &QAbstractButton::clicked, this, &DonePage::revealRequested);
  PushButton* open = AddSecondaryButtonTo(this, tr("Open"), 420, 440, 120);
  connect(open, &QAbstractButton::clicked, this, &DonePage::openRequested);
  setTabOrder(move, reveal);
  setTabOrder(reveal, open);

  auto* hints = new PanelView(QRectF(36, 196, 668, 224));
  AddSubview(this, hints);
  Label* before = MakeLabel(tr("Before you play"), true, std::nullopt, 22, 188, 300, 22, 15);
  before->setHeading(true);
  AddSubview(hints, before);
  for (const ShortcutRow& row : kShortcutRows) {
    addShortcutRowTo(hints, row.x, row.y, tr(row.keys), tr(row.description), row.width);
  }
  AttributedText blocked =
      RichText(tr("If macOS blocks the game:"), LabelColor(), QFont::DemiBold, 12);
  AppendRich(blocked,
             // From macOS 15 a Control-click no longer opens a blocked app: only
             // the Privacy & Security pane does.
             tr(" go to System Settings → Privacy & Security → Open Anyway. You only need to do "
                "this once."),
             SecondaryLabelColor(), QFont::Normal, 12);
  AddSubview(hints, MakeRichLabel(blocked, 22, 20, hints->width() - 44, 50));

  // The accent bar's colour is taken once, for the appearance in effect now.
  auto* accent = new QWidget;
  QPalette colours = accent->palette();
  colours.setColor(QPalette::Window, TealColor().resolve(ApplicationAppearance()));
  accent->setPalette(colours);
  accent->setAutoFillBackground(true);
  SetFrame(accent, 37, 130, 3, 48);
  HideFromAccessibility(accent);
  AddSubview(this, accent);
  AddSubview(this, MakeLabel(tr("This app contains your copy of the game. Please keep "
                                "it on this Mac and don't share or upload it. Your "
                                "saves and settings stay in your user folder."),
                             false, SecondaryLabelColor(), 54, 132, 648, 48, 12));
}

void DonePage::setMoveState(MoveState state) {
  move_->setEnabled(state == MoveState::Ready);
  move_->setTitle(MoveTitle(state));
  move_->update();
}

void DonePage::addShortcutRowTo(QWidget* parent, double x, double y, const QString& keys,
                                const QString& description, double width) {
  const double capWidth = std::max(TextSize(keys, 11, QFont::DemiBold).width() + 12, 24.0);
  auto* cap = new KeycapView(QRectF(x, y, capWidth, 20), keys);
  AddSubview(parent, cap);
  const double labelWidth = width - capWidth - 8;
  double height = description.length() > 60 ? 40 : 18;
  Label* meaning = MakeLabel(description, false, SecondaryLabelColor(), x + capWidth + 8, y + 2,
                             labelWidth, height, 12);
  // Where the system font sets the text wider than planned, the label grows
  // downward, its top staying level with the key cap's, so no line is cut off.
  const double grow = std::max(0.0, std::ceil(meaning->textHeightForWidth(labelWidth)) - height);
  SetFrame(meaning, x + capWidth + 8, y + 2 - grow, labelWidth, height + grow);
  AddSubview(parent, meaning);
  // Heard as one line: "Command Return: Fullscreen".
  GroupForAccessibility(
      cap,
      QCoreApplication::translate("Accessibility", "%1: %2").arg(SpokenKeys(keys), description),
      {meaning});
}

}  // namespace vlmr
