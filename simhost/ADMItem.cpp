// ADM Item: items made by type name; values set from code fire no notifier.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "simhost/DialogSuites.h"

namespace sim {

namespace {

using Item = ItemData;

// An item's value as the nearest 32-bit integer, as a host reads a float field as an integer: values beyond
// the range of int32_t give its nearest end, a value that is not a number gives 0.
int32_t NearestInt32(float value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::round(static_cast<double>(value));
    if (rounded <= static_cast<double>(INT32_MIN)) return INT32_MIN;
    if (rounded >= static_cast<double>(INT32_MAX)) return INT32_MAX;
    return static_cast<int32_t>(rounded);
}

ASErr Create(ADMDialogRef dialog, int32_t itemID, const char* type, const ADMRect* bounds, ADMItemInitProc initProc,
             ADMUserData data, int32_t, ADMItemRef* item) {
    if (item == nullptr)
        return kBadParameterErr;
    *item = nullptr;
    if (type == nullptr || bounds == nullptr)
        return kBadParameterErr;
    return With(dialog, [&](DialogData& owner) {
        ItemData& made = TheDialogs().NewItem(owner, itemID, type, *bounds);
        made.userData = data;
        const uintptr_t handle = made.handle;
        if (initProc != nullptr) {
            if (ASErr error = initProc(ToRef<ADMItemRef>(handle)); error != kNoErr) {
                TheDialogs().DestroyItem(handle);
                return error;
            }
        }
        *item = ToRef<ADMItemRef>(handle);
        return kNoErr;
    });
}

ASErr GetList(ADMItemRef item, ADMListRef* list) {
    if (list == nullptr)
        return kBadParameterErr;
    *list = nullptr;
    return With(item, [&](Item& x) {
        *list = ToRef<ADMListRef>(x.list);
        return x.list != 0 ? kNoErr : kBadParameterErr;
    });
}

ASErr DefaultDraw(ADMItemRef item, ADMDrawerRef drawer) {
    return With(item, [&](Item&) {
        DrawerData* data = TheDialogs().Drawer(drawer);
        if (data == nullptr)
            return drawer == nullptr ? kBadParameterErr : kStaleHandleErr;
        data->target->push_back("DefaultDraw");
        return kNoErr;
    });
}

ASErr DefaultNotify(ADMItemRef item, ADMNotifierRef notifier) {
    return With(item, [&](Item& x) {
        NotifierData* data = TheDialogs().Notifier(notifier);
        if (data == nullptr)
            return notifier == nullptr ? kBadParameterErr : kStaleHandleErr;
        TheDialogs().DefaultNotify(x, *data);
        return kNoErr;
    });
}

ASErr DefaultTrack(ADMItemRef item, ADMTrackerRef tracker, ADMBoolean* notify) {
    if (notify == nullptr)
        return kBadParameterErr;
    *notify = 0;
    return With(item, [&](Item& x) {
        TrackerData* data = TheDialogs().Tracker(tracker);
        if (data == nullptr)
            return tracker == nullptr ? kBadParameterErr : kStaleHandleErr;
        *notify = TheDialogs().DefaultTrack(x, *data) ? 1 : 0;
        return kNoErr;
    });
}

ASErr Activate(ADMItemRef item, ADMBoolean activate) {
    return With(item, [&](Item& x) {
        if (activate != 0)
            if (DialogData* dialog = TheDialogs().DialogByHandle(x.dialog))
                for (uintptr_t other : dialog->items)
                    if (ItemData* data = TheDialogs().ItemByHandle(other))
                        data->active = false;
        x.active = activate != 0;
    });
}

ASErr Invalidate(ADMItemRef item) {
    return With(item, [](Item& x) {
        ++x.invalidations;
        x.invalid = true;
    });
}

ASErr Move(ADMItemRef item, int32_t h, int32_t v) {
    return With(item, [&](Item& x) {
        x.bounds = {h, v, h + x.bounds.right - x.bounds.left, v + x.bounds.bottom - x.bounds.top};
    });
}

ASErr SetBoundsRect(ADMItemRef item, const ADMRect* bounds) {
    if (bounds == nullptr)
        return kBadParameterErr;
    return With(item, [&](Item& x) { x.bounds = *bounds; });
}

ASErr SetTipString(ADMItemRef item, const char* tip) {
    if (tip == nullptr)
        return kBadParameterErr;
    return With(item, [&](Item& x) { x.tip = tip; });
}

ASErr GetTipString(ADMItemRef item, char* tip, int32_t maxLen) {
    if (tip == nullptr || maxLen <= 0)
        return kBadParameterErr;
    tip[0] = '\0';
    return With(item, [&](Item& x) { return CopyText(x.tip, tip, maxLen); });
}

// Settings that change how a number reads turn the item into a numeric one and reformat its text.
template <typename Change>
ASErr Reformat(ADMItemRef item, Change change) {
    return With(item, [&](Item& x) {
        change(x);
        x.numeric = true;
        TheDialogs().SetNumber(x, x.value);
    });
}

ASErr SetNumber(ADMItemRef item, float value) {
    if (!std::isfinite(value))
        return kBadParameterErr;
    return With(item, [&](Item& x) {
        x.numeric = true;
        TheDialogs().SetNumber(x, value);
    });
}

ASErr SetText(ADMItemRef item, const char* text) {
    if (text == nullptr)
        return kBadParameterErr;
    return With(item, [&](Item& x) { x.SetTextWithCaret(text); });
}

ASErr GetSelectionRange(ADMItemRef item, int32_t* start, int32_t* end) {
    if (start == nullptr || end == nullptr)
        return kBadParameterErr;
    return With(item, [&](Item& x) {
        // Code that set the text through another road may have shortened it under the selection.
        *start = static_cast<int32_t>(std::min(x.selectionStart, x.text.size()));
        *end = static_cast<int32_t>(std::min(x.selectionEnd, x.text.size()));
    });
}

ASErr GetText(ADMItemRef item, char* text, int32_t maxLen) {
    if (text == nullptr || maxLen <= 0)
        return kBadParameterErr;
    text[0] = '\0';
    return With(item, [&](Item& x) { return CopyText(x.text, text, maxLen); });
}

} // namespace

const ADMItemSuite& ADMItemSuiteTable() {
    static const ADMItemSuite suite{
        Create,
        [](ADMItemRef i) { return With(i, [](Item& x) { TheDialogs().DestroyItem(x.handle); }); },
        [](ADMItemRef i, int32_t* id) { return Read(i, id, [](const Item& x) { return x.id; }); },
        [](ADMItemRef i, ADMDialogRef* d) {
            return Read(i, d, [](const Item& x) { return ToRef<ADMDialogRef>(x.dialog); });
        },
        [](ADMItemRef i, char* type, int32_t maxLen) {
            if (type == nullptr || maxLen <= 0)
                return kBadParameterErr;
            type[0] = '\0';
            return With(i, [&](Item& x) { return CopyText(x.type, type, maxLen); });
        },
        GetList,
        [](ADMItemRef i, ADMItemDrawProc p) { return With(i, [&](Item& x) { x.drawProc = p; }); },
        [](ADMItemRef i, ADMItemNotifyProc p) { return With(i, [&](Item& x) { x.notifyProc = p; }); },
        [](ADMItemRef i, ADMItemTrackProc p) { return With(i, [&](Item& x) { x.trackProc = p; }); },
        [](ADMItemRef i, ADMItemDestroyProc p) { return With(i, [&](Item& x) { x.destroyProc = p; }); },
        DefaultDraw,
        DefaultNotify,
        DefaultTrack,
        [](ADMItemRef i, int32_t m) { return With(i, [&](Item& x) { x.mask = m; }); },
        [](ADMItemRef i, int32_t* m) { return Read(i, m, [](const Item& x) { return x.mask; }); },
        [](ADMItemRef i, ADMUserData u) { return With(i, [&](Item& x) { x.userData = u; }); },
        [](ADMItemRef i, ADMUserData* u) { return Read(i, u, [](const Item& x) { return x.userData; }); },
        [](ADMItemRef i, ADMBoolean s) { return With(i, [&](Item& x) { x.visible = s != 0; }); },
        [](ADMItemRef i, ADMBoolean* v) { return Read(i, v, [](const Item& x) { return x.visible; }); },
        [](ADMItemRef i, ADMBoolean e) { return With(i, [&](Item& x) { x.enabled = e != 0; }); },
        [](ADMItemRef i, ADMBoolean* e) { return Read(i, e, [](const Item& x) { return x.enabled; }); },
        Activate,
        [](ADMItemRef i, ADMBoolean* a) { return Read(i, a, [](const Item& x) { return x.active; }); },
        Invalidate,
        [](ADMItemRef i) { return TheDialogs().DrawItem(i); },
        SetBoundsRect,
        [](ADMItemRef i, ADMRect* r) { return Read(i, r, [](const Item& x) { return x.bounds; }); },
        Move,
        [](ADMItemRef i, int32_t f) { return With(i, [&](Item& x) { x.font = f; }); },
        [](ADMItemRef i, int32_t* f) { return Read(i, f, [](const Item& x) { return x.font; }); },
        [](ADMItemRef i, int32_t j) { return With(i, [&](Item& x) { x.justify = j; }); },
        [](ADMItemRef i, int32_t* j) { return Read(i, j, [](const Item& x) { return x.justify; }); },
        SetTipString,
        GetTipString,
        [](ADMItemRef i, int32_t p) { return With(i, [&](Item& x) { x.pictureID = p; }); },
        [](ADMItemRef i, int32_t* p) { return Read(i, p, [](const Item& x) { return x.pictureID; }); },
        [](ADMItemRef i, int32_t p) { return With(i, [&](Item& x) { x.selectedPictureID = p; }); },
        [](ADMItemRef i, int32_t* p) { return Read(i, p, [](const Item& x) { return x.selectedPictureID; }); },
        [](ADMItemRef i, int32_t p) { return With(i, [&](Item& x) { x.disabledPictureID = p; }); },
        [](ADMItemRef i, int32_t* p) { return Read(i, p, [](const Item& x) { return x.disabledPictureID; }); },
        [](ADMItemRef i, int32_t u) { return Reformat(i, [&](Item& x) { x.units = u; }); },
        [](ADMItemRef i, int32_t* u) { return Read(i, u, [](const Item& x) { return x.units; }); },
        [](ADMItemRef i, ADMBoolean s) { return Reformat(i, [&](Item& x) { x.showUnits = s != 0; }); },
        [](ADMItemRef i, int32_t p) { return Reformat(i, [&](Item& x) { x.precision = p; }); },
        [](ADMItemRef i, int32_t* p) { return Read(i, p, [](const Item& x) { return x.precision; }); },
        [](ADMItemRef i, float s) { return With(i, [&](Item& x) { x.smallIncrement = s; }); },
        [](ADMItemRef i, float* s) { return Read(i, s, [](const Item& x) { return x.smallIncrement; }); },
        [](ADMItemRef i, float l) { return With(i, [&](Item& x) { x.largeIncrement = l; }); },
        [](ADMItemRef i, float* l) { return Read(i, l, [](const Item& x) { return x.largeIncrement; }); },
        [](ADMItemRef i, float v) { return With(i, [&](Item& x) { x.minimum = v; }); },
        [](ADMItemRef i, float* v) { return Read(i, v, [](const Item& x) { return x.minimum; }); },
        [](ADMItemRef i, float v) { return With(i, [&](Item& x) { x.maximum = v; }); },
        [](ADMItemRef i, float* v) { return Read(i, v, [](const Item& x) { return x.maximum; }); },
        [](ADMItemRef i, int32_t v) { return With(i, [&](Item& x) { x.minimum = static_cast<float>(v); }); },
        [](ADMItemRef i, int32_t v) { return With(i, [&](Item& x) { x.maximum = static_cast<float>(v); }); },
        [](ADMItemRef i, int32_t v) { return SetNumber(i, static_cast<float>(v)); },
        [](ADMItemRef i, int32_t* v) { return Read(i, v, [](const Item& x) { return NearestInt32(x.value); }); },
        SetNumber,
        [](ADMItemRef i, float* v) { return Read(i, v, [](const Item& x) { return x.value; }); },
        [](ADMItemRef i, ADMBoolean b) { return With(i, [&](Item& x) { x.value = b != 0 ? 1.0f : 0.0f; }); },
        [](ADMItemRef i, ADMBoolean* b) { return Read(i, b, [](const Item& x) { return x.value != 0.0f; }); },
        SetText,
        GetText,
        [](ADMItemRef i, int32_t* n) {
            return Read(i, n, [](const Item& x) { return static_cast<int32_t>(x.text.size()); });
        },
        [](ADMItemRef i, ADMBoolean e) { return With(i, [&](Item& x) { x.tipEnabled = e != 0; }); },
        [](ADMItemRef i, ADMBoolean* e) { return Read(i, e, [](const Item& x) { return x.tipEnabled; }); },
        [](ADMItemRef i) { return With(i, [](Item& x) { x.SelectAll(); }); },
        GetSelectionRange};
    return suite;
}

} // namespace sim
