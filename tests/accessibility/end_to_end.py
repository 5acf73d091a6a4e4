"""Tarvello played from outside, through the accessibility bus, the way a screen reader sees it.

Run by Debian's /usr/bin/python3 (pyatspi is a Debian package) under a11y-session.sh:

    a11y-session.sh /usr/bin/python3 end_to_end.py PROGRAM

with TARVELLO_CUPS_DIR and TARVELLO_CUPS_SCRIPT naming the private print service. It starts the
real program, finds its keys by their accessible names, presses them through their accessible
action, reads the sets and the labels by their names, and listens for what the program
announces. It plays exercises from the start window to the end (a wrong answer refused, a right
answer, a wrong answer twice more until the program steps in), prints a worksheet to the private
print service and looks for the job in the queue's output folder, then leaves by the start
window's exit key and expects the program to end. Every wait has a time limit, and the program
is killed whatever happens.
"""

import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
import pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402

LIMIT = 15.0  # seconds any one thing may take to happen
QUEUE = "Tarvello_A"  # the print service's default queue
START = time.monotonic()


class Failure(Exception):
    pass


def say(text):
    print(f"[{time.monotonic() - START:6.2f} s] {text}", flush=True)


def check(condition, text):
    if not condition:
        raise Failure(text)


# ---------------------------------------------------------------- the bus


heard = []  # (event type, role, name, detail1) of every event the program sent


def on_event(event):
    try:
        heard.append((event.type, event.source.getRole(), event.source.name, event.detail1))
    except Exception:  # the source may be gone already
        pass


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, probe, limit=LIMIT):
    """Polls probe() until it gives something true; objects may vanish while they are looked at."""
    end = time.monotonic() + limit
    while True:
        pump()
        try:
            value = probe()
        except Exception:
            value = None
        if value:
            return value
        if time.monotonic() > end:
            raise Failure(f"waited {limit:.0f} s in vain for {what}")
        time.sleep(0.05)


def children(acc):
    return [c for c in (acc.getChildAtIndex(i) for i in range(acc.childCount)) if c is not None]


def descendants(acc):
    for child in children(acc):
        yield child
        yield from descendants(child)


def role(acc):
    """The role as AT-SPI numbers it: its display name changes between releases ("push button"
    until at-spi2-core 2.46, "button" by 2.56)."""
    return acc.getRole()


def has_state(acc, state):
    return acc.getState().contains(state)


def find(root, which, name=None, test=None):
    for acc in descendants(root):
        if role(acc) == which and (name is None or acc.name == name) and (test is None or test(acc)):
            return acc
    return None


def press_action(acc):
    """The index of the action that presses acc, or None: every widget offers actions of focus,
    only what can be pressed offers this one."""
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return None
    names = [action.getName(i) for i in range(action.nActions)]
    return names.index("Press") if "Press" in names else None


def window(app, title):
    """A top-level window of the program by its caption (captions end in blanks)."""
    for acc in children(app):
        if role(acc) == pyatspi.ROLE_FRAME and acc.name.rstrip() == title:
            return acc
    return None


def key(root, name):
    """A key a pupil can press now: named so, enabled, and pressed by an action of its own."""
    for acc in descendants(root):
        if acc.name == name and has_state(acc, pyatspi.STATE_ENABLED) and press_action(acc) is not None:
            return acc
    return None


def press(root, name):
    k = wait_for(f'key "{name}" ready to press', lambda: key(root, name))
    k.queryAction().doAction(press_action(k))


def value(root, description):
    """The text of the label tagged with a description."""
    label = find(root, pyatspi.ROLE_LABEL, test=lambda a: a.description == description)
    check(label is not None, f'no label described as "{description}"')
    return label.name


# ---------------------------------------------------------------- sets

SET_NAME = re.compile(r"^(?P<which>.+): (?:(?P<count>\d+) (?P<word>figura|figure)|vuoto)$")


def set_panel(root, which):
    return find(root, pyatspi.ROLE_PANEL, test=lambda a: a.name.startswith(which + ": "))


def figures(panel):
    """A set's size as its name says it, checked against the places that are read as "figura"."""
    m = SET_NAME.match(panel.name)
    check(m is not None, f'a set named "{panel.name}"')
    count = int(m.group("count") or 0)
    if m.group("word"):
        check((count == 1) == (m.group("word") == "figura"), f'"{panel.name}": singular and plural')
    places = sum(1 for c in children(panel) if role(c) == pyatspi.ROLE_IMAGE and c.name == "figura")
    check(places == count, f'"{panel.name}" but {places} places read "figura"')
    return count


def size_of(root, which):
    return figures(wait_for(f'set "{which}"', lambda: set_panel(root, which)))


def wait_size(root, which, expected):
    wait_for(f'"{which}" holding {expected}', lambda: size_of(root, which) == expected)


def announced(name):
    return ("object:state-changed:showing", pyatspi.ROLE_NOTIFICATION, name, 1) in heard


def renamed(prefix):
    return any(t == "object:property-change:accessible-name" and r == pyatspi.ROLE_PANEL and n.startswith(prefix)
               for t, r, n, _ in heard)


# ---------------------------------------------------------------- the exercise

EXERCISE = "Costruisci l'insieme consecutivo maggiore"
OUTCOME = "Esito della verifica"


def outcome(ex):
    label = find(ex, pyatspi.ROLE_NOTIFICATION, test=lambda a: a.description == OUTCOME)
    check(label is not None, "no outcome label")
    return label.name


def build(ex, target):
    """AGGIUNGI or TOGLI, one figure at a time, until the second set holds target figures."""
    size = size_of(ex, "Secondo insieme")
    while size != target:
        press(ex, "AGGIUNGI (+)" if size < target else "TOGLI (-)")
        size += 1 if size < target else -1
        wait_size(ex, "Secondo insieme", size)


def answer_wrong(ex, n, start, wrong_so_far):
    """A second set of one figure more than at the start, two if that would be right; VERIFICA."""
    heard.clear()
    build(ex, start + 1 if start + 1 != n + 1 else start + 2)
    check(renamed("Secondo insieme: "), "no renaming of the second set reached the bus")
    press(ex, "VERIFICA")
    wait_for('"Errato"', lambda: outcome(ex) == "Errato")
    wait_for("the outcome announced", lambda: announced("Errato"))
    wait_for('"Ti aiuto ?" announced', lambda: announced("Ti aiuto ?"))
    wait_for("the wrong answer counted", lambda: value(ex, "Risposte errate") == str(wrong_so_far))


def play_exercises(app, start_window):
    press(start_window, "AGGIUNGI ELEMENTI (+)")
    ex = wait_for("exercise window", lambda: window(app, EXERCISE))
    wait_for("the start window's instruction", lambda: find(
        ex, pyatspi.ROLE_LABEL, "Situazione iniziale: secondo  insieme suvvalente - Devi aggiungere elementi"))
    n = size_of(ex, "Primo insieme")
    m = size_of(ex, "Secondo insieme")
    say(f"exercise 1: given set of {n}, second set starts with {m}")
    check(1 <= m < n <= 8, "a second set smaller than the given set, not empty")
    check(value(ex, "Numero dell'esercizio") == "1", "exercise number 1")

    answer_wrong(ex, n, m, 1)
    say('wrong answer: read "Errato", heard "Errato" and "Ti aiuto ?"; NO')
    press(ex, "NO")
    wait_size(ex, "Secondo insieme", m)
    wait_for("the outcome cleared", lambda: outcome(ex) == "")

    heard.clear()
    build(ex, n + 1)
    press(ex, "VERIFICA")
    wait_for('"Esatto"', lambda: outcome(ex) == "Esatto")
    wait_for("the outcome announced", lambda: announced("Esatto"))
    check(not announced("Ti aiuto ?"), "no help offered after a right answer")
    wait_for("the right answer counted", lambda: value(ex, "Risposte esatte") == "1")
    say(f'built {n + 1} figures: read "Esatto", heard "Esatto"; AVANTI >>>')

    press(ex, "AVANTI >>>")
    wait_for("exercise 2", lambda: value(ex, "Numero dell'esercizio") == "2")
    n = size_of(ex, "Primo insieme")
    m = size_of(ex, "Secondo insieme")
    say(f"exercise 2: given set of {n}, second set starts with {m}")

    # Help was refused once already: the third refusal brings the intervention.
    answer_wrong(ex, n, m, 2)
    press(ex, "NO")
    wait_size(ex, "Secondo insieme", m)
    answer_wrong(ex, n, m, 3)
    press(ex, "NO")
    wait_for('"Intervengo io" announced', lambda: announced("Intervengo io"))
    say('two more wrong answers refused: heard "Intervengo io"; OK')
    press(ex, "OK")
    wait_size(ex, "Secondo insieme", n + 1)
    press(ex, "ESCI")
    wait_for("the exercise window closed", lambda: window(app, EXERCISE) is None)
    say(f"solution shown ({n + 1} figures); ESCI closed the exercise window")


# ---------------------------------------------------------------- the worksheet

SHEET = "VISUALIZZAZIONE SCHEDA"
SETS = ["Primo Insieme", "Secondo insieme", "Terzo insieme", "Quarto insieme"]


def sandbox(*args):
    script, folder = os.environ["TARVELLO_CUPS_SCRIPT"], os.environ["TARVELLO_CUPS_DIR"]
    done = subprocess.run([script, args[0], folder, *args[1:]], capture_output=True, text=True, timeout=60)
    check(done.returncode == 0, f"cups-sandbox.sh {' '.join(args)}: {done.stderr.strip()}")
    return done.stdout.strip()


def print_service_environment():
    """Where the program is to print: the private service only, never the machine's printers."""
    line = sandbox("env")
    check(line.startswith("CUPS_SERVER="), "the print service gives its socket")
    socket = line[len("CUPS_SERVER="):]
    etc = os.path.join(os.path.dirname(socket), "etc")
    env = {k: v for k, v in os.environ.items() if k not in ("PRINTER", "LPDEST")}
    env.update(CUPS_SERVER=socket, CUPS_SERVERROOT=etc, HOME=etc)
    return env


def jobs():
    listed = sandbox("outputs", QUEUE)
    return listed.split("\n") if listed else []


def print_worksheet(app, start_window):
    before = jobs()
    menu_item = find(start_window, pyatspi.ROLE_MENU_ITEM, "insieme vuoto")
    check(menu_item is not None and press_action(menu_item) is not None, 'menu item "insieme vuoto"')
    menu_item.queryAction().doAction(press_action(menu_item))
    sheet = wait_for("worksheet window", lambda: window(app, SHEET))
    sizes = [size_of(sheet, s) for s in SETS]
    check(2 <= sizes[0] <= 10 and sizes[1:] == [0, 0, 0], f"set 1 made up at opening, no other: {sizes}")
    check(set_panel(sheet, "Riquadro accanto al primo insieme") is not None, "the box beside set 1")

    # Set 1 last: it brings the first part back, which the part key's new name tells.
    for k in (2, 3, 4, 1):
        press(sheet, f"VISUALIZZA {k}° INSIEME")
        if k == 1:
            wait_for("the first part", lambda: key(sheet, "Visualizza la seconda parte"))
        else:
            wait_for(f"set {k} made up", lambda: size_of(sheet, SETS[k - 1]) >= 2)
    sizes = [size_of(sheet, s) for s in SETS]
    check(all(2 <= s <= 10 for s in sizes), f"four sets of 2 to 10 figures: {sizes}")
    say(f"worksheet: four sets made up, of {sizes} figures; STAMPA")

    press(sheet, "STAMPA")
    new = wait_for("a job in the queue's output folder", lambda: [j for j in jobs() if j not in before], 30)
    check(len(new) == 1, f"one job printed, not {len(new)}")
    done = sandbox("wait-job", QUEUE, "30")
    text = subprocess.run(["pdftotext", done, "-"], capture_output=True, text=True, timeout=30).stdout
    check("Nel riquadro accanto disegna" in text, "the printed page holds the worksheet's instruction")
    say(f"printed: {os.path.basename(done)} in the output folder of {QUEUE}")

    press(sheet, "ESCI")
    wait_for("the worksheet window closed", lambda: window(app, SHEET) is None)


# ---------------------------------------------------------------- the run


def find_program(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid and window(app, "GLI INSIEMI"):
            return app
    return None


def dump(acc, depth=0, lines=None):
    lines = [] if lines is None else lines
    if len(lines) < 200:
        try:
            lines.append(f"{'  ' * depth}{acc.getRoleName()} \"{acc.name}\" ({acc.description})")
            for child in children(acc):
                dump(child, depth + 1, lines)
        except Exception as e:
            lines.append(f"{'  ' * depth}? {e}")
    return lines


def main():
    program = sys.argv[1]
    # Listening before the program starts: Qt sends only what some client listens for.
    pyatspi.Registry.registerEventListener(on_event, "object:state-changed:showing",
                                           "object:property-change:accessible-name")
    env = print_service_environment()
    env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    # The program in Italian, whatever language the machine speaks: the keys are found by name.
    proc = subprocess.Popen([program, "--lingua", "it"], env=env)
    app = None
    try:
        app = wait_for("Tarvello on the accessibility bus", lambda: find_program(proc.pid), 30)
        start_window = window(app, "GLI INSIEMI")
        for name in ("INSIEME VUOTO (  )", "AGGIUNGI ELEMENTI (+)", "TOGLI ELEMENTI (-)", "ESCI"):
            check(key(start_window, name) is not None, f'start window key "{name}"')
        say("start window found, its four keys by name")
        play_exercises(app, start_window)
        print_worksheet(app, start_window)
        press(start_window, "ESCI")
        code = proc.wait(LIMIT)
        check(code == 0, f"the program ended with {code}")
        say("ESCI on the start window ended the program")
        return 0
    except Exception as e:
        print(f"FAILED: {e}", file=sys.stderr)
        if app is not None:
            print("\n".join(dump(app)), file=sys.stderr)
        return 1
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait(5)


if __name__ == "__main__":
    sys.exit(main())
