#include "dialogs/creation/PointEditorDialogs.h"

#include "dialogs/creation/ArrowEditorDialog.h"
#include "dialogs/creation/BezierCreationDialog.h"
#include "frame/DialogOpeners.h"
#include "frame/PluginReference.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMItemSuite.h"

namespace {


}  // namespace

ADMItemRef CreateEditorItem(ADMDialogRef dialog, const EditorItemSpec& desc) {
    ADMItemRef item = nullptr;
    if (sADMItem->Create(dialog, desc.ID, desc.Type, &desc.Bounds, nullptr, nullptr, 0, &item) != kNoErr) return nullptr;
    if (desc.Tip != nullptr) sADMItem->SetTipString(item, desc.Tip);
    if (desc.Draw != nullptr) sADMItem->SetDrawProc(item, desc.Draw);
    if (desc.Notify != nullptr) sADMItem->SetNotifyProc(item, desc.Notify);
    if (desc.Track != nullptr) sADMItem->SetTrackProc(item, desc.Track);
    return item;
}

void InstallPointEditorOpeners() {
    InstallDialogOpener(ModalDialog::ArrowEditor, OpenArrowEditorDialog);
    InstallDialogOpener(ModalDialog::BezierCreation, OpenBezierCreationDialog);
}

ADMRect PlacedBounds(const ADMRect& remembered, int32_t width, int32_t height) {
    return ADMRect{remembered.left, remembered.top, remembered.left + width, remembered.top + height};
}

void RunPointEditorDialog(const char* name, int32_t resource, ADMDialogInitProc init, const int32_t& openFlag) {
    if (openFlag != 0) return;
    int32_t result = 0;
    sADMDialog->Modal(OwnPluginRef(), name, resource, kADMModalDialogStyle, init, nullptr, 0, &result);
}

void PlacePointEditorDialog(ADMDialogRef dialog, const char* title, ADMDialogDrawProc draw, ADMRect& remembered,
                            int32_t width, int32_t height) {
    remembered = PlacedBounds(remembered, width, height);
    sADMDialog->SetBoundsRect(dialog, &remembered);
    sADMDialog->SetText(dialog, title);
    sADMDialog->SetDrawProc(dialog, draw);
}
