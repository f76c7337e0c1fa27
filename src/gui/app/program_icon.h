// The program's icon, painted: a splined shaft on a dark blue tile (as data/desktop/kv40.svg).
#pragma once

#include <QIcon>

namespace kv40::app {

QIcon ProgramIcon();

}  // namespace kv40::app
