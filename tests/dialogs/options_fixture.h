// The plug-in started in a fresh stand-in host, with helpers that run an option dialog with the user's actions
// queued for it, act on its items and read what its OK wrote.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dialogs/options/ColourDialog.h"
#include "dialogs/options/ColourWorkingCopy.h"
#include "dialogs/options/FreeTextDialog.h"
#include "dialogs/options/OtherOptionsDialog.h"
#include "dialogs/options/SettingWrites.h"
#include "frame/Colours.h"
#include "frame/DialogOpeners.h"
#include "frame/PathStyles.h"
#include "frame/Settings.h"
#include "frame/SettingsTable.h"
#include "records/DialogPositions.h"
#include "records/Records.h"
#include "simhost/DialogManager.h"
#include "simhost/PreferenceStore.h"
#include "tools/end_to_end_fixture.h"

namespace optionstest {

class OptionsTest : public endtoend::UserTest {
protected:
    void SetUp() override {
        ResetRecords();
        gColourWorkingCopy = ColourDialogWorkingCopy();
        gOtherOptionsWorkingCopy = OtherOptionsWorkingCopy();
        gFreeTextWorkingCopy = FreeTextWorkingCopy();
        UserTest::SetUp();
        sim::ThePreferences().ClearWriteLog();
    }

    static sim::DialogManager& Dialogs() { return sim::TheDialogs(); }
    // Opens the dialog; `act` plays the user's part while it is up (the stand-in presses "Annuler" after it
    // when `act` leaves the dialog open).
    static void Run(ModalDialog which, std::function<void(ADMDialogRef)> act) {
        Dialogs().QueueModalResponder(std::move(act));
        OpenModalDialog(which);
    }
    static ADMItemRef Item(ADMDialogRef dialog, int32_t id) { return Dialogs().FindItem(dialog, id); }
    static sim::ItemData& Data(ADMDialogRef dialog, int32_t id) { return *Dialogs().Item(Item(dialog, id)); }
    // The text of the chosen entry of a list item, or "" when none is chosen.
    static std::string Chosen(ADMDialogRef dialog, int32_t id) {
        if (const sim::ListData* list = Dialogs().ListByHandle(Data(dialog, id).list))
            for (uintptr_t handle : list->entries)
                if (const sim::EntryData* entry = Dialogs().EntryByHandle(handle); entry->selected) return entry->text;
        return std::string();
    }
    static ASErr Press(ADMDialogRef dialog, int32_t id, int32_t modifiers = 0) {
        return Dialogs().Click(Item(dialog, id), modifiers);
    }
    static ASErr Enter(ADMDialogRef dialog, int32_t id, const std::string& text) {
        return Dialogs().Enter(Item(dialog, id), text);
    }
    static ASErr Track(ADMDialogRef dialog, int32_t id, int32_t action, ADMPoint point, int32_t modifiers = 0) {
        return Dialogs().Track(Item(dialog, id), action, point, modifiers);
    }
    // The plug-in's writes since the dialog opened: "key type value".
    static std::vector<std::string> Writes() {
        std::vector<std::string> writes;
        for (const sim::PrefWrite& write : sim::ThePreferences().WriteLog())
            writes.push_back(write.key + " " + sim::PrefTypeName(write.type) + " " + write.value);
        return writes;
    }
    static std::string StoredText(const std::string& key) {
        const auto value = sim::ThePreferences().Get(kTavorinePreferencePrefix, key);
        return value ? value->Text() : std::string("(absent)");
    }
    static void RefuseWrites(const std::string& key) {
        sim::ThePreferences().InjectFault(kTavorinePreferencePrefix, key, 0, kCantHappenErr);
    }
    static bool HasLine(const sim::Drawing& drawing, const std::string& line) {
        for (const std::string& drawn : drawing)
            if (drawn == line) return true;
        return false;
    }
};

}  // namespace optionstest
