#include "host/Suites.h"
#include "simhost/Colours.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"

namespace sim {

void ResetColours() { TheColours().Reset(); }

void InstallColourSuites() {
    TheSuites().Register(kAICustomColorSuite, kAICustomColorSuiteVersion, &CustomColorSuiteTable());
    TheSuites().Register(kAISwatchListSuite, kAISwatchListSuiteVersion, &SwatchListSuiteTable());
    TheSuites().Register(kAISwatchGroupSuite, kAISwatchGroupSuiteVersion, &SwatchGroupSuiteTable());
}

}  // namespace sim
