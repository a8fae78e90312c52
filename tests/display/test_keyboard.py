"""The main task of a view done from the keyboard alone: a setting, a channel
and its neighbour in the Channel view, cells of the Channel List."""

import os

import vexdisplay as vd
from vexdisplay import wait_for

MISC, CHANNEL, CHANNEL_LIST = "32803", "32822", "32895"
POWER_COLUMN = 9  # RX frequency, type, CTCSS, CDCSS, the same for TX, spacing, power


def dump(data, path, section):
    """The lines of one section of `vexprog-cli dump`, split into fields."""
    text = vd.cli(data, "dump", path).split(section + ":\n")[1].split("\n\n")[0]
    return [line.split() for line in text.splitlines()]


def power(data, path):
    """Each channel's power level (the only Low or High of its row)."""
    return [next(word for word in row if word in ("Low", "High")) for row in dump(data, path, "channels")[1:]]


class KeyboardOnly(vd.DisplayTest):

    def open(self, view):
        data = self.data_dir()
        path = os.path.join(data.root, "mine.dat")
        vd.cli(data, "new", "-o", path, "--range", "446-446")
        return data, path, self.app(data, "--open-view", view, path)

    def keys(self, app, *keys):
        app.main.key(*keys)

    def save(self, app, path):
        before = os.stat(path).st_mtime_ns
        self.keys(app, "ctrl+s")
        wait_for(lambda: os.stat(path).st_mtime_ns != before, what="the saved file")

    def test_a_settings_view_is_edited_from_its_first_field(self):
        data, path, app = self.open(MISC)
        # The view opens in VOX Gain Level; Tab follows the form.
        self.keys(app, "Tab", "Tab", "space", "Tab", "End")
        self.shot("keyboard-misc")
        self.save(app, path)
        misc = {row[0]: " ".join(row[1:]) for row in dump(data, path, "misc")}
        self.assertEqual(misc["vox_inhibit_on_receive"], "off")
        self.assertEqual(misc["carrier_squelch_level"], "9")

    def test_a_channel_and_the_next_are_edited_through_the_record_bar(self):
        data, path, app = self.open(CHANNEL)
        # Basic tab, spacing, power; then back through the record bar (list,
        # delete, last) to Next, and forward again to the power of channel 2.
        self.keys(app, "Tab", "Tab", "End")
        self.keys(app, *["shift+Tab"] * 6, "space")
        self.keys(app, *["Tab"] * 6, "End")
        self.shot("keyboard-channel")
        self.save(app, path)
        self.assertEqual(power(data, path)[:3], ["High", "High", "Low"])

    def test_channel_list_cells_are_chosen_copied_and_pasted(self):
        data, path, app = self.open(CHANNEL_LIST)
        self.keys(app, "ctrl+Home", "Down", "Down", *["Right"] * POWER_COLUMN)
        self.keys(app, "F2", "End", "Return")
        self.keys(app, "Up", "ctrl+c", "Down", "ctrl+v")
        self.shot("keyboard-channel-list")
        self.save(app, path)
        self.assertEqual(power(data, path)[:5], ["Low", "Low", "High", "High", "Low"])


if __name__ == "__main__":
    vd.main()
