// A drag rebuilds the dimension being placed at every mouse move: the cost of one rebuild of each kind.
#include <benchmark/benchmark.h>

#include <cmath>

#include "dimension/AngleBuilders.h"
#include "dimension/CircleBuilder.h"
#include "dimension/CurrentDimension.h"
#include "dimension/LinearDimensions.h"
#include "dimension/Skeletons.h"
#include "frame/FrameEntry.h"
#include "resources/Resources.h"
#include "simhost/Document.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"
#include "records/MeasuredPoints.h"

namespace {

// The plug-in started in a fresh stand-in host, with a new dimension group to build in.
void StartPlugIn() {
    sim::ResetHost();
    sim::ThePlugin().Load(PluginMain, PluginResources);
    sim::ThePlugin().Startup();
    gCurrentDimension.DimensionGroup = sim::TheDocument().NewGroup();
}

void StopPlugIn() { sim::ThePlugin().Shutdown(); }

void LinearDrag(benchmark::State& state) {
    StartPlugIn();
    BuildSegmentDimensionArt();
    gMeasuredPoints.FirstPoint.p = {0.0f, 0.0f};
    gMeasuredPoints.SecondPoint.p = {200.0f, 50.0f};
    AIReal offset = 0.0f;
    for (auto _ : state) {
        offset = offset > 80.0f ? 0.0f : offset + 0.5f;
        benchmark::DoNotOptimize(DrawParallelDimensionWithTextGap(100.0f, 60.0f + offset, 0, 0, 0, 0, 0));
    }
    StopPlugIn();
}
BENCHMARK(LinearDrag);

void AngleDrag(benchmark::State& state) {
    StartPlugIn();
    BuildAngleDimensionArt();
    AIReal radius = 20.0f;
    for (auto _ : state) {
        radius = radius > 120.0f ? 20.0f : radius + 0.5f;
        benchmark::DoNotOptimize(
            DrawAngleDimension(0.0f, 0.0f, radius, 1.0f, 0.25f, gCurrentDimension.AngleArcs, 0, 0, 0, 0, 0));
    }
    StopPlugIn();
}
BENCHMARK(AngleDrag);

void CircleDrag(benchmark::State& state) {
    StartPlugIn();
    BuildCircleDimensionArt();
    gMeasuredPoints.CircleCentre = {0.0f, 0.0f};
    gMeasuredPoints.CircleRadius = 40.0f;
    AIReal angle = 0.0f;
    for (auto _ : state) {
        angle = angle > 6.0f ? 0.0f : angle + 0.01f;
        benchmark::DoNotOptimize(DrawCircleDimension(80.0f * std::cos(angle), 80.0f * std::sin(angle), 0, 0, 0, 0));
    }
    StopPlugIn();
}
BENCHMARK(CircleDrag);

}  // namespace

BENCHMARK_MAIN();
