"""Acceptance cases: each drives a freshly started window with real keys and
clicks and checks what a user sees. Cases are built from tables; each entry
in CASES is (name, function, dpi, extra environment)."""

from desktop import Failure, wait_for
from spectra import overall, shown

# Colours as the screen shows them (R, G, B).
GREEN = (219, 255, 221)   # the field entered last
YELLOW = (253, 255, 225)  # the field entered before it
WHITE = (255, 255, 255)   # a computed field
MODE_ON, MODE_OFF = "light green", "light grey"  # 0xC0FFC0 and 0xE0E0E0

FIELDS = ["Acceleration", "Velocity", "Displacement", "Frequency"]
TEXT, LABEL, BUTTON = "text", "label", "push button"

# The layout is designed in twips at 15.1 twips per logical pixel, whatever
# the dpi; Qt then maps logical to device pixels by the device pixel ratio.
DESIGN_TWIPS_PER_PIXEL = 15.1


def pixels(twips, ratio=1.0):
    return twips / DESIGN_TWIPS_PER_PIXEL * ratio


def check(condition, message):
    if not condition:
        raise Failure(message)


def expect_height(app, twips, ratio=1.0):
    want = pixels(twips, ratio)
    # One pixel for the toolkit's rounding of logical pixels, one more for
    # rounding again at a fractional device pixel ratio.
    tolerance = 1.0 if ratio == 1.0 else 1.0 + ratio
    wait_for(lambda: abs(app.geometry()[3] - want) <= tolerance,
             f"the window {want:.1f} px high ({twips} twips), not {app.geometry()[3]}")


def expect_colours(app, colours):
    image = app.screenshot()
    for name, colour in colours.items():
        seen = app.colour_of(name, TEXT, image)
        check(seen == colour, f"{name} is painted {seen}, expected {colour}")


def button_tint(app, name, image):
    """What colour a mode button reads as. The style shades a button's face
    around its colour, so the test asks for the tint, not exact values."""
    r, g, b = app.colour_of(name, BUTTON, image, mean=True)
    if g >= r + 12 and abs(r - b) <= 8:
        return MODE_ON
    if max(r, g, b) - min(r, g, b) <= 8:
        return MODE_OFF
    return (r, g, b)


def expect_mode_buttons(app, current):
    image = app.screenshot()
    for name in ["Sine", "Random", "Shock"]:
        want = MODE_ON if name == current else MODE_OFF
        seen = button_tint(app, name, image)
        check(seen == want, f"button {name} reads as {seen}, expected {want}")


def go_to(app, field):
    """Tabs to a field as a user does, then makes sure its whole text is
    selected (Ctrl+A where the focus arrived without a selection)."""
    for _ in range(12):
        if app.focused() == field:
            break
        before = app.focused()
        app.keys("Tab")
        try:
            wait_for(lambda: app.focused() not in (None, before), "the focus to move", timeout=1.5)
        except Failure:
            pass
    app.expect_focus(field)
    if app.selection(field) != (0, len(app.text(field))):
        app.keys("ctrl+a")
    app.expect_selected_all(field)


def enter(app, field, value, key):
    go_to(app, field)
    app.type(value)
    app.keys(key)


# ---------------------------------------------------------------- start-up
def start_up(app):
    app.expect_texts({"Acceleration": "0.00", "Velocity": "0.0", "Displacement": "0.000", "Frequency": "0.00"})
    app.expect_focus("Acceleration")
    app.expect_selected_all("Acceleration")
    for label in ["g's pk", "ips pk", "in. p-p", "Hz", "Frequency"]:
        check(app.showing(label, LABEL), f"label {label!r} is not shown")
    for hidden in ["Delete Break Pt", "Clear All", "Half Sine Accl"]:
        check(not app.showing(hidden, BUTTON), f"{hidden!r} is shown in Sine mode")
    expect_height(app, 4210)
    expect_colours(app, {f: WHITE for f in FIELDS})
    expect_mode_buttons(app, "Sine")
    # Typing replaces the selected start value.
    app.type("5")
    app.expect_text("Acceleration", "5")


# ------------------------------------------------------------- sine pairs
# (name, units, [(field, typed, key), ...], texts after the second entry)
SINE_PAIRS = [
    ("sine_english_pair_with_enter", "English",
     [("Acceleration", "250", "Return"), ("Frequency", "50", "Return")],
     {"Acceleration": "250.00", "Velocity": "307.2", "Displacement": "1.956", "Frequency": "50.00"}),
    ("sine_english_pair_with_tab", "English",
     [("Velocity", "10", "Tab"), ("Displacement", "0.1", "Tab")],
     {"Acceleration": "5.18", "Velocity": "10.0", "Displacement": "0.100", "Frequency": "31.83"}),
    ("sine_metric_pair_with_enter", "Metric",
     [("Acceleration", "10", "Return"), ("Frequency", "100", "Return")],
     {"Acceleration": "10.00", "Velocity": "0.16", "Displacement": "0.50", "Frequency": "100.00"}),
    # 5 * 61.4478137 / 20 = 15.362 in/s = 0.39 m/s; 5 * 19.559447 / 20² = 0.2445 in = 6.21 mm.
    ("sine_metric_pair_with_tab", "Metric",
     [("Acceleration", "5", "Tab"), ("Frequency", "20", "Tab")],
     {"Acceleration": "5.00", "Velocity": "0.39", "Displacement": "6.21", "Frequency": "20.00"}),
]


def sine_pair(units, entries, results):
    def case(app):
        if units == "Metric":
            app.click("Metric", BUTTON)
            check_caption = "mm. p-p"
            wait_for(lambda: app.showing(check_caption, LABEL), f"the caption {check_caption!r}")
            app.expect_texts({"Velocity": "0.00", "Displacement": "0.00"})
        for field, value, key in entries:
            enter(app, field, value, key)
            if key == "Return":
                app.expect_focus(field)
        app.expect_texts(results)
        last, prior = entries[-1][0], entries[-2][0]
        after = last if entries[-1][2] == "Return" else FIELDS[(FIELDS.index(last) + 1) % 4]
        app.expect_focus(after)
        app.expect_selected_all(after)
        expect_colours(app, {f: GREEN if f == last else YELLOW if f == prior else WHITE for f in FIELDS})
    return case


# ------------------------------------------------------------------ shock
# (name, pulse-shape clicks before the entry, caption, results, results of the other shape)
SHOCK_SHAPES = [
    ("shock_half_sine_pulse", 0, "Half Sine Accl",
     {"Velocity": "10.2", "Displacement": "0.125"}, ("Term Pk Accl", {"Velocity": "8.0", "Displacement": "0.069"})),
    ("shock_terminal_peak_pulse", 1, "Term Pk Accl",
     {"Velocity": "8.0", "Displacement": "0.069"}, ("Half Sine Accl", {"Velocity": "10.2", "Displacement": "0.125"})),
]


def shock_shape(clicks, caption, results, other):
    def case(app):
        app.click("Shock", BUTTON)
        app.expect_showing("Half Sine Accl", role=BUTTON)
        for label in ["Duration", "msec"]:
            app.expect_showing(label, role=LABEL)
        expect_height(app, 4210)
        for _ in range(clicks):
            app.click("Half Sine Accl", BUTTON)
        app.expect_showing(caption, role=BUTTON)
        enter(app, "Acceleration", "10", "Return")
        enter(app, "Frequency", "10", "Return")
        app.expect_texts(dict(results, Acceleration="10.00", Frequency="10.00"))
        expect_colours(app, {"Frequency": GREEN, "Acceleration": YELLOW, "Velocity": WHITE, "Displacement": WHITE})
        # The other shape recomputes from the same two entries.
        app.click(caption, BUTTON)
        app.expect_showing(other[0], role=BUTTON)
        app.expect_texts(dict(other[1], Acceleration="10.00", Frequency="10.00"))
    return case


# ----------------------------------------------------------------- random
SPECTRUM = [("20", "0.01"), ("80", "0.04"), ("350", "0.04"), ("2000", "0.007")]


def rows_show(app, points):
    for row in range(1, 10):
        f, p = points[row - 1] if row <= len(points) else (0.0, 0.0)
        app.expect_texts({f"Row {row} number": f"{row:02d}", f"Row {row} frequency": shown(float(f), 2),
                          f"Row {row} PSD": shown(float(p), 6)})


def results_show(app, points):
    g, v, d = overall([(float(f), float(p)) for f, p in points]) if points else (0, 0, 0)
    app.expect_texts({"Acceleration": shown(g, 2), "Velocity": shown(v, 1), "Displacement": shown(d, 3)})


def random_spectrum(app):
    app.click("Random", BUTTON)
    expect_height(app, 7470)
    app.expect_focus("Row 1 frequency")
    app.expect_selected_all("Row 1 frequency")
    check(app.showing("g's rms", LABEL), "the caption g's rms is not shown")
    for row, (f, p) in enumerate(SPECTRUM, 1):
        app.type(f)
        app.keys("Return")
        app.expect_focus(f"Row {row} PSD")
        app.type(p)
        app.keys("Return")
        app.expect_focus(f"Row {row + 1} frequency")
    app.expect_texts({"Acceleration": "6.06", "Velocity": "6.2", "Displacement": "0.046"})
    rows_show(app, SPECTRUM)

    # Select row 2 by its number and delete that break point.
    app.click("Row 2 number")
    app.expect_focus("Row 2 number")
    app.click("Delete Break Pt", BUTTON)
    remaining = SPECTRUM[:1] + SPECTRUM[2:]
    rows_show(app, remaining)
    results_show(app, remaining)
    check(app.text("Acceleration") == "5.81", "the three-point spectrum is not 5.81 g rms")

    app.click("Clear All", BUTTON)
    rows_show(app, [])
    app.expect_texts({"Acceleration": "0.00", "Velocity": "0.0", "Displacement": "0.000"})


def random_points_in_any_order(app):
    app.click("Random", BUTTON)
    app.expect_focus("Row 1 frequency")
    typed = [SPECTRUM[2], SPECTRUM[0], SPECTRUM[3], SPECTRUM[1]]
    for f, p in typed:
        app.type(f)
        app.keys("Return")
        app.type(p)
        app.keys("Return")
    results_show(app, SPECTRUM)
    rows_show(app, SPECTRUM)
    # Sine and back keeps the break points and the results.
    app.click("Sine", BUTTON)
    expect_height(app, 4210)
    app.click("Random", BUTTON)
    expect_height(app, 7470)
    rows_show(app, SPECTRUM)
    results_show(app, SPECTRUM)


# ------------------------------------------------------------ window height
# (mode button, height in twips)
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


def pulse_shape_by_keyboard(app):
    # Shock by its access key, then Shift+Tab back from the first field
    # reaches the pulse-shape button, and Space switches the shape.
    while app.focused() != "Shock":
        app.keys("alt+h")
        wait_for(lambda: app.focused() in ("Help", "Shock"), "Alt+H to focus Help or Shock")
    app.keys("space")
    app.expect_showing("Half Sine Accl", role=BUTTON)
    enter(app, "Acceleration", "10", "Return")
    enter(app, "Frequency", "10", "Return")
    app.expect_texts({"Velocity": "10.2", "Displacement": "0.125"})
    go_to(app, "Acceleration")
    for _ in range(4):
        if app.focused() == "Half Sine Accl":
            break
        app.keys("shift+Tab")
        wait_for(lambda: app.focused() is not None, "the focus to land")
    app.expect_focus("Half Sine Accl")
    app.keys("space")
    app.expect_showing("Term Pk Accl", role=BUTTON)
    app.expect_texts({"Velocity": "8.0", "Displacement": "0.069"})


def sine_tab_cycle(app):
    # Tab and Shift+Tab through the four fields without typing: no entry.
    for field in FIELDS[1:] + FIELDS[:1]:
        app.keys("Tab")
        app.expect_focus(field)
        app.expect_selected_all(field)
    app.keys("Tab", "Tab")
    app.expect_focus("Displacement")
    app.keys("shift+Tab")
    app.expect_focus("Displacement")
    app.expect_selected_all("Displacement")
    app.expect_texts({"Acceleration": "0.00", "Velocity": "0.0", "Displacement": "0.000", "Frequency": "0.00"})


# With two break points entered: (key, focus before, focus after). The
# arrows follow the screen; an empty row sends the focus back to the first
# free entry, so the moves stay within the filled rows and the next free one.
TABLE_KEYS = [
    ("Up", "Row 3 frequency", "Row 2 frequency"),
    ("Up", "Row 2 frequency", "Row 1 frequency"),
    ("Down", "Row 1 frequency", "Row 2 frequency"),
    ("Tab", "Row 2 frequency", "Row 2 PSD"),
    ("Tab", "Row 2 PSD", "Row 3 frequency"),
    ("shift+Tab", "Row 3 frequency", "Row 2 PSD"),
    ("shift+Tab", "Row 2 PSD", "Row 2 frequency"),
]


def table_keys(app):
    app.keys("alt+r")
    app.expect_focus("Row 1 frequency")
    for f, p in SPECTRUM[:2]:
        app.type(f)
        app.keys("Return")
        app.type(p)
        app.keys("Return")
    for key, before, after in TABLE_KEYS:
        app.expect_focus(before)
        app.keys(key)
        try:
            app.expect_focus(after)
        except Failure as failure:
            raise Failure(f"{key} in {before}: {failure}") from None


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


CASES = (
    [("start_up_state_and_focus", start_up, 96, {})]
    + [(name, sine_pair(units, entries, results), 96, {}) for name, units, entries, results in SINE_PAIRS]
    + [("sine_tab_cycle_takes_no_entry", sine_tab_cycle, 96, {})]
    + [(name, shock_shape(clicks, caption, results, other), 96, {})
       for name, clicks, caption, results, other in SHOCK_SHAPES]
    + [("random_spectrum_enter_delete_clear", random_spectrum, 96, {}),
       ("random_points_in_any_order_survive_mode_change", random_points_in_any_order, 96, {}),
       ("random_table_arrow_and_tab_keys", table_keys, 96, {})]
    + [(f"window_height_{button.lower()}", mode_height(button, twips), 96, {}) for button, twips in MODE_HEIGHTS]
    + [(f"help_{button.lower()}", help_panel(button, panel, twips, lines), 96, {})
       for button, panel, twips, lines in HELP_PANELS]
    + [("access_keys_reach_every_button", access_keys, 96, {}),
       ("pulse_shape_switch_by_keyboard", pulse_shape_by_keyboard, 96, {}),
       ("every_control_has_an_accessible_name", accessible_names, 96, {})]
    + [(name, high_dpi(ratio), dpi, env) for name, dpi, env, ratio in HIGH_DPI]
)
