#!/usr/bin/env python3
"""Runs vx-check on a copy of the demo installation, text and --json, and checks every JSON
report against docs/report.schema.json and against the text report of the same run.

usage: report_schema_check.py VX_CHECK DEMO_DIR SCHEMA
"""
import json
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

import jsonschema

# A DefDW line is listed but not computed by a DefWW run; its Latin-1 byte must reach the JSON
# as the character it stands for.
LATIN1_TS_LINE = b"S120E7 (DefDW;;) : TS1 u TS\xe42\r\n"

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def run(vx_check, root, args):
    done = subprocess.run([vx_check, "--root", str(root)] + args, capture_output=True, check=False)
    return done.returncode, done.stdout


def text_lines(stdout):
    return stdout.decode("latin-1").split("\n")[:-1]


def after(lines, marker):
    return lines[lines.index(marker) + 1:] if marker in lines else []


def check_1br(name, report, lines, exit_code):
    where = "1br " + name
    check(report["mode"] == "1BR", where + ": mode")
    check([v["text"] for v in report["se_values"]] == after(lines, "SE-Results: "),
          where + ": se_values are not the SE-Results lines")
    for value in report["se_values"]:
        check(value["se"] + value["type"] + str(value["value"]) == value["text"],
              where + ": SE value " + value["text"] + " split wrongly")
    check((report["status"] == "ok") == (exit_code == 0), where + ": status against exit status")
    check(lines[0] == "//Session Results: vx2.0b, " + report["date"], where + ": date")
    for prefix, key in (("In Zeile: ", "line"), ("In Zyklus: ", "cycle"), ("OK, Zyklen: ", "cycle")):
        for line in lines:
            if line.startswith(prefix):
                check(report[key] == int(line[len(prefix):]), where + ": " + key)
    conflicts = [line for line in lines if line.startswith("Error1: ")]
    check(bool(conflicts) == (report["error_kind"] == "Error1"), where + ": error kind")
    if conflicts:
        check(report["status"] == "conflict", where + ": status of a conflict")
        check(("Fehler bei Satz: " + report["sentence"] + " ") in conflicts[0], where + ": sentence")


def check_2br(name, report, lines, exit_code):
    where = "2br " + name
    check(report["mode"] == "2BR", where + ": mode")
    listed = [line for line in lines[:lines.index("--- results")] if not line.startswith("//")]
    verdicts = [v for logic in report["logics"] for v in logic["verdicts"]]
    check([v["text"] for v in verdicts] == listed, where + ": verdicts are not the listed lines")
    check(report["messages"] == after(lines, "--- results"), where + ": messages")
    for verdict in verdicts:
        text = verdict["text"]
        check(text.startswith(verdict["se"] + ":" + verdict["ts"]), where + ": SE and TS of " + text)
        for word in ("MATCHES", "INCONSISTENT"):
            check(((", " + word + " ") in text) == (verdict["verdict"] == word),
                  where + ": verdict of " + text)
        for term in verdict["first_assignment"]:
            check("%s=%d " % (term["term"], term["value"]) in text, where + ": assignment of " + text)
    inconsistent = any(", INCONSISTENT " in line for line in listed)
    check((report["status"] == "conflict") == inconsistent, where + ": status against the verdicts")
    check(exit_code == 0 or report["status"] != "ok", where + ": ok with a failing exit status")


def json_report(vx_check, root, args, validator):
    code, out = run(vx_check, root, args)
    report = json.loads(out.decode("utf-8"))
    for error in validator.iter_errors(report):
        check(False, " ".join(args) + ": schema: " + error.message + " at " + error.json_path)
    return code, report


# With --explain the conflict's trace and its smallest set of lines come along: every line of
# that set is a line of the session, and every derivation rests on values before it.
def check_explained(vx_check, root, validator):
    code, report = json_report(vx_check, root, ["1br", "--explain", "Conflict", "--json"], validator)
    where = "1br --explain Conflict"
    check(code == 1 and report["status"] == "conflict", where + ": status")
    explanation = report.get("explanation", {})
    trace = explanation.get("trace", [])
    check(len(trace) > 0, where + ": no trace")
    for position, derivation in enumerate(trace):
        check(all(0 <= earlier < position for earlier in derivation["from"]),
              where + ": derivation " + str(position) + " rests on a later value")
    session = (root / "Sessions" / "Conflict").read_bytes().decode("latin-1").split("\r\n")
    lines = explanation.get("smallest_conflict", {}).get("lines", [])
    check(len(lines) > 0, where + ": no smallest conflict")
    for line in lines:
        check(session[line["line"]] == line["text"], where + ": line " + str(line["line"]))


def check_counted(vx_check, root, validator):
    _, report = json_report(vx_check, root, ["2br", "Breakfast", "--all-matches", "--json"],
                            validator)
    counted = [v for logic in report["logics"] for v in logic["verdicts"]
               if v["verdict"] == "MATCHES"]
    check(len(counted) > 0 and all((v.get("matches") or 0) >= 1 for v in counted),
          "2br --all-matches: a MATCHES verdict without its count")


def main():
    vx_check, demo, schema_file = sys.argv[1:4]
    schema = json.loads(Path(schema_file).read_text(encoding="utf-8"))
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    with tempfile.TemporaryDirectory() as temp:
        root = Path(temp) / "vx"
        shutil.copytree(demo, root)
        with open(root / "Sessions" / "_2BR_Breakfast" / "Breakfast.TS", "ab") as ts:
            ts.write(LATIN1_TS_LINE)
        cases = [("1br", "Conflict", check_1br), ("1br", "Morning", check_1br),
                 ("2br", "Breakfast", check_2br)]
        for command, name, check_mode in cases:
            text_exit, text_out = run(vx_check, root, [command, name])
            json_exit, json_out = run(vx_check, root, [command, name, "--json"])
            where = command + " " + name
            check(text_exit == json_exit, where + ": exit status differs with --json")
            try:
                report = json.loads(json_out.decode("utf-8"))
            except (UnicodeDecodeError, ValueError) as error:
                check(False, where + ": no UTF-8 JSON: " + str(error))
                continue
            for error in validator.iter_errors(report):
                check(False, where + ": schema: " + error.message + " at " + error.json_path)
            lines = text_lines(text_out)
            check(report["text"] == lines, where + ": text is not the text report")
            check_mode(name, report, lines, json_exit)
            if command == "2br":
                check(any("TS\u00e42" in line for line in report["text"]),
                      where + ": the Latin-1 line is not in the JSON as its character")
        check_explained(vx_check, root, validator)
        check_counted(vx_check, root, validator)
    for failure in failures:
        print("FAILED: " + failure)
    print("%d cases, %d failures" % (len(cases), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
