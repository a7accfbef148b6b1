#include "components/label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>

#include "base/text.h"
#include "components/accessibility.h"
#include "components/fonts.h"
#include "components/line_breaks.h"
#include "components/palette.h"

namespace vlmr {
namespace {

// As in a borderless text field, text starts 2 points in from the left and right edges.
constexpr double kPadding = 2;
// Layout heights are fractional: a line that overshoots the frame by less than this still fits.
constexpr double kFitTolerance = 0.01;

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
  InstallAccessibleViews();
}

void Label::announceTextChange(const QString& before) {
  if (text() != before && accessibleName().isEmpty())
    AnnounceAccessibleChange(this, QAccessible::NameChanged);
}

void Label::setAttributedText(const AttributedText& text) {
  const QString before = this->text();
  runs_ = text;
  update();
  announceTextChange(before);
}

void Label::setHeading(bool heading) {
  heading_ = heading;
}

QString Label::text() const {
  QString all;
  for (const TextRun& run : runs_) all += run.text;
  return all;
}

void Label::setText(const QString& text) {
  const QString before = this->text();
  TextRun run = runs_.empty() ? TextRun{QString(), LabelColor()} : runs_.front();
  run.text = text;
  runs_ = {run};
  update();
  announceTextChange(before);
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
    const QSizeF size = MeasureText(run.text, run.font());
    width += size.width();
    height = std::max(height, size.height());
  }
  return QSize(static_cast<int>(std::ceil(width + 2 * kPadding)),
               static_cast<int>(std::ceil(height)));
}

Label::Lines Label::layOut(QTextLayout& layout, double width, double maxHeight, int factor) const {
  const bool singleLine = lineBreakMode_ != LineBreakMode::WordWrap;
  QTextOption option(alignment_);
  option.setWrapMode(singleLine ? QTextOption::NoWrap : QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  // The layout is in the units of fonts `factor` times larger (fonts.h); lines are measured
  // back in points.
  const double lineWidth = std::max(0.0, width - 2 * kPadding) * factor;
  Lines lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(lineWidth);
    const double lineHeight = line.height() / factor;
    // A line that would end below the frame is not drawn at all, as in a text field: no
    // sliver of it shows. The first line is drawn whatever the frame.
    if (lines.count > 0 && lines.height + lineHeight > maxHeight + kFitTolerance) {
      // Laid out but not drawn: it goes below the frame, where the clip hides it.
      line.setPosition(QPointF(kPadding, (maxHeight + lineHeight) * factor));
      break;
    }
    line.setPosition(QPointF(kPadding, lines.height) * factor);
    lines.height += lineHeight;
    ++lines.count;
    if (singleLine) break;
  }
  layout.endLayout();
  return lines;
}

namespace {

// The factor by which the runs' fonts are set larger so that all have whole pixel sizes.
int TextScaleOf(const AttributedText& runs) {
  QList<double> sizes;
  for (const TextRun& run : runs) sizes << PixelSizeOf(run.font());
  return TextScaleFor(sizes);
}

// Each invisible bidirectional control in `text` (the isolates around a file name, say), and
// each word joiner, is set in the font of the range that holds it, never merged with a fallback
// font: the system font has no glyph for them, and a fallback's taller line would move the whole
// line, though nothing of these characters shows.
void KeepBidiControlsInTheirFont(const QString& text, QList<QTextLayout::FormatRange>& formats) {
  const qsizetype ranges = formats.size();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!IsBidiControl(text[i].unicode()) && text[i] != kWordJoiner) continue;
    for (qsizetype r = ranges - 1; r >= 0; --r) {
      const QTextLayout::FormatRange& range = formats[r];
      if (i < range.start || i >= range.start + range.length) continue;
      QFont font = range.format.font();
      font.setStyleStrategy(QFont::NoFontMerging);
      QTextCharFormat format;
      format.setFont(font);
      formats.append({static_cast<int>(i), 1, format});
      break;
    }
  }
}

// `runs` as their paragraph is laid out: Japanese held together where a reader expects no line
// break (line_breaks.h). What the label says, and what is read aloud, stays as set.
AttributedText LaidOutRuns(const AttributedText& runs) {
  QStringList pieces;
  for (const TextRun& run : runs) pieces << run.text;
  const QStringList laid = WithJapaneseLineBreaks(pieces);
  AttributedText result = runs;
  for (size_t i = 0; i < result.size(); ++i) result[i].text = laid[static_cast<qsizetype>(i)];
  return result;
}

// The text of `runs` with one format range per run, for a text layout in fonts `factor` times
// larger.
QList<QTextLayout::FormatRange> RunFormats(const AttributedText& runs, const QWidget* view,
                                           int factor) {
  QList<QTextLayout::FormatRange> formats;
  int start = 0;
  for (const TextRun& run : runs) {
    QTextCharFormat format;
    format.setFont(ScaledFont(run.font(), factor));
    if (view != nullptr) format.setForeground(run.color.resolve(view));
    formats.append({start, static_cast<int>(run.text.size()), format});
    start += static_cast<int>(run.text.size());
  }
  return formats;
}

}  // namespace

int Label::lineCountForWidth(double width) const {
  if (runs_.empty() || text().isEmpty()) return 0;
  return measure(runs_, width, std::numeric_limits<double>::infinity()).count;
}

double Label::textHeightForWidth(double width) const {
  if (runs_.empty() || text().isEmpty()) return 0;
  return measure(runs_, width, std::numeric_limits<double>::infinity()).height;
}

int Label::visibleLineCount() const {
  if (runs_.empty() || text().isEmpty()) return 0;
  return measure(fittingRuns(), width(), height()).count;
}

bool Label::fitsFrame() const {
  bool fit = true;
  fittingRuns(&fit);
  return fit;
}

double Label::drawnScale() const {
  if (runs_.empty()) return 1;
  return fittingRuns().front().size / runs_.front().size;
}

Label::Lines Label::measure(const AttributedText& runs, double width, double maxHeight) const {
  const int factor = TextScaleOf(runs);
  const AttributedText laid = LaidOutRuns(runs);
  QString all;
  for (const TextRun& run : laid) all += run.text;
  QTextLayout layout(all, ScaledFont(runs.front().font(), factor));
  QList<QTextLayout::FormatRange> formats = RunFormats(laid, nullptr, factor);
  KeepBidiControlsInTheirFont(layout.text(), formats);
  layout.setFormats(formats);
  return layOut(layout, width, maxHeight, factor);
}

bool Label::fits(const AttributedText& runs) const {
  if (lineBreakMode_ == LineBreakMode::WordWrap) {
    // One layout, unbounded: the lines fit when all of them end within the
    // frame, or there is only the first, which is always drawn.
    const Lines all = measure(runs, width(), std::numeric_limits<double>::infinity());
    return all.count <= 1 || all.height <= height() + kFitTolerance;
  }
  if (ElideModeFor(lineBreakMode_) != Qt::ElideNone) return true;
  double wide = 0;
  for (const TextRun& run : runs) wide += MeasureText(run.text, run.font()).width();
  return wide <= std::max(0.0, width() - 2 * kPadding) + kFitTolerance;
}

AttributedText Label::fittingRuns(bool* fit) const {
  if (fit != nullptr) *fit = true;
  if (runs_.empty() || text().isEmpty() || fits(runs_)) return runs_;
  double largest = 0;
  for (const TextRun& run : runs_) largest = std::max(largest, run.size);
  for (double size : ShrinkingSizes(largest)) {
    // Every run shrinks by the same share, to whole or half points.
    AttributedText smaller = runs_;
    for (TextRun& run : smaller) run.size = std::floor(run.size * size / largest * 2) / 2;
    if (fits(smaller)) return smaller;
  }
  if (fit != nullptr) *fit = false;
  return runs_;
}

void Label::paintEvent(QPaintEvent*) {
  if (runs_.empty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  // A text longer than its frame was made for (a translation) is set smaller to fit.
  const AttributedText runs = fittingRuns();
  QString text = this->text();
  QList<QTextLayout::FormatRange> formats;
  const int factor = TextScaleOf(runs);
  const QFont firstFont = ScaledFont(runs.front().font(), factor);
  const bool singleLine = lineBreakMode_ != LineBreakMode::WordWrap;
  if (singleLine && ElideModeFor(lineBreakMode_) != Qt::ElideNone) {
    // Truncation works on the whole text in the first run's style.
    const QFontMetricsF metrics(firstFont, this);
    const double lineWidth = std::max(0.0, width() - 2 * kPadding) * factor;
    text = metrics.elidedText(text, ElideModeFor(lineBreakMode_), lineWidth);
    QTextCharFormat format;
    format.setFont(firstFont);
    format.setForeground(runs.front().color.resolve(this));
    formats.append({0, static_cast<int>(text.size()), format});
  } else {
    const AttributedText laid = LaidOutRuns(runs);
    text.clear();
    for (const TextRun& run : laid) text += run.text;
    formats = RunFormats(laid, this, factor);
  }
  KeepBidiControlsInTheirFont(text, formats);

  QTextLayout layout(text, firstFont, this);
  layout.setFormats(formats);
  layOut(layout, width(), height(), factor);
  painter.scale(1.0 / factor, 1.0 / factor);
  layout.draw(&painter, QPointF(0, 0));
}

}  // namespace vlmr
