#include "panel/BaseADMDialog.h"

#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"

BaseADMDialog::BaseADMDialog(SPPluginRef pluginRef) : fPluginRef(pluginRef) {}

BaseADMDialog::~BaseADMDialog() {
    if (fDialogRef == nullptr || sADMDialog == nullptr) return;
    sADMDialog->SetUserData(fDialogRef, nullptr);
    sADMDialog->SetDrawProc(fDialogRef, nullptr);
    sADMDialog->SetNotifyProc(fDialogRef, nullptr);
    sADMDialog->SetTrackProc(fDialogRef, nullptr);
    sADMDialog->SetDestroyProc(fDialogRef, nullptr);
    sADMDialog->Destroy(fDialogRef);
    fDialogRef = nullptr;
}

ASErr BaseADMDialog::Init() { return sADMDialog->SetDestroyProc(fDialogRef, DestroyProc); }

ADMDialogRef BaseADMDialog::Create(const char* name, int32_t dialogID, int32_t style, int32_t options) {
    ADMDialogRef dialog = nullptr;
    if (sADMDialog == nullptr ||
        sADMDialog->Create(fPluginRef, name, dialogID, style, InitProc, this, options, &dialog) != kNoErr)
        fDialogRef = nullptr;
    return fDialogRef;
}

ASErr BaseADMDialog::InitProc(ADMDialogRef dialog) {
    ADMUserData data = nullptr;
    sADMDialog->GetUserData(dialog, &data);
    auto* object = static_cast<BaseADMDialog*>(data);
    if (object == nullptr) return kBadParameterErr;
    object->fDialogRef = dialog;
    return object->Init();
}

void BaseADMDialog::DestroyProc(ADMDialogRef dialog) {
    ADMUserData data = nullptr;
    sADMDialog->GetUserData(dialog, &data);
    if (auto* object = static_cast<BaseADMDialog*>(data)) object->DialogDestroyed();
}
