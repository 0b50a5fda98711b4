// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogSeam.h"

#include <QApplication>
#include <QDialog>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

using namespace corvane;

// The main window hidden in the tray, a dialog answered (the alarm): the program goes on. Qt
// ends the event loop when the last visible window closes, and answering a dialog closes it.
TEST(DialogSeam, AnsweringTheOnlyWindowOnScreenDoesNotEndTheProgram)
{
    DialogSeam::setAnswerer([](QDialog& dialog) { dialog.accept(); });
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    bool endedByTheTest = false;
    QTimer::singleShot(0, qApp, [&] {
        QDialog dialog;
        EXPECT_EQ(DialogSeam::exec(dialog), QDialog::Accepted);
        QTimer::singleShot(200, qApp, [&] {
            endedByTheTest = true;
            QCoreApplication::quit();
        });
    });
    QApplication::exec();
    DialogSeam::setAnswerer({});
    EXPECT_TRUE(endedByTheTest);
    EXPECT_EQ(lastClosed.size(), 0);
}
