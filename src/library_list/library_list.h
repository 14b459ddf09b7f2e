// The library rows of 超级列表框1: one per *.fne and *.lib file beside the
// program, with the time stamps of the file and of its installed copy.
#pragma once

#include <string>

#include "app/ui.h"
#include "platform/os.h"

namespace elc {

// The two row kinds: template of the target directory and icon index.
inline constexpr char kSupportLibraryTemplate[] = "易语言\\lib";
inline constexpr char kStaticLibraryTemplate[] = "易语言\\static_lib";
inline constexpr int kSupportLibraryIcon = 0;
inline constexpr int kStaticLibraryIcon = 1;

// Lists the program's directory into the rows, fills their times and ticks them.
void LoadLibraryFiles(Os& os, Ui& ui);
// Click of 选择框1: every row takes the box's state.
void ApplySelectAll(Ui& ui);

// The installed copy's path: the template's first "易语言\" replaced by the IDE
// directory, then a backslash and the file name.
std::string TargetPath(const std::string& targetTemplate, const std::string& fileName,
                       const std::string& ideDirectory);
// The same for a row of the list.
std::string RowTargetPath(Ui& ui, int row, const std::string& ideDirectory);

// Recomputes the two time columns of every row for the directory in 编辑框1.
void RefreshTimeColumns(Os& os, Ui& ui);
// Reads the asked-for time stamps (null pointers are not asked for); on failure
// nothing is written.
bool ReadFileTimes(Os& os, const std::string& path, DateTime* creation, DateTime* lastWrite,
                   DateTime* lastAccess);
// "%04d%02d%02d %02d:%02d": seconds cut, not rounded.
std::string FormatDateTime(const DateTime& when);

}  // namespace elc
