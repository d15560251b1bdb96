// The Cercle page: the defaults of new circle and arc dimensions.
#include "dialogs/options/PreferencesDialog.h"
#include "dialogs/options/PreferencesItems.h"
#include "dialogs/options/PreferencesPages.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMItemSuite.h"

using namespace prefsitems;

namespace {

using W = PreferencesWorkingCopy;

void RadiusLineNotify(ADMItemRef item, ADMNotifierRef notifier);
void DrawRadiusPicture(ADMItemRef item, ADMDrawerRef drawer);
void SymbolPlaceNotify(ADMItemRef item, ADMNotifierRef notifier);
void CircleSymbolNotify(ADMItemRef item, ADMNotifierRef notifier);
void DiameterNotify(ADMItemRef item, ADMNotifierRef notifier);
void DrawDiameterPicture(ADMItemRef item, ADMDrawerRef drawer);

constexpr const char* kDrawRadiusTip = "Tracer le rayon par défaut.";
constexpr const char* kNoRadiusTip = "Ne pas tracer le rayon par défaut.";
constexpr const char* kTieLineTip = "Longueur de la ligne d'attache par défaut (+ ou -).";
constexpr const char* kOffsetXTip = "Décalage horizontal par défaut (+ ou -).";
constexpr const char* kOffsetYTip = "Décalage vertical par défaut (+ ou -).";
constexpr const char* kDiameterTip = "Tavorine du diamètre par défaut.";
constexpr const char* kRadiusTip = "Tavorine du rayon par défaut.";
constexpr const char* kSymbolBeforeTip = "R ou Ø s'affichera avant la cote.";
constexpr const char* kSymbolAfterTip = "R ou Ø s'affichera après la cote.";
constexpr const char* kDiameterBeforeTip = "Ø s'affichera avant la cote.";
constexpr const char* kRadiusBeforeTip = "R s'affichera avant la cote.";

constexpr FieldLook kTieLook{.Units = kADMMillimeterUnits, .SmallStep = 2.8346457f, .LargeStep = 28.346457f};
constexpr FieldLook kOffsetLook{.Units = kADMPointUnits, .SmallStep = 0.1f, .LargeStep = 1.0f};

constexpr const char* kPicture = kADMPicturePushButtonType;
constexpr int32_t kDialogFont = 1;

const PrefsItemSpec kCircleItems[] = {
    {.Id = kRadiusDrawnItem, .Type = kADMTextRadioButtonType, .Bounds = {162, 274, 178, 290},
     .Tip = kDrawRadiusTip, .Notify = RadiusLineNotify},
    {.Id = kRadiusNotDrawnItem, .Type = kADMTextRadioButtonType, .Bounds = {206, 274, 222, 290},
     .Tip = kNoRadiusTip, .Notify = RadiusLineNotify},
    {.Id = kRadiusNotDrawnPicture, .Type = kADMUserType, .Bounds = {224, 272, 244, 292}, .Draw = DrawRadiusPicture},
    {.Id = kRadiusDrawnPicture, .Type = kADMUserType, .Bounds = {180, 272, 200, 292}, .Draw = DrawRadiusPicture},
    {.Id = kSymbolPlaceItem, .Type = kADMPopupListType, .Bounds = {300, 215, 380, 233}, .Notify = SymbolPlaceNotify,
     .Font = kDialogFont},
    {.Id = kCircleSymbolItem, .Type = kADMTextCheckBoxType, .Bounds = {150, 215, 220, 233}, .Text = "R ou Ø",
     .Tip = "Afficher le symbole R ou Ø.", .Notify = CircleSymbolNotify, .Value = {.Whole = &W::CircleSymbolShown}},
    {.Id = kDiameterItem, .Type = kPicture, .Bounds = {390, 243, 410, 263}, .Notify = DiameterNotify,
     .Draw = DrawDiameterPicture},
    {.Id = kTieLineItem, .Type = kADMSpinEditType, .Bounds = {34, 215, 100, 233}, .Tip = kTieLineTip,
     .Notify = RealFieldNotify, .Look = kTieLook, .Numeric = true, .Value = {.Real = &W::CircleTieLength},
     .Key = "Ligne"},
    {.Id = kTieLinePicture, .Type = kPicture, .Bounds = {12, 215, 32, 233}, .Tip = kTieLineTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
    {.Id = kCircleOffsetXItem, .Type = kADMSpinEditType, .Bounds = {36, 245, 104, 263}, .Tip = kOffsetXTip,
     .Notify = RealFieldNotify, .Look = kOffsetLook, .Numeric = true, .Value = {.Real = &W::CircleOffsetX},
     .Key = "DecalageCerX"},
    {.Id = kCircleOffsetXPicture, .Type = kPicture, .Bounds = {14, 247, 34, 261}, .Tip = kOffsetXTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
    {.Id = kCircleOffsetYItem, .Type = kADMSpinEditType, .Bounds = {214, 245, 282, 263}, .Tip = kOffsetYTip,
     .Notify = RealFieldNotify, .Look = kOffsetLook, .Numeric = true, .Value = {.Real = &W::CircleOffsetY},
     .Key = "DecalageCerY"},
    {.Id = kCircleOffsetYPicture, .Type = kPicture, .Bounds = {198, 245, 212, 264}, .Tip = kOffsetYTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
};

const PrefsTipRule kCircleTips[] = {
    {kDiameterItem, &W::Diameter, kDiameterTip, kRadiusTip},
};

constexpr int32_t kBeforeEntryId = 1;
constexpr int32_t kAfterEntryId = 0;
constexpr int32_t kRadiusNotDrawnIcon = 1116;
constexpr int32_t kRadiusDrawnIcon = 1117;
constexpr int32_t kDiameterIcon = 1078;
constexpr int32_t kRadiusIcon = 1077;

void FillWorkingCopies() {
    PreferencesWorkingCopy& w = gPrefs.Working;
    const Settings& s = gSettings;
    w.RadiusLineDrawn = s.RadiusLineDrawn;
    w.CircleSymbolBefore = s.CircleSymbolBefore;
    w.CircleSymbolShown = s.CircleSymbolShown;
    w.Diameter = s.Diameter;
    w.CircleTieLength = s.CircleTieLength;
    w.CircleOffsetX = s.CircleOffsetX;
    w.CircleOffsetY = s.CircleOffsetY;
}

void SetBox(ADMDialogRef dialog, int32_t id, bool on) {
    if (ADMItemRef item = PrefsItem(dialog, id)) sADMItem->SetBooleanValue(item, on ? 1 : 0);
}

// The two radio buttons show the working choice.
void ShowRadiusChoice(ADMDialogRef dialog) {
    SetBox(dialog, kRadiusDrawnItem, gPrefs.Working.RadiusLineDrawn != 0);
    SetBox(dialog, kRadiusNotDrawnItem, gPrefs.Working.RadiusLineDrawn == 0);
}

void ShowSymbolPlace(ADMDialogRef dialog) {
    if (ADMItemRef popup = PrefsItem(dialog, kSymbolPlaceItem))
        SelectEntryByID(popup, gPrefs.Working.CircleSymbolBefore != 0 ? kBeforeEntryId : kAfterEntryId);
}

// The radio group: the clicked button gives the choice. Without the radius line the symbol is always shown.
void RadiusLineNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const ADMDialogRef dialog = DialogOf(item);
    PreferencesWorkingCopy& w = gPrefs.Working;
    w.RadiusLineDrawn = ItemId(item) == kRadiusDrawnItem ? 1 : 0;
    ShowRadiusChoice(dialog);
    if (w.RadiusLineDrawn == 0) {
        sADMItem->SetTipString(item, kNoRadiusTip);
        w.CircleSymbolShown = 1;
        SetBox(dialog, kCircleSymbolItem, true);
        InvalidateItem(dialog, kCircleSymbolItem);
        SetItemTip(dialog, kSymbolPlaceItem, w.Diameter != 0 ? kDiameterBeforeTip : kRadiusBeforeTip);
        RefreshSampleText(dialog);
        EnableItem(dialog, kCircleSymbolItem, false);
        EnableItem(dialog, kSymbolPlaceItem, true);
    } else {
        sADMItem->SetTipString(item, kDrawRadiusTip);
        EnableItem(dialog, kCircleSymbolItem, true);
        ShowItem(dialog, kSymbolPlaceItem, true);
        EnableItem(dialog, kSymbolPlaceItem, w.CircleSymbolShown != 0);
    }
    sADMItem->Invalidate(item);
}

void DrawRadiusPicture(ADMItemRef item, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    if (gPrefs.PrefsPage != kCirclePrefsPage) return;
    DrawPrefsIcon(drawer, ItemId(item) == kRadiusNotDrawnPicture ? kRadiusNotDrawnIcon : kRadiusDrawnIcon, {0, 0});
}

void SymbolPlaceNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    gPrefs.Working.CircleSymbolBefore = GetPopupIndex(item) == 0 ? 1 : 0;
    sADMItem->SetTipString(item, gPrefs.Working.CircleSymbolBefore != 0 ? kSymbolBeforeTip : kSymbolAfterTip);
    const ADMDialogRef dialog = DialogOf(item);
    RefreshSampleText(dialog);
    sADMDialog->Invalidate(dialog);
}

void CircleSymbolNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    FlagBoxNotify(item, notifier);
    const ADMDialogRef dialog = DialogOf(item);
    EnableItem(dialog, kSymbolPlaceItem, gPrefs.Working.CircleSymbolShown != 0);
    RefreshSampleText(dialog);
}

void DiameterNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const ADMDialogRef dialog = DialogOf(item);
    gPrefs.Working.Diameter = gPrefs.Working.Diameter != 0 ? 0 : 1;
    ApplyTipRules(dialog, kCircleTips);
    sADMItem->Invalidate(item);
    RefreshSampleText(dialog);
}

void DrawDiameterPicture(ADMItemRef, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    DrawPrefsIcon(drawer, gPrefs.Working.Diameter != 0 ? kDiameterIcon : kRadiusIcon, {0, 0});
}

}  // namespace

PrefsPageItems prefsitems::CirclePageItems() { return {kCircleItems, kCircleTips}; }

void BuildPreferencesCirclePage(ADMDialogRef dialog) {
    FillWorkingCopies();
    CreatePrefsItems(dialog, kCircleItems);
    if (ADMItemRef popup = PrefsItem(dialog, kSymbolPlaceItem)) {
        AppendEntry(popup, "Avant", kBeforeEntryId);
        AppendEntry(popup, "Après", kAfterEntryId);
    }
    ShowRadiusChoice(dialog);
    ShowSymbolPlace(dialog);
    ShowWorkingValues(dialog, CirclePageItems());
}

void ShowCirclePageValues(ADMDialogRef dialog) {
    ShowWorkingValues(dialog, CirclePageItems());
    ShowRadiusChoice(dialog);
    ShowSymbolPlace(dialog);
    ShowDefaultUnit(dialog);
    EnableItem(dialog, kCircleSymbolItem, true);
    EnableItem(dialog, kSymbolPlaceItem, gPrefs.Working.CircleSymbolShown != 0);
    InvalidateItem(dialog, kDiameterItem);
}
