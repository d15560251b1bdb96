// The real-math suite: double precision inside, the host's float types outside.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "simhost/ServicesGeometry.h"
#include "simhost/ServicesInternal.h"

namespace sim {

namespace {

// The affine matrix in double precision, laid out like AIRealMatrix.
struct Matrix {
    double a = 1.0, b = 0.0, c = 0.0, d = 1.0, tx = 0.0, ty = 0.0;
};

Matrix ToMatrix(const AIRealMatrix& m) {
    return {m.a, m.b, m.c, m.d, m.tx, m.ty};
}

AIRealMatrix ToRealMatrix(const Matrix& m) {
    auto f = [](double v) { return static_cast<AIReal>(v); };
    AIRealMatrix r;
    r.a = f(m.a);
    r.b = f(m.b);
    r.c = f(m.c);
    r.d = f(m.d);
    r.tx = f(m.tx);
    r.ty = f(m.ty);
    return r;
}

// `first` followed by `second`.
Matrix Then(const Matrix& m, const Matrix& n) {
    return {m.a * n.a + m.b * n.c, m.a * n.b + m.b * n.d,          m.c * n.a + m.d * n.c,
            m.c * n.b + m.d * n.d, m.tx * n.a + m.ty * n.c + n.tx, m.tx * n.b + m.ty * n.d + n.ty};
}

Matrix Translation(double tx, double ty) {
    return {1.0, 0.0, 0.0, 1.0, tx, ty};
}
Matrix Scaling(double h, double v) {
    return {h, 0.0, 0.0, v, 0.0, 0.0};
}
Matrix Rotation(double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {c, s, -s, c, 0.0, 0.0};
}

// A rectangle with left <= right and bottom <= top.
struct Box {
    double left, bottom, right, top;
};

Box ToBox(const AIRealRect& r) {
    return {std::min<double>(r.left, r.right), std::min<double>(r.top, r.bottom),
            std::max<double>(r.left, r.right), std::max<double>(r.top, r.bottom)};
}

AIReal DegreeToRadian(AIReal degree) {
    return static_cast<AIReal>(degree * std::numbers::pi / 180.0);
}
AIReal RadianToDegree(AIReal radian) {
    return static_cast<AIReal>(radian * 180.0 / std::numbers::pi);
}

ASErr PointAdd(const AIRealPoint* a, const AIRealPoint* b, AIRealPoint* result) {
    if (a == nullptr || b == nullptr || result == nullptr)
        return kBadParameterErr;
    *result = ToPoint(ToVec(a) + ToVec(b));
    return kNoErr;
}

ASErr PointSubtract(const AIRealPoint* a, const AIRealPoint* b, AIRealPoint* result) {
    if (a == nullptr || b == nullptr || result == nullptr)
        return kBadParameterErr;
    *result = ToPoint(ToVec(a) - ToVec(b));
    return kNoErr;
}

AIReal PointLength(const AIRealPoint* a) {
    return static_cast<AIReal>(Length(ToVec(a)));
}

AIReal PointDistance(const AIRealPoint* a, const AIRealPoint* b) {
    return static_cast<AIReal>(Length(ToVec(b) - ToVec(a)));
}

AIReal PointAngle(const AIRealPoint* a) {
    const Vec v = ToVec(a);
    return (v.x == 0.0 && v.y == 0.0) ? 0.0f : static_cast<AIReal>(std::atan2(v.y, v.x));
}

ASErr PointLengthAngle(AIReal length, AIReal angle, AIRealPoint* result) {
    if (result == nullptr)
        return kBadParameterErr;
    *result = ToPoint(
        {length * std::cos(static_cast<double>(angle)), length * std::sin(static_cast<double>(angle))});
    return kNoErr;
}

ASErr PointInterpolate(const AIRealPoint* a, const AIRealPoint* b, AIReal t, AIRealPoint* result) {
    if (a == nullptr || b == nullptr || result == nullptr)
        return kBadParameterErr;
    *result = ToPoint(ToVec(a) + static_cast<double>(t) * (ToVec(b) - ToVec(a)));
    return kNoErr;
}

AIBoolean PointClose(const AIRealPoint* a, const AIRealPoint* b, AIReal tolerance) {
    const Vec d = ToVec(a) - ToVec(b);
    return (std::fabs(d.x) <= tolerance && std::fabs(d.y) <= tolerance) ? 1 : 0;
}

AIBoolean RectOverlap(const AIRealRect* a, const AIRealRect* b) {
    if (a == nullptr || b == nullptr)
        return 0;
    const Box p = ToBox(*a);
    const Box q = ToBox(*b);
    return (p.left <= q.right && q.left <= p.right && p.bottom <= q.top && q.bottom <= p.top) ? 1 : 0;
}

AIBoolean RectInRect(const AIRealRect* outer, const AIRealRect* inner) {
    if (outer == nullptr || inner == nullptr)
        return 0;
    const Box o = ToBox(*outer);
    const Box i = ToBox(*inner);
    return (o.left <= i.left && i.right <= o.right && o.bottom <= i.bottom && i.top <= o.top) ? 1 : 0;
}

ASErr SetMatrix(AIRealMatrix* m, const Matrix& value) {
    if (m == nullptr)
        return kBadParameterErr;
    *m = ToRealMatrix(value);
    return kNoErr;
}

ASErr ConcatMatrix(AIRealMatrix* m, const Matrix& after) {
    if (m == nullptr)
        return kBadParameterErr;
    *m = ToRealMatrix(Then(ToMatrix(*m), after));
    return kNoErr;
}

ASErr MatrixSetIdentity(AIRealMatrix* m) {
    return SetMatrix(m, Matrix());
}
ASErr MatrixSetTranslate(AIRealMatrix* m, AIReal tx, AIReal ty) {
    return SetMatrix(m, Translation(tx, ty));
}
ASErr MatrixSetScale(AIRealMatrix* m, AIReal h, AIReal v) {
    return SetMatrix(m, Scaling(h, v));
}
ASErr MatrixSetRotate(AIRealMatrix* m, AIReal angle) {
    return SetMatrix(m, Rotation(angle));
}
ASErr MatrixConcatTranslate(AIRealMatrix* m, AIReal tx, AIReal ty) {
    return ConcatMatrix(m, Translation(tx, ty));
}
ASErr MatrixConcatScale(AIRealMatrix* m, AIReal h, AIReal v) {
    return ConcatMatrix(m, Scaling(h, v));
}
ASErr MatrixConcatRotate(AIRealMatrix* m, AIReal angle) {
    return ConcatMatrix(m, Rotation(angle));
}

ASErr MatrixConcat(const AIRealMatrix* first, const AIRealMatrix* second, AIRealMatrix* result) {
    if (first == nullptr || second == nullptr || result == nullptr)
        return kBadParameterErr;
    *result = ToRealMatrix(Then(ToMatrix(*first), ToMatrix(*second)));
    return kNoErr;
}

ASErr MatrixInvert(AIRealMatrix* m) {
    if (m == nullptr)
        return kBadParameterErr;
    const Matrix k = ToMatrix(*m);
    const double det = k.a * k.d - k.b * k.c;
    const double scale = std::max({std::fabs(k.a), std::fabs(k.b), std::fabs(k.c), std::fabs(k.d)});
    // A determinant negligible against the matrix's own size means the matrix flattens the plane.
    constexpr double kSingular = 1e-12;
    if (scale == 0.0 || std::fabs(det) <= kSingular * scale * scale)
        return kBadParameterErr;
    *m = ToRealMatrix({k.d / det, -k.b / det, -k.c / det, k.a / det, (k.c * k.ty - k.d * k.tx) / det,
                       (k.b * k.tx - k.a * k.ty) / det});
    return kNoErr;
}

ASErr MatrixXformPoint(const AIRealMatrix* m, const AIRealPoint* p, AIRealPoint* result) {
    if (m == nullptr || p == nullptr || result == nullptr)
        return kBadParameterErr;
    const Matrix k = ToMatrix(*m);
    const Vec v = ToVec(p);
    *result = ToPoint({k.a * v.x + k.c * v.y + k.tx, k.b * v.x + k.d * v.y + k.ty});
    return kNoErr;
}

} // namespace

const AIRealMathSuite& RealMathSuiteTable() {
    static const AIRealMathSuite suite{
        DegreeToRadian,        RadianToDegree,     PointAdd,           PointSubtract,
        PointLength,           PointDistance,      PointAngle,         PointLengthAngle,
        PointInterpolate,      PointClose,         RectOverlap,        RectInRect,
        MatrixSetIdentity,     MatrixSetTranslate, MatrixSetScale,     MatrixSetRotate,
        MatrixConcatTranslate, MatrixConcatScale,  MatrixConcatRotate, MatrixConcat,
        MatrixInvert,          MatrixXformPoint};
    return suite;
}

} // namespace sim
