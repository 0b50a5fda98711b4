#!/usr/bin/python3
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# A stand-in for the StatusNotifierWatcher of KDE Plasma, XFCE's status-notifier plugin and
# GNOME's AppIndicator extension: it owns org.kde.StatusNotifierWatcher on the session bus,
# says a host is there, and appends each registered item ("<bus name> <path>") to the file
# named on the command line. It prints "ready" once it owns the name.
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"
PROPS = "org.freedesktop.DBus.Properties"


class Watcher(dbus.service.Object):
    def __init__(self, bus, log_path):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.items = []
        self.log_path = log_path

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # Items name either their bus name or only their object path (then the sender's).
        if service.startswith("/"):
            name, path = sender, service
        else:
            name, path = service, "/StatusNotifierItem"
        self.items.append(name + path)
        with open(self.log_path, "a", encoding="utf-8") as log:
            log.write(f"{name} {path}\n")
        self.StatusNotifierItemRegistered(name + path)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemUnregistered(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="")
    def StatusNotifierHostRegistered(self):
        pass

    def properties(self):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(True),
            "ProtocolVersion": dbus.Int32(0),
        }

    # Qt asks for the host through a dynamic interface, which sees only the properties that
    # the introspection data lists; dbus-python lists methods and signals alone.
    @dbus.service.method(
        dbus.INTROSPECTABLE_IFACE,
        out_signature="s",
        path_keyword="object_path",
        connection_keyword="connection",
    )
    def Introspect(self, object_path, connection):
        xml = dbus.service.Object.Introspect(self, object_path, connection)
        props = (
            '<property name="RegisteredStatusNotifierItems" type="as" access="read"/>'
            '<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>'
            '<property name="ProtocolVersion" type="i" access="read"/>'
        )
        anchor = f'<interface name="{WATCHER}">'
        return xml.replace(anchor, anchor + props)

    @dbus.service.method(PROPS, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.properties()[name]

    @dbus.service.method(PROPS, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self.properties()


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    watcher = Watcher(bus, sys.argv[1])
    name = dbus.service.BusName(WATCHER, bus, do_not_queue=True)
    print("ready", flush=True)
    GLib.MainLoop().run()
    del name, watcher


if __name__ == "__main__":
    main()
