#!/usr/bin/python3
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# What a tray host does with a StatusNotifierItem, from the command line:
#   sni_host.py check NAME PATH     prints the item's properties a host shows, one per line,
#                                   and fails when one of them could not be drawn
#   sni_host.py activate NAME PATH  clicks the item as a host does on a left click
import sys

import dbus

ITEM = "org.kde.StatusNotifierItem"


def pixmap_sizes(pixmaps):
    """The sizes of the icon pictures; fails on one whose bytes do not fill it."""
    sizes = []
    for width, height, data in pixmaps:
        if width <= 0 or height <= 0 or len(data) != width * height * 4:
            raise SystemExit(f"bad pixmap {width}x{height} with {len(data)} bytes")
        if not any(data[i] for i in range(0, len(data), 4)):  # ARGB: every alpha zero
            raise SystemExit(f"pixmap {width}x{height} is fully transparent")
        sizes.append(f"{width}x{height}")
    return sizes


def check(item):
    props = item.GetAll(ITEM, dbus_interface="org.freedesktop.DBus.Properties")
    sizes = pixmap_sizes(props.get("IconPixmap", []))
    if not sizes and not props.get("IconName"):
        raise SystemExit("neither IconPixmap nor IconName")
    icon_name, tip_pixmaps, tip_title, tip_text = props["ToolTip"]
    print("Id=" + props.get("Id", ""))
    print("Title=" + props.get("Title", ""))
    print("Status=" + props.get("Status", ""))
    print("Category=" + props.get("Category", ""))
    print("IconName=" + props.get("IconName", ""))
    print("IconPixmap=" + " ".join(sizes))
    print("ToolTip.Title=" + tip_title)
    print("ToolTip.Text=" + tip_text)


def main():
    command, name, path = sys.argv[1:4]
    item = dbus.SessionBus().get_object(name, path)
    if command == "check":
        check(item)
    elif command == "activate":
        item.Activate(dbus.Int32(10), dbus.Int32(10), dbus_interface=ITEM)
    else:
        raise SystemExit("unknown command " + command)


if __name__ == "__main__":
    main()
