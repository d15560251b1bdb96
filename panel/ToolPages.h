// The tool pages of the panel and the relayout.
#pragma once

#include <cstdint>

// Covers the panel and disables it (0), or uncovers it (1), then applies the page of the current tool.
void LayoutPanelForTool(int32_t enable);
// One page each: title, height, flyout and unit entries, the state and place of every item of the page, and the
// tick of point end marks. With 0 the page's items stay as the page shows them, disabled.
void ShowPanelSegmentPage(int32_t enable);
void ShowPanelAnglePage(int32_t enable);
void ShowPanelCirclePage(int32_t enable);
void ShowPanelBezierPage(int32_t enable);
void ShowPanelMeasurePage(int32_t enable);
// Enables or disables flyout entries 1 to 10.
void EnablePanelMenuEntries(int32_t enable);
