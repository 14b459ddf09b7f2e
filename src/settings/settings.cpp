#include "settings/settings.h"

#include "settings/ide_facts.h"
#include "text/text.h"

namespace elc {

std::string g_settingsPath;
std::string g_initialIdeDirectory;

namespace {
constexpr char kSection[] = "setup";
constexpr char kSettingsFileName[] = "\\config.ini";
constexpr char kTitlePlaceholder[] = "%s";
}  // namespace

std::string ProgramDirectoryOf(const std::string& moduleFileName) {
    const std::size_t slash = FindLastBackslash(moduleFileName);
    return slash == std::string::npos ? std::string() : moduleFileName.substr(0, slash);
}

std::string ProgramFileNameOf(const std::string& moduleFileName) {
    const std::size_t slash = FindLastBackslash(moduleFileName);
    return slash == std::string::npos ? moduleFileName : moduleFileName.substr(slash + 1);
}

std::string ReadSetting(Os& os, const char* key, const char* fallback) {
    return os.ReadProfileText(g_settingsPath, kSection, key, fallback);
}

void WriteSetting(Os& os, const char* key, const std::string& value) {
    // A failed write (read-only file or folder) is passed over: the choice is
    // simply not remembered.
    (void)os.WriteProfileText(g_settingsPath, kSection, key, value);
}

void InitSettingsPath(Os& os) {
    g_settingsPath = ProgramDirectoryOf(os.ModuleFileName()) + kSettingsFileName;
}

void ApplyBannerTitle(Os& os, Ui& ui) {
    std::string caption = ui.GetText(Control::标签2);
    ReplaceFirst(caption, kTitlePlaceholder, ReadSetting(os, "title", nullptr));
    ui.SetText(Control::标签2, caption);
}

void ApplyRunChoice(Os& os, Ui& ui) {
    ui.SetChecked(Control::选择框2, ReadSetting(os, "run", "1") == "1");
}

bool ValidateIdeDirectory(Os& os, std::string& directory) {
    if (TrimBlanks(directory).empty()) return false;
    directory = TrimLeadingBlanks(directory);
    // Only the last byte is looked at: a two-byte character whose trail byte is
    // 0x5C already ends the text as far as this test goes.
    if (directory.back() != '\\') directory += '\\';
    return os.Exists(directory + ide::kExecutable);
}

void SearchIdeDirectory(Os& os, Ui& ui) {
    // All three sources are read every time, whichever of them wins.
    std::string candidates[] = {
        ReadSetting(os, "path", nullptr),
        os.ReadRegistryText(ide::kInstallRoot, ide::kInstallPath),
        os.ReadRegistryText(ide::kIconRoot, ide::kIconPath),
    };
    CutAtLastOccurrence(candidates[1], ide::kInstallCut);
    CutAtLastOccurrence(candidates[2], ide::kIconCut);
    for (std::string& candidate : candidates) {
        if (ValidateIdeDirectory(os, candidate)) {
            g_initialIdeDirectory = candidate;
            break;
        }
    }
    ui.SetText(Control::编辑框1, g_initialIdeDirectory);
}

void OnBrowse(Ui& ui) {
    std::string chosen;
    if (!ui.AskForIdeProgram(chosen)) return;
    // The needle has no backslash, so the directory keeps its trailing one.
    CutAtLastOccurrence(chosen, ide::kExecutable);
    ui.SetText(Control::编辑框1, chosen);
}

}  // namespace elc
