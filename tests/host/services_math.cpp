// The real-math and Bézier suites: angles counter-clockwise with v upward, matrices that apply new operations
// after the old ones, Bézier lengths true to the curve.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "host/RealBezierSuite.h"
#include "host/RealMathSuite.h"
#include "services_fake_plugin.h"
#include "simhost/SuiteRegistry.h"

namespace {

constexpr double kPi = std::numbers::pi;
// The handle length of a quarter circle drawn with one cubic, per unit of radius.
constexpr double kQuarterHandle = 0.5522847771644592;

class ServicesMath : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::Connect();
        math = fake::Acquire<AIRealMathSuite>(kAIRealMathSuite, kAIRealMathSuiteVersion);
        bezier = fake::Acquire<AIRealBezierSuite>(kAIRealBezierSuite, kAIRealBezierSuiteVersion);
    }

    AIRealPoint Xform(const AIRealMatrix& m, AIRealPoint p) {
        AIRealPoint out;
        EXPECT_EQ(math->AIRealMatrixXformPoint(&m, &p, &out), kNoErr);
        return out;
    }

    float Length(const AIRealBezier& b, AIReal flatness = 0.0f) {
        AIReal length = -1.0f;
        EXPECT_EQ(bezier->AIRealBezierLength(&b, flatness, &length), kNoErr);
        return length;
    }

    const AIRealMathSuite* math = nullptr;
    const AIRealBezierSuite* bezier = nullptr;
};

// The quarter circle of radius r around the origin from (r, 0) counter-clockwise to (0, r).
AIRealBezier QuarterCircle(double r) {
    const auto f = [](double v) { return static_cast<AIReal>(v); };
    return {{f(r), 0.0f}, {f(r), f(kQuarterHandle * r)}, {f(kQuarterHandle * r), f(r)}, {0.0f, f(r)}};
}

// The length of a cubic by a million chords, as a reference.
double BruteLength(const AIRealBezier& b) {
    auto at = [&](double t) {
        const double u = 1.0 - t;
        return std::pair{
            u * u * u * b.p0.h + 3 * u * u * t * b.p1.h + 3 * u * t * t * b.p2.h + t * t * t * b.p3.h,
            u * u * u * b.p0.v + 3 * u * u * t * b.p1.v + 3 * u * t * t * b.p2.v + t * t * t * b.p3.v};
    };
    constexpr int kSteps = 1000000;
    double length = 0.0;
    auto [x0, y0] = at(0.0);
    for (int i = 1; i <= kSteps; ++i) {
        auto [x, y] = at(static_cast<double>(i) / kSteps);
        length += std::hypot(x - x0, y - y0);
        x0 = x;
        y0 = y;
    }
    return length;
}

#define EXPECT_POINT_NEAR(p, H, V, tol)                                                                      \
    do {                                                                                                     \
        EXPECT_NEAR((p).h, (H), (tol));                                                                      \
        EXPECT_NEAR((p).v, (V), (tol));                                                                      \
    } while (0)

TEST_F(ServicesMath, AnglesAreCounterClockwiseWithVUpward) {
    struct Case {
        AIRealPoint vector;
        double angle;
    };
    for (const Case& c : {Case{{1, 0}, 0.0}, Case{{0, 1}, kPi / 2}, Case{{-1, 0}, kPi},
                          Case{{0, -1}, -kPi / 2}, Case{{1, 1}, kPi / 4}, Case{{0, 0}, 0.0}}) {
        EXPECT_NEAR(math->AIRealPointAngle(&c.vector), c.angle, 1e-6) << c.vector.h << "," << c.vector.v;
    }
    AIRealPoint p;
    ASSERT_EQ(math->AIRealPointLengthAngle(2.0f, static_cast<AIReal>(kPi / 2), &p), kNoErr);
    EXPECT_POINT_NEAR(p, 0.0, 2.0, 1e-6);
    EXPECT_NEAR(math->AIDegreeToRadian(90.0f), kPi / 2, 1e-6);
    EXPECT_NEAR(math->AIRadianToDegree(static_cast<AIReal>(kPi / 4)), 45.0, 1e-4);
}

TEST_F(ServicesMath, PointOperations) {
    const AIRealPoint a{3.0f, 4.0f};
    const AIRealPoint b{-1.0f, 1.0f};
    AIRealPoint r;
    ASSERT_EQ(math->AIRealPointAdd(&a, &b, &r), kNoErr);
    EXPECT_POINT_NEAR(r, 2.0, 5.0, 0.0);
    ASSERT_EQ(math->AIRealPointSubtract(&a, &b, &r), kNoErr);
    EXPECT_POINT_NEAR(r, 4.0, 3.0, 0.0);
    EXPECT_EQ(math->AIRealPointLength(&a), 5.0f);
    EXPECT_EQ(math->AIRealPointDistance(&a, &b), 5.0f);
    ASSERT_EQ(math->AIRealPointInterpolate(&a, &b, 0.25f, &r), kNoErr);
    EXPECT_POINT_NEAR(r, 2.0, 3.25, 1e-6);
    const AIRealPoint near{3.5f, 3.5f};
    EXPECT_TRUE(math->AIRealPointClose(&a, &near, 0.5f)); // the tolerance is inclusive
    EXPECT_FALSE(math->AIRealPointClose(&a, &near, 0.49f));
    EXPECT_EQ(math->AIRealPointAdd(&a, nullptr, &r), kBadParameterErr);
    EXPECT_EQ(math->AIRealPointLengthAngle(1.0f, 0.0f, nullptr), kBadParameterErr);
}

TEST_F(ServicesMath, RectanglesAreReadWhicheverWayTheyAreGiven) {
    const AIRealRect marquee{0.0f, 100.0f, 100.0f, 0.0f}; // top above bottom, v upward
    const AIRealRect inside{10.0f, 20.0f, 20.0f, 90.0f};  // given bottom-up
    const AIRealRect straddling{90.0f, 50.0f, 150.0f, 40.0f};
    const AIRealRect touching{100.0f, 10.0f, 120.0f, 0.0f};
    const AIRealRect apart{101.0f, 10.0f, 120.0f, 0.0f};
    EXPECT_TRUE(math->AIRealRectInRect(&marquee, &inside));
    EXPECT_FALSE(math->AIRealRectInRect(&marquee, &straddling));
    EXPECT_TRUE(math->AIRealRectOverlap(&marquee, &straddling));
    EXPECT_TRUE(math->AIRealRectOverlap(&marquee, &touching));
    EXPECT_FALSE(math->AIRealRectOverlap(&marquee, &apart));
    EXPECT_FALSE(math->AIRealRectOverlap(&marquee, nullptr));
}

TEST_F(ServicesMath, ConcatAppliesTheNewOperationAfterTheOldOnes) {
    AIRealMatrix m;
    ASSERT_EQ(math->AIRealMatrixSetTranslate(&m, 10.0f, 0.0f), kNoErr);
    ASSERT_EQ(math->AIRealMatrixConcatRotate(&m, static_cast<AIReal>(kPi / 2)), kNoErr);
    // Translated to (11, 0) first, then turned a quarter counter-clockwise about the origin.
    EXPECT_POINT_NEAR(Xform(m, {1.0f, 0.0f}), 0.0, 11.0, 1e-5);
    ASSERT_EQ(math->AIRealMatrixConcatScale(&m, 2.0f, 3.0f), kNoErr);
    EXPECT_POINT_NEAR(Xform(m, {1.0f, 0.0f}), 0.0, 33.0, 1e-5);
    ASSERT_EQ(math->AIRealMatrixConcatTranslate(&m, -5.0f, 1.0f), kNoErr);
    EXPECT_POINT_NEAR(Xform(m, {1.0f, 0.0f}), -5.0, 34.0, 1e-5);

    AIRealMatrix translate, scale, both;
    math->AIRealMatrixSetTranslate(&translate, 10.0f, 0.0f);
    math->AIRealMatrixSetScale(&scale, 2.0f, 2.0f);
    ASSERT_EQ(math->AIRealMatrixConcat(&translate, &scale, &both), kNoErr);
    EXPECT_POINT_NEAR(Xform(both, {1.0f, 0.0f}), 22.0, 0.0, 0.0);
    ASSERT_EQ(math->AIRealMatrixConcat(&scale, &translate, &scale), kNoErr); // the result may alias
    EXPECT_POINT_NEAR(Xform(scale, {1.0f, 0.0f}), 12.0, 0.0, 0.0);
}

TEST_F(ServicesMath, InverseUndoesAndSingularMatricesAreRefused) {
    AIRealMatrix m;
    math->AIRealMatrixSetRotate(&m, 0.7f);
    math->AIRealMatrixConcatScale(&m, 2.0f, -0.5f);
    math->AIRealMatrixConcatTranslate(&m, 3.0f, -8.0f);
    AIRealMatrix inverse = m;
    ASSERT_EQ(math->AIRealMatrixInvert(&inverse), kNoErr);
    const AIRealPoint p{12.5f, -4.0f};
    EXPECT_POINT_NEAR(Xform(inverse, Xform(m, p)), 12.5, -4.0, 1e-4);
    AIRealMatrix flat;
    math->AIRealMatrixSetScale(&flat, 3.0f, 0.0f);
    const AIRealMatrix before = flat;
    EXPECT_EQ(math->AIRealMatrixInvert(&flat), kBadParameterErr);
    EXPECT_EQ(flat.a, before.a);
    EXPECT_EQ(flat.d, before.d);
    math->AIRealMatrixSetIdentity(&flat);
    EXPECT_POINT_NEAR(Xform(flat, p), 12.5, -4.0, 0.0);
}

TEST_F(ServicesMath, QuarterCircleMeasuresAQuarterOfItsCircumference) {
    for (double r : {0.5, 1.0, 7.0, 28.346457, 100.0, 1000.0, 5000.0}) {
        for (AIReal flatness : {0.0f, 0.01f, 0.001f}) {
            EXPECT_NEAR(Length(QuarterCircle(r), flatness), kPi * r / 2, 1e-3 * r)
                << "r " << r << " f " << flatness;
        }
    }
}

TEST_F(ServicesMath, StraightSegmentsMeasureExactly) {
    AIRealBezier b;
    const AIRealPoint a{0.0f, 0.0f}, c{3.0f, 4.0f};
    ASSERT_EQ(bezier->AIRealPointsToBezier(&a, &c, &b), kNoErr);
    EXPECT_POINT_NEAR(b.p1, 1.0, 4.0 / 3.0, 1e-6);
    EXPECT_POINT_NEAR(b.p2, 2.0, 8.0 / 3.0, 1e-6);
    EXPECT_EQ(Length(b), 5.0f);
    const AIRealPoint left{-50.0f, 20.0f}, right{50.0f, 20.0f};
    ASSERT_EQ(bezier->AIRealBezierSet(&b, &left, &left, &right, &right), kNoErr); // handles on their anchors
    EXPECT_EQ(Length(b), 100.0f);
    ASSERT_EQ(bezier->AIRealBezierSet(&b, &left, &left, &left, &left), kNoErr);
    EXPECT_EQ(Length(b), 0.0f);
}

// A host answers lengths well under what a label shows, whatever flatness the caller passes.
TEST_F(ServicesMath, CurvesMeasureTrueToARelativeTenMillionth) {
    const AIRealBezier curves[] = {
        {{0, 0}, {30, 0}, {-20, 0}, {10, 0}},         // straight, doubling back on itself
        {{0, 0}, {100, 100}, {0, 100}, {100, 0}},     // crossing its own chord: a loop
        {{0, 0}, {50, 80}, {50, -80}, {100, 0}},      // an S
        {{0, 0}, {100, 50}, {0, 50}, {100, 0}},       // a cusp
        {{10, 10}, {120, 90}, {-40, 90}, {70, 10}},   // a wide loop
        {{0, 0}, {0, 0}, {0.001f, 0}, {1e4f, 3e3f}},  // all its bend in a thousandth of a point
    };
    for (const AIRealBezier& b : curves) {
        const double reference = BruteLength(b);
        for (AIReal flatness : {0.0f, 0.01f, 1.0f, 50.0f})
            EXPECT_NEAR(Length(b, flatness), reference, 1e-7 * reference) << b.p1.h << "," << b.p1.v << " f " << flatness;
    }
}

TEST_F(ServicesMath, EvaluateTangentNormalAndCurvature) {
    const double r = 100.0;
    const AIRealBezier q = QuarterCircle(r);
    AIRealPoint p;
    ASSERT_EQ(bezier->AIRealBezierEvaluate(&q, 0.5f, &p), kNoErr);
    EXPECT_POINT_NEAR(p, r * std::sqrt(0.5), r * std::sqrt(0.5), 3e-4 * r);
    ASSERT_EQ(bezier->AIRealBezierEvaluate(&q, -1.0f, &p), kNoErr); // clamped to the ends
    EXPECT_POINT_NEAR(p, r, 0.0, 0.0);
    ASSERT_EQ(bezier->AIRealBezierEvaluate(&q, 2.0f, &p), kNoErr);
    EXPECT_POINT_NEAR(p, 0.0, r, 0.0);
    ASSERT_EQ(bezier->AIRealBezierTangent(&q, 0.0f, &p), kNoErr);
    EXPECT_POINT_NEAR(p, 0.0, 1.0, 1e-6);
    // The normal is to the left of travel: towards the centre of a counter-clockwise arc.
    ASSERT_EQ(bezier->AIRealBezierNormal(&q, 0.0f, &p), kNoErr);
    EXPECT_POINT_NEAR(p, -1.0, 0.0, 1e-6);
    ASSERT_EQ(bezier->AIRealBezierNormal(&q, 0.5f, &p), kNoErr);
    EXPECT_POINT_NEAR(p, -std::sqrt(0.5), -std::sqrt(0.5), 1e-5);
    AIReal curvature = 0.0f;
    ASSERT_EQ(bezier->AIRealBezierCurvature(&q, 0.5f, &curvature), kNoErr);
    EXPECT_NEAR(curvature, 1.0 / r, 0.01 / r);
}

TEST_F(ServicesMath, DirectionWhereAHandleSitsOnItsAnchor) {
    const AIRealBezier b{{0, 0}, {0, 0}, {10, 10}, {20, 0}};
    AIRealPoint tangent;
    ASSERT_EQ(bezier->AIRealBezierTangent(&b, 0.0f, &tangent), kNoErr);
    EXPECT_POINT_NEAR(tangent, std::sqrt(0.5), std::sqrt(0.5), 1e-3);
    const AIRealBezier dot{{5, 5}, {5, 5}, {5, 5}, {5, 5}};
    tangent = {9.0f, 9.0f};
    EXPECT_EQ(bezier->AIRealBezierNormal(&dot, 0.3f, &tangent), kBadParameterErr);
    EXPECT_POINT_NEAR(tangent, 0.0, 0.0, 0.0);
    AIReal curvature = 9.0f;
    ASSERT_EQ(bezier->AIRealBezierCurvature(&dot, 0.3f, &curvature), kNoErr);
    EXPECT_EQ(curvature, 0.0f);
}

TEST_F(ServicesMath, DivideGivesTwoHalvesThatMeetOnTheCurve) {
    const AIRealBezier q = QuarterCircle(50.0);
    AIRealBezier first, second;
    ASSERT_EQ(bezier->AIRealBezierDivide(&q, 0.3f, &first, &second), kNoErr);
    AIRealPoint at;
    bezier->AIRealBezierEvaluate(&q, 0.3f, &at);
    EXPECT_POINT_NEAR(first.p3, at.h, at.v, 1e-4);
    EXPECT_POINT_NEAR(second.p0, at.h, at.v, 1e-4);
    EXPECT_POINT_NEAR(first.p0, q.p0.h, q.p0.v, 0.0);
    EXPECT_POINT_NEAR(second.p3, q.p3.h, q.p3.v, 0.0);
    EXPECT_NEAR(Length(first) + Length(second), Length(q), 1e-3);
    EXPECT_EQ(bezier->AIRealBezierDivide(&q, 0.5f, nullptr, &second), kNoErr);
    EXPECT_EQ(bezier->AIRealBezierDivide(nullptr, 0.5f, &first, &second), kBadParameterErr);
}

TEST_F(ServicesMath, ParameterAtALength) {
    AIRealBezier line;
    const AIRealPoint a{0.0f, 0.0f}, b{100.0f, 0.0f};
    bezier->AIRealPointsToBezier(&a, &b, &line);
    struct Case {
        AIReal length;
        double t;
    };
    for (const Case& c :
         {Case{25.0f, 0.25}, Case{0.0f, 0.0}, Case{-3.0f, 0.0}, Case{100.0f, 1.0}, Case{250.0f, 1.0}}) {
        AIReal t = -1.0f;
        ASSERT_EQ(bezier->AIRealBezierTAtLength(&line, c.length, 0.0f, &t), kNoErr);
        EXPECT_NEAR(t, c.t, 1e-5) << c.length;
    }
    const AIRealBezier q = QuarterCircle(10.0);
    AIReal t = 0.0f;
    ASSERT_EQ(bezier->AIRealBezierTAtLength(&q, Length(q) / 2, 0.0f, &t), kNoErr);
    EXPECT_NEAR(t, 0.5, 1e-3); // the quarter circle is symmetric
    // A straight segment whose handles lie on its anchors runs slowly near its ends: the parameter found must
    // still put the point at the length asked.
    const AIRealBezier eased{{0, 0}, {0, 0}, {100, 0}, {100, 0}};
    for (const AIReal length : {2.0f, 9.0f, 50.0f, 97.0f}) {
        ASSERT_EQ(bezier->AIRealBezierTAtLength(&eased, length, 0.0f, &t), kNoErr);
        AIRealPoint p;
        ASSERT_EQ(bezier->AIRealBezierEvaluate(&eased, t, &p), kNoErr);
        EXPECT_NEAR(p.h, length, 1e-3) << length;
    }
}

TEST_F(ServicesMath, BezierRefusesNullAndNonFiniteInput) {
    AIReal length = 0.0f;
    EXPECT_EQ(bezier->AIRealBezierLength(nullptr, 0.0f, &length), kBadParameterErr);
    const AIRealBezier broken{{0, 0}, {NAN, 0}, {1, 1}, {2, 2}};
    EXPECT_EQ(bezier->AIRealBezierLength(&broken, 0.0f, &length), kBadParameterErr);
    AIRealPoint p;
    EXPECT_EQ(bezier->AIRealBezierEvaluate(nullptr, 0.5f, &p), kBadParameterErr);
    EXPECT_EQ(bezier->AIRealBezierSet(nullptr, &p, &p, &p, &p), kBadParameterErr);
}

} // namespace
