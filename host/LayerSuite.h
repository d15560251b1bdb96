// AI Layer: the layers of the document, top first, each with its title, lock, visibility and colour.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// A layer's colour, 16 bits per channel.
struct AIRGBColor {
    uint16_t red = 0, green = 0, blue = 0;
};

// Layer 0 is the top layer. Null or deleted layers answer kBadParameterErr or kStaleHandleErr.
struct AILayerSuite {
    ASErr (*CountLayers)(int32_t* count);
    // kIndexOutOfRangeErr outside 0..count - 1.
    ASErr (*GetNthLayer)(int32_t index, AILayerHandle* layer);
    ASErr (*GetCurrentLayer)(AILayerHandle* layer);
    // The layer that receives new art placed without a prep art.
    ASErr (*SetCurrentLayer)(AILayerHandle layer);
    // The first layer from the top whose title equals `title` byte for byte; kNameNotFoundErr when none does.
    ASErr (*GetLayerByTitle)(AILayerHandle* layer, const char* title);
    // A new empty, visible, unlocked layer titled "Calque N" placed kPlaceAbove or kPlaceBelow `layer`, or
    // kPlaceAboveAll or kPlaceBelowAll the document's layers (`layer` may then be null).
    ASErr (*InsertLayer)(AILayerHandle layer, int16_t paintOrder, AILayerHandle* newLayer);
    // Deletes a layer and its art; the last layer cannot be deleted (kBadParameterErr).
    ASErr (*DeleteLayer)(AILayerHandle layer);
    // Copies at most size - 1 bytes of the title, never splitting a UTF-8 character, and terminates the
    // buffer.
    ASErr (*GetLayerTitle)(AILayerHandle layer, char* buffer, size_t size);
    ASErr (*SetLayerTitle)(AILayerHandle layer, const char* title);
    // Editable means unlocked.
    ASErr (*GetLayerEditable)(AILayerHandle layer, AIBoolean* editable);
    ASErr (*SetLayerEditable)(AILayerHandle layer, AIBoolean editable);
    ASErr (*GetLayerVisible)(AILayerHandle layer, AIBoolean* visible);
    ASErr (*SetLayerVisible)(AILayerHandle layer, AIBoolean visible);
    ASErr (*GetLayerColor)(AILayerHandle layer, AIRGBColor* colour);
    ASErr (*SetLayerColor)(AILayerHandle layer, const AIRGBColor* colour);
};
