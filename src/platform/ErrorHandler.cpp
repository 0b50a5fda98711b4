// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ErrorHandler.h"

#include "platform/DialogSeam.h"

#include <QMessageBox>

namespace corvane {

namespace {
QString& outOfMemory()
{
    static QString text
        = QStringLiteral("Corvane ran out of memory; what it was doing was not finished.");
    return text;
}
} // namespace

QString outOfMemoryText()
{
    return outOfMemory();
}

void setOutOfMemoryText(const QString& text)
{
    outOfMemory() = text;
}

void showError(const QString& text)
{
    QMessageBox box(
        QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("ErrorBox"));
    DialogSeam::exec(box);
}

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool result = false;
    guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

} // namespace corvane
