// x-window-probe: the two X requests the start-up benchmark needs, with millisecond resolution.
//   x-window-probe shown TITLE   waits until a viewable top-level window whose name contains
//                                TITLE exists and prints its id (polls every millisecond)
//   x-window-probe close ID      asks window ID to close (WM_DELETE_WINDOW), as a close button
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

namespace {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayHandle = std::unique_ptr<Display, DisplayCloser>;

struct XFreer {
  void operator()(void* data) const { XFree(data); }
};

bool NameContains(Display* display, Window window, const char* title) {
  XTextProperty name{};
  if (XGetWMName(display, window, &name) == 0 || name.value == nullptr) return false;
  std::unique_ptr<unsigned char, XFreer> value(name.value);
  const std::string text(reinterpret_cast<const char*>(value.get()), name.nitems);
  return text.find(title) != std::string::npos;
}

Window FindShown(Display* display, const char* title) {
  Window root_return = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, DefaultRootWindow(display), &root_return, &parent, &children, &count) ==
      0) {
    return 0;
  }
  std::unique_ptr<Window, XFreer> owned(children);
  for (unsigned int i = 0; i < count; ++i) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, children[i], &attributes) != 0 &&
        attributes.map_state == IsViewable && NameContains(display, children[i], title)) {
      return children[i];
    }
  }
  return 0;
}

int IgnoreErrors(Display*, XErrorEvent*) {
  return 0;
}  // windows come and go while we look

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: x-window-probe shown TITLE | close ID\n");
    return 2;
  }
  DisplayHandle display(XOpenDisplay(nullptr));
  if (!display) {
    std::fprintf(stderr, "x-window-probe: no display\n");
    return 2;
  }
  XSetErrorHandler(IgnoreErrors);
  if (std::strcmp(argv[1], "shown") == 0) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < end) {
      if (const Window window = FindShown(display.get(), argv[2]); window != 0) {
        std::printf("%lu\n", window);
        return 0;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return 1;
  }
  if (std::strcmp(argv[1], "close") == 0) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = std::strtoul(argv[2], nullptr, 0);
    event.xclient.message_type = XInternAtom(display.get(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] =
        static_cast<long>(XInternAtom(display.get(), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display.get(), event.xclient.window, False, NoEventMask, &event);
    XFlush(display.get());
    return 0;
  }
  return 2;
}
