// The AI Art Suite over the stand-in document.
#include <iterator>

#include "simhost/document/Internal.h"

namespace sim {

namespace {

Document& Doc() {
    return TheDocument();
}

// Writes the handle of `node` into *out; a null out pointer is a bad parameter.
ASErr Answer(const ArtNode* node, AIArtHandle* out) {
    if (out == nullptr) {
        return kBadParameterErr;
    }
    *out = Document::Handle(node);
    return kNoErr;
}

ASErr NewArt(int16_t type, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt) {
    if (newArt == nullptr) {
        return kBadParameterErr;
    }
    *newArt = nullptr;
    ArtNode* node = nullptr;
    const ASErr error = Doc().NewArt(type, paintOrder, prep, &node);
    return error != kNoErr ? error : Answer(node, newArt);
}

ASErr DisposeArt(AIArtHandle art) {
    ArtNode* node = nullptr;
    const ASErr error = Doc().FindNode(art, &node);
    return error != kNoErr ? error : Doc().DisposeArt(node);
}

AIBoolean ValidArt(AIArtHandle art, AIBoolean) {
    return Doc().IsValid(art) ? 1 : 0;
}

ASErr GetArtType(AIArtHandle art, int16_t* type) {
    ArtNode* node = nullptr;
    if (const ASErr error = doc::FindArt(art, type, &node); error != kNoErr) {
        return error;
    }
    *type = node->type;
    return kNoErr;
}

// Answers the neighbour of `art` that `pick` chooses (null when there is none).
template <typename Pick> ASErr Neighbour(AIArtHandle art, AIArtHandle* out, Pick pick) {
    ArtNode* node = nullptr;
    if (const ASErr error = Doc().FindNode(art, &node); error != kNoErr) {
        if (out != nullptr) {
            *out = nullptr;
        }
        return error;
    }
    return Answer(pick(node), out);
}

// The child just below `node` among its siblings (`below`), or just above; null at the end.
const ArtNode* SiblingNextTo(const ArtNode* node, bool below) {
    if (node->IsLayerGroup()) {
        return nullptr;
    }
    const auto& siblings = node->parent->children;
    if (below) {
        const auto next = std::next(node->place);
        return next == siblings.end() ? nullptr : *next;
    }
    return node->place == siblings.begin() ? nullptr : *std::prev(node->place);
}

ASErr GetArtParent(AIArtHandle art, AIArtHandle* parent) {
    return Neighbour(art, parent, [](const ArtNode* n) { return n->parent; });
}

ASErr GetArtFirstChild(AIArtHandle art, AIArtHandle* child) {
    return Neighbour(art, child,
                     [](const ArtNode* n) { return n->children.empty() ? nullptr : n->children.front(); });
}

ASErr GetArtLastChild(AIArtHandle art, AIArtHandle* child) {
    return Neighbour(art, child,
                     [](const ArtNode* n) { return n->children.empty() ? nullptr : n->children.back(); });
}

ASErr GetArtSibling(AIArtHandle art, AIArtHandle* sibling) {
    return Neighbour(art, sibling, [](const ArtNode* n) { return SiblingNextTo(n, true); });
}

ASErr GetArtPriorSibling(AIArtHandle art, AIArtHandle* sibling) {
    return Neighbour(art, sibling, [](const ArtNode* n) { return SiblingNextTo(n, false); });
}

ASErr GetArtUserAttr(AIArtHandle art, int32_t whichAttr, int32_t* attr) {
    ArtNode* node = nullptr;
    if (const ASErr error = doc::FindArt(art, attr, &node); error != kNoErr) {
        return error;
    }
    *attr = node->userAttr & whichAttr;
    return kNoErr;
}

ASErr SetArtUserAttr(AIArtHandle art, int32_t whichAttr, int32_t attr) {
    ArtNode* node = nullptr;
    if (const ASErr error = Doc().FindNode(art, &node); error != kNoErr) {
        return error;
    }
    Doc().SetUserAttr(node, whichAttr, attr);
    return kNoErr;
}

ASErr GetArtName(AIArtHandle art, char* buffer, size_t size, AIBoolean* isDefault) {
    ArtNode* node = nullptr;
    if (const ASErr error = Doc().FindNode(art, &node); error != kNoErr) {
        return error;
    }
    if (const ASErr error = doc::CopyOut(Doc().DisplayName(art), buffer, size); error != kNoErr) {
        return error;
    }
    if (isDefault != nullptr) {
        *isDefault = node->name.empty() ? 1 : 0;
    }
    return kNoErr;
}

ASErr SetArtName(AIArtHandle art, const char* name) {
    ArtNode* node = nullptr;
    if (const ASErr error = doc::FindArt(art, name, &node); error != kNoErr) {
        return error;
    }
    node->name = name;
    return kNoErr;
}

ASErr GetArtBounds(AIArtHandle art, AIRealRect* bounds) {
    ArtNode* node = nullptr;
    if (const ASErr error = doc::FindArt(art, bounds, &node); error != kNoErr) {
        return error;
    }
    if (node->type == kPathArt && TheDocument().Bounds().GeometricBoundsOf(node, bounds)) {
        return kNoErr; // worked out when the path was last changed
    }
    if (!doc::NodeBounds(*node, bounds)) {
        *bounds = AIRealRect{};
    }
    return kNoErr;
}

ASErr GetLayerOfArt(AIArtHandle art, AILayerHandle* layer) {
    ArtNode* node = nullptr;
    if (const ASErr error = doc::FindArt(art, layer, &node); error != kNoErr) {
        return error;
    }
    *layer = Document::Handle(node->layer);
    return kNoErr;
}

ASErr GetFirstArtOfLayer(AILayerHandle layer, AIArtHandle* art) {
    Layer* node = nullptr;
    if (const ASErr error = Doc().FindLayerNode(layer, &node); error != kNoErr) {
        return error;
    }
    return Answer(node->group, art);
}

ASErr ReorderArt(AIArtHandle art, int16_t paintOrder, AIArtHandle prep) {
    ArtNode* node = nullptr;
    const ASErr error = Doc().FindNode(art, &node);
    return error != kNoErr ? error : Doc().ReorderArt(node, paintOrder, prep);
}

ASErr DuplicateArt(AIArtHandle art, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt) {
    ArtNode* node = nullptr;
    if (const ASErr error = doc::FindArt(art, newArt, &node); error != kNoErr) {
        return error;
    }
    *newArt = nullptr;
    ArtNode* copy = nullptr;
    const ASErr error = Doc().DuplicateArt(node, paintOrder, prep, &copy);
    return error != kNoErr ? error : Answer(copy, newArt);
}

} // namespace

const AIArtSuite& ArtSuiteTable() {
    static const AIArtSuite table{
        .NewArt = NewArt,
        .DisposeArt = DisposeArt,
        .ValidArt = ValidArt,
        .GetArtType = GetArtType,
        .GetArtParent = GetArtParent,
        .GetArtFirstChild = GetArtFirstChild,
        .GetArtLastChild = GetArtLastChild,
        .GetArtSibling = GetArtSibling,
        .GetArtPriorSibling = GetArtPriorSibling,
        .GetArtUserAttr = GetArtUserAttr,
        .SetArtUserAttr = SetArtUserAttr,
        .GetArtName = GetArtName,
        .SetArtName = SetArtName,
        .GetArtBounds = GetArtBounds,
        .GetLayerOfArt = GetLayerOfArt,
        .GetFirstArtOfLayer = GetFirstArtOfLayer,
        .ReorderArt = ReorderArt,
        .DuplicateArt = DuplicateArt,
    };
    return table;
}

} // namespace sim
