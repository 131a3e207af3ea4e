#include "platform/document.h"

#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/recent_files.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace platform {
namespace {

// A word list is read as its first 150 lines; whatever follows is never needed, so a huge
// file costs no more memory than those lines.
constexpr int kLinesRead = 150;

Document* currentDocument = nullptr;

std::string reasonText(int error) {
    return error ? std::strerror(error) : "read error";
}

// Reads the leading lines of a file, each ended by LF. Returns an error text on failure.
std::string readLeadingLines(const std::string& path, std::string& lines) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status))
        return "フォルダーはデータとして開けません";
    // A named pipe would be waited on for ever and a device may never end: only files are read.
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return "ふつうのファイルではないので開けません";
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return reasonText(errno);
    Archive archive = Archive::loading(in);
    std::string line;
    try {
        for (int i = 0; i < kLinesRead && archive.ReadString(line); ++i) {
            lines += line;
            lines += '\n';
        }
    } catch (const std::ios_base::failure&) {
        // libstdc++'s file buffer throws on a failed read (an I/O error, a file that vanished).
        return reasonText(errno);
    }
    if (in.bad())
        return reasonText(errno);
    return {};
}

} // namespace

Document::Document(DocumentContent& content, std::string untitledName)
    : content_(content), untitledName_(std::move(untitledName)) {
    currentDocument = this;
}

Document::~Document() {
    if (currentDocument == this)
        currentDocument = nullptr;
}

Document* theDocument() {
    return currentDocument;
}

std::string Document::title() const {
    if (path_.empty())
        return untitledName_;
    return QFileInfo(QString::fromStdString(path_)).fileName().toStdString();
}

void Document::setPath(const std::string& path) {
    path_ = path;
    if (!path.empty())
        addRecentFile(path);
}

bool Document::open(const std::string& path) {
    std::string lines;
    if (const std::string error = readLeadingLines(path, lines); !error.empty()) {
        messageBox(path + " を開けませんでした。\n" + error);
        return false;
    }
    std::istringstream in(std::move(lines));
    Archive archive = Archive::loading(in);
    content_.Serialize(archive);
    setPath(path);
    modified_ = false;
    if (onChanged)
        onChanged();
    return true;
}

bool Document::storeTo(const std::string& path) {
    std::ostringstream out;
    Archive archive = Archive::storing(out);
    content_.Serialize(archive);
    const std::string bytes = out.str();
    // The new file is written beside the old one and renamed over it only when complete.
    QSaveFile file(QString::fromStdString(path));
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                             static_cast<qint64>(bytes.size()) &&
                         file.commit();
    if (!written) {
        messageBox(path + " に保存できませんでした。\n" + file.errorString().toStdString());
        return false;
    }
    setPath(path);
    modified_ = false;
    if (onChanged)
        onChanged();
    return true;
}

bool Document::save() {
    return path_.empty() ? saveAs() : storeTo(path_);
}

bool Document::saveAs() {
    const auto chosen = askFileName(FileDialogKind::Save, path_.empty() ? title() : path_);
    return chosen && storeTo(*chosen);
}

bool Document::newDocument() {
    if (!saveModified() || !content_.OnNewDocument())
        return false;
    path_.clear();
    modified_ = false;
    if (onChanged)
        onChanged();
    return true;
}

bool Document::openWithDialog() {
    if (!saveModified())
        return false;
    const auto chosen = askFileName(FileDialogKind::Open, path_);
    return chosen && open(*chosen);
}

bool Document::saveModified() {
    if (!modified_)
        return true;
    switch (askSaveChanges(title())) {
    case SaveAnswer::Save:
        return save();
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

} // namespace platform
