// What the maintenance pages take from the system: the library's pictures as PNG and the
// pages' texts in Norwegian Bokmål (English is the texts' own language).
#pragma once
#include <pappl/pappl.h>

// Where the pictures are served: QZ_PICTURE_PATH("align_heads") is "/qz/align_heads.png".
#define QZ_PICTURE_PATH(name) "/qz/" name ".png"

void AddPageResources(pappl_system_t* system);
