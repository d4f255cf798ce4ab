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
#include "ui/list_follow.h"
#include "ui/qt_ports.h"

namespace swathkit {

namespace {

const std::array<QColor, 3> kSideColour = {QColor(20, 90, 200), QColor(215, 105, 0),
                                           QColor(30, 150, 60)};
const QColor kConflictColour(200, 0, 0);
const QColor kSelectedHalo(255, 215, 0, 170);
const std::array<const char*, 3> kSideName = {kSideCaption[CardSide], kSideCaption[ImageSide],
                                              "Backup"};

constexpr double kSmallestExtentMetres = 100;

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

}  // namespace

std::vector<MapPass> PassesShown(const Program& program, const std::array<QTreeWidget*, 2>& lists) {
    ListedFields listed;
    for (int side : {CardSide, ImageSide}) {
        for (int i = 0; i < lists[side]->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = lists[side]->topLevelItem(i);
            if (const int slot = ListItemSlot(item); IsSlotNumber(slot))
                listed[side][slot] = listed[side][slot] || item->isSelected();
        }
    }
    return PassesShown(program, listed);
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
    std::vector<GeoPoint> points;
    for (const MapPass& pass : passes_) points.push_back(pass.Line.Point);
    projection_ = LocalProjection::Around(points);
    double minE = 0, maxE = 0, minN = 0, maxN = 0;
    bool first = true;
    const auto take = [&](MetricPoint m) {
        minE = first ? m.East : std::min(minE, m.East);
        maxE = first ? m.East : std::max(maxE, m.East);
        minN = first ? m.North : std::min(minN, m.North);
        maxN = first ? m.North : std::max(maxN, m.North);
        first = false;
    };
    for (const MapPass& pass : passes_) {
        const MetricPoint at = projection_.ToMetres(pass.Line.Point);
        take(at);
        if (pass.Line.Straight) {
            for (GeoPoint end : SegmentEnds(pass.Line)) take(projection_.ToMetres(end));
        }
    }
    centre_ = {(minE + maxE) / 2, (minN + maxN) / 2};
    const double extentE = std::max(maxE - minE, kSmallestExtentMetres);
    const double extentN = std::max(maxN - minN, kSmallestExtentMetres);
    scale_ = std::min(width() * 0.85 / extentE, height() * 0.8 / extentN);
    moved_ = false;
    update();
}

QPointF LineMapView::ToScreen(GeoPoint point) const {
    const MetricPoint m = projection_.ToMetres(point);
    return {width() / 2.0 + (m.East - centre_.East) * scale_,
            height() / 2.0 - (m.North - centre_.North) * scale_};
}

GeoPoint LineMapView::ToGround(QPointF pixel) const {
    return projection_.ToGeo({centre_.East + (pixel.x() - width() / 2.0) / scale_,
                              centre_.North - (pixel.y() - height() / 2.0) / scale_});
}

double LineMapView::ScaleBarMetres() const {
    return RoundScaleLength(std::max(width() / 5.0, 60.0) / scale_);
}

void LineMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(246, 248, 242));
    if (passes_.empty()) {
        painter.setPen(Qt::darkGray);
        painter.drawText(rect(), Qt::AlignCenter, "No passes to show in the two lists.");
    }
    // Conflicts and the image side on top: the image is what is being built.
    for (const MapPass& pass : passes_) {
        if (!pass.Selected)
            DrawPass(painter, pass);
    }
    for (const MapPass& pass : passes_) {
        if (pass.Selected)
            DrawPass(painter, pass);
    }
    DrawLegend(painter);
    DrawScaleBar(painter);
    DrawNorthArrow(painter);
}

void LineMapView::DrawPass(QPainter& painter, const MapPass& pass) const {
    const QPointF at = ToScreen(pass.Line.Point);
    const QColor colour = kSideColour[pass.Side];
    QPointF from = at, to = at;
    if (pass.Line.Straight) {
        const auto ends = SegmentEnds(pass.Line);
        from = ToScreen(ends[0]);
        to = ToScreen(ends[1]);
    }
    if (pass.Selected) {
        painter.setPen(QPen(kSelectedHalo, 9, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        if (pass.Line.Straight)
            painter.drawLine(from, to);
        painter.drawEllipse(at, 9, 9);
    }
    painter.setPen(QPen(colour, pass.Selected ? 3 : 1.6, Qt::SolidLine, Qt::RoundCap));
    if (pass.Line.Straight) {
        painter.drawLine(from, to);
        painter.setBrush(colour);
        painter.drawEllipse(at, 3, 3);
    } else {
        painter.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 60));
        painter.drawEllipse(at, 6, 6);
    }
    if (pass.Conflict) {
        painter.setPen(QPen(kConflictColour, 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, 12, 12);
    }
    QFont font = painter.font();
    font.setBold(pass.Selected || pass.Conflict);
    painter.setFont(font);
    painter.setPen(pass.Conflict ? kConflictColour : colour.darker(130));
    // Card labels above the point, image labels below, so that a field on
    // both sides stays readable.
    const QPointF offset = pass.Side == CardSide    ? QPointF(8, -8)
                           : pass.Side == ImageSide ? QPointF(8, 16)
                                                    : QPointF(-24, 4);
    painter.drawText(at + offset, QString::number(pass.Line.Field));
}

void LineMapView::DrawScaleBar(QPainter& painter) const {
    const double metres = ScaleBarMetres();
    const double pixels = metres * scale_;
    const QPointF left(16, height() - 18);
    const QPointF right = left + QPointF(pixels, 0);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(left, right);
    painter.drawLine(left, left - QPointF(0, 6));
    painter.drawLine(right, right - QPointF(0, 6));
    const QString text =
        metres >= 1000 ? QString::number(metres / 1000) + " km" : QString::number(metres) + " m";
    QFont font = painter.font();
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(left + QPointF(pixels / 2 - 20, -8), text);
}

void LineMapView::DrawNorthArrow(QPainter& painter) const {
    const QPointF tip(width() - 28, 14);
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(tip + QPointF(8, 26));
    arrow.lineTo(tip + QPointF(0, 20));
    arrow.lineTo(tip + QPointF(-8, 26));
    arrow.closeSubpath();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::black);
    painter.drawPath(arrow);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(tip.x() - 10, tip.y() + 26, 20, 16), Qt::AlignCenter, "N");
}

void LineMapView::DrawLegend(QPainter& painter) const {
    QFont font = painter.font();
    font.setBold(false);
    painter.setFont(font);
    qreal y = 16;
    for (int side : {int{CardSide}, int{ImageSide}, kBackupOnMap}) {
        if (side == kBackupOnMap && !backup_)
            continue;
        painter.setPen(QPen(kSideColour[side], 3));
        painter.drawLine(QPointF(12, y), QPointF(30, y));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(36, y + 4), kSideName[side]);
        y += 16;
    }
    painter.setPen(QPen(kConflictColour, 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(21, y), 6, 6);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(36, y + 4), "Different line in the same field");
}

void LineMapView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0)
        return;
    // The ground under the pointer stays under it.
    const QPointF pixel = event->position();
    const MetricPoint before{centre_.East + (pixel.x() - width() / 2.0) / scale_,
                             centre_.North - (pixel.y() - height() / 2.0) / scale_};
    scale_ = std::clamp(scale_ * std::pow(1.25, steps), 1e-5, 500.0);
    centre_ = {before.East - (pixel.x() - width() / 2.0) / scale_,
               before.North + (pixel.y() - height() / 2.0) / scale_};
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
        centre_.East -= moved.x() / scale_;
        centre_.North += moved.y() / scale_;
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
    if (!moved_)
        FitAll();
}

LineMapWindow::LineMapWindow(const Program& program, std::array<QTreeWidget*, 2> lists,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), program_(program) {
    setObjectName("LineMapWindow");
    setWindowTitle("Map of Lines");
    resize(720, 540);
    // Escape closes it, as it does a dialog.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    view_ = new LineMapView(program, lists, this);
    status_ = new QLabel(this);
    status_->setObjectName("MapCounts");
    pointer_ = new QLabel(this);
    pointer_->setObjectName("MapPointer");
    auto* fit = new QPushButton("Fit All", this);
    fit->setObjectName("MapFitAll");
    fit->setToolTip("Show every pass (or double-click the map).");

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
    QString text = QString("%1: %2   %3: %4")
                       .arg(kSideCaption[CardSide])
                       .arg(counts[CardSide])
                       .arg(kSideCaption[ImageSide])
                       .arg(counts[ImageSide]);
    if (counts[kBackupOnMap] > 0)
        text += QString("   Backup: %1").arg(counts[kBackupOnMap]);
    if (!conflicts.empty()) {
        QStringList fields;
        for (int field : conflicts) fields << QString::number(field);
        text += "   Different lines in field " + fields.join(", ");
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
