// The five linked documents of the Dokument menu: a program and a file each.
#pragma once

#include "model/session.h"

namespace kv40::docu {

// Starts the program of document i (1..5) with its file as the one argument, without a shell
// and without waiting. An entry without program opens its file with the desktop's default
// program. A document that is not set up, or a program that does not start, says so.
void StartDocument(model::Session& p, int i);

}  // namespace kv40::docu
