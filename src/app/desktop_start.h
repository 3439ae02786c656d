#pragma once

#include <memory>

namespace sw::app {

// What the desktop asks of the calculator around the toolkit's start, one
// implementation file per platform. Made just before QApplication;
// toolkitStarted() right after it, windowShown() once the first window is
// up. On Linux it names a runtime folder where the session has none, asks
// for X11 before Wayland, sets the allocator, reads the font configuration
// beside the toolkit's start and holds back the messages of a display that
// a later one replaces. Windows needs none of it.
class DesktopStart {
 public:
  // Whether there is a display to open; when there is none, the program's
  // one line saying so has been printed on standard error.
  static bool DisplayNamed();

  DesktopStart();
  ~DesktopStart();
  DesktopStart(const DesktopStart&) = delete;
  DesktopStart& operator=(const DesktopStart&) = delete;

  void toolkitStarted();
  void windowShown();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace sw::app
