// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// torvex_emojitable JA.xml EN.xml OUT: the emoji annotations the game looks a word's picture up
// in, from the Unicode CLDR annotation files, as one UTF-8 line per emoji:
//   emoji TAB Japanese name TAB Japanese keywords TAB English name TAB English keywords
// Keywords are separated by '|'; the English ones are in lower case.
#include <QFile>
#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>
#include <cstdio>

namespace {

struct Annotation {
    QString name;
    QStringList keywords;
};
// By emoji, and the emoji in the file's own order (the CLDR's emoji order).
struct Annotations {
    QHash<QString, Annotation> byEmoji;
    QStringList order;
};

// Emoji only: the files also annotate punctuation, letters and arrows.
bool isEmoji(const QString& cp) {
    return !cp.isEmpty() && cp.toUcs4().front() >= 0x2000;
}

bool readAnnotations(const QString& path, bool lowerCase, Annotations& out) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement ||
            xml.name() != QStringLiteral("annotation"))
            continue;
        const QString cp = xml.attributes().value("cp").toString();
        const bool isName = xml.attributes().value("type") == QStringLiteral("tts");
        QString text = xml.readElementText().trimmed();
        if (lowerCase)
            text = text.toLower();
        if (!isEmoji(cp))
            continue;
        if (!out.byEmoji.contains(cp))
            out.order.append(cp);
        Annotation& annotation = out.byEmoji[cp];
        if (isName)
            annotation.name = text;
        else
            for (const QString& keyword : text.split('|'))
                annotation.keywords.append(keyword.trimmed());
    }
    return !xml.hasError();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: torvex_emojitable JA.xml EN.xml OUT\n");
        return 2;
    }
    Annotations japanese, english;
    if (!readAnnotations(QString::fromLocal8Bit(argv[1]), false, japanese) ||
        !readAnnotations(QString::fromLocal8Bit(argv[2]), true, english)) {
        std::fprintf(stderr, "torvex_emojitable: cannot read the annotations\n");
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[3]));
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "torvex_emojitable: cannot write %s\n", argv[3]);
        return 1;
    }
    // In the file's own order, which breaks ties in the lookup.
    for (const QString& emoji : japanese.order) {
        const Annotation& ja = japanese.byEmoji[emoji];
        const Annotation en = english.byEmoji.value(emoji);
        const QStringList fields = {emoji, ja.name, ja.keywords.join('|'), en.name,
                                    en.keywords.join('|')};
        out.write((fields.join('\t') + '\n').toUtf8());
    }
    return out.error() == QFileDevice::NoError ? 0 : 1;
}
