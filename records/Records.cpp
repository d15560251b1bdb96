// The one instance of each shared record.
#include "records/Records.h"

#include <memory>

#include "records/BezierExtraValues.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/DialogPositions.h"
#include "records/DragValues.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/RememberedSegments.h"
#include "records/ToolState.h"

CurrentOptions gCurrentOptions;
CurrentDimension gCurrentDimension;
ReplacedDimension gReplacedDimension;
DimensionValues gDimensionValues;
ToolState gToolState;
HitState gHitState;
MeasuredPoints gMeasuredPoints;
SeriesPointTable gSeriesPointTable;
RememberedSegments gRememberedSegments;
DragValues gDragValues;
DialogPositions gDialogPositions;
DialogOpenFlags gDialogOpenFlags;
BezierExtraValues gBezierExtraValues;

void FreeRememberedNodes(RememberedSegment*& head) {
    while (head != nullptr) {
        RememberedSegment* next = head->Next;
        delete head;
        head = next;
    }
}

RememberedSegments::~RememberedSegments() { FreeRememberedNodes(Head); }

namespace {

// Each record is rebuilt in place: destroying one frees what it owns (the remembered segments' nodes).
template <typename Record>
void Rebuild(Record& record) {
    std::destroy_at(&record);
    std::construct_at(&record);
}

}  // namespace

void ResetRecords() {
    Rebuild(gCurrentOptions);
    Rebuild(gCurrentDimension);
    Rebuild(gReplacedDimension);
    Rebuild(gDimensionValues);
    Rebuild(gToolState);
    Rebuild(gHitState);
    Rebuild(gMeasuredPoints);
    Rebuild(gSeriesPointTable);
    Rebuild(gRememberedSegments);
    Rebuild(gDragValues);
    Rebuild(gDialogPositions);
    Rebuild(gDialogOpenFlags);
    Rebuild(gBezierExtraValues);
}
