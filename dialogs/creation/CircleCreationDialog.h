// The circle, arc and sector creation dialog: the kind of figure the Cercle tool drags out, its width, the
// start orientation of an arc or sector, and whether it gets its dimension.
#pragma once

#include "host/ADMTypes.h"

// Runs the dialog modally unless it is already open.
void OpenCircleCreationDialog();

// The dialog's procedures.
ASErr CircleDialogInit(ADMDialogRef dialog);
void CircleDialogDraw(ADMDialogRef dialog, ADMDrawerRef drawer);
void CircleKindNotify(ADMItemRef item, ADMNotifierRef notifier);
void CircleWidthNotify(ADMItemRef item, ADMNotifierRef notifier);
void CircleOrientationNotify(ADMItemRef item, ADMNotifierRef notifier);
void CircleWithDimensionNotify(ADMItemRef item, ADMNotifierRef notifier);
void CircleDialogPictureNotify(ADMItemRef item, ADMNotifierRef notifier);
void CirclePreviewDraw(ADMItemRef item, ADMDrawerRef drawer);
ADMBoolean CirclePreviewTrack(ADMItemRef item, ADMTrackerRef tracker);
void CircleDialogOk(ADMItemRef item, ADMNotifierRef notifier);
void CircleDialogCancel(ADMItemRef item, ADMNotifierRef notifier);
void CircleDialogDefault(ADMItemRef item, ADMNotifierRef notifier);
