#include "tools/ClickSupport.h"

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/Geometry.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMBasicSuite.h"
#include "host/DocumentViewSuite.h"
#include "host/PathSuite.h"
#include "host/RealBezierSuite.h"
#include "host/RealMathSuite.h"
#include "host/ToolSuite.h"
#include "frame/TavorinePlugIn.h"
#include "host/Platform.h"
#include "records/CurrentOptions.h"
#include "records/HitState.h"
#include "records/ToolState.h"
#include "records/MeasuredPoints.h"
#include "tools/ClickSequences.h"

ClickFlags gClickFlags;

namespace {

// How far from the press, in screen pixels, the cursor may tremble while the press stays a click.
constexpr AIReal kTremorPixels = 2.0f;

}  // namespace

AIReal ViewPixels(AIReal pixels) {
    AIDocumentViewHandle view = nullptr;
    AIReal zoom = 1.0f;
    if (sAIDocumentView->GetNthDocumentView(0, &view) != kNoErr ||
        sAIDocumentView->GetDocumentViewZoom(view, &zoom) != kNoErr || !(zoom > 0.0f))
        return pixels;
    return pixels / zoom;
}

bool WithinTremor(AIRealPoint cursor) {
    const double h = static_cast<double>(cursor.h) - static_cast<double>(gToolState.PressPoint.h);
    const double v = static_cast<double>(cursor.v) - static_cast<double>(gToolState.PressPoint.v);
    const double reach = static_cast<double>(ViewPixels(kTremorPixels));
    return h * h + v * v <= reach * reach;
}

void RefusePress(const char* text) {
    sADMBasic->MessageAlert(text);
    gToolState.PressConsumed = 1;
}

bool ArcSideTie(double radius, double tie, double* side) {
    for (const double length : {tie, -tie}) {
        if (IsDrawableRadius(radius + length)) {
            *side = length;
            return true;
        }
    }
    return false;
}

double ArcSideRadius(double radius, double tie) {
    double side = tie;
    ArcSideTie(radius, tie, &side);
    return radius + side;
}

bool KeyHeld(int32_t virtualKey) { return GetAsyncKeyState(virtualKey) != 0; }

bool FirstPickWaiting() {
    const ToolState& tool = gToolState;
    const bool twoPicks =
        tool.CurrentTool == kSegmentTool || tool.CurrentTool == kAngleTool || tool.CurrentTool == kCircleTool;
    return twoPicks && tool.ClickCount == 1;
}

static void ShowPanelFor(TavorinePlugIn* plugin, PanelStep step) {
    DockedPanel* panel = plugin != nullptr ? plugin->PanelDialogue : nullptr;
    if (panel == nullptr) return;
    switch (step) {
    case PanelStep::Layout: panel->LayoutPanelForTool(1); break;
    case PanelStep::SegmentPage: panel->ShowPanelSegmentPage(1); break;
    case PanelStep::AnglePage: panel->ShowPanelAnglePage(1); break;
    }
}

bool OverDimensionPart() {
    const HoverFlagSet& f = gHitState.HoverFlags;
    return f.OverDimension != 0 || f.OverDimensionArc != 0;
}

void NoteReOpened(AIArtHandle before) {
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    gToolState.PressOpened = gSettings.RedrawAll == 0 && group != before && IsLiveArt(group) ? 1 : 0;
}

ASErr HandOverClick(TavorinePlugIn* plugin, PanelStep step, int32_t tool, ClickSequence click,
                    const AIToolHitData& hit, AIToolMessage* message) {
    ShowPanelFor(plugin, step);
    const ASErr result = sAITool->SetSelectedTool(gToolState.ToolHandles[tool - 1]);
    click(plugin, hit, message);
    return result;
}

namespace {

// The Longueurs & aires tool, and the Bézier tool past its divide mode, hover by walking the paths: their test
// leaves the centre and crossing flags as an earlier test left them.
bool HoverWalksPaths() {
    return gToolState.CurrentTool == kMeasureTool ||
           (gToolState.CurrentTool == kBezierTool && gCurrentOptions.BezierMode != 0);
}

}  // namespace

AIToolHitData HoveredArtHit(AIRealPoint cursor, AIReal tolerance, ASErr* error) {
    *error = kNoErr;
    const HoverFlagSet& f = gHitState.HoverFlags;
    const bool onPart = f.OverSegment != 0 || f.OverArc != 0 || f.OverCurve != 0 || f.OverDimension != 0 ||
                        f.OverDimensionArc != 0;
    const bool ownsPointFlags = !HoverWalksPaths();
    const bool onCrossing = ownsPointFlags && f.OverIntersection != 0;
    const bool onCentre = ownsPointFlags && gToolState.CurrentTool == kSegmentTool && f.OverCentre != 0;
    const AIArtHandle art = gHitState.HitArt;
    if ((f.OverAnchor == 0 && !onPart && !onCrossing && !onCentre) || !IsLiveArt(art)) return AIToolHitData{};
    const bool onAnchor = f.OverAnchor != 0;
    const int32_t request = onAnchor ? kAnchorHitRequest : (onPart || onCrossing) ? kSegmentHitRequest : kAnyHitRequest;
    AIHitRef ref = nullptr;
    AIToolHitData hit;
    *error = sAIHitTest->HitTestEx(art, cursor, request, tolerance, &ref);
    if (*error == kNoErr && sAIHitTest->GetHitData(ref, &hit) != kNoErr) hit = AIToolHitData{};
    if (ref != nullptr) sAIHitTest->Release(ref);
    if (*error != kNoErr) return AIToolHitData{};
    if (hit.hit != 0 && hit.object == art) return hit;
    // The cursor has left the art since the hover: the click still takes what the hover showed.
    hit = AIToolHitData{};
    hit.hit = 1;
    hit.type = onAnchor ? kAnchorHitType : kSegmentHitType;
    hit.object = art;
    hit.segment = onAnchor ? gHitState.HitStartIndex : gHitState.HitEndIndex;
    hit.point = cursor;
    return hit;
}

AIPathSegment PathRecord(AIArtHandle path, int16_t index) {
    AIPathSegment record;
    if (sAIPath->GetPathSegments(path, index, 1, &record) != kNoErr) return AIPathSegment();
    return record;
}

bool PathClosed(AIArtHandle path) {
    AIBoolean closed = false;
    return sAIPath->GetPathClosed(path, &closed) == kNoErr && closed;
}

AIReal PointAngle(AIRealPoint from, AIRealPoint to) {
    const AIRealPoint direction{to.h - from.h, to.v - from.v};
    return sAIRealMath->AIRealPointAngle(&direction);
}

AIRealPoint MovedBy(AIRealPoint base, AIReal length, AIReal angle) {
    AIRealPoint step;
    AIRealPoint moved;
    sAIRealMath->AIRealPointLengthAngle(length, angle, &step);
    sAIRealMath->AIRealPointAdd(&base, &step, &moved);
    return moved;
}

AIRealPoint UnitTowards(AIRealPoint from, AIRealPoint to) {
    AIRealPoint unit;
    sAIRealMath->AIRealPointLengthAngle(1.0f, PointAngle(from, to), &unit);
    return unit;
}

AIReal SideAngle(AIRealPoint vertex, AIRealPoint start, AIRealPoint end) {
    return static_cast<AIReal>(SignedAngle(UnitTowards(vertex, start), UnitTowards(vertex, end)));
}

AIRealPoint NormalTipAtHit(AIArtHandle path, const AIToolHitData& hit) {
    int16_t start = static_cast<int16_t>(hit.segment - 1);
    if (start < 0) {
        int16_t count = 0;
        sAIPath->GetPathSegmentCount(path, &count);
        start = static_cast<int16_t>(count - 1);
    }
    AIRealBezier curve;
    AIRealPoint normal;
    if (sAIPath->GetPathBezier(path, start, &curve) != kNoErr ||
        sAIRealBezier->AIRealBezierNormal(&curve, hit.t, &normal) != kNoErr)
        return hit.point;
    return AIRealPoint{hit.point.h + normal.h, hit.point.v + normal.v};
}

ASErr StartCreationClick(int32_t slot, ASErr (*buildSkeleton)(), bool restartSeriesValue) {
    const NewGroupResult group = NewDimensionGroup();
    if (!group.Made) return group.Error;
    gMeasuredPoints.ClickPoint.p = gToolState.CursorPoint;
    if (restartSeriesValue) gSeriesPointTable.SeriesRunningValue = 0.0f;
    const ASErr result = buildSkeleton();
    gToolState.CreateOnClick[slot] = 1;
    gToolState.CreationStarted[slot] = 0;
    gToolState.ClickInProgress = 1;
    return result;
}
