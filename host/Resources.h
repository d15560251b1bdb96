// The resources a plug-in module carries, compiled into it as data and read by the host when it loads the module.
#pragma once

#include "host/Types.h"

// Resource types.
constexpr uint32_t kPiPLResourceType = static_cast<uint32_t>(FourCharCode("PiPL"));   // property list
constexpr uint32_t kStringListResourceType = static_cast<uint32_t>(FourCharCode("STR#"));
constexpr uint32_t kMenuResourceType = static_cast<uint32_t>(FourCharCode("MENU"));
constexpr uint32_t kDialogResourceType = static_cast<uint32_t>(FourCharCode("DLOG"));  // empty dialog shell
constexpr uint32_t kIconResourceType = static_cast<uint32_t>(FourCharCode("ICON"));
constexpr uint32_t kCursorResourceType = static_cast<uint32_t>(FourCharCode("CURS"));
constexpr uint32_t kPictureResourceType = static_cast<uint32_t>(FourCharCode("PICT"));

// Keys of the property list entries.
constexpr uint32_t kPIVendorAdobe = static_cast<uint32_t>(FourCharCode("ADBE"));
constexpr uint32_t kPIKindProperty = static_cast<uint32_t>(FourCharCode("kind"));               // text: "SPEA"
constexpr uint32_t kPIInterfaceVersionProperty = static_cast<uint32_t>(FourCharCode("ivrs"));   // integer: 2
constexpr uint32_t kPIWin32X86CodeProperty = static_cast<uint32_t>(FourCharCode("wx86"));       // text: entry name
constexpr uint32_t kPINameProperty = static_cast<uint32_t>(FourCharCode("pinm"));               // text: plug-in name

// One property of a property list: a vendor, a key and an integer or text value.
struct PiPLProperty {
    uint32_t vendor;
    uint32_t key;
    int32_t intValue;
    const char* textValue;  // null for an integer property
};

// One entry of a menu resource: its text ("-" for a separator) and whether it starts enabled.
struct MenuEntry {
    const char* text;
    ASBoolean enabled;
};

// A dialog shell: a title and a size; the plug-in builds the items in code.
struct DialogShell {
    const char* title;
    int32_t width;
    int32_t height;
};

// A small image (icon, cursor or picture) as rows of characters, one per pixel: '.' transparent, '#' black,
// 'w' white, 'l' light grey, 'g' grey, 'd' dark grey, 'r' red, 'o' orange, 'y' yellow, 'G' green, 'b' blue,
// 'c' cyan, 'm' magenta.
struct PixelImage {
    int32_t width;
    int32_t height;
    const char* const* rows;
};

// One resource. `data` points to:
//  PiPL: PiPLProperty[count]; STR#: const char*[count]; MENU: MenuEntry[count];
//  DLOG: one DialogShell; ICON, CURS and PICT: one PixelImage.
struct PluginResource {
    uint32_t type;
    int32_t id;
    const void* data;
    size_t count;
};

struct PluginResourceTable {
    const PluginResource* entries;
    size_t count;
};

// The module exports this with C linkage beside its entry.
using PluginResourcesProc = const PluginResourceTable* (*)();
#define kPluginResourcesName "PluginResources"
