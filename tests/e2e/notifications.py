#!/usr/bin/python3
# A stand-in for the desktop's notification service on the session bus:
# each Notify is written to the file named as the argument, one line each:
# id, summary, body, urgency, actions. SIGUSR1 chooses the last one as a
# user's click does: its activation token (the second argument), then its
# "default" action. SIGUSR2 chooses it as GNOME 43 does, with no token.
import signal
import sys
from gi.repository import Gio, GLib

XML = """<node><interface name="org.freedesktop.Notifications">
<method name="Notify"><arg type="s"/><arg type="u"/><arg type="s"/><arg type="s"/><arg type="s"/>
<arg type="as"/><arg type="a{sv}"/><arg type="i"/><arg type="u" direction="out"/></method>
<method name="CloseNotification"><arg type="u"/></method>
<method name="GetCapabilities"><arg type="as" direction="out"/></method>
<method name="GetServerInformation"><arg type="s" direction="out"/><arg type="s" direction="out"/>
<arg type="s" direction="out"/><arg type="s" direction="out"/></method>
</interface></node>"""
log = open(sys.argv[1], "a", buffering=1)
count = [0]

def call(conn, sender, path, iface, method, args, invocation):
    if method == "Notify":
        count[0] += 1
        app, _, _, summary, body, actions, hints, _ = args.unpack()
        log.write(f"{count[0]}\t{summary}\t{body}\t{hints.get('urgency', '')}\t{','.join(actions)}\n")
        invocation.return_value(GLib.Variant("(u)", (count[0],)))
    elif method == "GetCapabilities":
        invocation.return_value(GLib.Variant("(as)", (["actions", "body"],)))
    elif method == "GetServerInformation":
        invocation.return_value(GLib.Variant("(ssss)", ("stand-in", "kvirlo", "1", "1.2")))
    else:
        invocation.return_value(None)

def acquired(conn, name):
    conn.register_object("/org/freedesktop/Notifications",
                         Gio.DBusNodeInfo.new_for_xml(XML).interfaces[0], call, None, None)

def choose(with_token):
    conn = Gio.bus_get_sync(Gio.BusType.SESSION)
    token = [("ActivationToken", sys.argv[2] if len(sys.argv) > 2 else "")] if with_token else []
    for name, value in token + [("ActionInvoked", "default")]:
        conn.emit_signal(None, "/org/freedesktop/Notifications", "org.freedesktop.Notifications", name,
                         GLib.Variant("(us)", (count[0], value)))
    return True

GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, choose, True)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR2, choose, False)
Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.Notifications", 0, acquired, None, None)
GLib.MainLoop().run()
