// The driver's log: the host's records (message calls, alerts, beeps, debug output, cursors, ...) in
// sections, one per step of the run.
#pragma once

#include <string>

#include "host/Types.h"
#include "simhost/SimHost.h"

namespace driver {

// Writes a log text from the stand-in's records; each section holds what the host recorded during its step.
class LogWriter {
  public:
    // Closes the current section and opens one named `title`.
    void Section(const std::string& title);
    // Adds lines of the driver's own (a tree dump) to the current section, after what the host recorded so
    // far.
    void Append(const std::string& lines);
    // The whole log, with everything the host recorded up to now.
    const std::string& Text();

  private:
    // How many records of each kind were already written.
    struct Marks {
        size_t calls = 0, alerts = 0, beeps = 0, debugOutput = 0, cursors = 0, infoValues = 0, modalRuns = 0,
               urls = 0;
    };
    void Collect();

    Marks marks_;
    std::string text_;
};

// The shortest decimal text that reads back as the same float: 71.046f gives "71.046", -0 gives "0".
std::string RealText(AIReal value);

// A text on one line: backslashes, line breaks and tabs written as escapes.
std::string OneLine(const std::string& text);

} // namespace driver
