// The docked panel's own process-wide state: its dialog, the screen, the help page, and the ids of its items.
#pragma once

#include <cstdint>

#include "host/ADMTypes.h"
#include "host/Types.h"

// The panel's host dialog; null before the host has started and after the panel is destroyed.
extern ADMDialogRef PanelDialog;
// The main screen, as the dialog manager reported it when the panel was built.
extern AIRect ScreenBounds;
// The help page shown, 1 to HelpPageCount, and the number of pages.
extern int16_t HelpPage;
extern int16_t HelpPageCount;
// The cursor's horizontal position at the decimals drag's last step.
extern int32_t DragTrackX;

// Puts the panel's state above back to its start value: no dialog, no screen, the first help page, no drag, no
// change refused on a closed layer.
// For a fresh start of the plug-in's state, as in a new test.
void ResetPanelState();

// The panel's item ids. The flyout menu is the dialog's own menu item (kADMMenuItemID).
enum PanelItemID : int32_t {
    kSeriesTypeOneItem = 0,
    kSeriesTypeTwoItem = 1,
    kReloadItem = 5,
    kWebPageItem = 6,
    kLineWidthItem = 7,
    kLineWidthPictureItem = 8,
    kEndSizeItem = 9,
    kEndSizePictureItem = 10,
    kArrowsPointsItem = 11,
    kScalePopupItem = 12,
    kScalePictureItem = 13,
    kScaleMarkerItem = 14,
    kSideTieItem = 15,
    kSideTiePictureItem = 16,
    kDecimalsItem = 17,
    kDecimalsPictureItem = 18,
    kTextOrientationItem = 19,
    kTextPositionItem = 20,
    kFontItem = 21,
    kTextSizeItem = 22,
    kTextColourPictureItem = 23,
    kSegmentOffsetXItem = 24,
    kSegmentOffsetYItem = 25,
    kAngleOffsetAItem = 28,
    kAngleOffsetRItem = 29,
    kCircleOffsetXItem = 32,
    kCircleOffsetYItem = 33,
    kBezierOffsetXItem = 36,
    kBezierOffsetYItem = 37,
    kFreeTextMenuItem = 40,
    kFreeTextItem = 41,
    kFractionPopupItem = 42,
    kUnitPopupItem = 43,
    kParallelItem = 44,
    kProjectedHorizontalItem = 45,
    kProjectedVerticalItem = 46,
    kAngleArrowsItem = 47,
    kAngleFormatItem = 48,
    kSalientReentrantItem = 49,
    kArcRadiusItem = 50,
    kArcRadiusPictureItem = 51,
    kSegmentArrowsItem = 52,
    kInvertLineItem = 53,
    kSharePathItem = 54,
    kLocalRadiusItem = 55,
    kLocalTangentItem = 56,
    kToleranceTextItem = 57,
    kToleranceButtonItem = 58,
    kSingleArcItem = 59,
    kMultipleArcsItem = 60,
    kArcCountItem = 61,
    kArcGapItem = 62,
    kArcGapPictureItem = 63,
    kCircleArrowsItem = 64,
    kCircleAngleItem = 65,
    kCircleTieItem = 66,
    kCircleTiePictureItem = 67,
    kDiameterRadiusItem = 68,
    kBezierArrowsItem = 69,
    kPathLengthItem = 70,
    kPathLengthPictureItem = 71,
    kDivisionCountItem = 72,
    kDivisionCountPictureItem = 73,
    kHelpTextItem = 74,
    kHelpNextItem = 75,
    kHelpPreviousItem = 76,
    kHelpPageCountItem = 77,
    kHelpPageNumberItem = 78,
    kHelpSlashItem = 79,
    kLineColourItem = 80,
    kTextColourItem = 81,
    kCircleAnglePictureItem = 82,
    kAreaTextItem = 83,
    kArrowShape1Item = 84,
    kArrowShape4Item = 87,
    kSelectionLengthItem = 88,
    kCurvePartItem = 89,
    kSelectionCountItem = 92,
    kSeriesOnItem = 93,
    kWithTiesItem = 94,
    kSideTextItem = 95,
    kSeriesTypePictureItem = 96,
    kTextPositionPictureItem = 99,
    kCoverItem = 100,
};

// The panel's width, with the help beside it, and its heights with the options hidden and shown.
constexpr int32_t kPanelWidth = 240;
constexpr int32_t kPanelWithHelpWidth = 480;
constexpr int32_t kOptionsHiddenHeight = 106;
constexpr int32_t kOptionsShownHeight = 172;

// The dialog manager's font of every text-bearing panel item.
constexpr int32_t kPanelFont = 13;

// The panel's item with that id, or null with no panel or no such item.
ADMItemRef PanelItem(int32_t itemID);
