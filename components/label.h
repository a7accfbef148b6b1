#pragma once

#include <QFont>
#include <QString>
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
/// runs from the top of its frame, colours resolved at paint time for its appearance.
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

  /// The text's size on one line.
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  AttributedText runs_;
  Qt::Alignment alignment_ = Qt::AlignLeft;
  LineBreakMode lineBreakMode_ = LineBreakMode::WordWrap;
};

}  // namespace vlmr
