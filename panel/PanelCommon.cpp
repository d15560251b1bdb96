// The panel's small common procedures: the empty ones, the focus pictures and the popups' chosen index.
#include <iterator>

#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "host/ADMNotifierSuite.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"

namespace {

// Each small picture beside a field, and the field it puts the keyboard focus into.
struct PartnerPair {
    int32_t Picture;
    int32_t Field;
};
constexpr PartnerPair kPartners[] = {
    {8, 7},   {10, 9},  {16, 15}, {23, 22}, {26, 24}, {27, 25}, {30, 28}, {31, 29}, {34, 32},
    {35, 33}, {38, 36}, {39, 37}, {51, 50}, {63, 62}, {67, 66}, {71, 70}, {73, 72}, {82, 65},
};

}  // namespace

void PanelNoOpProc(ADMItemRef, ADMDrawerRef) {}
void NoOpProc(ADMItemRef, ADMDrawerRef) {}

bool KeystrokeChangesNothing(ADMNotifierRef notifier, bool same) { return same && !IsUserChange(notifier); }

bool IsUserChange(ADMNotifierRef notifier) {
    ADMBoolean matches = 0;
    return sADMNotifier->IsNotifierType(notifier, kADMUserChangedNotifier, &matches) == kNoErr && matches != 0;
}

int32_t GetPopupIndex(ADMItemRef item) {
    ADMListRef list = nullptr;
    ADMEntryRef entry = nullptr;
    int32_t index = -1;
    if (sADMItem->GetList(item, &list) != kNoErr || sADMList->GetActiveEntry(list, &entry) != kNoErr ||
        entry == nullptr || sADMEntry->GetIndex(entry, &index) != kNoErr)
        return -1;
    return index;
}

void ActivateDialogItem(ADMItemRef item, int16_t itemID) {
    ADMDialogRef dialog = nullptr;
    ADMItemRef target = nullptr;
    if (sADMItem->GetDialog(item, &dialog) != kNoErr || sADMDialog->GetItem(dialog, itemID, &target) != kNoErr)
        return;
    sADMItem->Activate(target, 1);
}

void ActivatePartnerItemNotify(ADMItemRef item, ADMNotifierRef) {
    int32_t id = 0;
    if (sADMItem->GetID(item, &id) != kNoErr) return;
    for (const PartnerPair& pair : kPartners)
        if (pair.Picture == id) ActivateDialogItem(item, static_cast<int16_t>(pair.Field));
}
