"""Reads the trainer through the desktop's accessibility bus, as a screen
reader does, after a seeded run driven by its buttons and keys.

Usage: check_labels.py PATH-TO-SORVIK1   (inside a session bus and an X server)
Exits 0 when every value reads what the window shows, 1 otherwise.
"""
import os
import subprocess
import sys
import time

import pyatspi

FIGURE_INSTRUCTION = "\n".join([
    " Definieren Sie zunächst auf der linken Seite",
    "  eine beliebige  Figur.  Wo Sie die Figur  im",
    "  Feld plazieren ist egal.  Lücken dürfen sein.",
    "  Wenn Sie fertig sind, die OK-Taste drücken"])
RUN_INSTRUCTION = "\n".join([
    " Anzahl der gewünschten Würfe eingeben,",
    "  Modus wählen und Start drücken.",
    "  Oder Import drücken und entspr. Datei der",
    "  Spielbank Hamburg angeben."])
DRAWING = " Der Computer erzeugt die Zahlen..."

failures = []


def wait_for(what, probe, timeout=10.0):
    """Polls until probe() returns something true; None after the timeout."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            found = probe()
        except Exception:  # the tree changes under us while the window works
            found = None
        if found:
            return found
        time.sleep(0.1)
    failures.append(f"{what} nicht gefunden")
    return None


def expect(what, actual, wanted):
    if actual != wanted:
        failures.append(f"{what}: gelesen {actual!r}, angezeigt {wanted!r}")


def walk(root):
    """Every object below root, except the cells and entries of tables, lists
    and text views, which would make a walk over a long run slow."""
    for child in root:
        if child is None:
            continue
        yield child
        if child.getRole() not in (pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_TEXT):
            yield from walk(child)


def find(root, predicate):
    return next((n for n in walk(root) if predicate(n)), None)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def named(root, role, name):
    return find(root, lambda n: n.getRole() == role and n.name == name and showing(n))


def press(node):
    node.queryAction().doAction(0)
    time.sleep(0.3)


def labelled_by(root, caption):
    """The value that the caption names through the label relations."""
    label = find(root, lambda n: n.name == caption and any(
        r.getRelationType() == pyatspi.RELATION_LABEL_FOR for r in n.getRelationSet()))
    if label is None:
        return None
    for relation in label.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR:
            value = relation.getTarget(0)
            back = [r.getTarget(0) for r in value.getRelationSet()
                    if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
            if back != [label]:
                failures.append(f"{caption}: die Relation zurück fehlt")
            return value
    return None


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=10)


def click(node):
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(extents.x + extents.width // 2),
            str(extents.y + extents.height // 2), "click", "1")
    time.sleep(0.3)


def check():
    app = wait_for("Programm sorvik1 auf dem Bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "sorvik1"), None), 20)
    if app is None:
        return
    window = wait_for("Fenster", lambda: app[0])
    expect("Rolle des Fensters", window.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW),
           True)
    # Keys go where X puts its focus; without a window manager that is ours to set.
    xdotool("search", "--sync", "--onlyvisible", "--name", "Sorvik1", "windowfocus", "--sync")
    text = wait_for("Anleitung", lambda: find(app, lambda n: n.description == "Anleitung"))
    lakut = wait_for("Wurf akut", lambda: labelled_by(app, "Wurf akut"))
    lzahl = wait_for("Zahl", lambda: labelled_by(app, "Zahl"))
    lmenge = wait_for("Anz.Figuren", lambda: labelled_by(app, "Anz.Figuren"))
    if None in (text, lakut, lzahl, lmenge):
        return
    expect("text nach dem Start", text.name, FIGURE_INSTRUCTION)

    # A red mark on the first position, set and activated.
    grid = named(app, pyatspi.ROLE_TABLE, "Figur")
    click(grid.queryTable().getAccessibleAt(0, 1))
    press(named(app, pyatspi.ROLE_PUSH_BUTTON, "Setzen"))
    press(named(app, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    expect("text nach OK", wait_for("Laufanleitung", lambda: text.name == RUN_INSTRUCTION and
                                    text.name), RUN_INSTRUCTION)

    count = named(app, pyatspi.ROLE_TEXT, "Anzahl Würfe")
    count.queryComponent().grabFocus()
    time.sleep(0.3)
    xdotool("type", "--delay", "50", "20")
    start = wait_for("Start frei", lambda: find(app, lambda n: n.getRole() ==
                                                pyatspi.ROLE_PUSH_BUTTON and n.name == "Start"
                                                and n.getState().contains(pyatspi.STATE_ENABLED)))
    if start is None:
        return
    for _ in range(5):
        press(start)
    time.sleep(0.5)
    spins = named(app, pyatspi.ROLE_TABLE, "Würfe").queryTable()
    listed = named(app, pyatspi.ROLE_LIST, "bei Wurf").childCount
    expect("lakut nach fünf Würfen", lakut.name, "5")
    expect("lzahl nach fünf Würfen", lzahl.name, spins.getAccessibleAt(4, 4).name)
    expect("lmenge nach fünf Würfen", lmenge.name, str(listed) if listed else "")
    expect("text im Lauf", text.name, DRAWING)

    check_statistics(app, count, lmenge)

    press(named(app, pyatspi.ROLE_PUSH_BUTTON, "Abbruch"))
    yes = wait_for("Ja im Abbruch-Dialog", lambda: find(
        app, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name in ("Ja", "&Ja")
        and showing(n)))
    if yes is None:
        return
    press(yes)
    time.sleep(0.5)
    for name, value in (("lakut", lakut), ("lzahl", lzahl), ("lmenge", lmenge)):
        expect(f"{name} nach Abbruch", value.name, "")
    expect("text nach Abbruch", text.name, RUN_INSTRUCTION)


def statistics_window(app):
    return find(app, lambda n: n.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME,
                                                 pyatspi.ROLE_WINDOW)
                and n.name.startswith("Statistik") and showing(n))


def check_statistics(app, count, lmenge):
    """Opens the statistics by F7 from the count box, where a line edit takes
    many keys for itself, then by the context menu of the occurrence list."""
    count.queryComponent().grabFocus()
    time.sleep(0.3)
    xdotool("key", "F7")
    if wait_for("Statistikfenster mit F7 aus dem Anzahlfeld", lambda: statistics_window(app)):
        xdotool("search", "--onlyvisible", "--name", "Sorvik1", "windowfocus", "--sync")

    # A list takes the focus by a click (on its empty part, so no entry is chosen).
    click(named(app, pyatspi.ROLE_LIST, "bei Wurf"))
    xdotool("key", "shift+F10")
    item = wait_for("Menüeintrag Statistik", lambda: find(
        app, lambda n: n.getRole() == pyatspi.ROLE_MENU_ITEM and n.name == "Statistik …"))
    if item is None:
        return
    press(item)
    window = wait_for("Statistikfenster über das Menü", lambda: statistics_window(app))
    if window is None:
        return
    found = find(window, lambda n: any(
        r.getRelationType() == pyatspi.RELATION_LABELLED_BY and
        r.getTarget(0).name == "Gefundene Figuren:" for r in n.getRelationSet()))
    expect("Gefundene Figuren im Statistikfenster", found.name if found else None,
           lmenge.name or "0")


def wait_for_display():
    # xvfb-run may hand over before its server takes connections; a program
    # started too early finds no display at all.
    for _ in range(80):
        if subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True,
                          timeout=10).returncode == 0:
            return
        time.sleep(0.25)


def main():
    wait_for_display()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               LANG="de_DE.UTF-8")
    trainer = subprocess.Popen([sys.argv[1], "--seed", "42"], env=env,
                               stdin=subprocess.DEVNULL)
    try:
        check()
    except Exception as error:  # report, never hang
        failures.append(f"Abbruch der Prüfung: {error!r}")
    finally:
        trainer.kill()
        trainer.wait(timeout=10)
    for failure in failures:
        print("FEHLER:", failure)
    if not failures:
        print("Barrierefreiheit auf dem Bus: alle Werte lesbar")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
