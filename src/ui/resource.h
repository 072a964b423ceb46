// Resource ids of tesserin.exe (shared by the resource script and the code).
#pragma once

#define IDI_TESSERIN 1
