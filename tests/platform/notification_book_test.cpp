// The notification bookkeeping of the Mac's seam: what waits for the
// permission answer, what is dropped, which click runs which handler.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/notification_book.h"

namespace vlmr {
namespace {

enum class Step { Post, PostWithoutHandler, Grant, Refuse, Click };

struct Event {
  Step step;
  std::string identifier;
};

struct Case {
  const char* name;
  std::vector<Event> events;
  // What happened, in order: "answered", "shown <id>", "clicked <id>".
  std::vector<std::string> trace;
};

std::vector<std::string> Replay(const std::vector<Event>& events) {
  std::vector<std::string> trace;
  NotificationBook book([&trace](const BookedNotification& notification) {
    trace.push_back("shown " + notification.identifier + " " + notification.title + "/" +
                    notification.body);
  });
  for (const Event& event : events) {
    const std::string& id = event.identifier;
    switch (event.step) {
      case Step::Post:
        book.post({id, "T" + id, "B" + id}, [&trace, id] { trace.push_back("clicked " + id); });
        break;
      case Step::PostWithoutHandler:
        book.post({id, "T" + id, "B" + id}, nullptr);
        break;
      case Step::Grant:
      case Step::Refuse:
        trace.push_back("answered");
        book.permissionAnswered(event.step == Step::Grant);
        break;
      case Step::Click:
        if (std::function<void()> handler = book.takeClickHandler(id)) handler();
        break;
    }
  }
  return trace;
}

TEST(NotificationBook, PostsWaitForThePermissionAnswerAndClicksFindTheirHandlerOnce) {
  const Case cases[] = {
      {"posts made before the answer go out, in order, once granted",
       {{Step::Post, "a"}, {Step::Post, "b"}, {Step::Grant, ""}},
       {"answered", "shown a Ta/Ba", "shown b Tb/Bb"}},
      {"posts made before a refusal are dropped with their handlers",
       {{Step::Post, "a"}, {Step::Refuse, ""}, {Step::Click, "a"}},
       {"answered"}},
      {"after a refusal nothing is shown or kept",
       {{Step::Refuse, ""}, {Step::Post, "a"}, {Step::Click, "a"}},
       {"answered"}},
      {"once granted a post goes out at once",
       {{Step::Grant, ""}, {Step::Post, "a"}},
       {"answered", "shown a Ta/Ba"}},
      {"a click runs its own handler, and only once",
       {{Step::Grant, ""}, {Step::Post, "a"}, {Step::Post, "b"}, {Step::Click, "b"},
        {Step::Click, "b"}, {Step::Click, "a"}},
       {"answered", "shown a Ta/Ba", "shown b Tb/Bb", "clicked b", "clicked a"}},
      {"a click on a notification of a waiting post still finds it",
       {{Step::Post, "a"}, {Step::Grant, ""}, {Step::Click, "a"}},
       {"answered", "shown a Ta/Ba", "clicked a"}},
      {"an unknown identifier or a post without a handler runs nothing",
       {{Step::Grant, ""}, {Step::PostWithoutHandler, "a"}, {Step::Click, "a"},
        {Step::Click, "z"}},
       {"answered", "shown a Ta/Ba"}},
      {"only the first answer counts",
       {{Step::Refuse, ""}, {Step::Grant, ""}, {Step::Post, "a"}},
       {"answered", "answered"}},
      {"a second grant shows nothing twice",
       {{Step::Post, "a"}, {Step::Grant, ""}, {Step::Grant, ""}},
       {"answered", "shown a Ta/Ba", "answered"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Replay(c.events), c.trace);
  }
}

TEST(NotificationBook, APostMadeWhileDeliveringTheWaitingOnesIsNeitherLostNorDoubled) {
  std::vector<std::string> shown;
  NotificationBook* self = nullptr;
  NotificationBook book([&](const BookedNotification& notification) {
    shown.push_back(notification.identifier);
    if (notification.identifier == "a") self->post({"c", "", ""}, nullptr);
  });
  self = &book;
  book.post({"a", "", ""}, nullptr);
  book.post({"b", "", ""}, nullptr);
  book.permissionAnswered(true);
  EXPECT_EQ(shown, (std::vector<std::string>{"a", "c", "b"}));
  EXPECT_EQ(book.waitingCount(), 0u);
}

}  // namespace
}  // namespace vlmr
