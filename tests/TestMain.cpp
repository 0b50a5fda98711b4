// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Every test binary runs headless with a QApplication, a private runtime folder, and the one
// offscreen warning that says nothing about our code filtered out.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QtMessageHandler previousHandler = nullptr;

void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("This plugin does not support propagateSizeHints()")))
        return;
    previousHandler(type, context, message);
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir;
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    previousHandler = qInstallMessageHandler(filterMessages);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
