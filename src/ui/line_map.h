#pragma once
// A map of the passes of both sides, drawn from what the two lists show, so
// that the operator sees where a pass lies before moving or renumbering it.

#include <QLabel>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QTreeWidget>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "commands/commands.h"
#include "core/program.h"

namespace swathkit {

// The fields each list shows, with whether each is selected.
ListedFields ListedInLists(const std::array<QTreeWidget*, 2>& lists);
// The passes the two lists show, with their selection and conflicts.
std::vector<MapPass> PassesShown(const Program& program, const std::array<QTreeWidget*, 2>& lists);

// A north-up piece of the ground drawn into a rectangle: the ground point at
// its middle and how many pixels (or points on paper) a metre takes.
struct MapFrame {
    LocalProjection Projection{GeoPoint{}};
    MetricPoint Centre;
    double Scale = 1;
    QRectF Area;

    QPointF ToScreen(GeoPoint point) const;
    GeoPoint ToGround(QPointF pixel) const;
    // The length the scale bar stands for, in metres: 1, 2 or 5 times a power of ten.
    double ScaleBarMetres() const;
};

// The frame that shows every pass inside area.
MapFrame FitPasses(const std::vector<MapPass>& passes, QRectF area);

// What the legend lists besides the sides: the sides the map may show.
struct MapLegend {
    std::array<bool, 3> Sides{};
};

// The passes with their labels, the legend, the scale bar and the north
// arrow, for the window and for the printed sheet alike.
void PaintMap(QPainter& painter, const MapFrame& frame, const std::vector<MapPass>& passes,
              const MapLegend& legend);

class LineMapView final : public QWidget {
    Q_OBJECT

  public:
    LineMapView(const Program& program, std::array<QTreeWidget*, 2> lists, QWidget* parent);

    // Reads the lists again; the view keeps its place unless it had nothing
    // to show before.
    void Reload();
    // Fits every pass into the view.
    void FitAll();

    // The passes of a backup drawn as a third set; none when null.
    void SetBackup(const CardImage* backup);

    const std::vector<MapPass>& Passes() const { return passes_; }
    // Where a place on the ground is drawn, in widget pixels.
    QPointF ToScreen(GeoPoint point) const { return frame_.ToScreen(point); }
    GeoPoint ToGround(QPointF pixel) const { return frame_.ToGround(pixel); }
    double PixelsPerMetre() const { return frame_.Scale; }
    // The length the scale bar stands for, in metres.
    double ScaleBarMetres() const { return frame_.ScaleBarMetres(); }

  signals:
    void PointerMoved(GeoPoint where);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    const Program& program_;
    std::array<QTreeWidget*, 2> lists_;
    std::optional<CardImage> backup_;
    std::vector<MapPass> passes_;
    MapFrame frame_;
    // Until the operator zooms or drags, the view keeps every pass in sight
    // through changes and resizes.
    bool moved_ = false;
    std::optional<QPointF> dragFrom_;
};

// The map's own resizable window.
class LineMapWindow final : public QWidget {
    Q_OBJECT

  public:
    LineMapWindow(const Program& program, std::array<QTreeWidget*, 2> lists,
                  QWidget* parent = nullptr);

    LineMapView* View() const { return view_; }
    void SetBackup(const CardImage* backup);
    // Draws again what the lists show.
    void Reload();

  private:
    void ShowPointer(GeoPoint where);
    void ShowCounts();

    const Program& program_;
    LineMapView* view_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* pointer_ = nullptr;
};

}  // namespace swathkit
