// Starts a program and measures the time from its start until a top-level window with a given
// title is mapped on the X display. The clock waits on the X server's own notices instead of
// polling, so its resolution is the delivery of one event (well under a millisecond).
//
// The window counts once it is mapped, carries the title and is at least 300 pixels each way.
//
// Usage: window-clock TITLE TIMEOUT_SECONDS PROGRAM [ARGUMENTS...]
// Prints "pid N" at once, then "visible MILLISECONDS" when the window is mapped. The program is
// left running; SIGTERM or SIGINT to the clock ends it with its process group (SIGTERM, then
// SIGKILL after 5 s) and reaps it, so nothing outlives the clock. Exit status: 0 seen and ended on
// request, 1 timed out, 2 usage or display error, 3 the program ended by itself.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace {

// Icon, helper and menu windows are smaller than this on each side (GNUstep shows an application's
// menu as a window named like the application); a program's real window is not.
constexpr int kSmallestWindow = 300;

double secondsNow() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Windows come and go while we ask about them; a vanished window is simply not the one.
int ignoreXError(Display*, XErrorEvent*) {
  return 0;
}

class WindowWatch {
 public:
  WindowWatch(Display* display, std::string title) : display_(display), title_(std::move(title)) {
    netWmName_ = XInternAtom(display_, "_NET_WM_NAME", False);
    utf8String_ = XInternAtom(display_, "UTF8_STRING", False);
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, False);
  }

  // Handles every queued event; true once the wanted window is mapped.
  bool drain() {
    while (XPending(display_)) {
      XEvent event;
      XNextEvent(display_, &event);
      if (handle(event)) return true;
    }
    return false;
  }

 private:
  bool handle(const XEvent& event) {
    switch (event.type) {
      case CreateNotify:
        // Names can arrive after the map, so watch the new window's properties too.
        XSelectInput(display_, event.xcreatewindow.window, PropertyChangeMask);
        return false;
      case MapNotify:
        mapped_.insert(event.xmap.window);
        return isTheWindow(event.xmap.window);
      case UnmapNotify:
        mapped_.erase(event.xunmap.window);
        return false;
      case DestroyNotify:
        mapped_.erase(event.xdestroywindow.window);
        return false;
      case PropertyNotify:
        if (!mapped_.count(event.xproperty.window)) return false;
        if (event.xproperty.atom != XA_WM_NAME && event.xproperty.atom != netWmName_) return false;
        return isTheWindow(event.xproperty.window);
      default:
        return false;
    }
  }

  // The title alone is not enough: GNUstep also maps its small application icon windows under
  // the application's name, which may be the window's title too.
  bool isTheWindow(Window window) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display_, window, &attributes)) return false;
    if (attributes.width < kSmallestWindow || attributes.height < kSmallestWindow) return false;
    return titleOf(window) == title_;
  }

  std::string titleOf(Window window) {
    std::string title;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display_, window, netWmName_, 0, 1024, False, utf8String_, &type,
                           &format, &count, &after, &data) == Success &&
        data) {
      title.assign(reinterpret_cast<char*>(data), count);
      XFree(data);
      if (!title.empty()) return title;
    }
    char* name = nullptr;
    if (XFetchName(display_, window, &name) && name) {
      title = name;
      XFree(name);
    }
    return title;
  }

  Display* display_;
  std::string title_;
  Atom netWmName_;
  Atom utf8String_;
  std::set<Window> mapped_;
};

// Ends the program and whatever it started (its process group): SIGTERM, then SIGKILL if it is
// still there after 5 s; always reaps it.
void endProgram(pid_t program) {
  kill(-program, SIGTERM);
  const double deadline = secondsNow() + 5;
  while (secondsNow() < deadline) {
    if (waitpid(program, nullptr, WNOHANG) == program) return;
    usleep(10000);
  }
  kill(-program, SIGKILL);
  waitpid(program, nullptr, 0);
}

enum class Outcome { Running, Ended, Stopped };

// Reads one signal: the program's own end, or a request to end it.
Outcome takeSignal(int signals, pid_t program, const char* name) {
  signalfd_siginfo info{};
  if (read(signals, &info, sizeof info) != sizeof info) return Outcome::Running;
  if (info.ssi_signo == SIGCHLD) {
    if (waitpid(program, nullptr, WNOHANG) != program) return Outcome::Running;
    std::fprintf(stderr, "window-clock: %s ended by itself\n", name);
    return Outcome::Ended;
  }
  endProgram(program);
  return Outcome::Stopped;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: window-clock TITLE TIMEOUT_SECONDS PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  const std::string title = argv[1];
  const double timeout = std::atof(argv[2]);

  XSetErrorHandler(ignoreXError);
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "window-clock: cannot open the display\n");
    return 2;
  }
  fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
  WindowWatch watch(display, title);

  sigset_t handled;
  sigemptyset(&handled);
  sigaddset(&handled, SIGTERM);
  sigaddset(&handled, SIGINT);
  sigaddset(&handled, SIGCHLD);
  sigset_t previous;
  sigprocmask(SIG_BLOCK, &handled, &previous);
  const int signals = signalfd(-1, &handled, SFD_CLOEXEC);

  const double start = secondsNow();
  const pid_t program = fork();
  if (program == 0) {
    // A group of its own, so that a wrapper's children end with it.
    setpgid(0, 0);
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    execvp(argv[3], argv + 3);
    std::fprintf(stderr, "window-clock: cannot start %s: %s\n", argv[3], std::strerror(errno));
    _exit(127);
  }
  setpgid(program, program);
  std::printf("pid %d\n", static_cast<int>(program));
  std::fflush(stdout);

  // Until the window shows: X notices and signals, with the deadline as the limit.
  pollfd waits[2] = {{ConnectionNumber(display), POLLIN, 0}, {signals, POLLIN, 0}};
  bool seen = watch.drain();
  while (!seen) {
    const double left = start + timeout - secondsNow();
    if (left <= 0) {
      std::fprintf(stderr, "window-clock: no window \"%s\" within %g s\n", title.c_str(), timeout);
      endProgram(program);
      return 1;
    }
    if (poll(waits, 2, static_cast<int>(left * 1000) + 1) < 0 && errno != EINTR) break;
    if (waits[1].revents & POLLIN) {
      const Outcome outcome = takeSignal(signals, program, argv[3]);
      if (outcome != Outcome::Running) return outcome == Outcome::Ended ? 3 : 1;
    }
    seen = watch.drain();
  }
  if (!seen) {
    endProgram(program);
    return 2;
  }
  std::printf("visible %.3f\n", (secondsNow() - start) * 1000);
  std::fflush(stdout);
  XCloseDisplay(display);

  // Then only signals: the program runs until it ends or we are told to end it.
  for (;;) {
    const Outcome outcome = takeSignal(signals, program, argv[3]);
    if (outcome != Outcome::Running) return outcome == Outcome::Ended ? 3 : 0;
  }
}
