// A cursor move over a drawing of many paths, for each tool: over an anchor, over the middle of a segment,
// over empty canvas and over the crossing of two paths. Each move is the tool's cursor tracking and the
// annotation pass that follows it.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/BenchDrawing.h"
#include "records/CurrentOptions.h"

namespace bench {
namespace {

struct ToolCase {
    const char* Name;
    int32_t Number;
    int32_t BezierMode;  // the Bézier tool's mode: 0 divisions (hit tests), 1 local radius (path walk)
};

constexpr ToolCase kTools[] = {
    {"Segment", 1, 0}, {"Angle", 2, 0},         {"Cercle", 3, 0},
    {"Bezier", 4, 0},  {"BezierRadius", 4, 1}, {"LongueursAires", 5, 0},
};

enum class Place { Anchor, SegmentMiddle, Empty, Crossing };

struct PlaceCase {
    const char* Name;
    Place Where;
};

constexpr PlaceCase kPlaces[] = {
    {"anchor", Place::Anchor},
    {"segment_middle", Place::SegmentMiddle},
    {"empty", Place::Empty},
    {"crossing", Place::Crossing},
};

AIRealPoint PointOf(const Drawing& drawing, Place where) {
    switch (where) {
    case Place::Anchor: return drawing.Anchor;
    case Place::SegmentMiddle: return drawing.SegmentMiddle;
    case Place::Empty: return drawing.Empty;
    case Place::Crossing: return drawing.CrossingPoint;
    }
    return drawing.Empty;
}

void CursorMove(benchmark::State& state, ToolCase tool, Place where) {
    const Drawing drawing = StartWithDrawing(state.range(0));
    SelectTool(tool.Number);
    gCurrentOptions.BezierMode = tool.BezierMode;
    const AIRealPoint at = PointOf(drawing, where);
    for (auto _ : state) {
        MoveCursor(at);
        ForgetLogs();
    }
    StopPlugIn();
}

const bool kRegistered = [] {
    for (const ToolCase& tool : kTools) {
        for (const PlaceCase& place : kPlaces) {
            const std::string name = std::string("CursorMove/") + tool.Name + "/" + place.Name;
            benchmark::RegisterBenchmark(name.c_str(), CursorMove, tool, place.Where)
                ->Arg(kSmallDrawing)
                ->Arg(kMediumDrawing)
                ->Arg(kLargeDrawing)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    return true;
}();

}  // namespace
}  // namespace bench
