// Which tool page's items are shown and enabled, and the pictures the dialog paints for the page on show.
#include <cstdint>

#include "dialogs/options/PreferencesDialog.h"
#include "dialogs/options/PreferencesItems.h"
#include "dialogs/options/PreferencesPages.h"
#include "frame/SuiteTable.h"
#include "host/ADMDrawerSuite.h"

using namespace prefsitems;

namespace {

// The pages an item belongs to, one bit per page number.
constexpr uint32_t Page(int32_t page) { return 1u << page; }

// When an item of the page on show is enabled.
enum class Enabled { Always, MagnetismOn, ArcTypeAboveZero, SymbolShown, DivideMode };

struct SwitchedItem {
    int32_t Id;
    uint32_t Pages;
    Enabled When;
};

constexpr uint32_t kSegment = Page(kSegmentPrefsPage);
constexpr uint32_t kAngle = Page(kAnglePrefsPage);
constexpr uint32_t kCircle = Page(kCirclePrefsPage);
constexpr uint32_t kBezier = Page(kBezierPrefsPage);
constexpr uint32_t kLengths = Page(kLengthsPrefsPage);

constexpr SwitchedItem kSwitchedItems[] = {
    {kOrientationItem, kSegment, Enabled::Always},
    {kOrientationItem + 1, kSegment, Enabled::Always},
    {kOrientationItem + 2, kSegment, Enabled::Always},
    {kSideTieItem, kSegment, Enabled::Always},
    {kSideTiePicture, kSegment, Enabled::Always},
    {kSegmentOffsetXItem, kSegment, Enabled::Always},
    {kSegmentOffsetXPicture, kSegment, Enabled::Always},
    {kSegmentOffsetYItem, kSegment, Enabled::Always},
    {kSegmentOffsetYPicture, kSegment, Enabled::Always},
    {kHorizontalTextItem, kSegment, Enabled::Always},
    {kMagnetismItem, kSegment, Enabled::Always},
    {kMagneticPointsItem, kSegment, Enabled::MagnetismOn},
    {kMagneticPointsPicture, kSegment, Enabled::Always},
    {kSideTiesToggle, kSegment, Enabled::Always},
    {kSeriesToggle, kSegment, Enabled::Always},
    {kSeriesTypeOneItem, kSegment, Enabled::Always},
    {kSeriesTypeTwoItem, kSegment, Enabled::Always},
    {kArcTypeItem, kAngle, Enabled::Always},
    {kArcTypeItem + 1, kAngle, Enabled::Always},
    {kArcTypeItem + 2, kAngle, Enabled::Always},
    {kRightAngleItem, kAngle, Enabled::Always},
    {kAngleUnitItem, kAngle, Enabled::Always},
    {kArcRadiusItem, kAngle, Enabled::Always},
    {kArcRadiusPicture, kAngle, Enabled::Always},
    {kAngleOffsetItem, kAngle, Enabled::Always},
    {kAngleOffsetPicture, kAngle, Enabled::Always},
    {kRadialOffsetItem, kAngle, Enabled::Always},
    {kRadialOffsetPicture, kAngle, Enabled::Always},
    {kArcFactorItem, kAngle, Enabled::ArcTypeAboveZero},
    {kArcFactorPicture, kAngle, Enabled::ArcTypeAboveZero},
    {kRadiusDrawnItem, kCircle, Enabled::Always},
    {kRadiusNotDrawnItem, kCircle, Enabled::Always},
    {kDiameterItem, kCircle, Enabled::Always},
    {kTieLineItem, kCircle, Enabled::Always},
    {kTieLinePicture, kCircle, Enabled::Always},
    {kCircleSymbolItem, kCircle, Enabled::Always},
    {kSymbolPlaceItem, kCircle, Enabled::SymbolShown},
    {kCircleOffsetXItem, kCircle, Enabled::Always},
    {kCircleOffsetXPicture, kCircle, Enabled::Always},
    {kCircleOffsetYItem, kCircle, Enabled::Always},
    {kCircleOffsetYPicture, kCircle, Enabled::Always},
    {kBezierModeItem, kBezier, Enabled::Always},
    {kBezierModeItem + 1, kBezier, Enabled::Always},
    {kBezierModeItem + 2, kBezier, Enabled::Always},
    {kDivisionsItem, kBezier, Enabled::Always},
    {kDivisionsPicture, kBezier, Enabled::Always},
    {kDivisionEndsItem, kBezier, Enabled::DivideMode},
    {kBezierOffsetXItem, kBezier, Enabled::Always},
    {kBezierOffsetXPicture, kBezier, Enabled::Always},
    {kBezierOffsetYItem, kBezier, Enabled::Always},
    {kBezierOffsetYPicture, kBezier, Enabled::Always},
    {kDivisionPreviewItem, kBezier, Enabled::Always},
    {kUnitPopupItem, kSegment | kCircle | kBezier | kLengths, Enabled::Always},
};

bool EnabledOnItsPage(Enabled when) {
    const PreferencesWorkingCopy& working = gPrefs.Working;
    switch (when) {
        case Enabled::MagnetismOn: return working.Magnetism != 0;
        case Enabled::ArcTypeAboveZero: return working.MultipleArcType > 0;
        case Enabled::SymbolShown: return working.CircleSymbolShown == 1;
        case Enabled::DivideMode: return working.BezierMode == 0;
        case Enabled::Always: break;
    }
    return true;
}

// A picture the dialog paints for a page, at its top-left corner.
struct PagePicture {
    int32_t Page;
    int32_t Icon;
    ADMPoint At;
};
constexpr PagePicture kPagePictures[] = {
    {kSegmentPrefsPage, 1031, {334, 246}}, {kSegmentPrefsPage, 1028, {14, 251}}, {kSegmentPrefsPage, 1029, {200, 246}},
    {kAnglePrefsPage, 1082, {14, 217}},    {kAnglePrefsPage, 1137, {16, 245}},   {kAnglePrefsPage, 1138, {145, 247}},
    {kCirclePrefsPage, 1083, {12, 217}},   {kCirclePrefsPage, 1028, {14, 251}},  {kCirclePrefsPage, 1029, {200, 246}},
    {kBezierPrefsPage, 1031, {18, 216}},   {kBezierPrefsPage, 1028, {14, 251}},  {kBezierPrefsPage, 1029, {200, 246}},
};

// The small cross beside the Angle page's arc coefficient.
void DrawCoefficientCross(ADMDrawerRef drawer) {
    sADMDrawer->SetADMColor(drawer, kADMShadowColor);
    const ADMPoint lines[][2] = {{{355, 249}, {363, 257}}, {{355, 257}, {363, 249}}};
    for (const auto& line : lines) sADMDrawer->DrawLine(drawer, &line[0], &line[1]);
}

}  // namespace

void ShowPreferencePage(ADMDialogRef dialog) {
    const int32_t page = gPrefs.PrefsPage;
    if (page < kSegmentPrefsPage || page > kLengthsPrefsPage) return;
    for (const SwitchedItem& item : kSwitchedItems) {
        const bool onPage = (item.Pages & Page(page)) != 0;
        EnableItem(dialog, item.Id, onPage && EnabledOnItsPage(item.When));
        ShowItem(dialog, item.Id, onPage);
    }
    if (page == kLengthsPrefsPage) {
        EnableItem(dialog, kScalePopupItem, true);
        EnableItem(dialog, kScaleLabel, true);
    }
}

void DrawPreferencePagePictures(ADMDrawerRef drawer) {
    if (gPrefs.PrefsPage == kAnglePrefsPage) DrawCoefficientCross(drawer);
    for (const PagePicture& picture : kPagePictures)
        if (picture.Page == gPrefs.PrefsPage) DrawPrefsIcon(drawer, picture.Icon, picture.At);
}
