// What the segment and angle creation dialogs share: both edit a width, an orientation in degrees, a centred
// flag and a with-dimension flag, each with its working copy, its stored setting and its preference key. A
// dialog names its items and values once in an OrientedFigureDialog; its procedures hand that to the
// functions below.
#pragma once

#include <cstdint>

#include "dialogs/creation/FigureDialogCommon.h"
#include "dialogs/creation/FigurePreview.h"
#include "frame/Settings.h"
#include "host/ADMTypes.h"
#include "records/CurrentOptions.h"

struct OrientedFigureDialog {
    // The dialog's items.
    int32_t WidthField;
    int32_t WidthPicture;
    int32_t OrientationField;
    int32_t CentredBox;
    int32_t DimensionBox;
    int32_t Preview;
    FieldRange OrientationRange;
    PreviewFrame Frame;
    // Where it is remembered and whether it is open.
    ADMRect* Bounds;
    int32_t* OpenFlag;
    // The orientation the dialog shows and OK stores (the live one is the drags'), and the live working
    // copies.
    double* WorkingOrientation;
    double CurrentOptions::*Width;
    int32_t CurrentOptions::*Centred;
    int32_t CurrentOptions::*WithDimension;
    // The stored settings and their keys.
    double Settings::*StoredOrientation;
    double Settings::*StoredWidth;
    int32_t Settings::*StoredWithDimension;
    int32_t Settings::*StoredCentred;
    const char* OrientationKey;
    const char* WidthKey;
    const char* WithDimensionKey;
    const char* CentredKey;
};

// The stored value item `id` shows, copied into its working copy just before the item is made.
void CopyOrientedStoredValue(const OrientedFigureDialog& d, int32_t id);
// Gives item `id` its working value, range and list.
void ShowOrientedValue(const OrientedFigureDialog& d, ADMItemRef item, int32_t id);

// The procedures' bodies.
void OrientedWidthNotify(const OrientedFigureDialog& d, ADMItemRef item, ADMNotifierRef notifier);
void OrientedOrientationNotify(const OrientedFigureDialog& d, ADMItemRef item, ADMNotifierRef notifier);
void OrientedCentredNotify(const OrientedFigureDialog& d, ADMItemRef item, ADMNotifierRef notifier);
void OrientedWithDimensionNotify(const OrientedFigureDialog& d, ADMItemRef item, ADMNotifierRef notifier);
// A picture button focuses the width field or the orientation field beside it.
void OrientedPictureNotify(const OrientedFigureDialog& d, ADMItemRef item);
// A click or drag in the preview: the orientation points from its centre to the mouse.
ADMBoolean OrientedPreviewTrack(const OrientedFigureDialog& d, ADMItemRef item, ADMTrackerRef tracker);
// OK: the host's handling, the bounds remembered, the click's group dropped, the four values stored and
// written.
void OrientedDialogOk(const OrientedFigureDialog& d, ADMItemRef item, ADMNotifierRef notifier);
void OrientedDialogCancel(const OrientedFigureDialog& d, ADMItemRef item, ADMNotifierRef notifier);
// "Défaut": the factory values shown and made the working ones; nothing is written.
void OrientedDialogDefault(const OrientedFigureDialog& d, ADMItemRef item, ADMNotifierRef notifier);
