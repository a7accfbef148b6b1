#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

namespace vlmr {

/// Catches the files the system asks the application to open (Qt's
/// QFileOpenEvent: "Open With", a file dropped on the Dock icon, `open -a`)
/// and hands each path to `open`, as the session keeps paths. Installs itself
/// on the application object.
class FileOpenFilter : public QObject {
  Q_OBJECT

 public:
  /// A filter handing each opened file's path to `open`.
  FileOpenFilter(std::function<void(const std::string& path)> open, QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(const std::string& path)> open_;
};

/// Asks the application to open each of `paths`, in order, as the system
/// does: one QFileOpenEvent each, delivered once the event loop runs. The
/// windowed mode passes the files named on the command line this way.
void PostFileOpenEvents(const std::vector<std::string>& paths);

}  // namespace vlmr
