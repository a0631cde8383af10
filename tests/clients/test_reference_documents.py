"""Whole documents: every command with four switch sets, on the built-in tables and on
another set of tables, as EPS, DXF and SVG, compared byte for byte with the files in
tests/reference. The EPS creation time is the only line masked.

TESSARO_UPDATE_REFERENCES=1 writes the references anew instead of comparing."""
import os
import re
import unittest
from concurrent.futures import ThreadPoolExecutor

from cli_support import command_names, run_cli

REFERENCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "reference")
UPDATING = os.environ.get("TESSARO_UPDATE_REFERENCES") == "1"

SWITCH_SETS = {
    "plain": [],
    "relief": ["--relief", "--tab-relief"],
    "screws": ["--screws"],
    "everything": ["--relief", "--screws", "--one-tooth", "--no-jumper", "--no-lid-corners",
                   "--tab-relief", "--feet", "none"],
}

# A 3 mm box with tight allowances, smaller screws, a finer spiral and a larger bobbin.
OTHER_TABLES = [
    "main.M=3", "main.W=150", "main.H=60", "main.D=100", "main.Ah=0.05", "main.Al=0.3",
    "main.F=3", "main.T=3", "main.Cd=2",
    "screw.L1=8", "screw.L2=2.5", "screw.L3=4", "screw.L4=3", "screw.L5=5.5",
    "tabslot.T=3", "tabslot.L=12", "tabslot.G=18", "tabslot.A=0.05", "tabslot.B=0.25", "tabslot.D=1.5",
    "spiral.R=4", "spiral.Fi=10", "spiral.St=2.5", "spiral.N=5",
    "bobbin.t=1.5", "bobbin.h=42", "bobbin.b=11", "bobbin.a=16", "bobbin.k=18", "bobbin.g=0.2",
]
TABLES = {"built-in": [], "other": [arg for value in OTHER_TABLES for arg in ("--set", value)]}

CREATION_DATE = re.compile(rb"^%%CreationDate: .*$", re.MULTILINE)


def masked(document, format_name):
    return CREATION_DATE.sub(b"%%CreationDate: (masked)", document) if format_name == "eps" else document


def cases():
    for command in command_names():
        for tables in TABLES:
            for switches in SWITCH_SETS:
                for format_name in ("eps", "dxf", "svg"):
                    yield command, tables, switches, format_name


def reference_path(command, tables, switches, format_name):
    return os.path.join(REFERENCE, command, f"{tables}-{switches}.{format_name}")


def produce(case):
    command, tables, switches, format_name = case
    result = run_cli(command, *TABLES[tables], *SWITCH_SETS[switches], "-f", format_name, "-o", "-")
    return case, result


def first_difference(expected, actual):
    expected_lines, actual_lines = expected.split(b"\n"), actual.split(b"\n")
    for number, (want, got) in enumerate(zip(expected_lines, actual_lines), start=1):
        if want != got:
            return f"line {number}: expected {want!r}, got {got!r}"
    return f"{len(expected_lines)} lines expected, {len(actual_lines)} written"


class ReferenceDocuments(unittest.TestCase):
    def test_every_command_writes_its_reference_documents(self):
        all_cases = list(cases())
        self.assertEqual(len(all_cases), 15 * 2 * 4 * 3)
        with ThreadPoolExecutor(max_workers=2) as pool:
            results = list(pool.map(produce, all_cases))
        differing = []
        for case, result in results:
            self.assertEqual(result.returncode, 0, (case, result.stderr))
            document = masked(result.stdout, case[3])
            path = reference_path(*case)
            if UPDATING:
                os.makedirs(os.path.dirname(path), exist_ok=True)
                with open(path, "wb") as f:
                    f.write(document)
                continue
            with open(path, "rb") as f:
                expected = f.read()
            if expected != document:
                differing.append(f"{os.path.relpath(path, REFERENCE)}: {first_difference(expected, document)}")
        self.assertEqual(differing, [], f"{len(differing)} of {len(all_cases)} documents differ")


if __name__ == "__main__":
    unittest.main()
