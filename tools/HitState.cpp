#include "tools/HitState.h"

HitState gHitState;
