// Start values of the calculation state.
#include "model/spec_state.h"

namespace kv40::model {

void InitDefaults(SpecState& s) {
  s = SpecState{};
  s.zname = Pair<std::string>("Zahnwelle", "Zahnnabe");
  s.z = Pair<std::int32_t>(38, -38);
  s.x = Pair<Extended>(0.45L, -0.45L);
  s.tolfeld = Pair<Word>(8, 3);
  s.tolreihe = Pair<Word>(6, 7);
  s.DM = Pair<Extended>(6.0L, 5.25L);
  s.matnr = Pair<std::string>("1.7707", "0.6020");  // 30CrMoV9 is 1.7707
  s.matname = Pair<std::string>("30CrMoV9", "EN-GJL-200");
  s.Re = Pair<std::int32_t>(1050, 230);
  s.fS = Pair<Extended>(1.2L, 2.0L);
  s.fH = Pair<Extended>(1.0L, 1.0L);
  s.plim = Pair<Extended>(1.0L, 1.0L);
  s.wtyp = Pair<Word>(1, 1);
  s.fL = Pair<Extended>(1.0L, 1.0L);
  s.aux = Array1<Extended, 5>{{600, 5000, 0, 0, 0.1L}};
  s.toolName = Pair<std::string>("Normal", "Normal");
}

}  // namespace kv40::model
