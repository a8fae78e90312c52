"""On the smallest screen the program is made for, a view opens whole inside the
workspace: its frame on all four sides, and its title bar buttons where a click reaches them."""

import os

import vexdisplay as vd
from vexdisplay import wait_for

CHANNEL_VIEW, SCAN_LIST, DATA_WATCH = "32822", "32884", "32888"
# Where, from a frame's top right corner, its close button is (Fusion's title bar).
CLOSE_BUTTON = (-14, 11)
# The height of a frame's title bar and its outline.
TITLE_BAR = 26
# The channel view's list button, from its frame's top right corner.
LIST_BUTTON = (-30, 39)


class SmallScreen(vd.DisplayTest):
    width, height = 1024, 700

    def workspace(self, app):
        """The empty workspace's rectangle on the screen (left, top, right, bottom), once
        the main window shows it: right of the tree, below the menu and tool bars."""
        left, top, width, height = app.main.geometry()
        area = self.display.picture().area_around(left + width * 3 // 4, top + height // 2)
        return area if area[0] > left + 100 and area[1] > top + 40 else None

    def settled_frame(self, workspace, unlike=None):
        """The rectangle of what the workspace shows once it stays as it is (and is not
        the rectangle `unlike`)."""
        previous = [None]

        def settled():
            picture = self.display.picture()
            frame = picture.drawn_in(workspace)
            rows = picture.data[3 * picture.width * workspace[1]:3 * picture.width * (workspace[3] + 1)]
            shown = (frame, rows)  # not the status bar's clock
            same = frame is not None and frame != unlike and shown == previous[0]
            previous[0] = shown
            return frame if same else None

        return wait_for(settled, what="a view in the workspace")

    def assert_whole(self, frame, workspace):
        """The frame lies inside the workspace with its border drawn all round: the top and
        bottom edges are each one colour (the title bar's and the body's outline), and so are
        the sides below the title bar, in the body's colour. A view cut off at an edge shows
        its contents there instead."""
        left, top, right, bottom = frame
        self.assertTrue(workspace[0] <= left and workspace[1] <= top and right <= workspace[2]
                        and bottom <= workspace[3], (frame, workspace))
        picture = self.display.picture()
        corner = 6  # the rounded corners
        edges = {
            "top": {picture.pixel(x, top) for x in range(left + corner, right - corner)},
            "bottom": {picture.pixel(x, bottom) for x in range(left + corner, right - corner)},
            "left": {picture.pixel(left, y) for y in range(top + TITLE_BAR, bottom - corner)},
            "right": {picture.pixel(right, y) for y in range(top + TITLE_BAR, bottom - corner)},
        }
        for edge, colours in edges.items():
            self.assertEqual(len(colours), 1, f"the {edge} edge of {frame} is cut off: {colours}")
        self.assertEqual(edges["left"], edges["bottom"], frame)
        self.assertEqual(edges["right"], edges["bottom"], frame)

    def close_by_its_button(self, frame, workspace):
        self.display.click_at(frame[2] + CLOSE_BUTTON[0], frame[1] + CLOSE_BUTTON[1])
        wait_for(lambda: self.display.picture().drawn_in(workspace) is None, what="the view closed")

    def test_views_open_whole_inside_the_workspace(self):
        # Each view in a program of its own, so that it opens into an empty workspace;
        # the channel list as the channel view's list button opens it.
        for language in (0, 1):  # English, Chinese
            data = self.data_dir(level=vd.FACTORY_LEVEL, added={"Language": language})
            path = os.path.join(data.root, "mine.dat")
            vd.cli(data, "new", "-o", path, "--range", "446-446")
            app = self.app(data, path)
            workspace = wait_for(lambda: self.workspace(app), what="the workspace")
            app.quit()
            for name, view in (("channel-list", CHANNEL_VIEW), ("data-watch", DATA_WATCH), ("scan-list", SCAN_LIST)):
                with self.subTest(language=language, view=name):
                    app = self.app(data, "--open-view", view, path)
                    frame = self.settled_frame(workspace)
                    if view == CHANNEL_VIEW:
                        self.display.click_at(frame[2] + LIST_BUTTON[0], frame[1] + LIST_BUTTON[1])
                        frame = self.settled_frame(workspace, unlike=frame)
                    self.shot(f"placement-{name}-{language}")
                    self.assert_whole(frame, workspace)
                    self.close_by_its_button(frame, workspace)
                    app.quit()


if __name__ == "__main__":
    vd.main()
