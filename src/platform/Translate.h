#pragma once
// The user's language for the texts the program shows.
//
// Every text a user sees is written in English in the source and passed
// through Tr with a context (the part of the program it belongs to), so that
// Qt Linguist's lupdate finds it:
//
//     lupdate -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=TrNoop ...
//
// Texts with values in them take %1 to %9 and are filled in by Format, so a
// translation may put the values where its language wants them.
//
// Until a translator is installed (the window program installs Qt's), Tr
// gives the English text back, so the command line, the tests and any
// program without catalogues speak English.

#include <functional>
#include <initializer_list>
#include <string>

namespace tagrota {

// Gives the translation of `source` in `context`, or `source` itself where
// the catalogue has none.
using Translator = std::function<std::string(const char* context, const char* source)>;

// Installs the translator used from now on; an empty one restores English.
void SetTranslator(Translator translator);

// The text in the user's language. `source` must be a string literal for
// lupdate to find it; for a text kept in a table, mark the literal with
// TrNoop and translate it with Translated where it is shown.
std::string Tr(const char* context, const char* source);

// The same for a text whose literal was marked with TrNoop elsewhere.
std::string Translated(const char* context, const char* source);

// Marks a literal for lupdate where it is stored, not shown; gives it back
// unchanged.
constexpr const char* TrNoop(const char* /*context*/, const char* source) {
    return source;
}

// Fills %1 to %9 in `pattern` with `values`, in one pass, so a value that
// itself holds "%2" stays as it is. A %n with no value, and a % before
// anything but a digit 1 to 9, stay as they are.
std::string Format(const std::string& pattern, std::initializer_list<std::string> values);

}  // namespace tagrota
