// ADM Basic, the platform calls and the URL suite: what the user would see or hear is recorded exactly.
#include <gtest/gtest.h>

#include <cstring>

#include "host/ADMBasicSuite.h"
#include "host/Platform.h"
#include "host/URLSuite.h"
#include "services_fake_plugin.h"
#include "simhost/Platform.h"
#include "simhost/SuiteRegistry.h"

namespace {

class ServicesAdm : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::Connect();
        adm = fake::Acquire<ADMBasicSuite>(kADMBasicSuite, kADMBasicSuiteVersion);
        url = fake::Acquire<AIURLSuite>(kAIURLSuite, kAIURLSuiteVersion);
        self = sim::ThePlugin().Ref();
    }
    const ADMBasicSuite* adm = nullptr;
    const AIURLSuite* url = nullptr;
    SPPluginRef self = nullptr;
};

TEST_F(ServicesAdm, AlertsAndAboutBoxAreRecordedWithExactText) {
    EXPECT_EQ(adm->MessageAlert("Tavorine impossible. Calque verrouillé."), kNoErr);
    EXPECT_EQ(adm->ErrorAlert("Le tracé correspondant à cette cote n'a pas été trouvé !"), kNoErr);
    EXPECT_EQ(adm->AboutBox(self, "Vek-Tavorine", "Cotation"), kNoErr);
    EXPECT_EQ(adm->AboutBox(self, "Seul", nullptr), kNoErr);
    EXPECT_EQ(adm->MessageAlert(nullptr), kBadParameterErr);
    EXPECT_EQ(adm->AboutBox(nullptr, "x", "y"), kBadParameterErr);
    const auto& alerts = sim::TheLogs().alerts;
    ASSERT_EQ(alerts.size(), 4u);
    EXPECT_EQ(alerts[0].kind, "message");
    EXPECT_EQ(alerts[0].text, "Tavorine impossible. Calque verrouillé.");
    EXPECT_EQ(alerts[1].kind, "error");
    EXPECT_EQ(alerts[1].text, "Le tracé correspondant à cette cote n'a pas été trouvé !");
    EXPECT_EQ(alerts[2].kind, "about");
    EXPECT_EQ(alerts[2].text, "Vek-Tavorine\nCotation");
    EXPECT_EQ(alerts[3].text, "Seul");
}

TEST_F(ServicesAdm, IndexStringsComeFromTheStringListsBoundedAndOneBased) {
    char text[64];
    ASSERT_EQ(adm->GetIndexString(self, 16050, 1, text, sizeof text), kNoErr);
    EXPECT_STREQ(text, "Première erreur");
    ASSERT_EQ(adm->GetIndexString(self, 16050, 3, text, sizeof text), kNoErr);
    EXPECT_STREQ(text, "Ø");
    // "Première" is P r e m i è(2 bytes): six bytes keep "Premi" and never half of the è.
    char small[7];
    std::memset(small, 'x', sizeof small);
    ASSERT_EQ(adm->GetIndexString(self, 16050, 1, small, 6), kNoErr);
    EXPECT_STREQ(small, "Premi");
    EXPECT_EQ(small[6], 'x');
    struct Case {
        int32_t list;
        int32_t index;
        ASErr error;
    };
    for (const Case& c : {Case{16050, 0, kIndexOutOfRangeErr}, Case{16050, 4, kIndexOutOfRangeErr},
                          Case{16050, -1, kIndexOutOfRangeErr}, Case{16051, 1, kNameNotFoundErr}}) {
        std::strcpy(text, "old");
        EXPECT_EQ(adm->GetIndexString(self, c.list, c.index, text, sizeof text), c.error)
            << c.list << " " << c.index;
        EXPECT_STREQ(text, "");
    }
    EXPECT_EQ(adm->GetIndexString(self, 16050, 1, text, 0), kBadParameterErr);
    EXPECT_EQ(adm->GetIndexString(self, 16050, 1, nullptr, 10), kBadParameterErr);
}

TEST_F(ServicesAdm, CursorsOfThePluginAreRecorded) {
    EXPECT_EQ(adm->SetPlatformCursor(self, 1100), kNoErr);
    EXPECT_EQ(adm->SetPlatformCursor(self, 1199), kNameNotFoundErr);
    EXPECT_EQ(adm->SetPlatformCursor(nullptr, 1100), kBadParameterErr);
    EXPECT_EQ(sim::TheLogs().cursors, std::vector<int32_t>{1100});
}

TEST_F(ServicesAdm, ScreenDimensionsAreSettable) {
    AIRect screen;
    ASSERT_EQ(adm->GetScreenDimensions(&screen), kNoErr);
    EXPECT_EQ(screen.left, 0);
    EXPECT_EQ(screen.top, 0);
    EXPECT_EQ(screen.right, 1920);
    EXPECT_EQ(screen.bottom, 1080);
    sim::ThePlatform().SetScreen(AIRect{0, 0, 1280, 800});
    ASSERT_EQ(adm->GetScreenDimensions(&screen), kNoErr);
    EXPECT_EQ(screen.right, 1280);
    EXPECT_EQ(screen.bottom, 800);
    EXPECT_EQ(adm->GetScreenDimensions(nullptr), kBadParameterErr);
}

TEST_F(ServicesAdm, BeepsAndDebugOutputAreRecorded) {
    EXPECT_EQ(Beep(9000, 100), 1);
    EXPECT_EQ(Beep(9001, 100), 1);
    EXPECT_EQ(Beep(20, 100), 0); // below what a system beep can sound
    EXPECT_EQ(adm->Beep(), kNoErr);
    const auto& beeps = sim::TheLogs().beeps;
    ASSERT_EQ(beeps.size(), 3u);
    EXPECT_EQ(beeps[0].frequency, 9000u);
    EXPECT_EQ(beeps[0].duration, 100u);
    EXPECT_EQ(beeps[1].frequency, 9001u);
    EXPECT_EQ(beeps[2].frequency, 0u);
    OutputDebugStringA("Warning: Unhandled plugin message: caller \"AI Filter\" selector \"Go\"\n");
    OutputDebugStringA(nullptr);
    EXPECT_EQ(sim::TheLogs().debugOutput,
              std::vector<std::string>{
                  "Warning: Unhandled plugin message: caller \"AI Filter\" selector \"Go\"\n"});
}

TEST_F(ServicesAdm, HeldKeysReadAsWindowsReportsThem) {
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);
    sim::ThePlatform().SetKeyDown(VK_RSHIFT, true);
    EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0); // the high bit: either shift key holds VK_SHIFT down
    EXPECT_EQ(GetAsyncKeyState(VK_RSHIFT), sim::kKeyDownState);
    EXPECT_EQ(GetAsyncKeyState(sim::VK_LSHIFT_CODE), 0);
    sim::ThePlatform().SetKeyDown(VK_RSHIFT, false);
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);
    sim::ThePlatform().SetKeyDown(sim::VK_LMENU_CODE, true);
    EXPECT_NE(GetAsyncKeyState(VK_MENU) & 0x8000, 0);
    EXPECT_EQ(sim::ThePlatform().Modifiers(), aiEventModifiers_optionKey);
    sim::ResetHost();
    EXPECT_EQ(GetAsyncKeyState(VK_MENU), 0);
}

TEST_F(ServicesAdm, UrlOpensOnlyWithABrowser) {
    EXPECT_TRUE(url->IsBrowserAvailable());
    EXPECT_EQ(url->OpenURL("https://www.vektoria.example/tavorine"), kNoErr);
    EXPECT_EQ(url->OpenURL(""), kBadParameterErr);
    sim::ThePlatform().SetBrowserAvailable(false);
    EXPECT_FALSE(url->IsBrowserAvailable());
    EXPECT_NE(url->OpenURL("https://other.example"), kNoErr);
    EXPECT_EQ(sim::TheLogs().urls, std::vector<std::string>{"https://www.vektoria.example/tavorine"});
}

} // namespace
