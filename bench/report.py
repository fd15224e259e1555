# SPDX-License-Identifier: MIT
"""bench/run's tables: report.py startup WORK RUNS NAME... (WORK/startup-<round>.json from hyperfine,
WORK/probe.log; the game first, the yardstick last) or report.py answers ANSWERS.csv (Qt Test's);
bench/run-windows's: report.py wine RUNS.log GAME YARDSTICK (one line of JSON per start)."""
import csv, json, sys
from collections import Counter
from statistics import median

START_TARGET, MEMORY_TARGET = 1.05, 1.05


def startup(work, rounds, names):
    # Each round ran each program once, in turn, each after a warm-up run.
    results = [json.load(open(f"{work}/startup-{r}.json"))["results"]
               for r in range(1, rounds + 1)]
    probes = [json.loads(line) for line in open(f"{work}/probe.log")]
    # The first round ran the programs in the order of the names; the others began elsewhere.
    commands = [result["command"] for result in results[0]]
    series = []
    for name, command in zip(names, commands):
        times = [next(r for r in round_ if r["command"] == command)["times"][0] * 1e3
                 for round_ in results]
        program = command.split()[-1].rsplit("/", 1)[-1]
        lines = [p for p in probes if p["program"] == program][1::2]
        runs = []
        for p, total in zip(lines, times):
            loaded = total - p["frame_ms"]
            runs.append(dict(p, first_frame_ms=total, loaded_ms=loaded,
                             **{k: loaded + p[k] for k in
                                ("qapplication_ms", "first_expose_ms", "first_paint_ms")}))
        series.append((name, times, runs))
    med = [{k: median(r[k] for r in runs) for k in runs[0] if k not in ("program", "window")}
           for _, _, runs in series]
    game, last = med[0], med[-1]
    ratio = lambda key, ref: game[key] / ref[key] if ref[key] else 0
    print(f"Start-up to the first frame, {rounds} runs each, alternating, each after an uncounted "
          "warm-up run")
    print("  method: LD_PRELOAD probe in the unchanged programs, which ends them at the end of the\n"
          "  window's first Expose (painted, flushed, X round trip); hyperfine times exec to exit")
    head = "".join(f" {n:>12}" for n in names) + "".join(f" {names[0] + '/' + n:>11}"
                                                          for n in names[1:])
    print(f"  {'median':<26}{head}")

    def row(label, key, fmt):
        cells = "".join(f" {fmt % m[key]:>12}" for m in med)
        print(f"  {label:<26}{cells}" + "".join(f" {ratio(key, m):10.2f}x" for m in med[1:]))

    row("first frame", "first_frame_ms", "%.1f ms")
    print(f"  {'  min-max':<26}" + "".join(
        f" {'%.0f-%.0f' % (min(t), max(t)):>12}" for _, t, _ in series))
    row("  libraries loaded", "loaded_ms", "%.1f ms")
    row("  QApplication being made", "qapplication_ms", "%.1f ms")
    row("  first Expose arrives", "first_expose_ms", "%.1f ms")
    row("  first paint event", "first_paint_ms", "%.1f ms")
    row("  paint events in frame", "paint_events", "%.0f")
    row("    of the window itself", "window_paint_events", "%.0f")
    row("  widgets shown (+window)", "visible_widgets", "%.0f")
    row("  X requests sent", "x_requests", "%.0f")
    print("Peak resident memory at the first frame, median")
    row("VmHWM", "vmhwm_kb", "%.0f kB")
    print("  window sizes: " + " ".join(f"{n} {runs[0]['window']}" for n, _, runs in series)
          + " pixels")
    met = lambda ok: "MET" if ok else "MISSED"
    ratios = lambda key: "; ".join(f"{ratio(key, m):.2f}x of {n}"
                                   for n, m in reversed(list(zip(names[1:], med[1:]))))
    print(f"Target start-up within {START_TARGET:.2f}x of {names[-1]}: "
          f"{met(ratio('first_frame_ms', last) <= START_TARGET)} ({ratios('first_frame_ms')})")
    # Each widget shown paints once for the first frame, the window too: none twice.
    once = game["paint_events"] <= game["visible_widgets"] and game["window_paint_events"] <= 1
    painted = "; ".join(f"{n} {m['paint_events']:.0f}/{m['visible_widgets']:.0f}, "
                        f"{m['window_paint_events']:.0f}" for n, m in zip(names, med))
    print(f"Target one paint event per widget shown, the window's own once: {met(once)} "
          f"(paint events/widgets shown, the window's own: {painted})")
    print(f"Target memory within {MEMORY_TARGET:.2f}x of {names[-1]}: "
          f"{met(ratio('vmhwm_kb', last) <= MEMORY_TARGET)} ({ratios('vmhwm_kb')})")


def answers(results):
    print("Answer handling: whole games by mouse clicks (QBENCHMARK, one game of 9 presses per iteration)")
    for function, tag, metric, value, total, iterations in csv.reader(open(results)):
        print(f"  {tag:<28} {float(value) * 1e3 / 9:8.1f} us per press "
              f"({float(value):.2f} {metric} per game, {iterations} games)")


WINE_TARGETS = {"first_frame_ms": 1.10, "cpu_ms": 1.15, "peak_kb": 1.10}


def wine(log, game, bare):
    runs = [json.loads(line) for line in open(log)]
    by = {name: [r["first_frame"] for r in runs if r["program"] == name] for name in (game, bare)}
    med = {name: {k: median(r[k] for r in rs) for k in rs[0] if k not in ("window", "dlls")}
           for name, rs in by.items()}
    count = len(by[game])
    print(f"Start-up under Wine to the first frame, {count} starts each, alternating, after one "
          "uncounted start of each")
    print("  method: XDamage on the program's top-level window; the first frame is the first drawing\n"
          "  after which the window's pixels are those it shows at rest (once nothing has been drawn\n"
          "  for a quiet time); CPU and memory are read from /proc at that drawing")
    print(f"  {'median':<34} {game:>14} {bare:>14} {'ratio':>7} {'target':>8}")

    def row(label, key, fmt, scale=1):
        g, b = med[game][key] * scale, med[bare][key] * scale
        target = f"{WINE_TARGETS[key]:.2f}x" if key in WINE_TARGETS else ""
        print(f"  {label:<34} {fmt % g:>14} {fmt % b:>14} {g / b if b else 0:6.2f}x {target:>8}")

    row("first frame", "first_frame_ms", "%.1f ms")
    print(f"  {'  min-max':<34}" + "".join(
        f" {'%.0f-%.0f' % (min(r['first_frame_ms'] for r in by[n]), max(r['first_frame_ms'] for r in by[n])):>14}"
        for n in (game, bare)))
    row("  first pixels drawn", "first_pixels_ms", "%.1f ms")
    row("  drawings until the frame", "drawings", "%.0f")
    row("CPU until the first frame", "cpu_ms", "%.1f ms")
    row("  the wineserver's meanwhile", "server_cpu_ms", "%.1f ms")
    row("peak working set (VmHWM)", "peak_kb", "%.1f MiB", 1 / 1024)
    print("  window sizes: " + " ".join(f"{n} {by[n][0]['window']}" for n in (game, bare)))
    dlls = {n: set(Counter(tuple(r["dlls"]) for r in by[n]).most_common(1)[0][0]) for n in by}
    print(f"Windows libraries loaded before the first frame: {game} {len(dlls[game])}, "
          f"{bare} {len(dlls[bare])}")
    print("  both:  " + " ".join(sorted(dlls[game] & dlls[bare])))
    print(f"  {game} alone: " + (" ".join(sorted(dlls[game] - dlls[bare])) or "none"))
    print(f"  {bare} alone: " + (" ".join(sorted(dlls[bare] - dlls[game])) or "none"))
    for key, label in (("first_frame_ms", "first frame"), ("cpu_ms", "CPU until the first frame"),
                       ("peak_kb", "peak memory")):
        ratio = med[game][key] / med[bare][key]
        met = "MET" if ratio <= WINE_TARGETS[key] else "MISSED"
        print(f"Target {label} within {WINE_TARGETS[key]:.2f}x of {bare}: {met} ({ratio:.2f}x)")


if sys.argv[1] == "startup":
    startup(sys.argv[2], int(sys.argv[3]), sys.argv[4:])
elif sys.argv[1] == "wine":
    wine(sys.argv[2], sys.argv[3], sys.argv[4])
else:
    answers(sys.argv[2])
