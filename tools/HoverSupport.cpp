#include "tools/HoverSupport.h"

#include <algorithm>

#include "dimension/Geometry.h"
#include "dimension/Links.h"
#include "frame/SuiteTable.h"
#include "host/DocumentViewSuite.h"
#include "tools/HoverTests.h"

bool HasKindMarker(AIArtHandle art, const char* const (&order)[3]) {
    for (const char* marker : order) {
        if (ArtHasTag(art, marker)) return true;
    }
    return false;
}

namespace {

// The share of a curve's chord within which one of its anchors takes the cursor.
constexpr double kAnchorReachOfChord = 0.25;
// A chord shorter than this joins two anchors at one place.
constexpr double kDegenerateChord = 1e-3;

}  // namespace

AIReal AnchorReach(const AIRealBezier& curve, AIReal tolerance) {
    if (SamePoint(curve.p1, curve.p0) && SamePoint(curve.p2, curve.p3)) return tolerance;
    const double chord = Distance(curve.p0, curve.p3);
    if (chord < kDegenerateChord) return tolerance;
    return static_cast<AIReal>(std::min(static_cast<double>(tolerance), chord * kAnchorReachOfChord));
}

double NearestSampleDistance(const AIRealBezier& curve, AIRealPoint cursor) {
    double nearest = Distance(curve.p0, cursor);
    for (int32_t i = 1; i <= kWalkSamples; ++i) {
        const double t = static_cast<double>(i) / kWalkSamples;
        nearest = std::min(nearest, Distance(BezierPoint(curve, t).ToPoint(), cursor));
    }
    return nearest;
}

AIReal TouchViewZoom(ASErr* error) {
    AIDocumentViewHandle view = nullptr;
    AIReal zoom = 0.0f;
    *error = sAIDocumentView->GetNthDocumentView(0, &view);
    if (*error != kNoErr) return 0.0f;
    *error = sAIDocumentView->GetDocumentViewZoom(view, &zoom);
    if (*error != kNoErr) return 0.0f;
    *error = sAIDocumentView->SetDocumentViewZoom(view, zoom);
    return zoom;
}
