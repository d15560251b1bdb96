// The selection read-out and the figure area as the panel shows them: every unit, the fractional and feet
// forms, square units, the scale, dimension parts left out, polygons, crossed polygons and discs.
#include <cmath>

#include "notify_fixture.h"
#include "panel/PanelProcedures.h"
#include "panel/SelectionReadouts.h"
#include "records/HitState.h"

namespace paneltest {
namespace {

class ReadoutTest : public NotifyTest {
protected:
    void SetUp() override {
        NotifyTest::SetUp();
        gCurrentOptions.Decimals = 0;
        gCurrentOptions.ShowUnit = 1;
        gSettings.ScaleRatio = 1.0;
        gSettings.InchSymbol = 1;  // " po"
        gSettings.FootSymbol = 1;  // " pi "
        gValueFormat.InchFraction = 8;
    }
    static AIArtHandle Selected(std::vector<AIRealPoint> points, bool closed) {
        const AIArtHandle path = Doc().DrawPolyline(points, closed);
        Doc().MutableArt(path)->userAttr |= kArtSelected | kArtFullySelected;
        return path;
    }
    static std::string ItemText(int32_t id) { return Item(id).text; }
};

TEST_F(ReadoutTest, LengthsInEveryUnit) {
    struct Case {
        int32_t unit;
        double points;
        std::string text;
    };
    const Case cases[] = {
        {kUnitMillimetres, 72.0, "25 mm"},        {kUnitCentimetres, 72.0, "3 cm"},
        {kUnitDecimalInches, 144.0, "2 po"},      {kUnitFractionalInches, 180.0, "2 1/2 po"},
        {kUnitFractionalInches, 215.28, "3  po"}, {kUnitFeetAndInches, 2196.0, "2 pi 6 1/2 po"},
        {kUnitPoints, 72.0, "72 pt"},             {kUnitPicas, 72.0, "6 pc"},
        {kUnitMetres, 72000.0, "25 m"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        gCurrentOptions.Unit = c.unit;
        gValueFormat.InchFraction = c.unit == kUnitFeetAndInches ? 2 : 8;
        EXPECT_EQ(SelectionLengthText(c.points), c.text);
    }
    // No number in the live unit: the stored unit writes it.
    gSettings.Unit = kUnitMillimetres;
    gCurrentOptions.Unit = kUnitNoValue;
    EXPECT_EQ(SelectionLengthText(72.0), "25 mm");
    gCurrentOptions.Unit = kUnitFreeText;
    gSettings.Unit = kUnitFreeText;
    EXPECT_EQ(SelectionLengthText(72.0), "72 pt");
}

TEST_F(ReadoutTest, TwoOpenPathsOfTenMillimetresGiveTheFourLines) {
    gCurrentOptions.Unit = kUnitMillimetres;
    const float ten = static_cast<float>(10.0 * 72.0 / 25.4);
    Selected({{0, 0}, {ten, 0}}, false);
    Selected({{0, 50}, {0, 50 + ten}}, false);
    Doc().DrawPolyline({{0, 100}, {300, 100}}, false);  // not selected
    ShowSelectionMeasures();
    EXPECT_EQ(ItemText(kSelectionLengthItem), "L (sélection)=20 mm");
    EXPECT_EQ(ItemText(90), "A (sélection)=0 mm2");
    EXPECT_EQ(ItemText(91), "Nombre de points=4.");
    EXPECT_EQ(ItemText(92), "Nombre de tracés=2.");
}

TEST_F(ReadoutTest, AreasComeInSquareUnitsDividedByTheSquaredScaleExceptPoints) {
    Selected({{0, 0}, {72, 0}, {72, 72}, {0, 72}}, true);
    gCurrentOptions.Unit = kUnitDecimalInches;
    ShowSelectionMeasures();
    EXPECT_EQ(ItemText(90), "A (sélection)=1 po2");
    EXPECT_EQ(ItemText(kSelectionLengthItem), "L (sélection)=4 po");
    gSettings.ScaleRatio = 0.5;
    ShowSelectionMeasures();
    EXPECT_EQ(ItemText(90), "A (sélection)=4 po2");
    gCurrentOptions.Unit = kUnitPoints;
    ShowSelectionMeasures();
    EXPECT_EQ(ItemText(90), "A (sélection)=5184 pt2");
}

// A member tagged "spa" takes its area away from the total: a plate of 20000 square points with a hole of 1600.
TEST_F(ReadoutTest, ASubtractedPathTakesItsAreaAway) {
    gCurrentOptions.Unit = kUnitPoints;
    const AIArtHandle plate = Selected({{0, 0}, {200, 0}, {200, 100}, {0, 100}}, true);
    const AIArtHandle hole = Selected({{80, 30}, {120, 30}, {120, 70}, {80, 70}}, true);
    sim::TagValue subtracted;
    subtracted.text = "jj";
    Doc().MutableArt(hole)->tags["spa"] = subtracted;
    ShowSelectionMeasures();
    EXPECT_EQ(ItemText(90), "A (sélection)=18400 pt2");
    EXPECT_EQ(ItemText(92), "Nombre de tracés=2.");
    // The hole alone: more taken away than added.
    Doc().MutableArt(plate)->userAttr &= ~(kArtSelected | kArtFullySelected);
    ShowSelectionMeasures();
    EXPECT_EQ(ItemText(90), "A (sélection)=-1600 pt2");
}

// A second anchor on another path is refused with an alert, yet its click took that path into the set: the
// read-out shows the set at once, since the refused press's release refreshes nothing.
TEST_F(ReadoutTest, ARefusedSecondAnchorStillShowsTheSetItsClickChanged) {
    gCurrentOptions.Unit = kUnitPoints;
    Doc().DrawPolyline({{0, 0}, {100, 0}}, false);
    Doc().DrawPolyline({{0, 50}, {100, 50}}, false);
    UseTool(kMeasureTool);
    Click({0, 0});
    EXPECT_EQ(ItemText(92), "Nombre de tracés=1.");
    Click({0, 50});
    ASSERT_EQ(sim::TheLogs().alerts.size(), 1u);
    EXPECT_EQ(ItemText(92), "Nombre de tracés=2.");
}

TEST_F(ReadoutTest, ASelectedDimensionIsDeselectedAndLeftOut) {
    gCurrentOptions.Unit = kUnitPoints;
    Doc().DrawPolyline({{0, 0}, {200, 0}}, false);
    UseTool(kSegmentTool);
    ClickDrag({100, 0}, {100, 40});
    const AIArtHandle line = gCurrentDimension.DimensionLines[0];
    ASSERT_NE(Doc().Art(line)->userAttr & kArtFullySelected, 0);
    ShowSelectionMeasures();
    EXPECT_EQ(Doc().Art(line)->userAttr & kArtFullySelected, 0);
    EXPECT_EQ(ItemText(92), "Nombre de tracés=0.");
    EXPECT_EQ(ItemText(kSelectionLengthItem), "L (sélection)=0 pt");
}

TEST_F(ReadoutTest, TheFigureAreaOfAPolygonACrossedOneADiscAndNotAnArc) {
    gCurrentOptions.Unit = kUnitPoints;
    gToolState.CurrentTool = kSegmentTool;
    gHitState.HitArt = Doc().DrawPolyline({{0, 0}, {100, 0}, {0, 50}}, true);
    ShowFigureArea();
    EXPECT_EQ(ItemText(kAreaTextItem), "Aire du polygone=2500 pt2");
    gHitState.HitArt = Doc().DrawPolyline({{0, 0}, {100, 100}, {100, 0}, {0, 100}}, true);
    ShowFigureArea();
    EXPECT_EQ(ItemText(kAreaTextItem), "Aire du polygone=Polygone croisé");
    gHitState.HitArt = Doc().DrawPolyline({{0, 0}, {100, 0}}, false);
    ShowFigureArea();
    EXPECT_EQ(ItemText(kAreaTextItem), "Aire du polygone=Polygone croisé") << "an open path leaves the text";

    gToolState.CurrentTool = kCircleTool;
    gMeasuredPoints.CircleRadius = 36.0f;
    gHitState.MeasuredArt = Doc().DrawPolyline({{0, 0}, {10, 0}, {10, 10}}, true);
    ShowFigureArea();
    EXPECT_EQ(ItemText(kAreaTextItem), "Aire du disque=4072 pt2");
    gHitState.MeasuredArt = Doc().DrawPolyline({{0, 0}, {10, 0}}, false);
    gMeasuredPoints.CircleRadius = 1.0f;
    ShowFigureArea();
    EXPECT_EQ(ItemText(kAreaTextItem), "Aire du disque=4072 pt2");
}

// A value too long for its line keeps its unit: fewer decimals, then fewer significant digits with the power of
// ten, never a cut unit (an area that reads as a length), and never past the line's limit.
TEST_F(ReadoutTest, ALongValueKeepsItsUnitWithFewerDigitsWithinTheLinesLimit) {
    const struct {
        int32_t Unit, Decimals;
        double Ratio, LengthPoints, AreaPoints;
        const char* Length;
        const char* Area;
    } rows[] = {
        {kUnitPoints, 6, 1.0, 1e30, 1e30, "L (sélection)=1,000000000000000e+30 pt",
         "A (sélection)=1,00000001504747e+30 pt2"},
        // A 100-mm square at 1:100 000 000, then in metres at 1:100 000 000 with 6 decimals.
        {kUnitMillimetres, 0, 1e-8, 4 * 283.46457, 283.46457 * 283.46457, "L (sélection)=40000000433 mm",
         "A (sélection)=1,00000004179326e+20 mm2"},
        {kUnitMetres, 6, 1e-8, 4 * 283.46457, 283.46457 * 283.46457, "L (sélection)=40000000,433333 m",
         "A (sélection)=100000004179325,79688 m2"},
    };
    for (const auto& row : rows) {
        gCurrentOptions.Unit = row.Unit;
        gCurrentOptions.Decimals = row.Decimals;
        gSettings.ScaleRatio = row.Ratio;
        SelectionTotals totals;
        totals.LengthPoints = row.LengthPoints;
        totals.AreaPoints = row.AreaPoints;
        const SelectionReadout readout = SelectionReadoutLines(totals);
        EXPECT_EQ(readout.Length.CStr(), std::string(row.Length));
        EXPECT_EQ(readout.Area.CStr(), std::string(row.Area));
        EXPECT_LE(readout.Area.Length, 39u);
    }
}

}  // namespace
}  // namespace paneltest
