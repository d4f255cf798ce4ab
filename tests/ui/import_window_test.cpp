// "Import Lines..." through the real window, on the program's own GeoJSON
// exports; the preview's screen can be saved (shots.h).

#include <QLabel>
#include <QProgressDialog>
#include <QThreadPool>
#include <QTranslator>
#include <map>

#include "exchange/export_lines.h"
#include "support/shots.h"
#include "ui/window_harness.h"

namespace swathkit {
namespace {

using namespace testing;

// A few words in another language, each for its context alone: the readers'
// reasons and failures and the preview's own captions must be looked up, and
// their numbers and names put in after the lookup.
struct Pseudo final : QTranslator {
    QString translate(const char* context, const char* source, const char*, int) const override {
        static const std::map<std::string, QString> words = {
            {"swathkit:a curve: its points stray up to %1 m from a straight line", "Kurve, %1 m"},
            {"swathkit::ImportLinesDialog:Why", "Warum"},
            {"swathkit:%1 could not be read.\n%2\nNothing has been changed.", "%1: %2"},
            {"swathkit:The file is not readable JSON (at byte %1).", "Byte %1"}};
        const auto found = words.find(std::string(context) + ":" + source);
        return found == words.end() ? QString() : found->second;
    }
};

TEST(ImportWindow, AnExportedFileComesBackIntoTheImageAsTickedInThePreview) {
    Pseudo pseudo;  // taken off again as it goes
    QCoreApplication::installTranslator(&pseudo);
    WindowHarness h;
    h.WriteMaster(ImageWith({{6, Spot(6)}, {40, Spot(40)}}));
    CardImage exported = ImageWith({{12, Spot(12, 1)}, {40, Spot(40, 1)}, {77, Spot(77, 1)}});
    exported.Line(77).HeadingEast = "-0000000000002.00000000";
    WriteFile(h.work.path() / "lines.geojson",
              ExportText(ExportFormat::GeoJson, exported, true, "Farm"));
    // A point that no file calls a pivot, and a curve.
    WriteFile(h.work.path() / "circles.geojson",
              R"({"type": "GeometryCollection", "geometries": [{"type": "Point", "coordinates": )"
              R"([3, 4]}, {"type": "LineString", "coordinates": [[0, 0], [0.0005, 0.00001], )"
              R"([0.001, 0]]}]})");
    WriteFile(h.work.path() / "broken.geojson",
              "{\"type\": \"FeatureCollection\", \"features\": [");
    h.Open();
    // The file typed into the chooser, then a look at the preview, or the box
    // of a file that cannot be read.
    const auto choose = [&](const char* name, std::function<void(QDialog*, QTreeWidget*)> look) {
        h.script.ChooseFile(h.work.path() / name);
        if (!look)
            return h.script.Box("Import Lines", "broken.geojson: Byte 44", {}, QMessageBox::Ok);
        h.script.Step([look](QWidget* modal) {
            ASSERT_EQ(modal->objectName(), "ImportLines");
            look(qobject_cast<QDialog*>(modal), modal->findChild<QTreeWidget*>("ImportTable"));
        });
    };

    // Circle tracks are shown but cannot be ticked while Straight Track is
    // checked; Cancel changes nothing, nor does a file that cannot be read.
    const std::string before = Bytes(h.MasterPath());
    choose("circles.geojson", [](QDialog* dialog, QTreeWidget* table) {
        EXPECT_EQ(table->topLevelItem(0)->flags(), Qt::NoItemFlags);
        EXPECT_EQ(table->topLevelItem(0)->text(6), "a point, not said to be a pivot");
        const QTreeWidget* leftOut = dialog->findChild<QTreeWidget*>("ImportLeftOut");
        EXPECT_EQ(leftOut->topLevelItem(0)->text(1),
                  "a circle track, and Straight Track is checked");
        EXPECT_EQ(leftOut->headerItem()->text(1) + " " + leftOut->topLevelItem(1)->text(1),
                  "Warum Kurve, 1.1 m");
        EXPECT_FALSE(dialog->findChild<QPushButton*>("ImportButton")->isEnabled());
        dialog->reject();
    });
    h.Trigger("mnuImportLines");
    choose("broken.geojson", {});
    h.Trigger("mnuImportLines");
    EXPECT_EQ(Bytes(h.MasterPath()), before);

    choose("lines.geojson", [](QDialog* dialog, QTreeWidget* table) {
        ASSERT_EQ(table->topLevelItemCount(), 3);
        EXPECT_EQ(table->topLevelItem(2)->text(4) + " " + table->topLevelItem(2)->text(5),
                  "296.5651\xC2\xB0 77");
        Shot("import-preview");
        table->topLevelItem(2)->setCheckState(0, Qt::Unchecked);
        EXPECT_EQ(dialog->findChild<QLabel*>("ImportSummary")->text(), "2 of 3 lines ticked.");
        QTest::mouseClick(dialog->findChild<QPushButton*>("ImportButton"), Qt::LeftButton);
    });
    h.script.Box("Replace Pass", QMessageBox::Yes);
    h.Trigger("mnuImportLines");
    MenuChoices decimal;
    decimal.ShowDMS = false;  // to the reader's millimetre, not a DMS text's floor
    EXPECT_EQ(ListRows(h.Master(), decimal),
              ListRows(ImageWith({{6, Spot(6)}, {12, Spot(12, 1)}, {40, Spot(40, 1)}}), decimal));
    EXPECT_EQ(h.ItemTexts(ImageSide), (QStringList{"6", "12", "40"}));
    // Read again, the lines there already are said and left unticked.
    choose("lines.geojson", [](QDialog* dialog, QTreeWidget* table) {
        EXPECT_EQ(table->topLevelItem(0)->text(6), "already in the image (field 12)");
        EXPECT_EQ(dialog->findChild<QLabel*>("ImportSummary")->text(), "1 of 3 lines ticked.");
        dialog->reject();
    });
    h.Trigger("mnuImportLines");
    h.Press("cmdUndo_1");
    EXPECT_EQ(h.ItemTexts(ImageSide), (QStringList{"6", "40"}));
}

// Cancel stops the read itself: the program quits without waiting for it.
// A file past the caps says what is not shown.
TEST(ImportWindow, CancelStopsTheReadAndAFilePastTheCapsSaysWhatIsLeftOut) {
    WindowHarness h;
    std::string empty = R"({"type": "FeatureCollection", "features": [)";
    for (int i = 0; i < 20'000'000; ++i) empty += "{},";
    empty += "{}]}";
    WriteFile(h.work.path() / "empty.geojson", empty);
    std::string many = R"({"type": "FeatureCollection", "features": [)";
    for (int i = 0; i < 1'000; ++i) many += "{},";
    many += R"({"geometry": {"type": "Point", "coordinates": [1, 2]}}]})";
    WriteFile(h.work.path() / "many.geojson", many);
    h.Open();
    const auto choose = [&](const char* name) { h.script.ChooseFile(h.work.path() / name); };

    choose("empty.geojson");
    h.script.Step([](QWidget* modal) {
        ASSERT_EQ(modal->objectName(), "ImportBusy");
        QTest::mouseClick(modal->findChild<QPushButton*>(), Qt::LeftButton);
    });
    h.Trigger("mnuImportLines");
    EXPECT_TRUE(QThreadPool::globalInstance()->waitForDone(1000));

    choose("many.geojson");
    h.script.Step([](QWidget* modal) {
        ASSERT_EQ(modal->objectName(), "ImportLines");
        EXPECT_EQ(modal->findChild<QTreeWidget*>("ImportLeftOut")->topLevelItemCount(), 1'000);
        // The file leaves out exactly as many as are listed; the circle track,
        // refused while Straight Track is checked, is one more.
        auto* notes = modal->findChild<QLabel*>("ImportNotes");
        ASSERT_NE(notes, nullptr);
        EXPECT_EQ(notes->text(),
                  "More than 1,000 things in the file will not come in; the first 1,000 are "
                  "listed.");
        qobject_cast<QDialog*>(modal)->reject();
    });
    h.Trigger("mnuImportLines");
}

}  // namespace
}  // namespace swathkit
