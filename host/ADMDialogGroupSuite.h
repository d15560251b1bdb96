// ADM Dialog Group: docking palettes into groups.
#pragma once

#include "host/ADMTypes.h"
#include "host/Suites.h"

struct ADMDialogGroupSuite {
    ASErr (*SetDialogGroupInfo)(ADMDialogRef dialog, const char* groupName, int32_t positionCode);
    // The group name, at most maxLen - 1 characters, and the position code.
    ASErr (*GetDialogGroupInfo)(ADMDialogRef dialog, char* groupName, int32_t maxLen, int32_t* positionCode);
};
