// SpecState: every input, intermediate value and result of the one spline connection.
// Hub teeth count, profile shifts and diameters are stored negative ([2] = hub).
#pragma once

#include <cstdint>
#include <string>

#include "base/part_pair.h"
#include "model/message_log.h"

namespace kv40::model {

// Maximum lengths (characters) of the text fields; longer input is cut when stored.
inline constexpr int kZnameLen = 25;
inline constexpr int kZnrLen = 18;
inline constexpr int kZname2Len = 30;
inline constexpr int kTextLen = 65;
inline constexpr int kBez5482Len = 7;
inline constexpr int kText5482Len = 25;
inline constexpr int kMatnrLen = 9;
inline constexpr int kMatnameLen = 18;
inline constexpr int kMatText3Len = 9;
inline constexpr int kMatTextLen = 35;
inline constexpr int kToolNameLen = 10;
inline constexpr int kTolcodeLen = 8;

struct SpecState {
  // --- identification texts ---
  PartPair<std::string> zname;   // drawing name [25]
  PartPair<std::string> znr;     // drawing number [18]
  PartPair<std::string> zname2;  // second drawing-name line [30]
  Array1<std::string, 3> text;   // free comment lines [65]

  // --- DIN 5482 dimension block ---
  std::string bez5482;  // nominal size designation [7]
  Extended d1 = 0;      // hub root diameter
  Extended d2 = 0;      // hub tip diameter
  Extended d3 = 0;      // shaft tip diameter
  Extended d4 = 0;      // shaft root diameter
  Extended t6 = 0;      // table field 6, not stored in the file
  std::int32_t z5482 = 0;
  Extended mn5482 = 0;
  Extended xm = 0;       // profile shift in mm
  Extended r1 = 0;       // hub root radius max
  Extended r2 = 0;       // shaft root radius max
  Extended kmin = 0;     // hub tip chamfer min
  std::string text5482;  // free text of the table row [25]
  std::int32_t normRow = 0;
  std::int32_t abm = 1;  // 1 = from the DIN 5482 table, 2 = self-defined

  // --- basic geometry ---
  Extended alpha = 30;  // pressure angle, deg
  Extended mn = 3.0;
  PartPair<std::int32_t> z;
  PartPair<Extended> x;
  Extended b0 = 0;  // load-bearing face width
  PartPair<Extended> b;
  Extended dB = 120;

  // --- tolerances ---
  PartPair<Word> tolfeld;   // shaft 1..18 "abcdefghikmnprstuv", hub 1..6 "FGHJKM"
  PartPair<Word> tolreihe;  // series index s = 1..9 stands for series s + 3
  std::int32_t tolAux = 5;

  // --- measurement ---
  PartPair<Extended> DM;     // ball or pin diameter
  PartPair<std::int32_t> k;  // teeth spanned
  bool pinTable = false;
  bool calcFlag = false;

  // --- materials ---
  PartPair<std::string> matnr;    // [9]
  PartPair<std::string> matname;  // [18]
  PartPair<std::int32_t> Re;      // yield strength N/mm^2
  PartPair<Extended> fS;
  PartPair<Extended> fH;
  PartPair<Extended> plim;  // Re * fS * fH, recomputed
  PartPair<Word> wtyp;
  Word wtab = 1;
  PartPair<std::int32_t> wgroup;  // material type number (material table field 4)
  // the further columns of the material table row last taken; not stored in the file
  PartPair<std::string> matText3;             // field 3 [9]
  PartPair<std::int32_t> matInt5;             // field 5
  PartPair<std::int32_t> matInt7;             // field 7
  PartPair<Array1<Extended, 4>> matNumbers;   // fields 8 to 11
  PartPair<Array1<std::string, 2>> matTexts;  // fields 12 and 13 [35]

  // --- load, surface-pressure method ---
  Extended TN = 0;
  Extended Tmax = 0;
  Extended KA = 1.0;
  Extended Kphieq = 1.0;
  Extended Kphimax = 1.0;
  Extended Klambda = 1.0;
  Extended P = 0;
  Extended n = 0;
  std::int32_t calcWhat = 1;  // 1 = P, 2 = n, 3 = TN derived
  Extended fW = 1.0;
  PartPair<Extended> fL;

  // --- load, Roloff/Matek ---
  Extended cB = 1.0;
  Word connKind = 1;

  // --- auxiliary load values ---
  Array1<Extended, 5> aux;

  // --- reference profile of the tool ("*" factors of mn) ---
  PartPair<Extended> hfP0Star;
  PartPair<Extended> haP0Star;
  PartPair<Extended> rhoaP0Star;
  PartPair<Extended> hfP0;
  PartPair<Extended> haP0;
  PartPair<Extended> rhoaP0;
  PartPair<Extended> kP0Star;
  PartPair<Extended> kP0;
  PartPair<Extended> alfaprP0;  // deg
  PartPair<Extended> prP0Star;
  PartPair<Extended> prP0;
  PartPair<Extended> alfakP0;  // deg
  PartPair<Extended> hkP0Star;
  PartPair<Extended> hkP0;
  PartPair<bool> kinkP0;
  PartPair<std::string> toolName;  // [10]

  // ===== results: overwritten by every calculation, never stored in the file =====

  // geometry
  Extended beta = 0;  // deg
  Extended alphaRad = 0;
  Extended betaRad = 0;
  Extended alphat = 0;
  Extended alphawt = 0;
  Extended mt = 0;
  Extended betab = 0;
  Extended a = 0;
  Extended sumX = 0;
  PartPair<std::int32_t> Q;
  PartPair<Extended> d;
  PartPair<Extended> df;
  PartPair<Extended> dfLim;
  PartPair<Extended> da;
  PartPair<Extended> daLim;
  PartPair<Extended> db;
  PartPair<Extended> dw;
  PartPair<Extended> da0;
  PartPair<Extended> kmn;
  PartPair<Extended> dFa;
  PartPair<Extended> alphaat;
  PartPair<Extended> c;
  PartPair<Extended> h;
  PartPair<Extended> xemax;
  PartPair<Extended> xemin;
  PartPair<Extended> xeminM;
  PartPair<Extended> xemaxM;
  PartPair<Extended> xem;
  PartPair<Extended> xemean;
  PartPair<Extended> xeE;
  PartPair<Extended> xminU;
  Extended aCad = 0;
  Extended rotAngle1 = 0;  // rotation of the shaft in the meshing picture, degrees
  Extended pn = 0;
  Extended pt = 0;
  Extended pbt = 0;
  Extended pen = 0;
  PartPair<Extended> snth;
  PartPair<Extended> snmax;
  PartPair<Extended> snmin;
  PartPair<Extended> stth;
  PartPair<Extended> stmax;
  PartPair<Extended> stmin;
  PartPair<Extended> sanmax;
  PartPair<Extended> sanmin;
  PartPair<Extended> sat;
  PartPair<Extended> santh;
  PartPair<Extended> et;
  PartPair<Extended> en;
  PartPair<std::string> bez;  // designations of shaft and hub
  std::string bezDin;

  // tolerances
  PartPair<std::string> tolcode;  // [8], e.g. "9h", "10H"
  PartPair<Extended> Ase;
  PartPair<Extended> AseE;
  PartPair<Extended> Asi;
  PartPair<Extended> T;
  PartPair<Extended> TE;
  Extended jtmin = 0;
  Extended jtmax = 0;

  // inspection dimensions
  PartPair<Extended> W;
  PartPair<Extended> Wmin;
  PartPair<Extended> WEmax;
  PartPair<Extended> Wmax;
  PartPair<Extended> MdR;
  PartPair<Extended> MdRmin;
  PartPair<Extended> MdREmax;
  PartPair<Extended> MdRmax;

  // load capacity
  Extended hprime = 0;
  Extended nueFs = 0;
  Extended nueFw = 0;
  PartPair<Extended> pFszul;
  PartPair<Extended> pFwzul;
  Extended Tszul = 0;
  Extended Twzul = 0;
  Extended pzul = 0;
  Extended hT = 0;
  Extended Tzul1 = 0;
  Extended Tzul2 = 0;
  Extended Teq = 0;
  Extended peq = 0;
  Extended pmax = 0;
  Extended hw = 0;
  Extended taunmax = 0;
  Extended rm = 0;
  Extended rw = 0;
  Extended alphaw = 0;
  PartPair<Extended> Seq;
  PartPair<Extended> Smax;

  // meshing and checks
  PartPair<Extended> daEff;
  PartPair<Extended> dNf;
  Extended Y = 0;
  PartPair<Extended> Rs;
  Extended Aao = 0;
  Extended Aau = 0;
  PartPair<Extended> sne;
  PartPair<Extended> dfe;
  PartPair<Extended> dae;
  PartPair<Extended> dwe;

  // the calculation's findings (messages and the fatal flag)
  model::MessageLog log;
};

// Fills every field with its start value and every result with 0.
void InitDefaults(SpecState& s);

}  // namespace kv40::model
