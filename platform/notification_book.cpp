#include "platform/notification_book.h"

#include <utility>

namespace vlmr {

NotificationBook::NotificationBook(Deliver deliver) : deliver_(std::move(deliver)) {}

void NotificationBook::post(BookedNotification notification, std::function<void()> onClick) {
  if (permission_ == Permission::Refused) return;
  if (onClick) handlers_[notification.identifier] = std::move(onClick);
  if (permission_ == Permission::Unanswered) {
    waiting_.push_back(std::move(notification));
    return;
  }
  if (deliver_) deliver_(notification);
}

void NotificationBook::permissionAnswered(bool granted) {
  if (permission_ != Permission::Unanswered) return;
  permission_ = granted ? Permission::Granted : Permission::Refused;
  // Taken out first: delivering may post again.
  std::vector<BookedNotification> waiting = std::move(waiting_);
  waiting_.clear();
  if (!granted) {
    // Nothing was shown, so nothing can be clicked.
    handlers_.clear();
    return;
  }
  for (const BookedNotification& notification : waiting) {
    if (deliver_) deliver_(notification);
  }
}

std::function<void()> NotificationBook::takeClickHandler(const std::string& identifier) {
  auto found = handlers_.find(identifier);
  if (found == handlers_.end()) return {};
  std::function<void()> handler = std::move(found->second);
  handlers_.erase(found);
  return handler;
}

}  // namespace vlmr
