#include "frame/PathStyles.h"

#include "frame/Colours.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/PathStyleSuite.h"

PathStyles gPathStyles;

void InitPathStyles() {
    PathStyles& styles = gPathStyles;
    AIPathStyle current;
    const bool hostStyle = sAIPathStyle != nullptr && sAIPathStyle->GetCurrentPathStyle != nullptr &&
                           sAIPathStyle->GetCurrentPathStyle(&current) == kNoErr;
    if (!hostStyle) current = AIPathStyle();
    styles.EndMarkStyle = current;
    styles.EndMarkStyle.fillPaint = 1;
    styles.EndMarkStyle.fill.color.kind = kGrayColor;
    styles.EndMarkStyle.strokePaint = 0;
    styles.EndMarkStyle.stroke.cap = kAIRoundCap;
    styles.EndMarkStyle.stroke.join = kAIMiterJoin;
    styles.EndMarkStyle.stroke.miterLimit = kEndMarkMiterLimit;

    styles.DimensionLineStyle.fillPaint = 0;
    styles.DimensionLineStyle.fill.color.kind = kFourColor;
    styles.DimensionLineStyle.strokePaint = 1;
    styles.DimensionLineStyle.stroke.width = SettingAsLength(gSettings.LineWidth);
    styles.DimensionLineStyle.stroke.cap = kAIRoundCap;
    styles.DimensionLineStyle.stroke.join = kAIBevelJoin;

    RebuildBasePathStyle();
}

void RebuildBasePathStyle() {
    AIPathStyle& base = gPathStyles.BasePathStyle;
    base = gPathStyles.DimensionLineStyle;
    base.stroke.dash = AIDashStyle();
    ApplyDashSettings(base);
}

void ApplyDashSettings(AIPathStyle& style) {
    const Settings& s = gSettings;
    style.stroke.dash.length = s.Dashed != 0 ? kDashEntryCount : 0;
    style.stroke.dash.array[0] = SettingAsLength(s.DashOne);
    style.stroke.dash.array[1] = SettingAsLength(s.GapOne);
    style.stroke.dash.array[2] = SettingAsLength(s.DashTwo);
    style.stroke.dash.array[3] = SettingAsLength(s.GapTwo);
    style.stroke.cap = s.RoundDashEnds != 0 ? kAIRoundCap : kAIButtCap;
}

void ApplyStrokeColourToStyles(int32_t globalSwatches) {
    const AIColor colour = CommittedStrokeColour(globalSwatches);
    gPathStyles.EndMarkStyle.fill.color = colour;
    gPathStyles.DimensionLineStyle.stroke.color = colour;
    RebuildBasePathStyle();
}
