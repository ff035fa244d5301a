"""Reads a DXF file with ezdxf, a reader independent of the program, and prints what the tests
check as JSON: $INSUNITS, the audit's errors, the layers, the SLOTS and STRINGS lines, the NUMBERS
texts, and every line and text with its layer."""
import json
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
msp = doc.modelspace()
print(json.dumps({
    "insunits": doc.header.get("$INSUNITS"),
    "errors": len(auditor.errors),
    "layers": sorted(layer.dxf.name for layer in doc.layers),
    "slots": [[e.dxf.start.x, e.dxf.start.y, e.dxf.end.x, e.dxf.end.y]
              for e in msp.query('LINE[layer=="SLOTS"]')],
    "strings": [[e.dxf.start.x, e.dxf.start.y, e.dxf.end.x, e.dxf.end.y]
                for e in msp.query('LINE[layer=="STRINGS"]')],
    "numbers": len(msp.query('TEXT[layer=="NUMBERS"]')),
    "lines": {layer.dxf.name: len(msp.query('LINE[layer=="%s"]' % layer.dxf.name))
              for layer in doc.layers},
    "entities": [[e.dxf.layer, e.dxf.start.x, e.dxf.start.y, e.dxf.end.x, e.dxf.end.y]
                 if e.dxftype() == "LINE" else
                 [e.dxf.layer, e.dxf.insert.x, e.dxf.insert.y, e.dxf.height, e.dxf.text]
                 for e in msp if e.dxftype() in ("LINE", "TEXT")],
}))
