// A fresh stand-in host with the document suites acquired through SP Basic, as the plug-in acquires them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/Suites.h"
#include "simhost/Document.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"

class DocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::ResetHost();
        Acquire(kAIArtSuite, kAIArtSuiteVersion, &art);
        Acquire(kAIPathSuite, kAIPathSuiteVersion, &path);
        Acquire(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &style);
        Acquire(kAITagSuite, kAITagSuiteVersion, &tag);
        Acquire(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &matching);
        Acquire(kAIArtSetSuite, kAIArtSetSuiteVersion, &artSet);
        Acquire(kAILayerSuite, kAILayerSuiteVersion, &layer);
        Acquire(kAIDocumentSuite, kAIDocumentSuiteVersion, &document);
        Acquire(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &view);
        Acquire(kAITransformArtSuite, kAITransformArtSuiteVersion, &transform);
        Acquire(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &memory);
    }

    template <typename Suite> void Acquire(const char* name, int32_t version, const Suite** suite) {
        const void* table = nullptr;
        ASSERT_EQ(kNoErr, sim::TheBasicSuite()->AcquireSuite(name, version, &table)) << name;
        *suite = static_cast<const Suite*>(table);
    }

    // New art of `type` on top of the current layer, named `name`.
    AIArtHandle Make(int16_t type, const char* name, int16_t order = kPlaceAboveAll,
                     AIArtHandle prep = nullptr) {
        AIArtHandle made = nullptr;
        EXPECT_EQ(kNoErr, art->NewArt(type, order, prep, &made));
        EXPECT_EQ(kNoErr, art->SetArtName(made, name));
        return made;
    }

    // The names of a group's children, top first, walked with the art suite.
    std::vector<std::string> ChildNames(AIArtHandle group) {
        std::vector<std::string> names;
        AIArtHandle child = nullptr;
        EXPECT_EQ(kNoErr, art->GetArtFirstChild(group, &child));
        while (child != nullptr) {
            names.push_back(sim::TheDocument().DisplayName(child));
            EXPECT_EQ(kNoErr, art->GetArtSibling(child, &child));
        }
        return names;
    }

    AIArtHandle CurrentLayerGroup() {
        AILayerHandle current = nullptr;
        EXPECT_EQ(kNoErr, layer->GetCurrentLayer(&current));
        AIArtHandle group = nullptr;
        EXPECT_EQ(kNoErr, art->GetFirstArtOfLayer(current, &group));
        return group;
    }

    sim::Document& doc = sim::TheDocument();
    const AIArtSuite* art = nullptr;
    const AIPathSuite* path = nullptr;
    const AIPathStyleSuite* style = nullptr;
    const AITagSuite* tag = nullptr;
    const AIMatchingArtSuite* matching = nullptr;
    const AIArtSetSuite* artSet = nullptr;
    const AILayerSuite* layer = nullptr;
    const AIDocumentSuite* document = nullptr;
    const AIDocumentViewSuite* view = nullptr;
    const AITransformArtSuite* transform = nullptr;
    const AIMdMemorySuite* memory = nullptr;
};
