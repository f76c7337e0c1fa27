// Tolerance fields and series of the tooth thickness, backlash, ISO 286 limit deviations.
#include "calc/tolerance.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "base/format.h"

namespace kv40::calc {
namespace {

// Deviation of the tooth thickness in um: 18 field positions by 9 size classes; row 8 ("h")
// is the zero line.
constexpr int kDeviation[18][9] = {
    {-200, -180, -160, -140, -125, -110, -100, -90, -80},
    {-160, -144, -128, -112, -100, -88, -80, -72, -64},
    {-120, -108, -96, -84, -75, -66, -60, -54, -48},
    {-80, -72, -64, -56, -50, -44, -40, -36, -32},
    {-60, -54, -48, -42, -37, -33, -30, -27, -24},
    {-40, -36, -32, -28, -25, -22, -20, -18, -16},
    {-20, -18, -16, -14, -12, -11, -10, -9, -8},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {20, 18, 16, 14, 12, 11, 10, 9, 8},
    {40, 36, 32, 28, 25, 22, 20, 18, 16},
    {60, 54, 48, 42, 37, 33, 30, 27, 24},
    {80, 72, 64, 56, 50, 44, 40, 36, 32},
    {100, 90, 80, 70, 62, 55, 50, 45, 40},
    {120, 108, 96, 84, 75, 66, 60, 54, 48},
    {140, 126, 112, 98, 88, 77, 70, 63, 56},
    {160, 144, 128, 112, 100, 88, 80, 72, 64},
    {180, 162, 144, 126, 112, 99, 90, 81, 72},
    {200, 180, 160, 140, 125, 110, 100, 90, 80},
};

// Total and single-measurement tolerance in um, index 1 .. 33.
constexpr int kTotal[33] = {9,   10,  11,  12,  14,  16,  18,  20,  22,  25,  28,
                            32,  36,  40,  45,  50,  56,  63,  71,  80,  90,  100,
                            112, 125, 140, 160, 180, 200, 224, 250, 280, 320, 360};
constexpr int kSingle[33] = {6,  6,  7,  8,   9,   10,  11,  12,  14,  16,  18,
                             20, 22, 25, 28,  32,  36,  40,  45,  50,  56,  63,
                             71, 80, 90, 100, 112, 125, 140, 160, 175, 200, 225};

// Upper bounds (mm) of the ISO 286 nominal size ranges.
constexpr int kIsoRangeTop[21] = {3,   6,   10,  18,  30,   50,   80,   120,  180,  250, 315,
                                  400, 500, 630, 800, 1000, 1250, 1600, 2000, 2500, 3150};

// Standard tolerances IT1 .. IT18 in um per nominal size range.
constexpr double kIt[18][21] = {
    {0.8, 1, 1, 1.2, 1.5, 1.5, 2, 2.5, 3.5, 4.5, 6, 7, 8, 9, 10, 11, 13, 15, 18, 22, 26},
    {1.2, 1.5, 1.5, 2, 2.5, 2.5, 3, 4, 5, 7, 8, 9, 10, 11, 13, 15, 18, 21, 25, 30, 36},
    {2, 2.5, 2.5, 3, 4, 4, 5, 6, 8, 10, 12, 13, 15, 16, 18, 21, 24, 29, 35, 41, 50},
    {3, 4, 4, 5, 6, 7, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 33, 39, 46, 55, 68},
    {4, 5, 6, 8, 9, 11, 13, 15, 18, 20, 23, 25, 27, 32, 36, 40, 47, 55, 65, 78, 96},
    {6, 8, 9, 11, 13, 16, 19, 22, 25, 29, 32, 36, 40, 44, 50, 56, 66, 78, 92, 110, 135},
    {10, 12, 15, 18, 21, 25, 30, 35, 40, 46, 52, 57, 63, 70, 80, 90, 105, 125, 150, 175, 210},
    {14, 18, 22, 27, 33, 39, 46, 54, 63, 72, 81, 89, 97, 110, 125, 140, 165, 195, 230, 280, 330},
    {25,  30,  36,  43,  52,  62,  74,  87,  100, 115, 130,
     140, 155, 175, 200, 230, 260, 310, 370, 440, 540},
    {40,  48,  58,  70,  84,  100, 120, 140, 160, 185, 210,
     230, 250, 280, 320, 360, 420, 500, 600, 700, 860},
    {60,  75,  90,  110, 130, 160, 190, 220, 250,  290, 320,
     360, 400, 440, 500, 560, 660, 780, 920, 1100, 1350},
    {100, 120, 150, 180, 210, 250,  300,  350,  400,  460, 520,
     570, 630, 700, 800, 900, 1050, 1250, 1500, 1750, 2100},
    {140, 180, 220,  270,  330,  390,  460,  540,  630,  720, 810,
     890, 970, 1100, 1250, 1400, 1650, 1950, 2300, 2800, 3300},
    {250,  300,  360,  430,  520,  620,  740,  870,  1000, 1150, 1300,
     1400, 1550, 1750, 2000, 2300, 2600, 3100, 3700, 4400, 5400},
    {400,  480,  580,  700,  840,  1000, 1200, 1400, 1600, 1850, 2100,
     2300, 2500, 2800, 3200, 3600, 4200, 5000, 6000, 7000, 8600},
    {600,  750,  900,  1100, 1300, 1600, 1900, 2200, 2500,  2900, 3200,
     3600, 4000, 4400, 5000, 5600, 6600, 7800, 9200, 11000, 13500},
    {1000, 1200, 1500, 1800, 2100, 2500,  3000,  3500,  4000,  4600, 5200,
     5700, 6300, 7000, 8000, 9000, 10500, 12500, 15000, 17500, 21000},
    {1400, 1800, 2200,  2700,  3300,  3900,  4600,  5400,  6300,  7200, 8100,
     8900, 9700, 11000, 12500, 14000, 16500, 19500, 23000, 28000, 33000},
};

// Row of the deviation table (1 .. 18); anything else is reported and row 1 is used.
int DeviationRow(model::MessageLog& log, int row) {
  if (row < 1 || row > 18) {
    model::AddMessage(log, "Fatal  : TolCode W !");
    return 1;
  }
  return row;
}

int BaseClass(Extended dB) {
  const Extended t = std::trunc(dB - 0.01L);
  if (t >= 12 && t <= 24) return 8;
  if (t >= 25 && t <= 49) return 7;
  if (t >= 50 && t <= 99) return 6;
  if (t >= 100 && t <= 199) return 5;
  if (t >= 200 && t <= 399) return 4;
  if (t >= 400 && t <= 10000) return 3;
  return 9;
}

bool IsLetter(char ch) {
  return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}
bool IsDigit(char ch) {
  return ch >= '0' && ch <= '9';
}

struct IsoField {
  bool valid = false;
  std::string position;
  int grade = 0;
};

// "h11", "h 11", "js6" or "js 6"; anything else is not a field.
IsoField ParseIsoField(std::string_view field) {
  const std::size_t n = field.size();
  std::size_t letters = 0;
  std::size_t gradeAt = 0;
  if (n >= 3 && IsLetter(field[0]) && field[1] == ' ') {
    letters = 1;
    gradeAt = 2;
  } else if (n >= 4 && IsLetter(field[0]) && IsLetter(field[1]) && field[2] == ' ') {
    letters = 2;
    gradeAt = 3;
  } else if (n >= 2 && IsLetter(field[0]) && IsDigit(field[1])) {
    letters = 1;
    gradeAt = 1;
  } else if (n >= 3 && IsLetter(field[0]) && IsLetter(field[1]) && IsDigit(field[2])) {
    letters = 2;
    gradeAt = 2;
  } else {
    return {};
  }
  // the grade: one to three digits, blanks around them allowed
  std::string_view digits = field.substr(gradeAt);
  while (!digits.empty() && digits.front() == ' ')
    digits.remove_prefix(1);
  while (!digits.empty() && digits.back() == ' ')
    digits.remove_suffix(1);
  if (digits.empty() || digits.size() > 3) return {};
  int grade = 0;
  for (char ch : digits) {
    if (!IsDigit(ch)) return {};
    grade = grade * 10 + (ch - '0');
  }
  return {true, std::string(field.substr(0, letters)), grade};
}

}  // namespace

int SizeClass(model::MessageLog& log, Extended mn, Extended dB) {
  int x = BaseClass(dB);
  if (mn > 1.5L) --x;
  if (mn > 4) --x;
  if (x < 1 || x > 9) {
    model::AddMessage(log, "Fatal  : TolCode X !");
    x = 1;
  }
  return x;
}

int ToothDeviationShaft(model::MessageLog& log, int pos, Extended mn, Extended dB) {
  const int row = DeviationRow(log, pos);
  return kDeviation[row - 1][SizeClass(log, mn, dB) - 1];
}

int ToothDeviationHub(model::MessageLog& log, int pos, Extended mn, Extended dB) {
  const int row = DeviationRow(log, 11 - pos);
  return -kDeviation[row - 1][SizeClass(log, mn, dB) - 1];
}

int ToleranceIndex(model::MessageLog& log, int s, Extended mn, Extended dB) {
  int i = 3 * s + 7 - SizeClass(log, mn, dB);
  if (i < 1 || i > 33) {
    model::AddMessage(log, "Fatal  : Toleranz I");
    i = 1;
  }
  return i;
}

int TotalTolerance(model::MessageLog& log, int s, Extended mn, Extended dB) {
  return kTotal[ToleranceIndex(log, s, mn, dB) - 1];
}

int SingleTolerance(model::MessageLog& log, int s, Extended mn, Extended dB) {
  return kSingle[ToleranceIndex(log, s, mn, dB) - 1];
}

std::string ToleranceCode(int part, int series, int pos) {
  const std::string_view letters = part == 1 ? kShaftFieldLetters : kHubFieldLetters;
  // a position outside the field letters (only from a damaged file) shows as "?"
  const char letter = pos >= 1 && pos <= static_cast<int>(letters.size()) ? letters[pos - 1] : '?';
  // at most five digits and the letter: always within the 8 characters of the field
  return base::IntToText(series + 3) + letter;
}

void CalcToothTolerances(model::SpecState& s) {
  auto& log = s.log;
  s.Ase[1] = 0.001L * ToothDeviationShaft(log, s.tolfeld[1], s.mn, s.dB);
  s.Ase[2] = 0.001L * ToothDeviationHub(log, s.tolfeld[2], s.mn, s.dB);
  for (int i = 1; i <= 2; ++i) {
    s.T[i] = 0.001L * TotalTolerance(log, s.tolreihe[i], s.mn, s.dB);
    s.TE[i] = 0.001L * SingleTolerance(log, s.tolreihe[i], s.mn, s.dB);
    s.Asi[i] = s.Ase[i] - s.T[i];
    s.AseE[i] = s.Asi[i] + s.TE[i];
    s.tolcode[i] = ToleranceCode(i, s.tolreihe[i], s.tolfeld[i]);
  }
}

void CalcBacklash(model::SpecState& s) {
  // the centre-distance allowances are 0 for the coaxial spline
  const Extended cb = std::cos(s.betaRad);
  s.jtmin = -(s.Ase[1] + s.Ase[2]) / cb;
  s.jtmax = -(s.Asi[1] + s.Asi[2]) / cb;
}

Extended StandardTolerance(int grade, int range) {
  KV40_CHECK(grade >= 1 && grade <= 18 && range >= 0 && range < 21);
  return static_cast<Extended>(kIt[grade - 1][range]);
}

IsoLimits IsoLimitsOf(std::string_view field, Extended size) {
  IsoLimits r;
  if (field.empty() || field == " ") return r;
  const IsoField f = ParseIsoField(field);
  if (!f.valid) {
    r.error = "ungültige ISO-Toleranz";
    return r;
  }
  // a size up to 0.001 mm above a range's top still belongs to that range
  const Extended n = std::fabs(std::trunc(size - 0.001L));
  if (!(n <= 3149)) {
    r.error = "Undefinierter Nennmassbereich";
    return r;
  }
  int range = 0;
  while (n >= kIsoRangeTop[range])
    ++range;
  if (f.grade < 1 || f.grade > 18 || (f.position != "H" && f.position != "h")) {
    r.error =
        "Toleranzgrad " + base::IntToText(f.grade) + " nicht definiert für Lage " + f.position;
    return r;
  }
  const Extended it = StandardTolerance(f.grade, range);
  if (f.position == "H") {
    r.upper = it;
  } else {
    r.lower = -it;
  }
  return r;
}

IsoLimits IsoDeviation(bool& cancel, std::string_view field, Extended size) {
  IsoLimits r = IsoLimitsOf(field, size);
  if (!r.error.empty()) cancel = true;
  return r;
}

}  // namespace kv40::calc
