#pragma once
// Screen grabs for looking at a run afterwards. With SWATHKIT_SHOTS naming a
// folder (and a real display, e.g. under Xvfb with QT_QPA_PLATFORM=xcb) the
// whole screen is saved there under the given name; otherwise nothing.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QTest>
#include <cstdlib>

namespace swathkit::testing {

inline void Shot(const char* name) {
    const char* folder = std::getenv("SWATHKIT_SHOTS");
    if (folder == nullptr)
        return;
    QTest::qWait(150);  // let the windows finish painting
    QGuiApplication::primaryScreen()->grabWindow(0).save(QString(folder) + "/" + name + ".png");
}

}  // namespace swathkit::testing
