#pragma once
// A drawing on the screen, in a view that zooms and pans: its lines, outlines and circles in
// their layers' colours and pens (a printer pixel a screen pixel), its texts once they are large
// enough to read. Ctrl+wheel, + and - zoom about the cursor, dragging and the wheel pan, 0 fits
// the whole drawing and 1 shows it at true size. The designer's board and the check's plot.

#include <QWidget>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "layout/drawing.h"

namespace varnel {

// A drawing for the screen: the nominal metrics, and its words in the user's language.
class ScreenMeasure : public NominalMeasure {
  public:
    std::string words(const Message& message) const override;
    std::string numbers(std::string written) const override;
};

// Where a drawing stands in a widget: its point `origin` at the widget's top left corner,
// `scale` pixels to the drawing's unit.
struct ViewTransform {
    double scale = 1;
    Point origin;
    QPointF toScreen(const Point& p) const {
        return {(p.x - origin.x) * scale, (p.y - origin.y) * scale};
    }
    Point toDrawing(const QPointF& q) const {
        return {origin.x + q.x() / scale, origin.y + q.y() / scale};
    }
};

// The transform that shows the whole drawing in a widget of that size, 10 pixels clear of its
// edges; none for an empty drawing.
std::optional<ViewTransform> fitTransform(const Drawing& drawing, const QSizeF& size);

// Draws the drawing with the transform, leaving out the layers named.
void paintDrawing(QPainter& painter, const Drawing& drawing, const ViewTransform& view,
                  const std::set<std::string, std::less<>>& hiddenLayers = {});

class DrawingView : public QWidget {
  public:
    explicit DrawingView(QWidget* parent = nullptr);

    // A new drawing keeps the zoom and place, unless the view fits its drawing (at the start,
    // and after 0 until the next zoom or pan).
    void setDrawing(std::optional<Drawing> drawing);
    const std::optional<Drawing>& drawing() const { return m_drawing; }

    void fit();
    // True size on this screen, from its physical resolution.
    void showTrueSize();
    // Zooms by the factor, the drawing's point under `about` (widget pixels) staying there.
    void zoomBy(double factor, const QPointF& about);
    bool fitting() const { return m_fitting; }
    const ViewTransform& transform() const { return m_view; }

    // Shows or hides a layer by its name ("STRINGS").
    void setLayerShown(const std::string& layer, bool shown);

    // Told the drawing's point under the cursor, none when it leaves.
    void setHoverListener(std::function<void(std::optional<Point>)> listener) {
        m_hover = std::move(listener);
    }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void panBy(const QPointF& pixels);

    std::optional<Drawing> m_drawing;
    ViewTransform m_view;
    bool m_fitting = true;
    std::optional<QPointF> m_dragFrom;
    std::set<std::string, std::less<>> m_hidden;
    std::function<void(std::optional<Point>)> m_hover;
};

}  // namespace varnel
