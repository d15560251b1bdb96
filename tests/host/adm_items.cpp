// Items: code sets values silently, the user's actions notify with the right types, input is clamped.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "adm_fixture.h"

namespace {

using admtest::AdmTest;

// What each notification told the item's notify procedure: "id type value-text".
std::vector<std::string>& Heard() {
    static std::vector<std::string> heard;
    return heard;
}
const ADMNotifierSuite* gNotifiers = nullptr;
const ADMItemSuite* gItems = nullptr;

void Listen(ADMItemRef item, ADMNotifierRef notifier) {
    char type[64];
    char text[64];
    int32_t id = 0;
    gNotifiers->GetNotifierType(notifier, type, sizeof type);
    gItems->GetText(item, text, sizeof text);
    gItems->GetID(item, &id);
    Heard().push_back(std::to_string(id) + " " + type + " " + text);
}

class AdmItems : public AdmTest {
  protected:
    void SetUp() override {
        AdmTest::SetUp();
        gNotifiers = notifiers;
        gItems = items;
        Heard().clear();
        panel = Palette();
    }
    ADMItemRef Listening(int32_t id, const char* type) {
        ADMItemRef item = Make(panel, id, type);
        EXPECT_EQ(items->SetNotifyProc(item, Listen), kNoErr);
        return item;
    }
    ADMDialogRef panel = nullptr;
};

TEST_F(AdmItems, ValuesSetFromCodeFireNoNotifier) {
    ADMItemRef spin = Listening(17, kADMSpinEditType);
    ADMItemRef edit = Listening(41, kADMTextEditType);
    EXPECT_EQ(items->SetIntValue(spin, 4), kNoErr);
    EXPECT_EQ(items->SetFloatValue(spin, 2.5f), kNoErr);
    EXPECT_EQ(items->SetText(edit, "0,25"), kNoErr);
    EXPECT_TRUE(Heard().empty());
    EXPECT_EQ(Text(spin), "2.5");
    EXPECT_EQ(Text(edit), "0,25");
}

TEST_F(AdmItems, TypingNotifiesEachKeystrokeThenCommitClampsToTheRange) {
    ADMItemRef spin = Listening(17, kADMSpinEditType);
    items->SetPrecision(spin, 0);
    items->SetMinIntValue(spin, 0);
    items->SetMaxIntValue(spin, 6);
    items->SetIntValue(spin, 2);
    ASSERT_EQ(sim::TheDialogs().Enter(spin, "12"), kNoErr);
    EXPECT_EQ(Heard(), (std::vector<std::string>{"17 ADM Intermediate Changed Notifier ",
                                                 "17 ADM Intermediate Changed Notifier 1",
                                                 "17 ADM Intermediate Changed Notifier 12",
                                                 "17 ADM User Changed Notifier 6"}));
    int32_t value = 0;
    items->GetIntValue(spin, &value);
    EXPECT_EQ(value, 6);
    Heard().clear();
    ASSERT_EQ(sim::TheDialogs().Enter(spin, "-3,6"), kNoErr);
    items->GetIntValue(spin, &value);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(Heard().back(), "17 ADM User Changed Notifier 0");
    // Typed without Enter, the field commits once when the user turns to another item, as OK is clicked.
    ADMItemRef ok = Listening(1, kADMTextPushButtonType);
    items->SetText(ok, "OK");
    ASSERT_EQ(sim::TheDialogs().Type(spin, "9"), kNoErr);
    Heard().clear();
    ASSERT_EQ(sim::TheDialogs().Click(ok), kNoErr);
    ASSERT_EQ(sim::TheDialogs().Click(ok), kNoErr);
    EXPECT_EQ(Heard(), (std::vector<std::string>{"17 ADM User Changed Notifier 6", "1 ADM User Changed Notifier OK",
                                                 "1 ADM User Changed Notifier OK"}));
    items->GetIntValue(spin, &value);
    EXPECT_EQ(value, 6);
}

// Typing over a text deletes it first, and a host notifies a deletion as any other change: typing nothing
// into a field that held a text is one notification, with the field empty.
TEST_F(AdmItems, TypingOverATextNotifiesItsDeletionThenEachKeystroke) {
    ADMItemRef edit = Listening(12, kADMTextEditType);
    items->SetText(edit, "Hauteur");
    ASSERT_EQ(sim::TheDialogs().Type(edit, ""), kNoErr);
    EXPECT_EQ(Heard(), (std::vector<std::string>{"12 ADM Intermediate Changed Notifier "}));
    Heard().clear();
    ASSERT_EQ(sim::TheDialogs().Type(edit, "ab"), kNoErr);  // an empty field has nothing to delete
    EXPECT_EQ(Heard(), (std::vector<std::string>{"12 ADM Intermediate Changed Notifier a",
                                                 "12 ADM Intermediate Changed Notifier ab"}));
}

// The selection: SelectAll takes the whole text silently; typing or a text set from code leaves a caret at the
// end; a null out-parameter is refused.
TEST_F(AdmItems, SelectAllSelectsTheWholeTextAndTypingLeavesACaret) {
    ADMItemRef edit = Listening(10, kADMTextEditType);
    items->SetText(edit, "Longueur");
    int32_t start = -1;
    int32_t end = -1;
    ASSERT_EQ(items->GetSelectionRange(edit, &start, &end), kNoErr);
    EXPECT_EQ(std::vector<int32_t>({start, end}), std::vector<int32_t>({8, 8}));
    ASSERT_EQ(items->SelectAll(edit), kNoErr);
    items->GetSelectionRange(edit, &start, &end);
    EXPECT_EQ(std::vector<int32_t>({start, end}), std::vector<int32_t>({0, 8}));
    EXPECT_TRUE(Heard().empty());
    sim::TheDialogs().Type(edit, "Cote");
    items->GetSelectionRange(edit, &start, &end);
    EXPECT_EQ(std::vector<int32_t>({start, end}), std::vector<int32_t>({4, 4}));
    EXPECT_EQ(items->GetSelectionRange(edit, nullptr, &end), kBadParameterErr);
    EXPECT_EQ(items->SelectAll(nullptr), kBadParameterErr);
}

TEST_F(AdmItems, CodeMayExceedTheRangeAndUnreadableInputKeepsTheValue) {
    ADMItemRef width = Listening(7, kADMSpinEditPopupType);
    items->SetUnits(width, kADMPointUnits);
    items->ShowUnits(width, 1);
    items->SetPrecision(width, 1);
    items->SetMinFloatValue(width, 0.0f);
    items->SetMaxFloatValue(width, 20.0f);
    items->SetFloatValue(width, 25.0f);
    EXPECT_EQ(Text(width), "25.0 pt");
    EXPECT_EQ(sim::TheDialogs().Enter(width, "abc"), kBadParameterErr);
    EXPECT_EQ(Text(width), "25.0 pt");
    EXPECT_EQ(Heard().size(), 4u);  // the old text deleted, three keystrokes, no user change
    float value = 0.0f;
    items->GetFloatValue(width, &value);
    EXPECT_EQ(value, 25.0f);
}

// A float field read as an integer gives the nearest one, and the nearest end of int32_t beyond its range.
TEST_F(AdmItems, IntegerReadOfAFloatFieldRoundsAndSaturates) {
    ADMItemRef field = Make(panel, 9, kADMSpinEditType);
    const std::vector<std::pair<float, int32_t>> cases = {
        {2.5f, 3},           {-2.5f, -3},         {2147483520.0f, 2147483520}, {3.0e9f, INT32_MAX},
        {-3.0e9f, INT32_MIN}, {1.0e30f, INT32_MAX}, {-3.4e38f, INT32_MIN},
    };
    for (const auto& [value, expected] : cases) {
        ASSERT_EQ(items->SetFloatValue(field, value), kNoErr) << value;
        int32_t read = 0;
        EXPECT_EQ(items->GetIntValue(field, &read), kNoErr) << value;
        EXPECT_EQ(read, expected) << value;
    }
}

TEST_F(AdmItems, TextSelectionAndClicksUseTheirOwnNotifierTypes) {
    ADMItemRef edit = Listening(57, kADMTextEditType);
    ADMItemRef box = Listening(30, kADMTextCheckBoxType);
    items->SetText(box, "Centré.");
    ASSERT_EQ(sim::TheDialogs().SelectText(edit), kNoErr);
    ASSERT_EQ(sim::TheDialogs().Click(box), kNoErr);
    ADMBoolean checked = 0;
    items->GetBooleanValue(box, &checked);
    EXPECT_EQ(checked, 1);
    ASSERT_EQ(sim::TheDialogs().Click(box), kNoErr);
    items->GetBooleanValue(box, &checked);
    EXPECT_EQ(checked, 0);
    EXPECT_EQ(Heard(), (std::vector<std::string>{"57 ADM Text Selection Change Notification ",
                                                 "30 ADM User Changed Notifier Centré.",
                                                 "30 ADM User Changed Notifier Centré."}));
}

TEST_F(AdmItems, SlidingHoldsTheThumbToTheSliderBoundsAndNotifiesOnlySliders) {
    ADMItemRef slider = Listening(421, kADMSliderType);
    items->SetMinFloatValue(slider, 0.0f);
    items->SetMaxFloatValue(slider, 255.0f);
    ASSERT_EQ(sim::TheDialogs().Slide(slider, 300.0f), kNoErr);
    float value = 0.0f;
    items->GetFloatValue(slider, &value);
    EXPECT_EQ(value, 255.0f);
    EXPECT_EQ(sim::TheDialogs().Slide(Listening(431, kADMTextEditType), 3.0f), kBadParameterErr);
    EXPECT_EQ(Heard(), std::vector<std::string>{"421 ADM User Changed Notifier 255"});
}

// A click or a value set from code changes the state of a button, check box or radio button, never its caption.
TEST_F(AdmItems, ClicksAndValuesKeepTheCaptionsOfButtonsAndBoxes) {
    const struct {
        const char* Type;
        const char* Caption;
    } captioned[] = {{kADMTextCheckBoxType, "Avec cote."}, {kADMTextRadioButtonType, "Arc."},
                     {kADMTextPushButtonType, "OK"}};
    int32_t id = 100;
    for (const auto& c : captioned) {
        ADMItemRef item = Make(panel, ++id, c.Type);
        items->SetText(item, c.Caption);
        ASSERT_EQ(sim::TheDialogs().Click(item), kNoErr);
        EXPECT_EQ(Text(item), c.Caption) << c.Type;
        items->SetIntValue(item, 0);
        items->SetFloatValue(item, 1.0f);
        EXPECT_EQ(Text(item), c.Caption) << c.Type;
    }
    ADMItemRef radio = Make(panel, ++id, kADMTextRadioButtonType);
    ASSERT_EQ(sim::TheDialogs().Click(radio), kNoErr);
    ADMBoolean on = 0;
    items->GetBooleanValue(radio, &on);
    EXPECT_EQ(on, 1);
}

TEST_F(AdmItems, HiddenOrDisabledItemsRefuseTheUser) {
    ADMItemRef button = Listening(5, kADMPicturePushButtonType);
    items->Enable(button, 0);
    EXPECT_EQ(sim::TheDialogs().Click(button), kBadParameterErr);
    items->Enable(button, 1);
    items->Show(button, 0);
    EXPECT_EQ(sim::TheDialogs().Click(button), kBadParameterErr);
    items->Show(button, 1);
    EXPECT_EQ(sim::TheDialogs().Click(button), kNoErr);
    EXPECT_EQ(Heard(), std::vector<std::string>{"5 ADM User Changed Notifier "});
}

TEST_F(AdmItems, MenuResourceFillsTheFlyoutAndChoosingNotifies) {
    ADMItemRef menu = nullptr;
    ASSERT_EQ(dialogs->GetItem(panel, kADMMenuItemID, &menu), kNoErr);
    items->SetNotifyProc(menu, Listen);
    ADMListRef list = nullptr;
    ASSERT_EQ(items->GetList(menu, &list), kNoErr);
    ASSERT_EQ(lists->SetMenuID(list, self, 128), kNoErr);
    int32_t count = 0;
    lists->NumberOfEntries(list, &count);
    EXPECT_EQ(count, 4);
    ADMEntryRef separator = nullptr;
    ASSERT_EQ(lists->GetEntry(list, 3, &separator), kNoErr);
    ADMBoolean flag = 0;
    entries->IsSeparator(separator, &flag);
    EXPECT_EQ(flag, 1);
    ADMEntryRef first = nullptr;
    lists->GetEntry(list, 1, &first);
    entries->SetText(first, "Masquer les options");
    char text[64];
    entries->GetText(first, text, sizeof text);
    EXPECT_STREQ(text, "Masquer les options");
    EXPECT_EQ(sim::TheDialogs().Choose(menu, 4), kBadParameterErr);  // disabled by the resource
    EXPECT_EQ(sim::TheDialogs().Choose(menu, 3), kBadParameterErr);  // a separator
    EXPECT_EQ(sim::TheDialogs().Choose(menu, 2), kNoErr);
    ADMEntryRef active = nullptr;
    lists->GetActiveEntry(list, &active);
    int32_t id = 0;
    entries->GetID(active, &id);
    EXPECT_EQ(id, 2);
    EXPECT_EQ(Heard(), std::vector<std::string>{"-5 ADM User Changed Notifier "});
}

TEST_F(AdmItems, ChoosingInASpinPopupPutsTheClampedEntryInTheField) {
    ADMItemRef size = Listening(9, kADMSpinEditPopupType);
    items->SetMaxFloatValue(size, 200.0f);
    ADMListRef list = nullptr;
    items->GetList(size, &list);
    const char* texts[] = {"100", "250"};
    for (int32_t i = 0; i < 2; ++i) {
        ADMEntryRef entry = nullptr;
        ASSERT_EQ(lists->InsertEntry(list, i, &entry), kNoErr);
        entries->SetID(entry, i + 1);
        entries->SetText(entry, texts[i]);
    }
    ASSERT_EQ(sim::TheDialogs().Choose(size, 2), kNoErr);
    EXPECT_EQ(Heard(), std::vector<std::string>{"9 ADM User Changed Notifier 200"});
    EXPECT_EQ(sim::TheDialogs().Choose(size, 9), kBadParameterErr);
}

} // namespace

namespace {

TEST_F(AdmItems, ScrollingFontPopupTakesTheChosenEntryText) {
    ADMItemRef fonts = Listening(146, kADMTextEditScrollingPopupType);
    ADMListRef list = nullptr;
    ASSERT_EQ(items->GetList(fonts, &list), kNoErr);
    ADMEntryRef entry = nullptr;
    ASSERT_EQ(lists->InsertEntry(list, 0, &entry), kNoErr);
    entries->SetID(entry, 3);
    entries->SetText(entry, "Gothique Sans");
    ASSERT_EQ(sim::TheDialogs().Choose(fonts, 3), kNoErr);
    EXPECT_EQ(Text(fonts), "Gothique Sans");
}

} // namespace
