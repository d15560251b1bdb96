// A dialog of the stand-in's dialog manager drawn as a user sees it, as SVG.
#pragma once

#include <string>

#include "host/ADMTypes.h"

namespace sim {
struct ItemData;
}

namespace driver {

// Has the dialog and each of its visible items draw themselves (their draw procedures record what they draw),
// then writes the dialog: its title, every visible item in its rectangle looking like its type (a field with
// its text, a popup with its chosen entry, a box or button with its check state, pictures by id), disabled
// items greyed, and what each draw procedure drew. Items outside the dialog's bounds are cut off.
std::string DialogSvg(ADMDialogRef dialog);

// The entries of an item's list with the ids a script chooses them by: `entries: 0 "mm", 1 "cm"`, a disabled
// one marked; empty for an item without entries. Separators are left out: nothing chooses them.
std::string EntriesText(const sim::ItemData& item);

// The colour a pixel character of a plug-in image stands for ("#000000"), or "" for a transparent one.
std::string PixelColour(char pixel);

} // namespace driver
