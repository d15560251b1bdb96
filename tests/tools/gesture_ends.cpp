// What a press leaves behind when it is consumed, refused or abandoned: the drag and release of a refused
// press, the state a release or a tool change clears, and the sequences a tool change or a cancel ends.
#include <cmath>
#include <cstdio>
#include <regex>
#include <functional>

#include "end_to_end_fixture.h"
#include "fuzz/ToolInvariants.h"
#include "host/Platform.h"
#include "records/DragValues.h"
#include "simhost/DialogManager.h"

namespace endtoend {
namespace {

constexpr double kPi = 3.14159265358979323846;

class GestureEnds : public UserTest {
protected:
    static void Down(AIRealPoint p) { Send(kSelectorAIToolMouseDown, p); }
    static void DragTo(AIRealPoint p) { Send(kSelectorAIToolMouseDrag, p); }
    static void Up(AIRealPoint p) { Send(kSelectorAIToolMouseUp, p); }
    static void LockLayer() { Doc().SetLayerLocked(Doc().CurrentLayer(), true); }
    // A Segment dimension of the straight line (0,0)-(200,0), its label placed at (100,40).
    static void SegmentDimension() {
        Line({{0, 0}, {200, 0}});
        Select(kSegmentTool);
        ClickDrag({100, 0}, {100, 40});
    }
    static size_t AlertCount() { return sim::TheLogs().alerts.size(); }
    // Every path in the document whose anchors are missing, dimension parts included.
    static size_t EmptyPaths() {
        size_t count = 0;
        for (AIArtHandle art : Doc().AllArt()) {
            const sim::ArtNode* node = Doc().Art(art);
            if (node != nullptr && node->type == kPathArt && node->segments.empty()) ++count;
        }
        return count;
    }
    // Dimensions finished away from the roads' paths: a length dragged 30 below a bar (then the series switched
    // on), an angle of 53 degrees dragged out to radius 85.
    static void Length() {
        Line({{0, -200}, {200, -200}}), Select(kSegmentTool), ClickDrag({100, -200}, {100, -230});
    }
    static void LengthThenSeries() { Length(), sim::TheDialogs().Click(PanelItem(93)); }
    static void Angle() {
        Line({{100, -200}, {0, -200}, {60, -120}}), Select(kAngleTool), ClickDrag({0, -200}, {76.026f, -161.987f});
    }
    static size_t TaggedArt(const char* key) {
        size_t count = 0;
        for (AIArtHandle art : Doc().AllArt())
            if (HasTag(art, key)) ++count;
        return count;
    }
};

// A press that a gesture consumes or that the tool answers with an alert starts no gesture: from the state the
// press left, its drag and its release change neither the document nor the alerts.
struct RefusedPress {
    const char* name;
    std::function<void()> before;  // the state the press meets, the tool selected
    AIRealPoint press;
    int32_t key;                   // held for the press only, 0 none
    const char* alert;             // the press's own alert, or nullptr
};

TEST_F(GestureEnds, TheDragAndReleaseOfARefusedPressChangeNothing) {
    const std::vector<RefusedPress> presses = {
        {"Alt over a locked dimension", [] { SegmentDimension(); LockLayer(); }, {50, 250}, VK_MENU, nullptr},
        {"a locked layer", [] { SegmentDimension(); LockLayer(); }, {50, 250}, 0,
         "Tavorine impossible. Calque verrouillé."},
        {"Shift: the next tool", [] { SegmentDimension(); }, {50, 250}, VK_SHIFT, nullptr},
        {"a second point off any point",
         [] {
             Line({{0, 0}, {100, 0}, {100, 60}});
             Select(kSegmentTool);
             Click({0, 0});
         },
         {50, 0}, 0,
         "Vous devez cliquer sur un second point\r(point d'ancrage ou point d'intersection)\rou tenir la touche "
         "Contrôle enfoncée."},
        {"an arc of a closed path",
         [] {
             SegmentDimension();
             const float k = hovertest::kQuarterArcHandle * 100.0f;
             Doc().DrawPath({sim::CurveSegment({100, 300}, {100, 300}, {100, 300 + k}),
                             sim::CurveSegment({0, 400}, {k, 400}, {0, 400})},
                            true);
         },
         {70.7107f, 370.7107f}, 0, "Le tracé doit être ouvert."},
        {"an end that is no vertex",
         [] {
             Line({{0, 0}, {100, 0}, {100, 60}});
             Select(kAngleTool);
         },
         {0, 0}, 0, "Ce point n'est pas le sommet d'un angle."},
        {"an eleventh series point",
         [] {
             std::vector<AIRealPoint> points;
             for (int i = 0; i <= 10; ++i) points.push_back({100.0f * static_cast<float>(i), 0});
             Line(points);
             gCurrentOptions.SeriesOn = 1;
             Select(kSegmentTool);
             for (int i = 0; i < 10; ++i) Click(points[static_cast<size_t>(i)]);
         },
         {1000, 0}, 0, "Vous avez dépassé le nombre maximum de clics pour les cotes en série !"},
    };
    for (const RefusedPress& press : presses) {
        SCOPED_TRACE(press.name);
        TearDown();
        SetUp();
        press.before();
        Track(press.press);
        const size_t alertsBefore = AlertCount();
        if (press.key != 0) Hold(press.key);
        Down(press.press);
        if (press.key != 0) Release(press.key);
        ASSERT_EQ(AlertCount(), alertsBefore + (press.alert != nullptr ? 1u : 0u));
        if (press.alert != nullptr) {
            EXPECT_EQ(sim::TheLogs().alerts.back().text, press.alert);
        }
        const std::string tree = Doc().DescribeTree();
        DragTo({press.press.h + 30, press.press.v + 40});
        DragTo({press.press.h + 60, press.press.v + 10});
        Up({press.press.h + 60, press.press.v + 10});
        EXPECT_EQ(Doc().DescribeTree(), tree);
        EXPECT_EQ(AlertCount(), alertsBefore + (press.alert != nullptr ? 1u : 0u));
        EXPECT_EQ(gToolState.ClickInProgress, 0);
    }
}

// A release ends the gesture of every tool: once Longueurs & aires is back, no marquee is drawn from the
// press of another tool and the measured set keeps its path.
TEST_F(GestureEnds, NoToolLeavesAClickInProgressForTheMarquee) {
    struct Press {
        int32_t tool;
        AIRealPoint down, up;
    };
    const std::vector<Press> presses = {
        {kSegmentTool, {100, 200}, {100, 240}},  // a dimension of the straight line
        {kSegmentTool, {300, 300}, {350, 300}},  // a segment figure on empty canvas
        {kAngleTool, {300, 300}, {350, 330}},
        {kCircleTool, {300, 300}, {350, 300}},
        {kBezierTool, {300, 300}, {350, 330}},
    };
    for (const Press& press : presses) {
        SCOPED_TRACE(press.tool);
        TearDown();
        SetUp();
        Line({{0, 0}, {40, 0}, {40, 40}, {0, 40}}, true);
        Line({{0, 200}, {200, 200}});
        Select(kMeasureTool);
        Click({20, 0});
        ASSERT_EQ(gToolState.MeasuredCount, 1u);
        Select(press.tool);
        ClickDrag(press.down, press.up);
        EXPECT_EQ(gToolState.ClickInProgress, 0);
        Select(kMeasureTool);
        Track({50, 100});
        for (const sim::DrawnShape& shape : Draw()) EXPECT_FALSE(shape.dashed) << shape.kind;
        EXPECT_EQ(gToolState.MeasuredCount, 1u);
    }
}

// A first Segment point abandoned by a tool change leaves no half-built dimension and no link to one, whether
// the palette or the Shift gesture changes the tool.
TEST_F(GestureEnds, AToolChangeAfterAFirstSegmentPointLeavesNoOrphan) {
    for (const bool byGesture : {false, true}) {
        SCOPED_TRACE(byGesture ? "Shift gesture" : "palette");
        TearDown();
        SetUp();
        const AIArtHandle path = Line({{0, 0}, {100, 0}, {100, 60}});
        Select(kSegmentTool);
        Click({0, 0});
        ASSERT_TRUE(HasTag(path, "segpt1"));
        ASSERT_EQ(GroupCount(), 1u);
        if (byGesture) {
            Hold(VK_SHIFT);
            Click({300, 300});
            Release(VK_SHIFT);
        } else {
            Select(kAngleTool);
        }
        EXPECT_EQ(gToolState.CurrentTool, kAngleTool);
        EXPECT_EQ(GroupCount(), 0u);
        EXPECT_EQ(EmptyPaths(), 0u);
        EXPECT_EQ(TaggedArt("segpt1"), 0u);
        EXPECT_EQ(TaggedArt("red"), 0u);
    }
}

// Roads to the end of a sequence: a Control cancel, a tool change, the panel's cancel and (with the Segment tool)
// the series switched on leave the same document, for every tool's first clicks (the Segment tool's half-built
// dimension goes, the other tools keep their art), and give back a dimension finished before it as it was, to
// the bit.
TEST_F(GestureEnds, AToolChangeEndsASequenceAsTheCancelDoes) {
    struct FirstClick {
        const char* name;
        int32_t tool;
        std::vector<AIRealPoint> at;
        int32_t key;
        void (*finished)() = nullptr;  // the dimension finished before the first click
    };
    const std::vector<FirstClick> clicks = {
        {"Segment, an anchor", kSegmentTool, {{0, 0}}, 0},
        {"Segment, two segments", kSegmentTool, {{50, 0}}, -1},
        {"Angle, a side", kAngleTool, {{50, 0}}, 0},
        {"Cercle, an arc's end", kCircleTool, {{-50, 0}}, 0},
        {"Longueurs & aires, an anchor", kMeasureTool, {{0, 0}}, 0},
        {"Segment, an anchor after a length", kSegmentTool, {{0, 0}}, 0, &GestureEnds::Length},
        {"Segment, two series points after a length", kSegmentTool, {{0, 0}, {100, 0}}, 0,
         &GestureEnds::LengthThenSeries},
        {"Angle, a side after an angle", kAngleTool, {{50, 0}}, 0, &GestureEnds::Angle},
    };
    for (const FirstClick& click : clicks) {
        SCOPED_TRACE(click.name);
        std::string trees[4];
        for (int road = 0; road < (click.tool == kSegmentTool ? 4 : 3); ++road) {
            SCOPED_TRACE(road);
            TearDown();
            SetUp();
            BuildPanel();
            Line({{0, 0}, {100, 0}, {100, 60}});
            const float k = hovertest::kQuarterArcHandle * 50.0f;
            Doc().DrawPath({sim::CurveSegment({-50, 0}, {-50, 0}, {-50, k}),
                            sim::CurveSegment({-100, 50}, {-100 + k, 50}, {-100, 50})},
                           false);
            if (click.finished != nullptr) click.finished();
            const std::map<AIArtHandle, std::string> finished = fuzz::DimensionGroups();
            Select(click.tool);
            if (click.key < 0) {
                Hold(VK_SHIFT);
                Hold(VK_MENU);
            }
            for (const AIRealPoint at : click.at) Click(at);
            Release(VK_SHIFT);
            Release(VK_MENU);
            ASSERT_GE(gToolState.ClickCount, 1);
            if (road == 0) {
                Hold(VK_CONTROL);
                Track({300, 300});
                Release(VK_CONTROL);
            } else if (road == 1) {
                Select(click.tool == kSegmentTool ? kAngleTool : kSegmentTool);
            } else {
                road == 2 ? PanelCancel() : static_cast<void>(sim::TheDialogs().Click(PanelItem(93)));
            }
            EXPECT_EQ(gToolState.ClickCount, 0);
            EXPECT_EQ(gToolState.AwaitingSegmentClick, 0);
            EXPECT_EQ(EmptyPaths(), 0u);
            EXPECT_EQ(TaggedArt("segpt1"), 0u);
            EXPECT_EQ(fuzz::DimensionGroups(), finished);
            trees[road] = Doc().DescribeTree();
        }
        EXPECT_EQ(trees[0], trees[1]);
        EXPECT_EQ(trees[0], trees[2]);
        if (click.tool == kSegmentTool) {
            EXPECT_EQ(trees[0], trees[3]);
        }
    }
}

// The panel's cancel takes the finished dimension away with the links it held.
TEST_F(GestureEnds, ThePanelsCancelTakesAFinishedDimensionAwayWithItsLinks) {
    BuildPanel();
    SegmentDimension();
    PanelCancel();
    EXPECT_EQ(GroupCount(), 0u);
    EXPECT_EQ(TaggedArt("surseg"), 0u);
}

// A cancel leaves the Segment tool ready for a first click: the measure between two segments is no longer
// armed, the tip says so, and the next anchor click is a first point.
TEST_F(GestureEnds, ACancelDisarmsTheMeasureBetweenTwoSegments) {
    const AIArtHandle path = Line({{0, 0}, {100, 0}, {100, 60}});
    Select(kSegmentTool);
    Hold(VK_SHIFT);
    Hold(VK_MENU);
    Click({50, 0});
    Release(VK_SHIFT);
    Release(VK_MENU);
    ASSERT_EQ(gToolState.AwaitingSegmentClick, 1);
    Hold(VK_CONTROL);
    Track({300, 300});
    Release(VK_CONTROL);
    sim::TheLogs().infoValues.clear();
    Track({300, 300});
    ASSERT_EQ(sim::TheLogs().infoValues.size(), 4u);
    EXPECT_EQ(sim::TheLogs().infoValues[2], "23=Clic point, segment, courbe ou arc.");
    Click({100, 60});
    EXPECT_EQ(gToolState.ClickCount, 1);
    EXPECT_EQ(gToolState.AwaitingSegmentClick, 0);
    EXPECT_TRUE(HasTag(path, "segpt1"));
}

// The anchors of a path, as the host holds them.
std::vector<AIRealPoint> Anchors(AIArtHandle path) {
    std::vector<AIRealPoint> points;
    const sim::ArtNode* node = sim::TheDocument().Art(path);
    if (node != nullptr)
        for (const AIPathSegment& segment : node->segments) points.push_back(segment.p);
    return points;
}

// A centred segment figure (left Windows key held) lies across the click, its length the distance from the click
// to the cursor, at every drag event: the cursor resting at (100,0) does not make it grow.
TEST_F(GestureEnds, ACentredSegmentFigureKeepsItsLengthWhileTheCursorRests) {
    Select(kSegmentTool);
    Down({0, 0});
    Hold(VK_LWIN);
    for (int event = 0; event < 4; ++event) {
        SCOPED_TRACE(event);
        DragTo({100, 0});
        const std::vector<AIRealPoint> ends = Anchors(gDragValues.CreatedSegmentPath);
        ASSERT_EQ(ends.size(), 2u);
        EXPECT_NEAR(Distance(ends[0], ends[1]), 100.0, 1e-3);
        EXPECT_NEAR((ends[0].h + ends[1].h) / 2.0, 0.0, 1e-3);
        EXPECT_NEAR((ends[0].v + ends[1].v) / 2.0, 0.0, 1e-3);
    }
    Release(VK_LWIN);
    Up({100, 0});
}

// The document tree with every number to two decimals, so that two roads compare beside float noise.
std::string RoundedTree() {
    static const std::regex number("-?[0-9]+\\.[0-9]+");
    const std::string tree = sim::TheDocument().DescribeTree();
    std::string out;
    auto last = tree.cbegin();
    for (std::sregex_iterator it(tree.begin(), tree.end(), number), end; it != end; ++it) {
        out.append(last, tree.cbegin() + it->position());
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", std::stod(it->str()));
        out += std::string(text) == "-0.00" ? "0.00" : text;
        last = tree.cbegin() + it->position() + it->length();
    }
    out.append(last, tree.cend());
    return out;
}

// Two roads to one figure: the drag events on the way never change where a figure ends up; one event at the
// last point makes the same document, for every figure, centred or not, with and without Alt.
TEST_F(GestureEnds, AFigureDependsOnTheLastCursorPointAloneNotOnTheEvents) {
    struct Figure {
        const char* name;
        int32_t tool;
        std::vector<int32_t> keys;
    };
    const std::vector<Figure> figures = {
        {"segment", kSegmentTool, {}},
        {"segment centred", kSegmentTool, {VK_LWIN}},
        {"segment, Alt", kSegmentTool, {VK_MENU}},
        {"segment centred, Alt", kSegmentTool, {VK_LWIN, VK_MENU}},
        {"angle", kAngleTool, {}},
        {"angle centred", kAngleTool, {VK_LWIN}},
        {"circle", kCircleTool, {}},
        {"Bézier", kBezierTool, {}},
    };
    const std::vector<AIRealPoint> way = {{30, 5}, {-40, 60}, {120, -30}, {80, 90}, {80, 90}, {80, 90}};
    for (const Figure& figure : figures) {
        SCOPED_TRACE(figure.name);
        std::string trees[2];
        for (int road = 0; road < 2; ++road) {
            TearDown();
            SetUp();
            Select(figure.tool);
            Down({10, 20});
            for (int32_t key : figure.keys) Hold(key);
            if (road == 0) {
                DragTo(way.back());
            } else {
                for (const AIRealPoint& p : way) DragTo(p);
            }
            for (int32_t key : figure.keys) Release(key);
            Up(way.back());
            trees[road] = RoundedTree();
        }
        EXPECT_EQ(trees[1], trees[0]);
    }
}

// A drag that moved never opens a creation dialog, even where single precision cannot tell the cursor's points
// apart; a press released unmoved still does.
TEST_F(GestureEnds, ADraggedFigureOpensNoDialogFarFromTheOrigin) {
    const float far = 16777216.0f;  // 2^24: one more point is lost in single precision
    for (const int32_t tool : {kSegmentTool, kAngleTool, kCircleTool, kBezierTool}) {
        SCOPED_TRACE(tool);
        TearDown();
        SetUp();
        Select(tool);
        Down({far, 0});
        DragTo({far, 100});
        Up({far, 100});
        EXPECT_TRUE(sim::TheLogs().modalRuns.empty());
        Down({far, 300});
        Up({far, 300});
        EXPECT_EQ(sim::TheLogs().modalRuns.size(), 1u);
    }
}

// A segment figure started at the click runs towards the cursor's side of its orientation, whatever that
// orientation: from (0,0) along "SegRotCrea" or against it, never away from the cursor.
TEST_F(GestureEnds, ASegmentFigureRunsTowardsTheCursorsSide) {
    const double rotations[] = {0.0, 45.0, 90.0, 135.0, 180.0, -90.0, 300.0};
    const AIRealPoint cursors[] = {{100, 7}, {-5, 100}, {-100, -7}, {5, -100}, {-70, 60}, {60, -70}};
    for (const double rotation : rotations) {
        for (const AIRealPoint cursor : cursors) {
            SCOPED_TRACE(::testing::Message() << rotation << " to " << cursor.h << "," << cursor.v);
            TearDown();
            SetUp();
            gSettings.SegmentCreateRotation = rotation;
            Select(kSegmentTool);
            Down({0, 0});
            DragTo(cursor);
            const std::vector<AIRealPoint> ends = Anchors(gDragValues.CreatedSegmentPath);
            Up(cursor);
            ASSERT_EQ(ends.size(), 2u);
            EXPECT_POINT_NEAR(ends[0], 0.0f, 0.0f, 1e-4);
            EXPECT_GT(ends[1].h * cursor.h + ends[1].v * cursor.v, 0.0f);
            EXPECT_NEAR(std::fabs(ends[1].h * std::sin(rotation * kPi / 180.0) -
                                  ends[1].v * std::cos(rotation * kPi / 180.0)),
                        0.0, 1e-3);
        }
    }
}

// A circle figure dragged back onto its centre has no dimension while it has no size, gets it back when it
// grows, and a release at no size leaves neither figure nor dimension; for a circle, an arc and a sector.
TEST_F(GestureEnds, ACircleDraggedBackToItsCentreLeavesNothing) {
    for (const int32_t kind : {0, 1, 2}) {
        SCOPED_TRACE(kind);
        TearDown();
        SetUp();
        Select(kCircleTool);
        Down({600, 0});
        gCurrentOptions.CircleCreateArc = kind == 1 ? 1 : 0;
        gCurrentOptions.CircleCreateSector = kind == 2 ? 1 : 0;
        DragTo({650, 10});
        ASSERT_FALSE(Label(Group()).empty());
        const std::string grown = Label(Group());
        DragTo({600, 0});
        EXPECT_TRUE(Doc().Children(Group()).empty());
        EXPECT_EQ(TaggedArt("cer"), 0u);
        DragTo({650, 10});
        EXPECT_EQ(Label(Group()), grown);
        EXPECT_EQ(EmptyPaths(), 0u);
        DragTo({600, 0});
        Up({600, 0});
        EXPECT_TRUE(Doc().AllArt().empty()) << Doc().DescribeTree();
        EXPECT_TRUE(sim::TheLogs().modalRuns.empty());
    }
}

// Over a path on a locked layer, Longueurs & aires hints what its click does, an empty click: neither
// "Ajoute le tracé à la sélection." nor the path's outline shows, and the click adds nothing.
TEST_F(GestureEnds, LengthsAndAreasOffersNothingOnALockedLayer) {
    Line({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, true);
    Select(kMeasureTool);
    Click({50, 0});
    ASSERT_EQ(gToolState.MeasuredCount, 1u);
    const AILayerHandle locked = Doc().AddLayer("Fond");
    Doc().SetCurrentLayer(locked);
    Line({{300, 0}, {400, 0}, {400, 100}}, false);
    Doc().SetLayerLocked(locked, true);
    Track({350, 0});
    EXPECT_EQ(Flags().OverSegment, 0);
    for (const sim::DrawnShape& shape : Draw()) {
        EXPECT_NE(shape.text, "Ajoute le tracé à la sélection.");
        EXPECT_NE(shape.kind, "bezier");
        EXPECT_NE(shape.kind, "line");
    }
    Click({350, 0});
    EXPECT_EQ(gToolState.MeasuredCount, 0u);  // an empty click: the set is emptied, nothing is added
}

}  // namespace
}  // namespace endtoend
