#include "simhost/Document.h"

#include <algorithm>
#include <array>

#include "simhost/SimHost.h"

namespace sim {

namespace {

constexpr int32_t kSelectionBits = kArtSelected | kArtFullySelected;
constexpr int32_t kKnownAttrBits = kSelectionBits | kArtLocked | kArtHidden;

// Colours given to layers in the order they are made, 16 bits per channel.
constexpr std::array<AIRGBColor, 6> kLayerColours = {{{0x4F4F, 0x8080, 0xFFFF},
                                                      {0xFFFF, 0x4F4F, 0x4F4F},
                                                      {0x4F4F, 0xFFFF, 0x4F4F},
                                                      {0x4F4F, 0x4F4F, 0xFFFF},
                                                      {0xFFFF, 0xFFFF, 0x4F4F},
                                                      {0xFFFF, 0x4F4F, 0xFFFF}}};

// Black 1-point stroke and no fill.
AIPathStyle DefaultPathStyle() {
    AIPathStyle style;
    style.fillPaint = 0;
    style.strokePaint = 1;
    style.fill.color.kind = kGrayColor;
    style.fill.color.g.gray = 1.0f;
    style.stroke.color.kind = kGrayColor;
    style.stroke.color.g.gray = 1.0f;
    return style;
}

bool IsInside(const ArtNode* node, const ArtNode* ancestor) {
    for (const ArtNode* p = node; p != nullptr; p = p->parent) {
        if (p == ancestor) {
            return true;
        }
    }
    return false;
}

void SetLayerDown(ArtNode* node, Layer* layer) {
    node->layer = layer;
    for (ArtNode* child : node->children) {
        SetLayerDown(child, layer);
    }
}

// The entry of a handle in a table keyed by handle id: kBadParameterErr for a null handle, kStaleHandleErr for
// one the table does not hold (never made, or disposed).
template <class Table, class Handle>
ASErr FindEntry(Table& table, Handle handle, typename Table::mapped_type** entry) {
    if (handle == nullptr) {
        return kBadParameterErr;
    }
    const auto found = table.find(reinterpret_cast<uintptr_t>(handle));
    if (found == table.end()) {
        return kStaleHandleErr;
    }
    *entry = &found->second;
    return kNoErr;
}

// Removes the entry of a handle, with the errors of FindEntry.
template <class Table, class Handle>
ASErr EraseEntry(Table& table, Handle handle) {
    typename Table::mapped_type* entry = nullptr;
    if (const ASErr error = FindEntry(table, handle, &entry); error != kNoErr) {
        return error;
    }
    table.erase(reinterpret_cast<uintptr_t>(handle));
    return kNoErr;
}

// Counts the selection of a child in its parent's tallies (`sign` 1) or takes it out of them (`sign` -1).
void Tally(const ArtNode* child, int32_t sign) {
    ArtNode* parent = child->parent;
    if (parent == nullptr) {
        return;
    }
    if ((child->userAttr & kArtSelected) != 0) {
        parent->selectedChildren += sign;
    }
    if ((child->userAttr & kArtFullySelected) != 0) {
        parent->fullyChildren += sign;
    }
}

// The selection bits of one art, its parent's tallies following.
void SetSelection(ArtNode* node, int32_t bits) {
    Tally(node, -1);
    node->userAttr = (node->userAttr & ~kSelectionBits) | bits;
    Tally(node, 1);
}

void SetSelectionDown(ArtNode* node, int32_t bits) {
    SetSelection(node, bits);
    for (ArtNode* child : node->children) {
        SetSelectionDown(child, bits);
    }
}

} // namespace

AIPathSegment CornerSegment(AIReal h, AIReal v) {
    AIPathSegment s;
    s.p = s.in = s.out = AIRealPoint{h, v};
    s.corner = 1;
    return s;
}

AIPathSegment CurveSegment(AIRealPoint p, AIRealPoint in, AIRealPoint out, bool corner) {
    AIPathSegment s;
    s.p = p;
    s.in = in;
    s.out = out;
    s.corner = corner ? 1 : 0;
    return s;
}

Document& TheDocument() {
    static Document document;
    return document;
}

Document::Document() {
    Reset();
}

uintptr_t Document::NextId() {
    static uintptr_t next = 0;
    return ++next;
}

void Document::Reset() {
    artSets_.clear();
    memory_.clear();
    layers_.clear();
    art_.clear();
    bounds_.Clear();
    staleBounds_.clear();
    layersMade_ = 0;
    currentStyle_ = DefaultPathStyle();
    view_ = ViewState{};
    view_.id = NextId();
    documentId_ = NextId();
    current_ = nullptr;
    SetCurrentLayer(InsertLayerAt(0));
}

AIArtHandle Document::Handle(const ArtNode* node) {
    return node == nullptr ? nullptr : reinterpret_cast<AIArtHandle>(node->id);
}

AILayerHandle Document::Handle(const Layer* layer) {
    return layer == nullptr ? nullptr : reinterpret_cast<AILayerHandle>(layer->id);
}

ASErr Document::FindNode(AIArtHandle art, ArtNode** node) {
    if (art == nullptr || node == nullptr) {
        return kBadParameterErr;
    }
    const auto found = art_.find(reinterpret_cast<uintptr_t>(art));
    if (found == art_.end()) {
        return kStaleHandleErr;
    }
    *node = found->second.get();
    return kNoErr;
}

ASErr Document::FindLayerNode(AILayerHandle layer, Layer** node) {
    if (layer == nullptr || node == nullptr) {
        return kBadParameterErr;
    }
    for (const auto& l : layers_) {
        if (Handle(l.get()) == layer) {
            *node = l.get();
            return kNoErr;
        }
    }
    return kStaleHandleErr;
}

const ArtNode* Document::Art(AIArtHandle art) const {
    const auto found = art_.find(reinterpret_cast<uintptr_t>(art));
    return found == art_.end() ? nullptr : found->second.get();
}

ArtNode* Document::MutableArt(AIArtHandle art) {
    const auto found = art_.find(reinterpret_cast<uintptr_t>(art));
    if (found == art_.end()) {
        return nullptr;
    }
    GeometryChanged(found->second.get());
    return found->second.get();
}

const ArtBoundsIndex& Document::Bounds() {
    for (const uintptr_t id : staleBounds_) {
        const auto found = art_.find(id);
        if (found == art_.end()) {
            continue;
        }
        found->second->boundsStale = false;
        bounds_.File(found->second.get());
    }
    staleBounds_.clear();
    return bounds_;
}

void Document::GeometryChanged(ArtNode* node) {
    if (node == nullptr || node->type != kPathArt || node->boundsStale) {
        return;
    }
    node->boundsStale = true;
    staleBounds_.push_back(node->id);
}

bool Document::ComesBefore(const ArtNode* a, const ArtNode* b) const {
    if (a == b || a == nullptr || b == nullptr) {
        return false;
    }
    if (a->layer != b->layer) {
        return LayerIndex(Handle(a->layer)) < LayerIndex(Handle(b->layer));
    }
    std::vector<const ArtNode*> chainA;
    std::vector<const ArtNode*> chainB;
    for (const ArtNode* n = a; n != nullptr; n = n->parent) {
        chainA.push_back(n);
    }
    for (const ArtNode* n = b; n != nullptr; n = n->parent) {
        chainB.push_back(n);
    }
    auto ia = chainA.rbegin();
    auto ib = chainB.rbegin();
    while (ia != chainA.rend() && ib != chainB.rend() && *ia == *ib) {
        ++ia;
        ++ib;
    }
    if (ia == chainA.rend()) {
        return true; // a holds b
    }
    if (ib == chainB.rend()) {
        return false; // b holds a
    }
    return (*ia)->order < (*ib)->order;
}

void Document::Order(ArtNode* node) {
    auto& siblings = node->parent->children;
    const bool first = node->place == siblings.begin();
    const auto next = std::next(node->place);
    const bool last = next == siblings.end();
    if (first && last) {
        node->order = 0.0;
        return;
    }
    if (first) {
        node->order = (*next)->order - 1.0;
        return;
    }
    const double before = (*std::prev(node->place))->order;
    if (last) {
        node->order = before + 1.0;
        return;
    }
    const double after = (*next)->order;
    const double middle = before + (after - before) / 2.0;
    if (middle > before && middle < after) {
        node->order = middle;
        return;
    }
    double k = 0.0;
    for (ArtNode* sibling : siblings) {
        sibling->order = k++;
    }
}

const Layer* Document::LayerInfo(AILayerHandle layer) const {
    const int32_t index = LayerIndex(layer);
    return index < 0 ? nullptr : layers_[static_cast<size_t>(index)].get();
}

bool Document::IsValid(AIArtHandle art) const {
    return art != nullptr && Art(art) != nullptr;
}

size_t Document::ArtCount() const {
    return art_.size() - layers_.size();
}

int32_t Document::LayerCount() const {
    return static_cast<int32_t>(layers_.size());
}

AILayerHandle Document::LayerAt(int32_t index) const {
    if (index < 0 || index >= LayerCount()) {
        return nullptr;
    }
    return Handle(layers_[static_cast<size_t>(index)].get());
}

int32_t Document::LayerIndex(AILayerHandle layer) const {
    for (size_t i = 0; i < layers_.size(); ++i) {
        if (layer != nullptr && Handle(layers_[i].get()) == layer) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

AILayerHandle Document::CurrentLayer() const {
    return Handle(current_);
}

void Document::SetCurrentLayer(AILayerHandle layer) {
    const int32_t index = LayerIndex(layer);
    if (index >= 0) {
        current_ = layers_[static_cast<size_t>(index)].get();
    }
}

AILayerHandle Document::FindLayer(const std::string& title) const {
    for (const auto& l : layers_) {
        if (l->title == title) {
            return Handle(l.get());
        }
    }
    return nullptr;
}

AILayerHandle Document::AddLayer(const std::string& title) {
    const AILayerHandle layer = InsertLayerAt(0);
    layers_.front()->title = title;
    SetCurrentLayer(layer);
    return layer;
}

AILayerHandle Document::InsertLayerAt(int32_t index) {
    auto layer = std::make_unique<Layer>();
    layer->id = NextId();
    layer->title = "Calque " + std::to_string(++layersMade_);
    layer->colour = kLayerColours[static_cast<size_t>(layersMade_ - 1) % kLayerColours.size()];
    layer->group = MakeNode(kGroupArt, layer.get());
    const size_t at = static_cast<size_t>(std::clamp(index, 0, LayerCount()));
    const AILayerHandle handle = Handle(layer.get());
    layers_.insert(layers_.begin() + static_cast<std::ptrdiff_t>(at), std::move(layer));
    return handle;
}

ASErr Document::DeleteLayer(AILayerHandle layer) {
    Layer* node = nullptr;
    if (const ASErr error = FindLayerNode(layer, &node); error != kNoErr) {
        return error;
    }
    if (layers_.size() == 1) {
        return kBadParameterErr;
    }
    const size_t index = static_cast<size_t>(LayerIndex(layer));
    Forget(node->group);
    layers_.erase(layers_.begin() + static_cast<std::ptrdiff_t>(index));
    if (current_ == node) {
        current_ = layers_[std::min(index, layers_.size() - 1)].get();
    }
    return kNoErr;
}

void Document::SetLayerLocked(AILayerHandle layer, bool locked) {
    Layer* node = nullptr;
    if (FindLayerNode(layer, &node) == kNoErr) {
        node->locked = locked;
    }
}

void Document::SetLayerVisible(AILayerHandle layer, bool visible) {
    Layer* node = nullptr;
    if (FindLayerNode(layer, &node) == kNoErr) {
        node->visible = visible;
    }
}

AIArtHandle Document::LayerGroup(AILayerHandle layer) const {
    const Layer* node = LayerInfo(layer);
    return node == nullptr ? nullptr : Handle(node->group);
}

AIArtHandle Document::DrawPath(const std::vector<AIPathSegment>& segments, bool closed,
                               const std::string& name, AILayerHandle layer) {
    const Layer* target = layer == nullptr ? current_ : LayerInfo(layer);
    if (target == nullptr) {
        return nullptr;
    }
    ArtNode* path = MakeNode(kPathArt, nullptr);
    path->segments = segments;
    path->closed = closed;
    path->name = name;
    Attach(path, target->group, target->group->children.begin());
    return Handle(path);
}

AIArtHandle Document::DrawPolyline(const std::vector<AIRealPoint>& points, bool closed,
                                   const std::string& name, AILayerHandle layer) {
    std::vector<AIPathSegment> segments;
    for (const AIRealPoint& p : points) {
        segments.push_back(CornerSegment(p.h, p.v));
    }
    return DrawPath(segments, closed, name, layer);
}

AIArtHandle Document::NewGroup(AIArtHandle parent, const std::string& name) {
    ArtNode* into = parent == nullptr ? current_->group : MutableArt(parent);
    if (into == nullptr || into->type != kGroupArt) {
        return nullptr;
    }
    ArtNode* group = MakeNode(kGroupArt, nullptr);
    group->name = name;
    Insert(group, into, into->children.begin());
    return Handle(group);
}

ASErr Document::MoveInto(AIArtHandle art, AIArtHandle group) {
    ArtNode* node = nullptr;
    if (const ASErr error = FindNode(art, &node); error != kNoErr) {
        return error;
    }
    ArtNode* into = nullptr;
    if (const ASErr error = FindNode(group, &into); error != kNoErr) {
        return error;
    }
    if (node->IsLayerGroup() || into->type != kGroupArt || IsInside(into, node)) {
        return kBadParameterErr;
    }
    ArtNode* from = node->parent;
    Detach(node);
    RefreshSelectionUp(from);
    Insert(node, into, into->children.begin());
    return kNoErr;
}

std::vector<AIArtHandle> Document::Children(AIArtHandle group) const {
    std::vector<AIArtHandle> out;
    if (const ArtNode* node = Art(group)) {
        for (const ArtNode* child : node->children) {
            out.push_back(Handle(child));
        }
    }
    return out;
}

void Document::Collect(const ArtNode* node, std::vector<AIArtHandle>& out) const {
    for (const ArtNode* child : node->children) {
        out.push_back(Handle(child));
        Collect(child, out);
    }
}

std::vector<AIArtHandle> Document::AllArt() const {
    std::vector<AIArtHandle> out;
    for (const auto& layer : layers_) {
        Collect(layer->group, out);
    }
    return out;
}

AIArtHandle Document::FindArtByName(const std::string& name) const {
    for (AIArtHandle art : AllArt()) {
        if (Art(art)->name == name) {
            return art;
        }
    }
    return nullptr;
}

std::string Document::DisplayName(AIArtHandle art) const {
    const ArtNode* node = Art(art);
    if (node == nullptr) {
        return {};
    }
    if (!node->name.empty()) {
        return node->name;
    }
    switch (node->type) {
    case kGroupArt:
        return "<Groupe>";
    case kTextFrameArt:
        return "<Texte>";
    default:
        return "<Tracé>";
    }
}

ArtNode* Document::MakeNode(int16_t type, Layer* layer) {
    auto node = std::make_unique<ArtNode>();
    node->id = NextId();
    node->type = type;
    node->layer = layer;
    if (type == kPathArt) {
        node->style = currentStyle_;
    }
    if (type == kTextFrameArt) {
        node->text.fill.g.gray = 1.0f; // black
    }
    ArtNode* raw = node.get();
    art_.emplace(raw->id, std::move(node));
    GeometryChanged(raw);
    return raw;
}

ASErr Document::FindPlace(int16_t paintOrder, AIArtHandle prep, ArtNode** parent, ChildPlace* before) {
    ArtNode* anchor = nullptr;
    if (prep == nullptr) {
        *parent = current_->group;
        *before = paintOrder == kPlaceBelowAll ? current_->group->children.end() : current_->group->children.begin();
        return kNoErr;
    }
    if (const ASErr error = FindNode(prep, &anchor); error != kNoErr) {
        return error;
    }
    switch (paintOrder) {
    case kPlaceAbove:
    case kPlaceBelow:
        if (anchor->IsLayerGroup()) {
            return kBadParameterErr;
        }
        *parent = anchor->parent;
        *before = paintOrder == kPlaceBelow ? std::next(anchor->place) : anchor->place;
        return kNoErr;
    case kPlaceInsideOnTop:
    case kPlaceInsideOnBottom:
        if (anchor->type != kGroupArt) {
            return kBadParameterErr;
        }
        *parent = anchor;
        *before = paintOrder == kPlaceInsideOnTop ? anchor->children.begin() : anchor->children.end();
        return kNoErr;
    case kPlaceAboveAll:
    case kPlaceBelowAll:
        *parent = anchor->layer->group;
        *before = paintOrder == kPlaceAboveAll ? anchor->layer->group->children.begin()
                                               : anchor->layer->group->children.end();
        return kNoErr;
    default:
        return kBadParameterErr;
    }
}

ASErr Document::FindEditablePlace(int16_t paintOrder, AIArtHandle prep, ArtNode** parent, ChildPlace* before) {
    if (const ASErr error = FindPlace(paintOrder, prep, parent, before); error != kNoErr) {
        return error;
    }
    return (*parent)->layer->locked ? kLockedErr : kNoErr;
}

void Document::Insert(ArtNode* node, ArtNode* parent, ChildPlace before) {
    Attach(node, parent, before);
    RefreshSelectionUp(node);
}

void Document::Attach(ArtNode* node, ArtNode* parent, ChildPlace before) {
    node->parent = parent;
    SetLayerDown(node, parent->layer);
    node->place = parent->children.insert(before, node);
    Tally(node, 1);
    Order(node);
}

void Document::Detach(ArtNode* node) {
    Tally(node, -1);
    node->parent->children.erase(node->place);
    node->place = {};
}

void Document::Forget(ArtNode* node) {
    for (ArtNode* child : node->children) {
        Forget(child);
    }
    bounds_.Remove(node);
    art_.erase(node->id);
}

ASErr Document::NewArt(int16_t type, int16_t paintOrder, AIArtHandle prep, ArtNode** node) {
    if (node == nullptr || (type != kGroupArt && type != kPathArt && type != kTextFrameArt)) {
        return kBadParameterErr;
    }
    ArtNode* parent = nullptr;
    ChildPlace before;
    if (const ASErr error = FindEditablePlace(paintOrder, prep, &parent, &before); error != kNoErr) {
        return error;
    }
    *node = MakeNode(type, nullptr);
    Insert(*node, parent, before);
    return kNoErr;
}

ASErr Document::DisposeArt(ArtNode* node) {
    if (node->IsLayerGroup()) {
        return kBadParameterErr;
    }
    ArtNode* parent = node->parent;
    Detach(node);
    Forget(node);
    RefreshSelectionUp(parent);
    return kNoErr;
}

ASErr Document::ReorderArt(ArtNode* node, int16_t paintOrder, AIArtHandle prep) {
    if (node->IsLayerGroup()) {
        return kBadParameterErr;
    }
    if (Handle(node) == prep && (paintOrder == kPlaceAbove || paintOrder == kPlaceBelow)) {
        return kNoErr;
    }
    ArtNode* parent = nullptr;
    ChildPlace before;
    if (const ASErr error = FindEditablePlace(paintOrder, prep, &parent, &before); error != kNoErr) {
        return error;
    }
    if (IsInside(parent, node)) {
        return kBadParameterErr;
    }
    ArtNode* from = node->parent;
    Detach(node);
    RefreshSelectionUp(from);
    FindPlace(paintOrder, prep, &parent, &before);
    Insert(node, parent, before);
    return kNoErr;
}

ArtNode* Document::Copy(const ArtNode* node, Layer* layer) {
    ArtNode* copy = MakeNode(node->type, layer);
    copy->name = node->name;
    copy->userAttr = node->userAttr;
    copy->tags = node->tags;
    copy->segments = node->segments;
    copy->closed = node->closed;
    copy->guide = node->guide;
    copy->style = node->style;
    copy->text = node->text;
    for (const ArtNode* child : node->children) {
        ArtNode* c = Copy(child, layer);
        c->parent = copy;
        c->place = copy->children.insert(copy->children.end(), c);
        Tally(c, 1);
        Order(c);
    }
    return copy;
}

ASErr Document::DuplicateArt(const ArtNode* node, int16_t paintOrder, AIArtHandle prep, ArtNode** copy) {
    if (node->IsLayerGroup() || copy == nullptr) {
        return kBadParameterErr;
    }
    ArtNode* parent = nullptr;
    ChildPlace before;
    if (const ASErr error = FindEditablePlace(paintOrder, prep, &parent, &before); error != kNoErr) {
        return error;
    }
    *copy = Copy(node, parent->layer);
    Insert(*copy, parent, before);
    return kNoErr;
}

void Document::SetUserAttr(ArtNode* node, int32_t whichAttr, int32_t attr) {
    whichAttr &= kKnownAttrBits;
    const int32_t plain = whichAttr & (kArtLocked | kArtHidden);
    node->userAttr = (node->userAttr & ~plain) | (attr & plain);
    const int32_t selection = whichAttr & kSelectionBits;
    if (selection == 0) {
        return;
    }
    const bool fully = (selection & attr & kArtFullySelected) != 0;
    const bool selected = (selection & attr & kArtSelected) != 0;
    if (fully || (selected && node->type != kPathArt)) { // only a path can be partly selected
        SetSelectionDown(node, kSelectionBits);
    } else if (selected) {
        // Asked for selection without full selection: the path becomes partly selected.
        const int32_t clearFull = (selection & kArtFullySelected) != 0 ? kArtFullySelected : 0;
        SetSelection(node, (node->userAttr & kSelectionBits & ~clearFull) | kArtSelected);
    } else {
        SetSelectionDown(node, 0);
    }
    RefreshSelectionUp(node);
}

void Document::RefreshSelectionUp(ArtNode* node) {
    for (ArtNode* p = node == nullptr ? nullptr : node->parent; p != nullptr && !p->IsLayerGroup();
         p = p->parent) {
        if (p->children.empty()) {
            continue;
        }
        ++selectionRefreshReads_;
        const bool any = p->selectedChildren > 0;
        const bool all = static_cast<size_t>(p->fullyChildren) == p->children.size();
        SetSelection(p, (any ? kArtSelected : 0) | (all ? kArtFullySelected : 0));
    }
}

void Document::DeselectAll() {
    for (auto& entry : art_) {
        SetSelection(entry.second.get(), 0);
    }
}

AIArtSet Document::NewArtSet() {
    const uintptr_t id = NextId();
    artSets_[id];
    return reinterpret_cast<AIArtSet>(id);
}

ASErr Document::FindArtSet(AIArtSet set, ArtSetMembers** members) {
    return FindEntry(artSets_, set, members);
}

ASErr Document::DisposeArtSet(AIArtSet set) {
    return EraseEntry(artSets_, set);
}

AIMdMemoryHandle Document::NewMemory(size_t size) {
    const uintptr_t id = NextId();
    memory_[id].assign(size, 0);
    return reinterpret_cast<AIMdMemoryHandle>(id);
}

ASErr Document::FindMemory(AIMdMemoryHandle handle, std::vector<unsigned char>** block) {
    return FindEntry(memory_, handle, block);
}

ASErr Document::DisposeMemory(AIMdMemoryHandle handle) {
    return EraseEntry(memory_, handle);
}

AIDocumentViewHandle Document::ViewHandle() const {
    return reinterpret_cast<AIDocumentViewHandle>(view_.id);
}

AIDocumentHandle Document::DocumentHandle() const {
    return reinterpret_cast<AIDocumentHandle>(documentId_);
}

void Document::InvalidateView() {
    view_.invalidRects.push_back(view_.bounds);
    ++view_.annotationDrawsQueued;
}

int32_t Document::TakeQueuedAnnotationDraws() {
    const int32_t queued = view_.annotationDrawsQueued;
    view_.annotationDrawsQueued = 0;
    return queued;
}

} // namespace sim
