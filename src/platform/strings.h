#pragma once
// The program's string table (ids 101 to 362) in four languages, compiled in.
#include "platform/string_ids.h"

#include <QString>

namespace platform {

enum class Language : int {
    TraditionalChinese = 1028,
    English = 1033,
    Neutral = 2048,
    SimplifiedChinese = 2052,
};

// Picks the table column for a user-interface locale name such as "zh-TW" or "zh_CN".
Language languageForLocale(const QString& localeName);

// The column in use: chosen from the system's UI locale on first use, or set by tests.
Language language();
void setLanguage(Language lang);

// Qt's own texts (the file dialogs' labels and buttons, the message boxes' buttons) in
// the program's language from now on: Qt's translation of them for language() is
// installed, and replaced when setLanguage changes the language. English, and the
// neutral copy of it, keep Qt's English. Needs the application object. Off removes the
// translation and stops following.
void translateQtTexts(bool on = true);

// The text of `id` (a res:: name) in the current language; an empty text for an id
// the table lacks.
QString LoadResString(int id);
// The text of `id` in a given column (tests use it to prove the table complete).
QString resString(int id, Language lang);
bool hasResString(int id);

// A menu caption as plain text (a tooltip's): without its accelerator mark, whether a
// marked letter ("&Open") or a bracketed one ("New(&N)", "開啟(&O)"); "&&" is a "&".
QString withoutAccelerator(const QString& caption);

} // namespace platform
