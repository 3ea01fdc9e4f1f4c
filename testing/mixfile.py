"""The audio library's mix as a WAV file, for tests and measurements of sound.

    folder = tempfile.mkdtemp()
    env["ALSOFT_CONF"] = mix_config(folder)        # the mix goes to folder/mix.wav
    mix = MixFile(folder)
    at = mix.frames()                              # sample frames written so far
    rate, levels = mix.levels()                    # each frame's loudest channel, 0 to 1

mix_config(folder, wav=False) names a driver that cannot open: no device at all.
"""

import os
import struct


def mix_config(folder, wav=True):
    """Writes a configuration for the audio library into folder; returns its path."""
    path = os.path.join(folder, "alsoft.conf")
    with open(path, "w") as f:
        f.write("[general]\ndrivers = wave\n")
        if wav:
            f.write(f"[wave]\nfile = {os.path.join(folder, 'mix.wav')}\n")
    return path


class MixFile:
    """The WAV file the audio library writes as it mixes, read while it grows."""

    def __init__(self, folder):
        self.path = os.path.join(folder, "mix.wav")

    def _read(self):
        """(channels, rate, bits, data, start of the samples), or None before the header."""
        data = open(self.path, "rb").read() if os.path.exists(self.path) else b""
        pos, fmt = 12, None
        while pos + 8 <= len(data):
            kind, size = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
            if kind == b"fmt ":
                fmt = struct.unpack("<HI", data[pos + 10:pos + 16]) + struct.unpack("<H", data[pos + 22:pos + 24])
            if kind == b"data":  # its size is written only at the end: the samples run to the end
                return fmt + (data, pos + 8)
            pos += 8 + size
        return None

    def frames(self):
        found = self._read()
        if not found:
            return 0
        channels, _, bits, data, start = found
        return (len(data) - start) // (channels * bits // 8)

    def levels(self):
        channels, rate, bits, data, start = self._read()
        count = (len(data) - start) // (channels * bits // 8) * channels
        if bits == 32:
            values = struct.unpack_from(f"<{count}f", data, start)
        else:
            values = [v / 32768 for v in struct.unpack_from(f"<{count}h", data, start)]
        return rate, [max(abs(v) for v in values[i:i + channels]) for i in range(0, count, channels)]
