// Update-all: a click on a dimension with "Redessiner" on rebuilds every dimension of its kind, each from the
// anchors of the path it is linked to. The drawing's paths each carry one linear (or angle) dimension. The
// floor is the bare arithmetic of as many linear dimensions: their lengths, directions and value texts.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "bench/BenchDrawing.h"
#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/ReEdit.h"
#include "dimension/ValueFormat.h"
#include "frame/Settings.h"
#include "simhost/Document.h"

namespace bench {
namespace {

namespace format = DimensionArtFormat;

sim::TagValue Text(const std::string& text) {
    sim::TagValue value;
    value.text = text;
    return value;
}

// Every path of the drawing that is no dimension part and not the known ones.
std::vector<sim::ArtNode*> PlainPaths(const Drawing& d) {
    sim::Document& document = sim::TheDocument();
    std::vector<sim::ArtNode*> paths;
    for (AIArtHandle art : document.AllArt()) {
        sim::ArtNode* node = document.MutableArt(art);
        if (node->type != kPathArt || node->tags.count(format::Vek) != 0) continue;
        if (art == d.Target || art == d.Crossing || art == d.Arc) continue;
        paths.push_back(node);
    }
    return paths;
}

// Gives every plain path a copy of the dimension just made, linked by `key` to its anchors 0, 1 (and 2).
void CopyDimensionToEveryPath(const Drawing& d, const char* key, int indexCount) {
    sim::Document& document = sim::TheDocument();
    sim::ArtNode* model = document.MutableArt(gCurrentDimension.DimensionGroup);
    int32_t id = 1000;
    for (sim::ArtNode* path : PlainPaths(d)) {
        const std::string idText = std::to_string(++id);
        path->tags[key] = Text(idText);
        sim::ArtNode* copy = nullptr;
        document.DuplicateArt(model, kPlaceAbove, document.Handle(model), &copy);
        std::vector<sim::ArtNode*> parts{copy};
        for (size_t k = 0; k < parts.size(); ++k) {
            for (sim::ArtNode* child : parts[k]->children) parts.push_back(child);
            if (parts[k]->tags.count(key) == 0) continue;
            parts[k]->tags[key] = Text(idText);
            for (int i = 0; i < indexCount; ++i) parts[k]->tags[format::AnchorIndexKeys[i]] = Text(std::to_string(i));
        }
    }
}

AIToolHitData HitOn(AIArtHandle art) {
    AIToolHitData hit{};
    hit.hit = 1;
    hit.object = art;
    return hit;
}

// One kind of dimension: the tool that makes it, where the press and the drag go, its link, and the
// update-all of that kind.
struct DimensionKind {
    int32_t Tool;
    const char* LinkKey;
    int IndexCount;
    std::vector<AIArtHandle> (*Every)();
    ASErr (*ReEdit)(const AIToolHitData&, const AIToolMessage&);
};

void UpdateAll(benchmark::State& state, const DimensionKind& kind, AIRealPoint Drawing::*press, float rise) {
    const Drawing d = StartWithDrawing(state.range(0));
    SelectTool(kind.Tool);
    const AIRealPoint at = d.*press;
    const AIRealPoint placed{at.h, at.v + rise};
    MouseDown(at);
    MouseDrag(placed);
    MouseUp(placed);
    CopyDimensionToEveryPath(d, kind.LinkKey, kind.IndexCount);
    gSettings.RedrawAll = 1;
    const AIToolMessage message{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(kind.ReEdit(HitOn(kind.Every().front()), message));
        ForgetLogs();
    }
    state.counters["dimensions"] = static_cast<double>(kind.Every().size());
    StopPlugIn();
}

void UpdateAllLinear(benchmark::State& state) {
    UpdateAll(state, {1, format::OnSegmentLink, 2, LinearDimensionsToUpdate, ReEditSegmentDimension},
              &Drawing::SegmentMiddle, 40.0f);
}

void UpdateAllAngles(benchmark::State& state) {
    UpdateAll(state, {2, format::AngleLink, 3, AngleDimensionsToUpdate, ReEditAngleDimension}, &Drawing::Anchor,
              30.0f);
}

void Floor(benchmark::State& state) {
    const Drawing d = StartWithDrawing(state.range(0));
    std::vector<AIRealPoint> ends;
    for (const sim::ArtNode* path : PlainPaths(d)) {
        ends.push_back(path->segments[0].p);
        ends.push_back(path->segments[1].p);
    }
    for (auto _ : state) {
        double sum = 0.0;
        for (size_t k = 0; k + 1 < ends.size(); k += 2) {
            const AIRealPoint a = ends[k];
            const AIRealPoint b = ends[k + 1];
            sum += std::atan2(b.v - a.v, b.h - a.h);
            FormatLengthText(a.h, a.v, b.h, b.v, 0);
            benchmark::DoNotOptimize(gValueTextBuffer.Length);
        }
        benchmark::DoNotOptimize(sum);
    }
    StopPlugIn();
}

#define DRAWING_SIZES ->Arg(kSmallDrawing)->Arg(kMediumDrawing)->Arg(kLargeDrawing)->Unit(benchmark::kMillisecond)
BENCHMARK(UpdateAllLinear) DRAWING_SIZES;
BENCHMARK(UpdateAllAngles) DRAWING_SIZES;
BENCHMARK(Floor) DRAWING_SIZES;
#undef DRAWING_SIZES

}  // namespace
}  // namespace bench
