"""Acceptance cases of the Sine and Shock screens: start-up, entries by
Enter and Tab in both unit systems, colours, focus and the pulse shapes."""

from desktop import wait_for
from steps import (BUTTON, FIELDS, GREEN, LABEL, WHITE, YELLOW, check, enter, expect_colours,
                   expect_height, expect_mode_buttons, go_to)


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
