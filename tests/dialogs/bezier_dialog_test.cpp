// The Bézier creation dialog driven through the stand-in's dialog manager: opening, canvas, items, presets,
// grid, OK, Annuler and Défaut, from the Bézier tool's unmoved click on empty canvas.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>
#include <utility>

#include "case_name.h"
#include "dialogs/creation/BezierCreationDialog.h"
#include "dialogs/creation/BezierPresets.h"
#include "dialogs/creation/PointEditorItems.h"
#include "editor_fixture.h"
#include "host/ArtSuite.h"
#include "records/DialogPositions.h"

namespace {

using editortest::EditorTest;

constexpr AIRealPoint kClick{300.0f, 400.0f};

class BezierDialog : public EditorTest {
  protected:
    // Clicks OK (or, with cancel, Annuler) after `edit` has acted on the dialog.
    void Open(std::function<void(ADMDialogRef)> edit, bool cancel = false) {
        BezierClickAt(kClick, [=](ADMDialogRef dialog) {
            edit(dialog);
            Click(dialog, cancel ? 2 : 1);
        });
    }
    static const PointEditorShape& Working() { return gBezierEditor.EditShape; }
};

TEST_F(BezierDialog, OpensOnTheStoredDiamondAndOkLaysItAtTheClick) {
    Open([](ADMDialogRef dialog) {
        char title[80] = {};
        sim::TheDialogs().Dialog(dialog)->title.copy(title, sizeof title - 1);
        EXPECT_STREQ(title, "Création d'une courbe de Bézier (Vek-Tavorine).");
        EXPECT_EQ(Data(dialog, kPointCountItem).text, "4 points.");
        EXPECT_EQ(Data(dialog, kReplicaCountItem).value, 1.0f);
        for (int32_t id : {283, 284, 285, 286, 287, 288, 291, 292}) EXPECT_FALSE(Data(dialog, id).enabled) << id;
        EXPECT_EQ(Data(dialog, kCornerItem).tip, "Transforme le point sélectionné en point arrondi.");
        EXPECT_EQ(Data(dialog, kPointXItem).value, -100.0f);
        EXPECT_EQ(gDialogOpenFlags.BezierDialogOpen, 1);
    });
    EXPECT_EQ(gDialogOpenFlags.BezierDialogOpen, 0);
    EXPECT_EQ(sim::TheLogs().modalRuns, std::vector<std::string>{"ModlBidon 17700"});
    const auto paths = GroupPaths();
    ASSERT_EQ(paths.size(), 1u);
    ASSERT_EQ(paths[0]->segments.size(), 4u);
    EXPECT_TRUE(paths[0]->closed);
    EXPECT_FLOAT_EQ(paths[0]->segments[0].p.h, kClick.h - 100.0f);
    EXPECT_FLOAT_EQ(paths[0]->segments[1].p.v, kClick.v - 60.0f);  // editor y grows downward
    EXPECT_EQ(paths[0]->style.fillPaint, 1);                       // filled: the end-mark style
    // The scalars, then ten indices of anchors, In and Out handles; none past 9 for 4 points.
    const std::vector<std::string> keys = WrittenKeys();
    ASSERT_EQ(keys.size(), 8u + 60u);
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 11),
              (std::vector<std::string>{"NbPtsBez", "FouOBez", "CouPBez", "RepBez", "RotRepBez", "DecalHBez",
                                        "DecalVBez", "GrosReducBez", "PtBezierX0", "PtBezierY0", "PtBezierX1"}));
    EXPECT_EQ(keys[28], "PtINOUTBeziIX0");
    EXPECT_EQ(keys[48], "PtINOUTBeziOX0");
    EXPECT_EQ(keys.back(), "PtINOUTBeziOY9");
    EXPECT_EQ(Written("PtBezierX1"), "280");
    EXPECT_EQ(Written("PtBezierY1"), "240");
}

TEST_F(BezierDialog, AnnulerWritesNothingAndRemovesTheGroupOfTheClick) {
    Open([](ADMDialogRef dialog) {
        // A part handle left from the group's making must not outlive the group.
        gCurrentDimension.DimensionLines[0] = gCurrentDimension.DimensionGroup;
        Click(dialog, kFirstPresetItem + 2);
    }, true);
    EXPECT_TRUE(WrittenKeys().empty());
    EXPECT_EQ(gCurrentDimension.DimensionGroup, nullptr);
    EXPECT_EQ(gCurrentDimension.DimensionLines[0], nullptr);
    EXPECT_EQ(gSettings.BezierShape.PointCount, 4);
    EXPECT_EQ(gDialogOpenFlags.BezierDialogOpen, 0);
}

TEST_F(BezierDialog, PresetOneStoresTenOpenHorizontalLinesFiveMillimetresApart) {
    Open([](ADMDialogRef dialog) { Click(dialog, kFirstPresetItem); });
    EXPECT_EQ(Written("NbPtsBez"), "2");
    EXPECT_EQ(Written("FouOBez"), "false");
    EXPECT_EQ(Written("CouPBez"), "true");
    EXPECT_EQ(Written("RepBez"), "10");
    EXPECT_EQ(Written("DecalVBez"), "14.173228346456694");
    const auto paths = GroupPaths();
    ASSERT_EQ(paths.size(), 10u);
    std::vector<float> heights;
    for (const sim::ArtNode* path : paths) {
        ASSERT_EQ(path->segments.size(), 2u);
        EXPECT_FALSE(path->closed);
        EXPECT_NEAR(path->segments[1].p.h - path->segments[0].p.h, 560.0f, 1e-3);
        EXPECT_FLOAT_EQ(path->segments[0].p.v, path->segments[1].p.v);
        heights.push_back(path->segments[0].p.v);
    }
    std::sort(heights.begin(), heights.end());
    for (size_t i = 1; i < heights.size(); ++i) EXPECT_NEAR(heights[i] - heights[i - 1], 14.1732283f, 1e-3);
}

TEST_F(BezierDialog, PresetsShowTheirValuesAndTheReplicaItemsFollowTheCount) {
    Open([](ADMDialogRef dialog) {
        Click(dialog, kFirstPresetItem + 3);
        EXPECT_NEAR(Data(dialog, 283).value, 72.0f, 1e-4);
        EXPECT_EQ(Data(dialog, kPointCountItem).text, "4 points.");
        EXPECT_EQ(Data(dialog, kPointNumberItem).maximum, 3.0f);
        EXPECT_TRUE(Data(dialog, 283).enabled);
        Click(dialog, kFirstPresetItem + 2);
        Enter(dialog, kReplicaCountItem, "1");
        for (int32_t id : {283, 284, 285, 286, 287, 288, 291, 292}) EXPECT_FALSE(Data(dialog, id).enabled) << id;
        Enter(dialog, kReplicaCountItem, "2");
        EXPECT_TRUE(Data(dialog, 292).enabled);
        // Preset 5 has a smooth point 0.
        Click(dialog, kFirstPresetItem + 4);
        EXPECT_EQ(Working().PointCount, 6);
        EXPECT_FLOAT_EQ(Working().Points.InY[0], -40.0f);
    }, true);
}

TEST_F(BezierDialog, TheGridPopupStepsHidesAndSnaps) {
    Open([](ADMDialogRef dialog) {
        ADMItemRef popup = Item(dialog, kGridPopupItem);
        sim::ListData* list = sim::TheDialogs().ListByHandle(Data(dialog, kGridPopupItem).list);
        ASSERT_EQ(list->entries.size(), 8u);
        EXPECT_EQ(sim::TheDialogs().EntryByHandle(list->entries[0])->text, "Pas de la grille =\t4 pts");
        EXPECT_TRUE(sim::TheDialogs().EntryByHandle(list->entries[5])->separator);
        EXPECT_TRUE(sim::TheDialogs().EntryByHandle(list->entries[7])->checked);
        ASSERT_EQ(sim::TheDialogs().Choose(popup, 3), kNoErr);
        EXPECT_EQ(gBezierEditor.GridStep, 50);
        EXPECT_EQ(Data(dialog, kPointXItem).largeIncrement, 50.0f);
        ASSERT_EQ(sim::TheDialogs().Choose(popup, 6), kNoErr);
        EXPECT_EQ(gBezierEditor.GridShown, 0);
        EXPECT_EQ(sim::TheDialogs().EntryByHandle(list->entries[6])->text, "Afficher la grille");
        EXPECT_TRUE(sim::TheDialogs().EntryByHandle(list->entries[3])->selected);
        // With the grid hidden the axes are still drawn, in the shadow colour.
        const sim::Drawing& canvas = Draw(dialog, kCanvasItem);
        EXPECT_EQ(CountLines(canvas, "Line 10 191 570 191"), 1);
        EXPECT_EQ(CountLines(canvas, "Line 10 10 10 370"), 0);
        ASSERT_EQ(sim::TheDialogs().Choose(popup, 6), kNoErr);
        EXPECT_EQ(sim::TheDialogs().EntryByHandle(list->entries[6])->text, "Masquer la grille");
        ASSERT_EQ(sim::TheDialogs().Choose(popup, 7), kNoErr);
        EXPECT_EQ(gBezierEditor.GridSnap, 0);
        EXPECT_FALSE(sim::TheDialogs().EntryByHandle(list->entries[7])->checked);
    }, true);
}

TEST_F(BezierDialog, CanvasDragsSnapToTheGridUnlessShiftAndStayInsideTheCanvas) {
    Open([](ADMDialogRef dialog) {
        Enter(dialog, kPointNumberItem, "2");
        DragCanvas(dialog, {{190, 190}, {191, 192}, {203, 207}});
        EXPECT_EQ(gBezierEditor.SelectedPoint, 0);  // the anchor before its handles, which lie on it
        EXPECT_FLOAT_EQ(Working().Points.AnchorX[0], -80.0f);
        EXPECT_FLOAT_EQ(Working().Points.AnchorY[0], 20.0f);
        EXPECT_FLOAT_EQ(Working().Points.InX[0], -80.0f);
        EXPECT_EQ(Data(dialog, kPointXItem).value, -80.0f);
        DragCanvas(dialog, {{210, 210}, {203, 207}}, kADMShiftKeyModifier);
        EXPECT_FLOAT_EQ(Working().Points.AnchorX[0], -87.0f);
        // A drag on empty canvas moves the point selected before; out of the canvas it stops at its edge.
        DragCanvas(dialog, {{500, 300}, {2000, -500}});
        EXPECT_FLOAT_EQ(Working().Points.AnchorX[0], 280.0f);
        EXPECT_FLOAT_EQ(Working().Points.AnchorY[0], -180.0f);
    }, true);
}

TEST_F(BezierDialog, AddDeleteModeDeletesDownToTwoAndInsertsUpToTwenty) {
    Open([](ADMDialogRef dialog) {
        Click(dialog, kAddDeleteModeItem);
        EXPECT_EQ(gPointEditorModes.PointEditMode, 1);
        EXPECT_EQ(Data(dialog, kCanvasItem).mask, 0x20004);
        TrackCanvas(dialog, kADMMouseMovedUpAction, {291, 251});
        EXPECT_EQ(sim::TheLogs().cursors.back(), 1114);
        TrackCanvas(dialog, kADMButtonDownAction, {290, 250});
        TrackCanvas(dialog, kADMButtonUpAction, {290, 250});
        EXPECT_EQ(Working().PointCount, 3);
        EXPECT_EQ(Data(dialog, kPointCountItem).text, "3 points.");
        EXPECT_EQ(Data(dialog, kPointNumberItem).maximum, 2.0f);
        TrackCanvas(dialog, kADMButtonDownAction, {290, 130});
        TrackCanvas(dialog, kADMButtonUpAction, {290, 130});
        const PointEditorShape two = Working();
        ASSERT_EQ(two.PointCount, 2);
        TrackCanvas(dialog, kADMButtonDownAction, {190, 190});
        TrackCanvas(dialog, kADMButtonUpAction, {190, 190});
        EXPECT_EQ(Alerts(), std::vector<std::string>{"Suppression impossible."});
        EXPECT_EQ(Working().PointCount, 2);
        EXPECT_EQ(gBezierEditor.SelectedPoint, 0);  // the refused anchor stays selected
        // Insert on the straight line from (-100, 0) to (100, 0) until the shape is full.
        TrackCanvas(dialog, kADMMouseMovedUpAction, {250, 191});
        EXPECT_EQ(sim::TheLogs().cursors.back(), 1113);
        for (int i = 0; i < 18; ++i) {
            TrackCanvas(dialog, kADMButtonDownAction, {200 + 9 * i, 191});
            TrackCanvas(dialog, kADMButtonUpAction, {200 + 9 * i, 191});
        }
        EXPECT_EQ(Working().PointCount, 20);
        const PointEditorShape full = Working();
        TrackCanvas(dialog, kADMButtonDownAction, {365, 191});
        EXPECT_EQ(Alerts().back(), "Le maximum est atteint, ajouter un point est impossible.");
        EXPECT_EQ(std::memcmp(&full.Points, &Working().Points, sizeof full.Points), 0);
        EXPECT_EQ(gBezierEditor.SelectedPoint, kNoSelection);
        // A click far from everything does nothing.
        TrackCanvas(dialog, kADMButtonDownAction, {20, 370});
        EXPECT_EQ(Working().PointCount, 20);
    }, true);
}

TEST_F(BezierDialog, PointItemsStepTypeAndEditTheSelection) {
    Open([](ADMDialogRef dialog) {
        Enter(dialog, kPointNumberItem, "3");
        Click(dialog, kNextPointItem);
        EXPECT_EQ(gBezierEditor.SelectedPoint, 0);
        Click(dialog, kInKindItem);
        EXPECT_EQ(gBezierEditor.SelectedPoint, 200);
        Click(dialog, kPreviousPointItem);
        EXPECT_EQ(gBezierEditor.SelectedPoint, 203);
        Click(dialog, kOutKindItem);
        Enter(dialog, kPointNumberItem, "3");
        EXPECT_EQ(gBezierEditor.SelectedPoint, 403);
        // Editing the x of corner point 0 keeps it a corner.
        Click(dialog, kAnchorKindItem);
        Enter(dialog, kPointNumberItem, "0");
        Enter(dialog, kPointXItem, "10");
        Enter(dialog, kPointYItem, "5");
        EXPECT_FLOAT_EQ(Working().Points.OutX[0], 10.0f);
        EXPECT_EQ(Data(dialog, kCornerItem).tip, "Transforme le point sélectionné en point arrondi.");
        Click(dialog, kCornerItem);
        EXPECT_FLOAT_EQ(Working().Points.InX[0], -10.0f);
        EXPECT_FLOAT_EQ(Working().Points.OutX[0], 30.0f);
        EXPECT_FLOAT_EQ(Working().Points.InY[0], 5.0f);
        EXPECT_EQ(Data(dialog, kCornerItem).tip, "Transforme le point sélectionné en point d'angle.");
    }, true);
}

TEST_F(BezierDialog, TheReplicaCountDragStaysWithinOneToTwentyFour) {
    Open([](ADMDialogRef dialog) {
        Enter(dialog, kReplicaCountItem, "24");
        ADMItemRef drag = Item(dialog, kReplicaCountDragItem);
        ASSERT_EQ(sim::TheDialogs().Drag(drag, {{10, 5}, {20, 5}, {30, 5}}), kNoErr);
        EXPECT_EQ(gBezierEditReplicas.Count, 24);
        EXPECT_EQ(Data(dialog, kReplicaCountItem).value, 24.0f);
        ASSERT_EQ(sim::TheDialogs().Click(drag, kADMControlKeyModifier), kNoErr);
        EXPECT_EQ(gBezierEditReplicas.Count, 1);
        EXPECT_FALSE(Data(dialog, 283).enabled);
        EXPECT_TRUE(Data(dialog, kReplicaCountItem).active);
    }, true);
}

TEST_F(BezierDialog, TwentyFourRepliasOfTwentyCurvedPointsPreviewWithinTheBuffer) {
    Open([](ADMDialogRef dialog) {
        PointEditorShape& s = gBezierEditor.EditShape;
        s.PointCount = 20;
        for (int i = 0; i < 20; ++i) {
            s.Points.InX[i] = s.Points.AnchorX[i] + 5.0f;
            s.Points.OutY[i] = s.Points.AnchorY[i] - 5.0f;
        }
        Enter(dialog, kReplicaCountItem, "24");
        Enter(dialog, 291, "0.5");
        const sim::Drawing& preview = Draw(dialog, kBezierPreviewItem);
        EXPECT_EQ(CountLines(preview, "FillPolygon 340 "), 24);
    }, true);
}

TEST_F(BezierDialog, DefautBringsBackTheStoredCurveAndKeepsTheDialogOpen) {
    Open([](ADMDialogRef dialog) {
        Click(dialog, kFirstPresetItem + 5);
        ASSERT_EQ(sim::TheDialogs().Choose(Item(dialog, kGridPopupItem), 4), kNoErr);
        Click(dialog, 3);
        EXPECT_EQ(sim::TheDialogs().TopModal(), dialog);
        EXPECT_EQ(Working().PointCount, 4);
        EXPECT_FLOAT_EQ(Working().Points.AnchorX[0], -100.0f);
        EXPECT_EQ(gBezierEditReplicas.Count, 1);
        EXPECT_EQ(gBezierEditor.GridStep, 20);
        EXPECT_EQ(gBezierEditor.SelectedPoint, 0);
        EXPECT_EQ(Data(dialog, kPointCountItem).text, "4 points.");
        EXPECT_EQ(Data(dialog, kReplicaCountItem).value, 1.0f);
    }, true);
}

}  // namespace

namespace {

TEST_F(BezierDialog, ThePointKeysOfOkReadBackAtTheNextLaunch) {
    Open([](ADMDialogRef dialog) { Click(dialog, kFirstPresetItem + 4); });
    // A new launch: a fresh host that keeps only the preference store.
    sim::ThePlugin().Shutdown();
    const auto stored = sim::ThePreferences().Values();
    sim::ResetHost();
    ResetRecords();
    ResetPointEditors();
    for (const auto& [key, value] : stored) sim::ThePreferences().Put(key.first, key.second, value);
    sim::ThePlugin().Load(PluginMain, PluginResources);
    ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
    Open([](ADMDialogRef dialog) {
        EXPECT_EQ(Data(dialog, kPointCountItem).text, "6 points.");
        EXPECT_EQ(Data(dialog, kReplicaCountItem).value, 8.0f);
        EXPECT_NEAR(Data(dialog, 283).value, 45.0f, 1e-4);
    }, true);
    const PresetPoint* expected = kBezierPresets[4].Points;
    const ShapePointTables& p = gBezierEditor.EditShape.Points;
    for (int i = 0; i < 6; ++i) {
        EXPECT_FLOAT_EQ(p.AnchorX[i], expected[i].AnchorX) << i;
        EXPECT_FLOAT_EQ(p.InY[i], expected[i].InY) << i;
        EXPECT_FLOAT_EQ(p.OutX[i], expected[i].OutX) << i;
    }
}

struct PresetCase {
    int32_t Button;
    int8_t Points;
    int32_t Closed, Hollow, Replicas;
    float Degrees, StepH, StepV;
    // Where replica 1's anchor 0 lies from replica 0's in the document (y up): the stored rotation turns
    // counter-clockwise and the vertical step moves up.
    double FirstStepH, FirstStepV;
};

// The first point each replica of the preview drew (its anchor 0, in preview pixels, y downward): the first
// point of each filled polygon, or of each line of a hollow shape.
std::vector<std::pair<double, double>> PreviewAnchorsZero(const sim::Drawing& preview) {
    std::vector<std::pair<double, double>> anchors;
    for (const std::string& line : preview) {
        std::istringstream in(line);
        std::string kind;
        in >> kind;
        double h = 0.0, v = 0.0;
        if (kind == "FillPolygon") {
            int count = 0;
            in >> count >> h >> v;
        } else if (kind == "Line") {
            in >> h >> v;
        } else {
            continue;
        }
        anchors.emplace_back(h, v);
    }
    return anchors;
}

class BezierPresetTable : public BezierDialog, public ::testing::WithParamInterface<PresetCase> {};

TEST_P(BezierPresetTable, EachPresetReplacesTheCurveAndItsReplicas) {
    const PresetCase c = GetParam();
    Open([c](ADMDialogRef dialog) {
        Click(dialog, c.Button);
        EXPECT_EQ(Working().PointCount, c.Points);
        EXPECT_EQ(Working().Closed, c.Closed);
        EXPECT_EQ(Working().Hollow, c.Hollow);
        EXPECT_EQ(gBezierEditReplicas.Count, c.Replicas);
        EXPECT_NEAR(Data(dialog, 283).value, c.Degrees, 1e-3);
        EXPECT_NEAR(Data(dialog, 285).value, c.StepH, 1e-4);
        EXPECT_NEAR(Data(dialog, 287).value, c.StepV, 1e-4);
        EXPECT_EQ(gBezierEditor.SelectedPoint, 0);
        EXPECT_TRUE(Data(dialog, 291).enabled);
    }, true);
}

// The document lays each replica where the stored steps say, and the preview shows the same figure at a sixth
// of its size, offsets included: seen with y upward and scaled up six times, each replica of the preview lies
// where the document's lies from replica 0 (within the preview's whole pixels).
TEST_P(BezierPresetTable, EachPresetsReplicasLieInTheDocumentAndThePreviewAsTheKeysSay) {
    const PresetCase c = GetParam();
    std::vector<std::pair<double, double>> shown;
    Open([&](ADMDialogRef dialog) {
        Click(dialog, c.Button);
        shown = PreviewAnchorsZero(Draw(dialog, kBezierPreviewItem));
    });
    std::vector<const sim::ArtNode*> paths = GroupPaths();
    std::reverse(paths.begin(), paths.end());  // replica 0 first
    ASSERT_EQ(paths.size(), static_cast<size_t>(c.Replicas));
    ASSERT_EQ(shown.size(), paths.size());
    const AIRealPoint first = paths[0]->segments[0].p;
    EXPECT_NEAR(paths[1]->segments[0].p.h - first.h, c.FirstStepH, 1e-2);
    EXPECT_NEAR(paths[1]->segments[0].p.v - first.v, c.FirstStepV, 1e-2);
    constexpr double kPreviewReduction = 6.0, kPixel = 1.0;
    for (size_t r = 1; r < paths.size(); ++r) {
        const double ph = shown[r].first - shown[0].first, pv = shown[0].second - shown[r].second;
        const double dh = paths[r]->segments[0].p.h - first.h, dv = paths[r]->segments[0].p.v - first.v;
        EXPECT_NEAR(ph * kPreviewReduction, dh, kPixel * kPreviewReduction) << "replica " << r;
        EXPECT_NEAR(pv * kPreviewReduction, dv, kPixel * kPreviewReduction) << "replica " << r;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Presets, BezierPresetTable,
    ::testing::Values(PresetCase{294, 2, 0, 1, 10, 0.0f, 0.0f, 14.173228f, 0.0, 14.173228},  // lines stepping up
                      PresetCase{295, 2, 0, 1, 10, 0.0f, 14.173228f, 0.0f, 14.173228, 0.0},
                      // Anchor 0 at (-240, 0) turned 60 degrees counter-clockwise: (-120, -207.846).
                      PresetCase{296, 3, 1, 0, 6, 60.0f, 0.0f, 0.0f, 120.0, -207.846097},
                      // (-160, 60) turned 72 degrees: (-106.506, -133.628).
                      PresetCase{297, 4, 1, 0, 5, 72.0f, 0.0f, 0.0f, 53.494, -193.628},
                      // (-260, 0) turned 45 degrees: (-183.848, -183.848).
                      PresetCase{298, 6, 1, 0, 8, 45.0f, 0.0f, 0.0f, 76.152, -183.848},
                      PresetCase{299, 4, 1, 0, 3, 0.0f, 31.181102f, 0.0f, 31.181102, 0.0}),
    [](const auto& info) { return CaseName("Button", info.param.Button); });

}  // namespace
