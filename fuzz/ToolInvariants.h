// What must hold of the document and the tools' state after each gesture a user makes with the five tools: the
// model the tool-actions fuzzer checks. Each check returns the first breach it finds as a sentence, or an
// empty text when everything holds.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/Links.h"
#include "frame/CanvasWrites.h"
#include "frame/SuiteTable.h"
#include "host/PathSuite.h"
#include "panel/SelectionReadouts.h"
#include "records/CurrentOptions.h"
#include "records/ToolState.h"
#include "simhost/DialogManager.h"
#include "simhost/Document.h"

namespace fuzz {

// True when every coordinate, text placement and stroke width of the art is a finite number.
inline bool HoldsOnlyFiniteNumbers(const sim::ArtNode& node) {
    for (const AIPathSegment& segment : node.segments) {
        if (!IsFinitePoint(segment.p) || !IsFinitePoint(segment.in) || !IsFinitePoint(segment.out)) return false;
    }
    const AIRealMatrix& m = node.text.transform;
    for (AIReal value : {m.a, m.b, m.c, m.d, m.tx, m.ty, node.text.size, node.style.stroke.width}) {
        if (!std::isfinite(value)) return false;
    }
    return true;
}

inline bool IsDimensionPart(const sim::ArtNode& node) { return node.tags.count(DimensionArtFormat::Vek) == 1; }

// The art of a subtree as a text, everything but the selection, which the host may change on any layer.
inline std::string ArtContents(const sim::Document& doc, AIArtHandle top) {
    std::string text;
    std::vector<AIArtHandle> pending{top};
    while (!pending.empty()) {
        const AIArtHandle art = pending.back();
        pending.pop_back();
        const sim::ArtNode* node = doc.Art(art);
        if (node == nullptr) continue;
        text += std::to_string(node->id) + " " + std::to_string(node->type) + " " + node->name + " attr=" +
                std::to_string(node->userAttr & (kArtLocked | kArtHidden)) + (node->closed ? " closed" : "") +
                (node->guide ? " guide" : "") + " text=" + node->text.contents + " tags=";
        for (const auto& [key, value] : node->tags) text += key + ":" + value.text + ",";
        const AIPathStyle& style = node->style;
        for (float value : {style.stroke.width, style.stroke.miterLimit}) text += " " + std::to_string(value);
        text += " " + std::to_string(style.strokePaint) + std::to_string(style.fillPaint);
        for (const AIPathSegment& s : node->segments) {
            for (float value : {s.p.h, s.p.v, s.in.h, s.in.v, s.out.h, s.out.v}) {
                uint32_t bits = 0;
                std::memcpy(&bits, &value, sizeof bits);
                text += " " + std::to_string(bits);
            }
        }
        text += "\n";
        for (AIArtHandle child : doc.Children(art)) pending.push_back(child);
    }
    return text;
}

inline std::string LayerContents(const sim::Document& doc, AILayerHandle layer) {
    return ArtContents(doc, doc.LayerGroup(layer));
}


// True when the art is some layer's own group.
inline bool IsLayerGroup(const sim::Document& doc, AIArtHandle art) {
    for (int32_t i = 0; i < doc.LayerCount(); ++i)
        if (doc.LayerGroup(doc.LayerAt(i)) == art) return true;
    return false;
}

// Each dimension group (a group with a dimension's part in it) and its contents.
inline std::map<AIArtHandle, std::string> DimensionGroups() {
    const sim::Document& doc = sim::TheDocument();
    std::map<AIArtHandle, std::string> groups;
    for (AIArtHandle art : doc.AllArt()) {
        const sim::ArtNode* node = doc.Art(art);
        if (node == nullptr || node->type != kGroupArt) continue;
        for (AIArtHandle child : doc.Children(art)) {
            const sim::ArtNode* part = doc.Art(child);
            if (part == nullptr || !IsDimensionPart(*part)) continue;
            groups[art] = ArtContents(doc, art);
            break;
        }
    }
    return groups;
}

// True when the group holds paths, none with an anchor, and no label with a text: a skeleton nothing was
// measured into yet.
inline bool IsSkeleton(const sim::Document& doc, AIArtHandle group) {
    bool paths = false;
    for (AIArtHandle child : doc.Children(group)) {
        const sim::ArtNode* part = doc.Art(child);
        if (part == nullptr) continue;
        if (part->type == kTextFrameArt && !part->text.contents.empty()) return false;
        if (part->type != kPathArt) continue;
        if (!part->segments.empty()) return false;
        paths = true;
    }
    return paths;
}

// The links (key and id) the parts of a group carry.
inline std::set<std::pair<std::string, std::string>> GroupLinks(const sim::Document& doc, AIArtHandle group) {
    std::set<std::pair<std::string, std::string>> links;
    for (AIArtHandle child : doc.Children(group)) {
        const sim::ArtNode* part = doc.Art(child);
        if (part == nullptr) continue;
        for (const char* key : kDimensionLinkKeys) {
            const auto found = part->tags.find(key);
            if (found != part->tags.end()) links.insert({key, found->second.text});
        }
    }
    return links;
}

// The state a gesture starts from, against which its end is checked.
struct GestureStart {
    int16_t ClickCount = 0;                             // clicks of a sequence under way
    AIArtHandle Current = nullptr;                      // the group of the dimension the plug-in works on
    // The skeleton the first pick of a sequence under way made: the current group while a sequence waits and
    // nothing is measured into it yet.
    AIArtHandle Skeleton = nullptr;
    std::map<AIArtHandle, std::set<std::pair<std::string, std::string>>> Links;  // each dimension group's links
    std::map<AIArtHandle, std::string> Groups;          // the dimension groups and their contents
    std::map<AILayerHandle, std::string> ClosedLayers;  // locked or hidden layers and their art
    std::set<AIArtHandle> Members;                      // the measured set
};

inline std::vector<AIArtHandle> MeasuredMembers() {
    sim::ArtSetMembers* members = nullptr;
    if (sim::TheDocument().FindArtSet(gToolState.MeasuredSet, &members) != kNoErr || members == nullptr) return {};
    return members->order;
}

inline GestureStart TakeGestureStart() {
    GestureStart start;
    start.ClickCount = gToolState.ClickCount;
    start.Current = gCurrentDimension.DimensionGroup;
    start.Groups = DimensionGroups();
    const sim::Document& doc = sim::TheDocument();
    if (start.ClickCount != 0 && doc.Art(start.Current) != nullptr && IsSkeleton(doc, start.Current))
        start.Skeleton = start.Current;
    for (const auto& entry : start.Groups) start.Links[entry.first] = GroupLinks(doc, entry.first);
    for (int32_t i = 0; i < doc.LayerCount(); ++i) {
        const AILayerHandle layer = doc.LayerAt(i);
        const sim::Layer* info = doc.LayerInfo(layer);
        if (info != nullptr && (info->locked || !info->visible)) start.ClosedLayers[layer] = LayerContents(doc, layer);
    }
    for (AIArtHandle member : MeasuredMembers()) start.Members.insert(member);
    return start;
}

// No art on a layer that was locked or hidden when the gesture began, and still is, has changed. A sequence
// under way when the gesture began may end on such a layer: the plug-in finishes or takes away its own
// dimension there.
inline std::string ClosedLayersUnchanged(const GestureStart& start) {
    if (start.ClickCount != 0) return {};
    const sim::Document& doc = sim::TheDocument();
    for (const auto& [layer, before] : start.ClosedLayers) {
        const sim::Layer* info = doc.LayerInfo(layer);
        if (info == nullptr || (!info->locked && info->visible)) continue;
        const std::string after = LayerContents(doc, layer);
        if (after == before) continue;
        // The first line that differs, to read what changed.
        size_t at = 0;
        while (at < before.size() && at < after.size() && before[at] == after[at]) ++at;
        const size_t line = before.rfind('\n', at) == std::string::npos ? 0 : before.rfind('\n', at) + 1;
        return "art changed on the locked or hidden layer " + info->title + ": was " +
               before.substr(line, before.find('\n', line) - line) + " now " + after.substr(line, after.find('\n', line) - line);
    }
    return {};
}

// True when a user could select the art by hand: it and its groups neither locked nor hidden, on an unlocked,
// visible layer.
inline bool WithinReach(const sim::ArtNode& node) {
    if (node.layer == nullptr || node.layer->locked || !node.layer->visible) return false;
    for (const sim::ArtNode* n = &node; n != nullptr; n = n->parent) {
        if ((n->userAttr & (kArtLocked | kArtHidden)) != 0) return false;
    }
    return true;
}

// No guide in the measured set, and no path joined it that the user could not select.
inline std::string MeasuredSetSound(const GestureStart& start) {
    const sim::Document& doc = sim::TheDocument();
    for (AIArtHandle member : MeasuredMembers()) {
        const sim::ArtNode* node = doc.Art(member);
        if (node == nullptr) continue;
        if (node->guide) return "a guide is measured";
        if (start.Members.count(member) == 0 && !WithinReach(*node))
            return "a locked or hidden path joined the measured set";
    }
    return {};
}

// The read-out counts the measured set's paths and totals their areas, those tagged "spa" taken away.
inline std::string ReadoutFollowsTheSet() {
    const sim::Document& doc = sim::TheDocument();
    double total = 0.0;
    double magnitude = 0.0;
    int32_t count = 0;
    for (AIArtHandle member : MeasuredMembers()) {
        const sim::ArtNode* node = doc.Art(member);
        if (node == nullptr) continue;
        ++count;
        AIReal area = 0.0f;
        if (!node->closed || node->segments.empty() || sAIPath->GetPathArea(member, &area) != kNoErr ||
            !std::isfinite(area))
            continue;
        const double enclosed = std::fabs(static_cast<double>(area));
        total += node->tags.count("spa") == 1 ? -enclosed : enclosed;
        magnitude += enclosed;
    }
    const SelectionTotals totals = TotalSelectedPaths();
    if (totals.PathCount != count)
        return "the selection counts " + std::to_string(totals.PathCount) + " paths, the set " + std::to_string(count);
    if (!(std::fabs(totals.AreaPoints - total) <= 1e-6 * magnitude + 1e-6))
        return "the selection's area " + std::to_string(totals.AreaPoints) + " is not the set's " + std::to_string(total);
    // What the panel shows is what the totals read now.
    const SelectionReadout lines = SelectionReadoutLines(totals);
    const ADMDialogRef panel = sim::TheDialogs().FindDialog("Tavorine");
    if (panel == nullptr) return {};
    for (const auto& [id, text] : {std::pair{90, lines.Area.CStr()}, std::pair{92, lines.Paths.CStr()}}) {
        const sim::ItemData* item = sim::TheDialogs().Item(sim::TheDialogs().FindItem(panel, id));
        if (item != nullptr && item->text != text) return "the panel shows " + item->text + " where the set gives " + text;
    }
    return {};
}

// A gesture changes no dimension but its own: every dimension group it began with is there and as it was, but
// `own` (the group it built or re-opened), the group `own` took the place of (a re-opened dimension is rebuilt
// into a new group, its links with it), and the skeleton of a sequence it found waiting. A finished dimension
// is never the waiting sequence's, whatever the plug-in works on.
inline std::string OtherDimensionsUnchanged(const GestureStart& start, AIArtHandle own) {
    const sim::Document& doc = sim::TheDocument();
    const std::map<AIArtHandle, std::string> now = DimensionGroups();
    const std::set<std::pair<std::string, std::string>> ownLinks =
        own != nullptr && doc.Art(own) != nullptr ? GroupLinks(doc, own) : std::set<std::pair<std::string, std::string>>{};
    for (const auto& [group, before] : start.Groups) {
        if (group == own || group == start.Skeleton) continue;
        const auto found = now.find(group);
        if (found == now.end()) {
            const auto& links = start.Links.at(group);
            const bool replaced = own != nullptr && now.count(own) == 1 && !links.empty() &&
                                  std::includes(ownLinks.begin(), ownLinks.end(), links.begin(), links.end());
            if (replaced) continue;
            return "the gesture took away another dimension: " + before.substr(0, before.find('\n'));
        }
        if (found->second == before) continue;
        return "the gesture changed another dimension: was " + before.substr(0, before.find('\n')) + " now " +
               found->second.substr(0, found->second.find('\n'));
    }
    return {};
}

// The group a gesture may change as its own: the one its press re-opened where the hover showed the re-edit
// cursor, or a group it made current that it did not begin with (a dimension it built, or one it re-opened into
// a new group while the cursor showed a pick under way).
inline AIArtHandle OwnGroup(const GestureStart& start, bool reOpening) {
    const AIArtHandle current = gCurrentDimension.DimensionGroup;
    return reOpening || start.Groups.count(current) == 0 ? current : nullptr;
}

// No group is left empty, but the group of a first point waiting for its second.
inline std::string NoEmptyGroup() {
    const sim::Document& doc = sim::TheDocument();
    for (AIArtHandle art : doc.AllArt()) {
        const sim::ArtNode* node = doc.Art(art);
        if (node == nullptr || node->type != kGroupArt || !doc.Children(art).empty() || IsLayerGroup(doc, art)) continue;
        if (gToolState.ClickCount != 0 && art == gCurrentDimension.DimensionGroup) continue;
        return "an empty group is left: " + node->name;
    }
    return {};
}

// A two-point length waiting for its second point has measured nothing yet: the group its first point made shows
// no value.
inline std::string WaitingSequenceShowsNoValue() {
    if (gToolState.ClickCount != 1 || gToolState.CurrentTool != kSegmentTool || gCurrentOptions.SeriesOn != 0 ||
        gToolState.AwaitingSegmentClick != 0 || !IsLiveArt(gCurrentDimension.DimensionGroup))
        return {};
    const sim::Document& doc = sim::TheDocument();
    for (AIArtHandle child : doc.Children(gCurrentDimension.DimensionGroup)) {
        const sim::ArtNode* part = doc.Art(child);
        if (part != nullptr && part->type == kTextFrameArt && !part->text.contents.empty())
            return "a first point waiting for its second shows the value " + part->text.contents;
    }
    return {};
}

// Once no sequence is under way, no group is a skeleton never built: a group whose paths all lack anchors and
// whose labels are empty (a first point's skeleton stays so only until its second point). A built dimension may
// keep a part empty, an extension line of no length or a line the label does not cut, for a panel change to
// fill again.
inline std::string NoUnbuiltSkeleton() {
    const sim::Document& doc = sim::TheDocument();
    for (AIArtHandle art : doc.AllArt()) {
        const sim::ArtNode* node = doc.Art(art);
        if (node == nullptr || node->type != kGroupArt) continue;
        bool paths = false;
        bool drawn = false;
        for (AIArtHandle child : doc.Children(art)) {
            const sim::ArtNode* part = doc.Art(child);
            if (part == nullptr) continue;
            if (part->type == kTextFrameArt) drawn = drawn || !part->text.contents.empty();
            if (part->type != kPathArt) continue;
            paths = true;
            drawn = drawn || !part->segments.empty();
        }
        if (paths && !drawn) return "a dimension group is a skeleton whose paths have no anchors";
    }
    return {};
}

// Every link names an existing dimension and a path it measures: a link on a user's path is held by some
// dimension's part, and a link on a dimension's part by some user's path (no link was ever written on a part as
// though it were the measured path).
inline std::string LinksSound() {
    const sim::Document& doc = sim::TheDocument();
    std::set<std::pair<std::string, std::string>> onParts;
    std::set<std::pair<std::string, std::string>> onPaths;
    for (AIArtHandle art : doc.AllArt()) {
        const sim::ArtNode* node = doc.Art(art);
        if (node == nullptr) continue;
        for (const char* key : kDimensionLinkKeys) {
            const auto found = node->tags.find(key);
            if (found == node->tags.end()) continue;
            (IsDimensionPart(*node) ? onParts : onPaths).insert({key, found->second.text});
        }
    }
    for (const auto& link : onPaths)
        if (onParts.count(link) == 0) return "the link " + link.first + "=" + link.second + " names no dimension";
    for (const auto& link : onParts)
        if (onPaths.count(link) == 0) return "the link " + link.first + "=" + link.second + " of a dimension names no path";
    return {};
}

// No art holds a coordinate that is not a finite number, but the art drawn so.
inline std::string OnlyFiniteNumbers(const std::set<AIArtHandle>& drawnNonFinite) {
    const sim::Document& doc = sim::TheDocument();
    for (AIArtHandle art : doc.AllArt()) {
        if (drawnNonFinite.count(art) == 1) continue;
        if (!HoldsOnlyFiniteNumbers(*doc.Art(art))) return "art holds a coordinate that is not a finite number";
    }
    return {};
}

// The art of every layer, as ArtContents gives it.
inline std::string DocumentContents() {
    const sim::Document& doc = sim::TheDocument();
    std::string text;
    for (int32_t i = 0; i < doc.LayerCount(); ++i) text += LayerContents(doc, doc.LayerAt(i));
    return text;
}

// A refresh with the settings unchanged changes no art: Enter with nothing typed in the panel's numeric field
// `field` (the value it shows, taken again) leaves the document as it was. A field the panel hides or disables
// takes no Enter.
inline std::string EnterWithNothingTypedChangesNoArt(int32_t field) {
    sim::DialogManager& dialogs = sim::TheDialogs();
    const ADMDialogRef panel = dialogs.FindDialog("Tavorine");
    if (panel == nullptr) return {};
    const ADMItemRef item = dialogs.FindItem(panel, field);
    const sim::ItemData* data = dialogs.Item(item);
    if (item == nullptr || data == nullptr || !data->visible || !data->enabled) return {};
    const std::string before = DocumentContents();
    dialogs.Commit(item);
    const std::string after = DocumentContents();
    if (after == before) return {};
    size_t at = 0;
    while (at < before.size() && at < after.size() && before[at] == after[at]) ++at;
    const size_t line = before.rfind('\n', at) == std::string::npos ? 0 : before.rfind('\n', at) + 1;
    return "Enter with nothing typed in field " + std::to_string(field) + " changed the art: was " +
           before.substr(line, before.find('\n', line) - line) + " now " +
           after.substr(line, after.find('\n', line) - line);
}

}  // namespace fuzz
