#include "simhost/SimHost.h"

namespace sim {

void ResetColours() {}
void InstallColourSuites() {}

}  // namespace sim
