// The items every tool page shares, the Segment tool's options and the font items.
#include "panel/MainItems.h"

#include <iterator>

#include "dimension/ValueFormat.h"
#include "frame/ArrowHeads.h"
#include "frame/LiveOptions.h"
#include "frame/PathStyles.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMItemSuite.h"
#include "panel/FontChoice.h"
#include "panel/PanelItems.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "panel/SectionItems.h"
#include "panel/UnitPopups.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "records/ToolState.h"

namespace {

// The action mask of the decimals indicator: the button going down, moves with it held and the tracker's own
// modifier events.
constexpr int32_t kDecimalsTrackMask = 0x20046;
// What the extension lines reach beyond the side ties, per percent of end-mark size.
constexpr double kReachPerEndMarkSize = 0.04;
// The line-width popup's steps of 0.2 point, and the sizes after them.
constexpr int kLineWidthFineSteps = 9;
constexpr float kLineWidthFineStep = 0.2f;
constexpr float kLineWidthCoarse[] = {2.0f, 3.0f, 4.0f, 5.0f, 10.0f, 15.0f, 20.0f};
// The end-size popup: 0, then 100 to 300 in steps of 25.
constexpr int kEndSizeSteps = 9;
constexpr float kEndSizeBase = 75.0f;
constexpr float kEndSizeStep = 25.0f;
// Text limits (terminator included) of the popups' number texts.
constexpr int32_t kLineWidthTextSize = 8;
constexpr int32_t kEndSizeTextSize = 5;

constexpr const char* kCoverTip = "Cliquez sur le panneau pour activer l'outil.";
constexpr const char* kReloadTip =
    "Applique les valeurs des préférences à la cote en cours\rClic+Commande->Annule la cote en cours.";
constexpr const char* kWebPageTip = "Notice de Tavorine";
constexpr const char* kLineWidthTip = "Épaisseur des traits\rClic+Commande->Épaisseur par défaut.";
constexpr const char* kColourTip = "Dialogue des couleurs et options.";
constexpr const char* kEndSizeTip = "Taille des extrémités\rClic+Commande->Taille par défaut.";
constexpr const char* kDecimalsTip = "Nombre de chiffres après la virgule (de 0 à 6).";
constexpr const char* kSideTieTip = "Longueur des attaches latérales\rClic+Commande->Longueur par défaut.";
constexpr const char* kArrowDirectionTip = "Change le sens des pointes >-</<-> (touche Control).";
constexpr const char* kTextSizeTip = "Corps du texte (Clic+Commande->Corps par défaut).";
constexpr const char* kModifyFreeTexts = "Modifier…";
constexpr const char* kAreaText = "Aire du polygone=";

// Appends an entry whose text is the dialog manager's writing of a number.
void AppendNumberEntry(ADMItemRef item, float value, int32_t textSize, int32_t units, int32_t precision,
                       int32_t entryID) {
    char text[16] = {};
    sADMBasic->ValueToString(value, text, textSize, units, precision, 1);
    AppendEntry(item, text, entryID);
}

void SetUpLineWidth(ADMItemRef item) {
    SetFloatValue(item, gCurrentOptions.LineWidth);
    sADMItem->SetUnits(item, kADMPointUnits);
    SetSteps(item, 0.1f, 1.0f);
    sADMItem->SetMinFloatValue(item, 0.0f);
    int32_t id = 0;
    for (int k = 1; k <= kLineWidthFineSteps; ++k)
        AppendNumberEntry(item, static_cast<float>(k) * kLineWidthFineStep, kLineWidthTextSize, kADMPointUnits, 1,
                          id++);
    for (float width : kLineWidthCoarse) AppendNumberEntry(item, width, kLineWidthTextSize, kADMPointUnits, 1, id++);
}

void SetUpEndSize(ADMItemRef item) {
    sADMItem->SetUnits(item, kADMPercentUnits);
    sADMItem->ShowUnits(item, 1);
    SetSteps(item, 5.0f, 50.0f);
    AppendNumberEntry(item, 0.0f, kEndSizeTextSize, kADMPercentUnits, 0, 0);
    AppendEntry(item, nullptr, 0);
    for (int k = 1; k <= kEndSizeSteps; ++k)
        AppendNumberEntry(item, kEndSizeBase + kEndSizeStep * static_cast<float>(k), kEndSizeTextSize,
                          kADMPercentUnits, 0, k);
    sADMItem->SetMinFloatValue(item, 0.0f);
    SetFloatValue(item, gCurrentOptions.EndMarkSize);
}

void SetUpReload(ADMItemRef item) {
    sADMItem->SetPictureID(item, 1001);
    sADMItem->SetSelectedPictureID(item, 1002);
    sADMItem->SetBooleanValue(item, 0);
}

void SetUpDecimals(ADMItemRef item) {
    sADMItem->SetSmallIncrement(item, 1.0f);
    sADMItem->SetMinIntValue(item, 0);
    sADMItem->SetMaxIntValue(item, 6);
    sADMItem->SetPrecision(item, 0);
    sADMItem->SetIntValue(item, gCurrentOptions.Decimals);
}

void SetUpFreeTextMenu(ADMItemRef item) {
    for (int i = 0; i < kFreeTextCount; ++i) AppendEntry(item, SettingString(gSettings.FreeTexts[i]), i);
    AppendEntry(item, nullptr, 0);
    AppendEntry(item, kModifyFreeTexts, 6);
}

void SetUpTextFromFreeLabel(ADMItemRef item) { sADMItem->SetText(item, SettingString(gValueFormat.FreeLabelText)); }
void SetUpTextFromTolerance(ADMItemRef item) { sADMItem->SetText(item, SettingString(gValueFormat.ToleranceText)); }
void SetUpAreaText(ADMItemRef item) { sADMItem->SetText(item, kAreaText); }
void SetUpDecimalsIndicator(ADMItemRef item) { sADMItem->SetMask(item, kDecimalsTrackMask); }

constexpr PanelItemSpec kCoverAndButtons[] = {
    {kCoverItem, kADMPictureStaticType, {0, 0, 240, 172}, kCoverTip, PanelNoOpProc, CoverClickNotify, nullptr, false,
     nullptr},
    {kReloadItem, kADMPicturePushButtonType, {216, 2, 236, 22}, kReloadTip, nullptr, ReloadPanelNotify,
     CancelDimensionTrack, false, SetUpReload},
    {kWebPageItem, kADMPicturePushButtonType, {206, 10, 216, 20}, kWebPageTip, WebPageButtonPictureDraw,
     OpenWebPageNotify, nullptr, false, [](ADMItemRef item) { sADMItem->SetBooleanValue(item, 0); }},
};

constexpr PanelItemSpec kMainFields[] = {
    {kLineWidthItem, kADMSpinEditPopupType, {25, 23, 110, 45}, kLineWidthTip, nullptr, LineWidthNotify, nullptr,
     true, SetUpLineWidth},
    {kLineWidthPictureItem, kADMPicturePushButtonType, {15, 23, 23, 45}, kLineWidthTip, PanelNoOpProc,
     ActivatePartnerItemNotify, ResetLineWidthTrack, false, nullptr},
    {kLineColourItem, kADMPicturePushButtonType, {1, 23, 15, 45}, kColourTip, LineColourButtonDraw,
     ColourButtonNotify, nullptr, false, nullptr},
    {kEndSizeItem, kADMSpinEditPopupType, {25, 1, 110, 23}, kEndSizeTip, nullptr, EndMarkSizeNotify, nullptr, true,
     SetUpEndSize},
    {kEndSizePictureItem, kADMPicturePushButtonType, {8, 6, 20, 23}, kEndSizeTip, PanelNoOpProc,
     ActivatePartnerItemNotify, ResetEndSizeTrack, false, nullptr},
    {kArrowsPointsItem, kADMPicturePushButtonType, {2, 6, 19, 22}, "Bascule Flèches/Points.",
     ArrowsPointsPictureDraw, ArrowsPointsNotify, nullptr, false, nullptr},
    {kDecimalsItem, kADMSpinEditType, {25, 45, 57, 67}, kDecimalsTip, nullptr, DecimalsNotify, nullptr, true,
     SetUpDecimals},
    {kDecimalsPictureItem, kADMPicturePushButtonType, {0, 48, 24, 64}, kDecimalsTip, DecimalsIndicatorDraw, nullptr,
     DecimalsDragTrack, false, SetUpDecimalsIndicator},
    {kFreeTextMenuItem, kADMPopupMenuType, {94, 90, 110, 109}, "Texte libre.", nullptr, FreeTextMenuNotify, nullptr,
     true, SetUpFreeTextMenu},
    {kFreeTextItem, kADMTextEditType, {5, 90, 96, 109}, nullptr, nullptr, FreeTextEditNotify, nullptr, true,
     SetUpTextFromFreeLabel},
    {kToleranceTextItem, kADMTextEditType, {150, 90, 235, 109}, nullptr, nullptr, ToleranceTextNotify, nullptr, true,
     SetUpTextFromTolerance},
    {kToleranceButtonItem, kADMPicturePushButtonType, {125, 90, 149, 109}, "Active la zone de texte de tolérance.",
     TolerancePictureDraw, ToleranceButtonNotify, nullptr, false, nullptr},
    {kAreaTextItem, kADMTextStaticType, {3, 133, 236, 152}, "Affiche l'aire de la figure cliquée (polygone ou disque).",
     nullptr, nullptr, nullptr, true, SetUpAreaText},
};

void SetUpSideTie(ADMItemRef item) {
    sADMItem->ShowUnits(item, 1);
    SetFieldUnits(item);
    SetFloatValue(item, gCurrentOptions.SideTieLength);
}

void SetUpTextOrientation(ADMItemRef item) {
    sADMItem->SetBooleanValue(item, gCurrentOptions.HorizontalText);
    sADMItem->Enable(item, gCurrentOptions.DimensionOrientation != 1 ? 1 : 0);
}

void EnableWhenTextShifted(ADMItemRef item) { sADMItem->Enable(item, gToolState.LabelPosition > 0 ? 1 : 0); }

constexpr PanelItemSpec kSegmentItems[] = {
    {kSideTieItem, kADMSpinEditType, {151, 23, 236, 45}, kSideTieTip, nullptr, SideTieLengthNotify, nullptr, true,
     SetUpSideTie},
    {kWithTiesItem, kADMPicturePushButtonType, {108, 23, 120, 45}, "Avec ou sans attaches.", PanelNoOpProc,
     WithTiesNotify, nullptr, false, nullptr},
    {kSideTiePictureItem, kADMPicturePushButtonType, {116, 27, 148, 39}, kSideTieTip, TiesPictureDraw,
     ActivatePartnerItemNotify, nullptr, false, nullptr},
    {kSeriesOnItem, kADMPicturePushButtonType, {181, 4, 191, 21}, "Active ou non la tavorine en série.",
     PanelNoOpProc, SeriesOnNotify, nullptr, false, nullptr},
    {kSeriesTypeOneItem, kADMPicturePushButtonType, {193, 4, 202, 13}, "Type un", PanelNoOpProc,
     SeriesTypeOneNotify, nullptr, false, nullptr},
    {kSeriesTypeTwoItem, kADMPicturePushButtonType, {193, 14, 202, 23}, "Type deux", PanelNoOpProc,
     SeriesTypeTwoNotify, nullptr, false, nullptr},
    {kSeriesTypePictureItem, kADMPicturePushButtonType, {181, 4, 203, 21}, nullptr, SeriesTypePictureDraw, nullptr,
     nullptr, false, nullptr},
    {kTextOrientationItem, kADMPicturePushButtonType, {72, 48, 93, 66}, "Texte horizontal ou oblique.",
     TextOrientationPictureDraw, TextOrientationNotify, nullptr, false, SetUpTextOrientation},
    {kTextPositionItem, kADMPicturePushButtonType, {122, 49, 148, 64},
     "Texte décalé à droite, décalé à gauche ou centré.", PanelNoOpProc, TextPositionNotify, nullptr, false, nullptr},
    {kSideTextItem, kADMPicturePushButtonType, {109, 53, 120, 64}, nullptr, PanelNoOpProc, SideTextNotify, nullptr,
     false, EnableWhenTextShifted},
    {kTextPositionPictureItem, kADMPicturePushButtonType, {109, 53, 120, 64}, nullptr, TextPositionPictureDraw,
     nullptr, nullptr, false, EnableWhenTextShifted},
    {kInvertLineItem, kADMPicturePushButtonType, {203, 49, 218, 64}, "Inverse la ligne de cote.",
     InvertLinePictureDraw, FlipLineNotify, nullptr, false, nullptr},
    {kSegmentArrowsItem, kADMPicturePushButtonType, {221, 51, 236, 60}, kArrowDirectionTip,
     SegmentArrowDirectionPictureDraw, SegmentArrowsNotify, nullptr, false,
     [](ADMItemRef item) { sADMItem->SetBooleanValue(item, gToolState.SegmentArrowsFlag); }},
};

void SetUpFont(ADMItemRef item) {
    gCurrentOptions.FontIndex = SelectFontByName(item, gSettings.FontName);
}

void SetUpTextSize(ADMItemRef item) {
    sADMItem->SetUnits(item, kADMPointUnits);
    SetSteps(item, 1.0f, 4.0f);
    sADMItem->SetMinFloatValue(item, 0.1f);
    SetFloatValue(item, gCurrentOptions.TextSize);
}

constexpr PanelItemSpec kFontItems[] = {
    {kFontItem, kADMTextEditScrollingPopupType, {6, 151, 106, 173}, "Noms des polices installées.", nullptr,
     FontNotify, nullptr, true, SetUpFont},
    {kTextSizeItem, kADMSpinEditType, {151, 151, 236, 173}, kTextSizeTip, nullptr, TextSizeNotify, nullptr, true,
     SetUpTextSize},
    {kTextColourPictureItem, kADMPicturePushButtonType, {132, 154, 148, 167}, kTextSizeTip, TextColourButtonDraw,
     ActivatePartnerItemNotify, nullptr, false, nullptr},
    {kTextColourItem, kADMPicturePushButtonType, {112, 154, 132, 167}, kColourTip, PanelNoOpProc, ColourButtonNotify,
     nullptr, false, nullptr},
};

// The tolerance starts over at each build: "0,25" or "0.25" by the decimal separator, switched off.
void ResetToleranceText() {
    SetToleranceText(gSettings.DecimalSeparator == ',' ? "0,25" : "0.25");
    gValueFormat.ToleranceOn = 0;
}

}  // namespace

void MakeMainPanelItems(ADMDialogRef dialog) {
    CurrentOptions& live = gCurrentOptions;
    LoadLiveOption(&CurrentOptions::ArrowPreset);
    MakePanelItems(dialog, kCoverAndButtons);
    MakeArrowShapeItems(dialog);
    LoadLiveOption(&CurrentOptions::LineWidth);
    gPathStyles.DimensionLineStyle.stroke.width = SettingAsLength(live.LineWidth);
    LoadLiveOption(&CurrentOptions::EndMarkSize);
    live.ActiveEndMarkSize = live.EndMarkSize;
    LoadLiveOption(&CurrentOptions::Decimals);
    ResetToleranceText();
    MakePanelItems(dialog, kMainFields);
}

void MakeSegmentDimensionItems(ADMDialogRef dialog) {
    CurrentOptions& live = gCurrentOptions;
    LoadLiveOption(&CurrentOptions::SideTieLength);
    gDimensionValues.ExtensionLineReach = live.SideTieLength + kReachPerEndMarkSize * live.EndMarkSize;
    LoadLiveOption(&CurrentOptions::SeriesOn);
    LoadLiveOption(&CurrentOptions::SeriesKind);
    LoadLiveOption(&CurrentOptions::HorizontalText);
    gDragValues.LineFlipped = 0;
    gToolState.SegmentArrowsFlag = 0;
    MakePanelItems(dialog, kSegmentItems);
}

void MakeFontItems(ADMDialogRef dialog) {
    LoadLiveOption(&CurrentOptions::TextSize);
    MakePanelItems(dialog, kFontItems);
}
