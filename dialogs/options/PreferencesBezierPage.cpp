// The Bézier page: the division count, the ends, the tool's mode and the label offsets, with a preview of a
// path divided as the working values say.
#include <algorithm>

#include "dialogs/options/PreferencesDialog.h"
#include "dialogs/options/PreferencesItems.h"
#include "dialogs/options/PreferencesPages.h"
#include "frame/Colours.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMDrawerSuite.h"

using namespace prefsitems;

namespace {

using W = PreferencesWorkingCopy;

void DivisionsNotify(ADMItemRef item, ADMNotifierRef notifier);
void DivisionEndsNotify(ADMItemRef item, ADMNotifierRef notifier);
void BezierModeNotify(ADMItemRef item, ADMNotifierRef notifier);
void DrawBezierModeButton(ADMItemRef item, ADMDrawerRef drawer);

constexpr const char* kDivisionsTip =
    "Nombre de divisions d'un segment, d'un angle, d'un arc ou d'une courbe par défaut.";
constexpr const char* kOffsetXTip = "Décalage horizontal par défaut.";
constexpr const char* kOffsetYTip = "Décalage vertical par défaut.";

constexpr FieldLook kDivisionsLook{.Minimum = 1.0f, .Precision = 0};
constexpr FieldLook kOffsetLook{.Units = kADMPointUnits, .SmallStep = 0.1f, .LargeStep = 1.0f};

constexpr const char* kPicture = kADMPicturePushButtonType;

const PrefsItemSpec kBezierItems[] = {
    {.Id = kDivisionsItem, .Type = kADMSpinEditType, .Bounds = {36, 215, 90, 233}, .Tip = kDivisionsTip,
     .Notify = DivisionsNotify, .Look = kDivisionsLook, .Numeric = true, .Value = {.Whole = &W::DivisionCount},
     .Key = "NbDivBez"},
    {.Id = kDivisionsPicture, .Type = kPicture, .Bounds = {16, 215, 34, 233}, .Tip = kDivisionsTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
    {.Id = kDivisionPreviewItem, .Type = kADMUserType, .Bounds = {156, 212, 326, 236}, .Draw = DrawDivisionPreview},
    {.Id = kDivisionEndsItem, .Type = kADMTextCheckBoxType, .Bounds = {248, 274, 298, 290}, .Text = "Bouts.",
     .Tip = "Trait au début et à la fin du tracé par défaut.", .Notify = DivisionEndsNotify,
     .Value = {.Whole = &W::DivisionEndTicks}},
    {.Id = kBezierModeItem, .Type = kPicture, .Bounds = {380, 215, 398, 233},
     .Tip = "Partager le tracé (segment, angle, arc ou courbe) par défaut.", .Notify = BezierModeNotify,
     .Draw = DrawBezierModeButton},
    {.Id = kBezierModeItem + 1, .Type = kPicture, .Bounds = {399, 215, 417, 233},
     .Tip = "Tracé du rayon local de la courbe par défaut.", .Notify = BezierModeNotify,
     .Draw = DrawBezierModeButton},
    {.Id = kBezierModeItem + 2, .Type = kPicture, .Bounds = {418, 215, 436, 233},
     .Tip = "Tracé de la tangente locale à la courbe par défaut.", .Notify = BezierModeNotify,
     .Draw = DrawBezierModeButton},
    {.Id = kBezierOffsetXItem, .Type = kADMSpinEditType, .Bounds = {36, 245, 104, 263}, .Tip = kOffsetXTip,
     .Notify = RealFieldNotify, .Look = kOffsetLook, .Numeric = true, .Value = {.Real = &W::BezierOffsetX},
     .Key = "DecalageBezierX"},
    {.Id = kBezierOffsetXPicture, .Type = kPicture, .Bounds = {14, 247, 34, 261}, .Tip = kOffsetXTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
    {.Id = kBezierOffsetYItem, .Type = kADMSpinEditType, .Bounds = {214, 245, 282, 263}, .Tip = kOffsetYTip,
     .Notify = RealFieldNotify, .Look = kOffsetLook, .Numeric = true, .Value = {.Real = &W::BezierOffsetY},
     .Key = "DecalageBezierY"},
    {.Id = kBezierOffsetYPicture, .Type = kPicture, .Bounds = {198, 245, 212, 264}, .Tip = kOffsetYTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
};

// Icons of the mode buttons: [mode][chosen, not chosen].
constexpr int32_t kModeIcons[3][2] = {{1057, 1056}, {1059, 1058}, {1061, 1060}};

// The preview: a path of this length, marks this tall, and the most divisions it tells apart.
constexpr int32_t kPreviewLength = 140;
constexpr int32_t kMarkHeight = 20;

void FillWorkingCopies() {
    PreferencesWorkingCopy& w = gPrefs.Working;
    const Settings& s = gSettings;
    w.DivisionCount = s.DivisionCount;
    w.DivisionEndTicks = s.DivisionEndTicks;
    w.BezierMode = s.BezierMode;
    w.BezierOffsetX = s.BezierOffsetX;
    w.BezierOffsetY = s.BezierOffsetY;
}

// In the divide mode the division count, its picture and "Bouts." are enabled.
void EnableDivisionItems(ADMDialogRef dialog) {
    const bool divide = gPrefs.Working.BezierMode == 0;
    for (int32_t id : {kDivisionsItem, kDivisionsPicture, kDivisionEndsItem}) EnableItem(dialog, id, divide);
}

void InvalidateModeButtons(ADMDialogRef dialog) {
    for (int32_t mode = 0; mode < 3; ++mode) InvalidateItem(dialog, kBezierModeItem + mode);
}

void DivisionsNotify(ADMItemRef item, ADMNotifierRef notifier) {
    WholeFieldNotify(item, notifier);
    if (IsUserChange(notifier)) InvalidateItem(DialogOf(item), kDivisionPreviewItem);
}

void DivisionEndsNotify(ADMItemRef item, ADMNotifierRef notifier) {
    FlagBoxNotify(item, notifier);
    if (IsUserChange(notifier)) InvalidateItem(DialogOf(item), kDivisionPreviewItem);
}

void BezierModeNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const ADMDialogRef dialog = DialogOf(item);
    gPrefs.Working.BezierMode = ItemId(item) - kBezierModeItem;
    EnableDivisionItems(dialog);
    ActivateItem(dialog, gPrefs.Working.BezierMode == 0 ? kDivisionsItem : kLineWidthItem);
    InvalidateModeButtons(dialog);
}

void DrawBezierModeButton(ADMItemRef item, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    const int32_t mode = ItemId(item) - kBezierModeItem;
    if (gPrefs.PrefsPage != kBezierPrefsPage || mode < 0 || mode > 2) return;
    DrawPrefsIconCentred(drawer, kModeIcons[mode][gPrefs.Working.BezierMode == mode ? 0 : 1], kIconSquare);
}

void Line(ADMDrawerRef drawer, int32_t h1, int32_t v1, int32_t h2, int32_t v2) {
    const ADMPoint start{h1, v1};
    const ADMPoint end{h2, v2};
    sADMDrawer->DrawLine(drawer, &start, &end);
}

}  // namespace

PrefsPageItems prefsitems::BezierPageItems() { return {kBezierItems, {}}; }

// A count outside 1..140 is drawn as the nearest of them, so the step is never zero and the marks end.
void DrawDivisionPreview(ADMItemRef, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    const PreferencesWorkingCopy& w = gPrefs.Working;
    if (gPrefs.PrefsPage != kBezierPrefsPage || w.BezierMode != 0) return;
    const int32_t divisions = std::clamp(w.DivisionCount, 1, kPreviewLength);
    const int32_t step = kPreviewLength / divisions;
    ADMRGBColor stroke;
    GetDisplayColour(&stroke, kStrokeSide);
    sADMDrawer->SetRGBColor(drawer, &stroke);
    const bool ends = w.DivisionEndTicks != 0;
    if (!ends && divisions == 1) {
        Line(drawer, 0, kMarkHeight, kPreviewLength, kMarkHeight);
        Line(drawer, 0, kMarkHeight + 1, kPreviewLength, kMarkHeight + 1);
        return;
    }
    int32_t x = ends ? 0 : step;
    Line(drawer, x, 0, x, kMarkHeight);
    while (x + 2 * step < kPreviewLength + 1) {
        x += step;
        Line(drawer, x, 0, x, kMarkHeight);
    }
    x += step;
    if (ends) Line(drawer, x, 0, x, kMarkHeight);
    sADMDrawer->SetADMColor(drawer, kADMBlackColor);
    Line(drawer, 0, 10, x, 10);
    Line(drawer, 0, 11, x, 11);
    Line(drawer, 0, 9, x, 9);
}

void BuildPreferencesBezierPage(ADMDialogRef dialog) {
    FillWorkingCopies();
    CreatePrefsItems(dialog, kBezierItems);
    ShowWorkingValues(dialog, BezierPageItems());
    EnableItem(dialog, kDivisionEndsItem, gPrefs.Working.BezierMode == 0);
}

void ShowBezierPageValues(ADMDialogRef dialog) {
    ShowWorkingValues(dialog, BezierPageItems());
    ShowDefaultUnit(dialog);
    EnableDivisionItems(dialog);
    InvalidateModeButtons(dialog);
    InvalidateItem(dialog, kDivisionPreviewItem);
}
