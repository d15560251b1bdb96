// The builders of the items every page shares, of the Segment tool's options and of the font items.
#pragma once

#include "host/ADMTypes.h"

// The cover, the reload and web-page buttons, the end-mark shapes, line width, end size, arrows or points,
// decimals, free text, tolerance and the area text, with the live values they show.
void MakeMainPanelItems(ADMDialogRef dialog);
// Side ties, series, text orientation and position, line inversion and arrow direction of linear dimensions.
void MakeSegmentDimensionItems(ADMDialogRef dialog);
// The font list, the text size and the text colour.
void MakeFontItems(ADMDialogRef dialog);
