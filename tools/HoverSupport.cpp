#include "tools/HoverSupport.h"

#include "dimension/Links.h"
#include "frame/SuiteTable.h"
#include "host/DocumentViewSuite.h"

bool HasKindMarker(AIArtHandle art, const char* const (&order)[3]) {
    for (const char* marker : order) {
        if (ArtHasTag(art, marker)) return true;
    }
    return false;
}

AIReal TouchViewZoom(ASErr* error) {
    AIDocumentViewHandle view = nullptr;
    AIReal zoom = 0.0f;
    *error = sAIDocumentView->GetNthDocumentView(0, &view);
    if (*error != kNoErr) return 0.0f;
    *error = sAIDocumentView->GetDocumentViewZoom(view, &zoom);
    if (*error != kNoErr) return 0.0f;
    *error = sAIDocumentView->SetDocumentViewZoom(view, zoom);
    return zoom;
}
