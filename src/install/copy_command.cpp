#include "install/copy_command.h"

#include <string>
#include <vector>

#include "library_list/library_list.h"
#include "settings/ide_facts.h"
#include "settings/settings.h"

namespace elc {
namespace {

constexpr unsigned kBoxStyle = kBoxIconInformation | kBoxTaskModal;
constexpr char kErrorTitle[] = "错误";
constexpr char kNoticeTitle[] = "提示";
constexpr char kEmptyListText[] = "暂无需要复制的文件";
constexpr char kInvalidDirectoryText[] = "无效的易语言目录";
constexpr char kNothingTickedText[] = "请选择要复制的文件";
constexpr char kIdeRunningText[] = "易语言正在运行中,可能复制失败!\r\n是否继续复制?";
constexpr char kCopyFailedText[] = "以下文件复制失败:";

struct CopyPair {
    std::string source, target;
};

void ShowError(Ui& ui, const char* text) { ui.ShowBox(text, kErrorTitle, kBoxOk | kBoxStyle); }

void SaveChoices(Os& os, Ui& ui, const std::string& ideDirectory) {
    WriteSetting(os, "run", ui.IsChecked(Control::选择框2) ? "1" : "0");
    // An empty initial directory differs from every valid one.
    if (ideDirectory != g_initialIdeDirectory) WriteSetting(os, "path", ideDirectory);
}

std::vector<CopyPair> CollectTicked(Ui& ui, const std::string& ideDirectory) {
    std::vector<CopyPair> pairs;
    const int count = ui.RowCount();
    for (int row = 0; row < count; ++row) {
        if (!ui.IsRowChecked(row)) continue;
        pairs.push_back({ui.GetCell(row, kColumnSourcePath), RowTargetPath(ui, row, ideDirectory)});
    }
    return pairs;
}

// With the IDE running, asks once before the first installed file is overwritten.
bool MayOverwrite(Os& os, Ui& ui, const std::vector<CopyPair>& pairs) {
    if (!os.TopWindowExists(ide::kMainWindowClass)) return true;
    for (const CopyPair& pair : pairs) {
        if (os.Exists(pair.target))
            return ui.ShowBox(kIdeRunningText, kNoticeTitle, kBoxYesNo | kBoxStyle) == kAnswerYes;
    }
    return true;
}

std::string TrimLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

// Copies every pair, each attempted whatever became of the others; returns the
// failure report, empty when all went well.
std::string CopyAll(Os& os, const std::vector<CopyPair>& pairs) {
    std::string report;
    for (const CopyPair& pair : pairs) {
        const unsigned long error = os.CopyOneFile(pair.source, pair.target);
        if (error == 0) continue;
        report += "\r\n" + pair.target + "  " + TrimLineEnd(os.ErrorText(error));
    }
    return report.empty() ? report : kCopyFailedText + report;
}

void StartIde(Os& os, const std::string& ideDirectory) {
    // The full path is passed as the program to run and, quoted, as the command
    // line, so a space in the path can never start some other program. A failed
    // start is not reported; the window closes all the same.
    const std::string program = ideDirectory + ide::kExecutable;
    (void)os.StartProgram(program, '"' + program + '"');
}

}  // namespace

void OnCopy(Os& os, Ui& ui) {
    if (ui.RowCount() == 0) return ShowError(ui, kEmptyListText);

    std::string ideDirectory = ui.GetText(Control::编辑框1);
    if (!ValidateIdeDirectory(os, ideDirectory)) {
        ShowError(ui, kInvalidDirectoryText);
        ui.Focus(Control::编辑框1);
        return;
    }
    SaveChoices(os, ui, ideDirectory);

    const std::vector<CopyPair> pairs = CollectTicked(ui, ideDirectory);
    if (pairs.empty()) return ShowError(ui, kNothingTickedText);
    if (!MayOverwrite(os, ui, pairs)) return;

    const std::string failures = CopyAll(os, pairs);
    RefreshTimeColumns(os, ui);
    if (!failures.empty()) {
        // The user must know the old library is still in place: no start, no close.
        ShowError(ui, failures.c_str());
        return;
    }
    if (!ui.IsChecked(Control::选择框2)) return;
    StartIde(os, ideDirectory);
    ui.RequestClose();
}

}  // namespace elc
