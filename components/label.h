#pragma once

#include <QFont>
#include <QString>
#include <QTextLayout>
#include <QWidget>
#include <vector>

#include "components/appearance.h"

namespace vlmr {

/// One run of styled text: its characters, colour, system font weight and size in points.
struct TextRun {
  QString text;                          ///< the characters
  DynColor color;                        ///< the text colour
  QFont::Weight weight = QFont::Normal;  ///< QFont::DemiBold is semibold
  double size = 13;                      ///< in points

  /// The system font of this run.
  QFont font() const;
  bool operator==(const TextRun&) const = default;
};

/// Styled text made of runs, drawn one after the other as one paragraph.
using AttributedText = std::vector<TextRun>;

/// A static text field: not editable, not selectable, no bezel, no background. It draws its
/// runs from the top of its frame, colours resolved at paint time for its appearance, and only
/// the lines that fit whole inside the frame (the first line is always drawn). Screen readers
/// read it as static text (or a heading) named by its plain text; a change of text is announced.
class Label : public QWidget {
  Q_OBJECT
 public:
  /// How text that does not fit is handled.
  enum class LineBreakMode {
    WordWrap,        ///< wrap at word boundaries, no line limit (the default)
    Clip,            ///< one line, cut at the edge
    TruncateTail,    ///< one line, "…" at the end
    TruncateMiddle,  ///< one line, "…" in the middle
  };

  /// An empty label; MakeLabel and MakeRichLabel make filled ones.
  explicit Label(QWidget* parent = nullptr);

  /// The runs shown.
  const AttributedText& attributedText() const { return runs_; }
  /// Replaces the runs and redraws.
  void setAttributedText(const AttributedText& text);

  /// The plain text of all runs.
  QString text() const;
  /// Replaces the text by one run with the font and colour of the current first run.
  void setText(const QString& text);

  /// The colour of the first run (labelColor when there is no run).
  DynColor textColor() const;
  /// Gives every run `color` and redraws.
  void setTextColor(const DynColor& color);

  /// Horizontal alignment: Qt::AlignLeft (the default), Qt::AlignHCenter or Qt::AlignRight.
  Qt::Alignment alignment() const { return alignment_; }
  /// Sets the horizontal alignment and redraws.
  void setAlignment(Qt::Alignment alignment);

  /// How text that does not fit is handled.
  LineBreakMode lineBreakMode() const { return lineBreakMode_; }
  /// Sets the line break mode and redraws.
  void setLineBreakMode(LineBreakMode mode);

  /// Whether screen readers read the label as a heading (a page title) rather than plain text.
  bool isHeading() const { return heading_; }
  /// Marks the label as a heading, or as plain text again.
  void setHeading(bool heading);

  /// The text's size on one line.
  QSize sizeHint() const override;

  /// How many lines the text takes at `width` points, however high the frame (0 when empty).
  int lineCountForWidth(double width) const;
  /// The height the whole text takes at `width` points, so a page can make room for it.
  double textHeightForWidth(double width) const;
  /// How many lines are drawn in the current frame: those that fit whole, at least one.
  int visibleLineCount() const;

  /// Whether the whole text fits the frame, set smaller where it must be (down to
  /// kMinimumTextScale of its size): a text that wraps onto more lines than the frame holds,
  /// or a single line wider than the frame, is set smaller until it fits. Truncating modes
  /// always fit: they cut on purpose.
  bool fitsFrame() const;
  /// The share of its size the text is drawn at: 1, or less where it had to shrink.
  double drawnScale() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Lines {
    int count = 0;      // lines laid out
    double height = 0;  // their total height
  };
  // Lays the text out at `width` in `layout`, whose fonts are `factor` times larger, stopping
  // after the last line that ends within `maxHeight`; the first line is always laid out.
  Lines layOut(QTextLayout& layout, double width, double maxHeight, int factor) const;
  // The lines of `runs` at `width` within `maxHeight`, measured without drawing.
  Lines measure(const AttributedText& runs, double width, double maxHeight) const;
  // Whether `runs` fit the frame whole.
  bool fits(const AttributedText& runs) const;
  // The runs as drawn: as set, or set smaller to fit the frame; and whether they fit.
  AttributedText fittingRuns(bool* fit = nullptr) const;
  void announceTextChange(const QString& before);

  AttributedText runs_;
  bool heading_ = false;
  Qt::Alignment alignment_ = Qt::AlignLeft;
  LineBreakMode lineBreakMode_ = LineBreakMode::WordWrap;
};

}  // namespace vlmr
