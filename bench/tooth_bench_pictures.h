// Shared by the tooth-form benchmarks: a connection dB x 2 x z, and the hub's envelope picture
// with the shaft really rolling in it (the upper bound of that picture's cost).
#pragma once

#include "app/program.h"
#include "cad/kernel.h"
#include "cad/tooth_emit.h"
#include "calc/driver.h"
#include "calc/tooth_outline.h"
#include "calc/tooth_tool.h"

namespace kv40::bench {

// The connection dB x 2 x z entered as a self-defined block with root radii 0.32 and a load
// (the calculation refuses none), calculated. False when the calculation failed.
inline bool CalculateConnection(app::Program& p, int z) {
  model::SpecState& s = p.connection;
  model::InitDefaults(s);
  const Extended m = 2, dB = m * z + 2.2L;
  s.abm = 2;
  s.z5482 = z;
  s.mn5482 = m;
  s.xm = (dB - m * z - 1.1L * m) / 2;
  s.d1 = dB;
  s.d2 = m * z + 2 * s.xm - 0.9L * m;
  s.d3 = dB - 0.2L * m;
  s.d4 = m * z + 2 * s.xm - 1.1L * m;
  s.r1 = s.r2 = 0.32L;
  s.TN = 100;  // N m
  s.Tmax = 300;
  bool cancel = false;
  calc::RecalcAll(s, p.fmt(), cancel);
  return !s.log.fatal;
}

// The hub's picture 5 as it would be drawn if the shaft rolled in the hub. Shaft and hub of a
// connection are coaxial, so the program draws the shaft once; here the shaft's operating pitch
// circle is made smaller by two modules, so that every one of the configured positions is
// drawn. False when the shaft would not roll.
inline bool DrawRolledHub(app::Program& p, cad::CadDevice device) {
  const model::SpecState& s = p.connection;
  calc::ToothGear shaft = calc::MakeToothGear(s, 1, s.xem[1]);
  const calc::ToothGear hub = calc::MakeToothGear(s, 2, s.xem[2]);
  shaft.dwe -= 2 * s.mn;
  const calc::HubEnvelope h = calc::HubEnvelopePlacements(shaft, hub, p.toothForm);
  if (h.coaxial) return false;
  const Extended e = -hub.df / 2 + s.mn;
  cad::CadBeginDrawing(p, device);
  cad::CadLayer(p, 0);
  cad::CadLimits(p, -e, -e, e, e);
  cad::CadTables(p, 0);
  cad::CadBeginBlocks(p);
  cad::DefineBlock(p, "EVOLV2", calc::ToothOutline(hub, p.toothForm));
  cad::DefineBlock(p, "EVOLV1", calc::ToothOutline(shaft, p.toothForm));
  cad::CadBlock(p, "RAD1");
  cad::CadLayer(p, 0);
  cad::InsertEach(p, "EVOLV1", calc::ToothPlacements(shaft));
  cad::CadEndBlock(p);
  cad::CadEndSection(p);
  cad::CadEntities(p);
  cad::CadLayer(p, 0);
  cad::InsertEach(p, "EVOLV2", h.hubTeeth);
  cad::CadLayer(p, 1);
  cad::CadCircle(p, 0, 0, h.pitchRadius);
  cad::CadLayer(p, 0);
  cad::InsertEach(p, "RAD1", h.shaft);
  cad::CadEndSection(p);
  cad::CadEndDrawing(p);
  return !p.cancel;
}

}  // namespace kv40::bench
