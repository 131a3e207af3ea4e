#include "picture_table.h"

#include <QFile>
#include <QStringList>
#include <stdexcept>

namespace wordart {

namespace {

std::runtime_error tableError(const QString& path, const QString& what) {
    return std::runtime_error((path + ": " + what).toStdString());
}

} // namespace

std::vector<PictureEntry> readPictureTable(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw tableError(path, file.errorString());
    std::vector<PictureEntry> entries;
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList fields = line.split('\t');
        if (fields.size() != 2 || fields[0].isEmpty() || fields[1].isEmpty())
            throw tableError(path, QString("line %1 is not kanji<TAB>emoji").arg(lineNumber));
        entries.push_back({fields[0], fields[1]});
    }
    return entries;
}

} // namespace wordart
