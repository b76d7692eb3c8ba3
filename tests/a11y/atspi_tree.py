#!/usr/bin/python3
"""Both windows as a screen reader receives them over the AT-SPI bus.

Usage: atspi_tree.py QUILLORA_BINARY
Starts an X server of its own (Xvfb), a private session bus and the
accessibility bus, runs the program, opens the about dialog through its menu
item's action and checks, for every field, list, check box and text of both
windows, its role, its name and the label it is tied to. When a tool it needs
is missing, or the X server or the buses do not start, the test cannot run
(tests/support/cannot_run.py).
"""

import importlib.util
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from cannot_run import cannot_run

DEADLINE = 30.0  # seconds any one wait may last before the test gives up

# Paths count children from the window: the main window holds the menu bar
# (0) and the client area (1); the dialog holds its controls directly.
# labelled_by None: no label is tied to it; "same": the label reads as the name.
EXPECTED = [
    # object, path, role, name, labelled_by
    ("Text1", "Form1/1/14", "text", "Titre:", "Titre:"),
    ("Text2", "Form1/1/15", "text", "Votre nom:", "Votre nom:"),
    ("Text5", "Form1/1/16", "text", "Votre E-mail :", "Votre E-mail :"),
    ("Text3", "Form1/1/17", "text", "Description :", "Description :"),
    ("Text4", "Form1/1/18", "text", "Mots clefs :", "Mots clefs :"),
    # A list is named by its text; the label comes from the relation.
    ("Combo3", "Form1/1/19", "combo box", "Francais", "Langue:"),
    ("Combo3 edit", "Form1/1/19/1", "text", "Langue:", None),
    ("Combo4", "Form1/1/20", "combo box", "Tout public", "Audiance:"),
    ("Combo4 edit", "Form1/1/20/1", "text", "Audiance:", None),
    ("Combo1", "Form1/1/21", "combo box", "Oui", "Indexer les autres pages de mon site:"),
    ("Combo1 edit", "Form1/1/21/1", "text", "Indexer les autres pages de mon site:", None),
    ("Combo2", "Form1/1/22", "combo box", "Semaine",
     "Les moteurs doivent revisiter mon site chaque:"),
    ("Combo2 edit", "Form1/1/22/1", "text", "Les moteurs doivent revisiter mon site chaque:", None),
    ("Check1", "Form1/1/23", "check box",
     "Je ne veux pas que les robots indexent la page où je place ce Meta tag "
     "(remarque: ne pas choisir cette option pour votre page d'acceuil).", "same"),
    ("Check2", "Form1/1/24", "check box", "Ne pas indexer les images de mon site.", "same"),
    ("Check3", "Form1/1/25", "check box",
     "Empêchez ma page de s'afficher dans des frames "
     "(remarque: seulement si votre site possède des frames).", "same"),
    ("Check4", "Form1/1/26", "check box",
     "Ne pas stocker ma page dans la mémoire cache du navigateur internet.", "same"),
    ("Text6", "Form1/1/27", "text", "Balises meta générées", None),
    ("cmdOK", "frmAbout/1", "push button", "OK", None),
    ("cmdSysInfo", "frmAbout/2", "push button", "Infos système...", None),
    ("lblDescription", "frmAbout/4", "label", "Voilà le générateur de Quillora", None),
    ("lblTitle", "frmAbout/5", "label", "Marlivet", None),
    ("lblVersion", "frmAbout/7", "label", "Version 1.0.0", None),
]

started = []  # process groups to end, the last started first


def start(argv, **kwargs):
    process = subprocess.Popen(argv, start_new_session=True, **kwargs)
    started.append(process)
    return process


def stop_all():
    for process in reversed(started):
        try:
            os.killpg(process.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        try:
            process.wait(timeout=DEADLINE)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
        # What the process left running in its group goes with it.
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass


def poll(what, probe, alive=lambda: True):
    """Returns probe()'s first true result, or None once the deadline passes
    or alive() turns false."""
    from gi.repository import GLib

    # The accessibility library learns of new applications and windows from
    # signals, which only reach it through the main loop.
    context = GLib.MainContext.default()
    end = time.monotonic() + DEADLINE
    while True:
        while context.pending():
            context.iteration(False)
        try:
            result = probe()
        except Exception:  # the other side may not answer yet
            result = None
        if result:
            return result
        if time.monotonic() > end or not alive():
            print(f"FAIL: gave up waiting for {what}", file=sys.stderr)
            return None
        time.sleep(0.1)


def start_display():
    """An Xvfb on a display number it picks itself: free when it is taken."""
    if not shutil.which("Xvfb"):
        cannot_run("Xvfb is not installed")
    read_end, write_end = os.pipe()
    # Without -noreset the server starts afresh each time its last client
    # leaves, and writes its number again: the pipe stays open for that too.
    start(["Xvfb", "-displayfd", str(write_end), "-noreset", "-screen", "0", "1024x768x24",
           "-nolisten", "tcp"], pass_fds=(write_end,))
    os.close(write_end)
    ready = select.select([read_end], [], [], DEADLINE)[0]
    number = os.read(read_end, 16).decode().strip() if ready else ""
    if not number:
        cannot_run("Xvfb did not start")
    os.environ["DISPLAY"] = ":" + number


def start_buses(runtime_dir):
    """Private session bus and accessibility bus; False when either fails."""
    os.environ["XDG_RUNTIME_DIR"] = runtime_dir
    os.environ.pop("AT_SPI_BUS_ADDRESS", None)
    daemon = shutil.which("dbus-daemon")
    launcher = shutil.which("at-spi-bus-launcher", path="/usr/libexec:/usr/lib/at-spi2-core")
    if not daemon or not launcher:
        cannot_run("dbus-daemon or at-spi-bus-launcher is not installed")
    if not importlib.util.find_spec("pyatspi"):
        cannot_run(f"pyatspi is not installed for {sys.executable} (python3-pyatspi)")
    session = start([daemon, "--session", "--nofork", "--print-address=1"],
                    stdout=subprocess.PIPE)
    if not select.select([session.stdout], [], [], DEADLINE)[0]:
        return False
    address = session.stdout.readline().decode().strip()
    if not address:
        return False
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
    start([launcher, "--launch-immediately"])

    from gi.repository import Gio, GLib

    bus = Gio.DBusConnection.new_for_address_sync(
        address,
        Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)

    def a11y_address():
        reply = bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                              None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NO_AUTO_START,
                              1000, None)
        return reply.unpack()[0]

    # Both sides find the bus through the session bus, as on a desktop.
    return bool(poll("the accessibility bus", a11y_address))


def role_of(role, pyatspi):
    """The AT-SPI role a name stands for: compared by meaning, as the bus
    sends it, not by the wording one AT-SPI version gives it ("push button"
    became "button")."""
    return getattr(pyatspi, "ROLE_" + role.upper().replace(" ", "_"))


def window(application, role):
    import pyatspi

    application.clearCache()
    for i in range(application.childCount):
        win = application.getChildAtIndex(i)
        if win is not None and win.getRole() == role_of(role, pyatspi):
            return win
    return None


def resolve(windows, path):
    first, *indices = path.split("/")
    node = windows[first]
    for index in map(int, indices):
        if node is None:
            return None
        node.clearCache()
        if index >= node.childCount:
            return None
        node = node.getChildAtIndex(index)
    return node


def labels_of(node, pyatspi):
    return [relation.getTarget(i).name
            for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())]


def check(windows, pyatspi):
    failures = 0
    for name, path, role, words, labelled_by in EXPECTED:
        node = resolve(windows, path)
        if node is None:
            print(f"FAIL {name}: nothing at {path}")
            failures += 1
            continue
        expected_labels = [] if labelled_by is None else [
            words if labelled_by == "same" else labelled_by]
        got = (node.getRole(), node.name, labels_of(node, pyatspi))
        want = (role_of(role, pyatspi), words, expected_labels)
        if got != want:
            print(f"FAIL {name} at {path}: got {got}, expected {want}")
            failures += 1
        else:
            print(f"ok   {name}: {role}, {words!r}, labelled by {expected_labels}")
    return failures


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    runtime_dir = tempfile.mkdtemp(prefix="quillora-a11y-")
    try:
        start_display()
        if not start_buses(runtime_dir):
            cannot_run("the accessibility bus did not start")
        import pyatspi

        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        program = start([sys.argv[1]], env=env)

        def application():
            desktop = pyatspi.Registry.getDesktop(0)
            desktop.clearCache()
            for app in desktop:
                if app is not None and app.get_process_id() == program.pid:
                    return app if window(app, "frame") is not None else None
            return None

        def running():
            return program.poll() is None

        app = poll("the program on the accessibility bus", application, running)
        if app is None:
            return 1
        if app.name != "Quillora":
            print(f"FAIL: screen readers call the application {app.name!r}, not 'Quillora'")
            return 1
        main_window = window(app, "frame")
        about = resolve({"Form1": main_window}, "Form1/0/1")
        if about is None or about.name != "About":
            print(f"FAIL: no About menu item, found {about and about.name!r}")
            return 1
        about.queryAction().doAction(0)
        dialog = poll("the about dialog", lambda: window(app, "dialog"), running)
        if dialog is None:
            return 1
        failures = check({"Form1": main_window, "frmAbout": dialog}, pyatspi)
        return 1 if failures else 0
    finally:
        stop_all()
        shutil.rmtree(runtime_dir, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
