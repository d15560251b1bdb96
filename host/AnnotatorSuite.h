// AI Annotator: a plug-in's layer of transient drawing over the artwork, drawn when the host repaints annotations.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// An active annotator receives "AI Annotation"/"AI Draw" with a drawer whenever the host repaints annotations;
// an inactive one receives nothing. Null or unknown annotators answer kBadParameterErr.
struct AIAnnotatorSuite {
    // Registers an annotator of the calling plug-in under `name`; it starts active.
    ASErr (*AddAnnotator)(SPPluginRef self, const char* name, AIAnnotatorHandle* annotator);
    ASErr (*GetAnnotatorName)(AIAnnotatorHandle annotator, const char** name);
    ASErr (*GetAnnotatorActive)(AIAnnotatorHandle annotator, AIBoolean* active);
    ASErr (*SetAnnotatorActive)(AIAnnotatorHandle annotator, AIBoolean active);
    // Asks for an annotation repaint of the rectangle (view coordinates); a null view is the current view.
    ASErr (*InvalAnnotationRect)(AIDocumentViewHandle view, const AIRect* rect);
};
