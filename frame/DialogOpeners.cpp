#include "frame/DialogOpeners.h"

#include <array>
#include <cstddef>

namespace {

constexpr size_t kModalDialogCount = static_cast<size_t>(ModalDialog::BezierCreation) + 1;

std::array<DialogOpener, kModalDialogCount> gOpeners{};

size_t SlotOf(ModalDialog which) { return static_cast<size_t>(which); }

}  // namespace

void InstallDialogOpener(ModalDialog which, DialogOpener opener) {
    if (SlotOf(which) < kModalDialogCount) gOpeners[SlotOf(which)] = opener;
}

void OpenModalDialog(ModalDialog which) {
    if (SlotOf(which) >= kModalDialogCount) return;
    if (const DialogOpener opener = gOpeners[SlotOf(which)]) opener();
}

void ClearDialogOpeners() { gOpeners.fill(nullptr); }
