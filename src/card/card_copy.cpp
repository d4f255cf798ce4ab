#include "card/card_copy.h"

#include "card/backup.h"
#include "card/card.h"

namespace swathkit {

namespace {

const Message kInsertCard{"Please insert second card and press ok.", Buttons::OkCancel, Icon::None,
                          "Continue with Card"};

// Waits for a further card that can be read; false when the operator gives up.
bool NextCard(Program& program, Ports& ports) {
    if (ports.Ask.Show(kInsertCard) == Answer::Cancel)
        return false;
    while (!CheckCard(program, ports, true)) {
        if (ports.Ask.Show(kInsertCard) == Answer::Cancel)
            return false;
    }
    return true;
}

// Writes the backed-up line files onto the card in the reader; false after
// telling the operator when the card could not take them.
bool WriteCard(Ports& ports, const fs::path& source) {
    const std::string drive = ports.Drives.CurrentText();
    const struct {
        const char* From;
        const char* To;
    } files[] = {{kCircleLinesFile, "CIRCLES.dat"}, {kStraightLinesFile, "ABLINES.dat"}};
    for (const auto& file : files) {
        if (!ports.Disk.IsFile(source / file.From))
            continue;
        if (!ports.Disk.Copy(source / file.From,
                             CardFilePath(ports.Disk, drive, kCardFolder, file.To))) {
            ports.Ask.Show({std::string("The card could not be written (") + file.To +
                                ").\r\nIts files that were not replaced yet are unchanged.",
                            Buttons::Ok, Icon::Exclamation, "Copy Failed"});
            return false;
        }
    }
    return true;
}

}  // namespace

void CopyCardToCard(Program& program, Ports& ports) {
    if (!CheckCard(program, ports, true))
        return;
    // Without a fresh backup there is nothing safe to copy from; the backup
    // has told the operator why.
    const std::optional<fs::path> source = BackupCardFiles(program, ports);
    if (!source)
        return;
    ports.Ask.Show(
        {"This card image has been successfully saved.", Buttons::Ok, Icon::None, "Copy Complete"});
    for (;;) {
        if (!NextCard(program, ports))
            return;
        if (ports.Ask.Show({"The AB-Line and Circle Info on this card will be \r\n"
                            "completely replaced.  Is it ok to continue?",
                            Buttons::YesNo, Icon::None, "Continue with Copy"}) == Answer::No) {
            return;
        }
        if (!WriteCard(ports, *source))
            return;
        if (ports.Ask.Show({"Image has been successfully saved.\r\n"
                            "Would you like to copy this image to another card?",
                            Buttons::YesNo, Icon::None, "Another Copy"}) == Answer::No) {
            return;
        }
    }
}

}  // namespace swathkit
