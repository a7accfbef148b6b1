#include "components/accessibility.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QVariant>
#include <cmath>

#include "components/drop_zone_view.h"
#include "components/label.h"
#include "components/progress_bar.h"
#include "components/stage_views.h"

namespace vlmr {
namespace {

constexpr const char* kHiddenProperty = "vlmrAccessiblyHidden";

// What every custom view shares: a name set by the page wins over the one the view makes
// from its content, and a view grouped into another one reports itself invisible.
class ViewAccessible : public QAccessibleWidget {
 public:
  ViewAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      const QString set = widget()->accessibleName();
      return set.isEmpty() ? contentName() : set;
    }
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (IsAccessiblyHidden(widget())) s.invisible = true;
    return s;
  }

 protected:
  virtual QString contentName() const { return QString(); }
};

class LabelAccessible : public ViewAccessible {
 public:
  explicit LabelAccessible(Label* label) : ViewAccessible(label, QAccessible::StaticText) {}
  QAccessible::Role role() const override {
    return label()->isHeading() ? QAccessible::Heading : QAccessible::StaticText;
  }
  QAccessible::State state() const override {
    QAccessible::State s = ViewAccessible::state();
    s.readOnly = true;
    // An empty line (a verdict not given yet) has nothing to say: no stop for a screen reader.
    if (text(QAccessible::Name).isEmpty()) s.invisible = true;
    return s;
  }

 protected:
  QString contentName() const override { return label()->text(); }

 private:
  Label* label() const { return static_cast<Label*>(widget()); }
};

class ProgressBarAccessible : public ViewAccessible, public QAccessibleValueInterface {
 public:
  explicit ProgressBarAccessible(ProgressBar* bar)
      : ViewAccessible(bar, QAccessible::ProgressBar) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return ViewAccessible::interface_cast(type);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value)
      return QStringLiteral("%1%").arg(std::lround(bar()->fraction() * 100));
    return ViewAccessible::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = ViewAccessible::state();
    s.readOnly = true;
    return s;
  }

  QVariant currentValue() const override { return bar()->value(); }
  void setCurrentValue(const QVariant&) override {}  // the build sets it, never the user
  QVariant maximumValue() const override { return bar()->maximum(); }
  QVariant minimumValue() const override { return bar()->minimum(); }
  QVariant minimumStepSize() const override { return 0.0; }

 private:
  ProgressBar* bar() const { return static_cast<ProgressBar*>(widget()); }
};

QString StateInWords(StageState state) {
  switch (state) {
    case StageState::Done:
      //: Spoken after a build stage's name ("Compile the game: done"): the stage is over.
      return QCoreApplication::translate("Accessibility", "done");
    case StageState::Active:
      //: Spoken after a build stage's name: the stage is running now.
      return QCoreApplication::translate("Accessibility", "in progress");
    case StageState::Pending:
      break;
  }
  //: Spoken after a build stage's name: the stage has not begun yet.
  return QCoreApplication::translate("Accessibility", "not started");
}

class StagePillAccessible : public ViewAccessible {
 public:
  explicit StagePillAccessible(StagePillView* pill)
      : ViewAccessible(pill, QAccessible::StaticText) {}
  QAccessible::State state() const override {
    QAccessible::State s = ViewAccessible::state();
    s.readOnly = true;
    s.busy = pill()->stageState() == StageState::Active;
    return s;
  }

 protected:
  QString contentName() const override {
    //: Read aloud as one line: %1 is what a row or key names, %2 its state or meaning
    //: ("Python 3: Ready", "Compile the game: done").
    return QCoreApplication::translate("Accessibility", "%1: %2")
        .arg(pill()->stageName(), StateInWords(pill()->stageState()));
  }

 private:
  StagePillView* pill() const { return static_cast<StagePillView*>(widget()); }
};

class KeycapAccessible : public ViewAccessible {
 public:
  explicit KeycapAccessible(KeycapView* cap) : ViewAccessible(cap, QAccessible::StaticText) {}

 protected:
  QString contentName() const override {
    return SpokenKeys(static_cast<KeycapView*>(widget())->text());
  }
};

class DropZoneAccessible : public ViewAccessible {
 public:
  explicit DropZoneAccessible(DropZoneView* zone) : ViewAccessible(zone, QAccessible::Button) {}

  // Its name and description are the page's words (accessibleName, accessibleDescription).
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction() && widget()->isEnabled()) zone()->activate();
  }

 private:
  DropZoneView* zone() const { return static_cast<DropZoneView*>(widget()); }
};

QAccessibleInterface* CreateViewAccessible(const QString& className, QObject* object) {
  // Qt asks for every class of the object's chain, most derived first; answer for ours.
  if (className == QLatin1String("vlmr::Label"))
    return new LabelAccessible(static_cast<Label*>(object));
  if (className == QLatin1String("vlmr::ProgressBar"))
    return new ProgressBarAccessible(static_cast<ProgressBar*>(object));
  if (className == QLatin1String("vlmr::StagePillView"))
    return new StagePillAccessible(static_cast<StagePillView*>(object));
  if (className == QLatin1String("vlmr::KeycapView"))
    return new KeycapAccessible(static_cast<KeycapView*>(object));
  if (className == QLatin1String("vlmr::DropZoneView"))
    return new DropZoneAccessible(static_cast<DropZoneView*>(object));
  // Any other widget asked for as a plain QWidget (panels, separators, images) keeps Qt's own
  // interface unless it was left out of the tree.
  if (className == QLatin1String("QWidget") && object->isWidgetType() &&
      IsAccessiblyHidden(static_cast<QWidget*>(object)))
    return new ViewAccessible(static_cast<QWidget*>(object), QAccessible::Client);
  return nullptr;
}

}  // namespace

void InstallAccessibleViews() {
  static const bool installed = [] {
    QAccessible::installFactory(CreateViewAccessible);
    return true;
  }();
  (void)installed;
}

void AnnounceAccessibleChange(QWidget* widget, QAccessible::Event change) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(widget, change);
  QAccessible::updateAccessibility(&event);
}

void GroupForAccessibility(QWidget* lead, const QString& name, const QList<QWidget*>& others) {
  lead->setAccessibleName(name);
  for (QWidget* other : others) {
    if (other == nullptr || other == lead) continue;
    HideFromAccessibility(other);
  }
}

void HideFromAccessibility(QWidget* widget) {
  widget->setProperty(kHiddenProperty, true);
}

bool IsAccessiblyHidden(const QWidget* widget) {
  return widget->property(kHiddenProperty).toBool();
}

QString SpokenKeys(const QString& keys) {
  QString spoken = keys;
  //: The ⌘ key as a screen reader names it, in the system's words. "Command comma" starts
  //: with the same word.
  const QString command = QCoreApplication::translate("Accessibility", "Command");
  spoken.replace(QStringLiteral("⌘"), command);
  //: The ⌥ key as a screen reader names it, in the system's words.
  spoken.replace(QStringLiteral("⌥"), QCoreApplication::translate("Accessibility", "Option"));
  //: The ⇧ key as a screen reader names it, in the system's words.
  spoken.replace(QStringLiteral("⇧"), QCoreApplication::translate("Accessibility", "Shift"));
  //: Read for the dash of a range of keys ("1–4": "1 to 4"); keep the spaces.
  spoken.replace(QStringLiteral("–"), QCoreApplication::translate("Accessibility", " to "));
  spoken.replace(command + QStringLiteral(" ,"),
                 //: The key combination ⌘ , (the settings shortcut) read aloud.
                 QCoreApplication::translate("Accessibility", "Command comma"));
  return spoken;
}

}  // namespace vlmr
