// AI Real Math: points, angles, rectangles and affine matrices in artwork space (v upward, angles
// counter-clockwise in radians). Work is done in double precision; results are the host's float types.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// Operations that write a result answer kBadParameterErr and write nothing when a pointer is null.
// Operations that return a value read a null point as the origin and a null rectangle as empty.
struct AIRealMathSuite {
    AIReal (*AIDegreeToRadian)(AIReal degree);
    AIReal (*AIRadianToDegree)(AIReal radian);

    ASErr (*AIRealPointAdd)(const AIRealPoint* a, const AIRealPoint* b, AIRealPoint* result);
    ASErr (*AIRealPointSubtract)(const AIRealPoint* a, const AIRealPoint* b, AIRealPoint* result);
    // The length of the vector from the origin to `a`.
    AIReal (*AIRealPointLength)(const AIRealPoint* a);
    AIReal (*AIRealPointDistance)(const AIRealPoint* a, const AIRealPoint* b);
    // The direction of the vector `a` (atan2 of v over h), in -pi..pi; 0 for the zero vector.
    AIReal (*AIRealPointAngle)(const AIRealPoint* a);
    // The vector of length `length` in direction `angle`.
    ASErr (*AIRealPointLengthAngle)(AIReal length, AIReal angle, AIRealPoint* result);
    // a + t * (b - a).
    ASErr (*AIRealPointInterpolate)(const AIRealPoint* a, const AIRealPoint* b, AIReal t,
                                    AIRealPoint* result);
    // True when both coordinates differ by no more than `tolerance`.
    AIBoolean (*AIRealPointClose)(const AIRealPoint* a, const AIRealPoint* b, AIReal tolerance);

    // Rectangles may be given with top above or below bottom; both are read as the same area.
    // True when the two rectangles share at least one point (touching edges overlap).
    AIBoolean (*AIRealRectOverlap)(const AIRealRect* a, const AIRealRect* b);
    // True when `inner` lies wholly inside `outer`, edges included.
    AIBoolean (*AIRealRectInRect)(const AIRealRect* outer, const AIRealRect* inner);

    ASErr (*AIRealMatrixSetIdentity)(AIRealMatrix* m);
    ASErr (*AIRealMatrixSetTranslate)(AIRealMatrix* m, AIReal tx, AIReal ty);
    ASErr (*AIRealMatrixSetScale)(AIRealMatrix* m, AIReal h, AIReal v);
    ASErr (*AIRealMatrixSetRotate)(AIRealMatrix* m, AIReal angle);
    // The Concat operations apply the new operation AFTER those already in the matrix.
    ASErr (*AIRealMatrixConcatTranslate)(AIRealMatrix* m, AIReal tx, AIReal ty);
    ASErr (*AIRealMatrixConcatScale)(AIRealMatrix* m, AIReal h, AIReal v);
    ASErr (*AIRealMatrixConcatRotate)(AIRealMatrix* m, AIReal angle);
    // result = `first` followed by `second`; result may alias either operand.
    ASErr (*AIRealMatrixConcat)(const AIRealMatrix* first, const AIRealMatrix* second, AIRealMatrix* result);
    // Inverts in place; a singular matrix answers kBadParameterErr and is left unchanged.
    ASErr (*AIRealMatrixInvert)(AIRealMatrix* m);
    ASErr (*AIRealMatrixXformPoint)(const AIRealMatrix* m, const AIRealPoint* p, AIRealPoint* result);
};
