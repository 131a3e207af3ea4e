// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
#include <optional>
#include <sstream>

namespace platform {
namespace {

Document* currentDocument = nullptr;

FileProblem problemOf(int error) {
    switch (error) {
    case ENOENT:
        return FileProblem::Missing;
    case EACCES:
    case EPERM:
        return FileProblem::NoPermission;
    case EISDIR:
        return FileProblem::Folder;
    case ENOMEM:
        return FileProblem::NoMemory;
    }
    return FileProblem::Other;
}

FileFailure openFailure(const std::string& path, int error) {
    return {false, path, problemOf(error), error ? std::strerror(error) : "read error"};
}

// Reads the file through the content, straight from the file: its bytes are held once, by the
// content. The failure, if any.
std::optional<FileFailure> readInto(DocumentContent& content, const std::string& path) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status))
        return FileFailure{false, path, FileProblem::Folder, {}};
    // A named pipe would be waited on for ever and a device may never end: only files are read.
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return FileFailure{false, path, FileProblem::NotAFile, {}};
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return openFailure(path, errno);
    try {
        Archive archive = Archive::loading(in);
        content.Serialize(archive);
    } catch (const std::ios_base::failure&) {
        // libstdc++'s file buffer throws on a failed read (an I/O error, a file that vanished).
        return openFailure(path, errno);
    } catch (const std::bad_alloc&) {
        return FileFailure{false, path, FileProblem::NoMemory, {}};
    }
    return std::nullopt;
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

// The document now stands for the file at PATH (none: untitled), as it is stored there.
bool Document::adopt(const std::string& path) {
    path_ = path;
    if (!path.empty())
        addRecentFile(path);
    setModified(false);
    if (onChanged)
        onChanged();
    return true;
}

bool Document::open(const std::string& path) {
    if (const auto failure = readInto(content_, path)) {
        messageBox(content_.failureText(*failure));
        return false;
    }
    return adopt(path);
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
        const FileProblem problem = file.error() == QFileDevice::PermissionsError
                                        ? FileProblem::NoPermission
                                        : FileProblem::Other;
        messageBox(content_.failureText({true, path, problem, file.errorString().toStdString()}));
        return false;
    }
    return adopt(path);
}

void Document::setModified(bool modified) {
    modified_ = modified;
    if (onModifiedChanged)
        onModifiedChanged(modified);
}

bool Document::save() {
    return path_.empty() ? saveAs() : storeTo(path_);
}

bool Document::saveAs() {
    const auto chosen = askFileName(FileDialogKind::Save, path_.empty() ? title() : path_);
    return chosen && storeTo(*chosen);
}

bool Document::newDocument() {
    if (!saveModified())
        return false;
    return adopt({});
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
