"""What every acceptance case shares: the colours and layout a user sees,
and the ways a user moves between fields and types a value."""

from desktop import Failure, wait_for

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


# Without a window manager the window is all client area, and the 4210-twip
# Sine and Shock screens end above the table: at the scroll bar's top.
TABLE_TOP = 3885


def expect_height(app, twips, ratio=1.0):
    want = pixels(TABLE_TOP if twips == 4210 else twips, ratio)
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
