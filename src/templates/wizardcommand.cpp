#include "templates/wizardcommand.h"

namespace orvane {

void ShowDocumentWizard(MainFrame&, const QString&) {}

} // namespace orvane
