// Basic types, error codes, handles and records shared by the host and its plug-ins.
#pragma once

#include <cstddef>
#include <cstdint>

// A host result: 0 for success, otherwise a host error code (often a four-character code).
using ASErr = int32_t;
using AIErr = ASErr;
using ASBoolean = uint8_t;
using AIBoolean = uint8_t;
using ASInt16 = int16_t;
using ASInt32 = int32_t;
using ASUInt16 = uint16_t;
using ASUInt32 = uint32_t;
using AIReal = float;  // artwork coordinates are single precision
using AIFloat = float;
using AIDouble = double;

// The four-character code of a host error or type, as the host's resource compiler packs it.
constexpr int32_t FourCharCode(const char (&c)[5]) {
    return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint8_t>(c[0])) << 24) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(c[1])) << 16) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(c[2])) << 8) |
                                static_cast<uint32_t>(static_cast<uint8_t>(c[3])));
}

constexpr ASErr kNoErr = 0;
constexpr ASErr kUnhandledMsgErr = FourCharCode("!MSG");  // 0x214d5347
constexpr ASErr kOutOfMemoryErr = FourCharCode("!MEM");   // 0x214d454d
constexpr ASErr kCantHappenErr = FourCharCode("CANT");
constexpr ASErr kRefusePluginPurge = FourCharCode("pFls");
constexpr ASErr kBadParameterErr = FourCharCode("PARM");
constexpr ASErr kSuiteNotFoundErr = FourCharCode("S!Fd");
constexpr ASErr kSuiteAcquireErr = FourCharCode("!Acq");
constexpr ASErr kNoSuchKeyErr = FourCharCode("NKey");      // preference key absent
constexpr ASErr kWrongTypeErr = FourCharCode("WTyp");      // preference key of another type
constexpr ASErr kStaleHandleErr = FourCharCode("STAL");    // a handle the host no longer knows
constexpr ASErr kNotImplementedErr = FourCharCode("NIMP");
constexpr ASErr kLockedErr = FourCharCode("LOCK");         // an operation on locked art or layer
constexpr ASErr kNoDocumentErr = FourCharCode("DOC?");
constexpr ASErr kNameNotFoundErr = FourCharCode("NAM?");
constexpr ASErr kIndexOutOfRangeErr = FourCharCode("IDX?");

// Opaque host handles. The stand-in numbers them and never reuses a number.
#define HOST_OPAQUE(Name) \
    struct Name##Opaque;  \
    using Name = Name##Opaque*
HOST_OPAQUE(SPPluginRef);
HOST_OPAQUE(SPAccessRef);
HOST_OPAQUE(AIArtHandle);
HOST_OPAQUE(AILayerHandle);
HOST_OPAQUE(AIArtSet);
HOST_OPAQUE(AIDocumentHandle);
HOST_OPAQUE(AIDocumentViewHandle);
HOST_OPAQUE(AINotifierHandle);
HOST_OPAQUE(AIMenuItemHandle);
HOST_OPAQUE(AIMenuGroup);
HOST_OPAQUE(AIToolHandle);
HOST_OPAQUE(AIAnnotatorHandle);
HOST_OPAQUE(AIAnnotatorDrawer);
HOST_OPAQUE(AIPortRef);
HOST_OPAQUE(AIMdMemoryHandle);
HOST_OPAQUE(AICustomColorHandle);
HOST_OPAQUE(AISwatchListRef);
HOST_OPAQUE(AISwatchGroupRef);
HOST_OPAQUE(AISwatchRef);
HOST_OPAQUE(AIFontKey);
HOST_OPAQUE(AIAppContextHandle);
HOST_OPAQUE(ADMDialogRef);
HOST_OPAQUE(ADMItemRef);
HOST_OPAQUE(ADMListRef);
HOST_OPAQUE(ADMEntryRef);
HOST_OPAQUE(ADMDrawerRef);
HOST_OPAQUE(ADMTrackerRef);
HOST_OPAQUE(ADMNotifierRef);
HOST_OPAQUE(ADMIconRef);
#undef HOST_OPAQUE

// Points and rectangles in artwork space (v upward) and in view space (integer pixels, v downward).
struct AIRealPoint {
    AIReal h = 0.0f;
    AIReal v = 0.0f;
};
struct AIRealRect {
    AIReal left = 0.0f;
    AIReal top = 0.0f;
    AIReal right = 0.0f;
    AIReal bottom = 0.0f;
};
struct AIPoint {
    int32_t h = 0;
    int32_t v = 0;
};
struct AIRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// An affine transform: x' = a*x + c*y + tx, y' = b*x + d*y + ty.
struct AIRealMatrix {
    AIReal a = 1.0f, b = 0.0f, c = 0.0f, d = 1.0f, tx = 0.0f, ty = 0.0f;
};

// One anchor of a path with its two handles. Segment i of a path ends at anchor i.
struct AIPathSegment {
    AIRealPoint p;
    AIRealPoint in;
    AIRealPoint out;
    AIBoolean corner = 1;
};

// A cubic Bézier: p0, control 1, control 2, p3.
struct AIRealBezier {
    AIRealPoint p0, p1, p2, p3;
};

// Colours of the document.
enum AIColorTag : int16_t {
    kGrayColor = 0,
    kFourColor = 1,    // CMYK, 0..1 each
    kPattern = 2,
    kCustomColor = 3,  // a swatch colour with a tint
    kGradient = 4,
    kThreeColor = 5,   // RGB, 0..1 each
    kNoneColor = 6
};
struct AIGrayColorStyle {
    AIReal gray = 0.0f;  // 0 white .. 1 black
};
struct AIFourColorStyle {
    AIReal cyan = 0.0f, magenta = 0.0f, yellow = 0.0f, black = 0.0f;
};
struct AIThreeColorStyle {
    AIReal red = 0.0f, green = 0.0f, blue = 0.0f;
};
struct AICustomColorStyle {
    AICustomColorHandle color = nullptr;
    AIReal tint = 0.0f;
};
struct AIColor {
    AIColorTag kind = kGrayColor;
    union {
        AIGrayColorStyle g;
        AIFourColorStyle f;
        AIThreeColorStyle rgb;
        AICustomColorStyle c;
    };
    AIColor() : f() {}
};

constexpr int kMaxDashComponents = 6;
struct AIDashStyle {
    int16_t length = 0;  // number of dash entries in use; 0 a solid line
    AIReal offset = 0.0f;
    AIReal array[kMaxDashComponents] = {};
};
enum AILineCap : int16_t { kAIButtCap = 0, kAIRoundCap = 1, kAIProjectingCap = 2 };
enum AILineJoin : int16_t { kAIMiterJoin = 0, kAIRoundJoin = 1, kAIBevelJoin = 2 };

struct AIFillStyle {
    AIColor color;
    AIBoolean overprint = 0;
};
struct AIStrokeStyle {
    AIColor color;
    AIBoolean overprint = 0;
    AIReal width = 1.0f;
    AIDashStyle dash;
    AILineCap cap = kAIButtCap;
    AILineJoin join = kAIMiterJoin;
    AIReal miterLimit = 4.0f;
};
// The paint of a path: fill and stroke, each on or off.
struct AIPathStyle {
    AIBoolean fillPaint = 0;
    AIBoolean strokePaint = 1;
    AIFillStyle fill;
    AIStrokeStyle stroke;
    AIBoolean clip = 0;
    AIBoolean lockClip = 0;
    AIBoolean evenodd = 0;
    AIReal resolution = 800.0f;
};

// 16-bit screen colour used by the dialog manager's drawers.
struct ADMRGBColor {
    uint16_t red = 0, green = 0, blue = 0;
};

// A zero-terminated UTF-8 string owned by the host, as the host's Unicode string wrapper hands it out.
struct ai_UnicodeString {
    const char* utf8 = nullptr;
};
