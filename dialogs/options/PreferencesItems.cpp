#include "dialogs/options/PreferencesItems.h"

#include <string_view>

#include "frame/PluginReference.h"
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

bool IsListType(const char* type) {
    const std::string_view name(type);
    return name == kADMPopupListType || name == kADMPopupMenuType;
}

bool IsBoxType(const char* type) {
    const std::string_view name(type);
    return name == kADMTextCheckBoxType || name == kADMTextRadioButtonType || name == kADMPictureCheckBoxType;
}

void ShowValue(ADMItemRef item, const PrefsItemSpec& spec) {
    PreferencesWorkingCopy& working = gPrefs.Working;
    if (spec.Value.Real != nullptr) {
        sADMItem->SetFloatValue(item, static_cast<float>(working.*spec.Value.Real));
    } else if (spec.Value.Whole != nullptr) {
        const int32_t value = working.*spec.Value.Whole;
        if (IsListType(spec.Type))
            ChooseEntryAt(item, value);
        else if (IsBoxType(spec.Type))
            sADMItem->SetBooleanValue(item, value != 0 ? 1 : 0);
        else
            sADMItem->SetIntValue(item, value);
    }
}

}  // namespace

void CreatePrefsItems(ADMDialogRef dialog, std::span<const PrefsItemSpec> items) {
    for (const PrefsItemSpec& spec : items) {
        ADMItemRef item = nullptr;
        if (sADMItem->Create(dialog, spec.Id, spec.Type, &spec.Bounds, nullptr,
                             const_cast<PrefsItemSpec*>(&spec), 0, &item) != kNoErr)
            continue;
        if (spec.Font >= 0) sADMItem->SetFont(item, spec.Font);
        if (spec.Text != nullptr) sADMItem->SetText(item, spec.Text);
        if (spec.Tip != nullptr) sADMItem->SetTipString(item, spec.Tip);
        if (spec.Numeric) ApplyLook(item, spec.Look);
        if (spec.Draw != nullptr) sADMItem->SetDrawProc(item, spec.Draw);
        if (spec.Notify != nullptr) sADMItem->SetNotifyProc(item, spec.Notify);
    }
}

void ShowWorkingValues(ADMDialogRef dialog, const PrefsPageItems& page) {
    for (const PrefsItemSpec& spec : page.Items) {
        if (spec.Value.Real == nullptr && spec.Value.Whole == nullptr) continue;
        if (ADMItemRef item = PrefsItem(dialog, spec.Id)) ShowValue(item, spec);
    }
    ApplyTipRules(dialog, page.Tips);
}

void ApplyTipRules(ADMDialogRef dialog, std::span<const PrefsTipRule> rules, int32_t id) {
    for (const PrefsTipRule& rule : rules)
        if (id == 0 || rule.Id == id)
            SetItemTip(dialog, rule.Id, gPrefs.Working.*rule.Flag != 0 ? rule.WhenOn : rule.WhenOff);
}

void RealFieldNotify(ADMItemRef item, ADMNotifierRef notifier) {
    const PrefsItemSpec* spec = SpecOf(item);
    if (!IsUserChange(notifier) || spec == nullptr || spec->Value.Real == nullptr) return;
    float value = 0.0f;
    if (sADMItem->GetFloatValue(item, &value) == kNoErr) gPrefs.Working.*spec->Value.Real = value;
}

void WholeFieldNotify(ADMItemRef item, ADMNotifierRef notifier) {
    const PrefsItemSpec* spec = SpecOf(item);
    if (!IsUserChange(notifier) || spec == nullptr || spec->Value.Whole == nullptr) return;
    int32_t value = 0;
    if (sADMItem->GetIntValue(item, &value) == kNoErr) gPrefs.Working.*spec->Value.Whole = value;
}

void FlagBoxNotify(ADMItemRef item, ADMNotifierRef notifier) {
    const PrefsItemSpec* spec = SpecOf(item);
    if (!IsUserChange(notifier) || spec == nullptr || spec->Value.Whole == nullptr) return;
    ADMBoolean value = 0;
    if (sADMItem->GetBooleanValue(item, &value) == kNoErr) gPrefs.Working.*spec->Value.Whole = value != 0 ? 1 : 0;
}

void ChoiceNotify(ADMItemRef item, ADMNotifierRef notifier) {
    const PrefsItemSpec* spec = SpecOf(item);
    if (!IsUserChange(notifier) || spec == nullptr || spec->Value.Whole == nullptr) return;
    const int32_t index = GetPopupIndex(item);
    if (index >= 0) gPrefs.Working.*spec->Value.Whole = index;
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
