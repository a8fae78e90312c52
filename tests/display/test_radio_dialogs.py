"""Every dialog of the radio commands closes, and the work then goes on or stops cleanly."""

import os
import shutil

import vexdisplay as vd
from vexdisplay import wait_for


def image_of(path):
    """The radio image held by a codeplug file (or a raw image file)."""
    with open(path, "rb") as f:
        return image_of_bytes(f.read())


def image_of_bytes(data):
    if not data.startswith(b"VEX"):
        return data
    at = data.index(b"\x58\x45\x10\x10", 119)
    length = int.from_bytes(data[at + 4:at + 8], "little")
    return data[at + 8:at + 8 + length]


class RadioDialogs(vd.DisplayTest):

    def start_read(self, app):
        app.main.key("ctrl+alt+r")
        dialog = app.wait_window("^Read from Radio$")
        dialog.key("Return")
        return dialog

    def test_read_without_port_keeps_the_dialog_idle_after_each_way_of_closing_the_message(self):
        app = self.app(self.data_dir())
        dialog = self.start_read(app)
        for close in ("Return", "Escape", "click"):
            with self.subTest(close=close):
                message = app.wait_message(exclude=[dialog])
                if close == "click":
                    message.click_button()
                else:
                    message.key(close)
                app.wait_closed(message)
                # Idle again: OK starts the next attempt.
                dialog.key("Return")
        message = app.wait_message(exclude=[dialog])
        message.key("Return")
        app.wait_closed(message)
        dialog.key("Escape")
        app.wait_closed(dialog)
        self.assertEqual(app.windows(), [app.main])

    def test_read_of_a_silent_radio_ends_with_its_message(self):
        sim = self.sim("--no-reply", "1:1000000")
        app = self.app(self.data_dir(ports={1: sim.pty}))
        dialog = self.start_read(app)
        message = app.wait_message(exclude=[dialog], timeout=30)
        message.key("Escape")
        app.wait_closed(message)
        wait_for(lambda: app.windows() == [app.main] or dialog in app.windows(), what="the read to stop")
        if dialog in app.windows():
            dialog.key("Escape")
            app.wait_closed(dialog)
        self.assertTrue(app.running())

    def test_read_with_password_wrong_then_right_saves_the_radios_image(self):
        work = self.data_dir()
        radio_image = os.path.join(work.root, "radio.bin")
        sim = self.sim("--read-password", "1234", save=radio_image)
        data = self.data_dir(ports={2: sim.pty})
        app = self.app(data)
        dialog = self.start_read(app)

        password = app.wait_window("^Radio Password$")
        self.shot("password-dialog")
        password.type("9999")
        password.key("Return")
        wrong = app.wait_message(exclude=[dialog])
        wrong.key("Return")
        app.wait_closed(wrong)

        password = app.wait_window("^Radio Password$")
        password.type("1234")
        password.key("Return")
        wait_for(lambda: dialog.geometry() and app.find_window("^Radio Password$") is None, what="the password taken")
        self.shot("read-dialog")
        done = app.wait_message(exclude=[dialog], timeout=30)
        done.click_button()
        app.wait_closed(done)
        app.wait_closed(dialog)

        saved = os.path.join(data.root, "read.dat")
        app.main.key("ctrl+s")
        save_as = app.wait_window("^Save As$")
        save_as.type(saved)
        save_as.key("Return")
        wait_for(lambda: os.path.exists(saved), what="the saved file")
        app.wait_closed(save_as)
        sim.stop()
        self.assertEqual(image_of(saved), image_of(radio_image))

    def test_cancel_stops_a_running_read_and_leaves_the_open_file_as_it_was(self):
        sim = self.sim(paced=True)  # at wire speed the read takes seconds
        data = self.data_dir(ports={1: sim.pty})
        opened = os.path.join(data.root, "mine.dat")
        vd.cli(data, "new", "-o", opened, "--range", "446-446")
        with open(opened, "rb") as f:
            before = f.read()
        app = self.app(data, opened)
        title = app.main.title()
        self.assertIn("mine.dat", title)
        dialog = self.start_read(app)
        wait_for(lambda: app.windows() == [app.main, dialog], what="the read's blocks")  # the busy box is gone
        self.shot("read-running")
        dialog.click_form_point(185, 73, 220, 88)  # Cancel
        app.wait_closed(dialog, timeout=5)
        self.shot("read-cancelled")
        self.assertEqual(app.windows(), [app.main])
        self.assertEqual(app.main.title(), title)
        app.main.key("ctrl+s")
        wait_for(lambda: app.main.title() == title, what="the save")
        with open(opened, "rb") as f:
            self.assertEqual(image_of_bytes(f.read()), image_of_bytes(before))
        # The radio is back in its normal mode: the next read runs to its end.
        dialog = self.start_read(app)
        done = app.wait_message(exclude=[dialog], timeout=30)
        done.key("Return")
        app.wait_closed(dialog)

    def test_read_of_a_band_the_model_lacks_asks_to_add_it(self):
        sim = self.sim("--band", "430-440")
        data = self.data_dir(ports={1: sim.pty})
        catalogue = os.path.join(data.path, "Model.dat")
        with open(catalogue, "rb") as f:
            before = f.read()
        app = self.app(data)
        dialog = self.start_read(app)
        app.close(app.wait_message(exclude=[dialog], timeout=30), "Return")  # the read is done
        app.close(app.wait_message(), "Return")  # Yes: add the range
        self.assertEqual(app.windows(), [app.main])
        with open(catalogue, "rb") as f:
            self.assertNotEqual(f.read(), before)

    def test_a_device_typed_in_the_port_dialog_is_the_port_a_read_goes_over(self):
        sim = self.sim()
        app = self.app(self.data_dir())  # no COMn leads to the simulated radio
        app.main.key("alt+s", "Return")
        ports = app.wait_window("^Communication Port$")
        self.shot("port-dialog")
        ports.key("ctrl+a")
        ports.type(sim.pty)
        ports.key("Return")
        app.wait_closed(ports)
        read = self.start_read(app)
        self.shot("read-dialog-device")
        done = app.wait_message(exclude=[read], timeout=30)
        done.key("Return")
        app.wait_closed(read)  # a read that succeeded

    def test_write_of_data_with_passwords_asks_and_goes_on_or_stops(self):
        work = self.data_dir()
        radio_image = os.path.join(work.root, "radio.bin")
        sim = self.sim(save=radio_image)
        data = self.data_dir(ports={1: sim.pty})
        app = self.app(data)
        read = self.start_read(app)
        done = app.wait_message(exclude=[read], timeout=30)
        done.key("Return")
        app.wait_closed(read)

        app.main.key("ctrl+w")  # the Radio Information view that the read opened
        app.open_from_tree("Passwords")
        app.main.click(616, 171)  # the Read Data Password field of the view, which opens at the top left
        app.main.type("5678")
        app.main.key("Tab")

        for answer in ("Escape", "Return"):
            with self.subTest(answer=answer):
                app.main.key("ctrl+alt+w")
                write = app.wait_window("^Write to Radio$")
                write.key("Return")
                notice = app.wait_window("^Warning$")
                notice.key(answer)
                app.wait_closed(notice)
                if answer == "Escape":
                    app.wait_closed(write)
        done = app.wait_message(exclude=[write], timeout=30)
        done.key("Escape")
        app.wait_closed(done)
        app.wait_closed(write)
        sim.stop()
        self.assertIn(b"5678", image_of(radio_image)[621:645])

    def test_write_of_default_data_asks_first_then_the_write_password(self):
        work = self.data_dir()
        radio_image = os.path.join(work.root, "radio.bin")
        sim = self.sim("--write-password", "5678", save=radio_image)
        app = self.app(self.data_dir(ports={1: sim.pty}))  # no file: the program's defaults
        for answer in ("Escape", "Return"):  # No, then Yes
            with self.subTest(answer=answer):
                app.main.key("ctrl+alt+w")
                app.close(app.wait_message(), answer)
        write = app.wait_window("^Write to Radio$")
        write.key("Return")
        password = app.wait_window("^Radio Password$")
        password.type("5678")
        password.key("Return")
        app.close(app.wait_message(exclude=[write], timeout=30), "click")
        app.wait_closed(write)
        sim.stop()
        with open(radio_image, "rb") as f:
            self.assertEqual(len(f.read()), 8192)
        self.assertEqual(app.windows(), [app.main])


class BackupBeforeWriting(vd.DisplayTest):

    def test_the_backup_read_comes_first_and_a_backup_missing_or_not_saved_stops_the_write(self):
        sim = self.sim()
        data = self.data_dir(ports={1: sim.pty}, added={"BackupBeforeWrite": 1})
        opened = os.path.join(data.root, "mine.dat")
        vd.cli(data, "new", "-o", opened, "--range", "446-446")
        app = self.app(data, opened)

        def start_write():
            app.main.key("ctrl+alt+w")
            return app.wait_window("^Backup before Writing$")

        # Escape on the backup's dialog: no backup, so no write.
        app.close(start_write(), "Escape")
        app.close(app.wait_message(), "Return")
        self.assertEqual(app.windows(), [app.main])

        # The backup read closes by itself when done; the write's dialog follows.
        start_write().key("Return")
        write = app.wait_window("^Write to Radio$", timeout=30)
        app.close(write, "Escape")
        backups = [os.path.join(top, name) for top, _, names in os.walk(data.home) for name in names
                   if os.path.basename(top) == "backups"]
        self.assertEqual(len(backups), 1, backups)

        # A backup directory that cannot be made: said so, and no write.
        folder = os.path.dirname(backups[0])
        shutil.rmtree(folder)
        open(folder, "w").close()
        app.main.key("ctrl+alt+w")
        app.close(app.wait_message(), "click")
        self.assertEqual(app.windows(), [app.main])


if __name__ == "__main__":
    vd.main()
