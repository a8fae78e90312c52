#!/usr/bin/env python3
"""The JSON Schema of the codeplug text, as the build writes it: it accepts
the export of every sample file, and it refuses what apply refuses for a
value of the wrong kind, so that an editor warns where apply would.

    text_schema_test.py BIN_DIR SOURCE_DIR
"""
import copy
import glob
import json
import os
import random
import subprocess
import sys
import tempfile

import jsonschema
import yaml

bin_dir, source_dir = sys.argv[1], sys.argv[2]
cli = os.path.join(bin_dir, "vexprog-cli")
data_dir = os.path.join(bin_dir, "data")
env = dict(os.environ, VEXPROG_LINK_TIMING="quick")


def run(*args, stdin=None):
    return subprocess.run([cli, "--data-dir", data_dir, *args], input=stdin, capture_output=True, text=True, env=env)


with open(os.path.join(data_dir, "codeplug-text.schema.json"), encoding="utf-8") as f:
    schema = json.load(f)
assert json.loads(run("text-schema").stdout) == schema, "text-schema differs from the file the build wrote"
jsonschema.Draft7Validator.check_schema(schema)
validator = jsonschema.Draft7Validator(schema)

samples = sorted(glob.glob(os.path.join(source_dir, "fuzz/corpus/codeplug_fuzz/*.dat")))
samples += sorted(glob.glob(os.path.join(data_dir, "*DefaultSet.dat")))
texts = {}


def check_export(sample):
    exported = run("export", sample)
    if exported.returncode != 0:
        return False  # not a codeplug file the program opens
    texts[sample] = yaml.safe_load(exported.stdout)
    errors = [f"{'.'.join(map(str, e.absolute_path))}: {e.message}" for e in validator.iter_errors(texts[sample])]
    assert not errors, f"{sample}: " + "\n".join(errors[:5])
    return True


exported_samples = sum(check_export(sample) for sample in samples)
assert exported_samples >= 4, f"only {exported_samples} samples exported"

# Random image bytes: the values without a text form go out as {raw: HEX}.
with tempfile.TemporaryDirectory() as scratch:
    whole = open(os.path.join(source_dir, "fuzz/corpus/codeplug_fuzz/whole.dat"), "rb").read()
    for seed in range(4):
        bytes_ = bytearray(whole)
        shuffle = random.Random(seed)
        for _ in range(300 if seed % 2 else 8192):
            bytes_[shuffle.randrange(len(bytes_) - 8192, len(bytes_))] = shuffle.randrange(256)
        sample = os.path.join(scratch, f"random-{seed}.dat")
        with open(sample, "wb") as f:
            f.write(bytes_)
        assert check_export(sample), f"random image {seed} does not export"


def base_text():
    return copy.deepcopy(texts[os.path.join(source_dir, "fuzz/corpus/codeplug_fuzz/whole.dat")])


def set_path(text, path, value):
    node = text
    for key in path[:-1]:
        node = node[key]
    node[path[-1]] = value
    return text


wrong = {
    "a flag as a text": (["settings", "misc", "battery_save"], "yes"),
    "a frequency as a text": (["channels", 0, "rx_frequency"], "fast"),
    "an option that does not exist": (["settings", "misc", "vox_gain_level"], 12),
    "a tone out of range": (["channels", 0, "rx_tone"], 20.0),
    "an unknown key": (["settings", "misc", "vox_gain"], 3),
    "a personality past the last": (["channels", 0, "personality"], 9),
    "a text too long": (["file", "model_id"], "x" * 17),
    "too many channels": (["channels"], [{}] * 18),
}
with tempfile.TemporaryDirectory() as scratch:
    for name, (path, value) in wrong.items():
        text = set_path(base_text(), path, value)
        assert not validator.is_valid(text), f"the schema accepts {name}"
        out = os.path.join(scratch, "out.dat")
        applied = run("apply", "-", "-o", out, stdin=yaml.safe_dump(text))
        assert applied.returncode == 1 and not os.path.exists(out), f"apply takes {name}: {applied.stderr}"
print(f"text schema: {len(texts)} exports accepted, {len(wrong)} wrong texts refused")
