// The map, the duplicate search and the export, reached through the real
// window's menus, off screen.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QLineEdit>
#include <QPdfWriter>
#include <QTableView>
#include <cstdio>
#include <regex>

#include "exchange/import_lines.h"
#include "support/shots.h"
#include "ui/duplicate_passes.h"
#include "ui/print_sheet.h"
#include "ui/window_harness.h"

namespace swathkit {
namespace {

using namespace testing;

constexpr GeoPoint kFarm{41.5, -93.25};

struct MapHarness : WindowHarness {
    // The card: 12 at the farm heading east, 40 one kilometre north of it,
    // 41 as 12 again a metre off. The image: 40 elsewhere, 90.
    MapHarness() {
        CardImage card = NewBlankImage();
        card.IsStraight = true;
        card.Line(12) = PassAt(12, kFarm, 0, 1);
        card.Line(40) = PassAt(40, Travel(kFarm, 0, 1000), 1, 0);
        card.Line(41) = PassAt(41, Travel(kFarm, 90, 1), 0, 1);
        const CardImage circles =
            ImageWith({{7, StoredNumber(41.6)}, {8, StoredNumber(41.7)}}, false);
        MakeCard(root, &card, &circles);
        CardImage image = NewBlankImage();
        image.IsStraight = true;
        image.Line(40) = PassAt(40, Travel(kFarm, 180, 500), 1, 1);
        image.Line(90) = PassAt(90, Travel(kFarm, 270, 300), 1, 0);
        WriteMaster(image);
        Open();
    }

    const MapPass* Shown(LineMapView* view, int side, int field) {
        for (const MapPass& pass : view->Passes())
            if (pass.Side == side && pass.Line.Field == field)
                return &pass;
        return nullptr;
    }
};

// True when some pixel near at has the side's blue.
bool BlueNear(const QImage& image, QPointF at) {
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const QColor c = image.pixelColor(at.toPoint() + QPoint(dx, dy));
            if (c.blue() > 150 && c.red() < 120)
                return true;
        }
    return false;
}

TEST(MapWindow, DrawsTheListsTrueToScaleAndFollowsThem) {
    MapHarness h;
    LineMapWindow* map = h.Map();
    ASSERT_NE(map, nullptr);
    LineMapView* view = map->View();
    ASSERT_EQ(view->Passes().size(), 5u);
    Shot("map-1-opened");
    EXPECT_TRUE(h.Shown(view, CardSide, 40)->Conflict);
    EXPECT_TRUE(h.Shown(view, ImageSide, 40)->Conflict);
    EXPECT_FALSE(h.Shown(view, CardSide, 12)->Conflict);
    EXPECT_EQ(h.Shown(view, CardSide, 12)->Line.Heading, 90);
    // The passes fill the window as it opened: 1.5 km from north to south.
    EXPECT_GT(1500 * view->PixelsPerMetre(), 0.6 * view->height());

    // A field 1 km north draws 1 km north at the scale shown; the scale bar
    // is a round length.
    const QPointF farm = view->ToScreen(h.Shown(view, CardSide, 12)->Line.Point);
    const QPointF north = view->ToScreen(h.Shown(view, CardSide, 40)->Line.Point);
    EXPECT_NEAR(north.x(), farm.x(), 0.5);
    EXPECT_NEAR(farm.y() - north.y(), 1000 * view->PixelsPerMetre(), 0.5);
    const double bar = view->ScaleBarMetres();
    const double mantissa = bar / std::pow(10, std::floor(std::log10(bar)));
    EXPECT_TRUE(mantissa == 1 || mantissa == 2 || mantissa == 5) << bar;

    // Field 12 heads 090: its line runs east of its point, not north of it.
    const QImage drawn = view->grab().toImage();
    const double hundredMetres = 100 * view->PixelsPerMetre();
    ASSERT_GT(hundredMetres, 6);
    EXPECT_TRUE(BlueNear(drawn, farm + QPointF(hundredMetres, 0)));
    EXPECT_TRUE(BlueNear(drawn, farm - QPointF(hundredMetres, 0)));
    EXPECT_FALSE(BlueNear(drawn, farm + QPointF(0, -hundredMetres)));

    // Selecting in a list highlights on the map.
    h.Item(CardSide, "12")->setSelected(true);
    QTest::qWait(20);
    EXPECT_TRUE(h.Shown(view, CardSide, 12)->Selected);
    EXPECT_FALSE(h.Shown(view, CardSide, 41)->Selected);
    Shot("map-2-card-12-selected");

    // A change to a side redraws it: image 90 erased through the real button.
    h.List(ImageSide)->clearSelection();
    h.Item(ImageSide, "90")->setSelected(true);
    h.script.Box("Verify Clear", QMessageBox::Yes);
    h.Press("cmdClear_1");
    QTest::qWait(20);
    EXPECT_EQ(h.Shown(view, ImageSide, 90), nullptr);
    EXPECT_EQ(view->Passes().size(), 4u);

    // The track kind follows the menu: the card's circle tracks, no heading.
    h.Trigger("mnuCircleTrack");
    QTest::qWait(20);
    ASSERT_NE(h.Shown(view, CardSide, 7), nullptr);
    EXPECT_FALSE(h.Shown(view, CardSide, 7)->Line.Straight);
    EXPECT_EQ(h.Shown(view, CardSide, 12), nullptr);
}

// Exports through the dialog: the side, the format (0 TaskData, 2 GeoJSON, 4
// the tractor's field folder) and the file or folder chosen (named as
// offered), then the boxes that follow answered by the script.
void Export(WindowHarness& h, int side, int format, const fs::path& file) {
    h.script.Step([=](QWidget* modal) {
        modal->findChild<QComboBox*>("ExportSide")->setCurrentIndex(side);
        modal->findChild<QComboBox*>("ExportFormat")->setCurrentIndex(format);
        auto* path = modal->findChild<QLineEdit*>("ExportPath");
        EXPECT_TRUE(path->text().endsWith(file.filename().c_str())) << path->text().toStdString();
        path->setText(QString::fromStdString(file.string()));
        QTest::mouseClick(modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save),
                          Qt::LeftButton);
    });
}

TEST(MapWindow, ExportWritesTheChosenSideAndDuplicateRowsSelectBothPasses) {
    MapHarness h;
    const fs::path folder = h.work.path() / "Card lines";
    Export(h, 0, 4, folder);
    h.script.Box("Export Lines", QString("3 passes written to %1.").arg(folder.c_str()),
                 QMessageBox::Ok, QMessageBox::Ok);
    h.Trigger("mnuExportLines");
    const auto read = ReadImportFile(folder);
    ASSERT_TRUE(std::holds_alternative<ImportResult>(read));
    EXPECT_EQ(std::get<ImportResult>(read).Lines.size(), 3u);

    h.Trigger("mnuDuplicates");
    auto* dialog = h.window->findChild<DuplicatePassesDialog*>();
    ASSERT_NE(dialog, nullptr);
    // 12 and 41 lie a metre apart on one heading; 40 sits in both lists but
    // as different lines, which is a conflict, not a duplicate.
    ASSERT_EQ(dialog->Pairs().size(), 1u);
    Shot("map-3-duplicates");
    auto* table = dialog->findChild<QTableView*>("DuplicateTable");
    table->selectRow(0);
    EXPECT_TRUE(h.Item(CardSide, "12")->isSelected());
    EXPECT_TRUE(h.Item(CardSide, "41")->isSelected());
    EXPECT_FALSE(h.Item(CardSide, "40")->isSelected());

    // Tighter than a metre: nothing left.
    dialog->findChild<QDoubleSpinBox*>("DuplicateMetres")->setValue(0.5);
    QTest::qWait(20);
    EXPECT_TRUE(dialog->Pairs().empty());
    EXPECT_EQ(table->model()->rowCount(), 0);
}

// Past a page of pairs, the closest show first with the count, and the rest
// follow as the table is scrolled to its end.
TEST(MapWindow, ManyDuplicatesShowTheClosestPageFirstAndTheRestOnDemand) {
    Harness h;
    h.program.Menus.StraightTrack = true;
    h.program.Table.Current(ImageSide) = NewBlankImage();
    CardImage& card = h.program.Table.Current(CardSide) = NewBlankImage();
    card.IsStraight = true;
    // 60 passes within 3 m of one another: 1,770 pairs.
    for (int field = 10; field < 70; ++field)
        card.Line(field) = PassAt(field, {41 + (69 - field) * 0.05 / 111'000, -93.25}, 0, 1);
    QTreeWidget cardList, imageList;
    DuplicatePassesDialog dialog(
        h.program, {&cardList, &imageList}, [] { return true; }, nullptr);
    dialog.Search();
    dialog.WaitForSearch();
    auto* table = dialog.findChild<QTableView*>("DuplicateTable");
    QAbstractItemModel* rows = table->model();
    ASSERT_EQ(dialog.Pairs().size(), 1770u);
    EXPECT_EQ(rows->rowCount(), DuplicatePassesDialog::kShownAtFirst);
    EXPECT_TRUE(dialog.findChild<QLabel*>("DuplicateSummary")
                    ->text()
                    .startsWith("1770 pairs of straight lines found, the closest first"));
    EXPECT_EQ(rows->index(0, 2).data().toString(), "0.05 m");
    while (rows->canFetchMore({})) rows->fetchMore({});
    EXPECT_EQ(rows->rowCount(), 1770);
    EXPECT_EQ(rows->index(1769, 2).data().toString(), "2.95 m");
    EXPECT_EQ(rows->index(1769, 3).data().toString(), "0.00\u00B0");
}

TEST(MapWindow, ExportLeavesOutPassesThatAreNoPlaceAndWritesTaskDataInCapitals) {
    WindowHarness h;
    CardImage card = NewBlankImage(), image = NewBlankImage();
    card.IsStraight = image.IsStraight = true;
    card.Line(12) = PassAt(12, kFarm, 0, 1);
    card.Line(13) = PassAt(13, {95, 0}, 0, 1);
    image.Line(50) = PassAt(50, {0, 181}, 0, 1);
    MakeCard(h.root, &card);
    h.WriteMaster(image);
    h.Open();
    const fs::path out = h.work.path() / "out";
    WriteFile(out / "taskdata.xml", "old");
    const char* leftOut = "was left out: its coordinates are not a place on earth.";
    Export(h, 0, 0, out / "TASKDATA.XML");
    h.script.Box("Export Lines", "taskdata.xml already exists. Replace it?",
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    h.script.Box(
        "Export Lines",
        QString("1 pass written to %1.\nField 13 %2").arg((out / "TASKDATA.XML").c_str(), leftOut),
        QMessageBox::Ok, QMessageBox::Ok);
    h.Trigger("mnuExportLines");
    EXPECT_EQ(fs::directory_iterator(out)->path().filename(), "TASKDATA.XML");
    EXPECT_NE(Bytes(out / "TASKDATA.XML").find("B=\"12\""), std::string::npos);

    Export(h, 1, 2, out / "lines.geojson");
    h.script.Step([&](QWidget* modal) {  // the dialog stays open for another try
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QString("Nothing was written to %1.\nField 50 %2")
                                   .arg((out / "lines.geojson").c_str(), leftOut));
        auto* dialog = qobject_cast<QDialog*>(box->parentWidget());
        box->accept();
        QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
    });
    h.Trigger("mnuExportLines");
    EXPECT_FALSE(fs::exists(out / "lines.geojson"));
    EXPECT_TRUE(h.script.Done());
}

// poppler's tools read the PDFs back, on Linux.
#ifndef _WIN32
// What a command line tool prints.
std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

// The fields whose table rows the PDF's text holds, in order: what a reader
// of the page finds, read by poppler, which owes nothing to the painting.
std::vector<int> RowsInPdf(const fs::path& pdf, const char* kind = "Straight") {
    const std::string text = Output("pdftotext -layout '" + pdf.string() + "' -");
    const std::regex row(std::string("(^|\\n) *(\\d+) +") + kind + " ");
    std::vector<int> fields;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), row);
         it != std::sregex_iterator(); ++it)
        fields.push_back(std::stoi((*it)[2]));
    return fields;
}

void SavePdf(WindowHarness& h, int side, const fs::path& file) {
    // Back from the chooser before, the window takes the focus again.
    h.window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    h.List(side)->setFocus();
    h.script.ChooseFile(file);
    h.Trigger("mnuSavePdf");
}

// "Save as PDF..." prints the list last worked in, or its selection, with
// the map, the coordinates as the list shows them, the source and the date;
// "Print..." offers the printer's dialog.
TEST(PrintWindow, SavesTheListOrItsSelectionAsAPdfPage) {
    MapHarness h;
    const fs::path card = h.work.path() / "card.pdf";
    SavePdf(h, CardSide, card);
    EXPECT_EQ(RowsInPdf(card), (std::vector<int>{12, 40, 41}));
    const std::string text = Output("pdftotext -layout '" + card.string() + "' -");
    EXPECT_NE(text.find("Guidance lines: Your Card"), std::string::npos) << text;
    EXPECT_NE(text.find("Printed 2026-12-06, 3 passes"), std::string::npos);
    EXPECT_NE(text.find("+41\u00B030'0''"), std::string::npos);  // as the list shows it
    EXPECT_NE(text.find("From " + (h.root / "pflines").string()), std::string::npos);

    h.Select(ImageSide, {"90"});
    const fs::path image = h.work.path() / "image.pdf";
    SavePdf(h, ImageSide, image);
    EXPECT_EQ(RowsInPdf(image), std::vector<int>{90});
    EXPECT_NE(Output("pdftotext '" + image.string() + "' -").find("selected passes"),
              std::string::npos);

    h.script.Step([](QWidget* modal) {
        ASSERT_TRUE(modal->inherits("QPrintDialog"));
        qobject_cast<QDialog*>(modal)->reject();
    });
    h.Trigger("mnuPrint");
}

// A full card runs over several pages and loses no row, not even one that
// is no place on earth, in the decimal form when chosen; the paper is Letter
// where the locale measures in inches.
TEST(PrintWindow, AFullCardGoesOnOverPagesOnTheLocalesPaper) {
    EXPECT_EQ(LocalePageSize(QLocale("en_GB")).id(), QPageSize::A4);

    Harness h;
    CardImage& image = h.program.Table.Current(ImageSide) = NewBlankImage();
    image.IsCircle = true;
    std::map<int, bool> listed;
    std::vector<int> all;
    for (int field = 1; field <= kSlotCount; ++field) {
        image.Line(field) = PassAt(field, Travel(kFarm, field, 10.0 * field), 0, 1);
        listed[field] = false;
        all.push_back(field);
    }
    image.Line(250) = PassAt(250, {95, 0}, 0, 1);
    h.program.Menus.StraightTrack = h.program.Menus.ShowDMS = false;
    const PrintSheet sheet = MakePrintSheet(h.program, ImageSide, listed, {});
    const fs::path pdf = h.work.path() / "full.pdf";
    {
        QPdfWriter writer(QString::fromStdU16String(pdf.u16string()));
        writer.setPageSize(LocalePageSize(QLocale("en_US")));
        ASSERT_TRUE(PaintSheet(writer, sheet));
    }
    EXPECT_EQ(RowsInPdf(pdf, "Circle"), all);
    EXPECT_NE(Output("pdftotext '" + pdf.string() + "' -").find("+095.000000"), std::string::npos);
    const std::string info = Output("pdfinfo '" + pdf.string() + "'");
    EXPECT_NE(info.find("(letter)"), std::string::npos) << info;
    EXPECT_EQ(info.find("Pages:           1\n"), std::string::npos) << info;
}

#endif

}  // namespace
}  // namespace swathkit
