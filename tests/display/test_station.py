"""Program > Station from the keyboard: four simulated radios plugged into the watched
folder at once are programmed together, one of another model is refused, and the
window stays usable while they run, in both languages."""

import json
import os
import tempfile

import vexdisplay as vd
from vexdisplay import wait_for

TITLES = {0: "^Programming Station$", 1: "^编程工作站$"}


def log_lines(path):
    if not os.path.exists(path):
        return []
    with open(path) as log:
        return [json.loads(line) for line in log if line.strip()]


class Station(vd.DisplayTest):

    def data_in(self, language):
        data = self.data_dir()
        with open(data.settings_path) as ini:
            text = ini.read()
        with open(data.settings_path, "w") as ini:
            ini.write(text.replace("[Setting]\n", f"[Setting]\nLanguage={language}\n", 1))
        return data

    def test_four_radios_at_once_in_each_language(self):
        for language in (0, 1):
            with self.subTest(language=language):
                self.run_station(language)

    def run_station(self, language):
        data = self.data_in(language)
        watch = tempfile.mkdtemp(prefix="by-id-", dir=data.root)
        log = os.path.join(data.root, "station.jsonl")
        radios = [self.sim("--serial-number", f"SN-100{n}", paced=True) for n in (1, 2, 3)]
        radios.append(self.sim("--model-name", "Other 9", "--serial-number", "SN-9999", paced=True))
        app = self.app(data)
        app.main.key("alt+p")
        self.display.key("t")
        window = app.wait_window(TITLES[language])
        for field, text in (("alt+w", watch), ("alt+l", log)):
            window.key(field)
            window.key("ctrl+a")
            window.type(text)
        window.key("alt+s")
        for n, radio in enumerate(radios, 1):
            os.symlink(radio.pty, os.path.join(watch, f"usb-Vex_Programming_Cable_{n}-if00-port0"))
        # The window answers while the radios are written: the main window takes the focus and gives it back.
        wait_for(lambda: len(log_lines(log)) >= 1, timeout=60, what="the refused radio")
        app.main.activate()
        window.activate()
        self.shot(f"station-running-{language}")
        lines = wait_for(lambda: (lambda got: got if len(got) == 4 else None)(log_lines(log)), timeout=90,
                         what="four radios")
        self.shot(f"station-done-{language}")
        results = sorted((line["serial_number"] or "-", line["result"]) for line in lines)
        self.assertEqual(results, [("-", "failed"), ("SN-1001", "ok"), ("SN-1002", "ok"), ("SN-1003", "ok")])
        window.key("alt+t")
        window.key("Escape")
        app.wait_closed(window, timeout=30)
        self.assertTrue(app.running())


if __name__ == "__main__":
    vd.main()
