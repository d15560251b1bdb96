#include "tools/ToolsState.h"

#include "tools/ClickSupport.h"

void ResetToolsState() { gClickFlags = ClickFlags{}; }
