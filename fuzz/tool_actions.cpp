// A model check of the five tools on a generated document: the bytes draw a few paths on one or two layers (extreme
// coordinates included), then play a user's gestures (tool picks, cursor moves, clicks, drags, the next-tool and panel
// gestures, panel changes, cancels, held keys, locks and hides of layers and art, option changes, repaints, a creation
// dialog answered, the panel's cancel and series switch), with the cursor anywhere in the float range. After every
// gesture the invariants of ToolInvariants.h must hold: no click left in progress by a mouse-up, no unbuilt skeleton
// once no sequence is under way, no link naming no dimension, no change on a locked or hidden layer, no guide or
// unreachable path measured, a read-out that totals the measured set, no coordinate that is not a number, no empty
// group, one alert at most per press or panel change (on a closed layer too), and no dimension changed but the one a
// gesture built or re-opened; and, after each, a refresh with the settings unchanged (Enter with nothing typed in a
// numeric panel field) changes no art and says nothing. Round paths beside the generated ones give the kinds only arcs,
// circles and curves give. Presses tremble too: drags of a few points, either side of the line below which a press
// stays a click. The documents hold circles that show their centre and circular arcs; the gestures meet click sequences
// on purpose: presses on dimensions' parts and end marks (re-opens while a pick waits), Shift+Alt presses, series
// points refused on a locked or hidden layer, and the panel's cancel and series switch while a pick waits.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "ToolInvariants.h"
#include "figures/CircleFigureShape.h"
#include "frame/FrameEntry.h"
#include "frame/Settings.h"
#include "records/CurrentOptions.h"
#include "records/Records.h"
#include "records/ToolState.h"
#include "resources/Resources.h"
#include "tools/CursorTracking.h"
#include "simhost/Annotator.h"
#include "simhost/CursorSnap.h"
#include "simhost/DialogManager.h"
#include "simhost/Document.h"
#include "simhost/Platform.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"
#include "simhost/Tools.h"

namespace {

using fuzz::FuzzInput;

constexpr uint32_t kMostPaths = 6;
constexpr uint32_t kMostAnchors = 6;
constexpr uint32_t kMostGestures = 40;
constexpr uint32_t kMostDragSteps = 4;
// Coordinates mostly lie on a small drawing, so that clicks find the art; now and then they are anything.
constexpr float kDrawingSize = 400.0f;
// The keys a user holds with the tools: Shift, right Shift, Control, Alt, left Windows, Space.
constexpr int32_t kKeys[] = {sim::VK_LSHIFT_CODE, 161, sim::VK_LCONTROL_CODE, sim::VK_LMENU_CODE, 91, 32};
constexpr int32_t kShift = sim::VK_LSHIFT_CODE;
constexpr int32_t kControl = sim::VK_LCONTROL_CODE;
constexpr int32_t kAlt = sim::VK_LMENU_CODE;
// Shift and Alt as the tools read them, either side.
constexpr int32_t kGenericShift = 16;
constexpr int32_t kGenericAlt = 18;
// The item a dialog's OK button has.
constexpr int32_t kOkItem = 1;
// The panel's cancel button and its series switch.
constexpr int32_t kCancelItem = 5;
constexpr int32_t kSeriesItem = 93;

float Coordinate(FuzzInput& in) {
    switch (in.Below(17)) {
    case 0: return in.AnyFloat();
    case 1: return 2147483648.0f;
    default: return static_cast<float>(in.Below(41)) * (kDrawingSize / 40.0f);
    }
}

AIRealPoint Point(FuzzInput& in) { return AIRealPoint{Coordinate(in), Coordinate(in)}; }

// A point near a handle's anchor, or anywhere.
AIRealPoint Near(FuzzInput& in, AIRealPoint anchor) {
    if (in.Below(4) == 0) return anchor;
    return AIRealPoint{anchor.h + static_cast<float>(in.Below(9)) - 4.0f, anchor.v + static_cast<float>(in.Below(9)) - 4.0f};
}

// Circles that show their centre as a host's ellipses do (holes), and quarter or half arcs of circles: their
// centres and ends join the points the cursor goes to.
void DrawCircularShapes(FuzzInput& in, std::vector<AIRealPoint>& anchors) {
    const uint32_t shapes = in.Below(3);
    for (uint32_t i = 0; i < shapes; ++i) {
        const AIRealPoint c = Point(in);
        AIPathSegment circle[kCircleSegmentCount];
        CircleSegments(static_cast<float>(1 + in.Below(16)) * 5.0f, c, circle);
        const uint32_t kind = in.Below(3);  // 0 a circle, 1 a quarter arc, 2 a half arc
        std::vector<AIPathSegment> segments(circle, circle + (kind == 0 ? kCircleSegmentCount : kind + 1));
        if (kind != 0) {
            segments.front().in = segments.front().p;
            segments.back().out = segments.back().p;
        }
        const AIArtHandle path = sim::TheDocument().DrawPath(segments, kind == 0);
        sim::TheDocument().MutableArt(path)->showsCentre = kind == 0 || in.Flag();
        anchors.push_back(c);
        for (const AIPathSegment& segment : segments) anchors.push_back(segment.p);
    }
}

void DrawDocument(FuzzInput& in, std::vector<AIRealPoint>& anchors) {
    sim::Document& document = sim::TheDocument();
    if (in.Below(3) == 0) document.SetCurrentLayer(document.AddLayer("Dessus"));
    const uint32_t paths = 1 + in.Below(kMostPaths);
    for (uint32_t p = 0; p < paths; ++p) {
        std::vector<AIPathSegment> segments;
        const uint32_t count = 1 + in.Below(kMostAnchors);
        for (uint32_t a = 0; a < count; ++a) {
            const AIRealPoint anchor = Point(in);
            segments.push_back(in.Flag() ? sim::CurveSegment(anchor, Near(in, anchor), Near(in, anchor))
                                         : sim::CornerSegment(anchor.h, anchor.v));
            anchors.push_back(anchor);
        }
        const bool closed = in.Flag();
        const AILayerHandle layer =
            document.LayerAt(static_cast<int32_t>(in.Below(static_cast<uint32_t>(document.LayerCount()))));
        const AIArtHandle path = document.DrawPath(segments, closed, {}, layer);
        if (in.Below(8) == 0) document.MutableArt(path)->guide = true;
    }
    DrawCircularShapes(in, anchors);
}

// Round paths beside the generated ones, so that the gestures reach the kinds only arcs, circles and curves
// give (an arc's length, a dimension along a curve, a local radius, a reticle): a quarter circle, a whole circle
// of four arcs and an S curve. Their anchors and the middles of their arcs join the points the cursor goes to.
// They take no byte of the input.
void DrawRoundPaths(std::vector<AIRealPoint>& anchors) {
    constexpr float k = 0.5523f;  // a quarter circle's handle length over its radius
    constexpr float r = 50.0f;
    sim::Document& document = sim::TheDocument();
    const AILayerHandle layer = document.LayerAt(0);
    const AIRealPoint c{300.0f, 300.0f};
    document.DrawPath({sim::CurveSegment({c.h + r, c.v}, {c.h + r, c.v}, {c.h + r, c.v + k * r}),
                       sim::CurveSegment({c.h, c.v + r}, {c.h + k * r, c.v + r}, {c.h, c.v + r})},
                      false, {}, layer);
    const AIRealPoint o{100.0f, 300.0f};
    document.DrawPath({sim::CurveSegment({o.h + r, o.v}, {o.h + r, o.v - k * r}, {o.h + r, o.v + k * r}),
                       sim::CurveSegment({o.h, o.v + r}, {o.h + k * r, o.v + r}, {o.h - k * r, o.v + r}),
                       sim::CurveSegment({o.h - r, o.v}, {o.h - r, o.v + k * r}, {o.h - r, o.v - k * r}),
                       sim::CurveSegment({o.h, o.v - r}, {o.h - k * r, o.v - r}, {o.h + k * r, o.v - r})},
                      true, {}, layer);
    document.DrawPath({sim::CurveSegment({0.0f, 160.0f}, {0.0f, 160.0f}, {60.0f, 220.0f}),
                       sim::CurveSegment({200.0f, 160.0f}, {140.0f, 220.0f}, {200.0f, 160.0f})},
                      false, {}, layer);
    const float diagonal = r * 0.70710678f;
    for (const AIRealPoint p : {AIRealPoint{c.h + r, c.v}, AIRealPoint{c.h, c.v + r}, AIRealPoint{c.h + diagonal, c.v + diagonal},
                                AIRealPoint{o.h + diagonal, o.v + diagonal}, AIRealPoint{o.h + r, o.v}, AIRealPoint{100.0f, 205.0f},
                                AIRealPoint{0.0f, 160.0f}})
        anchors.push_back(p);
}

// A host reports the cursor where the view shows it: a finite point, however far the user has scrolled.
AIRealPoint HostCursor(AIRealPoint p) {
    const auto finite = [](float value) {
        if (std::isnan(value)) return 0.0f;
        return value > FLT_MAX ? FLT_MAX : value < -FLT_MAX ? -FLT_MAX : value;
    };
    return AIRealPoint{finite(p.h), finite(p.v)};
}

// A cursor point: on an anchor drawn, between two of them, or anywhere.
AIRealPoint CursorPoint(FuzzInput& in, const std::vector<AIRealPoint>& anchors) {
    const AIRealPoint a = anchors[in.Below(static_cast<uint32_t>(anchors.size()))];
    const AIRealPoint b = anchors[in.Below(static_cast<uint32_t>(anchors.size()))];
    switch (in.Below(5)) {
    case 0: return HostCursor(Point(in));
    case 1: return HostCursor(AIRealPoint{in.AnyFloat(), in.AnyFloat()});
    case 2: return HostCursor(AIRealPoint{(a.h + b.h) / 2.0f, (a.v + b.v) / 2.0f});
    default: return HostCursor(Near(in, a));
    }
}

// With TAVORINE_FUZZ_TRACE set, each gesture and any breach found are written to the standard error, to read
// what a failing input did.
const bool kTrace = std::getenv("TAVORINE_FUZZ_TRACE") != nullptr;

void Trace(const char* what, AIRealPoint p = {}) {
    if (kTrace) std::fprintf(stderr, "%s %.9g,%.9g\n", what, static_cast<double>(p.h), static_cast<double>(p.v));
}

void Send(const char* selector, AIRealPoint p) {
    Trace(selector, p);
    sim::ThePlugin().SendTool(selector, sim::TheTools().Selected(), p);
}

void Draw() {
    Trace("draw");
    sim::TheAnnotators().Draw();
}

// Stops the run when a breach was found.
void Require(const std::string& breach, const char* after) {
    if (breach.empty()) return;
    if (kTrace) std::fprintf(stderr, "BREACH after %s: %s\n%s\n", after, breach.c_str(), sim::TheDocument().DescribeTree().c_str());
    __builtin_trap();
}

// What a gesture did, for the checks at its end.
struct GestureEnd {
    const char* Name = "";
    bool Released = false;      // it ended with a mouse-up
    bool MeasureTool = false;   // a Longueurs & aires click or drag: that tool current from its press to its release
    bool LocksChanged = false;  // the user locked, hid or freed a layer or art
    bool ReOpening = false;     // its press came where the hover showed the re-edit cursor
    size_t Alerts = 0;          // alerts raised from its press to its release
    bool OptionsChanged = false;  // it set live options directly, as no panel action does
    bool Cancelled = false;     // the panel's cancel: the current dimension is its own, and may go
    bool PanelChanged = false;  // a panel change: the current dimension is its own
};

// How a press's drag moves: far through the drawing, or within a few points of the press, a hand's tremor on
// either side of the 2-point line at zoom 1.
enum class DragKind { None, Far, Tremor };

// A point within 3 points of p on each axis, in half points.
AIRealPoint Trembled(FuzzInput& in, AIRealPoint p) {
    const auto offset = [&in] { return static_cast<float>(static_cast<int32_t>(in.Below(13)) - 6) * 0.5f; };
    return HostCursor(AIRealPoint{p.h + offset(), p.v + offset()});
}

// A press at p, an optional drag through a few points (with repaints, which draw and apply the marquee) and
// the release where the cursor last was.
void PressAndRelease(FuzzInput& in, const std::vector<AIRealPoint>& anchors, AIRealPoint p, DragKind drag, GestureEnd& end) {
    Send(kSelectorAITrackToolCursor, p);
    const std::vector<int32_t>& cursors = sim::TheLogs().cursors;
    end.ReOpening = !cursors.empty() && cursors.back() == kReEditCursor;
    // Shift or Alt alone makes the press the next-tool or panel gesture, which measures nothing.
    const bool gesture = sim::ThePlatform().IsKeyDown(kGenericShift) != sim::ThePlatform().IsKeyDown(kGenericAlt);
    const bool measuring = gToolState.CurrentTool == kMeasureTool && !gesture;
    const size_t alerts = sim::TheLogs().alerts.size();
    Send(kSelectorAIToolMouseDown, p);
    AIRealPoint last = p;
    if (drag != DragKind::None) {
        const uint32_t steps = 1 + in.Below(kMostDragSteps);
        for (uint32_t i = 0; i < steps; ++i) {
            last = drag == DragKind::Far ? CursorPoint(in, anchors) : Trembled(in, p);
            Send(kSelectorAIToolMouseDrag, last);
            if (in.Flag()) Draw();
        }
    }
    Send(kSelectorAIToolMouseUp, last);
    end.Released = true;
    end.MeasureTool = measuring && gToolState.CurrentTool == kMeasureTool;
    end.Alerts = sim::TheLogs().alerts.size() - alerts;
}

// A gesture with one key held for it, the key's earlier state given back afterwards.
template <typename Play>
void WithKey(int32_t key, bool down, Play play) {
    const bool before = sim::ThePlatform().IsKeyDown(key);
    sim::ThePlatform().SetKeyDown(key, down);
    play();
    sim::ThePlatform().SetKeyDown(key, before);
}

void ChangeLayers(FuzzInput& in) {
    sim::Document& document = sim::TheDocument();
    const AILayerHandle layer = document.LayerAt(static_cast<int32_t>(in.Below(static_cast<uint32_t>(document.LayerCount()))));
    const sim::Layer* info = document.LayerInfo(layer);
    switch (in.Below(3)) {
    case 0: Trace("layer lock"); document.SetLayerLocked(layer, !info->locked); break;
    case 1: Trace("layer hide"); document.SetLayerVisible(layer, !info->visible); break;
    default: Trace("layer current"); document.SetCurrentLayer(layer); break;
    }
}

// Locks or hides, or frees, one art of the document, a user's path or a dimension's part.
void ChangeArt(FuzzInput& in) {
    sim::Document& document = sim::TheDocument();
    const std::vector<AIArtHandle> art = document.AllArt();
    if (art.empty()) return;
    sim::ArtNode* node = document.MutableArt(art[in.Below(static_cast<uint32_t>(art.size()))]);
    const int32_t attr = in.Flag() ? kArtLocked : kArtHidden;
    Trace(attr == kArtLocked ? "art lock" : "art hide");
    document.SetUserAttr(node, attr, (node->userAttr & attr) != 0 ? 0 : attr);
}

// The options the panel and the preferences change. The live ones change only between click sequences: the
// panel's own notifiers, which may end a sequence, are another fuzzer's.
void ChangeOptions(FuzzInput& in) {
    Trace("options");
    gSettings.SegmentCreateWithDimension = in.Flag() ? 1 : 0;
    gSettings.AngleCreateWithDimension = in.Flag() ? 1 : 0;
    gSettings.CircleCreateWithDimension = in.Flag() ? 1 : 0;
    gSettings.CircleCreateArc = in.Flag() ? 1 : 0;
    gSettings.CircleCreateSector = in.Flag() ? 1 : 0;
    sim::SetSmartGuides(in.Flag());
    if (gToolState.ClickCount != 0) return;
    gCurrentOptions.SeriesOn = in.Flag() ? 1 : 0;
    gCurrentOptions.BezierMode = static_cast<int32_t>(in.Below(3));
    gSettings.RedrawAll = in.Flag() ? 1 : 0;
    constexpr int32_t kUnits[] = {kUnitMillimetres, kUnitPoints, kUnitNoValue, kUnitFreeText};
    gCurrentOptions.Unit = kUnits[in.Below(std::size(kUnits))];
}

// A point of some dimension's part or end mark: one of its anchors, or the middle of one of its segments, a
// hair off now and then; any cursor point when the document holds no dimension.
AIRealPoint DimensionPartPoint(FuzzInput& in, const std::vector<AIRealPoint>& anchors) {
    const sim::Document& document = sim::TheDocument();
    std::vector<const sim::ArtNode*> parts;
    for (AIArtHandle art : document.AllArt()) {
        const sim::ArtNode* node = document.Art(art);
        if (node != nullptr && node->type == kPathArt && !node->segments.empty() && fuzz::IsDimensionPart(*node))
            parts.push_back(node);
    }
    if (parts.empty()) return CursorPoint(in, anchors);
    const std::vector<AIPathSegment>& segments = parts[in.Below(static_cast<uint32_t>(parts.size()))]->segments;
    const size_t i = in.Below(static_cast<uint32_t>(segments.size()));
    AIRealPoint p = segments[i].p;
    if (in.Flag() && i + 1 < segments.size()) {
        // The point of the segment's curve at its middle.
        const AIPathSegment& a = segments[i];
        const AIPathSegment& b = segments[i + 1];
        p = AIRealPoint{(a.p.h + 3.0f * a.out.h + 3.0f * b.in.h + b.p.h) / 8.0f,
                        (a.p.v + 3.0f * a.out.v + 3.0f * b.in.v + b.p.v) / 8.0f};
    }
    return in.Below(4) == 0 ? Trembled(in, p) : HostCursor(p);
}

// A series point refused with its layer: the current layer locked or hidden, then a Segment click in series mode.
// The lock is a gesture of its own, so what the click changed is checked here against the state after it.
void RefusedSeriesClick(FuzzInput& in, const std::vector<AIRealPoint>& anchors, GestureEnd& end) {
    if (gToolState.CurrentTool != kSegmentTool) {
        Trace("tool", AIRealPoint{static_cast<float>(kSegmentTool), 0.0f});
        sim::TheTools().Select(gToolState.ToolHandles[kSegmentTool - 1]);
    }
    if (gToolState.ClickCount == 0) gCurrentOptions.SeriesOn = 1;
    sim::Document& document = sim::TheDocument();
    const AILayerHandle layer = document.CurrentLayer();
    if (in.Flag()) {
        Trace("layer hide");
        document.SetLayerVisible(layer, false);
    } else {
        Trace("layer lock");
        document.SetLayerLocked(layer, true);
    }
    const fuzz::GestureStart start = fuzz::TakeGestureStart();
    PressAndRelease(in, anchors, CursorPoint(in, anchors), in.Flag() ? DragKind::Far : DragKind::None, end);
    end.Name = "a series point refused with its layer";
    end.LocksChanged = true;
    Require(fuzz::ClosedLayersUnchanged(start), end.Name);
    if (gSettings.RedrawAll == 0) Require(fuzz::OtherDimensionsUnchanged(start, fuzz::OwnGroup(start, end.ReOpening)), end.Name);
}

// The panel's cancel (Control held as item 5 is pressed, then perhaps its release, which brings no reload once
// the press cancelled) or the series switched on or off (item 93), which end the sequence under way and give
// back the dimension before it as it was. With none under way the cancel takes the current dimension away, as
// its own gesture.
void PanelEnding(FuzzInput& in, GestureEnd& end) {
    sim::DialogManager& dialogs = sim::TheDialogs();
    const ADMDialogRef panel = dialogs.FindDialog("Tavorine");
    if (panel == nullptr) return;
    if (in.Flag()) {
        Trace("panel cancel");
        const ADMItemRef cancel = dialogs.FindItem(panel, kCancelItem);
        dialogs.Track(cancel, kADMButtonDownAction, {5, 5}, kADMControlKeyModifier);
        if (in.Flag()) dialogs.Track(cancel, kADMButtonUpAction, {5, 5}, kADMControlKeyModifier);
        end.Name = "the panel's cancel";
        end.Cancelled = true;
    } else {
        Trace("series switch");
        dialogs.Click(dialogs.FindItem(panel, kSeriesItem));
        end.Name = "the series switch";
    }
}

// The panel's buttons that change the current dimension: arrows or points, text orientation and position, salient
// or re-entrant, end marks in or out and the line's side, the tolerance, one or several arcs, diameter or radius,
// side ties.
constexpr int32_t kPanelButtons[] = {11, 19, 20, 49, 52, 53, 58, 59, 60, 68, 94};
// The panel's numeric fields, one taken Enter after each gesture in turn.
constexpr int32_t kNumericFields[] = {7, 9, 15, 17, 22, 24, 25, 28, 29, 32, 33, 36, 37, 50, 61, 62, 65, 66, 70, 72};
// A panel change came while a pick waited, or while the Segment tool's series was on: it chose the settings of
// the next dimension, which the dimension given back at the end of the sequence, or the one the panel does not
// rebuild in series mode, does not show yet.
bool gChangedWhileAPickWaited = false;
// One panel action that changes the current dimension, as one gesture: a drag across the decimals picture (with
// Control, the reset), a button, a number entered, an end-mark size chosen, a tolerance typed. Whatever layer the
// dimension lies on, it raises one alert at most.
void PanelChange(FuzzInput& in, GestureEnd& end) {
    sim::DialogManager& dialogs = sim::TheDialogs();
    const ADMDialogRef panel = dialogs.FindDialog("Tavorine");
    end.Name = "a panel change";
    end.PanelChanged = true;
    if (panel == nullptr) return;
    if (gToolState.ClickCount != 0 || (gCurrentOptions.SeriesOn != 0 && gToolState.CurrentTool == kSegmentTool))
        gChangedWhileAPickWaited = true;
    const auto item = [&](int32_t id) { return dialogs.FindItem(panel, id); };
    const size_t alerts = sim::TheLogs().alerts.size();
    switch (in.Below(5)) {
    case 0: dialogs.Drag(item(18), {{2, 5}, {5, 5}, {10, 5}, {20, 5}}, in.Flag() ? kADMControlKeyModifier : 0); break;
    case 1: dialogs.Click(item(kPanelButtons[in.Below(std::size(kPanelButtons))])); break;
    case 2: dialogs.Enter(item(kNumericFields[in.Below(std::size(kNumericFields))]), std::to_string(in.Below(9))); break;
    case 3: dialogs.Choose(item(9), static_cast<int32_t>(in.Below(10))); break;
    default: dialogs.Enter(item(57), in.Flag() ? "0,5" : "1"); break;
    }
    end.Alerts = sim::TheLogs().alerts.size() - alerts;
}

// The gestures that meet a click sequence: a press on a dimension's part or end mark (a re-open, perhaps while a
// pick waits), a Shift+Alt press (with a pick waiting or not), a series point refused with its layer, and the
// panel's cancel or series switch.
GestureEnd PlaySequenceGesture(FuzzInput& in, const std::vector<AIRealPoint>& anchors) {
    GestureEnd end;
    switch (in.Below(4)) {
    case 0: {
        const AIRealPoint p = DimensionPartPoint(in, anchors);
        const DragKind drag = static_cast<DragKind>(in.Below(3));
        PressAndRelease(in, anchors, p, drag, end);
        end.Name = "a press on a dimension's part";
        break;
    }
    case 1: {
        const AIRealPoint p = in.Flag() ? DimensionPartPoint(in, anchors) : CursorPoint(in, anchors);
        const DragKind drag = static_cast<DragKind>(in.Below(3));
        WithKey(kShift, true, [&] { WithKey(kAlt, true, [&] { PressAndRelease(in, anchors, p, drag, end); }); });
        end.Name = "a Shift+Alt press";
        break;
    }
    case 2:
        RefusedSeriesClick(in, anchors, end);
        break;
    default:
        PanelEnding(in, end);
        break;
    }
    Trace(end.Name);
    return end;
}

GestureEnd PlayGesture(FuzzInput& in, const std::vector<AIRealPoint>& anchors) {
    if (in.Below(6) == 0) return PlaySequenceGesture(in, anchors);
    GestureEnd end;
    switch (in.Below(17)) {
    case 0: {
        const uint32_t tool = in.Below(kToolCount);
        Trace("tool", AIRealPoint{static_cast<float>(tool + 1), 0.0f});
        sim::TheTools().Select(gToolState.ToolHandles[tool]);
        end.Name = "a tool pick";
        break;
    }
    case 1:
    case 2:
        Send(kSelectorAITrackToolCursor, CursorPoint(in, anchors));
        end.Name = "a cursor move";
        break;
    case 3:
    case 4:
        PressAndRelease(in, anchors, CursorPoint(in, anchors), DragKind::None, end);
        end.Name = "a click";
        break;
    case 5:
    case 6:
        PressAndRelease(in, anchors, CursorPoint(in, anchors), DragKind::Far, end);
        end.Name = "a drag";
        break;
    case 14:
    case 15:
        PressAndRelease(in, anchors, CursorPoint(in, anchors), DragKind::Tremor, end);
        end.Name = "a trembling click";
        break;
    case 7: {
        const bool alt = in.Flag();
        const AIRealPoint p = CursorPoint(in, anchors);
        const DragKind drag = in.Flag() ? DragKind::Far : DragKind::None;
        WithKey(alt ? kAlt : kShift, true, [&] { WithKey(alt ? kShift : kAlt, false, [&] { PressAndRelease(in, anchors, p, drag, end); }); });
        end.Name = alt ? "the panel gesture" : "the next-tool gesture";
        break;
    }
    case 8: {
        const AIRealPoint p = CursorPoint(in, anchors);
        WithKey(kControl, true, [&] { Send(kSelectorAITrackToolCursor, p); });
        end.Name = "a cancel";
        break;
    }
    case 9: {
        const int32_t key = kKeys[in.Below(std::size(kKeys))];
        const bool down = in.Flag();
        Trace(down ? "key down" : "key up", AIRealPoint{static_cast<float>(key), 0.0f});
        sim::ThePlatform().SetKeyDown(key, down);
        end.Name = "a key";
        break;
    }
    case 10:
        if (in.Flag()) {
            ChangeLayers(in);
        } else {
            ChangeArt(in);
        }
        end.Name = "a lock or hide";
        end.LocksChanged = true;
        break;
    case 11:
        ChangeOptions(in);
        end.Name = "an option change";
        end.OptionsChanged = true;
        break;
    case 16:
        PanelChange(in, end);
        Trace(end.Name);
        break;
    case 12:
        Trace("dialog ok");
        sim::TheDialogs().QueueModalResponder([](ADMDialogRef dialog) {
            sim::TheDialogs().Click(sim::TheDialogs().FindItem(dialog, kOkItem));
        });
        end.Name = "an answer queued";
        break;
    default:
        Draw();
        end.Name = "a repaint";
        break;
    }
    return end;
}

// The invariants at the end of a gesture.
void CheckGesture(const fuzz::GestureStart& start, const GestureEnd& end, const std::set<AIArtHandle>& drawnNonFinite) {
    if (end.Released && gToolState.ClickInProgress != 0) Require("a click is still in progress after the mouse-up", end.Name);
    if (gToolState.ClickCount == 0) Require(fuzz::NoUnbuiltSkeleton(), end.Name);
    Require(fuzz::LinksSound(), end.Name);
    if (!end.LocksChanged) Require(fuzz::ClosedLayersUnchanged(start), end.Name);
    Require(fuzz::MeasuredSetSound(start), end.Name);
    if (end.MeasureTool) Require(fuzz::ReadoutFollowsTheSet(), end.Name);
    Require(fuzz::OnlyFiniteNumbers(drawnNonFinite), end.Name);
    Require(fuzz::NoEmptyGroup(), end.Name);
    if (end.Released) Require(fuzz::WaitingSequenceShowsNoValue(), end.Name);
    if (end.Alerts > 1) {
        std::string texts;
        for (const auto& alert : sim::TheLogs().alerts) texts += " | " + alert.text;
        Require("one gesture raised " + std::to_string(end.Alerts) + " alerts" + texts, end.Name);
    }
    // The dimension a press built or re-opened is its own; the panel's cancel takes the current one away, or
    // ends a sequence and gives back the one before it untouched; update-all rebuilds them all.
    const AIArtHandle own = end.PanelChanged ? start.Current
                            : !end.Cancelled  ? fuzz::OwnGroup(start, end.ReOpening)
                            : start.ClickCount != 0 ? nullptr : start.Current;
    if (!end.LocksChanged && gSettings.RedrawAll == 0) Require(fuzz::OtherDimensionsUnchanged(start, own), end.Name);
}

// The precision field, whose Enter rebuilds the current dimension under every tool.
constexpr int32_t kDecimalsField = 17;

// After the gesture, a refresh with the settings unchanged changes no art: Enter with nothing typed in one of
// the panel's numeric fields, and says nothing. An option change sets the live options behind the panel's back,
// a lock change may open a layer whose dimension a panel change left behind the settings, and a sequence that
// ends gives back the dimension before it as it was, behind the settings a panel change chose while its pick
// waited: a first Enter rebuilds the current dimension with them, and the check starts from there.
void CheckRefreshChangesNothing(uint32_t gesture, const GestureEnd& end) {
    sim::DialogManager& dialogs = sim::TheDialogs();
    const ADMDialogRef panel = dialogs.FindDialog("Tavorine");
    const ADMItemRef decimals = panel != nullptr ? dialogs.FindItem(panel, kDecimalsField) : nullptr;
    const bool givenBackBehind =
        gChangedWhileAPickWaited && gToolState.ClickCount == 0 && gCurrentOptions.SeriesOn == 0;
    if (givenBackBehind) gChangedWhileAPickWaited = false;
    if ((end.OptionsChanged || end.LocksChanged || givenBackBehind) && decimals != nullptr) dialogs.Commit(decimals);
    const int32_t field = kNumericFields[gesture % std::size(kNumericFields)];
    Trace("enter", AIRealPoint{static_cast<float>(field), 0.0f});
    const size_t alerts = sim::TheLogs().alerts.size();
    Require(fuzz::EnterWithNothingTypedChangesNoArt(field), "an Enter with nothing typed");
    if (sim::TheLogs().alerts.size() != alerts)
        Require("an Enter with nothing typed raised an alert: " + sim::TheLogs().alerts.back().text, "an Enter");
}

std::set<AIArtHandle> NonFiniteArt() {
    std::set<AIArtHandle> found;
    for (AIArtHandle art : sim::TheDocument().AllArt())
        if (!fuzz::HoldsOnlyFiniteNumbers(*sim::TheDocument().Art(art))) found.insert(art);
    return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    gChangedWhileAPickWaited = false;
    ResetRecords();
    sim::ResetHost();
    sim::ThePlugin().Load(PluginMain, PluginResources);
    if (sim::ThePlugin().Startup() != kNoErr) __builtin_trap();
    sim::ThePlugin().SendNotifier(kAIApplicationStartedNotifier);
    std::vector<AIRealPoint> anchors;
    DrawDocument(in, anchors);
    DrawRoundPaths(anchors);
    const std::set<AIArtHandle> drawnNonFinite = NonFiniteArt();
    sim::TheTools().Select(gToolState.ToolHandles[in.Below(kToolCount)]);
    for (uint32_t i = 0; i < kMostGestures && !in.Empty(); ++i) {
        const fuzz::GestureStart start = fuzz::TakeGestureStart();
        const GestureEnd end = PlayGesture(in, anchors);
        CheckGesture(start, end, drawnNonFinite);
        CheckRefreshChangesNothing(i, end);
    }
    sim::ThePlugin().SendNotifier(kAIApplicationShutdownNotifier);
    sim::ThePlugin().Shutdown();
    ResetRecords();
    ClearSettings();
    return 0;
}
