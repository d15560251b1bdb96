#include "tools/CursorTracking.h"

#include "frame/SuiteTable.h"
#include "host/DocumentViewSuite.h"
#include "host/Platform.h"
#include "records/CurrentOptions.h"
#include "records/HitState.h"
#include "tools/ClickSequences.h"
#include "tools/HoverTests.h"
#include "tools/Readouts.h"
#include "tools/ToolSelection.h"
#include "records/ToolState.h"

namespace {

bool KeyHeld(int32_t key) { return GetAsyncKeyState(key) != 0; }

// Cancels the running click sequence: the view redraws without its feedback and "Clic annulé." shows.
void CancelClickSequence(const AIToolMessage& message) {
    AIDocumentViewHandle view = nullptr;
    AIReal zoom = 1.0f;
    sAIDocumentView->GetNthDocumentView(0, &view);
    if (sAIDocumentView->GetDocumentViewZoom(view, &zoom) == kNoErr)
        sAIDocumentView->SetDocumentViewZoom(view, zoom);
    gToolState.ClickViewPoint = message.cursor;
    gToolState.ClickCancelled = 1;
    EndClickSequence();
}

// Runs the hover test of the current tool.
ASErr RunHoverTest(const AIToolMessage& message, bool bothModifiers) {
    switch (gToolState.CurrentTool) {
    case kSegmentTool:
        return HitTestSegmentTool(message);
    case kAngleTool:
        return HitTestAngleTool(message);
    case kCircleTool:
        return HitTestCircleTool(message);
    case kBezierTool:
        return gCurrentOptions.BezierMode == 0 ? HitTestBezierTool(message) : HitTestBezierStageAndMeasure(message);
    case kMeasureTool: {
        const ASErr error = HitTestBezierStageAndMeasure(message);
        gToolState.SubtractArea = bothModifiers ? 1 : 0;
        return error;
    }
    default:
        return kNoErr;
    }
}

// The cursor over a path part shared by the Cercle, Bézier and Longueurs & aires tools, from curve on.
int32_t PartCursor(const HoverFlagSet& f) {
    if (f.OverCurve != 0)
        return kCurveCursor;
    if (f.OverArc != 0)
        return kArcCursor;
    if (f.OverIntersection != 0)
        return kIntersectionCursor;
    return -1;
}

int32_t SegmentToolCursor(const HoverFlagSet& f) {
    if (f.OverAnchor != 0)
        return kAnchorCursor;
    if (f.OverSegment != 0 || gToolState.DimensionStarted != 0)
        return kSegmentCursor;
    if (const int32_t part = PartCursor(f); part >= 0)
        return part;
    if (f.OverCentre != 0)
        return kCentreCursor;
    if (gCurrentOptions.SeriesOn == 0 && (f.OverDimension != 0 || f.OverDimensionArc != 0))
        return kReEditCursor;
    return kNothingCursor;
}

int32_t AngleToolCursor(const HoverFlagSet& f, bool bothModifiers) {
    const bool clicked = gToolState.ClickCount >= 1;
    if (f.OverAnchor != 0 || (clicked && gToolState.DimensionStarted == 0) || bothModifiers)
        return kAnchorCursor;
    if (f.OverSegment != 0 || (gToolState.DimensionStarted != 0 && clicked))
        return kSegmentCursor;
    if (const int32_t part = PartCursor(f); part >= 0)
        return part;
    return f.OverDimension != 0 || f.OverDimensionArc != 0 ? kReEditCursor : kNothingCursor;
}

int32_t OtherToolCursor(const HoverFlagSet& f) {
    if (f.OverAnchor != 0)
        return kAnchorCursor;
    if (f.OverSegment != 0)
        return kSegmentCursor;
    if (const int32_t part = PartCursor(f); part >= 0)
        return part;
    return f.OverDimension != 0 || f.OverDimensionArc != 0 ? kReEditCursor : kNothingCursor;
}

}  // namespace

void EndClickSequence() {
    EndWaitingSequence();
    gToolState.EditingSegment = gToolState.EditingAngle = gToolState.EditingCircle = gToolState.EditingBezier = 0;
}

int32_t HoverCursor(bool bothModifiers) {
    const HoverFlagSet& flags = gHitState.HoverFlags;
    if (gToolState.CurrentTool == kSegmentTool)
        return SegmentToolCursor(flags);
    if (gToolState.CurrentTool == kAngleTool)
        return AngleToolCursor(flags, bothModifiers);
    return OtherToolCursor(flags);
}

ASErr TrackToolCursor(const AIToolMessage& message, bool panelVisible) {
    // Before any of the tools has been selected there is no tool to track for.
    if (gToolState.CurrentTool < kSegmentTool || gToolState.CurrentTool > kMeasureTool)
        return kNoErr;
    const bool control = KeyHeld(kControlKey);
    gToolState.WithEnds = control ? 1 : 0;
    gToolState.ClickCancelled = 0;
    if (control && gToolState.ClickCount >= 1) {
        CancelClickSequence(message);
        return kNoErr;
    }
    const bool shift = KeyHeld(kShiftKey);
    const bool alt = KeyHeld(kAltKey);
    // With one modifier held the Info panel shows a tip and no value. Otherwise it shows the value of what lies
    // under the cursor now, so it is filled after the hover test, never from what an earlier build or draw left.
    if (shift != alt) {
        SetToolTip(message, alt, shift, panelVisible);
        return sADMBasic->SetPlatformCursor(message.d.self, alt ? kPanelCursor : kNextToolCursor);
    }
    RunHoverTest(message, shift && alt);
    FormatHoverValue();
    SetToolTip(message, alt, shift, panelVisible);
    const ASErr error = sADMBasic->SetPlatformCursor(message.d.self, HoverCursor(shift && alt));
    return error;
}
