"""Drives the real quilmo window through its accessibility tree (AT-SPI): finds controls by
their automation id (QUILMO_AUTOMATION_IDS=1 puts the objectName in the accessible
description) or, in Qt's own dialogs, by role and name; presses buttons through their Press
action; types real keys with xdotool. Shared by the end-to-end test and scripts/screenshots.
"""
import subprocess
import time

import pyatspi
from gi.repository import Atspi

class Failed(Exception):
    pass


def wait_until(cond, what, seconds=5.0):
    end, error = time.monotonic() + seconds, None
    while True:
        try:
            value = cond()
            if value:
                return value
        except Failed:
            raise
        except Exception as e:  # an object of the tree may vanish while it is read
            error = e
        if time.monotonic() > end:
            raise Failed(f"{what} (waited {seconds:g} s{'; last error: %s' % error if error else ''})")
        time.sleep(0.05)


# ---- the tree ---------------------------------------------------------------------------
app = None
ids = {}


def index(node):
    for child in node:
        if child is None:
            continue
        if child.description:
            ids.setdefault(child.description, child)
        index(child)


def find(id):
    """The control whose automation id is `id`, e.g. "GCom(7)"."""
    try:
        ids[id].getRole()
    except Exception:  # not indexed yet, or gone from the tree
        ids.clear()
        index(app)
    if id not in ids:
        raise Failed(f"no control {id} in the accessibility tree")
    return ids[id]


def has(acc, state):
    return acc.getState().contains(state)


def shown(id):
    return has(find(id), pyatspi.STATE_SHOWING)


def text(id_or_acc):
    """What a control shows: its text interface where it has one, else its accessible name."""
    acc = find(id_or_acc) if isinstance(id_or_acc, str) else id_or_acc
    try:
        t = acc.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return acc.name


def view():
    return find("RtB").queryText()


def items(id):
    node = find(id)
    lists = [c for c in node if c is not None and c.getRole() == pyatspi.ROLE_LIST] or [node]
    return [i.name for i in lists[0] if i is not None and i.getRole() == pyatspi.ROLE_LIST_ITEM]


def focus(acc):
    """Gives a control the keyboard focus. Item views and the catalogue view do not report
    a focused state, so what the keys that follow do is what a road checks."""
    acc.queryComponent().grabFocus()


def press(id_or_acc):
    """Presses a button through its Press action; a raised panel without one gets the focus
    and Space."""
    acc = find(id_or_acc) if isinstance(id_or_acc, str) else id_or_acc
    what = acc.description or acc.name
    wait_until(lambda: has(acc, pyatspi.STATE_SHOWING) and has(acc, pyatspi.STATE_ENABLED),
               f"{what} shown and enabled")
    try:
        action = acc.queryAction()
        action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
    except (NotImplementedError, ValueError):
        focus(acc)
        key("space")


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "30", *keys], check=True)


def type_text(words):
    subprocess.run(["xdotool", "type", "--delay", "20", words], check=True)


def dialog(title, seconds=5.0):
    """A top-level window of the program (a Qt dialog) with this title, once it shows."""
    return wait_until(lambda: next((w for w in app if w is not None and w.name == title and
                                    has(w, pyatspi.STATE_SHOWING)), None), f"a window titled \"{title}\"", seconds)


def button(window, name):
    found = pyatspi.findDescendant(window, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == name)
    expect(found is not None, f"no button \"{name}\" in \"{window.name}\"")
    return found


def title():
    return app[0].name


def message(heading_words):
    """Waits for the message panel MsG with a text holding `heading_words`; gives its text."""
    return wait_until(lambda: shown("MsgP") and heading_words in text("MsgT") and text("MsgT"),
                      f"the message panel saying \"{heading_words}\" (it says: {text('MsgT')!r})")


def expect(ok, what):
    if not ok:
        raise Failed(what)


def pick_disc(name):
    """Picks a disc from the drop-down of TeX with the keyboard and opens it in the view."""
    focus(find("TeX")[1])  # its edit line: the combo box itself offers no focus action
    key("alt+Down")
    wait_until(lambda: has(find("TeX")[0], pyatspi.STATE_SHOWING), "alt+Down to open the drop-down of TeX")
    entries = items("TeX")
    key(*["Up"] * len(entries), *["Down"] * entries.index(name), "Return")
    press(button(dialog("Where to open disc"), "Yes"))  # Yes: in this program
    wait_until(lambda: title() == f"Quilmo [{name}.rtf ]", f"{name} loaded (the caption reads {title()!r})")


def search_all_discs(words):
    """Types the search words after F2, opens "Find Global" and selects every disc."""
    key("F2", "ctrl+a")
    type_text(words)
    key("Return")
    press("FCom(2)")  # Find Global opens the search panel
    wait_until(lambda: shown("DSoekPan"), "the search panel DSoekPan to show")
    press("SoekCom(1)")  # Select ALL


def attach(quilmo):
    """Waits for the window of the started program `quilmo` (a Popen) to show, gives it the
    keyboard focus and returns its X window id."""
    global app
    app = wait_until(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and
                                   a.get_process_id() == quilmo.pid and a.childCount), None),
                     "quilmo in the accessibility tree", 15)
    app.set_cache_mask(Atspi.Cache.NONE)  # states are read live: Qt does not announce every change
    wait_until(lambda: has(app[0], pyatspi.STATE_SHOWING), "the main window to show")
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Quilmo"],
                            capture_output=True, text=True, check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    return window
