#include <QApplication>
#include <QLocale>
#include <QLockFile>
#include <QStringList>
#include <QTimer>

#include "ui/help_window.h"
#include "ui/language.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const swathkit::fs::path work = swathkit::DefaultWorkFolder();
    swathkit::UseLanguage(
        swathkit::StartLanguage(swathkit::ReadLanguageChoice(work, swathkit::RealFiles()),
                                QLocale::system().uiLanguages()));
    QLockFile lock(QString::fromStdU16String(swathkit::WorkFolderLockFile(work).u16string()));
    {
        swathkit::QtDialogs ask(nullptr);
        if (!swathkit::TakeWorkFolder(lock, ask, work))
            return 1;
    }
    // Declared before the window, which uses it until it is destroyed.
    swathkit::QtHelpViewer help;
    swathkit::WindowSetup setup;
    setup.Help = &help;
    swathkit::AB_Main window(std::move(setup));
    window.show();
    // For leak checks: start, show the window once and shut down as if the
    // operator had closed it.
    if (QApplication::arguments().contains(QStringLiteral("--quit-after-start")))
        QTimer::singleShot(0, &window, &QWidget::close);
    return app.exec();
}
