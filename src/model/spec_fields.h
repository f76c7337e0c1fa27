// One table of every field of the calculation state with the name the documentation gives
// it ("hfP0*" for hfP0Star), for exports and for checks that nothing is forgotten.
#pragma once

#include "model/spec_state.h"

namespace kv40::model {

// Calls v(name, field) for every field of s in declaration order (the message log as "log").
// State is SpecState or const SpecState.
template <class State, class Visitor>
void VisitSpecFields(State& s, Visitor&& v) {
  // --- identification texts ---
  v("zname", s.zname);
  v("znr", s.znr);
  v("zname2", s.zname2);
  v("text", s.text);
  // --- DIN 5482 dimension block ---
  v("bez5482", s.bez5482);
  v("d1", s.d1);
  v("d2", s.d2);
  v("d3", s.d3);
  v("d4", s.d4);
  v("t6", s.t6);
  v("z5482", s.z5482);
  v("mn5482", s.mn5482);
  v("xm", s.xm);
  v("r1", s.r1);
  v("r2", s.r2);
  v("kmin", s.kmin);
  v("text5482", s.text5482);
  v("normRow", s.normRow);
  v("abm", s.abm);
  // --- basic geometry ---
  v("alpha", s.alpha);
  v("mn", s.mn);
  v("z", s.z);
  v("x", s.x);
  v("b0", s.b0);
  v("b", s.b);
  v("dB", s.dB);
  // --- tolerances ---
  v("tolfeld", s.tolfeld);
  v("tolreihe", s.tolreihe);
  v("tolAux", s.tolAux);
  // --- measurement ---
  v("DM", s.DM);
  v("k", s.k);
  v("pinTable", s.pinTable);
  v("calcFlag", s.calcFlag);
  // --- materials ---
  v("matnr", s.matnr);
  v("matname", s.matname);
  v("Re", s.Re);
  v("fS", s.fS);
  v("fH", s.fH);
  v("plim", s.plim);
  v("wtyp", s.wtyp);
  v("wtab", s.wtab);
  v("wgroup", s.wgroup);
  v("matText3", s.matText3);
  v("matInt5", s.matInt5);
  v("matInt7", s.matInt7);
  v("matNumbers", s.matNumbers);
  v("matTexts", s.matTexts);
  // --- load, surface-pressure method ---
  v("TN", s.TN);
  v("Tmax", s.Tmax);
  v("KA", s.KA);
  v("Kphieq", s.Kphieq);
  v("Kphimax", s.Kphimax);
  v("Klambda", s.Klambda);
  v("P", s.P);
  v("n", s.n);
  v("calcWhat", s.calcWhat);
  v("fW", s.fW);
  v("fL", s.fL);
  // --- load, Roloff/Matek ---
  v("cB", s.cB);
  v("connKind", s.connKind);
  // --- auxiliary load values ---
  v("aux", s.aux);
  // --- reference profile of the tool ("*" factors of mn) ---
  v("hfP0*", s.hfP0Star);
  v("haP0*", s.haP0Star);
  v("rhoaP0*", s.rhoaP0Star);
  v("hfP0", s.hfP0);
  v("haP0", s.haP0);
  v("rhoaP0", s.rhoaP0);
  v("kP0*", s.kP0Star);
  v("kP0", s.kP0);
  v("alfaprP0", s.alfaprP0);
  v("prP0*", s.prP0Star);
  v("prP0", s.prP0);
  v("alfakP0", s.alfakP0);
  v("hkP0*", s.hkP0Star);
  v("hkP0", s.hkP0);
  v("kinkP0", s.kinkP0);
  v("toolName", s.toolName);
  // ===== results: overwritten by every calculation, never stored in the file =====
  v("beta", s.beta);
  v("alphaRad", s.alphaRad);
  v("betaRad", s.betaRad);
  v("alphat", s.alphat);
  v("alphawt", s.alphawt);
  v("mt", s.mt);
  v("betab", s.betab);
  v("a", s.a);
  v("sumX", s.sumX);
  v("Q", s.Q);
  v("d", s.d);
  v("df", s.df);
  v("dfLim", s.dfLim);
  v("da", s.da);
  v("daLim", s.daLim);
  v("db", s.db);
  v("dw", s.dw);
  v("da0", s.da0);
  v("kmn", s.kmn);
  v("dFa", s.dFa);
  v("alphaat", s.alphaat);
  v("c", s.c);
  v("h", s.h);
  v("xemax", s.xemax);
  v("xemin", s.xemin);
  v("xeminM", s.xeminM);
  v("xemaxM", s.xemaxM);
  v("xem", s.xem);
  v("xemean", s.xemean);
  v("xeE", s.xeE);
  v("xminU", s.xminU);
  v("aCad", s.aCad);
  v("rotAngle1", s.rotAngle1);
  v("pn", s.pn);
  v("pt", s.pt);
  v("pbt", s.pbt);
  v("pen", s.pen);
  v("snth", s.snth);
  v("snmax", s.snmax);
  v("snmin", s.snmin);
  v("stth", s.stth);
  v("stmax", s.stmax);
  v("stmin", s.stmin);
  v("sanmax", s.sanmax);
  v("sanmin", s.sanmin);
  v("sat", s.sat);
  v("santh", s.santh);
  v("et", s.et);
  v("en", s.en);
  v("bez", s.bez);
  v("bezDin", s.bezDin);
  v("tolcode", s.tolcode);
  v("Ase", s.Ase);
  v("AseE", s.AseE);
  v("Asi", s.Asi);
  v("T", s.T);
  v("TE", s.TE);
  v("jtmin", s.jtmin);
  v("jtmax", s.jtmax);
  v("W", s.W);
  v("Wmin", s.Wmin);
  v("WEmax", s.WEmax);
  v("Wmax", s.Wmax);
  v("MdR", s.MdR);
  v("MdRmin", s.MdRmin);
  v("MdREmax", s.MdREmax);
  v("MdRmax", s.MdRmax);
  v("hprime", s.hprime);
  v("nueFs", s.nueFs);
  v("nueFw", s.nueFw);
  v("pFszul", s.pFszul);
  v("pFwzul", s.pFwzul);
  v("Tszul", s.Tszul);
  v("Twzul", s.Twzul);
  v("pzul", s.pzul);
  v("hT", s.hT);
  v("Tzul1", s.Tzul1);
  v("Tzul2", s.Tzul2);
  v("Teq", s.Teq);
  v("peq", s.peq);
  v("pmax", s.pmax);
  v("hw", s.hw);
  v("taunmax", s.taunmax);
  v("rm", s.rm);
  v("rw", s.rw);
  v("alphaw", s.alphaw);
  v("Seq", s.Seq);
  v("Smax", s.Smax);
  v("daEff", s.daEff);
  v("dNf", s.dNf);
  v("Y", s.Y);
  v("Rs", s.Rs);
  v("Aao", s.Aao);
  v("Aau", s.Aau);
  v("sne", s.sne);
  v("dfe", s.dfe);
  v("dae", s.dae);
  v("dwe", s.dwe);
  v("log", s.log);
}

}  // namespace kv40::model
