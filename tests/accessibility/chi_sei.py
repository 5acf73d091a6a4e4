""""Chi sei?" played from outside, through the accessibility bus: with the keyboard alone, then
with the mouse alone.

Run by Debian's /usr/bin/python3 under a11y-session.sh:

    a11y-session.sh /usr/bin/python3 chi_sei.py PROGRAM PREPARA_CLASSE

Before each run a register is made (by PREPARA_CLASSE, in a data folder of the run's own) with a
class of seven pupils chosen for this PC, so that the program starts with "Chi sei?". Keys and
clicks go through the accessibility bus's device events, as an on-screen keyboard or a switch
user's would: they reach the program through the X server, not through its accessible actions.
The keyboard run moves the focus with a digit and the arrows, checks each step by the key a
screen reader hears as focused, chooses with Enter, and leaves the start window with 4 and
Enter; the mouse run clicks a pupil's key and then "E S C I " on the start window. Each run
expects the start window to follow the choice and the program to end.
"""

import os
import subprocess
import sys
import tempfile



def display_for_device_events():
    """The accessibility bus was started before the X server was, so the registry it starts
    would not know the display to send keys and clicks to: the bus is told it first."""
    got = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus", "/org/a11y/bus",
                          "org.a11y.Bus.GetAddress"], capture_output=True, text=True, timeout=20)
    subprocess.run(["dbus-send", f"--bus={got.stdout.strip()}", "--print-reply", "--dest=org.freedesktop.DBus",
                    "/org/freedesktop/DBus", "org.freedesktop.DBus.UpdateActivationEnvironment",
                    f"dict:string:string:DISPLAY,{os.environ['DISPLAY']}"], capture_output=True, timeout=20, check=True)


display_for_device_events()
import pyatspi  # noqa: E402

from end_to_end import Failure, check, children, descendants, dump, has_state, role, say, wait_for, window

LIMIT = 15.0
PUPILS = ["Anna", "Bruno", "Carla", "Dario", "Elena", "Fabio", "Gaia"]  # three to a row
WHO = "Chi sei?"
START = "GLI INSIEMI"
KEYS = {"Right": 0xFF53, "Left": 0xFF51, "Down": 0xFF54, "Up": 0xFF52, "Return": 0xFF0D,
        "3": 0x33, "4": 0x34}


def program_with(pid, title):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid and window(app, title):
            return app
    return None


def focused(win):
    for acc in descendants(win):
        if role(acc) == pyatspi.ROLE_PUSH_BUTTON and has_state(acc, pyatspi.STATE_FOCUSED):
            return acc.name
    return None


def type_key(name):
    pyatspi.Registry.generateKeyboardEvent(KEYS[name], None, pyatspi.KEY_SYM)


def click(acc):
    x, y, w, h = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, "b1c")


def button(win, name):
    for acc in descendants(win):
        if role(acc) == pyatspi.ROLE_PUSH_BUTTON and acc.name == name:
            return acc
    return None


def start(program, prepara):
    data = tempfile.mkdtemp()
    os.makedirs(os.path.join(data, "Tarvello"))
    made = subprocess.run([prepara, os.path.join(data, "Tarvello", "registro.sqlite"), "3A", *PUPILS], timeout=30)
    check(made.returncode == 0, "the register with a class for this PC was made")
    env = dict(os.environ, XDG_DATA_HOME=data, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    return subprocess.Popen([program, "--lingua", "it"], env=env)


def by_keyboard(proc):
    app = wait_for('"Chi sei?" on the accessibility bus', lambda: program_with(proc.pid, WHO), 30)
    who = window(app, WHO)
    names = [c.name for c in descendants(who) if role(c) == pyatspi.ROLE_PUSH_BUTTON]
    check(names == PUPILS + ["Non sono nell'elenco"], f"a key per pupil, by name, then the one for nobody: {names}")
    wait_for("the first pupil focused", lambda: focused(who) == "Anna")
    # 3: the third key; Down: the row below; Left: the key before.
    for k, expected in (("3", "Carla"), ("Down", "Fabio"), ("Left", "Elena"), ("Up", "Bruno")):
        type_key(k)
        wait_for(f'{k}: "{expected}" focused', lambda: focused(who) == expected)
    say("keyboard: 3, Down, Left, Up moved the focus to Carla, Fabio, Elena, Bruno")
    type_key("Return")
    start_window = wait_for("the start window after the choice", lambda: window(app, START))
    wait_for('"Chi sei?" gone', lambda: window(app, WHO) is None)
    wait_for("the start window's first key focused", lambda: focused(start_window) == "INSIEME VUOTO (  )")
    say('keyboard: Enter chose Bruno; the start window followed, "Chi sei?" went')
    type_key("4")
    wait_for('"E S C I " focused', lambda: focused(start_window) == "ESCI")
    type_key("Return")


def by_mouse(proc):
    app = wait_for('"Chi sei?" on the accessibility bus', lambda: program_with(proc.pid, WHO), 30)
    who = window(app, WHO)
    click(wait_for('the key "Dario"', lambda: button(who, "Dario")))
    start_window = wait_for("the start window after the choice", lambda: window(app, START))
    wait_for('"Chi sei?" gone', lambda: window(app, WHO) is None)
    say('mouse: a click on "Dario" chose him; the start window followed')
    # The curtains cover the start window for a second as they open: a click on them is lost.
    esci = wait_for('the key "E S C I "', lambda: button(start_window, "ESCI"))

    def clicked_away():
        click(esci)
        try:
            proc.wait(0.5)
        except subprocess.TimeoutExpired:
            return False
        return True

    wait_for('"E S C I " clicked', clicked_away)


def main():
    program, prepara = sys.argv[1], sys.argv[2]
    for run in (by_keyboard, by_mouse):
        proc = start(program, prepara)
        try:
            run(proc)
            code = proc.wait(LIMIT)
            check(code == 0, f"the program ended with {code}")
            say("the program ended")
        except Exception as e:
            print(f"FAILED ({run.__name__}): {e}", file=sys.stderr)
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.get_process_id() == proc.pid:
                    print("\n".join(dump(app)), file=sys.stderr)
            return 1
        finally:
            if proc.poll() is None:
                proc.kill()
                proc.wait(5)
    return 0


if __name__ == "__main__":
    sys.exit(main())
