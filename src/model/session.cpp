// Small queries on the session.
#include "model/session.h"

#include <algorithm>

#include "base/text.h"

namespace kv40::model {

bool HasSwitch(const Session& p, const std::string& sw) {
  const std::string want = base::UpperCase(sw);
  return std::any_of(p.args.begin(), p.args.end(),
                     [&](const std::string& a) { return base::UpperCase(a) == want; });
}

}  // namespace kv40::model
