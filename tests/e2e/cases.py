"""The acceptance cases in the order they run; each entry is
(name, function taking a freshly started App, dpi, extra environment)."""

from cases_random import random_points_in_any_order, random_spectrum, table_keys
from cases_sine import (SHOCK_SHAPES, SINE_PAIRS, pulse_shape_by_keyboard, shock_shape, sine_pair,
                        sine_tab_cycle, start_up)
from cases_window import (HELP_PANELS, HIGH_DPI, MODE_HEIGHTS, access_keys, accessible_names, help_panel,
                          high_dpi, labels_fit, mode_height)

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
    + [("labels_fit_their_text_96_dpi", labels_fit(1.0), 96, {})]
    + [(name.replace("high_dpi", "labels_fit_their_text"), labels_fit(ratio), dpi, env)
       for name, dpi, env, ratio in HIGH_DPI]
)
