// The panel and every modal dialog played with hostile values: the bytes pick tools, type into the panel's and
// the dialogs' fields (empty texts, letters, "1e400", "nan", "inf", huge and negative numbers, long and
// non-ASCII texts), click and choose, press OK or Annuler, reload the panel and drag dimensions out on a small
// drawing near the origin. Whatever the user does, no art may hold a number that is not finite, and every
// numeric key stored, and every numeric setting in force, must lie within its setting's range.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "ToolInvariants.h"
#include "frame/DialogOpeners.h"
#include "frame/FrameEntry.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "frame/SettingsTable.h"
#include "host/Messages.h"
#include "panel/CustomScaleDialog.h"
#include "records/Records.h"
#include "records/ToolState.h"
#include "resources/Resources.h"
#include "simhost/DialogManager.h"
#include "simhost/Document.h"
#include "simhost/PluginConnection.h"
#include "simhost/PreferenceStore.h"
#include "simhost/SimHost.h"
#include "simhost/Tools.h"

namespace {

using fuzz::FuzzInput;

constexpr uint32_t kMostActions = 24;
constexpr uint32_t kMostDialogSteps = 12;
// Dialog results: OK, Annuler.
constexpr int32_t kOkItem = 1;
constexpr int32_t kCancelItem = 2;

// The texts a hostile user types.
const char* const kHostileTexts[] = {
    "",      "abc",   "1e400", "nan",  "inf",         "-inf",  "3e9",   "-3e9",      "1e30",    "-1e30",
    "0",     "-1",    "1",     "2",    "2147483648",  "0,0001", "1e-40", "12 mm",    "-0",      "7.5",
    "1e38",  "360",   "-720",  "100",  "4294967296",  "Ø€ñ",   "  42 ", "0x10",     "1,5e3",   "99999999",
};

std::string HostileText(FuzzInput& in) {
    switch (in.Below(8)) {
    case 0: return std::string(256 + in.Below(768), 'x');  // a long text
    case 1: {                                               // any bytes
        std::string text;
        for (uint32_t n = in.Below(12); n > 0; --n) text += static_cast<char>(1 + in.Below(255));
        return text;
    }
    default: return kHostileTexts[in.Below(std::size(kHostileTexts))];
    }
}

const bool kTrace = std::getenv("TAVORINE_FUZZ_TRACE") != nullptr;

void Trace(const std::string& what) {
    if (kTrace) std::fprintf(stderr, "%s\n", what.c_str());
}

sim::DialogManager& Dialogs() { return sim::TheDialogs(); }

ADMDialogRef Panel() { return Dialogs().FindDialog("Tavorine"); }

// The items of a dialog a user can act on now: visible and enabled; edits only when `edits`.
std::vector<uintptr_t> UsableItems(ADMDialogRef dialog, bool edits) {
    std::vector<uintptr_t> usable;
    const sim::DialogData* data = Dialogs().Dialog(dialog);
    if (data == nullptr) return usable;
    for (uintptr_t handle : data->items) {
        const sim::ItemData* item = Dialogs().ItemByHandle(handle);
        if (item == nullptr || !item->visible || !item->enabled) continue;
        const bool edit = item->type.find("Edit") != std::string::npos;
        if (edit == edits) usable.push_back(handle);
    }
    return usable;
}

// One hand's act on a dialog: a text typed into a field, a click, or an entry chosen.
void ActOn(FuzzInput& in, ADMDialogRef dialog, bool allowClicks) {
    const bool typing = !allowClicks || in.Below(3) != 0;
    const std::vector<uintptr_t> items = UsableItems(dialog, typing);
    if (items.empty()) return;
    const uintptr_t handle = items[in.Below(static_cast<uint32_t>(items.size()))];
    const auto ref = reinterpret_cast<ADMItemRef>(handle);
    const sim::ItemData* item = Dialogs().ItemByHandle(handle);
    const int32_t id = item != nullptr ? item->id : 0;
    if (typing) {
        const std::string text = HostileText(in);
        Trace("type " + std::to_string(id) + " \"" + text.substr(0, 40) + "\"");
        Dialogs().Enter(ref, text);
        return;
    }
    if (item != nullptr && item->list != 0 && in.Flag()) {
        const int32_t entry = static_cast<int32_t>(in.Below(32));
        Trace("choose " + std::to_string(id) + " " + std::to_string(entry));
        Dialogs().Choose(ref, entry);
        return;
    }
    if (id == kOkItem || id == kCancelItem) return;  // the run's end decides
    Trace("click " + std::to_string(id));
    Dialogs().Click(ref, in.Flag() ? kADMControlKeyModifier : 0);
}

// Queues the hand that plays the next modal dialog: a few acts, then OK or Annuler.
void QueueHand(FuzzInput& in) {
    Dialogs().QueueModalResponder([&in](ADMDialogRef dialog) {
        for (uint32_t n = in.Below(kMostDialogSteps); n > 0; --n) ActOn(in, dialog, true);
        const int32_t end = in.Below(4) == 0 ? kCancelItem : kOkItem;
        Trace(end == kOkItem ? "OK" : "Annuler");
        Dialogs().Click(Dialogs().FindItem(dialog, end));
    });
}

void Send(const char* selector, AIRealPoint p) {
    sim::ThePlugin().SendTool(kSelectorAITrackToolCursor, sim::TheTools().Selected(), p);
    sim::ThePlugin().SendTool(selector, sim::TheTools().Selected(), p);
}

void SelectTool(int32_t tool) {
    Trace("tool " + std::to_string(tool));
    sim::TheTools().Select(gToolState.ToolHandles[tool - 1]);
}

// A small drawing near the origin: a segment, an angle's sides and a quarter circle.
void DrawDocument() {
    sim::Document& document = sim::TheDocument();
    document.DrawPolyline({{0, 0}, {200, 0}}, false);
    document.DrawPolyline({{300, 0}, {200, 0}, {300, 100}}, false);
    const float k = 0.5522847f * 50.0f;
    document.DrawPath({sim::CurveSegment({50, 100}, {50, 100}, {50, 100 + k}),
                       sim::CurveSegment({0, 150}, {k, 150}, {0, 150})},
                      false);
}

// The points of the drawing a press or drag starts from or reaches.
constexpr AIRealPoint kPoints[] = {{100, 0},  {100, 40}, {200, 0}, {240, 30}, {35.355f, 135.355f},
                                   {80, 180}, {0, 0},    {60, -50}, {400, 400}, {300, 100}};

void DragOut(FuzzInput& in) {
    const AIRealPoint from = kPoints[in.Below(std::size(kPoints))];
    const AIRealPoint to = kPoints[in.Below(std::size(kPoints))];
    Trace("drag");
    QueueHand(in);  // an unmoved press on empty canvas opens a creation dialog
    Send(kSelectorAIToolMouseDown, from);
    Send(kSelectorAIToolMouseDrag, to);
    Send(kSelectorAIToolMouseUp, to);
}

void OpenDialog(FuzzInput& in) {
    static constexpr ModalDialog kDialogs[] = {ModalDialog::Preferences, ModalDialog::Colours,
                                               ModalDialog::OtherOptions, ModalDialog::FreeTexts,
                                               ModalDialog::ArrowEditor};
    const uint32_t which = in.Below(std::size(kDialogs) + 1);
    QueueHand(in);
    if (which == std::size(kDialogs)) {
        Trace("custom scale");
        OpenCustomScaleDialog();
        return;
    }
    Trace("dialog " + std::to_string(which));
    OpenModalDialog(kDialogs[which]);
}

void PlayAction(FuzzInput& in) {
    switch (in.Below(8)) {
    case 0: SelectTool(1 + static_cast<int32_t>(in.Below(kToolCount))); break;
    case 1:
    case 2: ActOn(in, Panel(), false); break;
    case 3: ActOn(in, Panel(), true); break;
    case 4: OpenDialog(in); break;
    case 5: DragOut(in); break;
    case 6:
        Trace("reload");
        Dialogs().Click(Dialogs().FindItem(Panel(), 5));
        break;
    default: {
        const AIRealPoint p = kPoints[in.Below(std::size(kPoints))];
        Trace("click");
        QueueHand(in);
        Send(kSelectorAIToolMouseDown, p);
        Send(kSelectorAIToolMouseUp, p);
        break;
    }
    }
}

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "%s\n", why.c_str());
    if (kTrace) std::fprintf(stderr, "%s\n", sim::TheDocument().DescribeTree().c_str());
    __builtin_trap();
}

void CheckArt() {
    for (AIArtHandle art : sim::TheDocument().AllArt())
        if (!fuzz::HoldsOnlyFiniteNumbers(*sim::TheDocument().Art(art))) Fail("art with a number that is not finite");
}

// Every numeric setting in force and every numeric key stored lies within its setting's range.
void CheckSettings() {
    for (const SettingEntry& entry : SettingsTable()) {
        const auto stored = sim::ThePreferences().Get(kTavorinePreferencePrefix, entry.Key);
        if (entry.Type == SettingType::Real) {
            const double value = *static_cast<const double*>(entry.Address);
            if (HeldToSetting(entry.Key, value) != value) Fail(std::string("setting out of range: ") + entry.Key);
            if (stored && stored->type == sim::PrefType::Real &&
                HeldToSetting(entry.Key, stored->realValue) != stored->realValue)
                Fail(std::string("stored out of range: ") + entry.Key);
        } else if (entry.Type == SettingType::Integer && !entry.NotRead) {
            const int32_t value = *static_cast<const int32_t*>(entry.Address);
            if (HeldToSetting(entry.Key, value) != value) Fail(std::string("setting out of range: ") + entry.Key);
            if (stored && stored->type == sim::PrefType::Int &&
                HeldToSetting(entry.Key, stored->intValue) != stored->intValue)
                Fail(std::string("stored out of range: ") + entry.Key);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    ResetRecords();
    sim::ResetHost();
    sim::ThePlugin().Load(PluginMain, PluginResources);
    if (sim::ThePlugin().Startup() != kNoErr) __builtin_trap();
    sim::ThePlugin().SendNotifier(kAIApplicationStartedNotifier);
    DrawDocument();
    SelectTool(1 + static_cast<int32_t>(in.Below(kToolCount)));
    for (uint32_t i = 0; i < kMostActions && !in.Empty(); ++i) {
        PlayAction(in);
        CheckArt();
    }
    CheckSettings();
    sim::ThePlugin().SendNotifier(kAIApplicationShutdownNotifier);
    sim::ThePlugin().Shutdown();
    ResetRecords();
    ClearSettings();
    return 0;
}
