#include "program/RecentFiles.h"

#include <algorithm>

namespace tq58 {

namespace {

std::string Key(std::size_t index) {
    return "File" + std::to_string(index + 1);
}

void WriteRecentFiles(SettingsStore& store, const std::vector<std::string>& files) {
    for (std::size_t i = 0; i < RecentFileCount; ++i) {
        store.Write("RecentFiles", Key(i), i < files.size() ? files[i] : "");
    }
}

} // namespace

std::vector<std::string> ReadRecentFiles(const SettingsStore& store) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < RecentFileCount; ++i) {
        const std::string path = store.Read("RecentFiles", Key(i), "");
        if (!path.empty() && std::find(files.begin(), files.end(), path) == files.end()) {
            files.push_back(path);
        }
    }
    return files;
}

void RememberRecentFile(SettingsStore& store, const std::string& path) {
    std::vector<std::string> files = ReadRecentFiles(store);
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    files.insert(files.begin(), path);
    files.resize(std::min(files.size(), RecentFileCount));
    WriteRecentFiles(store, files);
}

void ForgetRecentFile(SettingsStore& store, const std::string& path) {
    std::vector<std::string> files = ReadRecentFiles(store);
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    WriteRecentFiles(store, files);
}

} // namespace tq58
