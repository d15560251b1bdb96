#include "tools/CreationOptions.h"

#include "frame/LiveOptions.h"

void LoadCreationOptions() { LoadLiveSection(LiveSection::Creation); }
