#!/usr/bin/python3
"""Reads the running program through AT-SPI, as a screen reader does.

    atspi_check.py APPLICATION X_WINDOW [LANGUAGE]

Finds the window of the application named on the command line, checks the
names and roles of its controls, steps "A amplitude" up five times and "A
frequency" once through the spin buttons' accessible "increase" action,
and checks that the value label, the spin button's value and the graph's
description follow, and that the description change was announced as an
event. Then presses Ctrl+C and Ctrl+Shift+C in the X window (with
xdotool) and checks that each copy is announced as a screen reader reads a
notification out: a notification becomes showing
(object:state-changed:showing), with a label inside that says what was
copied. With LANGUAGE "ja" (the program started with LANGUAGE=ja) the names,
the description and the notices are the Japanese ones. Exits non-zero, with
a message, on the first thing that is wrong.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

DEADLINE_SECONDS = 20


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, probe):
    deadline = time.time() + DEADLINE_SECONDS
    while time.time() < deadline:
        result = probe()
        if result:
            return result
        time.sleep(0.1)
    fail("timed out waiting for " + what)


def find_application(name):
    def probe():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        return None
    return wait_for("the application " + name, probe)


def find(root, role, name):
    found = pyatspi.findDescendant(root, lambda a: a.getRoleName() == role and a.name == name)
    if found is None:
        fail("no %s named %r" % (role, name))
    return found


def action_names(accessible):
    actions = accessible.queryAction()
    return [actions.getName(i).lower() for i in range(actions.nActions)]


# What a screen reader hears, by language.
SPOKEN = {
    "en": {
        "controls": [
            ("spin button", "A amplitude"), ("spin button", "B frequency"), ("spin button", "W amplitude"),
            ("spin button", "t span"), ("radio button", "W cos"), ("radio button", "step a 0.5"),
            ("push button", "RESET"), ("image", "Essential Wave W"), ("image", "A'"), ("image", "E'"),
            ("label", "A amplitude 0"), ("label", "t span 1"),
        ],
        "graph": "A", "amplitude": "A amplitude", "frequency": "A frequency", "label after": "A amplitude 5",
        "description after": "A = 5 cos(1 x), t = 1 period",
        "window copied": "Picture of the window copied",
        "graph copied": "Picture of the graph {} copied",
        "nothing focused": "No graph has the focus: picture of the window copied",
    },
    "ja": {
        "controls": [
            ("spin button", "A の振幅"), ("spin button", "B の周波数"), ("spin button", "W の振幅"),
            ("spin button", "表示周期数 t"), ("radio button", "W を cos に"), ("radio button", "振幅の刻み 0.5"),
            ("push button", "RESET（リセット）"), ("image", "基準波 W のグラフ"), ("image", "A' のグラフ"),
            ("image", "E' のグラフ"), ("label", "A の振幅 0"), ("label", "表示周期数 t 1"),
        ],
        "graph": "A のグラフ", "amplitude": "A の振幅", "frequency": "A の周波数", "label after": "A の振幅 5",
        "description after": "A = 5 cos(1 x)、t = 1 周期",
        "window copied": "ウィンドウの画像をコピーしました",
        "graph copied": "{}の画像をコピーしました",
        "nothing focused": "グラフが選ばれていないので、ウィンドウの画像をコピーしました",
    },
}


def main():
    language = sys.argv[3] if len(sys.argv) > 3 else "en"
    spoken = SPOKEN[language]
    app = find_application(sys.argv[1])
    window = wait_for("the window", lambda: next(iter(app), None))
    if window.name != "波の合成と積":
        fail("window is called %r" % window.name)

    for role, name in spoken["controls"]:
        find(window, role, name)

    graph = find(window, "image", spoken["graph"])
    announced = []
    pyatspi.Registry.registerEventListener(
        lambda event: announced.append(event.source.name),
        "object:property-change:accessible-description")

    amplitude = find(window, "spin button", spoken["amplitude"])
    frequency = find(window, "spin button", spoken["frequency"])
    actions = amplitude.queryAction()
    if "increase" not in action_names(amplitude) or "decrease" not in action_names(amplitude):
        fail("A amplitude offers %r" % action_names(amplitude))
    for _ in range(5):
        actions.doAction(action_names(amplitude).index("increase"))
    frequency.queryAction().doAction(action_names(frequency).index("increase"))

    wait_for("the label %r" % spoken["label after"],
             lambda: pyatspi.findDescendant(window, lambda a: a.name == spoken["label after"]))
    value = amplitude.queryValue().currentValue
    if value != 5.0:
        fail("A amplitude reads the value %r" % value)
    expected = spoken["description after"]
    wait_for("the description %r" % expected, lambda: graph.description == expected)

    # Events arrive through the main loop of this client.
    def pump_until_announced():
        pyatspi.Registry.pumpQueuedEvents()
        return spoken["graph"] in announced
    wait_for("the announcement of A's new description", pump_until_announced)
    print("ok: names, roles, actions, value and the live description of A read through AT-SPI (%s)" % language)

    check_copy_notices(window, sys.argv[2], spoken)


def check_copy_notices(window_of_app, x_window, spoken):
    shown = []

    def on_showing(event):
        if event.detail1 and event.source.getRoleName() == "notification":
            labels = pyatspi.findAllDescendants(event.source, lambda a: a.getRoleName() == "label")
            shown.append([label.name for label in labels])
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")

    # Nothing calls over D-Bus while waiting here, so the events are
    # dispatched by running GLib's main loop.
    def pump_until_shown():
        while GLib.MainContext.default().iteration(False):
            pass
        pyatspi.Registry.pumpQueuedEvents()
        return shown

    def focused():
        return pyatspi.findDescendant(window_of_app, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED))

    # Once the window is active the focus is on the first control of the
    # focus chain, E's graph; five Tabs lead over D, C, B and A to RESET.
    subprocess.run(["xdotool", "windowfocus", "--sync", x_window], check=True)
    for moves, copy, focus_role, expected in [
        ([], "ctrl+c", None, spoken["window copied"]),
        ([], "ctrl+shift+c", "image", spoken["graph copied"]),
        (["Tab"] * 5, "ctrl+shift+c", "push button", spoken["nothing focused"]),
    ]:
        if moves:
            subprocess.run(["xdotool", "key", "--clearmodifiers"] + moves, check=True)
        if focus_role is not None:
            wait_for("a focused %s" % focus_role,
                     lambda: focused() is not None and focused().getRoleName() == focus_role)
            expected = expected.format(focused().name)
        shown.clear()
        subprocess.run(["xdotool", "key", "--clearmodifiers", copy], check=True)
        wait_for("a notification after " + copy, pump_until_shown)
        if shown[0] != [expected]:
            fail("after %s the notification reads %r, expected %r" % (copy, shown[0], [expected]))
    print("ok: each copy is announced as a notification that says what was copied")


main()
