#pragma once
// The note a first start puts on the desktop: what the icon and the notes
// offer, in the language in use (English for a language file).

#include <string_view>

#include "lang/language_choice.h"

std::wstring_view WelcomeCaption();
std::wstring_view WelcomeText(LanguageKind language);
