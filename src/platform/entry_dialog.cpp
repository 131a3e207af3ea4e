#include "platform/entry_dialog.h"

#include "platform/message_box.h"
#include "platform/modal.h"
#include "platform/sjis.h"
#include "platform/view.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <map>

namespace platform {
namespace {

// Rectangles of the dialog template, in dialog units: left, top, width, height.
struct DialogRect {
    int x, y, w, h;
};

struct EditRow {
    const char* label;
    DialogRect labelRect;
    DialogRect editRect;
    EntryField field;
    std::string EntryTexts::*text;
    const char* objectName;
};

// In tab order; each label's access key moves the focus to the edit after it.
// clang-format off
const EditRow kRows[] = {
    {"漢字 (&K)", {19, 18, 40, 20}, {69, 15, 110, 26},
     EntryField::Kanji, &EntryTexts::kanji, "kanji"},
    {"よみ (&Y)", {18, 48, 40, 20}, {69, 45, 110, 26},
     EntryField::Reading, &EntryTexts::reading, "reading"},
    {"Ｅｎｇｌｉｓｈ (&E)", {18, 79, 38, 20}, {69, 75, 110, 26},
     EntryField::English, &EntryTexts::english, "english"},
    {"Ｎｏ．(&N)", {18, 111, 30, 20}, {53, 108, 52, 26},
     EntryField::Number, &EntryTexts::number, "number"},
};
// clang-format on
constexpr DialogRect kBox{230, 268, 206, 175}; // placed from the owner's client origin
constexpr DialogRect kOkRect{38, 143, 50, 19};
constexpr DialogRect kCancelRect{96, 144, 50, 19};
constexpr int kFontPixels = 9 * 96 / 72; // 9 points at 96 dots per inch

// A dialog unit is a quarter of the font's average character width across and an eighth of
// its height down.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font) {
        const QFontMetrics metrics(font);
        const int alphabet =
            metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        baseX_ = (alphabet / 26 + 1) / 2;
        baseY_ = metrics.height();
    }
    int x(int units) const { return (units * baseX_ + 2) / 4; }
    int y(int units) const { return (units * baseY_ + 4) / 8; }
    QRect rect(const DialogRect& r) const { return {x(r.x), y(r.y), x(r.w), y(r.h)}; }

  private:
    int baseX_;
    int baseY_;
};

// Counts Shift-JIS bytes, stopping once past the limit. A character with no Shift-JIS
// form counts one byte: it stands for a byte of the word list that could not be read.
std::size_t shiftJisLength(const QString& text, std::size_t limit) {
    std::size_t bytes = 0;
    for (const char32_t c : text.toUcs4()) {
        const auto encoded = utf8ToSjis(QString::fromUcs4(&c, 1).toStdString());
        bytes += encoded ? encoded->size() : 1;
        if (bytes > limit)
            break;
    }
    return bytes;
}

// Refuses any typing or paste that would take the text past the limit.
class ShiftJisLimit : public QValidator {
  public:
    ShiftJisLimit(std::size_t limit, QObject* parent) : QValidator(parent), limit_(limit) {}
    State validate(QString& input, int&) const override {
        return shiftJisLength(input, limit_) <= limit_ ? Acceptable : Invalid;
    }

  private:
    std::size_t limit_;
};

class EntryDialog : public QDialog {
  public:
    EntryDialog(const EntryDialogSetup& setup, QWidget* owner, QPoint clientOrigin)
        : QDialog(owner), takeTexts_(setup.takeTexts) {
        setWindowTitle(QString::fromUtf8("入力＆編集"));
        QFont font(QString::fromStdString(setup.fontFace));
        font.setPixelSize(kFontPixels);
        setFont(font);
        const DialogUnits units(font);
        for (const EditRow& row : kRows)
            addRow(row, units, QString::fromStdString(setup.texts.*row.text));
        edits_[EntryField::Kanji]->setValidator(new ShiftJisLimit(setup.kanjiByteLimit, this));
        addButton("OK", "ok", kOkRect, units, &QDialog::accept)->setDefault(true);
        addButton("ｷｬﾝｾﾙ", "cancel", kCancelRect, units, &QDialog::reject);
        place(units, clientOrigin);
    }

    bool taken() const { return taken_; }

    void accept() override {
        EntryTexts texts;
        for (const EditRow& row : kRows)
            texts.*row.text = edits_[row.field]->text().toStdString();
        if (const auto problem = takeTexts_(texts)) {
            messageBox(problem->message);
            QLineEdit* edit = edits_[problem->field];
            edit->setFocus();
            edit->selectAll();
            return;
        }
        taken_ = true;
        QDialog::accept();
    }

  private:
    void addRow(const EditRow& row, const DialogUnits& units, const QString& text) {
        auto* label = new QLabel(QString::fromUtf8(row.label), this);
        label->setGeometry(units.rect(row.labelRect));
        auto* edit = new QLineEdit(text, this);
        edit->setObjectName(row.objectName);
        edit->setGeometry(units.rect(row.editRect));
        label->setBuddy(edit);
        edits_[row.field] = edit;
    }

    QPushButton* addButton(const char* text, const char* name, const DialogRect& rect,
                           const DialogUnits& units, void (QDialog::*action)()) {
        auto* button = new QPushButton(QString::fromUtf8(text), this);
        button->setObjectName(name);
        button->setGeometry(units.rect(rect));
        connect(button, &QPushButton::clicked, this, action);
        return button;
    }

    // At a fixed place over the board rather than centred on the owner.
    void place(const DialogUnits& units, QPoint clientOrigin) {
        const QRect box = units.rect(kBox);
        setFixedSize(box.size());
        move(clientOrigin + box.topLeft());
    }

    std::function<std::optional<EntryProblem>(const EntryTexts&)> takeTexts_;
    std::map<EntryField, QLineEdit*> edits_;
    bool taken_ = false;
};

} // namespace

bool runEntryDialog(const EntryDialogSetup& setup) {
    // The board view fills the main window's client area.
    QWidget* board = theView();
    EntryDialog dialog(setup, board ? board->window() : nullptr,
                       board ? board->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0));
    return runModal(dialog) == QDialog::Accepted && dialog.taken();
}

} // namespace platform
