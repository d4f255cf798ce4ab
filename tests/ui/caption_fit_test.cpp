#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTranslator>
#include <algorithm>

#include "ui/export_dialog.h"
#include "ui/import_dialog.h"
#include "ui/language.h"
#include "ui/merge_card_dialog.h"
#include "ui/select_directory.h"
#include "ui/shift_dialog.h"
#include "ui/window_harness.h"

namespace swathkit {
namespace {

using namespace testing;

// A caption as it is drawn: "&&" is an ampersand, a lone '&' marks the mnemonic.
QString Drawn(QString text) {
    return text.replace("&&", QChar(1)).remove('&').replace(QChar(1), '&');
}

// The caption of a control that does not show all of it, else nothing: the
// text in the control's own font (the smaller one where the window shrank it
// to fit) with the style's margins, within the control; a word-wrapped
// label within its height.
QString Cut(QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    const auto metric = [widget](QStyle::PixelMetric which) {
        return widget->style()->pixelMetric(which, nullptr, widget);
    };
    QString text;
    int margins = 0;
    // A dialog's list opens with every column whole, its headings included;
    // the main window's lists scroll at their drawn size in any language.
    if (auto* list = qobject_cast<QAbstractItemView*>(widget);
        list && widget->window()->objectName() != "AB_Main")
        return list->horizontalScrollBar()->maximum() > 0 ? "columns wider than the list"
                                                          : QString();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QRect room = label->contentsRect();
        text = label->text();
        const bool fits =
            label->wordWrap()
                ? metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), Drawn(text))
                          .height() <= room.height()
                : metrics.horizontalAdvance(Drawn(text)) <= room.width();
        return fits ? QString() : text;
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        text = box->title();
        margins = 2 * metric(QStyle::PM_DefaultFrameWidth) +
                  (box->isCheckable() ? metric(QStyle::PM_IndicatorWidth) : 0);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        text = button->text();
        if (qobject_cast<QCheckBox*>(button))
            margins = metric(QStyle::PM_IndicatorWidth) + metric(QStyle::PM_CheckBoxLabelSpacing);
        else if (qobject_cast<QRadioButton*>(button))
            margins = metric(QStyle::PM_ExclusiveIndicatorWidth) +
                      metric(QStyle::PM_RadioButtonLabelSpacing);
        else
            margins = metric(QStyle::PM_ButtonMargin) + 2 * metric(QStyle::PM_DefaultFrameWidth) +
                      (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
    }
    return text.isEmpty() || metrics.horizontalAdvance(Drawn(text)) + margins <= widget->width()
               ? QString()
               : text;
}

struct Shown {
    QStringList Cut;     // "language window/control: text"
    std::string Layout;  // where each control of the main window stands
};

// The main window as drawn and every dialog at its opening size, in one
// language; an extra translator goes over the program's own.
Shown ShowIn(const QString& language, QTranslator* extra = nullptr) {
    UseLanguage(language);
    QCoreApplication::installTranslator(extra);  // none: nothing happens
    Shown shown;
    {
        WindowHarness h;
        h.setup.Ask = &h.dialogs;
        h.Open();
        const Program& program = h.window->State();
        ShiftDialog shift(QStringLiteral("1 selected pass of Your Card"), h.window.get());
        ExportLinesDialog exportLines(program, RealFiles(), false, h.window.get());
        MergeCardDialog merge(program, MergePlan{}, h.window.get());
        ImportLinesDialog import(program, ImportResult{}, "lines.kml", h.window.get());
        for (QDialog* dialog :
             std::initializer_list<QDialog*>{&shift, &exportLines, &merge, &import})
            dialog->show();
        h.Map();
        h.Trigger("mnuRestore");
        h.Trigger("mnuDuplicates");
        // Shown beside the others rather than over them, as the box it is.
        SelectDirectory folder(h.window.get(),
                               QString::fromStdU16String(h.work.path().u16string()));
        folder.setWindowModality(Qt::NonModal);
        folder.show();

        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible() || !QTest::qWaitForWindowExposed(top))
                continue;
            for (QWidget* widget : top->findChildren<QWidget*>()) {
                if (widget->window() != top)
                    continue;  // a dialog of its own
                // The window's placed controls are checked even while hidden
                // ("Saving:" shows only during a save).
                const bool placed = widget->parentWidget()->objectName() == "client";
                const QString cut = widget->isVisibleTo(top) || placed ? Cut(widget) : QString();
                if (!cut.isEmpty())  // unnamed controls are known by their text
                    shown.Cut << QString("%1 %2/%3: %4")
                                     .arg(language, top->objectName(), widget->objectName(), cut);
                const QRect at = widget->geometry();
                if (placed)
                    shown.Layout +=
                        QString::asprintf("%s %d,%d %dx%d\n", qPrintable(widget->objectName()),
                                          at.x(), at.y(), at.width(), at.height())
                            .toStdString();
            }
        }
    }
    QCoreApplication::removeTranslator(extra);
    UseLanguage("en");
    shown.Cut.sort();  // the windows come in no set order
    return shown;
}

// Every language the program ships shows every caption whole, and the main
// window's drawn layout stays where it was drawn.
TEST(Languages, EveryCaptionShowsWholeAndTheLayoutStaysAsDrawn) {
    const Shown english = ShowIn("en");
    EXPECT_GE(std::count(english.Layout.begin(), english.Layout.end(), '\n'), 20);
    // A translator tries a file before it is built in: lrelease it into the
    // folder SWATHKIT_TRY_TRANSLATIONS names, and it goes over the built one.
    const QString trying = qEnvironmentVariable("SWATHKIT_TRY_TRANSLATIONS");
    for (const Language& language : Languages()) {
        QTranslator tried;
        const bool trial = !trying.isEmpty() &&
                           tried.load(QString("%1/swathkit_%2.qm").arg(trying, language.Code));
        const Shown shown = language.Code == "en" ? english
                            : trial               ? ShowIn(language.Code, &tried)
                                                  : ShowIn(language.Code);
        EXPECT_EQ(shown.Cut.join('\n').toStdString(), "");
        EXPECT_EQ(shown.Layout, english.Layout) << language.Code.toStdString();
    }

    // The drive box shows its entries translated, and the logic gets them
    // back as it listed them.
    UseLanguage("de");
    QComboBox box;
    QtDriveChooser drives(&box, [] { return DriveList{{"/ [This Computer]", "/media/CARD"}, 0}; });
    EXPECT_EQ(box.currentText(), Tr(SAY("/ [This Computer]")));
    EXPECT_NE(box.currentText(), "/ [This Computer]");
    EXPECT_EQ(drives.CurrentText(), "/ [This Computer]");
    EXPECT_EQ(drives.Entries(), (std::vector<std::string>{"/ [This Computer]", "/media/CARD"}));
    UseLanguage("en");
}

}  // namespace
}  // namespace swathkit
