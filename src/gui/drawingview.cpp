#include "gui/drawingview.h"

#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "text/localnumbers.h"
#include "text/translations.h"

namespace varnel {

std::string ScreenMeasure::words(const Message& message) const {
    return messageText(message).toStdString();
}

std::string ScreenMeasure::numbers(std::string written) const {
    return localDecimals(QString::fromStdString(written)).toStdString();
}

namespace {

constexpr double kMarginPixels = 10;
constexpr double kSmallestReadablePixels = 7;
constexpr double kZoomStep = 1.25;  // a key press or a wheel notch
// Far enough in or out for any board: a slot's width across the screen, or a whole bass.
constexpr double kMostPixelsPerMm = 400;
constexpr double kFewestPixelsPerMm = 0.01;

}  // namespace

std::optional<ViewTransform> fitTransform(const Drawing& drawing, const QSizeF& size) {
    // What is drawn, and the texts too: a label left of the lines or a line of numbers below
    // them stays in view (their widths are the screen's, their corners and heights the
    // drawing's).
    Extent e = extentOf(drawing);
    for (const DrawingText& t : drawing.texts) {
        e.left = std::min(e.left, t.topLeft.x);
        e.top = std::min(e.top, t.topLeft.y);
        e.bottom = std::max(e.bottom, t.topLeft.y + pointsToUnit(t.points, drawing.units));
    }
    if (!(e.right > e.left) || !(e.bottom > e.top)) return std::nullopt;
    const double scale =
        std::max(std::min((size.width() - 2 * kMarginPixels) / (e.right - e.left),
                          (size.height() - 2 * kMarginPixels) / (e.bottom - e.top)),
                 1e-9);
    // Centred in the widget.
    const double x = (e.left + e.right) / 2 - size.width() / 2 / scale;
    const double y = (e.top + e.bottom) / 2 - size.height() / 2 / scale;
    return ViewTransform{scale, {x, y}};
}

void paintDrawing(QPainter& painter, const Drawing& drawing, const ViewTransform& view,
                  const std::set<std::string, std::less<>>& hiddenLayers) {
    std::vector<bool> shown(drawing.layers.size());
    for (std::size_t i = 0; i < shown.size(); ++i)
        shown[i] = !hiddenLayers.contains(drawing.layers[i].name);
    const auto colour = [&](std::size_t layer) {
        const Colour& c = drawing.layers[layer].colour;
        return QColor(c.red, c.green, c.blue);
    };
    const auto pen = [&](std::size_t layer) {
        QPen p(colour(layer), drawing.layers[layer].penPixels);
        if (drawing.layers[layer].dashed) p.setStyle(Qt::DashLine);
        painter.setPen(p);
    };
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // What lies outside the widget is not drawn at all.
    const QRectF visible = QRectF(painter.viewport()).adjusted(-4, -4, 4, 4);
    for (const DrawingLine& line : drawing.lines) {
        if (!shown[line.layer]) continue;
        const QPointF a = view.toScreen(line.segment.from), b = view.toScreen(line.segment.to);
        if (!visible.intersects(QRectF(a, b).normalized().adjusted(-1, -1, 1, 1))) continue;
        pen(line.layer);
        painter.drawLine(a, b);
    }
    for (const DrawingOutline& outline : drawing.outlines) {
        if (!shown[outline.layer]) continue;
        QPolygonF polygon;
        for (const Point& p : outline.points) polygon << view.toScreen(p);
        if (!visible.intersects(polygon.boundingRect().adjusted(-1, -1, 1, 1))) continue;
        pen(outline.layer);
        painter.drawPolygon(polygon);
    }
    for (const DrawingCircle& c : drawing.circles) {
        if (!shown[c.layer]) continue;
        const double r = c.diameter / 2 * view.scale;
        const QPointF centre = view.toScreen(c.centre);
        if (!visible.intersects(QRectF(centre - QPointF(r, r), centre + QPointF(r, r)))) continue;
        pen(c.layer);
        painter.drawEllipse(centre, r, r);
    }
    for (const DrawingArc& arc : drawing.arcs) {
        if (!shown[arc.layer]) continue;
        const double r = arc.radius * view.scale;
        const QPointF centre = view.toScreen(arc.centre);
        const QRectF box(centre - QPointF(r, r), centre + QPointF(r, r));
        if (!visible.intersects(box)) continue;
        pen(arc.layer);
        // Qt counts angles counter-clockwise on the screen, the drawing clockwise.
        QPainterPath path;
        path.arcMoveTo(box, -arc.startDegrees);
        path.arcTo(box, -arc.startDegrees, -(arc.endDegrees - arc.startDegrees));
        painter.drawPath(path);
    }
    for (const DrawingText& text : drawing.texts) {
        if (!shown[text.layer]) continue;
        const double size = pointsToUnit(text.points, drawing.units) * view.scale;
        if (size < kSmallestReadablePixels) continue;
        // The text's box, by a generous em a character: for leaving out what cannot be seen;
        // the text itself is never cut at the box.
        const QRectF box(view.toScreen(text.topLeft),
                         QSizeF(size * static_cast<double>(text.text.size() + 1), size * 2));
        if (!visible.intersects(box)) continue;
        QFont font(QString::fromStdString(drawing.layers[text.layer].face));
        font.setPixelSize(std::max(1, static_cast<int>(size)));
        painter.setFont(font);
        painter.setPen(colour(text.layer));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         QString::fromStdString(text.text));
    }
}

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setCursor(Qt::OpenHandCursor);
}

void DrawingView::setDrawing(std::optional<Drawing> drawing) {
    m_drawing = std::move(drawing);
    if (m_fitting) fit();
    update();
}

void DrawingView::fit() {
    m_fitting = true;
    if (m_drawing) {
        if (const auto view = fitTransform(*m_drawing, size())) m_view = *view;
    }
    update();
}

void DrawingView::showTrueSize() {
    if (!m_drawing) return;
    const QScreen* shown = screen();
    const double pixelsPerMm =
        shown ? shown->physicalDotsPerInch() / kMillimetresPerInch : 96 / 25.4;
    const QPointF centre(width() / 2.0, height() / 2.0);
    const double factor = pixelsPerMm / unitsPerMillimetre(m_drawing->units) / m_view.scale;
    zoomBy(factor, centre);
}

void DrawingView::zoomBy(double factor, const QPointF& about) {
    if (!m_drawing) return;
    const double perMm = unitsPerMillimetre(m_drawing->units);
    const double scale =
        std::clamp(m_view.scale * factor, kFewestPixelsPerMm * perMm, kMostPixelsPerMm * perMm);
    const Point fixed = m_view.toDrawing(about);
    m_view.scale = scale;
    m_view.origin = {fixed.x - about.x() / scale, fixed.y - about.y() / scale};
    m_fitting = false;
    update();
}

void DrawingView::panBy(const QPointF& pixels) {
    m_view.origin.x -= pixels.x() / m_view.scale;
    m_view.origin.y -= pixels.y() / m_view.scale;
    m_fitting = false;
    update();
}

void DrawingView::setLayerShown(const std::string& layer, bool shown) {
    if (shown) {
        m_hidden.erase(layer);
    } else {
        m_hidden.insert(layer);
    }
    update();
}

void DrawingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_drawing) paintDrawing(painter, *m_drawing, m_view, m_hidden);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void DrawingView::resizeEvent(QResizeEvent*) {
    if (m_fitting) fit();
}

void DrawingView::wheelEvent(QWheelEvent* event) {
    const QPoint steps = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        zoomBy(std::pow(kZoomStep, steps.y() / 120.0), event->position());
    } else {
        // The wheel scrolls along the board (a horizontal wheel, or Shift, across it).
        const bool across = steps.x() != 0 && steps.y() == 0;
        const double pixels = (across ? steps.x() : steps.y()) / 120.0 * 40;
        panBy(event->modifiers() & Qt::ShiftModifier || across ? QPointF(0, pixels)
                                                               : QPointF(pixels, 0));
    }
    event->accept();
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    m_dragFrom = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragFrom) {
        panBy(event->position() - *m_dragFrom);
        m_dragFrom = event->position();
    }
    if (m_hover && m_drawing) m_hover(m_view.toDrawing(event->position()));
}

void DrawingView::mouseReleaseEvent(QMouseEvent*) {
    m_dragFrom.reset();
    setCursor(Qt::OpenHandCursor);
}

void DrawingView::mouseDoubleClickEvent(QMouseEvent* event) {
    zoomBy(2, event->position());
}

void DrawingView::keyPressEvent(QKeyEvent* event) {
    // About the cursor when it is over the view, else about its centre.
    const QPointF cursor = mapFromGlobal(QCursor::pos());
    const QPointF centre =
        rect().contains(cursor.toPoint()) ? cursor : QPointF(width() / 2.0, height() / 2.0);
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomBy(kZoomStep, centre);
            break;
        case Qt::Key_Minus:
            zoomBy(1 / kZoomStep, centre);
            break;
        case Qt::Key_0:
            fit();
            break;
        case Qt::Key_1:
            showTrueSize();
            break;
        case Qt::Key_Left:
            panBy({40, 0});
            break;
        case Qt::Key_Right:
            panBy({-40, 0});
            break;
        case Qt::Key_Up:
            panBy({0, 40});
            break;
        case Qt::Key_Down:
            panBy({0, -40});
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void DrawingView::leaveEvent(QEvent*) {
    if (m_hover) m_hover(std::nullopt);
}

}  // namespace varnel
