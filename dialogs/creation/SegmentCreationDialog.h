// The segment creation dialog: how the Segment tool's dragged segments are made (width, orientation, centred
// or from the click, with or without their dimension).
#pragma once

#include "host/ADMTypes.h"

// Runs the dialog modally unless it is already open.
void OpenSegmentCreationDialog();

// The dialog's procedures.
ASErr SegmentDialogInit(ADMDialogRef dialog);
void SegmentDialogDraw(ADMDialogRef dialog, ADMDrawerRef drawer);
void SegmentWidthNotify(ADMItemRef item, ADMNotifierRef notifier);
void SegmentOrientationNotify(ADMItemRef item, ADMNotifierRef notifier);
void SegmentCentredNotify(ADMItemRef item, ADMNotifierRef notifier);
void SegmentWithDimensionNotify(ADMItemRef item, ADMNotifierRef notifier);
void SegmentDialogPictureNotify(ADMItemRef item, ADMNotifierRef notifier);
void SegmentPreviewDraw(ADMItemRef item, ADMDrawerRef drawer);
ADMBoolean SegmentPreviewTrack(ADMItemRef item, ADMTrackerRef tracker);
void SegmentDialogOk(ADMItemRef item, ADMNotifierRef notifier);
void SegmentDialogCancel(ADMItemRef item, ADMNotifierRef notifier);
void SegmentDialogDefault(ADMItemRef item, ADMNotifierRef notifier);
