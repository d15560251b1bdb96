// Every example block of examples/README.md plays as written: the blocks are read from the README when the
// test runs, so a block that stops working, or a new one that does not work, fails here. A block that shows
// the form of commands (a placeholder in capitals, or a note that is no `#` comment) is not played.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "scenarios/DriverRun.h"

namespace scenarios {
namespace {

constexpr const char* kReadme = TAVORINE_SOURCE_DIR "/examples/README.md";
constexpr size_t kBlockIndent = 4;

struct Block {
    int Line = 0;  // the README's line of its first command
    std::string Text;
};

// The indented blocks of the README, their indentation taken off.
std::vector<Block> IndentedBlocks() {
    std::ifstream file(kReadme);
    std::vector<Block> blocks;
    std::string line;
    bool inBlock = false, afterBlank = true;
    for (int number = 1; std::getline(file, line); ++number) {
        const bool indented = line.compare(0, kBlockIndent, std::string(kBlockIndent, ' ')) == 0 &&
                              line.find_first_not_of(' ') != std::string::npos;
        if (indented && (inBlock || afterBlank)) {
            if (!inBlock) blocks.push_back({number, ""});
            blocks.back().Text += line.substr(kBlockIndent) + "\n";
            inBlock = true;
        } else {
            inBlock = false;
        }
        afterBlank = line.find_first_not_of(' ') == std::string::npos;
    }
    return blocks;
}

// The code of a line: what comes before a `#` outside double quotes.
std::string CodeOf(const std::string& line) {
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && quoted) ++i;
        else if (line[i] == '"') quoted = !quoted;
        else if (line[i] == '#' && !quoted) return line.substr(0, i);
    }
    return line;
}

// True for a block that shows the form of commands rather than a scenario.
bool IsForm(const std::string& text) {
    static const std::regex placeholder(R"(\b[A-Z]{2,}\b)");
    static const std::regex note(R"(\S {2,}[^ #])");
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const std::string code = CodeOf(line);
        if (std::regex_search(code, placeholder) || std::regex_search(line, note)) return true;
    }
    return false;
}

// What a block's comments say it does, by a line of the block, and what its log or tree shows of it.
struct StatedOutcome {
    const char* Line;
    const char* Shows;
};

const StatedOutcome kStatedOutcomes[] = {
    // A re-open takes the panel's unit; an arc length is not re-opened.
    {"click 40,-30 ", "contents=\"7 cm\""},
    {"click 50,150 ", "dialog \"creation\" opened"},
};

TEST(ReadmeBlocks, EveryExampleBlockPlaysAsWritten) {
    std::vector<size_t> shown(std::size(kStatedOutcomes));
    size_t played = 0;
    for (const Block& block : IndentedBlocks()) {
        if (IsForm(block.Text)) continue;
        ++played;
        WorkFolder folder;
        folder.Write("block.scn", block.Text);
        const DriverResult run = folder.Run({"block.scn", "-o", "out", "--prefs", "prefs.txt"});
        EXPECT_EQ(run.status, 0) << "README line " << block.Line << ":\n" << block.Text << run.errors;
        EXPECT_EQ(run.errors, "") << "README line " << block.Line;
        const std::string log = folder.Read("out/block.log");
        EXPECT_EQ(log.find("\nrefused: "), std::string::npos) << "README line " << block.Line << ":\n" << log;
        const std::string outputs = log + folder.Read("out/block.tree.txt");
        for (size_t row = 0; row < shown.size(); ++row) {
            if (block.Text.find(kStatedOutcomes[row].Line) != std::string::npos)
                shown[row] += outputs.find(kStatedOutcomes[row].Shows) != std::string::npos;
        }
    }
    for (size_t row = 0; row < shown.size(); ++row)
        EXPECT_EQ(shown[row], 1u) << "a block with \"" << kStatedOutcomes[row].Line << "\" shows "
                                  << kStatedOutcomes[row].Shows;
    // The path and preference examples, the about box, the mouse and keys at least.
    EXPECT_GE(played, 4u);
}

}  // namespace
}  // namespace scenarios
