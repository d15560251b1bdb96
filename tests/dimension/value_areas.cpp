// Area texts: the square unit of the live unit (or of the stored unit), the scale squared except for points.
#include <ostream>

#include "case_name.h"
#include "value_fixture.h"

using valuetest::ValueTextTest;

namespace {

struct AreaCase {
    const char* what;
    int32_t unit;
    int32_t storedUnit;
    int32_t decimals;
    double scale;
    float area;
    const char* expected;
};

// 5184 square points is one square inch.
const AreaCase kAreaCases[] = {
    {"mm", 0, 0, 0, 1.0, 5184.0f, "645 mm2"},
    {"mm at scale 2", 0, 0, 2, 2.0, 5184.0f, "161,29 mm2"},
    {"cm", 1, 0, 2, 1.0, 5184.0f, "6,45 cm2"},
    {"decimal inches", 2, 0, 0, 1.0, 5184.0f, "1 po2"},
    {"fractional inches at scale 2", 3, 0, 2, 2.0, 5184.0f, "0,25 po2"},
    {"feet and inches", 4, 0, 1, 1.0, 10368.0f, "2,0 po2"},
    {"points", 5, 0, 0, 1.0, 5184.0f, "5184 pt2"},
    {"points ignore the scale", 5, 0, 0, 3.0, 5184.0f, "5184 pt2"},
    {"picas", 6, 0, 0, 1.0, 5184.0f, "36 pc2"},
    {"picas at scale 2", 6, 0, 0, 2.0, 5184.0f, "9 pc2"},
    {"metres", 7, 0, 6, 1.0, 5184.0f, "0,000645 m2"},
    {"no value takes the stored cm", 8, 1, 2, 1.0, 5184.0f, "6,45 cm2"},
    {"free text takes the stored points", 9, 5, 0, 2.0, 5184.0f, "5184 pt2"},
    {"stored unit without a unit", 8, 9, 0, 1.0, 5184.0f, "5184"},
    {"zero scale never divides", 0, 0, 0, 0.0, 5184.0f, "645 mm2"},
    {"negative area", 0, 0, 0, 1.0, -5184.0f, "645 mm2"},
};

void PrintTo(const AreaCase& c, std::ostream* out) { *out << c.what << " -> \"" << c.expected << '"'; }

class AreaTable : public ValueTextTest, public ::testing::WithParamInterface<AreaCase> {};

}  // namespace

TEST_P(AreaTable, WritesTheAreaInTheSquareUnit) {
    const AreaCase& c = GetParam();
    gCurrentOptions.Unit = c.unit;
    gSettings.Unit = c.storedUnit;
    gCurrentOptions.Decimals = c.decimals;
    gSettings.ScaleRatio = c.scale;
    gCurrentOptions.ShowUnit = 0;
    EXPECT_EQ(FormatAreaText(nullptr, c.area, 0), 1);
    EXPECT_EQ(Area(), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(EveryUnit, AreaTable, ::testing::ValuesIn(kAreaCases),
                         [](const ::testing::TestParamInfo<AreaCase>& info) {
                             return CaseName(info.param.what);
                         });

TEST_F(ValueTextTest, AreaRequiringAClosedPathWithoutAPathWritesNothing) {
    FormatAreaText(nullptr, 5184.0f, 0);
    ASSERT_EQ(Area(), "645 mm2");
    AIArtHandle none = nullptr;
    EXPECT_EQ(FormatAreaText(&none, 100.0f, 1), 0);
    EXPECT_EQ(FormatAreaText(nullptr, 100.0f, 1), 0);
    EXPECT_EQ(Area(), "645 mm2");
}

TEST_F(ValueTextTest, AreaTextsTakeNoDecorations) {
    gSettings.PrefixSuffixOn = 1;
    gValueFormat.ToleranceOn = 1;
    FormatAreaText(nullptr, 5184.0f, 0);
    EXPECT_EQ(Area(), "645 mm2");
}
