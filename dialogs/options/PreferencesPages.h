// The pages of the preferences dialog: builders, the page switch, the unit and scale popups, the sample value
// text and the procedures the dialog's frame calls on them.
#pragma once

#include <cstdint>

#include "host/ADMTypes.h"

// Page builders, in the order the dialog's init runs them. Each fills its working copies from the stored
// settings and creates its items.
void BuildPreferencesCommonPage(ADMDialogRef dialog);
void BuildPreferencesSegmentPage(ADMDialogRef dialog);
void BuildPreferencesAnglePage(ADMDialogRef dialog);
void BuildPreferencesCirclePage(ADMDialogRef dialog);
void BuildPreferencesBezierPage(ADMDialogRef dialog);

// After "Par défaut": each page shows its working values again, with the tips and enabled states they give.
void ShowCommonPageValues(ADMDialogRef dialog);
void ShowSegmentPageValues(ADMDialogRef dialog);
void ShowAnglePageValues(ADMDialogRef dialog);
void ShowCirclePageValues(ADMDialogRef dialog);
void ShowBezierPageValues(ADMDialogRef dialog);

// Shows and enables the items of the page in PrefsPage, hides and disables those of the other pages.
void ShowPreferencePage(ADMDialogRef dialog);
// Draws the pictures of the page on show into the dialog's drawing.
void DrawPreferencePagePictures(ADMDrawerRef drawer);

// The default-unit popup (119) and the scale popup (102).
void BuildDefaultUnitPopup(ADMDialogRef dialog);
// Shows the working unit and the check mark of "Afficher l'unité.".
void ShowDefaultUnit(ADMDialogRef dialog);
void DefaultUnitPopupNotify(ADMItemRef item, ADMNotifierRef notifier);
void SelectPreferencesScaleEntry(ADMItemRef item);
void PreferencesScalePopupNotify(ADMItemRef item, ADMNotifierRef notifier);
// Fills the scale popup's entries (the fixed scales and the custom entry).
void FillPreferencesScaleList(ADMItemRef item);
// The scale of a fixed entry of the scale popup; false for separators, the custom entry and other indices.
bool FixedScaleOfEntry(int32_t index, double& numerator, double& denominator);
// The index of the entry that stands for a scale: a fixed one, else the custom entry when it draws as the stored
// custom one; kNoScaleIndex for any other, which the entry after the custom one shows while it is the working one.
int32_t ScaleEntryIndex(double numerator, double denominator);
// The entry index of the custom scale.
constexpr int32_t kCustomScaleEntry = 26;
constexpr int32_t kNoScaleIndex = -1;
// The entry after the custom one, there only while it shows a working scale that no other entry reads; choosing
// it keeps that scale.
constexpr int32_t kInForceScaleEntry = 27;
// The index of the unit popup's switch entry "Afficher l'unité.".
constexpr int32_t kShowUnitEntry = 9;

// The sample value text of item 168, built into the sample buffer for the page in PrefsPage.
void UpdateSampleText(ADMItemRef item);
void AppendSampleUnit();
void AppendSampleCircleValue();
// Rebuilds the sample of the dialog's item 168.
void RefreshSampleText(ADMDialogRef dialog);

// The Bézier page's division preview and mode buttons.
void DrawDivisionPreview(ADMItemRef item, ADMDrawerRef drawer);
