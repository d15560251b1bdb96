#include "frame/LiveOptions.h"

namespace {
LiveOptionsLoader gLiveOptionsLoader = nullptr;
}

void InstallLiveOptionsLoader(LiveOptionsLoader loader) { gLiveOptionsLoader = loader; }

void LoadLiveOptions() {
    if (gLiveOptionsLoader != nullptr) gLiveOptionsLoader();
}
