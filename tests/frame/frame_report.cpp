// The frame's report operation: texts from string list 16050, silent codes and the five-second rule.
#include "frame_fixture.h"
#include "resources/ResourceIds.h"

namespace frametest {
namespace {

int64_t gNow = 0;
int64_t TestClock() { return gNow; }

class ReportTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        gNow = 100000;
        gReportState.Clock = TestClock;
        sim::ThePlugin().Startup();
    }
    void TearDown() override { sim::ThePlugin().Shutdown(); }

    static std::vector<std::string> Errors() { return AlertTexts("error"); }
    static void Report(ASErr code) { ReportError(sim::ThePlugin().Ref(), code); }
};

TEST_F(ReportTest, KnownCodesShowTheirTextsFromTheStringList) {
    const struct {
        ASErr Code;
        const char* Text;
    } rows[] = {
        {kOutOfMemoryErr, "Mémoire insuffisante pour terminer l'opération."},
        {kCantHappenErr, "Une erreur imprévue a interrompu l'opération."},
        {kUnhandledMsgErr, "Ce message de l'application n'est pas traité par Vek-Tavorine."},
        {kLockedErr, "L'objet ou le calque est verrouillé."},
        {kStaleHandleErr, "L'objet n'existe plus dans le document."},
        {kNoDocumentErr, "Aucun document n'est ouvert."},
    };
    for (const auto& row : rows) {
        sim::TheLogs().Clear();
        Report(row.Code);
        EXPECT_EQ(Errors(), std::vector<std::string>{row.Text});
    }
}

TEST_F(ReportTest, AnUnknownCodeShowsTheGenericTextWithTheCode) {
    Report(FourCharCode("ABCD"));
    Report(0x01020304);
    Report(-7);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"Une erreur inattendue s'est produite (code ABCD).",
                                                  "Une erreur inattendue s'est produite (code 16909060).",
                                                  "Une erreur inattendue s'est produite (code -7)."}));
}

TEST_F(ReportTest, QuietCodesAreNeverShown) {
    const char* quiet[] = {"FMT?", "RFSE", "AFTR", "VALD", "MOOT", "TRSH", "CHEK", "CHIT",
                           "TLTK", "pFls", "S!Fd", "!Acq", "dsRP", "skpE", "DONE", "STOP"};
    for (const char* code : quiet) {
        const char chars[5] = {code[0], code[1], code[2], code[3], '\0'};
        Report(FourCharCode(chars));
    }
    Report(361);
    Report(kNoErr);
    EXPECT_TRUE(sim::TheLogs().alerts.empty());
}

TEST_F(ReportTest, TheSameCodeAgainWithinFiveSecondsIsNotShown) {
    Report(kOutOfMemoryErr);
    gNow += 4999;
    Report(kOutOfMemoryErr);
    EXPECT_EQ(Errors().size(), 1u);
    gNow += 1;
    Report(kOutOfMemoryErr);
    EXPECT_EQ(Errors().size(), 2u);
    gNow += 10;
    Report(kCantHappenErr);
    Report(kOutOfMemoryErr);
    EXPECT_EQ(Errors().size(), 4u);
}

TEST_F(ReportTest, EveryCodedEntryOfTheListIsFound) {
    const PluginResource* list = sim::ThePlugin().FindResource(kStringListResourceType, kFrameErrorStringsID);
    ASSERT_NE(list, nullptr);
    const auto* entries = static_cast<const char* const*>(list->data);
    for (size_t i = kFirstCodedErrorString - 1; i < list->count; ++i) {
        const std::string entry = entries[i];
        ASSERT_GT(entry.size(), 5u);
        ASSERT_EQ(entry[4], '\t') << entry;
        const char code[5] = {entry[0], entry[1], entry[2], entry[3], '\0'};
        char text[256];
        FindErrorText(sim::ThePlugin().Ref(), FourCharCode(code), text, sizeof text);
        EXPECT_EQ(text, entry.substr(5));
    }
}

TEST_F(ReportTest, TextsAreCutToTheCallersBuffer) {
    char text[10];
    FindErrorText(sim::ThePlugin().Ref(), kOutOfMemoryErr, text, sizeof text);
    EXPECT_STREQ(text, "Mémoire ");
    FindErrorText(sim::ThePlugin().Ref(), FourCharCode("ZZZZ"), text, sizeof text);
    EXPECT_STREQ(text, "Une erreu");
}

TEST(ReportCodes, CodesPrintAsFourCharactersOrAsANumber) {
    char text[16];
    FormatErrorCode(kOutOfMemoryErr, text, sizeof text);
    EXPECT_STREQ(text, "!MEM");
    FormatErrorCode(361, text, sizeof text);
    EXPECT_STREQ(text, "361");
    FormatErrorCode(FourCharCode("DOC?"), text, sizeof text);
    EXPECT_STREQ(text, "DOC?");
}

}  // namespace
}  // namespace frametest
