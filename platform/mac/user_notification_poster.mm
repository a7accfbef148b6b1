// Notifications on macOS through the user-notification centre. Built only on
// Apple platforms (Linux builds qt/dbus_notification_poster.cpp instead).
// macOS asks the user once for permission; without it nothing is shown, as
// the interface allows. A click on a notification activates the app, and the
// delegate below passes it on to the handler posted with it.
#import <UserNotifications/UserNotifications.h>

#include <map>
#include <mutex>

#include "platform/notifications.h"
#include "platform/queues.h"

@interface VLMRNotificationDelegate : NSObject <UNUserNotificationCenterDelegate>
@end

namespace {

std::mutex gHandlersMutex;
std::map<std::string, std::function<void()>> gHandlers;

}  // namespace

@implementation VLMRNotificationDelegate
- (void)userNotificationCenter:(UNUserNotificationCenter*)center
    didReceiveNotificationResponse:(UNNotificationResponse*)response
             withCompletionHandler:(void (^)(void))completionHandler {
  std::string identifier = response.notification.request.identifier.UTF8String;
  std::function<void()> handler;
  {
    std::lock_guard lock(gHandlersMutex);
    auto found = gHandlers.find(identifier);
    if (found != gHandlers.end()) {
      handler = std::move(found->second);
      gHandlers.erase(found);
    }
  }
  if (handler) vlmr::RunOnMain(std::move(handler));
  completionHandler();
}
@end

namespace vlmr {

class UserNotificationPoster final : public NotificationPoster {
 public:
  UserNotificationPoster() {
    delegate_ = [[VLMRNotificationDelegate alloc] init];
    UNUserNotificationCenter* center = [UNUserNotificationCenter currentNotificationCenter];
    center.delegate = delegate_;
    [center requestAuthorizationWithOptions:UNAuthorizationOptionAlert | UNAuthorizationOptionSound
                          completionHandler:^(BOOL, NSError*){
                          }];
  }

  void post(const std::string& title, const std::string& body,
            std::function<void()> onClick) override {
    UNMutableNotificationContent* content = [[UNMutableNotificationContent alloc] init];
    content.title = [NSString stringWithUTF8String:title.c_str()];
    content.body = [NSString stringWithUTF8String:body.c_str()];
    NSString* identifier = [[NSUUID UUID] UUIDString];
    if (onClick) {
      std::lock_guard lock(gHandlersMutex);
      gHandlers[identifier.UTF8String] = std::move(onClick);
    }
    UNNotificationRequest* request = [UNNotificationRequest requestWithIdentifier:identifier
                                                                          content:content
                                                                          trigger:nil];
    [[UNUserNotificationCenter currentNotificationCenter] addNotificationRequest:request
                                                           withCompletionHandler:nil];
  }

 private:
  VLMRNotificationDelegate* delegate_;
};

}  // namespace vlmr
