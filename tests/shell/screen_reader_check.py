#!/usr/bin/python3
"""What a screen reader finds in the running program, through AT-SPI.

Started by screen_reader_test.sh on a private session bus under Xvfb, with
accessibility switched on as a screen reader switches it on. Drives the
program with real X input (xdotool) and reads it as a screen reader does:
the names of the controls, the values of the scroll bars, the graph's
description, the tooltips, the handbook at F1 and the readout, each change
told by its event.

    screen_reader_check.py PROGRAM
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM = sys.argv[1]
TIMEOUT = 20.0

# Roles of objects that only hold others; a screen reader passes over them.
HOLDERS = {
    pyatspi.ROLE_APPLICATION, pyatspi.ROLE_FRAME, pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL,
    pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_POPUP_MENU, pyatspi.ROLE_SEPARATOR, pyatspi.ROLE_SCROLL_PANE,
    pyatspi.ROLE_VIEWPORT, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW,
}

failures = []


def check(what, seen, expected):
    if seen == expected:
        print(f"ok: {what} = {seen!r}")
    else:
        print(f"FAIL: {what} is {seen!r}, expected {expected!r}")
        failures.append(what)


def check_true(what, condition, detail=""):
    print(("ok: " if condition else "FAIL: ") + what + (f" ({detail})" if detail else ""))
    if not condition:
        failures.append(what)


# --- Events, collected while the main loop turns

events = []


def on_event(event):
    """Keeps the event with what its object said when it came: the value a
    screen reader reads out on a value change."""
    name = value = None
    try:
        name = event.source.name
        if event.type.startswith("object:property-change:accessible-value"):
            value = event.source.queryValue().currentValue
    except Exception:  # an object gone in the meantime
        pass
    events.append((event.type, name, value))


def pump(seconds=0.0, until=None):
    """Turns the main loop for up to `seconds`, or until `until()` holds."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if until is not None and until():
            return True
        if time.monotonic() >= end:
            return until is None
        time.sleep(0.02)


def wait_for_event(kind, source_name, seconds=TIMEOUT):
    def arrived():
        return any(t.startswith(kind) and n == source_name for t, n, _ in events)
    return pump(seconds, arrived)


# --- The accessible tree

def walk(obj):
    yield obj
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def find(root, name, role=None):
    for obj in walk(root):
        if obj.name == name and (role is None or obj.getRole() == role) and showing(obj):
            return obj
    return None


def application():
    def found():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "velnorit":
                for j in range(app.childCount):
                    frame = app.getChildAtIndex(j)
                    if frame is not None and frame.name == "Rationale Velnorit" and showing(frame):
                        return app
        return None
    end = time.monotonic() + TIMEOUT
    while time.monotonic() < end:
        app = found()
        if app is not None:
            return app
        pump(0.2)
    sys.exit("FAIL: the program did not show its window on the accessibility bus")


def centre(obj):
    extents = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return extents.x + extents.width // 2, extents.y + extents.height // 2


def xdotool(*arguments):
    subprocess.run(["xdotool", *map(str, arguments)], check=True)


def value_of(obj):
    return int(round(obj.queryValue().currentValue))


def text_of(obj):
    text = obj.queryText()
    return text.getText(0, text.characterCount)


# --- The checks

for kind in ("object:property-change:accessible-value", "object:property-change:accessible-description",
             "object:text-changed"):
    pyatspi.Registry.registerEventListener(on_event, kind)

program = subprocess.Popen([PROGRAM])
try:
    app = application()
    pump(1.0)  # the first paint, and the program learning of the listeners

    # Every control that shows has a name, but for the list's two inner
    # scroll bars.
    nameless = [f"{o.getRoleName()} in {o.parent.getRoleName() if o.parent else '?'}"
                for o in walk(app) if o.getRole() not in HOLDERS and showing(o) and not o.name]
    check_true("at most two showing controls without a name", len(nameless) <= 2, ", ".join(nameless))

    bars = {o.name: o for o in walk(app) if o.getRole() == pyatspi.ROLE_SCROLL_BAR and o.name and showing(o)}
    six = ["Wurzel", "Abs", "Nenner", "Vergrößerung der y-Achse", "Nennerfenster (x-Achse)", "Graph verschieben"]
    check("the named scroll bars", sorted(bars), sorted(six))
    for name, start in (("Wurzel", 5), ("Abs", 0), ("Nenner", 2)):
        check(f"{name} at start", value_of(bars[name]), start)

    # Up on the Wurzel bar: the change is told, and the bar then reads 6.
    wurzel = bars["Wurzel"]
    wurzel.queryComponent().grabFocus()
    pump(0.3)
    check_true("the Wurzel bar has the keyboard", wurzel.getState().contains(pyatspi.STATE_FOCUSED))
    events.clear()
    xdotool("key", "Up")
    check_true("a value change of Wurzel is told",
               wait_for_event("object:property-change:accessible-value", "Wurzel"))
    check("Wurzel read when its change is told",
          [v for t, n, v in events if n == "Wurzel" and t.startswith("object:property-change:accessible-value")], [6.0])
    check("Wurzel after Up", value_of(wurzel), 6)
    check("the box of Wurzel after Up", text_of(find(app, "Wert von Wurzel")), "6")

    # The graph describes the target of the last redraw with its value.
    graph = find(app, "Graph der Näherungsbrüche", pyatspi.ROLE_CHART)
    check_true("the graph is there", graph is not None)
    description = graph.description
    check_true("the graph's description names the target's value",
               description.startswith("Ziel (√5 + 0) / 2 ≈ 1,11803398874989."), description[:80])
    check_true("the graph's description names the window", "Nenner 1 bis 701." in description)
    events.clear()
    x, y = centre(find(app, "Graphik", pyatspi.ROLE_PUSH_BUTTON))
    xdotool("mousemove", x, y, "click", 1)
    check_true("a new description is told after the redraw",
               wait_for_event("object:property-change:accessible-description", graph.name))
    check_true("the new description names the new target",
               graph.description.startswith("Ziel (√6 + 0) / 2 ≈ 1,22474487139159."), graph.description[:80])

    # A tooltip when the pointer rests on a scroll bar.
    x, y = centre(bars["Nenner"])
    xdotool("mousemove", x, y)
    tip = []

    def tooltip_shown():
        tip[:] = [o.name for o in walk(app) if o.getRole() == pyatspi.ROLE_TOOL_TIP and showing(o)]
        return bool(tip)
    pump(TIMEOUT, tooltip_shown)
    check("the tooltip on the Nenner bar", tip, ["Nenner einstellen (1 bis 99)"])

    # F1 opens the handbook.
    xdotool("mousemove", 1, 1)
    focus = find(app, "Graphik", pyatspi.ROLE_PUSH_BUTTON)
    focus.queryComponent().grabFocus()
    pump(0.3)
    xdotool("key", "F1")

    def handbook_shown():
        return any(o.name == "Handbuch" and o.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME) and showing(o)
                   for o in walk(app))
    check_true("F1 opens a window titled Handbuch", pump(TIMEOUT, handbook_shown))
    xdotool("key", "Escape")
    pump(TIMEOUT, lambda: not handbook_shown())

    # The readout after a keyboard step: a click gives the graph the keyboard
    # (the readout shows the denominator under the pointer), Right moves the
    # keyboard cursor one denominator on; the graph's text is the new readout,
    # and its change is told.
    graph_extents = graph.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    legend = find(app, "Legende").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    px, py = legend.x + legend.width + 40, (graph_extents.y + graph_extents.height // 2) + 40
    check_true("the graph takes the keyboard", graph.getState().contains(pyatspi.STATE_FOCUSABLE))
    xdotool("mousemove", px, py, "click", 1)
    pump(TIMEOUT, lambda: graph.getState().contains(pyatspi.STATE_FOCUSED))
    before = text_of(graph)
    events.clear()
    xdotool("key", "Right")
    check_true("the change of the readout is told for the graph",
               wait_for_event("object:text-changed", graph.name))
    readout = text_of(graph)
    denominator = lambda text: int(re.match(r"\s*-?\d+ /\s*(\d+) =", text).group(1)) if re.match(
        r"\s*-?\d+ /\s*(\d+) =", text) else None
    check_true("the readout after a keyboard step can be read from the graph",
               "Ziel:" in readout and "Gen.: 1/" in readout, readout.replace("\n", " | "))
    check("the keyboard step reads the next denominator", denominator(readout),
          denominator(before) + 1 if denominator(before) is not None else None)
finally:
    program.terminate()
    program.wait(timeout=TIMEOUT)

print(f"{'FAILED' if failures else 'passed'}: {len(failures)} check(s) failed")
sys.exit(1 if failures else 0)
