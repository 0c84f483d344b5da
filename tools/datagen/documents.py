"""The rich-text documents of the program folder: the user manual, the
credits, the list of changes (from the markup sources in docs/) and the table
of impaired subwatersheds (built from the counties of the state)."""

import os

import rtf
import settings
import state

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCES = {
    "Verdalis_Manual_ond.rtf": "manual.txt",
    "CREDITS_Verdalis.rtf": "credits.txt",
    "Verdalis_ListOfChanges.rtf": "changes.txt",
}

# Impaired subwatersheds: county, code, water, impairment, main sources.
SUBWATERSHEDS = (
    ("Brackwater", "03-01-04", "Salt Creek estuary", "N, P, low oxygen", "Drained cropland, poultry"),
    ("Brackwater", "03-01-07", "Heron Sound creeks", "N", "Drained cropland"),
    ("Sandhurst", "03-02-02", "Blackjack Run", "N, nitrate in wells", "Cropland on sands"),
    ("Marlow", "03-03-05", "Upper Marlow River", "P, sediment", "Cropland, dairies"),
    ("Marlow", "03-03-09", "Cypress Swamp Canal", "N, P", "Drained cropland"),
    ("Redfield", "02-04-01", "Red Clay Creek", "Sediment, P", "Eroding cropland, dairies"),
    ("Ashgrove", "02-05-03", "Ashgrove Reservoir", "P, algae", "Pasture, hay, cropland"),
    ("Highcrest", "01-06-02", "Highcrest Fork", "Sediment, bacteria", "Pasture, stream access"),
    ("Laurel Gap", "01-07-04", "Laurel River", "P, sediment", "Vegetables on steep fields"),
)


def subwatersheds_markup():
    provinces = {"CP": "Coastal Plain", "P": "Piedmont", "M": "Mountains"}
    lines = [f"# Impaired Subwatersheds of {state.STATE_NAME}", "",
             "Streams and estuaries of the state listed as impaired, with the pollutants that "
             "impair them (N nitrogen, P phosphorus) and the sources named in the current "
             "assessment. Fields that drain to one of these waters deserve the closest look at "
             "their nitrogen losses and their Total P Rating.", ""]
    for province_code, province in provinces.items():
        lines += [f"## {province}", "", "| County | Code | Water | Impairment | Main sources |"]
        for county_name, code, water, impairment, sources in SUBWATERSHEDS:
            if state.county_by_name(county_name).province == province_code:
                lines.append(f"| {county_name} | {code} | {water} | {impairment} | {sources} |")
        lines.append("")
    lines += ["", "> The subwatersheds, streams and listings of this table belong to the fictional "
              f"state of {state.STATE_NAME} of the bundled sample data."]
    return "\n".join(lines) + "\n"


def markup_of(source):
    with open(os.path.join(HERE, "docs", source), encoding="utf-8") as text:
        return text.read().replace("{VERSION}", settings.VERSION_NUMBER).replace(
            "{VERSION_DATE}", settings.VERSION_DATE)


def write_all(folder):
    os.makedirs(folder, exist_ok=True)
    documents = {name: markup_of(source) for name, source in SOURCES.items()}
    documents["SubWatersheds.rtf"] = subwatersheds_markup()
    for name, markup in documents.items():
        with open(os.path.join(folder, name), "w", encoding="ascii", newline="\n") as out:
            out.write(rtf.to_rtf(markup))
