// The phases of a series of linear dimensions (from a common origin or chained), each a step of its own so that
// it can be checked alone: the values measured, the lines laid and fitted, the dots of a dense chain, the room
// the values and extension lines take on each line, and the values that do not fit placed past an end or
// staggered off the line. DrawSeries (LinearDimensions.cpp) runs them in that order.
#pragma once

#include <cmath>
#include <cstddef>
#include <memory>

#include "dimension/DimensionArt.h"
#include "dimension/DimensionFit.h"
#include "dimension/Geometry.h"
#include "dimension/LinearDimensions.h"
#include "records/CurrentDimension.h"

// The line a linear dimension measures along: through Origin (the first measured point) in the unit
// Direction, offsets counted along Normal (a quarter turn counter-clockwise from Direction).
struct LinearFrame {
    Vector2 Origin;
    Vector2 Direction{1.0, 0.0};
    Vector2 Normal{0.0, 1.0};

    // The point `offset` off the measuring line and `along` it from the origin.
    AIRealPoint At(double offset, double along) const {
        return (Origin + Normal * offset + Direction * along).ToPoint();
    }
    double OffsetOf(AIRealPoint p) const { return Dot2((Vector2(p) - Origin).ToPoint(), Normal.ToPoint()); }
    double AlongOf(AIRealPoint p) const { return Dot2((Vector2(p) - Origin).ToPoint(), Direction.ToPoint()); }
    double Angle() const { return std::atan2(Direction.Y, Direction.X); }
};

// What the drag's modifier keys turn on for one build.
struct BuildOptions {
    bool MarksOutside = false;   // end marks point inwards from outside
    bool HorizontalText = false; // the text reads horizontally rather than along the line
    bool ExtensionLines = true;
    bool RoundOffset = false; // the offset goes up to a multiple of the stored "Attaches"
    bool FreeText = false;    // the text follows the label point along the line
};

// A stretch of a series line that a value takes or must keep clear of, along the frame's direction.
struct Stretch {
    double From = 0.0;
    double To = 0.0;
    // 0 on the line; in a chain, 1 and up the rows of values raised above it; between lines from the origin,
    // 1 the space beside a line away from the points and -1 the space towards them (the next line's 1)
    int Level = 0;
    bool AllLevels = false; // an extension line that crosses every row
    size_t Point = kNoPoint; // the series point whose extension line and marks this is, if any
    static constexpr size_t kNoPoint = ~size_t{0};
    bool Overlaps(const Stretch& o) const {
        return (Level == o.Level || AllLevels || o.AllLevels) && From < o.To && o.From < To;
    }
};

// What the values of a series take along their lines while they are placed.
class SeriesRoom {
public:
    // Line `line` (one per dimension, or one for a whole chain) holds the stretch.
    void Take(size_t line, const Stretch& s) {
        if (count_ < kCapacity) std::construct_at(&taken_[count_++].Held, Taken{line, s});
    }
    // The stretch is free on the line; the room kept around the points `own` (a dimension's own two, past
    // which its value starts clear of their marks) does not count.
    bool Free(size_t line, const Stretch& s, const size_t (&own)[2] = kNone) const {
        for (size_t i = 0; i < count_; ++i) {
            const Stretch& piece = taken_[i].Held.Piece;
            if (piece.Point != Stretch::kNoPoint && (piece.Point == own[0] || piece.Point == own[1]))
                continue;
            if (taken_[i].Held.Line == line && piece.Overlaps(s))
                return false;
        }
        return true;
    }
    static constexpr size_t kNone[2] = {Stretch::kNoPoint, Stretch::kNoPoint};

private:
    struct Taken {
        size_t Line = 0;
        Stretch Piece;
    };
    static constexpr size_t kCapacity = 4 * kSeriesCapacity * kSeriesCapacity;
    // A slot is made only when a stretch is taken: a drag step places a series at every move, and clearing the
    // whole room first would cost more than the placement.
    union Slot {
        Slot() {}
        Taken Held;
    };
    Slot taken_[kCapacity];
    size_t count_ = 0;
};

// A series while it is laid out: its points' frame, each dimension's value extent, line and fit.
struct SeriesLayout {
    LinearFrame Frame;
    BuildOptions Options;
    bool Chained = false;
    size_t Count = 0;          // the series points (ClickCount, at most kSeriesPointCapacity)
    size_t Dimensions = 0;     // the dimensions between them (at most kSeriesCapacity)
    double Base = 0.0;         // the offset of the first line: through the cursor
    double CursorAlong = 0.0;  // the cursor along the frame
    double ChainMiddle = 0.0;  // the middle of the first and last points along the frame
    LabelExtent Extents[kSeriesCapacity];
    double Tallest = 0.0;      // the tallest value
    double Deepest = 0.0;      // the largest extent of a value across its line (its width for level text on a
                               // vertical line)
    double Gap = 0.0;          // the value gap past a line end with no mark
    double Mark = 0.0;         // the end-mark length
    double Step = 0.0;         // how far apart the lines from the origin stand
    StraightDimension Dims[kSeriesCapacity];
    StraightFit Fits[kSeriesCapacity];
    double DotScale = 0.0;     // the one size of the chain's dots (none without dots)
    double Running = 0.0;      // the chain's sum, or the longest length from the origin
};

// The layout of the series of SeriesPointTable measured along `kind` from the first point (stacked) or
// chained, the first line through `cursor`; no dimensions for fewer than two points.
SeriesLayout StartSeriesLayout(LinearOrientation kind, bool chained, AIRealPoint cursor, int32_t withEnds);
// Each value written into its label and measured, so that the stacked lines leave room for them.
ASErr MeasureSeriesValues(SeriesLayout& layout);
// The dimension lines: a chain's on one line through the cursor, those from the origin stacked a step apart
// away from the points; each fitted to its value, the running value summed.
void LaySeriesLines(SeriesLayout& layout);
// In a chain with arrows, an inner point next to a span shorter than its two end marks ends both spans with
// one dot, drawn by the span before it: turned-out marks of short spans would cross there. Every dot of the
// chain takes one size (DotScale): the end-mark size, or less where the tightest point cannot hold it.
void PlaceChainDots(SeriesLayout& layout);
// In a chain, a neighbour's mark turned out at a shared point stands inside the next span, its line running
// on under it: a value between its ends that would cross it, or the dot at one of its ends, moves out like one
// that does not fit.
void MoveValuesOffSharedPoints(SeriesLayout& layout);
// What stays where it is on each line: the values inside, with the rows beside the line that a value deep
// across it (a level value on a steep line) reaches into, and the extension lines that cross it.
void ReserveSeriesRoom(const SeriesLayout& layout, SeriesRoom& room);
// Value `i`, which does not fit, past its preferred end or the other where the room is free, on its line and,
// from the origin, between the lines where it stands beside its own (past the origin end of a line from the
// origin always). False when neither end has room.
bool PlaceValuePastEnd(SeriesLayout& layout, SeriesRoom& room, size_t i);
// Value `i` staggered off its line: in the first row where it and its leader from the middle of its line are
// free, clear of the feet of the leaders still `pending`.
void StaggerValue(SeriesLayout& layout, SeriesRoom& room, size_t i, const bool (&pending)[kSeriesCapacity]);
// Every dimension drawn, the values that do not fit placed from the ends of the series inwards (so that the
// inner ones find their leaders clear). Result: the last host error.
ASErr PlaceSeriesValues(SeriesLayout& layout, SeriesRoom& room);
// Every point's extension line: out to the chain's line, or to the line of the dimension that ends at it (the
// origin's to the farthest one).
ASErr DrawSeriesExtensionLines(const SeriesLayout& layout);
