#include "app/welcome_note.h"

std::wstring_view WelcomeCaption() { return L"Quillory"; }

// Short lines, the last one shortest: a focused note shows its buttons at
// the bottom right.
std::wstring_view WelcomeText(LanguageKind language) {
  if (language == LanguageKind::kRussian)
    return L"Добро пожаловать!\r\n"
           L"Правый щелчок по заметке -\r\n"
           L"её меню. Значок в области\r\n"
           L"уведомлений - меню программы.\r\n"
           L"\"Новый стикер\" там или\r\n"
           L"двойной щелчок по значку\r\n"
           L"создают заметку.";
  return L"Welcome!\r\n"
         L"Right-click a note for its menu.\r\n"
         L"The icon in the notification\r\n"
         L"area holds the program's menu.\r\n"
         L"\"New sticker\" there, or a\r\n"
         L"double-click on the icon,\r\n"
         L"makes a note.";
}
