// The AI Layer Suite over the stand-in document.
#include "simhost/document/Internal.h"

namespace sim {

namespace {

Document& Doc() {
    return TheDocument();
}

// The layer behind a handle for an operation whose result goes to `out`.
ASErr FindLayer(AILayerHandle layer, const void* out, Layer** node) {
    if (const ASErr error = Doc().FindLayerNode(layer, node); error != kNoErr) {
        return error;
    }
    return out == nullptr ? kBadParameterErr : kNoErr;
}

ASErr CountLayers(int32_t* count) {
    if (count == nullptr) {
        return kBadParameterErr;
    }
    *count = Doc().LayerCount();
    return kNoErr;
}

ASErr GetNthLayer(int32_t index, AILayerHandle* layer) {
    if (layer == nullptr) {
        return kBadParameterErr;
    }
    *layer = Doc().LayerAt(index);
    return *layer == nullptr ? kIndexOutOfRangeErr : kNoErr;
}

ASErr GetCurrentLayer(AILayerHandle* layer) {
    if (layer == nullptr) {
        return kBadParameterErr;
    }
    *layer = Doc().CurrentLayer();
    return kNoErr;
}

ASErr SetCurrentLayer(AILayerHandle layer) {
    Layer* node = nullptr;
    if (const ASErr error = Doc().FindLayerNode(layer, &node); error != kNoErr) {
        return error;
    }
    Doc().SetCurrentLayer(layer);
    return kNoErr;
}

ASErr GetLayerByTitle(AILayerHandle* layer, const char* title) {
    if (layer == nullptr || title == nullptr) {
        return kBadParameterErr;
    }
    *layer = Doc().FindLayer(title);
    return *layer == nullptr ? kNameNotFoundErr : kNoErr;
}

ASErr InsertLayer(AILayerHandle layer, int16_t paintOrder, AILayerHandle* newLayer) {
    if (newLayer == nullptr) {
        return kBadParameterErr;
    }
    *newLayer = nullptr;
    int32_t index = 0;
    if (paintOrder == kPlaceAboveAll || paintOrder == kPlaceBelowAll) {
        index = paintOrder == kPlaceAboveAll ? 0 : Doc().LayerCount();
    } else if (paintOrder == kPlaceAbove || paintOrder == kPlaceBelow) {
        Layer* node = nullptr;
        if (const ASErr error = Doc().FindLayerNode(layer, &node); error != kNoErr) {
            return error;
        }
        index = Doc().LayerIndex(layer) + (paintOrder == kPlaceBelow ? 1 : 0);
    } else {
        return kBadParameterErr;
    }
    *newLayer = Doc().InsertLayerAt(index);
    return kNoErr;
}

ASErr DeleteLayer(AILayerHandle layer) {
    return Doc().DeleteLayer(layer);
}

ASErr GetLayerTitle(AILayerHandle layer, char* buffer, size_t size) {
    Layer* node = nullptr;
    if (const ASErr error = FindLayer(layer, buffer, &node); error != kNoErr) {
        return error;
    }
    return doc::CopyOut(node->title, buffer, size);
}

ASErr SetLayerTitle(AILayerHandle layer, const char* title) {
    Layer* node = nullptr;
    if (const ASErr error = FindLayer(layer, title, &node); error != kNoErr) {
        return error;
    }
    node->title = title;
    return kNoErr;
}

// Reads or writes one flag of a layer; `inverted` for a flag the suite names by its opposite.
ASErr GetFlag(AILayerHandle layer, AIBoolean* value, bool Layer::*flag, bool inverted) {
    Layer* node = nullptr;
    if (const ASErr error = FindLayer(layer, value, &node); error != kNoErr) {
        return error;
    }
    *value = (node->*flag != inverted) ? 1 : 0;
    return kNoErr;
}

ASErr SetFlag(AILayerHandle layer, AIBoolean value, bool Layer::*flag, bool inverted) {
    Layer* node = nullptr;
    if (const ASErr error = Doc().FindLayerNode(layer, &node); error != kNoErr) {
        return error;
    }
    node->*flag = (value != 0) != inverted;
    return kNoErr;
}

ASErr GetLayerEditable(AILayerHandle layer, AIBoolean* editable) {
    return GetFlag(layer, editable, &Layer::locked, true);
}
ASErr SetLayerEditable(AILayerHandle layer, AIBoolean editable) {
    return SetFlag(layer, editable, &Layer::locked, true);
}
ASErr GetLayerVisible(AILayerHandle layer, AIBoolean* visible) {
    return GetFlag(layer, visible, &Layer::visible, false);
}
ASErr SetLayerVisible(AILayerHandle layer, AIBoolean visible) {
    return SetFlag(layer, visible, &Layer::visible, false);
}

ASErr GetLayerColor(AILayerHandle layer, AIRGBColor* colour) {
    Layer* node = nullptr;
    if (const ASErr error = FindLayer(layer, colour, &node); error != kNoErr) {
        return error;
    }
    *colour = node->colour;
    return kNoErr;
}

ASErr SetLayerColor(AILayerHandle layer, const AIRGBColor* colour) {
    Layer* node = nullptr;
    if (const ASErr error = FindLayer(layer, colour, &node); error != kNoErr) {
        return error;
    }
    node->colour = *colour;
    return kNoErr;
}

} // namespace

const AILayerSuite& LayerSuiteTable() {
    static const AILayerSuite table{
        .CountLayers = CountLayers,
        .GetNthLayer = GetNthLayer,
        .GetCurrentLayer = GetCurrentLayer,
        .SetCurrentLayer = SetCurrentLayer,
        .GetLayerByTitle = GetLayerByTitle,
        .InsertLayer = InsertLayer,
        .DeleteLayer = DeleteLayer,
        .GetLayerTitle = GetLayerTitle,
        .SetLayerTitle = SetLayerTitle,
        .GetLayerEditable = GetLayerEditable,
        .SetLayerEditable = SetLayerEditable,
        .GetLayerVisible = GetLayerVisible,
        .SetLayerVisible = SetLayerVisible,
        .GetLayerColor = GetLayerColor,
        .SetLayerColor = SetLayerColor,
    };
    return table;
}

} // namespace sim
