// The real OS layer against real files, profiles, registry values and windows.
#include <gtest/gtest.h>

#include "../unit/fakes.h"
#include "lab.h"
#include "library_list/library_list.h"
#include "platform/os_win32.h"
#include "settings/settings.h"
#include "text/text.h"

namespace elc::wine {
namespace {

TEST(Win32Os, ListingSkipsNothingButLetsTheCallerSeeDirectories) {
    const std::string dir = FreshFolder("listing");
    WriteBytes(dir + "a.fne", "a");
    WriteBytes(dir + "h.lib", "h");
    SetFileAttributesA((dir + "h.lib").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryA((dir + "x.fne").c_str(), nullptr);
    WriteBytes(dir + "X2.FNE", "x");
    WriteBytes(dir + "c.txt", "c");
    Win32Os os;
    std::vector<std::string> fne, lib;
    for (const DirEntry& e : os.ListEntries(dir + "*.fne")) fne.push_back(e.name + (e.isDirectory ? "/" : ""));
    for (const DirEntry& e : os.ListEntries(dir + "*.lib")) lib.push_back(e.name);
    std::sort(fne.begin(), fne.end());
    EXPECT_EQ(fne, (std::vector<std::string>{"X2.FNE", "a.fne", "x.fne/"}));
    EXPECT_EQ(lib, (std::vector<std::string>{"h.lib"}));
    EXPECT_TRUE(os.ListEntries(dir + "missing\\*.fne").empty());
    EXPECT_TRUE(os.Exists(dir + "x.fne"));
    EXPECT_FALSE(os.Exists(dir + "nothing"));
}

TEST(Win32Os, ProfileReadsAndWrites) {
    const std::string dir = FreshFolder("profile");
    const std::string ini = dir + "config.ini";
    Win32Os os;
    EXPECT_EQ(os.ReadProfileText(ini, "setup", "run", "1"), "1");  // no file
    EXPECT_EQ(os.ReadProfileText(ini, "setup", "title", nullptr), "");
    EXPECT_TRUE(os.WriteProfileText(ini, "setup", "run", "0"));  // creates file and section
    EXPECT_EQ(os.ReadProfileText(ini, "setup", "run", "1"), "0");
    EXPECT_EQ(os.ReadProfileText(ini, "other", "run", "1"), "1");  // missing section
    // A write into a missing folder fails quietly.
    EXPECT_FALSE(os.WriteProfileText(dir + "missing\\config.ini", "setup", "run", "1"));

    // Long values are cut at 10239 bytes; odd lines are passed over.
    WriteBytes(ini, "garbage without equals\r\n[setup]\r\nnoequals\r\ntitle=" + std::string(20000, 'x') +
                        "\r\npath=D:\\E\r\n[setup]\r\npath=second\r\n");
    EXPECT_EQ(os.ReadProfileText(ini, "setup", "title", nullptr).size(), 10239u);
    EXPECT_EQ(os.ReadProfileText(ini, "setup", "path", nullptr), "D:\\E");
    WriteBytes(ini, std::string("\0\xff\xfe[setup]\x01\x02run=\x80", 16));
    (void)os.ReadProfileText(ini, "setup", "run", "1");  // whatever it gives, it returns
    WriteBytes(ini, "");
    EXPECT_EQ(os.ReadProfileText(ini, "setup", "run", "1"), "1");
}

class RegistryTest : public testing::Test {
protected:
    static constexpr char kKey[] = "Software\\elibcopy-tests\\Value";
    void TearDown() override { DeleteRegistryKey(HKEY_CURRENT_USER, "Software\\elibcopy-tests"); }
    void Set(DWORD type, const std::string& data) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size()));
        RegCloseKey(key);
    }
    std::string Read() { return os.ReadRegistryText(RegistryRoot::CurrentUser, std::string(kKey) + "\\"); }
    Win32Os os;
};

TEST_F(RegistryTest, ValuesOfEachType) {
    EXPECT_EQ(Read(), "");  // missing key
    Set(REG_SZ, std::string("C:\\E\\lib\0", 9));
    EXPECT_EQ(Read(), "C:\\E\\lib");
    Set(REG_SZ, "C:\\unterminated");  // no terminating zero stored
    EXPECT_EQ(Read(), "C:\\unterminated");
    Set(REG_SZ, std::string("", 0));
    EXPECT_EQ(Read(), "");
    const std::string big(100000, 'b');
    Set(REG_SZ, big + '\0');
    EXPECT_EQ(Read(), big);
    SetEnvironmentVariableA("ELC_TEST_ROOT", "D:\\a much longer folder name than the reference");
    Set(REG_EXPAND_SZ, std::string("%ELC_TEST_ROOT%\\lib\0", 20));
    EXPECT_EQ(Read(), "D:\\a much longer folder name than the reference\\lib");
    Set(REG_DWORD, std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(Read(), "");
    Set(REG_BINARY, "C:\\E\\lib");
    EXPECT_EQ(Read(), "");
    // A two-byte character whose trail byte is a backslash survives the read and the cut.
    Set(REG_SZ, std::string("C:\\\x95\x5C\\lib\0", 10));
    std::string text = Read();
    EXPECT_EQ(text, "C:\\\x95\x5C\\lib");
    CutAtLastOccurrence(text, "\\lib");
    EXPECT_EQ(text, "C:\\\x95\x5C");
}

TEST_F(RegistryTest, ClassesRootAndNamedValues) {
    DeleteRegistryKey(HKEY_CLASSES_ROOT, "elibcopy.TestDocument");
    SetRegistryDefault(HKEY_CLASSES_ROOT, "elibcopy.TestDocument\\DefaultIcon", "C:\\E\\e.exe,0");
    EXPECT_EQ(os.ReadRegistryText(RegistryRoot::ClassesRoot, "elibcopy.TestDocument\\DefaultIcon\\"),
              "C:\\E\\e.exe,0");
    EXPECT_EQ(os.ReadRegistryText(RegistryRoot::ClassesRoot, "elibcopy.TestDocument\\DefaultIcon\\Other"), "");
    DeleteRegistryKey(HKEY_CLASSES_ROOT, "elibcopy.TestDocument");
}

TEST(Win32Os, TimesOfAFileHeldOpenWithoutWriteSharing) {
    const std::string dir = FreshFolder("times");
    const std::string path = dir + "held.fne";
    WriteBytes(path, "x");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    // Read-write access with read sharing only is refused here...
    HANDLE again = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(again, INVALID_HANDLE_VALUE);
    if (again != INVALID_HANDLE_VALUE) CloseHandle(again);
    // ...but the times are read all the same.
    Win32Os os;
    FileTimes times;
    EXPECT_TRUE(os.GetFileTimes(path, times));
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_EQ(times.creation.year, now.wYear);
    CloseHandle(held);
    EXPECT_FALSE(os.GetFileTimes(dir + "missing", times));
}

TEST(Win32Os, CopyFailuresCarryTheSystemReason) {
    const std::string dir = FreshFolder("copy");
    WriteBytes(dir + "a.fne", "a");
    Win32Os os;
    EXPECT_EQ(os.CopyOneFile(dir + "a.fne", dir + "b.fne"), 0u);
    WriteBytes(dir + "a.fne", "new");
    EXPECT_EQ(os.CopyOneFile(dir + "a.fne", dir + "b.fne"), 0u);  // overwrites
    EXPECT_EQ(ReadBytes(dir + "b.fne"), "new");
    const unsigned long missingFolder = os.CopyOneFile(dir + "a.fne", dir + "none\\a.fne");
    EXPECT_EQ(missingFolder, static_cast<unsigned long>(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(os.ErrorText(missingFolder).empty());
    EXPECT_FALSE(os.ErrorText(0x7FFF1234).empty());
}

TEST(Win32Os, WindowsAndProcesses) {
    Win32Os os;
    EXPECT_FALSE(os.TopWindowExists("ENewFrame"));
    const std::string dir = FreshFolder("process\\with space");
    CopyFileA(LabIde().c_str(), (dir + "e.exe").c_str(), FALSE);
    EXPECT_TRUE(os.StartProgram(dir + "e.exe", "\"" + dir + "e.exe\""));
    for (int waited = 0; waited < 5000 && !FileExists(dir + "e.record.txt"); waited += 100) Sleep(100);
    const std::string record = ReadBytes(dir + "e.record.txt");
    EXPECT_EQ(record.substr(0, record.find('\t')), "\"" + dir + "e.exe\"");
    EXPECT_FALSE(os.StartProgram(dir + "missing.exe", "\"" + dir + "missing.exe\""));
    EXPECT_NE(os.ModuleFileName().find("elc_wine_tests.exe"), std::string::npos);
}

// The time pass over the real OS with the edit box holding a directory without e.exe.
TEST(Win32Os, RefreshRunsForADirectoryWithoutTheIde) {
    const std::string dir = FreshFolder("refresh");
    CreateDirectoryA((dir + "lib").c_str(), nullptr);
    WriteBytes(dir + "a.fne", "a");
    WriteBytes(dir + "lib\\a.fne", "installed");
    Win32Os os;
    test::Log log;
    test::FakeUi ui(log);
    ui.texts[Control::编辑框1] = dir.substr(0, dir.size() - 1);
    ui.AddRow("a.fne", kSupportLibraryTemplate, dir + "a.fne");
    ui.AddRow("b.fne", kSupportLibraryTemplate, dir + "b.fne");
    RefreshTimeColumns(os, ui);
    EXPECT_EQ(ui.rows[0].cells[kColumnSourceTime].size(), 14u);
    EXPECT_EQ(ui.rows[0].cells[kColumnTargetTime].size(), 14u);
    EXPECT_EQ(ui.rows[1].cells[kColumnSourceTime], "");
    EXPECT_EQ(ui.rows[1].cells[kColumnTargetTime], "");
}

}  // namespace
}  // namespace elc::wine
