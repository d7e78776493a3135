"""The template designs and the closing movie, and TEMPLATES: each design with its file name and
collection. Every design returns (Movie, kind, category), starts on the unchanged start picture,
settles by its last frames, and keeps something moving in every quarter."""

import math

from template_kit import *  # noqa: F401,F403  (the designs are written in the kit's vocabulary)


LANDSCAPE_FULL = (W, H, "heng")


def t_slow_push():
    """Slow zoom with crossfade; at the end the photo recedes into a warm mat with a gold line."""
    n = 160
    m = Movie("slow_push", n, [LANDSCAPE_FULL])
    start_picture(m, op=46, scale=Keys((0, 100, "soft"), (45, 106)))
    backdrop(m, "#f5eadc", "#e2cdb4", ip=70)
    m.shapes("mat_light", [glow(520, 300, 420, "#ffffff", 0.6)], ip=70)
    card(m, "picture_1", pos=Keys((0, (CX + 40, CY + 14), "drift"), (80, (CX + 8, CY + 2), "inout"), (150, (CX, CY - 14))),
         scale=Keys((0, 116, "drift"), (80, 105, "inout"), (150, 84)),
         opacity=Keys((0, 0, "soft"), (40, 100)), border=14, shadow=0.45)
    # A warm light sweeping across while the pictures cross.
    m.shapes("light", [glow(0, 0, 480, "#ffd9a8", 0.6)],
             pos=Keys((0, (-300, 300), "soft"), (60, (2300, 700))),
             opacity=Keys((0, 0), (18, 100), (42, 100), (60, 0)), op=61)
    gold = rgba("#b8895a")
    m.shapes("gold_line", [frame_lines((CX - 842, CY - 14 - 476, 1684, 952), gold, 118, 152, 2.5)], ip=118)
    return m, "单张横照", "温馨缓推"


def t_push_pan():
    """The photo pushes the start picture out to the left, then the view pans across it."""
    n = 175
    sw, sh = 2240, 1260
    m = Movie("push_pan", n, [(sw, sh, "heng")])
    start_picture(m, op=36, pos=Keys((0, (CX, CY), "inout"), (34, (CX - W, CY))))
    x0, y0 = CX + (sw - W) / 2, CY + (sh - H) / 2        # the top-left part shows first
    x1, y1 = CX - (sw - W) / 2, CY - (sh - H) / 2 + 40   # then the right part, a little lower
    m.image("picture_1", pos=Keys((0, (x0 + W, y0), "inout"), (34, (x0, y0), "drift"), (n - 6, (x1, y1))))
    # The seam between the two pictures carries a soft shadow.
    m.shapes("seam", [group([rect(90, H, (45, CY)),
                             gradient([(0, "#000000", 0), (1, "#000000", 0.45)], (0, 0), (90, 0))])],
             pos=Keys((0, (W - 90, 0), "inout"), (34, (-90, 0))), opacity=Keys((0, 0), (6, 100)), op=35)
    m.shapes("light_leak", [glow(0, 0, 420, "#ffcf8f", 0.55)],
             pos=Keys((96, (-400, 200), "inout"), (150, (2300, 420))), opacity=Keys((96, 0), (112, 100), (134, 100), (150, 0)),
             ip=96, op=151)
    m.shapes("edges", edge_shade(0.4, 200), opacity=Keys((30, 0), (70, 100)), ip=30)
    m.shapes("marks", corner_marks((70, 70, W - 140, H - 140), rgba("#ffffff"), 110, 118, 160, 4), opacity=90, ip=118)
    return m, "单张横照", "光影横移"


def t_slide_card():
    """A white-bordered print slides in with a shadow over a soft coloured backdrop."""
    n = 160
    sw, sh = 1350, 900
    m = Movie("slide_card", n, [(sw, sh, "heng")])
    backdrop(m, "#f6e7d8", "#e7c3b0")
    drifting_glows(m, [(300, 220, 380, "#ffffff", 0.7, 160, 60), (1650, 880, 420, "#f3a98f", 0.45, -180, -40)], n)
    fading_start(m, 70, op=40, until=38)
    card(m, "picture_1", pos=Keys((12, (-900, CY + 40), "out"), (58, (CX + 20, CY), "drift"), (n - 8, (CX, CY - 10))),
         rot=Keys((12, -14, "out"), (58, 0)), border=26, ip=12)
    gold = rgba("#b07a5a")
    m.shapes("gold_frame", [frame_lines((CX - 722, CY - 10 - 497, 1444, 994), gold, 96, 140, 2.5)], ip=96)
    m.shapes("ornament", ornament_line(CX, 1042, 230, gold, 110, 150), ip=110)
    return m, "单张横照", "白边滑入"


def sprig(x, y, scale, rot, colour):
    """A small branch with leaves, drawn from shapes."""
    leaves = []
    for t, side, size in ((0.25, 1, 1.0), (0.4, -1, 0.9), (0.55, 1, 0.85), (0.7, -1, 0.75), (0.85, 1, 0.6)):
        leaves.append(group([ellipse(70 * size, 26 * size, (35 * size, 0)), fill(colour)],
                            pos=(t * 300, -t * 80), rot=-35 * side - 15))
    stem = group([path(bezier([(0, 0), (300, -80)], closed=False, tangents=[((0, 0), (120, 10)), ((-80, 40), (0, 0))])),
                  stroke(colour, 4)])
    return group([stem] + leaves + [group([ellipse(26, 26, (310, -84)), fill(rgba("#e9c46a"))])], pos=(x, y), scale=scale, rot=rot)


def t_rotate_print():
    """The start picture shrinks to a print on a table; the new print drops in turning."""
    n = 180
    sw, sh = 1050, 700
    m = Movie("rotate_print", n, [(sw, sh, "heng")])
    backdrop(m, "#4d3d33", "#1d1714", angle_end=(W * 0.6, H), middle="#3a2d27")
    # The old picture becomes a small print lying at the back.
    old = m.null("old_print", pos=Keys((0, (CX, CY), "inout"), (40, (470, 330))),
                 scale=Keys((0, 100, "inout"), (40, 42)), rot=Keys((0, 0, "inout"), (40, -7)))
    m.shapes("old_print_frame", soft_shadow(W + 120, H + 120, strength=0.5, spread=90, offset=(0, 40)) +
             [group([rect(W + 120, H + 120, (0, 0), 4), fill(rgba("#fbf8f2"))])], parent=old)
    m.image("picture_0", parent=old)
    # The new print falls onto the table.
    card(m, "picture_1", pos=Keys((30, (CX + 300, CY - 700), "out"), (72, (1090, 560), "drift"), (n - 8, (1110, 550))),
         rot=Keys((30, 38, "out"), (72, 0)), scale=Keys((30, 150, "out"), (72, 100)),
         border=30, bottom=110, ip=30, shadow=0.5, frame_colour="#fbf8f2")
    m.shapes("sprig", [sprig(0, 0, 170, 0, rgba("#7f9c6b"))], pos=Keys((100, (-500, 1100), "out"), (140, (70, 1010))),
             rot=Keys((100, 40, "out"), (140, -10)), ip=100)
    m.shapes("corner_light", [glow(1700, 120, 420, "#ffcf9a", 0.25)], opacity=Keys((60, 0), (n - 1, 100)), ip=60)
    return m, "单张横照", "旋转相片"


def t_circle_reveal():
    """The photo opens in a growing circle with a white ring running ahead of it."""
    n = 150
    m = Movie("circle_reveal", n, [LANDSCAPE_FULL])
    reveal_end = 42
    start_picture(m, op=reveal_end + 1, scale=Keys((0, 100, "in"), (reveal_end, 112)))
    radius = Keys((4, circle_path(CX, CY, 1), "inout"), (reveal_end, circle_path(CX, CY, 1140)))
    zoom = Keys((0, 112, "drift"), (n - 6, 100))
    m.image("picture_1", ip=5, op=reveal_end + 1, masks=[mask(radius)], scale=zoom)
    m.image("picture_1", ip=reveal_end + 1, scale=zoom)
    m.shapes("ring", [group([ellipse(2340, 2340), stroke(rgba("#ffffff"), 3, 60)]),
                      group([ellipse(2280, 2280), stroke(rgba("#ffffff"), 14, 90)])],
             pos=(CX, CY), scale=Keys((4, 0, "inout"), (reveal_end, 100)), op=reveal_end + 8,
             opacity=Keys((reveal_end - 8, 100), (reveal_end + 6, 0)))
    m.shapes("edges", edge_shade(0.4, 220), opacity=Keys((reveal_end, 0), (90, 100)), ip=reveal_end)
    # Thin rings rising like bubbles.
    bubbles = []
    for x, y, r, t0, rise in ((260, 1000, 40, 40, 700), (520, 1120, 26, 60, 800), (1500, 1080, 54, 50, 760),
                              (1720, 1150, 30, 76, 820), (980, 1160, 22, 90, 600), (1260, 1180, 36, 100, 700)):
        bubbles.append(group([ellipse(2 * r, 2 * r), stroke(rgba("#ffffff"), 2.5, 70)],
                             pos=Keys((t0, (x, y), "linear"), (n - 1, (x + 30, y - rise * (n - 1 - t0) / 110))),
                             opacity=Keys((t0, 0), (t0 + 12, 100))))
    m.shapes("bubbles", bubbles, ip=40)
    m.shapes("circle_mark", [group([ellipse(150, 150), trim(0, Keys((95, 0, "inout"), (135, 100))),
                                    stroke(rgba("#ffffff"), 3, 85)], rot=-90),
                             group([ellipse(14, 14), fill(rgba("#ffffff"), 85)], scale=Keys((125, 0, "back"), (138, 100)))],
             pos=(1770, 930), ip=95)
    return m, "单张横照", "圆形开幕"


def t_doors():
    """The start picture parts as two doors swinging open onto the photo; cinema bars close in."""
    n = 160
    m = Movie("doors", n, [LANDSCAPE_FULL])
    open_start, open_end = 14, 56
    m.image("picture_1", scale=Keys((0, 118, "drift"), (n - 6, 100)))
    m.shapes("depth", [group([rect(W + 4, H + 4, (CX, CY)), fill(rgba("#000000"))])],
             opacity=Keys((open_start, 70, "soft"), (open_end, 0)), op=open_end + 1)
    half = W / 2
    for side, x0 in (("left", 0), ("right", half)):
        edge = x0 if side == "left" else W
        door = m.image("picture_0", op=open_end + 1, anchor=(edge, CY), pos=(edge, CY),
                       scale=Keys((open_start, (100, 100), "in"), (open_end, (0, 100))),
                       masks=[mask(rect_path(x0, 0, half, H))])
        shade_from, shade_to = (x0 + half, x0) if side == "left" else (x0, x0 + half)
        m.shapes(f"{side}_shade", [group([rect(half, H, (x0 + half / 2, CY)),
                                          gradient([(0, "#000000", 0.75), (1, "#000000", 0)],
                                                   (shade_from, 0), (shade_to, 0))])],
                 parent=door, opacity=Keys((open_start, 0, "in"), (open_end, 100)), op=open_end + 1)
    # A thin light in the seam before the doors part.
    m.shapes("seam_light", [glow(CX, CY, 260, "#fff0c8", 0.6), group([rect(6, H, (CX, CY)), fill(rgba("#fff3d6"))])],
             opacity=Keys((0, 0), (10, 100), (open_start + 10, 0)), scale=Keys((0, (100, 0), "out"), (12, (100, 100))),
             anchor=(CX, CY), pos=(CX, CY), op=open_start + 11)
    bar = 118
    m.shapes("cinema_bars", [group([rect(W + 4, bar, (CX, -bar / 2)), fill(rgba("#0b0b0d"), 92)],
                                   pos=Keys((96, (0, 0), "inout"), (134, (0, bar)))),
                             group([rect(W + 4, bar, (CX, H + bar / 2)), fill(rgba("#0b0b0d"), 92)],
                                   pos=Keys((96, (0, 0), "inout"), (134, (0, -bar))))], ip=96)
    m.shapes("ornament", ornament_line(CX, H - bar / 2, 260, rgba("#d9b878"), 126, 152), ip=126)
    return m, "单张横照", "对开门"


# Portrait single-photo templates: a 3:4 slot on a designed backdrop.
PORTRAIT = (720, 960, "shu")


def t_portrait_elegant():
    n = 160
    m = Movie("portrait_elegant", n, [PORTRAIT])
    backdrop(m, "#fbeee6", "#ead2cf")
    drifting_glows(m, [(250, 260, 420, "#ffffff", 0.8, 120, 40), (1700, 800, 420, "#e6a9a9", 0.4, -140, -60)], n)
    start_picture(m, op=44, scale=Keys((0, 100, "in"), (42, 118)), opacity=Keys((0, 100, "soft"), (42, 0)))
    card(m, "picture_1", pos=Keys((16, (CX - 50, CY + 160), "out"), (64, (CX - 50, CY + 12), "inout"), (n - 8, (CX + 30, CY))),
         opacity=Keys((16, 0, "soft"), (44, 100)), scale=Keys((16, 92, "out"), (64, 100)), border=22, ip=16)
    gold = rgba("#b8895a")
    m.shapes("ornaments", ornament_line(300, CY, 150, gold, 60, 100, width=3) +
             ornament_line(1620, CY, 150, gold, 66, 106, width=3), ip=60)
    m.shapes("gold_frame", [frame_lines((CX - 400, CY - 520, 800, 1040), gold, 104, 146, 2.5)], ip=104)
    return m, "单张竖照", "雅致居中"


def t_portrait_panel():
    n = 170
    m = Movie("portrait_panel", n, [PORTRAIT])
    start_picture(m, op=40, pos=Keys((0, (CX, CY), "inout"), (38, (CX - 700, CY))))
    m.shapes("light_side", [group([rect(W, H + 4, (CX, CY)),
                                   gradient([(0, "#f7f3ee", 1), (1, "#e8e0d6", 1)], (0, 0), (0, H))])],
             pos=Keys((0, (W, 0), "inout"), (38, (0, 0))))
    sand = rgba("#e8d3a8")
    orbit = group([group([ellipse(520, 520), stroke(sand, 2, 60)]),
                   group([ellipse(420, 420), stroke(sand, 1.4, 45)]),
                   group([ellipse(18, 18, (0, -260)), fill(sand)])],
                  pos=(380, 540), rot=Keys((40, -60, "drift"), (n - 1, 120)))
    m.shapes("colour_panel", [group([rect(1200, H + 4, (600, CY)),
                                     gradient([(0, "#1f5f66", 1), (1, "#143c48", 1)], (0, 0), (1200, H))]),
                              glow(380, 260, 420, "#6fb3a9", 0.45), orbit],
             pos=Keys((0, (W + 20, 0), "inout"), (38, (1160, 0))))
    card(m, "picture_1", pos=Keys((22, (-500, CY), "out"), (70, (740, CY), "inout"), (n - 8, (680, CY))),
         rot=Keys((22, -6, "out"), (70, 0)), border=20, ip=22)
    m.shapes("stripes", [group([path(bezier([(1330, 300), (1750, 300)], closed=False)),
                                trim(0, Keys((70, 0, "out"), (110, 100))), stroke(sand, 3)]),
                         group([path(bezier([(1330, 780), (1750, 780)], closed=False)),
                                trim(Keys((80, 100, "out"), (120, 0)), 100), stroke(sand, 3)]),
                         group([path(diamond(1540, 540, 18)), fill(sand)],
                               opacity=Keys((110, 0), (126, 100)))], ip=70)
    return m, "单张竖照", "清新分栏"


def t_portrait_frame():
    n = 175
    m = Movie("portrait_frame", n, [PORTRAIT])
    backdrop(m, "#1b2140", "#3a2448")
    m.shapes("bokeh", bokeh([(180, 900, 60, 0.35, 360), (420, 700, 34, 0.4, 420), (300, 300, 48, 0.28, 260),
                             (1580, 860, 70, 0.3, 340), (1750, 520, 40, 0.4, 380), (1420, 260, 30, 0.45, 280),
                             (640, 1000, 26, 0.5, 440), (1300, 980, 36, 0.45, 420)], n, "#ffd9a0"))
    fading_start(m, 80, op=38, until=36)
    reveal = Keys((14, rect_path(0, 0, 720, 0), "inout"), (52, rect_path(0, 0, 720, 960)))
    m.shapes("mat", soft_shadow(800, 1040, spread=60, strength=0.6) +
             [group([rect(800, 1040, (0, 0), 2), fill(rgba("#f5efe4"))])],
             pos=(CX, CY), scale=Keys((8, 0, "out"), (34, 100)), ip=8, rot=Keys((8, -20, "out"), (34, 0)))
    m.image("picture_1", ip=14, op=53, masks=[mask(reveal)])
    m.image("picture_1", ip=53, scale=Keys((53, 100, "drift"), (n - 1, 98)))
    gold = rgba("#d9b878")
    m.shapes("gold_frame", [frame_lines((CX - 430, CY - 530, 860, 1060), gold, 50, 100, 3),
                            frame_lines((CX - 444, CY - 516, 888, 1032), gold, 60, 110, 1.5, 70)], ip=50)
    m.shapes("corner_marks", corner_marks((CX - 580, 50, 1160, H - 100), gold, 80, 100, 140, 3), ip=100)
    return m, "单张竖照", "金框夜色"


def t_portrait_echo():
    n = 160
    m = Movie("portrait_echo", n, [PORTRAIT])
    start_picture(m, op=50, opacity=Keys((10, 100, "soft"), (48, 0)))
    # The photo itself, enlarged and dimmed, becomes the backdrop.
    m.image("picture_1", opacity=Keys((0, 0, "soft"), (40, 100)),
            scale=Keys((0, 300, "drift"), (n - 1, 272)))
    m.shapes("veil", [group([rect(W + 4, H + 4, (CX, CY)),
                             gradient([(0, "#101018", 0.55), (0.5, "#101018", 0.3), (1, "#101018", 0.6)], (0, 0), (W, 0))])],
             opacity=Keys((0, 0, "soft"), (40, 100)))
    card(m, "picture_1", pos=Keys((20, (CX, CY + 30), "out"), (64, (CX, CY + 30), "inout"), (n - 8, (CX, CY - 16))),
         scale=Keys((20, 55, "back"), (64, 100)),
         rot=Keys((20, 10, "out"), (64, 0)), opacity=Keys((20, 0), (34, 100)),
         border=18, ip=20, shadow=0.6)
    m.shapes("lines", [group([path(bezier([(CX - 540, 120), (CX - 540, 960)], closed=False)),
                              trim(0, Keys((70, 0, "out"), (115, 100))), stroke(rgba("#ffffff"), 2.5, 75)]),
                       group([path(bezier([(CX + 540, 960), (CX + 540, 120)], closed=False)),
                              trim(0, Keys((76, 0, "out"), (121, 100))), stroke(rgba("#ffffff"), 2.5, 75)]),
                       group([path(diamond(CX - 540, 540, 12)), path(diamond(CX + 540, 540, 12)), fill(rgba("#ffffff"))],
                             opacity=Keys((118, 0), (132, 100)))], ip=70)
    return m, "单张竖照", "叠影浮现"


# Either orientation, unsized: the picture is fitted to full screen; a portrait picture leaves
# transparent sides in its 1920 x 1080 box, so a designed backdrop lies behind it.
ANY_FULL = (0, 0, "shuheng")


def t_any_zoom_through():
    n = 150
    m = Movie("any_zoom_through", n, [ANY_FULL])
    backdrop(m, "#24304a", "#4b3050", ip=10)
    drifting_glows(m, [(260, 300, 420, "#7d8fd0", 0.4, 160, 60), (1680, 780, 440, "#d58aa0", 0.35, -180, -60)], n, ip=10)
    start_picture(m, op=40, scale=Keys((0, 100, "in"), (38, 135)), opacity=Keys((8, 100, "soft"), (38, 0)))
    m.image("picture_1", opacity=Keys((8, 0, "soft"), (38, 100)), scale=Keys((8, 128, "out"), (60, 106, "drift"), (n - 6, 100)),
            rot=Keys((8, -3, "out"), (60, 0)), ip=8)
    m.shapes("edges", edge_shade(0.4, 200), opacity=Keys((40, 0), (80, 100)), ip=40)
    m.shapes("sparkle", [glow(0, 0, 400, "#fff1d6", 0.5)],
             pos=Keys((84, (-300, -200), "inout"), (136, (2200, 1200))), opacity=Keys((84, 0), (98, 100), (122, 100), (136, 0)),
             ip=84, op=137)
    m.shapes("corners", corner_marks((56, 56, W - 112, H - 112), rgba("#f4e3c0"), 90, 80, 125, 3.5), ip=80)
    return m, "横竖通用", "穿梭拉近"


def t_any_blinds():
    n = 160
    m = Movie("any_blinds", n, [ANY_FULL])
    strips = 8
    strip_h = H / strips
    t0, t1 = 6, 46
    backdrop(m, "#f2ede4", "#d9cfc2", ip=t0)
    m.shapes("weave", [group([rect(W + 4, 2, (CX, (i + 0.5) * strip_h)), fill(rgba("#b9ab98"), 50)]) for i in range(strips)],
             ip=t0, opacity=Keys((t1, 100), (t1 + 30, 0)), op=t1 + 31)
    start_picture(m, op=t1 + 1)
    masks = []
    each = (t1 - t0) - 3 * (strips - 1)
    for i in range(strips):
        y, start = i * strip_h, t0 + i * 3
        masks.append(mask(Keys((start, rect_path(0, y, W, 0.5), "inout"), (start + each, rect_path(0, y, W, strip_h + 1)))))
    zoom = Keys((t0, 110, "drift"), (n - 6, 100))
    drift = Keys((t0, (CX - 60, CY), "drift"), (n - 6, (CX + 20, CY)))
    m.image("picture_1", ip=t0, op=t1 + 1, masks=masks, scale=zoom, pos=drift)
    m.image("picture_1", ip=t1 + 1, scale=zoom, pos=drift)
    m.shapes("edges", edge_shade(0.35, 180), opacity=Keys((t1, 0), (t1 + 40, 100)), ip=t1)
    m.shapes("inset", [frame_lines((48, 48, W - 96, H - 96), rgba("#ffffff"), 90, 135, 2.5, 80)], ip=90)
    m.shapes("ornament", ornament_line(CX, 1030, 200, rgba("#ffffff"), 110, 150, width=3), opacity=90, ip=110)
    return m, "横竖通用", "百叶展开"


# Two, three and four photos.

def t_two_staggered():
    n = 200
    slot = (900, 600, "heng")
    m = Movie("two_staggered", n, [slot, slot])
    backdrop(m, "#dfe9f3", "#e9dff0")
    drifting_glows(m, [(300, 900, 420, "#ffffff", 0.7, 160, -40), (1650, 200, 420, "#c7d6f0", 0.6, -120, 80)], n)
    start_picture(m, op=42, scale=Keys((0, 100, "in"), (40, 60)), opacity=Keys((0, 100, "in"), (40, 0)),
                  rot=Keys((0, 0, "in"), (40, -6)))
    card(m, "picture_1", pos=Keys((14, (-600, 330), "out"), (60, (700, 380), "drift"), (n - 8, (720, 392))),
         rot=Keys((14, -16, "out"), (60, 0)), border=20, ip=14)
    card(m, "picture_2", pos=Keys((50, (2500, 760), "out"), (96, (1220, 690), "drift"), (n - 8, (1200, 680))),
         rot=Keys((50, 14, "out"), (96, 2.5)), border=20, ip=50)
    blue = rgba("#7d8fb3")
    m.shapes("ornament", ornament_line(430, 965, 170, blue, 110, 150, width=3) +
             ornament_line(1500, 112, 170, blue, 118, 158, width=3), ip=110)
    return m, "双张横照", "错落相叠"


def t_two_side_by_side():
    n = 190
    slot = (840, 560, "heng")
    m = Movie("two_side_by_side", n, [slot, slot])
    backdrop(m, "#2b2b30", "#17171b", angle_end=(0, H), middle="#3c3a46")
    start_picture(m, op=44, pos=Keys((0, (CX, CY), "inout"), (42, (CX, CY - H))))
    # A colour band wipes up across the screen and stays behind the photos.
    m.shapes("band", [group([rect(W + 4, 700, (CX, 0)),
                             gradient([(0, "#d4ae82", 1), (1, "#9f7356", 1)], (0, -350), (W, 350))]),
                      glow(420, -110, 320, "#ffe6c2", 0.4)],
             pos=Keys((0, (0, H + 360), "inout"), (42, (0, CY))))
    card(m, "picture_1", pos=Keys((28, (480, -400), "out"), (74, (480, CY), "inout"), (n - 8, (520, CY))),
         border=14, ip=28, shadow=0.55)
    card(m, "picture_2", pos=Keys((44, (1440, H + 400), "out"), (90, (1440, CY), "inout"), (n - 8, (1400, CY))),
         border=14, ip=44, shadow=0.55)
    gold = rgba("#f1dcb4")
    m.shapes("rules", [group([path(bezier([(80, 150), (W - 80, 150)], closed=False)), trim(0, Keys((95, 0, "out"), (140, 100))),
                              stroke(gold, 3)]),
                       group([path(bezier([(W - 80, 930), (80, 930)], closed=False)), trim(0, Keys((100, 0, "out"), (145, 100))),
                              stroke(gold, 3)]),
                       group([path(diamond(CX, 150, 14)), path(diamond(CX, 930, 14)), fill(gold)],
                             opacity=Keys((136, 0), (150, 100)))], ip=95)
    return m, "双张横照", "并肩而立"


PORTRAIT_SMALL = (600, 800, "shu")


def heart_path(cx=0, cy=0, size=1):
    """A heart about 52 x 42 times `size`, its point down, centred near (cx, cy)."""
    points = [(0, 18), (-26, -6), (-13, -24), (0, -12), (13, -24), (26, -6)]
    tangents = [((0, 0), (0, 0)), ((0, 12), (-6, -14)), ((-10, 0), (6, 0)),
                ((0, -8), (0, -8)), ((-6, 0), (10, 0)), ((6, -14), (0, 12))]
    return bezier([(cx + x * size, cy + y * size) for x, y in points],
                  tangents=[((a * size, b * size), (c * size, d * size)) for (a, b), (c, d) in tangents])


def heart(x, y, size, t, colour):
    return group([path(heart_path()), fill(colour)], pos=(x, y), scale=Keys((t, 0, "back"), (t + 14, size)))


def t_two_portraits_tilted():
    n = 200
    m = Movie("two_portraits_tilted", n, [PORTRAIT_SMALL, PORTRAIT_SMALL])
    # One soft light only: the two turning prints with their shadows are the cost of this one.
    backdrop(m, "#fde9d9", "#f6c9b6")
    drifting_glows(m, [(CX, 200, 420, "#ffffff", 0.7, 0, 80)], n)
    start_picture(m, op=40, pos=Keys((0, (CX, CY), "in"), (38, (CX, CY + 300))), opacity=Keys((0, 100, "in"), (38, 0)),
                  scale=Keys((0, 100, "in"), (38, 90)))
    card(m, "picture_1", pos=Keys((14, (640, 1500), "out"), (60, (650, 545), "drift"), (n - 8, (660, 540))),
         rot=Keys((14, -18, "out"), (60, -4)), border=20, ip=14)
    card(m, "picture_2", pos=Keys((40, (1280, 1500), "out"), (86, (1270, 535), "drift"), (n - 8, (1260, 540))),
         rot=Keys((40, 18, "out"), (86, 4)), border=20, ip=40)
    pink = rgba("#e0707f")
    m.shapes("hearts", [heart(CX, 120, 130, 100, pink), heart(CX - 70, 975, 90, 110, pink), heart(CX + 70, 960, 110, 118, pink)],
             ip=100)
    return m, "双张竖照", "双影对望"


def t_two_portraits_magazine():
    n = 190
    m = Movie("two_portraits_magazine", n, [(630, 840, "shu"), (450, 600, "shu")])
    backdrop(m, "#f4f1ec", "#e4ded5")
    start_picture(m, op=40, scale=Keys((0, 100, "in"), (38, 112)), opacity=Keys((0, 100, "soft"), (38, 0)))
    m.shapes("block", [group([rect(980, 760, (0, 0)),
                              gradient([(0, "#2f4858", 1), (1, "#33658a", 1)], (-490, -380), (490, 380))]),
                       glow(-300, -250, 420, "#7fb0d0", 0.35),
                       group([rect(920, 700), trim(0, Keys((60, 0, "inout"), (170, 100))), stroke(rgba("#9cc3dc"), 1.5, 70)]),
                       group([ellipse(12, 12, (440, -330)), ellipse(12, 12, (410, -330)), ellipse(12, 12, (380, -330)),
                              fill(rgba("#e07a5f"))], opacity=Keys((150, 0), (165, 100)))],
             pos=Keys((6, (W + 600, 600), "out"), (46, (1230, 600), "drift"), (n - 8, (1260, 608))), ip=6)
    card(m, "picture_1", pos=Keys((20, (-400, CY), "out"), (66, (560, CY), "drift"), (n - 8, (575, CY))),
         border=16, ip=20)
    card(m, "picture_2", pos=Keys((46, (1360, H + 450), "out"), (92, (1330, 600), "drift"), (n - 8, (1315, 594))),
         rot=Keys((46, 8, "out"), (92, 2, "drift"), (n - 8, 1)), border=16, ip=46)
    blue = rgba("#33658a")
    m.shapes("accent", [group([path(bezier([(1000, 100), (1000, 250)], closed=False)), trim(0, Keys((100, 0, "out"), (130, 100))),
                               stroke(blue, 5)]),
                        group([path(bezier([(1060, 110), (1420, 110)], closed=False)), trim(0, Keys((106, 0, "out"), (140, 100))),
                               stroke(blue, 5)]),
                        group([ellipse(26, 26, (1475, 110)), fill(rgba("#e07a5f"))], scale=Keys((136, 0, "back"), (150, 100)))],
             ip=100)
    return m, "双张竖照", "杂志拼版"


def t_three_gallery():
    n = 220
    m = Movie("three_gallery", n, [(1000, 668, "heng"), (600, 400, "heng"), (600, 400, "heng")])
    backdrop(m, "#eef3ee", "#d8e4dc")
    drifting_glows(m, [(200, 200, 420, "#ffffff", 0.8, 120, 60), (1700, 950, 420, "#b9d4c4", 0.5, -120, -60)], n)
    start_picture(m, op=44, scale=Keys((0, 100, "in"), (42, 50)), pos=Keys((0, (CX, CY), "in"), (42, (660, 500))),
                  opacity=Keys((16, 100, "soft"), (42, 0)))
    card(m, "picture_1", pos=Keys((10, (660, 1500), "out"), (56, (660, 520), "drift"), (n - 8, (675, 525))),
         rot=Keys((10, -8, "out"), (56, 0)), border=18, ip=10)
    card(m, "picture_2", pos=Keys((40, (2400, 300), "out"), (84, (1460, 300), "drift"), (n - 8, (1445, 296))),
         rot=Keys((40, 10, "out"), (84, 2)), border=14, ip=40)
    card(m, "picture_3", pos=Keys((66, (2400, 790), "out"), (110, (1440, 790), "drift"), (n - 8, (1425, 794))),
         rot=Keys((66, 12, "out"), (110, -2)), border=14, ip=66)
    m.shapes("ornament", ornament_line(660, 1010, 220, rgba("#5f8c74"), 120, 160, width=3), ip=120)
    return m, "三张横照", "光影画廊"


def t_three_screens():
    n = 220
    slot = (480, 640, "shu")
    m = Movie("three_screens", n, [slot, slot, slot])
    backdrop(m, "#8e2a2c", "#3d0e14", angle_end=(0, H), middle="#6d1c22")
    fading_start(m, 80, op=38, until=36)
    gold = rgba("#e2bd74")
    rules = []
    for y, width, t in ((150, 3, 20), (930, 3, 20), (166, 1.5, 28), (914, 1.5, 28)):
        grow_from_middle = Keys((t, 50, "out"), (t + 50, 0)), Keys((t, 50, "out"), (t + 50, 100))
        rules.append(group([path(bezier([(120, y), (W - 120, y)], closed=False)), trim(*grow_from_middle), stroke(gold, width)]))
    m.shapes("gold_rules", rules, ip=20)
    for k, x in ((1, 400), (2, CX), (3, 1520)):
        t = 24 + (k - 1) * 22
        card(m, f"picture_{k}", pos=Keys((t, (x, CY + 40), "out"), (t + 36, (x, CY + 14), "inout"), (n - 8, (x, CY - 14))),
             scale=Keys((t, (0, 100), "out"), (t + 36, (100, 100))),
             border=14, ip=t, frame_colour="#f7ecd2", shadow=0.6)
    m.shapes("knots", [group([path(diamond(CX, 150, 16)), path(diamond(CX, 930, 16)), fill(gold)],
                             opacity=Keys((140, 0), (154, 100))),
                       group([ellipse(260, 60, (CX, 150)), ellipse(260, 60, (CX, 930)), trim(0, Keys((150, 0, "inout"), (200, 100))),
                              stroke(gold, 2)])], ip=140)
    return m, "三张竖照", "锦屏三叠"


def t_four_grid():
    n = 230
    slot = (690, 460, "heng")
    m = Movie("four_grid", n, [slot, slot, slot, slot])
    backdrop(m, "#f3efe7", "#e2d8c8")
    drifting_glows(m, [(200, 950, 360, "#e8cfa8", 0.5, 160, -40)], n)
    start_picture(m, op=42, scale=Keys((0, 100, "in"), (40, 45)), opacity=Keys((10, 100, "soft"), (40, 0)),
                  rot=Keys((0, 0, "in"), (40, 8)))
    grid = m.null("grid", pos=Keys((120, (CX + 36, CY), "inout"), (n - 8, (CX - 36, CY))), scale=Keys((0, 94, "drift"), (120, 100)))
    places = ((-370, -245), (370, -245), (-370, 245), (370, 245))
    for k, (x, y) in enumerate(places, start=1):
        t = 12 + (k - 1) * 18
        card(m, f"picture_{k}", pos=(x, y), parent=grid, scale=Keys((t, 0, "back"), (t + 30, 100)),
             rot=Keys((t, -25 if k % 2 else 25, "out"), (t + 30, 0)), border=12, ip=t, shadow=0.38)
    tan = rgba("#c49a6c")
    m.shapes("centre_knot", [group([ellipse(84, 84), stroke(tan, 3)]), group([path(diamond(0, 0, 26)), fill(tan)])],
             parent=grid, scale=Keys((120, 0, "back"), (140, 100)), rot=Keys((120, -90, "out"), (n - 8, 45)), ip=120)
    return m, "四张横照", "四格回忆"


def t_mixed_pair():
    n = 200
    m = Movie("mixed_pair", n, [(1000, 668, "heng"), (540, 720, "shu")])
    backdrop(m, "#e9eef5", "#d2dbe8")
    drifting_glows(m, [(400, 200, 420, "#ffffff", 0.8, 100, 40), (1600, 900, 420, "#a9bcd8", 0.5, -100, -40)], n)
    start_picture(m, op=44, pos=Keys((0, (CX, CY), "inout"), (42, (CX + W, CY))))
    m.shapes("reveal_edge", [group([rect(60, H + 4, (30, CY)),
                                    gradient([(0, "#000000", 0.35), (1, "#000000", 0)], (60, 0), (0, 0))])],
             pos=Keys((0, (-60, 0), "inout"), (42, (W - 60, 0))), op=43)
    card(m, "picture_1", pos=Keys((20, (-700, 470), "out"), (66, (720, 480), "drift"), (n - 8, (735, 486))),
         rot=Keys((20, -10, "out"), (66, 0)), border=18, ip=20)
    card(m, "picture_2", pos=Keys((48, (1450, -600), "out"), (94, (1430, 580), "drift"), (n - 8, (1415, 574))),
         rot=Keys((48, 16, "out"), (94, 3)), border=18, ip=48)
    slate = rgba("#5a6f93")
    m.shapes("lines", [group([path(bezier([(140, 970), (900, 970)], closed=False)),
                              trim(0, Keys((110, 0, "out"), (150, 100))), stroke(slate, 3)]),
                       group([ellipse(16, 16, (922, 970)), fill(slate)], opacity=Keys((146, 0), (156, 100)))], ip=110)
    return m, "横竖混排", "横竖相映"


def petal(x, y, size, colour, t0, fall, drift, spin, frames):
    """One petal falling from (x, y) from frame t0: it sways sideways and turns as it drops."""
    body = group([ellipse(size, size * 0.55, (0, 0)), fill(rgba(colour, 0.9))],
                 rot=Keys((t0, 0, "linear"), (frames - 1, spin)))
    return group([body], pos=Keys((t0, (x, y), "soft"), ((t0 + frames) // 2, (x + drift, y + fall / 2), "soft"),
                                  (frames - 1, (x - drift / 2, y + fall))))


def t_petals():
    """The photo settles into a blush-white mat while petals drift down across it."""
    n = 180
    m = Movie("petals", n, [(1200, 800, "heng")])
    backdrop(m, "#fff5f3", "#f3d6d6")
    drifting_glows(m, [(300, 220, 460, "#ffffff", 0.8, 100, 30), (1650, 880, 420, "#f2b8c0", 0.35, -120, -40)], n)
    start_picture(m, op=44, scale=Keys((0, 100, "in"), (42, 92)), opacity=Keys((0, 100, "soft"), (42, 0)))
    card(m, "picture_1", pos=Keys((10, (CX, CY + 40), "out"), (60, (CX, CY), "drift"), (n - 8, (CX, CY - 6))),
         scale=Keys((10, 112, "out"), (60, 100), (n - 8, 97)), opacity=Keys((10, 0, "soft"), (40, 100)),
         border=26, ip=10, shadow=0.35)
    pinks = ["#f4a7b9", "#f7c6d0", "#eb8fa6", "#fbd9e1"]
    petals = [petal(60 + 120 * k, -70 - 110 * (k % 3), 52 + 12 * (k % 3), pinks[k % 4], 20 + 9 * (k % 5),
                    1300, 160 - 50 * (k % 4), 200 + 60 * (k % 3), n) for k in range(16)]
    m.shapes("petals", petals, ip=20)
    return m, "单张横照", "花瓣飘落"


def t_shutters():
    """Vertical shutters open over the start picture one after another to show the portrait."""
    n = 170
    m = Movie("shutters", n, [PORTRAIT])
    start_picture(m, op=n)
    count, width = 8, W / 8
    blinds = []
    for k in range(count):
        t0 = 6 + 5 * k
        blinds.append(group([rect(width + 2, H, (0, 0)), fill(rgba("#2d2a32"))], pos=(width * k + width / 2, CY),
                            scale=Keys((t0, (0, 100), "inout"), (t0 + 22, (100, 100)))))
    m.shapes("shutters", blinds)
    drifting_glows(m, [(360, 260, 460, "#8a6fb0", 0.35, 160, 60), (1580, 840, 420, "#c9a86a", 0.25, -180, -80)], n, ip=44,
                   opacity=Keys((44, 0, "soft"), (70, 100)))
    gold = rgba("#c9a86a")
    m.shapes("lines", [frame_lines((CX - 430, CY - 530, 860, 1060), gold, 70, 110, 2)], ip=70)
    card(m, "picture_1", pos=Keys((50, (CX, CY + 60), "out"), (96, (CX, CY), "drift"), (n - 8, (CX, CY - 10))),
         scale=Keys((50, 100, "drift"), (n - 8, 104)), opacity=Keys((50, 0, "soft"), (80, 100)), border=18, ip=50, shadow=0.5)
    return m, "单张竖照", "百叶开窗"


def confetti_piece(x, y, w, h, colour, t0, fall, drift, spin, frames):
    """A paper strip tumbling down: it turns and flips (its width breathing) as it falls."""
    paper = group([rect(w, h), fill(rgba(colour))],
                  rot=Keys((t0, 0, "linear"), (frames - 1, spin)),
                  scale=Keys((t0, (100, 100), "inout"), ((t0 + frames) // 2, (20, 100), "inout"), (frames - 1, (100, 100))))
    return group([paper], pos=Keys((t0, (x, y), "in"), (frames - 1, (x + drift, y + fall))))


def t_confetti():
    """A festive pop: the photo bounces in on a warm red ground while confetti rains down."""
    n = 190
    m = Movie("confetti", n, [(1200, 800, "heng")])
    backdrop(m, "#b3262e", "#6d1019", angle_end=(W * 0.7, H))
    drifting_glows(m, [(CX, 160, 520, "#ffcf7a", 0.45, 0, 40), (260, 900, 380, "#ff8a65", 0.3, 120, -40)], n)
    fading_start(m, 70, op=36, until=34)
    card(m, "picture_1", pos=Keys((16, (CX, CY + 20)), (n - 8, (CX, CY - 8))),
         scale=Keys((16, 40, "out"), (44, 108, "inout"), (58, 98, "inout"), (70, 100, "drift"), (n - 8, 103)),
         opacity=Keys((16, 0, "soft"), (30, 100)), border=24, ip=16, shadow=0.5, frame_colour="#fff8e7")
    colours = ["#ffd54f", "#ffffff", "#ffb300", "#f48fb1", "#81d4fa", "#c5e1a5"]
    pieces = [confetti_piece(40 + 97 * k, -80 - 140 * (k % 4), 16 + 6 * (k % 2), 34, colours[k % 6], 30 + 7 * (k % 6),
                             1350, 120 - 60 * (k % 5), 300 + 90 * (k % 4), n) for k in range(20)]
    m.shapes("confetti", pieces, ip=30)
    gold = rgba("#ffd27a")
    m.shapes("gold_lines", ornament_line(CX, 1010, 220, gold, 90, 130, width=3), ip=90)
    return m, "单张横照", "彩纸纷飞"


def t_turning_cards():
    """Two prints on a table: the first turns over like a card and shows the second on its back."""
    n = 200
    slot = (1050, 700, "heng")
    m = Movie("turning_cards", n, [slot, slot])
    backdrop(m, "#e9e1d4", "#cdbfa9")
    drifting_glows(m, [(300, 240, 440, "#ffffff", 0.7, 140, 40), (1650, 860, 420, "#d9b38c", 0.35, -120, -40)], n)
    fading_start(m, 74, op=40, until=38)
    # The card turns about its vertical middle: the first face narrows away, the second widens in.
    first = card(m, "picture_1", pos=Keys((14, (CX, CY + 300), "out"), (50, (CX - 20, CY + 6), "drift"), (100, (CX, CY))),
                 opacity=Keys((14, 0, "soft"), (34, 100)),
                 scale=Keys((14, (92, 92), "out"), (50, (100, 100), "drift"), (100, (104, 104), "in"), (122, (0, 104))),
                 border=22, ip=14, op=123)
    card(m, "picture_2", pos=(CX, CY), scale=Keys((122, (0, 100), "out"), (146, (100, 100), "drift"), (n - 8, (103, 103))),
         border=22, ip=122)
    # The turning face darkens as it goes edge-on, as a card does under a lamp.
    m.shapes("turn_shade", [group([rect(1094, 744), fill(rgba("#000000", 0.55))])], parent=first,
             opacity=Keys((100, 0, "in"), (122, 100)), ip=100, op=123)
    brown = rgba("#8d6e50")
    m.shapes("corners", corner_marks((CX - 600, CY - 420, 1200, 840), brown, 70, 150, 190, 3), ip=150)
    return m, "双张横照", "翻牌相见"


def t_mosaic():
    """The portrait arrives under a mosaic of tiles that flip away one by one."""
    n = 180
    m = Movie("mosaic", n, [PORTRAIT])
    backdrop(m, "#e8eef2", "#c9d6df")
    drifting_glows(m, [(300, 300, 420, "#ffffff", 0.7, 120, 40), (1600, 820, 440, "#9fb8c9", 0.4, -140, -60)], n)
    fading_start(m, 86, op=40, until=38)
    card(m, "picture_1", pos=Keys((20, (CX, CY), "drift"), (n - 8, (CX + 24, CY - 16))), scale=Keys((20, 100, "drift"), (n - 8, 107)),
         border=20, ip=20, shadow=0.4)
    cols, rows, tw, th = 4, 5, 190, 200
    tiles = []
    for r in range(rows):
        for c in range(cols):
            t0 = 34 + ((r * 7 + c * 11) % 20) * 3
            x, y = CX - 380 + tw * (c + 0.5), CY - 500 + th * (r + 0.5)
            tiles.append(group([rect(tw - 4, th - 4, radius=6), fill(rgba("#5f7b8f" if (r + c) % 2 else "#7b97aa"))],
                               pos=(x, y), scale=Keys((t0, (100, 100), "in"), (t0 + 14, (0, 100)))))
    m.shapes("tiles", tiles, ip=20, op=110)
    m.shapes("lines", [frame_lines((CX - 420, CY - 540, 840, 1080), rgba("#5f7b8f"), 112, 150, 2)], ip=112)
    return m, "单张竖照", "马赛克揭幕"


def t_light_leak():
    """The photo fills the screen and drifts while warm light leaks wash across it, as on film."""
    n = 170
    m = Movie("light_leak", n, [ANY_FULL])
    start_picture(m, op=44, opacity=Keys((10, 100, "soft"), (44, 0)), scale=Keys((0, 100, "in"), (44, 108)))
    m.image("picture_1", opacity=Keys((10, 0, "soft"), (44, 100)), scale=Keys((10, 112, "drift"), (n - 6, 100)),
            pos=Keys((10, (CX - 30, CY), "drift"), (n - 6, (CX + 30, CY))), ip=10)
    m.shapes("leak_warm", [glow(0, 0, 700, "#ff9a3c", 0.55)], pos=Keys((0, (-400, 200), "inout"), (90, (2300, 500))),
             opacity=Keys((0, 0), (20, 100), (70, 100), (90, 0)), op=91)
    m.shapes("leak_red", [glow(0, 0, 560, "#ff4f5a", 0.4)], pos=Keys((60, (2300, 900), "inout"), (150, (-300, 700))),
             opacity=Keys((60, 0), (80, 100), (130, 100), (150, 0)), ip=60, op=151)
    m.shapes("leak_gold", [glow(0, 0, 500, "#ffe08a", 0.5)], pos=Keys((110, (CX, -400), "inout"), (n - 1, (CX + 300, 1400))),
             opacity=Keys((110, 0), (130, 100), (n - 1, 0)), ip=110)
    m.shapes("edges", edge_shade(0.35, 220), opacity=Keys((30, 0), (70, 100)), ip=30)
    return m, "横竖通用", "胶片漏光"


def snowflake(x, y, r, t0, fall, sway, frames, alpha=0.9):
    """A soft snowflake drifting down from (x, y), swaying as it goes."""
    # A plain disc: twenty gradient-filled flakes cost more than the two photos.
    return group([ellipse(2 * r, 2 * r), fill(rgba("#ffffff"), alpha * 100)],
                 pos=Keys((t0, (x, y), "soft"), ((t0 + frames) // 2, (x + sway, y + fall / 2), "soft"), (frames - 1, (x - sway, y + fall))))


def t_mixed_parallax():
    """Three planes slide at three speeds: far glows, the landscape print, the portrait in front."""
    n = 210
    m = Movie("mixed_parallax", n, [(1000, 668, "heng"), (480, 640, "shu")])
    backdrop(m, "#1f3347", "#3f5f73", angle_end=(W, H * 0.6))
    drifting_glows(m, [(300, 300, 480, "#7fb3d5", 0.45, 260, 0), (1500, 800, 460, "#f0c987", 0.3, 260, 0)], n)
    start_picture(m, op=44, pos=Keys((0, (CX, CY), "in"), (42, (CX - 900, CY))), opacity=Keys((0, 100, "in"), (42, 0)))
    card(m, "picture_1", pos=Keys((10, (1500, 470), "out"), (70, (760, 470), "linear"), (n - 8, (640, 470))),
         border=18, ip=10, shadow=0.5)
    card(m, "picture_2", pos=Keys((40, (2300, 600), "out"), (100, (1560, 600), "linear"), (n - 8, (1400, 600))),
         rot=Keys((40, 6, "out"), (100, 2)), border=16, ip=40, shadow=0.55)
    m.shapes("foreground_glow", [glow(0, 0, 260, "#ffffff", 0.25)], pos=Keys((60, (2200, 980), "linear"), (n - 1, (200, 980))), ip=60)
    return m, "横竖混排", "三层视差"


def t_mixed_snow():
    """A winter pair: the landscape and the portrait rest side by side while snow falls."""
    n = 200
    m = Movie("mixed_snow", n, [(980, 650, "heng"), (500, 666, "shu")])
    backdrop(m, "#2b3a55", "#6c7fa0")
    drifting_glows(m, [(CX, 120, 560, "#dfe9ff", 0.4, 0, 30), (1700, 950, 420, "#9fb3d9", 0.3, -100, -30)], n)
    fading_start(m, 80, op=40, until=38)
    card(m, "picture_1", pos=Keys((14, (700, 620), "out"), (62, (720, 520), "drift"), (n - 8, (730, 514))),
         opacity=Keys((14, 0, "soft"), (40, 100)), rot=Keys((14, -4, "out"), (62, -1.5)), border=18, ip=14)
    card(m, "picture_2", pos=Keys((38, (1440, 640), "out"), (86, (1430, 540), "drift"), (n - 8, (1422, 534))),
         opacity=Keys((38, 0, "soft"), (64, 100)), rot=Keys((38, 5, "out"), (86, 2)), border=16, ip=38)
    flakes = [snowflake(40 + 88 * k, -60 - 120 * (k % 4), 5 + 2 * (k % 3), 10 + 6 * (k % 7), 1240, 60 - 30 * (k % 5), n,
                        0.55 + 0.1 * (k % 4)) for k in range(22)]
    m.shapes("snow", flakes, ip=10)
    return m, "横竖混排", "瑞雪相伴"


def t_mixed_book():
    """An album opens like a book: the landscape on the left page, the portrait on the right."""
    n = 200
    m = Movie("mixed_book", n, [(760, 560, "heng"), (430, 574, "shu")])
    backdrop(m, "#5a3b2e", "#2c1c16")
    drifting_glows(m, [(CX, 200, 600, "#ffdcb0", 0.3, 0, 30)], n)
    fading_start(m, 60, op=40, until=38)
    pages = m.null("pages", pos=(CX, CY + 10), scale=Keys((14, 90, "out"), (60, 100, "drift"), (n - 8, 103)), ip=14)
    paper = rgba("#fbf5ea")
    m.shapes("book", soft_shadow(1680, 900, strength=0.5, spread=70, offset=(0, 24)) +
             [group([rect(840, 880, (-420, 0), 6), fill(paper)]),
              group([rect(840, 880, (420, 0), 6), fill(paper)],
                    scale=Keys((14, (0, 100), "out"), (56, (100, 100)))),
              group([rect(18, 880, (0, 0)), gradient([(0, "#000000", 0.25), (1, "#000000", 0)], (0, 0), (18, 0))])],
             parent=pages, ip=14)
    m.image("picture_1", parent=pages, pos=(-420, -30), opacity=Keys((40, 0, "soft"), (70, 100)), ip=40)
    m.image("picture_2", parent=pages, pos=(420, -30), opacity=Keys((66, 0, "soft"), (96, 100)), ip=66)
    brown = rgba("#9b7653")
    m.shapes("captions", ornament_line(-420, 340, 220, brown, 110, 150, width=2.5) +
             ornament_line(420, 340, 160, brown, 120, 160, width=2.5), parent=pages, ip=110)
    return m, "横竖混排", "相册翻开"


def t_mixed_trio():
    """Two landscapes and a portrait slide in from three sides and settle in a warm collage."""
    n = 220
    m = Movie("mixed_trio", n, [(760, 506, "heng"), (760, 506, "heng"), (480, 640, "shu")])
    # One soft light only: three turning prints with their shadows are the cost of this one.
    backdrop(m, "#f6efe4", "#e6d3bb")
    drifting_glows(m, [(300, 200, 460, "#ffffff", 0.8, 120, 40)], n)
    fading_start(m, 70, op=44, until=42)
    card(m, "picture_1", pos=Keys((14, (-500, 330), "out"), (60, (560, 330), "drift"), (n - 8, (575, 336))),
         rot=Keys((14, -12, "out"), (60, -3)), border=16, ip=14)
    card(m, "picture_2", pos=Keys((40, (-500, 760), "out"), (86, (600, 760), "drift"), (n - 8, (612, 752))),
         rot=Keys((40, 10, "out"), (86, 2.5)), border=16, ip=40)
    card(m, "picture_3", pos=Keys((66, (2400, 540), "out"), (112, (1380, 540), "drift"), (n - 8, (1366, 546))),
         rot=Keys((66, 14, "out"), (112, 4)), border=16, ip=66)
    warm = rgba("#b07a4a")
    m.shapes("corners", corner_marks((80, 70, W - 160, H - 140), warm, 80, 150, 190, 3), ip=150)
    return m, "横竖混排", "三影拼贴"


def balloon(x, y, r, colour, t0, rise, sway, frames):
    """A balloon on its string rising from (x, y), swaying a little."""
    body = [group([ellipse(2 * r, 2.4 * r, (0, 0)), fill(rgba(colour, 0.95))]),
            group([ellipse(r * 0.5, r * 0.7, (-r * 0.4, -r * 0.5)), fill(rgba("#ffffff"), 35)]),
            group([path(bezier([(0, 1.2 * r), (-8, 1.2 * r + 60), (6, 1.2 * r + 120)], closed=False)), stroke(rgba("#6d6d6d"), 2)])]
    return stack(body, pos=Keys((t0, (x, y), "soft"), ((t0 + frames) // 2, (x + sway, y - rise / 2), "soft"), (frames - 1, (x, y - rise))),
                 rot=Keys((t0, -4, "inout"), ((t0 + frames) // 2, 4, "inout"), (frames - 1, -3)))


def t_balloons():
    """A bright nursery wall: the photo pins itself up while balloons float up past it."""
    n = 190
    m = Movie("balloons", n, [(1200, 800, "heng")])
    backdrop(m, "#e3f4fb", "#fdf1d8")
    drifting_glows(m, [(260, 240, 420, "#ffffff", 0.8, 100, 40)], n)
    fading_start(m, 84, op=40, until=38)
    card(m, "picture_1", pos=Keys((12, (CX, CY + 420), "out"), (56, (CX, CY), "drift"), (n - 8, (CX + 10, CY - 8))),
         rot=Keys((12, 6, "out"), (56, -1.5), (n - 8, -0.5)), border=26, bottom=70, ip=12, shadow=0.4)
    colours = ["#ff6f61", "#ffd166", "#06d6a0", "#4cc9f0", "#f78fb3"]
    balloons = [balloon(120 + 230 * k, 1250 + 90 * (k % 3), 46 + 8 * (k % 3), colours[k % 5], 30 + 8 * (k % 4), 1500, 50 - 25 * (k % 3), n)
                for k in range(8)]
    m.shapes("balloons", balloons, ip=30)
    return m, "单张横照", "气球飞起"


def star(x, y, r, colour, t0, frames):
    """A four-pointed star twinkling: it swells and fades in turn."""
    points = [(0, -r), (r * 0.28, -r * 0.28), (r, 0), (r * 0.28, r * 0.28), (0, r), (-r * 0.28, r * 0.28), (-r, 0), (-r * 0.28, -r * 0.28)]
    return group([path(bezier(points)), fill(rgba(colour))], pos=(x, y),
                 scale=Keys((t0, 40, "inout"), (t0 + 20, 110, "inout"), (t0 + 40, 60, "inout"), (frames - 1, 100)),
                 rot=Keys((t0, 0, "linear"), (frames - 1, 90)))


def t_stars():
    """A night-sky portrait: the photo rises into a deep blue while stars twinkle around it."""
    n = 180
    m = Movie("stars", n, [PORTRAIT])
    backdrop(m, "#101c3d", "#2c2f6b")
    drifting_glows(m, [(CX, 200, 560, "#6e7fd6", 0.35, 0, 40)], n)
    fading_start(m, 90, op=42, until=40)
    card(m, "picture_1", pos=Keys((14, (CX, CY + 200), "out"), (60, (CX, CY), "drift"), (n - 8, (CX, CY - 26))),
         scale=Keys((60, 100, "drift"), (n - 8, 104)), opacity=Keys((14, 0, "soft"), (40, 100)), border=20, ip=14, shadow=0.5)
    spots = [(260, 200), (480, 720), (360, 940), (1520, 180), (1700, 520), (1420, 900), (640, 380), (1280, 300), (160, 600), (1780, 860)]
    stars = [star(x, y, 18 + 8 * (k % 3), "#fff3c4" if k % 2 else "#ffffff", 20 + 11 * k % 90, n) for k, (x, y) in enumerate(spots)]
    m.shapes("stars", stars, ip=20)
    return m, "单张竖照", "星空守望"


def lantern(x, size, t0, frames):
    """A red lantern hanging from the top edge, swinging gently on its cord."""
    red, gold = rgba("#d62828"), rgba("#f6c453")
    body = [group([path(bezier([(0, 0), (0, 90)], closed=False)), stroke(gold, 3)]),
            group([ellipse(size, size * 0.82, (0, 90 + size * 0.41)), fill(red)]),
            group([rect(size * 0.5, 12, (0, 90 + 2)), fill(gold)]),
            group([rect(size * 0.5, 12, (0, 90 + size * 0.82)), fill(gold)]),
            group([rect(6, 46, (0, 96 + size * 0.82 + 23)), fill(gold)])]
    return stack(body, pos=(x, -10), rot=Keys((t0, -6, "inout"), (t0 + 40, 6, "inout"), (t0 + 80, -5, "inout"), (frames - 1, 4)))


def t_lanterns():
    """Two prints under swinging red lanterns: a Spring Festival pair in red and gold."""
    n = 200
    slot = (860, 574, "heng")
    m = Movie("lanterns", n, [slot, slot])
    backdrop(m, "#9d1c1f", "#5a0d10", angle_end=(W * 0.6, H))
    drifting_glows(m, [(CX, 520, 620, "#ffb347", 0.3, 0, -30)], n)
    fading_start(m, 70, op=40, until=38)
    card(m, "picture_1", pos=Keys((14, (520, 1500), "out"), (60, (520, 600), "drift"), (n - 8, (530, 592))),
         rot=Keys((14, -8, "out"), (60, -2)), border=18, ip=14, frame_colour="#fff4d6")
    card(m, "picture_2", pos=Keys((40, (1400, 1500), "out"), (86, (1400, 600), "drift"), (n - 8, (1390, 592))),
         rot=Keys((40, 8, "out"), (86, 2)), border=18, ip=40, frame_colour="#fff4d6")
    m.shapes("lanterns", [lantern(150, 120, 0, n), lantern(960, 100, 10, n), lantern(1770, 120, 20, n)],
             pos=Keys((0, (0, -420), "out"), (40, (0, 0))))
    gold = rgba("#f6c453")
    m.shapes("gold_line", ornament_line(CX, 1010, 300, gold, 100, 140, width=3), ip=100)
    return m, "双张横照", "灯笼高挂"


def t_growth():
    """Two portraits side by side against a growth chart: then and now."""
    n = 200
    slot = (560, 746, "shu")
    m = Movie("growth", n, [slot, slot])
    backdrop(m, "#eef7ee", "#d7ecf5")
    drifting_glows(m, [(300, 900, 460, "#ffffff", 0.8, 120, -40)], n)
    fading_start(m, 82, op=40, until=38)
    green = rgba("#6aa36f")
    ticks = [group([path(bezier([(0, y), (28 if k % 2 else 48, y)], closed=False)), stroke(green, 3)]) for k, y in enumerate(range(120, 1000, 60))]
    m.shapes("chart", [group([path(bezier([(0, 100), (0, 1000)], closed=False)), stroke(green, 4)])] + ticks,
             pos=Keys((10, (-80, 0), "out"), (50, (140, 0))), ip=10)
    card(m, "picture_1", pos=Keys((20, (700, 1500), "out"), (66, (700, 560), "drift"), (n - 8, (706, 552))),
         border=18, bottom=60, ip=20)
    card(m, "picture_2", pos=Keys((50, (1330, 1500), "out"), (96, (1330, 530), "drift"), (n - 8, (1324, 522))),
         border=18, bottom=60, ip=50)
    m.shapes("arrow", [group([path(bezier([(960, 980), (1060, 960)], closed=False)), trim(0, Keys((110, 0, "out"), (140, 100))),
                              stroke(green, 4)])], ip=110)
    return m, "双张竖照", "成长对比"


def t_page_turn():
    """The start picture turns away like a page from its left edge, shading as it goes, onto the
    photo lying beneath in an album."""
    n = 180
    m = Movie("page_turn", n, [(1300, 866, "heng")])
    backdrop(m, "#efe6d8", "#d8c7ad")
    card(m, "picture_1", pos=Keys((0, (CX, CY), "drift"), (n - 8, (CX + 34, CY - 22))), scale=Keys((0, 106, "drift"), (n - 8, 98)),
         border=24, shadow=0.35, frame_colour="#fffaf0")
    page = m.null("page", pos=(0, CY), scale=Keys((6, (100, 100), "in"), (52, (0, 100))), op=53)
    m.image("picture_0", parent=page, anchor=(0, H / 2), pos=(0, 0), op=53)
    # The page darkens towards its free edge as it stands up, as paper does under a lamp.
    m.shapes("page_shade", [group([rect(W, H, (W / 2, 0)),
                                   gradient([(0, "#000000", 0), (1, "#000000", 0.6)], (0, 0), (W, 0))])],
             parent=page, opacity=Keys((6, 0, "in"), (52, 100)), op=53)
    m.shapes("spine", [group([rect(40, H, (20, CY)), gradient([(0, "#000000", 0.35), (1, "#000000", 0)], (0, 0), (40, 0))])],
             opacity=Keys((40, 100), (70, 0)), op=71)
    brown = rgba("#a07a52")
    m.shapes("corners", corner_marks((CX - 700, CY - 480, 1400, 960), brown, 70, 110, 150, 3), ip=110)
    return m, "单张横照", "翻页回忆"


def t_bokeh_portrait():
    """A portrait glowing in soft out-of-focus lights that rise slowly around it."""
    n = 180
    m = Movie("bokeh_portrait", n, [PORTRAIT])
    backdrop(m, "#3a1f3d", "#6b3a5e")
    fading_start(m, 110, op=44, until=42)
    lights = [(200 + 190 * k, 1000 - 80 * (k % 5), 30 + 14 * (k % 4), 0.35 + 0.08 * (k % 3), 500 + 60 * (k % 4)) for k in range(9)]
    m.shapes("bokeh", bokeh(lights, n, "#ffd6e8"))
    card(m, "picture_1", pos=Keys((16, (CX, CY + 40), "out"), (64, (CX, CY), "drift"), (n - 8, (CX, CY - 20))),
         scale=Keys((16, 90, "out"), (64, 100, "drift"), (n - 8, 104)), opacity=Keys((16, 0, "soft"), (44, 100)),
         border=20, ip=16, shadow=0.5, frame_colour="#fff5f8")
    gold = rgba("#e7c28a")
    m.shapes("gold_frame", [frame_lines((CX - 420, CY - 530, 840, 1060), gold, 100, 140, 2)], ip=100)
    return m, "单张竖照", "光斑浪漫"


def firework(cx, cy, r, colour, t0):
    """A burst of twelve sparks flying out from (cx, cy) and fading."""
    sparks = []
    for k in range(12):
        angle = k * 30
        sparks.append(group([ellipse(18, 18, (0, -r)), fill(rgba(colour))], rot=angle))
    return group(sparks, pos=(cx, cy), scale=Keys((t0, 10, "out"), (t0 + 24, 100, "linear"), (t0 + 44, 112)),
                 opacity=Keys((t0, 0), (t0 + 4, 100), (t0 + 28, 100), (t0 + 44, 0)))


def t_fireworks():
    """Fireworks burst in a night sky around the photo: a festive landscape single."""
    n = 190
    m = Movie("fireworks", n, [(1200, 800, "heng")])
    backdrop(m, "#0b1030", "#23124a")
    fading_start(m, 80, op=40, until=38)
    card(m, "picture_1", pos=Keys((14, (CX, CY + 120), "out"), (58, (CX, CY + 40), "drift"), (n - 8, (CX, CY + 24))),
         scale=Keys((14, 80, "out"), (58, 92, "drift"), (n - 8, 95)), opacity=Keys((14, 0, "soft"), (36, 100)),
         border=20, ip=14, shadow=0.5, frame_colour="#fff7e0")
    bursts = [firework(300, 220, 150, "#ffd166", 30), firework(1620, 200, 170, "#ef476f", 52), firework(960, 130, 130, "#06d6a0", 78),
              firework(220, 760, 120, "#4cc9f0", 100), firework(1700, 780, 140, "#ffd166", 122), firework(520, 150, 120, "#f78fb3", 140)]
    m.shapes("fireworks", bursts, ip=30)
    return m, "单张横照", "烟花绽放"


def t_mixed_gallery_wall():
    """A gallery wall: the landscape hangs in the middle, a portrait on each side, each dropping
    into place in turn under a spotlight."""
    n = 210
    m = Movie("mixed_gallery_wall", n, [(880, 586, "heng"), (380, 506, "shu"), (380, 506, "shu")])
    backdrop(m, "#eceae6", "#d6d2cb")
    drifting_glows(m, [(CX, 80, 640, "#ffffff", 0.85, 0, 20)], n)
    fading_start(m, 64, op=40, until=38)
    card(m, "picture_1", pos=Keys((14, (CX, -500), "out"), (58, (CX, 520), "drift"), (n - 8, (CX, 512))),
         border=16, ip=14, frame_colour="#2f2f33")
    card(m, "picture_2", pos=Keys((40, (280, -500), "out"), (84, (280, 540), "drift"), (n - 8, (270, 534))),
         border=14, ip=40, frame_colour="#2f2f33")
    card(m, "picture_3", pos=Keys((62, (1640, -500), "out"), (106, (1640, 540), "drift"), (n - 8, (1650, 534))),
         border=14, ip=62, frame_colour="#2f2f33")
    grey = rgba("#8a857c")
    m.shapes("labels", [group([rect(120, 6, (CX, 870)), fill(grey)], scale=Keys((120, (0, 100), "out"), (150, (100, 100)))),
                        group([rect(80, 6, (275, 850)), fill(grey)], scale=Keys((130, (0, 100), "out"), (160, (100, 100)))),
                        group([rect(80, 6, (1645, 850)), fill(grey)], scale=Keys((140, (0, 100), "out"), (170, (100, 100))))], ip=120)
    return m, "横竖混排", "画廊墙面"


def t_moon_festival():
    """A Mid-Autumn night: the portrait rises beside a full moon while clouds drift across it."""
    n = 180
    m = Movie("moon_festival", n, [PORTRAIT])
    backdrop(m, "#0f1d3a", "#27345e")
    m.shapes("moon", [glow(0, 0, 330, "#fff3c4", 0.35), group([ellipse(300, 300), fill(rgba("#fbe7a1"))]),
                      group([ellipse(70, 56, (-50, -30)), fill(rgba("#f3d680", 0.6))]),
                      group([ellipse(44, 40, (60, 50)), fill(rgba("#f3d680", 0.55))])],
             pos=Keys((0, (1480, 520), "soft"), (n - 1, (1500, 380))), opacity=Keys((20, 0, "soft"), (60, 100)), ip=20)
    cloud = rgba("#c9d3ea", 0.55)
    m.shapes("clouds", [group([ellipse(420, 90, (0, 0)), fill(cloud)]), group([ellipse(260, 70, (160, 30)), fill(cloud)])],
             pos=Keys((40, (2200, 600), "linear"), (n - 1, (1000, 580))), ip=40)
    fading_start(m, 86, op=40, until=38)
    card(m, "picture_1", pos=Keys((14, (620, 1400), "out"), (60, (620, CY), "drift"), (n - 8, (630, CY - 14))),
         rot=Keys((14, -6, "out"), (60, -1.5)), border=20, ip=14, shadow=0.55, frame_colour="#fff6dc")
    gold = rgba("#f2c46d")
    m.shapes("gold_line", ornament_line(1500, 860, 220, gold, 100, 140, width=3), ip=100)
    return m, "单张竖照", "中秋月圆"


def t_growth_steps():
    """Three moments climbing like steps from left to right: a child's year, step by step."""
    n = 220
    slot = (620, 414, "heng")
    m = Movie("growth_steps", n, [slot, slot, slot])
    backdrop(m, "#fdf6e3", "#e6f2e0")
    drifting_glows(m, [(300, 260, 440, "#ffffff", 0.8, 120, 40)], n)
    fading_start(m, 70, op=40, until=38)
    places = ((380, 740), (960, 540), (1540, 340))
    for k, (x, y) in enumerate(places, start=1):
        t = 14 + 26 * (k - 1)
        card(m, f"picture_{k}", pos=Keys((t, (x, y + 700), "out"), (t + 44, (x, y), "drift"), (n - 8, (x + 8, y - 6))),
             border=14, ip=t)
    green = rgba("#7cb46b")
    m.shapes("steps", [group([path(bezier([(60, 1000), (700, 1000), (700, 800), (1280, 800), (1280, 600), (1880, 600)], closed=False)),
                              trim(0, Keys((100, 0, "out"), (160, 100))), stroke(green, 5)])], ip=100)
    return m, "三张横照", "步步成长"


def t_festival_grid():
    """Four festive prints drop into a red-and-gold grid one after another."""
    n = 230
    slot = (690, 460, "heng")
    m = Movie("festival_grid", n, [slot, slot, slot, slot])
    backdrop(m, "#a3161c", "#5c0b0f", angle_end=(W * 0.7, H))
    drifting_glows(m, [(CX, CY, 700, "#ffb347", 0.25, 0, 0)], n)
    start_picture(m, op=42, scale=Keys((0, 100, "in"), (40, 50)), opacity=Keys((10, 100, "soft"), (40, 0)))
    grid = m.null("grid", pos=Keys((120, (CX - 30, CY), "inout"), (n - 8, (CX + 30, CY))), scale=Keys((0, 94, "drift"), (120, 100)))
    places = ((-370, -245), (370, -245), (-370, 245), (370, 245))
    for k, (x, y) in enumerate(places, start=1):
        t = 12 + (k - 1) * 16
        card(m, f"picture_{k}", pos=Keys((t, (x, y - 900), "out"), (t + 34, (x, y))), parent=grid, border=12, ip=t, shadow=0.45,
             frame_colour="#fff1cc")
    gold = rgba("#f6c453")
    m.shapes("knot", [group([path(diamond(0, 0, 40)), fill(gold)]), group([ellipse(110, 110), stroke(gold, 4)])],
             parent=grid, scale=Keys((110, 0, "out"), (136, 100)), rot=Keys((110, 0, "out"), (n - 8, 90)), ip=110)
    return m, "四张横照", "喜庆四格"


# Designs that complete the collections: with them every collection has each kind of photo group.

def wiped_image(movie, ref, t0, t1, direction="right", parent=None, **tr):
    """An image uncovered by a straight wipe from its left edge ("right") or its top ("down"), then
    shown whole (no mask once open)."""
    w, h = movie.asset_size(ref)
    closed = {"right": rect_path(0, 0, 1, h), "down": rect_path(0, 0, w, 1)}[direction]
    movie.image(ref, ip=t0, op=t1 + 1, parent=parent, masks=[mask(Keys((t0, closed, "inout"), (t1, rect_path(0, 0, w, h))))], **tr)
    movie.image(ref, ip=t1 + 1, parent=parent, **tr)


def photo_through_window(movie, opening, t0, t1, zoom, edge_colour, edge_width):
    """The full-screen photo seen through a window whose shape `opening` widens from t0 to t1
    past the screen, its edge drawn; the photo and the window zoom together."""
    movie.image("picture_1", ip=t0, op=t1 + 1, masks=[mask(opening)], scale=zoom)
    movie.image("picture_1", ip=t1 + 1, scale=zoom)
    movie.shapes("window_edge", [group([path(opening), stroke(edge_colour, edge_width)])], anchor=(CX, CY), pos=(CX, CY),
                 scale=zoom, ip=t0, op=t1 + 1)


def t_any_diamond_window():
    """The photo opens through a diamond window with a gold edge that widens past the screen."""
    n = 160
    m = Movie("any_diamond_window", n, [ANY_FULL])
    t0, t1 = 6, 52
    start_picture(m, op=t1 + 1, scale=Keys((0, 100, "in"), (t1, 108)))
    opening = Keys((t0, diamond(CX, CY, 2), "inout"), (t1, diamond(CX, CY, 1600)))
    photo_through_window(m, opening, t0, t1, Keys((t0, 116, "drift"), (n - 6, 100)), rgba("#e3b873"), 10)
    m.shapes("warm_light", [glow(0, 0, 520, "#ffc98a", 0.45)], pos=Keys((60, (-400, 900), "inout"), (140, (2300, 200))),
             opacity=Keys((60, 0), (80, 100), (120, 100), (140, 0)), ip=60, op=141)
    m.shapes("edges", edge_shade(0.35, 200), opacity=Keys((40, 0), (80, 100)), ip=40)
    m.shapes("inset", [frame_lines((56, 56, W - 112, H - 112), rgba("#f6e2bd"), 96, 140, 2.5, 85)], ip=96)
    return m, "横竖通用", "菱窗暖光"


def t_three_portraits_line():
    """Three portraits drop onto a line with wooden pegs and swing there until they come to rest."""
    n = 220
    slot = (400, 534, "shu")
    m = Movie("three_portraits_line", n, [slot, slot, slot])
    backdrop(m, "#fbf3e6", "#ead9c0")
    drifting_glows(m, [(320, 220, 460, "#ffffff", 0.8, 120, 30)], n)
    fading_start(m, 76, op=40, until=38)
    brown = rgba("#8a6a4a")
    m.shapes("line", [group([path(bezier([(-20, 176), (W + 20, 176)], closed=False)), trim(0, Keys((6, 0, "out"), (36, 100))),
                             stroke(brown, 4)])], ip=6)
    for k, x in ((1, 450), (2, CX), (3, 1470)):
        t = 18 + 24 * (k - 1)
        side = 1 if k % 2 else -1
        peg = m.null(f"peg_{k}", ip=t, pos=Keys((t, (x, -700), "out"), (t + 30, (x, 176))),
                     rot=Keys((t, 18 * side, "inout"), (t + 30, -9 * side, "inout"), (t + 56, 4 * side, "inout"),
                              (t + 84, -1.5 * side, "drift"), (n - 8, 0.8 * side)))
        card(m, f"picture_{k}", pos=(0, 316), parent=peg, border=16, ip=t, shadow=0.3, frame_colour="#fffdf8")
        m.shapes(f"peg_{k}_clip", [group([rect(22, 64, (0, 12), 4), fill(rgba("#c9a27a"))]),
                                   group([rect(22, 4, (0, 6)), fill(rgba("#8a6a4a"))])], parent=peg, ip=t)
    pink = rgba("#e79aa0")
    m.shapes("hearts", [heart(300, 990, 80, 150, pink), heart(CX, 1010, 100, 160, pink), heart(1620, 990, 80, 170, pink)], ip=150)
    return m, "三张竖照", "晾晒时光"


def t_postcard():
    """A portrait postcard sails in from the corner; a stamp lands on it and the postmark rings in."""
    n = 180
    m = Movie("postcard", n, [(600, 800, "shu")])
    backdrop(m, "#d8e9f5", "#f5ead7")
    drifting_glows(m, [(1600, 200, 480, "#ffffff", 0.8, -120, 40)], n)
    fading_start(m, 80, op=40, until=38)
    post = m.null("postcard", ip=12, pos=Keys((12, (2700, 1400), "out"), (60, (CX, CY + 10), "drift"), (n - 8, (CX + 12, CY))),
                  rot=Keys((12, 24, "out"), (60, -2, "drift"), (n - 8, -1)))
    m.shapes("paper", soft_shadow(1400, 900, strength=0.4) + [group([rect(1400, 900, (0, 0), 6), fill(rgba("#fffaf0"))])],
             parent=post, ip=12)
    m.image("picture_1", parent=post, pos=(-330, 0), ip=12)
    ink = rgba("#6f8397")
    address = [group([path(bezier([(60, -340), (60, 340)], closed=False)), stroke(ink, 2)])]
    for k, y in enumerate((60, 160, 260)):
        address.append(group([path(bezier([(140, y), (600, y)], closed=False)), trim(0, Keys((70 + 10 * k, 0, "out"), (100 + 10 * k, 100))),
                              stroke(ink, 3)]))
    m.shapes("address", address, parent=post, ip=60)
    m.shapes("stamp", [group([rect(150, 180, (0, 0), 4), fill(rgba("#ffffff"))]), group([rect(128, 158), stroke(rgba("#c8553d"), 3)]),
                       group([rect(112, 142), fill(rgba("#f0b48a"))]), group([ellipse(46, 46, (0, -26)), fill(rgba("#fff1c1"))]),
                       group([path(bezier([(-56, 50), (-14, 4), (18, 36), (56, -4), (56, 71), (-56, 71)])), fill(rgba("#6b9080"))])],
             parent=post, pos=(560, -290), scale=Keys((84, 240, "out"), (100, 100)), opacity=Keys((84, 0), (90, 100)),
             rot=Keys((84, -24, "out"), (100, 4)), ip=84)
    waves = [group([path(bezier([(90, y), (140, y - 12), (190, y), (240, y - 12), (290, y)], closed=False,
                                tangents=[((0, 0), (20, 0))] + [((-20, 0), (20, 0))] * 3 + [((-20, 0), (0, 0))])),
                    stroke(ink, 3)]) for y in (-20, 0, 20)]
    m.shapes("postmark", [group([ellipse(170, 170), stroke(ink, 3)]), group([ellipse(128, 128), stroke(ink, 2)])] + waves,
             parent=post, pos=(400, -250), rot=-8, opacity=Keys((104, 0), (112, 80)), scale=Keys((104, 130, "out"), (118, 100)), ip=104)
    return m, "单张竖照", "明信片"


def t_film_strip():
    """Four landscapes run in on a strip of film that keeps travelling slowly to the left."""
    n = 220
    slot = (420, 280, "heng")
    m = Movie("film_strip", n, [slot, slot, slot, slot])
    backdrop(m, "#1d2b36", "#42606f")
    drifting_glows(m, [(300, 200, 460, "#8fb8c9", 0.35, 160, 40), (1600, 900, 420, "#f0c987", 0.25, -160, -40)], n)
    fading_start(m, 70, op=40, until=38)
    strip = m.null("strip", ip=10, pos=Keys((10, (CX + 2300, CY), "out"), (70, (CX, CY), "drift"), (n - 8, (CX - 40, CY))),
                   rot=Keys((10, -6, "out"), (70, -2, "drift"), (n - 8, -1.5)))
    holes = [rect(26, 18, (x, y), 3) for x in range(-1092, 1100, 56) for y in (-180, 180)]
    m.shapes("film", [group([rect(2240, 420), fill(rgba("#151515"))]), group(holes + [fill(rgba("#e8e2d6"))])], parent=strip, ip=10)
    for k in range(4):
        t = 36 + 14 * k
        m.image(f"picture_{k + 1}", parent=strip, pos=(-705 + 470 * k, 0), opacity=Keys((t, 0, "soft"), (t + 18, 100)), ip=t)
    m.shapes("projector_light", [glow(0, 0, 380, "#fff1d6", 0.35)], pos=Keys((90, (-400, CY), "inout"), (170, (2300, CY))),
             opacity=Keys((90, 0), (104, 100), (156, 100), (170, 0)), ip=90, op=171)
    m.shapes("marks", corner_marks((70, 70, W - 140, H - 140), rgba("#f0c987"), 90, 130, 170, 3), ip=130)
    return m, "四张横照", "胶片旅程"


def t_four_lines():
    """A plain layout drawn with thin lines: one large landscape and three small ones, each
    uncovered by a wipe as its line reaches it."""
    n = 220
    m = Movie("four_lines", n, [(1080, 720, "heng"), (336, 224, "heng"), (336, 224, "heng"), (336, 224, "heng")])
    backdrop(m, "#f5f4f1", "#e6e3dd")
    fading_start(m, 90, op=40, until=38)
    layout = m.null("layout", pos=Keys((30, (CX + 40, CY), "drift"), (n - 8, (CX - 40, CY))), scale=Keys((30, 100, "drift"), (n - 8, 104)))
    ink = rgba("#2f3136")
    m.shapes("rules", [group([path(bezier([(-860, -390), (860, -390)], closed=False)), trim(0, Keys((8, 0, "inout"), (46, 100))), stroke(ink, 2)]),
                       group([path(bezier([(860, 390), (-860, 390)], closed=False)), trim(0, Keys((16, 0, "inout"), (54, 100))), stroke(ink, 2)]),
                       group([path(bezier([(420, -390), (420, 390)], closed=False)), trim(0, Keys((40, 0, "inout"), (70, 100))), stroke(ink, 1.5)])],
             parent=layout)
    wiped_image(m, "picture_1", 30, 70, "right", parent=layout, pos=(-240, 0))
    for k, y in ((2, -248), (3, 0), (4, 248)):
        t = 60 + 16 * (k - 2)
        wiped_image(m, f"picture_{k}", t, t + 30, "down", parent=layout, pos=(620, y))
    m.shapes("accent", [group([rect(12, 12, (-860, -390)), fill(rgba("#c0392b"))], scale=Keys((110, 0, "back"), (124, 100))),
                        group([rect(180, 6, (-770, 420)), fill(rgba("#c0392b"))], scale=Keys((120, (0, 100), "out"), (150, (100, 100))))],
             parent=layout, ip=110)
    return m, "四张横照", "线条分屏"


def t_any_heart_window():
    """The photo opens through a heart that grows past the screen, edged in rose gold."""
    n = 160
    m = Movie("any_heart_window", n, [ANY_FULL])
    t0, t1 = 6, 54
    start_picture(m, op=t1 + 1, opacity=Keys((t0, 100), (t1, 100)), scale=Keys((0, 100, "in"), (t1, 106)))
    opening = Keys((t0, heart_path(CX, CY, 0.5), "in"), (t1, heart_path(CX, CY + 300, 100)))
    photo_through_window(m, opening, t0, t1, Keys((t0, 112, "drift"), (n - 6, 100)), rgba("#f2b5b5"), 8)
    m.shapes("blush", [glow(0, 0, 560, "#ffc4d0", 0.4)], pos=Keys((56, (2200, 900), "inout"), (150, (-300, 300))),
             opacity=Keys((56, 0), (76, 100), (130, 100), (150, 0)), ip=56, op=151)
    m.shapes("edges", edge_shade(0.3, 200, "#3a1a24"), opacity=Keys((40, 0), (80, 100)), ip=40)
    pink = rgba("#ffd3dc")
    m.shapes("hearts", [heart(150, 130, 70, 100, pink), heart(1770, 950, 90, 112, pink)], ip=100)
    return m, "横竖通用", "心形开幕"


def t_two_portraits_rings():
    """Two portraits glide together from the sides; two gold rings draw themselves and link."""
    n = 200
    slot = (540, 720, "shu")
    m = Movie("two_portraits_rings", n, [slot, slot])
    backdrop(m, "#f7efe6", "#ead8c8")
    drifting_glows(m, [(CX, 160, 520, "#ffffff", 0.8, 0, 40)], n)
    fading_start(m, 90, op=40, until=38)
    card(m, "picture_1", pos=Keys((12, (-500, 500), "out"), (62, (630, 500), "drift"), (n - 8, (640, 496))), scale=Keys((62, 100, "drift"), (n - 8, 104)),
         opacity=Keys((12, 0, "soft"), (30, 100)), border=18, ip=12, frame_colour="#fffaf3")
    card(m, "picture_2", pos=Keys((24, (2420, 500), "out"), (74, (1290, 500), "drift"), (n - 8, (1280, 496))), scale=Keys((74, 100, "drift"), (n - 8, 104)),
         opacity=Keys((24, 0, "soft"), (42, 100)), border=18, ip=24, frame_colour="#fffaf3")
    gold = rgba("#c9a063")
    m.shapes("rings", [group([ellipse(112, 112), trim(0, Keys((96, 0, "inout"), (130, 100))), stroke(gold, 7)], pos=(-36, 0), rot=-90),
                       group([ellipse(112, 112), trim(0, Keys((108, 0, "inout"), (142, 100))), stroke(gold, 7)], pos=(36, 0), rot=90)],
             pos=(CX, 966), ip=96)
    m.shapes("lines", [group([path(bezier([(CX + side * 130, 966), (CX + side * 380, 966)], closed=False)),
                              trim(0, Keys((130, 0, "out"), (170, 100))), stroke(gold, 2.2)]) for side in (-1, 1)], ip=130)
    return m, "双张竖照", "双环相扣"


def t_three_fan():
    """Three landscapes fan out from one hand like cards, the middle one on top."""
    n = 220
    slot = (560, 374, "heng")
    m = Movie("three_fan", n, [slot, slot, slot])
    backdrop(m, "#3b2637", "#6e4a5c", angle_end=(W * 0.5, H))
    drifting_glows(m, [(CX, 300, 620, "#f5c6d6", 0.3, 0, 30)], n)
    fading_start(m, 70, op=40, until=38)
    for k, angle in ((1, -28), (3, 28), (2, 0)):
        t = 14 + 10 * k
        arm = m.null(f"arm_{k}", ip=t, pos=Keys((t, (CX, 2600), "out"), (t + 34, (CX, 1700), "drift"), (n - 8, (CX, 1640))),
                     rot=Keys((t, 0, "out"), (t + 34, 0, "out"), (t + 70, angle, "drift"), (n - 8, angle * 1.054)))
        card(m, f"picture_{k}", pos=(0, -1200), parent=arm, border=14, ip=t, frame_colour="#fff7f2", shadow=0.45)
    gold = rgba("#e8c48a")
    m.shapes("ornament", ornament_line(CX, 1010, 260, gold, 120, 160, width=2.5), ip=120)
    return m, "三张横照", "扇形展开"


def t_four_around_heart():
    """Four landscapes fly out from the middle to the four sides of a heart."""
    n = 230
    slot = (540, 360, "heng")
    m = Movie("four_around_heart", n, [slot, slot, slot, slot])
    backdrop(m, "#fdf0f2", "#f1d3da")
    drifting_glows(m, [(300, 900, 460, "#ffffff", 0.8, 120, -30)], n)
    fading_start(m, 60, op=40, until=38)
    for k, (x, y) in enumerate(((CX, 256), (480, CY), (1440, CY), (CX, 824)), start=1):
        t = 16 + 14 * (k - 1)
        card(m, f"picture_{k}", pos=Keys((t, (CX, CY), "out"), (t + 36, (x, y), "drift"), (n - 8, (x + (x - CX) * 0.06, y + (y - CY) * 0.06))),
             scale=Keys((t, 20, "out"), (t + 36, 100)), rot=Keys((t, 30 if k % 2 else -30, "out"), (t + 36, 0)),
             border=12, ip=t, frame_colour="#fffafa", shadow=0.35)
    rose = rgba("#d9788c")
    m.shapes("heart", [heart(0, 0, 210, 90, rose)], pos=(CX, CY + 10), ip=90,
             scale=Keys((104, 100, "inout"), (124, 110, "inout"), (144, 100, "inout"), (164, 108, "inout"), (n - 1, 100)))
    m.shapes("ring", [group([ellipse(172, 172), trim(0, Keys((110, 0, "inout"), (150, 100))), stroke(rgba("#c9a063"), 3.5)], rot=-90)],
             pos=(CX, CY + 4), ip=110)
    return m, "四张横照", "四方同心"


def pleated_curtain(width, colour_light, colour_dark, pleats=6):
    """A curtain's folds: a gradient that rises and falls across its width."""
    stops = [(k / (2 * pleats), colour_light if k % 2 else colour_dark, 1) for k in range(2 * pleats + 1)]
    return group([rect(width, H + 4, (width / 2, CY)), gradient(stops, (0, 0), (width, 0))])


def t_any_curtain():
    """Red stage curtains close over the start picture, then open on the photo; gold glitter falls."""
    n = 180
    m = Movie("any_curtain", n, [ANY_FULL])
    start_picture(m, op=40)
    m.image("picture_1", ip=38, scale=Keys((38, 110, "drift"), (n - 6, 100)))
    half = W / 2 + 60
    for name, closed_x, open_x in (("curtain_left", -60, -half - 40), ("curtain_right", W / 2, W + 40)):
        m.shapes(name, [pleated_curtain(half, "#c8202a", "#7a0c12")],
                 pos=Keys((0, (open_x, 0), "inout"), (34, (closed_x, 0), "hold"), (44, (closed_x, 0), "inout"), (90, (open_x, 0))), op=91)
    gold = rgba("#f6c453")
    m.shapes("valance", [group([rect(W + 4, 96, (CX, 48)), fill(rgba("#9d1219"))]), group([rect(W + 4, 10, (CX, 100)), fill(gold)])],
             pos=Keys((0, (0, -120), "out"), (24, (0, 0), "hold"), (96, (0, 0), "in"), (126, (0, -130))), op=127)
    colours = ["#ffd54f", "#fff3c4", "#ffb300", "#ffe082"]
    glitter = [confetti_piece(60 + 130 * k, -60 - 120 * (k % 4), 18, 34, colours[k % 4], 60 + 6 * (k % 5), 1300,
                              80 - 40 * (k % 5), 260 + 80 * (k % 3), n) for k in range(15)]
    m.shapes("glitter", glitter, ip=60)
    m.shapes("edges", edge_shade(0.35, 200, "#3a0508"), opacity=Keys((80, 0), (120, 100)), ip=80)
    return m, "横竖通用", "红幕开启"


def scroll_banner(x, top, width, height, t0, vertical=True):
    """A red paper banner with gold diamonds, unrolling down (or outwards, when horizontal)."""
    red, gold = rgba("#c62828"), rgba("#f6c453")
    if vertical:
        spots, size = [(0, top + height * (k + 0.5) / 4) for k in range(4)], width * 0.28
        anchor, unrolled = (0, top), Keys((t0, (100, 0), "out"), (t0 + 34, (100, 100)))
    else:
        spots, size = [(-width * 0.3 + width * 0.2 * k, top + height / 2) for k in range(4)], height * 0.28
        anchor, unrolled = (0, 0), Keys((t0, (0, 100), "out"), (t0 + 30, (100, 100)))
    body = [group([rect(width, height, (0, top + height / 2), 4), fill(red)]),
            group([rect(width - 16, height - 16, (0, top + height / 2)), stroke(gold, 2)])]
    marks = [group([path(diamond(cx, cy, size)), fill(gold)]) for cx, cy in spots]
    return stack(body + marks, pos=(x, 0), anchor=anchor, scale=unrolled)


def t_three_portraits_couplets():
    """Three portraits between red couplet banners that unroll down the sides, a banner above."""
    n = 220
    slot = (400, 534, "shu")
    m = Movie("three_portraits_couplets", n, [slot, slot, slot])
    backdrop(m, "#fff4e0", "#f3d9b0")
    drifting_glows(m, [(CX, 560, 700, "#ffd28a", 0.35, 0, -20)], n)
    fading_start(m, 76, op=40, until=38)
    m.shapes("couplets", [scroll_banner(150, 100, 150, 860, 10), scroll_banner(1770, 100, 150, 860, 18),
                          scroll_banner(CX, 44, 560, 96, 30, vertical=False)], ip=10)
    for k, x in ((1, 502), (2, CX), (3, 1418)):
        t = 40 + 18 * (k - 1)
        card(m, f"picture_{k}", pos=Keys((t, (x, CY + 700), "out"), (t + 40, (x, 590), "drift"), (n - 8, (x, 562))),
             rot=Keys((t, 8 if k % 2 else -8, "out"), (t + 40, 0)), border=14, ip=t, frame_colour="#fff8e8", shadow=0.4)
    return m, "三张竖照", "春联迎春"


def t_any_chalkboard():
    """A school chalkboard: the photo is pinned up in the middle and chalk doodles draw themselves."""
    n = 190
    m = Movie("any_chalkboard", n, [ANY_FULL])
    m.shapes("board", [group([rect(W + 4, H + 4, (CX, CY)), fill(rgba("#8a5a34"))]),
                       group([rect(W - 80, H - 80, (CX, CY), 6), gradient([(0, "#2f5444", 1), (1, "#22392f", 1)], (0, 0), (W, H))])])
    drifting_glows(m, [(400, 300, 520, "#ffffff", 0.12, 120, 40)], n)
    fading_start(m, 60, op=40, until=38)
    card(m, "picture_1", pos=Keys((12, (CX, CY - 700), "out"), (54, (CX, CY - 10), "drift"), (n - 8, (CX + 6, CY - 16))),
         scale=Keys((12, 58, "out"), (54, 62)), rot=Keys((12, -10, "out"), (54, -1.5)), border=18, ip=12, shadow=0.45)
    chalk = rgba("#f2f0e6")
    rays = [group([path(bezier([(0, -92), (0, -130)], closed=False)), stroke(chalk, 5)], rot=45 * k) for k in range(8)]
    sun = [group([ellipse(120, 120), trim(0, Keys((70, 0, "out"), (96, 100))), stroke(chalk, 5)])] + rays
    m.shapes("sun", sun, pos=(210, 200), rot=Keys((70, 0, "linear"), (n - 1, 40)), opacity=Keys((70, 0), (78, 90)), ip=70)
    star_points = [(0, -60), (16, -18), (60, -18), (24, 10), (38, 54), (0, 28), (-38, 54), (-24, 10), (-60, -18), (-16, -18)]
    m.shapes("star", [group([path(bezier(star_points)), trim(0, Keys((90, 0, "out"), (120, 100))), stroke(chalk, 5)])],
             pos=(1720, 190), scale=Keys((120, 100, "inout"), (140, 120, "inout"), (160, 100)), opacity=90, ip=90)
    wave = bezier([(560, 1000), (760, 970), (960, 1000), (1160, 970), (1360, 1000)], closed=False,
                  tangents=[((0, 0), (70, -20))] + [((-70, 0), (70, 0))] * 3 + [((-70, -20), (0, 0))])
    m.shapes("underline", [group([path(wave), trim(0, Keys((110, 0, "inout"), (150, 100))), stroke(chalk, 6)])], opacity=90, ip=110)
    return m, "横竖通用", "黑板涂鸦"


def t_four_seasons():
    """Four moments of a year rise in turn from a timeline, each marked in its season's colour."""
    n = 230
    slot = (400, 266, "heng")
    m = Movie("four_seasons", n, [slot, slot, slot, slot])
    backdrop(m, "#f7fbf4", "#e4efe6")
    drifting_glows(m, [(300, 200, 460, "#ffffff", 0.9, 140, 30)], n)
    fading_start(m, 70, op=40, until=38)
    grey = rgba("#8d9a8f")
    m.shapes("timeline", [group([path(bezier([(90, 930), (W - 90, 930)], closed=False)), trim(0, Keys((10, 0, "inout"), (50, 100))),
                                 stroke(grey, 4)])], ip=10)
    seasons = ("#7cc47f", "#f2b134", "#e07a3f", "#5aa9d6")
    for k, colour in enumerate(seasons, start=1):
        x, y = 300 + 440 * (k - 1), (360 if k % 2 else 690)
        t = 30 + 20 * (k - 1)
        m.shapes(f"season_{k}", [group([ellipse(34, 34), fill(rgba(colour))], scale=Keys((t - 8, 0, "back"), (t + 4, 100))),
                                 group([path(bezier([(0, 0), (0, y + 150 - 930)], closed=False)), trim(0, Keys((t, 0, "out"), (t + 26, 100))),
                                        stroke(rgba(colour), 3)])], pos=(x, 930), ip=t - 8)
        card(m, f"picture_{k}", pos=Keys((t, (x, 930), "out"), (t + 30, (x, y), "drift"), (n - 8, (x, y - 10))),
             scale=Keys((t, 0, "back"), (t + 30, 100)), border=12, bottom=40, ip=t, shadow=0.35)
        m.shapes(f"tab_{k}", [group([rect(60, 14, (0, 0), 4), fill(rgba(colour))])], pos=Keys((t + 26, (x, y + 166), "drift"), (n - 8, (x, y + 156))),
                 scale=Keys((t + 26, (0, 100), "out"), (t + 40, (100, 100))), ip=t + 26)
    return m, "四张横照", "四季成长"


def paper_plane():
    """A folded white paper plane pointing right."""
    return [group([path(bezier([(-60, -10), (60, 0), (-40, 30)])), fill(rgba("#ffffff"))]),
            group([path(bezier([(-60, -10), (60, 0), (-30, 6)])), fill(rgba("#cfd8e3"))])]


def t_mixed_paper_plane():
    """A paper plane loops across a bright sky; the landscape and the portrait pop up in its wake."""
    n = 210
    m = Movie("mixed_paper_plane", n, [(900, 600, "heng"), (450, 600, "shu")])
    backdrop(m, "#bfe3f7", "#fdf3dd")
    drifting_glows(m, [(1600, 180, 420, "#ffffff", 0.9, -160, 30), (200, 900, 380, "#ffe6a8", 0.5, 120, -20)], n)
    fading_start(m, 80, op=40, until=38)
    route = [(-100, 900), (500, 700), (1000, 820), (1500, 400), (2100, 200)]
    trail = bezier(route, closed=False, tangents=[((0, 0), (200, -80)), ((-200, 80), (200, -60)), ((-200, 0), (200, 0)),
                                                  ((-200, 80), (200, -60)), ((-200, 40), (0, 0))])
    m.shapes("trail", [group([path(trail), trim(Keys((10, 0, "linear"), (70, 0, "linear"), (110, 100)), Keys((10, 0, "linear"), (70, 100))),
                              stroke(rgba("#ffffff"), 4, opacity=80)])], ip=10, op=111)
    times = (10, 25, 40, 55, 70)
    angles = (-20, 10, -30, -25, -15)
    m.shapes("plane", paper_plane(), pos=Keys(*[(t, p, "linear") for t, p in zip(times, route)]),
             rot=Keys(*[(t, a, "linear") for t, a in zip(times, angles)]), scale=170, ip=10, op=72)
    card(m, "picture_1", pos=Keys((30, (660, 600), "back"), (62, (660, 560), "drift"), (n - 8, (672, 552))),
         scale=Keys((30, 0, "back"), (62, 100)), rot=Keys((30, -12, "out"), (62, -2)), border=18, ip=30)
    card(m, "picture_2", pos=Keys((52, (1490, 560), "back"), (84, (1490, 520), "drift"), (n - 8, (1480, 514))),
         scale=Keys((52, 0, "back"), (84, 100)), rot=Keys((52, 12, "out"), (84, 3)), border=16, ip=52)
    m.shapes("plane_return", paper_plane(), pos=Keys((120, (-120, 1000), "inout"), (n - 1, (560, 930))),
             rot=Keys((120, -12, "inout"), (n - 1, -6)), scale=110, ip=120)
    return m, "横竖混排", "纸飞机"


def t_travel_map():
    """A route draws itself across an old map to a pin, and the photo opens out from the pin."""
    n = 190
    m = Movie("travel_map", n, [(1200, 800, "heng")])
    backdrop(m, "#f3e6c9", "#dcc59a")
    drifting_glows(m, [(300, 260, 480, "#fff8e6", 0.7, 100, 30)], n)
    ink = rgba("#8c6b45")
    m.shapes("coast", [group([path(bezier([(0, 300), (300, 360), (560, 260), (820, 420)], closed=False,
                                          tangents=[((0, 0), (100, 40)), ((-100, 0), (80, -40)), ((-80, -30), (100, 30)), ((-60, -40), (0, 0))])),
                              stroke(ink, 2, opacity=60)]),
                       group([path(bezier([(1200, 1080), (1380, 900), (1700, 960), (1920, 820)], closed=False,
                                          tangents=[((0, 0), (60, -80)), ((-80, 0), (120, 30)), ((-100, -30), (80, -20)), ((0, 0), (0, 0))])),
                              stroke(ink, 2, opacity=60)])])
    rose = [group([ellipse(130, 130), stroke(ink, 2)]), group([path(diamond(0, 0, 56)), fill(rgba("#8c6b45"), 35)]),
            group([path(bezier([(0, -70), (12, 0), (0, 70), (-12, 0)])), fill(ink)])]
    m.shapes("compass", rose, pos=(1790, 140), rot=Keys((0, -40, "drift"), (n - 1, 20)), opacity=80)
    fading_start(m, 80, op=36, until=34)
    route = bezier([(140, 980), (620, 820), (CX, CY)], closed=False,
                   tangents=[((0, 0), (200, -20)), ((-160, 40), (160, -40)), ((-40, 140), (0, 0))])
    m.shapes("route", [group([path(route), trim(0, Keys((10, 0, "inout"), (50, 100))), stroke(rgba("#c0392b"), 5)])], ip=10)
    pin = [group([path(bezier([(0, 0), (-34, -60), (0, -94), (34, -60)], tangents=[((0, 0), (0, 0)), ((0, 20), (0, -26)), ((-20, 0), (20, 0)), ((0, -26), (0, 20))])),
                  fill(rgba("#c0392b"))]), group([ellipse(26, 26, (0, -62)), fill(rgba("#fdf3e1"))])]
    m.shapes("pin", pin, pos=Keys((44, (CX, CY - 300), "out"), (56, (CX, CY))), opacity=Keys((44, 0), (50, 100), (66, 100), (74, 0)), ip=44, op=75)
    card(m, "picture_1", pos=Keys((58, (CX, CY), "out"), (100, (CX, CY), "drift"), (n - 8, (CX + 10, CY - 8))),
         scale=Keys((58, 4, "out"), (100, 100, "drift"), (n - 8, 103)), rot=Keys((58, -8, "out"), (100, -1)), border=22, ip=58,
         frame_colour="#fffaf0")
    return m, "单张横照", "旅途足迹"


def t_sunrise():
    """Dawn: a sun rises behind the photo with slow-turning rays as the sky warms."""
    n = 190
    m = Movie("sunrise", n, [(960, 640, "heng")])
    backdrop(m, "#2c3e70", "#f4a261", angle_end=(0, H), middle="#b5658a")
    m.shapes("warm_sky", [group([rect(W + 4, H + 4, (CX, CY)), gradient([(0, "#ffd59e", 0), (1, "#ffd59e", 0.7)], (0, 0), (0, H))])],
             opacity=Keys((0, 0, "soft"), (n - 1, 100)))
    rays = [group([path(bezier([(-6, -150), (6, -150), (60, -1100), (-60, -1100)])), fill(rgba("#fff0c8"), 18)], rot=30 * k)
            for k in range(12)]
    m.shapes("sun", [group(rays, rot=Keys((0, 0, "linear"), (n - 1, 30))), glow(0, 0, 300, "#ffe9a8", 0.6),
                     group([ellipse(240, 240), fill(rgba("#ffe08a"))])],
             pos=Keys((10, (CX, 1000), "drift"), (120, (CX, 250), "drift"), (n - 1, (CX, 220))), ip=10)
    fading_start(m, 80, op=40, until=38)
    card(m, "picture_1", pos=Keys((16, (CX, 1500), "out"), (70, (CX, 640), "drift"), (n - 8, (CX, 630))),
         border=20, ip=16, shadow=0.45, frame_colour="#fffaf0")
    m.shapes("birds", [group([path(bezier([(-24, 0), (0, 10), (24, 0)], closed=False, tangents=[((0, 0), (8, 4)), ((-8, 0), (8, 0)), ((-8, 4), (0, 0))])),
                              stroke(rgba("#3b2f4a"), 3)], pos=(k * 60, (k % 2) * 24)) for k in range(3)],
             pos=Keys((60, (-200, 300), "linear"), (n - 1, (700, 180))), ip=60)
    return m, "单张横照", "朝阳初升"


def t_portrait_home():
    """A house draws itself around the portrait: the roof, the chimney, a puff of smoke."""
    n = 180
    m = Movie("portrait_home", n, [(600, 800, "shu")])
    backdrop(m, "#fdf1e1", "#f1d9bb")
    drifting_glows(m, [(300, 300, 460, "#fff8ec", 0.9, 100, 20), (1650, 800, 420, "#ffcf95", 0.4, -100, -20)], n)
    fading_start(m, 80, op=40, until=38)
    card(m, "picture_1", pos=Keys((12, (CX, 1500), "out"), (56, (CX, 632), "drift"), (n - 8, (CX, 626))), border=20, ip=12,
         frame_colour="#fffaf2", shadow=0.4)
    brown = rgba("#a0522d")
    draw = Keys((50, 50, "out"), (90, 0)), Keys((50, 50, "out"), (90, 100))
    m.shapes("house", [group([rect(56, 100, (CX + 250, 88)), fill(brown)], scale=Keys((84, (100, 0), "out"), (100, (100, 100)))),
                       group([path(bezier([(CX - 400, 1060), (CX - 400, 212), (CX - 440, 230), (CX, 24), (CX + 440, 230), (CX + 400, 212),
                                           (CX + 400, 1060)], closed=False)), trim(*draw), stroke(brown, 10, cap=2, join=2)]),
                       group([ellipse(72, 72, (CX, 122)), fill(rgba("#ffd27a"))], scale=Keys((96, 0, "back"), (110, 100))),
                       group([ellipse(72, 72, (CX, 122)), stroke(brown, 6)], scale=Keys((96, 0, "back"), (110, 100)))], ip=50)
    puffs = [group([ellipse(60 + 20 * k, 60 + 20 * k), fill(rgba("#ffffff"), 85)],
                   pos=Keys((100 + 16 * k, (CX + 250, 30), "soft"), (n - 1, (CX + 340 + 50 * k, -30 - 40 * k))),
                   opacity=Keys((100 + 16 * k, 0), (112 + 16 * k, 100), (n - 1, 30))) for k in range(3)]
    m.shapes("smoke", puffs, ip=100)
    m.shapes("lamp_light", [glow(0, 0, 460, "#ffd9a0", 0.4)], pos=Keys((110, (-300, 820), "inout"), (n - 1, (2200, 700))), ip=110)
    green = rgba("#7aa374")
    m.shapes("grass", [group([path(bezier([(0, 1060), (W, 1060)], closed=False)), trim(Keys((60, 50, "out"), (100, 0)), Keys((60, 50, "out"), (100, 100))),
                              stroke(green, 6)])], ip=60)
    return m, "单张竖照", "温暖小家"


def t_two_footprints():
    """Then and now: footprints of light dots walk from the first photo to the second."""
    n = 200
    slot = (800, 534, "heng")
    m = Movie("two_footprints", n, [slot, slot])
    backdrop(m, "#eef6fb", "#fdf3e3")
    drifting_glows(m, [(CX, 900, 560, "#ffffff", 0.8, 0, -40)], n)
    fading_start(m, 76, op=40, until=38)
    card(m, "picture_1", pos=Keys((12, (500, 1500), "out"), (56, (500, 590), "drift"), (n - 8, (506, 582))), border=16, ip=12)
    card(m, "picture_2", pos=Keys((60, (1420, 1500), "out"), (104, (1420, 590), "drift"), (n - 8, (1414, 582))), border=16, ip=60)
    orange = rgba("#f29e4c")
    dots = []
    for k in range(9):
        s = k / 8
        x, y = 500 + 920 * s, 230 - 4 * 150 * s * (1 - s)
        t = 40 + 5 * k
        dots.append(group([ellipse(28, 28, (x, y + (8 if k % 2 else -8))), fill(orange)], opacity=Keys((t, 0), (t + 6, 100))))
    m.shapes("footprints", dots, ip=40)
    m.shapes("arrow", [group([path(bezier([(1384, 240), (1420, 258), (1394, 290)], closed=False)), stroke(orange, 5, cap=2)])],
             opacity=Keys((90, 0), (100, 100)), ip=90)
    return m, "双张横照", "今昔足迹"


def paper_cut_flower(r):
    """A red paper-cut flower: eight petals round a gold heart, turning."""
    red, gold = rgba("#d62828"), rgba("#f6c453")
    petals = [group([ellipse(r * 0.5, r, (0, -r * 0.55)), fill(red)], rot=45 * k) for k in range(8)]
    # The cut-outs: one hole in each petal, in the paper's light ground colour.
    holes = [ellipse(r * 0.16, r * 0.16, (r * 0.72 * math.sin(math.radians(45 * k)), -r * 0.72 * math.cos(math.radians(45 * k))))
             for k in range(8)]
    return petals + [group(holes + [fill(rgba("#fff1dc"))]), group([ellipse(r * 0.7, r * 0.7), fill(gold)]),
                     group([ellipse(r * 0.42, r * 0.42), fill(red)])]


def t_two_portraits_paper_cuts():
    """Two paper-cut flowers spin open and shrink to the corners, showing the two portraits."""
    n = 200
    slot = (540, 720, "shu")
    m = Movie("two_portraits_paper_cuts", n, [slot, slot])
    backdrop(m, "#fff1dc", "#f7d9a8")
    drifting_glows(m, [(CX, CY, 640, "#ffb85c", 0.3, 0, 0)], n)
    fading_start(m, 80, op=40, until=38)
    card(m, "picture_1", pos=Keys((20, (630, 530), "out"), (70, (630, 530), "drift"), (n - 8, (640, 524))),
         scale=Keys((20, 86, "out"), (70, 100)), opacity=Keys((20, 0, "soft"), (46, 100)), border=18, ip=20, frame_colour="#fff8e8")
    card(m, "picture_2", pos=Keys((30, (1290, 530), "out"), (80, (1290, 530), "drift"), (n - 8, (1280, 524))),
         scale=Keys((30, 86, "out"), (80, 100)), opacity=Keys((30, 0, "soft"), (56, 100)), border=18, ip=30, frame_colour="#fff8e8")
    for k, (start, end, t) in enumerate((((630, 530), (140, 140), 14), ((1290, 530), (1780, 940), 24)), start=1):
        m.shapes(f"paper_cut_{k}", paper_cut_flower(420), pos=Keys((t, start, "inout"), (t + 56, end, "drift"), (n - 1, end)),
                 scale=Keys((0, 0, "out"), (t, 100, "inout"), (t + 56, 26)), rot=Keys((0, 0, "inout"), (t + 56, 180 * (1 if k == 1 else -1), "linear"), (n - 1, 200 * (1 if k == 1 else -1))))
    return m, "双张竖照", "窗花迎春"


def closing():
    """Leaves the last picture: it shrinks to a framed print, then everything fades to black with
    a gold ornament that draws itself and fades last."""
    n = 100
    m = Movie("closing", n, [])
    m.shapes("black", [group([rect(W + 4, H + 4, (CX, CY)), fill(rgba("#000000"))])])
    m.shapes("dusk", [glow(CX, CY, 520, "#4a3a5e", 0.8)], opacity=Keys((0, 100), (60, 100), (92, 0)))
    holder = m.null("print", pos=(CX, CY), scale=Keys((0, 100, "inout"), (50, 62, "drift"), (80, 58)))
    m.shapes("print_frame", soft_shadow(W + 80, H + 80, spread=70, strength=0.6, offset=(0, 30)) +
             [group([rect(W + 80, H + 80), fill(rgba("#f6f1e7"))])], parent=holder,
             opacity=Keys((34, 100, "in"), (66, 0)), op=67)
    m.image("picture_0", parent=holder, opacity=Keys((34, 100, "in"), (66, 0)), op=67)
    gold = rgba("#d9b878")
    m.shapes("ornament", [group([ellipse(220, 220), trim(0, Keys((46, 0, "inout"), (80, 100))), stroke(gold, 2.5)], rot=-90),
                          group([path(diamond(0, 0, 22)), fill(gold)], scale=Keys((60, 0, "back"), (74, 100)),
                                rot=Keys((60, -90, "out"), (80, 0))),
                          group([path(bezier([(-130, 0), (-330, 0)], closed=False)), trim(0, Keys((62, 0, "out"), (84, 100))), stroke(gold, 2)]),
                          group([path(bezier([(130, 0), (330, 0)], closed=False)), trim(0, Keys((62, 0, "out"), (84, 100))), stroke(gold, 2)])],
             pos=(CX, CY), opacity=Keys((50, 0), (62, 100), (88, 100), (99, 0)), ip=50)
    return m


TEMPLATES = [
    ("01_heng_slow_push", t_slow_push, "温馨家庭"),
    ("02_heng_push_pan", t_push_pan, "旅行风光"),
    ("03_heng_slide_card", t_slide_card, "简约时尚"),
    ("04_heng_rotate_print", t_rotate_print, "浪漫婚礼"),
    ("05_heng_circle_reveal", t_circle_reveal, "旅行风光"),
    ("06_heng_doors", t_doors, "浪漫婚礼"),
    ("07_shu_elegant", t_portrait_elegant, "温馨家庭"),
    ("08_shu_panel", t_portrait_panel, "简约时尚"),
    ("09_shu_gold_frame", t_portrait_frame, "浪漫婚礼"),
    ("10_shu_echo", t_portrait_echo, "浪漫婚礼"),
    ("11_any_zoom_through", t_any_zoom_through, "旅行风光"),
    ("12_any_blinds", t_any_blinds, "简约时尚"),
    ("13_heng2_staggered", t_two_staggered, "温馨家庭"),
    ("14_heng2_side_by_side", t_two_side_by_side, "旅行风光"),
    ("15_shu2_tilted", t_two_portraits_tilted, "温馨家庭"),
    ("16_shu2_magazine", t_two_portraits_magazine, "简约时尚"),
    ("17_heng3_gallery", t_three_gallery, "旅行风光"),
    ("18_shu3_screens", t_three_screens, "简约时尚"),
    ("19_heng4_grid", t_four_grid, "温馨家庭"),
    ("20_mixed_heng_shu", t_mixed_pair, "浪漫婚礼"),
    ("21_heng_petals", t_petals, "浪漫婚礼"),
    ("22_shu_shutters", t_shutters, "简约时尚"),
    ("23_heng_confetti", t_confetti, "节日喜庆"),
    ("24_heng2_turning_cards", t_turning_cards, "温馨家庭"),
    ("25_shu_mosaic", t_mosaic, "简约时尚"),
    ("26_any_light_leak", t_light_leak, "旅行风光"),
    ("27_mixed_parallax", t_mixed_parallax, "旅行风光"),
    ("28_mixed_snow", t_mixed_snow, "节日喜庆"),
    ("29_mixed_book", t_mixed_book, "温馨家庭"),
    ("30_mixed_trio", t_mixed_trio, "温馨家庭"),
    ("31_heng_balloons", t_balloons, "成长时光"),
    ("32_shu_stars", t_stars, "成长时光"),
    ("33_heng2_lanterns", t_lanterns, "节日喜庆"),
    ("34_shu2_growth", t_growth, "成长时光"),
    ("35_heng_page_turn", t_page_turn, "温馨家庭"),
    ("36_shu_bokeh", t_bokeh_portrait, "浪漫婚礼"),
    ("37_heng_fireworks", t_fireworks, "节日喜庆"),
    ("38_mixed_gallery_wall", t_mixed_gallery_wall, "简约时尚"),
    ("39_shu_moon_festival", t_moon_festival, "节日喜庆"),
    ("40_heng3_growth_steps", t_growth_steps, "成长时光"),
    ("41_heng4_festival_grid", t_festival_grid, "节日喜庆"),
    ("42_any_diamond_window", t_any_diamond_window, "温馨家庭"),
    ("43_shu3_washing_line", t_three_portraits_line, "温馨家庭"),
    ("44_shu_postcard", t_postcard, "旅行风光"),
    ("45_heng4_film_strip", t_film_strip, "旅行风光"),
    ("46_heng4_lines", t_four_lines, "简约时尚"),
    ("47_any_heart_window", t_any_heart_window, "浪漫婚礼"),
    ("48_shu2_rings", t_two_portraits_rings, "浪漫婚礼"),
    ("49_heng3_fan", t_three_fan, "浪漫婚礼"),
    ("50_heng4_around_heart", t_four_around_heart, "浪漫婚礼"),
    ("51_any_curtain", t_any_curtain, "节日喜庆"),
    ("52_shu3_couplets", t_three_portraits_couplets, "节日喜庆"),
    ("53_any_chalkboard", t_any_chalkboard, "成长时光"),
    ("54_heng4_seasons", t_four_seasons, "成长时光"),
    ("55_mixed_paper_plane", t_mixed_paper_plane, "成长时光"),
    ("56_heng_travel_map", t_travel_map, "旅行风光"),
    ("57_heng_sunrise", t_sunrise, "成长时光"),
    ("58_shu_home", t_portrait_home, "温馨家庭"),
    ("59_heng2_footprints", t_two_footprints, "成长时光"),
    ("60_shu2_paper_cuts", t_two_portraits_paper_cuts, "节日喜庆"),
]
