#!/usr/bin/env python3
"""A month in the host, shortened: sessions of random user actions and host faults in TovikSim with the
plug-in, the host closed and started again in between with its settings file changed by hand.

Each session is one TovikSim process in soak mode (sim/CSoakRunner), which checks after every action
that no window was left open and no favorite went that no answer deleted, and logs the action times and
samples of the process's GDI and USER objects and private bytes. Around the sessions this script checks
that the settings file as the plug-in last wrote it loads in a fresh host and comes out of a load and a
save byte for byte the same, mangles the file (lines dropped, duplicated or garbled, values out of
range, another encoding), and at the end prints the report and PASS or FAIL with the seed. The same
seed gives the same run.
"""
import argparse
import math
import os
import random
import shutil
import statistics
import subprocess
import sys
from collections import Counter

# Growth allowed from the warm-up sample to any later one of a session: what a first use of a rare
# path makes once, the device contexts and fonts that Wine caches, heap pages the allocator keeps.
# Wine's GDI objects fill up to 320-350 in every session and stay there (30 minutes, 10,000 actions);
# a short session under load still climbed 69 after its warm-up, hence the GDI slack. Anything that
# grows with the number of actions passes these within minutes; a leaked icon is one USER object.
SLACK = {"GDI": 96, "USER": 8, "private bytes": 4 * 1024 * 1024}
SESSION_MINUTES = 5            # a long run closes the host about this often
RESTART_SECONDS = 12           # what the checks and restarts between sessions take
HOST_TIMEOUT_SECONDS = 180     # a host that does not end this long after its session is hung
MISC_NUMBERS = ["RestoreTreeID", "MailFolderDispMode", "MailHistoryNum", "MailTitleLength",
                "FolderTreeClosedDepth", "ComprehensiveHotKey", "FolderHotKey", "EditWindowCX", "EditWindowX",
                "FindFolders"]
OUT_OF_RANGE = ["-1", "-2147483648", "2147483647", "4294967295", "99999999999", "301", "0", "12abc", "", "x"]


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Soak:
    def __init__(self, args):
        self.args = args
        self.random = random.Random(args.seed)
        self.work = os.path.abspath(args.work)
        self.data = os.path.join(self.work, "data")
        self.plugins = os.path.join(self.data, "Plugins")
        self.saved = os.path.join(self.work, "saved")
        self.close_script = os.path.join(self.work, "close.txt")
        self.failures = []
        self.times = []
        self.kinds = Counter()
        self.resources = []  # per session: (start, warm, end, worst after warm-up)

    # ---- running the host -------------------------------------------------------------------------
    def host(self, name, *arguments, timeout=HOST_TIMEOUT_SECONDS):
        command = [self.args.wine_run, self.args.host, "--data", windows_path(self.data)] + list(arguments)
        with open(os.path.join(self.work, name + ".out"), "wb") as output:
            try:
                return subprocess.run(command, stdout=output, stderr=subprocess.STDOUT, timeout=timeout).returncode
            except subprocess.TimeoutExpired:
                return "timeout"

    def fresh_host(self, name):
        """Starts a host on the settings file there is and closes it: the plug-in loads it and saves it."""
        result = self.host(name, "--script", windows_path(self.close_script))
        if result != 0:
            self.fail(f"{name}: a fresh host on the settings file ended with {result} (see {name}.out)")
        return self.settings()

    def prepare_store(self):
        """A new sample store (the faults of the last session undone), the plug-in and its saved files."""
        result = self.host("prepare", "--sample", "--install", windows_path(self.args.dll), "--no-run")
        if result != 0:
            sys.exit(f"soak: the sample store could not be made ({result})")
        for name in os.listdir(self.saved):
            shutil.copy(os.path.join(self.saved, name), self.plugins)

    def save_plugin_files(self):
        shutil.rmtree(self.saved, ignore_errors=True)
        os.makedirs(self.saved)
        for name in os.listdir(self.plugins):
            if not name.lower().endswith(".dll"):
                shutil.copy(os.path.join(self.plugins, name), self.saved)

    def settings(self):
        try:
            with open(os.path.join(self.plugins, "RaZudazoved.ini"), "rb") as file:
                return file.read()
        except FileNotFoundError:
            return None

    def write_settings(self, data):
        with open(os.path.join(self.plugins, "RaZudazoved.ini"), "wb") as file:
            file.write(data)

    def fail(self, text):
        self.failures.append(text)
        print("SOAK FAILED:", text, flush=True)

    # ---- one session ------------------------------------------------------------------------------
    def run_session(self, number, seconds):
        seed = self.random.randrange(1, 2**31)
        warm_up = max(10, seconds // 2)
        log = os.path.join(self.work, f"session{number}.log")
        print(f"soak: session {number}: {seconds} s, warm-up {warm_up} s, seed {seed}", flush=True)
        result = self.host(f"session{number}", "--soak", str(seconds), str(warm_up), str(seed), windows_path(log),
                           timeout=seconds + HOST_TIMEOUT_SECONDS)
        self.read_log(number, log)
        if result == 3:
            self.fail(f"session {number} (seed {seed}): an action hung (see session{number}.out)")
        elif result == "timeout":
            self.fail(f"session {number} (seed {seed}): the host did not end (see session{number}.out)")
        elif result == 1:
            self.fail(f"session {number} (seed {seed}): an invariant failed (see session{number}.out)")
        elif result != 0:
            self.fail(f"session {number} (seed {seed}): the host crashed with {result} (see session{number}.out)")

    def read_log(self, number, path):
        samples = []
        try:
            lines = open(path, encoding="latin-1").read().splitlines()
        except FileNotFoundError:
            self.fail(f"session {number} wrote no log")
            return
        for line in lines:
            words = line.split(" ")
            if words[0] == "action":
                self.kinds[words[2]] += 1
                self.times.append(float(words[3]))
            elif words[0] == "resources":
                samples.append((words[1], int(words[3]), int(words[4]), int(words[5])))
            elif words[0] == "fail":
                self.fail(f"session {number}: " + " ".join(words[2:]))
        self.check_resources(number, samples)

    def check_resources(self, number, samples):
        warm_at = next((i for i, sample in enumerate(samples) if sample[0] == "warm"), None)
        end = next((sample for sample in samples if sample[0] == "end"), None)
        if warm_at is None or end is None:
            if not self.failures:
                self.fail(f"session {number} ended before its warm-up or its end was sampled")
            return
        warm = samples[warm_at]
        worst = tuple(max(sample[i] for sample in samples[warm_at:]) for i in (1, 2, 3))
        self.resources.append((samples[0], warm, end, worst))
        for index, name in enumerate(("GDI", "USER", "private bytes")):
            growth = worst[index] - warm[index + 1]
            if growth > SLACK[name]:
                self.fail(f"session {number}: {name} grew by {growth} after the warm-up "
                          f"({warm[index + 1]} -> {worst[index]}; allowed {SLACK[name]})")

    # ---- between sessions -------------------------------------------------------------------------
    def check_reload(self, label):
        """The file as the plug-in last wrote it comes out of a load and a save unchanged."""
        written = self.settings()
        reloaded = self.fresh_host(label)
        if written is not None and reloaded != written:
            for name, data in (("before", written), ("after", reloaded or b"")):
                with open(os.path.join(self.work, f"{label}.{name}.ini"), "wb") as file:
                    file.write(data)
            self.fail(f"{label}: a load and a save changed the settings file ({label}.before.ini, "
                      f"{label}.after.ini)")

    def mangle(self, data):
        text, encoding = decode(data)
        lines = text.split("\r\n") if "\r\n" in text else text.split("\n")
        done = []
        for _ in range(self.random.randint(1, 4)):
            change = self.random.choice(["drop", "duplicate", "garble", "out-of-range", "encoding"])
            if change == "encoding":
                encoding = self.random.choice(["ansi", "utf-8", "utf-16-le", "utf-16-be"])
            elif not lines:
                continue
            elif change == "drop":
                del lines[self.random.randrange(len(lines))]
            elif change == "duplicate":
                at = self.random.randrange(len(lines))
                lines.insert(self.random.randrange(len(lines) + 1), lines[at])
            elif change == "garble":
                at = self.random.randrange(len(lines))
                line = lines[at]
                cut = self.random.randint(0, len(line))
                noise = "".join(chr(self.random.choice([0x5B, 0x5D, 0x3D, 0x3B, 0x20, 0x81, 0xE9, 0x40, 0x7F]))
                                for _ in range(self.random.randint(0, 6)))
                lines[at] = line[:cut] + noise + line[cut + self.random.randint(0, 3):]
            else:
                key = self.random.choice(MISC_NUMBERS)
                value = self.random.choice(OUT_OF_RANGE)
                lines = [line for line in lines if not line.startswith(key + "=")]
                misc = next((i for i, line in enumerate(lines) if line.strip() == "[Misc]"), None)
                if misc is None:
                    lines.append("[Misc]")
                    misc = len(lines) - 1
                lines.insert(misc + 1, f"{key}={value}")
            done.append(change)
        print(f"soak: settings file changed by hand: {', '.join(done) or 'nothing'}; kept as {encoding}", flush=True)
        return encode("\r\n".join(lines), encoding)

    # ---- the whole run ----------------------------------------------------------------------------
    def run(self):
        shutil.rmtree(self.work, ignore_errors=True)
        os.makedirs(self.saved)
        shutil.copy(self.args.settings, self.saved)
        with open(self.close_script, "w") as file:
            file.write("close\n")
        budget = self.args.minutes * 60
        sessions = max(2, math.ceil(self.args.minutes / SESSION_MINUTES))
        seconds = max(20, int(budget / sessions) - RESTART_SECONDS)
        for number in range(1, sessions + 1):
            self.prepare_store()
            self.run_session(number, seconds)
            if self.failures:
                break
            self.check_reload(f"reload{number}")
            if not self.failures and number < sessions:
                self.write_settings(self.mangle(self.settings() or b""))
                self.fresh_host(f"mangled{number}")
                self.check_reload(f"mangled{number}-reload")
            if self.failures:
                break
            self.save_plugin_files()
        self.report()
        return 1 if self.failures else 0

    def report(self):
        print()
        print(f"soak report ({self.args.label}, seed {self.args.seed}, {self.args.minutes} min, "
              f"{len(self.resources)} sessions)")
        print("actions by kind: " + ", ".join(f"{kind} {count}" for kind, count in sorted(self.kinds.items())))
        if self.times:
            ordered = sorted(self.times)
            p99 = ordered[min(len(ordered) - 1, int(math.ceil(0.99 * len(ordered))) - 1)]
            print(f"action time: {len(ordered)} actions, median {statistics.median(ordered):.1f} ms, "
                  f"99th percentile {p99:.1f} ms, longest {ordered[-1]:.1f} ms")
        print("resources per session, start / after warm-up / end / highest after warm-up "
              f"(slack {SLACK['GDI']} GDI, {SLACK['USER']} USER, {SLACK['private bytes'] // 1024} KiB):")
        for number, (start, warm, end, worst) in enumerate(self.resources, 1):
            print(f"  session {number}: GDI {start[1]} / {warm[1]} / {end[1]} / {worst[0]}, "
                  f"USER {start[2]} / {warm[2]} / {end[2]} / {worst[1]}, "
                  f"private KiB {start[3] // 1024} / {warm[3] // 1024} / {end[3] // 1024} / {worst[2] // 1024}")
        for failure in self.failures:
            print("  failure:", failure)
        print(f"{'PASS' if not self.failures else 'FAIL'} seed {self.args.seed}")


def decode(data):
    if data.startswith(b"\xff\xfe"):
        return data[2:].decode("utf-16-le", "replace"), "utf-16-le"
    if data.startswith(b"\xfe\xff"):
        return data[2:].decode("utf-16-be", "replace"), "utf-16-be"
    if data.startswith(b"\xef\xbb\xbf"):
        return data[3:].decode("utf-8", "replace"), "utf-8"
    return data.decode("latin-1"), "ansi"


def encode(text, encoding):
    if encoding == "ansi":
        return text.encode("cp1252", "replace") if any(ord(c) > 255 for c in text) else text.encode("latin-1")
    marks = {"utf-8": b"\xef\xbb\xbf", "utf-16-le": b"\xff\xfe", "utf-16-be": b"\xfe\xff"}
    return marks[encoding] + text.encode(encoding, "replace")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wine-run", required=True, help="the tree's wine-run")
    parser.add_argument("--host", required=True, help="TovikSim.exe")
    parser.add_argument("--dll", required=True, help="RaZudazoved.dll of the same architecture")
    parser.add_argument("--settings", required=True, help="the settings file the first session starts with")
    parser.add_argument("--work", required=True, help="a folder of its own (emptied first)")
    parser.add_argument("--minutes", type=float, default=2)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--label", default="")
    sys.exit(Soak(parser.parse_args()).run())


if __name__ == "__main__":
    main()
