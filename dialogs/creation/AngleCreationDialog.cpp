#include "dialogs/creation/AngleCreationDialog.h"

#include <cmath>
#include <iterator>
#include <numbers>

#include "dialogs/creation/FigureDialogCommon.h"
#include "dialogs/creation/FigurePreview.h"
#include "dialogs/creation/OrientedFigureDialog.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMBasicSuite.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMItemSuite.h"
#include "records/CurrentOptions.h"
#include "records/DialogPositions.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int32_t kWidthField = 423;
constexpr int32_t kWidthPicture = 424;
constexpr int32_t kOrientationField = 425;
constexpr int32_t kOrientationPicture = 426;
constexpr int32_t kPreview = 427;
constexpr int32_t kDimensionBox = 428;
constexpr int32_t kCentredBox = 429;
constexpr int32_t kPreviewFrameItem = 430;

constexpr const char* kTitle = "Création d'un angle (Vek-Tavorine).";
constexpr int32_t kOrientationPictureID = 1102;
constexpr ADMPoint kOrientationPictureAt{2, 42};

constexpr FieldRange kOrientationRange{kADMDegreeUnits, 1.0f, 10.0f, -kNoLimit, kNoLimit};

// The preview: 146 pixels square about (73, 73), an opening of 0.66 radians.
constexpr PreviewFrame kPreviewFrame{73, 73};
constexpr double kPreviewOpening = 0.66;
constexpr double kPreviewSide = 73.0;
constexpr double kArcOuter = 18.0;
constexpr double kArcInner = 15.0;
constexpr double kLabelRadius = 30.0;
constexpr int32_t kLabelHalfWidth = 30;
constexpr int32_t kLabelHalfHeight = 10;
constexpr int32_t kPreviewFont = 13;
constexpr int32_t kOpeningTextLength = 6;

// The orientation the dialog shows and OK stores; the live one is the drags'.
double gAngleDialogOrientation = 0.0;

const FigureDialogItem kItems[] = {
    {kWidthField, kADMSpinEditType, {30, 10, 110, 32}, nullptr, "Épaisseur des côtés de l'angle qui sera créé.",
     AngleWidthNotify, nullptr, nullptr},
    {kColourButtonItem, kADMPictureRadioButtonType, {8, 10, 21, 32}, nullptr, "Dialogue des couleurs et options.",
     OpenColourDialogNotify, ColourButtonSwatchDraw, nullptr},
    {kWidthPicture, kADMPictureRadioButtonType, {21, 10, 30, 32}, nullptr, nullptr, AngleDialogPictureNotify,
     DrawNothing, nullptr},
    {kOrientationField, kADMSpinEditPopupType, {30, 37, 110, 59}, nullptr, "Orientation de l'angle à créer en degrés.",
     AngleOrientationNotify, nullptr, nullptr},
    {kOrientationPicture, kADMPictureRadioButtonType, {5, 37, 29, 59}, nullptr,
     "Orientation de l'angle à créer en degrés.", AngleDialogPictureNotify, DrawNothing, nullptr},
    {kCentredBox, kADMTextCheckBoxType, {30, 74, 120, 90}, "Centré.", "Création d'un angle centré ou non.",
     AngleCentredNotify, nullptr, nullptr},
    {kDimensionBox, kADMTextCheckBoxType, {30, 104, 120, 120}, "Avec cote.", "Afficher ou non la cote de l'angle.",
     AngleWithDimensionNotify, nullptr, nullptr},
    {kPreview, kADMPicturePushButtonType, {138, 5, 284, 151}, nullptr, nullptr, nullptr, AnglePreviewDraw,
     AnglePreviewTrack},
    {kPreviewFrameItem, kADMFrameType, {137, 4, 285, 152}, nullptr, nullptr, nullptr, nullptr, nullptr},
    {kCancelItem, kADMTextPushButtonType, {10, 162, 78, 182}, "Annuler", "Aucune modification (Esc).",
     AngleDialogCancel, nullptr, nullptr},
    {kDefaultItem, kADMTextPushButtonType, {113, 162, 185, 182}, "Défaut", "Retour aux valeurs par défaut.",
     AngleDialogDefault, nullptr, nullptr},
    {kOkItem, kADMTextPushButtonType, {221, 162, 279, 182}, "OK", "Validation des nouveaux réglages (Retour).",
     AngleDialogOk, nullptr, nullptr},
};

// The dialog's items and values for the procedures it shares with the other oriented figure.
constexpr OrientedFigureDialog kDialog{
    .WidthField = kWidthField, .WidthPicture = kWidthPicture, .OrientationField = kOrientationField,
    .CentredBox = kCentredBox, .DimensionBox = kDimensionBox, .Preview = kPreview,
    .OrientationRange = kOrientationRange, .Frame = kPreviewFrame,
    .Bounds = &gDialogPositions.AngleDialogBounds, .OpenFlag = &gDialogOpenFlags.AngleDialogOpen,
    .WorkingOrientation = &gAngleDialogOrientation,
    .Width = &CurrentOptions::AngleCreateWidth,
    .Centred = &CurrentOptions::AngleCreateCentred,
    .WithDimension = &CurrentOptions::AngleCreateWithDimension,
    .StoredOrientation = &Settings::AngleCreateAngle,
    .StoredWidth = &Settings::AngleCreateWidth,
    .StoredWithDimension = &Settings::AngleCreateWithDimension,
    .StoredCentred = &Settings::AngleCreateCentred,
    .OrientationKey = "AngCrea", .WidthKey = "AngEpaisCrea", .WithDimensionKey = "CaseCreaAng",
    .CentredKey = "CentreCreaAng",
};

void CopyStoredValueFor(int32_t id) { CopyOrientedStoredValue(kDialog, id); }
void ShowValueIn(ADMItemRef item, int32_t id) { ShowOrientedValue(kDialog, item, id); }

// The preview's opening as the label shows it: the dialog manager's writing in whole degrees with the unit.
void OpeningText(char (&text)[8]) {
    text[0] = '\0';
    sADMBasic->ValueToString(static_cast<float>(kPreviewOpening * 180.0 / std::numbers::pi), text, kOpeningTextLength,
                             kADMDegreeUnits, 0, 1);
}

}  // namespace

void OpenAngleCreationDialog() {
    RunFigureDialog(kAngleCreationDialogID, AngleDialogInit, gDialogOpenFlags.AngleDialogOpen);
}

ASErr AngleDialogInit(ADMDialogRef dialog) {
    BuildFigureDialog(dialog, AngleDialogDraw, kTitle, gDialogPositions.AngleDialogBounds, kItems, std::size(kItems),
                      CopyStoredValueFor, ShowValueIn, gDialogOpenFlags.AngleDialogOpen);
    return kNoErr;
}

void AngleDialogDraw(ADMDialogRef dialog, ADMDrawerRef drawer) {
    DrawDialogPicture(dialog, drawer, kOrientationPictureID, kOrientationPictureAt);
}

void AngleWidthNotify(ADMItemRef item, ADMNotifierRef notifier) {
    OrientedWidthNotify(kDialog, item, notifier);
}

void AngleOrientationNotify(ADMItemRef item, ADMNotifierRef notifier) {
    OrientedOrientationNotify(kDialog, item, notifier);
}

void AngleCentredNotify(ADMItemRef item, ADMNotifierRef notifier) {
    OrientedCentredNotify(kDialog, item, notifier);
}

void AngleWithDimensionNotify(ADMItemRef item, ADMNotifierRef notifier) {
    OrientedWithDimensionNotify(kDialog, item, notifier);
}

void AngleDialogPictureNotify(ADMItemRef item, ADMNotifierRef) { OrientedPictureNotify(kDialog, item); }

void AnglePreviewDraw(ADMItemRef, ADMDrawerRef drawer) {
    const double t0 = gAngleDialogOrientation * std::numbers::pi / 180.0;
    const double half = kPreviewOpening / 2.0;
    // The orientation is the first side's direction, or the bisector's for a centred angle, as the figure takes it.
    const double first = gCurrentOptions.AngleCreateCentred != 0 ? t0 - half : t0;
    sADMDrawer->Clear(drawer);
    // The line along the orientation goes first, so that the side lying on it stays in sight.
    sADMDrawer->SetADMColor(drawer, kADMShadowColor);
    const ADMPoint from = kPreviewFrame.At(kPreviewSide, t0);
    const ADMPoint to = kPreviewFrame.At(kPreviewSide, t0 + std::numbers::pi);
    sADMDrawer->DrawLine(drawer, &from, &to);
    UseStrokeColour(drawer);
    if (gCurrentOptions.AngleCreateWithDimension != 0) {
        FillPreviewBand(drawer, kPreviewFrame, kArcInner, kArcOuter, first, kPreviewOpening);
        char text[8];
        OpeningText(text);
        const ADMPoint at = kPreviewFrame.At(kLabelRadius, first + half);
        const ADMRect label{at.h - kLabelHalfWidth, at.v - kLabelHalfHeight, at.h + kLabelHalfWidth,
                            at.v + kLabelHalfHeight};
        sADMDrawer->SetFont(drawer, kPreviewFont);
        sADMDrawer->DrawTextCentered(drawer, text, &label);
    }
    const ADMPoint vertex{kPreviewFrame.CentreH, kPreviewFrame.CentreV};
    for (double side : {first + kPreviewOpening, first}) {
        const ADMPoint end = kPreviewFrame.At(kPreviewSide, side);
        sADMDrawer->DrawLine(drawer, &vertex, &end);
    }
}

ADMBoolean AnglePreviewTrack(ADMItemRef item, ADMTrackerRef tracker) {
    return OrientedPreviewTrack(kDialog, item, tracker);
}

void AngleDialogOk(ADMItemRef item, ADMNotifierRef notifier) { OrientedDialogOk(kDialog, item, notifier); }

void AngleDialogCancel(ADMItemRef item, ADMNotifierRef notifier) {
    OrientedDialogCancel(kDialog, item, notifier);
}

void AngleDialogDefault(ADMItemRef item, ADMNotifierRef notifier) {
    OrientedDialogDefault(kDialog, item, notifier);
}
