#include "dialogs/options/PreferencesDialog.h"

#include <array>

#include "dialogs/options/PreferencesItems.h"
#include "dialogs/options/PreferencesPages.h"
#include "frame/Colours.h"
#include "frame/PluginReference.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMItemSuite.h"
#include "records/DialogPositions.h"
#include "records/ToolState.h"
#include "resources/ResourceIds.h"

using namespace prefsitems;

PreferencesDialogState gPrefs;

namespace {

constexpr const char* kPrefsDialogName = "bidon";
constexpr const char* kPrefsDialogTitle = "Préférences (Vek-Tavorine).";
constexpr const char* kOkTip = "Validation des nouveaux réglages par défaut.";

const PrefsItemSpec kButtons[] = {
    {.Id = kPrefsCancelItem, .Type = kADMTextPushButtonType, .Bounds = {10, 337, 78, 357}, .Text = "Annuler",
     .Tip = "Aucune modification (Esc).", .Notify = PreferencesDialogCancel},
    {.Id = kPrefsDefaultItem, .Type = kADMTextPushButtonType, .Bounds = {192, 337, 274, 357}, .Text = "Par défaut",
     .Tip = "Retour aux valeurs par défaut.", .Notify = PreferencesDialogDefault},
    {.Id = kPrefsOkItem, .Type = kADMTextPushButtonType, .Bounds = {391, 337, 449, 357}, .Text = "OK",
     .Tip = kOkTip, .Notify = PreferencesDialogOk},
};

// Which field each invisible picture button puts the focus into.
struct Companion {
    int32_t Picture;
    int32_t Field;
};
constexpr Companion kCompanions[] = {
    {kEndMarkSizePicture, kEndMarkSizeItem},       {kLineWidthPicture, kLineWidthItem},
    {kSideTiePicture, kSideTieItem},               {kTieLinePicture, kTieLineItem},
    {kSegmentOffsetXPicture, kSegmentOffsetXItem}, {kSegmentOffsetYPicture, kSegmentOffsetYItem},
    {kPrefixPicture, kPrefixItem},                 {kSuffixPicture, kSuffixItem},
    {kDivisionsPicture, kDivisionsItem},           {kMagneticPointsPicture, kMagneticPointsItem},
    {kBodySizePicture, kBodySizeItem},             {kArcRadiusPicture, kArcRadiusItem},
    {kAngleOffsetPicture, kAngleOffsetItem},       {kRadialOffsetPicture, kRadialOffsetItem},
    {kCircleOffsetXPicture, kCircleOffsetXItem},   {kCircleOffsetYPicture, kCircleOffsetYItem},
    {kArcFactorPicture, kArcFactorItem},           {kBezierOffsetXPicture, kBezierOffsetXItem},
    {kBezierOffsetYPicture, kBezierOffsetYItem},
};

// Pictures of the common page that the dialog paints itself.
constexpr int32_t kWidthArrowPicture = 1079;
constexpr int32_t kArrowsPicture = 1023;
constexpr int32_t kPointsPicture = 1024;

// The footnote of a choice that acts only at the next launch.
constexpr const char* kNextLaunchNote = "* Au prochain lancement de l'application.";
constexpr const char* kCommonCaption = "Préférences communes.";

// The page that opens for the current tool: its own, the Segment page for the Longueurs & aires tool.
int32_t PageForTool(int32_t tool) {
    return tool >= kSegmentPrefsPage && tool <= kBezierPrefsPage ? tool : kSegmentPrefsPage;
}

void StoreBounds(ADMDialogRef dialog) {
    ADMRect bounds{};
    if (sADMDialog->GetBoundsRect(dialog, &bounds) == kNoErr) gDialogPositions.PrefsDialogBounds = bounds;
}

void Close(ADMDialogRef dialog) {
    StoreBounds(dialog);
    gDialogOpenFlags.PrefsDialogOpen = 0;
    gDialogOpenFlags.PrefsDialogRef = nullptr;
}

void Line(ADMDrawerRef drawer, int32_t h1, int32_t v1, int32_t h2, int32_t v2) {
    const ADMPoint start{h1, v1};
    const ADMPoint end{h2, v2};
    sADMDrawer->DrawLine(drawer, &start, &end);
}

// A line in the shadow colour with a white line beside it, one pixel right of or below it.
void EtchedLine(ADMDrawerRef drawer, int32_t h1, int32_t v1, int32_t h2, int32_t v2) {
    sADMDrawer->SetADMColor(drawer, kADMShadowColor);
    Line(drawer, h1, v1, h2, v2);
    sADMDrawer->SetADMColor(drawer, kADMWhiteColor);
    const int32_t dh = v1 == v2 ? 0 : 1;
    const int32_t dv = v1 == v2 ? 1 : 0;
    Line(drawer, h1 + dh, v1 + dv, h2 + dh, v2 + dv);
}

void ClearRect(ADMDrawerRef drawer, ADMRect rect) { sADMDrawer->ClearRect(drawer, &rect); }
void FillRect(ADMDrawerRef drawer, ADMRect rect) { sADMDrawer->FillRect(drawer, &rect); }

void ShadowText(ADMDrawerRef drawer, const char* text, ADMPoint at) {
    sADMDrawer->SetADMColor(drawer, kADMShadowColor);
    sADMDrawer->DrawText(drawer, text, &at);
}

// The stroke colour beside the line width: a black frame, or none for a dark grey, then the colour.
void DrawStrokeSwatch(ADMDrawerRef drawer) {
    constexpr double kDarkGrey = 50.0;
    if (gColourSettings.StrokeModel == kGreyModel && gColourSettings.Stroke.Grey > kDarkGrey) {
        ClearRect(drawer, {19, 23, 26, 37});
    } else {
        sADMDrawer->SetADMColor(drawer, kADMBlackColor);
        FillRect(drawer, {19, 24, 26, 36});
    }
    ADMRGBColor colour;
    GetDisplayColour(&colour, kStrokeSide);
    sADMDrawer->SetRGBColor(drawer, &colour);
    FillRect(drawer, {20, 25, 25, 35});
}

// The footnote and asterisk of "Associer les outils à l'outil Pipette." while it is ticked.
void DrawNextLaunchNote(ADMDrawerRef drawer) {
    ClearRect(drawer, {48, 169, 268, 182});
    ClearRect(drawer, {273, 156, 281, 164});
    if (gPrefs.Working.ToolsGrouped == 0) return;
    ShadowText(drawer, kNextLaunchNote, {48, 178});
    ShadowText(drawer, "*", {273, 165});
}

}  // namespace

void ResetPreferencesDialogState() { gPrefs = PreferencesDialogState{}; }

void OpenPreferencesDialog() {
    if (gDialogOpenFlags.PrefsDialogOpen != 0 || sADMDialog == nullptr) return;
    int32_t result = 0;
    sADMDialog->Modal(OwnPluginRef(), kPrefsDialogName, kPreferencesDialogID, kADMModalDialogStyle,
                      PreferencesDialogInit, nullptr, 0, &result);
}

ASErr PreferencesDialogInit(ADMDialogRef dialog) {
    gDialogOpenFlags.PrefsDialogRef = dialog;
    ADMRect& bounds = gDialogPositions.PrefsDialogBounds;
    bounds.right = bounds.left + kPrefsDialogWidth;
    bounds.bottom = bounds.top + kPrefsDialogHeight;
    sADMDialog->SetBoundsRect(dialog, &bounds);
    sADMDialog->SetText(dialog, kPrefsDialogTitle);
    sADMDialog->SetDrawProc(dialog, PreferencesDialogDraw);
    gPrefs.PrefsPage = PageForTool(gToolState.CurrentTool);

    BuildPreferencesCommonPage(dialog);
    BuildPreferencesSegmentPage(dialog);
    BuildPreferencesAnglePage(dialog);
    BuildPreferencesCirclePage(dialog);
    BuildPreferencesBezierPage(dialog);
    RefreshSampleText(dialog);
    CreatePrefsItems(dialog, kButtons);
    ShowPreferencePage(dialog);
    EnableItem(dialog, kPrefsOkItem, true);
    SetItemTip(dialog, kPrefsOkItem, kOkTip);

    gDialogOpenFlags.PrefsDialogOpen = 1;
    return kNoErr;
}

void PreferencesDialogDraw(ADMDialogRef dialog, ADMDrawerRef drawer) {
    sADMDialog->DefaultDraw(dialog, drawer);
    DrawPreferencesFrames(drawer);
    DrawStrokeSwatch(drawer);
    DrawNextLaunchNote(drawer);
    DrawPrefsIcon(drawer, kWidthArrowPicture, {16, 19});
    ClearRect(drawer, {194, 24, 212, 37});
    DrawPrefsIcon(drawer, gPrefs.Working.ArrowHeads != 0 ? kArrowsPicture : kPointsPicture, {194, 24});
    DrawPreferencePagePictures(drawer);
}

void DrawPreferencesFrames(ADMDrawerRef drawer) {
    // The common page: a rectangle with a rule under its caption.
    EtchedLine(drawer, 10, 10, 450, 10);
    EtchedLine(drawer, 10, 10, 10, 184);
    EtchedLine(drawer, 450, 10, 450, 184);
    EtchedLine(drawer, 10, 184, 450, 184);
    EtchedLine(drawer, 11, 25, 32, 25);
    EtchedLine(drawer, 167, 25, 449, 25);
    ClearRect(drawer, {161, 4, 290, 14});
    ShadowText(drawer, kCommonCaption, {165, 13});
    // The tool pages: open at the top.
    EtchedLine(drawer, 11, 198, 11, 298);
    EtchedLine(drawer, 449, 198, 449, 298);
    EtchedLine(drawer, 11, 298, 449, 298);
}

void PreferencesDialogOk(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    sADMItem->DefaultNotify(item, notifier);
    const ADMDialogRef dialog = DialogOf(item);
    StoreBounds(dialog);
    if (!CommitPreferences()) sADMBasic->MessageAlert(kPrefsNotAllSavedAlert);
    Close(dialog);
}

void PreferencesDialogCancel(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    sADMItem->DefaultNotify(item, notifier);
    Close(DialogOf(item));
}

void PreferencesDialogDefault(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    sADMItem->DefaultNotify(item, notifier);
    const ADMDialogRef dialog = DialogOf(item);
    SetFactoryPreferences();
    ShowCommonPageValues(dialog);
    switch (gPrefs.PrefsPage) {
        case kSegmentPrefsPage: ShowSegmentPageValues(dialog); break;
        case kAnglePrefsPage: ShowAnglePageValues(dialog); break;
        case kCirclePrefsPage: ShowCirclePageValues(dialog); break;
        case kBezierPrefsPage: ShowBezierPageValues(dialog); break;
        default: break;
    }
    RefreshSampleText(dialog);
    sADMDialog->Invalidate(dialog);
    ActivateItem(dialog, kLineWidthItem);
}

void CompanionButtonNotify(ADMItemRef item, ADMNotifierRef) {
    const int32_t id = ItemId(item);
    for (const Companion& companion : kCompanions)
        if (companion.Picture == id) SelectDialogItem(item, companion.Field);
}

void SelectDialogItem(ADMItemRef item, int32_t id) {
    ActivateItem(DialogOf(item), static_cast<int16_t>(id));
}
