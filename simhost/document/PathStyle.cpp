// The AI Path Style Suite over the stand-in document.
#include <cmath>

#include "simhost/document/Internal.h"

namespace sim {

namespace {

bool ValidColour(const AIColor& c) {
    return c.kind >= kGrayColor && c.kind <= kNoneColor;
}

bool ValidReal(AIReal value) {
    return std::isfinite(value) && value >= 0.0f;
}

// A style the host can draw: known colour kinds, caps and joins, non-negative widths and dashes.
bool ValidStyle(const AIPathStyle& s) {
    const AIStrokeStyle& k = s.stroke;
    if (!ValidColour(s.fill.color) || !ValidColour(k.color) || !ValidReal(k.width) ||
        !ValidReal(k.miterLimit)) {
        return false;
    }
    if (k.cap < kAIButtCap || k.cap > kAIProjectingCap || k.join < kAIMiterJoin || k.join > kAIBevelJoin) {
        return false;
    }
    if (k.dash.length < 0 || k.dash.length > kMaxDashComponents || !std::isfinite(k.dash.offset)) {
        return false;
    }
    for (int16_t i = 0; i < k.dash.length; ++i) {
        if (!ValidReal(k.dash.array[i])) {
            return false;
        }
    }
    return true;
}

ASErr GetPathStyle(AIArtHandle path, AIPathStyle* style) {
    ArtNode* node = nullptr;
    if (const ASErr error = doc::FindPath(path, style, &node); error != kNoErr) {
        return error;
    }
    *style = node->style;
    return kNoErr;
}

ASErr SetPathStyle(AIArtHandle path, const AIPathStyle* style) {
    ArtNode* node = nullptr;
    if (const ASErr error = doc::FindPath(path, style, &node); error != kNoErr) {
        return error;
    }
    if (!ValidStyle(*style)) {
        return kBadParameterErr;
    }
    node->style = *style;
    return kNoErr;
}

ASErr GetCurrentPathStyle(AIPathStyle* style) {
    if (style == nullptr) {
        return kBadParameterErr;
    }
    *style = TheDocument().CurrentPathStyle();
    return kNoErr;
}

ASErr SetCurrentPathStyle(const AIPathStyle* style) {
    if (style == nullptr || !ValidStyle(*style)) {
        return kBadParameterErr;
    }
    TheDocument().CurrentPathStyle() = *style;
    return kNoErr;
}

} // namespace

const AIPathStyleSuite& PathStyleSuiteTable() {
    static const AIPathStyleSuite table{
        .GetPathStyle = GetPathStyle,
        .SetPathStyle = SetPathStyle,
        .GetCurrentPathStyle = GetCurrentPathStyle,
        .SetCurrentPathStyle = SetCurrentPathStyle,
    };
    return table;
}

} // namespace sim
