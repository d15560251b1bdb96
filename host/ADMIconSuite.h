// ADM Icon: icons of the plug-in's resources.
#pragma once

#include "host/ADMTypes.h"
#include "host/Suites.h"

struct ADMIconSuite {
    ASErr (*GetFromResource)(SPPluginRef plugin, int32_t iconID, int32_t iconIndex, ADMIconRef* icon);
    ASErr (*Destroy)(ADMIconRef icon);
    ASErr (*GetResourceID)(ADMIconRef icon, int32_t* iconID);
    ASErr (*GetType)(ADMIconRef icon, int32_t* type);  // one of the icon types of ADMTypes.h
};
