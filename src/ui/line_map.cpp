#include "ui/line_map.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "commands/commands.h"
#include "core/number_text.h"
#include "display/map_style.h"
#include "ui/language.h"
#include "ui/list_follow.h"
#include "ui/qt_ports.h"

namespace swathkit {

namespace {

QColor Colour(Rgb rgb, int alpha = 255) {
    return QColor(rgb.R, rgb.G, rgb.B, alpha);
}

Qt::PenStyle PenStyle(Dash dash) {
    return dash == Dash::Solid ? Qt::SolidLine : dash == Dash::Dashed ? Qt::DashLine : Qt::DotLine;
}

const std::array<const char*, 3> kSideName = {kSideCaption[CardSide], kSideCaption[ImageSide],
                                              SAY("Backup")};
const char* const kConflictName = SAY("Different line in the same field");

constexpr double kSmallestExtentMetres = 100;
// How far a label's middle sits from its dot where there is room.
constexpr double kLabelGap = 13;

// Through the locale-free number texts: once Qt has set the user's locale,
// printf would write a decimal comma and the list's own formatting would
// cut the fraction there.
QString CoordinateText(double degrees, bool dms) {
    return QString::fromStdString(FormatCoordinate(FormatPicture(degrees, 1, 8), dms));
}

// 1, 2 or 5 times a power of ten, the largest not above metres.
double RoundScaleLength(double metres) {
    const double power = std::pow(10, std::floor(std::log10(metres)));
    for (double step : {5.0, 2.0, 1.0}) {
        if (step * power <= metres)
            return step * power;
    }
    return power;
}

void DrawSymbol(QPainter& painter, Mark mark, QPointF at, double size) {
    switch (mark) {
        case Mark::Circle:
            painter.drawEllipse(at, size, size);
            break;
        case Mark::Square:
            painter.drawRect(QRectF(at - QPointF(size, size), at + QPointF(size, size)));
            break;
        case Mark::Triangle:
            painter.drawPolygon(QPolygonF({at + QPointF(0, -1.2 * size), at + QPointF(size, size),
                                           at + QPointF(-size, size)}));
            break;
    }
}

// A pass as a line in its side's style with its side's symbol on its point;
// a circle track as a larger open symbol.
void DrawPass(QPainter& painter, const MapFrame& frame, const MapPass& pass) {
    const PassStyle& style = kSideStyle[pass.Side];
    const QColor colour = Colour(style.Colour);
    const QPointF at = frame.ToScreen(pass.Line.Point);
    QPointF from = at, to = at;
    if (pass.Line.Straight) {
        const auto ends = SegmentEnds(pass.Line);
        from = frame.ToScreen(ends[0]);
        to = frame.ToScreen(ends[1]);
    }
    if (pass.Selected) {
        painter.setPen(QPen(Colour(kSelectedColour, 200), 9, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        if (pass.Line.Straight)
            painter.drawLine(from, to);
        painter.drawEllipse(at, 9, 9);
    }
    const double width = pass.Selected ? 3 : 1.6;
    painter.setPen(QPen(colour, width, PenStyle(style.Line), Qt::FlatCap));
    if (pass.Line.Straight) {
        painter.drawLine(from, to);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        DrawSymbol(painter, style.Symbol, at, 3);
    } else {
        painter.setBrush(Colour(style.Colour, 60));
        DrawSymbol(painter, style.Symbol, at, 6);
    }
    if (pass.Conflict) {
        painter.setPen(QPen(Colour(kConflictColour), 1.5, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, 12, 12);
    }
}

// Over a light band, so that the text keeps its contrast over any line.
void DrawLabel(QPainter& painter, QPointF middle, const QString& text, bool bold) {
    QFont font = painter.font();
    font.setBold(bold);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const QSizeF size(metrics.horizontalAdvance(text) + 2, metrics.height());
    const QRectF box(middle - QPointF(size.width() / 2, size.height() / 2), size);
    painter.fillRect(box, Colour(kMapBackground, 210));
    painter.setPen(Colour(kMapText));
    painter.drawText(box, Qt::AlignCenter, text);
}

void DrawScaleBar(QPainter& painter, const MapFrame& frame) {
    const double metres = frame.ScaleBarMetres();
    const double length = metres * frame.Scale;
    const QPointF left = frame.Area.bottomLeft() + QPointF(16, -18);
    const QPointF right = left + QPointF(length, 0);
    painter.setPen(QPen(Colour(kMapText), 2));
    painter.drawLine(left, right);
    painter.drawLine(left, left - QPointF(0, 6));
    painter.drawLine(right, right - QPointF(0, 6));
    const QString text = metres >= 1000 ? Tr(SAY("%1 km")).arg(QString::number(metres / 1000))
                                        : Tr(SAY("%1 m")).arg(QString::number(metres));
    QFont font = painter.font();
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(QRectF(left.x(), left.y() - 26, length, 18), Qt::AlignCenter, text);
}

void DrawNorthArrow(QPainter& painter, const MapFrame& frame) {
    const QPointF tip = frame.Area.topRight() + QPointF(-28, 14);
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(tip + QPointF(8, 26));
    arrow.lineTo(tip + QPointF(0, 20));
    arrow.lineTo(tip + QPointF(-8, 26));
    arrow.closeSubpath();
    painter.setPen(QPen(Colour(kMapText), 1));
    painter.setBrush(Colour(kMapText));
    painter.drawPath(arrow);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(tip.x() - 10, tip.y() + 26, 20, 16), Qt::AlignCenter,
                     // The compass letter for north.
                     Tr(SAY("N")));
}

void DrawLegend(QPainter& painter, const MapFrame& frame, const std::vector<MapPass>& passes,
                const MapLegend& legend) {
    const bool conflict =
        std::any_of(passes.begin(), passes.end(), [](const MapPass& p) { return p.Conflict; });
    const bool selected =
        std::any_of(passes.begin(), passes.end(), [](const MapPass& p) { return p.Selected; });
    QFont font = painter.font();
    font.setBold(false);
    painter.setFont(font);
    const double row = QFontMetricsF(font).height() + 4;
    QPointF at = frame.Area.topLeft() + QPointF(12, 8 + row / 2);
    const auto entry = [&](const char* name) {
        painter.setPen(Colour(kMapText));
        painter.drawText(at + QPointF(30, QFontMetricsF(font).ascent() / 2 - 1), Tr(name));
        at.ry() += row;
    };
    for (int side : {int{CardSide}, int{ImageSide}, kBackupOnMap}) {
        if (!legend.Sides[side])
            continue;
        const PassStyle& style = kSideStyle[side];
        painter.setPen(QPen(Colour(style.Colour), 2, PenStyle(style.Line), Qt::FlatCap));
        painter.drawLine(at, at + QPointF(22, 0));
        painter.setPen(QPen(Colour(style.Colour), 1));
        painter.setBrush(Colour(style.Colour));
        DrawSymbol(painter, style.Symbol, at + QPointF(11, 0), 3);
        entry(kSideName[side]);
    }
    if (selected) {
        painter.setPen(QPen(Colour(kSelectedColour, 200), 9, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(at + QPointF(4, 0), at + QPointF(18, 0));
        painter.setPen(QPen(Colour(kMapText), 3));
        painter.drawLine(at + QPointF(4, 0), at + QPointF(18, 0));
        entry(SAY("Selected"));
    }
    if (conflict) {
        painter.setPen(QPen(Colour(kConflictColour), 1.5, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at + QPointF(11, 0), 6, 6);
        entry(kConflictName);
    }
}

}  // namespace

QPointF MapFrame::ToScreen(GeoPoint point) const {
    const MetricPoint m = Projection.ToMetres(point);
    return {Area.center().x() + (m.East - Centre.East) * Scale,
            Area.center().y() - (m.North - Centre.North) * Scale};
}

GeoPoint MapFrame::ToGround(QPointF pixel) const {
    return Projection.ToGeo({Centre.East + (pixel.x() - Area.center().x()) / Scale,
                             Centre.North - (pixel.y() - Area.center().y()) / Scale});
}

double MapFrame::ScaleBarMetres() const {
    return RoundScaleLength(std::max(Area.width() / 5.0, 60.0) / Scale);
}

MapFrame FitPasses(const std::vector<MapPass>& passes, QRectF area) {
    MapFrame frame;
    frame.Area = area;
    if (passes.empty())
        return frame;
    std::vector<GeoPoint> points;
    for (const MapPass& pass : passes) points.push_back(pass.Line.Point);
    frame.Projection = LocalProjection::Around(points);
    double minE = 0, maxE = 0, minN = 0, maxN = 0;
    bool first = true;
    const auto take = [&](MetricPoint m) {
        minE = first ? m.East : std::min(minE, m.East);
        maxE = first ? m.East : std::max(maxE, m.East);
        minN = first ? m.North : std::min(minN, m.North);
        maxN = first ? m.North : std::max(maxN, m.North);
        first = false;
    };
    for (const MapPass& pass : passes) {
        take(frame.Projection.ToMetres(pass.Line.Point));
        if (pass.Line.Straight) {
            for (GeoPoint end : SegmentEnds(pass.Line)) take(frame.Projection.ToMetres(end));
        }
    }
    frame.Centre = {(minE + maxE) / 2, (minN + maxN) / 2};
    const double extentE = std::max(maxE - minE, kSmallestExtentMetres);
    const double extentN = std::max(maxN - minN, kSmallestExtentMetres);
    frame.Scale = std::min(area.width() * 0.85 / extentE, area.height() * 0.8 / extentN);
    return frame;
}

void PaintMap(QPainter& painter, const MapFrame& frame, const std::vector<MapPass>& passes,
              const MapLegend& legend) {
    painter.save();
    painter.setClipRect(frame.Area);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(frame.Area, Colour(kMapBackground));
    // The selected passes on top of the rest.
    for (bool selected : {false, true}) {
        for (const MapPass& pass : passes) {
            if (pass.Selected == selected)
                DrawPass(painter, frame, pass);
        }
    }
    // The labels over every line, each beside its own dot.
    std::vector<MapDot> dots;
    for (const MapPass& pass : passes) {
        const QPointF at = frame.ToScreen(pass.Line.Point);
        dots.push_back(
            {at.x(), at.y(), pass.Line.Straight ? std::optional(pass.Line.Heading) : std::nullopt});
    }
    const std::vector<LabelSpot> spots = PlaceLabels(dots, kLabelGap);
    for (std::size_t i = 0; i < passes.size(); ++i) {
        DrawLabel(painter, {spots[i].X, spots[i].Y}, QString::number(passes[i].Line.Field),
                  passes[i].Selected || passes[i].Conflict);
    }
    DrawLegend(painter, frame, passes, legend);
    DrawScaleBar(painter, frame);
    DrawNorthArrow(painter, frame);
    painter.restore();
}

ListedFields ListedInLists(const std::array<QTreeWidget*, 2>& lists) {
    ListedFields listed;
    for (int side : {CardSide, ImageSide}) {
        for (int i = 0; i < lists[side]->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = lists[side]->topLevelItem(i);
            if (const int slot = ListItemSlot(item); IsSlotNumber(slot))
                listed[side][slot] = listed[side][slot] || item->isSelected();
        }
    }
    return listed;
}

std::vector<MapPass> PassesShown(const Program& program, const std::array<QTreeWidget*, 2>& lists) {
    return PassesShown(program, ListedInLists(lists));
}

LineMapView::LineMapView(const Program& program, std::array<QTreeWidget*, 2> lists, QWidget* parent)
    : QWidget(parent), program_(program), lists_(lists) {
    setObjectName("LineMapView");
    setMouseTracking(true);
    setMinimumSize(240, 180);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
}

void LineMapView::SetBackup(const CardImage* backup) {
    backup_.reset();
    if (backup != nullptr)
        backup_ = *backup;
    Reload();
}

void LineMapView::Reload() {
    passes_ = PassesShown(program_, lists_);
    if (backup_) {
        for (const PlacedLine& line : PlacedLines(*backup_, program_.Menus.StraightTrack))
            passes_.push_back({kBackupOnMap, line, false, false});
    }
    if (!moved_)
        FitAll();
    update();
}

void LineMapView::FitAll() {
    if (passes_.empty())
        return;
    frame_ = FitPasses(passes_, rect());
    moved_ = false;
    update();
}

void LineMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    frame_.Area = rect();
    PaintMap(painter, frame_, passes_, {{true, true, backup_.has_value()}});
    if (passes_.empty()) {
        painter.setPen(Colour(kMapText));
        painter.drawText(rect(), Qt::AlignCenter, tr("No passes to show in the two lists."));
    }
}

void LineMapView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0)
        return;
    // The ground under the pointer stays under it.
    const QPointF pixel = event->position();
    MetricPoint& centre = frame_.Centre;
    double& scale = frame_.Scale;
    const MetricPoint before{centre.East + (pixel.x() - width() / 2.0) / scale,
                             centre.North - (pixel.y() - height() / 2.0) / scale};
    scale = std::clamp(scale * std::pow(1.25, steps), 1e-5, 500.0);
    centre = {before.East - (pixel.x() - width() / 2.0) / scale,
              before.North + (pixel.y() - height() / 2.0) / scale};
    moved_ = true;
    update();
    event->accept();
}

void LineMapView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragFrom_ = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
}

void LineMapView::mouseMoveEvent(QMouseEvent* event) {
    if (dragFrom_) {
        const QPointF moved = event->position() - *dragFrom_;
        frame_.Centre.East -= moved.x() / frame_.Scale;
        frame_.Centre.North += moved.y() / frame_.Scale;
        dragFrom_ = event->position();
        moved_ = true;
        update();
    }
    emit PointerMoved(ToGround(event->position()));
}

void LineMapView::mouseReleaseEvent(QMouseEvent*) {
    dragFrom_.reset();
    setCursor(Qt::OpenHandCursor);
}

void LineMapView::mouseDoubleClickEvent(QMouseEvent*) {
    FitAll();
}

void LineMapView::resizeEvent(QResizeEvent*) {
    frame_.Area = rect();
    if (!moved_)
        FitAll();
}

LineMapWindow::LineMapWindow(const Program& program, std::array<QTreeWidget*, 2> lists,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), program_(program) {
    setObjectName("LineMapWindow");
    setWindowTitle(tr("Map of Lines"));
    resize(720, 540);
    // Escape closes it, as it does a dialog.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    view_ = new LineMapView(program, lists, this);
    status_ = new QLabel(this);
    status_->setObjectName("MapCounts");
    pointer_ = new QLabel(this);
    pointer_->setObjectName("MapPointer");
    auto* fit = new QPushButton(tr("Fit All"), this);
    fit->setObjectName("MapFitAll");
    fit->setToolTip(tr("Show every pass (or double-click the map)."));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(pointer_);
    bottom->addWidget(fit);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(view_, 1);
    layout->addLayout(bottom);

    connect(fit, &QPushButton::clicked, view_, &LineMapView::FitAll);
    connect(view_, &LineMapView::PointerMoved, this, [this](GeoPoint at) { ShowPointer(at); });
    // The lists show every change to a side and every selection: following
    // them follows everything the map draws.
    FollowLists(lists, this, true, [this] { Reload(); });
    Reload();
}

void LineMapWindow::Reload() {
    view_->Reload();
    ShowCounts();
}

void LineMapWindow::SetBackup(const CardImage* backup) {
    view_->SetBackup(backup);
    ShowCounts();
}

void LineMapWindow::ShowCounts() {
    std::array<int, 3> counts{};
    std::set<int> conflicts;
    for (const MapPass& pass : view_->Passes()) {
        ++counts[pass.Side];
        if (pass.Conflict)
            conflicts.insert(pass.Line.Field);
    }
    QString text = tr("%1: %2   %3: %4")
                       .arg(Tr(kSideCaption[CardSide]))
                       .arg(counts[CardSide])
                       .arg(Tr(kSideCaption[ImageSide]))
                       .arg(counts[ImageSide]);
    if (counts[kBackupOnMap] > 0)
        text += "   " + tr("Backup: %1").arg(counts[kBackupOnMap]);
    if (!conflicts.empty()) {
        QStringList fields;
        for (int field : conflicts) fields << QString::number(field);
        text += "   " + tr("Different lines in field %1").arg(fields.join(", "));
    }
    status_->setText(text);
}

void LineMapWindow::ShowPointer(GeoPoint where) {
    // Coordinates show only where the lists show them, in the lists' form.
    if (!program_.Menus.ShowLonLat) {
        pointer_->clear();
        return;
    }
    const bool dms = program_.Menus.ShowDMS;
    pointer_->setText(CoordinateText(where.Latitude, dms) + "  " +
                      CoordinateText(where.Longitude, dms));
}

}  // namespace swathkit
