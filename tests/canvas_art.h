// Whether the art of the document lies on the host's canvas: every anchor, handle and label anchor finite and
// within kCanvasReach of the origin.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "frame/CanvasWrites.h"
#include "simhost/Document.h"

namespace canvastest {

inline bool OnCanvas(AIReal x) { return std::isfinite(x) && std::fabs(x) <= kCanvasReach; }
inline bool OnCanvas(AIRealPoint p) { return OnCanvas(p.h) && OnCanvas(p.v); }

// The description of every art of the document that has a coordinate off the canvas.
inline std::vector<std::string> ArtOffTheCanvas() {
    sim::Document& doc = sim::TheDocument();
    std::vector<std::string> off;
    for (AIArtHandle handle : doc.AllArt()) {
        const sim::ArtNode* art = doc.Art(handle);
        if (art == nullptr) continue;
        bool on = art->type != kTextFrameArt || (OnCanvas(art->text.transform.tx) && OnCanvas(art->text.transform.ty));
        for (const AIPathSegment& segment : art->segments)
            on = on && OnCanvas(segment.p) && OnCanvas(segment.in) && OnCanvas(segment.out);
        if (!on) off.push_back(doc.Describe(handle));
    }
    return off;
}

}  // namespace canvastest
