// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace corvane {

// What a notification says: a one-line summary, the body as plain text (the notifier turns it
// into what the server reads), and the label of the action that brings the program's window
// to the front; no visible action when the label is empty.
struct TNotification {
    QString summary;
    QString body;
    QString actionLabel;
};

// The desktop's notifications as the program uses them: one notification at a time, shown
// and taken back, and word when the user chose it. Neither call waits for anything. The main
// window holds one; tests put a fake of their own in its place (TDesktopNotification is the
// one that speaks to the desktop).
class TNotifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Shows the notification in place of the one shown before, if any.
    virtual void show(const TNotification& notification) = 0;
    // Takes the notification back from the screen; nothing when none is shown.
    virtual void close() = 0;

Q_SIGNALS:
    // The user clicked the notification or chose its action. activationToken is the token
    // the server handed over for the window to take the focus with (Wayland's
    // XDG_ACTIVATION_TOKEN); empty when it gave none.
    void activated(const QString& activationToken);
};

} // namespace corvane
