// The five tools on a generated document: the bytes draw a few paths (extreme coordinates included), then play
// tool picks, cursor moves, presses, drags, releases, held keys, preference changes and repaints. Whatever
// the user does, no art may end up holding a coordinate that is not a finite number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "FuzzInput.h"
#include "frame/FrameEntry.h"
#include "frame/Settings.h"
#include "records/CurrentOptions.h"
#include "records/Records.h"
#include "records/ToolState.h"
#include "resources/Resources.h"
#include "simhost/Annotator.h"
#include "simhost/Document.h"
#include "simhost/Platform.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"
#include "simhost/Tools.h"

namespace {

using fuzz::FuzzInput;

constexpr uint32_t kMostPaths = 6;
constexpr uint32_t kMostAnchors = 6;
constexpr uint32_t kMostActions = 48;
// Coordinates mostly lie on a small drawing, so that clicks find the art; now and then they are anything.
constexpr float kDrawingSize = 400.0f;
// The farthest a cursor point lies from the origin: a view scrolled far beyond the widest artboard.
constexpr float kFarthestCursor = 1.0e7f;
// The keys a user holds with the tools: Shift, right Shift, Control, Alt, left Windows, Space.
constexpr int32_t kKeys[] = {sim::VK_LSHIFT_CODE, 161, sim::VK_LCONTROL_CODE, sim::VK_LMENU_CODE, 91, 32};

float Coordinate(FuzzInput& in) {
    switch (in.Below(16)) {
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

void DrawDocument(FuzzInput& in, std::vector<AIRealPoint>& anchors) {
    sim::Document& document = sim::TheDocument();
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
        document.DrawPath(segments, in.Flag());
    }
    if (in.Below(8) == 0) document.SetLayerLocked(document.CurrentLayer(), true);
}

// A host reports the cursor where the view shows it: a finite point, however far the user has scrolled.
AIRealPoint HostCursor(AIRealPoint p) {
    const auto held = [](float value) {
        if (std::isnan(value)) return 0.0f;
        return value > kFarthestCursor ? kFarthestCursor : value < -kFarthestCursor ? -kFarthestCursor : value;
    };
    return AIRealPoint{held(p.h), held(p.v)};
}

// A cursor point: on an anchor drawn, between two of them, or anywhere.
AIRealPoint CursorPoint(FuzzInput& in, const std::vector<AIRealPoint>& anchors) {
    const AIRealPoint a = anchors[in.Below(static_cast<uint32_t>(anchors.size()))];
    const AIRealPoint b = anchors[in.Below(static_cast<uint32_t>(anchors.size()))];
    switch (in.Below(4)) {
    case 0: return HostCursor(Point(in));
    case 1: return HostCursor(AIRealPoint{(a.h + b.h) / 2.0f, (a.v + b.v) / 2.0f});
    default: return HostCursor(Near(in, a));
    }
}

// With TAVORINE_FUZZ_TRACE set, each action and any art found faulty is written to the standard error, to read
// what a crashing input did.
const bool kTrace = std::getenv("TAVORINE_FUZZ_TRACE") != nullptr;

void Trace(const char* what, AIRealPoint p = {}) {
    if (kTrace) std::fprintf(stderr, "%s %.9g,%.9g\n", what, static_cast<double>(p.h), static_cast<double>(p.v));
}

void Send(const char* selector, AIRealPoint p) {
    Trace(selector, p);
    sim::ThePlugin().SendTool(selector, sim::TheTools().Selected(), p);
}

void PlayAction(FuzzInput& in, const std::vector<AIRealPoint>& anchors) {
    switch (in.Below(10)) {
    case 0: {
        const uint32_t tool = in.Below(kToolCount);
        Trace("tool", AIRealPoint{static_cast<float>(tool + 1), 0.0f});
        sim::TheTools().Select(gToolState.ToolHandles[tool]);
        break;
    }
    case 1:
    case 2:
        Send(kSelectorAITrackToolCursor, CursorPoint(in, anchors));
        break;
    case 3: {
        const AIRealPoint p = CursorPoint(in, anchors);
        Send(kSelectorAITrackToolCursor, p);
        Send(kSelectorAIToolMouseDown, p);
        Send(kSelectorAIToolMouseUp, p);
        break;
    }
    case 4:
        Send(kSelectorAIToolMouseDown, CursorPoint(in, anchors));
        break;
    case 5:
        Send(kSelectorAIToolMouseDrag, CursorPoint(in, anchors));
        break;
    case 6:
        Send(kSelectorAIToolMouseUp, CursorPoint(in, anchors));
        break;
    case 7: {
        const int32_t key = kKeys[in.Below(std::size(kKeys))];
        const bool down = in.Flag();
        Trace(down ? "key down" : "key up", AIRealPoint{static_cast<float>(key), 0.0f});
        sim::ThePlatform().SetKeyDown(key, down);
        break;
    }
    case 8:
        gCurrentOptions.SeriesOn = in.Flag() ? 1 : 0;
        gCurrentOptions.BezierMode = static_cast<int32_t>(in.Below(3));
        gSettings.RedrawAll = in.Flag() ? 1 : 0;
        break;
    default:
        Trace("draw");
        sim::TheAnnotators().Draw();
        break;
    }
}

bool Finite(AIRealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }

// True when every coordinate, text placement and stroke width of the art is a finite number.
bool HoldsOnlyFiniteNumbers(const sim::ArtNode& node) {
    for (const AIPathSegment& segment : node.segments) {
        if (!Finite(segment.p) || !Finite(segment.in) || !Finite(segment.out)) return false;
    }
    const AIRealMatrix& m = node.text.transform;
    for (AIReal value : {m.a, m.b, m.c, m.d, m.tx, m.ty, node.text.size, node.style.stroke.width}) {
        if (!std::isfinite(value)) return false;
    }
    return true;
}

// The art the bytes themselves drew with a non-finite coordinate: the one art the check leaves out.
std::vector<AIArtHandle> NonFiniteArt() {
    std::vector<AIArtHandle> found;
    for (AIArtHandle art : sim::TheDocument().AllArt())
        if (!HoldsOnlyFiniteNumbers(*sim::TheDocument().Art(art))) found.push_back(art);
    return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    ResetRecords();
    sim::ResetHost();
    sim::ThePlugin().Load(PluginMain, PluginResources);
    if (sim::ThePlugin().Startup() != kNoErr) __builtin_trap();
    std::vector<AIRealPoint> anchors;
    DrawDocument(in, anchors);
    const std::vector<AIArtHandle> drawnNonFinite = NonFiniteArt();
    sim::TheTools().Select(gToolState.ToolHandles[in.Below(kToolCount)]);
    for (uint32_t i = 0; i < kMostActions && !in.Empty(); ++i) PlayAction(in, anchors);
    for (AIArtHandle art : NonFiniteArt()) {
        bool drawnSo = false;
        for (AIArtHandle drawn : drawnNonFinite) drawnSo = drawnSo || drawn == art;
        if (drawnSo) continue;
        if (kTrace) std::fprintf(stderr, "%s\n", sim::TheDocument().DescribeTree().c_str());
        __builtin_trap();
    }
    sim::ThePlugin().Shutdown();
    ResetRecords();
    ClearSettings();
    return 0;
}
