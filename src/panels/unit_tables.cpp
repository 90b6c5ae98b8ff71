#include "panels/unit_tables.h"

namespace qv {

namespace {

const std::vector<Unit> kLength = {
    {"Meter", "  m", 1},
    {"Kilometer", " km", 0.001L},
    {"Centimeter", " cm", 100},
    {"Millimeter", " mm", 1000},
    {"Fuß", " ft", 3.280839895013123L},
    {"Zoll", " in", 39.37007874015748L},
    {"Yard", " yd", 1.093613298337708L},
    {"Furlongs", " fl", 0.004970969537899L},
    {"Mile", " mi", 0.000621371192237L},
    {"US Mile", " usmi", 0.000621369949493L},
    {"Seemeilen", " smi", 0.000539956803456L},
    {"Lichtjahre", " LJ", 1.057000834024615463709461e-16L},
    {"Parsecs", " pc", 3.240779289444365023237688e-17L},
    {"AE (Astron. Einh.)", " AE", 6.684587122268445495995953e-12L},
};

const std::vector<Unit> kMass = {
    {"Gramm", "  g", 1},
    {"Kilogramm", " kg", 0.001L},
    {"Milligramm", " mg", 1000},
    {"Microgramm", " µg", 1000000},
    {"Tonne", "  t", 0.000001L},
    {"Ton (long)", " lt", 9.842065276e-7L},
    {"Ton (short)", " st", 1.102311310924387e-6L},
    {"Pound", "  lb", 0.002204622621849L},
    {"Ounces", " oz", 0.035273962105112L},
    {"Carat", " ct", 5},
    {"Unze (De)", " uz", 0.033333333333333L},
    {"Zentner", "  z", 0.00002L},
    {"Atomgew.", "  u", 6.022140762081122602599056e23L},
};

const std::vector<Unit> kArea = {
    {"Meter²", "  m²", 1},
    {"Centimeter²", " cm²", 10000},
    {"Millimeter²", " mm²", 1000000},
    {"Hektar", " ha", 0.0001L},
    {"Kilometer²", " km²", 0.000001L},
    {"Zoll²", "  in²", 1550.0031L},
    {"Fuß²", " ft²", 10.76391042L},
    {"Yards²", " yd²", 1.195990046L},
    {"Meilen²", "  mi²", 3.861021585e-7L},
    {"Acres (UK)", " ac.", 0.000247105407259L},
    {"Acres (US)", " usac", 0.000247104393039L},
    {"Ar", "  a", 0.01L},
    {"Morgen", " mg", 0.0004L},
};

const std::vector<Unit> kVolume = {
    {"Liter", "  l", 1},
    {"Centiliter", " cl", 100},
    {"Milliliter", " ml", 1000},
    {"Meter³", "  m³", 0.001L},
    {"Centimeter³", " cm³", 1000},
    {"Yards³", " yd³", 0.001307950615866L},
    {"Gallon (US)", " gal", 0.264172037284185L},
    {"Gallon (UK)", " guk", 0.219969248299088L},
    {"Ounces", " oz", 33.8140227L},
    {"Ounces (UK)", " ozuk", 35.19507972785404600436859L},
    {"Pints", " pt", 2.113376419L},
    {"Quarts", " qt", 1.056688209L},
    {"Teelöffel", " tl", 202.8841362L},
    {"Eßlöffel", " el", 67.6280454L},
    {"Barrel (Öl)", " bl", 0.006289810569775L},
};

const std::vector<Unit> kSpeed = {
    {"KMH", " km/h", 1},
    {"KM / Min", " km/m", 0.01666666667L},
    {"KM / s", " km/s", 0.0002777777778L},
    {"m / h", " m/h", 1000},
    {"m / min", " m/min", 16.666666666666668L},
    {"m / s", " m/s", 0.277777777777778L},
    {"Feet / h", " f/h", 3280.839895013123359580052L},
    {"Feet / min", " f /min", 54.68066491688539L},
    {"Feet / s", " f/s", 0.911344415281423L},
    {"Meilen / St", " mph", 0.621371192237334L},
    {"Meilen / Min", " mpm", 0.010356186537289L},
    {"Meilen / s", " mps", 0.000172603108955L},
    {"Knoten", " kn", 0.539956803455724L},
    {"Mach (Schall)", " mach", 0.000816993464052L},
    {"Lichtgeschw.", "  c", 9.265669311059779e-10L},
};

const std::vector<Unit> kPower = {
    {"Watt", "  w", 1},
    {"Kilowatt (kW)", " kW", 0.001L},
    {"Megawatt", " mW", 0.000001L},
    {"PS", " PS", 0.001359621617304L},
    {"HP", " HP", 0.00134102209L},
    {"Kalorien/s", " cal/s", 0.239005736137667L},
    {"Kalorien/h", " cal/h", 860.4206500956022944550669L},
    {"BTU/s", " BTU/s", 9.484514147532974314085871e-4L},
    {"lb-feet/s", " flb/s", 0.737566473178395L},
};

const std::vector<Unit> kForce = {
    {"Newton", "  N", 1},
    {"Kilonewton", " kN", 0.001L},
    {"Millinewton", " mN", 1000},
    {"Joules / m", " J/m", 1},
    {"Joules / cm", " J/cm", 0.01L},
    {"Kilopond", " Kp", 0.101971621297793L},
    {"Pound Force", " lb", 0.2248089431L},
    {"Dyn", " dyn", 100000},
};

const std::vector<Unit> kWork = {
    {"Joule", "  J", 1},
    {"Wattsekunde", " Ws", 1},
    {"Wattstunde", " Wh", 0.000277777777778L},
    {"Kalorie", " cal", 0.239005736137667L},
    {"BTU", " Btu", 9.484514147532974314085871e-4L},
    {"Kilowattst (kWh)", " kWh", 2.77777777777778e-7L},
    {"Elektronenvolt", " eV", 6.241509074460762607776241e18L},
    {"Giga el.volt", " GeV", 6241509074.460762607776241L},
    {"erg", " erg", 10000000},
};

constexpr const char* kCaptions[kQuantityCount] = {"Länge", "Gewicht",  "Fläche", "Volumen",
                                                   "Tempo", "Leistung", "Kraft",  "Arbeit"};
constexpr std::pair<int, int> kDefaultPairs[kQuantityCount] = {{0, 4}, {1, 7}, {0, 3}, {0, 6},
                                                               {0, 9}, {1, 3}, {0, 6}, {0, 4}};

}  // namespace

const char* QuantityCaption(int quantity) {
  return kCaptions[quantity];
}

const std::vector<Unit>& UnitTable(int quantity) {
  static const std::vector<Unit>* const tables[kQuantityCount] = {
      &kLength, &kMass, &kArea, &kVolume, &kSpeed, &kPower, &kForce, &kWork};
  return *tables[quantity];
}

std::pair<int, int> DefaultUnitPair(int quantity) {
  return kDefaultPairs[quantity];
}

Extended ConvertUnit(int quantity, int from, int to, Extended value) {
  const std::vector<Unit>& table = UnitTable(quantity);
  return value / table[from].factor * table[to].factor;
}

}  // namespace qv
