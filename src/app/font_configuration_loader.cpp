#include "font_configuration_loader.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace sw::app {

FontConfigurationLoader::FontConfigurationLoader() {
  try {
    thread_ = std::thread([] { FcInit(); });
  } catch (const std::system_error&) {
    // No thread to spare: the toolkit reads the configuration when it first
    // needs a font, as it would without this class.
  }
}

FontConfigurationLoader::~FontConfigurationLoader() { wait(); }

void FontConfigurationLoader::wait() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace sw::app
