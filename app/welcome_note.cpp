#include "app/welcome_note.h"

std::wstring_view WelcomeCaption() { return L"Quillory"; }

std::wstring_view WelcomeText(LanguageKind language) {
  if (language == LanguageKind::kRussian)
    return L"Добро пожаловать!\r\n"
           L"Меню программы - у её значка в области уведомлений.\r\n"
           L"\"Новый стикер\" там или двойной щелчок по значку создают заметку.\r\n"
           L"Щелчок правой кнопкой по заметке открывает её меню.";
  return L"Welcome!\r\n"
         L"The icon in the notification area holds the menu.\r\n"
         L"\"New sticker\" there, or a double-click on the icon, makes a note.\r\n"
         L"Right-click a note for its menu.";
}
