// The colour dialog's drawing: the previews and decorations of the dialog, the two arrow-head pictures with
// the trackers that drag their angles, and the lock.
#include <cmath>

#include "dialogs/options/ColourChannels.h"
#include "dialogs/options/ColourDialog.h"
#include "dialogs/options/ColourWorkingCopy.h"
#include "dialogs/options/DialogSupport.h"
#include "frame/Colours.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMItemSuite.h"
#include "records/DialogPositions.h"
#include "records/DragValues.h"

namespace {

constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;
// Half the height of an arrow picture's barbs, in pixels.
constexpr double kBarbLength = 15.0;
constexpr double kArrowAngleStep = 2.0;
constexpr double kMinArrowAngle = 0.0;
constexpr double kMaxArrowAngle = 90.0;
// Where the pointer may drag: the width of each picture, and in the triangle the top band that drags the angle
// (below it a press toggles hollow and filled).
constexpr int32_t kOpenArrowWidth = 24;
constexpr int32_t kTriangleWidth = 64;
constexpr int32_t kTriangleAngleCursorBand = 22;
constexpr int32_t kTriangleAngleBand = 23;
// Cursors: the drag, and the filled or hollow triangle.
constexpr int32_t kDragCursor = 1100;
constexpr int32_t kHollowCursor = 1115;
constexpr int32_t kFilledCursor = 1116;
// The lock icons.
constexpr int32_t kOpenLockIcon = 1026;
constexpr int32_t kClosedLockIcon = 1027;
// The preview bars under the two radio buttons.
constexpr ADMRect kPreviewBar{12, 24, 46, 28};
constexpr int32_t kTextBarShift = 90;
constexpr double kPercent = 100.0;
constexpr double kLevelToScreen = 255.0;

// The screen colour of a working colour, each level taken exactly.
ADMRGBColor ExactDisplayColour(int32_t model, const ColourValues& v) {
    switch (model) {
        case kGreyModel: {
            const uint16_t level = ScreenChannel((kPercent - v.Grey) * kLevelToScreen * kLevelToScreen / kPercent);
            return ADMRGBColor{level, level, level};
        }
        case kRgbModel:
            return ADMRGBColor{ScreenChannel(v.Red * kLevelToScreen), ScreenChannel(v.Green * kLevelToScreen),
                               ScreenChannel(v.Blue * kLevelToScreen)};
        default:
            return DisplayColour(model, v);
    }
}

ADMRGBColor WorkingStrokePen() {
    return ExactDisplayColour(gColourWorkingCopy.StrokeModel, gColourWorkingCopy.Stroke);
}

// One step of a dragged angle: Control puts back the committed angle; otherwise 2 degrees up while the pointer
// stays at or right of its previous position, down when it moved left, held to 0..90.
void StepArrowAngle(double& angle, double committed, ADMTrackerRef tracker, int32_t x) {
    if (ControlHeld(tracker)) {
        angle = committed;
        return;
    }
    int32_t& previous = gDragValues.DragTrackY;
    angle += DragProduct(previous, x) < 1 ? kArrowAngleStep : -kArrowAngleStep;
    previous = x;
    angle = std::fmin(std::fmax(angle, kMinArrowAngle), kMaxArrowAngle);
}

// The picture redrawn and its edit showing the angle, with the keyboard focus.
void ShowDraggedAngle(ADMItemRef item, int32_t pictureID, int32_t editID, double angle) {
    const ADMDialogRef dialog = ItemDialog(item);
    InvalidateItem(dialog, pictureID);
    SetItemFloat(dialog, editID, angle);
    ActivateItem(dialog, editID);
}

}  // namespace

void OpenArrowPictureDraw(ADMItemRef, ADMDrawerRef drawer) {
    const double angle = gColourWorkingCopy.OpenArrowAngle * kDegreesToRadians;
    const int32_t s = WholePixels(std::sin(angle) * kBarbLength);
    const int32_t c = WholePixels(std::cos(angle) * kBarbLength);
    sADMDrawer->Clear(drawer);
    SetPen(drawer, WorkingStrokePen());
    DrawLine(drawer, 1, 15, 20, 15);
    DrawLine(drawer, 0, 15, c, 15 - s);
    DrawLine(drawer, 0, 15, c, 15 + s);
}

void TriangleArrowPictureDraw(ADMItemRef, ADMDrawerRef drawer) {
    const double angle = gColourWorkingCopy.TriangleArrowAngle * kDegreesToRadians;
    const double s = std::sin(angle) * kBarbLength;
    const int32_t base = WholePixels(std::cos(angle) * kBarbLength) + 40;
    sADMDrawer->Clear(drawer);
    SetPen(drawer, WorkingStrokePen());
    DrawLine(drawer, base, 11, 60, 11);
    const ADMPoint triangle[] = {{base, WholePixels(11 - s)}, {40, 11}, {base, WholePixels(11 + s)},
                                 {base, WholePixels(11 - s)}};
    sADMDrawer->DrawPolygon(drawer, triangle, 4);
    if (gColourWorkingCopy.HollowTriangle == 0) sADMDrawer->FillPolygon(drawer, triangle, 4);
}

ADMBoolean OpenArrowAngleTrack(ADMItemRef item, ADMTrackerRef tracker) {
    const ADMPoint point = TrackedPoint(tracker);
    if (point.h >= 0 && point.h <= kOpenArrowWidth) {
        ShowCursor(item, kDragCursor);
        if (MouseCaptured(tracker)) {
            double& angle = gColourWorkingCopy.OpenArrowAngle;
            StepArrowAngle(angle, gColourSettings.OpenArrowAngle, tracker, point.h);
            ShowDraggedAngle(item, kOpenArrowPicture, kOpenArrowAngleEdit, angle);
        }
    }
    return DefaultTracking(item, tracker);
}

ADMBoolean TriangleArrowTrack(ADMItemRef item, ADMTrackerRef tracker) {
    const ADMPoint point = TrackedPoint(tracker);
    ColourDialogWorkingCopy& w = gColourWorkingCopy;
    if (point.h >= 0 && point.h <= kTriangleWidth) {
        const bool angleBand = point.v < kTriangleAngleCursorBand;
        ShowCursor(item, angleBand ? kDragCursor : (w.HollowTriangle != 0 ? kHollowCursor : kFilledCursor));
        if (MouseCaptured(tracker)) {
            if (point.v < kTriangleAngleBand) {
                StepArrowAngle(w.TriangleArrowAngle, gColourSettings.TriangleArrowAngle, tracker, point.h);
            } else {
                w.HollowTriangle = w.HollowTriangle != 0 ? 0 : 1;
                SetItemTip(ItemDialog(item), kTriangleArrowAngleEdit, TriangleAngleTip(w.HollowTriangle));
            }
            ShowDraggedAngle(item, kTriangleArrowPicture, kTriangleArrowAngleEdit, w.TriangleArrowAngle);
        }
    }
    return DefaultTracking(item, tracker);
}

void TextLockPictureDraw(ADMItemRef item, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    DrawIconResource(drawer, item, gColourWorkingCopy.TextLock != 0 ? kClosedLockIcon : kOpenLockIcon, 0, 2);
}

void ColourPreviewDraw(ADMDialogRef dialog, ADMDrawerRef drawer) {
    sADMDialog->DefaultDraw(dialog, drawer);
    gDialogPositions.ColourDialogBounds = DialogBounds(dialog);
    ColourGroupDraw(dialog, drawer);

    SetDrawFont(drawer, kDialogFont);
    SetPen(drawer, kADMBlackColor);
    ClearRect(drawer, ADMRect{81, 9, 86, 13});
    ClearRect(drawer, ADMRect{234, 9, 239, 13});
    DrawTextAt(drawer, "°", 81, 18);
    DrawTextAt(drawer, "°", 234, 18);

    const ColourDialogWorkingCopy& w = gColourWorkingCopy;
    const ADMRGBColor stroke = DisplayColour(w.StrokeModel, w.Stroke);
    const ADMRGBColor text = w.TextLock != 0 ? stroke : DisplayColour(w.TextModel, w.Text);
    ADMRect radio{};
    if (ADMItemRef strokes = DialogItem(dialog, kStrokeTargetRadio)) sADMItem->GetBoundsRect(strokes, &radio);
    const ADMRect strokeBar{radio.left + kPreviewBar.left, radio.top + kPreviewBar.top, radio.left + kPreviewBar.right,
                            radio.top + kPreviewBar.bottom};
    SetPen(drawer, stroke);
    FillRect(drawer, strokeBar);
    SetPen(drawer, text);
    FillRect(drawer, ADMRect{strokeBar.left + kTextBarShift, strokeBar.top, strokeBar.right + kTextBarShift,
                             strokeBar.bottom});
}
