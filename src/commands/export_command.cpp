// "Export Lines..." and "Import Lines...": what happens when the operator
// presses Save, and the readers and writers the two dialogs reach through
// here. Built only with the exports.

#include "commands/commands.h"
#include "core/error_messages.h"
#include "exchange/export_lines.h"
#include "exchange/import_lines.h"

namespace swathkit {

namespace {

constexpr const char* kExportTitle = SAY("Export Lines");

// A file name for a box: UTF-8, whatever the system's code page.
std::string NameText(const fs::path& path) {
    const std::u8string name = path.u8string();
    return {name.begin(), name.end()};
}

// A file under the folder the card shown was read from is on the card; any
// other is on the PC's own disk.
Medium MediumOf(const Program& program, const fs::path& file) {
    if (!program.CardFile)
        return Medium::Disk;
    const fs::path root = program.CardFile->Path.parent_path().parent_path();
    const fs::path inside = file.lexically_relative(root);
    return !root.empty() && !inside.empty() && *inside.begin() != ".." ? Medium::Card
                                                                       : Medium::Disk;
}

}  // namespace

bool ExportLines(const Program& program, Dialogs& ask, Files& disk, int side, ExportFormat format,
                 const fs::path& file) {
    const bool straight = program.Menus.StraightTrack;
    const CardImage& image = program.Table.Current(side);
    const auto say = [&](const Words& text, Icon icon) {
        ask.Show({text, Buttons::Ok, icon, kExportTitle});
        return false;
    };
    if (PlacedLines(image, straight).empty())
        return say(Words{straight ? SAY("%1 holds no straight lines to export.")
                                  : SAY("%1 holds no circle tracks to export."),
                         {kSideCaption[side]}},
                   Icon::Information);
    if (file.filename().empty() || (disk.IsFolder(file) && !ExportFormatEntry(format).Folder))
        return say(SAY("Please give the name of the file to write."), Icon::Exclamation);
    const auto existing = ExportReplaces(disk, file, format);
    if (existing &&
        ask.Show({Words{SAY("%1 already exists. Replace it?"), {NameText(existing->filename())}},
                  Buttons::YesNo, Icon::Question, kExportTitle, Answer::No}) != Answer::Yes)
        return false;
    const ExportResult result =
        WriteExport(disk, file, format, image, straight, kSideCaption[side]);
    const std::string written = NameText(fs::path(result.File).make_preferred());
    const Words leftOut = LeftOutText(result.LeftOut);
    if (result.Passes == 0)
        return say(Words{SAY("Nothing was written to %1.\r\n%2"), {written, leftOut}},
                   Icon::Exclamation);
    if (!result.Written) {
        Message box{Words{SAY("The lines could not be written to %1.\r\nCheck that the folder "
                              "exists and can be written; any file that was there is unchanged."),
                          {written}},
                    Buttons::Ok, Icon::Exclamation, kExportTitle};
        if (result.Failure)
            box = WithReason(box, *result.Failure, MediumOf(program, result.File));
        ask.Show(box);
        return false;
    }
    const Words done{
        result.Passes == 1 ? SAY("%1 pass written to %2.") : SAY("%1 passes written to %2."),
        {std::to_string(result.Passes), written}};
    say(leftOut.empty() ? done : Words{"%1\r\n%2", {done, leftOut}}, Icon::Information);
    return true;
}

const std::vector<ExportEntry>& ExportFormatList() {
    return ExportFormats();
}

const ExportEntry& ExportFormatOf(ExportFormat format) {
    return ExportFormatEntry(format);
}

std::string ExportDefaultName(ExportFormat format) {
    return DefaultExportName(format);
}

std::vector<Words> ExportLeavesOut(ExportFormat format, bool straight) {
    return ExportLimitations(format, straight);
}

std::variant<ImportResult, ImportFailure> ReadLinesToImport(const fs::path& path,
                                                            std::stop_token stop) {
    return ReadImportFile(path, std::move(stop));
}

std::vector<Words> ImportPreviewNotes(const ImportResult& result) {
    return ImportNotes(result);
}

Words ImportLeftOutNote() {
    return LeftOutNote();
}

}  // namespace swathkit
