// Shared set-up of the value-text tests: a known value format, stored settings and live options.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "dimension/ValueFormat.h"
#include "frame/Settings.h"
#include "panel/CurrentOptions.h"
#include "records/ToolState.h"

namespace valuetest {

// Points in one millimetre, as a float a path would hold.
constexpr double kPointsPerMillimetre = 72.0 / 25.4;

// The value format a user sees after a first run: millimetres, no decimals, unit shown, comma, scale 1.
inline void UseDefaultFormat() {
    ClearSettings();
    ClearValueFormat();
    gCurrentOptions = CurrentOptions();
    gToolState = ToolState();
    gValueTextBuffer.Clear();
    gAreaTextBuffer.Clear();
    gCurrentOptions.Unit = kUnitMillimetres;
    gCurrentOptions.Decimals = 0;
    gCurrentOptions.ShowUnit = 1;
    gCurrentOptions.ShowAngleUnit = 1;
    gSettings.DecimalSeparator = ',';
    gSettings.ScaleRatio = 1.0;
    gValueFormat.InchFraction = 8;
    gSettings.InchSymbol = 0;
    gSettings.FootSymbol = 0;
    gSettings.CircleSymbolShown = 1;
    gSettings.CircleSymbolBefore = 1;
    SetSettingString(gSettings.Prefix, "[");
    SetSettingString(gSettings.Suffix, "]");
    SetToleranceText("0,25");
}

// Frees the owned texts so the sanitized run reports no leak.
inline void ReleaseFormat() {
    ClearValueFormat();
    ClearSettings();
}

class ValueTextTest : public ::testing::Test {
protected:
    void SetUp() override { UseDefaultFormat(); }
    void TearDown() override { ReleaseFormat(); }

    static std::string Text() { return std::string(gValueTextBuffer.View()); }
    static std::string Area() { return std::string(gAreaTextBuffer.View()); }
};

// True when text is well-formed UTF-8 (no character cut in the middle).
inline bool IsWholeUtf8(const std::string& text) {
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        size_t length = 1;
        if (lead >= 0xF0) length = 4;
        else if (lead >= 0xE0) length = 3;
        else if (lead >= 0xC0) length = 2;
        else if (lead >= 0x80) return false;
        if (i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

}  // namespace valuetest
