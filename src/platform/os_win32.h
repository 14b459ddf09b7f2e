#pragma once

#include "platform/os.h"

namespace elc {

class Win32Os final : public Os {
public:
    std::vector<DirEntry> ListEntries(const std::string& pattern) override;
    bool Exists(const std::string& path) override;
    unsigned long CopyOneFile(const std::string& from, const std::string& to) override;
    bool GetFileTimes(const std::string& path, FileTimes& times) override;
    std::string ErrorText(unsigned long code) override;
    std::string ModuleFileName() override;
    bool SetCurrentDir(const std::string& dir) override;
    std::string ReadProfileText(const std::string& file, const char* section, const char* key,
                                const char* fallback) override;
    bool WriteProfileText(const std::string& file, const char* section, const char* key,
                          const std::string& value) override;
    std::string ReadRegistryText(RegistryRoot root, const std::string& path) override;
    bool TopWindowExists(const char* className) override;
    bool StartProgram(const std::string& application, const std::string& commandLine) override;
};

}  // namespace elc
