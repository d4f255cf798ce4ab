#include <QApplication>

#include "ui/help_window.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Declared before the window, which uses it until it is destroyed.
    swathkit::QtHelpViewer help;
    swathkit::WindowSetup setup;
    setup.Help = &help;
    swathkit::AB_Main window(std::move(setup));
    window.show();
    return app.exec();
}
