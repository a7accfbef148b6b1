#include "components/log_view.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "components/accessibility.h"
#include "components/fonts.h"
#include "components/frame.h"
#include "components/overlay_scroll_bar.h"
#include "components/palette.h"

namespace vlmr {

LogView::LogView(const QRectF& frame, QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setUndoRedoEnabled(false);  // a log is never edited; undo history would only cost memory
  // Older lines leave from the top as new ones come: memory and layout stay bounded.
  setMaximumBlockCount(kMaxLines);
  setFrameShape(QFrame::NoFrame);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setFont(MonospacedSystemFont(11));
  setBackgroundVisible(false);
  viewport()->setAutoFillBackground(false);
  // 12 points of inset left and right, 4 above and below.
  document()->setDocumentMargin(4);
  setViewportMargins(8, 0, 8, 0);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  new OverlayScrollBar(this);
  setAccessibleName(tr("Build log"));
  // The log itself holds the text; the viewport it draws in is nothing to read.
  HideFromAccessibility(viewport());

  flushTimer_.setSingleShot(true);
  flushTimer_.setInterval(15);
  connect(&flushTimer_, &QTimer::timeout, this, &LogView::flush);
  SetFrame(this, frame);
}

void LogView::setLines(const QStringList& lines) {
  flushTimer_.stop();
  pending_.clear();
  dropped_ = 0;
  clear();
  const QString text = lines.join(QLatin1Char('\n'));
  initialColour_ = LabelColor().resolve(this);
  QTextCharFormat format;
  format.setForeground(initialColour_);
  QTextCursor(document()).insertText(text, format);
  initialLength_ = static_cast<int>(text.size());
  lineCount_ = lines.size();
}

void LogView::appendLine(const QString& line) {
  pending_ << line;
  // Lines that could not be shown anyway are not held either.
  if (pending_.size() > kMaxLines) {
    pending_.removeFirst();
    ++dropped_;
  }
  if (!flushTimer_.isActive()) flushTimer_.start();
}

void LogView::flush() {
  flushTimer_.stop();
  if (pending_.isEmpty()) return;
  QString text = pending_.join(QLatin1Char('\n'));
  // Every line gets a line of its own, also after lines that were set without a final line feed.
  if (lineCount_ > 0) text.prepend(QLatin1Char('\n'));
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  // A plain format, so the new lines take textColor and not the colour of the text before.
  const int before = document()->characterCount();
  cursor.insertText(text, QTextCharFormat());
  // Lines that left from the top take the start of the initial text with them.
  const int removed = before + static_cast<int>(text.size()) - document()->characterCount();
  if (removed > 0) initialLength_ = std::max(0, initialLength_ - removed);
  lineCount_ += pending_.size();
  pending_.clear();
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

QString LogView::text() {
  flush();
  return toPlainText();
}

void LogView::syncColours() {
  // The text the log was built with keeps labelColor of the current appearance.
  const QColor initial = LabelColor().resolve(this);
  if (initialLength_ > 0 && initial != initialColour_) {
    initialColour_ = initial;
    QTextCursor cursor(document());
    cursor.setPosition(initialLength_, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setForeground(initial);
    cursor.mergeCharFormat(format);
  }
  // Qt's text drawing takes its colours from the palette, so the palette follows the appearance;
  // it is set only when it differs, which keeps this from repainting in a loop.
  QPalette colours = palette();
  const QColor text = TextColor().resolve(this);
  const QColor selection = SelectedTextBackgroundColor().resolve(this);
  if (colours.color(QPalette::Text) == text && colours.color(QPalette::Highlight) == selection &&
      colours.color(QPalette::Base) == Qt::transparent) {
    return;
  }
  colours.setColor(QPalette::Text, text);
  colours.setColor(QPalette::Highlight, selection);
  colours.setColor(QPalette::HighlightedText, text);
  colours.setColor(QPalette::Base, Qt::transparent);
  colours.setColor(QPalette::Window, Qt::transparent);
  setPalette(colours);
}

void LogView::paintEvent(QPaintEvent* event) {
  syncColours();
  QPlainTextEdit::paintEvent(event);
}

}  // namespace vlmr
