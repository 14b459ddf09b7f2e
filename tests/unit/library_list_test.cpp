#include <gtest/gtest.h>

#include "fakes.h"
#include "library_list/library_list.h"

namespace elc {
namespace {

using test::FakeOs;
using test::FakeUi;

FileTimes Created(int y, int mo, int d, int h, int mi, int s = 0) {
    FileTimes t;
    t.creation = {y, mo, d, h, mi, s};
    t.lastWrite = {2030, 1, 1, 1, 1, 1};
    t.lastAccess = {2031, 1, 1, 1, 1, 1};
    return t;
}

class LibraryListTest : public testing::Test {
protected:
    test::Log log;
    FakeOs os{log};
    FakeUi ui{log};
};

TEST_F(LibraryListTest, LoadListsFneRowsThenLibRowsInListingOrder) {
    os.moduleFileName = "C:\\Tools\\ELIBCOPY.EXE";
    os.listings["C:\\Tools\\*.fne"] = {{"a.fne", false}, {"x.fne", true}, {"X.FNE", false}};
    os.listings["C:\\Tools\\*.lib"] = {{"b.lib", false}, {"h.lib", false}};
    ui.texts[Control::编辑框1] = "C:\\E\\";
    LoadLibraryFiles(os, ui);

    ASSERT_EQ(ui.rows.size(), 4u);  // the directory x.fne gives no row
    const struct {
        const char* name;
        int icon;
        const char* templ;
    } expected[] = {
        {"a.fne", 0, "易语言\\lib"},
        {"X.FNE", 0, "易语言\\lib"},
        {"b.lib", 1, "易语言\\static_lib"},
        {"h.lib", 1, "易语言\\static_lib"},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        const test::FakeRow& row = ui.rows[i];
        EXPECT_EQ(row.cells[kColumnName], expected[i].name);
        EXPECT_EQ(row.icon, expected[i].icon);
        EXPECT_EQ(row.cells[kColumnTemplate], expected[i].templ);
        EXPECT_EQ(row.cells[kColumnSourcePath], std::string("C:\\Tools\\") + expected[i].name);
        EXPECT_TRUE(row.checked);
    }
    EXPECT_EQ(ui.listHolds, 0) << "every redraw hold is released";
    // The target keeps the listed case too.
    EXPECT_EQ(RowTargetPath(ui, 1, "C:\\E\\"), "C:\\E\\lib\\X.FNE");
}

TEST_F(LibraryListTest, LoadTicksRowsByTheSelectAllBox) {
    os.listings["C:\\tools\\*.fne"] = {{"a.fne", false}};
    ui.checks[Control::选择框1] = false;
    LoadLibraryFiles(os, ui);
    ASSERT_EQ(ui.rows.size(), 1u);
    EXPECT_FALSE(ui.rows[0].checked);
}

TEST_F(LibraryListTest, SourceDirectoryCases) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\elibcopy.exe", "C:\\*.fne"},
        {"D:\\\x95\x5C\\elibcopy.exe", "D:\\\x95\x5C\\*.fne"},
        {"D:\\x\\ElibCopy.Exe", "D:\\x\\*.fne"},
    };
    for (const auto& [module, pattern] : cases) {
        os.moduleFileName = module;
        log.clear();
        LoadLibraryFiles(os, ui);
        EXPECT_EQ(log.at(0), std::string("list ") + pattern) << module;
    }
}

TEST_F(LibraryListTest, SelectAllFollowsTheBox) {
    ApplySelectAll(ui);  // an empty list: nothing happens
    EXPECT_TRUE(ui.rows.empty());
    ui.AddRow("a.fne", kSupportLibraryTemplate, "C:\\s\\a.fne", false);
    ui.AddRow("b.lib", kStaticLibraryTemplate, "C:\\s\\b.lib", true);
    ApplySelectAll(ui);
    EXPECT_TRUE(ui.rows[0].checked && ui.rows[1].checked);
    ui.checks[Control::选择框1] = false;
    ApplySelectAll(ui);
    EXPECT_FALSE(ui.rows[0].checked || ui.rows[1].checked);
}

TEST(TargetPath, ReplacesTheTemplatePrefix) {
    const struct {
        const char* templ;
        const char* name;
        const char* directory;
        const char* expected;
    } cases[] = {
        {kSupportLibraryTemplate, "a.fne", "D:\\Tools\\E\\", "D:\\Tools\\E\\lib\\a.fne"},
        {kStaticLibraryTemplate, "y.lib", "C:\\E\\", "C:\\E\\static_lib\\y.lib"},
        {kStaticLibraryTemplate, "b.lib", "", "static_lib\\b.lib"},
        {kSupportLibraryTemplate, "a.fne", "D:\\易语言\\", "D:\\易语言\\lib\\a.fne"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TargetPath(c.templ, c.name, c.directory), c.expected) << c.expected;
}

TEST(FormatDateTime, CutsSecondsAndPads) {
    EXPECT_EQ(FormatDateTime({2024, 3, 5, 9, 7, 59}), "20240305 09:07");
    EXPECT_EQ(FormatDateTime({2020, 12, 31, 23, 59, 59}), "20201231 23:59");
    EXPECT_EQ(FormatDateTime(DateTime{}), "18991230 00:00");
}

TEST_F(LibraryListTest, ReadFileTimesWritesOnlyWhatIsAsked) {
    os.AddFile("C:\\a", Created(2020, 1, 1, 10, 0));
    DateTime created, written;
    const DateTime untouched = written;
    EXPECT_TRUE(ReadFileTimes(os, "C:\\a", &created, nullptr, nullptr));
    EXPECT_EQ(created, (DateTime{2020, 1, 1, 10, 0, 0}));
    EXPECT_EQ(written, untouched);
    EXPECT_FALSE(ReadFileTimes(os, "C:\\missing", &created, &written, nullptr));
    EXPECT_EQ(created, (DateTime{2020, 1, 1, 10, 0, 0}));
}

TEST_F(LibraryListTest, RefreshShowsCreationTimesAndEmptyCellsForWhatCannotBeRead) {
    ui.texts[Control::编辑框1] = " C:\\E";  // normalised for the pass, not in the box
    ui.AddRow("a.fne", kSupportLibraryTemplate, "C:\\s\\a.fne");
    ui.AddRow("b.fne", kSupportLibraryTemplate, "C:\\s\\b.fne");
    ui.AddRow("c.lib", kStaticLibraryTemplate, "C:\\s\\c.lib");
    os.AddFile("C:\\s\\a.fne", Created(2020, 1, 1, 10, 0));
    os.AddFile("C:\\s\\b.fne", Created(2021, 2, 2, 11, 0));
    os.files["C:\\s\\b.fne"].timesReadable = false;  // held open, say
    os.AddFile("C:\\s\\c.lib", Created(2022, 3, 3, 12, 0));
    os.AddFile("C:\\E\\lib\\a.fne", Created(2024, 3, 5, 9, 7, 59));
    os.AddFile("C:\\E\\lib\\b.fne", Created(2019, 9, 9, 9, 9));
    os.AddDirectory("C:\\E\\static_lib\\c.lib");  // exists, but has no readable times

    RefreshTimeColumns(os, ui);

    EXPECT_EQ(ui.rows[0].cells[kColumnSourceTime], "20200101 10:00");
    EXPECT_EQ(ui.rows[0].cells[kColumnTargetTime], "20240305 09:07");
    EXPECT_EQ(ui.rows[1].cells[kColumnSourceTime], "");  // not the previous row's time
    EXPECT_EQ(ui.rows[1].cells[kColumnTargetTime], "20190909 09:09");
    EXPECT_EQ(ui.rows[2].cells[kColumnSourceTime], "20220303 12:00");
    EXPECT_EQ(ui.rows[2].cells[kColumnTargetTime], "");
    EXPECT_EQ(ui.texts[Control::编辑框1], " C:\\E");
}

TEST_F(LibraryListTest, RefreshWithMissingTargetsAndAnEmptyDirectory) {
    ui.AddRow("a.fne", kSupportLibraryTemplate, "C:\\s\\a.fne");
    os.AddFile("C:\\s\\a.fne", Created(2020, 1, 1, 10, 0));
    ui.rows[0].cells[kColumnTargetTime] = "stale";
    RefreshTimeColumns(os, ui);
    EXPECT_EQ(ui.rows[0].cells[kColumnTargetTime], "");
    // Nothing exists at the target: no attempt to read its times.
    EXPECT_NE(std::find(log.begin(), log.end(), "exists lib\\a.fne"), log.end());
    EXPECT_EQ(std::find(log.begin(), log.end(), "times lib\\a.fne"), log.end());
}

}  // namespace
}  // namespace elc
