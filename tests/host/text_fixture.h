// A fresh stand-in host with the text suites acquired through SP Basic, as the plug-in acquires them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/ATEPaintSuite.h"
#include "host/ATESuites.h"
#include "host/FontSuite.h"
#include "host/Suites.h"
#include "host/TextFrameSuite.h"
#include "simhost/Document.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"
#include "simhost/Text.h"

class TextTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::ResetHost();
        Acquire(kAITextFrameSuite, kAITextFrameSuiteVersion, &frames);
        Acquire(kAIFontSuite, kAIFontSuiteVersion, &fonts);
        Acquire(kAIATEPaintSuite, kAIATEPaintSuiteVersion, &paints);
        Acquire(kATETextRangeSuite, kATETextRangeSuiteVersion, &ranges);
        Acquire(kATECharFeaturesSuite, kATECharFeaturesSuiteVersion, &chars);
        Acquire(kATEParaFeaturesSuite, kATEParaFeaturesSuiteVersion, &paras);
        Acquire(kATEFontSuite, kATEFontSuiteVersion, &ateFonts);
        Acquire(kATEStorySuite, kATEStorySuiteVersion, &stories);
        Acquire(kATEApplicationPaintSuite, kATEApplicationPaintSuiteVersion, &applicationPaints);
    }

    template <typename Suite>
    void Acquire(const char* name, int32_t version, const Suite** suite) {
        const void* table = nullptr;
        ASSERT_EQ(kNoErr, sim::TheBasicSuite()->AcquireSuite(name, version, &table)) << name;
        *suite = static_cast<const Suite*>(table);
    }

    // A new point-text frame on top of the current layer holding `contents`.
    AIArtHandle Frame(const char* contents, AIRealPoint anchor = {0.0f, 0.0f}) {
        AIArtHandle frame = nullptr;
        EXPECT_EQ(kNoErr,
                  frames->NewPointText(kPlaceAboveAll, nullptr, kHorizontalTextOrientation, anchor, &frame));
        TextRangeRef range = Range(frame);
        EXPECT_EQ(kNoErr, ranges->InsertAfter(range, contents));
        ranges->Release(range);
        return frame;
    }
    TextRangeRef Range(AIArtHandle frame) {
        TextRangeRef range = nullptr;
        EXPECT_EQ(kNoErr, frames->GetATETextRange(frame, &range));
        return range;
    }
    std::string Contents(TextRangeRef range) {
        char buffer[256] = {};
        EXPECT_EQ(kNoErr, ranges->GetContents(range, buffer, sizeof buffer, nullptr));
        return buffer;
    }
    static const sim::TextData& Text(AIArtHandle frame) { return sim::TheDocument().Art(frame)->text; }

    const AITextFrameSuite* frames = nullptr;
    const AIFontSuite* fonts = nullptr;
    const AIATEPaintSuite* paints = nullptr;
    const ATETextRangeSuite* ranges = nullptr;
    const ATECharFeaturesSuite* chars = nullptr;
    const ATEParaFeaturesSuite* paras = nullptr;
    const ATEFontSuite* ateFonts = nullptr;
    const ATEStorySuite* stories = nullptr;
    const ATEApplicationPaintSuite* applicationPaints = nullptr;
};
