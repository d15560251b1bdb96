#include "dialogs/options/PanelLinks.h"

#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "panel/FontChoice.h"
#include "panel/PanelState.h"
#include "records/CurrentOptions.h"

void InvalidatePanelItem(int32_t itemID) {
    if (ADMItemRef item = PanelItem(itemID)) sADMItem->Invalidate(item);
}

void ReselectPanelFont() {
    gCurrentOptions.FontIndex = SelectFontByName(PanelItem(kPanelFontPopup), gSettings.FontName);
}

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
