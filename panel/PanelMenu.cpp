// The panel's flyout menu: options and help shown or hidden, arrows or points, and the modal dialogs.
#include "frame/DialogOpeners.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "panel/PanelItems.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "frame/Settings.h"
#include "resources/ResourceIds.h"

namespace {


ADMEntryRef FlyoutEntry(ADMItemRef menu, int32_t entryID) {
    ADMListRef list = nullptr;
    ADMEntryRef entry = nullptr;
    if (sADMItem->GetList(menu, &list) != kNoErr || sADMList->GetEntry(list, entryID, &entry) != kNoErr)
        return nullptr;
    return entry;
}

// The first character of an entry's text.
char FirstLetter(ADMEntryRef entry) {
    char text[2] = {};
    if (entry == nullptr) return '\0';
    sADMEntry->GetText(entry, text, sizeof text);
    return text[0];
}

void ToggleOptions(ADMEntryRef entry) {
    ADMRect bounds{};
    if (PanelDialog == nullptr || entry == nullptr) return;
    sADMDialog->GetBoundsRect(PanelDialog, &bounds);
    const bool show = FirstLetter(entry) == 'A';
    sADMEntry->SetText(entry, show ? "Masquer les options" : "Afficher les options");
    gSettings.OptionsShown = show ? 1 : 0;
    bounds.bottom = bounds.top + (show ? kOptionsShownHeight : kOptionsHiddenHeight);
    sADMDialog->SetBoundsRect(PanelDialog, &bounds);
}

void ToggleHelp(ADMItemRef menu, ADMEntryRef entry) {
    ADMRect bounds{};
    if (PanelDialog == nullptr || entry == nullptr) return;
    sADMDialog->GetBoundsRect(PanelDialog, &bounds);
    ADMEntryRef options = FlyoutEntry(menu, kFlyoutOptionsEntry);
    if (FirstLetter(entry) == 'M') {
        sADMEntry->SetText(entry, "Afficher l'aide");
        bounds.right = bounds.left + kPanelWidth;
        bounds.bottom = bounds.top + (FirstLetter(options) == 'M' ? kOptionsShownHeight : kOptionsHiddenHeight);
        if (options != nullptr) sADMEntry->Enable(options, 1);
    } else {
        sADMEntry->SetText(entry, "Masquer l'aide");
        bounds.right = bounds.left + kPanelWithHelpWidth;
        bounds.bottom = bounds.top + kOptionsShownHeight;
        if (options != nullptr) sADMEntry->Enable(options, 0);
    }
    sADMDialog->SetBoundsRect(PanelDialog, &bounds);
}

}  // namespace

void PanelMenuNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const int32_t index = GetPopupIndex(item);
    ADMEntryRef entry = FlyoutEntry(item, index + 1);
    switch (index + 1) {
        case kFlyoutOptionsEntry: ToggleOptions(entry); break;
        case kFlyoutArrowsEntry:
            if (ADMItemRef arrows = PanelItem(kArrowsPointsItem)) ArrowsPointsNotify(arrows, notifier);
            break;
        case kFlyoutColoursEntry: OpenModalDialog(ModalDialog::Colours); break;
        case kFlyoutOtherOptionsEntry: OpenModalDialog(ModalDialog::OtherOptions); break;
        case kFlyoutArrowEditorEntry: OpenModalDialog(ModalDialog::ArrowEditor); break;
        case kFlyoutPreferencesEntry: OpenModalDialog(ModalDialog::Preferences); break;
        case kFlyoutHelpEntry: ToggleHelp(item, entry); break;
        default: break;
    }
}
