"""Reads a DXF file with ezdxf, a reader independent of the program, and prints what the tests
check as JSON: $INSUNITS, the fixes and errors of loading and auditing, the layers, the SLOTS and STRINGS lines, the NUMBERS
texts, how many lines, closed outlines and circles each layer holds, and every line, text,
outline and circle with its layer, and every arc (centre, radius, start and end points)."""
import json
import sys

import ezdxf
from ezdxf import recover

# What a strict reader has to mend on loading, then what its audit finds.
doc, recovered = recover.readfile(sys.argv[1])
auditor = doc.audit()
msp = doc.modelspace()


def entity(e):
    layer = e.dxf.layer
    kind = e.dxftype()
    if kind == "LINE":
        return [layer, e.dxf.start.x, e.dxf.start.y, e.dxf.end.x, e.dxf.end.y]
    if kind == "TEXT":
        return [layer, e.dxf.insert.x, e.dxf.insert.y, e.dxf.height, e.dxf.text]
    if kind == "LWPOLYLINE":
        points = [c for x, y, *_ in e.get_points() for c in (x, y)]
        return [layer, "outline" if e.closed else "open", points]
    return [layer, "circle", [e.dxf.center.x, e.dxf.center.y, 2 * e.dxf.radius]]


def count(kind):
    return {layer.dxf.name: len(msp.query('%s[layer=="%s"]' % (kind, layer.dxf.name)))
            for layer in doc.layers}


print(json.dumps({
    "insunits": doc.header.get("$INSUNITS"),
    "errors": len(auditor.errors),
    "fixes": len(recovered.fixes) + len(auditor.fixes),
    "layers": sorted(layer.dxf.name for layer in doc.layers),
    "slots": [[e.dxf.start.x, e.dxf.start.y, e.dxf.end.x, e.dxf.end.y]
              for e in msp.query('LINE[layer=="SLOTS"]')],
    "strings": [[e.dxf.start.x, e.dxf.start.y, e.dxf.end.x, e.dxf.end.y]
                for e in msp.query('LINE[layer=="STRINGS"]')],
    "numbers": len(msp.query('TEXT[layer=="NUMBERS"]')),
    "lines": count("LINE"),
    "outlines": count("LWPOLYLINE"),
    "circles": count("CIRCLE"),
    "arcs": [[e.dxf.layer, e.dxf.center.x, e.dxf.center.y, e.dxf.radius, e.start_point.x,
              e.start_point.y, e.end_point.x, e.end_point.y] for e in msp.query("ARC")],
    "entities": [entity(e) for e in msp
                 if e.dxftype() in ("LINE", "TEXT", "LWPOLYLINE", "CIRCLE")],
}))
