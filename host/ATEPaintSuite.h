// AIATE Paint: the host's colours as paints of the text engine and back.
#pragma once

#include "host/ATESuites.h"
#include "host/Suites.h"
#include "host/Types.h"

struct AIATEPaintSuite {
    // A new paint of the colour; the caller releases it (ATE ApplicationPaint Suite). Gradients, patterns and
    // unknown kinds answer kBadParameterErr.
    ASErr (*CreateATEApplicationPaint)(const AIColor* color, ApplicationPaintRef* paint);
    ASErr (*GetAIColor)(ApplicationPaintRef paint, AIColor* color);
};
