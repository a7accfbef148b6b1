#include "components/stage_views.h"

#include <QPainter>
#include <QPainterPath>
#include <optional>

#include "components/accessibility.h"
#include "components/fonts.h"
#include "components/frame.h"
#include "components/palette.h"

namespace vlmr {

KeycapView::KeycapView(const QRectF& frame, const QString& text, QWidget* parent)
    : QWidget(parent), text_(text) {
  InstallAccessibleViews();
  SetFrame(this, frame);
}

void KeycapView::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
  if (accessibleName().isEmpty()) AnnounceAccessibleChange(this, QAccessible::NameChanged);
}

void KeycapView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath cap;
  cap.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5);
  painter.fillPath(cap, ChipColor().resolve(this));
  painter.strokePath(cap, QPen(LineColor().resolve(this), 1.0));
  DrawCentredText(painter, rect(), text_, SystemFont(11, QFont::DemiBold),
                  LabelColor().resolve(this));
}

StagePillView::StagePillView(const QRectF& frame, const QString& name, QWidget* parent)
    : QWidget(parent), stageName_(name) {
  InstallAccessibleViews();
  SetFrame(this, frame);
}

void StagePillView::setStageState(StageState state) {
  if (state == stageState_) return;
  const bool wasActive = stageState_ == StageState::Active;
  stageState_ = state;
  update();
  // The state is read as part of the name ("Compile the game: done"); "in progress" is also
  // the busy state.
  AnnounceAccessibleChange(this, QAccessible::NameChanged);
  if (wasActive != (state == StageState::Active) && QAccessible::isActive()) {
    QAccessible::State changed;
    changed.busy = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
  }
}

namespace {

struct PillLook {
  DynColor fill;
  std::optional<DynColor> outline;
  double outlineWidth;
  QString glyph;
  DynColor glyphColor;
  DynColor nameColor;
};

PillLook LookFor(StageState state) {
  switch (state) {
    case StageState::Done:
      return {StatusColor(),   std::nullopt,   0, QStringLiteral("\u2713"),
              GreenDotColor(), GreenDotColor()};
    case StageState::Active:
      return {StatusColor(), TealColor(), 1.5, QStringLiteral("\u25C9"), TealColor(), LabelColor()};
    case StageState::Pending:
      break;
  }
  return {PageColor(), LineColor(), 1.0, QStringLiteral("\u25CB"), TertiaryLabelColor(),
          LabelColor()};
}

}  // namespace

void StagePillView::paintEvent(QPaintEvent*) {
  const PillLook look = LookFor(stageState_);
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath pill;
  pill.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
  painter.fillPath(pill, look.fill.resolve(this));
  if (look.outline) painter.strokePath(pill, QPen(look.outline->resolve(this), look.outlineWidth));

  // Both texts keep fixed anchors: their line boxes start 8 points below the middle.
  const double anchor = height() * 0.5 - 8;
  DrawTextFromBottom(painter, height(), 14, anchor, look.glyph, SystemFont(12, QFont::DemiBold),
                     look.glyphColor.resolve(this));
  DrawTextFromBottom(painter, height(), 34, anchor, stageName_, SystemFont(12.5),
                     look.nameColor.resolve(this));
}

}  // namespace vlmr
