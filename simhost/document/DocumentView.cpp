// The AI Document and AI Document View Suites over the stand-in document.
#include <climits>
#include <cmath>

#include "simhost/document/Internal.h"

namespace sim {

namespace {

// The one view of the document behind a handle.
ASErr FindView(AIDocumentViewHandle view, const void* out, ViewState** state) {
    Document& document = TheDocument();
    if (view == nullptr || view != document.ViewHandle() || out == nullptr) {
        return kBadParameterErr;
    }
    *state = &document.View();
    return kNoErr;
}

ASErr GetDocument(AIDocumentHandle* document) {
    if (document == nullptr) {
        return kBadParameterErr;
    }
    *document = TheDocument().DocumentHandle();
    return kNoErr;
}

ASErr RedrawDocument() {
    ++TheDocument().View().documentRedraws;
    return kNoErr;
}

ASErr CountDocumentViews(int32_t* count) {
    if (count == nullptr) {
        return kBadParameterErr;
    }
    *count = 1;
    return kNoErr;
}

ASErr GetNthDocumentView(int32_t index, AIDocumentViewHandle* view) {
    if (view == nullptr) {
        return kBadParameterErr;
    }
    *view = index == 0 ? TheDocument().ViewHandle() : nullptr;
    return index == 0 ? kNoErr : kIndexOutOfRangeErr;
}

ASErr GetDocumentViewZoom(AIDocumentViewHandle view, AIReal* zoom) {
    ViewState* state = nullptr;
    if (const ASErr error = FindView(view, zoom, &state); error != kNoErr) {
        return error;
    }
    *zoom = state->zoom;
    return kNoErr;
}

ASErr SetDocumentViewZoom(AIDocumentViewHandle view, AIReal zoom) {
    ViewState* state = nullptr;
    if (const ASErr error = FindView(view, &zoom, &state); error != kNoErr) {
        return error;
    }
    if (!std::isfinite(zoom) || zoom <= 0.0f) {
        return kBadParameterErr;
    }
    state->zoom = zoom;
    TheDocument().InvalidateView();
    return kNoErr;
}

ASErr GetDocumentViewOrigin(AIDocumentViewHandle view, AIRealPoint* origin) {
    ViewState* state = nullptr;
    if (const ASErr error = FindView(view, origin, &state); error != kNoErr) {
        return error;
    }
    *origin = state->origin;
    return kNoErr;
}

ASErr SetDocumentViewOrigin(AIDocumentViewHandle view, const AIRealPoint* origin) {
    ViewState* state = nullptr;
    if (const ASErr error = FindView(view, origin, &state); error != kNoErr) {
        return error;
    }
    if (!std::isfinite(origin->h) || !std::isfinite(origin->v)) {
        return kBadParameterErr;
    }
    state->origin = *origin;
    TheDocument().InvalidateView();
    return kNoErr;
}

ASErr GetDocumentViewBounds(AIDocumentViewHandle view, AIRect* bounds) {
    ViewState* state = nullptr;
    if (const ASErr error = FindView(view, bounds, &state); error != kNoErr) {
        return error;
    }
    *bounds = state->bounds;
    return kNoErr;
}

// A view coordinate in whole pixels; beyond what a view point holds it stays at the nearest end (NaN reads 0).
int32_t ViewCoordinate(double pixels) {
    if (std::isnan(pixels)) return 0;
    if (pixels >= static_cast<double>(INT32_MAX)) return INT32_MAX;
    if (pixels <= static_cast<double>(INT32_MIN)) return INT32_MIN;
    return static_cast<int32_t>(std::lround(pixels));
}

ASErr ArtworkPointToViewPoint(AIDocumentViewHandle view, const AIRealPoint* artworkPoint,
                              AIPoint* viewPoint) {
    ViewState* state = nullptr;
    if (const ASErr error = FindView(view, artworkPoint, &state); error != kNoErr || viewPoint == nullptr) {
        return error != kNoErr ? error : kBadParameterErr;
    }
    const double zoom = state->zoom;
    viewPoint->h = ViewCoordinate((static_cast<double>(artworkPoint->h) - state->origin.h) * zoom);
    viewPoint->v = ViewCoordinate((static_cast<double>(state->origin.v) - artworkPoint->v) * zoom);
    return kNoErr;
}

ASErr ViewPointToArtworkPoint(AIDocumentViewHandle view, const AIPoint* viewPoint,
                              AIRealPoint* artworkPoint) {
    ViewState* state = nullptr;
    if (const ASErr error = FindView(view, viewPoint, &state); error != kNoErr || artworkPoint == nullptr) {
        return error != kNoErr ? error : kBadParameterErr;
    }
    const double zoom = state->zoom;
    artworkPoint->h = static_cast<AIReal>(state->origin.h + viewPoint->h / zoom);
    artworkPoint->v = static_cast<AIReal>(state->origin.v - viewPoint->v / zoom);
    return kNoErr;
}

ASErr SetDocumentViewInvalidRect(AIDocumentViewHandle view, const AIRect* invalidRect) {
    ViewState* state = nullptr;
    if (const ASErr error = FindView(view, invalidRect, &state); error != kNoErr) {
        return error;
    }
    state->invalidRects.push_back(*invalidRect);
    ++state->annotationDrawsQueued;
    return kNoErr;
}

} // namespace

const AIDocumentSuite& DocumentSuiteTable() {
    static const AIDocumentSuite table{
        .GetDocument = GetDocument,
        .RedrawDocument = RedrawDocument,
    };
    return table;
}

const AIDocumentViewSuite& DocumentViewSuiteTable() {
    static const AIDocumentViewSuite table{
        .CountDocumentViews = CountDocumentViews,
        .GetNthDocumentView = GetNthDocumentView,
        .GetDocumentViewZoom = GetDocumentViewZoom,
        .SetDocumentViewZoom = SetDocumentViewZoom,
        .GetDocumentViewOrigin = GetDocumentViewOrigin,
        .SetDocumentViewOrigin = SetDocumentViewOrigin,
        .GetDocumentViewBounds = GetDocumentViewBounds,
        .ArtworkPointToViewPoint = ArtworkPointToViewPoint,
        .ViewPointToArtworkPoint = ViewPointToArtworkPoint,
        .SetDocumentViewInvalidRect = SetDocumentViewInvalidRect,
    };
    return table;
}

} // namespace sim
