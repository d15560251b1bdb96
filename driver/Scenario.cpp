#include "driver/Scenario.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>
#include <string_view>

namespace driver {

ScenarioError::ScenarioError(const std::string& file, int line, const std::string& message)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + message), line_(line) {}

std::string ScenarioName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

namespace {

// One word of a line: a bare word (keyword, number, point x,y) or a text in double quotes.
struct Token {
    bool quoted = false;
    std::string text;
};

// A line cut into tokens, with the code part (the line without its comment) kept for the log.
struct SplitLine {
    std::vector<Token> tokens;
    std::string code;
};

std::string Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool ParseDouble(std::string_view text, double& value) {
    if (text.empty())
        return false;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

bool ParseFloat(std::string_view text, float& value) {
    double wide = 0.0;
    if (!ParseDouble(text, wide) || std::fabs(wide) > std::numeric_limits<float>::max())
        return false;
    value = static_cast<float>(wide);
    return true;
}

bool ParsePoint(std::string_view text, AIRealPoint& point) {
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos)
        return false;
    return ParseFloat(text.substr(0, comma), point.h) && ParseFloat(text.substr(comma + 1), point.v);
}

bool ParseWhole(std::string_view text, int32_t& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

// A point of whole pixels "h,v".
bool ParseWholePoint(std::string_view text, ItemPoint& point) {
    const size_t comma = text.find(',');
    return comma != std::string_view::npos && ParseWhole(text.substr(0, comma), point.h) &&
           ParseWhole(text.substr(comma + 1), point.v);
}

// Reads the tokens of one line and reports what it expected where it stops.
class LineReader {
  public:
    LineReader(const std::string& file, int line, std::vector<Token> tokens)
        : file_(file), line_(line), tokens_(std::move(tokens)) {}

    bool AtEnd() const { return next_ == tokens_.size(); }
    bool NextIsQuoted() const { return !AtEnd() && tokens_[next_].quoted; }
    bool NextIsWord(std::string_view word) const {
        return !AtEnd() && !tokens_[next_].quoted && tokens_[next_].text == word;
    }
    bool NextIsPoint() const {
        AIRealPoint point;
        return !AtEnd() && !tokens_[next_].quoted && ParsePoint(tokens_[next_].text, point);
    }
    bool NextIsWholePoint() const {
        ItemPoint point;
        return !AtEnd() && !tokens_[next_].quoted && ParseWholePoint(tokens_[next_].text, point);
    }
    ItemPoint WholePoint(const std::string& expected) {
        ItemPoint point;
        if (!NextIsWholePoint())
            Fail(expected);
        ParseWholePoint(tokens_[next_++].text, point);
        return point;
    }
    bool NextIsNumber() const {
        double value = 0.0;
        return !AtEnd() && !tokens_[next_].quoted && ParseDouble(tokens_[next_].text, value);
    }

    std::string Word(const std::string& expected) {
        if (AtEnd() || tokens_[next_].quoted)
            Fail(expected);
        return tokens_[next_++].text;
    }
    std::string Quoted(const std::string& expected) {
        if (!NextIsQuoted())
            Fail(expected);
        return tokens_[next_++].text;
    }
    AIRealPoint Point(const std::string& expected) {
        AIRealPoint point;
        if (AtEnd() || tokens_[next_].quoted || !ParsePoint(tokens_[next_].text, point))
            Fail(expected);
        ++next_;
        return point;
    }
    double Number(const std::string& expected) {
        double value = 0.0;
        if (AtEnd() || tokens_[next_].quoted || !ParseDouble(tokens_[next_].text, value))
            Fail(expected);
        ++next_;
        return value;
    }
    // A number from `low` to `high`.
    double NumberIn(double low, double high, const std::string& expected) {
        return InRange(ParseDouble, low, high, expected);
    }
    int32_t Integer(const std::string& expected) {
        if (AtEnd() || tokens_[next_].quoted)
            Fail(expected);
        const std::string& text = tokens_[next_].text;
        int32_t value = 0;
        const char* end = text.data() + text.size();
        const auto result = std::from_chars(text.data(), end, value);
        if (result.ec != std::errc() || result.ptr != end)
            Fail(expected);
        ++next_;
        return value;
    }
    // An integer from `low` to `high`.
    int32_t IntegerIn(int32_t low, int32_t high, const std::string& expected) {
        return InRange(ParseWhole, low, high, expected);
    }
    // Reads one of `choices` and answers its index.
    size_t Choice(const std::vector<std::string_view>& choices, const std::string& expected) {
        for (size_t i = 0; i < choices.size(); ++i) {
            if (NextIsWord(choices[i])) {
                ++next_;
                return i;
            }
        }
        Fail(expected);
    }
    void End() {
        if (!AtEnd())
            Fail("expected end of line");
    }

    [[noreturn]] void Fail(const std::string& expected) const {
        throw ScenarioError(file_, line_, expected + ", found " + Found());
    }

  private:
    // The next word as `parse` reads it, from `low` to `high`.
    template <typename T>
    T InRange(bool (*parse)(std::string_view, T&), T low, T high, const std::string& expected) {
        T value{};
        if (AtEnd() || tokens_[next_].quoted || !parse(tokens_[next_].text, value) || value < low ||
            value > high)
            Fail(expected);
        ++next_;
        return value;
    }
    std::string Found() const {
        if (AtEnd())
            return "end of line";
        const Token& token = tokens_[next_];
        return (token.quoted ? "the text \"" : "\"") + token.text + "\"";
    }

    const std::string& file_;
    int line_;
    std::vector<Token> tokens_;
    size_t next_ = 0;
};

// Reads a text in double quotes starting at `i` (on the opening quote); leaves `i` after the closing one.
std::string QuotedText(const std::string& file, int lineNumber, std::string_view line, size_t& i) {
    std::string text;
    for (++i; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            ++i;
            return text;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        const char escaped = i + 1 < line.size() ? line[i + 1] : '\0';
        if (escaped == '"' || escaped == '\\')
            text += escaped;
        else if (escaped == 'n')
            text += '\n';
        else
            throw ScenarioError(file, lineNumber, "expected \\\", \\\\ or \\n after a backslash");
        ++i;
    }
    throw ScenarioError(file, lineNumber, "expected a closing double quote");
}

SplitLine Split(const std::string& file, int lineNumber, std::string_view line) {
    SplitLine split;
    size_t i = 0;
    size_t codeEnd = line.size();
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
        } else if (line[i] == '#') {
            codeEnd = i;
            break;
        } else if (line[i] == '"') {
            split.tokens.push_back({true, QuotedText(file, lineNumber, line, i)});
        } else {
            const size_t start = i;
            while (i < line.size() && !IsBlank(line[i]) && line[i] != '"' && line[i] != '#')
                ++i;
            split.tokens.push_back({false, std::string(line.substr(start, i - start))});
        }
    }
    split.code = Trimmed(line.substr(0, codeEnd));
    return split;
}

// Where the code of a line ends: at a # outside double quotes, else at the end of the line.
size_t CodeEnd(std::string_view line) {
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (quoted && line[i] == '\\')
            ++i;
        else if (line[i] == '"')
            quoted = !quoted;
        else if (!quoted && line[i] == '#')
            return i;
    }
    return line.size();
}

// The position of the backslash that ends the code of a line continued on the next, or npos.
size_t ContinuationMark(std::string_view line) {
    const size_t last = line.substr(0, CodeEnd(line)).find_last_not_of(" \t\r");
    return last != std::string_view::npos && line[last] == '\\' ? last : std::string_view::npos;
}

// Command parsers: each reads the tokens after the command's keyword.

Action ParseLayer(LineReader& in) {
    LayerCommand command{in.Quoted("expected a layer title in double quotes")};
    in.End();
    return command;
}

template <LayerStateCommand::Change change> Action ParseLayerState(LineReader& in) {
    LayerStateCommand command{change, in.Quoted("expected a layer title in double quotes")};
    in.End();
    return command;
}

PaintSpec ParsePaint(LineReader& in) {
    PaintSpec paint;
    const size_t model =
        in.Choice({"none", "gray", "rgb", "cmyk"}, "expected a paint (none, gray, rgb or cmyk)");
    constexpr int kChannels[] = {0, 1, 3, 4};
    paint.model = static_cast<PaintSpec::Model>(model);
    for (int i = 0; i < kChannels[model]; ++i)
        paint.values[i] = static_cast<float>(in.NumberIn(0.0, 1.0, "expected a colour value from 0 to 1"));
    return paint;
}

constexpr size_t kMaxScriptDashes = 4;

std::vector<float> ParseDash(LineReader& in) {
    std::vector<float> dash;
    if (in.NextIsWord("none")) {
        in.Word("none");
        return dash;
    }
    do {
        dash.push_back(static_cast<float>(
            in.NumberIn(0.0, std::numeric_limits<float>::max(), "expected a dash length of at least 0")));
    } while (in.NextIsNumber() && dash.size() < kMaxScriptDashes);
    return dash;
}

AnchorSpec& LastAnchor(LineReader& in, PathCommand& path, const char* option) {
    if (path.anchors.empty())
        in.Fail(std::string("expected a point x,y before ") + option);
    return path.anchors.back();
}

// Reads one path option, or answers false when the next token is none.
bool ParsePathOption(LineReader& in, PathCommand& path) {
    if (in.NextIsWord("in") || in.NextIsWord("out")) {
        AnchorSpec& anchor = LastAnchor(in, path, in.NextIsWord("in") ? "in" : "out");
        const bool isIn = in.Word("in") == "in";
        (isIn ? anchor.in : anchor.out) = in.Point(isIn ? "expected a point x,y for the in handle"
                                                        : "expected a point x,y for the out handle");
    } else if (in.NextIsWord("smooth")) {
        LastAnchor(in, path, "smooth").smooth = true;
        in.Word("smooth");
    } else if (in.NextIsWord("closed")) {
        in.Word("closed");
        path.closed = true;
    } else if (in.NextIsWord("guide")) {
        in.Word("guide");
        path.guide = true;
    } else if (in.NextIsWord("centre")) {
        in.Word("centre");
        path.centre = true;
    } else if (in.NextIsWord("width")) {
        in.Word("width");
        path.width = static_cast<float>(
            in.NumberIn(0.0, std::numeric_limits<float>::max(), "expected a stroke width of at least 0"));
    } else if (in.NextIsWord("stroke") || in.NextIsWord("fill")) {
        const bool stroke = in.Word("stroke") == "stroke";
        (stroke ? path.stroke : path.fill) = ParsePaint(in);
    } else if (in.NextIsWord("dash")) {
        in.Word("dash");
        path.dash = ParseDash(in);
    } else if (in.NextIsWord("cap")) {
        in.Word("cap");
        path.cap = static_cast<AILineCap>(
            in.Choice({"butt", "round", "projecting"}, "expected a line cap (butt, round or projecting)"));
    } else if (in.NextIsWord("join")) {
        in.Word("join");
        path.join = static_cast<AILineJoin>(
            in.Choice({"miter", "round", "bevel"}, "expected a line join (miter, round or bevel)"));
    } else {
        return false;
    }
    return true;
}

Action ParsePath(LineReader& in) {
    PathCommand path;
    if (in.NextIsQuoted())
        path.name = in.Quoted("expected a path name in double quotes");
    if (!in.NextIsPoint())
        in.Point("expected a point x,y");
    while (!in.AtEnd()) {
        if (in.NextIsPoint())
            path.anchors.push_back({in.Point("expected a point x,y"), std::nullopt, std::nullopt, false});
        else if (!ParsePathOption(in, path))
            in.Fail(
                "expected a point x,y or a path option (in, out, smooth, closed, guide, centre, width, stroke, fill, "
                "dash, cap, join)");
    }
    return path;
}

constexpr const char* kPathName = "expected a path name in double quotes";
constexpr const char* kVector = "expected a vector dx,dy";

template <PathEditCommand::Kind kind> Action ParsePathEdit(LineReader& in) {
    PathEditCommand edit;
    edit.kind = kind;
    edit.name = in.Quoted(kPathName);
    if (kind == PathEditCommand::Kind::MoveAnchor) {
        edit.anchor =
            in.IntegerIn(0, std::numeric_limits<int32_t>::max(), "expected an anchor index of at least 0");
    }
    if (kind != PathEditCommand::Kind::Delete)
        edit.by = in.Point(kVector);
    in.End();
    return edit;
}

Action ParsePref(LineReader& in) {
    PrefCommand pref;
    pref.prefix = in.Quoted("expected a preference prefix in double quotes");
    pref.key = in.Quoted("expected a preference key in double quotes");
    pref.type = static_cast<PrefCommand::Type>(in.Choice(
        {"bool", "int", "real", "string"}, "expected a preference type (bool, int, real or string)"));
    switch (pref.type) {
    case PrefCommand::Type::Bool:
        pref.boolValue =
            in.Choice({"false", "true", "0", "1"}, "expected a boolean value (true, false, 1 or 0)") % 2 == 1;
        break;
    case PrefCommand::Type::Int:
        pref.intValue = in.Integer("expected a 32-bit integer value");
        break;
    case PrefCommand::Type::Real:
        pref.realValue = in.Number("expected a real value");
        break;
    case PrefCommand::Type::String:
        pref.stringValue = in.Quoted("expected a string value in double quotes");
        break;
    }
    in.End();
    return pref;
}

Action ParseDump(LineReader& in) {
    DumpCommand dump;
    if (!in.AtEnd()) {
        in.Choice({"file"}, "expected end of line or \"file\"");
        dump.toFile = true;
    }
    in.End();
    return dump;
}

Action ParseMenu(LineReader& in) {
    MenuCommand command{in.Quoted("expected a menu item text in double quotes")};
    in.End();
    return command;
}

Action ParseTool(LineReader& in) {
    ToolCommand command{in.Quoted("expected a tool title in double quotes")};
    if (!in.AtEnd())
        command.doubleClick = in.Choice({"double"}, "expected double or end of line") == 0;
    in.End();
    return command;
}

constexpr std::string_view kKeyWords[] = {"shift", "rshift", "alt", "control", "win", "space"};
constexpr const char* kKeyChoices = "a key (shift, rshift, alt, control, win or space)";

Key ParseKey(LineReader& in, const std::string& expected) {
    return static_cast<Key>(in.Choice({std::begin(kKeyWords), std::end(kKeyWords)}, expected));
}

// Reads the keys up to the end of the line.
std::vector<Key> ParseKeys(LineReader& in, const std::string& expected) {
    std::vector<Key> keys;
    while (!in.AtEnd())
        keys.push_back(ParseKey(in, expected));
    return keys;
}

// Reads `POINT [KEY ...]`, or `POINT ... [KEY ...]` when the command takes several points.
template <MouseCommand::Kind kind, bool severalPoints> Action ParseMouse(LineReader& in) {
    MouseCommand command;
    command.kind = kind;
    command.points.push_back(in.Point("expected a point x,y"));
    while (severalPoints && in.NextIsPoint())
        command.points.push_back(in.Point("expected a point x,y"));
    command.keys =
        ParseKeys(in, std::string("expected ") + (severalPoints ? "a point x,y or " : "") + kKeyChoices);
    return command;
}

template <bool down> Action ParseKeyCommand(LineReader& in) {
    KeyCommand command;
    command.down = down;
    command.keys.push_back(ParseKey(in, std::string("expected ") + kKeyChoices));
    const std::vector<Key> more = ParseKeys(in, std::string("expected ") + kKeyChoices);
    command.keys.insert(command.keys.end(), more.begin(), more.end());
    return command;
}

Action ParseDraw(LineReader& in) {
    in.End();
    return DrawCommand{};
}

ItemPoint ParseItemPoint(LineReader& in, const std::string& expected) { return in.WholePoint(expected); }

constexpr const char* kItemID = "expected an item id";

// Reads an action on a dialog item: the word, the item's id and what the action needs.
ItemCommand ParseItemAction(LineReader& in) {
    ItemCommand command;
    command.kind = static_cast<ItemCommand::Kind>(
        in.Choice({"click", "choose", "type", "commit", "enter", "track", "drag"},
                  "expected an item action (click, choose, type, commit, enter, track or drag)"));
    command.item = in.Integer(kItemID);
    switch (command.kind) {
    case ItemCommand::Kind::Click:
        command.keys = ParseKeys(in, std::string("expected ") + kKeyChoices);
        break;
    case ItemCommand::Kind::Choose:
        command.entry = in.Integer("expected an entry id");
        in.End();
        break;
    case ItemCommand::Kind::Type:
    case ItemCommand::Kind::Enter:
        command.text = in.Quoted("expected a text in double quotes");
        in.End();
        break;
    case ItemCommand::Kind::Commit:
        in.End();
        break;
    case ItemCommand::Kind::Track: {
        // The tracker actions as the dialog manager numbers them: moves with the button up, moves with it
        // held, the button going down, the button going up.
        command.action = static_cast<int32_t>(
            in.Choice({"hover", "moved", "down", "up"}, "expected a mouse event (hover, moved, down or up)"));
        command.points.push_back(ParseItemPoint(in, "expected a point h,v in whole pixels"));
        command.keys = ParseKeys(in, std::string("expected ") + kKeyChoices);
        break;
    }
    case ItemCommand::Kind::Drag:
        command.points.push_back(ParseItemPoint(in, "expected a point h,v in whole pixels"));
        do {
            command.points.push_back(ParseItemPoint(in, "expected a point h,v in whole pixels"));
        } while (in.NextIsWholePoint());
        command.keys = ParseKeys(in, std::string("expected a point h,v or ") + kKeyChoices);
        break;
    }
    return command;
}

Action ParsePicture(LineReader& in) {
    PictureCommand picture;
    if (in.NextIsQuoted())
        picture.label = in.Quoted("expected a label in double quotes");
    in.End();
    return picture;
}

Action ParsePanel(LineReader& in) {
    if (in.NextIsWord("draw")) {
        in.Word("draw");
        return ParsePicture(in);
    }
    if (!in.NextIsWord("click") && !in.NextIsWord("choose") && !in.NextIsWord("type") &&
        !in.NextIsWord("commit") && !in.NextIsWord("enter") && !in.NextIsWord("track") && !in.NextIsWord("drag"))
        in.Fail("expected a panel action (click, choose, type, commit, enter, track, drag or draw)");
    return PanelCommand{ParseItemAction(in)};
}

Action ParseDialog(LineReader& in) {
    DialogCommand dialog;
    dialog.label = in.Quoted("expected a dialog label in double quotes");
    in.End();
    return dialog;
}

// The command keywords and their parsers; a new command adds a row here and a case to the player.
struct CommandSyntax {
    std::string_view keyword;
    Action (*parse)(LineReader&);
};
constexpr CommandSyntax kCommandSyntax[] = {
    {"layer", ParseLayer},
    {"lock", ParseLayerState<LayerStateCommand::Change::Lock>},
    {"unlock", ParseLayerState<LayerStateCommand::Change::Unlock>},
    {"hide", ParseLayerState<LayerStateCommand::Change::Hide>},
    {"show", ParseLayerState<LayerStateCommand::Change::Show>},
    {"path", ParsePath},
    {"pref", ParsePref},
    {"dump", ParseDump},
    {"menu", ParseMenu},
    {"tool", ParseTool},
    {"move", ParseMouse<MouseCommand::Kind::Move, true>},
    {"down", ParseMouse<MouseCommand::Kind::Down, false>},
    {"drag", ParseMouse<MouseCommand::Kind::Drag, true>},
    {"up", ParseMouse<MouseCommand::Kind::Up, false>},
    {"click", ParseMouse<MouseCommand::Kind::Click, false>},
    {"press", ParseKeyCommand<true>},
    {"release", ParseKeyCommand<false>},
    {"draw", ParseDraw},
    {"panel", ParsePanel},
    {"dialog", ParseDialog},
    {"translate", ParsePathEdit<PathEditCommand::Kind::Move>},
    {"reshape", ParsePathEdit<PathEditCommand::Kind::MoveAnchor>},
    {"delete", ParsePathEdit<PathEditCommand::Kind::Delete>},
};

std::string CommandList() {
    std::string list;
    for (const CommandSyntax& syntax : kCommandSyntax) {
        if (!list.empty())
            list += ", ";
        list += syntax.keyword;
    }
    return list;
}

// Inside a dialog's actions: item actions, its picture, a nested dialog, OK, cancel and the end.
Action ParseDialogStep(LineReader& in) {
    if (in.NextIsWord("draw")) {
        in.Word("draw");
        return ParsePicture(in);
    }
    if (in.NextIsWord("ok") || in.NextIsWord("cancel")) {
        const bool ok = in.Word("ok") == "ok";
        in.End();
        return EndDialogCommand{ok};
    }
    if (in.NextIsWord("dialog")) {
        in.Word("dialog");
        return ParseDialog(in);
    }
    if (!in.NextIsWord("click") && !in.NextIsWord("choose") && !in.NextIsWord("type") &&
        !in.NextIsWord("commit") && !in.NextIsWord("enter") && !in.NextIsWord("track") && !in.NextIsWord("drag"))
        in.Fail("expected a dialog action (click, choose, type, commit, enter, track, drag, draw, dialog, ok, "
                "cancel or end)");
    return ParseItemAction(in);
}

Action ParseCommand(LineReader& in) {
    for (const CommandSyntax& syntax : kCommandSyntax) {
        if (in.NextIsWord(syntax.keyword)) {
            in.Word(std::string(syntax.keyword));
            return syntax.parse(in);
        }
    }
    in.Fail("expected a command (" + CommandList() + ")");
}

} // namespace

const char* KeyWord(Key key) {
    return kKeyWords[static_cast<size_t>(key)].data();
}

Scenario ParseScenario(const std::string& path, const std::string& text) {
    Scenario scenario;
    scenario.path = path;
    scenario.name = ScenarioName(path);
    std::istringstream lines(text);
    std::string line;
    int nextLine = 0;
    // The dialogs whose actions are being read, innermost last.
    struct OpenDialog {
        std::vector<Command>* steps;
        int line;
    };
    std::vector<OpenDialog> open;
    while (std::getline(lines, line)) {
        const int lineNumber = ++nextLine;
        std::string more;
        for (size_t mark = ContinuationMark(line); mark != std::string::npos && std::getline(lines, more);
             mark = ContinuationMark(line)) {
            ++nextLine;
            line.erase(mark);
            line.append(" ").append(Trimmed(more));
        }
        SplitLine split = Split(path, lineNumber, line);
        if (split.tokens.empty())
            continue;
        LineReader in(path, lineNumber, std::move(split.tokens));
        if (open.empty()) {
            scenario.commands.push_back({lineNumber, split.code, ParseCommand(in)});
        } else if (in.NextIsWord("end")) {
            in.Word("end");
            in.End();
            const OpenDialog& closing = open.back();
            if (closing.steps->empty() || !std::holds_alternative<EndDialogCommand>(closing.steps->back().action))
                throw ScenarioError(path, lineNumber, "expected \"ok\" or \"cancel\" before the end of the dialog "
                                                      "started at line " + std::to_string(closing.line));
            open.pop_back();
            continue;
        } else {
            if (!open.back().steps->empty() &&
                std::holds_alternative<EndDialogCommand>(open.back().steps->back().action))
                throw ScenarioError(path, lineNumber, "expected \"end\" after \"ok\" or \"cancel\"");
            open.back().steps->push_back({lineNumber, split.code, ParseDialogStep(in)});
        }
        std::vector<Command>& added = open.empty() ? scenario.commands : *open.back().steps;
        if (auto* dialog = std::get_if<DialogCommand>(&added.back().action))
            open.push_back({&dialog->steps, lineNumber});
    }
    if (!open.empty())
        throw ScenarioError(path, open.back().line,
                            "expected \"end\" for the dialog started here before the end of the script");
    return scenario;
}

} // namespace driver
