#include "dialogs/creation/CircleCreationDialog.h"

#include <cmath>
#include <iterator>
#include <numbers>

#include "dialogs/creation/FigureDialogCommon.h"
#include "dialogs/creation/FigurePreview.h"
#include "frame/LiveOptions.h"
#include "frame/NumericFields.h"
#include "frame/PreferenceStore.h"
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

constexpr int32_t kCircleRadio = 601;
constexpr int32_t kArcRadio = 602;
constexpr int32_t kSectorRadio = 603;
constexpr int32_t kPreview = 604;
constexpr int32_t kWidthField = 607;
constexpr int32_t kWidthPicture = 608;
constexpr int32_t kOrientationField = 609;
constexpr int32_t kOrientationPicture = 610;
constexpr int32_t kDimensionBox = 611;
constexpr int32_t kPreviewFrameItem = 614;

constexpr const char* kTitle = "Création cercle/arc/secteur (Vek-Tavorine).";
constexpr const char* kOrientationTip = "Orientation de l'arc ou du secteur à créer (de -180° à 180°).";
constexpr int32_t kOrientationPictureID = 1106;
constexpr ADMPoint kOrientationPictureAt{6, 39};

constexpr double kDefaultWidth = 2.5;
constexpr double kDefaultOrientation = 0.7853981633974483;

constexpr FieldRange kWidthRange{kADMPointUnits, 0.1f, 1.0f, 0.0f, kNoLimit};
// No bounds: an orientation beyond a half turn is the same direction within one (HeldToSetting).
constexpr FieldRange kOrientationRange{kADMDegreeUnits, 1.0f, 10.0f, -kNoLimit, kNoLimit};

// The preview: 120 x 104 about (60, 52); a one-pixel ring of radius 38, a fixed sweep of 1.5 radians.
constexpr int32_t kPreviewWidth = 120;
constexpr int32_t kPreviewHeight = 104;
constexpr PreviewFrame kPreviewFrame{60, 52};
constexpr double kPreviewSweep = 1.5;
constexpr double kRingRadius = 38.0;
constexpr double kLeaderEnd = 46.0;
constexpr int32_t kLeaderLength = 10;
constexpr double kDotRadius = 2.0;
constexpr double kCircleRadiusDirection = 0.7853981852531433;
constexpr int32_t kPreviewFont = 13;
constexpr int32_t kLabelWidth = 10;
constexpr int32_t kLabelHalfHeight = 6;

// The three kinds and the flags that hold them.
enum class FigureKind { Circle, Arc, Sector };

FigureKind CurrentKind() {
    if (gCurrentOptions.CircleCreateSector != 0) return FigureKind::Sector;
    if (gCurrentOptions.CircleCreateArc != 0) return FigureKind::Arc;
    return FigureKind::Circle;
}

bool HasOrientation() { return CurrentKind() != FigureKind::Circle; }

double Degrees(double radians) { return FieldOfDirection("AngCerCrea", radians); }

const FigureDialogItem kItems[] = {
    {kCircleRadio, kADMTextRadioButtonType, {30, 120, 110, 140}, "Cercle.", "Création d'un cercle.", CircleKindNotify,
     nullptr, nullptr},
    {kArcRadio, kADMTextRadioButtonType, {120, 120, 180, 140}, "Arc.", "Création d'un arc.", CircleKindNotify,
     nullptr, nullptr},
    {kSectorRadio, kADMTextRadioButtonType, {190, 120, 260, 140}, "Secteur.", "Création d'un secteur.",
     CircleKindNotify, nullptr, nullptr},
    {kWidthField, kADMSpinEditType, {30, 10, 110, 32}, nullptr,
     "Épaisseur des cercles, des arcs ou des secteurs qui seront créés.", CircleWidthNotify, nullptr, nullptr},
    {kColourButtonItem, kADMPictureRadioButtonType, {8, 10, 21, 32}, nullptr, "Dialogue des couleurs et options.",
     OpenColourDialogNotify, ColourButtonSwatchDraw, nullptr},
    {kWidthPicture, kADMPictureRadioButtonType, {21, 10, 30, 32}, nullptr, nullptr, CircleDialogPictureNotify,
     DrawNothing, nullptr},
    {kOrientationField, kADMSpinEditPopupType, {30, 37, 110, 59}, nullptr, kOrientationTip, CircleOrientationNotify,
     nullptr, nullptr},
    {kOrientationPicture, kADMPictureRadioButtonType, {5, 37, 29, 59}, nullptr, kOrientationTip,
     CircleDialogPictureNotify, DrawNothing, nullptr},
    {kDimensionBox, kADMTextCheckBoxType, {30, 74, 130, 90}, "Avec cote.",
     "Afficher ou non la cote du cercle ou de l'arc.", CircleWithDimensionNotify, nullptr, nullptr},
    {kPreview, kADMPicturePushButtonType, {164, 5, 284, 109}, nullptr, nullptr, nullptr, CirclePreviewDraw,
     CirclePreviewTrack},
    {kPreviewFrameItem, kADMFrameType, {163, 4, 285, 110}, nullptr, nullptr, nullptr, nullptr, nullptr},
    {kCancelItem, kADMTextPushButtonType, {10, 162, 78, 182}, "Annuler", "Aucune modification (Esc).",
     CircleDialogCancel, nullptr, nullptr},
    {kDefaultItem, kADMTextPushButtonType, {113, 162, 185, 182}, "Défaut", "Retour aux valeurs par défaut.",
     CircleDialogDefault, nullptr, nullptr},
    {kOkItem, kADMTextPushButtonType, {221, 162, 279, 182}, "OK", "Validation des nouveaux réglages (Retour).",
     CircleDialogOk, nullptr, nullptr},
};

void CopyStoredValueFor(int32_t id) {
    switch (id) {
    case kCircleRadio: LoadLiveOption(&CurrentOptions::CircleCreateArc); break;
    case kSectorRadio: LoadLiveOption(&CurrentOptions::CircleCreateSector); break;
    case kWidthField: LoadLiveOption(&CurrentOptions::CircleCreateWidth); break;
    case kDimensionBox: LoadLiveOption(&CurrentOptions::CircleCreateWithDimension); break;
    default: break;
    }
}

// One radio button on: the one of the kind the flags hold.
void ShowKind(ADMItemRef anyItem) {
    const FigureKind kind = CurrentKind();
    ShowFlagIn(anyItem, kCircleRadio, kind == FigureKind::Circle);
    ShowFlagIn(anyItem, kArcRadio, kind == FigureKind::Arc);
    ShowFlagIn(anyItem, kSectorRadio, kind == FigureKind::Sector);
}

// The orientation field, its picture button and the preview take part only for an arc or a sector.
void EnableOrientation(ADMItemRef anyItem) {
    const bool enabled = HasOrientation();
    for (int32_t id : {kOrientationField, kOrientationPicture, kPreview}) EnableItemIn(anyItem, id, enabled);
}

void ShowValueIn(ADMItemRef item, int32_t id) {
    switch (id) {
    case kWidthField:
        SetUpNumberField(item, kWidthRange, gCurrentOptions.CircleCreateWidth);
        BoundFieldToSetting(item, "CerEpaisCrea");
        break;
    case kOrientationField:
        SetUpNumberField(item, kOrientationRange, Degrees(gCurrentOptions.CircleCreateAngle));
        FillOrientationPopup(item);
        break;
    case kDimensionBox: sADMItem->SetBooleanValue(item, gCurrentOptions.CircleCreateWithDimension); break;
    default: break;
    }
}

void RedrawPreview(ADMItemRef anyItem) { RedrawItemIn(anyItem, kPreview); }

void WriteStoredValues() {
    Settings& s = gSettings;
    const CurrentOptions& live = gCurrentOptions;
    s.CircleCreateWidth = HeldToSetting("CerEpaisCrea", live.CircleCreateWidth);
    WriteRealPreference("CerEpaisCrea", s.CircleCreateWidth);
    s.CircleCreateAngle = HeldToSetting("AngCerCrea", live.CircleCreateAngle);
    WriteRealPreference("AngCerCrea", s.CircleCreateAngle);
    s.CircleCreateWithDimension = live.CircleCreateWithDimension;
    WriteBooleanPreference("CaseCreaCer", s.CircleCreateWithDimension);
    s.CircleCreateArc = live.CircleCreateArc;
    WriteBooleanPreference("CreaArcCer", s.CircleCreateArc);
    s.CircleCreateSector = live.CircleCreateSector;
    WriteBooleanPreference("CreaSecteurCer", s.CircleCreateSector);
}

// The radius mark of the preview in direction `d`: a dot on the ring, a line out to the leader, a short
// horizontal leader and the letter R.
void DrawRadiusMark(ADMDrawerRef drawer, double d) {
    const ADMPoint onRing = kPreviewFrame.At(kRingRadius, d);
    const ADMRect dot = PreviewFrame{onRing.h, onRing.v}.Disc(kDotRadius);
    sADMDrawer->FillOval(drawer, &dot);
    const ADMPoint bend = kPreviewFrame.At(kLeaderEnd, d);
    sADMDrawer->DrawLine(drawer, &onRing, &bend);
    const int32_t towards = std::cos(d) >= 0.0 ? kLeaderLength : -kLeaderLength;
    const ADMPoint end{bend.h + towards, bend.v};
    sADMDrawer->DrawLine(drawer, &bend, &end);
    // The letter stands past the leader's end, centred on it, so that it stays inside the preview near its top.
    const int32_t left = towards > 0 ? end.h : end.h - kLabelWidth;
    const ADMRect label{left, bend.v - kLabelHalfHeight, left + kLabelWidth, bend.v + kLabelHalfHeight};
    sADMDrawer->SetFont(drawer, kPreviewFont);
    sADMDrawer->DrawTextCentered(drawer, "R", &label);
}

}  // namespace

void OpenCircleCreationDialog() {
    RunFigureDialog(kCircleCreationDialogID, CircleDialogInit, gDialogOpenFlags.CircleDialogOpen);
}

ASErr CircleDialogInit(ADMDialogRef dialog) {
    BuildFigureDialog(dialog, CircleDialogDraw, kTitle, gDialogPositions.CircleDialogBounds, kItems, std::size(kItems),
                      CopyStoredValueFor, ShowValueIn, gDialogOpenFlags.CircleDialogOpen);
    if (ADMItemRef ok = FigureDialogItemOf(dialog, kOkItem)) {
        ShowKind(ok);
        EnableOrientation(ok);
    }
    return kNoErr;
}

void CircleDialogDraw(ADMDialogRef dialog, ADMDrawerRef drawer) {
    DrawDialogPicture(dialog, drawer, kOrientationPictureID, kOrientationPictureAt);
}

void CircleKindNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const int32_t id = ItemId(item);
    gCurrentOptions.CircleCreateArc = id == kCircleRadio ? 0 : 1;
    gCurrentOptions.CircleCreateSector = id == kSectorRadio ? 1 : 0;
    ShowKind(item);
    EnableOrientation(item);
    RedrawPreview(item);
}

void CircleWidthNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (TakeFieldValue(item, notifier, gCurrentOptions.CircleCreateWidth))
        gCurrentOptions.CircleCreateWidth = HeldToSetting("CerEpaisCrea", gCurrentOptions.CircleCreateWidth);
}

void CircleOrientationNotify(ADMItemRef item, ADMNotifierRef notifier) {
    const double shown = Degrees(gCurrentOptions.CircleCreateAngle);
    double degrees = shown;
    if (!TakeFieldValue(item, notifier, degrees) || degrees == shown) return;
    gCurrentOptions.CircleCreateAngle = DirectionOfField("AngCerCrea", degrees);
    if (Degrees(gCurrentOptions.CircleCreateAngle) != degrees)
        ShowNumberIn(item, kOrientationField, Degrees(gCurrentOptions.CircleCreateAngle));
    RedrawPreview(item);
}

void CircleWithDimensionNotify(ADMItemRef item, ADMNotifierRef notifier) {
    ToggleFlag(item, notifier, gCurrentOptions.CircleCreateWithDimension, kPreview);
}

void CircleDialogPictureNotify(ADMItemRef item, ADMNotifierRef) {
    FocusFigureDialogEdit(item, ItemId(item) == kWidthPicture ? kWidthField : kOrientationField);
}

void CirclePreviewDraw(ADMItemRef, ADMDrawerRef drawer) {
    const double s = gCurrentOptions.CircleCreateAngle;
    sADMDrawer->Clear(drawer);
    // The axes go first, so that the figure's edges that lie on them stay in sight.
    DrawPreviewAxes(drawer, kPreviewFrame, kPreviewWidth, kPreviewHeight);
    UseStrokeColour(drawer);
    const FigureKind kind = CurrentKind();
    if (kind == FigureKind::Circle) {
        const ADMRect ring = kPreviewFrame.Disc(kRingRadius);
        sADMDrawer->DrawOval(drawer, &ring);
    } else {
        DrawPreviewArc(drawer, kPreviewFrame, kRingRadius, s, kPreviewSweep);
    }
    if (kind == FigureKind::Sector) {
        const ADMPoint centre{kPreviewFrame.CentreH, kPreviewFrame.CentreV};
        for (double side : {s + kPreviewSweep, s}) {
            const ADMPoint end = kPreviewFrame.At(kRingRadius, side);
            sADMDrawer->DrawLine(drawer, &centre, &end);
        }
    }
    if (gCurrentOptions.CircleCreateWithDimension != 0)
        DrawRadiusMark(drawer, kind == FigureKind::Circle ? kCircleRadiusDirection : s + kPreviewSweep / 2.0);
}

ADMBoolean CirclePreviewTrack(ADMItemRef item, ADMTrackerRef tracker) {
    if (!HasOrientation()) return DefaultPreviewTrack(item, tracker);
    const double direction = TrackedDirection(tracker, kPreviewFrame);
    gCurrentOptions.CircleCreateAngle = direction;
    if (direction > -std::numbers::pi && direction < std::numbers::pi)
        ShowNumberIn(item, kOrientationField, Degrees(direction));
    sADMItem->Invalidate(item);
    return DefaultPreviewTrack(item, tracker);
}

void CircleDialogOk(ADMItemRef item, ADMNotifierRef notifier) {
    EndFigureDialog(item, notifier, gDialogPositions.CircleDialogBounds);
    WriteStoredValues();
    gDialogOpenFlags.CircleDialogOpen = 0;
}

void CircleDialogCancel(ADMItemRef item, ADMNotifierRef notifier) {
    CancelFigureDialog(item, notifier, gDialogPositions.CircleDialogBounds, gDialogOpenFlags.CircleDialogOpen);
}

void CircleDialogDefault(ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    gCurrentOptions.CircleCreateWidth = kDefaultWidth;
    gCurrentOptions.CircleCreateAngle = kDefaultOrientation;
    gCurrentOptions.CircleCreateWithDimension = 1;
    gCurrentOptions.CircleCreateArc = 0;
    gCurrentOptions.CircleCreateSector = 0;
    ShowNumberIn(item, kWidthField, kDefaultWidth);
    ShowNumberIn(item, kOrientationField, Degrees(kDefaultOrientation));
    ShowFlagIn(item, kDimensionBox, 1);
    ShowKind(item);
    EnableOrientation(item);
    RedrawPreview(item);
    FocusFigureDialogEdit(item, kWidthField);
}
