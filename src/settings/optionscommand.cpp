#include "settings/optionscommand.h"

namespace orvane {

void ShowOptionsDialog(MainFrame&, OptionsTab) {}

} // namespace orvane
