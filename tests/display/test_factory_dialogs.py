"""The dialogs of the factory commands close, and the work then goes on or stops cleanly:
Factory Mode, Adjustment, Write Tune Data and the embedded data."""

import os

import vexdisplay as vd
from vexdisplay import wait_for

# Where the radio keeps the password of its embedded data.
EMBEDDED_PASSWORD = 5176
# The Write button of the Embedded Data view, which opens at the workspace's top left.
EMBEDDED_WRITE = (650, 268)


def program_menu(app, item):
    """Chooses item n (from 0) of the Program menu at the factory level: Read, Write,
    Factory Mode, Adjustment, Write Tune Data, Memory Update."""
    app.main.key("alt+p", *["Down"] * item, "Return")


class FactoryDialogs(vd.DisplayTest):

    def factory_app(self):
        sim = self.sim()
        return self.app(self.data_dir(ports={1: sim.pty}, level=vd.FACTORY_LEVEL))

    def test_embedded_data_read_at_the_factory_level(self):
        app = self.factory_app()
        app.open_from_tree("Embedded Data")
        done = app.wait_message(timeout=30)
        done.key("Return")
        app.wait_closed(done)
        self.assertEqual(app.windows(), [app.main])

    def test_embedded_data_write_asks_for_the_radios_embedded_password(self):
        work = self.data_dir()
        image = os.path.join(work.root, "radio.bin")
        self.sim(save=image).stop()
        with open(image, "r+b") as f:
            f.seek(EMBEDDED_PASSWORD)
            f.write(b"1234\0\0\0\0")
        sim = self.sim("--image", image)
        app = self.app(self.data_dir(ports={1: sim.pty}, level=vd.FACTORY_LEVEL))
        app.open_from_tree("Embedded Data")
        app.close(app.wait_message(timeout=30), "Return")
        app.main.click(*EMBEDDED_WRITE)
        for typed, how in (("9999", "Return"), ("1234", "click")):
            with self.subTest(password=typed):
                password = app.wait_window("^Password$")
                password.type(typed)
                password.key("Return")
                app.wait_closed(password)
                app.close(app.wait_message(timeout=30), how)  # wrong password, then the write done
        self.assertEqual(len(app.windows()), 1)

    def test_factory_mode_buttons_end_with_a_message_that_closes(self):
        app = self.factory_app()
        program_menu(app, 2)
        dialog = app.wait_window("^Factory Mode$")
        # Form points (350 x 180) of Read, Write and Write Tune Switch.
        for button, point, how in (("Read", (164, 164), "Return"), ("Write", (237, 164), "Escape"),
                                   ("Write Tune Switch", (235, 134), "click")):
            with self.subTest(button=button):
                dialog.click_form_point(*point, 350, 180)
                app.close(app.wait_message(exclude=[dialog], timeout=30), how)
        dialog.key("Escape")
        app.wait_closed(dialog)
        # The simulator's memory holds erased band edges: they name no range,
        # so no new range is offered. The main window takes commands at once.
        self.assertEqual(app.windows(), [app.main])
        app.main.key("ctrl+alt+r")
        read = app.wait_window("^Read from Radio$")
        read.key("Escape")
        app.wait_closed(read)

    def test_adjustment_items_open_and_every_dialog_closes(self):
        app = self.factory_app()
        program_menu(app, 3)
        tuning = app.wait_window("^Tuning$", timeout=30)
        # The first item's dialog, opened by Return (the list has the focus)
        # and by a double click; closed by Escape (as Cancel) and OK (form
        # point of 310 x 158).
        for open_by, how in (("Return", "Escape"), ("double-click", (206, 142))):
            with self.subTest(open=open_by, close=how):
                if open_by == "Return":
                    tuning.key("Return")
                else:
                    tuning.click_form_point(40, 11, 194, 156, repeat=2)
                item = wait_for(lambda: next((w for w in app.windows() if w not in (app.main, tuning)
                                              and w.closable()), None), timeout=30, what="the item's dialog")
                if isinstance(how, tuple):
                    item.click_form_point(*how, 310, 158)
                else:
                    item.key(how)
                app.wait_closed(item)
                self.assertIn(tuning, app.windows())
        tuning.click_form_point(157, 140, 194, 156)  # Close
        app.wait_closed(tuning)
        wait_for(lambda: app.windows() == [app.main], what="the link closed")

    def test_write_tune_data_ends_with_its_message(self):
        app = self.factory_app()
        for how in ("Return", "click"):
            with self.subTest(close=how):
                program_menu(app, 4)
                app.close(app.wait_message(timeout=30), how)
                wait_for(lambda: app.windows() == [app.main], what="the link closed")


if __name__ == "__main__":
    vd.main()
