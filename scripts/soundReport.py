#!/usr/bin/env python3
"""The game's sound as a player hears it: each shipped demo is played by the real game with
SDL's disk audio driver, which writes the mix to a file, while a small preloaded library
(scripts/soundStems.c) logs every mixer call with the frame of the mix it takes effect at.
From the log and the sound files every channel is rebuilt at the volumes the game gave it,
pass by pass; the channels must add up to the recording, and the figures are taken from them.

    soundReport.py BUILD OUTDIR

Writes OUTDIR/report.txt (also printed) and OUTDIR/spectrogram.png (the opening drive's mix).
Loudness is BS.1770 (K-weighted, gated integrated loudness; LUFS); the K-weighting and the
octave bands are applied to the spectrum of each window."""
import glob
import os
import re
import signal
import subprocess
import sys
import tempfile
import time
import wave

import numpy as np

RATE = 44100
DEMOS = ["opening-drive", "ghost-cars"]
WINDOW = RATE // 4  # the quarter-second windows the mix is judged over
MUSIC_CHANNELS = (0, 1, 2)
ENGINE_CHANNELS = (3, 4, 5, 6)
GRAVEL_CHANNEL = 7
TITLE_CHANNEL = 8
FIRST_EFFECT_CHANNEL = 9
LAYERS = {"trackA": 10, "trackB2": 20, "trackC2": 30}  # each layer's channel volume in play
OCTAVES = [63, 125, 250, 500, 1000, 2000, 4000, 8000, 16000]
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")


# --- Loudness ------------------------------------------------------------------------------

def biquad_response(b, a, freqs):
    z = np.exp(-2j * np.pi * freqs / RATE)
    return (b[0] + b[1] * z + b[2] * z * z) / (a[0] + a[1] * z + a[2] * z * z)


def k_weight_power(freqs):
    """|H|^2 of BS.1770's two-stage K-weighting filter at the given frequencies."""
    gain, fc, q = 3.999843853973347, 1681.974450955533, 0.7071752369554196
    amp = 10 ** (gain / 40)
    w0 = 2 * np.pi * fc / RATE
    alpha = np.sin(w0) / (2 * q)
    cos = np.cos(w0)
    shelf_b = [amp * ((amp + 1) + (amp - 1) * cos + 2 * np.sqrt(amp) * alpha),
               -2 * amp * ((amp - 1) + (amp + 1) * cos),
               amp * ((amp + 1) + (amp - 1) * cos - 2 * np.sqrt(amp) * alpha)]
    shelf_a = [(amp + 1) - (amp - 1) * cos + 2 * np.sqrt(amp) * alpha,
               2 * ((amp - 1) - (amp + 1) * cos),
               (amp + 1) - (amp - 1) * cos - 2 * np.sqrt(amp) * alpha]
    fc, q = 38.13547087602444, 0.5003270373238773
    w0 = 2 * np.pi * fc / RATE
    alpha = np.sin(w0) / (2 * q)
    cos = np.cos(w0)
    pass_b = [(1 + cos) / 2, -(1 + cos), (1 + cos) / 2]
    pass_a = [1 + alpha, -2 * cos, 1 - alpha]
    return np.abs(biquad_response(shelf_b, shelf_a, freqs) * biquad_response(pass_b, pass_a, freqs)) ** 2


def spectra(signal, size, hop):
    """Power spectrum of each window (both channels summed), scaled so a bin sum is a mean square."""
    count = max(0, (len(signal) - size) // hop + 1)
    out = np.zeros((count, size // 2 + 1))
    for channel in range(signal.shape[1]):
        frames = np.lib.stride_tricks.sliding_window_view(signal[:, channel], size)[::hop][:count]
        for start in range(0, count, 256):
            power = np.abs(np.fft.rfft(frames[start:start + 256], axis=1)) ** 2
            power[:, 1:-1] *= 2
            out[start:start + 256] += power / size ** 2
    return out


def band_weights(size):
    freqs = np.fft.rfftfreq(size, 1 / RATE)
    weights = {"K": k_weight_power(freqs)}
    for centre in OCTAVES:
        weights[centre] = ((freqs >= centre / np.sqrt(2)) & (freqs < centre * np.sqrt(2))).astype(float)
    weights["above5k"] = (freqs >= 5000).astype(float)
    return freqs, weights


def to_db(power, offset=0.0):
    return offset + 10 * np.log10(np.maximum(power, 1e-20))


def lufs(power):
    return to_db(power, -0.691)


def integrated_loudness(signal):
    """BS.1770-4: 400 ms blocks every 100 ms, gated at -70 LUFS and 10 LU under the mean."""
    size = int(0.4 * RATE)
    if len(signal) < size:
        return float("-inf")
    _, weights = band_weights(size)
    blocks = spectra(signal, size, size // 4) @ weights["K"]
    blocks = blocks[lufs(blocks) > -70]
    if len(blocks) == 0:
        return float("-inf")
    gated = blocks[lufs(blocks) > lufs(blocks.mean()) - 10]
    return float(lufs(gated.mean()))


# --- Sound files ---------------------------------------------------------------------------

def checksum(data):
    weights = np.arange(len(data), dtype=np.uint64) % 251 + 1
    return int((np.frombuffer(data, np.uint8).astype(np.uint64) * weights).sum() % (1 << 32))


def read_wav(path):
    with wave.open(path) as wav:
        data = wav.readframes(wav.getnframes())
    return data, np.frombuffer(data, "<i2").reshape(-1, 2).astype(np.float64) / 32768.0


def sound_files(assets):
    """Every sound under assets/sounds by name (music/trackA …) and by checksum of its samples."""
    by_name, by_sum = {}, {}
    for path in sorted(glob.glob(os.path.join(assets, "sounds", "**", "*.wav"), recursive=True)):
        name = os.path.relpath(path, os.path.join(assets, "sounds"))[:-4]
        data, samples = read_wav(path)
        by_name[name] = samples
        by_sum[(len(data), checksum(data))] = name
    return by_name, by_sum


# --- Recording the real game ---------------------------------------------------------------

def build_shim(work):
    library = os.path.join(work, "soundStems.so")
    cflags = subprocess.run(["pkg-config", "--cflags", "sdl"], capture_output=True, text=True,
                            check=True).stdout.split()
    source = os.path.join(ROOT, "scripts", "soundStems.c")
    subprocess.run(["cc", "-shared", "-fPIC", "-O2", *cflags, source, "-o", library, "-ldl"], check=True)
    return library


def record(build, demo, shim, work):
    """Plays the demo at the game's pace; stops the game once the demo's session has freed its sounds."""
    raw, log = os.path.join(work, demo + ".raw"), os.path.join(work, demo + ".log")
    env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=raw,
               LD_PRELOAD=shim, VELMORA_STEM_LOG=log, HOME=os.path.join(work, "home"),
               XDG_DATA_HOME=os.path.join(work, "home"))
    game = subprocess.Popen([os.path.join(build, "velmora"), "--windowed", "--playdemo",
                             os.path.join(ROOT, "demos", demo + ".demo")],
                            cwd=os.path.join(build, "assets"), env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.time() + 300
    while time.time() < deadline and game.poll() is None:
        time.sleep(0.5)
        if os.path.exists(log) and "\nfree " in open(log).read():
            break
    game.send_signal(signal.SIGTERM)
    try:
        game.wait(timeout=20)
    except subprocess.TimeoutExpired:
        game.kill()
        game.wait()
    mix = np.fromfile(raw, "<i2").reshape(-1, 2).astype(np.float64) / 32768.0
    return mix, open(log).read()


class channelLog:
    def __init__(self):
        self.plays = []    # (frame, name, loops)
        self.volumes = []  # (frame, volume)
        self.halts = []


def parse_log(text, by_sum):
    """The channels' plays, volumes and halts, and the frame where the demo's session ended."""
    chunks, channels, end = {}, {}, None
    for line in text.splitlines():
        words = line.split()
        if not words:
            continue
        if words[0] == "load":
            chunks[words[1]] = by_sum.get((int(words[2]), int(words[3])), "?")
        elif words[0] == "free":
            end = int(words[1]) if end is None else end
        elif end is None and words[0] in ("play", "volume", "halt"):
            log = channels.setdefault(int(words[2]), channelLog())
            frame = int(words[1])
            if words[0] == "play":
                log.plays.append((frame, chunks.get(words[3], "?"), int(words[4])))
            elif words[0] == "volume":
                log.volumes.append((frame, int(words[3])))
            else:
                log.halts.append(frame)
    return channels, end


def volume_track(log, frames):
    """The channel's volume at every frame (the mixer starts every channel at full volume)."""
    track = np.full(frames, 128.0)
    for frame, volume in log.volumes:
        track[min(frame, frames):] = volume
    return track


def rebuild_channel(log, sounds, frames):
    """What the channel added to the mix, and each one-shot it played as (start, name, volume, stem)."""
    out = np.zeros((frames, 2))
    track = volume_track(log, frames)
    volume = track[:, None] / 128.0
    shots = []
    stops = sorted([f for f, _, _ in log.plays] + log.halts + [frames])
    for start, name, loops in log.plays:
        stop = min(s for s in stops if s > start) if any(s > start for s in stops) else frames
        samples = sounds.get(name)
        if samples is None or start >= frames:
            continue
        length = stop - start
        if loops < 0:
            part = np.resize(samples, (length, 2))
        else:
            part = samples[:length]
        stem = np.zeros((frames, 2))
        stem[start:start + len(part)] = part * volume[start:start + len(part)]
        out += stem
        if loops == 0:
            shots.append((start, name, int(track[start]), stem))
    return out, shots


class demoRun:
    """One demo's recording, taken apart into the channels that made it."""

    def __init__(self, name, mix, log_text, sounds, by_sum):
        self.name = name
        channels, end = parse_log(log_text, by_sum)
        self.frames = min(end or len(mix), len(mix))
        self.mix = mix[:self.frames]
        self.volumes = {c: volume_track(log, self.frames) for c, log in channels.items()}
        self.groups = {"music": np.zeros((self.frames, 2)), "title": np.zeros((self.frames, 2)),
                       "engine": np.zeros((self.frames, 2)), "gravel": np.zeros((self.frames, 2)),
                       "effects": np.zeros((self.frames, 2))}
        self.shots = []
        for channel, log in channels.items():
            stem, shots = rebuild_channel(log, sounds, self.frames)
            self.groups[group_of(channel)] += stem
            self.shots += shots
        self.rebuilt = sum(self.groups.values())

    def residual_db(self):
        """How far the rebuilt channels are from the recording, relative to the recording."""
        error = np.mean((self.mix - np.clip(self.rebuilt, -1, 1)) ** 2)
        return float(to_db(error / max(np.mean(self.mix ** 2), 1e-20)))


def group_of(channel):
    if channel in MUSIC_CHANNELS:
        return "music"
    if channel in ENGINE_CHANNELS:
        return "engine"
    if channel == GRAVEL_CHANNEL:
        return "gravel"
    if channel == TITLE_CHANNEL:
        return "title"
    return "effects"


# --- The figures ---------------------------------------------------------------------------

def window_levels(signal, weight_name):
    _, weights = band_weights(WINDOW)
    return spectra(signal, WINDOW, WINDOW) @ weights[weight_name]


def window_mask(track, predicate):
    """Windows whose every frame meets the predicate on the volume track."""
    count = len(track) // WINDOW
    held = track[:count * WINDOW].reshape(count, WINDOW)
    return np.array([bool(predicate(row).all()) for row in held])


def engine_over_music(run, engine_group="engine"):
    """Windows with the level's music at its volume and no title music: the engine's loudness
    over the music's. Cruising: a moving engine note steady at its full volume (the car holds
    its top speed for the ground: 15 on dirt, 30 on the road)."""
    silent = np.zeros(run.frames)
    music = sum(run.volumes.get(c, silent) for c in MUSIC_CHANNELS)
    title = run.volumes.get(TITLE_CHANNEL, silent)
    playing = window_mask(music, lambda v: v >= 10) & window_mask(title, lambda v: v == 0)
    cruising = np.zeros_like(playing)
    for channel, full in zip(ENGINE_CHANNELS[1:], (80, 100, 128)):
        cruising |= window_mask(run.volumes.get(channel, silent), lambda v, f=full: v == f)
    cruising &= playing
    difference = (to_db(window_levels(run.groups[engine_group], "K")) -
                  to_db(window_levels(run.groups["music"], "K")))
    count = min(len(difference), len(playing))
    return difference[:count][cruising[:count]], difference[:count][playing[:count]]


def spread(values):
    return "median %+.1f dB, 90th percentile %+.1f dB" % (np.median(values), np.percentile(values, 90))


def cue_margins(run, names):
    """Each one-shot of the named sounds against everything else that plays with it: K-weighted
    over the span holding 90 % of the cue's energy, and in the cue's strongest octave."""
    rows = []
    background = run.groups["music"] + run.groups["title"] + run.groups["engine"] + run.groups["gravel"]
    for start, name, volume, stem in run.shots:
        if name in names:
            rows.append((name, volume) + cue_against(stem, background, start))
    return rows


def cue_against(stem, background, start):
    energy = np.cumsum((stem[start:] ** 2).sum(axis=1))
    if energy[-1] <= 0:
        return float("nan"), float("nan"), 0
    first = start + int(np.searchsorted(energy, 0.05 * energy[-1]))
    last = start + int(np.searchsorted(energy, 0.95 * energy[-1]))
    span = slice(first, max(last, first + 2048))
    size = span.stop - span.start
    freqs = np.fft.rfftfreq(size, 1 / RATE)
    cue, rest = spectra(stem[span], size, size)[0], spectra(background[span], size, size)[0]
    broad = to_db(cue @ k_weight_power(freqs)) - to_db(rest @ k_weight_power(freqs))
    octave = max(OCTAVES, key=lambda c: cue @ ((freqs >= c / np.sqrt(2)) & (freqs < c * np.sqrt(2))))
    band = (freqs >= octave / np.sqrt(2)) & (freqs < octave * np.sqrt(2))
    in_band = to_db(cue @ band) - to_db(rest @ band)
    return float(broad), float(in_band), octave


# The cues that must carry over the loops, and what they play over: the click when a flash is
# refused (standing or driving), the flame's chime four tiles away, a ghost car's alarm twelve
# tiles away with the ghost level's music.
FILE_CUES = [
    ("sfx/click/0", 30, [("sfx/rev/0", 40), ("music/trackC2", 30)]),
    ("sfx/click/1", 30, [("sfx/rev/2", 100), ("music/trackA", 10)]),
    ("sfx/flameChime", 15, [("sfx/rev/0", 40), ("music/trackC2", 30)]),
    ("sfx/flameChime", 15, [("sfx/rev/2", 100), ("music/trackB2", 20)]),
    ("sfx/alarm", 5, [("sfx/rev/2", 100), ("music/trackC2", 30)]),
]


def cue_from_files(sounds, cue, volume, loops, tries=12):
    """The cue over the loops at their volumes, started at evenly spread points of the music:
    the worst and the median margins (K-weighted, in the cue's strongest octave)."""
    stem = sounds[cue] * volume / 128
    margins = []
    longest = max(len(sounds[name]) for name, _ in loops)
    for t in range(tries):
        offset = t * longest // tries
        background = np.zeros_like(stem)
        for name, loop_volume in loops:
            loop = sounds[name]
            at = (offset + np.arange(len(stem))) % len(loop)
            background += loop[at] * loop_volume / 128
        broad, in_band, octave = cue_against(stem, background, 0)
        margins.append((broad, in_band, octave))
    broad = [m[0] for m in margins]
    in_band = [m[1] for m in margins]
    return min(broad), float(np.median(broad)), min(in_band), float(np.median(in_band)), margins[0][2]


def loop_seam(samples):
    """The step across the wrap, and the 99.5th percentile of the loop's ordinary steps (16-bit)."""
    pcm = np.round(samples * 32768)
    steps = np.abs(np.diff(pcm, axis=0))
    wrap = np.abs(pcm[0] - pcm[-1]).max()
    return int(wrap), int(np.percentile(steps, 99.5))


def brightness(samples):
    size = 1 << 15
    freqs, weights = band_weights(size)
    power = spectra(samples, size, size).mean(axis=0)
    centroid = float((power * freqs).sum() / power.sum())
    above = float(to_db(power @ weights["above5k"] / power.sum()))
    return centroid, above


def envelope_repetition(samples, longest):
    """How alike the loop's loudness pattern is to itself shifted by 0.3 s up to the loop's
    length less 0.3 s (1 = it repeats exactly): the gravel must not have an audible pattern."""
    hop = RATE // 100
    mono = np.abs(samples).sum(axis=1)
    envelope = mono[:len(mono) // hop * hop].reshape(-1, hop).max(axis=1)
    envelope = envelope - envelope.mean()
    full = np.fft.irfft(np.abs(np.fft.rfft(envelope)) ** 2)  # circular: the loop wraps
    full /= full[0]
    lags = np.arange(len(full)) * hop / RATE
    inside = (lags >= 0.3) & (lags <= min(longest, lags[-1] - 0.3))
    return float(full[inside].max())


def peak_memory(build):
    peaks = []
    for demo in DEMOS:
        env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
        result = subprocess.run(["/usr/bin/time", "-v", os.path.join(build, "velmora"), "--timedemo",
                                 os.path.join(ROOT, "demos", demo + ".demo")],
                                cwd=os.path.join(build, "assets"), env=env, capture_output=True, text=True)
        found = re.search(r"Maximum resident set size \(kbytes\): (\d+)", result.stderr)
        if found:
            peaks.append(int(found.group(1)) / 1024)
    return max(peaks) if peaks else float("nan")


# The quality the web page carries its music at (scripts/web-data.sh).
WEB_OGG_QUALITY = "2.5"


def ogg_sizes(assets, work):
    sizes = {}
    for path in sorted(glob.glob(os.path.join(assets, "sounds", "music", "*.wav"))):
        out = os.path.join(work, os.path.basename(path) + ".ogg")
        subprocess.run(["oggenc", "--quiet", "--quality", WEB_OGG_QUALITY, "-o", out, path], check=True)
        sizes[os.path.basename(path)[:-4]] = os.path.getsize(out)
    return sizes


def spectrogram(run, path, work):
    raw = os.path.join(work, "spectrogram.raw")
    (np.clip(run.mix, -1, 1) * 32767).astype("<i2").tofile(raw)
    subprocess.run(["sox", "-t", "raw", "-r", str(RATE), "-e", "signed", "-b", "16", "-c", "2", raw, "-n",
                    "remix", "-", "spectrogram", "-x", "1200", "-y", "513", "-z", "90",
                    "-t", "The opening drive as the player hears it (velmora --playdemo, SDL disk audio)",
                    "-o", path], check=True)


# --- The report ----------------------------------------------------------------------------

def report(build, outdir):
    assets = os.path.join(build, "assets")
    sounds, by_sum = sound_files(assets)
    lines = ["Velmora's sound as the player hears it (%s)" % os.path.relpath(assets, ROOT), ""]
    say = lines.append
    with tempfile.TemporaryDirectory(prefix="velmora-sound-") as work:
        shim = build_shim(work)
        runs = {}
        for demo in DEMOS:
            for _ in range(3):  # a recording starved by a busy machine is taken again
                mix, log = record(build, demo, shim, work)
                runs[demo] = demoRun(demo, mix, log, sounds, by_sum)
                if runs[demo].residual_db() < -40:
                    break
        say("Recordings (--playdemo through SDL's disk audio driver; the channels rebuilt from the")
        say("mixer calls must add up to the recording):")
        for demo, run in runs.items():
            say("  %-14s %5.1f s, integrated %6.1f LUFS, channels vs recording %6.1f dB" %
                (demo, run.frames / RATE, integrated_loudness(run.mix), run.residual_db()))
        say("")
        say("Engine over music, 0.25 s windows (K-weighted), with the level's music playing:")
        for demo, run in runs.items():
            cruising, playing = engine_over_music(run)
            if len(cruising):
                say("  %-14s cruising: %3d windows, %s" % (demo, len(cruising), spread(cruising)))
            if len(playing):
                say("  %-14s wherever the music plays: %3d windows, engine louder in %3.0f %%, %s" %
                    (demo, len(playing), 100.0 * np.mean(playing > 0), spread(playing)))
        say("")
        say("Music layers at their channel volumes (from the files):")
        heard = {}
        for layer, volume in LAYERS.items():
            own = integrated_loudness(sounds["music/" + layer])
            heard[layer] = own + 20 * np.log10(volume / 128)
            say("  %-8s file %6.1f LUFS, at %2d of 128: %6.1f LUFS" % (layer, own, volume, heard[layer]))
        say("  spread %.1f LU" % (max(heard.values()) - min(heard.values())))
        say("")
        say("Loops (seam: the step across the wrap / the 99.5th percentile of ordinary steps):")
        for name in ["music/trackA", "music/trackB2", "music/trackC2", "music/menu", "sfx/gravel",
                     "sfx/rev/0", "sfx/rev/1", "sfx/rev/2", "sfx/rev/3"]:
            wrap, ordinary = loop_seam(sounds[name])
            say("  %-14s %6.2f s, seam %5d / %5d" % (name, len(sounds[name]) / RATE, wrap, ordinary))
        gravel = sounds["sfx/gravel"]
        say("  gravel's loudness pattern against itself shifted (1 = repeats): %.2f" %
            envelope_repetition(gravel, len(gravel) / RATE))
        say("")
        say("Music brightness (spectral centroid; share of the power above 5 kHz):")
        for name in ["music/trackA", "music/trackB2", "music/trackC2", "music/menu"]:
            centroid, above = brightness(sounds[name])
            say("  %-14s %5.0f Hz, %6.1f dB" % (name, centroid, above))
        say("")
        say("Cues against the engine and music they play over (cue minus the rest, over the cue;")
        say("K-weighted, and in the cue's strongest octave):")
        for demo, run in runs.items():
            for name, volume, broad, in_band, octave in cue_margins(run, {"sfx/alarm", "sfx/flameChime", "sfx/click/0",
                                                                   "sfx/click/1"}):
                say("  %-14s %-14s at %3d: %+6.1f dB, %+6.1f dB at %d Hz" %
                    (demo, name, volume, broad, in_band, octave))
        say("Cues over the loops, from the files (worst and median of %d starting points):" % 12)
        for cue, volume, loops in FILE_CUES:
            worst, median, band_worst, band_median, octave = cue_from_files(sounds, cue, volume, loops)
            over = " + ".join("%s at %d" % (name.split("/", 1)[1], v) for name, v in loops)
            say("  %-14s at %2d over %-28s %+5.1f / %+5.1f dB, at %5d Hz %+5.1f / %+5.1f dB" %
                (cue, volume, over + ":", worst, median, octave, band_worst, band_median))
        say("")
        say("Peak memory (--timedemo, maximum resident set): %.1f MiB" % peak_memory(build))
        sizes = ogg_sizes(assets, work)
        listed = ", ".join("%s %.0f kB" % (n, s / 1000) for n, s in sizes.items())
        say("Music as Ogg (oggenc --quality %s, as the web page): %s; total %.2f MB"
            % (WEB_OGG_QUALITY, listed, sum(sizes.values()) / 1e6))
        os.makedirs(outdir, exist_ok=True)
        picture = os.path.join(outdir, "spectrogram.png")
        spectrogram(runs["opening-drive"], picture, work)
        say("Spectrogram of the opening drive's mix: %s" % picture)
    text = "\n".join(lines) + "\n"
    with open(os.path.join(outdir, "report.txt"), "w") as out:
        out.write(text)
    print(text, end="")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    report(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]))
