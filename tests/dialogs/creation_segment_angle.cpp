// The segment and angle creation dialogs: what they show, "Défaut", "Annuler", OK and the previews.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>
#include <utility>
#include <vector>

#include "creation_fixture.h"

namespace creationtest {
namespace {

constexpr int32_t kOk = 1, kCancel = 2, kDefault = 3;
constexpr int32_t kSegmentWidth = 523, kSegmentOrientation = 526, kSegmentPreview = 528;
constexpr int32_t kSegmentCentred = 529, kSegmentDimension = 530;
constexpr int32_t kAngleWidth = 423, kAngleOrientation = 425, kAnglePreview = 427;
constexpr int32_t kAngleDimension = 428, kAngleCentred = 429;

using SegmentDialog = CreationDialogTest;

TEST_F(SegmentDialog, AnUnmovedEmptyClickOpensItAndOkWritesItsFourKeysInOrderWithoutAFigure) {
    WhenOpen([](ADMDialogRef d) {
        EXPECT_EQ(Dialogs().Dialog(d)->title, "Création d'un segment (Vek-Tavorine).");
        EXPECT_FLOAT_EQ(Data(d, kSegmentWidth).value, 2.5f);
        EXPECT_FLOAT_EQ(Data(d, kSegmentOrientation).value, 45.0f);
        EXPECT_EQ(Data(d, kSegmentWidth).tip, "Épaisseur du segment qui sera créé.");
        EXPECT_EQ(Data(d, kSegmentCentred).text, "Centré.");
        EXPECT_EQ(gDialogOpenFlags.SegmentDialogOpen, 1);
        Enter(d, kSegmentOrientation, "30");
        Enter(d, kSegmentWidth, "4");
        Click(d, kSegmentCentred);
        Click(d, kOk);
    });
    EmptyClick(kSegmentTool);
    EXPECT_EQ(Runs(), std::vector<std::string>{"ModèleBidon 17400"});
    EXPECT_EQ(Writes(), (std::vector<std::string>{"SegRotCrea=30", "SegEpaisCrea=4", "CaseCreaSeg=true",
                                                  "CentreCreaSeg=true"}));
    EXPECT_EQ(gDialogOpenFlags.SegmentDialogOpen, 0);
    EXPECT_EQ(gDragValues.CreatedSegmentPath, nullptr);
    // No figure, so the click's dimension group goes too, "Avec cote." on or not, and its handles are forgotten.
    EXPECT_TRUE(TopArt().empty());
    EXPECT_EQ(gCurrentDimension.DimensionGroup, nullptr);
    EXPECT_EQ(gCurrentDimension.LabelFrames[0], nullptr);
    EXPECT_EQ(gDialogPositions.SegmentDialogBounds.right - gDialogPositions.SegmentDialogBounds.left, 290);
}

TEST_F(SegmentDialog, DefaultShowsTheFactoryValuesWritesNothingAndAnnulerDropsTheClicksGroup) {
    std::vector<std::string> writesWhileOpen{"-"};
    WhenOpen([&](ADMDialogRef d) {
        Enter(d, kSegmentWidth, "7");
        Click(d, kSegmentCentred);
        Click(d, kSegmentDimension);
        Click(d, kDefault);
        EXPECT_FLOAT_EQ(Data(d, kSegmentWidth).value, 2.5f);
        EXPECT_FLOAT_EQ(Data(d, kSegmentOrientation).value, 45.0f);
        EXPECT_FLOAT_EQ(Data(d, kSegmentCentred).value, 0.0f);
        EXPECT_FLOAT_EQ(Data(d, kSegmentDimension).value, 1.0f);
        EXPECT_TRUE(Data(d, kSegmentWidth).active);
        writesWhileOpen = Writes();
        Click(d, kCancel);
    });
    EmptyClick(kSegmentTool);
    EXPECT_TRUE(writesWhileOpen.empty());
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(gCurrentDimension.DimensionGroup, nullptr);
    EXPECT_EQ(gCurrentDimension.LabelFrames[0], nullptr);
    EXPECT_TRUE(TopArt().empty());
    EXPECT_EQ(gDialogOpenFlags.SegmentDialogOpen, 0);
}

TEST_F(SegmentDialog, APreviewClickSetsTheOrientationFromItsCentreAndASecondOpeningIsIgnored) {
    WhenOpen([](ADMDialogRef d) {
        const struct {
            ADMPoint At;
            float Degrees;
        } clicks[] = {{{140, 73}, 0.0f}, {{73, 73}, 0.0f}, {{73, 140}, -90.0f}, {{0, 73}, 180.0f}, {{73, 0}, 90.0f}};
        for (const auto& click : clicks) {
            ClickAt(d, kSegmentPreview, click.At);
            EXPECT_FLOAT_EQ(Data(d, kSegmentOrientation).value, click.Degrees);
        }
        OpenModalDialog(ModalDialog::SegmentCreation);  // already up: nothing
        Click(d, kOk);
    });
    EmptyClick(kSegmentTool);
    EXPECT_EQ(Runs().size(), 1u);
    EXPECT_EQ(Writes().front(), "SegRotCrea=90");
}

TEST_F(SegmentDialog, ThePreviewDrawsTheDimensionOnlyWithAvecCote) {
    std::vector<std::string> withDimension, without;
    WhenOpen([&](ADMDialogRef d) {
        Dialogs().DrawItem(ItemOf(d, kSegmentPreview));
        withDimension = Data(d, kSegmentPreview).drawing;
        Click(d, kSegmentDimension);
        Dialogs().DrawItem(ItemOf(d, kSegmentPreview));
        without = Data(d, kSegmentPreview).drawing;
        Click(d, kCancel);
    });
    EmptyClick(kSegmentTool);
    auto has = [](const std::vector<std::string>& lines, const std::string& start) {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; });
    };
    EXPECT_TRUE(has(withDimension, "TextCentered"));
    EXPECT_TRUE(has(withDimension, "FillOval"));
    EXPECT_FALSE(has(without, "TextCentered"));
    EXPECT_TRUE(has(without, "FillPolygon 4"));
}

TEST_F(SegmentDialog, ANegativeWidthIsHeldAtZeroAndItsFiguresStillDraw) {
    WhenOpen([](ADMDialogRef d) {
        Enter(d, kSegmentWidth, "-3");
        EXPECT_FLOAT_EQ(Data(d, kSegmentWidth).value, 0.0f);
        Click(d, kOk);
    });
    EmptyClick(kSegmentTool);
    EXPECT_DOUBLE_EQ(gSettings.SegmentCreateWidth, 0.0);
    DragOut({0, 0}, {{30, 40}});
    ASSERT_TRUE(Doc().IsValid(gDragValues.CreatedSegmentPath));
    EXPECT_FLOAT_EQ(Node(gDragValues.CreatedSegmentPath).style.stroke.width, 0.0f);
}

// The entry texts of an item's popup list, separators as "-".
std::vector<std::string> EntryTexts(ADMDialogRef d, int32_t id) {
    std::vector<std::string> texts;
    sim::DialogManager& dialogs = sim::TheDialogs();
    const sim::ListData* list = dialogs.ListByHandle(dialogs.Item(dialogs.FindItem(d, id))->list);
    if (list == nullptr) return texts;
    for (uintptr_t handle : list->entries) {
        const sim::EntryData* entry = dialogs.EntryByHandle(handle);
        texts.push_back(entry->separator ? "-" : entry->text);
    }
    return texts;
}

TEST_F(SegmentDialog, TheOrientationPopupIsWrittenByTheDialogManagerInSixCharactersAfterABlank) {
    std::vector<std::string> texts;
    WhenOpen([&](ADMDialogRef d) {
        texts = EntryTexts(d, kSegmentOrientation);
        Dialogs().Choose(ItemOf(d, kSegmentOrientation), 2);  // -90
        EXPECT_FLOAT_EQ(Data(d, kSegmentOrientation).value, -90.0f);
        Click(d, kOk);
    });
    EmptyClick(kSegmentTool);
    // -150.0 and -120.0 do not fit: the dialog manager drops their decimal.
    EXPECT_EQ(texts, (std::vector<std::string>{" -150", " -120", " -90.0", " -60.0", " -30.0", "-", " 0.0", "-",
                                               " 30.0", " 60.0", " 90.0", " 120.0", " 150.0", " 180.0"}));
    EXPECT_EQ(Writes().front(), "SegRotCrea=-90");
}

using AngleDialog = CreationDialogTest;

TEST_F(AngleDialog, OkWritesItsKeysInOrderAndTheCentredBoxReachesTheNextDrag) {
    WhenOpen([](ADMDialogRef d) {
        EXPECT_FLOAT_EQ(Data(d, kAngleOrientation).value, 45.0f);
        EXPECT_EQ(Data(d, kAngleDimension).text, "Avec cote.");
        ClickAt(d, kAnglePreview, {140, 73});
        EXPECT_FLOAT_EQ(Data(d, kAngleOrientation).value, 0.0f);
        Enter(d, kAngleWidth, "1.5");
        Click(d, kAngleCentred);
        Click(d, kOk);
    });
    EmptyClick(kAngleTool);
    EXPECT_EQ(Runs(), std::vector<std::string>{"ModèleBidon 17500"});
    EXPECT_EQ(Writes(), (std::vector<std::string>{"AngCrea=0", "AngEpaisCrea=1.5", "CaseCreaAng=true",
                                                  "CentreCreaAng=true"}));
    EXPECT_EQ(gDragValues.CreatedAnglePath, nullptr);
    DragOut({0, 0}, {{25, 43.30127f}});  // centred about 0: sides at -30 and +30 degrees
    const auto& sides = Anchors(gDragValues.CreatedAnglePath);
    EXPECT_POINT_AT(sides[0].p, 43.30127, -25);
    EXPECT_POINT_AT(sides[2].p, 43.30127, 25);
}

TEST_F(AngleDialog, ThePreviewLabelsItsOpeningInWholeDegreesWithTheUnit) {
    std::vector<std::string> drawing;
    WhenOpen([&](ADMDialogRef d) {
        Dialogs().DrawItem(ItemOf(d, kAnglePreview));
        drawing = Data(d, kAnglePreview).drawing;
        Click(d, kCancel);
    });
    EmptyClick(kAngleTool);
    // 0.66 radians is 37.8 degrees, centred about the point 30 pixels out along 45 + 18.9 degrees.
    EXPECT_NE(std::find(drawing.begin(), drawing.end(), "TextCentered 56 36 116 56 38°"), drawing.end());
}

// Where `line` was drawn in `drawing`; the drawing's size when it was not.
size_t DrawnAt(const std::vector<std::string>& drawing, const std::string& line) {
    return static_cast<size_t>(std::find(drawing.begin(), drawing.end(), line) - drawing.begin());
}

TEST_F(AngleDialog, ACentredPreviewOpensAboutTheOrientationDrawnUnderItsSides) {
    std::vector<std::string> drawing;
    WhenOpen([&](ADMDialogRef d) {
        Enter(d, kAngleOrientation, "0");
        Click(d, kAngleCentred);
        Click(d, kAngleDimension);
        Dialogs().DrawItem(ItemOf(d, kAnglePreview));
        drawing = Data(d, kAnglePreview).drawing;
        Click(d, kCancel);
    });
    EmptyClick(kAngleTool);
    // The orientation line first, then the sides 0.33 radians either side of it, as the centred figure is made.
    const size_t guide = DrawnAt(drawing, "Line 146 73 0 73");
    EXPECT_LT(guide, DrawnAt(drawing, "Line 73 73 142 49"));
    EXPECT_LT(guide, DrawnAt(drawing, "Line 73 73 142 97"));
    EXPECT_LT(DrawnAt(drawing, "Line 73 73 142 97"), drawing.size());
}

// The preview's band follows its arcs smoothly: a point at every pixel along its edges, none more than a pixel
// and a half from the next.
TEST_F(AngleDialog, ThePreviewsBandFollowsItsArcsPixelByPixel) {
    std::vector<std::string> drawing;
    WhenOpen([&](ADMDialogRef d) {
        Enter(d, kAngleOrientation, "20");
        Dialogs().DrawItem(ItemOf(d, kAnglePreview));
        drawing = Data(d, kAnglePreview).drawing;
        Click(d, kCancel);
    });
    EmptyClick(kAngleTool);
    const auto band = std::find_if(drawing.begin(), drawing.end(),
                                   [](const std::string& l) { return l.rfind("FillPolygon ", 0) == 0; });
    ASSERT_NE(band, drawing.end());
    std::istringstream in(band->substr(std::strlen("FillPolygon ")));
    int count = 0;
    in >> count;
    std::vector<std::pair<double, double>> points(static_cast<size_t>(count));
    for (auto& [h, v] : points) in >> h >> v;
    // A point at least every pixel of the outer edge (radius 18, 0.66 radians), on both edges.
    ASSERT_GE(count, 2 * (0.66 * 18 + 1));
    int edgeSteps = 0;
    for (size_t i = 1; i < points.size(); ++i) {
        const double r0 = std::hypot(points[i - 1].first - 73, points[i - 1].second - 73);
        const double r1 = std::hypot(points[i].first - 73, points[i].second - 73);
        if (std::abs(r1 - r0) > 1.5) continue;  // the step from the outer edge to the inner one
        ++edgeSteps;
        EXPECT_LE(std::hypot(points[i].first - points[i - 1].first, points[i].second - points[i - 1].second), 1.5)
            << i;
    }
    EXPECT_EQ(edgeSteps, count - 2);
}

TEST_F(AngleDialog, DefaultAndAnnulerAsForTheSegment) {
    WhenOpen([](ADMDialogRef d) {
        ClickAt(d, kAnglePreview, {73, 0});
        EXPECT_FLOAT_EQ(Data(d, kAngleOrientation).value, 90.0f);
        Click(d, kAngleDimension);
        Click(d, kDefault);
        EXPECT_FLOAT_EQ(Data(d, kAngleWidth).value, 2.5f);
        EXPECT_FLOAT_EQ(Data(d, kAngleOrientation).value, 45.0f);
        EXPECT_FLOAT_EQ(Data(d, kAngleCentred).value, 0.0f);
        EXPECT_FLOAT_EQ(Data(d, kAngleDimension).value, 1.0f);
        Click(d, kCancel);
    });
    EmptyClick(kAngleTool);
    EXPECT_TRUE(Writes().empty());
    EXPECT_TRUE(TopArt().empty());
}

}  // namespace
}  // namespace creationtest
