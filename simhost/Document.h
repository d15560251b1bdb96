// The stand-in host's document: layers, the art tree of each layer, art sets, host memory blocks and the
// view. The document suites work on it; tests and the driver build and inspect documents through this API.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/ArtSetSuite.h"
#include "host/ArtSuite.h"
#include "host/DocumentSuite.h"
#include "host/DocumentViewSuite.h"
#include "host/LayerSuite.h"
#include "host/MatchingArtSuite.h"
#include "host/MdMemorySuite.h"
#include "host/PathStyleSuite.h"
#include "host/PathSuite.h"
#include "host/TagSuite.h"
#include "host/TransformArtSuite.h"
#include "host/Types.h"
#include "simhost/ArtBounds.h"

namespace sim {

// One typed tag: `type` is one of the kTagType strings and names the field that holds the value.
struct TagValue {
    std::string type = kTagTypeString;
    std::string text;
    int32_t integer = 0;
    double real = 0.0;
    bool boolean = false;
    // "string:jj", "integer:3", "real:2.5", "boolean:true".
    std::string Describe() const;
};

// A run of characters of a text frame sharing one font, size and fill colour.
struct TextRun {
    size_t start = 0;
    size_t length = 0;
    std::string font;
    AIReal size = 12.0f;
    AIColor fill;
    AIReal baselineShift = 0.0f;
};

// The text of a text frame: filled in by the text part of the stand-in.
struct TextData {
    std::string contents;
    std::vector<TextRun> runs;
    std::string font;
    AIReal size = 12.0f;
    AIColor fill;
    AIReal baselineShift = 0.0f;  // of the text typed next
    int32_t justification = 0; // 0 left, 1 right, 2 centred
    AIRealMatrix transform;    // places the text's anchor at (tx, ty) and orients it
};

struct Layer;

// One art object of the tree. Paths use segments, closed, guide and style; text frames use text.
struct ArtNode {
    uintptr_t id = 0;
    int16_t type = kUnknownArt;
    Layer* layer = nullptr;
    ArtNode* parent = nullptr;      // null for a layer's group
    std::list<ArtNode*> children;   // top first
    std::list<ArtNode*>::iterator place; // where the art is among its parent's children, while it has one
    double order = 0.0;             // grows from the top child to the bottom one among siblings
    bool boundsStale = false;       // waits to be filed again in the document's bounds index
    std::string name;               // empty: the default name of its kind
    int32_t userAttr = 0;           // kArtSelected | kArtLocked | kArtHidden | kArtFullySelected
    int32_t selectedChildren = 0;   // children with kArtSelected: a group's selection follows from these two
    int32_t fullyChildren = 0;      // children with kArtFullySelected
    std::map<std::string, TagValue, std::less<>> tags;  // looked up by C string without a copy
    std::vector<AIPathSegment> segments;
    bool closed = false;
    bool guide = false;
    bool showsCentre = false;       // the path shows its centre point, which anchor hit tests find
    AIPathStyle style;
    TextData text;
    bool IsLayerGroup() const { return parent == nullptr; }
};

// One layer with its group of art.
struct Layer {
    uintptr_t id = 0;
    std::string title;
    bool locked = false;
    bool visible = true;
    AIRGBColor colour;
    ArtNode* group = nullptr;
};

// The document's one view and what has been asked of it.
struct ViewState {
    uintptr_t id = 0;
    AIReal zoom = 1.0f;
    AIRealPoint origin{0.0f, 768.0f}; // the artwork point at the view's top-left corner
    AIRect bounds{0, 0, 1024, 768};
    std::vector<AIRect> invalidRects;  // every invalidation, the whole view for a zoom change
    int32_t annotationDrawsQueued = 0; // annotation draws requested and not yet taken
    int32_t documentRedraws = 0;       // RedrawDocument requests
};

// The members of an art set in the order they were added, and the same members for a quick look-up.
struct ArtSetMembers {
    std::vector<AIArtHandle> order;
    std::unordered_set<AIArtHandle> held;
};

// A straight corner anchor at (h, v).
AIPathSegment CornerSegment(AIReal h, AIReal v);
// An anchor with its in and out handles.
AIPathSegment CurveSegment(AIRealPoint p, AIRealPoint in, AIRealPoint out, bool corner = false);

class Document {
  public:
    Document();
    // A fresh document: one visible, unlocked layer "Calque 1", current; no art, sets or memory blocks; the
    // view at zoom 1.0. Handles of the old document stay invalid: numbers are never reused.
    void Reset();

    // Handles and lookups. Lookups answer kBadParameterErr for null and kStaleHandleErr for unknown handles.
    static AIArtHandle Handle(const ArtNode* node);
    static AILayerHandle Handle(const Layer* layer);
    ASErr FindNode(AIArtHandle art, ArtNode** node);
    ASErr FindLayerNode(AILayerHandle layer, Layer** node);
    const ArtNode* Art(AIArtHandle art) const;         // null when unknown
    ArtNode* MutableArt(AIArtHandle art);              // null when unknown
    const Layer* LayerInfo(AILayerHandle layer) const; // null when unknown
    bool IsValid(AIArtHandle art) const;
    size_t ArtCount() const; // live art, layers' groups excluded
    // The art read to work out groups' selection again since the document was made: one per group above art
    // whose selection changed, however many children the group holds.
    uint64_t SelectionRefreshReads() const { return selectionRefreshReads_; }

    // Layers, top first.
    int32_t LayerCount() const;
    AILayerHandle LayerAt(int32_t index) const;    // null outside the range
    int32_t LayerIndex(AILayerHandle layer) const; // -1 when unknown
    AILayerHandle CurrentLayer() const;
    void SetCurrentLayer(AILayerHandle layer);
    AILayerHandle FindLayer(const std::string& title) const; // first from the top, null when none
    // A new layer on top of all layers, made current.
    AILayerHandle AddLayer(const std::string& title);
    // A new layer at `index` (0 = top) titled "Calque N", N one more than the layers made so far.
    AILayerHandle InsertLayerAt(int32_t index);
    ASErr DeleteLayer(AILayerHandle layer);
    void SetLayerLocked(AILayerHandle layer, bool locked);
    void SetLayerVisible(AILayerHandle layer, bool visible);
    AIArtHandle LayerGroup(AILayerHandle layer) const;

    // Building art for tests and scenarios (ignores layer locks). A null layer means the current layer; the
    // new path goes on top of its layer with the current path style.
    AIArtHandle DrawPath(const std::vector<AIPathSegment>& segments, bool closed,
                         const std::string& name = {}, AILayerHandle layer = nullptr);
    AIArtHandle DrawPolyline(const std::vector<AIRealPoint>& points, bool closed,
                             const std::string& name = {}, AILayerHandle layer = nullptr);
    // A new empty group on top inside `parent` (a group; null: the current layer's group).
    AIArtHandle NewGroup(AIArtHandle parent = nullptr, const std::string& name = {});
    // Moves art into a group on top, for building nested trees.
    ASErr MoveInto(AIArtHandle art, AIArtHandle group);

    // The bounds index of the paths, current. Whoever changes a path's anchors through a handle other than
    // MutableArt tells the document with GeometryChanged.
    const ArtBoundsIndex& Bounds();
    void GeometryChanged(ArtNode* node);
    // Whether `a` comes before `b` in paint order from the top (layers top first, a group before what it
    // holds, children top first): the order in which AllArt lists them.
    bool ComesBefore(const ArtNode* a, const ArtNode* b) const;

    // Walking and reading.
    std::vector<AIArtHandle> Children(AIArtHandle group) const; // top first, as the suites walk them
    std::vector<AIArtHandle> AllArt() const; // top layer first, each group before its children, top first
    AIArtHandle FindArtByName(const std::string& name) const; // first in AllArt order, null when none
    // The name the host shows: the art's own, else "<Tracé>", "<Groupe>" or "<Texte>".
    std::string DisplayName(AIArtHandle art) const;
    // One stable line describing a node, for tree dumps: kind, own name, flags, attributes, tags sorted by
    // name, then the style and anchors of a path or the text of a text frame; numbers are written shortest,
    // e.g.
    //   path "Côté" closed attrs=selected,fully-selected tags={vek=string:jj} stroke=gray(1) width=1 cap=butt
    //   join=miter miter=4 fill=none anchors=[(0,0) (10,0.5 in 8,0 out 12,-1 smooth)]
    // (on one line). "invalid" for an unknown handle.
    std::string Describe(AIArtHandle art) const;
    // The whole document, layers top first: one line per layer (`layer "Calque 1" visible unlocked
    // colour=20303,32896,65535 current`), then one Describe line per node indented two blanks per depth.
    std::string DescribeTree() const;

    // Tree edits with the host's error codes (the suites use them).
    ASErr NewArt(int16_t type, int16_t paintOrder, AIArtHandle prep, ArtNode** node);
    ASErr DisposeArt(ArtNode* node);
    ASErr ReorderArt(ArtNode* node, int16_t paintOrder, AIArtHandle prep);
    ASErr DuplicateArt(const ArtNode* node, int16_t paintOrder, AIArtHandle prep, ArtNode** copy);
    // Sets user attributes and keeps selection consistent down the group and up its parents.
    void SetUserAttr(ArtNode* node, int32_t whichAttr, int32_t attr);
    void DeselectAll();

    // The style new paths get.
    AIPathStyle& CurrentPathStyle() { return currentStyle_; }

    // Art sets.
    AIArtSet NewArtSet();
    ASErr FindArtSet(AIArtSet set, ArtSetMembers** members);
    ASErr DisposeArtSet(AIArtSet set);
    size_t ArtSetCount() const { return artSets_.size(); }

    // Host memory blocks.
    AIMdMemoryHandle NewMemory(size_t size);
    ASErr FindMemory(AIMdMemoryHandle handle, std::vector<unsigned char>** block);
    ASErr DisposeMemory(AIMdMemoryHandle handle);
    size_t LiveMemoryBlocks() const { return memory_.size(); }

    // The view and the document handle.
    ViewState& View() { return view_; }
    AIDocumentViewHandle ViewHandle() const;
    AIDocumentHandle DocumentHandle() const;
    // Records an invalidation of the whole view with an annotation draw request.
    void InvalidateView();
    // Annotation draws requested since the last call, then none.
    int32_t TakeQueuedAnnotationDraws();

  private:
    static uintptr_t NextId();
    ArtNode* MakeNode(int16_t type, Layer* layer);
    using ChildPlace = std::list<ArtNode*>::iterator;
    // The group new or moved art goes into, and the child it goes before (end: at the bottom).
    ASErr FindPlace(int16_t paintOrder, AIArtHandle prep, ArtNode** parent, ChildPlace* before);
    // FindPlace, refused with kLockedErr on a locked layer.
    ASErr FindEditablePlace(int16_t paintOrder, AIArtHandle prep, ArtNode** parent, ChildPlace* before);
    // Attach, then the selection of the new parents follows.
    void Insert(ArtNode* node, ArtNode* parent, ChildPlace before);
    void Attach(ArtNode* node, ArtNode* parent, ChildPlace before);
    // Gives a child just placed an order between its neighbours', numbering all siblings again when none is
    // left between them.
    static void Order(ArtNode* node);
    void Detach(ArtNode* node);
    void Forget(ArtNode* node);
    ArtNode* Copy(const ArtNode* node, Layer* layer);
    void RefreshSelectionUp(ArtNode* node);
    void Collect(const ArtNode* node, std::vector<AIArtHandle>& out) const;
    void DescribeInto(const ArtNode* node, int depth, std::string& out) const;

    std::vector<std::unique_ptr<Layer>> layers_; // top first
    std::unordered_map<uintptr_t, std::unique_ptr<ArtNode>> art_; // by id
    std::map<uintptr_t, ArtSetMembers> artSets_;
    std::map<uintptr_t, std::vector<unsigned char>> memory_;
    Layer* current_ = nullptr;
    int32_t layersMade_ = 0;
    AIPathStyle currentStyle_;
    ViewState view_;
    uintptr_t documentId_ = 0;
    ArtBoundsIndex bounds_;
    std::vector<uintptr_t> staleBounds_; // ids of paths to file again
    uint64_t selectionRefreshReads_ = 0;
};

Document& TheDocument();

// The suite tables of the document part, registered by InstallDocumentSuites.
const AIArtSuite& ArtSuiteTable();
const AIPathSuite& PathSuiteTable();
const AIPathStyleSuite& PathStyleSuiteTable();
const AITagSuite& TagSuiteTable();
const AIMatchingArtSuite& MatchingArtSuiteTable();
const AIArtSetSuite& ArtSetSuiteTable();
const AILayerSuite& LayerSuiteTable();
const AIDocumentSuite& DocumentSuiteTable();
const AIDocumentViewSuite& DocumentViewSuiteTable();
const AITransformArtSuite& TransformArtSuiteTable();
const AIMdMemorySuite& MdMemorySuiteTable();

} // namespace sim
