#include "dialogs/options/DialogSupport.h"

#include <algorithm>
#include <cmath>

#include "frame/DialogOpeners.h"
#include "frame/PluginReference.h"
#include "frame/SettingRanges.h"
#include "frame/SuiteTable.h"
#include "host/ADMBasicSuite.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMIconSuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "host/ADMNotifierSuite.h"
#include "host/ADMTrackerSuite.h"

namespace {

// Screen coordinates beyond this are no use to a dialog; holding to it keeps every conversion defined.
constexpr double kPixelLimit = 1.0e6;
// The free height of the screen above a dialog's first position, as a divisor.
constexpr int32_t kFirstPositionThird = 3;

bool HaveDialogs() { return sADMDialog != nullptr && sADMItem != nullptr; }

// The plug-in whose resources the item's dialog draws from.
SPPluginRef ItemPlugin(ADMItemRef item) {
    SPPluginRef plugin = nullptr;
    if (!HaveDialogs() || sADMDialog->GetPluginRef(ItemDialog(item), &plugin) != kNoErr) return OwnPluginRef();
    return plugin;
}

template <typename Change>
void WithItem(ADMDialogRef dialog, int32_t itemID, Change change) {
    if (ADMItemRef item = DialogItem(dialog, itemID)) change(item);
}

}  // namespace

ADMItemRef MakeItem(ADMDialogRef dialog, const DialogItemSpec& desc) {
    if (!HaveDialogs() || dialog == nullptr) return nullptr;
    ADMItemRef item = nullptr;
    if (sADMItem->Create(dialog, desc.Id, desc.Type, &desc.Bounds, nullptr, nullptr, 0, &item) != kNoErr) return nullptr;
    if (desc.Font != kDefaultItemFont) sADMItem->SetFont(item, desc.Font);
    if (desc.Text != nullptr) sADMItem->SetText(item, desc.Text);
    if (desc.Tip != nullptr) sADMItem->SetTipString(item, desc.Tip);
    if (desc.Notify != nullptr) sADMItem->SetNotifyProc(item, desc.Notify);
    if (desc.Draw != nullptr) sADMItem->SetDrawProc(item, desc.Draw);
    if (desc.Track != nullptr) {
        sADMItem->SetTrackProc(item, desc.Track);
        sADMItem->SetMask(item, desc.Mask);
    }
    return item;
}

ADMItemRef DialogItem(ADMDialogRef dialog, int32_t itemID) {
    ADMItemRef item = nullptr;
    if (!HaveDialogs() || dialog == nullptr || sADMDialog->GetItem(dialog, itemID, &item) != kNoErr) return nullptr;
    return item;
}

ADMDialogRef ItemDialog(ADMItemRef item) {
    ADMDialogRef dialog = nullptr;
    if (!HaveDialogs() || item == nullptr || sADMItem->GetDialog(item, &dialog) != kNoErr) return nullptr;
    return dialog;
}

int32_t ItemID(ADMItemRef item) {
    int32_t id = 0;
    if (!HaveDialogs() || item == nullptr || sADMItem->GetID(item, &id) != kNoErr) return 0;
    return id;
}

ADMItemRef SiblingItem(ADMItemRef item, int32_t itemID) { return DialogItem(ItemDialog(item), itemID); }

bool IsNotifierType(ADMNotifierRef notifier, const char* type) {
    ADMBoolean matches = 0;
    return sADMNotifier != nullptr && notifier != nullptr &&
           sADMNotifier->IsNotifierType(notifier, type, &matches) == kNoErr && matches != 0;
}

void SetItemFloat(ADMDialogRef dialog, int32_t itemID, double value) {
    const float shown = std::isfinite(value) ? static_cast<float>(value) : 0.0f;
    WithItem(dialog, itemID, [shown](ADMItemRef item) { sADMItem->SetFloatValue(item, shown); });
}

void SetItemInt(ADMDialogRef dialog, int32_t itemID, int32_t value) {
    WithItem(dialog, itemID, [value](ADMItemRef item) { sADMItem->SetIntValue(item, value); });
}

void SetItemBoolean(ADMDialogRef dialog, int32_t itemID, bool on) {
    WithItem(dialog, itemID, [on](ADMItemRef item) { sADMItem->SetBooleanValue(item, on ? 1 : 0); });
}

void SetItemText(ADMDialogRef dialog, int32_t itemID, const char* text) {
    WithItem(dialog, itemID, [text](ADMItemRef item) { sADMItem->SetText(item, text != nullptr ? text : ""); });
}

void SetItemTip(ADMDialogRef dialog, int32_t itemID, const char* tip) {
    WithItem(dialog, itemID, [tip](ADMItemRef item) { sADMItem->SetTipString(item, tip); });
}

void EnableItem(ADMDialogRef dialog, int32_t itemID, bool enable) {
    WithItem(dialog, itemID, [enable](ADMItemRef item) { sADMItem->Enable(item, enable ? 1 : 0); });
}

void ShowItem(ADMDialogRef dialog, int32_t itemID, bool show) {
    WithItem(dialog, itemID, [show](ADMItemRef item) { sADMItem->Show(item, show ? 1 : 0); });
}

void ActivateItem(ADMDialogRef dialog, int32_t itemID) {
    WithItem(dialog, itemID, [](ADMItemRef item) { sADMItem->Activate(item, 1); });
}

void InvalidateItem(ADMDialogRef dialog, int32_t itemID) {
    WithItem(dialog, itemID, [](ADMItemRef item) { sADMItem->Invalidate(item); });
}

void InvalidateDialog(ADMDialogRef dialog) {
    if (HaveDialogs() && dialog != nullptr) sADMDialog->Invalidate(dialog);
}

int32_t ChosenEntryID(ADMItemRef item) {
    ADMListRef list = nullptr;
    ADMEntryRef entry = nullptr;
    int32_t id = -1;
    if (!HaveDialogs() || item == nullptr || sADMList == nullptr || sADMEntry == nullptr ||
        sADMItem->GetList(item, &list) != kNoErr || sADMList->GetActiveEntry(list, &entry) != kNoErr ||
        entry == nullptr || sADMEntry->GetID(entry, &id) != kNoErr) {
        return -1;
    }
    return id;
}

ADMRect DialogBounds(ADMDialogRef dialog) {
    ADMRect bounds{};
    if (!HaveDialogs() || dialog == nullptr || sADMDialog->GetBoundsRect(dialog, &bounds) != kNoErr) return ADMRect{};
    return bounds;
}

void PlaceDialog(ADMDialogRef dialog, const ADMRect& bounds) {
    if (HaveDialogs() && dialog != nullptr) sADMDialog->SetBoundsRect(dialog, &bounds);
}

void SizeRememberedBounds(ADMRect& remembered, int32_t width, int32_t height) {
    const bool neverSet =
        remembered.left == 0 && remembered.top == 0 && remembered.right == 0 && remembered.bottom == 0;
    AIRect screen;
    if (neverSet && sADMBasic != nullptr && sADMBasic->GetScreenDimensions(&screen) == kNoErr) {
        remembered.left = (screen.right - screen.left - width) / 2;
        remembered.top = (screen.bottom - screen.top - height) / kFirstPositionThird;
    }
    remembered.right = remembered.left + width;
    remembered.bottom = remembered.top + height;
}

ADMPoint TrackedPoint(ADMTrackerRef tracker) {
    ADMPoint point{0, 0};
    if (sADMTracker == nullptr || tracker == nullptr || sADMTracker->GetPoint(tracker, &point) != kNoErr) {
        return ADMPoint{0, 0};
    }
    return point;
}

bool MouseCaptured(ADMTrackerRef tracker) {
    int32_t state = kADMMouseNotCaptured;
    return sADMTracker != nullptr && tracker != nullptr && sADMTracker->GetMouseState(tracker, &state) == kNoErr &&
           state == kADMMouseCaptured;
}

bool ControlHeld(ADMTrackerRef tracker) {
    int32_t modifiers = 0;
    return sADMTracker != nullptr && tracker != nullptr && sADMTracker->GetModifiers(tracker, &modifiers) == kNoErr &&
           (modifiers & kADMControlKeyModifier) != 0;
}

ADMBoolean DefaultTracking(ADMItemRef item, ADMTrackerRef tracker) {
    ADMBoolean notify = 0;
    if (!HaveDialogs() || sADMItem->DefaultTrack(item, tracker, &notify) != kNoErr) return 0;
    return notify;
}

void ShowCursor(ADMItemRef item, int32_t cursorID) {
    if (sADMBasic != nullptr) sADMBasic->SetPlatformCursor(ItemPlugin(item), cursorID);
}

int64_t DragProduct(int32_t previous, int32_t current) {
    return (static_cast<int64_t>(previous) - current) * current;
}

int32_t WholePixels(double value) {
    const auto limit = static_cast<int32_t>(kPixelLimit);
    return std::clamp(CheckedInt32(value, 0), -limit, limit);
}

void DrawLine(ADMDrawerRef drawer, int32_t h1, int32_t v1, int32_t h2, int32_t v2) {
    const ADMPoint start{h1, v1};
    const ADMPoint end{h2, v2};
    sADMDrawer->DrawLine(drawer, &start, &end);
}

void FillRect(ADMDrawerRef drawer, const ADMRect& rect) { sADMDrawer->FillRect(drawer, &rect); }

void ClearRect(ADMDrawerRef drawer, const ADMRect& rect) { sADMDrawer->ClearRect(drawer, &rect); }

void DrawTextAt(ADMDrawerRef drawer, const char* text, int32_t h, int32_t v) {
    const ADMPoint point{h, v};
    sADMDrawer->DrawText(drawer, text, &point);
}

void SetPen(ADMDrawerRef drawer, const ADMRGBColor& colour) { sADMDrawer->SetRGBColor(drawer, &colour); }

void SetPen(ADMDrawerRef drawer, ADMColor colour) { sADMDrawer->SetADMColor(drawer, colour); }

void SetDrawFont(ADMDrawerRef drawer, int32_t font) { sADMDrawer->SetFont(drawer, font); }

void DrawIconResource(ADMDrawerRef drawer, ADMItemRef item, int32_t iconID, int32_t h, int32_t v) {
    ADMIconRef icon = nullptr;
    if (sADMIcon == nullptr || sADMIcon->GetFromResource(ItemPlugin(item), iconID, 0, &icon) != kNoErr) return;
    const ADMPoint point{h, v};
    sADMDrawer->DrawIcon(drawer, icon, &point);
    sADMIcon->Destroy(icon);
}

uint16_t ScreenChannel(double value) {
    if (!(value > 0.0)) return 0;
    return value >= 65535.0 ? 65535 : static_cast<uint16_t>(value);
}
