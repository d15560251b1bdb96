// The grid popup that both point editors carry (item 17): five steps, showing and snapping.
#pragma once

#include "dialogs/creation/PointEditorState.h"
#include "host/ADMTypes.h"

// Entry ids (equal to their positions): the five steps, a separator, show or hide, snap.
constexpr int32_t kGridStepEntries = 5;
constexpr int32_t kGridSeparatorEntry = 5;
constexpr int32_t kGridShownEntry = 6;
constexpr int32_t kGridSnapEntry = 7;
constexpr int8_t kGridSteps[kGridStepEntries] = {4, 10, 20, 50, 100};
// The step every opening starts from, and its entry.
constexpr int8_t kStartGridStep = 20;
constexpr int32_t kStartGridEntry = 2;

// Fills the popup's list with its eight entries, the step of 20 selected, the grid shown and snapping on; the
// editor's grid takes the same state.
void FillGridPopup(ADMItemRef popup, PointEditor& editor);
// Back to the opening state: step 20, shown, snapping on, with the entries to match.
void ResetGridPopup(ADMItemRef popup, PointEditor& editor);
// The user chose an entry: a step, showing or snapping. The X and Y edits' large steps become one grid step in
// editor units (`pixelsPerUnit` pixels each) and the canvas is redrawn.
void ChooseGridEntry(ADMItemRef popup, PointEditor& editor, float pixelsPerUnit);
