#!/usr/bin/env python3
"""Designs the shipped template movies and writes their readable sources.

Run at design time, not by the build:

    python3 tools/template_designer.py [DATA_TEMPLATES_DIR]

For every template it writes DATA_TEMPLATES_DIR/<NN_name>/template.ini and movie.json, and the
closing movie DATA_TEMPLATES_DIR/closing/movie.json (default: data/templates beside this tool).
Folders of earlier runs whose names no longer exist are removed, so the set on disk is exactly
the set TEMPLATES lists; the catalogue lists the folders in byte order of their names.

The designs are in template_designs.py, written with the pieces of template_kit.py (which
also says what the engine that plays the movies can draw).
"""

import json
import os
import shutil
import sys

from template_designs import TEMPLATES, closing


# ---------------------------------------------------------------------------------------------
# Output.

def ini_text(movie, kind, category, collection):
    def slot_list(values):
        return "|" + "|".join(str(v) for v in values) + "|"
    return "\n".join([
        "[l_x_w_j_s_y]",
        "l_x_w_j_s_y=s_y_l_x",
        "",
        "[1]",
        f"mblx={kind}",
        f"mbfl={category}",
        f"xpsl={len(movie.slots)}",
        "xpkd=" + slot_list(s[0] for s in movie.slots),
        "xpgd=" + slot_list(s[1] for s in movie.slots),
        "szhz=" + slot_list(s[2] for s in movie.slots),
        "xpjpgmc=" + slot_list(f"picture_{k}" for k in range(1, len(movie.slots) + 1)),
        f"mbdx={movie.frames}",
        f"mbxl={collection}",
        "",
    ])


def compact_json(value, indent=0):
    """JSON with one property per line, short lists and keyframes kept on one line."""
    pad = " " * indent
    flat = json.dumps(value, ensure_ascii=False, separators=(",", ":"))
    if len(flat) <= 100 or not isinstance(value, (dict, list)):
        return flat
    inner = " " * (indent + 1)
    if isinstance(value, dict):
        rows = [f"{inner}{json.dumps(k)}:{compact_json(v, indent + 1)}" for k, v in value.items()]
        return "{\n" + ",\n".join(rows) + "\n" + pad + "}"
    rows = [inner + compact_json(v, indent + 1) for v in value]
    return "[\n" + ",\n".join(rows) + "\n" + pad + "]"


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def check(movie):
    if not 100 <= movie.frames <= 250:
        raise SystemExit(f"{movie.name}: {movie.frames} frames, outside 100 to 250")
    for layer in movie.layers:
        if layer["ty"] in (5,) or "ef" in layer:
            raise SystemExit(f"{movie.name}: layer {layer['nm']} uses a feature the player lacks")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "templates")
    out = os.path.abspath(out)
    wanted = {name for name, _, _ in TEMPLATES} | {"closing"}
    if os.path.isdir(out):
        for entry in os.listdir(out):
            full = os.path.join(out, entry)
            if entry not in wanted and os.path.isfile(os.path.join(full, "template.ini")):
                shutil.rmtree(full)
    for name, design, collection in TEMPLATES:
        movie, kind, category = design()
        movie.name = name
        check(movie)
        write(os.path.join(out, name, "template.ini"), ini_text(movie, kind, category, collection))
        write(os.path.join(out, name, "movie.json"), compact_json(movie.lottie()) + "\n")
    ending = closing()
    write(os.path.join(out, "closing", "movie.json"), compact_json(ending.lottie()) + "\n")
    print(f"{len(TEMPLATES)} templates and the closing movie written to {out}")


if __name__ == "__main__":
    main()
