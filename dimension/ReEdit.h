// Re-editing dimensions: a dimension's part names by its link tags the path it measures and the anchors it
// was built from; those anchors are read again from the path as it stands now.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "host/HitTestSuite.h"
#include "host/Messages.h"
#include "host/Types.h"

// The alert shown when the path of a re-edited dimension, or one of its anchors, is no longer there.
inline constexpr const char* kMeasuredPathNotFoundAlert = "Le tracé correspondant à cette cote n'a pas été trouvé !";

// A measured anchor found again: the path carrying the link, the anchor's index and its record now.
struct LinkedAnchor {
    AIArtHandle Path = nullptr;
    int16_t Index = -1;
    AIPathSegment Anchor;
};

// The two anchors of a linear dimension; OnSegment when they were linked as one segment ("surseg"),
// else as two points ("segpt1" and "segpt2").
struct LinearAnchors {
    bool OnSegment = false;
    LinkedAnchor First;
    LinkedAnchor Second;
};

// The anchor before the vertex, the vertex and the anchor after, of one path.
struct AngleAnchors {
    LinkedAnchor Previous;
    LinkedAnchor Vertex;
    LinkedAnchor Next;
};

// The two end anchors of a circular arc, of one path.
struct CircleAnchors {
    LinkedAnchor First;
    LinkedAnchor Second;
};

// The measured paths of the document by link, found in one pass over its paths: for each link key and id, the
// paths that carry them and are no dimension parts, from the top. An update-all pass looks every anchor up
// here instead of walking the document for each. A lookup answers what a walk of the document would answer
// now as long as no path has gained a link since the pass, which holds while dimensions are rebuilt: their
// new parts carry `vek`, and a measured path keeps the id it had.
class LinkedPathIndex {
  public:
    LinkedPathIndex();
    // The first path from the top that carries `key` = id and no `vek` and is still in the document; null
    // when there is none. A key that is no link key is looked up by walking the document.
    AIArtHandle Find(const char* key, int32_t id) const;

  private:
    std::vector<std::unordered_map<int32_t, std::vector<AIArtHandle>>> byKey_;  // in the order of LinkKeys
};

// The anchor index under "num1" (which 0), "num2" (1) or "num3" (2) of a part: false when the tag is absent or
// holds no decimal number of 0..32767.
bool ReadLinkIndex(AIArtHandle part, size_t which, int16_t* index);
// The measured path linked by `key` = id: the first path of the document, from the top, that carries that
// tag and is no dimension part (carries no `vek`); null when there is none. Looked up in `index` when one is
// given, else by walking the document.
AIArtHandle FindLinkedPath(const char* key, int32_t id, const LinkedPathIndex* index = nullptr);
// The anchor found again: the path linked by the part's `key` and the index under the part's index key
// `which`; false when the part has no such link or index, no path carries the id, or the path has no anchor
// of that index any more.
bool FindLinkedAnchor(AIArtHandle part, const char* key, size_t which, LinkedAnchor* anchor,
                      const LinkedPathIndex* index = nullptr);

// The anchors of the linear dimension `part` belongs to: "surseg" with "num1" and "num2" on one path when
// the part has it, else "segpt1" with "num1" and "segpt2" with "num2", each on its own path.
bool FindLinearAnchors(AIArtHandle part, LinearAnchors* anchors, const LinkedPathIndex* index = nullptr);
// The anchors of an angle dimension: "ang" with "num1" to "num3".
bool FindAngleAnchors(AIArtHandle part, AngleAnchors* anchors, const LinkedPathIndex* index = nullptr);
// The anchors of a circle dimension: "cer" with "num1" and "num2".
bool FindCircleAnchors(AIArtHandle part, CircleAnchors* anchors, const LinkedPathIndex* index = nullptr);

// The dimensions an update-all pass rebuilds, as one part of each, in document order from the top:
// linear dimensions by their line marked "red" with "surseg" or "segpt1"; angle dimensions by their first
// part that carries "ang" and "moda" (a dimension with several arcs counts once).
std::vector<AIArtHandle> LinearDimensionsToUpdate();
std::vector<AIArtHandle> AngleDimensionsToUpdate();

// Tells the user that the measured path of the dimension was not found.
void AlertMeasuredPathNotFound();

// How the rebuild of one dimension ended.
enum class RebuildOutcome {
    Rebuilt,       // a new group replaced the old one and was built from the anchors found again
    PathNotFound,  // the link led to no anchor, or the anchors no longer make the dimension: nothing changed
    Refused        // the new group could not be made (a locked layer): nothing changed
};
// The outcome and the last host error of the build.
struct RebuildResult {
    RebuildOutcome Outcome = RebuildOutcome::PathNotFound;
    ASErr Error = kNoErr;
};

// The label of a rebuilt circle dimension sits this far beyond the circle and its end mark.
constexpr double kCircleLabelClearance = 24.0;

// Replaces the group holding `part` by a new empty group at its place in the paint order, made
// DimensionGroup; false, changing nothing, when the part is in no dimension group or the group cannot be made.
bool ReplaceDimensionGroup(AIArtHandle part);

// Each rebuild below puts the dimension back where its own drag placed it: the placement its group keeps
// (dimension/Placement.h), or for a group from before it was kept the place its own parts show, never one another
// dimension's drag left; that placement is put in force in the live values (the offset "Attaches", the arc radius
// "Rayon", the label point), so that a panel change after it rebuilds the dimension in place.
// Rebuilds the linear dimension of `part` with the current settings from its two anchors read again: a new
// skeleton in a new group (always re-editable: it carries "mods" whatever the hover flags say), the link
// written again ("surseg", or "segpt1" and "segpt2"), DrawSegmentDimension at its own offset.
RebuildResult RebuildSegmentDimensionOf(AIArtHandle part, const LinkedPathIndex* index = nullptr);
// Rebuilds the angle dimension of `part` with the current settings from its vertex and neighbours read
// again: a new skeleton in a new group, the link written again, DrawAngleDimension at its own arc radius and on
// its own side (salient or re-entrant; salient when it keeps none).
RebuildResult RebuildAngleDimensionOf(AIArtHandle part, const LinkedPathIndex* index = nullptr);
// Rebuilds the circle dimension of `part` from the two arc ends read again (CircleFromChords), its leader
// bent at its own point; a dimension that shows none takes its label towards the middle of the arc,
// kCircleLabelClearance beyond the circle and the live end-mark size.
RebuildResult RebuildCircleDimensionOf(AIArtHandle part, const LinkedPathIndex* index = nullptr);

// Rebuilds one kind of dimension for every part of the list, the measured paths looked up in one index of the
// document; one alert after the pass when any of them was not found. Result: the last host error of the builds.
using RebuildOne = RebuildResult (*)(AIArtHandle part, const LinkedPathIndex* index);
ASErr RebuildEvery(const std::vector<AIArtHandle>& parts, RebuildOne rebuild);

// A click that re-opens a dimension whose path is not found leaves no dimension current: the panel's changes
// after it change neither the clicked dimension nor the one current before the click.
// A click on a linear dimension: with "Redessiner" on, every linear dimension of the document is rebuilt;
// else the clicked one (the art of the hit record), with the alert when its path is not found. Result: the
// last host error of the rebuild.
ASErr ReEditSegmentDimension(const AIToolHitData& hit, const AIToolMessage& message);
// A click on an angle dimension: with "Redessiner" on, every angle dimension of the document is rebuilt;
// else the clicked one (the art of the hit record), with the alert when its path is not found. Result: the
// last host error of the rebuild.
ASErr ReEditAngleDimension(const AIToolHitData& hit, const AIToolMessage& message);
// A click on a circle dimension rebuilds only the clicked art's dimension ("Redessiner" plays no part), with
// the alert when its path is not found. A null or unknown handle is not found.
ASErr RebuildCircleDimension(AIArtHandle* clickedArt);
