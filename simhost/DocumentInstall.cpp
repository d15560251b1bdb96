#include "simhost/SimHost.h"

namespace sim {

void ResetDocument() {}
void InstallDocumentSuites() {}

}  // namespace sim
