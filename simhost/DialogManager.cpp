// The dialog manager's model: handles never reused, notifications, modal runs and teardown.
#include "simhost/DialogManager.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "simhost/ADMUnits.h"
#include "simhost/SimHost.h"

namespace sim {

namespace {

// Whether an action mask lets `action` reach the track procedure: its own bit, or the host's wide bit of
// the moves with the button up and of the button-ups.
bool MaskLetsThrough(int32_t mask, int32_t action) {
    if ((mask & (1 << action)) != 0) return true;
    if (action == kADMMouseMovedUpAction) return (mask & kADMWideMouseMovedUpMask) != 0;
    if (action == kADMButtonUpAction) return (mask & kADMWideButtonUpMask) != 0;
    return false;
}

// Handles count up across resets so that a ref from an earlier host stays stale.
uintptr_t NextHandle() {
    static uintptr_t next = 0x1000;
    next += 0x10;
    return next;
}

template <typename T>
T* Lookup(std::map<uintptr_t, std::unique_ptr<T>>& table, uintptr_t handle) {
    auto found = table.find(handle);
    return found == table.end() ? nullptr : found->second.get();
}

bool HasList(const std::string& type) {
    return type == kADMPopupListType || type == kADMPopupMenuType || type == kADMSpinEditPopupType ||
           type == kADMTextEditPopupType || type == kADMTextEditScrollingPopupType || type == kADMListBoxType;
}

bool IsNumericType(const std::string& type) {
    return type == kADMSpinEditType || type == kADMSpinEditPopupType || type == kADMSliderType;
}

bool IsSpinEditType(const std::string& type) {
    return type == kADMSpinEditType || type == kADMSpinEditPopupType;
}

bool IsEditType(const std::string& type) {
    return type.find("Edit") != std::string::npos;
}

bool IsToggleType(const std::string& type) {
    return type == kADMTextCheckBoxType || type == kADMPictureCheckBoxType;
}

bool IsRadioType(const std::string& type) {
    return type == kADMTextRadioButtonType || type == kADMPictureRadioButtonType;
}

// The length of the UTF-8 character that starts with `lead`.
size_t CharacterLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

bool HasCaption(const std::string& type) {
    return IsToggleType(type) || IsRadioType(type) || type == kADMTextPushButtonType ||
           type == kADMPicturePushButtonType;
}

DialogManager& TheDialogs() {
    static DialogManager manager;
    return manager;
}

void DialogManager::Reset() {
    *this = DialogManager();
}

template <typename T>
T& DialogManager::Add(std::map<uintptr_t, std::unique_ptr<T>>& table) {
    const uintptr_t handle = NextHandle();
    auto& slot = table[handle];
    slot = std::make_unique<T>();
    slot->handle = handle;
    return *slot;
}

DialogData* DialogManager::Dialog(ADMDialogRef ref) { return Lookup(dialogs_, ToHandle(ref)); }
ItemData* DialogManager::Item(ADMItemRef ref) { return Lookup(items_, ToHandle(ref)); }
ListData* DialogManager::List(ADMListRef ref) { return Lookup(lists_, ToHandle(ref)); }
EntryData* DialogManager::Entry(ADMEntryRef ref) { return Lookup(entries_, ToHandle(ref)); }
NotifierData* DialogManager::Notifier(ADMNotifierRef ref) { return Lookup(notifiers_, ToHandle(ref)); }
TrackerData* DialogManager::Tracker(ADMTrackerRef ref) { return Lookup(trackers_, ToHandle(ref)); }
DrawerData* DialogManager::Drawer(ADMDrawerRef ref) { return Lookup(drawers_, ToHandle(ref)); }
IconData* DialogManager::Icon(ADMIconRef ref) { return Lookup(icons_, ToHandle(ref)); }
ItemData* DialogManager::ItemByHandle(uintptr_t handle) { return Lookup(items_, handle); }
DialogData* DialogManager::DialogByHandle(uintptr_t handle) { return Lookup(dialogs_, handle); }
ListData* DialogManager::ListByHandle(uintptr_t handle) { return Lookup(lists_, handle); }
EntryData* DialogManager::EntryByHandle(uintptr_t handle) { return Lookup(entries_, handle); }

DialogData& DialogManager::NewDialog() {
    return Add(dialogs_);
}

ItemData& DialogManager::NewItem(DialogData& dialog, int32_t itemID, const std::string& type, const ADMRect& bounds) {
    ItemData& item = Add(items_);
    item.dialog = dialog.handle;
    item.id = itemID;
    item.type = type;
    item.bounds = bounds;
    item.numeric = IsNumericType(type);
    if (IsSpinEditType(type))
        item.units = kADMPointUnits;
    if (HasList(type)) {
        ListData& list = Add(lists_);
        list.item = item.handle;
        item.list = list.handle;
    }
    dialog.items.push_back(item.handle);
    return item;
}

EntryData& DialogManager::NewEntry(ListData& list, size_t index) {
    EntryData& entry = Add(entries_);
    entry.list = list.handle;
    list.entries.insert(list.entries.begin() + static_cast<std::ptrdiff_t>(std::min(index, list.entries.size())),
                        entry.handle);
    return entry;
}

void DialogManager::RemoveEntry(ListData& list, size_t index) {
    entries_.erase(list.entries[index]);
    list.entries.erase(list.entries.begin() + static_cast<std::ptrdiff_t>(index));
}

IconData& DialogManager::NewIcon(int32_t resourceID) {
    IconData& icon = Add(icons_);
    icon.resourceID = resourceID;
    return icon;
}

void DialogManager::DestroyIcon(uintptr_t handle) { icons_.erase(handle); }

void DialogManager::DestroyItem(uintptr_t handle) {
    ItemData* item = ItemByHandle(handle);
    if (item == nullptr)
        return;
    if (item->destroyProc != nullptr)
        item->destroyProc(ToRef<ADMItemRef>(handle));
    if (ListData* list = ListByHandle(item->list)) {
        for (uintptr_t entry : list->entries)
            entries_.erase(entry);
        lists_.erase(list->handle);
    }
    if (DialogData* dialog = DialogByHandle(item->dialog))
        std::erase(dialog->items, handle);
    items_.erase(handle);
}

void DialogManager::DestroyDialog(uintptr_t handle) {
    DialogData* dialog = DialogByHandle(handle);
    if (dialog == nullptr)
        return;
    dialog->ending = true;
    if (dialog->busy == 0)
        Teardown(handle);
}

void DialogManager::Teardown(uintptr_t handle) {
    DialogData* dialog = DialogByHandle(handle);
    if (dialog == nullptr)
        return;
    if (dialog->destroyProc != nullptr)
        dialog->destroyProc(ToRef<ADMDialogRef>(handle));
    dialog = DialogByHandle(handle);
    if (dialog == nullptr)
        return;
    const std::vector<uintptr_t> items = dialog->items;
    for (uintptr_t item : items)
        DestroyItem(item);
    dialogs_.erase(handle);
}

void DialogManager::EndModal(DialogData& dialog, int32_t result) {
    dialog.result = result;
    dialog.ending = true;
}

// After a notifier of the dialog returns: a dialog that was asked to end goes away now.
void DialogManager::Finish(uintptr_t handle) {
    DialogData* dialog = DialogByHandle(handle);
    if (dialog == nullptr)
        return;
    --dialog->busy;
    if (dialog->busy == 0 && dialog->ending && !dialog->modal)
        Teardown(handle);
}

void DialogManager::Notify(uintptr_t handle, const std::string& type) {
    ItemData* item = ItemByHandle(handle);
    if (item == nullptr)
        return;
    DialogData* dialog = DialogByHandle(item->dialog);
    NotifierData& notifier = Add(notifiers_);
    notifier.item = handle;
    notifier.dialog = item->dialog;
    notifier.type = type;
    notifications_.push_back({dialog != nullptr ? dialog->name : std::string(), item->id, type});
    const uintptr_t dialogHandle = item->dialog;
    if (dialog != nullptr)
        ++dialog->busy;
    if (item->notifyProc != nullptr)
        item->notifyProc(ToRef<ADMItemRef>(handle), ToRef<ADMNotifierRef>(notifier.handle));
    else
        DefaultNotify(*item, notifier);
    notifiers_.erase(notifier.handle);
    Finish(dialogHandle);
}

void DialogManager::DefaultNotify(ItemData& item, const NotifierData& notifier) {
    DialogData* dialog = DialogByHandle(item.dialog);
    if (dialog == nullptr || !dialog->modal || notifier.type != kADMUserChangedNotifier)
        return;
    if (item.id == dialog->defaultItemID || item.id == dialog->cancelItemID)
        EndModal(*dialog, item.id);
}

bool DialogManager::DefaultTrack(ItemData& item, const TrackerData& tracker) {
    if (tracker.action != kADMButtonUpAction || !item.captured || tracker.aborted)
        return false;
    // A check box or radio button keeps its text (its label); only its state changes.
    if (IsToggleType(item.type))
        item.value = item.value != 0.0f ? 0.0f : 1.0f;
    else if (IsRadioType(item.type))
        item.value = 1.0f;
    return true;
}

std::string DialogManager::FormatValue(const ItemData& item) const {
    return UnitText(item.value, item.units, item.precision, item.showUnits);
}

void DialogManager::SetNumber(ItemData& item, float value) {
    item.value = value;
    if (!HasCaption(item.type))
        item.text = FormatValue(item);
}

void DialogManager::SelectEntry(ListData& list, EntryData* chosen) {
    for (uintptr_t handle : list.entries)
        if (EntryData* entry = EntryByHandle(handle))
            entry->selected = entry == chosen;
}

int32_t DialogManager::RunModal(DialogData& dialog, ADMDialogInitProc initProc) {
    const uintptr_t handle = dialog.handle;
    dialog.modal = true;
    TheLogs().modalRuns.push_back(dialog.name + " " + std::to_string(dialog.resourceID));
    modalStack_.push_back(handle);
    ++dialog.busy;
    const ASErr initResult = initProc != nullptr ? initProc(ToRef<ADMDialogRef>(handle)) : kNoErr;
    --dialog.busy;
    if (initResult == kNoErr && !dialog.ending) {
        if (!responders_.empty()) {
            Responder responder = std::move(responders_.front());
            responders_.pop_front();
            responder(ToRef<ADMDialogRef>(handle));
        } else if (unanswered_) {
            unanswered_(ToRef<ADMDialogRef>(handle));
        }
        DialogData* running = DialogByHandle(handle);
        if (running != nullptr && !running->ending) {
            if (ItemData* cancel = Item(FindItem(ToRef<ADMDialogRef>(handle), running->cancelItemID)))
                Click(ToRef<ADMItemRef>(cancel->handle));
        }
    }
    DialogData* ended = DialogByHandle(handle);
    int32_t result = -1;
    if (ended != nullptr) {
        result = ended->ending ? ended->result : ended->cancelItemID;
        if (initResult != kNoErr)
            result = -1;
    }
    std::erase(modalStack_, handle);
    Teardown(handle);
    return result;
}

ASErr DialogManager::UserItem(ADMItemRef ref, ItemData*& item) {
    if (ref == nullptr)
        return kBadParameterErr;
    item = Item(ref);
    if (item == nullptr)
        return kStaleHandleErr;
    DialogData* dialog = DialogByHandle(item->dialog);
    // A hand reaches only the items of a dialog on the screen.
    if (dialog == nullptr || dialog->ending || !dialog->visible || !item->visible || !item->enabled)
        return kBadParameterErr;
    return kNoErr;
}

ASErr DialogManager::TurnTo(ADMItemRef ref, ItemData*& item) {
    if (ASErr error = UserItem(ref, item); error != kNoErr)
        return error;
    const uintptr_t handle = item->handle;
    if (DialogData* dialog = DialogByHandle(item->dialog)) {
        const std::vector<uintptr_t> items = dialog->items;
        for (const uintptr_t other : items) {
            ItemData* field = ItemByHandle(other);
            if (other == handle || field == nullptr || !field->edited)
                continue;
            field->edited = false;
            Commit(ToRef<ADMItemRef>(other));
        }
    }
    return UserItem(ref, item);
}

void DialogManager::QueueModalResponder(Responder responder) {
    responders_.push_back(std::move(responder));
}

ASErr DialogManager::Track(ADMItemRef ref, int32_t action, ADMPoint point, int32_t modifiers) {
    ItemData* item = nullptr;
    if (ASErr error = action == kADMButtonDownAction ? TurnTo(ref, item) : UserItem(ref, item); error != kNoErr)
        return error;
    if (action < kADMMouseMovedUpAction || action > kADMButtonUpAction)
        return kBadParameterErr;
    const uintptr_t handle = item->handle;
    if (action == kADMButtonDownAction)
        item->captured = true;
    TrackerData& tracker = Add(trackers_);
    tracker.item = handle;
    tracker.point = point;
    tracker.action = action;
    tracker.modifiers = modifiers;
    tracker.mouseState =
        item->captured && action != kADMButtonUpAction ? kADMMouseCaptured : kADMMouseNotCaptured;
    const uintptr_t trackerHandle = tracker.handle;
    bool notify = false;
    if (item->trackProc != nullptr && MaskLetsThrough(item->mask, action))
        notify = item->trackProc(ref, ToRef<ADMTrackerRef>(trackerHandle)) != 0;
    else
        notify = DefaultTrack(*item, tracker);
    const bool aborted = tracker.aborted;
    trackers_.erase(trackerHandle);
    item = ItemByHandle(handle);
    if (item == nullptr)
        return kNoErr;
    if (action == kADMButtonUpAction || aborted)
        item->captured = false;
    if (notify)
        Notify(handle, kADMUserChangedNotifier);
    return kNoErr;
}

ASErr DialogManager::Click(ADMItemRef ref, int32_t modifiers) {
    ItemData* item = nullptr;
    if (ASErr error = UserItem(ref, item); error != kNoErr)
        return error;
    const ADMPoint centre{(item->bounds.right - item->bounds.left) / 2, (item->bounds.bottom - item->bounds.top) / 2};
    if (ASErr error = Track(ref, kADMButtonDownAction, centre, modifiers); error != kNoErr)
        return error;
    if (Item(ref) == nullptr || !Item(ref)->captured)
        return kNoErr;
    return Track(ref, kADMButtonUpAction, centre, modifiers);
}

ASErr DialogManager::Slide(ADMItemRef ref, float value) {
    ItemData* item = nullptr;
    if (ASErr error = TurnTo(ref, item); error != kNoErr)
        return error;
    if (item->type != kADMSliderType || !std::isfinite(value))
        return kBadParameterErr;
    SetNumber(*item, std::clamp(value, item->minimum, item->maximum));
    Notify(item->handle, kADMUserChangedNotifier);
    return kNoErr;
}

ASErr DialogManager::Drag(ADMItemRef ref, const std::vector<ADMPoint>& points, int32_t modifiers) {
    if (points.empty())
        return kBadParameterErr;
    if (ASErr error = Track(ref, kADMButtonDownAction, points.front(), modifiers); error != kNoErr)
        return error;
    for (size_t i = 1; i < points.size(); ++i) {
        if (Item(ref) == nullptr || !Item(ref)->captured)
            return kNoErr;
        Track(ref, kADMMouseMovedDownAction, points[i], modifiers);
    }
    if (Item(ref) == nullptr || !Item(ref)->captured)
        return kNoErr;
    return Track(ref, kADMButtonUpAction, points.back(), modifiers);
}

ASErr DialogManager::Choose(ADMItemRef ref, int32_t entryID) {
    ItemData* item = nullptr;
    if (ASErr error = TurnTo(ref, item); error != kNoErr)
        return error;
    ListData* list = ListByHandle(item->list);
    if (list == nullptr)
        return kBadParameterErr;
    for (size_t index = 0; index < list->entries.size(); ++index) {
        EntryData* entry = EntryByHandle(list->entries[index]);
        if (entry == nullptr || entry->id != entryID || entry->separator)
            continue;
        if (!entry->enabled)
            return kBadParameterErr;
        SelectEntry(*list, entry);
        float number = 0.0f;
        if (IsEditType(item->type) && item->numeric && ReadUnitText(entry->text, item->units, number))
            SetNumber(*item, std::clamp(number, item->minimum, item->maximum));
        else if (IsEditType(item->type))
            item->text = entry->text;
        else if (item->type != kADMPopupMenuType)
            SetNumber(*item, static_cast<float>(index));
        Notify(item->handle, kADMUserChangedNotifier);
        return kNoErr;
    }
    return kBadParameterErr;
}

ASErr DialogManager::Type(ADMItemRef ref, const std::string& text) {
    ItemData* item = nullptr;
    if (ASErr error = TurnTo(ref, item); error != kNoErr)
        return error;
    if (!IsEditType(item->type))
        return kBadParameterErr;
    const uintptr_t handle = item->handle;
    if (!item->text.empty()) {
        item->SetTextWithCaret(std::string());
        item->edited = true;
        Notify(handle, kADMIntermediateChangedNotifier);
    }
    for (size_t at = 0; at < text.size();) {
        const size_t length = std::min(CharacterLength(static_cast<unsigned char>(text[at])), text.size() - at);
        item = ItemByHandle(handle);
        if (item == nullptr)
            return kNoErr;
        item->SetTextWithCaret(item->text + text.substr(at, length));
        item->edited = true;
        at += length;
        Notify(handle, kADMIntermediateChangedNotifier);
    }
    return kNoErr;
}

ASErr DialogManager::SelectText(ADMItemRef ref) {
    ItemData* item = nullptr;
    if (ASErr error = TurnTo(ref, item); error != kNoErr)
        return error;
    if (!IsEditType(item->type))
        return kBadParameterErr;
    Notify(item->handle, kADMTextSelectionChangeNotifier);
    return kNoErr;
}

ASErr DialogManager::Commit(ADMItemRef ref) {
    ItemData* item = nullptr;
    if (ASErr error = UserItem(ref, item); error != kNoErr)
        return error;
    if (!IsEditType(item->type))
        return kBadParameterErr;
    item->edited = false;
    if (item->numeric) {
        float number = 0.0f;
        if (!ReadUnitText(item->text, item->units, number)) {
            item->text = FormatValue(*item);
            return kBadParameterErr;
        }
        if (item->precision == 0)
            number = RoundToPrecision(number, item->units, 0);
        SetNumber(*item, std::clamp(number, item->minimum, item->maximum));
    }
    Notify(item->handle, kADMUserChangedNotifier);
    return kNoErr;
}

ASErr DialogManager::Enter(ADMItemRef ref, const std::string& text) {
    if (ASErr error = Type(ref, text); error != kNoErr)
        return error;
    return Commit(ref);
}

Drawing* DialogManager::BeginDrawing(Drawing& target, const ADMRect& bounds, uintptr_t& drawer) {
    target.clear();
    DrawerData& data = Add(drawers_);
    data.target = &target;
    data.bounds = {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    data.clip = data.bounds;
    drawer = data.handle;
    return &target;
}

void DialogManager::EndDrawing(uintptr_t drawer) { drawers_.erase(drawer); }

ASErr DialogManager::DrawItem(ADMItemRef ref) {
    if (ref == nullptr)
        return kBadParameterErr;
    ItemData* item = Item(ref);
    if (item == nullptr)
        return kStaleHandleErr;
    item->invalid = false;
    if (!item->visible)
        return kNoErr;
    uintptr_t drawer = 0;
    BeginDrawing(item->drawing, item->bounds, drawer);
    if (item->drawProc != nullptr)
        item->drawProc(ref, ToRef<ADMDrawerRef>(drawer));
    else
        item->drawing.push_back("DefaultDraw");
    EndDrawing(drawer);
    return kNoErr;
}

ASErr DialogManager::DrawDialog(ADMDialogRef ref) {
    if (ref == nullptr)
        return kBadParameterErr;
    DialogData* dialog = Dialog(ref);
    if (dialog == nullptr)
        return kStaleHandleErr;
    uintptr_t drawer = 0;
    BeginDrawing(dialog->drawing, dialog->bounds, drawer);
    if (dialog->drawProc != nullptr)
        dialog->drawProc(ref, ToRef<ADMDrawerRef>(drawer));
    else
        dialog->drawing.push_back("DefaultDraw");
    EndDrawing(drawer);
    return kNoErr;
}

void DialogManager::RedrawInvalid() {
    std::vector<uintptr_t> pending;
    for (const auto& [handle, item] : items_)
        if (item->invalid)
            pending.push_back(handle);
    for (uintptr_t handle : pending)
        DrawItem(ToRef<ADMItemRef>(handle));
}

const Drawing* DialogManager::ItemDrawing(ADMItemRef ref) const {
    auto found = items_.find(ToHandle(ref));
    return found == items_.end() ? nullptr : &found->second->drawing;
}

const Drawing* DialogManager::DialogDrawing(ADMDialogRef ref) const {
    auto found = dialogs_.find(ToHandle(ref));
    return found == dialogs_.end() ? nullptr : &found->second->drawing;
}

ADMDialogRef DialogManager::FindDialog(const std::string& name) const {
    for (auto it = dialogs_.rbegin(); it != dialogs_.rend(); ++it)
        if (it->second->name == name && !it->second->ending)
            return ToRef<ADMDialogRef>(it->first);
    return nullptr;
}

ADMDialogRef DialogManager::TopModal() const {
    return modalStack_.empty() ? nullptr : ToRef<ADMDialogRef>(modalStack_.back());
}

ADMItemRef DialogManager::FindItem(ADMDialogRef ref, int32_t itemID) const {
    auto dialog = dialogs_.find(ToHandle(ref));
    if (dialog == dialogs_.end())
        return nullptr;
    for (uintptr_t handle : dialog->second->items) {
        auto item = items_.find(handle);
        if (item != items_.end() && item->second->id == itemID)
            return ToRef<ADMItemRef>(handle);
    }
    return nullptr;
}

std::vector<ADMDialogRef> DialogManager::OpenDialogs() const {
    std::vector<ADMDialogRef> open;
    for (const auto& [handle, dialog] : dialogs_)
        if (!dialog->ending)
            open.push_back(ToRef<ADMDialogRef>(handle));
    return open;
}

} // namespace sim
