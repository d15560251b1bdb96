// Plays a parsed scenario against the stand-in host, as the user would.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/ADMTypes.h"

#include "driver/LogWriter.h"
#include "driver/Scenario.h"

namespace driver {

// A command that the host refused or that names what does not exist: "SCENARIO:LINE: what went wrong".
class PlayError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class Player {
  public:
    // Plays `scenario`, logs into `log` and writes numbered dumps into `outputDirectory`.
    // While it lives, a modal dialog that the script wrote no actions for is logged before the dialog
    // manager cancels it.
    Player(const Scenario& scenario, LogWriter& log, std::string outputDirectory);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Seeds the store with the `pref` lines that open the script, before anything else: the plug-in reads
    // them at its start-up as if the preference file held them.
    void SeedLeadingPreferences();
    // Plays every other command in order; throws PlayError at the first that fails.
    void PlayRest();
    // After shut-down: each `pref` line whose key the plug-in did not read after it, or read as another type,
    // as "SCENARIO:LINE: warning: ..." (a misspelt key or a wrong type changes nothing and says nothing else).
    std::vector<std::string> UnreadPreferences() const;

  private:
    void Play(const Command& command);
    void PlayLayer(const Command& command, const LayerCommand& layer);
    void PlayLayerState(const Command& command, const LayerStateCommand& change);
    void PlayPath(const Command& command, const PathCommand& path);
    void PlayPathEdit(const Command& command, const PathEditCommand& edit);
    void PlayPref(const Command& command, const PrefCommand& pref);
    void PlayDump(const Command& command, const DumpCommand& dump);
    void PlayMenu(const Command& command, const MenuCommand& menu);
    void PlayTool(const Command& command, const ToolCommand& tool);
    void PlayMouse(const Command& command, const MouseCommand& mouse);
    void PlayKeys(const KeyCommand& keys);
    void PlayDraw();
    // The panel and the modal dialogs, as a hand acts on them.
    void PlayPanel(const Command& command, const PanelCommand& panel);
    void PlayPicture(const Command& command, const PictureCommand& picture, ADMDialogRef dialog,
                     const std::string& dialogName);
    void PlayDialog(const Command& command, const DialogCommand& dialog);
    // Plays one action on an item of `dialog`, which the script calls `label` (empty: the panel); a refusal of
    // the dialog manager is logged and kept for the command's failure, if it fails.
    void PlayItem(const Command& command, ADMDialogRef dialog, const ItemCommand& item, const std::string& label);
    // Logs an action refused on the item, and keeps it for the command's failure, if it fails.
    void Refused(int32_t itemID, const std::string& why);
    // The queued actions of a modal dialog, played while it runs.
    void PlayDialogSteps(ADMDialogRef dialog, const DialogCommand& actions);
    void PlayDialogStep(ADMDialogRef dialog, const DialogCommand& actions, const Command& step);
    // Logs a modal dialog that runs without actions of the script, which the dialog manager then cancels.
    void LogUnanswered(ADMDialogRef dialog);
    // Logs the notifications the dialog manager delivered since the last call.
    void LogNotifications();
    // Fails when a dialog's actions were written before a command that opened no modal dialog.
    void CheckDialogsPlayed(const Command& command);
    // At the end of the script: fails when actions written for a dialog are still waiting for it.
    void CheckDialogsPlayedAtEnd();
    // Logs what the plug-in answered when it is not success.
    void LogResult(ASErr result);
    [[noreturn]] void Fail(const Command& command, const std::string& message) const;

    const Scenario& scenario_;
    LogWriter& log_;
    std::string outputDirectory_;
    size_t firstPlayed_ = 0; // the first command after the leading preferences
    int dumpFiles_ = 0;
    bool buttonDown_ = false; // between a `down` and its `up`

    // A dialog's actions waiting for the modal dialog they belong to.
    struct QueuedDialog {
        std::string label;
        int line = 0;
        bool played = false;
    };
    std::vector<std::shared_ptr<QueuedDialog>> queuedDialogs_;
    std::string dialogFailure_;           // the first failure inside a modal dialog, reported once it has closed
    std::string lastRefusal_;             // what the dialog manager last refused in the command under way
    size_t notificationsLogged_ = 0;
    std::map<std::string, int> pictures_; // pictures written per file stem, for the numbering of later ones

    // A `pref` line played, with the count of the plug-in's reads when it wrote.
    struct PrefWritten {
        const Command* command = nullptr;
        const PrefCommand* pref = nullptr;
        uint64_t readsBefore = 0;
    };
    std::vector<PrefWritten> prefsWritten_;
};

// Writes `text` to `path`; throws std::runtime_error naming the file when it cannot.
void WriteTextFile(const std::string& path, const std::string& text);

// `directory`/`file`, or `file` alone for an empty directory.
std::string JoinPath(const std::string& directory, const std::string& file);

} // namespace driver
