// Runs the built driver on scenarios written into a temporary folder of the test's own.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace scenarios {

// What a run of the driver left: its exit status and what it wrote on the error stream.
struct DriverResult {
    int status = -1;
    std::string errors;
};

// A temporary working folder, removed with the object.
class WorkFolder {
  public:
    WorkFolder();
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Writes `text` into the file `name` of the folder and answers its path.
    std::filesystem::path Write(const std::string& name, const std::string& text) const;
    // The text of the file `name` of the folder; empty when there is none.
    std::string Read(const std::string& name) const;
    bool Has(const std::string& name) const;
    // Runs the driver in this folder with `arguments`.
    DriverResult Run(const std::vector<std::string>& arguments) const;

  private:
    std::filesystem::path path_;
};

// Expects every part in `text`, each after the one before it.
void ExpectInOrder(const std::string& text, const std::vector<std::string>& parts);

// Expects what a run stopped by a command leaves in `folder`: NAME.log up to and including the section of the
// failing line of `script`, which ends with the reason `message` (as the error stream gave it, line break
// included), and the document and its tree as they stood.
void ExpectStoppedAt(const WorkFolder& folder, const std::string& name, const std::string& script,
                     const std::string& message);

// The number of times `part` occurs in `text`.
size_t Count(const std::string& text, const std::string& part);

} // namespace scenarios
