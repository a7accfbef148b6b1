#pragma once

#include <QColor>
#include <QPlainTextEdit>
#include <QRectF>
#include <QStringList>
#include <QTimer>

namespace vlmr {

/// The build log: a read-only, selectable, monospaced text view that wraps long lines, draws no
/// background and scrolls with a thin overlay scroller. It keeps the newest kMaxLines lines
/// it is given (the installer log keeps them all), so a flood costs bounded memory and layout.
/// Lines appended in quick succession are inserted together on the next turn of the event loop
/// (or at flush()), so a build printing many lines stays fast. The lines the log is built with
/// are drawn in labelColor, appended ones in textColor. Screen readers read it as read-only
/// multi-line text named "Build log" holding the lines kept.
class LogView : public QPlainTextEdit {
  Q_OBJECT
 public:
  /// An empty log at `frame` (bottom-left based).
  explicit LogView(const QRectF& frame = QRectF(), QWidget* parent = nullptr);

  /// The most lines the view holds; older ones leave from the top.
  static constexpr int kMaxLines = 10000;

  /// Replaces the whole log by `lines`, drawn in labelColor.
  void setLines(const QStringList& lines);
  /// Adds `line` (without its line feed) as the last line, in textColor, and keeps the end in
  /// view.
  void appendLine(const QString& line);
  /// Inserts the lines still waiting and scrolls to the end.
  void flush();

  /// The number of lines given so far, waiting ones and those no longer held included.
  qsizetype lineCount() const { return lineCount_ + pending_.size() + dropped_; }
  /// The lines held, joined with line feeds (waiting ones are inserted first).
  QString text();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void syncColours();

  QStringList pending_;
  int initialLength_ = 0;    // characters of the text set by setLines
  QColor initialColour_;     // the colour they were last given
  qsizetype lineCount_ = 0;  // lines inserted into the document
  qsizetype dropped_ = 0;    // waiting lines dropped before insertion
  QTimer flushTimer_;
};

}  // namespace vlmr
