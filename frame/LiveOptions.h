// The copy of the stored settings into the live option values. The panel owns that copy; start-up installs
// it here so that the settings load fills the live values before the panel exists.
#pragma once

using LiveOptionsLoader = void (*)();

void InstallLiveOptionsLoader(LiveOptionsLoader loader);
// Copies the stored settings into the live values through the installed loader; nothing while none is.
void LoadLiveOptions();
