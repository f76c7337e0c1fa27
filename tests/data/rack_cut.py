#!/usr/bin/python3
"""Tooth forms from first principles, independent of the program's formulas.

Shaft: a gear blank (a sector of the tip circle) is cut by one tooth of the rack tool in a
few thousand rolling positions; what is left is the tooth. Hub: the tooth space bounded by the
involutes of the counter-rack's space width and the root circle, its corners rounded the way a
tool with the tip radius reaches them (opening by a disc of that radius).

Reads a JSON case on standard input; the outline to check is the right half of one tooth in
the frame with the tooth on the positive y axis (space centre first, tip last). Prints the
largest distances in mm between outline and cut boundary, both ways, per region.
"""
import json
import math
import sys

from shapely.geometry import LineString, Point, Polygon
from shapely.ops import unary_union


def arc_points(cx, cy, r, a0, a1, n):
    return [(cx + r * math.cos(a0 + (a1 - a0) * k / n), cy + r * math.sin(a0 + (a1 - a0) * k / n))
            for k in range(n + 1)]


def rack_tooth(c):
    """One tool tooth in rack coordinates (u along the pitch line, w depth into the gear)."""
    mn, a, ha, hf, rho, xe = c["mn"], math.radians(c["alpha_deg"]), c["haP0"], c["hfP0"], c["rho"], c["xe"]
    w_datum = -xe * mn            # the tooth is pi*mn/2 thick here
    w_tip = w_datum + ha
    w_root = w_datum - hf
    half_at = lambda w: math.pi * mn / 4 - (w - w_datum) * math.tan(a)
    # tip-rounding centre: rho from the tip line and from the flank
    wc = w_tip - rho
    uc = half_at(wc) - rho / math.cos(a)
    pts = [(-math.pi * mn / 2, w_root), (-half_at(w_root), w_root)]
    # left rounding from the flank tangent point to the tip
    left = arc_points(-uc, wc, rho, math.pi - a, math.pi / 2, 60)
    right = arc_points(uc, wc, rho, math.pi / 2, a, 60)
    pts += [(x, y) for x, y in left]
    pts += [(x, y) for x, y in right]
    pts += [(half_at(w_root), w_root), (math.pi * mn / 2, w_root),
            (math.pi * mn / 2, w_root - mn), (-math.pi * mn / 2, w_root - mn)]
    return pts


def shaft_cut(c):
    z, mn = c["z"], c["mn"]
    r = z * mn / 2
    ra = c["ra"]  # the blank: turned to the tip diameter
    rf = r - c["haP0"] + c["xe"] * mn
    half = math.pi / z
    # blank: sector of the tip circle around the right flank and the space beside it
    sector = [(0.0, 0.0)] + [(ra * math.sin(t), ra * math.cos(t))
                             for t in [-0.5 * half + 2.0 * half * k / 4000 for k in range(4001)]]
    blank = Polygon(sector)
    tooth = rack_tooth(c)
    reach = 1.3 * math.sqrt(max(ra * ra - rf * rf, 0.0)) / r + 0.05
    steps = c.get("positions", 4000)
    cuts = []
    for k in range(steps + 1):
        phi = -reach + 2 * reach * k / steps
        ang = half + phi        # the rack tooth cuts the space at angle pi/z
        P = (r * math.sin(ang), r * math.cos(ang))
        t = (math.cos(ang), -math.sin(ang))
        n = (math.sin(ang), math.cos(ang))
        cuts.append(Polygon([(P[0] + (u - r * phi) * t[0] - w * n[0],
                              P[1] + (u - r * phi) * t[1] - w * n[1]) for u, w in tooth]))
    return blank.difference(unary_union(cuts)), rf, ra


def involute_flank(rb, theta_b, r_from, r_to, n=4000):
    """Right flank of a tooth whose involute leaves the base circle at angle theta_b."""
    out = []
    t0 = math.sqrt(max(r_from * r_from / (rb * rb) - 1, 0.0))
    t1 = math.sqrt(max(r_to * r_to / (rb * rb) - 1, 0.0))
    for k in range(n + 1):
        tau = t0 + (t1 - t0) * k / n
        b = theta_b - tau
        out.append((rb * math.sin(b) + rb * tau * math.cos(b), rb * math.cos(b) - rb * tau * math.sin(b)))
    return out


def hub_cut(c):
    """The hub with its tooth on the positive y axis (radii positive)."""
    z, mn, a, xe, rho = c["z"], c["mn"], math.radians(c["alpha_deg"]), c["xe"], c["rho"]
    r = z * mn / 2
    rb = r * math.cos(a)
    rf = r + c["haP0"] - xe * mn        # the tool's tip reaches outwards
    ra = c["ra"]
    half = math.pi / z
    # space width on the pitch circle: the counter-rack's tooth there
    e = (math.pi / 2 - 2 * xe * math.tan(a)) * mn
    # the hub tooth widens outwards: its flank is the mirror of an external involute
    space_half_base = e / (2 * r) + (math.tan(a) - a)   # half space angle at the base circle
    # right flank of tooth 0 = left flank of the space centred at `half`
    theta_b = half - space_half_base
    # the space runs on inwards past the tip, so that the rounding only reaches its root corners
    inner = max(rb, ra - 2 * rho - 0.2 * mn)
    flank = involute_flank(rb, 0.0, inner, rf + 0.5, 3000)
    # mirror the external involute (which narrows outwards) into one that widens outwards
    right = []
    for x, y in flank:
        R, th = math.hypot(x, y), math.atan2(x, y)
        right.append((R * math.sin(theta_b - th), R * math.cos(theta_b - th)))
    left = [(R * math.sin(2 * half - math.atan2(x, y)), R * math.cos(2 * half - math.atan2(x, y)))
            for x, y in right for R in [math.hypot(x, y)]]
    # sharp space: between the flanks, inside the root circle
    wedge = Polygon([(0, 0)] + [(3 * rf * math.sin(t), 3 * rf * math.cos(t))
                                for t in [0.0, 2 * half]])
    root_disc = Point(0, 0).buffer(rf, resolution=4000)
    tip_disc = Point(0, 0).buffer(ra, resolution=4000)
    region = root_disc.difference(Point(0, 0).buffer(inner, resolution=4000))
    tooth0 = Polygon([(0, 0)] + right + [(0, 3 * rf)])
    tooth1 = Polygon([(0, 0)] + left + [(3 * rf * math.sin(2 * half), 3 * rf * math.cos(2 * half))])
    space = region.intersection(wedge).difference(tooth0.buffer(0)).difference(tooth1.buffer(0))
    rounded = space.buffer(-rho, resolution=256).buffer(rho, resolution=256)
    # the tooth side: what the rounded space leaves of the sector
    sector = Polygon([(0.0, 0.0)] + [(3 * rf * math.sin(t), 3 * rf * math.cos(t))
                                      for t in [-0.5 * half, 1.5 * half]]).intersection(
        Point(0, 0).buffer(rf + mn, resolution=2000)).difference(tip_disc)
    return sector.difference(rounded), rf, ra


def outline_samples(vertices):
    pts = []
    for i in range(len(vertices) - 1):
        x1, y1, b = vertices[i]
        x2, y2, _ = vertices[i + 1]
        n = 200
        if abs(b) < 1e-15:
            pts += [(x1 + (x2 - x1) * k / n, y1 + (y2 - y1) * k / n) for k in range(n)]
            continue
        c = math.hypot(x2 - x1, y2 - y1)
        mx, my = (x1 + x2) / 2, (y1 + y2) / 2
        d = (c / 2) / math.tan(b / 2)
        nx, ny = -(y2 - y1) / c, (x2 - x1) / c          # left of the chord
        cx, cy = mx + d * nx, my + d * ny
        rad = math.hypot(x1 - cx, y1 - cy)
        a0 = math.atan2(y1 - cy, x1 - cx)
        pts += [(cx + rad * math.cos(a0 + b * k / n), cy + rad * math.sin(a0 + b * k / n))
                for k in range(n)]
    pts.append(tuple(vertices[-1][:2]))
    return pts


def main():
    c = json.load(sys.stdin)
    cut, rf, ra = (hub_cut if c["kind"] == "hub" else shaft_cut)(c)
    half = math.pi / c["z"]
    samples = outline_samples(c["outline"])
    line = LineString(samples)
    boundary = cut.boundary
    split = c["split"]
    inner_is_fillet = c["kind"] != "hub"
    res = {"fillet": 0.0, "involute": 0.0, "root": 0.0, "back": 0.0}
    for x, y in samples:
        R = math.hypot(x, y)
        d = boundary.distance(Point(x, y))
        if abs(R - rf) < 1e-6 and math.atan2(x, y) > 0:
            key = "root"
        elif (R < split) == inner_is_fillet and abs(R - split) > 1e-9:
            key = "fillet"
        else:
            key = "involute"
        res[key] = max(res[key], d)
    # the cut boundary between tooth centre and space centre, away from the tip corner
    geoms = getattr(boundary, "geoms", [boundary])
    for g in geoms:
        for x, y in g.coords:
            R, th = math.hypot(x, y), math.atan2(x, y)
            if 0.0 <= th <= half * 0.999 and min(rf, ra) - 1e-9 <= R <= max(rf, ra) - 1e-9 \
                    and abs(R - ra) > 0.01:
                res["back"] = max(res["back"], line.distance(Point(x, y)))
    # tooth thickness of the cut on the reference circle
    r = c["z"] * c["mn"] / 2
    ring = Point(0, 0).buffer(r, resolution=20000).exterior
    hits = ring.intersection(cut.boundary)
    angles = [math.atan2(p.x, p.y) for p in getattr(hits, "geoms", [hits]) if not p.is_empty]
    inside = [t for t in angles if -0.4 * half < t < 0.999 * half]
    res["half_thickness_arc"] = r * min(inside, key=lambda t: abs(t)) if inside else None
    print(json.dumps(res))


if __name__ == "__main__":
    main()
