// A scenario script: the commands the driver plays as the user, one per line, and their parser.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "host/Types.h"

namespace driver {

// A line of the script that does not read as a command: the file, the line and what was expected there.
class ScenarioError : public std::runtime_error {
  public:
    ScenarioError(const std::string& file, int line, const std::string& message);
    int Line() const { return line_; }

  private:
    int line_;
};

// One anchor of a drawn path; a missing handle lies on the anchor.
struct AnchorSpec {
    AIRealPoint point;
    std::optional<AIRealPoint> in;
    std::optional<AIRealPoint> out;
    bool smooth = false;
};

// A paint as the script writes it: none, grey, RGB or CMYK, values from 0 to 1.
struct PaintSpec {
    enum class Model { None, Gray, RGB, CMYK };
    Model model = Model::None;
    float values[4] = {};
};

// Draws a path on the current layer.
struct PathCommand {
    std::string name;
    std::vector<AnchorSpec> anchors;
    bool closed = false;
    bool guide = false;
    bool centre = false;  // the path shows its centre point
    std::optional<float> width;
    std::optional<PaintSpec> stroke;
    std::optional<PaintSpec> fill;
    std::optional<std::vector<float>> dash;
    std::optional<AILineCap> cap;
    std::optional<AILineJoin> join;
};

// Changes a drawn path, found by its name, as the user does with the host's own tools: moves it by a vector
// (the selection tool's drag), moves one of its anchors with its handles by a vector (the direct selection
// tool's drag), or deletes it (the Delete key).
struct PathEditCommand {
    enum class Kind { Move, MoveAnchor, Delete };
    Kind kind = Kind::Move;
    std::string name;
    int32_t anchor = 0; // MoveAnchor: its index, from 0
    AIRealPoint by{0.0f, 0.0f};
};

// Makes the layer of that title current, creating it on top of the others when there is none.
struct LayerCommand {
    std::string title;
};

// Locks, unlocks, hides or shows the layer of that title.
struct LayerStateCommand {
    enum class Change { Lock, Unlock, Hide, Show };
    Change change = Change::Lock;
    std::string title;
};

// Writes one typed value into the host's preference store.
struct PrefCommand {
    enum class Type { Bool, Int, Real, String };
    std::string prefix;
    std::string key;
    Type type = Type::Int;
    bool boolValue = false;
    int32_t intValue = 0;
    double realValue = 0.0;
    std::string stringValue;
};

// Writes the art tree as it stands, into the log or into a numbered file of its own.
struct DumpCommand {
    bool toFile = false;
};

// Chooses the host menu item that shows this text, as the user would from the menu bar.
struct MenuCommand {
    std::string text;
};

// A key the user holds: Shift (the left one), the right Shift, Alt, Control, the left Windows key, Space.
enum class Key { Shift, RightShift, Alt, Control, Windows, Space };

// Selects the tool of that title in the host's tool palette; a double-click then asks a plug-in tool for its
// options.
struct ToolCommand {
    std::string title;
    bool doubleClick = false;
};

// The mouse over the selected tool, with keys held for the time of the command: the cursor moved to each
// point in turn, the button pressed, dragged through each point, released, or clicked (pressed and released).
struct MouseCommand {
    enum class Kind { Move, Down, Drag, Up, Click };
    Kind kind = Kind::Move;
    std::vector<AIRealPoint> points;
    std::vector<Key> keys;
};

// Holds keys down, or releases them, until a later command changes them.
struct KeyCommand {
    bool down = true;
    std::vector<Key> keys;
};

// Has the host draw the annotations of the document window, as it does after each change.
struct DrawCommand {};

// A point of a dialog item, in whole pixels from the item's top-left corner.
struct ItemPoint {
    int32_t h = 0;
    int32_t v = 0;
};

// A hand on an item of the panel or of a modal dialog, found by its id: a click (press and release in the
// middle) with keys held, an entry chosen by its id, a text typed keystroke by keystroke, committed (Enter),
// typed then committed, one mouse event (down, moved, up) at a point, or a drag through points.
struct ItemCommand {
    enum class Kind { Click, Choose, Type, Commit, Enter, Track, Drag };
    Kind kind = Kind::Click;
    int32_t item = 0;
    int32_t entry = 0;
    std::string text;
    int32_t action = 0; // the tracker action of Track
    std::vector<ItemPoint> points;
    std::vector<Key> keys;
};

// Acts on an item of the docked panel.
struct PanelCommand {
    ItemCommand item;
};

// Draws the docked panel, or (inside a dialog's actions) the modal dialog, into an SVG file; the label, when
// given, goes into the file name.
struct PictureCommand {
    std::string label;
};

// Ends a modal dialog by its OK (default) or its cancel item.
struct EndDialogCommand {
    bool ok = true;
};

struct Command;

// The actions of the next modal dialog that opens, played when it runs; the last one ends it.
struct DialogCommand {
    std::string label; // names the dialog in the log and in the files its pictures go to
    std::vector<Command> steps;
};

using Action = std::variant<LayerCommand, LayerStateCommand, PathCommand, PrefCommand, DumpCommand,
                            MenuCommand, ToolCommand, MouseCommand, KeyCommand, DrawCommand, PanelCommand,
                            PictureCommand, ItemCommand, EndDialogCommand, DialogCommand, PathEditCommand>;

struct Command {
    int line = 0;
    std::string text; // the line as written, without its comment
    Action action;
};

struct Scenario {
    std::string path; // as given on the command line; error messages start with it
    std::string name; // the file name without folder and extension; names the output files
    std::vector<Command> commands;
};

// Parses a whole script; throws ScenarioError at the first line that does not read.
Scenario ParseScenario(const std::string& path, const std::string& text);

// The word a script writes for `key`.
const char* KeyWord(Key key);

// The file name without its folder and last extension: "examples/segment.scn" gives "segment".
std::string ScenarioName(const std::string& path);

} // namespace driver
