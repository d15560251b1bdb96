// The click sequences driven as the mouse-down hands them a click: the tool's hover test at the cursor, then
// the click with the host's hit record of the same point.
#pragma once

#include <numbers>
#include <string>

#include "dimension/CurrentDimension.h"
#include "frame/Settings.h"
#include "hover_fixture.h"
#include "panel/CurrentOptions.h"
#include "simhost/Platform.h"
#include "tools/ClickSequences.h"
#include "tools/ClickSupport.h"

namespace clicktest {

using hovertest::HoverTest;

constexpr float kHalfPi = static_cast<float>(std::numbers::pi / 2.0);

class ClickTest : public HoverTest {
protected:
    void SetUp() override {
        HoverTest::SetUp();
        gSettings.Sound = 1;
        sim::TheLogs().Clear();
    }

    // The hit record of a click on `art`: segment `segment` (or the anchor), at parameter t and point p.
    static AIToolHitData Hit(AIArtHandle art, int32_t segment = 0, AIReal t = 0.0f, AIRealPoint p = {}) {
        AIToolHitData hit;
        hit.hit = art != nullptr ? 1 : 0;
        hit.object = art;
        hit.segment = segment;
        hit.t = t;
        hit.point = p;
        return hit;
    }
    // The message of a click at the cursor, after which the click sequence runs; the cursor point is the
    // mouse-down's.
    static AIToolMessage Press(AIRealPoint cursor) {
        AIToolMessage message = At(cursor);
        gToolState.CursorPoint = cursor;
        return message;
    }

    static std::vector<uint32_t> Beeps() {
        std::vector<uint32_t> frequencies;
        for (const sim::BeepRecord& beep : sim::TheLogs().beeps) {
            EXPECT_EQ(beep.duration, 100u);
            frequencies.push_back(beep.frequency);
        }
        return frequencies;
    }
    static std::vector<std::string> Alerts() {
        std::vector<std::string> texts;
        for (const sim::Alert& alert : sim::TheLogs().alerts) texts.push_back(alert.text);
        return texts;
    }
    // The text of a tag, or "-" when the art has none.
    static std::string TagText(AIArtHandle art, const char* key) {
        const sim::ArtNode* node = Doc().Art(art);
        if (node == nullptr) return "-";
        auto found = node->tags.find(key);
        return found == node->tags.end() ? "-" : found->second.text;
    }
    static bool HasTag(AIArtHandle art, const char* key) { return TagText(art, key) != "-"; }
    static AIArtHandle Line0() { return gCurrentDimension.DimensionLines[0]; }
    static bool GroupLive() { return IsLiveArt(gCurrentDimension.DimensionGroup); }

};

} // namespace clicktest
