// AI Runtime: acquired with the other suites; the plug-in uses none of its operations.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

struct AIRuntimeSuite {};
