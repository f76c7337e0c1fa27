// The order of the plain fields of the input data file, shared by its writer and its reader so
// that both always agree. S is SpecState or const SpecState; V writes or reads one line.
#pragma once

#include "model/spec_state.h"

namespace kv40::model::layout {

inline constexpr int kRuleWidth = 65;  // the lines framing the identification
inline constexpr int kBlockRule = 20;  // under a block header
inline constexpr int kEntryRule = 14;  // after each change entry and document
inline constexpr const char* kChangesHeader = "ÄNDERUNGEN";
inline constexpr const char* kDocumentsHeader = "Dokumente";

// Lines 6 to 50: texts, geometry, tolerances, materials, measurement and the tool's tip height.
template <class V, class S>
void VisitHead(V& v, S& s) {
  for (int i = 1; i <= 3; ++i)
    v.Text(s.text[i], kTextLen);
  v.Text(s.zname[1], kZnameLen);
  v.Text(s.znr[1], kZnrLen);
  v.Text(s.zname[2], kZnameLen);
  v.Text(s.znr[2], kZnrLen);
  v.Real(s.alpha);
  v.Real(s.mn);
  v.Real(s.b0);
  v.Real(s.b[1]);
  v.Real(s.b[2]);
  v.Int(s.z[1]);
  v.Index(s.tolfeld[2]);  // the hub's field comes first
  v.Index(s.tolfeld[1]);
  v.Index(s.tolreihe[1]);
  v.Index(s.tolreihe[2]);
  v.Int(s.tolAux);
  v.Text(s.matname[1], kMatnameLen);
  v.Real(s.plim[1]);
  v.Text(s.matname[2], kMatnameLen);
  v.Real(s.plim[2]);
  v.Real(s.dB);
  v.Real(s.DM[1]);
  v.Int(s.k[1]);
  v.Real(s.DM[2]);
  v.Int(s.k[2]);
  v.Index(s.wtyp[1]);
  v.Index(s.wtyp[2]);
  for (int i = 1; i <= 5; ++i)
    v.Real(s.aux[i]);
  v.Real(s.fH[1]);
  v.Real(s.fH[2]);
  v.Real(s.fS[1]);
  v.Real(s.fS[2]);
  v.Yield(s.Re[1]);
  v.Yield(s.Re[2]);
  v.Index(s.wtab);
  v.Real(s.cB);
  v.Index(s.connKind);
  v.Real(s.haP0Star[1]);
  v.Real(s.haP0Star[2]);
}

// The lines after the documentation blocks: load, tool profile, DIN 5482 block, materials.
template <class V, class S>
void VisitTail(V& v, S& s) {
  v.Text(s.zname2[1], kZname2Len);
  v.Text(s.zname2[2], kZname2Len);
  for (auto* value :
       {&s.TN, &s.Tmax, &s.KA, &s.Kphieq, &s.Klambda, &s.fW, &s.fL[1], &s.fL[2], &s.Kphimax})
    v.Real(*value);
  v.Bool(s.calcFlag);
  for (auto* value :
       {&s.hfP0Star[1], &s.hfP0Star[2], &s.rhoaP0Star[1], &s.rhoaP0Star[2], &s.x[1], &s.x[2]})
    v.Real(*value);
  v.Int(s.calcWhat);
  v.Real(s.P);
  v.Real(s.n);
  v.Bool(s.pinTable);
  v.Text(s.bez5482, kBez5482Len);
  for (auto* value : {&s.d1, &s.d2, &s.d3, &s.d4})
    v.Real(*value);
  v.Int(s.z5482);
  for (auto* value : {&s.mn5482, &s.xm, &s.r1, &s.r2, &s.kmin})
    v.Real(*value);
  v.Text(s.text5482, kText5482Len);
  v.Int(s.normRow);
  v.Int(s.abm);
  v.Text(s.matnr[1], kMatnrLen);
  v.Text(s.matnr[2], kMatnrLen);
}

}  // namespace kv40::model::layout
