#include "simhost/SimHost.h"

namespace sim {

void ResetServices(bool) {}
void InstallServiceSuites() {}

}  // namespace sim
