#include "driver/Player.h"

#include <algorithm>
#include <fstream>

#include "driver/DialogSvg.h"
#include "driver/DrawingLog.h"
#include "driver/SvgWriter.h"
#include "driver/TreeDump.h"
#include "simhost/ArtEdits.h"
#include "simhost/DialogManager.h"
#include "simhost/Document.h"
#include "simhost/Menus.h"
#include "simhost/Platform.h"
#include "simhost/PluginConnection.h"
#include "simhost/PreferenceStore.h"
#include "simhost/Tools.h"

namespace driver {

namespace {

// The paint of a drawn path that names none: a black stroke of 1 point, no fill.
constexpr AIReal kDefaultStrokeWidth = 1.0f;
constexpr AIReal kBlack = 1.0f;

template <typename... Visitors> struct Overloaded : Visitors... { using Visitors::operator()...; };
// Spelled out for the compilers that do not yet deduce an aggregate's arguments from its bases.
template <typename... Visitors> Overloaded(Visitors...) -> Overloaded<Visitors...>;

AIColor HostColour(const PaintSpec& paint) {
    AIColor colour;
    switch (paint.model) {
    case PaintSpec::Model::None:
        colour.kind = kNoneColor;
        break;
    case PaintSpec::Model::Gray:
        colour.kind = kGrayColor;
        colour.g.gray = paint.values[0];
        break;
    case PaintSpec::Model::RGB:
        colour.kind = kThreeColor;
        colour.rgb = {paint.values[0], paint.values[1], paint.values[2]};
        break;
    case PaintSpec::Model::CMYK:
        colour.kind = kFourColor;
        colour.f = {paint.values[0], paint.values[1], paint.values[2], paint.values[3]};
        break;
    }
    return colour;
}

AIPathStyle PathStyle(const PathCommand& path) {
    AIPathStyle style;
    style.strokePaint = 1;
    style.stroke.color.kind = kGrayColor;
    style.stroke.color.g.gray = kBlack;
    style.stroke.width = path.width.value_or(kDefaultStrokeWidth);
    style.fillPaint = 0;
    if (path.stroke) {
        style.strokePaint = path.stroke->model != PaintSpec::Model::None;
        style.stroke.color = HostColour(*path.stroke);
    }
    if (path.fill) {
        style.fillPaint = path.fill->model != PaintSpec::Model::None;
        style.fill.color = HostColour(*path.fill);
    }
    if (path.dash) {
        style.stroke.dash.length = static_cast<int16_t>(path.dash->size());
        for (size_t i = 0; i < path.dash->size(); ++i)
            style.stroke.dash.array[i] = (*path.dash)[i];
    }
    if (path.cap)
        style.stroke.cap = *path.cap;
    if (path.join)
        style.stroke.join = *path.join;
    return style;
}

// The virtual-key code the platform reads for a key of the script.
int32_t VirtualKey(Key key) {
    switch (key) {
    case Key::Shift:
        return sim::VK_LSHIFT_CODE;
    case Key::RightShift:
        return VK_RSHIFT;
    case Key::Alt:
        return sim::VK_LMENU_CODE;
    case Key::Control:
        return sim::VK_LCONTROL_CODE;
    case Key::Windows:
        return VK_LWIN;
    case Key::Space:
        return VK_SPACE;
    }
    return 0;
}

// Holds keys for the time of a command: down when made, and up again when it ends, except those that were
// already held.
class HeldKeys {
  public:
    explicit HeldKeys(const std::vector<Key>& keys) {
        sim::PlatformState& platform = sim::ThePlatform();
        for (const Key key : keys) {
            const int32_t code = VirtualKey(key);
            if (platform.IsKeyDown(code))
                continue;
            platform.SetKeyDown(code, true);
            pressed_.push_back(code);
        }
    }
    ~HeldKeys() {
        for (const int32_t code : pressed_)
            sim::ThePlatform().SetKeyDown(code, false);
    }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

  private:
    std::vector<int32_t> pressed_;
};

// The selectors a mouse command sends, each at every point of the command.
std::vector<const char*> MouseSelectors(MouseCommand::Kind kind) {
    switch (kind) {
    case MouseCommand::Kind::Move:
        return {kSelectorAITrackToolCursor};
    case MouseCommand::Kind::Down:
        return {kSelectorAIToolMouseDown};
    case MouseCommand::Kind::Drag:
        return {kSelectorAIToolMouseDrag};
    case MouseCommand::Kind::Up:
        return {kSelectorAIToolMouseUp};
    case MouseCommand::Kind::Click:
        return {kSelectorAIToolMouseDown, kSelectorAIToolMouseUp};
    }
    return {};
}

// The docked panel's dialog name.
constexpr const char* kPanelDialogName = "Tavorine";

// The modifier flags a tracker event carries for the keys of a command.
int32_t TrackerModifiers(const std::vector<Key>& keys) {
    int32_t modifiers = 0;
    for (const Key key : keys) {
        if (key == Key::Shift || key == Key::RightShift)
            modifiers |= kADMShiftKeyModifier;
        else if (key == Key::Control)
            modifiers |= kADMControlKeyModifier;
        else if (key == Key::Alt)
            modifiers |= kADMAltKeyModifier;
    }
    return modifiers;
}

std::string DialogName(ADMDialogRef dialog) {
    const sim::DialogData* data = sim::TheDialogs().Dialog(dialog);
    return data != nullptr ? data->name : std::string("?");
}

// A dialog as a script's reader knows it: by the label of its block and its title (several dialogs share one
// modal name), or the panel by its name.
std::string DialogCalled(ADMDialogRef dialog, const std::string& label) {
    if (label.empty())
        return "the dialog \"" + DialogName(dialog) + "\"";
    const sim::DialogData* data = sim::TheDialogs().Dialog(dialog);
    const std::string titled = data != nullptr && !data->title.empty() ? " (title \"" + OneLine(data->title) + "\")" : "";
    return "the dialog \"" + label + "\"" + titled;
}

std::vector<AIPathSegment> Segments(const PathCommand& path) {
    std::vector<AIPathSegment> segments;
    for (const AnchorSpec& anchor : path.anchors)
        segments.push_back(sim::CurveSegment(anchor.point, anchor.in.value_or(anchor.point),
                                             anchor.out.value_or(anchor.point), !anchor.smooth));
    return segments;
}

// The texts of `records` in double quotes, separated by commas: what an error names when a script's text
// matches none of them.
template <typename Records, typename Record>
std::string QuotedList(const Records& records, std::string Record::*text) {
    std::string list;
    for (const Record& record : records)
        list += (list.empty() ? "\"" : ", \"") + record.*text + "\"";
    return list;
}

// The value a `pref` line writes, in its type.
sim::PrefValue PrefValueOf(const PrefCommand& pref) {
    switch (pref.type) {
    case PrefCommand::Type::Bool:
        return sim::PrefValue::Bool(pref.boolValue);
    case PrefCommand::Type::Int:
        return sim::PrefValue::Int(pref.intValue);
    case PrefCommand::Type::Real:
        return sim::PrefValue::Real(pref.realValue);
    case PrefCommand::Type::String:
        return sim::PrefValue::String(pref.stringValue);
    }
    return sim::PrefValue::String(pref.stringValue);
}

// The ids of a dialog's items, in order, a run of consecutive ids written as one range: "-5, 1 to 20, 43".
std::string ItemIds(ADMDialogRef dialog) {
    sim::DialogManager& dialogs = sim::TheDialogs();
    const sim::DialogData* data = dialogs.Dialog(dialog);
    std::vector<int32_t> ids;
    for (const uintptr_t handle : data != nullptr ? data->items : std::vector<uintptr_t>()) {
        if (const sim::ItemData* item = dialogs.ItemByHandle(handle))
            ids.push_back(item->id);
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    std::string text;
    for (size_t first = 0; first < ids.size();) {
        size_t last = first;
        while (last + 1 < ids.size() && ids[last + 1] == ids[last] + 1)
            ++last;
        text += (text.empty() ? "" : ", ") + std::to_string(ids[first]);
        if (last > first)
            text += (last == first + 1 ? ", " : " to ") + std::to_string(ids[last]);
        first = last + 1;
    }
    return text;
}

// True when the item's list holds an entry of that id, a separator or a disabled one included.
bool HasEntry(const sim::ItemData& item, int32_t entryID) {
    sim::DialogManager& dialogs = sim::TheDialogs();
    const sim::ListData* list = dialogs.ListByHandle(item.list);
    for (const uintptr_t handle : list != nullptr ? list->entries : std::vector<uintptr_t>()) {
        const sim::EntryData* entry = dialogs.EntryByHandle(handle);
        if (entry != nullptr && entry->id == entryID)
            return true;
    }
    return false;
}

// Why a hand cannot take the action on the item, when it is of another kind: nothing is typed into a button,
// a popup or a menu, and a click on a popup or a menu only opens its list. The answer names the action that
// fits, as the script writes it (`panel click` for the panel, `click` in a dialog's block). Empty when the
// action fits the item.
std::string WrongKind(const sim::ItemData& item, ItemCommand::Kind kind, const std::string& label) {
    const bool text = kind == ItemCommand::Kind::Type || kind == ItemCommand::Kind::Commit ||
                      kind == ItemCommand::Kind::Enter;
    const bool menu = item.type == kADMPopupMenuType;
    const std::string prefix = label.empty() ? "panel " : "";
    if ((menu || item.type == kADMPopupListType) && (text || kind == ItemCommand::Kind::Click))
        return std::string("the item is a ") + (menu ? "menu" : "popup") + "; it takes " + prefix + "choose";
    if (text && sim::HasCaption(item.type))
        return "the item is a button; it takes " + prefix + "click";
    return std::string();
}

// How many single-character edits turn one text into the other.
size_t EditDistance(const std::string& from, const std::string& to) {
    std::vector<size_t> row(to.size() + 1);
    for (size_t j = 0; j < row.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= from.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= to.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (from[i - 1] == to[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

// The key the plug-in read that lies nearest to (prefix, key), prefix and key spelt: what a misspelt `pref` line
// meant; empty when it read none.
std::string NearestKeyRead(const std::string& prefix, const std::string& key) {
    std::string nearest;
    size_t best = 0;
    for (const auto& [read, mark] : sim::ThePreferences().Reads()) {
        const size_t distance = EditDistance(prefix, read.first) + EditDistance(key, read.second);
        if (nearest.empty() || distance < best) {
            nearest = "\"" + read.first + "\" \"" + read.second + "\"";
            best = distance;
        }
    }
    return nearest;
}

} // namespace

std::string JoinPath(const std::string& directory, const std::string& file) {
    if (directory.empty())
        return file;
    return directory.back() == '/' ? directory + file : directory + "/" + file;
}

void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

Player::Player(const Scenario& scenario, LogWriter& log, std::string outputDirectory)
    : scenario_(scenario), log_(log), outputDirectory_(std::move(outputDirectory)) {
    sim::TheDialogs().SetUnansweredResponder([this](ADMDialogRef running) { LogUnanswered(running); });
}

Player::~Player() {
    sim::TheDialogs().SetUnansweredResponder({});
}

void Player::SeedLeadingPreferences() {
    for (; firstPlayed_ < scenario_.commands.size(); ++firstPlayed_) {
        const Command& command = scenario_.commands[firstPlayed_];
        const auto* pref = std::get_if<PrefCommand>(&command.action);
        if (!pref)
            break;
        log_.Section(std::to_string(command.line) + ": " + command.text);
        PlayPref(command, *pref);
    }
}

void Player::PlayRest() {
    for (size_t i = firstPlayed_; i < scenario_.commands.size(); ++i) {
        const Command& command = scenario_.commands[i];
        log_.Section(std::to_string(command.line) + ": " + command.text);
        Play(command);
        // The cancel press that ended a dialog nobody answered belongs to this line.
        LogNotifications();
    }
    CheckDialogsPlayedAtEnd();
}

void Player::Play(const Command& command) {
    std::visit(Overloaded{
                   [&](const LayerCommand& layer) { PlayLayer(command, layer); },
                   [&](const LayerStateCommand& change) { PlayLayerState(command, change); },
                   [&](const PathCommand& path) { PlayPath(command, path); },
                   [&](const PathEditCommand& edit) { PlayPathEdit(command, edit); },
                   [&](const PrefCommand& pref) { PlayPref(command, pref); },
                   [&](const DumpCommand& dump) { PlayDump(command, dump); },
                   [&](const MenuCommand& menu) { PlayMenu(command, menu); },
                   [&](const ToolCommand& tool) { PlayTool(command, tool); },
                   [&](const MouseCommand& mouse) { PlayMouse(command, mouse); },
                   [&](const KeyCommand& keys) { PlayKeys(keys); },
                   [&](const DrawCommand&) { PlayDraw(); },
                   [&](const PanelCommand& panel) { PlayPanel(command, panel); },
                   [&](const PictureCommand& picture) {
                       PlayPicture(command, picture, sim::TheDialogs().FindDialog(kPanelDialogName), "panel");
                   },
                   [&](const DialogCommand& dialog) { PlayDialog(command, dialog); },
                   [&](const ItemCommand&) { Fail(command, "an item action outside a dialog's actions"); },
                   [&](const EndDialogCommand&) { Fail(command, "\"ok\" or \"cancel\" outside a dialog's actions"); },
               },
               command.action);
    if (!std::holds_alternative<DialogCommand>(command.action))
        CheckDialogsPlayed(command);
}

void Player::Fail(const Command& command, const std::string& message) const {
    throw PlayError(scenario_.path + ":" + std::to_string(command.line) + ": " + message);
}

void Player::PlayLayer(const Command&, const LayerCommand& layer) {
    sim::Document& document = sim::TheDocument();
    const AILayerHandle existing = document.FindLayer(layer.title);
    if (existing)
        document.SetCurrentLayer(existing);
    else
        document.AddLayer(layer.title);
}

void Player::PlayLayerState(const Command& command, const LayerStateCommand& change) {
    sim::Document& document = sim::TheDocument();
    const AILayerHandle layer = document.FindLayer(change.title);
    if (!layer)
        Fail(command, "no layer \"" + change.title + "\"");
    switch (change.change) {
    case LayerStateCommand::Change::Lock:
    case LayerStateCommand::Change::Unlock:
        document.SetLayerLocked(layer, change.change == LayerStateCommand::Change::Lock);
        break;
    case LayerStateCommand::Change::Hide:
    case LayerStateCommand::Change::Show:
        document.SetLayerVisible(layer, change.change == LayerStateCommand::Change::Show);
        break;
    }
}

void Player::PlayPath(const Command& command, const PathCommand& path) {
    sim::Document& document = sim::TheDocument();
    const sim::Layer* layer = document.LayerInfo(document.CurrentLayer());
    if (!layer)
        Fail(command, "no current layer to draw on");
    if (layer->locked)
        Fail(command, "cannot draw on the locked layer \"" + layer->title + "\"");
    if (!layer->visible)
        Fail(command, "cannot draw on the hidden layer \"" + layer->title + "\"");
    const AIArtHandle art = document.DrawPath(Segments(path), path.closed, path.name);
    sim::ArtNode* node = document.MutableArt(art);
    if (!node)
        Fail(command, "the host made no path");
    node->style = PathStyle(path);
    node->guide = path.guide;
    node->showsCentre = path.centre;
}

void Player::PlayPathEdit(const Command& command, const PathEditCommand& edit) {
    sim::Document& document = sim::TheDocument();
    AIArtHandle path = nullptr;
    for (const AIArtHandle art : document.AllArt()) {
        const sim::ArtNode* node = document.Art(art);
        if (node->type == kPathArt && !edit.name.empty() && node->name == edit.name) {
            path = art;
            break;
        }
    }
    if (!path)
        Fail(command, "no path \"" + edit.name + "\"");
    const sim::ArtNode& node = *document.Art(path);
    if (node.layer->locked || !node.layer->visible)
        Fail(command, "cannot change the path \"" + edit.name + "\" on the " +
                          (node.layer->locked ? "locked" : "hidden") + " layer \"" + node.layer->title +
                          "\"");
    const size_t anchors = node.segments.size();
    if (edit.kind == PathEditCommand::Kind::MoveAnchor && static_cast<size_t>(edit.anchor) >= anchors)
        Fail(command, "the path \"" + edit.name + "\" has no anchor " + std::to_string(edit.anchor) +
                          ": its " + std::to_string(anchors) + " anchors are numbered from 0");
    ASErr result = kNoErr;
    switch (edit.kind) {
    case PathEditCommand::Kind::Move:
        result = sim::UserMovesPath(path, edit.by);
        break;
    case PathEditCommand::Kind::MoveAnchor:
        result = sim::UserMovesAnchor(path, edit.anchor, edit.by);
        break;
    case PathEditCommand::Kind::Delete:
        result = sim::UserDeletesPath(path);
        break;
    }
    if (result != kNoErr)
        Fail(command, "the host cannot move the path \"" + edit.name + "\" that far");
}

void Player::PlayPref(const Command& command, const PrefCommand& pref) {
    prefsWritten_.push_back(PrefWritten{&command, &pref, sim::ThePreferences().ReadCount()});
    sim::ThePreferences().Put(pref.prefix, pref.key, PrefValueOf(pref));
}

std::vector<std::string> Player::UnreadPreferences() const {
    std::vector<std::string> warnings;
    for (const PrefWritten& written : prefsWritten_) {
        const PrefCommand& pref = *written.pref;
        const std::string where = scenario_.path + ":" + std::to_string(written.command->line) + ": warning: ";
        const std::string key = "\"" + pref.prefix + "\" \"" + pref.key + "\"";
        const std::optional<sim::PrefReadMark> read = sim::ThePreferences().LastRead(pref.prefix, pref.key);
        if (!read || read->sequence <= written.readsBefore) {
            // A key it never read is misspelt: name the one it reads that is spelt nearest.
            const std::string nearest = read ? std::string() : NearestKeyRead(pref.prefix, pref.key);
            warnings.push_back(where + "the plug-in did not read " + key + " after this line wrote it" +
                               (nearest.empty() ? "" : " (the nearest key it reads: " + nearest + ")"));
            continue;
        }
        const sim::PrefType writtenType = PrefValueOf(pref).type;
        if (read->type != writtenType)
            warnings.push_back(where + "the plug-in reads " + key + " as " + sim::PrefTypeName(read->type) +
                               ", not " + sim::PrefTypeName(writtenType));
    }
    return warnings;
}

void Player::PlayDump(const Command& command, const DumpCommand& dump) {
    if (!dump.toFile) {
        log_.Append(TreeDump());
        return;
    }
    const std::string base = JoinPath(outputDirectory_, scenario_.name + "." + std::to_string(++dumpFiles_));
    try {
        WriteTextFile(base + ".tree.txt", TreeDump());
        WriteTextFile(base + ".svg", SvgDocument());
    } catch (const std::runtime_error& error) {
        Fail(command, error.what());
    }
    log_.Append("tree written to " + base + ".tree.txt");
    log_.Append("picture written to " + base + ".svg");
}

void Player::PlayMenu(const Command& command, const MenuCommand& menu) {
    sim::MenuRegistry& menus = sim::TheMenus();
    std::vector<AIMenuItemHandle> shown;
    for (const sim::MenuItemRecord& item : menus.Items()) {
        if (item.options & kMenuItemWantsUpdateOption)
            shown.push_back(item.handle);
    }
    for (AIMenuItemHandle item : shown)
        menus.Update(item);
    const sim::MenuItemRecord* item = menus.FindByText(menu.text);
    if (!item) {
        Fail(command, "no menu item \"" + menu.text + "\" (the items: " +
                          QuotedList(menus.Items(), &sim::MenuItemRecord::text) + ")");
    }
    if (!item->enabled)
        Fail(command, "the menu item \"" + menu.text + "\" is disabled");
    menus.Choose(item->handle);
}

void Player::LogResult(ASErr result) {
    if (result != kNoErr)
        log_.Append("answered " + std::to_string(result));
}

void Player::PlayTool(const Command& command, const ToolCommand& tool) {
    const sim::ToolRecord* found = nullptr;
    for (const sim::ToolRecord& record : sim::TheTools().Records()) {
        if (record.title == tool.title) {
            found = &record;
            break;
        }
    }
    if (!found) {
        // A title is matched exactly, case included: name the ones there are.
        Fail(command, "no tool \"" + tool.title + "\" (the tools: " +
                          QuotedList(sim::TheTools().Records(), &sim::ToolRecord::title) + ")");
    }
    if (buttonDown_)
        Fail(command, "the mouse button is still down");
    LogResult(sim::TheTools().Select(found->handle));
    // The second click of a double-click: the host asks a plug-in tool for its options.
    if (tool.doubleClick && sim::ThePlugin().IsSelf(found->plugin))
        LogResult(sim::ThePlugin().SendTool(kSelectorAIEditToolOptions, found->handle, AIRealPoint{0, 0}));
}

void Player::PlayMouse(const Command& command, const MouseCommand& mouse) {
    const sim::ToolRecord* tool = sim::TheTools().SelectedRecord();
    if (!tool || !sim::ThePlugin().IsSelf(tool->plugin))
        Fail(command,
             "the selected tool \"" + (tool ? tool->title : std::string()) + "\" is not the plug-in's");
    const bool pressing = mouse.kind == MouseCommand::Kind::Drag || mouse.kind == MouseCommand::Kind::Up;
    if (pressing && !buttonDown_)
        Fail(command, "the mouse button is not down");
    if (!pressing && buttonDown_)
        Fail(command, "the mouse button is still down");
    if (mouse.kind == MouseCommand::Kind::Down || mouse.kind == MouseCommand::Kind::Up)
        buttonDown_ = mouse.kind == MouseCommand::Kind::Down;
    const AIToolHandle handle = tool->handle;
    const HeldKeys held(mouse.keys);
    for (const AIRealPoint& point : mouse.points) {
        for (const char* selector : MouseSelectors(mouse.kind))
            LogResult(sim::ThePlugin().SendTool(selector, handle, point));
    }
}

void Player::PlayKeys(const KeyCommand& keys) {
    for (const Key key : keys.keys)
        sim::ThePlatform().SetKeyDown(VirtualKey(key), keys.down);
}

void Player::PlayDraw() {
    LogResult(sim::TheAnnotators().Draw());
    log_.Append(DrawingText(sim::TheAnnotators().LastDrawing()));
}

void Player::CheckDialogsPlayedAtEnd() {
    for (const auto& queued : queuedDialogs_) {
        if (!queued->played)
            throw PlayError(scenario_.path + ":" + std::to_string(queued->line) +
                            ": the script ends and no modal dialog opened for the actions of the dialog \"" +
                            queued->label + "\"");
    }
    queuedDialogs_.clear();
}

} // namespace driver

namespace driver {

void Player::LogNotifications() {
    const std::vector<sim::NotificationRecord>& records = sim::TheDialogs().Notifications();
    std::string lines;
    for (; notificationsLogged_ < records.size(); ++notificationsLogged_) {
        const sim::NotificationRecord& record = records[notificationsLogged_];
        lines += "notified " + record.dialog + " " + std::to_string(record.itemID) + " " + record.type + "\n";
    }
    if (!lines.empty())
        log_.Append(lines);
}

void Player::LogUnanswered(ADMDialogRef dialog) {
    LogNotifications();
    const sim::DialogData* data = sim::TheDialogs().Dialog(dialog);
    const std::string title = data == nullptr ? std::string("?") : data->title.empty() ? data->name : data->title;
    log_.Append("dialog \"" + OneLine(title) + "\" cancelled: the script gave it no dialog block");
}

void Player::PlayItem(const Command& command, ADMDialogRef dialog, const ItemCommand& action,
                      const std::string& label) {
    sim::DialogManager& dialogs = sim::TheDialogs();
    const ADMItemRef item = dialogs.FindItem(dialog, action.item);
    if (item == nullptr)
        Fail(command, "no item " + std::to_string(action.item) + " in " + DialogCalled(dialog, label) +
                          ", whose items are " + ItemIds(dialog));
    if (action.kind == ItemCommand::Kind::Choose && !HasEntry(*dialogs.Item(item), action.entry)) {
        const std::string entries = EntriesText(*dialogs.Item(item));
        Fail(command, "no entry " + std::to_string(action.entry) + " in item " + std::to_string(action.item) + " of " +
                          DialogCalled(dialog, label) + " (" + (entries.empty() ? "it has no entries" : entries) + ")");
    }
    if (std::string why = WrongKind(*dialogs.Item(item), action.kind, label); !why.empty()) {
        Refused(action.item, why);
        return;
    }
    LogNotifications();
    const HeldKeys held(action.keys);
    const int32_t modifiers = TrackerModifiers(action.keys);
    std::vector<ADMPoint> points;
    for (const ItemPoint& point : action.points)
        points.push_back({point.h, point.v});
    ASErr result = kNoErr;
    switch (action.kind) {
    case ItemCommand::Kind::Click:
        result = dialogs.Click(item, modifiers);
        break;
    case ItemCommand::Kind::Choose:
        result = dialogs.Choose(item, action.entry);
        break;
    case ItemCommand::Kind::Type:
        result = dialogs.Type(item, action.text);
        break;
    case ItemCommand::Kind::Commit:
        result = dialogs.Commit(item);
        break;
    case ItemCommand::Kind::Enter:
        result = dialogs.Enter(item, action.text);
        break;
    case ItemCommand::Kind::Track:
        result = dialogs.Track(item, action.action, points.front(), modifiers);
        break;
    case ItemCommand::Kind::Drag:
        result = dialogs.Drag(item, points, modifiers);
        break;
    }
    LogNotifications();
    if (result == kNoErr)
        return;
    const sim::ItemData* data = dialogs.Item(item);
    std::string why = "the dialog manager refused the action";
    const sim::DialogData* shown = dialogs.Dialog(dialog);
    if (shown != nullptr && !shown->visible)
        why = label.empty() ? "the panel is hidden" : "the dialog is hidden";
    else if (data != nullptr && !data->visible)
        why = "the item is hidden";
    else if (data != nullptr && !data->enabled)
        why = "the item is disabled";
    else if (action.kind == ItemCommand::Kind::Choose)
        why = "no enabled entry " + std::to_string(action.entry);
    else if (action.kind == ItemCommand::Kind::Commit || action.kind == ItemCommand::Kind::Enter)
        why = "the text does not read as a number; the field keeps " +
              (data != nullptr ? "\"" + data->text + "\"" : std::string("its value"));
    Refused(action.item, why);
}

void Player::Refused(int32_t itemID, const std::string& why) {
    lastRefusal_ = "refused: item " + std::to_string(itemID) + ": " + why;
    log_.Append(lastRefusal_);
}

void Player::PlayPanel(const Command& command, const PanelCommand& panel) {
    const ADMDialogRef dialog = sim::TheDialogs().FindDialog(kPanelDialogName);
    if (dialog == nullptr)
        Fail(command, "the panel does not exist");
    PlayItem(command, dialog, panel.item, std::string());
}

void Player::PlayPicture(const Command& command, const PictureCommand& picture, ADMDialogRef dialog,
                         const std::string& dialogName) {
    if (dialog == nullptr)
        Fail(command, "the panel does not exist");
    std::string stem = scenario_.name + "." + dialogName;
    if (!picture.label.empty())
        stem += "." + picture.label;
    const int count = ++pictures_[stem];
    std::string name = stem;
    if (count > 1)
        name.append(".").append(std::to_string(count));
    const std::string file = JoinPath(outputDirectory_, name + ".svg");
    const std::string svg = DialogSvg(dialog);
    LogNotifications();
    try {
        WriteTextFile(file, svg);
    } catch (const std::runtime_error& error) {
        Fail(command, error.what());
    }
    log_.Append("picture written to " + file);
}

void Player::PlayDialog(const Command& command, const DialogCommand& dialog) {
    auto queued = std::make_shared<QueuedDialog>();
    queued->label = dialog.label;
    queued->line = command.line;
    queuedDialogs_.push_back(queued);
    const DialogCommand* actions = &dialog;
    sim::TheDialogs().QueueModalResponder([this, queued, actions](ADMDialogRef running) {
        queued->played = true;
        PlayDialogSteps(running, *actions);
    });
}

void Player::PlayDialogSteps(ADMDialogRef dialog, const DialogCommand& actions) {
    LogNotifications();
    log_.Append("dialog \"" + actions.label + "\" opened: " + DialogName(dialog));
    for (const Command& step : actions.steps) {
        if (!dialogFailure_.empty())
            return;
        try {
            PlayDialogStep(dialog, actions, step);
        } catch (const PlayError& error) {
            dialogFailure_ = error.what();
        }
    }
}

void Player::PlayDialogStep(ADMDialogRef dialog, const DialogCommand& actions, const Command& step) {
    log_.Append("dialog \"" + actions.label + "\" " + std::to_string(step.line) + ": " + step.text);
    if (const auto* item = std::get_if<ItemCommand>(&step.action)) {
        PlayItem(step, dialog, *item, actions.label);
    } else if (const auto* picture = std::get_if<PictureCommand>(&step.action)) {
        PlayPicture(step, *picture, dialog, actions.label);
    } else if (const auto* nested = std::get_if<DialogCommand>(&step.action)) {
        PlayDialog(step, *nested);
    } else if (const auto* end = std::get_if<EndDialogCommand>(&step.action)) {
        const sim::DialogData* data = sim::TheDialogs().Dialog(dialog);
        if (data == nullptr)
            Fail(step, "the dialog \"" + actions.label + "\" has already closed");
        ItemCommand click;
        click.item = end->ok ? data->defaultItemID : data->cancelItemID;
        PlayItem(step, dialog, click, actions.label);
    }
}

void Player::CheckDialogsPlayed(const Command& command) {
    // What the dialog manager refused in this command is why a dialog did not open, when none did; a command
    // that was not refused stands between the block and the command that opens its dialog.
    const std::string why = lastRefusal_.empty()
                                ? ": this line opens no dialog; the block goes right before the line that opens it"
                                : " (" + lastRefusal_ + ")";
    lastRefusal_.clear();
    for (const auto& queued : queuedDialogs_) {
        if (!queued->played)
            Fail(command, "no modal dialog opened for the actions of the dialog \"" + queued->label +
                              "\" written at line " + std::to_string(queued->line) + why);
    }
    queuedDialogs_.clear();
    if (!dialogFailure_.empty()) {
        const std::string failure = dialogFailure_;
        dialogFailure_.clear();
        throw PlayError(failure);
    }
}

} // namespace driver
