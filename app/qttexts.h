// Qt's own texts in the program's language.
#pragma once

namespace qttexts {

// Makes the texts that Qt itself shows (the buttons of its dialogs, the edit
// menu of a text box) French, as every other text of the program, whatever
// the user's language. Without Qt's French catalogue installed they stay as
// Qt has them. Returns whether the catalogue was found.
bool installFrench();

} // namespace qttexts
