"""Acceptance cases of the window as a whole: heights per mode, help panels,
access keys, accessible names and high-dpi screens."""

from desktop import Failure, wait_for
from steps import (BUTTON, FIELDS, GREEN, LABEL, TEXT, WHITE, YELLOW, check, enter,
                   expect_colours, expect_height, expect_mode_buttons, pixels)


MODE_HEIGHTS = [("Sine", 4210), ("Random", 7470), ("Shock", 4210)]


def mode_height(button, twips):
    def case(app):
        if button != "Sine":
            app.click(button, BUTTON)
        app.click(button, BUTTON)  # selecting the shown mode again keeps its layout
        expect_height(app, twips)
        expect_mode_buttons(app, button)
    return case


# ------------------------------------------------------------------- help
# (mode button, panel, height in twips with the panel shown, lines of text: first, last, count)
HELP_PANELS = [
    ("Sine", "Sine help", 4210,
     ("            Tessomar Sine Function Help", "     parameter. 'Tab' to change parameters.", 12)),
    ("Random", "Random help", 7470,
     ("          Tessomar Random Function Help", "     bar to move through the break point data.", 26)),
    ("Shock", "Shock help", 7470, None),
]


def help_panel(button, panel, twips, lines):
    def case(app):
        if button != "Sine":
            app.click(button, BUTTON)
        check(not app.showing(panel), f"{panel} is shown before Help")
        for _ in range(2):  # a second click changes nothing
            app.click("Help", BUTTON)
            app.expect_showing(panel)
            expect_height(app, twips)
        # The mode's own button closes the panel and restores the layout.
        app.click(button, BUTTON)
        app.expect_showing(panel, False)
        expect_height(app, 7470 if button == "Random" else 4210)
        app.click("Help", BUTTON)
        app.expect_showing(panel)
        if lines:
            text = app.text(panel, None).replace("\r\n", "\n").split("\n")
            check(len(text) == lines[2], f"{panel} has {len(text)} lines, expected {lines[2]}")
            check(text[0] == lines[0] and text[-1] == lines[1], f"{panel} reads {text[0]!r} ... {text[-1]!r}")
        else:
            node = app.find(panel)
            spoken = node.description + " " + node.name
            try:
                spoken += " " + node.queryText().getText(0, -1)
            except NotImplementedError:
                pass
            check("Classical Shock Pulses" in spoken, f"{panel} gives a screen reader no text: {spoken!r}")
    return case


# ------------------------------------------------------ keyboard and names
# (keys, what follows)
ACCESS_KEYS = [
    ("alt+r", lambda app: (expect_height(app, 7470), app.expect_focus("Row 1 frequency"))),
    ("alt+m", lambda app: app.expect_showing("mps pk", role=LABEL)),
    ("alt+e", lambda app: app.expect_showing("ips pk", role=LABEL)),
    ("alt+s", lambda app: (expect_height(app, 4210), app.expect_showing("Frequency", role=TEXT))),
]


def access_keys(app):
    for keys, follows in ACCESS_KEYS:
        app.keys(keys)
        try:
            follows(app)
        except Failure as failure:
            raise Failure(f"after {keys}: {failure}") from None
    # Alt+H is shared by Help and Shock: each press moves the focus between
    # the two, Space presses the one that has it.
    reached = []
    for _ in range(2):
        before = app.focused()
        app.keys("alt+h")
        wait_for(lambda: app.focused() in ("Help", "Shock") and app.focused() != before,
                 f"Alt+H to move the focus from {before!r} to Help or Shock")
        reached.append(app.focused())
    check(sorted(reached) == ["Help", "Shock"], f"Alt+H reached {reached}")
    shock_mode = False
    for _ in range(2):
        pressed = app.focused()
        app.keys("space")
        if pressed == "Shock":
            shock_mode = True
            app.expect_showing("Half Sine Accl", role=BUTTON)
        else:
            app.expect_showing("Shock help" if shock_mode else "Sine help")
        before = app.focused()
        app.keys("alt+h")
        wait_for(lambda: app.focused() in ("Help", "Shock") and app.focused() != before,
                 "Alt+H to move the focus on")


NAMED = (["Acceleration", "Velocity", "Displacement", "Frequency", "Sine", "Random", "Shock",
          "English", "Metric", "Help", "Delete Break Pt", "Clear All", "Half Sine Accl",
          "Sine help", "Random help", "Shock help"]
         + [f"Row {r} {kind}" for r in range(1, 10) for kind in ("frequency", "PSD", "number")])
# Labels, read by their captions (blanks around a caption are not spoken).
LABELS = ["Acceleration", "Velocity", "Displacement", "Frequency", "g's pk", "ips pk", "in. p-p", "Hz"]
HEADERS = ["Bk Pt", "Freq. (Hz)", "PSD (g2/Hz)"]


def accessible_names(app):
    named = app.all_named()
    missing = [name for name in NAMED if name not in named]
    check(not missing, f"no control is named {missing}")
    for field in FIELDS:
        app.find(field, TEXT)
    labels = {node.name.strip() for node, role in app._nodes() if role == LABEL}
    check(set(LABELS) <= labels, f"labels {sorted(set(LABELS) - labels)} are not readable")
    headers = {node.name.strip() for node, role in app._nodes() if role == TEXT}
    check(set(HEADERS) <= headers, f"column headers {sorted(set(HEADERS) - headers)} are not readable")
    # Nothing a user can reach is left without a name.
    unnamed = [role for node, role in app._nodes()
               if role in ("text", "push button", "scroll bar") and not node.name.strip()
               and node.getState().contains(app.atspi.STATE_SHOWING)]
    check(not unnamed, f"shown controls without a name: {unnamed}")
    app.click("Random", BUTTON)
    app.expect_focus("Row 1 frequency")
    # The results are read-only fields a screen reader still reads.
    app.expect_texts({"Acceleration": "0.00", "Velocity": "0.0", "Displacement": "0.000"})
    check(app.showing("g's rms", LABEL), "the caption g's rms is not readable")


# ---------------------------------------------------------------- high dpi
# (dpi, environment, device pixel ratio Qt uses)
HIGH_DPI = [
    ("high_dpi_120", 120, {}, 1.25),
    ("high_dpi_scale_2", 96, {"QT_SCALE_FACTOR": "2"}, 2.0),
]


def crisp(app, name, ratio):
    """An image drawn for the device pixel ratio has sharp edges at every
    device pixel; one scaled up from a 1x bitmap changes colour only every
    second pixel (nearest) or only softly (smooth)."""
    wx, wy, _, _ = app.geometry()
    x, y, w, h = app.device_extents(name)
    image = app.screenshot()
    edges = [0, 0]
    for row in range(y - wy, y - wy + h):
        for col in range(x - wx, x - wx + w - 1):
            a, b = image.pixel(col, row), image.pixel(col + 1, row)
            if max(abs(a[i] - b[i]) for i in range(3)) > 96:
                edges[col % 2] += 1
    check(min(edges) >= 20 and min(edges) >= 0.3 * max(edges),
          f"{name} looks scaled up at ratio {ratio}: sharp edges at even/odd pixels {edges}")


def clipped_labels(app):
    """Names of the shown labels whose text runs into their right or bottom
    edge: the toolkit cuts text off there, so a touching text is cut."""
    wx, wy, _, _ = app.geometry()
    image = app.screenshot()
    clipped = []
    for node, role in app._nodes():
        if role != LABEL or not node.name.strip() or not node.getState().contains(app.atspi.STATE_SHOWING):
            continue
        x, y, w, h = app.device_extents(node.name, LABEL)
        x, y = x - wx, y - wy
        if x < 0 or y < 0 or x + w > image.width or y + h > image.height:
            continue  # below the window's edge: not seen at all
        ink = [(col - x, row - y) for row in range(y, y + h) for col in range(x, x + w)
               if max(image.pixel(col, row)) < 110]
        if ink and (max(c for c, _ in ink) >= w - 1 or max(r for _, r in ink) >= h - 1):
            clipped.append(node.name)
    return clipped


def labels_fit(ratio):
    def case(app):
        for button in ["Sine", "Shock", "Random"]:
            app.click(button, BUTTON)
            expect_height(app, 7470 if button == "Random" else 4210, ratio)
            clipped = clipped_labels(app)
            check(not clipped, f"{button} screen: the text of {clipped} is cut off")
    return case


def high_dpi(ratio):
    def case(app):
        expect_height(app, 4210, ratio)
        # The field keeps its designed place in logical pixels.
        x, y, w, h = app.control("Acceleration", TEXT).extents
        wx, wy, _, _ = app.geometry()
        for what, got, twips in [("left", x - wx / ratio, 1530), ("top", y - wy / ratio, 1400),
                                 ("width", w, 1000), ("height", h, 360)]:
            check(abs(got - pixels(twips)) <= 1.0,
                  f"Acceleration {what} is {got} logical px, expected {pixels(twips):.1f}")
        enter(app, "Acceleration", "250", "Return")
        enter(app, "Frequency", "50", "Return")
        app.expect_texts({"Velocity": "307.2", "Displacement": "1.956"})
        expect_colours(app, {"Frequency": GREEN, "Acceleration": YELLOW, "Velocity": WHITE})
        app.click("Random", BUTTON)
        expect_height(app, 7470, ratio)
        if ratio == 2.0:
            crisp(app, "Tessomar", ratio)  # the banner
            app.click("Shock", BUTTON)
            app.click("Help", BUTTON)
            app.expect_showing("Shock help")
            crisp(app, "Shock help", ratio)
    return case
