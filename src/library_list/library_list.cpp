#include "library_list/library_list.h"

#include <cstdio>

#include "settings/settings.h"
#include "text/text.h"

namespace elc {
namespace {

constexpr char kTemplatePrefix[] = "易语言\\";

struct RowKind {
    const char* pattern;
    const char* targetTemplate;
    int icon;
};

constexpr RowKind kRowKinds[] = {
    {"*.fne", kSupportLibraryTemplate, kSupportLibraryIcon},
    {"*.lib", kStaticLibraryTemplate, kStaticLibraryIcon},
};

// The program's directory with a trailing backslash: its full file name cut
// before its own file name (letter case aside).
std::string SourceDirectory(Os& os) {
    std::string directory = os.ModuleFileName();
    CutAtLastOccurrence(directory, ProgramFileNameOf(directory));
    if (directory.empty() || directory.back() != '\\') directory += '\\';
    return directory;
}

void AppendRows(Os& os, Ui& ui, const std::string& sourceDirectory, const RowKind& kind) {
    // The system matches the pattern, and its listing order is kept.
    for (const DirEntry& entry : os.ListEntries(sourceDirectory + kind.pattern)) {
        if (entry.isDirectory) continue;
        const int row = ui.AppendRow(entry.name, kind.icon, ui.IsChecked(Control::选择框1));
        ui.SetCell(row, kColumnTemplate, kind.targetTemplate);
        ui.SetCell(row, kColumnSourcePath, sourceDirectory + entry.name);
    }
}

}  // namespace

void LoadLibraryFiles(Os& os, Ui& ui) {
    ListRedrawHold hold(ui);
    const std::string sourceDirectory = SourceDirectory(os);
    for (const RowKind& kind : kRowKinds) AppendRows(os, ui, sourceDirectory, kind);
    RefreshTimeColumns(os, ui);
    ApplySelectAll(ui);
}

void ApplySelectAll(Ui& ui) {
    ListRedrawHold hold(ui);
    const int count = ui.RowCount();
    for (int row = 0; row < count; ++row) ui.SetRowChecked(row, ui.IsChecked(Control::选择框1));
}

std::string TargetPath(const std::string& targetTemplate, const std::string& fileName,
                       const std::string& ideDirectory) {
    std::string target = targetTemplate;
    ReplaceFirst(target, kTemplatePrefix, ideDirectory);
    return target + '\\' + fileName;
}

std::string RowTargetPath(Ui& ui, int row, const std::string& ideDirectory) {
    return TargetPath(ui.GetCell(row, kColumnTemplate), ui.GetCell(row, kColumnName),
                      ideDirectory);
}

bool ReadFileTimes(Os& os, const std::string& path, DateTime* creation, DateTime* lastWrite,
                   DateTime* lastAccess) {
    FileTimes times;
    if (!os.GetFileTimes(path, times)) return false;
    if (creation) *creation = times.creation;
    if (lastWrite) *lastWrite = times.lastWrite;
    if (lastAccess) *lastAccess = times.lastAccess;
    return true;
}

std::string FormatDateTime(const DateTime& when) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02d %02d:%02d", when.year, when.month, when.day,
                  when.hour, when.minute);
    return text;
}

namespace {
// The creation time of a file as column text; empty when it cannot be read, so a
// row never shows another file's time.
std::string CreationTimeText(Os& os, const std::string& path) {
    DateTime created;
    return ReadFileTimes(os, path, &created, nullptr, nullptr) ? FormatDateTime(created)
                                                               : std::string();
}
}  // namespace

void RefreshTimeColumns(Os& os, Ui& ui) {
    std::string directory = ui.GetText(Control::编辑框1);
    // Only the normalisation matters here; the pass runs for any directory.
    (void)ValidateIdeDirectory(os, directory);
    ListRedrawHold hold(ui);
    const int count = ui.RowCount();
    for (int row = 0; row < count; ++row) {
        ui.SetCell(row, kColumnSourceTime,
                   CreationTimeText(os, ui.GetCell(row, kColumnSourcePath)));
        const std::string target = RowTargetPath(ui, row, directory);
        ui.SetCell(row, kColumnTargetTime,
                   os.Exists(target) ? CreationTimeText(os, target) : std::string());
    }
}

}  // namespace elc
