// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one document of the program and the framework's file commands on it: open, save, save
// as, new, and the recently-used files. The content is read and written through an Archive.
#include "platform/archive.h"

#include <functional>
#include <string>

namespace platform {

// Why a file could not be opened or saved.
enum class FileProblem { Missing, NoPermission, Folder, NotAFile, NoMemory, Other };

struct FileFailure {
    bool saving;
    std::string path;
    FileProblem problem;
    std::string detail; // the system's own words, for FileProblem::Other
};

class DocumentContent {
  public:
    virtual ~DocumentContent() = default;
    // Loading reads everything it needs before it changes anything: a read that fails (an
    // exception out of the archive) leaves the content as it was.
    virtual void Serialize(Archive& archive) = 0;
    // The message that tells the user about a failed open or save.
    virtual std::string failureText(const FileFailure& failure) const = 0;
};

class Document {
  public:
    Document(DocumentContent& content, std::string untitledName);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Reads the file into the content. A file that cannot be read, or for which memory runs
    // out, is reported and nothing of the document changes; the result is false.
    bool open(const std::string& path);
    // Writes to the document's file, asking for a name while it has none. The old file is
    // replaced only by a complete new one: a failed save leaves it as it was.
    bool save();
    bool saveAs();
    // A new, untitled document; the content keeps what it holds.
    bool newDocument();
    // Asks for a file to open.
    bool openWithDialog();
    // Asks whether to save a modified document: true when it may be closed or replaced.
    bool saveModified();

    const std::string& path() const { return path_; }
    std::string title() const;
    bool modified() const { return modified_; }
    void setModified(bool modified);

    // Told when the title changes, and after every open and new (the view repaints then).
    std::function<void()> onChanged;
    // Told whenever the document becomes modified or saved, so the window can show it.
    std::function<void(bool)> onModifiedChanged;

  private:
    bool storeTo(const std::string& path);
    bool adopt(const std::string& path);

    DocumentContent& content_;
    std::string untitledName_;
    std::string path_;
    bool modified_ = false;
};

// The program's one document, or nullptr before it exists.
Document* theDocument();

} // namespace platform
