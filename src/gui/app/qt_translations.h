// Qt's own texts (file and print dialogs, standard buttons) in the program's caption language.
#pragma once

namespace kv40::app {

// Replaces the Qt translation in use by the one of caption language i (0 counts as German);
// false when the system has none for that language (Qt's English texts then).
bool UseQtTranslations(int language);

}  // namespace kv40::app
