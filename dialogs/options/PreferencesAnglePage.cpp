// The Angle page: the defaults of new angle dimensions.
#include "dialogs/options/PreferencesDialog.h"
#include "dialogs/options/PreferencesItems.h"
#include "dialogs/options/PreferencesPages.h"
#include "frame/Settings.h"

using namespace prefsitems;

namespace {

using W = PreferencesWorkingCopy;

void ArcTypeNotify(ADMItemRef item, ADMNotifierRef notifier);
void DrawArcTypePicture(ADMItemRef item, ADMDrawerRef drawer);
void AngleUnitNotify(ADMItemRef item, ADMNotifierRef notifier);
void RightAngleNotify(ADMItemRef item, ADMNotifierRef notifier);

constexpr const char* kRadiusTip = "Rayon par défaut.";
constexpr const char* kAngularTip = "Décalage angulaire par défaut.";
constexpr const char* kRadialTip = "Décalage radial par défaut.";
constexpr const char* kFactorTip =
    "Coefficient multiplicateur de l'épaisseur pour les arcs multiples de type 2 et 3.";
constexpr const char* kRightAngleOnTip = "Les angles droits seront automatiquement cotés par un petit carré.";
constexpr const char* kRightAngleOffTip = "Les angles droits seront traités comme les autres angles.";

constexpr FieldLook kRadiusLook{.Units = kADMMillimeterUnits, .SmallStep = 2.8346457f, .LargeStep = 28.346457f};
constexpr FieldLook kAngularLook{.Units = kADMDegreeUnits, .SmallStep = 0.1f, .LargeStep = 1.0f};
constexpr FieldLook kRadialLook{.Units = kADMPointUnits, .SmallStep = 0.1f, .LargeStep = 1.0f};
constexpr FieldLook kFactorLook{.SmallStep = 0.1f, .LargeStep = 1.0f, .Minimum = 0.0f};

constexpr const char* kPicture = kADMPicturePushButtonType;

const PrefsItemSpec kAngleItems[] = {
    {.Id = kArcRadiusItem, .Type = kADMSpinEditType, .Bounds = {34, 215, 100, 233}, .Tip = kRadiusTip,
     .Notify = RealFieldNotify, .Look = kRadiusLook, .Numeric = true, .Value = {.Real = &W::ArcRadius},
     .Key = "Rayon"},
    {.Id = kArcRadiusPicture, .Type = kPicture, .Bounds = {14, 216, 32, 233}, .Tip = kRadiusTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
    {.Id = kAngleOffsetItem, .Type = kADMSpinEditType, .Bounds = {36, 245, 100, 263}, .Tip = kAngularTip,
     .Notify = RealFieldNotify, .Look = kAngularLook, .Numeric = true, .Value = {.Real = &W::AngleOffsetAngle},
     .Key = "DecalageAngA"},
    {.Id = kAngleOffsetPicture, .Type = kPicture, .Bounds = {14, 244, 34, 263}, .Tip = kAngularTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
    {.Id = kRadialOffsetItem, .Type = kADMSpinEditType, .Bounds = {165, 245, 229, 263}, .Tip = kRadialTip,
     .Notify = RealFieldNotify, .Look = kRadialLook, .Numeric = true, .Value = {.Real = &W::AngleOffsetRadius},
     .Key = "DecalageAngR"},
    {.Id = kRadialOffsetPicture, .Type = kPicture, .Bounds = {143, 245, 163, 262}, .Tip = kRadialTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
    {.Id = kArcTypeItem, .Type = kPicture, .Bounds = {380, 215, 396, 231},
     .Tip = "Type d'arcs multiples 1 (épaisseurs égales).", .Notify = ArcTypeNotify, .Draw = DrawArcTypePicture},
    {.Id = kArcTypeItem + 1, .Type = kPicture, .Bounds = {397, 215, 413, 231},
     .Tip = "Type d'arcs multiples 2 (fin, épais, fin etc.)", .Notify = ArcTypeNotify, .Draw = DrawArcTypePicture},
    {.Id = kArcTypeItem + 2, .Type = kPicture, .Bounds = {414, 215, 430, 231},
     .Tip = "Type d'arcs multiples 3 (épais, fin, épais etc.)", .Notify = ArcTypeNotify, .Draw = DrawArcTypePicture},
    {.Id = kAngleUnitItem, .Type = kADMTextCheckBoxType, .Bounds = {156, 215, 260, 233}, .Text = "Affiche l'unité.",
     .Tip = "Affiche ou non l'unité à la fin de la cote.", .Notify = AngleUnitNotify,
     .Value = {.Whole = &W::ShowAngleUnit}},
    {.Id = kRightAngleItem, .Type = kADMTextCheckBoxType, .Bounds = {16, 274, 178, 290},
     .Text = "Angles droits automatiques.", .Notify = RightAngleNotify, .Value = {.Whole = &W::AutoRightAngle}},
    {.Id = kArcFactorItem, .Type = kADMSpinEditType, .Bounds = {368, 245, 430, 263}, .Tip = kFactorTip,
     .Notify = RealFieldNotify, .Look = kFactorLook, .Numeric = true, .Value = {.Real = &W::MultipleArcWidthFactor},
     .Key = "CoefArcSpecial"},
    {.Id = kArcFactorPicture, .Type = kPicture, .Bounds = {352, 245, 366, 263}, .Tip = kFactorTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
};

const PrefsTipRule kAngleTips[] = {
    {kRightAngleItem, &W::AutoRightAngle, kRightAngleOnTip, kRightAngleOffTip},
};

// Icons of the arc-type pictures: [type][chosen, not chosen].
constexpr int32_t kArcTypeIcons[3][2] = {{1065, 1064}, {1067, 1066}, {1069, 1068}};

void FillWorkingCopies() {
    PreferencesWorkingCopy& w = gPrefs.Working;
    const Settings& s = gSettings;
    w.ArcRadius = s.ArcRadius;
    w.AngleOffsetAngle = s.AngleOffsetAngle;
    w.AngleOffsetRadius = s.AngleOffsetRadius;
    w.MultipleArcType = s.MultipleArcType;
    w.ShowAngleUnit = s.ShowAngleUnit;
    w.AutoRightAngle = s.AutoRightAngle;
    w.MultipleArcWidthFactor = s.MultipleArcWidthFactor;
}

// The coefficient and its picture are enabled for the types with thick and thin arcs.
void EnableFactor(ADMDialogRef dialog) {
    const bool thickAndThin = gPrefs.Working.MultipleArcType > 0;
    EnableItem(dialog, kArcFactorItem, thickAndThin);
    EnableItem(dialog, kArcFactorPicture, thickAndThin);
}

void InvalidateArcTypes(ADMDialogRef dialog) {
    for (int32_t type = 0; type < 3; ++type) InvalidateItem(dialog, kArcTypeItem + type);
}

void ArcTypeNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const ADMDialogRef dialog = DialogOf(item);
    gPrefs.Working.MultipleArcType = ItemId(item) - kArcTypeItem;
    EnableFactor(dialog);
    if (gPrefs.Working.MultipleArcType > 0) ActivateItem(dialog, kArcFactorItem);
    InvalidateArcTypes(dialog);
}

void DrawArcTypePicture(ADMItemRef item, ADMDrawerRef drawer) {
    const int32_t type = ItemId(item) - kArcTypeItem;
    if (type < 0 || type > 2) return;
    DrawPrefsIconCentred(drawer, kArcTypeIcons[type][gPrefs.Working.MultipleArcType == type ? 0 : 1], kIconSquare);
}

void AngleUnitNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    FlagBoxNotify(item, notifier);
    RefreshSampleText(DialogOf(item));
}

void RightAngleNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    FlagBoxNotify(item, notifier);
    ApplyTipRules(DialogOf(item), kAngleTips);
}

}  // namespace

PrefsPageItems prefsitems::AnglePageItems() { return {kAngleItems, kAngleTips}; }

void BuildPreferencesAnglePage(ADMDialogRef dialog) {
    FillWorkingCopies();
    CreatePrefsItems(dialog, kAngleItems);
    ShowWorkingValues(dialog, AnglePageItems());
    EnableFactor(dialog);
}

void ShowAnglePageValues(ADMDialogRef dialog) {
    ShowWorkingValues(dialog, AnglePageItems());
    EnableFactor(dialog);
    InvalidateArcTypes(dialog);
}
