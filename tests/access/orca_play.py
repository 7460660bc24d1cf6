#!/usr/bin/env python3
# orca_play.py PROGRAM LOGDIR
# Run inside a private D-Bus session (orca.sh starts it): the accessibility
# bus, a private PulseAudio with a null sink, Orca with a line-buffered debug
# log, then the program. Plays one exercise from the keyboard with xdotool, as
# a blind child would, and checks what Orca says after each key.
import os
import re
import signal
import subprocess
import sys
import time

program, logdir = sys.argv[1], sys.argv[2]
run = os.environ["XDG_RUNTIME_DIR"]
orca_log = os.path.join(logdir, "orca.log")
procs = []
t_start = time.time()


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def start(args, name, **kwargs):
    out = open(os.path.join(logdir, name + ".out"), "w")
    p = subprocess.Popen(args, stdout=out, stderr=subprocess.STDOUT, **kwargs)
    procs.append(p)
    return p


def wait_for(test, limit, what):
    end = time.time() + limit
    while time.time() < end:
        value = test()
        if value:
            return value
        time.sleep(0.02)
    fail(what)


def stop_all():
    for p in reversed(procs):
        if p.poll() is None:
            p.terminate()
    for p in reversed(procs):
        try:
            p.wait(timeout=5)
        except subprocess.TimeoutExpired:
            p.kill()
            p.wait()
    # speech-dispatcher was spawned by Orca and went into the background.
    pidfile = os.path.join(run, "speech-dispatcher", "pid", "speech-dispatcher.pid")
    try:
        os.kill(int(open(pidfile).read().split()[0]), signal.SIGTERM)
    except (OSError, ValueError, IndexError):
        pass


# ---- The session ------------------------------------------------------------

def start_session():
    # Speech needs a sink, or speech-dispatcher stalls after its first phrase.
    start(["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n",
           "-L", "module-native-protocol-unix", "-L", "module-null-sink sink_name=nullsink",
           "-L", "module-always-sink"], "pulseaudio")
    wait_for(lambda: os.path.exists(os.path.join(run, "pulse", "native")), 20, "PulseAudio did not start")
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], "bus-launcher")
    a11y = wait_for(accessibility_bus, 20, "the accessibility bus did not come up (org.a11y.Bus)")
    start(["/usr/libexec/at-spi2-registryd"], "registryd")
    wait_for(lambda: has_owner(a11y, "org.a11y.atspi.Registry"), 20,
             "the registry did not come on the accessibility bus (org.a11y.atspi.Registry)")
    # Orca 43 never flushes its debug file: opened here, line by line.
    wrapper = ("import builtins, runpy, sys\n"
               "log = sys.argv[1]\n"
               "real = builtins.open\n"
               "def opener(f, mode='r', *a, **k):\n"
               "    if f == log and 'w' in mode:\n"
               "        return real(f, mode, buffering=1, encoding='utf-8', errors='replace')\n"
               "    return real(f, mode, *a, **k)\n"
               "builtins.open = opener\n"
               "sys.argv = ['orca', '--debug-file', log]\n"
               "runpy.run_path('/usr/bin/orca', run_name='__main__')\n")
    orca = start([sys.executable, "-c", wrapper, orca_log], "orca")
    end = time.time() + 30
    while not (os.path.exists(orca_log) and "SPEECH OUTPUT" in read_log()):
        if time.time() > end or orca.poll() is not None:
            with open(os.path.join(logdir, "orca.out"), errors="replace") as f:
                said = f.read()[-600:]
            fail("Orca said nothing at start (%s; it printed %r)"
                 % ("still running after 30 s" if orca.poll() is None else "it ended with %s" % orca.poll(),
                    said))
        time.sleep(0.02)


def dbus_call(bus, dest, path, method, *args):
    r = subprocess.run(["dbus-send", bus, "--print-reply=literal", "--reply-timeout=2000",
                        "--dest=" + dest, path, method, *args], capture_output=True, text=True)
    return r.stdout.strip() if r.returncode == 0 else None


def has_owner(bus, name):
    reply = dbus_call(bus, "org.freedesktop.DBus", "/", "org.freedesktop.DBus.NameHasOwner",
                      "string:" + name)
    return reply is not None and reply.split()[-1] == "true"


def accessibility_bus():
    """The accessibility bus's --bus= option, once its launcher answers."""
    if not has_owner("--session", "org.a11y.Bus"):
        return None
    address = dbus_call("--session", "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")
    return "--bus=" + address if address else None


def read_log():
    with open(orca_log, encoding="utf-8", errors="replace") as f:
        return f.read()


# ---- What Orca says ----------------------------------------------------------

class Speech:
    """The SPEECH OUTPUT lines of Orca's log, read from a mark on."""

    line = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{")

    def __init__(self):
        self.seen = 0
        self.heard = []  # every spoken line, in order

    def new_lines(self):
        lines = [m.group(1) for m in self.line.finditer(read_log())]
        fresh = lines[self.seen:]
        self.seen = len(lines)
        self.heard.extend(fresh)
        return fresh

    def quiet(self, settle=0.6, limit=8):
        """Waits until Orca has said nothing for `settle` seconds; returns what it said."""
        said, last, end = [], time.time(), time.time() + limit
        while time.time() < end:
            fresh = self.new_lines()
            if fresh:
                said += fresh
                last = time.time()
            elif time.time() - last > settle:
                break
            time.sleep(0.02)
        return said


speech = Speech()
timings = []  # (what, seconds from the key to the expected words)
transcript = []  # (key, [spoken lines])


def xdo(*args):
    subprocess.run(["xdotool", *args], check=True)


def press(name):
    # Qt hands each key to the accessibility bus and waits for its answer
    # before using it: a modifier and its key sent at once can come apart
    # there (Alt released before G is seen). So one at a time, with a pause.
    *mods, last = name.split("+")
    for m in mods:
        xdo("keydown", m)
        time.sleep(0.08)
    xdo("key", last)
    for m in reversed(mods):
        time.sleep(0.08)
        xdo("keyup", m)


def key(name, expect=None, what=None, settle=0.6):
    """Presses `name`; with `expect`, the words Orca must say (a regex, matched
    against one spoken line) before it is quiet again."""
    speech.new_lines()
    sent = time.time()
    press(name)
    said, found_at = [], None
    end = sent + 10
    last = sent
    while time.time() < end:
        fresh = speech.new_lines()
        if fresh:
            said += fresh
            last = time.time()
            if expect and found_at is None and any(re.search(expect, s) for s in fresh):
                found_at = time.time()
        elif time.time() - last > settle and (found_at or not expect):
            break
        time.sleep(0.02)
    transcript.append((name, said))
    if expect:
        if found_at is None:
            fail("after %s Orca did not say /%s/; it said %r" % (name, expect, said))
        timings.append((what or name, found_at - sent))
    return said


# ---- The program through AT-SPI ----------------------------------------------

def app_root():
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        if a is not None and a.name == "montivant":
            return a
    return None


def find(root, test, depth=0):
    if root is None or depth > 12:
        return None
    try:
        if test(root):
            return root
        for i in range(root.childCount):
            hit = find(root.getChildAtIndex(i), test, depth + 1)
            if hit is not None:
                return hit
    except Exception:
        return None
    return None


def named(name):
    return lambda o: o.name == name


def focused(root):
    import pyatspi
    return find(root, lambda o: o.getState().contains(pyatspi.STATE_FOCUSED)
                and o.getRole() != pyatspi.ROLE_FRAME)


def focused_leaf(root):
    """The focused object, or its focused item (a cell of a row)."""
    import pyatspi
    f = focused(root)
    while f is not None:
        inner = find(f, lambda o: o != f and o.getState().contains(pyatspi.STATE_FOCUSED), 11)
        if inner is None:
            return f
        f = inner
    return None


def x_windows(pid):
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                       capture_output=True, text=True)
    return r.stdout.split()


def focus_window(wid):
    xdo("windowfocus", "--sync", wid)


def values(root, row_name, prefix):
    """The texts of a board row's cells, left to right."""
    row = find(root, named(row_name))
    if row is None:
        fail("no row named %r" % row_name)
    out = []
    for i in range(row.childCount):
        name = row.getChildAtIndex(i).name
        m = re.search(prefix + r" \d+ : (.*?)(, déjà posé|, solution)?$", name)
        out.append(m.group(1) if m else name)
    return out


def number(text):
    """A tile's number as the check reads it: blanks ignored, a comma ends it."""
    m = re.match(r"[-+]?\d*(\.\d*)?", re.sub(r"\s", "", text))
    try:
        return float(m.group(0))
    except ValueError:
        return 0.0


def tab_to(root, test, what, back=False, limit=14):
    for _ in range(limit):
        f = focused(root)
        if f is not None and test(f):
            return f
        mark = len(speech.heard)
        key("shift+Tab" if back else "Tab", settle=0.4)
        # The next Tab only once the focus has left `f` (on the bus) and Orca
        # has said where it went: a focus that Orca has not read yet when it
        # moves on is passed over.
        g = wait_for(lambda: focused(root) != f and focused_leaf(root), 10,
                     "the focus stayed on %r after Tab, on the way to %s" % (f.name if f else None, what))
        # Its words, not only the first of them (a group's title): a focus
        # passed on before Orca has read it is not read at all.
        wait_for(lambda: speech.new_lines() is not None
                 and any(not KEY_ECHO.search(s) and (not g.name or g.name in s)
                         for s in speech.heard[mark:]), 10,
                 "Orca did not say %r after Tab, on the way to %s" % (g.name, what))
    fail("Tab never reached " + what)


# Orca's echo of the Tab key itself.
KEY_ECHO = re.compile(r"^\s*(majuscule )?tabulation\s*$")


def launch():
    """The session, then the program with its window focused, once Orca is
    quiet; returns the program's process, its window and its AT-SPI root."""
    start_session()
    speech.quiet(settle=1.0, limit=10)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_QPA_PLATFORM="xcb", QT_LOGGING_RULES="qt.multimedia*=false")
    app = start([program], "program", env=env)
    wid = wait_for(lambda: x_windows(app.pid), 30, "the program showed no window")[0]
    root = wait_for(app_root, 20, "the program is not on the accessibility bus")
    focus_window(wid)
    speech.quiet(settle=1.0)
    return app, wid, root


def report(extra=()):
    """Stops the session and prints what each key made Orca say, the times
    from key to speech, then `extra` lines."""
    stop_all()
    for k, said in transcript:
        print("%-10s %s" % (k, " | ".join(said)))
    for what in sorted(set(w for w, _ in timings)):
        t = sorted(s for w, s in timings if w == what)
        print("key to speech, %s: %d keys, median %.2f s, max %.2f s"
              % (what, len(t), t[len(t) // 2], t[-1]))
    for line in extra:
        print(line)
    print("run: %.1f s" % (time.time() - t_start))


def main():
    app, wid, root = launch()
    play(root, wid, app)


def is_row(name):
    return lambda f: f.name == name or (f.parent is not None and f.parent.name == name)


def button(name):
    import pyatspi
    return lambda f: f.getRole() == pyatspi.ROLE_PUSH_BUTTON and f.name == name


def modal_box(app, main):
    """Focuses the message box that the program has just opened."""
    box = wait_for(lambda: [w for w in x_windows(app.pid) if w != main], 10, "no message box opened")[0]
    focus_window(box)
    return box


def box_closed(app, box):
    """Waits until the message box `box` has gone from the screen."""
    wait_for(lambda: box not in x_windows(app.pid), 10, "the message box %s did not close" % box)


# A cell of the board, by its words.
CELL = re.compile(r"(Nombre|Case) \d+ :")


def move_to(root, name, cell):
    """Presses `name` (Home or an arrow) unless the focused cell's words hold
    `cell` already, then waits until Orca has said that cell:
    the next key comes only once the words of this one are out."""
    import pyatspi
    f = find(root, lambda o: o.getState().contains(pyatspi.STATE_FOCUSED) and CELL.search(o.name))
    if f is not None and cell in f.name:
        return
    key(name, re.escape(cell), "arrow", settle=0.2)


def drop(root, tile, slot, texts, right_of_first=0):
    """Picks tile `tile` on the tiles' row (which has the focus) and drops it
    into slot `slot`; the slots' row starts at its first empty slot, which is
    `slot` less `right_of_first`."""
    move_to(root, "Home", "Nombre 1 :")
    for i in range(tile):
        move_to(root, "Right", "Nombre %d :" % (i + 2))
    text = texts[tile]
    said = key("space", r"%s pris" % re.escape(text), "pick")
    check_plain_move(said, "a pick")
    for i in range(right_of_first):
        move_to(root, "Right", "Case %d :" % (slot - right_of_first + i + 2))
    said = key("space", r"%s posé dans la case %d" % (re.escape(text), slot + 1), "drop")
    check_plain_move(said, "a drop")
    # Back on the tiles, the tile that was just used says so: on a busy
    # machine Orca may say it after a longer pause than the drop's words.
    used = r"Nombre %d : %s, déjà posé" % (tile + 1, re.escape(text))
    said = said + heard_within(used, 10)
    n = sum(1 for s in said if re.search(used, s))
    if n != 1:
        fail("after the drop Orca read the tile as used %d times: %r" % (n, said))


def heard_within(pattern, limit):
    """What Orca says from now until a line matches `pattern` (or `limit`
    seconds pass), unless the last key's words already held it."""
    said, end = [], time.time() + limit
    if any(re.search(pattern, s) for s in transcript[-1][1]):
        return said
    while time.time() < end:
        fresh = speech.new_lines()
        said += fresh
        if any(re.search(pattern, s) for s in fresh):
            break
        time.sleep(0.02)
    return said


def check_once(said, words, where):
    n = sum(s.count(words) for s in said)
    if n != 1:
        fail("%r was read %d times %s: %r" % (words, n, where, said))


# Words that a move from one row of the board to the other must not repeat:
# the list and the rows around the cells, said once as the focus comes in.
CONTEXT = re.compile(r"[Ll]iste|Nombres et cases|Nombres proposés|Cases de la réponse|non sélectionné")


def check_plain_move(said, where):
    extra = [s for s in said if CONTEXT.search(s)]
    if extra:
        fail("%s repeated the board's context: %r" % (where, said))


def play(root, wid, app):
    import pyatspi
    check_once(speech.heard, "Niveau :", "at start")
    key("alt+g", r"Huit nouveaux nombres", "draw")
    mark = len(speech.heard)
    tab_to(root, is_row("Nombres proposés"), "the tiles")
    # The focus is on the row before Orca has said the list: wait for its words.
    wait_for(lambda: speech.new_lines() is not None and any("Nombres et cases" in s for s in speech.heard[mark:]),
             10, "Orca did not say the list 'Nombres et cases' as the focus came into it")
    speech.quiet(settle=0.4)
    crossed = speech.heard[mark:]
    check_once(crossed, "Choisis !", "on the way to the tiles")
    check_once(crossed, "Sorte de nombres", "on the way to the tiles")
    check_once(crossed, "Nombres et cases", "on the way to the tiles")
    texts = values(root, "Nombres proposés", "Nombre")
    # Descending, the order at start.
    right = sorted(range(8), key=lambda i: -number(texts[i]))
    wrong = right[:]
    wrong[0], wrong[1] = wrong[1], wrong[0]
    for slot, tile in enumerate(wrong):
        drop(root, tile, slot, texts)

    # A wrong answer: its box, then the score once the box is closed.
    key("Return", settle=0.4)
    box = modal_box(app, wid)
    key("Return", r"Réussites : 0\. Échecs : 1\. Note : 0[,.]0 sur 10", "score after a failure")
    box_closed(app, box)
    focus_window(wid)
    speech.quiet(settle=0.5)
    f = focused(root)
    if f is None or not is_row("Nombres proposés")(f):
        tab_to(root, is_row("Nombres proposés"), "the tiles again")

    # Put right: slots 1 and 2 again (all slots are full: the slots' row
    # starts at the first).
    drop(root, right[0], 0, texts)
    drop(root, right[1], 1, texts, right_of_first=1)
    said = key("Return", r"Réussites : 1\. Échecs : 1\. Note : 5[,.]0 sur 10", "score after a success")
    if not any("Réussi ! Bravo !" in s for s in said):
        fail("the success was not told: %r" % said)

    # New numbers, a check of the empty slots, and the solution.
    key("alt+g", r"Huit nouveaux nombres", "draw")
    key("Return", settle=0.4)
    box = modal_box(app, wid)
    key("Return", settle=0.5)
    box_closed(app, box)
    focus_window(wid)
    speech.quiet(settle=0.5)
    tab_to(root, button("Solution !"), "the solution button")
    said = key("space", r"Réussites : 1\. Échecs : 2\. Note : 3[,.]0 sur 10", "score after the solution")
    if not any("dans la rangée des nombres" in s and "compte comme un échec" in s for s in said):
        fail("the solution's notice did not say where it is and what it costs: %r" % said)
    mark = len(speech.heard)
    tab_to(root, is_row("Nombres proposés"), "the solution's row")
    # The focus is on the row before Orca has said it: wait for its words.
    wait_for(lambda: speech.new_lines() is not None and any(", solution" in s for s in speech.heard[mark:]),
             10, "the solution's row did not say ', solution'")
    if not any(", solution" in s for s in speech.heard[mark:]):
        fail("the solution's row did not say so: %r" % speech.heard[mark:])


if __name__ == "__main__":
    try:
        main()
    finally:
        report()
