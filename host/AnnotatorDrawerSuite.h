// AI Annotator Drawer: the drawing operations an annotator uses in its draw message, in view coordinates.
#pragma once

#include "host/LayerSuite.h"
#include "host/Suites.h"
#include "host/Types.h"

// One cubic piece of a chain: two control points and the end anchor, in view coordinates.
struct AIAnnotatorBezierPiece {
    AIPoint control1;
    AIPoint control2;
    AIPoint end;
};

// The host's font presets for annotation text.
constexpr int32_t kAIAnnotatorLabelFont = 0;
constexpr int32_t kAIAnnotatorSmallFont = 1;
constexpr int32_t kAIAnnotatorLargeFont = 2;

// The drawer keeps a colour (black at first), a line width (1.0 at first), a dashed flag (off at first) and a
// font preset (0 at first) for the primitives that follow. A null drawer or null argument answers
// kBadParameterErr.
struct AIAnnotatorDrawerSuite {
    ASErr (*SetColor)(AIAnnotatorDrawer drawer, const AIRGBColor* colour);
    ASErr (*GetColor)(AIAnnotatorDrawer drawer, AIRGBColor* colour);
    ASErr (*SetLineWidth)(AIAnnotatorDrawer drawer, AIReal width);
    ASErr (*GetLineWidth)(AIAnnotatorDrawer drawer, AIReal* width);
    ASErr (*SetLineDashed)(AIAnnotatorDrawer drawer, AIBoolean dashed);
    ASErr (*SetFontPreset)(AIAnnotatorDrawer drawer, int32_t preset);
    ASErr (*DrawLine)(AIAnnotatorDrawer drawer, const AIPoint* start, const AIPoint* end);
    ASErr (*DrawRect)(AIAnnotatorDrawer drawer, const AIRect* rect, AIBoolean fill);
    // The ellipse inscribed in the rectangle.
    ASErr (*DrawEllipse)(AIAnnotatorDrawer drawer, const AIRect* rect, AIBoolean fill);
    ASErr (*DrawPolygon)(AIAnnotatorDrawer drawer, const AIPoint* points, int32_t count, AIBoolean fill);
    // One chain of cubic pieces from `start`; a count of 0 draws nothing and succeeds, a negative one answers
    // kBadParameterErr.
    ASErr (*DrawBezierChain)(AIAnnotatorDrawer drawer, const AIPoint* start, const AIAnnotatorBezierPiece* pieces,
                             int32_t count, AIBoolean fill);
    // UTF-8 text whose baseline starts at `origin`.
    ASErr (*DrawText)(AIAnnotatorDrawer drawer, const char* text, const AIPoint* origin);
};
