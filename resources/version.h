#pragma once
/* The program's version, in one place: the version resource and the tray
   tip read it here, and so do the release packages. */
#define QUILLORY_VERSION_MAJOR 2
#define QUILLORY_VERSION_MINOR 2
#define QUILLORY_VERSION_TEXT "2.2"
