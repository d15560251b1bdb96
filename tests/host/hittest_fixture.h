// A fresh stand-in host with its hit tests installed and acquired through SP Basic, as the plug-in acquires them.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "host/HitTestSuite.h"
#include "host/Suites.h"
#include "simhost/Document.h"
#include "simhost/HitTest.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"

class HitTestTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::ResetHost();
        sim::InstallHitTestSuite();
        const void* table = nullptr;
        ASSERT_EQ(kNoErr, sim::TheBasicSuite()->AcquireSuite(kAIHitTestSuite, kAIHitTestSuiteVersion, &table));
        suite = static_cast<const AIHitTestSuite*>(table);
    }
    void TearDown() override { EXPECT_EQ(sim::OutstandingHitRefs(), 0u) << "a test left a hit reference"; }

    // Hit-tests the whole document (or `art`) and answers the record, releasing the reference.
    AIToolHitData Hit(AIRealPoint at, int32_t request, AIReal tolerance, AIArtHandle art = nullptr) {
        AIHitRef ref = nullptr;
        EXPECT_EQ(kNoErr, suite->HitTestEx(art, at, request, tolerance, &ref));
        AIToolHitData data;
        EXPECT_EQ(kNoErr, suite->GetHitData(ref, &data));
        int32_t type = 99;
        EXPECT_EQ(kNoErr, suite->GetType(ref, &type));
        EXPECT_EQ(type, data.type);
        EXPECT_EQ(kNoErr, suite->Release(ref));
        return data;
    }

    AIArtHandle Polyline(const std::vector<AIRealPoint>& points, bool closed = false) {
        return doc.DrawPolyline(points, closed);
    }

    sim::Document& doc = sim::TheDocument();
    const AIHitTestSuite* suite = nullptr;
};
