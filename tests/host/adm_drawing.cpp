// Drawers record what draw procedures paint, trackers report the event, and stale or null refs answer errors.
#include <string>
#include <vector>

#include "adm_fixture.h"

namespace {

using admtest::AdmTest;

const ADMDrawerSuite* gDrawers = nullptr;
const ADMTrackerSuite* gTrackers = nullptr;
ADMIconRef gIcon = nullptr;
std::vector<std::string> gTracked;
ADMDrawerRef gKeptDrawer = nullptr;

void Paint(ADMItemRef, ADMDrawerRef drawer) {
    gKeptDrawer = drawer;
    const ADMRGBColor red{65535, 0, 0};
    const ADMPoint a{0, 0}, b{10, 5};
    const ADMPoint triangle[] = {{0, 0}, {4, 0}, {2, 3}};
    const ADMRect box{1, 2, 11, 12};
    gDrawers->Clear(drawer);
    gDrawers->SetRGBColor(drawer, &red);
    gDrawers->DrawLine(drawer, &a, &b);
    gDrawers->FillPolygon(drawer, triangle, 3);
    gDrawers->DrawSunkenRect(drawer, &box);
    gDrawers->FillOval(drawer, &box);
    gDrawers->DrawIconCentered(drawer, gIcon, &box);
    gDrawers->DrawText(drawer, "Échelle", &b);
    gDrawers->InvertRect(drawer, &box);
}

ADMBoolean Follow(ADMItemRef, ADMTrackerRef tracker) {
    int32_t action = 0, state = 0;
    ADMPoint point{0, 0};
    ADMBoolean control = 0;
    gTrackers->GetAction(tracker, &action);
    gTrackers->GetMouseState(tracker, &state);
    gTrackers->GetPoint(tracker, &point);
    gTrackers->TestModifier(tracker, kADMControlKeyModifier, &control);
    gTracked.push_back(std::to_string(action) + " " + std::to_string(state) + " " + std::to_string(point.h) + " " +
                       std::to_string(control));
    return 0;
}

class AdmDrawing : public AdmTest {
  protected:
    void SetUp() override {
        AdmTest::SetUp();
        gDrawers = drawers;
        gTrackers = trackers;
        gTracked.clear();
        gKeptDrawer = nullptr;
        ASSERT_EQ(icons->GetFromResource(self, 1004, 0, &gIcon), kNoErr);
    }
};

TEST_F(AdmDrawing, DrawProceduresAreRecordedPerItemAndRedrawnWhenInvalid) {
    ADMDialogRef panel = Palette();
    ADMItemRef picture = Make(panel, 13, kADMPicturePushButtonType, {128, 70, 152, 86});
    items->SetDrawProc(picture, Paint);
    items->Invalidate(picture);
    sim::TheDialogs().RedrawInvalid();
    const std::vector<std::string> expected{"Clear",
                                            "RGB 65535 0 0",
                                            "Line 0 0 10 5",
                                            "FillPolygon 3 0 0 4 0 2 3",
                                            "SunkenRect 1 2 11 12",
                                            "FillOval 1 2 11 12",
                                            "IconCentered 1004 1 2 11 12",
                                            "Text 10 5 Échelle",
                                            "InvertRect 1 2 11 12"};
    EXPECT_EQ(*sim::TheDialogs().ItemDrawing(picture), expected);
    ADMRect bounds{0, 0, 0, 0};
    EXPECT_EQ(drawers->GetBoundsRect(gKeptDrawer, &bounds), kStaleHandleErr);  // the drawing is over
    ADMItemRef plain = Make(panel, 14, kADMPictureStaticType);
    sim::TheDialogs().DrawItem(plain);
    EXPECT_EQ(*sim::TheDialogs().ItemDrawing(plain), std::vector<std::string>{"DefaultDraw"});
    ADMIconRef missing = nullptr;
    EXPECT_EQ(icons->GetFromResource(self, 999, 0, &missing), kNameNotFoundErr);
    EXPECT_EQ(missing, nullptr);
}

TEST_F(AdmDrawing, TrackersReportActionStatePointAndModifierThroughTheMask) {
    ADMDialogRef panel = Palette();
    ADMItemRef gauge = Make(panel, 18, kADMPicturePushButtonType, {0, 48, 24, 64});
    items->SetTrackProc(gauge, Follow);
    items->SetMask(gauge, kADMButtonDownMask | kADMMouseMovedDownMask);
    ASSERT_EQ(sim::TheDialogs().Drag(gauge, {{3, 50}, {7, 50}, {9, 50}}, kADMControlKeyModifier), kNoErr);
    EXPECT_EQ(gTracked, (std::vector<std::string>{"2 1 3 1", "1 1 7 1", "1 1 9 1"}));  // the release is masked
}

TEST_F(AdmDrawing, TrackersHonourTheHostsWideMaskBitsAndClicksHitTheItemsMiddle) {
    ADMDialogRef panel = Palette();
    ADMItemRef canvas = Make(panel, 12, kADMPicturePushButtonType, {30, 35, 610, 415});
    items->SetTrackProc(canvas, Follow);
    items->SetMask(canvas, 0x20004);  // hovers and button-downs
    ASSERT_EQ(sim::TheDialogs().Track(canvas, kADMMouseMovedUpAction, {100, 25}), kNoErr);
    ASSERT_EQ(sim::TheDialogs().Drag(canvas, {{10, 5}, {20, 5}}), kNoErr);
    EXPECT_EQ(gTracked, (std::vector<std::string>{"0 0 100 0", "2 1 10 0"}));
    gTracked.clear();
    items->SetMask(canvas, 0x40002);  // drags and button-ups
    ASSERT_EQ(sim::TheDialogs().Track(canvas, kADMMouseMovedUpAction, {100, 25}), kNoErr);
    ASSERT_EQ(sim::TheDialogs().Drag(canvas, {{10, 5}, {20, 5}}), kNoErr);
    EXPECT_EQ(gTracked, (std::vector<std::string>{"1 1 20 0", "3 0 20 0"}));
    gTracked.clear();
    items->SetMask(canvas, kADMAllMouseActionsMask);
    ASSERT_EQ(sim::TheDialogs().Click(canvas), kNoErr);
    EXPECT_EQ(gTracked, (std::vector<std::string>{"2 1 290 0", "3 0 290 0"}));
}

TEST_F(AdmDrawing, NullAndStaleRefsAnswerErrors) {
    ADMDialogRef panel = Palette();
    ADMItemRef item = Make(panel, 5, kADMTextEditType);
    ADMListRef list = nullptr;
    ADMItemRef menu = nullptr;
    dialogs->GetItem(panel, kADMMenuItemID, &menu);
    items->GetList(menu, &list);
    ASSERT_EQ(dialogs->Destroy(panel), kNoErr);
    int32_t id = 0;
    ADMRect bounds{0, 0, 0, 0};
    EXPECT_EQ(items->GetID(item, &id), kStaleHandleErr);
    EXPECT_EQ(items->SetText(item, "x"), kStaleHandleErr);
    EXPECT_EQ(dialogs->GetBoundsRect(panel, &bounds), kStaleHandleErr);
    EXPECT_EQ(lists->SetMenuID(list, self, 128), kStaleHandleErr);
    EXPECT_EQ(sim::TheDialogs().Click(item), kStaleHandleErr);
    EXPECT_EQ(items->GetID(nullptr, &id), kBadParameterErr);
    EXPECT_EQ(dialogs->Show(nullptr, 1), kBadParameterErr);
    EXPECT_EQ(entries->SetID(nullptr, 1), kBadParameterErr);
    EXPECT_EQ(notifiers->GetItem(nullptr, &item), kBadParameterErr);
    EXPECT_EQ(trackers->Abort(nullptr), kBadParameterErr);
    EXPECT_EQ(drawers->Clear(nullptr), kBadParameterErr);
    EXPECT_EQ(sim::TheDialogs().Type(nullptr, "1"), kBadParameterErr);
    ADMDialogRef fresh = Palette();
    EXPECT_NE(fresh, panel);  // handles are never reused
    EXPECT_EQ(groups->SetDialogGroupInfo(fresh, "SDK Dialogs", 7168), kNoErr);
    char name[8];
    int32_t code = 0;
    EXPECT_EQ(groups->GetDialogGroupInfo(fresh, name, sizeof name, &code), kNoErr);
    EXPECT_STREQ(name, "SDK Dia");
    EXPECT_EQ(code, 7168);
}

} // namespace
