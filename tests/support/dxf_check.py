# Checks a DXF file with ezdxf for the tests: strict reading and audit, the layer table, and
# the geometry compared with a display list of the graphic window.
#   dxf_check.py audit FILE [--layers]     prints "ok" or the problems
#   dxf_check.py compare FILE LISTFILE     prints "ok" or the differences
import math
import sys

import ezdxf
from ezdxf.math import bulge_to_arc


def audit(path, layers):
    doc = ezdxf.readfile(path)  # raises on a structural fault
    auditor = doc.audit()
    problems = [f"error {e.code}: {e.message}" for e in auditor.errors]
    for fix in auditor.fixes:
        # ezdxf 0.18 reports this fix for every POLYLINE inside a BLOCK of an R12 file,
        # its own files included.
        if fix.code == 202 and fix.message.startswith("Deleted SEQEND("):
            continue
        problems.append(f"fix {fix.code}: {fix.message}")
    if layers:
        names = {layer.dxf.name for layer in doc.layers}
        used = set()
        for layout in [doc.modelspace()] + list(doc.blocks):
            for e in layout:
                used.add(e.dxf.layer)
        for name in sorted(used - names):
            problems.append(f"layer {name} not in the LAYER table")
    print("\n".join(problems) if problems else "ok")


def flatten(entities):
    """Lines, circles, arcs, texts and solids with inserts and polylines resolved."""
    out = []
    for e in entities:
        t = e.dxftype()
        if t == "INSERT":
            out += flatten(e.virtual_entities())
        elif t == "POLYLINE":
            pts = [(v.dxf.location.x, v.dxf.location.y, v.dxf.bulge) for v in e.vertices]
            if e.is_closed and pts:
                pts.append((pts[0][0], pts[0][1], 0))
            for (x1, y1, b), (x2, y2, _) in zip(pts, pts[1:]):
                if b == 0:
                    out.append(("line", x1, y1, x2, y2))
                else:
                    c, a1, a2, r = bulge_to_arc((x1, y1), (x2, y2), b)
                    out.append(arc(c.x, c.y, math.degrees(a1), math.degrees(a2), r))
        elif t == "LINE":
            s, e2 = e.dxf.start, e.dxf.end
            out.append(("line", s.x, s.y, e2.x, e2.y))
        elif t == "CIRCLE":
            out.append(("circle", e.dxf.center.x, e.dxf.center.y, e.dxf.radius))
        elif t == "ARC":
            out.append(arc(e.dxf.center.x, e.dxf.center.y, e.dxf.start_angle, e.dxf.end_angle,
                           e.dxf.radius))
        elif t == "TEXT":
            out.append(("text", e.dxf.insert.x, e.dxf.insert.y))
        elif t == "SOLID":
            v = [e.dxf.vtx0, e.dxf.vtx1, e.dxf.vtx3, e.dxf.vtx2]  # the outline 1-2-4-3
            out.append(("solid",) + tuple(c for p in v for c in (p.x, p.y)))
    return out


def arc(xc, yc, a1, a2, r):
    """An arc as the window records it: a chord below 4 degrees of sweep."""
    sweep = (math.fmod(a2 / 360, 1) - math.fmod(a1 / 360, 1)) * 360
    if sweep < 0:
        sweep += 360
    p1 = (xc + r * math.cos(math.radians(a1)), yc + r * math.sin(math.radians(a1)))
    p2 = (xc + r * math.cos(math.radians(a2)), yc + r * math.sin(math.radians(a2)))
    if abs(sweep) < 4:
        return ("line",) + p1 + p2
    return ("arc", xc, yc, r) + p1 + p2


def from_list(path):
    out = []
    for line in open(path, encoding="utf-8"):
        f = line.rstrip("\n").split(";")
        code = int(f[0])
        v = [float(x) for x in f[1:9]] if code in (3, 4, 5, 7) else []
        if code == 3:
            out.append(("circle", v[0], v[1], v[2]))
        elif code == 4:
            out.append(("line",) + tuple(v[:4]))
        elif code == 5:
            out.append(("arc", (v[0] + v[2]) / 2, (v[1] + v[3]) / 2, (v[2] - v[0]) / 2) +
                       tuple(v[4:8]))
        elif code == 6:
            out.append(("text", float(f[1]), float(f[2])))
        elif code == 7:
            out.append(("solid",) + tuple(v))
    return out


def arc_points(a):
    """An arc by its start, middle and end point: its centre is ill-conditioned when the arc is
    flat (a bulge written with six decimals moves the centre of a 5 degree arc by 0.5 um)."""
    _, xc, yc, r, x1, y1, x2, y2 = a
    a1 = math.atan2(y1 - yc, x1 - xc)
    a2 = math.atan2(y2 - yc, x2 - xc)
    sweep = (a2 - a1) % (2 * math.pi)
    mid = a1 + sweep / 2
    return ("arc", x1, y1, xc + r * math.cos(mid), yc + r * math.sin(mid), x2, y2)


def same(a, b):
    if a[0] != b[0] or len(a) != len(b):
        return False
    if a[0] == "arc":
        a, b = arc_points(a), arc_points(b)
    return all(abs(x - y) <= 2e-4 * max(1.0, abs(x)) for x, y in zip(a[1:], b[1:]))


def compare(path, listfile):
    dxf = flatten(ezdxf.readfile(path).modelspace())
    shown = from_list(listfile)
    missing = []
    for item in dxf:
        for i, s in enumerate(shown):
            if same(item, s):
                del shown[i]
                break
        else:
            missing.append(item)
    problems = [f"only in DXF: {m}" for m in missing]
    problems += [f"only on screen: {s}" for s in shown]
    print("\n".join(problems[:20]) if problems else "ok")


if __name__ == "__main__":
    if sys.argv[1] == "audit":
        audit(sys.argv[2], "--layers" in sys.argv)
    else:
        compare(sys.argv[2], sys.argv[3])
