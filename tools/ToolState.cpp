#include "tools/ToolState.h"

ToolState gToolState;
