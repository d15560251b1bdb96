// The stand-in host's point-text frames, and the art suite that measures them.
#include <algorithm>
#include <cmath>

#include "simhost/TextInternal.h"

namespace sim {

namespace {

ASErr NewPointText(int16_t paintOrder, AIArtHandle prep, int16_t orientation, AIRealPoint anchor,
                   AIArtHandle* newTextFrame) {
    if (newTextFrame == nullptr || !std::isfinite(anchor.h) || !std::isfinite(anchor.v)) return kBadParameterErr;
    if (orientation == kVerticalTextOrientation) return kNotImplementedErr;
    if (orientation != kHorizontalTextOrientation) return kBadParameterErr;
    ArtNode* node = nullptr;
    if (const ASErr error = TheDocument().NewArt(kTextFrameArt, paintOrder, prep, &node); error != kNoErr) {
        return error;
    }
    text::StartText(*node);
    node->text.transform.tx = anchor.h;
    node->text.transform.ty = anchor.v;
    *newTextFrame = Document::Handle(node);
    return kNoErr;
}

ASErr GetPointTextAnchor(AIArtHandle textFrame, AIRealPoint* anchor) {
    ArtNode* node = nullptr;
    if (anchor == nullptr) return kBadParameterErr;
    if (const ASErr error = text::FindFrame(textFrame, &node); error != kNoErr) return error;
    *anchor = AIRealPoint{node->text.transform.tx, node->text.transform.ty};
    return kNoErr;
}

ASErr GetTextFrameMatrix(AIArtHandle textFrame, AIRealMatrix* matrix) {
    ArtNode* node = nullptr;
    if (matrix == nullptr) return kBadParameterErr;
    if (const ASErr error = text::FindFrame(textFrame, &node); error != kNoErr) return error;
    *matrix = node->text.transform;
    return kNoErr;
}

// A matrix that places text: finite entries and an inverse.
bool UsableMatrix(const AIRealMatrix& m) {
    for (const AIReal entry : {m.a, m.b, m.c, m.d, m.tx, m.ty}) {
        if (!std::isfinite(entry)) return false;
    }
    return static_cast<double>(m.a) * m.d - static_cast<double>(m.b) * m.c != 0.0;
}

ASErr SetTextFrameMatrix(AIArtHandle textFrame, const AIRealMatrix* matrix) {
    ArtNode* node = nullptr;
    if (matrix == nullptr || !UsableMatrix(*matrix)) return kBadParameterErr;
    if (const ASErr error = text::FindFrame(textFrame, &node); error != kNoErr) return error;
    node->text.transform = *matrix;
    return kNoErr;
}

ASErr GetATETextRange(AIArtHandle textFrame, TextRangeRef* range) {
    ArtNode* node = nullptr;
    if (range == nullptr) return kBadParameterErr;
    if (const ASErr error = text::FindFrame(textFrame, &node); error != kNoErr) return error;
    *range = text::Ranges().Add(text::Range{textFrame, 0, static_cast<int32_t>(node->text.contents.size())});
    return kNoErr;
}

ASErr GetATEStory(AIArtHandle textFrame, StoryRef* story) {
    ArtNode* node = nullptr;
    if (story == nullptr) return kBadParameterErr;
    if (const ASErr error = text::FindFrame(textFrame, &node); error != kNoErr) return error;
    *story = text::Stories().Add(textFrame);
    return kNoErr;
}

// Bounds of a node with text measured by the metrics; false for a node without geometry.
bool MeasuredBounds(AIArtHandle art, AIRealRect* bounds) {
    const ArtNode* node = TheDocument().Art(art);
    if (node->type == kTextFrameArt) return TextFrameBounds(art, bounds);
    if (node->type != kGroupArt) {
        ArtSuiteTable().GetArtBounds(art, bounds);
        return !node->segments.empty();
    }
    bool any = false;
    for (const ArtNode* child : node->children) {
        AIRealRect r;
        if (!MeasuredBounds(Document::Handle(child), &r)) continue;
        if (!any) {
            *bounds = r;
        } else {
            bounds->left = std::min(bounds->left, r.left);
            bounds->right = std::max(bounds->right, r.right);
            bounds->top = std::max(bounds->top, r.top);
            bounds->bottom = std::min(bounds->bottom, r.bottom);
        }
        any = true;
    }
    return any;
}

ASErr GetArtBounds(AIArtHandle art, AIRealRect* bounds) {
    if (art == nullptr || bounds == nullptr || TheDocument().Art(art) == nullptr) {
        return ArtSuiteTable().GetArtBounds(art, bounds);
    }
    if (!MeasuredBounds(art, bounds)) *bounds = AIRealRect();
    return kNoErr;
}

}  // namespace

const AITextFrameSuite& TextFrameSuiteTable() {
    static const AITextFrameSuite suite = {NewPointText,       GetPointTextAnchor, GetTextFrameMatrix,
                                           SetTextFrameMatrix, GetATETextRange,    GetATEStory};
    return suite;
}

const AIArtSuite& TextAwareArtSuiteTable() {
    static const AIArtSuite suite = [] {
        AIArtSuite table = ArtSuiteTable();
        table.GetArtBounds = GetArtBounds;
        return table;
    }();
    return suite;
}

}  // namespace sim
