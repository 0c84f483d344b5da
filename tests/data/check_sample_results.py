"""Calculates every bundled sample assessment with `verdalis-cli calculate` on
a copy of the built program folder and checks its report against the results
the sample data was made to reach (data/samples/UserInputs.expected.csv): the
pounds of nitrogen lost, and the Total P Rating with its word."""

import csv
import pathlib
import shutil
import subprocess
import sys
import tempfile


def report_value(report, caption):
    for line in report.splitlines():
        if line.startswith(caption) and "=" in line:
            return line.split("=", 1)[1].strip()
    return None


def pounds(text):
    return round(float(text.split()[0].replace(",", "")))


def check_record(cli, program_dir, expected):
    name = expected["RecordName"]
    run = subprocess.run([cli, "calculate", name, "--program-dir", str(program_dir)],
                         capture_output=True, text=True, timeout=120)
    if run.returncode != 0:
        return [f"{name}: verdalis-cli failed: {run.stderr.strip()}"]
    problems = []
    nitrogen = expected["Total_N_Lost"]
    lost = report_value(run.stdout, "Total_N_Lost")
    if nitrogen and nitrogen != "N/A":
        if lost is None or pounds(lost) != int(nitrogen):
            problems.append(f"{name}: Total_N_Lost {lost}, expected {nitrogen}")
    rating = expected["Rating"]
    if rating:
        shown = report_value(run.stdout, "TOTAL P RATING")
        wanted = f"{expected['Total']} ({rating.upper()})"
        if shown != wanted:
            problems.append(f"{name}: TOTAL P RATING {shown}, expected {wanted}")
    return problems


def main():
    cli, program_folder, expected_csv = sys.argv[1], pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
    with tempfile.TemporaryDirectory() as scratch:
        program_dir = pathlib.Path(scratch) / "Verdalis"
        # A copy, since calculating writes the working tables of the dialogs.
        shutil.copytree(program_folder, program_dir)
        with expected_csv.open(newline="", encoding="utf-8") as handle:
            records = list(csv.DictReader(handle))
        problems = [problem for record in records for problem in check_record(cli, program_dir, record)]
    for problem in problems:
        print(problem)
    print(f"{len(records)} sample records, {len(problems)} problems")
    return 1 if problems or not records else 0


if __name__ == "__main__":
    sys.exit(main())
