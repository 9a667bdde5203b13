#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The acronym authors
# SPDX-License-Identifier: MIT
"""Plays the built-in puzzle by keyboard under the Orca screen reader and checks what Orca says.

Starts its own X server (Xvfb), session bus, accessibility bus and Orca, whose debug log holds
every utterance as a "SPEECH OUTPUT: '...'" line, even without a sound card. Then it plays with
real key presses (xdotool): a right pair, a wrong pair, then the rest of the game, and checks that
Orca spoke each result and the finished acronym; then, in the crossword's window, a wrong word and
a right one.

    tests/speech/orca_play.py PROGRAM
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

# The built-in puzzle's lists as the window shows them; WORDS[i] belongs with EXPLANATIONS[PARTNER[i]].
WORDS = ["Аспарух", "византийци", "Евридика", "Елена", "Лакедемон", "нобили", "рицар", "таран",
         "хазари"]
PARTNER = [0, 1, 4, 7, 3, 6, 8, 2, 5]


class Session:
    """Xvfb, a session bus, the accessibility bus and Orca, in a folder of their own."""

    def __init__(self, folder):
        self.folder = folder
        self.processes = []
        self.log = os.path.join(folder, "orca.log")
        self.env = dict(os.environ)
        runtime = os.path.join(folder, "run")
        os.mkdir(runtime, 0o700)
        config = os.path.join(folder, "config")
        self.env.update(XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=config, HOME=folder,
                        LANG="C.UTF-8")
        # Without a sound card speech-dispatcher cannot open its audio and stalls Orca: send its
        # sound to ALSA's null device.
        os.makedirs(os.path.join(config, "speech-dispatcher"))
        with open("/etc/speech-dispatcher/speechd.conf", encoding="utf-8") as system, \
                open(os.path.join(config, "speech-dispatcher", "speechd.conf"), "w",
                     encoding="utf-8") as own:
            own.write(system.read() + '\nAudioOutputMethod "alsa"\n')
        with open(os.path.join(folder, ".asoundrc"), "w", encoding="utf-8") as alsa:
            alsa.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")
        for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS"):
            self.env.pop(name, None)

    def start(self, command, **options):
        process = subprocess.Popen(command, env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, **options)
        self.processes.append(process)
        return process

    def __enter__(self):
        read, write = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten",
                    "tcp"], pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as display:
            self.env["DISPLAY"] = ":" + display.readline().strip()
        bus = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1",
                              "--print-pid=1"], env=self.env, capture_output=True, text=True,
                             check=True).stdout.split()
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus[0]
        self.bus_pid = int(bus[1])
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self.start(["orca", "--replace", "--debug-file", self.log, "-u",
                    os.path.join(self.folder, "orca")])
        self.wait_for_speech("Screen reader on", 30)
        return self

    def __exit__(self, *exception):
        for process in reversed(self.processes):
            process.terminate()
        for process in reversed(self.processes):
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
        subprocess.run(["kill", str(self.bus_pid)], check=False)
        # Orca starts speech-dispatcher on the session's runtime folder; end it with the session.
        subprocess.run(["pkill", "-f", "speech-dispatcher.*" + re.escape(self.env["XDG_RUNTIME_DIR"])],
                       check=False)

    def speech(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log, encoding="utf-8", errors="replace") as log:
            return re.findall(r"SPEECH OUTPUT: '(.*?)'", log.read(), re.DOTALL)

    def wait_for_speech(self, text, seconds=10, times=1):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if sum(text in said for said in self.speech()) >= times:
                return True
            time.sleep(0.2)
        return False

    def keys(self, *keys):
        for key in keys:
            subprocess.run(["xdotool", "key", "--delay", "80", key], env=self.env, check=True)
            time.sleep(0.25)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip().splitlines()[-1].strip())
    program = os.path.abspath(sys.argv[1])
    for tool in ("Xvfb", "dbus-daemon", "orca", "xdotool"):
        if not shutil.which(tool):
            sys.exit(f"{tool} is missing: scripts/setup installs it")

    failures = []
    with tempfile.TemporaryDirectory() as folder, Session(folder) as session:
        if os.environ.get("ORCA_LOG"):
            session.log_copy = os.environ["ORCA_LOG"]
        env = dict(session.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        app = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
        session.processes.append(app)
        # There is no window manager to give the new window the focus: give it by hand.
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--class", "acronym",
                        "windowfocus", "--sync"], env=session.env, check=True, timeout=20,
                       capture_output=True)
        time.sleep(1)

        expected = []

        def expect(what, text, times=1):
            expected.append(what)
            heard = session.wait_for_speech(text, 30, times)
            print(f"{'heard' if heard else 'MISSING'}: {what}: {text}")
            if not heard:
                failures.append(what)

        # Focus starts in the instructions: Tab to the words, Tab to the explanations, Tab to
        # «Избрах». Home makes a list's first row current, Space selects it, Down the next.
        words = list(WORDS)
        explanations = list(range(len(WORDS)))  # explanation rows by their partner index

        def play(word, explanation):
            row = words.index(word)
            column = explanations.index(explanation)
            session.keys("Tab", "Home", "space", *["Down"] * row, "Tab", "Home", "space",
                         *["Down"] * column, "Tab", "Return")
            session.keys("shift+Tab", "shift+Tab", "shift+Tab")  # back to the instructions
            return row, column

        play("Аспарух", 0)
        words.remove("Аспарух")
        explanations.remove(0)
        expect("a right pair", "Аспарух: буква А, 2 от 9")

        taran = PARTNER[WORDS.index("таран")]
        play("таран", explanations[0] if explanations[0] != taran else explanations[1])
        expect("a wrong pair", "таран: двойката не е вярна")

        for word in list(words):
            partner = PARTNER[WORDS.index(word)]
            play(word, partner)
            words.remove(word)
            explanations.remove(partner)
        expect("the finished acronym", "хан Тервел")
        expect("the count of wrong tries", "Грешни опити: 1")
        # Return takes «Изпрати резултата», which has the focus; Escape leaves its name unasked.
        session.keys("Return", "Escape")

        # The crossword's window: Tab to the first row, a word with one wrong letter, then the
        # right one, typed with real keys.
        subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^История",
                        "windowfocus", "--sync"], env=session.env, check=True, timeout=20,
                       capture_output=True)
        session.keys("ctrl+k")
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Кръстословица",
                        "windowfocus", "--sync"], env=session.env, check=True, timeout=20,
                       capture_output=True)
        time.sleep(1)
        session.keys("Tab")
        # With a Bulgarian keyboard, xdotool types Cyrillic with its keys as they are, rather than
        # with keys mapped for a moment, which the program may read after they are mapped back.
        subprocess.run(["setxkbmap", "-layout", "bg", "-variant", "phonetic"], env=session.env,
                       check=True)
        time.sleep(1)
        # Orca passes over a notification that a newer one follows before it is spoken, and
        # writes its log in blocks: each word is given time, and Shift presses push the log out.
        subprocess.run(["xdotool", "type", "--delay", "150", "хазарк"], env=session.env, check=True)
        session.keys("shift", "shift", "shift")
        expect("a wrong word in the crossword", "Ред 1: думата не е вярна")
        session.keys("BackSpace")
        subprocess.run(["xdotool", "type", "--delay", "80", "и"], env=session.env, check=True)
        session.keys("shift", "shift", "shift")
        expect("a right word in the crossword", "хазари: буква х, 1 от 9", times=2)
        if failures:
            print("Orca said:", *session.speech(), sep="\n  ")
        if os.environ.get("ORCA_LOG"):
            shutil.copy(session.log, os.environ["ORCA_LOG"])

    print("orca: %d passed, %d failed" % (len(expected) - len(failures), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
