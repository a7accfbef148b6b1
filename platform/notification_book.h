#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vlmr {

/// One notification as the desktop receives it: an identifier of our own,
/// unique among this process's notifications, and its two texts.
struct BookedNotification {
  std::string identifier;
  std::string title;
  std::string body;
};

/// What the app asks a notification centre that needs permission to allow.
/// The Mac's grants exactly what was asked for and, once asked, suppresses
/// the Dock tile's badge label unless the badge was among it.
struct NotificationAuthorization {
  bool alert = false;  ///< banners and the list
  bool sound = false;  ///< the banner's sound
  bool badge = false;  ///< the Dock tile's badge label
};

/// The bookkeeping of a notification centre that must first be allowed to
/// notify, as the Mac's is. The question is asked once, at launch; posts made
/// before the answer wait and go out in order once permission is granted (so
/// the first build's notification is not lost to the question), and are
/// dropped with their click handlers when it is refused. A click finds its
/// handler by the notification's identifier, once.
///
/// Plain C++ for the platform seams; not thread-safe: the owner calls it on
/// the main thread only.
class NotificationBook {
 public:
  /// Hands one notification to the desktop.
  using Deliver = std::function<void(const BookedNotification&)>;

  /// A book waiting for the answer to the permission question.
  explicit NotificationBook(Deliver deliver);

  /// What the permission question asks for: banners with their sound for a
  /// build's end, and the badge the Dock tile shows it with ("✓", "!").
  static constexpr NotificationAuthorization requestedAuthorization() {
    return {.alert = true, .sound = true, .badge = true};
  }

  /// Delivers `notification` now when allowed, keeps it while the answer is
  /// outstanding, drops it when refused. `onClick` (may be empty) is kept for
  /// a click on it unless it is dropped.
  void post(BookedNotification notification, std::function<void()> onClick);

  /// The answer to the permission question: what waits goes out, in the order
  /// posted, or is dropped. Only the first answer counts.
  void permissionAnswered(bool granted);

  /// The handler of the notification clicked, taken out of the book: empty for
  /// an identifier the book does not know or a second click.
  std::function<void()> takeClickHandler(const std::string& identifier);

  /// Posts waiting for the answer.
  size_t waitingCount() const { return waiting_.size(); }

 private:
  enum class Permission { Unanswered, Granted, Refused };

  Deliver deliver_;
  Permission permission_ = Permission::Unanswered;
  std::vector<BookedNotification> waiting_;
  std::map<std::string, std::function<void()>> handlers_;
};

}  // namespace vlmr
