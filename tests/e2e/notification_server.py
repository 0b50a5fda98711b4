#!/usr/bin/python3
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
"""A stand-in for the desktop's notification server (dunst, GNOME Shell, Plasma): it owns
org.freedesktop.Notifications on the session bus, answers as a server does (it reads markup
in the body and offers actions), and appends each call as one JSON line to the file named on
the command line. For the test it also answers org.corvane.Test.Invoke(id, key), which acts as
the user's click on an action: ActionInvoked, then NotificationClosed with reason 2
(dismissed). It prints "ready" once it owns the name.

Run as: notification_server.py LOG_FILE"""
import json
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"
PATH = "/org/freedesktop/Notifications"
CONTROL = "org.corvane.Test"


def hint_value(name, value):
    """A hint as JSON: a byte keeps its type, a picture is summed up."""
    if isinstance(value, dbus.Byte):
        return {"byte": int(value)}
    if name in ("image-data", "image_data", "icon_data"):
        width, height, rowstride, alpha, bits, channels, data = value
        data = bytes(data)
        opaque = sum(1 for i in range(channels - 1, len(data), channels) if data[i]) \
            if alpha else width * height
        return {"width": int(width), "height": int(height), "rowstride": int(rowstride),
                "alpha": bool(alpha), "bits": int(bits), "channels": int(channels),
                "bytes": len(data), "opaque": opaque, "signature": value.signature}
    if isinstance(value, dbus.Boolean):
        return bool(value)
    if isinstance(value, (dbus.String, dbus.ObjectPath)):
        return str(value)
    return repr(value)


class Server(dbus.service.Object):
    def __init__(self, bus, log_path):
        super().__init__(bus, PATH)
        self.log_path = log_path
        self.last_id = 0

    def log(self, **record):
        with open(self.log_path, "a", encoding="utf-8") as log:
            log.write(json.dumps(record) + "\n")

    @dbus.service.method(NAME, out_signature="as", sender_keyword="sender")
    def GetCapabilities(self, sender=None):
        self.log(call="GetCapabilities", sender=str(sender))
        return ["body", "body-markup", "actions"]

    @dbus.service.method(NAME, out_signature="ssss")
    def GetServerInformation(self):
        return ("stand-in", "Corvane tests", "1", "1.2")

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u",
                         sender_keyword="sender")
    def Notify(self, app_name, replaces_id, app_icon, summary, body, actions, hints,
               expire_timeout, sender=None):
        notification_id = int(replaces_id) or self.last_id + 1
        self.last_id = max(self.last_id, notification_id)
        self.log(call="Notify", sender=str(sender), id=notification_id, app_name=str(app_name),
                 replaces_id=int(replaces_id), app_icon=str(app_icon), summary=str(summary),
                 body=str(body), actions=[str(a) for a in actions],
                 hints={str(k): hint_value(str(k), v) for k, v in hints.items()},
                 expire_timeout=int(expire_timeout))
        return notification_id

    @dbus.service.method(NAME, in_signature="u", sender_keyword="sender")
    def CloseNotification(self, notification_id, sender=None):
        self.log(call="CloseNotification", sender=str(sender), id=int(notification_id))
        self.NotificationClosed(notification_id, 3)

    @dbus.service.signal(NAME, signature="us")
    def ActionInvoked(self, notification_id, action_key):
        pass

    @dbus.service.signal(NAME, signature="uu")
    def NotificationClosed(self, notification_id, reason):
        pass

    @dbus.service.method(CONTROL, in_signature="us")
    def Invoke(self, notification_id, action_key):
        self.ActionInvoked(notification_id, action_key)
        self.NotificationClosed(notification_id, 2)


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    server = Server(bus, sys.argv[1])
    name = dbus.service.BusName(NAME, bus, do_not_queue=True)
    print("ready", flush=True)
    GLib.MainLoop().run()
    del name, server


if __name__ == "__main__":
    main()
