"""End to end: the real quilmo on a virtual display, driven from outside through its
accessibility tree (AT-SPI) along the roads a user takes. Controls are found by their
automation id (QUILMO_AUTOMATION_IDS=1 puts the objectName in the accessible description)
or, in Qt's own dialogs, by role and name; buttons are pressed through their Press action;
text goes in as real keys. What a road proves is read back from the tree and from the
files left in the data and program folders: never a pixel, never a fixed place.

Run by window_e2e.sh, which starts the session bus, the display and pins the fonts.
Usage: window_e2e.py QUILMO_EXECUTABLE
"""
import os
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

from atspi_window import (Failed, attach, button, dialog, expect, find, focus, has, items, key, message,
                          pick_disc, press, search_all_discs, shown, text, title, type_text, view, wait_until)

QUILMO = sys.argv[1]
WORLD = tempfile.mkdtemp(prefix="quilmo-e2e-")
DATA, APP, HOME, DISC = (os.path.join(WORLD, d) for d in ("data", "app", "home", "disc"))
failures = []  # every failed step, as "road: what"


# ---- the files ----------------------------------------------------------------------------
def read(*path):
    with open(os.path.join(*path), "rb") as f:
        return f.read().decode()


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write(data)


def disc_list():
    return read(DATA, "QM.tex")


def catalogues():
    return sorted(n for n in os.listdir(DATA) if n.lower().endswith(".rtf"))


def disc(files):
    """Fills drive E (the folder "disc") with these files, emptied first."""
    subprocess.run(["rm", "-rf", DISC], check=True)
    for name, body in files.items():
        write(os.path.join(DISC, name), body)


# ---- the roads ----------------------------------------------------------------------------
DISC1 = '"E:\\","a.txt"\r\n"E:\\DOCS\\","notes.txt"\r\n"E:\\DOCS\\DEEP\\","deep.txt"\r\n3 files : 2 folders\r\n'
DISC2 = '"E:\\PHOTOS\\","beach.jpg"\r\n1 files : 1 folders\r\n'


def first_start():
    expect(title() == "Quilmo 2016 []", f"the window is titled {title()!r}")
    expect(os.path.isfile(os.path.join(HOME, "QM.tmp")), "no QM.tmp on drive C (the home folder)")
    present = {n.lower() for n in os.listdir(DATA)}
    for name in ("QM.tex", "QM.mmd", "QM.SoC", "QM.EXL", "FTex.Lys"):
        expect(name.lower() in present, f"{name} was not created in the data folder")
    expect(disc_list() == "", f"QM.tex holds {disc_list()!r}")
    expect(items("TeX") == [], f"the disc list shows {items('TeX')}")
    wait_until(lambda: text("DTel") == "0", "DTel to read the disc count 0, not the label's hint")


def create(name, files, catalogue):
    disc(files)
    key("F5")  # puts the focus on the disc name box TeX
    wait_until(lambda: has(find("TeX")[1], pyatspi.STATE_FOCUSED), "F5 to focus the disc name box")
    key("ctrl+a")  # the name box still holds the last disc's name
    type_text(name)
    key("Return")
    wait_until(lambda: title() == f"Quilmo [{name}.rtf ]", f"the caption of the new catalogue {name}.rtf"
               f" (it reads {title()!r})", 10)
    expect(read(DATA, name + ".rtf") == catalogue, f"{name}.rtf holds {read(DATA, name + '.rtf')!r}")
    expect(name in items("TeX"), f"the disc list shows {items('TeX')}, without {name}")
    expect(not os.path.exists(os.path.join(APP, "File.List.Zub")), "the scan list File.List.Zub was left behind")


def create_two_discs():
    create("Disc1", {"a.txt": "hello", "DOCS/notes.txt": "notes", "DOCS/DEEP/deep.txt": "deep"}, DISC1)
    create("Disc2", {"PHOTOS/beach.jpg": "jpg"}, DISC2)
    expect(disc_list() == "Disc1\r\nDisc2\r\n", f"QM.tex holds {disc_list()!r}")


def load_one():
    disc(dict())  # the disc is not in the drive: the catalogue is all there is
    pick_disc("Disc1")
    wait_until(lambda: view().getText(0, -1) == DISC1.replace("\r\n", "\n"), "the view RtB to show Disc1's catalogue")


def disc_information_by_keyboard():
    # Shortcuts go to the active window, and with no window manager on the display nothing
    # makes it active but this.
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(quilmo.pid), "--name", "^Quilmo"],
                            capture_output=True, text=True).stdout.split()
    subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=True)
    key("ctrl+i")
    panel = dialog("Disc information: Disc1")
    for id, value in (("DiscFiles", "3"), ("DiscFolders", "2"), ("DiscTotalSize", "14 bytes"),
                      ("DiscIdentity", "no identity"), ("DiscRoot", "plain folder mapped as a drive")):
        expect(text(id) == value, f"the panel's {id} reads {text(id)!r}, not {value!r}")
    wait_until(lambda: has(find("DiscNote"), pyatspi.STATE_FOCUSED), "the note field to hold the focus")
    type_text("Box 3, top shelf")
    key("Return")
    wait_until(lambda: os.path.isfile(os.path.join(DATA, ".quilmo", "notes", "Disc1.note")), "Enter to save the note")
    expect(read(DATA, ".quilmo", "notes", "Disc1.note") == "Box 3, top shelf\n", "the note file holds another text")
    expect(text("NoteStatus") == "Note saved.", f"the panel says {text('NoteStatus')!r}")
    key("Escape")
    wait_until(lambda: not has(panel, pyatspi.STATE_SHOWING), "Escape to close the panel")


def go_to_selection_and_list(expected_file):
    press("OpenFile")  # GoTo
    wait_until(lambda: items("FiL")[:1] == [expected_file],
               f"GoTo to list {expected_file!r} first in FiL (it lists {items('FiL')})")


def select_line_by_keyboard():
    disc({"a.txt": "hello", "DOCS/notes.txt": "notes", "DOCS/DEEP/deep.txt": "deep"})
    focus(find("RtB"))
    key("ctrl+Home", "Down", "Home", "shift+End")
    go_to_selection_and_list("txt notes.txt")
    selected = view().getSelection(0)
    expect(view().getText(selected[0], selected[1]) == '"E:\\DOCS\\","notes.txt"',
           f"the selection reads {view().getText(*selected)!r}")


def select_line_by_triple_click():
    third = DISC1.replace("\r\n", "\n").split("\n")[2]
    at = DISC1.replace("\r\n", "\n").index(third) + 4
    focus(find("RtB"))
    key("ctrl+Home")  # drops the keyboard's selection
    x, y, w, h = view().getCharacterExtents(at, pyatspi.DESKTOP_COORDS)
    expect(w > 0 and h > 0, f"character {at} of the view has no extent ({x}, {y}, {w}, {h})")
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2),
                    "click", "--repeat", "3", "--delay", "80", "1"], check=True)
    wait_until(lambda: view().getText(*view().getSelection(0)) == third,
               f"three clicks on line 3 to select it (selected: {view().getText(*view().getSelection(0))!r})")
    go_to_selection_and_list("txt deep.txt")


def open_through_association():
    if items("FiL")[:1] != ["txt notes.txt"]:  # the triple click went to E:\DOCS\DEEP\
        focus(find("RtB"))
        key("ctrl+Home", "Down", "Home", "shift+End")
        go_to_selection_and_list("txt notes.txt")
    # A list view offers no focus action: the focus goes to GoTo, then back one step to FiL.
    focus(find("OpenFile"))
    key("shift+Tab", "Home", "Return")
    opened = os.path.join(WORLD, "opened")
    wait_until(lambda: os.path.isfile(opened), "Enter on FiL's first entry to start the associated program")
    notes = os.path.join(DISC, "DOCS", "notes.txt")
    expect(read(opened) == notes + "\n", f"the program was given {read(opened)!r}, not {notes}")
    ttt = read(APP, "ttt.ttt")
    expect(ttt == f'{WORLD}/stub.sh "{notes}"\r\n', f"ttt.ttt holds {ttt!r}")


def find_in_view():
    key("F2")
    type_text("deep")
    key("Return")  # with a catalogue loaded, Enter opens the find menu
    press("FCom(0)")  # Find-F3 asks for the word to find
    dialog("Search for another word")
    type_text("deep")
    key("Return")
    hit = DISC1.replace("\r\n", "\n").lower().index("deep")  # Case sensitive is off: DEEP counts
    wait_until(lambda: view().getSelection(0)[:2] == (hit, hit + 4),
               f"Find-F3 to select \"deep\" at {hit} (selection: {view().getSelection(0)})")
    wait_until(lambda: text("LaB") == "Find deep", f"LaB to read 'Find deep' (it reads {text('LaB')!r})")


def global_search_saved_as_report():
    search_all_discs("notes|beach")
    wait_until(lambda: items("SoekLys") == ["Disc1", "Disc2"] and all(has(i, pyatspi.STATE_SELECTED)
               for i in find("SoekLys")), "Select ALL to select Disc1 and Disc2")
    press("SoekCom(3)")  # START
    message("SAVE this report?")
    report = '*Disc1* "E:\\DOCS\\","notes.txt"\r\n*Disc2* "E:\\PHOTOS\\","beach.jpg"\r\n'
    expect(read(APP, "QReport.rtf") == report, f"the quick report holds {read(APP, 'QReport.rtf')!r}")
    press("MsgC(0)")  # Yes
    field = dialog("SAVE search report")
    expect(text(pyatspi.findDescendant(field, lambda a: a.getRole() == pyatspi.ROLE_TEXT)) == "notes|beach",
           "the report name is not offered as the search words")
    key("ctrl+a")
    type_text("Holiday")
    key("Return")
    message("The report was saved")
    press("MsgC(0)")
    wait_until(lambda: not shown("MsgP"), "the message panel to close")
    expect(os.listdir(os.path.join(DATA, "QReport")) == ["Holiday.rtf"],
           f"the report folder holds {os.listdir(os.path.join(DATA, 'QReport'))}")
    expect(read(DATA, "QReport", "Holiday.rtf") == report, "Holiday.rtf is not the report")


def rename_and_undo():
    pick_disc("Disc1")
    press("SSPanel1(1)")  # rename
    dialog("RENAME A DISC")
    key("ctrl+a")
    type_text("Trip")
    key("Return")
    wait_until(lambda: disc_list() == "Disc2\r\nTrip\r\n", f"the rename to reach QM.tex (it holds {disc_list()!r})")
    expect(catalogues() == ["Disc2.rtf", "Trip.rtf"], f"Disc1.rtf was not renamed Trip.rtf: {catalogues()}")
    expect(items("TeX") == ["Disc2", "Trip"], f"the disc list shows {items('TeX')}")
    press("UndoList")
    press(button(dialog("Undo last change to the disc list"), "Yes"))
    wait_until(lambda: disc_list() == "Disc1\r\nDisc2\r\n", f"Undo to put back QM.tex (it holds {disc_list()!r})")
    expect(items("TeX") == ["Disc1", "Disc2"], f"after Undo the disc list shows {items('TeX')}")
    expect(catalogues() == ["Disc1.rtf", "Disc2.rtf"], f"Undo did not give Trip.rtf its name back: {catalogues()}")


def delete_many():
    press("SSPanel1(5)")
    wait_until(lambda: shown("DmD") and items("DmDLys") == ["Disc1", "Disc2"], "the Delete Many panel listing both discs")
    for entry in find("DmDLys"):  # each entry's Toggle action marks it, as a screen reader user marks it
        entry.queryAction().doAction(0)
    wait_until(lambda: all(has(i, pyatspi.STATE_SELECTED) for i in find("DmDLys")), "both discs marked")
    press("SSPanel1(7)")
    message("You are about to DELETE the selected discs")
    press("MsgC(0)")
    wait_until(lambda: disc_list() == "", f"the discs to leave QM.tex (it holds {disc_list()!r})")
    wait_until(lambda: not shown("DmD"), "the Delete Many panel to close")
    expect(catalogues() == [], f"catalogues left: {catalogues()}")
    kept = sorted(os.listdir(os.path.join(DATA, ".quilmo", "kept")))
    expect(kept == ["Disc1.rtf", "Disc2.rtf", "facts", "notes"], f"the deleted catalogues kept for Undo: {kept}")
    kept = sorted(os.listdir(os.path.join(DATA, ".quilmo", "kept", "facts")) +
                  os.listdir(os.path.join(DATA, ".quilmo", "kept", "notes")))
    expect(kept == ["Disc1.facts", "Disc1.note", "Disc2.facts"], f"the side files kept with them: {kept}")
    expect(items("TeX") == [], f"the disc list still shows {items('TeX')}")


def close():
    quilmo.send_signal(signal.SIGTERM)  # what a session end sends; the program closes normally
    expect(quilmo.wait(10) == 0, f"quilmo ended with status {quilmo.returncode}")
    expect(not os.path.exists(os.path.join(HOME, "QM.tmp")), "QM.tmp was left in the home folder")
    history = read(DATA, "FTex.Lys")
    # The words of the global search joined the history, which is kept sorted.
    expect(history == "kamera\r\nnotes|beach\r\nsnap\r\n", f"FTex.Lys holds {history!r}")


# ---- the world and the run -----------------------------------------------------------------
write(os.path.join(DATA, "FTex.Lys"), "kamera,snap\r\n")
write(os.path.join(WORLD, "config", "quilmo", "quilmo-2016.conf"), f"[Drives]\nE={DISC}\n")
write(os.path.join(APP, "SSc.ini"), "E\r\n")  # E is the default disc drive
write(os.path.join(WORLD, "stub.sh"), f'#!/bin/sh\nprintf "%s\\n" "$@" > "{WORLD}/opened.part" && '
      f'mv "{WORLD}/opened.part" "{WORLD}/opened"\n')
os.chmod(os.path.join(WORLD, "stub.sh"), 0o755)
write(os.path.join(DATA, "QM.soc"), f"txt {WORLD}/stub.sh\r\n")  # .txt files open with the stub
os.makedirs(HOME)
env = dict(os.environ, HOME=HOME, XDG_CONFIG_HOME=os.path.join(WORLD, "config"), QUILMO_APP_FOLDER=APP,
           QUILMO_AUTOMATION_IDS="1")
started = time.monotonic()
quilmo = subprocess.Popen([QUILMO], cwd=DATA, env=env)
try:
    attach(quilmo)
    for road in (first_start, create_two_discs, load_one, disc_information_by_keyboard, select_line_by_keyboard, select_line_by_triple_click,
                 open_through_association, find_in_view, global_search_saved_as_report, rename_and_undo,
                 delete_many, close):
        try:
            road()
            print(f"ok   {road.__name__}")
        except Failed as e:
            failures.append(f"{road.__name__}: {e}")
            print(f"FAIL {road.__name__}: {e}", file=sys.stderr)
            break  # later roads build on this one
finally:
    if quilmo.poll() is None:
        quilmo.kill()
    subprocess.run(["rm", "-rf", WORLD])
print(f"{'FAIL' if failures else 'PASS'}: {len(failures)} failed step(s), {time.monotonic() - started:.1f} s")
sys.exit(1 if failures else 0)
