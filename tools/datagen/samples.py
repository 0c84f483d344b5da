"""The named assessments shipped in UserInputs.dbf and the record list for
batch runs. Each record states in `shows` what it is meant to show and the
class it should reach; the generator checks the class with estimate.py and
README.md lists them."""

from dataclasses import dataclass, field

from user_inputs import record

CONVENTIONAL = "Conventional Tillage"
NO_TILL = "No-Till"
STRIP_TILL = "Strip-Till"
REDUCED = "Reduced Tillage (Chisel)"


@dataclass
class Sample:
    shows: str
    nitrogen: str | None      # expected Total N Lost: "0", "N/A", "hundreds", "thousands" (lbs)
    phosphorus: str | None    # expected Total P Rating word
    columns: dict = field(default_factory=dict)


def nutrients(*sources):
    """Packed nutrient texts of (source id, amount, lb P2O5 or None, % P2O5 or None, AppID)."""
    def item(value):
        return "-1" if value is None else f"{value:g}"
    return {"NutrientID": ",".join(s[0] for s in sources),
            "NutrientLB": ",".join(item(s[1]) for s in sources),
            "ManureP2O5": ",".join(item(s[2]) for s in sources),
            "Pct_P2O5": ",".join(item(s[3]) for s in sources),
            "AppMethod": ",".join(s[4] for s in sources)}


def bmps(*selected, acres=None):
    """Packed BMP texts of (BMP_ID, width or None) and the acres they affect."""
    return {"BMPS": ",".join(s[0] for s in selected),
            "BMPWidths": ",".join("-1" if s[1] is None else str(s[1]) for s in selected),
            "ACRES_AFF": acres}


IDENTIFICATION = {"CalendarYR": 2015}


def identified(producer, tract, field_number, **columns):
    return dict(IDENTIFICATION, PRODUCERID=producer, TRACTNUM=tract, FIELDNUM=field_number,
                **columns)


USER_SAMPLES = [
    Sample("Drained tidewater corn: drainage model with spacing and depth, broiler litter "
           "incorporated; large field, so N losses run into thousands of pounds.",
           "thousands", "Medium",
           record("Brackwater Drained Corn", "ZorvTamb", "Brackwater", "TwA", **identified(
               "P-1041", "T-220", "3", CROP_Zorv="Corn", CROP_Tamb="Corn", Tillage=CONVENTIONAL,
               Tillage_N=CONVENTIONAL, FieldACRES=40, FieldSlope=1, N_APP_RATE=170,
               Soil_Loss=3.0, RecSlopeDi="101 - 300", PI_Surface=60, DrainSystm="yes",
               DrainSpacg=80, DrainDepth=42,
               **nutrients(("201", 3, None, None, "2"))))),
    Sample("Sandy soil over its P threshold: the 28-32 in sample (subsoil M3P above 50) "
           "sets the rating HIGH although the total is low; the red explanation shows.",
           None, "HIGH",
           record("Sandhurst Sand Subsoil Test", "Tamb", "Sandhurst", "SaB", **identified(
               "P-2210", "T-15", "7", CROP_Tamb="Corn", Tillage=NO_TILL, Soil_Loss=1.0,
               RecSlopeDi="501 - 1000", PI_Surface=90, PI_Subsoil=70, HydroCond="Good",
               **nutrients(("105", 200, None, 15, "4"))))),
    Sample("No-till soybeans far from water on a low soil test, no sources: Low.",
           None, "Low",
           record("Marlow No-Till Soybeans", "Tamb", "Marlow", "MfA", **identified(
               "P-3307", "T-88", "12", CROP_Tamb="Soybeans", Tillage=NO_TILL, Soil_Loss=1.0,
               RecSlopeDi="1001 - 2000", PI_Surface=30, HydroCond="Good"))),
    Sample("Eroding piedmont silage field next to a stream, surface-applied dairy manure on "
           "a high soil test: Very High; Piedmont corn with conventional tillage takes NUE 0.4.",
           "thousands", "Very High",
           record("Redfield Dairy Silage", "ZorvTamb", "Redfield", "RfC", **identified(
               "P-4120", "T-301", "1", CROP_Zorv="Corn Silage", CROP_Tamb="Corn Silage",
               Tillage=CONVENTIONAL, Tillage_N=CONVENTIONAL, FieldACRES=25, FieldSlope=8,
               N_APP_RATE=220, Soil_Loss=8.0, RecSlopeDi="0 - 100", PI_Surface=150,
               HydroCond="Poor", **nutrients(("204", 20, None, None, "6"))))),
    Sample("Wheat with a 30 ft grass filter strip on 5 of 12 acres: the buffer reduction "
           "(width class 30) applies to the affected share.",
           "hundreds", None,
           record("Ashgrove Wheat Filter Strip", "Zorv", "Ashgrove", "AgB", **identified(
               "P-5002", "T-41", "2", CROP_Zorv="Wheat", Tillage_N=REDUCED, FieldACRES=12,
               FieldSlope=4, N_APP_RATE=120, **bmps(("1", 30), acres=5)))),
    Sample("A pasture entry: the nitrogen method gives N/A.",
           "N/A", None,
           record("Highcrest Fescue Pasture", "Zorv", "Highcrest", "HcB", **identified(
               "P-6015", "T-7", "4", CROP_Zorv="Fescue Hay**Pasture", FieldACRES=18,
               FieldSlope=5, N_APP_RATE=60))),
    Sample("Alfalfa: an agronomic crop, 0 lbs N lost; mountain alfalfa with broiler litter "
           "of a laboratory analysis (55 lb P2O5/ton, raised for surface application) on a "
           "steep stony soil rates High.",
           "0", "High",
           record("Laurel Gap Alfalfa", "ZorvTamb", "Laurel Gap", "LsD", **identified(
               "P-7033", "T-12", "6", CROP_Zorv="Alfalfa", CROP_Tamb="Alfalfa", FieldACRES=12,
               FieldSlope=12, N_APP_RATE=0, Soil_Loss=4.0, RecSlopeDi="101 - 300",
               PI_Surface=80, HydroCond="Poor", **nutrients(("201", 2, 55, None, "6"))))),
    Sample("Peanuts: an agronomic crop, 0 lbs N lost whatever the rate.",
           "0", None,
           record("Sandhurst Peanuts", "Zorv", "Sandhurst", "PbA", **identified(
               "P-2214", "T-16", "2", CROP_Zorv="Peanuts", Tillage_N=CONVENTIONAL,
               FieldACRES=22, FieldSlope=2, N_APP_RATE=30))),
    Sample("Plasticulture tomatoes: a vegetable entry with \"**\" is still calculated from its "
           "N_App_Rate; conventional tillage offers only the Poor condition, which is taken "
           "without asking; a complete fertilizer at planting rates High.",
           "hundreds", "High",
           record("Marlow Plasticulture Tomatoes", "ZorvTamb", "Marlow", "CwA", **identified(
               "P-3320", "T-90", "5", CROP_Zorv="Tomatoes**Plasticulture",
               CROP_Tamb="Tomatoes**Plasticulture", Tillage=CONVENTIONAL,
               Tillage_N=CONVENTIONAL, FieldACRES=6, FieldSlope=3, N_APP_RATE=200,
               Soil_Loss=4.0, RecSlopeDi="101 - 300", PI_Surface=70,
               **nutrients(("104", 800, None, 10, "3"))))),
    Sample("Drained cotton with a cereal rye cover crop and controlled drainage on the whole "
           "field: both N reductions apply; controlled drainage also lowers P delivery.",
           "hundreds", "Medium",
           record("Marlow Cotton Controlled Drainage", "ZorvTamb", "Marlow", "TwA", **identified(
               "P-3345", "T-92", "1", CROP_Zorv="Cotton", CROP_Tamb="Cotton", Tillage=STRIP_TILL,
               Tillage_N=STRIP_TILL, COVER_CROP="Cereal Rye", FieldACRES=20, FieldSlope=1,
               N_APP_RATE=90, Soil_Loss=4.0, RecSlopeDi="301 - 500", PI_Surface=70,
               DrainSystm="yes", DrainSpacg=100, DrainDepth=48,
               **bmps(("3", None), acres=20), **nutrients(("102", 200, None, 46, "4"))))),
    Sample("Corn with less N than it needs (producer RYE 160): the \"LESS THAN the crop "
           "needs\" note shows and only the unused need counts as lost.",
           "hundreds", None,
           record("Brackwater Corn Short of N", "Zorv", "Brackwater", "MfA", **identified(
               "P-1050", "T-221", "8", CROP_Zorv="Corn", Tillage_N=NO_TILL, FieldACRES=15,
               FieldSlope=1, N_APP_RATE=100, RYE=160))),
    Sample("Sweet corn with liquid 10-34-0 (its lb P2O5 taken eleven-fold) and triple "
           "superphosphate surface-applied on a steep mountain field next to the river: Very "
           "High even with contour strip cropping and a grassed waterway (the waterway lowers "
           "particulate P only).",
           None, "Very High",
           record("Laurel Gap Sweet Corn", "Tamb", "Laurel Gap", "CvC", **identified(
               "P-7040", "T-13", "2", CROP_Tamb="Sweet Corn", Tillage=CONVENTIONAL,
               Soil_Loss=6.0, RecSlopeDi="0 - 100", PI_Surface=120, PI_Subsoil=40,
               **bmps(("4", None), ("5", None)),
               **nutrients(("106", 15, None, 34, "6"), ("101", 100, None, 46, "6"))))),
    Sample("Tobacco with a 50 ft grass filter strip and a constructed wetland: the buffer "
           "class 50 and the wetland's soluble P factor hold an eroding field next to a "
           "stream at Medium.",
           None, "Medium",
           record("Redfield Tobacco Buffers", "Tamb", "Redfield", "GhB", **identified(
               "P-4133", "T-305", "9", CROP_Tamb="Tobacco", Tillage=REDUCED, Soil_Loss=5.0,
               RecSlopeDi="0 - 100", PI_Surface=100, HydroCond="Good",
               PI_Subsoil=30, **bmps(("1", 50), ("6", None)),
               **nutrients(("104", 500, None, 10, "2"))))),
]


@dataclass
class BatchSample:
    shows: str
    error: str          # the result table's Error column: "", "Input Data Error", "Calculation Error"
    message: str        # the collected message (Error_Dtld), with "\r\n" line breaks
    columns: dict = field(default_factory=dict)


UNKNOWN_COUNTY = "Mistwood"

BATCH_SAMPLES = [
    BatchSample("A complete record of both types on an undrained soil: calculated.", "", "",
                record("Batch Marlow Corn", "ZorvTamb", "Marlow", "MfB", **identified(
                    "B-100", "T-1", "1", CROP_Zorv="Corn", CROP_Tamb="Corn", Tillage=NO_TILL,
                    Tillage_N=NO_TILL, FieldACRES=25, FieldSlope=3, N_APP_RATE=160,
                    Soil_Loss=3.5, RecSlopeDi="301 - 500", PI_Surface=55, HydroCond="Fair",
                    **nutrients(("201", 2, None, None, "2"))))),
    BatchSample("A county that the tables do not know.", "Input Data Error",
                f"Error in County Name\r\n     {UNKNOWN_COUNTY}\r\nis INVALID",
                dict(identified("B-101", "T-2", "1"), RecordName="Batch Unknown County",
                     ModeType="Zorv", County=UNKNOWN_COUNTY, MappingUnt="MfA: Marlow fine sandy loam, "
                     "0 to 2 percent slopes", CROP_Zorv="Corn", Tillage_N=NO_TILL, FieldACRES=10,
                     FieldSlope=1, N_APP_RATE=150)),
    BatchSample("A drained soil whose drainage question was never answered.", "Input Data Error",
                "Drainage Info does not exist",
                record("Batch Drainage Not Answered", "Tamb", "Brackwater", "TwB", **identified(
                    "B-102", "T-3", "2", CROP_Tamb="Soybeans", Tillage=NO_TILL, Soil_Loss=1.5,
                    RecSlopeDi="101 - 300", PI_Surface=40))),
    BatchSample("A hydrologic condition that the crop and tillage do not offer (conventional "
                "corn offers Good and Poor).", "Input Data Error", "Error in Hydrologic Condition",
                record("Batch Condition Not Offered", "Tamb", "Ashgrove", "ScB", **identified(
                    "B-103", "T-4", "1", CROP_Tamb="Corn", Tillage=CONVENTIONAL, Soil_Loss=3.0,
                    RecSlopeDi="101 - 300", PI_Surface=60, HydroCond="Fair"))),
    BatchSample("A Tamb record without soil loss: the calculation refuses it.", "Calculation Error",
                "Cannot calculate Tamb. Please make sure\r\n\r\nSoil Loss (t/ac/yr) \r\n\r\n"
                "has been entered.",
                record("Batch No Soil Loss", "Tamb", "Highcrest", "HcC", **identified(
                    "B-104", "T-5", "3", CROP_Tamb="Fescue Hay", RecSlopeDi="501 - 1000",
                    PI_Surface=45, HydroCond="Good"))),
    BatchSample("A map unit stored by its symbol only: found through the symbol.", "", "",
                dict(record("Batch Symbol Only", "Zorv", "Brackwater", "CyA", **identified(
                    "B-105", "T-6", "1", CROP_Zorv="Soybeans", Tillage_N=NO_TILL, FieldACRES=30,
                    FieldSlope=1, N_APP_RATE=0)), MappingUnt="CyA")),
    BatchSample("A nitrogen crop stored by its crop code (11 = Corn): translated.", "", "",
                record("Batch Crop Code", "Zorv", "Redfield", "CbA", **identified(
                    "B-106", "T-7", "2", CROP_Zorv="11", Tillage_N=NO_TILL, FieldACRES=14,
                    FieldSlope=1, N_APP_RATE=140))),
    BatchSample("A drained mountain meadow answered No: curve numbers with the Fair "
                "condition of pasture; horse manure.", "", "",
                record("Batch Undrained Meadow", "Tamb", "Highcrest", "BmA", **identified(
                    "B-107", "T-8", "4", CROP_Tamb="Orchardgrass Hay**Pasture", Soil_Loss=0.5,
                    RecSlopeDi="0 - 100", PI_Surface=70, DrainSystm="no", HydroCond="Fair",
                    **nutrients(("208", 8, None, None, "6"))))),
    BatchSample("A grass filter strip together with controlled drainage: with BMP 3 present "
                "every BMP takes the reduction of BMP 3; a forage radish cover crop.", "", "",
                record("Batch Buffer And Drainage", "Zorv", "Marlow", "TwA", **identified(
                    "B-109", "T-10", "2", CROP_Zorv="Corn", Tillage_N=STRIP_TILL,
                    COVER_CROP="Radish", FieldACRES=30, FieldSlope=1, N_APP_RATE=150,
                    **bmps(("1", 30), ("3", None), acres=15)))),
    BatchSample("A pasture entry in a batch: N/A, no error.", "", "",
                record("Batch Pasture", "Zorv", "Sandhurst", "OrB", **identified(
                    "B-108", "T-9", "1", CROP_Zorv="Bermudagrass Hay**Pasture", FieldACRES=40,
                    FieldSlope=4, N_APP_RATE=100))),
]
