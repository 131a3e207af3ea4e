#include "platform/paths.h"

#include "platform/sjis.h"

#include <QCoreApplication>
#include <filesystem>
#include <system_error>

namespace platform {

std::string currentDirectory() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::current_path(error);
    return error ? std::string() : path.string();
}

std::optional<std::string> wordFilePath(std::string_view folder, std::string_view kanjiSjis,
                                        std::string_view extension) {
    const std::optional<std::string> name = sjisToUtf8(kanjiSjis);
    if (!name || name->empty() || *name == "." || *name == ".." ||
        name->find_first_of(std::string_view("/\\\0", 3)) != std::string::npos)
        return std::nullopt;
    return std::string(folder) + "/" + *name + std::string(extension);
}

std::string programFilePath() {
    return QCoreApplication::applicationFilePath().toStdString();
}

} // namespace platform
