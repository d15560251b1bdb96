// The angle creation dialog: how the Angle tool's dragged angles are made (side width, orientation, centred on
// the orientation or starting from it, with or without their dimension).
#pragma once

#include "host/ADMTypes.h"

// Runs the dialog modally unless it is already open.
void OpenAngleCreationDialog();

// The dialog's procedures.
ASErr AngleDialogInit(ADMDialogRef dialog);
void AngleDialogDraw(ADMDialogRef dialog, ADMDrawerRef drawer);
void AngleWidthNotify(ADMItemRef item, ADMNotifierRef notifier);
void AngleOrientationNotify(ADMItemRef item, ADMNotifierRef notifier);
void AngleCentredNotify(ADMItemRef item, ADMNotifierRef notifier);
void AngleWithDimensionNotify(ADMItemRef item, ADMNotifierRef notifier);
void AngleDialogPictureNotify(ADMItemRef item, ADMNotifierRef notifier);
void AnglePreviewDraw(ADMItemRef item, ADMDrawerRef drawer);
ADMBoolean AnglePreviewTrack(ADMItemRef item, ADMTrackerRef tracker);
void AngleDialogOk(ADMItemRef item, ADMNotifierRef notifier);
void AngleDialogCancel(ADMItemRef item, ADMNotifierRef notifier);
void AngleDialogDefault(ADMItemRef item, ADMNotifierRef notifier);
