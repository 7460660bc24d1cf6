#!/usr/bin/env python3
# orca_reward.py PROGRAM LOGDIR
# The tenth success and the reward game, with Orca (orca.sh starts it as for
# orca_play.py, whose session and speech helpers this uses). Nine rounds are
# played quickly through the accessibility bus, as a screen reader's own
# commands would play them; the tenth's drawing, last drop and check from the
# keyboard, as a blind child plays them. Then the game window: a speed, a new
# game, pieces dropped until the game is lost, the best score's name box, and
# the exercise back.
import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import orca_play as op  # noqa: E402
from orca_play import fail, wait_for, speech, key, find, named, button, values, number  # noqa: E402

TILES, SLOTS = "Nombres proposés", "Cases de la réponse"
phases = []  # (what, seconds)


def phase(what, since):
    phases.append((what, time.time() - since))
    return time.time()


def best_score_of_nothing():
    """Any score of a game beats the best one: the name box comes."""
    ini = os.path.join(os.environ["XDG_CONFIG_HOME"], "montivant", "montivant.ini")
    with open(ini, "a") as f:
        f.write("[Meilleur%20Score]\nNom=Anonyme\nScore=0\n")
    return ini


def act(obj):
    if not obj.queryAction().doAction(0):
        fail("the action of %r was refused" % obj.name)


def enabled(obj):
    import pyatspi
    return obj.getState().contains(pyatspi.STATE_ENABLED)


def successes(root):
    label = find(root, lambda o: o.name.startswith("Réussites : "))
    return label.name if label is not None else ""


# How long Orca may take to say the words of an action through the bus: Orca
# 48 on a machine at load 10 once said nothing for more than 10 s after a drop.
WORDS_BOUND = 30


def said_since(mark, pattern, limit, what):
    """Waits until Orca has said a line matching `pattern` since the mark."""
    return wait_for(lambda: speech.new_lines() is not None
                    and any(re.search(pattern, s) for s in speech.heard[mark:]), limit, what)


def place_by_actions(root, texts, slots_wanted, n):
    """Puts tiles into slots through the accessibility bus, in the right order
    for the slots named; waits for Orca's words after each pick and drop."""
    tiles, slots = find(root, named(TILES)), find(root, named(SLOTS))
    order = sorted(range(8), key=lambda i: -number(texts[i]))
    for slot in slots_wanted:
        tile = order[slot]
        mark = len(speech.heard)
        # The pick heard before the drop: two actions at once would bring the
        # focus back before it ever left, and nothing would be said.
        act(tiles.getChildAtIndex(tile))
        said_since(mark, r"%s pris" % re.escape(texts[tile]), WORDS_BOUND,
                   "round %d: the pick of %s was not told" % (n, texts[tile]))
        act(slots.getChildAtIndex(slot))
        said_since(mark, r"%s posé dans la case %d" % (re.escape(texts[tile]), slot + 1), WORDS_BOUND,
                   "round %d: %s was not told in slot %d" % (n, texts[tile], slot + 1))
    return order


def drawn(root, n):
    return wait_for(lambda: (lambda t: t if "?" not in t and "" not in t else None)(values(root, TILES, "Nombre")),
                    10, "round %d: the tiles were not drawn" % n)


def round_by_actions(root, n):
    """Draws, puts the eight numbers in the right order and checks, all
    through the accessibility bus; returns once the n-th success counts.
    Each step waits for Orca's words: faster, its queue of events floods and
    it falls silent for seconds."""
    mark = len(speech.heard)
    act(wait_for(lambda: find(root, lambda o: button("Générer les nombres")(o) and enabled(o)),
                 10, "no drawing button to press"))
    said_since(mark, r"Huit nouveaux nombres", WORDS_BOUND, "round %d: the drawing was not told" % n)
    place_by_actions(root, drawn(root, n), range(8), n)
    mark = len(speech.heard)
    act(wait_for(lambda: find(root, lambda o: button("Vérifier")(o) and enabled(o)), 5,
                 "round %d: the check button stays disabled" % n))
    said_since(mark, r"Réussites : %d\." % n, WORDS_BOUND, "round %d: no success told" % n)
    if successes(root) != "Réussites : %d" % n:
        fail("round %d did not count as a success: %r" % (n, successes(root)))


def game_window(app, gone):
    wins = wait_for(lambda: [w for w in op.x_windows(app.pid) if w not in gone] or None, 10,
                    "no new window came")
    op.focus_window(wins[0])
    return wins[0]


# Orca's words as the menu Vitesse opens: its name and role, or its first
# item, which takes the focus ("1 Très lent." with Orca 43).
MENU_OPEN = r"Vitesse menu|1 Très lent"
# Orca's echo of the space bar.
SPACE_ECHO = re.compile(r"^\s*espace\s*$")


def speed_menu(root):
    """The menu bar's entry Vitesse on the accessibility bus."""
    import pyatspi
    return find(root, lambda o: o.name == "Vitesse"
                and o.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM))


def name_box_text(selected=False):
    """The text of the focused text field (the name box's), or None; with
    `selected`, only once the whole of it is selected."""
    try:
        field = op.focused(op.app_root())
        text = field.queryText()
        whole = text.getText(0, -1)
        if selected and (text.getNSelections() != 1
                         or tuple(text.getSelection(0)) != (0, text.characterCount)):
            return None
        return whole if whole or not selected else None
    except Exception:
        return None


def count(said, pattern):
    return sum(1 for s in said if re.search(pattern, s))


def main():
    t = t0 = time.time()
    ini = best_score_of_nothing()
    app, wid, root = op.launch()
    t = phase("start", t)

    for n in range(1, 10):
        round_by_actions(root, n)
    t = phase("nine rounds through the bus", t)
    speech.quiet(settle=0.6)

    # The tenth, from the keyboard.
    key("alt+g", r"Huit nouveaux nombres", "draw")
    op.tab_to(root, op.is_row(TILES), "the tiles")
    # Seven numbers as before (the first exercise test drops them all by
    # key), the last one and the check by key.
    texts = drawn(root, 10)
    order = place_by_actions(root, texts, range(7), 10)
    op.focus_window(wid)
    op.tab_to(root, op.is_row(TILES), "the tiles again")
    op.drop(root, order[7], 7, texts)
    mark = len(speech.heard)
    key("Return", r"Colonnes\. Pour commencer", "tenth check to the game's words")
    game = game_window(app, [wid])
    speech.quiet(settle=1.0)
    said = speech.heard[mark:]
    words = ["Réussi ! Bravo !", "Réussites : 10.", "Dix réussites ! Voici le jeu des colonnes.",
             "Colonnes. Pour commencer : Jeu, Nouveau : F2"]
    for w in words:
        op.check_once(said, w, "at the tenth success")
    at = [next(i for i, s in enumerate(said) if w in s) for w in words]
    if at != sorted(at):
        fail("the tenth success was told out of order: %r" % said)
    if wid in op.x_windows(app.pid):
        fail("the main window is still up beside the game")
    t = phase("tenth round by keyboard", t)

    # The game: the fastest speed from its menu, a new game, every piece
    # dropped at once until the well is full.
    # The digit once Orca has said the opened menu, not after a fixed pause.
    key("alt+v", MENU_OPEN, "speed menu opened")
    said = key("5", r"Vitesse : 5", "speed chosen")
    op.check_once(said + speech.quiet(settle=0.3), "Vitesse : 5", "when the speed is chosen")
    mark = len(speech.heard)
    key("F2", settle=0.3)
    wait_for(lambda: (lambda m: m is not None and not enabled(m))(speed_menu(op.app_root())), 10,
             "after F2 the game did not start: the menu Vitesse stayed enabled on the accessibility bus")

    def over():
        speech.new_lines()
        return next((m for m in (re.search(r"Partie terminée, score (\d+)", s)
                                 for s in speech.heard[mark:]) if m), None)

    began = time.time()
    end, dropped = began + 90, 0
    # Until the end is told, or the name box is up: a space would replace its name.
    # Each space once Orca has had the one before (its echo): keys queued in
    # Orca as the box opens come out after the box's title, and Orca 48 then
    # passes over its prompt.
    ended = lambda: over() or op.x_windows(app.pid) != [game]
    echoes = lambda: sum(1 for s in speech.heard[mark:] if SPACE_ECHO.match(s))
    while time.time() < end and not ended():
        before = echoes()
        op.xdo("key", "space")
        dropped += 1
        wait_for(lambda: ended() or echoes() > before, 10,
                 "Orca did not echo space %d, and the game did not end" % dropped)
    score = int(wait_for(over, 5, "Orca did not tell the game's end after %d spaces in %.0f s"
                         % (dropped, time.time() - began)).group(1))
    box = None
    if score > 0:
        box = wait_for(lambda: [w for w in op.x_windows(app.pid) if w != game] or None, 10,
                       "a best score of %d opened no name box" % score)[0]
        op.focus_window(box)
    said_game = speech.heard[mark:] + speech.quiet(settle=1.0)
    op.transcript.append(("F2, space x%d" % dropped, said_game))
    op.check_once(said_game, "Partie terminée, score %d" % score, "at the end of the game")
    # Each step that scores says the new score, a best one since the best was 0.
    if score > 0:
        if count(said_game, r"Score : %d, meilleur score\.?$" % score) != 1:
            fail("the last score, %d, was not told once as the best: %r" % (score, said_game))
        if count(said_game, r"Score : [1-9]\d*\.?$"):
            fail("a score above the best was not told as the best: %r" % said_game)
    t = phase("the game (%d spaces, score %d)" % (dropped, score), t)

    if box is not None:
        prompt = "Bravo! vous avez le meilleur score, votre nom"
        if not any(prompt in s for s in said_game) and not any(prompt in s for s in
                                                               op.heard_within(re.escape(prompt), 10)):
            fail("Orca did not read the name box: %r" % (said_game + speech.heard[-20:]))
        key("ctrl+a", settle=0.3)
        wait_for(lambda: name_box_text(selected=True), 10,
                 "Ctrl+A did not select the whole name in the box (its text on the accessibility bus)")
        op.xdo("type", "--delay", "60", "Lea")
        wait_for(lambda: name_box_text() == "Lea", 10,
                 "the box's text did not become 'Lea' on the accessibility bus")
        key("Return", settle=0.8)
        wait_for(lambda: "Nom=Lea" in open(ini).read(), 10, "the best player's name was not kept")
        t = phase("the name box", t)
    # And the exercise comes back, afresh.
    game_window(app, [game] + ([box] if box else []))
    wait_for(lambda: successes(op.app_root()) == "Réussites : 0", 10,
             "the exercise did not come back with its score at zero")
    phases.append(("whole scenario", time.time() - t0))


if __name__ == "__main__":
    try:
        main()
    finally:
        op.report("%s: %.1f s" % p for p in phases)
