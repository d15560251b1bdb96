#include "dialogs/creation/SegmentCreationDialog.h"

#include <cmath>
#include <iterator>
#include <numbers>

#include "dialogs/creation/FigureDialogCommon.h"
#include "dialogs/creation/FigurePreview.h"
#include "dialogs/creation/OrientedFigureDialog.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMItemSuite.h"
#include "records/CurrentOptions.h"
#include "records/DialogPositions.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int32_t kWidthField = 523;
constexpr int32_t kWidthPicture = 524;
constexpr int32_t kOrientationField = 526;
constexpr int32_t kOrientationPicture = 527;
constexpr int32_t kPreview = 528;
constexpr int32_t kCentredBox = 529;
constexpr int32_t kDimensionBox = 530;
constexpr int32_t kPreviewFrameItem = 531;

constexpr const char* kTitle = "Création d'un segment (Vek-Tavorine).";
constexpr int32_t kOrientationPictureID = 1100;
constexpr ADMPoint kOrientationPictureAt{4, 39};

// No bounds: an orientation beyond a turn is taken within one (HeldToSetting), not stopped at its end.
constexpr FieldRange kOrientationRange{kADMDegreeUnits, 1.0f, 10.0f, -kNoLimit, kNoLimit};

// The preview: 146 pixels square about (73, 73); a 68-pixel segment with its dimension.
constexpr int32_t kPreviewSize = 146;
constexpr PreviewFrame kPreviewFrame{73, 73};
constexpr double kPreviewLength = 68.0;
constexpr double kPreviewDotRadius = 3.0;
constexpr int32_t kPreviewFont = 13;

// The orientation the dialog shows and OK stores; the live one is the drags'.
double gSegmentDialogOrientation = 0.0;

const FigureDialogItem kItems[] = {
    {kWidthField, kADMSpinEditType, {30, 10, 110, 32}, nullptr, "Épaisseur du segment qui sera créé.",
     SegmentWidthNotify, nullptr, nullptr},
    {kColourButtonItem, kADMPictureRadioButtonType, {8, 10, 21, 32}, nullptr, "Dialogue des couleurs et options.",
     OpenColourDialogNotify, ColourButtonSwatchDraw, nullptr},
    {kWidthPicture, kADMPictureRadioButtonType, {21, 10, 30, 32}, nullptr, nullptr, SegmentDialogPictureNotify,
     DrawNothing, nullptr},
    {kOrientationField, kADMSpinEditPopupType, {30, 37, 110, 59}, nullptr,
     "Orientation du segment à créer en degrés.", SegmentOrientationNotify, nullptr, nullptr},
    {kOrientationPicture, kADMPictureRadioButtonType, {5, 37, 29, 59}, nullptr,
     "Orientation du segment à créer en degrés.", SegmentDialogPictureNotify, DrawNothing, nullptr},
    {kCentredBox, kADMTextCheckBoxType, {30, 74, 120, 90}, "Centré.", "Création d'un segment centré ou non.",
     SegmentCentredNotify, nullptr, nullptr},
    {kDimensionBox, kADMTextCheckBoxType, {30, 104, 120, 120}, "Avec cote.", "Afficher ou non la cote du segment.",
     SegmentWithDimensionNotify, nullptr, nullptr},
    {kPreview, kADMPicturePushButtonType, {138, 5, 284, 151}, nullptr, nullptr, nullptr, SegmentPreviewDraw,
     SegmentPreviewTrack},
    {kPreviewFrameItem, kADMFrameType, {137, 4, 285, 152}, nullptr, nullptr, nullptr, nullptr, nullptr},
    {kCancelItem, kADMTextPushButtonType, {10, 162, 78, 182}, "Annuler", "Aucune modification (Esc).",
     SegmentDialogCancel, nullptr, nullptr},
    {kDefaultItem, kADMTextPushButtonType, {113, 162, 185, 182}, "Défaut", "Retour aux valeurs par défaut.",
     SegmentDialogDefault, nullptr, nullptr},
    {kOkItem, kADMTextPushButtonType, {221, 162, 279, 182}, "OK", "Validation des nouveaux réglages (Retour).",
     SegmentDialogOk, nullptr, nullptr},
};

// The dialog's items and values for the procedures it shares with the other oriented figure.
constexpr OrientedFigureDialog kDialog{
    .WidthField = kWidthField, .WidthPicture = kWidthPicture, .OrientationField = kOrientationField,
    .CentredBox = kCentredBox, .DimensionBox = kDimensionBox, .Preview = kPreview,
    .OrientationRange = kOrientationRange, .Frame = kPreviewFrame,
    .Bounds = &gDialogPositions.SegmentDialogBounds, .OpenFlag = &gDialogOpenFlags.SegmentDialogOpen,
    .WorkingOrientation = &gSegmentDialogOrientation,
    .Width = &CurrentOptions::SegmentCreateWidth,
    .Centred = &CurrentOptions::SegmentCreateCentred,
    .WithDimension = &CurrentOptions::SegmentCreateWithDimension,
    .StoredOrientation = &Settings::SegmentCreateRotation,
    .StoredWidth = &Settings::SegmentCreateWidth,
    .StoredWithDimension = &Settings::SegmentCreateWithDimension,
    .StoredCentred = &Settings::SegmentCreateCentred,
    .OrientationKey = "SegRotCrea", .WidthKey = "SegEpaisCrea", .WithDimensionKey = "CaseCreaSeg",
    .CentredKey = "CentreCreaSeg",
};

void CopyStoredValueFor(int32_t id) { CopyOrientedStoredValue(kDialog, id); }
void ShowValueIn(ADMItemRef item, int32_t id) { ShowOrientedValue(kDialog, item, id); }

// The preview's nine points: the segment from the origin along x, its extension and dimension lines, the
// label point; moved half a length back when centred, turned by the orientation (y down), then centred.
void PreviewPoints(ADMPoint (&points)[9]) {
    constexpr double raw[9][2] = {{0, -18}, {0, 0}, {68, 0}, {68, -18}, {0, -12},
                                  {68, -12}, {34, -18}, {0, 3}, {68, 3}};
    const double shift = gCurrentOptions.SegmentCreateCentred != 0 ? -kPreviewLength / 2.0 : 0.0;
    const double turn = -gSegmentDialogOrientation * std::numbers::pi / 180.0;
    const double c = std::cos(turn), s = std::sin(turn);
    for (size_t i = 0; i < 9; ++i) {
        const double x = raw[i][0] + shift, y = raw[i][1];
        points[i] = ADMPoint{RoundedInt32(x * c - y * s + kPreviewFrame.CentreH, 0),
                             RoundedInt32(x * s + y * c + kPreviewFrame.CentreV, 0)};
    }
}

}  // namespace

void OpenSegmentCreationDialog() {
    RunFigureDialog(kSegmentCreationDialogID, SegmentDialogInit, gDialogOpenFlags.SegmentDialogOpen);
}

ASErr SegmentDialogInit(ADMDialogRef dialog) {
    BuildFigureDialog(dialog, SegmentDialogDraw, kTitle, gDialogPositions.SegmentDialogBounds, kItems, std::size(kItems),
                      CopyStoredValueFor, ShowValueIn, gDialogOpenFlags.SegmentDialogOpen);
    return kNoErr;
}

void SegmentDialogDraw(ADMDialogRef dialog, ADMDrawerRef drawer) {
    DrawDialogPicture(dialog, drawer, kOrientationPictureID, kOrientationPictureAt);
}

void SegmentWidthNotify(ADMItemRef item, ADMNotifierRef notifier) {
    OrientedWidthNotify(kDialog, item, notifier);
}

void SegmentOrientationNotify(ADMItemRef item, ADMNotifierRef notifier) {
    OrientedOrientationNotify(kDialog, item, notifier);
}

void SegmentCentredNotify(ADMItemRef item, ADMNotifierRef notifier) {
    OrientedCentredNotify(kDialog, item, notifier);
}

void SegmentWithDimensionNotify(ADMItemRef item, ADMNotifierRef notifier) {
    OrientedWithDimensionNotify(kDialog, item, notifier);
}

void SegmentDialogPictureNotify(ADMItemRef item, ADMNotifierRef) { OrientedPictureNotify(kDialog, item); }

void SegmentPreviewDraw(ADMItemRef, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    DrawPreviewAxes(drawer, kPreviewFrame, kPreviewSize, kPreviewSize);
    UseStrokeColour(drawer);
    ADMPoint p[9];
    PreviewPoints(p);
    if (gCurrentOptions.SegmentCreateWithDimension != 0) {
        sADMDrawer->DrawLine(drawer, &p[0], &p[1]);
        sADMDrawer->DrawLine(drawer, &p[2], &p[3]);
        sADMDrawer->DrawLine(drawer, &p[4], &p[5]);
        for (const ADMPoint& end : {p[4], p[5]}) {
            const PreviewFrame dot{end.h, end.v};
            const ADMRect disc = dot.Disc(kPreviewDotRadius);
            sADMDrawer->FillOval(drawer, &disc);
        }
        sADMDrawer->SetFont(drawer, kPreviewFont);
        const ADMRect label{p[6].h - 6, p[6].v - 10, p[6].h + 6, p[6].v + 4};
        sADMDrawer->DrawTextCentered(drawer, "L", &label);
    }
    const ADMPoint segment[4] = {p[1], p[2], p[8], p[7]};
    sADMDrawer->FillPolygon(drawer, segment, 4);
}

ADMBoolean SegmentPreviewTrack(ADMItemRef item, ADMTrackerRef tracker) {
    return OrientedPreviewTrack(kDialog, item, tracker);
}

void SegmentDialogOk(ADMItemRef item, ADMNotifierRef notifier) { OrientedDialogOk(kDialog, item, notifier); }

void SegmentDialogCancel(ADMItemRef item, ADMNotifierRef notifier) {
    OrientedDialogCancel(kDialog, item, notifier);
}

void SegmentDialogDefault(ADMItemRef item, ADMNotifierRef notifier) {
    OrientedDialogDefault(kDialog, item, notifier);
}
