// The dialog manager's shared vocabulary: opaque references, geometry, procedures and constants.
#pragma once

#include <cstdint>

#include "host/SPBasic.h"
#include "host/Types.h"

// The refs (ADMDialogRef, ADMItemRef, ...) and ADMRGBColor are declared with the host's other handles.
using ADMUserData = void*;
using ADMBoolean = int32_t;

// Icon types: what the dialog manager made of an icon resource.
constexpr int32_t kADMBitmapIconType = 4;   // an image it can draw
constexpr int32_t kADMUnknownIconType = 7;  // a resource that holds no image it can read

// A rectangle in dialog pixels, y growing downward.
struct ADMRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};
// A point in dialog pixels.
struct ADMPoint {
    int32_t h;
    int32_t v;
};
// Procedures a plug-in installs on dialogs and items.
using ADMDialogInitProc = ASErr (*)(ADMDialogRef dialog);
using ADMDialogDrawProc = void (*)(ADMDialogRef dialog, ADMDrawerRef drawer);
using ADMDialogNotifyProc = void (*)(ADMDialogRef dialog, ADMNotifierRef notifier);
using ADMDialogTrackProc = ADMBoolean (*)(ADMDialogRef dialog, ADMTrackerRef tracker);
using ADMDialogDestroyProc = void (*)(ADMDialogRef dialog);
using ADMItemInitProc = ASErr (*)(ADMItemRef item);
using ADMItemDrawProc = void (*)(ADMItemRef item, ADMDrawerRef drawer);
using ADMItemNotifyProc = void (*)(ADMItemRef item, ADMNotifierRef notifier);
using ADMItemTrackProc = ADMBoolean (*)(ADMItemRef item, ADMTrackerRef tracker);
using ADMItemDestroyProc = void (*)(ADMItemRef item);

// Dialog styles.
constexpr int32_t kADMModalDialogStyle = 0;
constexpr int32_t kADMFloatingDialogStyle = 2;
constexpr int32_t kADMTabbedFloatingDialogStyle = 3;

// Item ids with a meaning of their own.
constexpr int32_t kADMUniqueItemID = 0;
constexpr int32_t kADMMenuItemID = -5;
constexpr int32_t kADMDefaultItemID = 1;
constexpr int32_t kADMCancelItemID = 2;

// Item type names.
#define kADMTextPushButtonType "ADM Text Push Button Type"
#define kADMPicturePushButtonType "ADM Picture Push Button Type"
#define kADMPictureStaticType "ADM Picture Static Type"
#define kADMPictureCheckBoxType "ADM Picture Check Box Type"
#define kADMPictureRadioButtonType "ADM Picture Radio Button Type"
#define kADMTextCheckBoxType "ADM Text Check Box Type"
#define kADMTextRadioButtonType "ADM Text Radio Button Type"
#define kADMTextStaticType "ADM Text Static Type"
#define kADMTextStaticMultiLineType "ADM Text Static Multi Line Type"
#define kADMTextEditType "ADM Text Edit Type"
#define kADMTextEditMultiLineType "ADM Text Edit Multi Line Type"
#define kADMSpinEditType "ADM Spin Edit Type"
#define kADMSpinEditPopupType "ADM Spin Edit Popup Type"
#define kADMTextEditPopupType "ADM Text Edit Popup Type"
#define kADMTextEditScrollingPopupType "ADM Text Edit Scrolling Popup Type"
#define kADMPopupListType "ADM Popup List Type"
#define kADMPopupMenuType "ADM Popup Menu Type"
#define kADMListBoxType "ADM List Box Type"
#define kADMSliderType "ADM Slider Type"
#define kADMFrameType "ADM Frame Type"
#define kADMUserType "ADM User Type"

// Notifier types.
#define kADMUserChangedNotifier "ADM User Changed Notifier"
#define kADMIntermediateChangedNotifier "ADM Intermediate Changed Notifier"
#define kADMTextSelectionChangeNotifier "ADM Text Selection Change Notification"
#define kADMBoundsChangedNotifier "ADM Bounds Changed Notifier"

// Units of numeric items.
constexpr int32_t kADMNoUnits = 0;
constexpr int32_t kADMPointUnits = 1;
constexpr int32_t kADMInchUnits = 2;
constexpr int32_t kADMMillimeterUnits = 3;
constexpr int32_t kADMCentimeterUnits = 4;
constexpr int32_t kADMPicaUnits = 5;
constexpr int32_t kADMPercentUnits = 6;
constexpr int32_t kADMDegreeUnits = 7;

// Text justification.
constexpr int32_t kADMLeftJustify = 0;
constexpr int32_t kADMCenterJustify = 1;
constexpr int32_t kADMRightJustify = 2;

// Tracker actions.
constexpr int32_t kADMMouseMovedUpAction = 0;    // the mouse moves with the button up
constexpr int32_t kADMMouseMovedDownAction = 1;  // the mouse moves with the button held
constexpr int32_t kADMButtonDownAction = 2;
constexpr int32_t kADMButtonUpAction = 3;
// Tracker action masks: the bit of an action is 1 shifted left by the action.
constexpr int32_t kADMMouseMovedUpMask = 1 << kADMMouseMovedUpAction;
constexpr int32_t kADMMouseMovedDownMask = 1 << kADMMouseMovedDownAction;
constexpr int32_t kADMButtonDownMask = 1 << kADMButtonDownAction;
constexpr int32_t kADMButtonUpMask = 1 << kADMButtonUpAction;
constexpr int32_t kADMAllMouseActionsMask =
    kADMMouseMovedUpMask | kADMMouseMovedDownMask | kADMButtonDownMask | kADMButtonUpMask;
// The host's wide bits for the same events: the mouse moving with the button up, and the button coming up.
// A mask lets an event through when it holds either bit of that event.
constexpr int32_t kADMWideMouseMovedUpMask = 0x20000;
constexpr int32_t kADMWideButtonUpMask = 0x40000;
// Tracker modifier flags.
constexpr int32_t kADMShiftKeyModifier = 0x20;
constexpr int32_t kADMControlKeyModifier = 0x40;  // Command on a Mac
constexpr int32_t kADMAltKeyModifier = 0x80;
// Tracker mouse states.
constexpr int32_t kADMMouseNotCaptured = 0;
constexpr int32_t kADMMouseCaptured = 1;  // the button went down in the item and is held

// Colours of the host's palette, by name.
enum ADMColor : int32_t {
    kADMBlackColor = 0,
    kADMWhiteColor,
    kADMHiliteColor,
    kADMHiliteTextColor,
    kADMLightColor,
    kADMBackgroundColor,
    kADMShadowColor,
    kADMDisabledColor,
    kADMButtonUpColor,
    kADMButtonDownColor,
    kADMButtonDownShadowColor,
    kADMToolTipBackgroundColor,
    kADMToolTipForegroundColor,
    kADMWindowColor,
    kADMForegroundColor,
    kADMTextColor,
    kADMRedColor  // 16
};
