#!/usr/bin/python3
"""A panel that hosts tray icons over D-Bus, as much of one as the tests need.
  watch               serves org.kde.StatusNotifierWatcher on the session bus
                      and prints each icon that registers: "bus<TAB>name"
  menu BUS NAME       the icon's menu, one entry a line: "id<TAB>type<TAB>label"
  choose BUS NAME ID  chooses entry ID as a panel does: AboutToShow, "clicked"
  Activate BUS NAME, ContextMenu BUS NAME: a left or right click that the
                      panel passes to the icon"""
import sys

from gi.repository import Gio, GLib

ITEM = "org.kde.StatusNotifierItem"
WATCHER = """<node><interface name="org.kde.StatusNotifierWatcher">
<method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
<method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
<property name="RegisteredStatusNotifierItems" type="as" access="read"/>
<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
<property name="ProtocolVersion" type="i" access="read"/>
</interface></node>"""


def watch():
    items = []

    def on_call(bus, sender, path, iface, method, args, invocation):
        if method == "RegisterStatusNotifierItem":
            items.append(args[0])
            print(f"{sender}\t{args[0]}", flush=True)
        invocation.return_value(None)

    def on_get(bus, sender, path, iface, name):
        return {"RegisteredStatusNotifierItems": GLib.Variant("as", items),
                "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
                "ProtocolVersion": GLib.Variant("i", 0)}[name]

    def on_bus(bus, name):
        info = Gio.DBusNodeInfo.new_for_xml(WATCHER).interfaces[0]
        bus.register_object("/StatusNotifierWatcher", info, on_call, on_get, None)

    Gio.bus_own_name(Gio.BusType.SESSION, "org.kde.StatusNotifierWatcher",
                     Gio.BusNameOwnerFlags.NONE, on_bus, None, lambda *_: sys.exit(1))
    GLib.MainLoop().run()


def call(bus, dest, path, iface, method, args):
    return bus.call_sync(dest, path, iface, method, args, None, 0, 5000, None).unpack()


def main():
    what, dest, name = sys.argv[1:4]
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    path = name if name.startswith("/") else "/StatusNotifierItem"
    menu = call(bus, dest, path, "org.freedesktop.DBus.Properties", "Get",
                GLib.Variant("(ss)", (ITEM, "Menu")))[0]
    if what == "menu":
        for entry, props, _ in call(bus, dest, menu, "com.canonical.dbusmenu", "GetLayout",
                                    GLib.Variant("(iias)", (0, -1, [])))[1][2]:
            print(f"{entry}\t{props.get('type', 'standard')}\t{props.get('label', '')}")
    elif what == "choose":
        call(bus, dest, menu, "com.canonical.dbusmenu", "AboutToShow", GLib.Variant("(i)", (0,)))
        call(bus, dest, menu, "com.canonical.dbusmenu", "Event",
             GLib.Variant("(isvu)", (int(sys.argv[4]), "clicked", GLib.Variant("s", ""), 0)))
    else:
        call(bus, dest, path, ITEM, what, GLib.Variant("(ii)", (10, 10)))


if __name__ == "__main__":
    watch() if sys.argv[1:] == ["watch"] else main()
