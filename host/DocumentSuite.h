// AI Document: the open document.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

struct AIDocumentSuite {
    // The open document (the stand-in always has one).
    ASErr (*GetDocument)(AIDocumentHandle* document);
    // Asks the host to redraw the whole document; the request is recorded, nothing draws re-entrantly.
    ASErr (*RedrawDocument)();
};
