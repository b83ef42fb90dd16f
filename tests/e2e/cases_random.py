"""Acceptance cases of the Random screen: a spectrum typed into the table,
deletion, clearing, order, and the table's keys."""

from desktop import Failure
from spectra import overall, shown
from steps import BUTTON, LABEL, check, expect_height


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
