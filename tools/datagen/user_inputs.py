"""The column set of the user table UserInputs.dbf (and of record lists for
batch runs, which share it), and a helper that fills a record's columns."""

import state
from tablefile import integer, real, text

USER_INPUT_COLUMNS = [
    text("RecordName", 80, True), text("ModeType", 15, True), text("PRODUCERID", 30),
    text("TRACTNUM", 30), text("FIELDNUM", 30), text("MappingUnt", 150, True),
    text("County", 50, True), integer("CalendarYR"), text("CROP_Zorv", 40),
    text("CROP_Tamb", 40), text("COVER_CROP", 10), real("FieldACRES"), integer("FieldSlope"),
    real("N_APP_RATE"), real("RYE"), text("BMPS", 80), text("BMPWidths", 80),
    real("ACRES_AFF"), real("N_App_Acrs"), real("Exss_N_Acr"), real("Exss_N_Sur"),
    real("Exss_N_Sub"), real("N_Needed"), real("Util_NCrop"), real("NLostB4BMP"),
    real("NLostCrop"), real("NLostCvCrp"), real("NLostBMP"), real("TotalNLost"),
    text("Tillage", 80), text("Tillage_N", 80), real("Soil_Loss"), text("RecSlopeDi", 40),
    real("PI_Surface"), real("PI_Subsoil"), real("WVRSurface"), real("WVRSubsoil"),
    text("NutrientID", 80), text("NutrientLB", 80), text("ManureP2O5", 80),
    text("Pct_P2O5", 80), text("Pct_N", 80), text("AppMethod", 80), text("DrainSystm", 4),
    integer("DrainSpacg"), integer("DrainDepth"), text("HydroCond", 8),
]

# Nitrogen results, in column order, and the result each column stores.
NITROGEN_RESULT_COLUMNS = {
    "N_App_Acrs": "N_Applied", "Exss_N_Acr": "Excess_N", "Exss_N_Sur": "Excess_N_Surface",
    "Exss_N_Sub": "Excess_N_Subsurface", "N_Needed": "N_Needed_Field",
    "Util_NCrop": "Utilized_N_Crop", "NLostB4BMP": "N_Lost_Before_BMP",
    "NLostCrop": "N_Lost_After_Crop", "NLostCvCrp": "N_Lost_After_Cover_Crops",
    "NLostBMP": "N_Lost_After_BMP", "TotalNLost": "Total_N_Lost",
}


def record(name, mode, county, musym, **columns):
    """A record of the given type on a map unit of a county, as a save writes it:
    the map unit as the list shows it, symbol, ": " and name."""
    unit = state.map_unit(county, musym)
    values = {"RecordName": name, "ModeType": mode, "County": county,
              "MappingUnt": f"{unit.musym}: {unit.muname}"}
    values.update(columns)
    return values
