// The AI Transform Art Suite over the stand-in document.
#include <cmath>

#include "simhost/document/Internal.h"

namespace sim {

namespace {

void Transform(ArtNode& node, const AIRealMatrix& m, AIReal lineScale, int32_t flags) {
    if (node.type == kPathArt) {
        if (flags & kTransformObjects) {
            for (AIPathSegment& s : node.segments) {
                s.p = doc::TransformPoint(m, s.p);
                s.in = doc::TransformPoint(m, s.in);
                s.out = doc::TransformPoint(m, s.out);
            }
            TheDocument().GeometryChanged(&node);
        }
        if (flags & kScaleLines) {
            node.style.stroke.width *= std::fabs(lineScale);
        }
    }
    if (node.type == kTextFrameArt && (flags & kTransformObjects)) {
        node.text.transform = doc::Concatenate(node.text.transform, m);
    }
    for (ArtNode* child : node.children) {
        Transform(*child, m, lineScale, flags);
    }
}

ASErr TransformArt(AIArtHandle art, const AIRealMatrix* matrix, AIReal lineScale, int32_t flags) {
    ArtNode* node = nullptr;
    if (const ASErr error = doc::FindArt(art, matrix, &node); error != kNoErr) {
        return error;
    }
    if (!std::isfinite(lineScale)) {
        return kBadParameterErr;
    }
    Transform(*node, *matrix, lineScale, flags);
    return kNoErr;
}

} // namespace

const AITransformArtSuite& TransformArtSuiteTable() {
    static const AITransformArtSuite table{
        .TransformArt = TransformArt,
    };
    return table;
}

} // namespace sim
