#include "panel/PanelItems.h"

#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "panel/PanelChange.h"
#include "panel/PanelEditing.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "tools/ClickSupport.h"

ADMDialogRef PanelDialog = nullptr;
AIRect ScreenBounds;
int16_t HelpPage = 1;
int16_t HelpPageCount = 0;

namespace {

ADMEntryRef EntryByID(ADMItemRef item, int32_t entryID) {
    ADMListRef list = nullptr;
    ADMEntryRef entry = nullptr;
    if (item == nullptr || sADMItem->GetList(item, &list) != kNoErr) return nullptr;
    if (sADMList->GetEntry(list, entryID, &entry) != kNoErr) return nullptr;
    return entry;
}

// Every panel notification acts on the current dimension as it was built: the item's own notifier, reached
// through the table row the item was made from, runs with the dimension's definition in force (the one helper
// every rebuild without the cursor goes through), or with the dimension set aside when its layer is closed.
void NotifyPanelItem(ADMItemRef item, ADMNotifierRef notifier) {
    ADMUserData data = nullptr;
    if (sADMItem->GetUserData(item, &data) != kNoErr || data == nullptr) return;
    const ADMItemNotifyProc notify = static_cast<const PanelItemSpec*>(data)->Notify;
    if (notify != nullptr) RunPanelChange([&] { notify(item, notifier); }, IsUserChange(notifier) ? Refusal::Told : Refusal::AtTheCommit);
}

}  // namespace

ADMItemRef PanelItem(int32_t itemID) {
    ADMItemRef item = nullptr;
    if (PanelDialog == nullptr || sADMDialog == nullptr) return nullptr;
    return sADMDialog->GetItem(PanelDialog, itemID, &item) == kNoErr ? item : nullptr;
}

ADMItemRef MakePanelItem(ADMDialogRef dialog, const PanelItemSpec& desc) {
    ADMItemRef item = nullptr;
    if (sADMItem->Create(dialog, desc.Id, desc.Type, &desc.Bounds, nullptr, nullptr, 0, &item) != kNoErr)
        return nullptr;
    if (desc.TextFont) sADMItem->SetFont(item, kPanelFont);
    if (desc.SetUp != nullptr) desc.SetUp(item);
    BoundPanelField(item, desc.Id);
    if (desc.Draw != nullptr) sADMItem->SetDrawProc(item, desc.Draw);
    RoutePanelNotify(item, desc);
    if (desc.Track != nullptr) sADMItem->SetTrackProc(item, desc.Track);
    if (desc.Tip != nullptr) sADMItem->SetTipString(item, desc.Tip);
    return item;
}

void RoutePanelNotify(ADMItemRef item, const PanelItemSpec& desc) {
    if (desc.Notify == nullptr) return;
    // The specs are tables of static storage, which outlive their items.
    sADMItem->SetUserData(item, const_cast<PanelItemSpec*>(&desc));
    sADMItem->SetNotifyProc(item, NotifyPanelItem);
}

void MakePanelItems(ADMDialogRef dialog, const PanelItemSpec* specs, size_t count) {
    for (size_t i = 0; i < count; ++i) MakePanelItem(dialog, specs[i]);
}

SPPluginRef PluginOfItem(ADMItemRef item) {
    ADMDialogRef dialog = nullptr;
    SPPluginRef plugin = nullptr;
    if (sADMItem->GetDialog(item, &dialog) != kNoErr || sADMDialog->GetPluginRef(dialog, &plugin) != kNoErr)
        return nullptr;
    return plugin;
}

void SetSteps(ADMItemRef item, float small, float large) {
    sADMItem->SetSmallIncrement(item, small);
    sADMItem->SetLargeIncrement(item, large);
}

void SetFloatValue(ADMItemRef item, double value) { sADMItem->SetFloatValue(item, static_cast<float>(value)); }

void AppendEntry(ADMItemRef item, const char* text, int32_t entryID) {
    ADMListRef list = nullptr;
    int32_t count = 0;
    ADMEntryRef entry = nullptr;
    if (sADMItem->GetList(item, &list) != kNoErr || sADMList->NumberOfEntries(list, &count) != kNoErr) return;
    if (sADMList->InsertEntry(list, count, &entry) != kNoErr) return;
    if (text == nullptr) {
        sADMEntry->MakeSeparator(entry, 1);
        return;
    }
    sADMEntry->SetText(entry, text);
    sADMEntry->SetID(entry, entryID);
}

void SetTrailingEntry(ADMItemRef item, int32_t index, int32_t entryID, const char* text) {
    ADMListRef list = nullptr;
    int32_t count = 0;
    if (item == nullptr || sADMItem->GetList(item, &list) != kNoErr ||
        sADMList->NumberOfEntries(list, &count) != kNoErr)
        return;
    if (text == nullptr) {
        if (count > index) sADMList->RemoveEntry(list, index);
        return;
    }
    ADMEntryRef entry = nullptr;
    if (count > index && sADMList->IndexEntry(list, index, &entry) == kNoErr && entry != nullptr)
        sADMEntry->SetText(entry, text);
    else if (count == index)
        AppendEntry(item, text, entryID);
}

bool SelectEntryByID(ADMItemRef item, int32_t entryID) {
    ADMEntryRef entry = EntryByID(item, entryID);
    return entry != nullptr && sADMEntry->Select(entry, 1) == kNoErr;
}

void DeselectEntryByID(ADMItemRef item, int32_t entryID) {
    if (ADMEntryRef entry = EntryByID(item, entryID)) sADMEntry->Select(entry, 0);
}

void CheckEntryByID(ADMItemRef item, int32_t entryID, bool checked) {
    if (ADMEntryRef entry = EntryByID(item, entryID)) sADMEntry->Check(entry, checked ? 1 : 0);
}

void EnableEntryByID(ADMItemRef item, int32_t entryID, bool enabled) {
    if (ADMEntryRef entry = EntryByID(item, entryID)) sADMEntry->Enable(entry, enabled ? 1 : 0);
}

void ShowPanelItem(int32_t itemID, bool shown) {
    if (ADMItemRef item = PanelItem(itemID)) sADMItem->Show(item, shown ? 1 : 0);
}

void EnablePanelItem(int32_t itemID, bool enabled) {
    if (ADMItemRef item = PanelItem(itemID)) sADMItem->Enable(item, enabled ? 1 : 0);
}

void EnableShiftedTextItems(bool enabled) {
    EnablePanelItem(kSideTextItem, enabled);
    EnablePanelItem(kTextPositionPictureItem, enabled);
}
