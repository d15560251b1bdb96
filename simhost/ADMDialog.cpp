// ADM Dialog and ADM Dialog Group: dialogs on empty shells of the plug-in's resources.
#include "host/Resources.h"
#include "simhost/DialogSuites.h"
#include "simhost/PluginConnection.h"
#include "simhost/ServicesInternal.h"
#include "simhost/SimHost.h"

namespace sim {

ASErr CopyText(const std::string& text, char* buffer, int32_t maxLen) {
    if (buffer == nullptr || maxLen <= 0)
        return kBadParameterErr;
    CopyBounded(text.c_str(), buffer, static_cast<size_t>(maxLen));
    return kNoErr;
}

namespace {

// A new dialog on the plug-in's shell `dialogID`, with the dialog's own menu item.
ASErr OpenShell(SPPluginRef plugin, const char* name, int32_t dialogID, int32_t style, ADMUserData data,
                DialogData*& opened) {
    if (name == nullptr || !ThePlugin().IsSelf(plugin))
        return kBadParameterErr;
    const PluginResource* resource = ThePlugin().FindResource(kDialogResourceType, dialogID);
    if (resource == nullptr || resource->data == nullptr)
        return kNameNotFoundErr;
    const auto* shell = static_cast<const DialogShell*>(resource->data);
    DialogData& dialog = TheDialogs().NewDialog();
    dialog.plugin = plugin;
    dialog.name = name;
    dialog.title = shell->title != nullptr ? shell->title : "";
    dialog.resourceID = dialogID;
    dialog.style = style;
    dialog.userData = data;
    dialog.bounds = {0, 0, shell->width, shell->height};
    TheDialogs().NewItem(dialog, kADMMenuItemID, kADMPopupMenuType, {0, 0, 0, 0});
    opened = &dialog;
    return kNoErr;
}

ASErr Create(SPPluginRef plugin, const char* name, int32_t dialogID, int32_t style, ADMDialogInitProc initProc,
             ADMUserData data, int32_t, ADMDialogRef* dialog) {
    if (dialog == nullptr)
        return kBadParameterErr;
    *dialog = nullptr;
    DialogData* opened = nullptr;
    if (ASErr error = OpenShell(plugin, name, dialogID, style, data, opened); error != kNoErr)
        return error;
    const uintptr_t handle = opened->handle;
    ++opened->busy;
    const ASErr initResult = initProc != nullptr ? initProc(ToRef<ADMDialogRef>(handle)) : kNoErr;
    if (DialogData* made = TheDialogs().DialogByHandle(handle))
        --made->busy;
    if (initResult != kNoErr) {
        TheDialogs().DestroyDialog(handle);
        return initResult;
    }
    if (TheDialogs().DialogByHandle(handle) == nullptr)
        return kStaleHandleErr;
    *dialog = ToRef<ADMDialogRef>(handle);
    return kNoErr;
}

ASErr Modal(SPPluginRef plugin, const char* name, int32_t dialogID, int32_t style, ADMDialogInitProc initProc,
            ADMUserData data, int32_t, int32_t* result) {
    if (result == nullptr)
        return kBadParameterErr;
    *result = -1;
    DialogData* opened = nullptr;
    if (ASErr error = OpenShell(plugin, name, dialogID, style, data, opened); error != kNoErr)
        return error;
    *result = TheDialogs().RunModal(*opened, initProc);
    return kNoErr;
}

ASErr Destroy(ADMDialogRef dialog) {
    return With(dialog, [](DialogData& data) { TheDialogs().DestroyDialog(data.handle); });
}

ASErr EndModal(ADMDialogRef dialog, int32_t result, ADMBoolean) {
    return With(dialog, [&](DialogData& data) {
        if (!data.modal)
            return kBadParameterErr;
        TheDialogs().EndModal(data, result);
        return kNoErr;
    });
}

ASErr GetItem(ADMDialogRef dialog, int32_t itemID, ADMItemRef* item) {
    if (item == nullptr)
        return kBadParameterErr;
    *item = nullptr;
    return With(dialog, [&](DialogData&) {
        *item = TheDialogs().FindItem(dialog, itemID);
        return *item != nullptr ? kNoErr : kNameNotFoundErr;
    });
}

ASErr DefaultDraw(ADMDialogRef dialog, ADMDrawerRef drawer) {
    return With(dialog, [&](DialogData&) {
        DrawerData* data = TheDialogs().Drawer(drawer);
        if (data == nullptr)
            return drawer == nullptr ? kBadParameterErr : kStaleHandleErr;
        data->target->push_back("DefaultDraw");
        return kNoErr;
    });
}

ASErr DefaultNotify(ADMDialogRef dialog, ADMNotifierRef notifier) {
    return With(dialog, [&](DialogData&) {
        NotifierData* data = TheDialogs().Notifier(notifier);
        if (data == nullptr)
            return notifier == nullptr ? kBadParameterErr : kStaleHandleErr;
        if (ItemData* item = TheDialogs().ItemByHandle(data->item))
            TheDialogs().DefaultNotify(*item, *data);
        return kNoErr;
    });
}

ASErr SetBoundsRect(ADMDialogRef dialog, const ADMRect* bounds) {
    if (bounds == nullptr)
        return kBadParameterErr;
    return With(dialog, [&](DialogData& data) { data.bounds = *bounds; });
}

ASErr GetLocalRect(ADMDialogRef dialog, ADMRect* local) {
    return Read(dialog, local, [](const DialogData& data) {
        return ADMRect{0, 0, data.bounds.right - data.bounds.left, data.bounds.bottom - data.bounds.top};
    });
}

ASErr Move(ADMDialogRef dialog, int32_t h, int32_t v) {
    return With(dialog, [&](DialogData& data) {
        data.bounds = {h, v, h + data.bounds.right - data.bounds.left, v + data.bounds.bottom - data.bounds.top};
    });
}

ASErr Size(ADMDialogRef dialog, int32_t width, int32_t height) {
    return With(dialog, [&](DialogData& data) {
        data.bounds.right = data.bounds.left + width;
        data.bounds.bottom = data.bounds.top + height;
    });
}

ASErr SetText(ADMDialogRef dialog, const char* text) {
    if (text == nullptr)
        return kBadParameterErr;
    return With(dialog, [&](DialogData& data) { data.title = text; });
}

ASErr GetText(ADMDialogRef dialog, char* text, int32_t maxLen) {
    if (text == nullptr || maxLen <= 0)
        return kBadParameterErr;
    text[0] = '\0';
    return With(dialog, [&](DialogData& data) { return CopyText(data.title, text, maxLen); });
}

ASErr Update(ADMDialogRef dialog) {
    return TheDialogs().DrawDialog(dialog);
}

ASErr SetDialogGroupInfo(ADMDialogRef dialog, const char* groupName, int32_t positionCode) {
    if (groupName == nullptr)
        return kBadParameterErr;
    return With(dialog, [&](DialogData& data) {
        data.groupName = groupName;
        data.groupCode = positionCode;
    });
}

ASErr GetDialogGroupInfo(ADMDialogRef dialog, char* groupName, int32_t maxLen, int32_t* positionCode) {
    if (groupName == nullptr || maxLen <= 0 || positionCode == nullptr)
        return kBadParameterErr;
    groupName[0] = '\0';
    return With(dialog, [&](DialogData& data) {
        *positionCode = data.groupCode;
        return CopyText(data.groupName, groupName, maxLen);
    });
}

} // namespace

const ADMDialogSuite& ADMDialogSuiteTable() {
    static const ADMDialogSuite suite{
        Create,
        Modal,
        Destroy,
        EndModal,
        GetItem,
        [](ADMDialogRef d, ADMDialogDrawProc p) { return With(d, [&](DialogData& x) { x.drawProc = p; }); },
        [](ADMDialogRef d, ADMDialogNotifyProc p) { return With(d, [&](DialogData& x) { x.notifyProc = p; }); },
        [](ADMDialogRef d, ADMDialogTrackProc p) { return With(d, [&](DialogData& x) { x.trackProc = p; }); },
        [](ADMDialogRef d, ADMDialogDestroyProc p) { return With(d, [&](DialogData& x) { x.destroyProc = p; }); },
        DefaultDraw,
        DefaultNotify,
        [](ADMDialogRef d, ADMUserData u) { return With(d, [&](DialogData& x) { x.userData = u; }); },
        [](ADMDialogRef d, ADMUserData* u) { return Read(d, u, [](const DialogData& x) { return x.userData; }); },
        [](ADMDialogRef d, SPPluginRef* p) { return Read(d, p, [](const DialogData& x) { return x.plugin; }); },
        [](ADMDialogRef d, ADMBoolean s) { return With(d, [&](DialogData& x) { x.visible = s != 0; }); },
        [](ADMDialogRef d, ADMBoolean* v) { return Read(d, v, [](const DialogData& x) { return x.visible; }); },
        SetBoundsRect,
        [](ADMDialogRef d, ADMRect* r) { return Read(d, r, [](const DialogData& x) { return x.bounds; }); },
        GetLocalRect,
        Move,
        Size,
        SetText,
        GetText,
        [](ADMDialogRef d, int32_t id) { return With(d, [&](DialogData& x) { x.defaultItemID = id; }); },
        [](ADMDialogRef d, int32_t* id) { return Read(d, id, [](const DialogData& x) { return x.defaultItemID; }); },
        [](ADMDialogRef d, int32_t id) { return With(d, [&](DialogData& x) { x.cancelItemID = id; }); },
        [](ADMDialogRef d, int32_t* id) { return Read(d, id, [](const DialogData& x) { return x.cancelItemID; }); },
        [](ADMDialogRef d) { return With(d, [](DialogData& x) { ++x.invalidations; }); },
        Update};
    return suite;
}

const ADMDialogGroupSuite& ADMDialogGroupSuiteTable() {
    static const ADMDialogGroupSuite suite{SetDialogGroupInfo, GetDialogGroupInfo};
    return suite;
}

} // namespace sim
