#include "dialogs/options/PanelLinks.h"

#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"

namespace {

// The panel's dialog, or null while there is no panel.
ADMDialogRef PanelDialogRef() { return nullptr; }

}  // namespace

ADMItemRef PanelItem(int32_t itemID) {
    const ADMDialogRef panel = PanelDialogRef();
    ADMItemRef item = nullptr;
    if (panel == nullptr || sADMDialog == nullptr || sADMDialog->GetItem(panel, itemID, &item) != kNoErr) return nullptr;
    return item;
}

void InvalidatePanelItem(int32_t itemID) {
    if (ADMItemRef item = PanelItem(itemID)) sADMItem->Invalidate(item);
}

void ReselectPanelFont() {}

void RenamePanelFreeText(int32_t entryID, const char* text) {
    ADMItemRef popup = PanelItem(kPanelFreeTextPopup);
    ADMListRef list = nullptr;
    ADMEntryRef entry = nullptr;
    if (popup == nullptr || sADMList == nullptr || sADMEntry == nullptr || sADMItem->GetList(popup, &list) != kNoErr ||
        sADMList->GetEntry(list, entryID, &entry) != kNoErr) {
        return;
    }
    sADMEntry->SetText(entry, text != nullptr ? text : "");
}
