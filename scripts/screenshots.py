"""Takes the screenshots of docs/screenshots/ from the real window, driven through its
accessibility tree like the end-to-end test. Run by scripts/screenshots, which builds the
library, starts the session bus and the virtual display and pins the look.
Usage: screenshots.py QUILMO WORLD OUT SHOT...   (SHOT: main, search, associations; a
suffix such as @2x only names the file)
"""
import os
import struct
import subprocess
import sys
import zlib

from Xlib import X, display

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from atspi_window import attach, find, focus, items, key, pick_disc, press, search_all_discs, shown, view, wait_until  # noqa: E402

QUILMO, WORLD, OUT, SHOTS = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]


def grab(window):
    """The window's pixels as (width, height, RGB bytes)."""
    x = display.Display()
    w = x.create_resource_object("window", int(window))
    g = w.get_geometry()
    data = w.get_image(0, 0, g.width, g.height, X.ZPixmap, 0xFFFFFFFF).data  # BGRX on a 24-bit screen
    rgb = bytearray(g.width * g.height * 3)
    rgb[0::3], rgb[1::3], rgb[2::3] = data[2::4], data[1::4], data[0::4]
    x.close()
    return g.width, g.height, bytes(rgb)


def png(path, width, height, rgb):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    stride = width * 3
    rows = b"".join(b"\0" + rgb[y * stride:(y + 1) * stride] for y in range(height))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def shoot(window, name):
    """Saves the window once it has stopped changing (three grabs alike, a tenth of a second apart)."""
    grabs = []

    def settled():
        grabs.append(grab(window))
        return len(grabs) >= 3 and grabs[-1] == grabs[-2] == grabs[-3]
    wait_until(settled, f"the window to settle for {name}", 10)
    png(os.path.join(OUT, name + ".png"), *grabs[-1])


def main_view():
    pick_disc("Holiday 2024")
    wait_until(lambda: view().characterCount > 0, "the catalogue in the view")
    focus(find("RtB"))
    key("ctrl+Home", "Down", "Down", "Down", "Home", "shift+End")
    press("OpenFile")  # GoTo lists that folder of the disc
    wait_until(lambda: items("FiL"), "GoTo to list the folder")


def search():
    search_all_discs("beach|sunset")
    press("SoekCom(3)")  # START
    wait_until(lambda: shown("MsgP"), "the question whether to save the report")
    press("MsgC(1)")  # NO: the quick report stays in the view
    wait_until(lambda: not shown("MsgP"), "the message panel to close")


def associations():
    focus(find("OpenFile"))  # a list view offers no focus action: GoTo, then back one step
    key("shift+Tab", "Home", "Return")  # opens a photo, a type the library has no program for
    wait_until(lambda: shown("MsgP"), "the question whether to set an association")
    press("MsgC(0)")  # Yes
    wait_until(lambda: shown("SocPan"), "the associations panel")


roads = {"main": main_view, "search": search, "associations": associations}
env = dict(os.environ, HOME=os.path.join(WORLD, "home"), XDG_CONFIG_HOME=os.path.join(WORLD, "config"),
           QUILMO_APP_FOLDER=os.path.join(WORLD, "app"), QUILMO_AUTOMATION_IDS="1")
quilmo = subprocess.Popen([QUILMO], cwd=os.path.join(WORLD, "data"), env=env)
try:
    window = attach(quilmo)
    for shot in SHOTS:
        roads[shot.split("@")[0]]()
        shoot(window, shot)
        print(f"saved {shot}.png")
finally:
    quilmo.kill()
