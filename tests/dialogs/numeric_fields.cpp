// Every numeric field of the panel and of every dialog, typed hostile numbers as a user would: the field shows
// a value within the range of what it edits, the live value stays within it, OK stores what the next launch
// reads back unchanged, and the art made next holds only finite coordinates and sound widths and sizes.
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <numbers>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "canvas_art.h"
#include "dialogs/creation/PointEditorItems.h"
#include "dialogs/options/ColourDialog.h"
#include "dialogs/options/OtherOptionsDialog.h"
#include "frame/DialogOpeners.h"
#include "frame/PreferenceStore.h"
#include "frame/Settings.h"
#include "frame/SettingRanges.h"
#include "frame/SettingsTable.h"
#include "panel/CustomScaleDialog.h"
#include "panel/notify_fixture.h"
#include "records/CurrentOptions.h"
#include "records/ToolState.h"
#include "simhost/Document.h"

namespace {

using paneltest::NotifyTest;

const char* const kHostileNumbers[] = {"-1e30", "-1", "0", "3e9", "1e30"};

// Where a numeric field stands.
enum class Place { Panel, Preferences, Colours, OtherOptions, CustomScale, Segment, Angle, Circle, Bezier, Arrow };

const char* NameOf(Place place) {
    switch (place) {
        case Place::Panel: return "panel";
        case Place::Preferences: return "preferences";
        case Place::Colours: return "colours";
        case Place::OtherOptions: return "other options";
        case Place::CustomScale: return "custom scale";
        case Place::Segment: return "segment creation";
        case Place::Angle: return "angle creation";
        case Place::Circle: return "circle creation";
        case Place::Bezier: return "Bézier creation";
        case Place::Arrow: return "arrow-head editor";
    }
    return "?";
}

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kLongest = kLongestDrawingLength;

// What a numeric field edits: a setting (its range, in the field's values `perStored` times the stored ones)
// or a range of its own.
struct Edits {
    const char* Key = nullptr;
    RealRange Own{};
    double PerStored = 1.0;

    RealRange Range() const {
        if (Key == nullptr) return Own;
        const RealRange stored = RealRangeOf(Key);
        return {stored.Minimum * PerStored, stored.Maximum * PerStored};
    }
};

Edits Key(const char* key, double perStored = 1.0) { return Edits{key, {}, perStored}; }
Edits Own(double minimum, double maximum) { return Edits{nullptr, {minimum, maximum}, 1.0}; }

// The range of every numeric field, written out here apart from the code that bounds the fields.
const std::map<std::pair<Place, int32_t>, Edits>& Oracle() {
    static const std::map<std::pair<Place, int32_t>, Edits> oracle = {
        {{Place::Panel, 7}, Key("Epaisseur")},
        {{Place::Panel, 9}, Key("Zoom")},
        {{Place::Panel, 15}, Key("Attaches")},
        {{Place::Panel, 17}, Key("Precision")},
        {{Place::Panel, 22}, Key("Corps")},
        {{Place::Panel, 24}, Key("DecalageSegX")},
        {{Place::Panel, 25}, Key("DecalageSegY")},
        {{Place::Panel, 28}, Key("DecalageAngA")},
        {{Place::Panel, 29}, Key("DecalageAngR")},
        {{Place::Panel, 32}, Key("DecalageCerX")},
        {{Place::Panel, 33}, Key("DecalageCerY")},
        {{Place::Panel, 36}, Key("DecalageBezierX")},
        {{Place::Panel, 37}, Key("DecalageBezierY")},
        {{Place::Panel, 50}, Own(0.0, kLongest)},  // the arc radius: "Rayon", never below nothing
        {{Place::Panel, 61}, Own(1.0, 20.0)},
        {{Place::Panel, 62}, Own(0.0, 862.0)},  // the arc gap: twenty arcs span at most the longest length
        {{Place::Panel, 65}, Own(-180.0, 180.0)},
        {{Place::Panel, 66}, Key("Ligne")},
        {{Place::Panel, 70}, Own(0.0, kLongest)},
        {{Place::Panel, 72}, Own(1.0, 10000.0)},
        {{Place::Preferences, 100}, Key("Zoom")},
        {{Place::Preferences, 101}, Key("Epaisseur")},
        {{Place::Preferences, 104}, Key("Attaches")},
        {{Place::Preferences, 105}, Key("Precision")},
        {{Place::Preferences, 106}, Key("DecalageSegX")},
        {{Place::Preferences, 107}, Key("DecalageSegY")},
        {{Place::Preferences, 138}, Own(1.0, 10000.0)},
        {{Place::Preferences, 142}, Own(2.0, 1000.0)},
        {{Place::Preferences, 112}, Key("Ligne")},
        {{Place::Preferences, 145}, Key("CoefArcSpecial")},
        {{Place::Preferences, 147}, Key("Corps")},
        {{Place::Preferences, 149}, Key("Rayon")},
        {{Place::Preferences, 151}, Key("DecalageAngA")},
        {{Place::Preferences, 153}, Key("DecalageAngR")},
        {{Place::Preferences, 155}, Key("DecalageCerX")},
        {{Place::Preferences, 157}, Key("DecalageCerY")},
        {{Place::Preferences, 160}, Key("DecalageBezierX")},
        {{Place::Preferences, 162}, Key("DecalageBezierY")},
        {{Place::Colours, 108}, Key("AnglePointe1")},
        {{Place::Colours, 110}, Key("AnglePointe2")},
        {{Place::Colours, 430}, Key("Gris")},
        {{Place::Colours, 431}, Key("Rouge")},
        {{Place::Colours, 432}, Key("Vert")},
        {{Place::Colours, 433}, Key("Bleu")},
        {{Place::Colours, 434}, Key("Cyan")},
        {{Place::Colours, 435}, Key("Magenta")},
        {{Place::Colours, 436}, Key("Jaune")},
        {{Place::Colours, 437}, Key("NoirCMJN")},
        {{Place::OtherOptions, 12}, Key("Gap")},
        {{Place::OtherOptions, 14}, Key("GapTexteSeg")},
        {{Place::OtherOptions, 17}, Key("DecaleTexteTol")},
        {{Place::OtherOptions, 22}, Key("VariablePolice")},
        {{Place::OtherOptions, 27}, Key("TiretUn")},
        {{Place::OtherOptions, 28}, Key("TiretDeux")},
        {{Place::OtherOptions, 29}, Key("TrouUn")},
        {{Place::OtherOptions, 30}, Key("TrouDeux")},
        {{Place::CustomScale, 10}, Key("EchelleNumPersoReal")},
        {{Place::CustomScale, 12}, Key("EchelleDenPersoReal")},
        {{Place::Segment, 523}, Key("SegEpaisCrea")},
        {{Place::Segment, 526}, Key("SegRotCrea")},
        {{Place::Angle, 423}, Key("AngEpaisCrea")},
        {{Place::Angle, 425}, Key("AngCrea")},
        {{Place::Circle, 607}, Key("CerEpaisCrea")},
        {{Place::Circle, 609}, Key("AngCerCrea", kDegreesPerRadian)},
        {{Place::Bezier, 10}, Own(-kLongest, kLongest)},
        {{Place::Bezier, 11}, Own(-kLongest, kLongest)},
        {{Place::Bezier, 26}, Own(0.0, 19.0)},
        {{Place::Bezier, 283}, Key("RotRepBez", kDegreesPerRadian)},
        {{Place::Bezier, 285}, Key("DecalHBez")},
        {{Place::Bezier, 287}, Key("DecalVBez")},
        {{Place::Bezier, 289}, Key("RepBez")},
        {{Place::Bezier, 291}, Key("GrosReducBez")},
        {{Place::Arrow, 10}, Own(-6.0, 16.0)},
        {{Place::Arrow, 11}, Own(-6.0, 6.0)},
        {{Place::Arrow, 26}, Own(0.0, 19.0)},
    };
    return oracle;
}

sim::DialogManager& Dialogs() { return sim::TheDialogs(); }
sim::Document& Doc() { return sim::TheDocument(); }

bool IsEdit(const sim::ItemData& item) { return item.numeric && item.type.find("Edit") != std::string::npos; }

// The live values the panel's notifiers set, each with the setting whose range holds it.
struct LiveReal {
    double CurrentOptions::*Value;
    const char* Key;
};
const LiveReal kLiveReals[] = {
    {&CurrentOptions::LineWidth, "Epaisseur"},           {&CurrentOptions::EndMarkSize, "Zoom"},
    {&CurrentOptions::ActiveEndMarkSize, "Zoom"},        {&CurrentOptions::TextSize, "Corps"},
    {&CurrentOptions::SegmentOffsetX, "DecalageSegX"},   {&CurrentOptions::SegmentOffsetY, "DecalageSegY"},
    {&CurrentOptions::SideTieLength, "Attaches"},        {&CurrentOptions::AngleOffsetAngle, "DecalageAngA"},
    {&CurrentOptions::AngleOffsetRadius, "DecalageAngR"}, {&CurrentOptions::ArcRadius, "Rayon"},
    {&CurrentOptions::CircleOffsetX, "DecalageCerX"},    {&CurrentOptions::CircleOffsetY, "DecalageCerY"},
    {&CurrentOptions::CircleTieLength, "Ligne"},         {&CurrentOptions::BezierOffsetX, "DecalageBezierX"},
    {&CurrentOptions::BezierOffsetY, "DecalageBezierY"}, {&CurrentOptions::AngleCreateAngle, "AngCrea"},
    {&CurrentOptions::AngleCreateWidth, "AngEpaisCrea"}, {&CurrentOptions::CircleCreateWidth, "CerEpaisCrea"},
    {&CurrentOptions::CircleCreateAngle, "AngCerCrea"},  {&CurrentOptions::SegmentCreateRotation, "SegRotCrea"},
    {&CurrentOptions::SegmentCreateWidth, "SegEpaisCrea"},
};

void ExpectLiveWithinRanges(const std::string& where) {
    const CurrentOptions& live = gCurrentOptions;
    for (const LiveReal& row : kLiveReals) {
        const RealRange range = RealRangeOf(row.Key);
        const double value = live.*row.Value;
        EXPECT_TRUE(value >= range.Minimum && value <= range.Maximum) << row.Key << " is " << value << " " << where;
    }
    const IntegerRange decimals = IntegerRangeOf("Precision"), divisions = IntegerRangeOf("NbDivBez");
    EXPECT_TRUE(live.Decimals >= decimals.Minimum && live.Decimals <= decimals.Maximum) << where;
    EXPECT_TRUE(live.DivisionCount >= divisions.Minimum && live.DivisionCount <= divisions.Maximum) << where;
    EXPECT_TRUE(live.ArcCount >= 1 && live.ArcCount <= 20) << where;
    EXPECT_TRUE(live.ArcGap >= 0 && live.ArcGap <= 862) << "ArcGap " << live.ArcGap << " " << where;
    EXPECT_TRUE(live.BezierPathLength >= 0.0f && live.BezierPathLength <= kLongestDrawingLength) << where;
}

// Every coordinate of the document finite and on the canvas; stroke widths and text sizes within the ranges of
// the settings that give them.
void ExpectSoundArt(const std::string& where) {
    for (const std::string& art : canvastest::ArtOffTheCanvas()) ADD_FAILURE() << art << " " << where;
    const RealRange widths = RealRangeOf("Epaisseur"), sizes = RealRangeOf("Corps");
    for (AIArtHandle handle : Doc().AllArt()) {
        const sim::ArtNode* art = Doc().Art(handle);
        if (art == nullptr) continue;
        if (art->style.strokePaint) {
            EXPECT_TRUE(art->style.stroke.width >= widths.Minimum && art->style.stroke.width <= widths.Maximum)
                << Doc().Describe(handle) << " " << where;
        }
        if (art->type == kTextFrameArt) {
            EXPECT_TRUE(art->text.size >= sizes.Minimum && art->text.size <= sizes.Maximum)
                << Doc().Describe(handle) << " " << where;
        }
    }
}

// The numeric fields of a dialog a user can type into now, in item order.
std::vector<int32_t> NumericFieldsOf(ADMDialogRef dialog) {
    std::vector<int32_t> ids;
    if (const sim::DialogData* data = Dialogs().Dialog(dialog)) {
        for (uintptr_t handle : data->items) {
            const sim::ItemData* item = Dialogs().ItemByHandle(handle);
            if (item != nullptr && IsEdit(*item) && item->visible && item->enabled) ids.push_back(item->id);
        }
    }
    return ids;
}

// Types one number into a field; it must then show a value within its range (false when the test does not
// know the field's range).
bool TypeInto(ADMDialogRef dialog, Place place, int32_t id, const char* text) {
    const auto found = Oracle().find({place, id});
    if (found == Oracle().end()) return false;
    const RealRange range = found->second.Range();
    Dialogs().Enter(Dialogs().FindItem(dialog, id), text);
    const sim::ItemData* now = Dialogs().Item(Dialogs().FindItem(dialog, id));
    if (now == nullptr) return true;  // the dialog closed
    const double shown = now->value, slack = 1e-4 * std::max(1.0, std::fabs(shown));
    EXPECT_TRUE(std::isfinite(shown) && shown >= range.Minimum - slack && shown <= range.Maximum + slack)
        << NameOf(place) << " item " << id << " typed " << text << " shows " << shown << " (" << now->text << ")";
    return true;
}

std::string Listed(const std::set<std::string>& names) {
    std::ostringstream list;
    for (const std::string& name : names) list << name << "; ";
    return list.str();
}

}  // namespace

class NumericFields : public NotifyTest {
protected:
    // A drawing near the origin and one dimension of the tool's kind being edited on it.
    void MakeDimension(int32_t tool) {
        Doc().Reset();
        switch (tool) {
            case kSegmentTool:
            case kMeasureTool:
                Doc().DrawPolyline({{0, 0}, {200, 0}}, false);
                UseTool(tool);
                ClickDrag({100, 0}, {100, 40});
                break;
            case kAngleTool:
                Doc().DrawPolyline({{100, 0}, {0, 0}, {100, 100}}, false);
                UseTool(tool);
                ClickDrag({0, 0}, {40, 30});
                break;
            case kCircleTool: {
                const float k = 0.5522847f * 50.0f;
                Doc().DrawPath(
                    {sim::CurveSegment({50, 0}, {50, 0}, {50, k}), sim::CurveSegment({0, 50}, {k, 50}, {0, 50})}, false);
                UseTool(tool);
                ClickDrag({35.355f, 35.355f}, {80, 80});
                break;
            }
            case kBezierTool:
                Doc().DrawPolyline({{0, 0}, {200, 0}, {200, 100}}, false);
                UseTool(tool);
                ClickDrag({100, 0}, {100, 30});
                break;
            default: break;
        }
    }

    // Every numeric key the store holds, then a new launch: each must read back as stored.
    void ExpectNextLaunchKeepsTheStore(const std::string& where) {
        std::vector<std::pair<const SettingEntry*, sim::PrefValue>> stored;
        for (const SettingEntry& entry : SettingsTable()) {
            if (entry.NotRead || (entry.Type != SettingType::Real && entry.Type != SettingType::Integer)) continue;
            if (const auto value = sim::ThePreferences().Get(kTavorinePreferencePrefix, entry.Key))
                stored.emplace_back(&entry, *value);
        }
        ReadPreferences();  // what the next launch reads
        for (const auto& [entry, value] : stored) {
            if (entry->Type == SettingType::Real)
                EXPECT_EQ(PrefValue::Real(*static_cast<double*>(entry->Address)), value) << entry->Key << " " << where;
            else
                EXPECT_EQ(PrefValue::Int(*static_cast<int32_t*>(entry->Address)), value) << entry->Key << " " << where;
        }
    }

    // Runs a dialog once for each of its numeric fields and each hostile number: the number typed, then OK;
    // the art it made, the store at the next launch and the dimensions made after it are checked. Each run
    // starts from the built-in settings, so that each field's extreme is seen alone.
    void PlayDialog(Place place, const std::function<void()>& open,
                    const std::function<void(ADMDialogRef)>& prepare = nullptr) {
        const auto fields = std::make_shared<std::vector<int32_t>>();
        Dialogs().QueueModalResponder([fields, prepare](ADMDialogRef dialog) {
            if (prepare) prepare(dialog);
            *fields = NumericFieldsOf(dialog);
        });
        open();
        ASSERT_EQ(Dialogs().PendingResponders(), 0u) << "the " << NameOf(place) << " did not open";
        ASSERT_FALSE(fields->empty()) << NameOf(place);
        std::set<std::string> unknown;
        for (int32_t id : *fields) {
            for (const char* text : kHostileNumbers) {
                const std::string where = std::string(NameOf(place)) + " item " + std::to_string(id) + " at " + text;
                WriteDefaultPreferences();
                ReloadPanel();
                const auto known = std::make_shared<bool>(true);
                Dialogs().QueueModalResponder([known, prepare, place, id, text](ADMDialogRef dialog) {
                    if (prepare) prepare(dialog);
                    *known = TypeInto(dialog, place, id, text);
                    Dialogs().Click(Dialogs().FindItem(dialog, 1));
                });
                open();
                ASSERT_EQ(Dialogs().PendingResponders(), 0u) << where;
                if (!*known) {
                    unknown.insert(std::to_string(id));
                    break;
                }
                ExpectSoundArt("after OK, " + where);
                ExpectNextLaunchKeepsTheStore(where);
                ReloadPanel();
                for (int32_t tool : {kSegmentTool, kAngleTool, kCircleTool, kBezierTool}) {
                    MakeDimension(tool);
                    ExpectSoundArt("dimension of tool " + std::to_string(tool) + " after " + where);
                }
            }
        }
        EXPECT_TRUE(unknown.empty()) << "fields of the " << NameOf(place) << " without a range in the test: "
                                     << Listed(unknown);
    }

    // The stored settings put in force on every page, as the panel's reload button does on the page shown.
    static void ReloadPanel() {
        for (int32_t tool = kSegmentTool; tool <= kMeasureTool; ++tool) {
            UseTool(tool);
            ASSERT_EQ(ClickItem(kReloadItem), kNoErr);
        }
    }

    // An unmoved click on empty canvas near the origin: the tool's creation dialog runs.
    void EmptyClick(int32_t tool) {
        Doc().Reset();
        UseTool(tool);
        Send(kSelectorAIToolMouseDown, {40, 40});
        Send(kSelectorAIToolMouseUp, {40, 40});
    }

    using PrefValue = sim::PrefValue;
};

// Each panel field, on each page, takes each hostile number while a dimension near the origin is edited; the
// field then shows a value within its range, the live values stay within theirs and the dimension rebuilt by
// the notifier is sound. The field's value in force before is typed back after, so each extreme is seen alone.
TEST_F(NumericFields, EveryPanelFieldHoldsEveryTypedNumberWithinItsRange) {
    std::set<std::string> unknown;
    int typed = 0;
    for (int32_t tool = kSegmentTool; tool <= kMeasureTool; ++tool) {
        for (bool multipleArcs : {false, true}) {
            if (multipleArcs && tool != kAngleTool) continue;
            MakeDimension(tool);
            if (multipleArcs) {
                ASSERT_EQ(ClickItem(kMultipleArcsItem), kNoErr);  // the arc count and gap
            }
            for (int32_t id : NumericFieldsOf(Panel())) {
                const std::string before = Item(id).text;
                for (const char* text : kHostileNumbers) {
                    if (!TypeInto(Panel(), Place::Panel, id, text)) {
                        unknown.insert(std::to_string(id));
                        break;
                    }
                    ++typed;
                    const std::string where = "panel item " + std::to_string(id) + " at " + text + ", tool " +
                                              std::to_string(tool);
                    ExpectLiveWithinRanges(where);
                    ExpectSoundArt(where);
                }
                EnterIn(id, before);
            }
        }
    }
    EXPECT_GE(typed, 5 * 30) << "numbers typed into the panel's fields";
    EXPECT_TRUE(unknown.empty()) << "panel fields without a range in the test: " << Listed(unknown);
}

TEST_F(NumericFields, EveryDialogFieldHoldsEveryTypedNumberAndOkStoresWhatTheNextLaunchKeeps) {
    for (int32_t page = kSegmentTool; page <= kMeasureTool; ++page) {
        PlayDialog(Place::Preferences, [page] {
            UseTool(page);
            OpenModalDialog(ModalDialog::Preferences);
        });
    }
    for (int32_t model = 0; model < 3; ++model) {  // grey, RGB and CMYK rows
        PlayDialog(Place::Colours, [] { OpenModalDialog(ModalDialog::Colours); }, [model](ADMDialogRef dialog) {
            Dialogs().Choose(Dialogs().FindItem(dialog, kColourModelPopup), model);
        });
    }
    PlayDialog(Place::OtherOptions, [] { OpenModalDialog(ModalDialog::OtherOptions); }, [](ADMDialogRef dialog) {
        Dialogs().Click(Dialogs().FindItem(dialog, kExpandButton));  // the font step's row
        Dialogs().Click(Dialogs().FindItem(dialog, kDashButton));    // the dash lengths
    });
    PlayDialog(Place::CustomScale, [] { OpenCustomScaleDialog(); });
    PlayDialog(Place::Segment, [this] { EmptyClick(kSegmentTool); });
    PlayDialog(Place::Angle, [this] { EmptyClick(kAngleTool); });
    PlayDialog(Place::Circle, [this] { EmptyClick(kCircleTool); }, [](ADMDialogRef dialog) {
        Dialogs().Click(Dialogs().FindItem(dialog, 602));  // an arc: its orientation
    });
    PlayDialog(Place::Bezier, [this] { EmptyClick(kBezierTool); }, [](ADMDialogRef dialog) {
        Dialogs().Enter(Dialogs().FindItem(dialog, kReplicaCountItem), "2");  // the replica steps
    });
    PlayDialog(Place::Arrow, [] { OpenModalDialog(ModalDialog::ArrowEditor); });
}

