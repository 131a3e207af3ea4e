#pragma once

#include <QString>
#include <vector>

namespace wordart {

// One line of the picture table: the word's kanji and the emoji its picture is drawn from.
struct PictureEntry {
    QString kanji;
    QString emoji;
};

// Reads a UTF-8 table of "kanji<TAB>emoji" lines; blank lines and lines starting with '#' are
// skipped. Throws std::runtime_error for an unreadable file or a line without both fields.
std::vector<PictureEntry> readPictureTable(const QString& path);

} // namespace wordart
