#include "dimension/Labels.h"

#include <cmath>
#include <numbers>

#include "dimension/CurrentDimension.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"
#include "frame/CanvasWrites.h"
#include "frame/Colours.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ATEPaintSuite.h"
#include "host/ATESuites.h"
#include "host/ArtSuite.h"
#include "host/FontSuite.h"
#include "host/TextFrameSuite.h"
#include "records/CurrentOptions.h"

namespace {

constexpr double kPi = std::numbers::pi;

// A text-engine reference released at the end of its scope.
template <class Ref, class Suite>
class Held {
public:
    explicit Held(Suite* const& suite) : suite_(suite) {}
    ~Held() {
        if (ref_ != nullptr) suite_->Release(ref_);
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    // Where a host call writes the reference.
    Ref* Out() { return &ref_; }
    Ref Get() const { return ref_; }

private:
    Suite* const& suite_;
    Ref ref_ = nullptr;
};

// A label size that can be set: above zero and finite.
bool UsableSize(double size) { return std::isfinite(size) && size > 0.0; }

// The label font, size and colour onto the features.
ASErr SetLabelFeatures(CharFeaturesRef features) {
    ASErr result = kNoErr;
    AIFontKey key = nullptr;
    if (sAIFont->IndexFontList(gCurrentOptions.FontIndex, &key) == kNoErr) {
        Held<FontRef, ATEFontSuite> font(sATEFont);
        KeepError(result, sAIFont->FontFromFontKey(key, font.Out()));
        if (font.Get() != nullptr) KeepError(result, sATECharFeatures->SetFont(features, font.Get()));
    }
    if (UsableSize(gCurrentOptions.TextSize)) {
        KeepError(result, sATECharFeatures->SetFontSize(features, SettingAsFloat(gCurrentOptions.TextSize)));
    }
    AIColor colour;
    GetArtColour(&colour, kTextSide);
    Held<ApplicationPaintRef, ATEApplicationPaintSuite> paint(sATEApplicationPaint);
    KeepError(result, sAIATEPaint->CreateATEApplicationPaint(&colour, paint.Out()));
    if (paint.Get() != nullptr) KeepError(result, sATECharFeatures->SetFillColor(features, paint.Get()));
    KeepError(result, sATECharFeatures->SetBaselineShift(features, 0.0f));
    return result;
}

// The tolerance run of ValueTextBuffer, smaller and shifted, within `range`.
ASErr SetToleranceRun(TextRangeRef range) {
    const ValueTextBuffer& text = gValueTextBuffer;
    if (text.ToleranceLength == 0 || text.ToleranceStart + text.ToleranceLength > text.Length) return kNoErr;
    ASErr result = kNoErr;
    Held<TextRangeRef, ATETextRangeSuite> run(sATETextRange);
    KeepError(result, sATETextRange->Clone(range, run.Out()));
    if (run.Get() == nullptr) return result;
    KeepError(result, sATETextRange->SetRange(run.Get(), static_cast<int32_t>(text.ToleranceStart),
                                         static_cast<int32_t>(text.ToleranceStart + text.ToleranceLength)));
    Held<CharFeaturesRef, ATECharFeaturesSuite> features(sATECharFeatures);
    KeepError(result, sATECharFeatures->New(features.Out()));
    if (features.Get() == nullptr) return result;
    const double size =
        gCurrentOptions.TextSize * (gSettings.ReducedToleranceText != 0 ? kReducedToleranceScale : 1.0);
    if (UsableSize(size)) {
        KeepError(result, sATECharFeatures->SetFontSize(features.Get(), SettingAsFloat(size)));
    }
    KeepError(result,
              sATECharFeatures->SetBaselineShift(features.Get(), SettingAsFloat(gSettings.ToleranceOffset)));
    KeepError(result, sATETextRange->SetLocalCharFeatures(run.Get(), features.Get()));
    return result;
}

// The contents, character features, tolerance run and centring of the label's text.
ASErr WriteLabelText(AIArtHandle frame) {
    ASErr result = kNoErr;
    Held<TextRangeRef, ATETextRangeSuite> range(sATETextRange);
    KeepError(result, sAITextFrame->GetATETextRange(frame, range.Out()));
    if (range.Get() == nullptr) return result;
    KeepError(result, sATETextRange->Remove(range.Get()));
    KeepError(result, sATETextRange->InsertAfter(range.Get(), gValueTextBuffer.CStr()));
    Held<CharFeaturesRef, ATECharFeaturesSuite> features(sATECharFeatures);
    KeepError(result, sATECharFeatures->New(features.Out()));
    if (features.Get() != nullptr) {
        KeepError(result, SetLabelFeatures(features.Get()));
        KeepError(result, sATETextRange->SetLocalCharFeatures(range.Get(), features.Get()));
    }
    KeepError(result, SetToleranceRun(range.Get()));
    Held<ParaFeaturesRef, ATEParaFeaturesSuite> paragraph(sATEParaFeatures);
    KeepError(result, sATEParaFeatures->New(paragraph.Out()));
    if (paragraph.Get() != nullptr) {
        KeepError(result, sATEParaFeatures->SetJustification(paragraph.Get(), kCenterJustify));
        KeepError(result, sATETextRange->SetLocalParaFeatures(range.Get(), paragraph.Get()));
    }
    return result;
}

// The matrix that turns the text by `angle` and puts its anchor at `at`.
AIRealMatrix PlacedAt(AIRealPoint at, AIReal angle) {
    const double c = std::cos(static_cast<double>(angle)), s = std::sin(static_cast<double>(angle));
    AIRealMatrix m;
    m.a = static_cast<AIReal>(c);
    m.b = static_cast<AIReal>(s);
    m.c = static_cast<AIReal>(-s);
    m.d = static_cast<AIReal>(c);
    m.tx = at.h;
    m.ty = at.v;
    return m;
}

}  // namespace

AIReal UprightAngle(AIReal angle) {
    if (!std::isfinite(angle)) return 0.0f;
    constexpr double kFlip = kPi / 2.0 + kRightReadingPastVertical;
    // On the edge itself (within what single-precision angles carry) the value reads from the bottom or the
    // right: its top points up and to the right, never down.
    constexpr double kOnTheEdge = 1e-5;
    double a = std::remainder(static_cast<double>(angle), 2.0 * kPi);
    if (a > kFlip - kOnTheEdge) a -= kPi;
    else if (a <= kFlip - kPi - kOnTheEdge) a += kPi;
    return static_cast<AIReal>(a);
}

AIReal LevelAngle(AIReal angle) {
    if (!std::isfinite(angle)) return 0.0f;
    // Within what single-precision angles carry of vertical, the value reads from the right.
    constexpr double kOnTheEdge = 1e-5;
    double a = std::remainder(static_cast<double>(angle), 2.0 * kPi);
    if (a > kPi / 2.0 + kOnTheEdge) a -= kPi;
    else if (a <= -kPi / 2.0 + kOnTheEdge) a += kPi;
    return static_cast<AIReal>(a);
}

ASErr WriteDimensionLabel(AIArtHandle* frame) {
    if (frame == nullptr) return kBadParameterErr;
    // A dimension without a value (its label removed by "Cote (sans)") gets no empty frame back.
    if (!IsLiveArt(*frame) && gValueTextBuffer.Length == 0) {
        *frame = nullptr;
        return kNoErr;
    }
    if (!IsLiveArt(*frame)) {
        if (const ASErr error = NewDimensionPart(kTextFrameArt, nullptr, frame); *frame == nullptr) {
            return error;
        }
    }
    return WriteLabelText(*frame);
}

ASErr PlaceDimensionLabel(AIArtHandle frame, AIRealPoint at, AIReal angle, LabelReading reading) {
    if (!std::isfinite(at.h) || !std::isfinite(at.v)) return kBadParameterErr;
    if (!IsLiveArt(frame)) return kNoErr;
    const AIReal turned = reading == LabelReading::Level ? LevelAngle(angle) : UprightAngle(angle);
    const AIRealMatrix placed = PlacedAt(HeldOnCanvas(at), turned);
    return sAITextFrame->SetTextFrameMatrix(frame, &placed);
}

LabelExtent MeasureDimensionLabel(AIArtHandle frame) {
    LabelExtent extent;
    const ValueTextBuffer& text = gValueTextBuffer;
    size_t characters = 0;
    for (size_t i = 0; i < text.Length; ++i) {
        if ((static_cast<unsigned char>(text.CStr()[i]) & 0xC0u) != 0x80u) ++characters;
    }
    const double size = UsableSize(gCurrentOptions.TextSize) ? gCurrentOptions.TextSize : 0.0;
    extent.Width = static_cast<double>(characters) * size * kAverageAdvance;
    extent.Top = size;
    if (!IsLiveArt(frame)) return extent;
    const AIRealMatrix flat = PlacedAt(AIRealPoint{}, 0.0f);
    AIRealRect bounds{};
    if (sAITextFrame->SetTextFrameMatrix(frame, &flat) != kNoErr || sAIArt->GetArtBounds(frame, &bounds) != kNoErr)
        return extent;
    const double width = static_cast<double>(bounds.right) - bounds.left;
    const double height = static_cast<double>(bounds.top) - bounds.bottom;
    if (!std::isfinite(width) || !std::isfinite(height) || width <= 0.0 || height <= 0.0) return extent;
    extent.Width = width;
    extent.Bottom = bounds.bottom;
    extent.Top = bounds.top;
    return extent;
}

ASErr SetDimensionLabel(AIArtHandle* frame, AIRealPoint at, AIReal angle) {
    if (frame == nullptr || !std::isfinite(at.h) || !std::isfinite(at.v)) return kBadParameterErr;
    ASErr result = WriteDimensionLabel(frame);
    if (*frame == nullptr) return result;
    KeepError(result, PlaceDimensionLabel(*frame, at, angle));
    return result;
}

ASErr SetAngleLabel(AIArtHandle* frame, AIRealPoint vertex, AIReal radius, AIReal direction) {
    const double d = static_cast<double>(direction);
    const AIRealPoint at{static_cast<AIReal>(vertex.h + radius * std::cos(d)),
                         static_cast<AIReal>(vertex.v + radius * std::sin(d))};
    return SetDimensionLabel(frame, at, static_cast<AIReal>(d - kPi / 2.0));
}
