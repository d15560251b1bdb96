#include "panel/HelpPages.h"

#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMItemSuite.h"
#include "panel/PanelItems.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"

namespace {

constexpr const char* kNextTip = "Page suivante de l'aide.";
constexpr const char* kLastTip = "Dernière page de l'aide.";
constexpr const char* kPreviousTip = "Page précédente de l'aide.";
constexpr const char* kFirstTip = "Première page de l'aide.";

ADMItemRef ItemOf(ADMDialogRef dialog, int32_t itemID) {
    ADMItemRef item = nullptr;
    return dialog != nullptr && sADMDialog->GetItem(dialog, itemID, &item) == kNoErr ? item : nullptr;
}

ADMDialogRef DialogOf(ADMItemRef item) {
    ADMDialogRef dialog = nullptr;
    return sADMItem->GetDialog(item, &dialog) == kNoErr ? dialog : nullptr;
}

void SetButton(ADMDialogRef dialog, int32_t itemID, bool enabled, const char* tip) {
    if (ADMItemRef button = ItemOf(dialog, itemID)) {
        sADMItem->Enable(button, enabled ? 1 : 0);
        sADMItem->SetTipString(button, tip);
    }
}

void ShowPageNumber(ADMDialogRef dialog) {
    if (ADMItemRef number = ItemOf(dialog, kHelpPageNumberItem)) sADMItem->SetIntValue(number, HelpPage);
    ShowHelpPage(dialog);
}

void SetUpPageButton(ADMItemRef item, int32_t picture, int32_t pressed) {
    sADMItem->SetPictureID(item, picture);
    sADMItem->SetSelectedPictureID(item, pressed);
    sADMItem->SetBooleanValue(item, 0);
}

void SetUpNumber(ADMItemRef item, int32_t justify, int32_t value) {
    sADMItem->SetUnits(item, kADMNoUnits);
    sADMItem->SetJustify(item, justify);
    sADMItem->SetIntValue(item, value);
}

constexpr PanelItemSpec kHelpText{kHelpTextItem, kADMTextStaticMultiLineType, {244, 2, 476, 157}, "Texte de l'aide.",
                                  nullptr, nullptr, nullptr, true,
                                  [](ADMItemRef item) { sADMItem->SetJustify(item, kADMCenterJustify); }};

constexpr PanelItemSpec kHelpControls[] = {
    {kHelpNextItem, kADMPicturePushButtonType, {443, 159, 456, 170}, kNextTip, nullptr, HelpNextPageNotify, nullptr,
     false, [](ADMItemRef item) { SetUpPageButton(item, 1004, 1005); }},
    {kHelpPreviousItem, kADMPicturePushButtonType, {260, 159, 273, 170}, kFirstTip, nullptr, HelpPreviousPageNotify,
     nullptr, false,
     [](ADMItemRef item) {
         SetUpPageButton(item, 1006, 1007);
         sADMItem->Enable(item, 0);
     }},
    {kHelpPageNumberItem, kADMTextStaticType, {331, 159, 351, 173}, "Numéro de page de l'aide.", nullptr, nullptr,
     nullptr, true, [](ADMItemRef item) { SetUpNumber(item, kADMRightJustify, HelpPage); }},
    {kHelpSlashItem, kADMTextStaticType, {351, 159, 361, 173}, nullptr, nullptr, nullptr, nullptr, true,
     [](ADMItemRef item) {
         sADMItem->SetUnits(item, kADMNoUnits);
         sADMItem->SetJustify(item, kADMCenterJustify);
         sADMItem->SetText(item, "/");
     }},
    {kHelpPageCountItem, kADMTextStaticType, {361, 159, 381, 173}, nullptr, nullptr, nullptr, nullptr, true,
     [](ADMItemRef item) { SetUpNumber(item, kADMLeftJustify, HelpPageCount); }},
};

}  // namespace

void MakeHelpItems(ADMDialogRef dialog) {
    HelpPage = 1;
    HelpPageCount = kHelpPageTotal;
    MakePanelItem(dialog, kHelpText);
    ShowHelpPage(dialog);
    MakePanelItems(dialog, kHelpControls);
}

void ShowHelpPage(ADMDialogRef dialog) {
    if (ADMItemRef previous = ItemOf(dialog, kHelpPreviousItem)) sADMItem->Enable(previous, HelpPage > 1 ? 1 : 0);
    if (ADMItemRef next = ItemOf(dialog, kHelpNextItem)) sADMItem->Enable(next, HelpPage < HelpPageCount ? 1 : 0);
    if (HelpPage < 1 || HelpPage > kHelpPageTotal) return;
    if (ADMItemRef text = ItemOf(dialog, kHelpTextItem)) sADMItem->SetText(text, kHelpTexts[HelpPage - 1]);
}

void HelpNextPageNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    ADMDialogRef dialog = DialogOf(item);
    ++HelpPage;
    if (HelpPage < HelpPageCount) {
        SetButton(dialog, kHelpNextItem, true, kNextTip);
    } else {
        HelpPage = HelpPageCount;
        SetButton(dialog, kHelpNextItem, false, kLastTip);
    }
    SetButton(dialog, kHelpPreviousItem, true, kPreviousTip);
    ShowPageNumber(dialog);
}

void HelpPreviousPageNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    ADMDialogRef dialog = DialogOf(item);
    --HelpPage;
    if (HelpPage < 2) {
        HelpPage = 1;
        SetButton(dialog, kHelpPreviousItem, false, kFirstTip);
    } else {
        SetButton(dialog, kHelpPreviousItem, true, kPreviousTip);
    }
    SetButton(dialog, kHelpNextItem, true, kNextTip);
    ShowPageNumber(dialog);
}
