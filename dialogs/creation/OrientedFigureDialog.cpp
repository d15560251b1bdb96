#include "dialogs/creation/OrientedFigureDialog.h"

#include <cmath>
#include <numbers>

#include "frame/LiveOptions.h"
#include "frame/NumericFields.h"
#include "frame/PreferenceStore.h"
#include "frame/SettingRanges.h"
#include "frame/SuiteTable.h"
#include "host/ADMItemSuite.h"

namespace {

// "Défaut": the factory values.
constexpr double kDefaultWidth = 2.5;
constexpr double kDefaultOrientation = 45.0;

constexpr FieldRange kWidthRange{kADMPointUnits, 0.1f, 1.0f, 0.0f, kNoLimit};

} // namespace

void CopyOrientedStoredValue(const OrientedFigureDialog& d, int32_t id) {
    if (id == d.WidthField)
        LoadLiveOption(d.Width);
    else if (id == d.OrientationField)
        *d.WorkingOrientation = gSettings.*d.StoredOrientation;
    else if (id == d.CentredBox)
        LoadLiveOption(d.Centred);
    else if (id == d.DimensionBox)
        LoadLiveOption(d.WithDimension);
}

void ShowOrientedValue(const OrientedFigureDialog& d, ADMItemRef item, int32_t id) {
    const CurrentOptions& live = gCurrentOptions;
    if (id == d.WidthField) {
        SetUpNumberField(item, kWidthRange, live.*d.Width);
        BoundFieldToSetting(item, d.WidthKey);
    } else if (id == d.OrientationField) {
        SetUpNumberField(item, d.OrientationRange, *d.WorkingOrientation);
        FillOrientationPopup(item);
    } else if (id == d.CentredBox) {
        sADMItem->SetBooleanValue(item, live.*d.Centred);
    } else if (id == d.DimensionBox) {
        sADMItem->SetBooleanValue(item, live.*d.WithDimension);
    }
}

void OrientedWidthNotify(const OrientedFigureDialog& d, ADMItemRef item, ADMNotifierRef notifier) {
    if (TakeFieldValue(item, notifier, gCurrentOptions.*d.Width))
        gCurrentOptions.*d.Width = HeldToSetting(d.WidthKey, gCurrentOptions.*d.Width);
}

void OrientedOrientationNotify(const OrientedFigureDialog& d, ADMItemRef item, ADMNotifierRef notifier) {
    if (!TakeFieldValue(item, notifier, *d.WorkingOrientation)) return;
    const double typed = *d.WorkingOrientation;
    *d.WorkingOrientation = HeldToSetting(d.OrientationKey, typed);
    if (*d.WorkingOrientation != typed) ShowNumberIn(item, d.OrientationField, *d.WorkingOrientation);
    RedrawItemIn(item, d.Preview);
}

void OrientedCentredNotify(const OrientedFigureDialog& d, ADMItemRef item, ADMNotifierRef notifier) {
    ToggleFlag(item, notifier, gCurrentOptions.*d.Centred, d.Preview);
}

void OrientedWithDimensionNotify(const OrientedFigureDialog& d, ADMItemRef item, ADMNotifierRef notifier) {
    ToggleFlag(item, notifier, gCurrentOptions.*d.WithDimension, d.Preview);
}

void OrientedPictureNotify(const OrientedFigureDialog& d, ADMItemRef item) {
    FocusFigureDialogEdit(item, ItemId(item) == d.WidthPicture ? d.WidthField : d.OrientationField);
}

ADMBoolean OrientedPreviewTrack(const OrientedFigureDialog& d, ADMItemRef item, ADMTrackerRef tracker) {
    *d.WorkingOrientation = TrackedDirection(tracker, d.Frame) * 180.0 / std::numbers::pi;
    ShowNumberIn(item, d.OrientationField, *d.WorkingOrientation);
    sADMItem->Invalidate(item);
    return DefaultPreviewTrack(item, tracker);
}

void OrientedDialogOk(const OrientedFigureDialog& d, ADMItemRef item, ADMNotifierRef notifier) {
    EndFigureDialog(item, notifier, *d.Bounds);
    Settings& s = gSettings;
    const CurrentOptions& live = gCurrentOptions;
    s.*d.StoredOrientation = HeldToSetting(d.OrientationKey, *d.WorkingOrientation);
    WriteRealPreference(d.OrientationKey, s.*d.StoredOrientation);
    s.*d.StoredWidth = HeldToSetting(d.WidthKey, live.*d.Width);
    WriteRealPreference(d.WidthKey, s.*d.StoredWidth);
    s.*d.StoredWithDimension = live.*d.WithDimension;
    WriteBooleanPreference(d.WithDimensionKey, s.*d.StoredWithDimension);
    s.*d.StoredCentred = live.*d.Centred;
    WriteBooleanPreference(d.CentredKey, s.*d.StoredCentred);
    *d.OpenFlag = 0;
}

void OrientedDialogCancel(const OrientedFigureDialog& d, ADMItemRef item, ADMNotifierRef notifier) {
    CancelFigureDialog(item, notifier, *d.Bounds, *d.OpenFlag);
}

void OrientedDialogDefault(const OrientedFigureDialog& d, ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    CurrentOptions& live = gCurrentOptions;
    live.*d.Width = kDefaultWidth;
    *d.WorkingOrientation = kDefaultOrientation;
    live.*d.WithDimension = 1;
    live.*d.Centred = 0;
    ShowNumberIn(item, d.WidthField, kDefaultWidth);
    ShowNumberIn(item, d.OrientationField, kDefaultOrientation);
    ShowFlagIn(item, d.DimensionBox, 1);
    ShowFlagIn(item, d.CentredBox, 0);
    RedrawItemIn(item, d.Preview);
    FocusFigureDialogEdit(item, d.WidthField);
}
