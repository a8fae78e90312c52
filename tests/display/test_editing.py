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
ROW_NUMBER_X = 285


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
        # Channel 9 was a member of the scan list: the list closes up over it,
        # so the data save as they are.
        self.save(app, path)
        after = channels(data, path)
        self.assertEqual(len(after), len(before) - 1)
        tones = [row[4] for row in after]
        self.assertNotIn("123.0", tones)  # channel 9's tone
        self.assertIn("100.0", tones)  # channel 3's
        scan_list = vd.cli(data, "dump", path).split("scan_lists:")[1].splitlines()[2].split()
        self.assertEqual(scan_list[1], "15")  # entries
        self.assertEqual(scan_list[-15:], [str(n) for n in range(1, 16)])  # members


    def test_paste_past_the_last_channel_and_a_frequency_out_of_band_are_told(self):
        data, path, app = self.open_list()
        before = channels(data, path)
        # Rows 1 to 3 by their numbers, copied, pasted at channel 15: two fit.
        self.click_row(app, 1, x=ROW_NUMBER_X)
        self.display.xdotool("keydown", "shift")
        self.click_row(app, 3, x=ROW_NUMBER_X)
        self.display.xdotool("keyup", "shift")
        app.main.key("ctrl+c")
        self.click_row(app, 15)
        app.main.key("ctrl+v")
        left_out = app.wait_message()
        self.shot("paste-left-out")
        left_out.key("Return")
        app.wait_closed(left_out)
        # A typed frequency above the band is pulled into it, and said so.
        self.click_row(app, 5)
        app.main.type("450")
        app.main.key("Return")
        pulled = app.wait_message()
        pulled.key("Return")
        app.wait_closed(pulled)
        self.save(app, path)
        after = channels(data, path)
        self.assertEqual(len(after), 16)
        self.assertEqual([row[1:] for row in after[14:]], [row[1:] for row in before[:2]])
        self.assertTrue(after[4][1].startswith("446."), after[4])


if __name__ == "__main__":
    vd.main()
