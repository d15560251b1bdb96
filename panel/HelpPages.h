// The panel's help: 36 pages shown one at a time, with next and previous buttons and the page number.
#pragma once

#include <cstdint>

#include "host/ADMTypes.h"

constexpr int16_t kHelpPageTotal = 36;
// The text of each page, page 1 first.
extern const char* const kHelpTexts[kHelpPageTotal];

// Makes the help items 74 to 79 on the panel, the text filled right after item 74.
void MakeHelpItems(ADMDialogRef dialog);
// Shows the text of HelpPage in item 74 and enables the previous and next buttons by the page.
void ShowHelpPage(ADMDialogRef dialog);
