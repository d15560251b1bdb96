// The Segment page: the defaults of new linear dimensions.
#include "dialogs/options/PreferencesDialog.h"
#include "dialogs/options/PreferencesItems.h"
#include "dialogs/options/PreferencesPages.h"
#include "frame/NumericFields.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMItemSuite.h"

using namespace prefsitems;

namespace {

using W = PreferencesWorkingCopy;

void SideTiesToggleNotify(ADMItemRef item, ADMNotifierRef notifier);
void DrawSideTiePicture(ADMItemRef item, ADMDrawerRef drawer);
void SeriesToggleNotify(ADMItemRef item, ADMNotifierRef notifier);
void SeriesTypeNotify(ADMItemRef item, ADMNotifierRef notifier);
void DrawSeriesPicture(ADMItemRef item, ADMDrawerRef drawer);
void MagnetismNotify(ADMItemRef item, ADMNotifierRef notifier);
void OrientationButtonNotify(ADMItemRef item, ADMNotifierRef notifier);
void DrawOrientationButton(ADMItemRef item, ADMDrawerRef drawer);
void MagneticPointsNotify(ADMItemRef item, ADMNotifierRef notifier);

constexpr const char* kSideTieTip = "Attaches latérales par défaut (+ ou -).";
constexpr const char* kOffsetXTip = "Décalage horizontal par défaut (+ ou -).";
constexpr const char* kOffsetYTip = "Décalage vertical par défaut (+ ou -).";
constexpr const char* kMagneticPointsTip = "Nombre de points magnétiques (20 par défaut).";

constexpr float kOneMillimetre = 2.8346457f;
constexpr float kTenMillimetres = 28.346457f;
constexpr FieldLook kTieLook{.Units = kADMMillimeterUnits, .SmallStep = kOneMillimetre, .LargeStep = kTenMillimetres};
constexpr FieldLook kOffsetLook{.Units = kADMPointUnits, .SmallStep = 0.1f, .LargeStep = 1.0f};
constexpr FieldLook kCountLook{.SmallStep = 2.0f, .Precision = 0};

constexpr const char* kPicture = kADMPicturePushButtonType;

const PrefsItemSpec kSegmentItems[] = {
    {.Id = kSideTieItem, .Type = kADMSpinEditType, .Bounds = {42, 215, 104, 233}, .Tip = kSideTieTip,
     .Notify = RealFieldNotify, .Look = kTieLook, .Numeric = true, .Value = {.Real = &W::SideTieLength},
     .Key = "Attaches"},
    {.Id = kSideTiesToggle, .Type = kPicture, .Bounds = {14, 228, 40, 235}, .Tip = "Avec ou sans attaches latérales.",
     .Notify = SideTiesToggleNotify, .Draw = NoOpProc},
    {.Id = kSideTiePicture, .Type = kPicture, .Bounds = {14, 213, 40, 235}, .Tip = kSideTieTip,
     .Notify = CompanionButtonNotify, .Draw = DrawSideTiePicture},
    {.Id = kSeriesToggle, .Type = kPicture, .Bounds = {112, 212, 128, 236},
     .Tip = "Active ou non la tavorine en série par défaut.", .Notify = SeriesToggleNotify, .Draw = NoOpProc},
    {.Id = kSeriesTypeOneItem, .Type = kPicture, .Bounds = {129, 212, 150, 224}, .Tip = "Type un par défaut.",
     .Notify = SeriesTypeNotify, .Draw = NoOpProc},
    {.Id = kSeriesTypeTwoItem, .Type = kPicture, .Bounds = {129, 224, 150, 236}, .Tip = "Type deux par défaut.",
     .Notify = SeriesTypeNotify, .Draw = NoOpProc},
    {.Id = kSeriesPicture, .Type = kADMUserType, .Bounds = {112, 212, 150, 236}, .Draw = DrawSeriesPicture},
    {.Id = kMagnetismItem, .Type = kADMTextCheckBoxType, .Bounds = {160, 215, 250, 233}, .Text = "Magnétisme",
     .Tip = "Magnétisme des extrémités des pointes pour un alignement plus facile des cotes.",
     .Notify = MagnetismNotify, .Value = {.Whole = &W::Magnetism}},
    {.Id = kOrientationItem, .Type = kPicture, .Bounds = {380, 215, 398, 233},
     .Tip = "Cote parallèle au segment par défaut.", .Notify = OrientationButtonNotify, .Draw = DrawOrientationButton},
    {.Id = kOrientationItem + 1, .Type = kPicture, .Bounds = {399, 215, 417, 233},
     .Tip = "Cote projetée horizontale par défaut.", .Notify = OrientationButtonNotify,
     .Draw = DrawOrientationButton},
    {.Id = kOrientationItem + 2, .Type = kPicture, .Bounds = {418, 215, 436, 233},
     .Tip = "Cote projetée verticale par défaut.", .Notify = OrientationButtonNotify, .Draw = DrawOrientationButton},
    {.Id = kSegmentOffsetXItem, .Type = kADMSpinEditType, .Bounds = {36, 245, 104, 263}, .Tip = kOffsetXTip,
     .Notify = RealFieldNotify, .Look = kOffsetLook, .Numeric = true, .Value = {.Real = &W::SegmentOffsetX},
     .Key = "DecalageSegX"},
    {.Id = kSegmentOffsetXPicture, .Type = kPicture, .Bounds = {14, 247, 34, 261}, .Tip = kOffsetXTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
    {.Id = kSegmentOffsetYItem, .Type = kADMSpinEditType, .Bounds = {214, 245, 282, 263}, .Tip = kOffsetYTip,
     .Notify = RealFieldNotify, .Look = kOffsetLook, .Numeric = true, .Value = {.Real = &W::SegmentOffsetY},
     .Key = "DecalageSegY"},
    {.Id = kSegmentOffsetYPicture, .Type = kPicture, .Bounds = {198, 245, 212, 264}, .Tip = kOffsetYTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
    {.Id = kMagneticPointsItem, .Type = kADMSpinEditType, .Bounds = {352, 245, 410, 263}, .Tip = kMagneticPointsTip,
     .Notify = MagneticPointsNotify, .Look = kCountLook, .Numeric = true,
     .Value = {.Whole = &W::RememberedPointCount}, .Key = "NombreSouvenirsPrefs"},
    {.Id = kMagneticPointsPicture, .Type = kPicture, .Bounds = {332, 245, 350, 263}, .Tip = kMagneticPointsTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
};

const PrefsItemSpec kHorizontalText[] = {
    {.Id = kHorizontalTextItem, .Type = kADMTextCheckBoxType, .Bounds = {248, 274, 298, 290}, .Text = "Horiz.",
     .Tip = "Texte horizontal ou non par défaut.", .Notify = FlagBoxNotify, .Value = {.Whole = &W::HorizontalText}},
};

// Icons of the orientation buttons: [type][chosen, not chosen].
constexpr int32_t kOrientationIcons[3][2] = {{1071, 1070}, {1073, 1072}, {1075, 1074}};
constexpr int32_t kTiesIcon = 1080;
constexpr int32_t kNoTiesIcon = 1081;
constexpr int32_t kNoSeriesIcon = 1145;
constexpr int32_t kSeriesTypeOneIcon = 1146;
constexpr int32_t kSeriesTypeTwoIcon = 1147;
constexpr int32_t kLeastRememberedPoints = 2;

void FillWorkingCopies() {
    PreferencesWorkingCopy& w = gPrefs.Working;
    const Settings& s = gSettings;
    w.SideTieLength = s.SideTieLength;
    w.SideTiesOn = s.SideTiesOn;
    w.SeriesOn = s.SeriesOn;
    w.SeriesKind = s.SeriesKind;
    w.Magnetism = s.Magnetism;
    w.DimensionOrientation = s.DimensionOrientation;
    w.SegmentOffsetX = s.SegmentOffsetX;
    w.SegmentOffsetY = s.SegmentOffsetY;
    w.RememberedPointCount = s.RememberedPointCount;
    w.HorizontalText = s.HorizontalText;
}

void InvalidatePictures(ADMDialogRef dialog) {
    for (int32_t id : {kOrientationItem, kOrientationItem + 1, kOrientationItem + 2, kSideTiePicture, kSeriesPicture})
        InvalidateItem(dialog, id);
}

void SideTiesToggleNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    gPrefs.Working.SideTiesOn = gPrefs.Working.SideTiesOn != 0 ? 0 : 1;
    InvalidateItem(DialogOf(item), kSideTiePicture);
}

void DrawSideTiePicture(ADMItemRef, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    DrawPrefsIcon(drawer, gPrefs.Working.SideTiesOn != 0 ? kTiesIcon : kNoTiesIcon, {0, 0});
}

void SeriesToggleNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    gPrefs.Working.SeriesOn = gPrefs.Working.SeriesOn != 0 ? 0 : 1;
    InvalidateItem(DialogOf(item), kSeriesPicture);
}

// The series type buttons act only while series dimensioning is on.
void SeriesTypeNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier) || gPrefs.Working.SeriesOn == 0) return;
    gPrefs.Working.SeriesKind = ItemId(item) == kSeriesTypeTwoItem ? 1 : 0;
    InvalidateItem(DialogOf(item), kSeriesPicture);
}

void DrawSeriesPicture(ADMItemRef, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    if (gPrefs.PrefsPage != kSegmentPrefsPage) return;
    const PreferencesWorkingCopy& w = gPrefs.Working;
    const int32_t icon = w.SeriesOn == 0 ? kNoSeriesIcon : (w.SeriesKind == 0 ? kSeriesTypeOneIcon : kSeriesTypeTwoIcon);
    DrawPrefsIcon(drawer, icon, {0, 0});
}

void MagnetismNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    FlagBoxNotify(item, notifier);
    const ADMDialogRef dialog = DialogOf(item);
    const bool on = gPrefs.Working.Magnetism != 0;
    EnableItem(dialog, kMagneticPointsItem, on);
    ActivateItem(dialog, on ? kMagneticPointsItem : kLineWidthItem);
}

void OrientationButtonNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    gPrefs.Working.DimensionOrientation = ItemId(item) - kOrientationItem;
    const ADMDialogRef dialog = DialogOf(item);
    for (int32_t type = 0; type < 3; ++type) InvalidateItem(dialog, kOrientationItem + type);
}

void DrawOrientationButton(ADMItemRef item, ADMDrawerRef drawer) {
    const int32_t type = ItemId(item) - kOrientationItem;
    if (gPrefs.PrefsPage != kSegmentPrefsPage || type < 0 || type > 2) return;
    DrawPrefsIconCentred(drawer, kOrientationIcons[type][gPrefs.Working.DimensionOrientation == type ? 0 : 1],
                         kIconSquare);
}

// The count of remembered end points stays even, two per remembered segment, and holds one segment at least.
void MagneticPointsNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const double typed = FieldReal(item, gPrefs.Working.RememberedPointCount);
    int32_t count = HeldIntegerOf("NombreSouvenirsPrefs", typed);
    if (count % 2 != 0) count = count < kMaxRememberedPoints ? count + 1 : count - 1;
    if (count < kLeastRememberedPoints) count = kLeastRememberedPoints;
    gPrefs.Working.RememberedPointCount = count;
    if (count != typed) sADMItem->SetIntValue(item, count);
}

}  // namespace

PrefsPageItems prefsitems::SegmentPageItems() { return {kSegmentItems, {}}; }

void BuildPreferencesSegmentPage(ADMDialogRef dialog) {
    FillWorkingCopies();
    CreatePrefsItems(dialog, kSegmentItems);
    BuildDefaultUnitPopup(dialog);
    CreatePrefsItems(dialog, kHorizontalText);
    ShowWorkingValues(dialog, SegmentPageItems());
    ShowWorkingValues(dialog, {kHorizontalText, {}});
    EnableItem(dialog, kMagneticPointsItem, gPrefs.Working.Magnetism != 0);
}

void ShowSegmentPageValues(ADMDialogRef dialog) {
    ShowWorkingValues(dialog, SegmentPageItems());
    ShowWorkingValues(dialog, {kHorizontalText, {}});
    ShowDefaultUnit(dialog);
    EnableItem(dialog, kHorizontalTextItem, true);
    EnableItem(dialog, kMagneticPointsItem, gPrefs.Working.Magnetism != 0);
    InvalidatePictures(dialog);
}
