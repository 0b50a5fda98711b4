// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogSeam.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

namespace corvane {

namespace {
struct SeamState {
    DialogSeam::Answerer answerer;
    int deadlineMs = 5000;
};

SeamState& state()
{
    static SeamState s;
    return s;
}
} // namespace

int DialogSeam::exec(QDialog& dialog)
{
    // Answering a dialog closes it, and Qt ends the program when the last window on screen
    // closes: the alarm's dialog, answered while the main window is hidden in the tray, would
    // end Corvane without saving. Only closing the main window ends it.
    dialog.setAttribute(Qt::WA_QuitOnClose, false);
    const SeamState& s = state();
    if (s.answerer) {
        QPointer<QDialog> guard(&dialog);
        Answerer answer = s.answerer;
        QTimer::singleShot(0, &dialog, [guard, answer] {
            if (guard)
                answer(*guard);
        });
        QTimer::singleShot(s.deadlineMs, &dialog, [guard] {
            if (guard && guard->isVisible())
                guard->reject();
        });
    }
    return dialog.exec();
}

void DialogSeam::setAnswerer(Answerer answerer, int deadlineMs)
{
    state().answerer = std::move(answerer);
    state().deadlineMs = deadlineMs;
}

bool DialogSeam::hasAnswerer()
{
    return bool(state().answerer);
}

} // namespace corvane
