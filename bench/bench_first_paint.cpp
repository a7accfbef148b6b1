// The window's start: from exec to the first paint of its window, and its
// resident memory after two idle seconds, against a bare Qt window of the
// same size with two labels and a button. Each start gets a virtual display
// (Xvfb) of its own and no session bus, as a fresh login without one would:
// a program that reaches for the bus then makes the bus library start a
// daemon of its own, which this counts too.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <cstring>
#include <optional>
#include <thread>

#include "bench/bench_support.h"

extern char** environ;

using namespace vlmr::bench;

namespace {

// Nine runs unless the command line asks for another number (a quicker look while profiling).
constexpr int kRuns = 9;
constexpr double kIdleSeconds = 2.0;
constexpr double kPaintDeadline = 20.0;

// The reference: a window of the installer's size with two labels and a button.
int BareWindow(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare"));
  window.setFixedSize(740, 654);  // the installer's page and its menu bar
  auto* title = new QLabel(QStringLiteral("A bare Qt window"), &window);
  title->setGeometry(36, 60, 668, 30);
  auto* lead = new QLabel(QStringLiteral("Two labels and a button, nothing else."), &window);
  lead->setGeometry(36, 100, 668, 20);
  auto* button = new QPushButton(QStringLiteral("Continue"), &window);
  button->setGeometry(584, 560, 120, 32);
  window.show();
  return QApplication::exec();
}

double Since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

pid_t Spawn(std::vector<std::string> argv, const std::vector<std::string>& env) {
  std::vector<char*> rawArgs, rawEnv;
  for (std::string& a : argv) rawArgs.push_back(a.data());
  rawArgs.push_back(nullptr);
  std::vector<std::string> envCopy = env;
  for (std::string& e : envCopy) rawEnv.push_back(e.data());
  rawEnv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int failed = posix_spawnp(&pid, rawArgs[0], &actions, nullptr, rawArgs.data(), rawEnv.data());
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) {
    std::fprintf(stderr, "cannot start %s: %s\n", rawArgs[0], std::strerror(failed));
    std::exit(1);
  }
  return pid;
}

// Ends `pid`: SIGTERM, then SIGKILL after a second.
void End(pid_t pid) {
  kill(pid, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

// A virtual display of its own, ended with the object. Its root is black, so a
// window that has not drawn yet shows one colour.
class Display {
 public:
  Display() {
    for (int n = 300 + getpid() % 300;; ++n) {
      if (access(("/tmp/.X11-unix/X" + std::to_string(n)).c_str(), F_OK) != 0 &&
          access(("/tmp/.X" + std::to_string(n) + "-lock").c_str(), F_OK) != 0) {
        name_ = ":" + std::to_string(n);
        break;
      }
    }
    server_ = Spawn({"Xvfb", name_, "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-br"},
                    {"PATH=/usr/bin:/bin"});
    const auto start = Clock::now();
    while (Since(start) < 10) {
      connection_ = xcb_connect(name_.c_str(), nullptr);
      if (xcb_connection_has_error(connection_) == 0) break;
      xcb_disconnect(connection_);
      connection_ = nullptr;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (connection_ == nullptr) {
      std::fprintf(stderr, "Xvfb did not start on %s\n", name_.c_str());
      std::exit(1);
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
  }
  ~Display() {
    xcb_disconnect(connection_);
    End(server_);
  }
  const std::string& name() const { return name_; }

  // Seconds from `start` to the first window mapped on the display showing
  // more than one colour; none by the deadline.
  std::optional<double> firstPaint(Clock::time_point start) {
    xcb_window_t mapped = XCB_NONE;
    while (mapped == XCB_NONE) {
      if (Since(start) > kPaintDeadline) return std::nullopt;
      pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
      poll(&fd, 1, 10);
      while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && mapped == XCB_NONE) {
          mapped = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        }
        std::free(event);
      }
    }
    while (Since(start) < kPaintDeadline) {
      if (painted(mapped)) return Since(start);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return std::nullopt;
  }

 private:
  bool painted(xcb_window_t window) {
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
    if (geometry == nullptr) return false;
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        connection_,
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, geometry->width,
                      geometry->height, ~0u),
        nullptr);
    std::free(geometry);
    if (image == nullptr) return false;
    const auto* pixels = reinterpret_cast<const uint32_t*>(xcb_get_image_data(image));
    const int count = xcb_get_image_data_length(image) / 4;
    bool varied = false;
    for (int i = 1; i < count && !varied; ++i) varied = (pixels[i] & 0xffffff) != (pixels[0] & 0xffffff);
    std::free(image);
    return varied;
  }

  std::string name_;
  pid_t server_ = 0;
  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = XCB_NONE;
};

// A bus daemon that a program's bus library started for the display (its
// environment names the display).
bool BusDaemonFor(const std::string& display) {
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream comm(entry.path() / "comm");
    std::string name;
    if (!std::getline(comm, name) || (name != "dbus-daemon" && name != "dbus-launch")) continue;
    std::ifstream environFile(entry.path() / "environ");
    std::string variable;
    while (std::getline(environFile, variable, '\0')) {
      if (variable == "DISPLAY=" + display) return true;
    }
  }
  return false;
}

struct Sample {
  double paint = 0;
  double residentMiB = 0;
  bool busDaemon = false;
};

Sample Measure(const std::vector<std::string>& argv, const std::string& home) {
  Display display;
  std::vector<std::string> env = {"DISPLAY=" + display.name(), "HOME=" + home, "LANG=C.UTF-8",
                                  "PATH=" + std::string(getenv("PATH") ? getenv("PATH") : "/usr/bin:/bin")};
  const auto start = Clock::now();
  const pid_t pid = Spawn(argv, env);
  const std::optional<double> paint = display.firstPaint(start);
  if (!paint) {
    End(pid);
    std::fprintf(stderr, "no window painted within %.0f s: %s\n", kPaintDeadline, argv[0].c_str());
    std::exit(1);
  }
  std::this_thread::sleep_for(std::chrono::duration<double>(kIdleSeconds));
  Sample sample{*paint, StatusKiB(std::to_string(pid), "VmRSS") / 1024.0,
                BusDaemonFor(display.name())};
  End(pid);
  return sample;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--bare") return BareWindow(argc, argv);
  const int runs = argc == 2 ? std::max(1, std::atoi(argv[1])) : kRuns;
  Scratch scratch;
  const std::vector<std::string> installer = {VLMR_BENCH_EXECUTABLE};
  const std::vector<std::string> bare = {std::filesystem::canonical("/proc/self/exe"), "--bare"};
  // Once each first: the file cache and the font cache.
  Measure(installer, scratch.path());
  Measure(bare, scratch.path());
  std::vector<double> paintOurs, paintBare, memOurs, memBare;
  int busOurs = 0, busBare = 0;
  for (int i = 0; i < runs; ++i) {
    const Sample ours = Measure(installer, scratch.path());
    const Sample reference = Measure(bare, scratch.path());
    paintOurs.push_back(ours.paint);
    paintBare.push_back(reference.paint);
    memOurs.push_back(ours.residentMiB);
    memBare.push_back(reference.residentMiB);
    busOurs += ours.busDaemon;
    busBare += reference.busDaemon;
  }
  std::printf("exec to first paint: installer %.3f s, bare Qt window %.3f s (medians of %d)\n",
              Median(paintOurs), Median(paintBare), runs);
  std::printf("resident after %.0f s idle: installer %.1f MiB, bare Qt window %.1f MiB\n",
              kIdleSeconds, Median(memOurs), Median(memBare));
  std::printf("bus daemon started for the display: installer %d of %d runs, bare Qt window %d\n",
              busOurs, runs, busBare);
  std::printf("ratios: first paint, then idle memory\n");
  PrintRatio(Median(paintOurs) / Median(paintBare), 1.15);
  PrintRatio(Median(memOurs) / Median(memBare), 1.25);
  return 0;
}
