// tavorine-host: plays the host for the plug-in module. Starts the stand-in host, loads the module, plays a
// scenario script as the user and writes the document, its tree, the host's log and the preference file.
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>

#include "driver/LogWriter.h"
#include "driver/ModuleLoader.h"
#include "driver/Player.h"
#include "driver/Scenario.h"
#include "driver/SvgWriter.h"
#include "driver/TreeDump.h"
#include "simhost/PluginConnection.h"
#include "simhost/PreferenceStore.h"
#include "simhost/SimHost.h"

namespace {

// Exit statuses.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;   // the run failed: unreadable script, output folder, corrupt preferences,
                                  // module, a command the host refused
constexpr int kExitMalformed = 2; // a line of the script does not read
constexpr int kExitUsage = 64;    // the command line is wrong

constexpr const char* kUsage =
    "usage: tavorine-host SCENARIO [-o DIR] [--prefs FILE] [--module PATH]\n"
    "  -o DIR          where NAME.svg, NAME.tree.txt and NAME.log go (default: the current directory)\n"
    "  --prefs FILE    the preference file read at start and written at the end (default: "
    "tavorine-prefs.txt)\n"
    "  --module PATH   the plug-in module to load (default: the one built beside the driver)\n";

struct Options {
    std::string scenario;
    std::string outputDirectory;
    std::string preferences = "tavorine-prefs.txt";
    std::string module = TAVORINE_MODULE_PATH;
};

// Reads the command line; answers what is wrong with it, or "" when it reads.
std::string ReadOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        std::string* value = argument == "-o"        ? &options.outputDirectory
                             : argument == "--prefs"  ? &options.preferences
                             : argument == "--module" ? &options.module
                                                      : nullptr;
        if (value != nullptr) {
            if (i + 1 >= argc)
                return "the option " + argument + " needs a value";
            *value = argv[++i];
        } else if (!argument.empty() && argument[0] == '-') {
            return "unknown option " + argument;
        } else if (!options.scenario.empty()) {
            return "a second scenario " + argument + " (one run plays one scenario)";
        } else {
            options.scenario = argument;
        }
    }
    return options.scenario.empty() ? "no scenario" : "";
}


// Why `path` is no file that opens for reading; empty when it is one.
std::string Unreadable(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return error && error != std::errc::no_such_file_or_directory ? error.message() : "there is no such file";
    if (std::filesystem::is_directory(status))
        return "it is a folder";
    if (!std::filesystem::is_regular_file(status))
        return "it is no ordinary file";
    errno = 0;
    if (!std::ifstream(path, std::ios::binary).is_open())
        return errno != 0 ? std::generic_category().message(errno) : "it does not open for reading";
    return "";
}

// The whole file, or why it cannot be read.
std::string ReadFile(const std::string& path, std::string& text) {
    if (std::string why = Unreadable(path); !why.empty())
        return why;
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    if (!file.good() && !file.eof())
        return "the read failed";
    text = contents.str();
    return "";
}

// Loads the preference file into the store. A missing or unreadable file is a first run (an empty store);
// a corrupt one is reported and false is answered, the file left as it is.
bool LoadPreferences(const std::string& path) {
    if (!Unreadable(path).empty())
        return true;
    const sim::PrefLoadOutcome outcome = sim::ThePreferences().Load(path);
    if (outcome.result != sim::PrefLoadResult::Corrupt)
        return true;
    std::cerr << "tavorine-host: " << path << ": corrupt preference file (" << outcome.error
              << "); it is left unchanged\n";
    return false;
}

// Disconnects the plug-in from the host before its module unloads, so that the host keeps no entry into it.
struct PluginDisconnection {
    PluginDisconnection() = default;
    PluginDisconnection(const PluginDisconnection&) = delete;
    PluginDisconnection& operator=(const PluginDisconnection&) = delete;
    ~PluginDisconnection() { sim::ThePlugin().Disconnect(); }
};

// Starts the plug-in as a host does at launch: start-up, then the application-started notifier.
void StartPlugin(const driver::ModuleLoader& module, driver::LogWriter& log) {
    log.Section("start-up");
    if (sim::ThePlugin().Load(module.Entry(), module.Resources()) != kNoErr)
        throw std::runtime_error("the host refused the module's entry");
    sim::ThePlugin().Startup();
    log.Section("application started");
    sim::ThePlugin().SendNotifier(kAIApplicationStartedNotifier);
}

// Quits as a host does: the application-shutdown notifier, then shut-down.
void StopPlugin(driver::LogWriter& log) {
    log.Section("shut-down");
    sim::ThePlugin().SendNotifier(kAIApplicationShutdownNotifier);
    sim::ThePlugin().Shutdown();
}

// Writes the document, its tree and the log as they stand.
void WriteOutputs(const Options& options, const driver::Scenario& scenario, driver::LogWriter& log) {
    const std::string base = driver::JoinPath(options.outputDirectory, scenario.name);
    driver::WriteTextFile(base + ".svg", driver::SvgDocument());
    driver::WriteTextFile(base + ".tree.txt", driver::TreeDump());
    driver::WriteTextFile(base + ".log", log.Text());
}

void SavePreferences(const Options& options) {
    std::string error;
    if (!sim::ThePreferences().Save(options.preferences, &error))
        throw std::runtime_error("cannot write the preference file " + options.preferences + ": " + error);
}

// Makes the output folder when it is missing; false (reported) when it cannot be made.
bool MakeOutputFolder(const std::string& folder) {
    if (folder.empty())
        return true;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!error && !std::filesystem::is_directory(folder, error))
        error = std::make_error_code(std::errc::not_a_directory);
    if (!error)
        return true;
    std::cerr << "tavorine-host: cannot make the output folder " << folder << ": " << error.message() << "\n";
    return false;
}

int Run(const Options& options) {
    std::string text;
    if (const std::string why = ReadFile(options.scenario, text); !why.empty()) {
        std::cerr << "tavorine-host: cannot read the scenario " << options.scenario << ": " << why << "\n";
        return kExitFailure;
    }
    driver::Scenario scenario;
    try {
        scenario = driver::ParseScenario(options.scenario, text);
    } catch (const driver::ScenarioError& error) {
        std::cerr << error.what() << "\n";
        return kExitMalformed;
    }
    if (!MakeOutputFolder(options.outputDirectory))
        return kExitFailure;

    sim::ResetHost(true);
    if (!LoadPreferences(options.preferences))
        return kExitFailure;
    driver::LogWriter log;
    driver::Player player(scenario, log, options.outputDirectory);
    player.SeedLeadingPreferences();
    const driver::ModuleLoader module(options.module);
    const PluginDisconnection disconnection;
    sim::ThePlugin().SetModulePath(std::filesystem::absolute(options.module).lexically_normal().string());
    StartPlugin(module, log);
    try {
        player.PlayRest();
    } catch (const driver::PlayError& error) {
        // A failed run keeps what it did up to its failing line; it changes no settings.
        log.Append(std::string("stopped: ") + error.what());
        try {
            WriteOutputs(options, scenario, log);
        } catch (const std::runtime_error& writing) {
            std::cerr << "tavorine-host: " << writing.what() << "\n";
        }
        StopPlugin(log);
        throw;
    } catch (...) {
        StopPlugin(log);
        throw;
    }
    StopPlugin(log);
    for (const std::string& warning : player.UnreadPreferences()) {
        log.Append(warning);
        std::cerr << warning << "\n";
    }
    WriteOutputs(options, scenario, log);
    SavePreferences(options);
    return kExitSuccess;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (const std::string wrong = ReadOptions(argc, argv, options); !wrong.empty()) {
        // Without any argument the usage alone says what is missing.
        if (argc > 1)
            std::cerr << "tavorine-host: " << wrong << "\n";
        std::cerr << kUsage;
        return kExitUsage;
    }
    try {
        return Run(options);
    } catch (const driver::PlayError& error) {
        std::cerr << error.what() << "\n";
        return kExitFailure;
    } catch (const std::exception& error) {
        std::cerr << "tavorine-host: " << error.what() << "\n";
        return kExitFailure;
    }
}
