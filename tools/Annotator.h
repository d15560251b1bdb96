// The plug-in's annotator "VekAnno": the transient feedback of the tools drawn over the artwork.
#pragma once

#include <cstdint>

#include "frame/FramePanel.h"
#include "host/LayerSuite.h"
#include "host/Messages.h"
#include "host/Types.h"

#define kVekAnnotatorName "VekAnno"

// The most pieces a whole-path outline draws.
constexpr int32_t kMaxOutlinePieces = 32000;

// Registers the annotator, inactive; the result of making it inactive.
ASErr AddVekAnnotator(SPPluginRef plugin, AIAnnotatorHandle* annotator);
// Draws the marquee, the texts and the hover markers of the current tool; the status of the last host query.
// The panel, when there is one, follows the hints it shows too.
ASErr DrawToolAnnotations(AIAnnotatorMessage* message, DockedPanel* panel);

// The view point p moved by (dh, dv) pixels, held to the range of a view coordinate at either end.
AIPoint OffsetViewPoint(AIPoint p, int64_t dh, int64_t dv);

// The Smart Guides colour from the host's own preferences, each channel held to 0..1; a preference that cannot
// be read counts as 0.
AIRGBColor SmartGuidesColour(ASErr* status);

// Drawing primitives, each in view pixels converted from artwork points at the draw.
void DrawMarqueeSelection(AIAnnotatorMessage* message);
void DrawPointMarker(AIAnnotatorMessage* message, int32_t inset, AIRealPoint point, const AIRGBColor& colour);
void DrawGuideLine(AIAnnotatorMessage* message, AIRealPoint a, AIRealPoint b, const AIRGBColor& colour,
                   AIReal width);
void DrawPathOutline(AIAnnotatorMessage* message, const AIRGBColor& colour, AIReal width, AIArtHandle path);
void DrawPartialPathOutline(AIAnnotatorMessage* message, const AIRGBColor& colour, AIArtHandle path,
                            int16_t anchorA, int16_t anchorB);
void DrawToolHints(AIAnnotatorMessage* message, const AIRGBColor& colour, DockedPanel* panel);
