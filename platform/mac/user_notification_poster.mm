// Notifications on macOS through the user-notification centre (Linux posts
// through qt/dbus_notification_poster.cpp instead). The bookkeeping (waiting
// for permission, finding a click's handler) is NotificationBook's; this file
// only talks to the centre, always handing over to the main queue, where the
// book lives.
#import <AppKit/AppKit.h>
#import <Foundation/Foundation.h>
#import <UserNotifications/UserNotifications.h>

#include <memory>
#include <string>
#include <utility>

#include "platform/mac/user_notification_poster.h"
#include "platform/notification_book.h"
#include "platform/queues.h"

namespace {

NSString* ToNSString(const std::string& text) {
  NSString* string = [[NSString alloc] initWithBytes:text.data()
                                              length:text.size()
                                            encoding:NSUTF8StringEncoding];
  return string != nil ? string : @"";
}

}  // namespace

// The centre's delegate: shows our banners while the app is frontmost and
// passes clicks on. It holds the book weakly: the poster owns it.
@interface VLMRNotificationDelegate : NSObject <UNUserNotificationCenterDelegate>
- (instancetype)initWithBook:(std::weak_ptr<vlmr::NotificationBook>)book;
@end

@implementation VLMRNotificationDelegate {
  std::weak_ptr<vlmr::NotificationBook> _book;
}

- (instancetype)initWithBook:(std::weak_ptr<vlmr::NotificationBook>)book {
  self = [super init];
  if (self != nil) _book = std::move(book);
  return self;
}

- (void)userNotificationCenter:(UNUserNotificationCenter*)center
       willPresentNotification:(UNNotification*)notification
         withCompletionHandler:(void (^)(UNNotificationPresentationOptions))completionHandler {
  // We post only while the window is not the active one: show it even when
  // the app itself is frontmost (an About panel, say).
  completionHandler(UNNotificationPresentationOptionBanner | UNNotificationPresentationOptionList);
}

- (void)userNotificationCenter:(UNUserNotificationCenter*)center
    didReceiveNotificationResponse:(UNNotificationResponse*)response
             withCompletionHandler:(void (^)(void))completionHandler {
  if ([response.actionIdentifier isEqualToString:UNNotificationDefaultActionIdentifier]) {
    std::string identifier = response.notification.request.identifier.UTF8String;
    std::weak_ptr<vlmr::NotificationBook> weakBook = _book;
    vlmr::RunOnMain([weakBook, identifier] {
      std::shared_ptr<vlmr::NotificationBook> book = weakBook.lock();
      if (!book) return;
      std::function<void()> handler = book->takeClickHandler(identifier);
      if (!handler) return;
      [NSApp activate];
      handler();
    });
  }
  completionHandler();
}
@end

namespace vlmr {
namespace {

// The centre's options for what the book asks for.
UNAuthorizationOptions AuthorizationOptions(NotificationAuthorization wanted) {
  UNAuthorizationOptions options = UNAuthorizationOptionNone;
  if (wanted.alert) options |= UNAuthorizationOptionAlert;
  if (wanted.sound) options |= UNAuthorizationOptionSound;
  if (wanted.badge) options |= UNAuthorizationOptionBadge;
  return options;
}

class UserNotificationPoster final : public NotificationPoster {
 public:
  UserNotificationPoster() {
    book_ = std::make_shared<NotificationBook>([](const BookedNotification& notification) {
      UNMutableNotificationContent* content = [[UNMutableNotificationContent alloc] init];
      content.title = ToNSString(notification.title);
      content.body = ToNSString(notification.body);
      UNNotificationRequest* request =
          [UNNotificationRequest requestWithIdentifier:ToNSString(notification.identifier)
                                               content:content
                                               trigger:nil];
      [[UNUserNotificationCenter currentNotificationCenter] addNotificationRequest:request
                                                             withCompletionHandler:nil];
    });
    delegate_ = [[VLMRNotificationDelegate alloc] initWithBook:book_];
    UNUserNotificationCenter* center = [UNUserNotificationCenter currentNotificationCenter];
    center.delegate = delegate_;
    std::weak_ptr<NotificationBook> weakBook = book_;
    // Answered on a queue of the centre's, after the player has chosen (at
    // once when they did at an earlier launch). An error counts as a no.
    [center requestAuthorizationWithOptions:AuthorizationOptions(NotificationBook::requestedAuthorization())
                          completionHandler:^(BOOL granted, NSError*) {
                            const bool allowed = granted == YES;
                            RunOnMain([weakBook, allowed] {
                              if (std::shared_ptr<NotificationBook> book = weakBook.lock()) {
                                book->permissionAnswered(allowed);
                              }
                            });
                          }];
  }

  ~UserNotificationPoster() override {
    UNUserNotificationCenter* center = [UNUserNotificationCenter currentNotificationCenter];
    if (center.delegate == delegate_) center.delegate = nil;
  }

  void post(const std::string& title, const std::string& body,
            std::function<void()> onClick) override {
    // Unique across launches too: a banner left from an earlier run must not
    // find this run's handler.
    std::string identifier = [[NSUUID UUID] UUIDString].UTF8String;
    book_->post({identifier, title, body}, std::move(onClick));
  }

 private:
  std::shared_ptr<NotificationBook> book_;
  VLMRNotificationDelegate* delegate_;
};

}  // namespace

std::unique_ptr<NotificationPoster> MakeUserNotificationPoster() {
  // Without an identifier currentNotificationCenter raises, and no handler
  // of ours could catch it: no notifications then.
  if ([NSBundle mainBundle].bundleIdentifier == nil) return nullptr;
  return std::make_unique<UserNotificationPoster>();
}

}  // namespace vlmr
