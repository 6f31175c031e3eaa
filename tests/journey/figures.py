#!/usr/bin/env python3
"""Times the whole journey with the replay tool's timedemo and writes the figures into a page
between its journey-figures markers (`make figures` names docs/performance.md).

    figures.py REPLAY ASSETS PAGE"""
import json
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
BEGIN = "<!-- journey figures begin -->"
END = "<!-- journey figures end -->"


def run_timedemo(replay, assets):
    with tempfile.TemporaryDirectory() as data_dir:
        result = subprocess.run(
            [replay, "--assets", assets, "--frames", "40000", "--timedemo", "--data-dir", data_dir,
             "--plan", os.path.join(HERE, "journey.plan"), "--give-up-shot",
             os.path.join(data_dir, "gave-up.png")],
            capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit("the journey did not finish:\n" + result.stderr)
    whole, levels = None, []
    for line in result.stdout.splitlines():
        entry = json.loads(line)
        if "timedemo" in entry:
            whole = entry["timedemo"]
        elif "timedemoLevel" in entry:
            levels.append(entry["timedemoLevel"])
    return whole, levels


def figures(summary):
    return " / ".join(f"{summary[key]:.3f}" for key in ("median_ms", "p99_ms", "max_ms"))


def table(whole, levels):
    rows = ["| Level | Passes | Logic ms: median / p99 / max | Drawing ms: median / p99 / max |",
            "| --- | ---: | --- | --- |"]
    for level in levels:
        rows.append(f"| {level['level']} | {level['passes']} | {figures(level['logic'])} | "
                    f"{figures(level['draw'])} |")
    rows.append(f"| whole journey | {whole['passes']} | {figures(whole['logic'])} | "
                f"{figures(whole['draw'])} |")
    rows.append("")
    rows.append(f"Peak memory {whole['peak_rss_mb']} MB; start-up {whole['startup_ms']:.0f} ms.")
    return "\n".join(rows)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    replay, assets, page = sys.argv[1:]
    text = open(page).read()
    if BEGIN not in text or END not in text:
        sys.exit(f"{page} has no journey figures markers")
    whole, levels = run_timedemo(replay, assets)
    text = re.sub(re.escape(BEGIN) + ".*?" + re.escape(END),
                  lambda _: BEGIN + "\n" + table(whole, levels) + "\n" + END, text, flags=re.S)
    open(page, "w").write(text)
    print(table(whole, levels))


if __name__ == "__main__":
    main()
