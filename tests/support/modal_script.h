#pragma once
// The operator at the window's real message and input boxes.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>

namespace swathkit::testing {

// Answers the window's real message and input boxes as they open, in the
// order the script gives, the way the operator would: by clicking a button
// or typing an entry and pressing Return.
class ModalScript final : public QObject {
  public:
    ModalScript() {
        connect(&poll_, &QTimer::timeout, this, [this] { Answer(); });
        poll_.start(5);
    }

    // The box's text, buttons and the one Enter presses are checked where
    // given; a box whose text is checked elsewhere is known by its title.
    void Box(const QString& title, const QString& text, QMessageBox::StandardButtons buttons,
             QMessageBox::StandardButton press,
             QMessageBox::StandardButton byDefault = QMessageBox::NoButton) {
        Step([=](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr) << "expected the box " << title.toStdString();
            EXPECT_EQ(box->windowTitle(), title);
            EXPECT_EQ(box->text(), text.isNull() ? box->text() : text);
            EXPECT_TRUE(buttons == QMessageBox::NoButton || box->standardButtons() == buttons);
            if (byDefault != QMessageBox::NoButton) {
                EXPECT_EQ(box->defaultButton(), box->button(byDefault)) << title.toStdString();
            }
            QTest::mouseClick(box->button(press), Qt::LeftButton);
        });
    }
    void Box(const QString& title, QMessageBox::StandardButton press) {
        Box(title, QString(), QMessageBox::NoButton, press);
    }

    void Input(const QString& label, const QString& entry) {
        Step([=](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            ASSERT_NE(dialog, nullptr) << "expected the input box " << label.toStdString();
            EXPECT_EQ(dialog->windowTitle(), "Field Shuffle");
            EXPECT_EQ(dialog->labelText(), label);
            auto* edit = dialog->findChild<QLineEdit*>();
            ASSERT_NE(edit, nullptr);
            EXPECT_TRUE(edit->text().isEmpty());
            QTest::keyClicks(edit, entry);
            QTest::keyClick(edit, Qt::Key_Return);
        });
    }

    // The file's name typed into the file chooser, and taken.
    void ChooseFile(const std::filesystem::path& file) {
        Step([file](QWidget* modal) {
            auto* chooser = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(chooser, nullptr) << "expected the file chooser";
            chooser->findChild<QLineEdit*>("fileNameEdit")
                ->setText(QString::fromStdU16String(file.u16string()));
            QMetaObject::invokeMethod(chooser, "accept");
        });
    }

    // Any other look at the open box; the step must close it.
    void Step(std::function<void(QWidget*)> step) { steps_.push_back(std::move(step)); }

    bool Done() const { return steps_.empty(); }

  private:
    void Answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || modal->property("answered").toBool())
            return;
        modal->setProperty("answered", true);
        if (steps_.empty()) {
            ADD_FAILURE() << "unexpected box " << modal->windowTitle().toStdString();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            return;
        }
        // Run the step from its own event, not inside the poll: a step that
        // opens a further box would otherwise hold the poll up and leave that
        // box unanswered.
        QTimer::singleShot(0, modal, [step = std::move(steps_.front()), modal] { step(modal); });
        steps_.pop_front();
    }

    QTimer poll_;
    std::deque<std::function<void(QWidget*)>> steps_;
};

}  // namespace swathkit::testing
