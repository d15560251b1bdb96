// The option sections of the Angle, Cercle, Bézier, Segment and Longueurs & aires pages.
#include "panel/SectionItems.h"

#include "dimension/ValueFormat.h"
#include "frame/LiveOptions.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMItemSuite.h"
#include "host/RealMathSuite.h"
#include "panel/CurrentOptions.h"
#include "panel/PanelItems.h"
#include "panel/PanelProcedures.h"
#include "panel/PanelState.h"
#include "panel/UnitPopups.h"
#include "records/CurrentOptions.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

// The direction of a new circle dimension's label: a quarter of pi.
constexpr float kStartCircleLabelAngle = 0.78539818f;
// The dimension-angle popup: every 30 degrees from -150 to 180, separators around 0.
constexpr int kFirstAngleStep = -5;
constexpr int kLastAngleStep = 6;
constexpr float kAngleStepDegrees = 30.0f;
constexpr int32_t kAngleEntryTextSize = 6;

constexpr const char* kArrowDirectionTip = "Change le sens des pointes >-</<-> (touche Control).";
constexpr const char* kArcGapTip = "Écart entre les différents arcs.";
constexpr const char* kPathLengthTip = "Longueur du tracé.";
constexpr const char* kDivisionTip =
    "Nombre de divisions d'un segment, d'un angle, d'un arc ou d'une courbe de Bézier\r"
    "Clic+Commande->Nombre par défaut.";
constexpr const char* kCircleTieTip = "Longueur de la ligne d'attache\rClic+Commande->Longueur par défaut.";
constexpr const char* kCircleAngleTip = "Angle de la cote (de -180° à 180°).";
constexpr const char* kArcRadiusTip = "Rayon de l'arc\rClic+Commande->Rayon par défaut.";
constexpr const char* kHorizontalOffsetTip = "Décalage horizontal du texte\rClic+Commande->Décalage par défaut.";
constexpr const char* kVerticalOffsetTip = "Décalage vertical du texte\rClic+Commande->Décalage par défaut.";
constexpr const char* kAngularOffsetTip = "Décalage angulaire par défaut.";
constexpr const char* kRadialOffsetTip = "Décalage radial par défaut.";
constexpr const char* kArrowShapeTip = "Forme des pointes des flèches.";

void NoUnitInteger(ADMItemRef item, int32_t value, int32_t minimum) {
    sADMItem->SetUnits(item, kADMNoUnits);
    sADMItem->SetIntValue(item, value);
    sADMItem->SetMinIntValue(item, minimum);
}

constexpr PanelItemSpec kMultiArcItems[] = {
    {kSingleArcItem, kADMPicturePushButtonType, {113, 48, 129, 64}, "Arc normal.", SingleArcPictureDraw,
     SingleArcNotify, nullptr, false, nullptr},
    {kMultipleArcsItem, kADMPicturePushButtonType, {130, 48, 146, 64}, "Arcs multiples.", MultipleArcsPictureDraw,
     MultipleArcsNotify, nullptr, false, nullptr},
    {kArcCountItem, kADMSpinEditType, {151, 45, 236, 67}, "Nombre d'arcs (maximum 20).", nullptr, ArcCountNotify,
     nullptr, true,
     [](ADMItemRef item) {
         NoUnitInteger(item, gCurrentOptions.ArcCount, 1);
         sADMItem->SetMaxIntValue(item, 20);
     }},
    {kArcGapItem, kADMSpinEditType, {151, 67, 236, 89}, kArcGapTip, nullptr, ArcGapNotify, nullptr, true,
     [](ADMItemRef item) {
         sADMItem->SetUnits(item, kADMPointUnits);
         SetSteps(item, 1.0f, 10.0f);
         sADMItem->SetMinFloatValue(item, 0.0f);
         sADMItem->SetFloatValue(item, static_cast<float>(gCurrentOptions.ArcGap));
     }},
    {kArcGapPictureItem, kADMPictureRadioButtonType, {126, 67, 150, 89}, kArcGapTip, PanelNoOpProc,
     ActivatePartnerItemNotify, nullptr, false, nullptr},
};

constexpr PanelItemSpec kLengthItems[] = {
    {kBezierArrowsItem, kADMPicturePushButtonType, {60, 51, 75, 60}, kArrowDirectionTip,
     BezierArrowDirectionPictureDraw, BezierArrowsNotify, nullptr, false,
     [](ADMItemRef item) { sADMItem->SetBooleanValue(item, gCurrentOptions.BezierArrowsFlag); }},
    {kPathLengthItem, kADMSpinEditType, {151, 23, 236, 45}, kPathLengthTip, nullptr, BezierLengthNotify, nullptr,
     true,
     [](ADMItemRef item) {
         SetFieldUnits(item);
         sADMItem->SetMinFloatValue(item, 0.0f);
         sADMItem->SetFloatValue(item, gCurrentOptions.BezierPathLength);
     }},
    {kPathLengthPictureItem, kADMPicturePushButtonType, {106, 25, 147, 45}, kPathLengthTip, PathLengthPictureDraw,
     ActivatePartnerItemNotify, nullptr, false, nullptr},
    {kDivisionCountItem, kADMSpinEditType, {187, 45, 236, 67}, kDivisionTip, nullptr, DivisionCountNotify, nullptr,
     true, [](ADMItemRef item) { NoUnitInteger(item, gCurrentOptions.DivisionCount, 1); }},
    {kDivisionCountPictureItem, kADMPicturePushButtonType, {162, 45, 186, 67}, kDivisionTip, PanelNoOpProc,
     ActivatePartnerItemNotify, nullptr, false, nullptr},
};

constexpr PanelItemSpec kSharePathItems[] = {
    {kSharePathItem, kADMPicturePushButtonType, {113, 48, 129, 64},
     "Partager le tracé (segment, angle, arc ou courbe).", SharePathPictureDraw, SharePathNotify, nullptr, false,
     nullptr},
    {kLocalRadiusItem, kADMPicturePushButtonType, {129, 48, 145, 64}, "Tracé du rayon local.", LocalRadiusPictureDraw,
     LocalRadiusNotify, nullptr, false, nullptr},
    {kLocalTangentItem, kADMPicturePushButtonType, {145, 48, 161, 64}, "Tracé de la tangente locale.",
     LocalTangentPictureDraw, LocalTangentNotify, nullptr, false, nullptr},
};

void SetUpCircleAngle(ADMItemRef item) {
    for (int k = kFirstAngleStep; k <= kLastAngleStep; ++k) {
        char text[16] = {};
        text[0] = ' ';
        sADMBasic->ValueToString(kAngleStepDegrees * static_cast<float>(k), text + 1, kAngleEntryTextSize,
                                 kADMDegreeUnits, 1, 1);
        AppendEntry(item, text, k - kFirstAngleStep);
        if (k == -1 || k == 0) AppendEntry(item, nullptr, 0);
    }
    sADMItem->SetUnits(item, kADMDegreeUnits);
    sADMItem->ShowUnits(item, 1);
    sADMItem->SetFloatValue(item, sAIRealMath->AIRadianToDegree(gToolState.CircleLabelAngle));
}

constexpr PanelItemSpec kCircleItems[] = {
    {kCircleArrowsItem, kADMPicturePushButtonType, {60, 51, 75, 60}, kArrowDirectionTip,
     CircleArrowDirectionPictureDraw, CircleArrowsNotify, nullptr, false,
     [](ADMItemRef item) { sADMItem->SetBooleanValue(item, gCurrentOptions.CircleArrowsFlag); }},
    {kDiameterRadiusItem, kADMPicturePushButtonType, {85, 47, 102, 64}, "Diamètre ou rayon.",
     DiameterRadiusPictureDraw, DiameterRadiusNotify, nullptr, false,
     [](ADMItemRef item) { sADMItem->SetBooleanValue(item, gCurrentOptions.Diameter); }},
    {kCircleTieItem, kADMSpinEditType, {151, 23, 236, 45}, kCircleTieTip, nullptr, CircleTieLengthNotify, nullptr,
     true,
     [](ADMItemRef item) {
         SetFieldUnits(item);
         SetFloatValue(item, gCurrentOptions.CircleTieLength);
     }},
    {kCircleTiePictureItem, kADMPicturePushButtonType, {110, 27, 151, 43}, kCircleTieTip, CircleTieLengthPictureDraw,
     ActivatePartnerItemNotify, nullptr, false, nullptr},
    {kCircleAngleItem, kADMSpinEditPopupType, {151, 45, 236, 67}, kCircleAngleTip, nullptr,
     CircleDimensionAngleNotify, nullptr, true, SetUpCircleAngle},
    {kCircleAnglePictureItem, kADMPicturePushButtonType, {110, 50, 151, 72}, kCircleAngleTip, CircleAnglePictureDraw,
     ActivatePartnerItemNotify, nullptr, false, nullptr},
};

void SetUpAngleFormat(ADMItemRef item) {
    AppendEntry(item, "Degrés (x,y°)", kAngleDecimalDegrees);
    AppendEntry(item, "Degrés (x° y' z'')", kAngleDegreesMinutesSeconds);
    AppendEntry(item, "Cote (sans)", kAngleNoValue);
    AppendEntry(item, "Texte libre", kAngleFreeText);
    AppendEntry(item, nullptr, 0);
    AppendEntry(item, "Afficher l'unité.", 5);
    CheckEntryByID(item, 5, gSettings.ShowAngleUnit != 0);
    gValueFormat.AngleFormat = kAngleDecimalDegrees;
    SelectEntryByID(item, kAngleDecimalDegrees);
}

constexpr PanelItemSpec kAngleFormatPopup[] = {
    {kAngleFormatItem, kADMPopupListType, {3, 67, 107, 84}, nullptr, nullptr, AngleFormatNotify, nullptr, true,
     SetUpAngleFormat},
};

constexpr PanelItemSpec kAngleItems[] = {
    {kArcRadiusItem, kADMSpinEditType, {151, 23, 236, 45}, kArcRadiusTip, nullptr, ArcRadiusNotify, nullptr, true,
     [](ADMItemRef item) {
         SetFieldUnits(item);
         sADMItem->SetMinFloatValue(item, 0.0f);
         SetFloatValue(item, gCurrentOptions.ArcRadius);
     }},
    {kArcRadiusPictureItem, kADMPicturePushButtonType, {108, 25, 149, 41}, kArcRadiusTip, ArcRadiusPictureDraw,
     ActivatePartnerItemNotify, nullptr, false, nullptr},
    {kAngleArrowsItem, kADMPicturePushButtonType, {60, 52, 75, 61}, kArrowDirectionTip,
     AngleArrowDirectionPictureDraw, AngleArrowsNotify, nullptr, false,
     [](ADMItemRef item) { sADMItem->SetBooleanValue(item, gCurrentOptions.AngleArrowsFlag); }},
    {kSalientReentrantItem, kADMPicturePushButtonType, {85, 48, 103, 66}, "Saillant<->Rentrant.",
     SalientReentrantPictureDraw, SalientReentrantNotify, nullptr, false,
     [](ADMItemRef item) { sADMItem->SetBooleanValue(item, gMeasuredPoints.AngleFlip); }},
};

constexpr PanelItemSpec kProjectionItems[] = {
    {kParallelItem, kADMPicturePushButtonType, {151, 48, 167, 64}, "Cote parallèle au segment.", ParallelPictureDraw,
     ParallelNotify, nullptr, false, nullptr},
    {kProjectedHorizontalItem, kADMPicturePushButtonType, {167, 48, 183, 64}, "Cote projetée horizontale.",
     ProjectedHorizontalPictureDraw, ProjectedHorizontalNotify, nullptr, false, nullptr},
    {kProjectedVerticalItem, kADMPicturePushButtonType, {183, 48, 199, 64}, "Cote projetée verticale.",
     ProjectedVerticalPictureDraw, ProjectedVerticalNotify, nullptr, false, nullptr},
};

// An offset field shows its live value in the unit the dialog manager gives a new field.
template <double CurrentOptions::*Value>
void SetUpOffset(ADMItemRef item) {
    SetFloatValue(item, gCurrentOptions.*Value);
    SetSteps(item, 1.0f, 10.0f);
    sADMItem->ShowUnits(item, 1);
}

constexpr ADMRect kFirstOffsetField{25, 111, 110, 133};
constexpr ADMRect kSecondOffsetField{151, 111, 236, 133};
constexpr ADMRect kFirstOffsetPicture{0, 111, 24, 133};
constexpr ADMRect kSecondOffsetPicture{110, 111, 151, 133};

// One field of a pair and its picture.
#define OFFSET_PAIR(field, value, notify, fieldRect, pictureRect, pictureDraw, tip)                                 \
    {field, kADMSpinEditType, fieldRect, tip, nullptr, notify, nullptr, true, SetUpOffset<&CurrentOptions::value>}, \
    {field + 2, kADMPicturePushButtonType, pictureRect, tip, pictureDraw, ActivatePartnerItemNotify, nullptr, false, \
     nullptr}

constexpr PanelItemSpec kTextOffsetItems[] = {
    OFFSET_PAIR(kSegmentOffsetXItem, SegmentOffsetX, SegmentOffsetXNotify, kFirstOffsetField, kFirstOffsetPicture,
                FirstTextOffsetPictureDraw, kHorizontalOffsetTip),
    OFFSET_PAIR(kSegmentOffsetYItem, SegmentOffsetY, SegmentOffsetYNotify, kSecondOffsetField, kSecondOffsetPicture,
                SecondTextOffsetPictureDraw, kVerticalOffsetTip),
    OFFSET_PAIR(kAngleOffsetAItem, AngleOffsetAngle, AngleOffsetANotify, kFirstOffsetField, kFirstOffsetPicture,
                FirstTextOffsetPictureDraw, kAngularOffsetTip),
    OFFSET_PAIR(kAngleOffsetRItem, AngleOffsetRadius, AngleOffsetRNotify, kSecondOffsetField, kSecondOffsetPicture,
                SecondTextOffsetPictureDraw, kRadialOffsetTip),
    OFFSET_PAIR(kCircleOffsetXItem, CircleOffsetX, CircleOffsetXNotify, kFirstOffsetField, kFirstOffsetPicture,
                FirstTextOffsetPictureDraw, kHorizontalOffsetTip),
    OFFSET_PAIR(kCircleOffsetYItem, CircleOffsetY, CircleOffsetYNotify, kSecondOffsetField, kSecondOffsetPicture,
                SecondTextOffsetPictureDraw, kVerticalOffsetTip),
    OFFSET_PAIR(kBezierOffsetXItem, BezierOffsetX, BezierOffsetXNotify, kFirstOffsetField, kFirstOffsetPicture,
                FirstTextOffsetPictureDraw, kHorizontalOffsetTip),
    OFFSET_PAIR(kBezierOffsetYItem, BezierOffsetY, BezierOffsetYNotify, kSecondOffsetField, kSecondOffsetPicture,
                SecondTextOffsetPictureDraw, kVerticalOffsetTip),
};

#undef OFFSET_PAIR

// The read-out texts of the Longueurs & aires page, one row every 17 pixels, each 20 high.
struct ReadoutRow {
    int32_t Id;
    const char* Text;
    const char* Tip;
};
constexpr ReadoutRow kReadoutRows[] = {
    {88, "L (sélection)=", "Longueur totale de tous les tracés sélectionnés."},
    {89, "L partie courbe=", "Longueur de la partie de la courbe."},
    {90, "A (sélection)=", "Aire totale de tous les tracés fermés sélectionnés."},
    {91, "Nombre de points=", "Nombre total de points sélectionnés."},
    {92, "Nombre de tracés=", "Nombre total de tracés sélectionnés."},
};
constexpr int32_t kFirstReadoutTop = 55;
constexpr int32_t kReadoutRowStep = 17;
constexpr int32_t kReadoutRowHeight = 20;

constexpr PanelItemSpec kArrowShapeItems[] = {
    {84, kADMPicturePushButtonType, {113, 4, 129, 20}, kArrowShapeTip, ArrowShape1PictureDraw, ArrowShape1Notify,
     nullptr, false, nullptr},
    {85, kADMPicturePushButtonType, {129, 4, 145, 20}, kArrowShapeTip, ArrowShape2PictureDraw, ArrowShape2Notify,
     nullptr, false, nullptr},
    {86, kADMPicturePushButtonType, {145, 4, 161, 20}, kArrowShapeTip, ArrowShape3PictureDraw, ArrowShape3Notify,
     nullptr, false, nullptr},
    {87, kADMPicturePushButtonType, {161, 4, 177, 20},
     "Forme des pointes des flèches ou Dialogue Éditeur de flèche…(touche ALT enfoncée).", ArrowShape4PictureDraw,
     ArrowShape4Notify, nullptr, false, nullptr},
};

}  // namespace

void MakeMultiArcItems(ADMDialogRef dialog) {
    gCurrentOptions.MultipleArcs = 0;
    gCurrentOptions.ArcCount = 2;
    gCurrentOptions.ArcGap = 5;
    MakePanelItems(dialog, kMultiArcItems);
}

void MakeLengthItems(ADMDialogRef dialog) {
    CurrentOptions& live = gCurrentOptions;
    live.BezierArrowsFlag = 0;
    live.BezierPathLength = kDefaultBezierPathLength;
    LoadLiveOption(&CurrentOptions::DivisionCount);
    MakePanelItems(dialog, kLengthItems);
    MakeSharePathItems(dialog);
}

void MakeSharePathItems(ADMDialogRef dialog) {
    LoadLiveOption(&CurrentOptions::BezierMode);
    MakePanelItems(dialog, kSharePathItems);
}

void MakeCircleDimensionItems(ADMDialogRef dialog) {
    CurrentOptions& live = gCurrentOptions;
    live.CircleArrowsFlag = 0;
    LoadLiveOption(&CurrentOptions::Diameter);
    LoadLiveOption(&CurrentOptions::CircleTieLength);
    gToolState.CircleLabelAngle = kStartCircleLabelAngle;
    MakePanelItems(dialog, kCircleItems);
}

void MakeAngleDimensionItems(ADMDialogRef dialog) {
    CurrentOptions& live = gCurrentOptions;
    MakePanelItems(dialog, kAngleFormatPopup);
    MakeMultiArcItems(dialog);
    LoadLiveOption(&CurrentOptions::ArcRadius);
    live.AngleArrowsFlag = 0;
    gMeasuredPoints.AngleFlip = 0;
    MakePanelItems(dialog, kAngleItems);
}

void MakeProjectionItems(ADMDialogRef dialog) {
    LoadLiveOption(&CurrentOptions::DimensionOrientation);
    MakePanelItems(dialog, kProjectionItems);
}

void MakeTextOffsetItems(ADMDialogRef dialog) {
    LoadLiveOption(&CurrentOptions::SegmentOffsetX);
    LoadLiveOption(&CurrentOptions::SegmentOffsetY);
    LoadLiveOption(&CurrentOptions::AngleOffsetAngle);
    LoadLiveOption(&CurrentOptions::AngleOffsetRadius);
    LoadLiveOption(&CurrentOptions::CircleOffsetX);
    LoadLiveOption(&CurrentOptions::CircleOffsetY);
    LoadLiveOption(&CurrentOptions::BezierOffsetX);
    LoadLiveOption(&CurrentOptions::BezierOffsetY);
    MakePanelItems(dialog, kTextOffsetItems);
    if (ADMItemRef angular = PanelItem(kAngleOffsetAItem)) sADMItem->SetUnits(angular, kADMDegreeUnits);
}

void MakeReadoutItems(ADMDialogRef) {
    int32_t top = kFirstReadoutTop;
    for (const ReadoutRow& row : kReadoutRows) {
        const PanelItemSpec desc{row.Id, kADMTextStaticType, {5, top, 235, top + kReadoutRowHeight}, row.Tip, nullptr,
                                 nullptr, nullptr, true, nullptr};
        if (ADMItemRef item = MakePanelItem(PanelDialog, desc)) sADMItem->SetText(item, row.Text);
        top += kReadoutRowStep;
    }
}

void MakeArrowShapeItems(ADMDialogRef dialog) { MakePanelItems(dialog, kArrowShapeItems); }
