// Shared set-up of the tests of links, skeletons, labels and names: the plug-in started in a fresh stand-in
// host with a dimension group on the current layer.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "dimension/CurrentDimension.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
#include "frame/FrameEntry.h"
#include "frame/Settings.h"
#include "resources/Resources.h"
#include "simhost/Document.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"

namespace dimtest {

using Tags = std::map<std::string, std::string>;

class DimensionArtTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::ResetHost();
        sim::ThePlugin().Load(PluginMain, PluginResources);
        ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
        StartGroup();
    }
    void TearDown() override {
        ForgetDivisionMarks();
        sim::ThePlugin().Shutdown();
        ClearValueFormat();
    }

    static sim::Document& Doc() { return sim::TheDocument(); }
    static CurrentDimension& Dim() { return gCurrentDimension; }

    // A new empty group on top of the current layer, made the group of the dimension being built.
    static AIArtHandle StartGroup() {
        gCurrentDimension.DimensionGroup = Doc().NewGroup();
        return gCurrentDimension.DimensionGroup;
    }

    // Every tag of the art as key and text (the type is checked to be "string").
    static Tags TagsOf(AIArtHandle art) {
        Tags tags;
        const sim::ArtNode* node = Doc().Art(art);
        if (node == nullptr) return tags;
        for (const auto& [key, value] : node->tags) {
            EXPECT_EQ(value.type, "string") << key;
            tags[key] = value.text;
        }
        return tags;
    }

    // The tags of a part without link or kind: `vek`, and the end-mark marker on an end mark.
    static Tags BareTags(AIArtHandle part) {
        for (const auto& set : gCurrentDimension.EndMarks)
            for (AIArtHandle mark : set)
                if (part != nullptr && mark == part) return {{"vek", "jj"}, {"fle", "jj"}};
        return {{"vek", "jj"}};
    }

    static std::vector<AIArtHandle> Children(AIArtHandle group) { return Doc().Children(group); }
    static bool Live(AIArtHandle art) { return Doc().IsValid(art); }
    static const sim::ArtNode& Node(AIArtHandle art) { return *Doc().Art(art); }

    // A straight open path through the points.
    static AIArtHandle Path(const std::vector<AIRealPoint>& points) {
        return Doc().DrawPolyline(points, false);
    }
};

}  // namespace dimtest
