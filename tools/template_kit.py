"""The pieces the template designs are built from: easing, animated values, shape items, the
movie with its layers, and design pieces shared by many templates (cards, backdrops, lights,
ornaments).

The movies are Lottie animations, 1920 x 1080 at 25 frames per second. The start picture is
image asset "picture_0" (the previous template's last frame, at ../../pic/), slot k is asset
"picture_k" beside the movie, drawn into a box of exactly the slot's pixel size. The engine that
plays them draws layers, parenting, shape groups, solid and gradient fills, strokes, trim paths
and masks; it has no text, effects, expressions or blend modes, so none are used here. A colour's
alpha is not read by the engine: fills and strokes fade through their opacity. Every frame stays
cheap: few large gradient fills, masks only while a reveal runs, and layers end (op) once they
are hidden.
"""

W, H = 1920, 1080
FPS = 25
CX, CY = W / 2, H / 2
MARKER = "l_x_z_f_c=l_x_z_f_c_s_y_w_j"

# ---------------------------------------------------------------------------------------------
# Easing: cubic Bezier control points (x1, y1, x2, y2), as CSS writes them.

EASES = {
    "linear": (0.0, 0.0, 1.0, 1.0),
    "inout": (0.65, 0.0, 0.35, 1.0),      # calm start and landing
    "out": (0.22, 1.0, 0.36, 1.0),        # fast start, long soft landing
    "in": (0.55, 0.0, 1.0, 0.45),         # leaves slowly, then goes
    "soft": (0.40, 0.0, 0.20, 1.0),       # gentle general purpose
    "back": (0.34, 1.45, 0.64, 1.0),      # small overshoot, settles
    "drift": (0.30, 0.0, 0.25, 1.0),      # long slow camera moves
}


def _as_list(value):
    return list(value) if isinstance(value, (list, tuple)) else [value]


class Keys:
    """An animated value: keys (frame, value[, ease of the segment that starts here])."""

    def __init__(self, *keys):
        if not all(isinstance(k, tuple) and len(k) in (2, 3) for k in keys):
            raise ValueError(f"bad keys {keys!r}")
        self.keys = sorted(keys, key=lambda k: k[0])

    def lottie(self, convert):
        out = []
        for n, key in enumerate(self.keys):
            frame, value = key[0], key[1]
            ease = key[2] if len(key) > 2 else "inout"
            item = {"t": frame, "s": convert(value)}
            if n + 1 < len(self.keys):
                if ease == "hold":
                    item["h"] = 1
                else:
                    x1, y1, x2, y2 = EASES[ease]
                    item["o"] = {"x": [x1], "y": [y1]}
                    item["i"] = {"x": [x2], "y": [y2]}
            out.append(item)
        return {"a": 1, "k": out}


def prop(value, convert=_as_list):
    if isinstance(value, Keys):
        return value.lottie(convert)
    static = convert(value)
    # A static one-dimensional value must be a plain number: the engine misreads [v].
    if isinstance(static, list) and len(static) == 1:
        static = static[0]
    return {"a": 0, "k": static}


def _point(v):
    return [round(v[0], 2), round(v[1], 2), 0]


def _scale(v):
    if isinstance(v, (list, tuple)):
        return [round(v[0], 3), round(v[1], 3), 100]
    return [round(v, 3), round(v, 3), 100]


def _scalar(v):
    return [round(v, 3)]


def _pair(v):
    return [round(v[0], 2), round(v[1], 2)]


def transform(anchor=(0, 0), pos=(0, 0), scale=100, rot=0, opacity=100):
    return {
        "a": prop(anchor, _point),
        "p": prop(pos, _point),
        "s": prop(scale, _scale),
        "r": prop(rot, _scalar),
        "o": prop(opacity, _scalar),
    }


def rgba(hex_colour, alpha=1.0):
    h = hex_colour.lstrip("#")
    return [round(int(h[i:i + 2], 16) / 255, 4) for i in (0, 2, 4)] + [alpha]


# ---------------------------------------------------------------------------------------------
# Shape items.

def rect(w, h, pos=(0, 0), radius=0):
    return {"ty": "rc", "d": 1, "s": prop((w, h), _pair), "p": prop(pos, _pair),
            "r": prop(radius, lambda v: v)}


def ellipse(w, h, pos=(0, 0)):
    return {"ty": "el", "d": 1, "s": prop((w, h), _pair), "p": prop(pos, _pair)}


def bezier(points, closed=True, tangents=None):
    """A path through points; tangents gives (in, out) offsets per point (default: corners)."""
    tangents = tangents or [((0, 0), (0, 0))] * len(points)
    return {"c": closed, "v": [list(map(float, p)) for p in points],
            "i": [list(map(float, t[0])) for t in tangents],
            "o": [list(map(float, t[1])) for t in tangents]}


def path(shape):
    if isinstance(shape, Keys):
        return {"ty": "sh", "ks": shape.lottie(lambda v: [v])}
    return {"ty": "sh", "ks": {"a": 0, "k": shape}}


def fill(colour, opacity=100):
    return {"ty": "fl", "c": prop(colour, lambda v: v), "o": prop(opacity, _scalar), "r": 1}


def stroke(colour, width, opacity=100, cap=2, join=2):
    return {"ty": "st", "c": prop(colour, lambda v: v), "o": prop(opacity, _scalar),
            "w": prop(width, _scalar), "lc": cap, "lj": join, "ml": 4}


def gradient(stops, start, end, radial=False, opacity=100):
    """A gradient fill; stops: (offset, "#rrggbb", alpha)."""
    colours, alphas = [], []
    for offset, colour, alpha in stops:
        colours += [offset] + rgba(colour)[:3]
        alphas += [offset, alpha]
    return {"ty": "gf", "o": prop(opacity, _scalar), "r": 1,
            "g": {"p": len(stops), "k": {"a": 0, "k": colours + alphas}},
            "s": prop(start, _pair), "e": prop(end, _pair), "t": 2 if radial else 1,
            "h": {"a": 0, "k": 0}, "a": {"a": 0, "k": 0}}


def trim(start=0, end=100):
    return {"ty": "tm", "s": prop(start, _scalar), "e": prop(end, _scalar), "o": prop(0, _scalar), "m": 1}


def group(items, pos=(0, 0), anchor=(0, 0), scale=100, rot=0, opacity=100):
    tr = {"ty": "tr", **transform(anchor, pos, scale, rot, opacity)}
    return {"ty": "gr", "it": list(items) + [tr]}


def stack(items, pos=(0, 0), anchor=(0, 0), scale=100, rot=0, opacity=100):
    """A group of parts listed bottom first, as a movie's layers are (a group lists them top first)."""
    return group(list(reversed(items)), pos, anchor, scale, rot, opacity)


def circle_path(cx, cy, r):
    k = r * 0.5523
    return bezier([(cx, cy - r), (cx + r, cy), (cx, cy + r), (cx - r, cy)],
                  tangents=[((-k, 0), (k, 0)), ((0, -k), (0, k)), ((k, 0), (-k, 0)), ((0, k), (0, -k))])


def rect_path(x, y, w, h):
    return bezier([(x, y), (x + w, y), (x + w, y + h), (x, y + h)])


# ---------------------------------------------------------------------------------------------
# Movies and layers.

class Movie:
    """Layers are added from the bottom up; the file lists them top first, as Lottie does."""

    def __init__(self, name, frames, slots):
        self.name, self.frames, self.slots = name, frames, slots
        self.layers = []

    def _add(self, content, name, ip, op, parent, ks):
        # The engine reads a layer's keys in one pass: the type and the timing must come before
        # the contents and the transform, or the layer draws nothing.
        layer = {"ddd": 0, "ind": len(self.layers) + 1, "ty": content.pop("ty"), "nm": name}
        if parent is not None:
            layer["parent"] = parent["ind"]
        layer.update({"sr": 1, "ip": ip, "op": self.frames if op is None else op, "st": 0, "bm": 0})
        layer.update(content)
        layer["ks"] = ks
        self.layers.append(layer)
        return layer

    def image(self, ref, ip=0, op=None, parent=None, masks=None, **tr):
        """Image layer of asset `ref`; its anchor defaults to the box centre."""
        w, h = self.asset_size(ref)
        tr.setdefault("anchor", (w / 2, h / 2))
        tr.setdefault("pos", (0, 0) if parent else (CX, CY))
        layer = {"ty": 2, "refId": ref}
        if masks:
            layer["hasMask"] = True
            layer["masksProperties"] = masks
        return self._add(layer, ref, ip, op, parent, transform(**tr))

    def shapes(self, name, items, ip=0, op=None, parent=None, **tr):
        """Shape layer; items are given bottom first (Lottie lists the topmost first)."""
        return self._add({"ty": 4, "shapes": list(reversed(items))}, name, ip, op, parent, transform(**tr))

    def null(self, name, ip=0, op=None, parent=None, **tr):
        return self._add({"ty": 3}, name, ip, op, parent, transform(**tr))

    def asset_size(self, ref):
        if ref == "picture_0":
            return W, H
        w, h, _ = self.slots[int(ref.split("_")[1]) - 1]
        return (W, H) if w == 0 else (w, h)

    def lottie(self):
        assets = [{"id": "picture_0", "w": W, "h": H, "u": "../../pic/", "p": "picture_0.rar", "e": 0}]
        for k in range(1, len(self.slots) + 1):
            w, h = self.asset_size(f"picture_{k}")
            assets.append({"id": f"picture_{k}", "w": w, "h": h, "u": "", "p": f"picture_{k}.rar", "e": 0})
        return {"v": "5.7.4", "fr": FPS, "ip": 0, "op": self.frames, "w": W, "h": H, "nm": self.name,
                "ddd": 0, "assets": assets, "layers": list(reversed(self.layers)),
                "markers": [{"tm": 0, "cm": MARKER, "dr": 0}]}


def mask(shape):
    """An adding mask: the layer shows only inside the shape."""
    return {"inv": False, "mode": "a", "pt": shape.lottie(lambda v: v) if isinstance(shape, Keys)
            else {"a": 0, "k": shape}, "o": {"a": 0, "k": 100}, "x": {"a": 0, "k": 0}, "nm": "mask"}


# ---------------------------------------------------------------------------------------------
# Design pieces shared by the templates.

def soft_shadow(w, h, spread=46, strength=0.42, offset=(0, 16)):
    """A soft drop shadow around a w x h box centred on `offset`, as a blur would draw it: four
    bands fading outwards and four corner quarter-discs. The box itself is left clear, since a
    card covers it; eight small gradient fills stay cheap even when the card turns."""
    ox, oy = offset
    left, right, top, bottom = ox - w / 2, ox + w / 2, oy - h / 2, oy + h / 2
    dark, clear = ("#000000", strength), ("#000000", 0)
    stops = [(0, *dark), (0.5, "#000000", strength * 0.3), (1, *clear)]
    items = []
    for (x, y, bw, bh, start, end) in (
            (left, top - spread, w, spread, (0, top), (0, top - spread)),            # top band
            (left, bottom, w, spread, (0, bottom), (0, bottom + spread)),            # bottom band
            (left - spread, top, spread, h, (left, 0), (left - spread, 0)),          # left band
            (right, top, spread, h, (right, 0), (right + spread, 0))):               # right band
        items.append(group([rect(bw, bh, (x + bw / 2, y + bh / 2)), gradient(stops, start, end)]))
    for cx, cy, sx, sy in ((left, top, -1, -1), (right, top, 1, -1), (right, bottom, 1, 1), (left, bottom, -1, 1)):
        items.append(group([rect(spread, spread, (cx + sx * spread / 2, cy + sy * spread / 2)),
                            gradient(stops, (cx, cy), (cx + spread, cy), radial=True)]))
    return items


def card(movie, ref, pos, scale=100, rot=0, opacity=100, border=24, bottom=None, ip=0, op=None,
         shadow=0.42, frame_colour="#ffffff", parent=None):
    """A photo print: shadow, border and photo moving together under one null layer."""
    w, h = movie.asset_size(ref)
    bottom = border if bottom is None else bottom
    bw, bh = w + 2 * border, h + border + bottom
    dy = (bottom - border) / 2
    holder = movie.null(f"{ref}_card", ip=ip, op=op, parent=parent, pos=pos, scale=scale, rot=rot)
    items = []
    if shadow:
        items += soft_shadow(bw, bh, strength=shadow, offset=(0, dy + 14))
    items.append(group([rect(bw, bh, (0, dy), 3), fill(rgba(frame_colour))]))
    movie.shapes(f"{ref}_frame", items, ip=ip, op=op, parent=holder, opacity=opacity)
    movie.image(ref, ip=ip, op=op, parent=holder, opacity=opacity)
    return holder


def backdrop(movie, top, bottom, ip=0, op=None, angle_end=(W, H), opacity=100, middle=None):
    """A full-screen linear gradient from the top-left corner towards angle_end."""
    stops = [(0, top, 1)] + ([(0.5, middle, 1)] if middle else []) + [(1, bottom, 1)]
    return movie.shapes("backdrop", [group([rect(W + 4, H + 4, (CX, CY)), gradient(stops, (0, 0), angle_end)])],
                        ip=ip, op=op, opacity=opacity)


def glow(cx, cy, r, colour, alpha):
    """A soft light: a disc whose colour fades out towards its rim."""
    return group([ellipse(2 * r, 2 * r, (cx, cy)),
                  gradient([(0, colour, alpha), (0.55, colour, alpha * 0.45), (1, colour, 0)],
                           (cx, cy), (cx + r, cy), radial=True)])


def drifting_glows(movie, specs, frames, ip=0, opacity=100, name="glows"):
    """Soft lights, each drifting by (dx, dy) over the movie: specs (x, y, r, colour, alpha, dx, dy)."""
    layer_items = []
    for x, y, r, colour, alpha, dx, dy in specs:
        layer_items.append(group([glow(0, 0, r, colour, alpha)],
                                 pos=Keys((ip, (x, y), "linear"), (frames - 1, (x + dx, y + dy)))))
    return movie.shapes(name, layer_items, ip=ip, opacity=opacity)


def start_picture(movie, op, **tr):
    """The start picture: the previous template's last frame, full screen."""
    return movie.image("picture_0", ip=0, op=op, **tr)


def fading_start(movie, scale_to, op, until):
    """The start picture scaling to `scale_to` and fading out by frame `until`."""
    return start_picture(movie, op=op, scale=Keys((0, 100, "in"), (until, scale_to)), opacity=Keys((0, 100, "in"), (until, 0)))


def diamond(cx, cy, r):
    return bezier([(cx, cy - r), (cx + r, cy), (cx, cy + r), (cx - r, cy)])


def ornament_line(cx, cy, half, colour, t0, t1, width=2.2, gap=34, dot=5):
    """A thin line with a diamond in its middle, drawn outwards from the centre."""
    grow = Keys((t0, 0, "out"), (t1, 100))
    left = group([path(bezier([(cx - gap, cy), (cx - gap - half, cy)], closed=False)),
                  trim(0, grow), stroke(colour, width)])
    right = group([path(bezier([(cx + gap, cy), (cx + gap + half, cy)], closed=False)),
                   trim(0, grow), stroke(colour, width)])
    centre = group([path(diamond(0, 0, gap * 0.45)), fill(colour)], pos=(cx, cy),
                   scale=Keys((t0, 0, "back"), (t0 + 12, 100)), rot=Keys((t0, -90, "out"), (t1, 0)))
    dots = group([ellipse(2 * dot, 2 * dot, (cx - gap - half - 12, cy)),
                  ellipse(2 * dot, 2 * dot, (cx + gap + half + 12, cy)), fill(colour)],
                 opacity=Keys((t1 - 6, 0), (t1 + 6, 100)))
    return [left, right, centre, dots]


def corner_marks(box, colour, length, t0, t1, width=3):
    """L-shaped marks on the four corners of box (x, y, w, h), drawn in from the corners."""
    x, y, w, h = box
    items = []
    for cx, cy, sx, sy in ((x, y, 1, 1), (x + w, y, -1, 1), (x + w, y + h, -1, -1), (x, y + h, 1, -1)):
        items.append(group([path(bezier([(cx, cy + sy * length), (cx, cy), (cx + sx * length, cy)], closed=False)),
                            trim(Keys((t0, 50, "out"), (t1, 0)), Keys((t0, 50, "out"), (t1, 100))),
                            stroke(colour, width, cap=1, join=1)]))
    return items


def frame_lines(box, colour, t0, t1, width=2, opacity=100):
    """A rectangle outline that draws itself around box (x, y, w, h)."""
    x, y, w, h = box
    return group([rect(w, h, (x + w / 2, y + h / 2)),
                  trim(0, Keys((t0, 0, "inout"), (t1, 100))), stroke(colour, width, opacity)])


def edge_shade(alpha=0.55, depth=260, colour="#000000"):
    """Darkening bands along the top and bottom edges: a cheap vignette."""
    return [group([rect(W + 4, depth, (CX, depth / 2)),
                   gradient([(0, colour, alpha), (1, colour, 0)], (0, 0), (0, depth))]),
            group([rect(W + 4, depth, (CX, H - depth / 2)),
                   gradient([(0, colour, 0), (1, colour, alpha)], (0, H - depth), (0, H))])]


def bokeh(specs, frames, colour="#ffffff"):
    """Small rising light dots: specs (x, y, r, alpha, rise)."""
    items = []
    for x, y, r, alpha, rise in specs:
        items.append(group([glow(0, 0, r, colour, alpha)],
                           pos=Keys((0, (x, y), "linear"), (frames - 1, (x, y - rise)))))
    return items
