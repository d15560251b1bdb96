// AI Art: the art tree of the document (layer groups, groups, paths, text frames) and the attributes of art.
#pragma once

#include "host/Suites.h"
#include "host/Types.h"

// Kinds of art. kAnyArt matches every kind in a matching-art request.
enum AIArtType : int16_t { kAnyArt = -1, kUnknownArt = 0, kGroupArt = 1, kPathArt = 2, kTextFrameArt = 12 };

// Where new or moved art goes relative to the prep art. Children of a group are listed top first: the first
// child is painted last. With a null prep art, new art goes on top of the current layer.
enum AIPaintOrder : int16_t {
    kPlaceAbove = 1,          // just above prep, in prep's group
    kPlaceBelow = 2,          // just below prep, in prep's group
    kPlaceInsideOnTop = 3,    // first child of the group prep
    kPlaceInsideOnBottom = 4, // last child of the group prep
    kPlaceAboveAll = 5,       // top of prep's layer (the current layer when prep is null)
    kPlaceBelowAll = 6        // bottom of prep's layer (the current layer when prep is null)
};

// User attributes of art, as bits of a 32-bit mask.
constexpr int32_t kArtSelected = 0x1; // the art or some of it is selected
constexpr int32_t kArtLocked = 0x2;
constexpr int32_t kArtHidden = 0x4;
constexpr int32_t kArtFullySelected = 0x8; // all of the art is selected; implies kArtSelected

// Every operation answers kBadParameterErr for a null handle or pointer and kStaleHandleErr for art the host
// no longer knows. Art on a locked layer cannot be created there (kLockedErr).
struct AIArtSuite {
    // Makes empty art of `type` (group, path or text frame) at `paintOrder` relative to `prep`.
    ASErr (*NewArt)(int16_t type, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt);
    // Disposes the art and everything inside it; a layer's group cannot be disposed.
    ASErr (*DisposeArt)(AIArtHandle art);
    // True while the host knows the art; disposed art is never valid again.
    AIBoolean (*ValidArt)(AIArtHandle art, AIBoolean searchAllLayerLists);
    ASErr (*GetArtType)(AIArtHandle art, int16_t* type);
    // The group holding the art; null for a layer's group.
    ASErr (*GetArtParent)(AIArtHandle art, AIArtHandle* parent);
    // The top (first) and bottom (last) child of a group; null when there is none or the art is no group.
    ASErr (*GetArtFirstChild)(AIArtHandle art, AIArtHandle* child);
    ASErr (*GetArtLastChild)(AIArtHandle art, AIArtHandle* child);
    // The next art below, and the art just above, in the same group; null at the end.
    ASErr (*GetArtSibling)(AIArtHandle art, AIArtHandle* sibling);
    ASErr (*GetArtPriorSibling)(AIArtHandle art, AIArtHandle* sibling);
    // Reads the attributes selected by `whichAttr`; the other bits of *attr are 0.
    ASErr (*GetArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t* attr);
    // Sets the attributes selected by `whichAttr` to their bits in `attr`. Selecting a group selects all it
    // holds; full selection implies selection; clearing either deselects the art entirely, except that a
    // path asked for selection and not full selection in one call becomes partly selected.
    ASErr (*SetArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t attr);
    // Copies at most size - 1 bytes of the name (a UTF-8 character is never split) and terminates the buffer.
    // Art without a name of its own answers the default name of its kind ("<Tracé>", "<Groupe>", "<Texte>")
    // with *isDefault set; isDefault may be null.
    ASErr (*GetArtName)(AIArtHandle art, char* buffer, size_t size, AIBoolean* isDefault);
    // Names the art; an empty name restores the default name.
    ASErr (*SetArtName)(AIArtHandle art, const char* name);
    // The geometric bounds (curves included, stroke excluded), v upward: top >= bottom. Empty art answers a
    // zero rectangle.
    ASErr (*GetArtBounds)(AIArtHandle art, AIRealRect* bounds);
    ASErr (*GetLayerOfArt)(AIArtHandle art, AILayerHandle* layer);
    // The group that holds all art of a layer.
    ASErr (*GetFirstArtOfLayer)(AILayerHandle layer, AIArtHandle* art);
    // Moves the art to `paintOrder` relative to `prep`, possibly into another group or layer.
    ASErr (*ReorderArt)(AIArtHandle art, int16_t paintOrder, AIArtHandle prep);
    // Copies the art and everything inside it (name, attributes, tags, segments, style, text) to `paintOrder`
    // relative to `prep`.
    ASErr (*DuplicateArt)(AIArtHandle art, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt);
};
