// The creation values that every mouse-down copies from the stored settings into the live ones.
#pragma once

// Every creation value but the two centred flags, which only their dialogs set.
void LoadCreationOptions();
