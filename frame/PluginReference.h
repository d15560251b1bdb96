// The plug-in's own reference while the plug-in object lives: the modal dialogs run under it, as the panel does.
#pragma once

#include "host/Types.h"

void SetOwnPluginRef(SPPluginRef plugin);
// Null before start-up and after the plug-in object is gone.
SPPluginRef OwnPluginRef();
