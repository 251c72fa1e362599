#!/usr/bin/env python3
"""Plays the real game under a virtual display and takes pictures for the README.

Starts build/brindlemoor in a scratch directory with a level that has every
kind of block, types the words the game announces ("New word is: ...") with
xdotool, and saves screenshots when the boy is in a corner, on the stairs and
at other moments, in both shading modes. Then plays the corridor of the day
four times at the adaptive pace: the ghost of the first run ahead of the boy
in the second (ghost.jpg), and the progress on the last final board
(progress.jpg).

    python3 tools/screenshots.py [output-dir]      (default: docs/)
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LEVEL = ["DD", "<", "PW", ">", "WP", "-", "DP", "PD", ">", "PP", "+", "WP", "PP"]
# One word a straight block; the words come faster than the boy walks.
BOARDS = sum(1 for code in LEVEL if code not in ("<", ">", "-", "+"))


class Game:
    def __init__(self, display, workdir, shader, config="level=level.txt\n", options=()):
        self.display = display
        self.workdir = workdir
        # No sound, and the history kept out of the player's own.
        self.env = dict(os.environ, DISPLAY=display, XDG_DATA_HOME=workdir)
        for folder in ("Resources", "Shader"):
            os.symlink(os.path.join(ROOT, folder), os.path.join(workdir, folder))
        with open(os.path.join(workdir, "level.txt"), "w") as f:
            f.write("\n".join(LEVEL) + "\n")
        with open(os.path.join(workdir, "config.txt"), "w") as f:
            f.write("shader=%s\nsound=off\n%s" % (shader, config))
        self.log_path = os.path.join(workdir, "game.log")
        self.log = open(self.log_path, "w")
        self.process = subprocess.Popen([os.path.join(ROOT, "build", "brindlemoor")] + list(options), cwd=workdir,
                                        env=self.env, stdout=self.log, stderr=subprocess.STDOUT,
                                        stdin=subprocess.DEVNULL)
        self.typed_words = 0

    def output(self):
        with open(self.log_path, errors="replace") as f:
            return f.read()

    def words(self):
        return [line[len("New word is: "):] for line in self.output().splitlines()
                if line.startswith("New word is: ")]

    def type_pending_word(self, letters=None):
        """Types the word on the board, or only its first `letters`."""
        words = self.words()
        # The last word waits until the boy has walked up to its board, so
        # that he reaches the final board soon after it is typed.
        if len(words) == BOARDS and "blackboard...!!!" not in self.output():
            return
        if len(words) > self.typed_words:
            word = words[len(words) - 1]
            keys = [c.lower() for c in word if c.isalpha()]
            done = getattr(self, "partly_typed", 0)
            if letters is not None:
                keys = keys[:letters]
                self.partly_typed = letters
            else:
                keys = keys[done:]
                self.partly_typed = 0
                self.typed_words = len(words)
            subprocess.run(["xdotool", "key", "--delay", "120"] + keys, env=self.env, check=False)

    def shot(self, path):
        # Half size and JPEG keep the pictures small enough to commit.
        full = path + ".full.png"
        subprocess.run(["import", "-window", "root", full], env=self.env, check=True)
        subprocess.run(["convert", full, "-resize", "640x360", "-quality", "85", path], check=True)
        os.remove(full)
        print("wrote", path)

    def quit(self):
        subprocess.run(["xdotool", "key", "Escape"], env=self.env, check=False)
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
        self.log.close()


def play(display, out, shader, moments):
    workdir = tempfile.mkdtemp(prefix="brindlemoor-shots-")
    game = Game(display, workdir, shader)
    try:
        time.sleep(4)
        taken = set()
        for name, (trigger, _) in moments.items():
            if trigger is None:  # before the first letter is typed
                game.shot(os.path.join(out, name))
                taken.add(name)
        if "typing.jpg" in moments:  # the first word half typed
            game.type_pending_word(letters=3)
            time.sleep(1.0)
            game.shot(os.path.join(out, "typing.jpg"))
            taken.add("typing.jpg")
        deadline = time.time() + 240
        while time.time() < deadline and len(taken) < len(moments):
            game.type_pending_word()
            text = game.output()
            for name, (trigger, delay) in moments.items():
                if name not in taken and trigger is not None and trigger(text):
                    time.sleep(delay)
                    game.shot(os.path.join(out, name))
                    taken.add(name)
            time.sleep(0.2)
    finally:
        game.quit()
        shutil.rmtree(workdir, ignore_errors=True)


def races(display, out, shader="normal"):
    """The corridor of the day four times, each typed at another speed."""
    workdir = tempfile.mkdtemp(prefix="brindlemoor-shots-")
    game = Game(display, workdir, shader, "levellength=5\npace=adaptive\n", ["--daily"])

    def count(text):
        return game.output().count(text)

    def wait_for(done, seconds):
        deadline = time.time() + seconds
        while time.time() < deadline and not done():
            time.sleep(0.1)

    try:
        wait_for(lambda: count("finished setting up a new game!") > 0, 30)
        for run, delay in enumerate(("110", "150", "90", "130")):
            if run == 1:  # the ghost of the first run goes ahead while nothing is typed
                time.sleep(2.2)
                game.shot(os.path.join(out, "ghost.jpg"))
            stats = count("Game stats: ")
            typed = 0
            while count("Game stats: ") == stats:
                words = game.words()
                if len(words) > typed:
                    typed = len(words)
                    keys = [c.lower() for c in words[-1] if c.isalpha()]
                    subprocess.run(["xdotool", "key", "--delay", delay] + keys, env=game.env, check=False)
                time.sleep(0.1)
            started = count("finished setting up a new game!")
            if run == 3:  # the boy stands at the final board: the game waits 2 s there
                collisions = count("collide with: BB")
                wait_for(lambda: count("collide with: BB") > collisions, 60)
                time.sleep(0.3)
                game.shot(os.path.join(out, "progress.jpg"))
            wait_for(lambda: count("finished setting up a new game!") > started, 60)
    finally:
        game.quit()
        shutil.rmtree(workdir, ignore_errors=True)


def main():
    out = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "docs"))
    os.makedirs(out, exist_ok=True)
    display = ":93"
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x720x24"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    try:
        play(display, out, "normal", {
            "start.jpg": (None, 0.0),
            "typing.jpg": (lambda t: False, 0.0),  # taken by play() itself
            "corner.jpg": (lambda t: "corner left" in t, 1.6),
            "stairs.jpg": (lambda t: "stairs...!!!" in t, 3.0),
            "score.jpg": (lambda t: "Game stats: " in t, 3.5),
        })
        play(display, out, "cel", {
            "cel.jpg": (lambda t: "flip blackboard" in t, 1.5),
        })
        races(display, out)
    finally:
        server.kill()


if __name__ == "__main__":
    main()
