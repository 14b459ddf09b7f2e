// A lab installation for end-to-end runs: the program with two library files in
// app\, and a stand-in IDE with lib\ and static_lib\ in its own folder.
#pragma once

#include <windows.h>

#include <string>

#include "wine_support.h"

namespace elc::wine {

inline constexpr char kInstallKey[] = "Software\\FlySky\\E\\Install";
inline constexpr char kIconKey[] = "E.Document\\DefaultIcon";

struct Lab {
    std::string root, app, ide;

    explicit Lab(const std::string& name, const std::string& ideFolder = "ide") {
        root = FreshFolder(name);
        app = root + "app\\";
        ide = root + ideFolder + "\\";
        CreateDirectoryA(app.c_str(), nullptr);
        CreateDirectoryA(ide.c_str(), nullptr);
        CreateDirectoryA((ide + "lib").c_str(), nullptr);
        CreateDirectoryA((ide + "static_lib").c_str(), nullptr);
        CopyFileA(BuiltProgram().c_str(), (app + "elibcopy.exe").c_str(), FALSE);
        CopyFileA(LabIde().c_str(), (ide + "e.exe").c_str(), FALSE);
        WriteBytes(app + "a.fne", "support library a\n");
        WriteBytes(app + "b.lib", std::string("static library b\0\x01\x02", 19));
        ClearRegistry();
    }
    ~Lab() { ClearRegistry(); }

    static void ClearRegistry() {
        DeleteRegistryKey(HKEY_CURRENT_USER, kInstallKey);
        DeleteRegistryKey(HKEY_CLASSES_ROOT, "E.Document");
    }
    void PointRegistryAtIde() const { SetRegistryDefault(HKEY_CURRENT_USER, kInstallKey, ide + "lib"); }
    void WriteConfig(const std::string& text) const { WriteBytes(app + "config.ini", text); }
    std::string Program() const { return app + "elibcopy.exe"; }
    std::string Record() const { return ReadBytes(ide + "e.record.txt"); }
};

// Control indexes in creation order.
enum Index { kBanner, kLabel, kEdit, kBrowse, kList, kSelectAll, kCopy, kCancel, kRunAfter };

}  // namespace elc::wine
