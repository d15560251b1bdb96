// The custom-scale dialog: a small modal dialog that edits the numerator and denominator of the custom
// drawing scale, shows what one unit of the drawing stands for, and stores the pair on OK.
#pragma once

#include <string>

#include "host/ADMTypes.h"

// Runs the dialog modally for the plug-in that owns the panel, unless it is already open; returns when it
// has closed. The scale in force does not change.
void OpenCustomScaleDialog();

// The conversion line for `unit` of a custom scale numerator / denominator: "1 cm -> " and the ratio
// denominator / numerator written with "%g" (its point a comma with the comma separator) and " cm".
std::string CustomScaleConversionText(int32_t unit, double numerator, double denominator);

ASErr CustomScaleInit(ADMDialogRef dialog);
void CustomScaleDraw(ADMDialogRef dialog, ADMDrawerRef drawer);
void CustomNumeratorNotify(ADMItemRef item, ADMNotifierRef notifier);
void CustomDenominatorNotify(ADMItemRef item, ADMNotifierRef notifier);
void CustomScalePictureNotify(ADMItemRef item, ADMNotifierRef notifier);
void CustomScaleOk(ADMItemRef item, ADMNotifierRef notifier);
void CustomScaleCancel(ADMItemRef item, ADMNotifierRef notifier);
// Activates the item with that id in the item's dialog.
void ActivateCustomScaleItem(ADMItemRef item, int32_t itemID);
