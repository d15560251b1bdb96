#include "resources/ToolIcons.h"

#include <iterator>

namespace {

// A dimension line with its two end marks over a measured segment.
constexpr const char* kSegmentRows[] = {
    "#..........#", "#..........#", "##........##", "############", "##........##", "#..........#",
    "#..........#", "............", "............", "############", "............", "............",
};
// Two sides and the arc between them.
constexpr const char* kAngleRows[] = {
    "...........#", "..........#.", ".........#..", "........#...", ".......#.#..", "......#...#.",
    ".....#....#.", "....#.....#.", "...#......#.", "..#.......#.", ".#........#.", "############",
};
// A circle and its radius.
constexpr const char* kCircleRows[] = {
    "....####....", "..##....##..", ".#........#.", ".#........#.", "#..........#", "#.....######",
    "#..........#", "#..........#", ".#........#.", ".#........#.", "..##....##..", "....####....",
};
// A curve swinging up then down, cut in equal parts.
constexpr const char* kBezierRows[] = {
    "............", "...###......", "..#...#.....", ".#.....#....", ".#.....#....", "#.......#...",
    "#..#....#..#", "........#..#", ".........#.#", ".........#.#", "..........#.", "............",
};
// A closed outline and the area it holds.
constexpr const char* kMeasureRows[] = {
    "############", "#..........#", "#.gggggggg.#", "#.gggggggg.#", "#.gggggggg.#", "#.gggggggg.#",
    "#.gggggggg.#", "#.gggggggg.#", "#.gggggggg.#", "#.gggggggg.#", "#..........#", "############",
};

constexpr PixelImage kSegmentIcon{12, 12, kSegmentRows};
constexpr PixelImage kAngleIcon{12, 12, kAngleRows};
constexpr PixelImage kCircleIcon{12, 12, kCircleRows};
constexpr PixelImage kBezierIcon{12, 12, kBezierRows};
constexpr PixelImage kMeasureIcon{12, 12, kMeasureRows};

constexpr PluginResource kToolIcons[] = {
    {kIconResourceType, 1012, &kSegmentIcon, 1}, {kIconResourceType, 1013, &kAngleIcon, 1},
    {kIconResourceType, 1014, &kCircleIcon, 1},  {kIconResourceType, 1015, &kBezierIcon, 1},
    {kIconResourceType, 1016, &kMeasureIcon, 1}, {kIconResourceType, 1017, &kSegmentIcon, 1},
    {kIconResourceType, 1018, &kAngleIcon, 1},   {kIconResourceType, 1019, &kCircleIcon, 1},
    {kIconResourceType, 1020, &kBezierIcon, 1},  {kIconResourceType, 1021, &kMeasureIcon, 1},
};

}  // namespace

std::span<const PluginResource> ToolIconResources() { return {std::begin(kToolIcons), std::end(kToolIcons)}; }
