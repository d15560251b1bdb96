#include "dialogs/options/PreferencesItems.h"

#include <string_view>

#include "frame/NumericFields.h"
#include "frame/PluginReference.h"
#include "frame/SettingRanges.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"

namespace prefsitems {

namespace {

// The table entry an item was made from, kept in its user data.
const PrefsItemSpec* SpecOf(ADMItemRef item) {
    ADMUserData data = nullptr;
    if (sADMItem->GetUserData(item, &data) != kNoErr) return nullptr;
    return static_cast<const PrefsItemSpec*>(data);
}

void ApplyLook(ADMItemRef item, const FieldLook& look) {
    if (look.Units != kADMNoUnits) {
        sADMItem->SetUnits(item, look.Units);
        sADMItem->ShowUnits(item, 1);
    }
    if (look.Precision >= 0) sADMItem->SetPrecision(item, look.Precision);
    if (look.SmallStep > 0.0f) sADMItem->SetSmallIncrement(item, look.SmallStep);
    if (look.LargeStep > 0.0f) sADMItem->SetLargeIncrement(item, look.LargeStep);
    sADMItem->SetMinFloatValue(item, look.Minimum);
    sADMItem->SetMaxFloatValue(item, look.Maximum);
}

// The field's number held to the range of the setting it edits.
double HeldFieldValue(ADMItemRef item, const PrefsItemSpec& desc, double inForce) {
    return desc.Key != nullptr ? TakenSettingValue(item, inForce, desc.Key) : KeptFieldValue(item, inForce);
}

bool IsListType(const char* type) {
    const std::string_view name(type);
    return name == kADMPopupListType || name == kADMPopupMenuType;
}

bool IsBoxType(const char* type) {
    const std::string_view name(type);
    return name == kADMTextCheckBoxType || name == kADMTextRadioButtonType || name == kADMPictureCheckBoxType;
}

void ShowValue(ADMItemRef item, const PrefsItemSpec& desc) {
    PreferencesWorkingCopy& working = gPrefs.Working;
    if (desc.Value.Real != nullptr) {
        sADMItem->SetFloatValue(item, static_cast<float>(working.*desc.Value.Real));
    } else if (desc.Value.Whole != nullptr) {
        const int32_t value = working.*desc.Value.Whole;
        if (IsListType(desc.Type))
            ChooseEntryAt(item, value);
        else if (IsBoxType(desc.Type))
            sADMItem->SetBooleanValue(item, value != 0 ? 1 : 0);
        else
            sADMItem->SetIntValue(item, value);
    }
}

}  // namespace

void CreatePrefsItems(ADMDialogRef dialog, std::span<const PrefsItemSpec> items) {
    for (const PrefsItemSpec& desc : items) {
        ADMItemRef item = nullptr;
        if (sADMItem->Create(dialog, desc.Id, desc.Type, &desc.Bounds, nullptr,
                             const_cast<PrefsItemSpec*>(&desc), 0, &item) != kNoErr)
            continue;
        if (desc.Font >= 0) sADMItem->SetFont(item, desc.Font);
        if (desc.Text != nullptr) sADMItem->SetText(item, desc.Text);
        if (desc.Tip != nullptr) sADMItem->SetTipString(item, desc.Tip);
        if (desc.Numeric) ApplyLook(item, desc.Look);
        if (desc.Key != nullptr) BoundFieldToSetting(item, desc.Key);
        if (desc.Draw != nullptr) sADMItem->SetDrawProc(item, desc.Draw);
        if (desc.Notify != nullptr) sADMItem->SetNotifyProc(item, desc.Notify);
    }
}

void ShowWorkingValues(ADMDialogRef dialog, const PrefsPageItems& page) {
    for (const PrefsItemSpec& desc : page.Items) {
        if (desc.Value.Real == nullptr && desc.Value.Whole == nullptr) continue;
        if (ADMItemRef item = PrefsItem(dialog, desc.Id)) ShowValue(item, desc);
    }
    ApplyTipRules(dialog, page.Tips);
}

void ApplyTipRules(ADMDialogRef dialog, std::span<const PrefsTipRule> rules, int32_t id) {
    for (const PrefsTipRule& rule : rules)
        if (id == 0 || rule.Id == id)
            SetItemTip(dialog, rule.Id, gPrefs.Working.*rule.Flag != 0 ? rule.WhenOn : rule.WhenOff);
}

void RealFieldNotify(ADMItemRef item, ADMNotifierRef notifier) {
    const PrefsItemSpec* desc = SpecOf(item);
    if (!IsUserChange(notifier) || desc == nullptr || desc->Value.Real == nullptr) return;
    double& working = gPrefs.Working.*desc->Value.Real;
    working = HeldFieldValue(item, *desc, working);
}

void WholeFieldNotify(ADMItemRef item, ADMNotifierRef notifier) {
    const PrefsItemSpec* desc = SpecOf(item);
    if (!IsUserChange(notifier) || desc == nullptr || desc->Value.Whole == nullptr) return;
    int32_t& working = gPrefs.Working.*desc->Value.Whole;
    working = desc->Key != nullptr ? HeldIntegerOf(desc->Key, FieldReal(item, working)) : FieldInt32(item, working);
}

void FlagBoxNotify(ADMItemRef item, ADMNotifierRef notifier) {
    const PrefsItemSpec* desc = SpecOf(item);
    if (!IsUserChange(notifier) || desc == nullptr || desc->Value.Whole == nullptr) return;
    ADMBoolean value = 0;
    if (sADMItem->GetBooleanValue(item, &value) == kNoErr) gPrefs.Working.*desc->Value.Whole = value != 0 ? 1 : 0;
}

void ChoiceNotify(ADMItemRef item, ADMNotifierRef notifier) {
    const PrefsItemSpec* desc = SpecOf(item);
    if (!IsUserChange(notifier) || desc == nullptr || desc->Value.Whole == nullptr) return;
    const int32_t index = GetPopupIndex(item);
    if (index >= 0) gPrefs.Working.*desc->Value.Whole = index;
}

ADMItemRef PrefsItem(ADMDialogRef dialog, int32_t id) {
    ADMItemRef item = nullptr;
    if (dialog == nullptr || sADMDialog->GetItem(dialog, id, &item) != kNoErr) return nullptr;
    return item;
}

ADMDialogRef DialogOf(ADMItemRef item) {
    ADMDialogRef dialog = nullptr;
    if (item == nullptr || sADMItem->GetDialog(item, &dialog) != kNoErr) return nullptr;
    return dialog;
}

int32_t ItemId(ADMItemRef item) {
    int32_t id = 0;
    if (item == nullptr || sADMItem->GetID(item, &id) != kNoErr) return 0;
    return id;
}

void EnableItem(ADMDialogRef dialog, int32_t id, bool enable) {
    if (ADMItemRef item = PrefsItem(dialog, id)) sADMItem->Enable(item, enable ? 1 : 0);
}

void ShowItem(ADMDialogRef dialog, int32_t id, bool show) {
    if (ADMItemRef item = PrefsItem(dialog, id)) sADMItem->Show(item, show ? 1 : 0);
}

void InvalidateItem(ADMDialogRef dialog, int32_t id) {
    if (ADMItemRef item = PrefsItem(dialog, id)) sADMItem->Invalidate(item);
}

void ActivateItem(ADMDialogRef dialog, int32_t id) {
    if (ADMItemRef item = PrefsItem(dialog, id)) sADMItem->Activate(item, 1);
}

void SetItemTip(ADMDialogRef dialog, int32_t id, const char* tip) {
    if (ADMItemRef item = PrefsItem(dialog, id)) sADMItem->SetTipString(item, tip);
}

void ChooseEntryAt(ADMItemRef item, int32_t index) {
    ADMListRef list = nullptr;
    ADMEntryRef entry = nullptr;
    if (sADMItem->GetList(item, &list) == kNoErr && sADMList->IndexEntry(list, index, &entry) == kNoErr)
        sADMEntry->Select(entry, 1);
}

void DrawPrefsIcon(ADMDrawerRef drawer, int32_t iconID, ADMPoint at) {
    sADMDrawer->DrawResPicture(drawer, OwnPluginRef(), iconID, &at);
}

void DrawPrefsIconCentred(ADMDrawerRef drawer, int32_t iconID, ADMRect in) {
    sADMDrawer->DrawResPictureCentered(drawer, OwnPluginRef(), iconID, &in);
}

}  // namespace prefsitems
