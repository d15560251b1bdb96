// The plug-in started in a fresh stand-in host whose hit tests are installed, with helpers that make
// dimensions the way the click sequences do and find the part a mouse-down hits.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "dimension/CurrentDimension.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
#include "frame/FrameEntry.h"
#include "frame/Settings.h"
#include "host/HitTestSuite.h"
#include "panel/CurrentOptions.h"
#include "resources/Resources.h"
#include "simhost/Document.h"
#include "simhost/HitTest.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"
#include "skeleton_fixture.h"
#include "records/HitState.h"

namespace dimtest {

class ReEditTest : public DimensionArtTest {
protected:
    void SetUp() override {
        gHitState = HitState{};
        sim::ResetHost();
        sim::InstallHitTestSuite();
        sim::ThePlugin().Load(PluginMain, PluginResources);
        ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
        gCurrentOptions.ArcRadius = 80.0;
        gCurrentOptions.EndMarkSize = 100.0;
    }

    // The record a mouse-down at `at` hands to the click sequence: any part, tolerance 8.0.
    static AIToolHitData MouseDownHit(AIRealPoint at) {
        const AIHitTestSuite& suite = sim::HitTestSuiteTable();
        AIHitRef ref = nullptr;
        AIToolHitData data;
        EXPECT_EQ(suite.HitTestEx(nullptr, at, kAnyHitRequest, 8.0f, &ref), kNoErr);
        EXPECT_EQ(suite.GetHitData(ref, &data), kNoErr);
        EXPECT_EQ(suite.Release(ref), kNoErr);
        return data;
    }

    // The tool message of a click at `at`.
    static AIToolMessage Click(AIRealPoint at) {
        AIToolMessage message;
        message.cursor = at;
        return message;
    }

    // The groups on the current layer, top first.
    static std::vector<AIArtHandle> LayerGroups() {
        return Children(Doc().LayerGroup(Doc().CurrentLayer()));
    }

    static std::vector<std::string> Alerts() {
        std::vector<std::string> texts;
        for (const sim::Alert& alert : sim::TheLogs().alerts) texts.push_back(alert.text);
        return texts;
    }
};

}  // namespace dimtest
