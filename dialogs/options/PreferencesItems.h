// The items of the preferences dialog as data: ids, types, rectangles, texts, tips, procedures, the look of
// the numeric fields and the working value each item shows; and the small operations the pages share.
#pragma once

#include <cstdint>
#include <span>

#include "dialogs/options/PreferencesDialog.h"
#include "host/ADMTypes.h"
#include "panel/PanelItems.h"
#include "panel/PanelProcedures.h"

// Item ids of the dialog.
constexpr int32_t kPrefsOkItem = 1;
constexpr int32_t kPrefsCancelItem = 2;
constexpr int32_t kPrefsDefaultItem = 3;
constexpr int32_t kEndMarkShapeItem = 80;        // 80..83: the end-mark shapes 0..3
constexpr int32_t kBezierModeItem = 84;          // 84..86: divide, local radius, local tangent
constexpr int32_t kOrientationItem = 87;         // 87..89: parallel, projected horizontal, projected vertical
constexpr int32_t kArcTypeItem = 90;             // 90..92: multiple-arc types 1..3
constexpr int32_t kRadiusDrawnItem = 93;
constexpr int32_t kRadiusNotDrawnItem = 94;
constexpr int32_t kEndMarkSizeItem = 100;
constexpr int32_t kLineWidthItem = 101;
constexpr int32_t kScalePopupItem = 102;
constexpr int32_t kSideTieItem = 104;
constexpr int32_t kDecimalsItem = 105;
constexpr int32_t kSegmentOffsetXItem = 106;
constexpr int32_t kSegmentOffsetYItem = 107;
constexpr int32_t kArrowsPointsItem = 108;
constexpr int32_t kHorizontalTextItem = 109;
constexpr int32_t kDiameterItem = 110;
constexpr int32_t kSoundItem = 111;
constexpr int32_t kTieLineItem = 112;
constexpr int32_t kMagnetismItem = 113;
constexpr int32_t kOwnLayerItem = 114;
constexpr int32_t kCircleSymbolItem = 115;
constexpr int32_t kSymbolPlaceItem = 116;
constexpr int32_t kRightAngleItem = 118;
constexpr int32_t kUnitPopupItem = 119;
constexpr int32_t kAngleUnitItem = 121;
constexpr int32_t kPrefixSwitchItem = 122;
constexpr int32_t kPrefixItem = 123;
constexpr int32_t kSuffixItem = 124;
constexpr int32_t kEndMarkSizePicture = 125;
constexpr int32_t kLineWidthPicture = 126;
constexpr int32_t kSideTiePicture = 127;
constexpr int32_t kTieLinePicture = 128;
constexpr int32_t kDecimalsGauge = 130;
constexpr int32_t kScaleLabel = 131;
constexpr int32_t kSegmentOffsetXPicture = 132;
constexpr int32_t kSegmentOffsetYPicture = 133;
constexpr int32_t kToolPopupItem = 134;
constexpr int32_t kPipetteItem = 135;
constexpr int32_t kPrefixPicture = 136;
constexpr int32_t kSuffixPicture = 137;
constexpr int32_t kDivisionsItem = 138;
constexpr int32_t kDivisionsPicture = 139;
constexpr int32_t kStrokeColourButton = 140;
constexpr int32_t kTextColourButton = 141;
constexpr int32_t kMagneticPointsItem = 142;
constexpr int32_t kMagneticPointsPicture = 143;
constexpr int32_t kDivisionEndsItem = 144;
constexpr int32_t kArcFactorItem = 145;
constexpr int32_t kFontPopupItem = 146;
constexpr int32_t kBodySizeItem = 147;
constexpr int32_t kBodySizePicture = 148;
constexpr int32_t kArcRadiusItem = 149;
constexpr int32_t kArcRadiusPicture = 150;
constexpr int32_t kAngleOffsetItem = 151;
constexpr int32_t kAngleOffsetPicture = 152;
constexpr int32_t kRadialOffsetItem = 153;
constexpr int32_t kRadialOffsetPicture = 154;
constexpr int32_t kCircleOffsetXItem = 155;
constexpr int32_t kCircleOffsetXPicture = 156;
constexpr int32_t kCircleOffsetYItem = 157;
constexpr int32_t kCircleOffsetYPicture = 158;
constexpr int32_t kArcFactorPicture = 159;
constexpr int32_t kBezierOffsetXItem = 160;
constexpr int32_t kBezierOffsetXPicture = 161;
constexpr int32_t kBezierOffsetYItem = 162;
constexpr int32_t kBezierOffsetYPicture = 163;
constexpr int32_t kInchSymbolItem = 164;
constexpr int32_t kFootSymbolItem = 165;
constexpr int32_t kRedrawAllItem = 166;
constexpr int32_t kLayerNameItem = 167;
constexpr int32_t kSampleTextItem = 168;
constexpr int32_t kDivisionPreviewItem = 169;
constexpr int32_t kRadiusNotDrawnPicture = 170;
constexpr int32_t kRadiusDrawnPicture = 171;
constexpr int32_t kSideTiesToggle = 172;
constexpr int32_t kSeriesToggle = 173;
constexpr int32_t kSeriesPicture = 174;
constexpr int32_t kSeriesTypeOneItem = 175;
constexpr int32_t kSeriesTypeTwoItem = 176;

// The dialog's own helpers stand in a namespace of their own, apart from the other dialogs' alike.
namespace prefsitems {

// No bound on a numeric field.
constexpr float kNoFieldBound = 1.0e30f;

// How a numeric field reads and steps; a step of 0 leaves the host's own.
struct FieldLook {
    int32_t Units = kADMNoUnits;
    float SmallStep = 0.0f;
    float LargeStep = 0.0f;
    float Minimum = -kNoFieldBound;
    float Maximum = kNoFieldBound;
    int32_t Precision = -1;  // -1: the host's own
};

// The working value an item shows and a plain notifier sets: a real, or a whole number (an integer, a flag,
// or the index of a popup's entry).
struct WorkingValue {
    double PreferencesWorkingCopy::*Real = nullptr;
    int32_t PreferencesWorkingCopy::*Whole = nullptr;
};

// One item as the dialog creates it.
struct PrefsItemSpec {
    int32_t Id = 0;
    const char* Type = nullptr;
    ADMRect Bounds{};
    const char* Text = nullptr;  // the item's text (check boxes, buttons); null for none
    const char* Tip = nullptr;   // null: none, or set by the item's state (see PrefsTipRule)
    ADMItemNotifyProc Notify = nullptr;
    ADMItemDrawProc Draw = nullptr;  // null: the dialog manager's own drawing
    FieldLook Look{};
    bool Numeric = false;        // Look applies
    WorkingValue Value{};
    int32_t Font = -1;           // -1: the host's own
    const char* Key = nullptr;   // the setting a numeric field edits: its range bounds the field
};

// A tip that follows a working flag.
struct PrefsTipRule {
    int32_t Id;
    int32_t PreferencesWorkingCopy::*Flag;
    const char* WhenOn;
    const char* WhenOff;
};

// The items of one page and the tips that follow its flags.
struct PrefsPageItems {
    std::span<const PrefsItemSpec> Items;
    std::span<const PrefsTipRule> Tips;
};

// The pages' item tables.
PrefsPageItems CommonPageItems();
PrefsPageItems SegmentPageItems();
PrefsPageItems AnglePageItems();
PrefsPageItems CirclePageItems();
PrefsPageItems BezierPageItems();

// Creates the items of a table in order, each with its look, texts and procedures; the plain notifiers find
// the item's entry through its user data.
void CreatePrefsItems(ADMDialogRef dialog, std::span<const PrefsItemSpec> items);
// Shows the working value of every bound item of the page and sets the tips that follow its flags.
void ShowWorkingValues(ADMDialogRef dialog, const PrefsPageItems& page);
// Sets the tips of the rules that name `id`, or of every rule when `id` is 0.
void ApplyTipRules(ADMDialogRef dialog, std::span<const PrefsTipRule> rules, int32_t id = 0);

// Plain notifiers, on "ADM User Changed Notifier" only: the item's working value takes the field's number,
// the box's state or the index of the chosen entry.
void RealFieldNotify(ADMItemRef item, ADMNotifierRef notifier);
void WholeFieldNotify(ADMItemRef item, ADMNotifierRef notifier);
void FlagBoxNotify(ADMItemRef item, ADMNotifierRef notifier);
void ChoiceNotify(ADMItemRef item, ADMNotifierRef notifier);

// Small operations on the items of a dialog; a missing item is ignored.
ADMItemRef PrefsItem(ADMDialogRef dialog, int32_t id);
ADMDialogRef DialogOf(ADMItemRef item);
int32_t ItemId(ADMItemRef item);
void EnableItem(ADMDialogRef dialog, int32_t id, bool enable);
void ShowItem(ADMDialogRef dialog, int32_t id, bool show);
void InvalidateItem(ADMDialogRef dialog, int32_t id);
void ActivateItem(ADMDialogRef dialog, int32_t id);
void SetItemTip(ADMDialogRef dialog, int32_t id, const char* tip);
// Chooses the entry at `index` of a popup.
void ChooseEntryAt(ADMItemRef item, int32_t index);
// Draws one of the plug-in's icons at a point, or centred in a rectangle, of the item or dialog being drawn.
void DrawPrefsIcon(ADMDrawerRef drawer, int32_t iconID, ADMPoint at);
void DrawPrefsIconCentred(ADMDrawerRef drawer, int32_t iconID, ADMRect in);
// The square in which a 16 by 16 picture button draws its icon.
constexpr ADMRect kIconSquare{0, 0, 16, 16};

}  // namespace prefsitems
