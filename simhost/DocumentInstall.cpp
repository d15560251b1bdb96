#include "simhost/Document.h"
#include "simhost/SimHost.h"

namespace sim {

void ResetDocument() { TheDocument().Reset(); }

void InstallDocumentSuites() {}

}  // namespace sim
