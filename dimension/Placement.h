// A dimension's definition: what it is (its kind as built, with its orientation), what it measures, how it was
// constructed and where a drag put it. What a drag decided belongs to the dimension, not to the tool. The kind is
// the group's name; the placement is kept on the dimension's group as tags, read and written here only; what the
// current dimension measures is kept beside its group (dimension/Definitions.h), its measured points found
// again through its link when it is re-opened. So every rebuild without the cursor (a re-open click, a panel
// change after it, update-all) builds the dimension as its own press and drag built it, never as what a later
// press or hover left in the live values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "dimension/Naming.h"
#include "host/Types.h"

// Room for a dimension group's name.
constexpr size_t kMaxGroupNameLength = 256;

// The placement of one dimension; each kind holds the pieces it has, the others stay empty.
struct DimensionPlacement {
    // The kind it was built as, with its orientation: the group's name (see dimension/Naming.h), which the
    // naming writes; KeepPlacement leaves it alone.
    std::optional<DimensionKind> Kind;
    // A linear dimension: the signed distance of its line from the measured points (its sign the side).
    std::optional<double> Offset;
    // The end (0 or 1) past which its drag put a value that does not fit; -1 when it has none.
    std::optional<int8_t> OutsideEnd;
    // An angle dimension: the radius of its first arc and whether it shows the re-entrant side (both or neither
    // are read).
    std::optional<double> ArcRadius;
    std::optional<bool> Reentrant;
    // A circle dimension: the bend of its leader (the point its label hangs from), from the centre.
    std::optional<AIRealPoint> LeaderBend;
    // A division: the length of its ticks.
    std::optional<double> TickLength;
};

// The placement kept on `group`; a piece not kept, or kept as no usable value, is empty.
DimensionPlacement ReadPlacement(AIArtHandle group);
// Writes on the current dimension's group each piece `placement` holds (an OutsideEnd of -1 removes it); the
// pieces it leaves empty stay as they are. A value that no artwork float holds is not written.
void KeepPlacement(const DimensionPlacement& placement);
// The placement kept on the current dimension's group.
DimensionPlacement KeptPlacement();

// The pieces a placement is made of, one at a time, on the current dimension's group.
void KeepOutsideEnd(int8_t end);
int8_t KeptOutsideEnd();

// The radius of an angle dimension's first arc and whether it shows the re-entrant side.
struct AngleArc {
    AIReal Radius = 0.0f;
    bool Reentrant = false;
};
// Keeps on the current dimension's group the arc its build drew.
void KeepAngleArc(AngleArc arc);

// The kind the current dimension was built as; false when its group has no dimension's name.
bool CurrentBuiltKind(DimensionKind* kind);
