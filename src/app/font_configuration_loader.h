#pragma once

#include <thread>

namespace sw::app {

// Reads the system's font configuration on a thread of its own, begun before
// the toolkit connects to the display. The first window needs fonts to size
// its menu bar, and reading the configuration's files is the larger part of
// that. The configuration is process-wide, so the toolkit's font database
// finds it read, provided wait() has returned before the first font is
// looked up; two threads reading it at once would each read it whole.
// Reading it looks at the environment and the C library's locale: neither
// may change until wait() returns.
class FontConfigurationLoader {
 public:
  FontConfigurationLoader();
  ~FontConfigurationLoader();
  FontConfigurationLoader(const FontConfigurationLoader&) = delete;
  FontConfigurationLoader& operator=(const FontConfigurationLoader&) = delete;

  void wait();

 private:
  std::thread thread_;
};

}  // namespace sw::app
