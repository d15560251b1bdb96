#include "scenarios/DriverRun.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace scenarios {

WorkFolder::WorkFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavorine-scenario-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

WorkFolder::~WorkFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

std::filesystem::path WorkFolder::Write(const std::string& name, const std::string& text) const {
    const std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
    return file;
}

std::string WorkFolder::Read(const std::string& name) const {
    std::ifstream file(path_ / name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool WorkFolder::Has(const std::string& name) const {
    return std::filesystem::exists(path_ / name);
}

DriverResult WorkFolder::Run(const std::vector<std::string>& arguments) const {
    const std::string errorsFile = (path_ / ".driver-errors").string();
    const pid_t child = fork();
    if (child == 0) {
        const int errors = open(errorsFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (errors < 0 || dup2(errors, STDERR_FILENO) < 0 || chdir(path_.c_str()) != 0)
            _exit(127);
        std::vector<char*> argv;
        std::vector<std::string> copies = arguments;
        copies.insert(copies.begin(), TAVORINE_DRIVER_PATH);
        for (std::string& argument : copies)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        execv(TAVORINE_DRIVER_PATH, argv.data());
        _exit(127);
    }
    DriverResult result;
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    result.errors = Read(".driver-errors");
    std::filesystem::remove(errorsFile);
    return result;
}

void ExpectInOrder(const std::string& text, const std::vector<std::string>& parts) {
    size_t from = 0;
    for (const std::string& part : parts) {
        const size_t at = text.find(part, from);
        ASSERT_NE(at, std::string::npos) << "no \"" << part << "\" after offset " << from << " of:\n" << text;
        from = at + part.size();
    }
}

void ExpectStoppedAt(const WorkFolder& folder, const std::string& name, const std::string& script,
                     const std::string& message) {
    // The failing line's number follows the script's name in the message: "NAME.scn:LINE: ...".
    const size_t colon = message.find(':');
    ASSERT_NE(colon, std::string::npos) << message;
    const int line = std::stoi(message.substr(colon + 1));
    std::istringstream lines(script);
    std::string text;
    for (int i = 0; i < line && std::getline(lines, text); ++i) {
    }
    const std::string log = folder.Read(name + ".log");
    const std::string section = "== " + std::to_string(line) + ": " + text + "\n";
    const size_t at = log.rfind("\n== ");
    ASSERT_NE(at, std::string::npos) << log;
    EXPECT_EQ(log.substr(at + 1, section.size()), section) << log;
    const std::string stopped = "stopped: " + message;
    ASSERT_GE(log.size(), stopped.size()) << log;
    EXPECT_EQ(log.substr(log.size() - stopped.size()), stopped) << log;
    EXPECT_TRUE(folder.Has(name + ".svg"));
    EXPECT_TRUE(folder.Has(name + ".tree.txt"));
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

} // namespace scenarios
