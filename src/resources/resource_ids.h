// Resource names and numbers shared by the resource script and the code.
#pragma once

#define ELC_ICON_FNE 101
#define ELC_ICON_LIB 102
#define ELC_BANNER_JPEG 201
