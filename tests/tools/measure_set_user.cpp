// The Longueurs & aires tool as a user drives it: the paths it measures, the selection that mirrors its set, the
// marquee, and the user's paths left as they were drawn.
#include <algorithm>

#include "end_to_end_fixture.h"
#include "panel/SelectionReadouts.h"
#include "simhost/CursorSnap.h"
#include "tools/MeasuredSet.h"

namespace endtoend {
namespace {

class MeasureUserTest : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        Select(kMeasureTool);
    }
    static bool Selected(AIArtHandle art) { return (Doc().Art(art)->userAttr & kArtSelected) != 0; }
    // Presses at p, drags the marquee to q, lets the host repaint, releases.
    static void Marquee(AIRealPoint p, AIRealPoint q) {
        Send(kSelectorAIToolMouseDown, p);
        Send(kSelectorAIToolMouseDrag, q);
        Draw();
        Send(kSelectorAIToolMouseUp, q);
    }
    static std::vector<std::string> Texts(const std::vector<sim::DrawnShape>& shapes) {
        std::vector<std::string> texts;
        for (const sim::DrawnShape& shape : shapes)
            if (shape.kind == "text") texts.push_back(shape.text);
        return texts;
    }
    static bool Shows(const std::vector<sim::DrawnShape>& shapes, const std::string& text) {
        const std::vector<std::string> texts = Texts(shapes);
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    static std::vector<AIRealPoint> Anchors(AIArtHandle path) {
        std::vector<AIRealPoint> points;
        for (const AIPathSegment& segment : Doc().Art(path)->segments) points.push_back(segment.p);
        return points;
    }
};

// The plate the user clicks: 200 x 100 points, anchors numbered from its lower left corner.
std::vector<AIRealPoint> PlateCorners() { return {{0, 0}, {200, 0}, {200, 100}, {0, 100}}; }

TEST_F(MeasureUserTest, AFirstAnchorLeavesTheClosedPathNumberedAsDrawn) {
    const AIArtHandle plate = Line(PlateCorners(), true);
    const size_t artBefore = Doc().ArtCount();
    Click({200, 100});
    const std::vector<AIRealPoint> anchors = Anchors(plate);
    ASSERT_EQ(anchors.size(), 4u);
    for (size_t i = 0; i < anchors.size(); ++i) EXPECT_POINT(anchors[i], PlateCorners()[i].h, PlateCorners()[i].v);
    EXPECT_EQ(Doc().ArtCount(), artBefore);

    // Over the first corner, the part measured runs on from the clicked anchor: 100 + 200 points.
    Track({0, 0});
    const std::vector<sim::DrawnShape> shapes = Draw();
    EXPECT_TRUE(Shows(shapes, "L partie courbe=106 mm")) << ::testing::PrintToString(Texts(shapes));
    std::vector<sim::DrawnShape> outline;
    std::copy_if(shapes.begin(), shapes.end(), std::back_inserter(outline),
                 [](const sim::DrawnShape& s) { return s.kind == "bezier" && s.width == 3.0f; });
    ASSERT_EQ(outline.size(), 2u);
    EXPECT_EQ(outline[0].points.front().h, 200);  // from the clicked corner, through the next, back to anchor 0
    EXPECT_EQ(outline[1].points.back().h, 0);
}

TEST_F(MeasureUserTest, RepaintsDuringAClickKeepTheMeasuredPaths) {
    const AIArtHandle a = Line({{0, 0}, {100, 0}});
    const AIArtHandle b = Line({{0, 50}, {100, 50}});
    Click({50, 0});
    Send(kSelectorAIToolMouseDown, {50, 50});
    Draw();
    Draw();
    Send(kSelectorAIToolMouseUp, {50, 50});
    Draw();
    EXPECT_TRUE(Selected(a));
    EXPECT_TRUE(Selected(b));
    Track({50, 100});
    EXPECT_TRUE(Shows(Draw(), "Désélectionne tout."));
}

TEST_F(MeasureUserTest, AClickTakesOutWhatTheMarqueeMeasuredAndAddsWhatTheUserSelected) {
    const AIArtHandle a = Line({{0, 0}, {100, 0}});
    const AIArtHandle b = Line({{0, 50}, {100, 50}});
    const AIArtHandle square = Line({{200, 0}, {250, 0}, {250, 50}, {200, 50}}, true);
    Marquee({-10, 60}, {110, -10});
    ASSERT_TRUE(Selected(a) && Selected(b));
    ASSERT_FALSE(Selected(square));

    // A member the marquee only selected: the click takes it out and the other stays measured.
    Click({50, 0});
    EXPECT_FALSE(Selected(a));
    EXPECT_TRUE(Selected(b));
    Track({50, 0});
    EXPECT_TRUE(Shows(Draw(), "Ajoute le tracé à la sélection."));

    // A path the user selected by hand is no member: the click adds it, and the set is not taken as empty.
    Click({225, 50});  // b stays, the square joins
    Click({50, 0});    // a joins again
    SetAttr(square, kArtFullySelected);
    Click({50, 50});   // b leaves
    EXPECT_TRUE(Selected(a));
    EXPECT_TRUE(Selected(square));
    EXPECT_FALSE(Selected(b));
    Track({50, 50});
    EXPECT_TRUE(Shows(Draw(), "Ajoute le tracé à la sélection."));
}

TEST_F(MeasureUserTest, AManualSelectionIsAddedNotRemoved) {
    const AIArtHandle a = Line({{0, 0}, {100, 0}});
    const AIArtHandle square = Line({{200, 0}, {250, 0}, {250, 50}, {200, 50}}, true);
    SetAttr(a, kArtFullySelected);
    Click({50, 0});
    EXPECT_TRUE(Selected(a));
    Track({225, 0});
    const std::vector<sim::DrawnShape> shapes = Draw();
    EXPECT_TRUE(Shows(shapes, "Ajoute le tracé à la sélection."));
    EXPECT_TRUE(Shows(shapes, "Addition de l'aire à l'aire totale."));
    EXPECT_FALSE(Selected(square));
}

TEST_F(MeasureUserTest, APathTheUserDeletesIsNoLongerCounted) {
    const AIArtHandle a = Line({{0, 0}, {100, 0}});
    Line({{0, 50}, {100, 50}});
    Line({{0, 100}, {100, 100}});
    Click({50, 0});
    ASSERT_EQ(Doc().DisposeArt(Doc().MutableArt(a)), kNoErr);
    Click({50, 50});  // joins
    Click({50, 50});  // leaves: nothing measured any more
    Track({50, 100});
    EXPECT_TRUE(Shows(Draw(), "Sélectionne le tracé."));
}

TEST_F(MeasureUserTest, TheMarqueeLeavesWhatTheUserCannotSelect) {
    const AIArtHandle open = Line({{0, 0}, {100, 0}});
    const AIArtHandle hidden = Line({{0, 10}, {100, 10}});
    SetAttr(hidden, kArtHidden);
    const AIArtHandle group = Doc().NewGroup();
    const AIArtHandle inLockedGroup = Line({{0, 20}, {100, 20}});
    ASSERT_EQ(Doc().MoveInto(inLockedGroup, group), kNoErr);
    SetAttr(group, kArtLocked);
    const AILayerHandle drawing = Doc().CurrentLayer();
    const AILayerHandle locked = Doc().AddLayer("Verrou");
    const AIArtHandle onLockedLayer = Line({{0, 30}, {100, 30}});
    Doc().SetLayerLocked(locked, true);
    const AILayerHandle unseen = Doc().AddLayer("Caché");
    const AIArtHandle onHiddenLayer = Line({{0, 40}, {100, 40}});
    Doc().SetLayerVisible(unseen, false);
    Doc().SetCurrentLayer(drawing);

    Marquee({-10, 50}, {110, -10});
    EXPECT_TRUE(Selected(open));
    for (AIArtHandle art : {hidden, inLockedGroup, onLockedLayer, onHiddenLayer}) EXPECT_FALSE(Selected(art));
    EXPECT_EQ(gToolState.MeasuredCount, 1u);
}

// The marquee selects its paths as a click does, so that the read-out counts what it measures; a guide it
// encloses is never measured, neither then nor after a later click marks the set selected.
TEST_F(MeasureUserTest, TheReadoutCountsWhatTheMarqueeMeasuresAndNoGuide) {
    const AIArtHandle a = Line({{0, 0}, {100, 0}});
    const AIArtHandle b = Line({{0, 50}, {100, 50}, {100, 80}, {0, 80}}, true);
    const AIArtHandle guide = Line({{0, 25}, {100, 25}});
    Doc().MutableArt(guide)->guide = true;
    const AIArtHandle c = Line({{200, 0}, {300, 0}});
    Marquee({-10, 90}, {110, -10});
    EXPECT_EQ(gToolState.MeasuredCount, 2u);
    EXPECT_FALSE(InMeasuredSet(guide));
    SelectionTotals totals = TotalSelectedPaths();
    EXPECT_EQ(totals.PathCount, 2);
    EXPECT_EQ(totals.AreaPoints, 3000.0);

    Click({250, 0});
    EXPECT_TRUE(InMeasuredSet(a) && InMeasuredSet(b) && InMeasuredSet(c));
    EXPECT_FALSE(Selected(guide));
    totals = TotalSelectedPaths();
    EXPECT_EQ(totals.PathCount, 3);
    EXPECT_EQ(totals.LengthPoints, 460.0);
}

TEST_F(MeasureUserTest, TheTextAfterTheMarqueeIsNotDashed) {
    Line({{0, 0}, {100, 0}});
    Send(kSelectorAIToolMouseDown, {-10, 50});
    Send(kSelectorAIToolMouseDrag, {50, 0});  // the marquee ends over the path: its hint is drawn after it
    const std::vector<sim::DrawnShape> shapes = Draw();
    ASSERT_GE(shapes.size(), 2u);
    EXPECT_EQ(shapes.front().kind, "rect");
    EXPECT_TRUE(shapes.front().dashed);
    EXPECT_EQ(Texts(shapes).size(), 1u);
    for (size_t i = 1; i < shapes.size(); ++i) EXPECT_FALSE(shapes[i].dashed) << shapes[i].kind << " " << shapes[i].text;
}

}  // namespace
}  // namespace endtoend
