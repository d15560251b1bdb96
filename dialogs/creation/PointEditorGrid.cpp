#include "dialogs/creation/PointEditorGrid.h"

#include <cstdio>

#include "dialogs/creation/PointEditorCanvas.h"
#include "frame/SuiteTable.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"

namespace {

#define kHideGridText "Masquer la grille"
#define kShowGridText "Afficher la grille"
#define kGridSnapText "Magnétisme de la grille"

ADMListRef PopupList(ADMItemRef popup) {
    ADMListRef list = nullptr;
    if (popup == nullptr || sADMItem->GetList(popup, &list) != kNoErr) return nullptr;
    return list;
}

ADMEntryRef Entry(ADMItemRef popup, int32_t id) {
    ADMListRef list = PopupList(popup);
    ADMEntryRef entry = nullptr;
    if (list == nullptr || sADMList->GetEntry(list, id, &entry) != kNoErr) return nullptr;
    return entry;
}

int32_t StepEntry(int8_t step) {
    for (int32_t i = 0; i < kGridStepEntries; ++i) {
        if (kGridSteps[i] == step) return i;
    }
    return kStartGridEntry;
}

// The entries show the editor's grid: its step selected, the show entry's text, the snap check.
void ShowGridState(ADMItemRef popup, const PointEditor& editor) {
    if (ADMEntryRef shown = Entry(popup, kGridShownEntry)) sADMEntry->SetText(shown, editor.GridShown != 0 ? kHideGridText : kShowGridText);
    if (ADMEntryRef snap = Entry(popup, kGridSnapEntry)) sADMEntry->Check(snap, editor.GridSnap != 0 ? 1 : 0);
    if (ADMEntryRef step = Entry(popup, StepEntry(editor.GridStep))) sADMEntry->Select(step, 1);
}

}  // namespace

void FillGridPopup(ADMItemRef popup, PointEditor& editor) {
    ADMListRef list = PopupList(popup);
    if (list == nullptr) return;
    for (int32_t id = 0; id <= kGridSnapEntry; ++id) {
        ADMEntryRef entry = nullptr;
        if (sADMList->InsertEntry(list, id, &entry) != kNoErr || entry == nullptr) continue;
        sADMEntry->SetID(entry, id);
        if (id < kGridStepEntries) {
            char text[40];
            std::snprintf(text, sizeof text, "Pas de la grille =\t%d pts", static_cast<int>(kGridSteps[id]));
            sADMEntry->SetText(entry, text);
        } else if (id == kGridSeparatorEntry) {
            sADMEntry->MakeSeparator(entry, 1);
        } else if (id == kGridSnapEntry) {
            sADMEntry->SetText(entry, kGridSnapText);
        }
    }
    ResetGridPopup(popup, editor);
}

void ResetGridPopup(ADMItemRef popup, PointEditor& editor) {
    editor.GridStep = kStartGridStep;
    editor.GridShown = 1;
    editor.GridSnap = 1;
    ShowGridState(popup, editor);
}

void ChooseGridEntry(ADMItemRef popup, PointEditor& editor, float pixelsPerUnit) {
    ADMListRef list = PopupList(popup);
    ADMEntryRef chosen = nullptr;
    int32_t index = -1;
    if (list != nullptr && sADMList->GetActiveEntry(list, &chosen) == kNoErr && chosen != nullptr)
        sADMEntry->GetIndex(chosen, &index);
    if (index >= 0 && index < kGridStepEntries) {
        editor.GridStep = kGridSteps[index];
    } else if (index == kGridShownEntry) {
        editor.GridShown = editor.GridShown != 0 ? 0 : 1;
        ShowGridState(popup, editor);
    } else if (index == kGridSnapEntry) {
        editor.GridSnap = editor.GridSnap != 0 ? 0 : 1;
        ShowGridState(popup, editor);
    }
    const float largeStep = static_cast<float>(editor.GridStep) / pixelsPerUnit;
    for (int32_t id : {kPointXItem, kPointYItem}) {
        if (ADMItemRef edit = SiblingItem(popup, id)) sADMItem->SetLargeIncrement(edit, largeStep);
    }
    InvalidateItems(popup, {kCanvasItem});
}
