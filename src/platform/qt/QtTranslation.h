#pragma once
// The user's language on Qt: the program's catalogue and Qt's own (the
// standard buttons of message boxes and dialogs), chosen by the locale.

#include <QLocale>

namespace tagrota::qt {

// Loads the catalogues for `locale` into the application and makes Tr use
// them. A language without a catalogue of the program's stays English
// throughout, Qt's buttons included, so no window mixes two languages.
// Gives whether the program's catalogue was found.
bool InstallTranslations(const QLocale& locale = QLocale());

}  // namespace tagrota::qt
