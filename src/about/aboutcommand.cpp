#include "about/aboutcommand.h"

namespace orvane {

void ShowAboutBox(MainFrame&) {}

} // namespace orvane
