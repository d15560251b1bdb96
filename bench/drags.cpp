// A drag per tool over a drawing of many paths: each step is one mouse-drag message and the annotation pass
// that follows it. Segment places a linear dimension, Angle an angle's arc, Cercle a circle dimension, Bézier
// follows an arc with its local radius, and Longueurs & aires draws a marquee. The angle and the series are
// tight: the angle's value does not fit inside its arc and is placed past the arc's end on the cursor's side,
// and the values of a series of points 34 apart, from the origin or chained, go past their ends or stagger.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "bench/BenchDrawing.h"
#include "records/CurrentOptions.h"
#include "records/ToolState.h"

namespace bench {
namespace {

// Drag steps go round a small loop of this many points.
constexpr int kLoopSteps = 64;
constexpr float kTurn = 6.2831853f;

AIRealPoint Around(AIRealPoint centre, float radius, int step) {
    const float angle = kTurn * static_cast<float>(step % kLoopSteps) / kLoopSteps;
    return {centre.h + radius * std::cos(angle), centre.v + radius * std::sin(angle)};
}

// Presses at `start`, then drags through the points `step` gives, and releases.
template <class Step>
void Drag(benchmark::State& state, AIRealPoint start, Step step) {
    MouseDown(start);
    int k = 0;
    for (auto _ : state) {
        MouseDrag(step(k++));
        ForgetLogs();
    }
    state.SetLabel(DimensionSummary());
    MouseUp(step(k));
}

void SegmentDrag(benchmark::State& state) {
    const Drawing d = StartWithDrawing(state.range(0));
    SelectTool(1);
    const AIRealPoint above{d.SegmentMiddle.h, d.SegmentMiddle.v + 40.0f};
    Drag(state, d.SegmentMiddle, [&](int k) { return Around(above, 15.0f, k); });
    StopPlugIn();
}

void AngleDrag(benchmark::State& state) {
    const Drawing d = StartWithDrawing(state.range(0));
    SelectTool(2);
    // Between the two sides, which rise from the vertex to the upper row.
    const AIRealPoint inside{d.Anchor.h, d.Anchor.v + 30.0f};
    Drag(state, d.Anchor, [&](int k) { return Around(inside, 8.0f, k); });
    StopPlugIn();
}

// A series of five anchors along the target's lower row, 34 apart, clicked one by one with the Segment tool;
// the press on the last places the series while the cursor circles below the row.
void SeriesDrag(benchmark::State& state, int32_t kind) {
    const Drawing d = StartWithDrawing(state.range(0));
    gCurrentOptions.SeriesOn = 1;
    gCurrentOptions.SeriesKind = kind;
    SelectTool(1);
    constexpr int kSeriesPoints = 5;
    AIRealPoint last{};
    for (int j = 0; j < kSeriesPoints; ++j) {
        last = {d.Anchor.h + 34.0f * static_cast<float>(j - 2), d.Anchor.v};
        MoveCursor(last);
        if (j + 1 < kSeriesPoints) {
            MouseDown(last);
            MouseUp(last);
        }
    }
    const AIRealPoint below{d.Anchor.h, d.Anchor.v - 40.0f};
    Drag(state, last, [&](int k) { return Around(below, 15.0f, k); });
    StopPlugIn();
}

void SeriesFromOriginDrag(benchmark::State& state) { SeriesDrag(state, 0); }
void ChainDrag(benchmark::State& state) { SeriesDrag(state, 1); }

void CircleDrag(benchmark::State& state) {
    const Drawing d = StartWithDrawing(state.range(0));
    SelectTool(3);
    Drag(state, d.ArcMiddle, [&](int k) { return Around(d.ArcCentre, d.ArcRadius + 30.0f, k); });
    StopPlugIn();
}

void BezierRadiusDrag(benchmark::State& state) {
    const Drawing d = StartWithDrawing(state.range(0));
    gCurrentOptions.BezierMode = 1;
    SelectTool(4);
    // Along the quarter arc, back and forth.
    const auto onArc = [&](int k) {
        const int phase = k % kLoopSteps;
        const int back = phase < kLoopSteps / 2 ? phase : kLoopSteps - phase;
        const float angle = 0.25f * kTurn * (0.1f + 0.8f * static_cast<float>(back) / (kLoopSteps / 2));
        return AIRealPoint{d.ArcCentre.h + d.ArcRadius * std::cos(angle), d.ArcCentre.v + d.ArcRadius * std::sin(angle)};
    };
    Drag(state, onArc(0), onArc);
    StopPlugIn();
}

// Divides the quarter arc into as many parts as the argument says and drags the marks' reach round a loop
// outside the arc: every step lays one mark per division point again.
void BezierDivisionDrag(benchmark::State& state) {
    const Drawing d = StartWithDrawing(kMediumDrawing);
    gCurrentOptions.BezierMode = 0;
    gCurrentOptions.DivisionCount = static_cast<int32_t>(state.range(0));
    SelectTool(4);
    const float out = d.ArcRadius + 20.0f, diagonal = 0.70710678f;
    const AIRealPoint beyond{d.ArcCentre.h + out * diagonal, d.ArcCentre.v + out * diagonal};
    Drag(state, d.ArcMiddle, [&](int k) { return Around(beyond, 8.0f, k); });
    StopPlugIn();
}

void MarqueeDrag(benchmark::State& state) {
    const Drawing d = StartWithDrawing(state.range(0));
    SelectTool(5);
    // A marquee of about 5 x 5 cells whose far corner circles.
    const AIRealPoint corner{d.Empty.h + 450.0f, d.Empty.v + 450.0f};
    Drag(state, d.Empty, [&](int k) { return Around(corner, 40.0f, k); });
    state.SetLabel(std::to_string(gToolState.MeasuredCount) + " paths in the marquee");
    StopPlugIn();
}

#define DRAWING_SIZES ->Arg(kSmallDrawing)->Arg(kMediumDrawing)->Arg(kLargeDrawing)->Unit(benchmark::kMicrosecond)
BENCHMARK(SegmentDrag) DRAWING_SIZES;
BENCHMARK(AngleDrag) DRAWING_SIZES;
BENCHMARK(SeriesFromOriginDrag) DRAWING_SIZES;
BENCHMARK(ChainDrag) DRAWING_SIZES;
BENCHMARK(CircleDrag) DRAWING_SIZES;
BENCHMARK(BezierRadiusDrag) DRAWING_SIZES;
// The division count up to the most a drag takes (kMaxDivisionCount), on a drawing of medium size.
BENCHMARK(BezierDivisionDrag)->Arg(100)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(MarqueeDrag) DRAWING_SIZES;
#undef DRAWING_SIZES

}  // namespace
}  // namespace bench
