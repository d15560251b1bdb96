// A dialog of the host's dialog manager held by a C++ object: the object makes the dialog, the dialog manager
// calls the object's Init while making it, and destroying the object destroys the dialog.
#pragma once

#include <cstdint>

#include "host/ADMTypes.h"
#include "host/SPBasic.h"

class BaseADMDialog {
public:
    explicit BaseADMDialog(SPPluginRef pluginRef);
    BaseADMDialog(const BaseADMDialog&) = delete;
    BaseADMDialog& operator=(const BaseADMDialog&) = delete;
    // Clears the dialog's procedures and destroys the host dialog.
    virtual ~BaseADMDialog();

    // Called by the dialog manager from inside Create; the base installs its destroy procedure, which forgets
    // the host dialog when the host destroys it first.
    virtual ASErr Init();
    // Makes the host dialog; answers it, or null when the dialog manager refused.
    virtual ADMDialogRef Create(const char* name, int32_t dialogID, int32_t style, int32_t options);

    // The host destroyed the dialog before the object: the object forgets it.
    virtual void DialogDestroyed() { fDialogRef = nullptr; }

    SPPluginRef GetPluginRef() const { return fPluginRef; }

protected:
    SPPluginRef fPluginRef;
    ADMDialogRef fDialogRef = nullptr;

private:
    static ASErr InitProc(ADMDialogRef dialog);
    static void DestroyProc(ADMDialogRef dialog);
};
