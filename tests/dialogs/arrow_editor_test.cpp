// The arrow-head editor driven through the stand-in's dialog manager: symmetric edits, round and corner
// points, tips, grid, the keys its OK writes and the live end mark it updates.
#include <cmath>
#include <cstring>
#include <sstream>
#include <utility>
#include <vector>

#include "case_name.h"
#include "dialogs/creation/ArrowEditorDialog.h"
#include "dialogs/creation/PointEditorCanvas.h"
#include "dimension/LinearDimensions.h"
#include "dimension/Skeletons.h"
#include "editor_fixture.h"
#include "frame/ArrowHeads.h"
#include "frame/PreferenceStore.h"
#include "frame/SettingsTable.h"
#include "records/CurrentOptions.h"
#include "records/DialogPositions.h"
#include "records/MeasuredPoints.h"

namespace {

using editortest::EditorTest;

class ArrowEditor : public EditorTest {
  protected:
    void Open(std::function<void(ADMDialogRef)> edit, bool cancel = false) {
        Run(ModalDialog::ArrowEditor, [=](ADMDialogRef dialog) {
            edit(dialog);
            Click(dialog, cancel ? 2 : 1);
        });
    }
    static const ShapePointTables& P() { return gArrowEditor.EditShape.Points; }
    static void SelectPoint(ADMDialogRef dialog, int32_t kind, int32_t point) {
        Click(dialog, kind);
        Enter(dialog, kPointNumberItem, std::to_string(point));
    }
};

TEST_F(ArrowEditor, OpensOnTheFactoryArrowAndOkWritesItsKeysInOrder) {
    Open([](ADMDialogRef dialog) {
        EXPECT_EQ(sim::TheDialogs().Dialog(dialog)->title, "Éditeur de flèches (Vek-Tavorine).");
        EXPECT_EQ(Data(dialog, kPointCountItem).text, "6 points.");
        EXPECT_EQ(Data(dialog, kPointNumberItem).maximum, 5.0f);
        EXPECT_EQ(Data(dialog, 15).tip, "Déplacement indépendant des points.");
        EXPECT_EQ(Data(dialog, 1).tip, "Validation de la nouvelle flèche préférée (Retour).");
        EXPECT_EQ(gDialogOpenFlags.ArrowEditorOpen, 1);
    });
    EXPECT_EQ(sim::TheLogs().modalRuns, std::vector<std::string>{"bidon 17000"});
    EXPECT_EQ(gDialogOpenFlags.ArrowEditorOpen, 0);
    const std::vector<std::string> keys = WrittenKeys();
    ASSERT_EQ(keys.size(), 6u + 60u);
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 8),
              (std::vector<std::string>{"NbPtsFlEdit", "FouOEdit", "CouPEdit", "SymetriEdit", "DebEditSegX",
                                        "DebEditSegY", "PtFlEditX0", "PtFlEditY0"}));
    EXPECT_EQ(keys[26], "PtINOUTEditIX0");
    EXPECT_EQ(keys.back(), "PtINOUTEditOY9");
    EXPECT_EQ(Written("PtFlEditX0"), "6");  // the tip at (0, 0)
}

TEST_F(ArrowEditor, SymmetricEditsMoveTheMirrorPartner) {
    Open([](ADMDialogRef dialog) {
        Click(dialog, kFirstTipItem);  // tip 1: six corner points, symmetric moves
        SelectPoint(dialog, kAnchorKindItem, 1);
        Enter(dialog, kPointYItem, "2");
        EXPECT_FLOAT_EQ(P().AnchorY[1], 2.0f);
        EXPECT_FLOAT_EQ(P().AnchorY[5], -2.0f);
        SelectPoint(dialog, kAnchorKindItem, 3);
        Enter(dialog, kPointYItem, "3");
        EXPECT_FLOAT_EQ(P().AnchorY[3], 0.0f);
        EXPECT_EQ(Data(dialog, kPointYItem).value, 0.0f);
        SelectPoint(dialog, kAnchorKindItem, 2);
        Enter(dialog, kPointXItem, "9");
        EXPECT_FLOAT_EQ(P().AnchorX[4], 9.0f);
        SelectPoint(dialog, kInKindItem, 0);
        Enter(dialog, kPointYItem, "1");
        EXPECT_FLOAT_EQ(P().OutY[0], -1.0f);
        SelectPoint(dialog, kOutKindItem, 2);
        Enter(dialog, kPointXItem, "3");
        EXPECT_FLOAT_EQ(P().InX[4], 3.0f);
        // Independent moves leave the partner alone.
        Click(dialog, 15);
        SelectPoint(dialog, kAnchorKindItem, 1);
        Enter(dialog, kPointYItem, "-4");
        EXPECT_FLOAT_EQ(P().AnchorY[1], -4.0f);
        EXPECT_FLOAT_EQ(P().AnchorY[5], -2.0f);
    }, true);
    EXPECT_TRUE(WrittenKeys().empty());
}

TEST_F(ArrowEditor, RoundAndCornerMirrorInSymmetricMode) {
    Open([](ADMDialogRef dialog) {
        Click(dialog, kFirstTipItem);
        SelectPoint(dialog, kAnchorKindItem, 2);
        EXPECT_EQ(gArrowEditor.PointIsCorner, 1);
        Click(dialog, kCornerItem);
        EXPECT_FLOAT_EQ(P().InX[2], 11.0f);
        EXPECT_FLOAT_EQ(P().OutX[2], 9.0f);
        EXPECT_FLOAT_EQ(P().InX[4], 9.0f);
        EXPECT_FLOAT_EQ(P().OutX[4], 11.0f);
        EXPECT_EQ(Data(dialog, kCornerItem).tip, "Transforme le point sélectionné en point d'angle.");
        SelectPoint(dialog, kAnchorKindItem, 0);
        Click(dialog, kCornerItem);
        EXPECT_FLOAT_EQ(P().InY[0], -1.0f);
        EXPECT_FLOAT_EQ(P().OutY[0], 1.0f);
        // The line start selected: the stepping items are off and the button does nothing.
        Click(dialog, kLineStartKindItem);
        EXPECT_FALSE(Data(dialog, kPointNumberItem).enabled);
        const int32_t flag = gArrowEditor.PointIsCorner;
        Click(dialog, kCornerItem);
        EXPECT_EQ(gArrowEditor.PointIsCorner, flag);
    }, true);
}

TEST_F(ArrowEditor, TheLineStartStaysOnTheAxisAndRightOfTheTip) {
    Open([](ADMDialogRef dialog) {
        Click(dialog, kLineStartKindItem);
        DragCanvas(dialog, {{500, 500}, {5, 200}});
        EXPECT_FLOAT_EQ(gArrowEditor.EditShape.LineStartX, 0.0f);
        EXPECT_FLOAT_EQ(gArrowEditor.EditShape.LineStartY, 0.0f);
        DragCanvas(dialog, {{500, 500}, {211, 60}});
        EXPECT_FLOAT_EQ(gArrowEditor.EditShape.LineStartX, 4.0f);
    }, true);
}

// While the line start is selected, by its button or on the canvas, the Y edit is off and shows 0; an anchor
// selected again turns it back on; OK writes "DebEditSegY" 0 whatever was held before.
TEST_F(ArrowEditor, TheLineStartsYEditIsOffAndShowsZeroAndOkWritesZero) {
    gSettings.PreferredArrowShape.LineStartY = 3.0;
    Open([](ADMDialogRef dialog) {
        Click(dialog, kLineStartKindItem);
        EXPECT_FALSE(Data(dialog, kPointYItem).enabled);
        EXPECT_EQ(Data(dialog, kPointYItem).value, 0.0f);
        EXPECT_NE(sim::TheDialogs().Enter(Item(dialog, kPointYItem), "2"), kNoErr);  // refused: disabled
        EXPECT_FLOAT_EQ(gArrowEditor.EditShape.LineStartY, 0.0f);
        DragCanvas(dialog, {{500, 500}, {211, 60}});  // to (4, 0), away from anchor 3 at (2, 0)
        Click(dialog, kAnchorKindItem);
        EXPECT_TRUE(Data(dialog, kPointYItem).enabled);
        // Picked on the canvas at pixel (210, 130), then dragged up: it stays on the axis.
        DragCanvas(dialog, {{210, 130}, {211, 131}, {251, 100}});
        EXPECT_EQ(gArrowEditor.SelectedPoint, kLineStartSelection);
        EXPECT_FALSE(Data(dialog, kPointYItem).enabled);
        EXPECT_EQ(Data(dialog, kPointYItem).value, 0.0f);
        EXPECT_FLOAT_EQ(gArrowEditor.EditShape.LineStartY, 0.0f);
    });
    EXPECT_EQ(Written("DebEditSegY"), "0");
    EXPECT_EQ(gSettings.PreferredArrowShape.LineStartY, 0.0);
}

// A stored shape that fell back whole to the built-in arrow at launch is what the editor opens on, and its OK
// writes it whole.
TEST_F(ArrowEditor, AShapeThatFellBackIsWrittenWholeByTheNextOk) {
    sim::ThePlugin().Shutdown();
    for (const char* key : {"PtFlEditX1", "PtFlEditY1", "PtINOUTEditIX1"})
        sim::ThePreferences().Put(kTavorinePreferencePrefix, key, sim::PrefValue::Real(2.5));
    sim::ThePreferences().Put(kTavorinePreferencePrefix, "PtINOUTEditOY3", sim::PrefValue::String("x"));
    ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
    sim::ThePreferences().ClearWriteLog();
    Open([](ADMDialogRef) {});
    const ShapePointTables builtIn = DefaultArrowPoints();
    EXPECT_EQ(Written("PtFlEditX1"), "17");   // 11 + 6
    EXPECT_EQ(Written("PtFlEditY1"), "1.5");  // -4.5 + 6
    EXPECT_EQ(Written("PtINOUTEditIX1"), sim::PrefValue::Real(static_cast<double>(builtIn.InX[1]) + 6.0).Text());
    EXPECT_EQ(Written("PtINOUTEditOY3"), sim::PrefValue::Real(static_cast<double>(builtIn.OutY[3]) + 6.0).Text());
}

TEST_F(ArrowEditor, SymmetricDragsMirrorAndSnapToTheGrid) {
    Open([](ADMDialogRef dialog) {
        Click(dialog, kFirstTipItem);
        // Anchor 1 of tip 1 is at (10, -5): canvas pixel (330, 30). The first move picks it.
        DragCanvas(dialog, {{330, 30}, {332, 31}, {311, 51}});
        EXPECT_EQ(gArrowEditor.SelectedPoint, 1);
        EXPECT_FLOAT_EQ(P().AnchorX[1], 9.0f);
        EXPECT_FLOAT_EQ(P().AnchorY[1], -4.0f);
        EXPECT_FLOAT_EQ(P().AnchorY[5], 4.0f);
        EXPECT_TRUE(Data(dialog, kNextPointItem).enabled);
    }, true);
}

TEST_F(ArrowEditor, TipsTheGridAndDefaut) {
    Open([](ADMDialogRef dialog) {
        Click(dialog, kFirstTipItem + 5);
        EXPECT_EQ(Data(dialog, kPointCountItem).text, "12 points.");
        EXPECT_FLOAT_EQ(gArrowEditor.EditShape.LineStartX, 13.0f);
        ASSERT_EQ(sim::TheDialogs().Choose(Item(dialog, kGridPopupItem), 3), kNoErr);
        EXPECT_EQ(Data(dialog, kPointXItem).largeIncrement, 2.5f);
        const sim::Drawing& canvas = Draw(dialog, kCanvasItem);
        int vertical = 0, horizontal = 0;
        for (int x = 30; x <= 430; x += 50) vertical += CountLines(canvas, "Line " + std::to_string(x) + " 30 " + std::to_string(x) + " 230");
        for (int y = 30; y <= 230; y += 50) horizontal += CountLines(canvas, "Line 30 " + std::to_string(y) + " 430 " + std::to_string(y));
        EXPECT_EQ(vertical, 9);
        EXPECT_EQ(horizontal, 5);
        Click(dialog, 3);
        EXPECT_EQ(gArrowEditor.EditShape.PointCount, 6);
        EXPECT_FLOAT_EQ(P().AnchorX[1], 11.0f);
        EXPECT_EQ(gArrowEditor.GridStep, 20);
        EXPECT_EQ(gPointEditorModes.SymmetricMoves, 0);
        EXPECT_EQ(Data(dialog, kPointCountItem).text, "6 points.");
    }, true);
}

TEST_F(ArrowEditor, OkPutsTheArrowIntoTheLiveEndMarkOnlyWhenTheCustomArrowIsInUse) {
    gCurrentOptions.ArrowHeads = 1;
    gCurrentOptions.ArrowPreset = 0;
    ApplyArrowPreset(0);
    const ArrowHeadShape before = gArrowHeadShape;
    Open([](ADMDialogRef dialog) { Click(dialog, kFirstTipItem + 3); });
    EXPECT_EQ(gArrowHeadShape.PointCount, before.PointCount);
    EXPECT_EQ(std::memcmp(gArrowHeadShape.AnchorX, before.AnchorX, sizeof before.AnchorX), 0);
    gCurrentOptions.ArrowPreset = 3;
    Open([](ADMDialogRef dialog) { Click(dialog, kFirstTipItem + 2); });
    EXPECT_EQ(gArrowHeadShape.PointCount, 4);
    EXPECT_FLOAT_EQ(gArrowHeadShape.AnchorX[1], 16.0f);
    EXPECT_FLOAT_EQ(gArrowHeadShape.OutX[0], 10.0f);  // the editor's In handle
    EXPECT_FLOAT_EQ(gArrowHeadShape.InY[0], 1.0f);    // the editor's Out handle
    EXPECT_FLOAT_EQ(gArrowHeadShape.LineStartOffset.h, 11.0f);
    EXPECT_EQ(gSettings.PreferredArrowShape.Symmetric, 1);
}

TEST_F(ArrowEditor, TenPointsOrMoreWriteTwentyIndices) {
    Open([](ADMDialogRef dialog) { Click(dialog, kFirstTipItem + 1); });
    EXPECT_EQ(WrittenKeys().size(), 6u + 120u);
    EXPECT_EQ(Written("PtFlEditX9"), "13.5");
    EXPECT_EQ(WrittenKeys().back(), "PtINOUTEditOY19");
}

TEST_F(ArrowEditor, StoredPointKeysOutOfRangeOpenOnASoundShape) {
    sim::ThePlugin().Shutdown();
    sim::ThePreferences().Put("VekTavorine", "NbPtsFlEdit", sim::PrefValue::Int(40));
    sim::ThePreferences().Put("VekTavorine", "PtFlEditX3", sim::PrefValue::String("loin"));
    sim::ThePreferences().Remove("VekTavorine", "PtFlEditY15");
    ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
    Open([](ADMDialogRef dialog) {
        // A key of the 20 points that cannot be read: the factory arrow whole, its count included.
        EXPECT_EQ(Data(dialog, kPointCountItem).text, "6 points.");
        Draw(dialog, kCanvasItem);
        Draw(dialog, 16);
    }, true);
}

}  // namespace

namespace {

struct TipCase {
    int32_t Button;
    const char* Count;
    float LineStart;
};

class ArrowTipTable : public editortest::EditorTest, public ::testing::WithParamInterface<TipCase> {};

TEST_P(ArrowTipTable, EachTipIsAClosedFilledSymmetricOutline) {
    const TipCase c = GetParam();
    Run(ModalDialog::ArrowEditor, [c](ADMDialogRef dialog) {
        Click(dialog, 15);  // independent moves first: the tip turns symmetry on
        Click(dialog, c.Button);
        EXPECT_EQ(Data(dialog, kPointCountItem).text, c.Count);
        EXPECT_FLOAT_EQ(gArrowEditor.EditShape.LineStartX, c.LineStart);
        EXPECT_EQ(gArrowEditor.EditShape.Closed, 1);
        EXPECT_EQ(gArrowEditor.EditShape.Hollow, 0);
        EXPECT_EQ(gPointEditorModes.SymmetricMoves, 1);
        EXPECT_EQ(Data(dialog, 15).tip, "Déplacement symétrique des points.");
        EXPECT_FLOAT_EQ(gArrowEditor.EditShape.Points.AnchorX[0], 0.0f);
        Click(dialog, 2);
    });
}

INSTANTIATE_TEST_SUITE_P(Tips, ArrowTipTable,
                         ::testing::Values(TipCase{18, "6 points.", 2.0f}, TipCase{19, "10 points.", 2.0f},
                                           TipCase{20, "4 points.", 11.0f}, TipCase{21, "3 points.", 12.0f},
                                           TipCase{22, "6 points.", 2.0f}, TipCase{23, "12 points.", 13.0f}),
                         [](const auto& info) { return CaseName("Button", info.param.Button); });

}  // namespace

namespace {

class CustomEndMark : public ArrowEditor {
  protected:
    static void Send(const char* selector, AIRealPoint p) {
        const AIToolHandle tool = sim::TheTools().Selected();
        sim::ThePlugin().SendTool(kSelectorAITrackToolCursor, tool, p);
        sim::ThePlugin().SendTool(selector, tool, p);
    }
};

TEST_F(CustomEndMark, TheEditorsArrowEndsTheNextSegmentDimension) {
    gCurrentOptions.ArrowHeads = 1;
    gCurrentOptions.ArrowPreset = 3;
    Open([](ADMDialogRef dialog) { Click(dialog, kFirstTipItem + 2); });  // tip 3: four curved points
    sim::TheDocument().DrawPolyline({{0, 0}, {200, 0}}, false);
    ASSERT_EQ(sim::TheTools().Select(gToolState.ToolHandles[kSegmentTool - 1]), kNoErr);
    Send(kSelectorAIToolMouseDown, {100, 0});
    Send(kSelectorAIToolMouseDrag, {100, 40});
    Send(kSelectorAIToolMouseUp, {100, 40});
    const sim::ArtNode* mark = sim::TheDocument().Art(gCurrentDimension.EndMarks[0][0]);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->segments.size(), 4u);
    EXPECT_TRUE(mark->closed);
    EXPECT_EQ(mark->style.fillPaint, 1);
}

}  // namespace

namespace {

// The anchors of the filled copies the preview strip drew, in its pixels: the left copy first, then the one
// mirrored left to right. Each copy of corner points is the polygon anchor, anchor, ... with every anchor but
// the first given twice.
std::vector<std::vector<std::pair<double, double>>> PreviewCopies(const sim::Drawing& preview) {
    std::vector<std::vector<std::pair<double, double>>> copies;
    for (const std::string& line : preview) {
        std::istringstream in(line);
        std::string kind;
        int count = 0;
        in >> kind >> count;
        if (kind != "FillPolygon") continue;
        std::vector<std::pair<double, double>> anchors;
        for (int i = 0; i < count; ++i) {
            double h = 0.0, v = 0.0;
            in >> h >> v;
            if (i % 2 == 0) anchors.emplace_back(h, v);
        }
        copies.push_back(anchors);
    }
    return copies;
}

}  // namespace

// An uneven custom arrow (its long barb drawn upward in the editor) reaches the document as the preview strip
// shows it: its left copy at the dimension's first end, its mirrored copy at the second, each turned to the
// line's direction (the preview's rightward along the line from the first end to the second, its upward to the
// line's left), whatever the slope; marks turned outside are the same copies turned half a turn.
TEST_F(ArrowEditor, AnUnevenCustomArrowIsAtEachEndThePreviewsCopyForThatEnd) {
    gCurrentOptions.ArrowPreset = kCustomArrowPreset;
    gCurrentOptions.ArrowHeads = 1;
    gCurrentOptions.EndMarkSize = 100.0;
    std::vector<std::vector<std::pair<double, double>>> copies;
    Open([&](ADMDialogRef dialog) {
        PointEditorShape& s = gArrowEditor.EditShape;
        s.PointCount = 3;
        s.Closed = 1;
        s.Hollow = 0;
        s.LineStartX = 6.0f;
        const float xs[3] = {0.0f, 8.0f, 6.0f}, ys[3] = {0.0f, -4.0f, 1.0f};
        for (int k = 0; k < 3; ++k) {
            s.Points.AnchorX[k] = s.Points.InX[k] = s.Points.OutX[k] = xs[k];
            s.Points.AnchorY[k] = s.Points.InY[k] = s.Points.OutY[k] = ys[k];
        }
        copies = PreviewCopies(Draw(dialog, 16));  // the preview strip
    });
    ASSERT_EQ(copies.size(), 2u);
    ASSERT_EQ(copies[0].size(), 3u);
    ASSERT_EQ(copies[1].size(), 3u);
    // Each copy in units from its tip, its y turned upward.
    const double tips[2] = {copies[0][0].first, copies[1][0].first}, axis = copies[0][0].second;
    const struct {
        const char* name;
        AIRealPoint a, b, label;
        int32_t outside;
    } cases[] = {
        {"horizontal", {0, 0}, {100, 0}, {50, 30}, 0},
        {"vertical", {0, 0}, {0, 100}, {-30, 50}, 0},
        {"downward", {0, 0}, {0, -100}, {-30, -50}, 0},
        {"oblique", {10, 20}, {90, 80}, {30, 70}, 0},
        {"right to left", {100, 0}, {0, 0}, {50, -30}, 0},
        {"outside", {0, 0}, {100, 0}, {50, 30}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        gCurrentDimension.DimensionGroup = sim::TheDocument().NewGroup();
        ASSERT_EQ(BuildSegmentDimensionArt(), kNoErr);
        gMeasuredPoints.FirstPoint.p = c.a;
        gMeasuredPoints.SecondPoint.p = c.b;
        ASSERT_EQ(DrawParallelDimensionWithTextGap(c.label.h, c.label.v, c.outside, 0, 0, 0, 0), kNoErr);
        const AIRealPoint ends[2] = {gDimensionValues.DimensionLineEnds[0].p, gDimensionValues.DimensionLineEnds[1].p};
        const double length = std::hypot(ends[1].h - ends[0].h, ends[1].v - ends[0].v);
        const double ux = (ends[1].h - ends[0].h) / length, uy = (ends[1].v - ends[0].v) / length;
        const double turn = c.outside != 0 ? -1.0 : 1.0;
        for (size_t end = 0; end < 2; ++end) {
            const sim::ArtNode* mark = sim::TheDocument().Art(gCurrentDimension.EndMarks[end][0]);
            ASSERT_NE(mark, nullptr);
            ASSERT_EQ(mark->segments.size(), 3u);
            for (size_t k = 0; k < 3; ++k) {
                const double along = turn * (copies[end][k].first - tips[end]) / 2.0;
                const double up = turn * (axis - copies[end][k].second) / 2.0;
                const AIRealPoint p = mark->segments[k].p;
                EXPECT_NEAR(p.h, ends[end].h + along * ux - up * uy, 1e-3) << "end " << end << " anchor " << k;
                EXPECT_NEAR(p.v, ends[end].v + along * uy + up * ux, 1e-3) << "end " << end << " anchor " << k;
            }
        }
    }
}

// The current mode's button shows pressed: its picture, then a sunken frame and its inner rectangle inverted;
// the other is raised. The point count and the preview strip under the canvas do not overlap.
TEST_F(ArrowEditor, TheCurrentModeButtonIsInvertedAndTheCountTextStaysClearOfThePreview) {
    Open([](ADMDialogRef dialog) {
        EXPECT_EQ(Draw(dialog, 8), (sim::Drawing{"PictureCentered 1008 1 1 18 18", "SunkenRect 0 0 19 19",
                                                 "InvertRect 1 1 18 18"}));
        EXPECT_EQ(Draw(dialog, 9), (sim::Drawing{"PictureCentered 1009 1 1 18 18", "RaisedRect 0 0 19 19"}));
        Click(dialog, 9);
        EXPECT_EQ(Draw(dialog, 8), (sim::Drawing{"PictureCentered 1008 1 1 18 18", "RaisedRect 0 0 19 19"}));
        EXPECT_EQ(Draw(dialog, 9).back(), "InvertRect 1 1 18 18");
        const ADMRect count = Data(dialog, kPointCountItem).bounds, strip = Data(dialog, 16).bounds,
                      canvas = Data(dialog, kCanvasItem).bounds;
        EXPECT_LE(count.bottom, strip.top);
        EXPECT_GE(count.top, canvas.bottom);
        EXPECT_GE(count.bottom - count.top, 16);  // a line of text
    });
}
