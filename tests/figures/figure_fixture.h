// The plug-in started in a fresh stand-in host, driven as a user drags figures out of empty clicks.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/FrameEntry.h"
#include "host/ArtSuite.h"
#include "host/Messages.h"
#include "host/Platform.h"
#include "records/CurrentDimension.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "records/MeasuredPoints.h"
#include "records/Records.h"
#include "records/ToolState.h"
#include "resources/Resources.h"
#include "simhost/Document.h"
#include "simhost/Platform.h"
#include "simhost/PluginConnection.h"
#include "simhost/PreferenceStore.h"
#include "simhost/SimHost.h"
#include "simhost/Tools.h"

namespace figuretest {

class FigureTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::ResetHost();
        ResetRecords();
        SeedPreferences();
        sim::ThePlugin().Load(PluginMain, PluginResources);
        ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
    }
    void TearDown() override { sim::ThePlugin().Shutdown(); }
    // Preferences the plug-in reads at start-up; none by default.
    virtual void SeedPreferences() {}

    static void Store(const char* key, const sim::PrefValue& value) {
        sim::ThePreferences().Put("VekTavorine", key, value);
    }
    static sim::Document& Doc() { return sim::TheDocument(); }
    static void Select(int32_t tool) {
        ASSERT_EQ(sim::TheTools().Select(gToolState.ToolHandles[tool - 1]), kNoErr);
    }
    static ASErr Send(const char* selector, AIRealPoint p) {
        return sim::ThePlugin().SendTool(selector, sim::TheTools().Selected(), p);
    }
    static void Down(AIRealPoint p) { Send(kSelectorAIToolMouseDown, p); }
    static void Drag(AIRealPoint p) { Send(kSelectorAIToolMouseDrag, p); }
    static void Up(AIRealPoint p) { Send(kSelectorAIToolMouseUp, p); }
    // Press at p, drag through the points and release at the last.
    static void DragOut(AIRealPoint p, std::vector<AIRealPoint> through) {
        Down(p);
        for (AIRealPoint q : through) Drag(q);
        Up(through.back());
    }
    static void Hold(int32_t key, bool down = true) { sim::ThePlatform().SetKeyDown(key, down); }

    static const sim::ArtNode& Node(AIArtHandle art) { return *Doc().Art(art); }
    static const std::vector<AIPathSegment>& Anchors(AIArtHandle art) { return Node(art).segments; }
    // Art of the current layer, top first.
    static std::vector<AIArtHandle> TopArt() { return Doc().Children(Doc().LayerGroup(Doc().CurrentLayer())); }
    static bool HasTag(AIArtHandle art, const char* key) {
        const sim::ArtNode* node = Doc().Art(art);
        return node != nullptr && node->tags.count(key) == 1;
    }
    // The label texts inside a group.
    static std::vector<std::string> Labels(AIArtHandle group) {
        std::vector<std::string> texts;
        if (!Doc().IsValid(group)) return texts;
        for (AIArtHandle child : Doc().Children(group))
            if (Node(child).type == kTextFrameArt && !Node(child).text.contents.empty())
                texts.push_back(Node(child).text.contents);
        return texts;
    }
    static size_t ModalRuns() { return sim::TheLogs().modalRuns.size(); }
};

#define EXPECT_POINT_AT(point, x, y)             \
    do {                                         \
        EXPECT_NEAR((point).h, (x), 1e-3);       \
        EXPECT_NEAR((point).v, (y), 1e-3);       \
    } while (false)

}  // namespace figuretest
