"""What a screen reader finds in the program over AT-SPI: every control the
keyboard reaches has a name, in both languages, and a channel grid's cells
read with their column's heading.

Runs on a D-Bus session of its own (dbus-run-session), where the
accessibility bus starts on demand.
"""

import os
import subprocess
import sys

import vexdisplay as vd
from vexdisplay import wait_for

MISC, CHANNEL, CHANNEL_LIST = "32803", "32822", "32895"


def _atspi():
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        return Atspi
    except (ImportError, ValueError):
        return None


def _on_own_bus():
    """Runs this file again on a session bus of its own, unless it is on one."""
    if os.environ.get("VEX_OWN_SESSION_BUS"):
        return
    # python3-gi serves the system's Python, which may not be the one running.
    python = sys.executable if _atspi() else "/usr/bin/python3"
    has_atspi = subprocess.run([python, "-c", "import gi; gi.require_version('Atspi', '2.0')"],
                               capture_output=True).returncode == 0 if os.path.exists(python) else False
    if not vd.shutil.which("dbus-run-session") or not has_atspi:
        print("screen reader tests skipped: dbus-run-session and gir1.2-atspi-2.0 (python3-gi) are needed")
        sys.exit(77)
    os.environ["VEX_OWN_SESSION_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", python, *sys.argv])


def walk(node, depth=0):
    """The node and what it holds, grids not entered (their cells are many)."""
    yield node
    if depth > 40 or node.get_role() == Atspi.Role.TABLE:
        return
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child, depth + 1)


def place(node):
    box = node.get_extents(Atspi.CoordType.SCREEN)
    return f"({box.x}, {box.y}) {box.width}x{box.height}"


def states(node):
    state_set = node.get_state_set()
    return {s for s in (Atspi.StateType.FOCUSABLE, Atspi.StateType.SHOWING) if state_set.contains(s)}


class ScreenReader(vd.DisplayTest):

    def program(self, app):
        """The program's accessible application, once it has registered."""
        def find():
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                child = desktop.get_child_at_index(i)
                if child is not None and child.get_process_id() == app.process.pid and child.get_child_count() > 0:
                    return child
            return None
        return wait_for(find, timeout=20, what="the program on the accessibility bus")

    def start(self, view, language=0):
        data = self.data_dir()
        with open(data.settings_path) as ini:
            text = ini.read()
        with open(data.settings_path, "w") as ini:
            ini.write(text.replace("[Setting]\n", f"[Setting]\nLanguage={language}\n", 1))
        app = self.app(data, "--open-view", view)
        return app, self.program(app)

    def unnamed(self, root):
        return [f"{node.get_role_name()} in {node.get_parent().get_role_name()} at {place(node)}" for node in walk(root)
                if states(node) == {Atspi.StateType.FOCUSABLE, Atspi.StateType.SHOWING}
                and not node.get_name().strip()]

    def test_every_control_of_a_view_has_a_name_in_both_languages(self):
        for language in (0, 1):
            for view in (MISC, CHANNEL):
                with self.subTest(view=view, language=language):
                    app, root = self.start(view, language)
                    wait_for(lambda: any(n.get_role() == Atspi.Role.COMBO_BOX for n in walk(root)),
                             what="the view's controls")
                    self.shot(f"screen-reader-{view}-{language}")
                    self.assertEqual(self.unnamed(root), [])
                    app.quit()

    def test_channel_grid_cells_read_with_their_column_heading(self):
        app, root = self.start(CHANNEL_LIST)
        grid = wait_for(lambda: next((n for n in walk(root) if n.get_role() == Atspi.Role.TABLE), None),
                        what="the channel grid")
        self.assertEqual(grid.get_name(), "Channel List")
        table = grid.get_table_iface() if hasattr(grid, "get_table_iface") else grid
        columns = Atspi.Table.get_n_columns(table)
        self.assertGreater(columns, 5)
        for column in range(columns):
            heading = Atspi.Table.get_column_description(table, column)
            cell = Atspi.Table.get_accessible_at(table, 0, column)
            self.assertTrue(heading, column)
            self.assertTrue(cell.get_name().startswith(heading), (column, cell.get_name(), heading))


Atspi = _atspi()

if __name__ == "__main__":
    _on_own_bus()
    # Qt offers its accessibility tree whether or not a screen reader runs.
    os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    vd.main()
