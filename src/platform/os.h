// The program's one seam to the operating system: only what the handlers need.
// The real implementation (os_win32.cpp) is a thin layer over the -A functions;
// host tests use an in-memory fake.
#pragma once

#include <string>
#include <vector>

namespace elc {

struct DirEntry {
    std::string name;  // long name, no directory part, case as stored
    bool isDirectory = false;
};

// A calendar date and a time of day to the second, in local time.
struct DateTime {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
    friend bool operator==(const DateTime&, const DateTime&) = default;
};

// The three time stamps of a file, converted to local time.
struct FileTimes {
    DateTime creation, lastWrite, lastAccess;
};

enum class RegistryRoot { CurrentUser, ClassesRoot };

class Os {
public:
    virtual ~Os() = default;

    // Entries matching a wildcard pattern, in the order the system lists them.
    virtual std::vector<DirEntry> ListEntries(const std::string& pattern) = 0;
    // True when an entry (file or directory) of that full name is found.
    virtual bool Exists(const std::string& path) = 0;
    // Copies over an existing target; returns 0 or the system's error code.
    virtual unsigned long CopyOneFile(const std::string& from, const std::string& to) = 0;
    // Reads a file's time stamps without asking for data access.
    virtual bool GetFileTimes(const std::string& path, FileTimes& times) = 0;
    // The system's wording of an error code, in the system's code page.
    virtual std::string ErrorText(unsigned long code) = 0;

    // The program's own full file name, whatever its length.
    virtual std::string ModuleFileName() = 0;
    virtual bool SetCurrentDir(const std::string& dir) = 0;

    // One key of a private-profile file; a null fallback reads as empty.
    virtual std::string ReadProfileText(const std::string& file, const char* section,
                                        const char* key, const char* fallback) = 0;
    virtual bool WriteProfileText(const std::string& file, const char* section, const char* key,
                                  const std::string& value) = 0;

    // A registry text; the last backslash of path separates key and value name, so
    // a path ending in a backslash names the key's default value. REG_SZ as is,
    // REG_EXPAND_SZ expanded, anything else (or any failure) empty.
    virtual std::string ReadRegistryText(RegistryRoot root, const std::string& path) = 0;

    // True when a top-level window of that class exists, whatever its title.
    virtual bool TopWindowExists(const char* className) = 0;
    // Starts a program; returns whether it started. Waits briefly for it to settle.
    virtual bool StartProgram(const std::string& application, const std::string& commandLine) = 0;
};

}  // namespace elc
