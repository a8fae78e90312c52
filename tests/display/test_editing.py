"""Edits land where the user put them: the channel list after undo, the record bar's Delete."""

import os

import vexdisplay as vd
from vexdisplay import wait_for

CHANNEL_LIST = "32895"
# Where things are in the Channel List that --open-view opens at the workspace's top left.
FIRST_ROW_Y = 152  # channel 1's row, in the main window
ROW_HEIGHT = 20
RX_FREQUENCY_X = 365
DELETE_BUTTON = (691, 97)


def channels(data, path):
    """The channel rows of a codeplug file, as `vexprog-cli dump` shows them: lists of fields."""
    text = vd.cli(data, "dump", path)
    rows = text.split("channels:")[1].strip().split("\n\n")[0].splitlines()[1:]
    return [row.split() for row in rows]


class ChannelList(vd.DisplayTest):

    def open_list(self):
        data = self.data_dir()
        path = os.path.join(data.root, "mine.dat")
        vd.cli(data, "new", "-o", path, "--range", "446-446")
        app = self.app(data, "--open-view", CHANNEL_LIST, path)
        return data, path, app

    def save(self, app, path):
        before = os.stat(path).st_mtime_ns
        app.main.key("ctrl+s")
        wait_for(lambda: os.stat(path).st_mtime_ns != before, what="the saved file")

    def click_row(self, app, channel, x=RX_FREQUENCY_X):
        app.main.click(x, FIRST_ROW_Y + ROW_HEIGHT * (channel - 1))

    def test_typing_after_undo_changes_only_the_chosen_cell(self):
        data, path, app = self.open_list()
        before = channels(data, path)
        self.click_row(app, 5)
        app.main.type("446.13125")
        app.main.key("Return", "ctrl+z")
        self.click_row(app, 5)
        app.main.type("446.14375")
        app.main.key("Return")
        self.save(app, path)
        after = channels(data, path)
        self.assertEqual(after[4][1], "446.14375")
        self.assertEqual([row for i, row in enumerate(after) if i != 4], [row for i, row in enumerate(before) if i != 4])

    def test_record_bar_delete_removes_the_channel_the_keyboard_moved_to(self):
        data, path, app = self.open_list()
        before = channels(data, path)
        self.click_row(app, 3)
        app.main.key(*["Down"] * 6)
        app.main.click(*DELETE_BUTTON)
        # The scan list still names the deleted channel, so the data cannot be saved
        # as they are; the channels go out as CSV.
        csv = os.path.join(data.root, "channels.csv")
        app.main.key("alt+f", *["Down"] * 5, "Return")
        export = app.wait_window("^vexprog$", exclude=[app.main])
        export.type(csv)  # over the proposed name, which is selected
        export.key("Return")
        wait_for(lambda: os.path.exists(csv) and os.path.getsize(csv) > 0, what="the exported channels")
        with open(csv) as f:
            rows = f.read().splitlines()[1:]
        self.assertEqual(len(rows), len(before) - 1)
        tones = [row.split(",")[6] for row in rows]
        self.assertNotIn("123.0", tones)  # channel 9's tone
        self.assertIn("100.0", tones)  # channel 3's

if __name__ == "__main__":
    vd.main()
