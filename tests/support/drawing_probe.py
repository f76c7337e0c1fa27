#!/usr/bin/env python3
"""Reads a drawing's DXF for the production drawing tests (Debian's ezdxf and shapely).

drawing_probe.py inserts FILE            INSERTs of the model space: name x y xscale yscale angle
drawing_probe.py texts FILE BLOCK        TEXTs of a block ("*" the model space): x y text
drawing_probe.py heights FILE BLOCK      TEXTs of a block with their height and angle: x y h angle text
drawing_probe.py entities FILE BLOCK     one line per entity: type, layer (and a polyline's vertex count)
drawing_probe.py hatch FILE BLOCK        "ok" when every layer-3 line of the block lies inside the
                                         polygon the block's layer-5 lines close, both ends on it
"""
import sys

import ezdxf


def layout(doc, block):
    return doc.modelspace() if block == "*" else doc.blocks.get(block)


def inserts(doc):
    for e in doc.modelspace().query("INSERT"):
        d = e.dxf
        print(f"{d.name} {d.insert.x:.6f} {d.insert.y:.6f} {d.xscale:.6f} {d.yscale:.6f} "
              f"{d.rotation:.6f}")


def texts(doc, block):
    for e in layout(doc, block).query("TEXT"):
        print(f"{e.dxf.insert.x:.4f} {e.dxf.insert.y:.4f} {e.dxf.text}")


def heights(doc, block):
    for e in layout(doc, block).query("TEXT"):
        d = e.dxf
        print(f"{d.insert.x:.4f} {d.insert.y:.4f} {d.height:.4f} {d.rotation:.4f} {d.text}")


def entities(doc, block):
    for e in layout(doc, block):
        extra = f" {len(e.vertices)}" if e.dxftype() == "POLYLINE" else ""
        print(f"{e.dxftype()} {e.dxf.layer}{extra}")


def lines(doc, block):
    for e in layout(doc, block):
        if e.dxftype() == "LINE":
            a, b = e.dxf.start, e.dxf.end
            print(f"{a.x:.4f} {a.y:.4f} {b.x:.4f} {b.y:.4f}")


def lines_on(entities, layer):
    """Straight lines of a layer, polylines taken apart."""
    out = []
    for e in entities:
        if e.dxf.layer != layer:
            continue
        if e.dxftype() == "LINE":
            out.append(((e.dxf.start.x, e.dxf.start.y), (e.dxf.end.x, e.dxf.end.y)))
        elif e.dxftype() == "POLYLINE":
            pts = [(v.dxf.location.x, v.dxf.location.y) for v in e.vertices]
            if e.is_closed and pts:
                pts.append(pts[0])
            out += list(zip(pts, pts[1:]))
    return out


def hatch(doc, block):
    from shapely.geometry import LineString, Point
    from shapely.ops import polygonize, unary_union

    entities = list(layout(doc, block))
    outline = lines_on(entities, "5")
    polygons = list(polygonize(unary_union([LineString(l) for l in outline])))
    if not polygons:
        print("no closed outline on layer 5")
        return
    area = max(polygons, key=lambda p: p.area)
    tol = 1e-6 * max(1.0, area.length)
    problems = []
    hatch_lines = [l for l in lines_on(entities, "3") if l[0] != l[1]]
    if not hatch_lines:
        problems.append("no hatch lines on layer 3")
    for a, b in hatch_lines:
        seg = LineString([a, b])
        if not area.buffer(tol).contains(seg):
            problems.append(f"outside: {a} {b}")
        for end in (a, b):
            if area.exterior.distance(Point(end)) > tol:
                problems.append(f"end not on the outline: {end}")
    print("\n".join(problems[:20]) if problems else "ok")


def main():
    what, path = sys.argv[1], sys.argv[2]
    # texts are written in the DOS code page, as the CAD text mode leaves them
    doc = ezdxf.readfile(path, encoding="cp437")
    if what == "inserts":
        inserts(doc)
    elif what == "texts":
        texts(doc, sys.argv[3])
    elif what == "heights":
        heights(doc, sys.argv[3])
    elif what == "entities":
        entities(doc, sys.argv[3])
    elif what == "lines":
        lines(doc, sys.argv[3])
    elif what == "hatch":
        hatch(doc, sys.argv[3])


if __name__ == "__main__":
    main()
