#include "driver/LogWriter.h"

#include <charconv>
#include <vector>

namespace driver {

std::string RealText(AIReal value) {
    if (value == 0.0f)
        return "0";
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string OneLine(const std::string& text) {
    std::string line;
    for (const char c : text) {
        if (c == '\\')
            line += "\\\\";
        else if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else if (c == '\t')
            line += "\\t";
        else
            line += c;
    }
    return line;
}

namespace {

// Writes the records of `records` from `mark` on, one line each, and moves the mark past them.
template <typename Record, typename Format>
void WriteNew(std::string& text, const std::vector<Record>& records, size_t& mark, Format format) {
    for (; mark < records.size(); ++mark)
        text += format(records[mark]) + "\n";
}

} // namespace

void LogWriter::Collect() {
    const sim::Logs& logs = sim::TheLogs();
    WriteNew(text_, logs.calls, marks_.calls,
             [](const std::string& call) { return "call " + OneLine(call); });
    WriteNew(text_, logs.alerts, marks_.alerts,
             [](const sim::Alert& alert) { return "alert " + alert.kind + ": " + OneLine(alert.text); });
    WriteNew(text_, logs.beeps, marks_.beeps, [](const sim::BeepRecord& beep) {
        return "beep " + std::to_string(beep.frequency) + " Hz " + std::to_string(beep.duration) + " ms";
    });
    WriteNew(text_, logs.debugOutput, marks_.debugOutput,
             [](const std::string& output) { return "debug: " + OneLine(output); });
    WriteNew(text_, logs.cursors, marks_.cursors,
             [](int32_t cursor) { return "cursor " + std::to_string(cursor); });
    WriteNew(text_, logs.infoValues, marks_.infoValues,
             [](const std::string& value) { return "info: " + OneLine(value); });
    WriteNew(text_, logs.modalRuns, marks_.modalRuns,
             [](const std::string& run) { return "modal: " + OneLine(run); });
    WriteNew(text_, logs.urls, marks_.urls, [](const std::string& url) { return "url: " + OneLine(url); });
}

void LogWriter::Section(const std::string& title) {
    Collect();
    text_ += "== " + title + "\n";
}

void LogWriter::Append(const std::string& lines) {
    Collect();
    text_ += lines;
    if (!lines.empty() && lines.back() != '\n')
        text_ += '\n';
}

const std::string& LogWriter::Text() {
    Collect();
    return text_;
}

} // namespace driver
