#include "simhost/SimHost.h"

namespace sim {

void ResetText() {}
void InstallTextSuites() {}

}  // namespace sim
