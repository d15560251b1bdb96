#include "panel/TavorineDialogue.h"

#include "dimension/ValueFormat.h"
#include "frame/Colours.h"
#include "frame/LiveOptions.h"
#include "frame/PathStyles.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogGroupSuite.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "panel/CurrentOptions.h"
#include "panel/HelpPages.h"
#include "panel/MainItems.h"
#include "dimension/LinearDimensions.h"
#include "panel/PanelEditing.h"
#include "panel/PanelItems.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "panel/ScalePopup.h"
#include "panel/SectionItems.h"
#include "panel/ToolPages.h"
#include "panel/UnitPopups.h"
#include "records/CurrentOptions.h"
#include "records/DialogPositions.h"
#include "records/DragValues.h"
#include "resources/ResourceIds.h"
#include "tools/RememberedSegments.h"

namespace {

constexpr const char* kPanelName = "Tavorine";
constexpr size_t kDockGroupSize = 256;
constexpr int32_t kScaleMarkerPicture = 1076;

// A modal dialog's size, and where its first position is kept.
struct DialogSize {
    ADMRect DialogPositions::*Bounds;
    int32_t Width;
    int32_t Height;
};
constexpr DialogSize kDialogSizes[] = {
    {&DialogPositions::PrefsDialogBounds, 460, 395},   {&DialogPositions::ArrowEditorBounds, 500, 400},
    {&DialogPositions::OtherOptionsBounds, 308, 269},  {&DialogPositions::CustomScaleDialogBounds, 200, 120},
    {&DialogPositions::FreeTextsBounds, 260, 220},     {&DialogPositions::SegmentDialogBounds, 290, 220},
    {&DialogPositions::AngleDialogBounds, 290, 220},   {&DialogPositions::CircleDialogBounds, 290, 220},
    {&DialogPositions::BezierDialogBounds, 620, 585},  {&DialogPositions::ColourDialogBounds, 213, 135},
};

void ClearDialogOpenFlags() {
    DialogOpenFlags& flags = gDialogOpenFlags;
    flags.PrefsDialogOpen = flags.ArrowEditorOpen = flags.OtherOptionsOpen = flags.CustomScaleDialogOpen = 0;
    flags.FreeTextsOpen = flags.SegmentDialogOpen = flags.AngleDialogOpen = flags.CircleDialogOpen = 0;
    flags.BezierDialogOpen = 0;
}

// The live copies the panel's set-up takes before its items are built.
void CopyStartingLiveValues() {
    LoadLiveOption(&CurrentOptions::Unit);
    LoadLiveOption(&CurrentOptions::SideTiesOn);
    LoadLiveOption(&CurrentOptions::SeriesOn);
    LoadLiveOption(&CurrentOptions::SeriesKind);
    LoadLiveOption(&CurrentOptions::ShowUnit);
    LoadLiveOption(&CurrentOptions::ShowAngleUnit);
    LoadLiveOption(&CurrentOptions::AngleCreateAngle);
    LoadLiveOption(&CurrentOptions::CircleCreateAngle);
    LoadLiveOption(&CurrentOptions::CircleCreateArc);
    LoadLiveOption(&CurrentOptions::CircleCreateSector);
    LoadLiveOption(&CurrentOptions::SegmentCreateWithDimension);
    LoadLiveOption(&CurrentOptions::AngleCreateWithDimension);
    LoadLiveOption(&CurrentOptions::CircleCreateWithDimension);
}

void ResetWorkingValues() {
    DragValues& drag = gDragValues;
    drag.FlattenDepth = kFlattenDepth;
    drag.CreatedSegmentLength = drag.CreatedAngleSide = drag.CreatedAngleRotation = 0.0f;
    drag.CreatedCircleRadius = drag.ArcSweep = 0.0f;
    gCurrentOptions.BezierPathLength = kDefaultBezierPathLength;
    FreeRememberedSegments();
}

// The flyout menu the dialog manager gives the panel: its entries change the panel as its items do.
constexpr PanelItemSpec kFlyoutMenu{kADMMenuItemID, nullptr, {}, nullptr, nullptr, PanelMenuNotify, nullptr, false,
                                    nullptr};

void SetUpFlyoutMenu(ADMDialogRef dialog, SPPluginRef plugin) {
    ADMItemRef menu = nullptr;
    ADMListRef list = nullptr;
    if (sADMDialog->GetItem(dialog, kADMMenuItemID, &menu) != kNoErr) return;
    RoutePanelNotify(menu, kFlyoutMenu);
    if (sADMItem->GetList(menu, &list) == kNoErr) sADMList->SetMenuID(list, plugin, kPanelMenuID);
}

void BuildItemGroups(ADMDialogRef dialog) {
    MakeMainPanelItems(dialog);
    MakeSegmentDimensionItems(dialog);
    MakeAngleDimensionItems(dialog);
    MakeCircleDimensionItems(dialog);
    MakeLengthItems(dialog);
    MakeTextOffsetItems(dialog);
    MakeFontItems(dialog);
    BuildUnitPopups(dialog);
    MakeProjectionItems(dialog);
    MakeReadoutItems(dialog);
}

constexpr PanelItemSpec kScaleItems[] = {
    {kScalePopupItem, kADMPopupListType, {153, 68, 236, 85}, "Échelle du dessin", nullptr, ScalePopupNotify, nullptr,
     true,
     [](ADMItemRef item) {
         FillScaleEntries(item);
         UpdateScaleRatio(gCurrentOptions.ScaleNumerator, gCurrentOptions.ScaleDenominator);
         SelectPanelScaleEntry(item);
     }},
    {kScaleMarkerItem, kADMPictureStaticType, {208, 4, 214, 10}, nullptr, nullptr, nullptr, nullptr, false,
     [](ADMItemRef item) { sADMItem->SetPictureID(item, kScaleMarkerPicture); }},
    {kScalePictureItem, kADMPicturePushButtonType, {128, 70, 152, 86}, "Échelle du dessin", ScalePictureDraw,
     nullptr, ScalePictureTrack, false, nullptr},
};

// The group and position code the palette docks with: the stored ones, else "SDK Dialogs" and 7168.
void DockPanel(ADMDialogRef dialog) {
    char group[kDockGroupSize] = kDefaultDockGroup;
    char stored[kDockGroupSize] = {};
    if (sAIPreference->GetStringPreference(kDockPrefix, kDockGroupKey, stored, sizeof stored) == kNoErr)
        SetSettingName(group, sizeof group, stored);
    int32_t code = kDefaultPanelDockCode;
    int32_t storedCode = 0;
    if (sAIPreference->GetIntegerPreference(kDockPrefix, kDockCodeKey, &storedCode) == kNoErr) code = storedCode;
    sADMDialogGroup->SetDialogGroupInfo(dialog, group, code);
}

void SizePanel(ADMDialogRef dialog) {
    const bool shown = gSettings.OptionsShown != 0;
    const ADMRect bounds{0, 0, kPanelWidth, shown ? kOptionsShownHeight : kOptionsHiddenHeight};
    sADMDialog->SetBoundsRect(dialog, &bounds);
    ADMItemRef menu = nullptr;
    ADMListRef list = nullptr;
    ADMEntryRef entry = nullptr;
    if (sADMDialog->GetItem(dialog, kADMMenuItemID, &menu) == kNoErr && sADMItem->GetList(menu, &list) == kNoErr &&
        sADMList->GetEntry(list, kFlyoutOptionsEntry, &entry) == kNoErr)
        sADMEntry->SetText(entry, shown ? "Masquer les options" : "Afficher les options");
}

}  // namespace

void ComputeDialogPositions(const AIRect& screen) {
    const int32_t width = screen.right - screen.left;
    const int32_t height = screen.bottom - screen.top;
    for (const DialogSize& size : kDialogSizes) {
        ADMRect& bounds = gDialogPositions.*size.Bounds;
        bounds.top = (height - size.Height) / 3;
        bounds.left = (width - size.Width) >> 1;
        bounds.right = bounds.left + size.Width;
        bounds.bottom = bounds.top + size.Height;
    }
}

TavorineDialogue::TavorineDialogue(SPPluginRef pluginRef) : BaseADMDialog(pluginRef) {
    Create(kPanelName, kPanelDialogID, kADMTabbedFloatingDialogStyle, 0);
}

TavorineDialogue::~TavorineDialogue() {
    if (fDialogRef != nullptr && sADMDialogGroup != nullptr) {
        char group[kDockGroupSize] = {};
        int32_t code = 0;
        if (sADMDialogGroup->GetDialogGroupInfo(fDialogRef, group, sizeof group, &code) == kNoErr)
            gPanelDock.DockCode = code;
    }
    if (PanelDialog == fDialogRef) PanelDialog = nullptr;
    if (fPluginAccess != nullptr && sSPAccess != nullptr) sSPAccess->ReleasePlugin(fPluginAccess);
    fPluginAccess = nullptr;
}

void TavorineDialogue::DialogDestroyed() {
    if (PanelDialog == fDialogRef) PanelDialog = nullptr;
    BaseADMDialog::DialogDestroyed();
}

ASErr TavorineDialogue::Init() {
    const ASErr result = BaseADMDialog::Init();
    AIAppContextHandle context = nullptr;
    sAIContext->PushAppContext(fPluginRef, &context);
    sSPAccess->AcquirePlugin(fPluginRef, &fPluginAccess);
    PanelDialog = fDialogRef;
    sADMDialog->SetDrawProc(fDialogRef, PanelDraw);
    ClearDialogOpenFlags();
    sADMBasic->GetScreenDimensions(&ScreenBounds);
    ComputeDialogPositions(ScreenBounds);
    CopyStartingLiveValues();
    InitPathStyles();
    ApplyStrokeColourToStyles(gColourSettings.GlobalSwatches);
    ResetWorkingValues();
    SetUpFlyoutMenu(fDialogRef, fPluginRef);
    BuildItemGroups(fDialogRef);
    UpdateSeriesLabelStep();
    MakePanelItems(fDialogRef, kScaleItems);
    ShowScaleMarker();
    MakeHelpItems(fDialogRef);
    SizePanel(fDialogRef);
    sADMDialog->Show(fDialogRef, gSettings.PanelVisible != 0 ? 1 : 0);
    DockPanel(fDialogRef);
    sAIContext->PopAppContext(context);
    return result;
}

bool TavorineDialogue::IsShown() const {
    ADMBoolean visible = 0;
    return fDialogRef != nullptr && sADMDialog->IsVisible(fDialogRef, &visible) == kNoErr && visible != 0;
}

void TavorineDialogue::SetShown(bool shown) {
    if (fDialogRef != nullptr) sADMDialog->Show(fDialogRef, shown ? 1 : 0);
}

void TavorineDialogue::LayoutPanelForTool(int32_t enabled) { ::LayoutPanelForTool(enabled); }
void TavorineDialogue::ShowPanelSegmentPage(int32_t enabled) { ::ShowPanelSegmentPage(enabled); }
void TavorineDialogue::ShowPanelAnglePage(int32_t enabled) { ::ShowPanelAnglePage(enabled); }
void TavorineDialogue::EnablePanelMenuEntries(int32_t enabled) { ::EnablePanelMenuEntries(enabled); }
void TavorineDialogue::EnableFlyoutEntry(int32_t entryID, int32_t enabled) {
    EnableEntryByID(PanelItem(kADMMenuItemID), entryID, enabled != 0);
}
void TavorineDialogue::ShowSelectionMeasures() { ::ShowSelectionMeasures(); }
void TavorineDialogue::ShowFigureArea() { ::ShowFigureArea(); }
void TavorineDialogue::ShowCurvePartText(const char* line) { ::ShowCurvePartText(line); }

void TavorineDialogue::ShowPlacementValues() { ShowPlacementInPanel(); }
