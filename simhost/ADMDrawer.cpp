// ADM Drawer and ADM Icon: every drawing operation is recorded as one line of the item's drawing.
#include <string>

#include "host/Resources.h"
#include "simhost/DialogSuites.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"

namespace sim {

namespace {

std::string Numbers(std::initializer_list<int32_t> values) {
    std::string text;
    for (int32_t value : values)
        text.append(" ").append(std::to_string(value));
    return text;
}

std::string RectText(const ADMRect& r) { return Numbers({r.left, r.top, r.right, r.bottom}); }

// Records `line` for a drawer that is still drawing.
ASErr Record(ADMDrawerRef drawer, const std::string& line) {
    return With(drawer, [&](DrawerData& x) { x.target->push_back(line); });
}

ASErr RecordRect(ADMDrawerRef drawer, const char* kind, const ADMRect* rect) {
    if (rect == nullptr)
        return kBadParameterErr;
    return Record(drawer, kind + RectText(*rect));
}

ASErr RecordPolygon(ADMDrawerRef drawer, const char* kind, const ADMPoint* points, int32_t count) {
    if (points == nullptr || count < 1)
        return kBadParameterErr;
    std::string line = kind + Numbers({count});
    for (int32_t i = 0; i < count; ++i)
        line += Numbers({points[i].h, points[i].v});
    return Record(drawer, line);
}

ASErr SetClipRect(ADMDrawerRef drawer, const ADMRect* clip) {
    if (clip == nullptr)
        return kBadParameterErr;
    return With(drawer, [&](DrawerData& x) {
        x.clip = *clip;
        x.target->push_back("Clip" + RectText(*clip));
    });
}

ASErr SetRGBColor(ADMDrawerRef drawer, const ADMRGBColor* colour) {
    if (colour == nullptr)
        return kBadParameterErr;
    return With(drawer, [&](DrawerData& x) {
        x.colour = *colour;
        x.target->push_back("RGB" + Numbers({colour->red, colour->green, colour->blue}));
    });
}

ASErr DrawLine(ADMDrawerRef drawer, const ADMPoint* start, const ADMPoint* end) {
    if (start == nullptr || end == nullptr)
        return kBadParameterErr;
    return Record(drawer, "Line" + Numbers({start->h, start->v, end->h, end->v}));
}

ASErr DrawText(ADMDrawerRef drawer, const char* text, const ADMPoint* point) {
    if (text == nullptr || point == nullptr)
        return kBadParameterErr;
    return Record(drawer, "Text" + Numbers({point->h, point->v}) + " " + text);
}

ASErr DrawTextCentered(ADMDrawerRef drawer, const char* text, const ADMRect* rect) {
    if (text == nullptr || rect == nullptr)
        return kBadParameterErr;
    return Record(drawer, "TextCentered" + RectText(*rect) + " " + text);
}

// The resource number of a live icon, for a drawing line.
ASErr IconLine(ADMDrawerRef drawer, ADMIconRef icon, const std::string& kind, const std::string& where) {
    if (icon == nullptr)
        return kBadParameterErr;
    const IconData* data = TheDialogs().Icon(icon);
    if (data == nullptr)
        return kStaleHandleErr;
    return Record(drawer, kind + Numbers({data->resourceID}) + where);
}

ASErr DrawIcon(ADMDrawerRef drawer, ADMIconRef icon, const ADMPoint* point) {
    if (point == nullptr)
        return kBadParameterErr;
    return IconLine(drawer, icon, "Icon", Numbers({point->h, point->v}));
}

ASErr DrawIconCentered(ADMDrawerRef drawer, ADMIconRef icon, const ADMRect* rect) {
    if (rect == nullptr)
        return kBadParameterErr;
    return IconLine(drawer, icon, "IconCentered", RectText(*rect));
}

ASErr PictureLine(ADMDrawerRef drawer, SPPluginRef plugin, int32_t pictureID, const std::string& line) {
    if (TheDialogs().Drawer(drawer) == nullptr)
        return drawer == nullptr ? kBadParameterErr : kStaleHandleErr;
    if (!ThePlugin().IsSelf(plugin))
        return kBadParameterErr;
    if (ThePlugin().FindResource(kPictureResourceType, pictureID) == nullptr &&
        ThePlugin().FindResource(kIconResourceType, pictureID) == nullptr)
        return kNameNotFoundErr;
    return Record(drawer, line);
}

ASErr DrawResPicture(ADMDrawerRef drawer, SPPluginRef plugin, int32_t pictureID, const ADMPoint* point) {
    if (point == nullptr)
        return kBadParameterErr;
    return PictureLine(drawer, plugin, pictureID, "Picture" + Numbers({pictureID, point->h, point->v}));
}

ASErr DrawResPictureCentered(ADMDrawerRef drawer, SPPluginRef plugin, int32_t pictureID, const ADMRect* rect) {
    if (rect == nullptr)
        return kBadParameterErr;
    return PictureLine(drawer, plugin, pictureID, "PictureCentered" + Numbers({pictureID}) + RectText(*rect));
}

ASErr GetFromResource(SPPluginRef plugin, int32_t iconID, int32_t, ADMIconRef* icon) {
    if (icon == nullptr)
        return kBadParameterErr;
    *icon = nullptr;
    if (!ThePlugin().IsSelf(plugin))
        return kBadParameterErr;
    if (ThePlugin().FindResource(kIconResourceType, iconID) == nullptr)
        return kNameNotFoundErr;
    const PluginResource* resource = ThePlugin().FindResource(kIconResourceType, iconID);
    const auto* image = static_cast<const PixelImage*>(resource->data);
    IconData& made = TheDialogs().NewIcon(iconID);
    if (image == nullptr || image->rows == nullptr || image->width <= 0 || image->height <= 0)
        made.type = kADMUnknownIconType;
    *icon = ToRef<ADMIconRef>(made.handle);
    return kNoErr;
}

} // namespace

const ADMDrawerSuite& ADMDrawerSuiteTable() {
    static const ADMDrawerSuite suite{
        [](ADMDrawerRef d, ADMRect* r) { return Read(d, r, [](const DrawerData& x) { return x.bounds; }); },
        SetClipRect,
        [](ADMDrawerRef d, ADMRect* r) { return Read(d, r, [](const DrawerData& x) { return x.clip; }); },
        SetRGBColor,
        [](ADMDrawerRef d, ADMRGBColor* c) { return Read(d, c, [](const DrawerData& x) { return x.colour; }); },
        [](ADMDrawerRef d, ADMColor c) { return Record(d, "ADMColor" + Numbers({c})); },
        [](ADMDrawerRef d, int32_t f) { return Record(d, "Font" + Numbers({f})); },
        [](ADMDrawerRef d) { return Record(d, "Clear"); },
        [](ADMDrawerRef d, const ADMRect* r) { return RecordRect(d, "ClearRect", r); },
        DrawLine,
        [](ADMDrawerRef d, const ADMPoint* p, int32_t n) { return RecordPolygon(d, "Polygon", p, n); },
        [](ADMDrawerRef d, const ADMPoint* p, int32_t n) { return RecordPolygon(d, "FillPolygon", p, n); },
        [](ADMDrawerRef d, const ADMRect* r) { return RecordRect(d, "Rect", r); },
        [](ADMDrawerRef d, const ADMRect* r) { return RecordRect(d, "FillRect", r); },
        [](ADMDrawerRef d, const ADMRect* r) { return RecordRect(d, "SunkenRect", r); },
        [](ADMDrawerRef d, const ADMRect* r) { return RecordRect(d, "RaisedRect", r); },
        [](ADMDrawerRef d, const ADMRect* r) { return RecordRect(d, "Oval", r); },
        [](ADMDrawerRef d, const ADMRect* r) { return RecordRect(d, "FillOval", r); },
        DrawText,
        DrawTextCentered,
        DrawIcon,
        DrawIconCentered,
        DrawResPicture,
        DrawResPictureCentered,
        [](ADMDrawerRef d, const ADMRect* r) { return RecordRect(d, "InvertRect", r); }};
    return suite;
}

const ADMIconSuite& ADMIconSuiteTable() {
    static const ADMIconSuite suite{
        GetFromResource,
        [](ADMIconRef i) { return With(i, [](IconData& x) { TheDialogs().DestroyIcon(x.handle); }); },
        [](ADMIconRef i, int32_t* id) { return Read(i, id, [](const IconData& x) { return x.resourceID; }); },
        [](ADMIconRef i, int32_t* type) { return Read(i, type, [](const IconData& x) { return x.type; }); }};
    return suite;
}

void InstallDialogSuites() {
    TheDialogs().Reset();
    SuiteRegistry& suites = TheSuites();
    suites.Register(kADMDialogSuite, kADMDialogSuiteVersion, &ADMDialogSuiteTable());
    suites.Register(kADMDialogGroupSuite, kADMDialogGroupSuiteVersion, &ADMDialogGroupSuiteTable());
    suites.Register(kADMItemSuite, kADMItemSuiteVersion, &ADMItemSuiteTable());
    suites.Register(kADMListSuite, kADMListSuiteVersion, &ADMListSuiteTable());
    suites.Register(kADMEntrySuite, kADMEntrySuiteVersion, &ADMEntrySuiteTable());
    suites.Register(kADMNotifierSuite, kADMNotifierSuiteVersion, &ADMNotifierSuiteTable());
    suites.Register(kADMTrackerSuite, kADMTrackerSuiteVersion, &ADMTrackerSuiteTable());
    suites.Register(kADMIconSuite, kADMIconSuiteVersion1, &ADMIconSuiteTable());
    suites.Register(kADMIconSuite, kADMIconSuiteVersion2, &ADMIconSuiteTable());
    suites.Register(kADMDrawerSuite, kADMDrawerSuiteVersion, &ADMDrawerSuiteTable());
}

} // namespace sim
