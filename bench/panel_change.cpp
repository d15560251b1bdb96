// A change made in the docked panel rebuilds the dimension being edited at once: the cost of one change, from
// the user's action on the item through the notifier to the rebuilt art, in documents of 100 to 10,000 paths.
#include <benchmark/benchmark.h>


#include "frame/FrameEntry.h"
#include "host/Messages.h"
#include "records/CurrentDimension.h"
#include "records/ToolState.h"
#include "resources/Resources.h"
#include "simhost/DialogManager.h"
#include "simhost/Document.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"
#include "simhost/Tools.h"

namespace {

constexpr int32_t kUnitPopup = 43;
constexpr int32_t kArrowsPoints = 11;
constexpr int32_t kDecimals = 17;
constexpr int32_t kArcRadius = 50;
constexpr int32_t kCircleTie = 66;

// The plug-in started with its panel, `paths` short paths drawn around the part, then a tool chosen.
void StartWithPanel(int64_t paths, int32_t tool) {
    sim::ResetHost();
    sim::ThePlugin().Load(PluginMain, PluginResources);
    sim::ThePlugin().Startup();
    sim::ThePlugin().SendNotifier(kAIApplicationStartedNotifier);
    for (int64_t i = 0; i < paths; ++i) {
        const auto x = static_cast<float>(1000 + (i % 100) * 30), y = static_cast<float>(1000 + (i / 100) * 30);
        sim::TheDocument().DrawPolyline({{x, y}, {x + 20, y + 10}}, false);
    }
    sim::TheTools().Select(gToolState.ToolHandles[tool - 1]);
}

void Stop() {
    sim::ThePlugin().SendNotifier(kAIApplicationShutdownNotifier);
    sim::ThePlugin().Shutdown();
}

void Press(AIRealPoint at, AIRealPoint to) {
    for (const char* selector : {kSelectorAITrackToolCursor, kSelectorAIToolMouseDown}) {
        sim::ThePlugin().SendTool(selector, sim::TheTools().Selected(), at);
    }
    sim::ThePlugin().SendTool(kSelectorAIToolMouseDrag, sim::TheTools().Selected(), to);
    sim::ThePlugin().SendTool(kSelectorAIToolMouseUp, sim::TheTools().Selected(), to);
}

ADMItemRef PanelItem(int32_t id) {
    return sim::TheDialogs().FindItem(sim::TheDialogs().FindDialog("Tavorine"), id);
}

// The field holds `value` as if the user had typed it, and its notifier hears the user's change: the notifier
// and its rebuild without the dialog manager's keystrokes and text conversions.
void Change(ADMItemRef field, float value) {
    sim::ItemData* item = sim::TheDialogs().Item(field);
    item->value = value;
    sim::TheDialogs().Notify(item->handle, kADMUserChangedNotifier);
}

// A linear dimension of a 200-point segment: the unit popup switched between millimetres and centimetres.
void PanelUnitChange(benchmark::State& state) {
    StartWithPanel(state.range(0), kSegmentTool);
    sim::TheDocument().DrawPolyline({{0, 0}, {200, 0}}, false);
    Press({100, 0}, {100, -30});
    const ADMItemRef popup = PanelItem(kUnitPopup);
    int32_t unit = 0;
    for (auto _ : state) {
        unit = 1 - unit;
        benchmark::DoNotOptimize(sim::TheDialogs().Choose(popup, unit));
    }
    Stop();
}
BENCHMARK(PanelUnitChange)->Arg(100)->Arg(1000)->Arg(10000);

// The same dimension, its decimals changed in the panel.
void PanelPrecisionChange(benchmark::State& state) {
    StartWithPanel(state.range(0), kSegmentTool);
    sim::TheDocument().DrawPolyline({{0, 0}, {200, 0}}, false);
    Press({100, 0}, {100, -30});
    const ADMItemRef field = PanelItem(kDecimals);
    int decimals = 0;
    for (auto _ : state) {
        decimals = (decimals + 1) % 4;
        Change(field, static_cast<float>(decimals));
    }
    Stop();
}
BENCHMARK(PanelPrecisionChange)->Arg(100)->Arg(1000)->Arg(10000);

// The same dimension, its end marks switched between arrows and points.
void PanelEndMarksChange(benchmark::State& state) {
    StartWithPanel(state.range(0), kSegmentTool);
    sim::TheDocument().DrawPolyline({{0, 0}, {200, 0}}, false);
    Press({100, 0}, {100, -30});
    const ADMItemRef button = PanelItem(kArrowsPoints);
    for (auto _ : state) {
        benchmark::DoNotOptimize(sim::TheDialogs().Click(button));
    }
    Stop();
}
BENCHMARK(PanelEndMarksChange)->Arg(100)->Arg(1000)->Arg(10000);

// An angle of 60 degrees: its arc radius changed in the panel, rebuilt by the notifier itself.
void PanelArcRadiusChange(benchmark::State& state) {
    StartWithPanel(state.range(0), kAngleTool);
    sim::TheDocument().DrawPolyline({{100, 0}, {0, 0}, {50, 86.6f}}, false);
    Press({0, 0}, {30, 30});
    const ADMItemRef field = PanelItem(kArcRadius);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 20;
        Change(field, static_cast<float>(30 + step));
    }
    Stop();
}
BENCHMARK(PanelArcRadiusChange)->Arg(100)->Arg(1000)->Arg(10000);

// A circle's radius dimension: its tie-line length changed in the panel, rebuilt by the notifier itself.
void PanelCircleTieChange(benchmark::State& state) {
    StartWithPanel(state.range(0), kCircleTool);
    const float k = 0.5522847f * 50.0f;
    sim::TheDocument().DrawPath(
        {sim::CurveSegment({50, 0}, {50, 0}, {50, k}), sim::CurveSegment({0, 50}, {k, 50}, {0, 50})}, false);
    Press({35.355f, 35.355f}, {80, 80});
    const ADMItemRef field = PanelItem(kCircleTie);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 20;
        Change(field, static_cast<float>(10 + step));
    }
    Stop();
}
BENCHMARK(PanelCircleTieChange)->Arg(100)->Arg(1000)->Arg(10000);

}  // namespace
