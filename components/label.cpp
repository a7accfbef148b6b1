#include "components/label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "components/fonts.h"
#include "components/palette.h"

namespace vlmr {
namespace {

// As in a borderless text field, text starts 2 points in from the left and right edges.
constexpr double kPadding = 2;

Qt::TextElideMode ElideModeFor(Label::LineBreakMode mode) {
  switch (mode) {
    case Label::LineBreakMode::TruncateTail:
      return Qt::ElideRight;
    case Label::LineBreakMode::TruncateMiddle:
      return Qt::ElideMiddle;
    default:
      return Qt::ElideNone;
  }
}

}  // namespace

QFont TextRun::font() const {
  return SystemFont(size, weight);
}

Label::Label(QWidget* parent) : QWidget(parent) {
  // Static text: clicks and drags go to what lies below it.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void Label::setAttributedText(const AttributedText& text) {
  runs_ = text;
  update();
}

QString Label::text() const {
  QString all;
  for (const TextRun& run : runs_) all += run.text;
  return all;
}

void Label::setText(const QString& text) {
  TextRun run = runs_.empty() ? TextRun{QString(), LabelColor()} : runs_.front();
  run.text = text;
  runs_ = {run};
  update();
}

DynColor Label::textColor() const {
  return runs_.empty() ? LabelColor() : runs_.front().color;
}

void Label::setTextColor(const DynColor& color) {
  if (runs_.empty()) runs_.push_back(TextRun{QString(), color});
  for (TextRun& run : runs_) run.color = color;
  update();
}

void Label::setAlignment(Qt::Alignment alignment) {
  alignment_ = alignment & Qt::AlignHorizontal_Mask;
  update();
}

void Label::setLineBreakMode(LineBreakMode mode) {
  lineBreakMode_ = mode;
  update();
}

QSize Label::sizeHint() const {
  double width = 0;
  double height = 0;
  for (const TextRun& run : runs_) {
    const QFontMetricsF metrics(run.font());
    width += metrics.horizontalAdvance(run.text);
    height = std::max(height, metrics.height());
  }
  return QSize(static_cast<int>(std::ceil(width + 2 * kPadding)),
               static_cast<int>(std::ceil(height)));
}

void Label::paintEvent(QPaintEvent*) {
  if (runs_.empty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const double lineWidth = std::max(0.0, width() - 2 * kPadding);

  QString text = this->text();
  QList<QTextLayout::FormatRange> formats;
  const bool singleLine = lineBreakMode_ != LineBreakMode::WordWrap;
  if (singleLine && ElideModeFor(lineBreakMode_) != Qt::ElideNone) {
    // Truncation works on the whole text in the first run's style.
    const QFontMetricsF metrics(runs_.front().font(), this);
    text = metrics.elidedText(text, ElideModeFor(lineBreakMode_), lineWidth);
    QTextCharFormat format;
    format.setFont(runs_.front().font());
    format.setForeground(runs_.front().color.resolve(this));
    formats.append({0, static_cast<int>(text.size()), format});
  } else {
    int start = 0;
    for (const TextRun& run : runs_) {
      QTextCharFormat format;
      format.setFont(run.font());
      format.setForeground(run.color.resolve(this));
      formats.append({start, static_cast<int>(run.text.size()), format});
      start += static_cast<int>(run.text.size());
    }
  }

  QTextLayout layout(text, runs_.front().font(), this);
  QTextOption option(alignment_);
  option.setWrapMode(singleLine ? QTextOption::NoWrap : QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.setFormats(formats);
  layout.beginLayout();
  double y = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(lineWidth);
    line.setPosition(QPointF(kPadding, y));
    y += line.height();
    if (singleLine || y >= height()) break;
  }
  layout.endLayout();
  layout.draw(&painter, QPointF(0, 0));
}

}  // namespace vlmr
