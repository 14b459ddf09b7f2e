// config.ini beside the program, and the search for the IDE directory.
#pragma once

#include <string>

#include "app/ui.h"
#include "platform/os.h"

namespace elc {

// The two texts that live from the creation handler to the exit routine.
extern std::string g_settingsPath;
extern std::string g_initialIdeDirectory;

// The program's directory: its module file name up to, not including, the last
// backslash (a trail byte 0x5C is never taken for one); empty without any.
std::string ProgramDirectoryOf(const std::string& moduleFileName);
// The part after the last backslash, or the whole name without any.
std::string ProgramFileNameOf(const std::string& moduleFileName);

// Start-up steps, in the order the creation handler runs them.
void InitSettingsPath(Os& os);
void ApplyBannerTitle(Os& os, Ui& ui);
void ApplyRunChoice(Os& os, Ui& ui);
void SearchIdeDirectory(Os& os, Ui& ui);

// One key of section "setup"; a null fallback reads as empty.
std::string ReadSetting(Os& os, const char* key, const char* fallback);
// The result is deliberately not looked at by callers: a failed write is silent.
void WriteSetting(Os& os, const char* key, const std::string& value);

// Normalises directory in place (leading blanks gone, trailing backslash added)
// unless it is empty or blank, and returns whether it holds e.exe.
bool ValidateIdeDirectory(Os& os, std::string& directory);

// Click of 按钮1: the chosen e.exe's directory goes into 编辑框1.
void OnBrowse(Ui& ui);

}  // namespace elc
