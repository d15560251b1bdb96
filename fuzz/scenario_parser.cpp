// The scenario parser on any text: it reads the script or refuses it with a ScenarioError, nothing else.
#include <cstddef>
#include <cstdint>
#include <string>

#include "driver/Scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const driver::Scenario scenario = driver::ParseScenario("fuzz/essai.scn", text);
        for (const driver::Command& command : scenario.commands) {
            if (command.line < 1) __builtin_trap();
        }
    } catch (const driver::ScenarioError& error) {
        if (error.Line() < 0) __builtin_trap();
    }
    return 0;
}
