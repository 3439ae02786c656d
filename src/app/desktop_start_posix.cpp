#include <clocale>
#include <cstdio>
#include <optional>

#include "allocator_policy.h"
#include "desktop_start.h"
#include "display_platform.h"
#include "font_configuration_loader.h"
#include "runtime_directory.h"

namespace sw::app {

struct DesktopStart::Parts {
  RuntimeDirectory runtime;
  std::optional<FontConfigurationLoader> fontConfiguration;
  std::optional<PlatformMessages> platformMessages;
};

bool DesktopStart::DisplayNamed() {
  if (DisplayAvailable()) return true;
  std::fprintf(stderr, "%s\n", kNoDisplayMessage);
  return false;
}

DesktopStart::DesktopStart() : parts_(std::make_unique<Parts>()) {
  PreferX11WhenUnchosen();
  // Before the font configuration is read beside the toolkit's start: the
  // allocator is set before any thread starts, and the environment is final
  // and the C library's locale what QApplication is about to make it.
  UseAllocatorPolicy();
  std::setlocale(LC_ALL, "");
  parts_->fontConfiguration.emplace();
  parts_->platformMessages.emplace(parts_->runtime);
}

DesktopStart::~DesktopStart() = default;

void DesktopStart::toolkitStarted() {
  parts_->platformMessages->release();
  parts_->fontConfiguration->wait();
}

void DesktopStart::windowShown() { ReleaseFreeHeap(); }

}  // namespace sw::app
