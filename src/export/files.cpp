#include "export/files.h"

#include <dxflib/dl_dxf.h>
#include <QFile>
#include <QSaveFile>
#include <QXmlStreamWriter>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "core/numtext.h"

namespace varnel {

namespace {

// The namespace in which vector editors read a group as a layer; plain SVG readers ignore it.
const QString kInkscapeNamespace = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");
constexpr double kMarginMm = 5;  // room around the drawing for its strokes and numbers

// The shortest decimal text that reads back as the same double.
QString shortestText(double value) {
    return QString::fromStdString(formatShortest(value));
}

// dxflib's ASCII writer with its group codes and values kept in memory: dxflib's own writer
// flushes the file after every line (some 1.4 s for the longest template) and formats reals
// with printf, in the user's locale. Reals are written as the shortest decimal that reads back
// the same double.
class MemoryDxfWriter : public DL_WriterA {
  public:
    MemoryDxfWriter() : DL_WriterA("/dev/null", DL_VERSION_2000) {}
    void dxfReal(int gc, double value) const override {
        std::string text = formatShortest(value);
        if (text.find_first_of(".eEn") == std::string::npos) text += ".0";  // "25.0", not "25"
        dxfString(gc, text);
    }
    void dxfInt(int gc, int value) const override { dxfString(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%0X", static_cast<unsigned>(value));
        dxfString(gc, buffer);
    }
    void dxfString(int gc, const char* value) const override { dxfString(gc, std::string(value)); }
    void dxfString(int gc, const std::string& value) const override {
        append(gc, value);
        if (!m_objects) return;
        // dxflib writes the objects without their owners, which a strict reader then has to
        // mend: each object is owned by the dictionary that lists it, the root by none.
        if (gc == 0) {
            m_object = value;
        } else if (gc == 5) {
            const auto owner = m_owners.find(value);
            append(330, owner == m_owners.end() ? "0" : owner->second);
            m_handle = value;
        } else if ((gc == 350 || gc == 360) && m_object.find("DICTIONARY") != std::string::npos) {
            m_owners.emplace(value, m_handle);
        }
    }
    // What follows is the OBJECTS section.
    void beginObjects() { m_objects = true; }
    const std::string& text() const { return m_text; }

  private:
    void append(int gc, const std::string& value) const {
        // Group codes right-aligned in three columns, as dxflib writes them.
        m_text += gc < 10 ? "  " : gc < 100 ? " " : "";
        m_text += std::to_string(gc);
        m_text += '\n';
        m_text += value;
        m_text += '\n';
    }
    mutable std::string m_text;
    bool m_objects = false;
    mutable std::string m_object;  // the type and handle of the object being written
    mutable std::string m_handle;
    mutable std::map<std::string, std::string> m_owners;  // handle -> its dictionary's handle
};

// An SVG drawing in its own unit (mm or in): width and height in that unit and a viewBox of the
// same box, so that one user unit is one millimetre (or inch).
class SvgDrawing {
  public:
    SvgDrawing(QByteArray& out, Units units, double left, double top, double width, double height)
        : m_xml(&out) {
        const QString unit = QString::fromLatin1(unitSymbol(units));
        m_xml.setAutoFormatting(true);
        m_xml.writeStartDocument();
        m_xml.writeStartElement(QStringLiteral("svg"));
        m_xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
        m_xml.writeNamespace(kInkscapeNamespace, QStringLiteral("inkscape"));
        m_xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
        m_xml.writeAttribute(QStringLiteral("width"), shortestText(width) + unit);
        m_xml.writeAttribute(QStringLiteral("height"), shortestText(height) + unit);
        m_xml.writeAttribute(QStringLiteral("viewBox"),
                             QStringLiteral("%1 %2 %3 %4")
                                 .arg(shortestText(left), shortestText(top), shortestText(width),
                                      shortestText(height)));
    }
    ~SvgDrawing() {
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    }
    QXmlStreamWriter& xml() { return m_xml; }

    // A closed outline and a circle, drawn without a fill.
    void polygon(const std::vector<Point>& points) {
        QString list;
        for (const Point& p : points) {
            if (!list.isEmpty()) list += QLatin1Char(' ');
            list += shortestText(p.x) + QLatin1Char(',') + shortestText(p.y);
        }
        m_xml.writeEmptyElement(QStringLiteral("polygon"));
        m_xml.writeAttribute(QStringLiteral("points"), list);
        m_xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    }
    void circle(const Point& centre, double diameter) {
        m_xml.writeEmptyElement(QStringLiteral("circle"));
        m_xml.writeAttribute(QStringLiteral("cx"), shortestText(centre.x));
        m_xml.writeAttribute(QStringLiteral("cy"), shortestText(centre.y));
        m_xml.writeAttribute(QStringLiteral("r"), shortestText(diameter / 2));
        m_xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    }
    // An arc as a path, clockwise on the page from its start angle to its end (a whole turn as
    // two halves: one arc command cannot end where it starts).
    void arc(const DrawingArc& arc) {
        const Point from = arc.at(arc.startDegrees);
        QString d =
            QStringLiteral("M ") + shortestText(from.x) + QLatin1Char(',') + shortestText(from.y);
        const double span = arc.endDegrees - arc.startDegrees;
        const int halves = span >= 360 ? 2 : 1;
        for (int k = 1; k <= halves; ++k) {
            const Point to = arc.at(arc.startDegrees + span * k / halves);
            d += QStringLiteral(" A %1 %1 0 %2 1 %3,%4")
                     .arg(shortestText(arc.radius),
                          span / halves > 180 ? QStringLiteral("1") : QStringLiteral("0"),
                          shortestText(to.x), shortestText(to.y));
        }
        m_xml.writeEmptyElement(QStringLiteral("path"));
        m_xml.writeAttribute(QStringLiteral("d"), d);
        m_xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    }
    void line(double x1, double y1, double x2, double y2) {
        m_xml.writeEmptyElement(QStringLiteral("line"));
        m_xml.writeAttribute(QStringLiteral("x1"), shortestText(x1));
        m_xml.writeAttribute(QStringLiteral("y1"), shortestText(y1));
        m_xml.writeAttribute(QStringLiteral("x2"), shortestText(x2));
        m_xml.writeAttribute(QStringLiteral("y2"), shortestText(y2));
    }
    // A layer's group: its lines stroked with its colour and pen, its texts filled with it.
    // Its id is the layer's name in lower case ("slots"), and a vector editor lists it as a
    // layer by its name ("SLOTS"); a dashed layer's dashes are those of the printed page.
    void beginGroup(const DrawingLayer& layer, const QString& colour, double strokeWidth,
                    Units units) {
        const QString name = QString::fromStdString(layer.name);
        m_xml.writeStartElement(QStringLiteral("g"));
        m_xml.writeAttribute(QStringLiteral("id"), name.toLower());
        m_xml.writeAttribute(kInkscapeNamespace, QStringLiteral("groupmode"),
                             QStringLiteral("layer"));
        m_xml.writeAttribute(kInkscapeNamespace, QStringLiteral("label"), name);
        m_xml.writeAttribute(QStringLiteral("stroke"), colour);
        m_xml.writeAttribute(QStringLiteral("stroke-width"), shortestText(strokeWidth));
        if (layer.dashed) {
            const double perMm = unitsPerMillimetre(units);
            m_xml.writeAttribute(QStringLiteral("stroke-dasharray"),
                                 shortestText(kDashMillimetres * perMm) + QLatin1Char(' ') +
                                     shortestText(kDashGapMillimetres * perMm));
        }
        m_xml.writeAttribute(QStringLiteral("fill"), colour);
        m_xml.writeAttribute(QStringLiteral("font-family"), QString::fromStdString(layer.face));
    }
    // A text with its baseline at y; drawn in the fill, without a stroke.
    void text(double x, double y, double size, const QString& text) {
        m_xml.writeStartElement(QStringLiteral("text"));
        m_xml.writeAttribute(QStringLiteral("x"), shortestText(x));
        m_xml.writeAttribute(QStringLiteral("y"), shortestText(y));
        m_xml.writeAttribute(QStringLiteral("font-size"), shortestText(size));
        m_xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("none"));
        m_xml.writeCharacters(text);
        m_xml.writeEndElement();
    }
    void endGroup() { m_xml.writeEndElement(); }

  private:
    QXmlStreamWriter m_xml;
};

}  // namespace

namespace {

// What a DXF drawing is drawn with: lines and texts on named layers.
struct DxfOut {
    DL_Dxf& dxf;
    DL_WriterA& writer;
    void line(const char* layer, double x1, double y1, double x2, double y2) {
        dxf.writeLine(writer, DL_LineData(x1, y1, 0, x2, y2, 0),
                      DL_Attributes(layer, 256, -1, "BYLAYER", 1.0));
    }
    void outline(const char* layer, const std::vector<Point>& points) {
        dxf.writePolyline(writer,
                          DL_PolylineData(static_cast<int>(points.size()), 0, 0, 1),  // closed
                          DL_Attributes(layer, 256, -1, "BYLAYER", 1.0));
        for (const Point& p : points) dxf.writeVertex(writer, DL_VertexData(p.x, p.y, 0, 0));
        dxf.writePolylineEnd(writer);
    }
    void circle(const char* layer, const Point& centre, double diameter) {
        dxf.writeCircle(writer, DL_CircleData(centre.x, centre.y, 0, diameter / 2),
                        DL_Attributes(layer, 256, -1, "BYLAYER", 1.0));
    }
    // An arc counter-clockwise from one angle to the other, in degrees, as DXF has them.
    void arc(const char* layer, const Point& centre, double radius, double startDegrees,
             double endDegrees) {
        dxf.writeArc(writer, DL_ArcData(centre.x, centre.y, 0, radius, startDegrees, endDegrees),
                     DL_Attributes(layer, 256, -1, "BYLAYER", 1.0));
    }
    void text(const char* layer, double x, double y, double height, const QString& text) {
        dxf.writeText(
            writer,
            DL_TextData(x, y, 0, x, y, 0, height, 1, 0, 0, 0, text.toStdString(), "Standard", 0),
            DL_Attributes(layer, 256, -1, "BYLAYER", 1.0));
    }
};

// A DXF drawing through dxflib: header with the units, the layers, then what `entities` draws.
QByteArray dxfDrawing(Units units, const std::vector<std::pair<const char*, int>>& layers,
                      const std::function<void(DxfOut&)>& entities) {
    DL_Dxf dxf;  // writes AutoCAD 2000 (AC1015), dxflib's default
    const auto dw = std::make_unique<MemoryDxfWriter>();
    dxf.writeHeader(*dw);
    dw->dxfString(9, "$INSUNITS");
    dw->dxfInt(70, units == Units::Inches ? 1 : 4);  // $INSUNITS: inches, millimetres
    dw->sectionEnd();
    dw->sectionTables();
    dxf.writeVPort(*dw);
    dw->tableLinetypes(3);
    dxf.writeLinetype(*dw, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
    dxf.writeLinetype(*dw, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
    dxf.writeLinetype(*dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
    dw->tableEnd();
    dw->tableLayers(static_cast<int>(layers.size()) + 1);
    dxf.writeLayer(*dw, DL_LayerData("0", 0),
                   DL_Attributes("", DL_Codes::black, 100, "CONTINUOUS", 1.0));
    for (const auto& [name, colour] : layers) {
        dxf.writeLayer(*dw, DL_LayerData(name, 0),
                       DL_Attributes("", colour, 100, "CONTINUOUS", 1.0));
    }
    dw->tableEnd();
    dw->tableStyle(1);
    // "Standard" by that name: dxflib keeps its handle for the dimension style, which otherwise
    // names a handle from uninitialised memory and makes every file differ.
    dxf.writeStyle(*dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw->tableEnd();
    dxf.writeView(*dw);
    dxf.writeUcs(*dw);
    dw->tableAppid(1);
    dxf.writeAppid(*dw, "ACAD");
    dw->tableEnd();
    dxf.writeDimStyle(*dw, 1, 1, 1, 1, 1);
    dxf.writeBlockRecord(*dw);
    dw->tableEnd();
    dw->sectionEnd();
    dw->sectionBlocks();
    for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(*dw, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(*dw, block);
    }
    dw->sectionEnd();
    dw->sectionEntities();
    DxfOut out{dxf, *dw};
    entities(out);
    dw->sectionEnd();
    dw->beginObjects();
    dxf.writeObjects(*dw);
    dxf.writeObjectsEnd(*dw);
    dw->dxfEOF();
    return QByteArray::fromStdString(dw->text());
}

}  // namespace

namespace {

// The DXF colour of a layer's: grey, cyan, red, blue, magenta, else black.
int dxfColour(const Colour& c) {
    const std::pair<Colour, int> known[] = {{{150, 150, 150}, DL_Codes::l_gray},
                                            {{0, 255, 255}, DL_Codes::cyan},
                                            {{255, 0, 0}, DL_Codes::red},
                                            {{0, 0, 255}, DL_Codes::blue},
                                            {{255, 0, 255}, DL_Codes::magenta}};
    for (const auto& [colour, code] : known) {
        if (c == colour) return code;
    }
    return DL_Codes::black;
}

QString svgColour(const Colour& c) {
    return QStringLiteral("#%1%2%3")
        .arg(c.red, 2, 16, QLatin1Char('0'))
        .arg(c.green, 2, 16, QLatin1Char('0'))
        .arg(c.blue, 2, 16, QLatin1Char('0'));
}

}  // namespace

QByteArray drawingDxf(const Drawing& drawing) {
    std::vector<std::pair<const char*, int>> layers;
    for (const DrawingLayer& layer : drawing.layers)
        layers.emplace_back(layer.name.c_str(), dxfColour(layer.colour));
    return dxfDrawing(drawing.units, layers, [&](DxfOut& out) {
        // y up: the drawing as the SVG and the pages show it, not its mirror image.
        const double up = drawing.yUp;
        const auto name = [&](std::size_t layer) { return drawing.layers[layer].name.c_str(); };
        const auto flipped = [up](const Point& p) { return Point{p.x, up - p.y}; };
        for (const DrawingLine& l : drawing.lines) {
            const Segment& g = l.segment;
            out.line(name(l.layer), g.from.x, up - g.from.y, g.to.x, up - g.to.y);
        }
        for (const DrawingOutline& o : drawing.outlines) {
            std::vector<Point> points;
            for (const Point& p : o.points) points.push_back(flipped(p));
            out.outline(name(o.layer), points);
        }
        for (const DrawingCircle& c : drawing.circles)
            out.circle(name(c.layer), flipped(c.centre), c.diameter);
        // Mirrored, a clockwise arc runs counter-clockwise between the negated angles.
        const auto turn = [](double degrees) {
            const double a = std::fmod(degrees, 360);
            return a < 0 ? a + 360 : a;
        };
        for (const DrawingArc& a : drawing.arcs) {
            if (a.endDegrees - a.startDegrees >= 360) {
                out.circle(name(a.layer), flipped(a.centre), 2 * a.radius);
            } else {
                out.arc(name(a.layer), flipped(a.centre), a.radius, turn(-a.endDegrees),
                        turn(-a.startDegrees));
            }
        }
        // A text's baseline one type size below its top.
        for (const DrawingText& t : drawing.texts) {
            const double size = pointsToUnit(t.points, drawing.units);
            out.text(drawing.layers[t.layer].name.c_str(), t.topLeft.x, up - (t.topLeft.y + size),
                     size, QString::fromStdString(t.text));
        }
    });
}

QByteArray drawingSvg(const Drawing& drawing) {
    const double perMm = unitsPerMillimetre(drawing.units);
    const double pixel = kPixelInches * lengthFactor(Units::Inches, drawing.units);
    const Extent e = extentOf(drawing);
    const double margin = kMarginMm * perMm;
    QByteArray out;
    {
        SvgDrawing svg(out, drawing.units, e.left - margin, e.top - margin,
                       e.right - e.left + 2 * margin, e.bottom - e.top + 2 * margin);
        if (!drawing.title.empty())
            svg.xml().writeTextElement(QStringLiteral("title"),
                                       QString::fromStdString(drawing.title));
        for (std::size_t i = 0; i < drawing.layers.size(); ++i) {
            const DrawingLayer& layer = drawing.layers[i];
            // One group a layer: its lines with the layer's pen, its texts in its face.
            // A cut layer's lines are hairlines.
            svg.beginGroup(layer, svgColour(layer.colour),
                           layer.cut ? kHairlineMm * perMm : layer.penPixels * pixel,
                           drawing.units);
            for (const DrawingLine& l : drawing.lines) {
                if (l.layer == i)
                    svg.line(l.segment.from.x, l.segment.from.y, l.segment.to.x, l.segment.to.y);
            }
            for (const DrawingOutline& o : drawing.outlines) {
                if (o.layer == i) svg.polygon(o.points);
            }
            for (const DrawingCircle& c : drawing.circles) {
                if (c.layer == i) svg.circle(c.centre, c.diameter);
            }
            for (const DrawingArc& a : drawing.arcs) {
                if (a.layer == i) svg.arc(a);
            }
            for (const DrawingText& t : drawing.texts) {
                if (t.layer == i) {
                    const double size = pointsToUnit(t.points, drawing.units);
                    svg.text(t.topLeft.x, t.topLeft.y + size, size, QString::fromStdString(t.text));
                }
            }
            svg.endGroup();
        }
    }
    return out;
}

bool saveBytes(const QString& fileName, const QByteArray& bytes, QString& error) {
    if (fileName == QLatin1String("-")) {
        QFile out;
        if (out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() &&
            out.flush()) {
            return true;
        }
        error = out.errorString();
        return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace varnel
