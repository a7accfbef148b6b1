// The builders of the recurring page elements: the page header, the two kinds
// of action button and the checklist rows.
#include "window/page_parts.h"

#include <QCoreApplication>
#include <QRectF>

#include "base/text.h"
#include "components/accessibility.h"
#include "components/frame.h"
#include "components/image_view.h"
#include "components/page_helpers.h"
#include "components/palette.h"
#include "components/primary_button.h"
#include "components/standard_buttons.h"

namespace vlmr {
namespace {

// Every action button is this high, whatever the caller plans.
constexpr double kButtonHeight = 36;

template <class Button>
Button* AddButtonTo(QWidget* parent, const QString& title, double x, double y, double width) {
  auto* button = new Button(title);
  SetFrame(button, x, y, width, kButtonHeight);
  AddSubview(parent, button);
  return button;
}

}  // namespace

Label* AddHeroTo(QWidget* parent, const QString& title, const QString& lead, double iconSize) {
  auto* icon = new ImageView(QRectF(36, 594 - iconSize, iconSize, iconSize), InstallerIcon());
  // The product icon only decorates the title, which says it all.
  HideFromAccessibility(icon);
  AddSubview(parent, icon);
  Label* titleLabel =
      MakeLabel(title, true, std::nullopt, iconSize + 58, 560, 646 - iconSize, 36, 26);
  titleLabel->setHeading(true);
  AddSubview(parent, titleLabel);
  Label* leadLabel =
      MakeLabel(lead, false, SecondaryLabelColor(), iconSize + 58, 531, 646 - iconSize, 24, 15);
  AddSubview(parent, leadLabel);
  return leadLabel;
}

PrimaryButton* AddPrimaryButtonTo(QWidget* parent, const QString& title, double x, double y,
                                  double width) {
  return AddButtonTo<PrimaryButton>(parent, title, x, y, width);
}

PushButton* AddSecondaryButtonTo(QWidget* parent, const QString& title, double x, double y,
                                 double width) {
  return AddButtonTo<PushButton>(parent, title, x, y, width);
}

QString ShownName(const QString& name) {
  return QString::fromStdString(IsolatedName(name.toStdString()));
}

namespace {

Label* AddRowTo(QWidget* parent, double x, double y, const QString& label, const QString& value,
                const DynColor& dotColor, bool ok) {
  Label* dot = MakeLabel(QStringLiteral("●"), false, dotColor, x, y, 18, 18, 12);
  AddSubview(parent, dot);
  AttributedText text = RichText(label, LabelColor(), QFont::DemiBold, 13);
  AppendRich(text, QStringLiteral("  ") + value, SecondaryLabelColor(), QFont::Normal, 13);
  // The row reaches to the parent's right edge, wherever it starts.
  Label* row = MakeRichLabel(text, x + 20, y - 1, parent->width() - 42, 20);
  AddSubview(parent, row);
  // Heard as one line, "Python 3: Ready". The dot is hidden from the reader, so
  // what only its colour tells (a "Ready" whose own test failed) goes in words.
  QString heard = QCoreApplication::translate("Accessibility", "%1: %2").arg(label, value);
  //: Read aloud after a checklist row whose state is not good; %1 is the row as read.
  if (!ok) heard = QCoreApplication::translate("PageParts", "%1, needs attention").arg(heard);
  GroupForAccessibility(row, heard, {dot});
  return row;
}

}  // namespace

Label* AddStatusRowTo(QWidget* parent, double x, double y, const QString& label,
                      const QString& value, bool ok) {
  const DynColor amber = Dyn(Srgb(0.780, 0.506, 0.075), Srgb(0.949, 0.675, 0.224));
  return AddRowTo(parent, x, y, label, value, ok ? GreenDotColor() : amber, ok);
}

Label* AddPendingRowTo(QWidget* parent, double x, double y, const QString& label,
                       const QString& value) {
  // Nothing needs attention yet: the reader hears the value alone.
  return AddRowTo(parent, x, y, label, value, TertiaryLabelColor(), true);
}

}  // namespace vlmr
