#include "bench/BenchDrawing.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "dimension/CurrentDimension.h"
#include "frame/FrameEntry.h"
#include "host/Messages.h"
#include "resources/Resources.h"
#include "simhost/Annotator.h"
#include "simhost/Document.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"
#include "simhost/Tools.h"
#include "tools/RememberedSegments.h"
#include "records/ToolState.h"

namespace bench {

namespace {

// Each path keeps to its cell of the grid and a little more, so that neighbours cross.
constexpr float kCell = 100.0f;
constexpr float kInset = 5.0f;
constexpr float kReach = 125.0f;
// The known paths sit in a block of 3 x 3 cells.
constexpr int kBlockCells = 3;
// The handle length that makes a cubic follow a quarter circle of radius 1.
constexpr float kQuarterArcHandle = 0.5522847f;
constexpr float kArcRadius = 40.0f;
constexpr int kTargetAnchors = 14;

AIRealPoint At(AIRealPoint origin, float h, float v) { return {origin.h + h, origin.v + v}; }

// A zigzag whose second segment is curved: anchors alternate between two rows 60 points apart.
std::vector<AIPathSegment> Zigzag(AIRealPoint origin) {
    std::vector<AIPathSegment> anchors;
    for (int k = 0; k < kTargetAnchors; ++k) {
        const AIRealPoint p = At(origin, 40.0f + 17.0f * static_cast<float>(k), k % 2 == 0 ? 60.0f : 120.0f);
        anchors.push_back(sim::CornerSegment(p.h, p.v));
    }
    anchors[1].out = At(anchors[1].p, 10.0f, 15.0f);
    anchors[2].in = At(anchors[2].p, -12.0f, 20.0f);
    return anchors;
}

struct Grid {
    int Columns = 0;
    int BlockColumn = 0;
    int BlockRow = 0;
    int EmptyColumn = 0;
    int EmptyRow = 0;
    bool Reserved(int column, int row) const {
        const bool inBlock = column >= BlockColumn && column < BlockColumn + kBlockCells && row >= BlockRow &&
                             row < BlockRow + kBlockCells;
        return inBlock || (column == EmptyColumn && row == EmptyRow);
    }
};

Grid MakeGrid(int64_t pathCount) {
    Grid grid;
    const int64_t cells = pathCount + kBlockCells * kBlockCells + 1;
    grid.Columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(cells))));
    grid.BlockColumn = grid.BlockRow = grid.Columns / 2 - 1;
    grid.EmptyColumn = grid.EmptyRow = grid.Columns / 4;
    return grid;
}

// A random path inside the cell at `origin`.
std::vector<AIPathSegment> RandomPath(std::mt19937& random, AIRealPoint origin) {
    std::uniform_real_distribution<float> coordinate(kInset, kReach);
    std::uniform_int_distribution<int> anchorCount(10, 20);
    std::uniform_int_distribution<int> quarter(0, 3);
    const auto point = [&] { return At(origin, coordinate(random), coordinate(random)); };
    std::vector<AIPathSegment> anchors;
    const int n = anchorCount(random);
    for (int k = 0; k < n; ++k) {
        const AIRealPoint p = point();
        anchors.push_back(sim::CornerSegment(p.h, p.v));
    }
    for (int k = 0; k + 1 < n; ++k) {
        if (quarter(random) != 0) continue;
        anchors[static_cast<size_t>(k)].out = point();
        anchors[static_cast<size_t>(k + 1)].in = point();
    }
    return anchors;
}

std::vector<AIPathSegment> QuarterArc(AIRealPoint centre, float r) {
    const float k = kQuarterArcHandle * r;
    const AIRealPoint start = At(centre, r, 0.0f);
    const AIRealPoint end = At(centre, 0.0f, r);
    return {sim::CurveSegment(start, start, At(start, 0.0f, k)), sim::CurveSegment(end, At(end, k, 0.0f), end)};
}

}  // namespace

Drawing StartWithDrawing(int64_t pathCount) {
    sim::ResetHost();
    sim::ThePlugin().Load(PluginMain, PluginResources);
    sim::ThePlugin().Startup();
    sim::Document& document = sim::TheDocument();

    const Grid grid = MakeGrid(pathCount);
    const AIRealPoint block{static_cast<float>(grid.BlockColumn) * kCell, static_cast<float>(grid.BlockRow) * kCell};
    Drawing drawing;
    drawing.Anchor = At(block, 40.0f + 17.0f * 4, 60.0f);
    drawing.SegmentMiddle = At(block, 40.0f + 17.0f * 10.5f, 90.0f);
    drawing.CrossingPoint = At(block, 40.0f + 17.0f * 7.5f, 90.0f);
    drawing.ArcCentre = At(block, 100.0f, 200.0f);
    drawing.ArcRadius = kArcRadius;
    const float diagonal = kArcRadius * std::sqrt(0.5f);
    drawing.ArcMiddle = At(drawing.ArcCentre, diagonal, diagonal);
    drawing.Empty = {static_cast<float>(grid.EmptyColumn) * kCell + 70.0f,
                     static_cast<float>(grid.EmptyRow) * kCell + 70.0f};
    drawing.Far = {static_cast<float>(grid.Columns) * kCell, static_cast<float>(grid.Columns) * kCell};

    std::mt19937 random(20240611u);
    std::uniform_int_distribution<int> quarter(0, 3);
    const int64_t randomPaths = std::max<int64_t>(pathCount - 3, 0);
    int64_t drawn = 0;
    for (int cell = 0; drawn < randomPaths; ++cell) {
        const int column = cell % grid.Columns;
        const int row = cell / grid.Columns;
        if (grid.Reserved(column, row)) continue;
        if (drawn == randomPaths / 2) {
            drawing.Target = document.DrawPath(Zigzag(block), false, "Cible");
            const AIRealPoint x = drawing.CrossingPoint;
            drawing.Crossing = document.DrawPolyline({{x.h, x.v - 60.0f}, {x.h, x.v + 60.0f}}, false, "Travers");
            drawing.Arc = document.DrawPath(QuarterArc(drawing.ArcCentre, kArcRadius), false, "Arc");
        }
        const AIRealPoint origin{static_cast<float>(column) * kCell, static_cast<float>(row) * kCell};
        document.DrawPath(RandomPath(random, origin), quarter(random) == 0);
        ++drawn;
    }
    return drawing;
}

void StopPlugIn() {
    FreeRememberedSegments();
    sim::ThePlugin().Shutdown();
    sim::TheLogs().Clear();
}

void SelectTool(int32_t toolNumber) {
    sim::TheTools().Select(gToolState.ToolHandles[toolNumber - 1]);
}

namespace {

void SendAndDraw(const char* selector, AIRealPoint at) {
    sim::ThePlugin().SendTool(selector, sim::TheTools().Selected(), at);
    sim::TheAnnotators().Draw();
}

}  // namespace

void MoveCursor(AIRealPoint at) { SendAndDraw(kSelectorAITrackToolCursor, at); }
void MouseDown(AIRealPoint at) {
    sim::ThePlugin().SendTool(kSelectorAITrackToolCursor, sim::TheTools().Selected(), at);
    SendAndDraw(kSelectorAIToolMouseDown, at);
}
void MouseDrag(AIRealPoint to) { SendAndDraw(kSelectorAIToolMouseDrag, to); }
void MouseUp(AIRealPoint at) { SendAndDraw(kSelectorAIToolMouseUp, at); }
std::string DimensionSummary() {
    const sim::Document& document = sim::TheDocument();
    const sim::ArtNode* group = document.Art(gCurrentDimension.DimensionGroup);
    if (group == nullptr) return "no dimension";
    std::string label;
    for (const sim::ArtNode* part : group->children) {
        if (part->type == kTextFrameArt && label.empty()) label = part->text.contents;
    }
    return "\"" + label + "\" " + std::to_string(group->children.size()) + " parts";
}

void ForgetLogs() { sim::TheLogs().Clear(); }

}  // namespace bench
