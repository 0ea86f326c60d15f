#!/usr/bin/python3
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window as a screen reader hears it: the program on a virtual display with accessibility on,
# in a private D-Bus session with the desktop's accessibility bus, its tree read with pyatspi.
#   atspi_test.py path/to/tessaly-bitrate
# Exits 77 (skipped) when a tool is missing, unless TESSALY_REQUIRE_ATSPI=1 asks for it to run.
import os, shutil, subprocess, sys, time

TITLE = "Tessaly Video Bitrate Calculator"
# Name, role and text of each result, its number with the unit shown after it, and of inputs
# named by their captions, as the window opens.
AT_START = [("video bitrate", "text", "827 kbit/sec"), ("total audio data", "label", "94 MB"),
            ("total video data", "label", "606 MB"), ("Space Required On Hard Drive ", "label", "1704 MB's"),
            ("Calculated Audio Bitrate:", "text", "135"), ("Suggested Bitrate:", "text", "128"),
            ("length of movie", "text", "100"), ("Other  (kbits/sec):", "combo box", "224"),
            ("Video Bitrate (kbits/s):", "text", "827"), ("Desired File Size (MB's):", "text", "700")]
# After 90 is typed over txtMin's 100, and 1 MB given to the converter, whose captions are units.
AFTER = [("video bitrate", "text", "934 kbit/sec"), ("total audio data", "label", "84 MB"),
         ("total video data", "label", "616 MB"), ("bits", "text", "8388608"), ("bytes", "text", "1048576"),
         ("kilobits (kb/kbit)", "text", "8192"), ("kilobytes (kB)", "text", "1024"), ("megabits (Mbit)", "text", "8"),
         ("megabytes (MB)", "text", "1"), ("gigabits (Gbit)", "text", "0.0078125"),
         ("gigabytes (GB)", "text", "0.0009765625")]


def run_in_session():
    missing = [t for t in ("Xvfb", "xdotool", "dbus-run-session", "/usr/libexec/at-spi-bus-launcher") if not shutil.which(t)]
    if subprocess.run([sys.executable, "-c", "import pyatspi"]).returncode:
        missing.append("python3-pyatspi")
    if missing:
        print("cannot run without", missing)
        sys.exit(1 if os.environ.get("TESSALY_REQUIRE_ATSPI") == "1" else 77)
    # Xvfb picks a free display itself and names it once it is ready: no race with other displays.
    ready, told = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(told), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            pass_fds=[told], stderr=subprocess.DEVNULL)
    os.close(told)
    env = dict(os.environ, TESSALY_ATSPI_SESSION="1", DISPLAY=":" + os.read(ready, 32).decode().strip())
    code = subprocess.run(["dbus-run-session", "--", sys.executable, *sys.argv], env=env).returncode
    xvfb.terminate()
    sys.exit(code)


def main(program):
    import pyatspi
    from gi.repository import GLib
    changes = []  # (node, text inserted) as the bus carries them
    pyatspi.Registry.registerEventListener(lambda e: changes.append((e.source.name, e.any_data)),
                                           "object:text-changed:insert")
    app = subprocess.Popen([program], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                               LC_ALL="C.UTF-8", QT_QPA_PLATFORM="xcb"))

    def wait_until(done, seconds=30):
        end = time.time() + seconds
        while not done() and time.time() < end:
            GLib.MainContext.default().iteration(False) or time.sleep(0.05)
        return done()

    # The caption beside a result is a label of the same name, without text.
    def find(name, role):
        return pyatspi.findDescendant(window, lambda n: (n.name, n.getRoleName()) == (name, role)
                                      and "Text" in n.get_interfaces())

    def misread(rows):
        read = lambda node: node.queryText().getText(0, -1) if node else None
        return [(row, read(find(*row[:2]))) for row in rows if read(find(*row[:2])) != row[2]]

    try:
        window = wait_until(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                          if a and a.name == TITLE and a.childCount), None))
        if not window:
            return print("FAIL: the window never reached the accessibility bus") or 1
        failures = misread(AT_START)
        if ("frame", TITLE) not in [(child.getRoleName(), child.name) for child in window]:
            failures.append("the window is no frame named by its title")

        find("length of movie", "text").queryComponent().grabFocus()
        x_window = subprocess.run(["xdotool", "search", "--sync", "--name", f"^{TITLE}$"], capture_output=True,
                                  text=True, timeout=30).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", x_window, "key", "ctrl+a", "type", "90"], timeout=30)
        find("Input value here:", "text").queryEditableText().setTextContents("1")
        unit = pyatspi.findDescendant(window, lambda n: n.name == "megabyte (MB)")
        if not unit.getState().contains(pyatspi.STATE_SELECTED):
            unit.queryAction().doAction(0)  # selects it
        heard = lambda: ("total audio data", "84 MB") in changes
        if not wait_until(lambda: heard() and not misread(AFTER)):
            failures += misread(AFTER) + ([] if heard() else [f"the bus carried no new total audio data: {changes}"])
    finally:
        app.terminate()
        app.wait(10)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    if os.environ.get("TESSALY_ATSPI_SESSION") != "1":
        run_in_session()
    sys.exit(main(os.path.abspath(sys.argv[1])))
