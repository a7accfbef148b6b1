#pragma once

#include <QRectF>
#include <QString>
#include <QWidget>
#include <cstdint>

namespace vlmr {

/// One keyboard key or key combination drawn as a rounded cap with its text centred.
class KeycapView : public QWidget {
  Q_OBJECT
 public:
  /// A key cap at `frame` (bottom-left based) showing `text`.
  KeycapView(const QRectF& frame, const QString& text, QWidget* parent = nullptr);

  /// The text on the cap.
  QString text() const { return text_; }
  /// Sets the text on the cap, redraws and tells screen readers when it changed.
  void setText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

/// The states of a stage pill.
enum class StageState {
  Pending,  ///< not reached yet: an empty circle
  Done,     ///< finished: a green check mark
  Active,   ///< running now: a teal outline and a filled circle
};

/// One row of the build's stage checklist: a rounded pill with a state glyph and the stage name.
class StagePillView : public QWidget {
  Q_OBJECT
 public:
  /// A pending pill at `frame` (bottom-left based) named `name`.
  StagePillView(const QRectF& frame, const QString& name, QWidget* parent = nullptr);

  /// The stage name shown in the pill.
  QString stageName() const { return stageName_; }

  /// The stage state.
  StageState stageState() const { return stageState_; }
  /// Stores a new state, redraws and tells screen readers; setting the state the pill already
  /// has does nothing.
  void setStageState(StageState state);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString stageName_;
  StageState stageState_ = StageState::Pending;
};

}  // namespace vlmr
