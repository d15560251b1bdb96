// The creation dialogs opened by an unmoved empty click, the user's actions queued before the click.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "figures/figure_fixture.h"
#include "frame/DialogOpeners.h"
#include "frame/Settings.h"
#include "records/DialogPositions.h"
#include "simhost/DialogManager.h"

namespace creationtest {

class CreationDialogTest : public figuretest::FigureTest {
protected:
    static sim::DialogManager& Dialogs() { return sim::TheDialogs(); }
    static ADMItemRef ItemOf(ADMDialogRef dialog, int32_t id) { return Dialogs().FindItem(dialog, id); }
    static const sim::ItemData& Data(ADMDialogRef dialog, int32_t id) { return *Dialogs().Item(ItemOf(dialog, id)); }
    // What the user does in the next modal dialog; the stand-in cancels a dialog that the actions leave open.
    static void WhenOpen(std::function<void(ADMDialogRef)> actions) {
        Dialogs().QueueModalResponder(std::move(actions));
    }
    static void Click(ADMDialogRef dialog, int32_t id) { EXPECT_EQ(Dialogs().Click(ItemOf(dialog, id)), kNoErr); }
    static void Enter(ADMDialogRef dialog, int32_t id, const std::string& text) {
        EXPECT_EQ(Dialogs().Enter(ItemOf(dialog, id), text), kNoErr);
    }
    // A press and release at the point of a preview, in the preview's own pixels.
    static void ClickAt(ADMDialogRef dialog, int32_t id, ADMPoint point) {
        ASSERT_EQ(Dialogs().Track(ItemOf(dialog, id), kADMButtonDownAction, point), kNoErr);
        ASSERT_EQ(Dialogs().Track(ItemOf(dialog, id), kADMButtonUpAction, point), kNoErr);
    }
    // An unmoved click on empty canvas with the tool: its creation dialog runs.
    static void EmptyClick(int32_t tool, AIRealPoint p = {400, 400}) {
        Select(tool);
        sim::ThePreferences().ClearWriteLog();
        Down(p);
        Up(p);
    }
    // The plug-in's preference writes: "key=value" in order.
    static std::vector<std::string> Writes() {
        std::vector<std::string> writes;
        for (const sim::PrefWrite& w : sim::ThePreferences().WriteLog())
            if (w.prefix == "VekTavorine") writes.push_back(w.key + "=" + w.value);
        return writes;
    }
    static std::vector<std::string> Runs() { return sim::TheLogs().modalRuns; }
};

}  // namespace creationtest
