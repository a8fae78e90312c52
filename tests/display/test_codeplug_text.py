"""The codeplug text from the File menu: exported, edited, imported onto the data
shown as one undo step, and a refused text that says where."""

import os

import vexdisplay as vd
from vexdisplay import wait_for


def channels(data, path):
    """The receive frequencies of a codeplug file's channels, as `vexprog-cli dump` shows them."""
    text = vd.cli(data, "dump", path)
    rows = text.split("channels:")[1].strip().split("\n\n")[0].splitlines()[1:]
    return [row.split()[1] for row in rows]


class CodeplugText(vd.DisplayTest):

    def choose_file(self, app, path):
        """Types a path into the file dialog the menu command opened."""
        dialog = app.wait_window("vexprog", exclude=(app.main,))
        dialog.type(path)
        dialog.key("Return")
        app.wait_closed(dialog)

    def menu(self, app, letter, shot=None):
        app.main.key("alt+f")
        if shot:
            self.shot(shot)
        app.display.key(letter)

    def save(self, app, path):
        before = os.stat(path).st_mtime_ns
        app.main.key("ctrl+s")
        wait_for(lambda: os.stat(path).st_mtime_ns != before, what="the saved file")

    def test_export_edit_import_and_undo(self):
        data = self.data_dir()
        path = os.path.join(data.root, "mine.dat")
        text = os.path.join(data.root, "mine.yaml")
        vd.cli(data, "new", "-o", path, "--range", "446-446")
        before = channels(data, path)
        app = self.app(data, path)

        self.menu(app, "t", shot="text-file-menu")
        self.choose_file(app, text)
        wait_for(lambda: os.path.exists(text), what="the exported text")
        with open(text) as f:
            self.assertIn("rx_frequency: 446.00625", f.read())

        with open(text, "w") as f:
            f.write("channels:\n  - rx_frequency: 446.09375\n    tx_frequency: 446.09375\n")
        self.menu(app, "m")
        self.choose_file(app, text)
        # The scan list's members past channel 1 are emptied: a box says so and closes.
        notice = app.wait_message()
        self.shot("text-import-notice")
        notice.key("Return")
        app.wait_closed(notice)
        wait_for(lambda: app.main.title().startswith("*"), what="the data marked modified")
        self.save(app, path)
        self.assertEqual(channels(data, path), ["446.09375"])
        app.main.key("ctrl+z")
        self.save(app, path)
        self.assertEqual(channels(data, path), before)

        # A text with an error changes nothing; its box names the line and closes.
        with open(text, "w") as f:
            f.write("channels:\n  - rx_frequency: 520.0\n")
        self.menu(app, "m")
        self.choose_file(app, text)
        refusal = app.wait_message()
        self.shot("text-import-refused")
        refusal.key("Return")
        app.wait_closed(refusal)
        self.save(app, path)
        self.assertEqual(channels(data, path), before)


if __name__ == "__main__":
    vd.main()
