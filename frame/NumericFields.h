// A dialog's or the panel's numeric field read as a setting: its value taken as Enter left it, held to the
// setting's range, and its bounds narrowed to that range.
#pragma once

#include <cstdint>

#include "frame/SettingsTable.h"
#include "host/ADMTypes.h"

// A numeric field's value as a real, or as an integer through the checked conversion; `fallback` when the
// field cannot be read or holds no number.
double FieldReal(ADMItemRef item, double fallback);
int32_t FieldInt32(ADMItemRef item, int32_t fallback);
// A numeric field's value as Enter left it: `shown` itself while the field still shows it (Enter with nothing
// typed takes back the value in force, not its text rounded to the decimals shown nor held to the field's
// bounds), else the field's value. A field that shows it again holds it again, so that the next Enter, after a
// change of unit too, takes it back exact.
double KeptFieldValue(ADMItemRef item, double shown);
// The same, a new value held to `range` (a direction taken within its turn); the field then shows the value
// held when it differs from the one typed.
double TakenFieldValue(ADMItemRef item, double shown, const RealRange& range);
// The same with the range of a real setting (an unknown key: no range).
double TakenSettingValue(ADMItemRef item, double shown, const char* key);
// Shows `value` in a whole-number field that holds anything else: a decimal or a number past its bounds typed
// there, once the value in force is known.
void ShowWholeNumber(ADMItemRef item, int32_t value);

// Narrows a numeric field's minimum and maximum to `range` (scaled by `fieldPerStored`, e.g. degrees per
// radian), keeping a tighter bound the field already has, and holds its value within them.
void BoundFieldTo(ADMItemRef item, const RealRange& range, double fieldPerStored = 1.0);
// The same with the range of a setting.
void BoundFieldToSetting(ADMItemRef item, const char* key, double fieldPerStored = 1.0);
