// The circle, arc and sector creation dialog, and the colour button the three creation dialogs share.
#include <algorithm>
#include <cmath>
#include <sstream>
#include <numbers>

#include "creation_fixture.h"
#include "frame/Colours.h"

namespace creationtest {
namespace {

constexpr int32_t kOk = 1, kCancel = 2, kDefault = 3, kColourButton = 525;
constexpr int32_t kCircle = 601, kArc = 602, kSector = 603, kPreview = 604;
constexpr int32_t kWidth = 607, kOrientation = 609, kOrientationPicture = 610, kDimension = 611;

class CircleDialog : public CreationDialogTest {
protected:
    static std::vector<float> Radios(ADMDialogRef d) {
        return {Data(d, kCircle).value, Data(d, kArc).value, Data(d, kSector).value};
    }
};

TEST_F(CircleDialog, TheKindEnablesTheOrientationAndOkWritesTheFiveKeysInOrder) {
    WhenOpen([](ADMDialogRef d) {
        EXPECT_EQ(Dialogs().Dialog(d)->title, "Création cercle/arc/secteur (Vek-Tavorine).");
        EXPECT_EQ(Radios(d), (std::vector<float>{1, 0, 0}));
        EXPECT_FALSE(Data(d, kOrientation).enabled);
        EXPECT_FALSE(Data(d, kOrientationPicture).enabled);
        EXPECT_FALSE(Data(d, kPreview).enabled);
        EXPECT_FLOAT_EQ(Data(d, kOrientation).value, 45.0f);
        Click(d, kSector);
        EXPECT_EQ(Radios(d), (std::vector<float>{0, 0, 1}));
        EXPECT_TRUE(Data(d, kOrientation).enabled);
        EXPECT_TRUE(Data(d, kPreview).enabled);
        Click(d, kArc);
        EXPECT_EQ(Radios(d), (std::vector<float>{0, 1, 0}));
        Enter(d, kOrientation, "-90");
        Click(d, kDimension);
        Click(d, kOk);
    });
    EmptyClick(kCircleTool);
    EXPECT_EQ(Runs(), std::vector<std::string>{"ModèleBidon 17600"});
    const std::vector<std::string> writes = Writes();
    ASSERT_EQ(writes.size(), 5u);
    EXPECT_EQ(writes[0], "CerEpaisCrea=2.5");
    EXPECT_NEAR(gSettings.CircleCreateAngle, -std::numbers::pi / 2, 1e-6);
    EXPECT_EQ(writes[0].substr(0, 12), "CerEpaisCrea");
    EXPECT_EQ(writes[1].substr(0, 11), "AngCerCrea=");
    EXPECT_EQ(writes[2], "CaseCreaCer=false");
    EXPECT_EQ(writes[3], "CreaArcCer=true");
    EXPECT_EQ(writes[4], "CreaSecteurCer=false");
    EXPECT_EQ(gDragValues.CreatedCirclePath, nullptr);
    EXPECT_TRUE(TopArt().empty());  // no dimension: the click's group went at release
}

TEST_F(CircleDialog, DefaultRestoresACircleAt45DegreesThatOkStoresInRadians) {
    WhenOpen([](ADMDialogRef d) {
        Click(d, kSector);
        Enter(d, kOrientation, "120");
        Enter(d, kWidth, "6");
        Click(d, kDefault);
        EXPECT_EQ(Radios(d), (std::vector<float>{1, 0, 0}));
        EXPECT_FLOAT_EQ(Data(d, kOrientation).value, 45.0f);
        EXPECT_FLOAT_EQ(Data(d, kWidth).value, 2.5f);
        EXPECT_FALSE(Data(d, kOrientation).enabled);
        EXPECT_TRUE(Writes().empty());
        Click(d, kOk);
    });
    EmptyClick(kCircleTool);
    EXPECT_NEAR(gSettings.CircleCreateAngle, 0.7853981633974483, 1e-9);
    EXPECT_EQ(gSettings.CircleCreateArc, 0);
    EXPECT_EQ(gSettings.CircleCreateSector, 0);
}

TEST_F(CircleDialog, APreviewClickSetsTheStartAndExactlyLeftKeepsPiWithoutTouchingTheField) {
    WhenOpen([](ADMDialogRef d) {
        Click(d, kArc);
        ClickAt(d, kPreview, {60, 10});
        EXPECT_NEAR(gCurrentOptions.CircleCreateAngle, std::numbers::pi / 2, 1e-9);
        EXPECT_FLOAT_EQ(Data(d, kOrientation).value, 90.0f);
        ClickAt(d, kPreview, {55, 40});
        EXPECT_GT(Data(d, kOrientation).value, 90.0f);
        EXPECT_LT(Data(d, kOrientation).value, 180.0f);
        const float shown = Data(d, kOrientation).value;
        ClickAt(d, kPreview, {0, 52});
        EXPECT_DOUBLE_EQ(gCurrentOptions.CircleCreateAngle, std::numbers::pi);  // atan2 gives +pi there
        EXPECT_FLOAT_EQ(Data(d, kOrientation).value, shown);
        Click(d, kCancel);
    });
    EmptyClick(kCircleTool);
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(gCurrentDimension.DimensionGroup, nullptr);
}

TEST_F(CircleDialog, ThePreviewDrawsItsAxesUnderTheSectorsEdges) {
    std::vector<std::string> drawing;
    WhenOpen([&](ADMDialogRef d) {
        Click(d, kSector);
        Enter(d, kOrientation, "0");
        Dialogs().DrawItem(ItemOf(d, kPreview));
        drawing = Data(d, kPreview).drawing;
        Click(d, kCancel);
    });
    EmptyClick(kCircleTool);
    const auto at = [&](const std::string& line) {
        return static_cast<size_t>(std::find(drawing.begin(), drawing.end(), line) - drawing.begin());
    };
    // The radius along the start direction lies on the horizontal axis and is drawn over it; the arc is a run of
    // one-pixel lines from that radius's end.
    ASSERT_LT(at("Line 60 52 98 52"), drawing.size());
    EXPECT_LT(at("Line 0 52 120 52"), at("Line 60 52 98 52"));
    EXPECT_LT(at("Line 60 0 60 104"), at("Line 60 52 98 52"));
    EXPECT_TRUE(std::any_of(drawing.begin(), drawing.end(),
                            [](const std::string& l) { return l.rfind("Line 98 52 ", 0) == 0; }));
}

// The arc and the sector of the preview are drawn smoothly: the arc is a run of lines no longer than a pixel and a
// half, each end on the ring of radius 38 about (60, 52).
TEST_F(CircleDialog, ThePreviewsArcRunsPixelByPixelAlongItsRing) {
    for (const int32_t kind : {kArc, kSector}) {
        std::vector<std::string> drawing;
        WhenOpen([&](ADMDialogRef d) {
            Click(d, kind);
            Enter(d, kOrientation, "30");
            Dialogs().DrawItem(ItemOf(d, kPreview));
            drawing = Data(d, kPreview).drawing;
            Click(d, kCancel);
        });
        EmptyClick(kCircleTool);
        int onRing = 0;
        for (const std::string& line : drawing) {
            if (line.rfind("Line ", 0) != 0) continue;
            std::istringstream in(line.substr(5));
            double h1 = 0, v1 = 0, h2 = 0, v2 = 0;
            in >> h1 >> v1 >> h2 >> v2;
            if (std::abs(std::hypot(h1 - 60, v1 - 52) - 38) > 1.0 || std::abs(std::hypot(h2 - 60, v2 - 52) - 38) > 1.0)
                continue;
            ++onRing;
            EXPECT_LE(std::hypot(h2 - h1, v2 - v1), 1.5) << kind << ": " << line;
        }
        EXPECT_GE(onRing, 40) << kind;  // 1.5 radians of a ring of 38 pixels: 57 pixels long
    }
}

// Counts the colour dialog's openings in place of the real one.
int gColourOpenings = 0;
void CountColourOpening() { ++gColourOpenings; }

TEST_F(CircleDialog, TheColourButtonOpensTheColourDialogAndRedrawsWithTheStrokeSwatch) {
    gColourOpenings = 0;
    InstallDialogOpener(ModalDialog::Colours, CountColourOpening);
    std::vector<std::string> rgb, grey;
    int32_t invalidations = 0;
    WhenOpen([&](ADMDialogRef d) {
        const int32_t before = Dialogs().Dialog(d)->invalidations;
        Click(d, kColourButton);
        invalidations = Dialogs().Dialog(d)->invalidations - before;
        Dialogs().DrawItem(ItemOf(d, kColourButton));
        rgb = Data(d, kColourButton).drawing;
        gColourSettings.StrokeModel = kGreyModel;
        gColourSettings.Stroke.Grey = 80.0;
        Dialogs().DrawItem(ItemOf(d, kColourButton));
        grey = Data(d, kColourButton).drawing;
        Click(d, kCancel);
    });
    EmptyClick(kCircleTool);
    EXPECT_EQ(gColourOpenings, 1);
    EXPECT_EQ(invalidations, 1);
    // The default stroke colour, RGB 196, 25, 127, framed in black.
    EXPECT_EQ(rgb, (std::vector<std::string>{"Picture 1079 0 0", "ADMColor 0", "Rect 3 5 10 17",
                                             "RGB 49980 6375 32385", "FillRect 4 5 9 17"}));
    // 80 percent grey: (100 - 80) x 255 x 255 / 100, with the frame cleared.
    EXPECT_EQ(grey, (std::vector<std::string>{"Picture 1079 0 0", "ClearRect 3 5 10 17", "RGB 13005 13005 13005",
                                              "FillRect 4 5 9 17"}));
}

}  // namespace
}  // namespace creationtest
