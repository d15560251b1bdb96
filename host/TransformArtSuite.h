// AI Transform Art: applies an affine matrix to art.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// What a transformation touches.
constexpr int32_t kTransformObjects = 1 << 0; // the geometry: anchors and handles, text placement
constexpr int32_t kScaleLines = 1 << 1;       // stroke widths are multiplied by lineScale

struct AITransformArtSuite {
    // Transforms paths (anchors and handles), groups (everything inside them) and text frames (their
    // transform is followed by the matrix). Without kTransformObjects the geometry is left alone.
    ASErr (*TransformArt)(AIArtHandle art, const AIRealMatrix* matrix, AIReal lineScale, int32_t flags);
};
