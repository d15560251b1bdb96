// The copy of the stored settings into the live option values. One table pairs each setting with the live
// option that holds its value while the plug-in runs, and every copy of a setting into its live option goes
// through it: the launch, the panel's build and reload, a field's or a tracker's reset, a click's copy of
// the creation values and a creation dialog's. The panel owns the launch's copy; start-up installs it here
// so that the settings load fills the live values before the panel exists.
#pragma once

#include <cstdint>

#include "records/CurrentOptions.h"

using LiveOptionsLoader = void (*)();

void InstallLiveOptionsLoader(LiveOptionsLoader loader);
// Copies the stored settings into the live values through the installed loader; nothing while none is.
void LoadLiveOptions();

// The parts of the panel whose live options the launch copies together. The centring of a created segment or
// angle is copied by its creation dialog alone, when the dialog opens: no launch or click copies its section.
enum class LiveSection : int32_t { General, Unit, Segment, Angle, Circle, Bezier, Creation, DialogOnly };

// Copies into the live option the setting paired with it; an option the table does not pair is left as it is.
void LoadLiveOption(double CurrentOptions::*live);
void LoadLiveOption(int32_t CurrentOptions::*live);
// Copies every setting of the section into its live option, in the table's order.
void LoadLiveSection(LiveSection section);
