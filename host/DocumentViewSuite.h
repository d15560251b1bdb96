// AI Document View: the window onto the artwork, its zoom and origin, and conversion between artwork points
// (v upward) and view points (integer pixels, v downward).
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// The view maps artwork point a to view point ((a.h - origin.h) * zoom, (origin.v - a.v) * zoom), rounded to
// the nearest pixel; the origin is the artwork point at the view's top-left corner. A null or unknown view
// answers kBadParameterErr.
struct AIDocumentViewSuite {
    ASErr (*CountDocumentViews)(int32_t* count);
    // View 0 is the document's one view; other indexes answer kIndexOutOfRangeErr.
    ASErr (*GetNthDocumentView)(int32_t index, AIDocumentViewHandle* view);
    ASErr (*GetDocumentViewZoom)(AIDocumentViewHandle view, AIReal* zoom);
    // Sets the zoom (above 0); even an unchanged zoom invalidates the whole view and queues an annotation
    // draw.
    ASErr (*SetDocumentViewZoom)(AIDocumentViewHandle view, AIReal zoom);
    ASErr (*GetDocumentViewOrigin)(AIDocumentViewHandle view, AIRealPoint* origin);
    // Moves the view (a finite artwork point); invalidates the whole view and queues an annotation draw.
    ASErr (*SetDocumentViewOrigin)(AIDocumentViewHandle view, const AIRealPoint* origin);
    // The view's rectangle in view coordinates: (0, 0) to its width and height.
    ASErr (*GetDocumentViewBounds)(AIDocumentViewHandle view, AIRect* bounds);
    ASErr (*ArtworkPointToViewPoint)(AIDocumentViewHandle view, const AIRealPoint* artworkPoint,
                                     AIPoint* viewPoint);
    ASErr (*ViewPointToArtworkPoint)(AIDocumentViewHandle view, const AIPoint* viewPoint,
                                     AIRealPoint* artworkPoint);
    // Records a request to redraw the rectangle (view coordinates).
    ASErr (*SetDocumentViewInvalidRect)(AIDocumentViewHandle view, const AIRect* invalidRect);
};
