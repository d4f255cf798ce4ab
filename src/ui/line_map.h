#pragma once
// A map of the passes of both sides, drawn from what the two lists show, so
// that the operator sees where a pass lies before moving or renumbering it.

#include <QLabel>
#include <QPointF>
#include <QTreeWidget>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "commands/commands.h"
#include "core/program.h"

namespace swathkit {

// The passes the two lists show, with their selection and conflicts.
std::vector<MapPass> PassesShown(const Program& program, const std::array<QTreeWidget*, 2>& lists);

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
    QPointF ToScreen(GeoPoint point) const;
    GeoPoint ToGround(QPointF pixel) const;
    double PixelsPerMetre() const { return scale_; }
    // The length the scale bar stands for, in metres.
    double ScaleBarMetres() const;

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
    void DrawPass(QPainter& painter, const MapPass& pass) const;
    void DrawScaleBar(QPainter& painter) const;
    void DrawNorthArrow(QPainter& painter) const;
    void DrawLegend(QPainter& painter) const;

    const Program& program_;
    std::array<QTreeWidget*, 2> lists_;
    std::optional<CardImage> backup_;
    std::vector<MapPass> passes_;
    LocalProjection projection_{GeoPoint{}};
    MetricPoint centre_;  // the ground point at the middle of the view
    double scale_ = 1;    // pixels per metre
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
