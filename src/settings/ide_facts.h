// What the program relies on about an IDE installation, gathered in one place.
#pragma once

#include "platform/os.h"

namespace elc::ide {

// The executable that marks a directory as an IDE directory (a file or a
// directory of that name counts), and what the IDE is started as.
inline constexpr char kExecutable[] = "e.exe";
// Subdirectories receiving support libraries (*.fne) and static libraries (*.lib).
inline constexpr char kSupportLibraryDir[] = "lib";
inline constexpr char kStaticLibraryDir[] = "static_lib";

// The IDE's install entry: the default value names its lib directory.
inline constexpr RegistryRoot kInstallRoot = RegistryRoot::CurrentUser;
inline constexpr char kInstallPath[] = "Software\\FlySky\\E\\Install\\";
inline constexpr char kInstallCut[] = "\\lib";
// The icon entry of the IDE's file type: the default value names e.exe, maybe with an index.
inline constexpr RegistryRoot kIconRoot = RegistryRoot::ClassesRoot;
inline constexpr char kIconPath[] = "E.Document\\DefaultIcon\\";
inline constexpr char kIconCut[] = "\\e.exe";

// While the IDE runs, a top-level window of this class exists.
inline constexpr char kMainWindowClass[] = "ENewFrame";

}  // namespace elc::ide
