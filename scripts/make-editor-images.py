#!/usr/bin/env python3
"""Writes resources/EditorImages.cpp: the pictures and icons of the point editors as pixel rows.

Each image is drawn here from simple geometry ('#' ink, '.' transparent) so that it can be redrawn
when a picture changes: python3 scripts/make-editor-images.py > resources/EditorImages.cpp
"""
import math


def blank(w, h):
    return [['.'] * w for _ in range(h)]


def dot(img, x, y):
    x, y = int(round(x)), int(round(y))
    if 0 <= y < len(img) and 0 <= x < len(img[0]):
        img[y][x] = '#'


def line(img, x0, y0, x1, y1):
    n = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
    for i in range(n + 1):
        t = i / n
        dot(img, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t)


def polyline(img, pts, closed=False):
    for a, b in zip(pts, pts[1:] + (pts[:1] if closed else [])):
        line(img, a[0], a[1], b[0], b[1])


def fill(img, pts):
    h, w = len(img), len(img[0])
    for y in range(h):
        for x in range(w):
            px, py = x + 0.5, y + 0.5
            inside = False
            for (ax, ay), (bx, by) in zip(pts, pts[1:] + pts[:1]):
                if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
                    inside = not inside
            if inside:
                img[y][x] = '#'


def cubic(p0, p1, p2, p3, n=16):
    out = []
    for i in range(n + 1):
        t = i / n
        u = 1 - t
        out.append((u**3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t**3 * p3[0],
                    u**3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t**3 * p3[1]))
    return out


def outline(points, closed, scale, ox, oy):
    """points: (anchor, In, Out) per point; In leaves the anchor, Out arrives at it."""
    path = []
    n = len(points)
    segs = n if closed else n - 1
    for i in range(segs):
        a, inn, _ = points[i]
        b, _, out = points[(i + 1) % n]
        path += cubic(a, inn, out, b)
    return [(ox + x * scale, oy + y * scale) for x, y in path]


def corner(x, y):
    return ((x, y), (x, y), (x, y))


def invert(img):
    return [['.' if c == '#' else '#' for c in row] for row in img]


TIPS = [
    [corner(0, 0), corner(10, -5), corner(10, -4), corner(2, 0), corner(10, 4), corner(10, 5)],
    [corner(0, 0), corner(7.5, -5), corner(10, -5), corner(10, -4), corner(8, -4), corner(2, 0), corner(8, 4),
     corner(10, 4), corner(10, 5), corner(7.5, 5)],
    [((0, 0), (10, -1), (10, 1)), ((16, -6), (16, -2.5), (14, -2.5)), ((11, 0), (15, 1), (15, -1)),
     ((16, 6), (14, 2.5), (16, 2.5))],
    [((0, 0), (7.5, -1), (7.5, 1)), ((15, -5), (11, 0), (10, -1.5)), ((15, 5), (10, 1.5), (11, 0))],
    [corner(0, 0), ((11, -4.5), (14.6, -5.8), (11, -4.5)), ((13, -2), (10.7, -1.4), (15.25, -2.55)), corner(2, 0),
     ((13, 2), (15.25, 2.55), (10.7, 1.4)), ((11, 4.5), (11, 4.5), (14.6, 5.8))],
    [corner(0, 0), ((4, -3), (4, -3), (2.8, -0.6)), ((4, -1), (4, -1), (4.7, -1.8)), ((8, -4), (9, -1.5), (6.4, -0.6)),
     corner(8, -1), ((14, -6), (15.7, -2.5), (11.2, -0.6)), ((13, 0), (13.7, 0.8), (13.7, -0.8)),
     ((14, 6), (11.2, 0.6), (15.7, 2.5)), corner(8, 1), ((8, 4), (6.4, 0.6), (9, 1.5)), ((4, 1), (4.7, 1.8), (4, 1)),
     ((4, 3), (2.8, 0.6), (4, 3))],
]


def tip_picture(points):
    img = blank(15, 15)
    shape = outline(points, True, 0.8, 1, 7.5)
    fill(img, shape)
    polyline(img, shape, True)
    return img


def rosette(shape, copies, step_deg, scale, size=19):
    img = blank(size, size)
    c = (size - 1) / 2
    for r in range(copies):
        a = math.radians(step_deg * r)
        pts = [(c + scale * (x * math.cos(a) - y * math.sin(a)), c + scale * (x * math.sin(a) + y * math.cos(a)))
               for x, y in shape]
        polyline(img, pts, True)
    return img


def presets():
    out = {}
    img = blank(19, 19)
    for k in range(5):
        line(img, 2, 2 + 3.5 * k, 16, 2 + 3.5 * k)
    out[1129] = img
    img = blank(19, 19)
    for k in range(5):
        line(img, 2 + 3.5 * k, 2, 2 + 3.5 * k, 16)
    out[1130] = img
    out[1131] = rosette([(-240, 0), (-20, -20), (-20, 20)], 6, 60, 9 / 240)
    out[1132] = rosette([(-160, -60), (-10, -60), (-10, -10), (-160, -10)], 5, 72, 9 / 170)
    five = outline([((-260, 0), (-260, -40), (-260, 40)), ((-180, -60), (-140, -60), (-220, -60)),
                    ((-40, -20), (-40, -20), (-100, -40)), ((-160, 0), (-160, 20), (-160, -20)),
                    ((-40, 20), (-100, 40), (-40, 20)), ((-180, 60), (-220, 60), (-140, 60))], True, 1, 0, 0)
    out[1133] = rosette(five, 8, 45, 9 / 270)
    img = blank(19, 19)
    for k in range(3):
        polyline(img, [(1 + 3 * k, 5), (9 + 3 * k, 5), (9 + 3 * k, 13), (1 + 3 * k, 13)], True)
    out[1134] = img
    return out


def arrow_picture(right, w=11, h=9):
    img = blank(w, h)
    pts = [(2, 1), (8, 4), (2, 7)] if right else [(8, 1), (2, 4), (8, 7)]
    fill(img, pts)
    polyline(img, pts, True)
    return img


def icons():
    out = {}
    img = blank(19, 19)  # replica count: three stacked squares
    for k in range(3):
        polyline(img, [(2 + 4 * k, 2 + 4 * k), (9 + 4 * k, 2 + 4 * k), (9 + 4 * k, 9 + 4 * k), (2 + 4 * k, 9 + 4 * k)], True)
    out[1107] = img
    img = blank(19, 19)  # rotation: an arc with an arrow head
    arc = [(9 + 6 * math.cos(math.radians(a)), 9 - 6 * math.sin(math.radians(a))) for a in range(0, 271, 15)]
    polyline(img, arc)
    polyline(img, [(15, 6), (15, 9), (12, 8)])
    out[1108] = img
    img = blank(19, 19)  # horizontal offset
    line(img, 2, 9, 16, 9)
    polyline(img, [(5, 6), (2, 9), (5, 12)])
    polyline(img, [(13, 6), (16, 9), (13, 12)])
    out[1109] = img
    img = blank(19, 19)  # vertical offset
    line(img, 9, 2, 9, 16)
    polyline(img, [(6, 5), (9, 2), (12, 5)])
    polyline(img, [(6, 13), (9, 16), (12, 13)])
    out[1110] = img
    img = blank(19, 19)  # scale: a small square in a large one
    polyline(img, [(2, 2), (16, 2), (16, 16), (2, 16)], True)
    polyline(img, [(2, 10), (8, 10), (8, 16)])
    line(img, 8, 10, 14, 4)
    out[1111] = img
    open_curve = blank(19, 19)
    polyline(open_curve, cubic((2, 14), (4, 2), (14, 2), (16, 14)))
    closed_curve = blank(19, 19)
    ring = [(9 + 7 * math.cos(math.radians(a)), 9 + 6 * math.sin(math.radians(a))) for a in range(0, 360, 15)]
    polyline(closed_curve, ring, True)
    filled = blank(19, 19)
    fill(filled, ring)
    polyline(filled, ring, True)
    hollow = blank(19, 19)
    polyline(hollow, [(3, 3), (15, 3), (15, 15), (3, 15)], True)
    out[1112], out[1113], out[1114], out[1115] = open_curve, closed_curve, filled, hollow
    out[1121], out[1122], out[1123], out[1124] = open_curve, closed_curve, filled, hollow
    img = blank(19, 19)  # independent moves: one point and its arrow
    polyline(img, [(3, 3), (7, 3), (7, 7), (3, 7)], True)
    line(img, 7, 7, 15, 15)
    polyline(img, [(11, 15), (15, 15), (15, 11)])
    out[1125] = img
    img = blank(19, 19)  # symmetric moves: two points mirrored about an axis
    line(img, 1, 9, 17, 9)
    for y in (3, 12):
        polyline(img, [(7, y), (11, y), (11, y + 3), (7, y + 3)], True)
    out[1126] = img
    img = blank(19, 19)  # smooth point: a curve with its handle line
    polyline(img, cubic((2, 15), (5, 4), (13, 4), (16, 15)))
    line(img, 3, 6, 15, 6)
    polyline(img, [(8, 5), (10, 5), (10, 7), (8, 7)], True)
    out[1127] = img
    img = blank(19, 19)  # corner point: two straight sides meeting
    polyline(img, [(2, 16), (9, 3), (16, 16)])
    polyline(img, [(8, 2), (10, 2), (10, 4), (8, 4)], True)
    out[1128] = img
    return out


def mode_pictures():
    move = blank(17, 17)
    line(move, 8, 1, 8, 15)
    line(move, 1, 8, 15, 8)
    for a, b, c in [((5, 4), (8, 1), (11, 4)), ((5, 12), (8, 15), (11, 12)), ((4, 5), (1, 8), (4, 11)),
                    ((12, 5), (15, 8), (12, 11))]:
        polyline(move, [a, b, c])
    add = blank(17, 17)
    line(add, 4, 1, 4, 9)
    line(add, 0, 5, 8, 5)
    line(add, 9, 12, 16, 12)
    polyline(add, cubic((1, 16), (4, 10), (10, 10), (16, 6)))
    return {1008: move, 1009: add}


def emit(name, img):
    rows = ',\n    '.join('"%s"' % ''.join(r) for r in img)
    return 'constexpr const char* %s[] = {\n    %s};\n' % (name, rows)


def main():
    pictures = {1004: arrow_picture(True), 1005: invert(arrow_picture(True)), 1006: arrow_picture(False),
                1007: invert(arrow_picture(False))}
    pictures.update(mode_pictures())
    for k, tip in enumerate(TIPS):
        pictures[1050 + k] = tip_picture(tip)
    pictures.update(presets())
    icon_table = icons()
    print('// Generated by scripts/make-editor-images.py: the pictures and icons of the point editors.')
    print('#include "resources/EditorImages.h"\n')
    print('#include <iterator>\n')
    print('#include "resources/ToolCursors.h"\n')
    print('namespace {\n')
    for pid, img in sorted(pictures.items()):
        print(emit('kPicture%dRows' % pid, img))
    first_of = {}
    for iid, img in sorted(icon_table.items()):
        key = tuple(''.join(r) for r in img)
        if key in first_of:
            print('constexpr const char* const* kIcon%dRows = kIcon%dRows;  // the same picture\n' % (iid, first_of[key]))
            continue
        first_of[key] = iid
        print(emit('kIcon%dRows' % iid, img))
    for pid, img in sorted(pictures.items()):
        print('constexpr PixelImage kPicture%d{%d, %d, kPicture%dRows};' % (pid, len(img[0]), len(img), pid))
    for iid, img in sorted(icon_table.items()):
        print('constexpr PixelImage kIcon%d{%d, %d, kIcon%dRows};' % (iid, len(img[0]), len(img), iid))
    print('constexpr PluginResource kEditorResources[] = {')
    for pid in sorted(pictures):
        print('    {kPictureResourceType, %d, &kPicture%d, 1},' % (pid, pid))
    for iid in sorted(icon_table):
        print('    {kIconResourceType, %d, &kIcon%d, 1},' % (iid, iid))
    # The cursors of the canvases and of the replica-count control.
    for cid in [1100, 1111, 1112, 1113, 1114]:
        print('    {kCursorResourceType, %d, &kCrosshairCursor, 1},' % cid)
    print('};\n')
    print('}  // namespace\n')
    print('std::span<const PluginResource> EditorResources() { return kEditorResources; }')


main()
