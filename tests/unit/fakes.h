// In-memory stand-ins for the two seams. Both append what they are asked to do
// to one shared log, so tests can check the order of effects across them.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/ui.h"
#include "platform/os.h"

namespace elc::test {

using Log = std::vector<std::string>;

struct FakeFile {
    bool isDirectory = false;
    FileTimes times;
    bool timesReadable = true;
};

class FakeOs : public Os {
public:
    explicit FakeOs(Log& log) : log_(log) {}

    std::map<std::string, FakeFile> files;                  // by full path
    std::map<std::string, std::vector<DirEntry>> listings;  // by pattern
    std::map<std::string, std::map<std::string, std::string>> profiles;  // file -> key -> value
    bool profileWritable = true;
    std::map<std::pair<RegistryRoot, std::string>, std::string> registry;
    std::set<std::string> windowClasses;
    std::map<std::string, unsigned long> copyErrors;  // by target path
    std::string moduleFileName = "C:\\tools\\elibcopy.exe";
    std::vector<std::pair<std::string, std::string>> started;  // application, command line
    FileTimes copiedTimes;

    void AddFile(const std::string& path, FileTimes times = {}) { files[path] = {false, times, true}; }
    void AddDirectory(const std::string& path) { files[path] = {true, {}, false}; }

    std::vector<DirEntry> ListEntries(const std::string& pattern) override {
        log_.push_back("list " + pattern);
        auto it = listings.find(pattern);
        return it == listings.end() ? std::vector<DirEntry>{} : it->second;
    }
    bool Exists(const std::string& path) override {
        log_.push_back("exists " + path);
        return files.count(path) != 0;
    }
    unsigned long CopyOneFile(const std::string& from, const std::string& to) override {
        log_.push_back("copy " + from + " > " + to);
        if (auto it = copyErrors.find(to); it != copyErrors.end()) return it->second;
        if (files.count(from) == 0) return 2;
        files[to] = {false, copiedTimes, true};
        return 0;
    }
    bool GetFileTimes(const std::string& path, FileTimes& times) override {
        log_.push_back("times " + path);
        auto it = files.find(path);
        if (it == files.end() || !it->second.timesReadable) return false;
        times = it->second.times;
        return true;
    }
    std::string ErrorText(unsigned long code) override {
        return "reason " + std::to_string(code) + "\r\n";
    }
    std::string ModuleFileName() override { return moduleFileName; }
    bool SetCurrentDir(const std::string& dir) override {
        log_.push_back("cd " + dir);
        return true;
    }
    std::string ReadProfileText(const std::string& file, const char* section, const char* key,
                                const char* fallback) override {
        log_.push_back(std::string("read ") + section + "." + key);
        auto f = profiles.find(file);
        if (f != profiles.end()) {
            auto k = f->second.find(key);
            if (k != f->second.end()) return k->second;
        }
        return fallback ? fallback : "";
    }
    bool WriteProfileText(const std::string& file, const char* section, const char* key,
                          const std::string& value) override {
        log_.push_back(std::string("write ") + section + "." + key + "=" + value);
        if (!profileWritable) return false;
        profiles[file][key] = value;
        return true;
    }
    std::string ReadRegistryText(RegistryRoot root, const std::string& path) override {
        log_.push_back("registry " + path);
        auto it = registry.find({root, path});
        return it == registry.end() ? std::string() : it->second;
    }
    bool TopWindowExists(const char* className) override {
        log_.push_back(std::string("window ") + className);
        return windowClasses.count(className) != 0;
    }
    bool StartProgram(const std::string& application, const std::string& commandLine) override {
        log_.push_back("start " + commandLine);
        started.emplace_back(application, commandLine);
        return true;
    }

private:
    Log& log_;
};

struct FakeRow {
    std::string cells[5];
    int icon = 0;
    bool checked = false;
};

struct FakeBox {
    std::string text, title;
    unsigned flags = 0;
};

class FakeUi : public Ui {
public:
    explicit FakeUi(Log& log) : log_(log) {
        // The form's places and initial state.
        places[Control::标签2] = {0, 0, 500, 80};
        places[Control::标签1] = {8, 88, 64, 20};
        places[Control::编辑框1] = {80, 88, 216, 20};
        places[Control::按钮1] = {304, 86, 60, 24};
        places[Control::超级列表框1] = {8, 119, 352, 64};
        places[Control::选择框1] = {8, 200, 56, 16};
        places[Control::按钮2] = {136, 232, 96, 32};
        places[Control::按钮3] = {264, 232, 96, 32};
        places[Control::选择框2] = {88, 200, 120, 16};
        texts[Control::标签2] = "\r\n\r\n\r\n\r\n              %s";
        checks[Control::选择框1] = true;
        checks[Control::选择框2] = true;
    }

    int clientWidth = 494, clientHeight = 375;
    std::map<Control, Place> places;
    std::map<Control, std::string> texts;
    std::map<Control, bool> checks;
    std::vector<FakeRow> rows;
    std::vector<FakeBox> boxes;
    std::deque<int> answers;  // answers to the boxes, in order; OK (1) when none is left
    bool dialogConfirms = false;
    std::string dialogChoice;
    std::string dialogOffered;  // what the dialog was opened with
    int closeRequests = 0;
    int listHolds = 0;  // list redraw holds in force
    int placeMoves = 0;
    Control focused = Control::标签2;

    void AddRow(const std::string& name, const std::string& templ, const std::string& source,
                bool checked = true) {
        FakeRow row;
        row.cells[kColumnName] = name;
        row.cells[kColumnTemplate] = templ;
        row.cells[kColumnSourcePath] = source;
        row.checked = checked;
        rows.push_back(row);
    }

    int ClientWidth() override { return clientWidth; }
    int ClientHeight() override { return clientHeight; }
    Place GetPlace(Control c) override { return places[c]; }
    void SetPlace(Control c, Place p) override {
        if (p.width < 0) p.width = 0;
        if (p.height < 0) p.height = 0;
        if (places[c] == p) return;
        places[c] = p;
        ++placeMoves;
    }
    std::string GetText(Control c) override { return texts[c]; }
    void SetText(Control c, const std::string& text) override { texts[c] = text; }
    bool IsChecked(Control c) override { return checks[c]; }
    void SetChecked(Control c, bool on) override { checks[c] = on; }
    void Focus(Control c) override {
        log_.push_back("focus");
        focused = c;
    }
    int RowCount() override { return static_cast<int>(rows.size()); }
    int AppendRow(const std::string& label, int icon, bool checked) override {
        FakeRow row;
        row.cells[0] = label;
        row.icon = icon;
        row.checked = checked;
        rows.push_back(row);
        return static_cast<int>(rows.size()) - 1;
    }
    void SetCell(int row, int column, const std::string& text) override {
        rows.at(static_cast<std::size_t>(row)).cells[column] = text;
    }
    std::string GetCell(int row, int column) override {
        return rows.at(static_cast<std::size_t>(row)).cells[column];
    }
    void SetRowChecked(int row, bool on) override {
        rows.at(static_cast<std::size_t>(row)).checked = on;
    }
    bool IsRowChecked(int row) override { return rows.at(static_cast<std::size_t>(row)).checked; }
    void HoldListRedraw() override { ++listHolds; }
    void ReleaseListRedraw() override { --listHolds; }
    int ShowBox(const std::string& text, const std::string& title, unsigned flags) override {
        EXPECT_EQ(listHolds, 0) << "a box shown while the list does not redraw";
        log_.push_back("box " + title + ": " + text);
        boxes.push_back({text, title, flags});
        if (answers.empty()) return 1;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool AskForIdeProgram(std::string& chosen) override {
        dialogOffered = dialogChoiceRemembered;
        if (!dialogConfirms) return false;
        chosen = dialogChoiceRemembered = dialogChoice;
        return true;
    }
    void RequestClose() override {
        log_.push_back("close");
        ++closeRequests;
    }

private:
    Log& log_;
    std::string dialogChoiceRemembered;
};

}  // namespace elc::test
