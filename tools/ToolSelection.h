// The five tools in the host's palette: registration, select, deselect, and the Info panel while tracking.
#pragma once

#include <cstdint>

#include "host/Messages.h"
#include "host/Types.h"
#include "records/ToolState.h"

class DockedPanel;

// Names (and titles) and tips of the tools, in palette order.
constexpr const char* kToolNames[] = {"Outil Segment", "Outil Angle", "Outil Cercle", "Outil Bézier",
                                      "Outil Longueurs & aires"};
constexpr const char* kToolTips[] = {"Outil Segment 13.2", "Outil Angle 13.2", "Outil Cercle 13.2",
                                     "Outil Bézier 13.2", "Outil Longueurs & aires 13.2"};
// The companion tools of the maker's other plug-ins whose group the tools join, tried in order.
constexpr const char* kCompanionToolNames[] = {"Outil Vek-Cotes", "Outil Vek-Traits", "Outil Vek-Flèches"};
// First icon resources of the palette icons and of the rollover icons; tool k takes the resource first + k.
constexpr int32_t kToolIconResource = 1012;
constexpr int32_t kToolRolloverIconResource = 1017;

// Adds the five tools to the palette and creates the measured set; the host error of the last host call.
ASErr AddTools(SPPluginRef plugin);
// The tool number (1 to 5) of a tool handle; anything that is not one of the first four counts as 5.
ToolNumber ToolNumberOf(AIToolHandle tool);
// A tool was selected: resets the click sequence, takes the tool and turns the panel and annotator on.
ASErr SelectTool(const AIToolMessage& message, AIAnnotatorHandle annotator, DockedPanel* panel);
// The tool of the message was deselected: ends its click sequence as a cancel does, turns the panel and
// annotator off and gives the layer back.
ASErr DeselectTool(const AIToolMessage& message, AIAnnotatorHandle annotator, DockedPanel* panel);
// The tip text the Info panel shows for the current tool and the keys held.
const char* ToolTipText(bool altHeld, bool shiftHeld, bool panelVisible);
// Fills the Info panel: the point, the tip text and the value text.
ASErr SetToolTip(const AIToolMessage& message, bool altHeld, bool shiftHeld, bool panelVisible);
