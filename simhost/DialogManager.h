// The stand-in's dialog manager: dialogs and items as data, the suites' model, and the user's actions on them.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/ADMTypes.h"

namespace sim {

// What a draw procedure drew, one line per operation ("Line 0 0 10 10", "RGB 65535 0 0", "Icon 1076 2 3").
using Drawing = std::vector<std::string>;

struct DialogData {
    uintptr_t handle = 0;
    SPPluginRef plugin = nullptr;
    std::string name;
    std::string title;
    int32_t resourceID = 0;
    int32_t style = 0;
    bool modal = false;
    bool visible = true;
    ADMRect bounds{0, 0, 0, 0};
    ADMUserData userData = nullptr;
    ADMDialogDrawProc drawProc = nullptr;
    ADMDialogNotifyProc notifyProc = nullptr;
    ADMDialogTrackProc trackProc = nullptr;
    ADMDialogDestroyProc destroyProc = nullptr;
    int32_t defaultItemID = kADMDefaultItemID;
    int32_t cancelItemID = kADMCancelItemID;
    std::vector<uintptr_t> items;  // in creation order
    std::string groupName;
    int32_t groupCode = 0;
    Drawing drawing;
    int32_t invalidations = 0;
    bool ending = false;  // a modal end or a destroy waits for the notifier in progress
    int32_t busy = 0;     // notifiers of this dialog in progress
    int32_t result = 0;
};

struct ItemData {
    uintptr_t handle = 0;
    uintptr_t dialog = 0;
    int32_t id = 0;
    std::string type;
    ADMRect bounds{0, 0, 0, 0};
    ADMUserData userData = nullptr;
    ADMItemDrawProc drawProc = nullptr;
    ADMItemNotifyProc notifyProc = nullptr;
    ADMItemTrackProc trackProc = nullptr;
    ADMItemDestroyProc destroyProc = nullptr;
    int32_t mask = kADMAllMouseActionsMask;
    bool visible = true;
    bool enabled = true;
    bool active = false;
    int32_t font = 0;
    int32_t justify = kADMLeftJustify;
    std::string tip;
    bool tipEnabled = true;
    int32_t pictureID = 0;
    int32_t selectedPictureID = 0;
    int32_t disabledPictureID = 0;
    int32_t units = kADMNoUnits;  // spin edits start in points
    bool showUnits = false;
    int32_t precision = -1;  // -1: as many decimals as the value needs, at most four
    float smallIncrement = 1.0f;
    float largeIncrement = 10.0f;
    float minimum = -1.0e30f;
    float maximum = 1.0e30f;
    bool numeric = false;  // the field edits a number: committed text is parsed and clamped
    float value = 0.0f;  // in points for a length unit, else the number shown
    std::string text;
    // The selected bytes of the text, [selectionStart, selectionEnd); equal ends are a bare caret.
    size_t selectionStart = 0;
    size_t selectionEnd = 0;
    bool edited = false;  // typed into since its last commit: it commits when the user turns to another item
    uintptr_t list = 0;
    Drawing drawing;
    int32_t invalidations = 0;
    bool invalid = false;
    bool captured = false;

    // Replaces the text, the caret after its last byte.
    void SetTextWithCaret(std::string replacement) {
        text = std::move(replacement);
        selectionStart = selectionEnd = text.size();
    }
    void SelectAll() {
        selectionStart = 0;
        selectionEnd = text.size();
    }
};

struct ListData {
    uintptr_t handle = 0;
    uintptr_t item = 0;
    int32_t menuID = 0;
    std::vector<uintptr_t> entries;
};

struct EntryData {
    uintptr_t handle = 0;
    uintptr_t list = 0;
    int32_t id = 0;
    std::string text;
    bool checked = false;
    bool enabled = true;
    bool separator = false;
    bool selected = false;
    int32_t pictureID = 0;
    ADMUserData userData = nullptr;
};

struct NotifierData {
    uintptr_t handle = 0;
    uintptr_t item = 0;
    uintptr_t dialog = 0;
    std::string type;
};

struct TrackerData {
    uintptr_t handle = 0;
    uintptr_t item = 0;
    ADMPoint point{0, 0};
    int32_t action = 0;
    int32_t modifiers = 0;
    int32_t mouseState = kADMMouseNotCaptured;
    bool aborted = false;
};

struct DrawerData {
    uintptr_t handle = 0;
    Drawing* target = nullptr;
    ADMRect bounds{0, 0, 0, 0};
    ADMRect clip{0, 0, 0, 0};
    ADMRGBColor colour{0, 0, 0};
};

struct IconData {
    uintptr_t handle = 0;
    int32_t resourceID = 0;
    int32_t type = kADMBitmapIconType;  // kADMUnknownIconType when the resource holds no readable image
};

// One notification as the dialog manager delivered it.
struct NotificationRecord {
    std::string dialog;  // the dialog's name
    int32_t itemID;
    std::string type;
};

class DialogManager {
  public:
    using Responder = std::function<void(ADMDialogRef dialog)>;

    // Forgets every dialog, responder and record; handles given out before stay stale.
    void Reset();

    // The user's side. Every action answers kNoErr, kBadParameterErr for a null ref or an item that cannot take
    // the action (hidden, disabled, wrong type, unknown entry, unreadable number), kStaleHandleErr for a ref the
    // dialog manager no longer knows.
    void QueueModalResponder(Responder responder);
    size_t PendingResponders() const { return responders_.size(); }
    // Called for a modal run that no queued responder answers, before the dialog manager presses its cancel
    // item (a driver logs it); an empty one forgets it.
    void SetUnansweredResponder(Responder responder) { unanswered_ = std::move(responder); }
    // A press and release in the middle of the item.
    ASErr Click(ADMItemRef item, int32_t modifiers = 0);
    // Moves a slider's thumb to `value` (held to the slider's bounds), then the user-changed notification.
    ASErr Slide(ADMItemRef item, float value);
    // Picks the entry with `entryID` of a popup, menu or list item.
    ASErr Choose(ADMItemRef item, int32_t entryID);
    // Replaces the field's text keystroke by keystroke: the old text deleted first, with an intermediate
    // notification as for any deletion, then an intermediate notification after each character.
    ASErr Type(ADMItemRef item, const std::string& text);
    // Moves the caret or the selection in a text field.
    ASErr SelectText(ADMItemRef item);
    // Enter or leaving the field: a number is parsed and clamped, then the user-changed notification. A field
    // typed into commits by itself when the user turns to another item of its dialog (a click, a pick, a slide,
    // typing elsewhere), as when OK is clicked.
    ASErr Commit(ADMItemRef item);
    ASErr Enter(ADMItemRef item, const std::string& text);
    // One mouse event on the item at `point`, in pixels from the item's top left corner; a button-down captures
    // the mouse until the button-up.
    ASErr Track(ADMItemRef item, int32_t action, ADMPoint point, int32_t modifiers = 0);
    // Down at the first point, moves with the button held through the others, up at the last.
    ASErr Drag(ADMItemRef item, const std::vector<ADMPoint>& points, int32_t modifiers = 0);

    // The drawing side: runs the draw procedure into the item's (or dialog's) recording.
    ASErr DrawItem(ADMItemRef item);
    ASErr DrawDialog(ADMDialogRef dialog);
    // Draws every visible item invalidated since its last drawing.
    void RedrawInvalid();
    const Drawing* ItemDrawing(ADMItemRef item) const;
    const Drawing* DialogDrawing(ADMDialogRef dialog) const;

    // Looking inside.
    ADMDialogRef FindDialog(const std::string& name) const;  // the newest open dialog of that name
    ADMDialogRef TopModal() const;                           // the innermost modal run, or null
    ADMItemRef FindItem(ADMDialogRef dialog, int32_t itemID) const;
    std::vector<ADMDialogRef> OpenDialogs() const;
    const std::vector<NotificationRecord>& Notifications() const { return notifications_; }

    // The model behind the suites: null for a ref that is null or stale.
    DialogData* Dialog(ADMDialogRef ref);
    ItemData* Item(ADMItemRef ref);
    ListData* List(ADMListRef ref);
    EntryData* Entry(ADMEntryRef ref);
    NotifierData* Notifier(ADMNotifierRef ref);
    TrackerData* Tracker(ADMTrackerRef ref);
    DrawerData* Drawer(ADMDrawerRef ref);
    IconData* Icon(ADMIconRef ref);
    ItemData* ItemByHandle(uintptr_t handle);
    DialogData* DialogByHandle(uintptr_t handle);
    ListData* ListByHandle(uintptr_t handle);
    EntryData* EntryByHandle(uintptr_t handle);

    // Operations the suites share with the user's side.
    DialogData& NewDialog();
    ItemData& NewItem(DialogData& dialog, int32_t itemID, const std::string& type, const ADMRect& bounds);
    EntryData& NewEntry(ListData& list, size_t index);
    void RemoveEntry(ListData& list, size_t index);
    IconData& NewIcon(int32_t resourceID);
    void DestroyIcon(uintptr_t handle);
    void DestroyItem(uintptr_t handle);
    // Destroys the dialog now, or once the notifiers in progress have returned.
    void DestroyDialog(uintptr_t handle);
    // Runs a modal dialog whose init procedure has been set; answers the id of the ending item.
    int32_t RunModal(DialogData& dialog, ADMDialogInitProc initProc);
    // The dialog manager's own reaction to a notification and to a mouse event.
    void DefaultNotify(ItemData& item, const NotifierData& notifier);
    bool DefaultTrack(ItemData& item, const TrackerData& tracker);
    void EndModal(DialogData& dialog, int32_t result);
    // Delivers a notification of `type` to the item (its procedure, else the default).
    void Notify(uintptr_t item, const std::string& type);
    void SelectEntry(ListData& list, EntryData* entry);
    // The text a numeric item shows for its value: converted into its unit, with its precision and suffix.
    std::string FormatValue(const ItemData& item) const;
    // Gives the item its value and shows it as its text; a button, check box or radio button keeps its caption.
    void SetNumber(ItemData& item, float value);
    Drawing* BeginDrawing(Drawing& target, const ADMRect& bounds, uintptr_t& drawer);
    void EndDrawing(uintptr_t drawer);

  private:
    template <typename T>
    T& Add(std::map<uintptr_t, std::unique_ptr<T>>& table);
    void Teardown(uintptr_t dialog);
    void Finish(uintptr_t dialog);
    ASErr UserItem(ADMItemRef ref, ItemData*& item);
    // UserItem for an action that turns the user to the item: the fields typed into elsewhere in its dialog
    // commit first.
    ASErr TurnTo(ADMItemRef ref, ItemData*& item);

    std::map<uintptr_t, std::unique_ptr<DialogData>> dialogs_;
    std::map<uintptr_t, std::unique_ptr<ItemData>> items_;
    std::map<uintptr_t, std::unique_ptr<ListData>> lists_;
    std::map<uintptr_t, std::unique_ptr<EntryData>> entries_;
    std::map<uintptr_t, std::unique_ptr<NotifierData>> notifiers_;
    std::map<uintptr_t, std::unique_ptr<TrackerData>> trackers_;
    std::map<uintptr_t, std::unique_ptr<DrawerData>> drawers_;
    std::map<uintptr_t, std::unique_ptr<IconData>> icons_;
    std::deque<Responder> responders_;
    Responder unanswered_;
    std::vector<uintptr_t> modalStack_;
    std::vector<NotificationRecord> notifications_;
};

DialogManager& TheDialogs();

// Buttons, check boxes and radio buttons: their text is their caption, their value their state.
bool HasCaption(const std::string& type);

// Resets the dialog manager and registers the dialog suites with the suite registry.
void InstallDialogSuites();

// Converts between refs and the manager's handles.
template <typename Ref>
Ref ToRef(uintptr_t handle) {
    return reinterpret_cast<Ref>(handle);
}
template <typename Ref>
uintptr_t ToHandle(Ref ref) {
    return reinterpret_cast<uintptr_t>(ref);
}

}  // namespace sim
