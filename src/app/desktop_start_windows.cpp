#include "desktop_start.h"

namespace sw::app {

// Windows always has a display; its toolkit plugin needs nothing prepared.
struct DesktopStart::Parts {};

bool DesktopStart::DisplayNamed() { return true; }

DesktopStart::DesktopStart() = default;
DesktopStart::~DesktopStart() = default;

void DesktopStart::toolkitStarted() {}
void DesktopStart::windowShown() {}

}  // namespace sw::app
