// The suite registry behind SP Basic: use counts, unknown suites, withdrawal, blank tables, memory blocks.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "host/PreferenceSuite.h"
#include "host/RealMathSuite.h"
#include "host/SPBlocksSuite.h"
#include "host/Suites.h"
#include "services_fake_plugin.h"
#include "simhost/SuiteRegistry.h"

namespace {

// Every (name, version) that host/Suites.h declares.
std::vector<std::pair<std::string, int32_t>> DeclaredSuites() {
    std::ifstream in(std::string(TAVORINE_SOURCE_DIR) + "/host/Suites.h");
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    std::map<std::string, std::string> names;
    const std::regex nameLine(R"re(#define (k\w+) "([^"]+)")re");
    for (std::sregex_iterator it(source.begin(), source.end(), nameLine), end; it != end; ++it) {
        names[(*it)[1]] = (*it)[2];
    }
    std::vector<std::pair<std::string, int32_t>> suites;
    const std::regex versionLine(R"re(constexpr int32_t (k\w+)Version\d* = (\d+);)re");
    for (std::sregex_iterator it(source.begin(), source.end(), versionLine), end; it != end; ++it) {
        suites.push_back({names.at((*it)[1]), std::stoi((*it)[2])});
    }
    return suites;
}

class ServicesSuites : public ::testing::Test {
  protected:
    void SetUp() override { fake::Connect(); }
    SPBasicSuite* basic = sim::TheBasicSuite();
};

TEST_F(ServicesSuites, AcquireAndReleaseCountUses) {
    const void* first = nullptr;
    const void* second = nullptr;
    ASSERT_EQ(basic->AcquireSuite(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &first), kNoErr);
    ASSERT_EQ(basic->AcquireSuite(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &second), kNoErr);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(sim::TheSuites().UseCount(kAIPreferenceSuite, kAIPreferenceSuiteVersion), 2);
    EXPECT_EQ(basic->ReleaseSuite(kAIPreferenceSuite, kAIPreferenceSuiteVersion), kNoErr);
    EXPECT_EQ(basic->ReleaseSuite(kAIPreferenceSuite, kAIPreferenceSuiteVersion), kNoErr);
    EXPECT_EQ(sim::TheSuites().UseCount(kAIPreferenceSuite, kAIPreferenceSuiteVersion), 0);
    EXPECT_EQ(basic->ReleaseSuite(kAIPreferenceSuite, kAIPreferenceSuiteVersion), kBadParameterErr);
    EXPECT_EQ(sim::TheSuites().UseCount(kAIPreferenceSuite, kAIPreferenceSuiteVersion), 0);
}

TEST_F(ServicesSuites, UnknownNameOrVersionFailsWithNullTable) {
    struct Case {
        const char* name;
        int32_t version;
    };
    for (const Case& c :
         {Case{"AI No Such Suite", 1}, Case{kAIPreferenceSuite, kAIPreferenceSuiteVersion + 1},
          Case{kAIToolSuite, 0}, Case{nullptr, 1}}) {
        const void* suite = &c;
        EXPECT_EQ(basic->AcquireSuite(c.name, c.version, &suite), kSuiteNotFoundErr)
            << (c.name ? c.name : "null");
        EXPECT_EQ(suite, nullptr);
        EXPECT_EQ(basic->ReleaseSuite(c.name, c.version), kSuiteNotFoundErr);
    }
    EXPECT_EQ(sim::TheSuites().TotalUseCount(), 0);
}

TEST_F(ServicesSuites, WithdrawnSuiteCannotBeAcquiredUntilRestored) {
    const void* suite = nullptr;
    ASSERT_EQ(basic->AcquireSuite(kAIToolSuite, kAIToolSuiteVersion, &suite), kNoErr);
    sim::TheSuites().Withdraw(kAIToolSuite, kAIToolSuiteVersion);
    const void* again = &suite;
    EXPECT_EQ(basic->AcquireSuite(kAIToolSuite, kAIToolSuiteVersion, &again), kSuiteNotFoundErr);
    EXPECT_EQ(again, nullptr);
    // A use taken before the withdrawal can still be given back.
    EXPECT_EQ(basic->ReleaseSuite(kAIToolSuite, kAIToolSuiteVersion), kNoErr);
    sim::TheSuites().RestoreAll();
    EXPECT_EQ(basic->AcquireSuite(kAIToolSuite, kAIToolSuiteVersion, &again), kNoErr);
    EXPECT_EQ(again, suite);
}

TEST_F(ServicesSuites, LaterRegistrationReplacesTableAndKeepsCount) {
    // A suite no part of the stand-in implements, so it starts as a blank.
    constexpr const char* kTestSuite = "Tavorine Test Suite";
    constexpr int32_t kTestSuiteVersion = 1;
    sim::TheSuites().RegisterBlank(kTestSuite, kTestSuiteVersion);
    const void* before = nullptr;
    ASSERT_EQ(basic->AcquireSuite(kTestSuite, kTestSuiteVersion, &before), kNoErr);
    EXPECT_TRUE(sim::TheSuites().IsBlank(kTestSuite, kTestSuiteVersion));
    static const int replacement[4] = {};
    sim::TheSuites().Register(kTestSuite, kTestSuiteVersion, replacement);
    EXPECT_FALSE(sim::TheSuites().IsBlank(kTestSuite, kTestSuiteVersion));
    const void* after = nullptr;
    ASSERT_EQ(basic->AcquireSuite(kTestSuite, kTestSuiteVersion, &after), kNoErr);
    EXPECT_EQ(after, replacement);
    EXPECT_EQ(sim::TheSuites().UseCount(kTestSuite, kTestSuiteVersion), 2);
    // A blank never replaces a real table.
    sim::TheSuites().RegisterBlank(kTestSuite, kTestSuiteVersion);
    EXPECT_EQ(sim::TheSuites().Table(kTestSuite, kTestSuiteVersion), replacement);
}

TEST_F(ServicesSuites, EverySuiteOfTheBoundaryCanBeAcquired) {
    const auto declared = DeclaredSuites();
    ASSERT_GE(declared.size(), 54u);
    for (const auto& [name, version] : declared) {
        const void* suite = nullptr;
        EXPECT_EQ(basic->AcquireSuite(name.c_str(), version, &suite), kNoErr) << name << " " << version;
        EXPECT_NE(suite, nullptr) << name;
    }
    EXPECT_EQ(sim::TheSuites().TotalUseCount(), static_cast<int32_t>(declared.size()));
}

TEST_F(ServicesSuites, ServiceSuitesAreRealTablesOthersBlank) {
    for (const auto& [name, version] :
         std::vector<std::pair<std::string, int32_t>>{{kSPAccessSuite, kSPAccessSuiteVersion},
                                                      {kSPPluginsSuite, kSPPluginsSuiteVersion},
                                                      {kAINotifierSuite, kAINotifierSuiteVersion},
                                                      {kAIContextSuite, kAIContextSuiteVersion},
                                                      {kADMBasicSuite, kADMBasicSuiteVersion},
                                                      {kSPBlocksSuite, kSPBlocksSuiteVersion},
                                                      {kAIMenuSuite, kAIMenuSuiteVersion},
                                                      {kAIToolSuite, kAIToolSuiteVersion},
                                                      {kAIURLSuite, kAIURLSuiteVersion},
                                                      {kAIPreferenceSuite, kAIPreferenceSuiteVersion},
                                                      {kAIPluginSuite, kAIPluginSuiteVersion},
                                                      {kAIRuntimeSuite, kAIRuntimeSuiteVersion},
                                                      {kAIRealMathSuite, kAIRealMathSuiteVersion},
                                                      {kAIRealBezierSuite, kAIRealBezierSuiteVersion}}) {
        EXPECT_FALSE(sim::TheSuites().IsBlank(name, version)) << name;
    }
    const auto* math = static_cast<const AIRealMathSuite*>(sim::TheSuites().Table(kAIRealMathSuite, 1));
    ASSERT_NE(math, nullptr);
    EXPECT_FLOAT_EQ(math->AIRadianToDegree(3.14159265f), 180.0f);
}

TEST_F(ServicesSuites, BasicSuiteComparesTokensAndTracksBlocks) {
    EXPECT_TRUE(basic->IsEqual("AI Tool", "AI Tool"));
    EXPECT_FALSE(basic->IsEqual("AI Tool", "AI Tools"));
    EXPECT_FALSE(basic->IsEqual("AI Tool", nullptr));
    void* block = nullptr;
    ASSERT_EQ(basic->AllocateBlock(16, &block), kNoErr);
    ASSERT_NE(block, nullptr);
    std::memset(block, 0x5a, 16);
    void* grown = nullptr;
    ASSERT_EQ(basic->ReallocateBlock(block, 64, &grown), kNoErr);
    EXPECT_EQ(static_cast<unsigned char*>(grown)[15], 0x5a);
    EXPECT_EQ(sim::OutstandingBlocks(), 1u);
    EXPECT_EQ(basic->FreeBlock(grown), kNoErr);
    EXPECT_EQ(basic->FreeBlock(grown), kBadParameterErr); // a second free is refused, not a crash
    int local = 0;
    EXPECT_EQ(basic->FreeBlock(&local), kBadParameterErr);
    void* none = &local;
    EXPECT_EQ(basic->ReallocateBlock(&local, 8, &none), kBadParameterErr);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(sim::OutstandingBlocks(), 0u);
}

// A size the plug-in computed wrongly (a negative count turned unsigned) is refused, never a crash.
TEST_F(ServicesSuites, BlocksTooLargeForTheHostAnswerOutOfMemoryAndKeepWhatWasThere) {
    void* block = &block;
    EXPECT_EQ(basic->AllocateBlock(SIZE_MAX, &block), kOutOfMemoryErr);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(basic->AllocateBlock(sim::kLargestHostBlock + 1, &block), kOutOfMemoryErr);
    ASSERT_EQ(basic->AllocateBlock(4, &block), kNoErr);
    std::memcpy(block, "abc", 4);
    void* grown = &grown;
    EXPECT_EQ(basic->ReallocateBlock(block, SIZE_MAX, &grown), kOutOfMemoryErr);
    EXPECT_EQ(grown, nullptr);
    EXPECT_STREQ(static_cast<const char*>(block), "abc");
    EXPECT_EQ(sim::OutstandingBlocks(), 1u);
    EXPECT_EQ(basic->FreeBlock(block), kNoErr);
    EXPECT_EQ(sim::OutstandingBlocks(), 0u);
}

TEST_F(ServicesSuites, BlocksSuiteSharesTheHostBlocksAndResetFreesThem) {
    const void* table = nullptr;
    ASSERT_EQ(basic->AcquireSuite(kSPBlocksSuite, kSPBlocksSuiteVersion, &table), kNoErr);
    const auto* blocks = static_cast<const SPBlocksSuite*>(table);
    void* block = nullptr;
    ASSERT_EQ(blocks->AllocateBlock(10, "text", &block), kNoErr);
    void* other = nullptr;
    ASSERT_EQ(blocks->AllocateBlock(10, "text", &other), kNoErr);
    EXPECT_EQ(basic->FreeBlock(block), kNoErr);
    EXPECT_EQ(sim::OutstandingBlocks(), 1u);
    sim::ResetHost();
    EXPECT_EQ(sim::OutstandingBlocks(), 0u);
    EXPECT_EQ(sim::TheSuites().TotalUseCount(), 0);
}

TEST_F(ServicesSuites, PluginAcquiresThroughTheBasicSuiteOfItsMessageHeader) {
    fake::OnMessage() = [](const char*, const char* selector, void* message) {
        auto* header = static_cast<SPMessageData*>(message);
        const void* suite = nullptr;
        const std::string which = selector;
        if (which == kSPInterfaceStartupSelector) {
            return header->basic->AcquireSuite(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &suite);
        }
        return header->basic->ReleaseSuite(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
    };
    EXPECT_EQ(sim::ThePlugin().Startup(), kNoErr);
    EXPECT_EQ(sim::TheSuites().UseCount(kAIPreferenceSuite, kAIPreferenceSuiteVersion), 1);
    EXPECT_EQ(sim::ThePlugin().Shutdown(), kNoErr);
    EXPECT_EQ(sim::TheSuites().UseCount(kAIPreferenceSuite, kAIPreferenceSuiteVersion), 0);
}

} // namespace
