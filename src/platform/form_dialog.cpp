// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/form_dialog.h"

#include "platform/message_box.h"
#include "platform/modal.h"
#include "platform/take_buttons.h"
#include "platform/view.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QValidator>
#include <QWindow>

namespace platform {
namespace {

constexpr int kFontPixels = 9 * 96 / 72; // 9 points at 96 dots per inch

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

class CallerRule : public QValidator {
  public:
    CallerRule(std::function<bool(const std::string&)> accepts, QObject* parent)
        : QValidator(parent), accepts_(std::move(accepts)) {}
    State validate(QString& input, int&) const override {
        return accepts_(input.toStdString()) ? Acceptable : Invalid;
    }

  private:
    std::function<bool(const std::string&)> accepts_;
};

class FormDialog : public QDialog {
  public:
    FormDialog(const FormSetup& setup, QWidget* owner, QPoint clientOrigin)
        : QDialog(owner), takeTexts_(setup.takeTexts) {
        setWindowTitle(QString::fromStdString(setup.title));
        QFont font(QString::fromStdString(setup.fontFace));
        font.setPixelSize(kFontPixels);
        setFont(font);
        const DialogUnits units(font);
        for (const FormField& field : setup.fields)
            addField(field, units);
        addButton("OK", "ok", setup.okRect, units, &QDialog::accept)->setDefault(true);
        addButton(setup.cancelText, "cancel", setup.cancelRect, units, &QDialog::reject);
        if (const auto& r = setup.recording)
            takeButtons_ = new TakeButtons(*this, r->recordingExists, units.rect(r->recordRect),
                                           units.rect(r->eraseRect), units.rect(r->meterRect));
        const QRect box = units.rect(setup.box);
        setFixedSize(box.size());
        move(clientOrigin + box.topLeft());
    }

    bool taken() const { return taken_; }

    void showTexts(const std::vector<std::string>& texts) {
        for (std::size_t i = 0; i < texts.size() && i < edits_.size(); ++i)
            edits_[i]->setText(QString::fromStdString(texts[i]));
        if (takeButtons_)
            takeButtons_->forgetTake();
        takeKeyboard();
    }

    void accept() override {
        std::vector<std::string> texts;
        for (const QLineEdit* edit : edits_)
            texts.push_back(edit->text().toStdString());
        const TakeChange take = takeButtons_ ? takeButtons_->change() : TakeChange{};
        if (const auto problem = takeTexts_(texts, take)) {
            messageBox(problem->message);
            QLineEdit* edit = edits_.at(problem->field);
            edit->setFocus();
            edit->selectAll();
            return;
        }
        taken_ = true;
        QDialog::accept();
    }

  protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        takeKeyboard();
    }

  private:
    // Without a window manager nobody gives a window the keyboard: the dialog asks the window
    // system for it, and has Qt send it the keys now rather than once the window system answers.
    void takeKeyboard() {
        activateWindow();
        QApplication::setActiveWindow(this);
        edits_.front()->setFocus();
    }

    void addField(const FormField& field, const DialogUnits& units) {
        auto* label = new QLabel(QString::fromStdString(field.label), this);
        label->setGeometry(units.rect(field.labelRect));
        auto* edit = new QLineEdit(QString::fromStdString(field.text), this);
        edit->setObjectName(QString::fromStdString(field.name));
        edit->setGeometry(units.rect(field.editRect));
        if (field.accepts)
            edit->setValidator(new CallerRule(field.accepts, edit));
        label->setBuddy(edit);
        edits_.push_back(edit);
    }

    QPushButton* addButton(const std::string& text, const char* name, const DialogRect& rect,
                           const DialogUnits& units, void (QDialog::*action)()) {
        auto* button = new QPushButton(QString::fromStdString(text), this);
        button->setObjectName(name);
        button->setGeometry(units.rect(rect));
        connect(button, &QPushButton::clicked, this, action);
        return button;
    }

    std::function<std::optional<FormProblem>(const std::vector<std::string>&, const TakeChange&)>
        takeTexts_;
    std::vector<QLineEdit*> edits_;
    TakeButtons* takeButtons_ = nullptr; // owned by the dialog
    bool taken_ = false;
};

// While the dialog is open the main window takes no input, as under a modal dialog, except a
// left click on the board, which is handed to the dialog's caller. Events come to the main
// window's native window first and, sent by tests, straight to its widgets.
class BoardClickFilter : public QObject {
  public:
    BoardClickFilter(const QDialog& dialog, View& board, std::function<void(QPoint)> clicked)
        : dialog_(dialog), board_(board), frame_(*board.window()), clicked_(std::move(clicked)) {
        qApp->installEventFilter(this);
    }
    ~BoardClickFilter() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* target, QEvent* event) override {
        const bool toWindow = target == frame_.windowHandle();
        if (!toWindow && !insideFrame(target))
            return false;
        const QEvent::Type type = event->type();
        if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
            (toWindow || target == &board_)) {
            const auto* mouse = static_cast<const QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            const QPoint inView = toWindow ? board_.mapFrom(&frame_, at) : at;
            // The list is drawn in board pixels, which a scaled board shows larger.
            if (mouse->button() == Qt::LeftButton && board_.rect().contains(inView))
                clicked_(board_.toBoard(inView));
        }
        return event->isInputEvent() || type == QEvent::Shortcut || type == QEvent::Close;
    }

  private:
    // The dialog, and the message boxes it shows, are the frame's children too.
    bool insideFrame(const QObject* object) const {
        for (; object; object = object->parent())
            if (object == &dialog_ || object == &frame_)
                return object == &frame_;
        return false;
    }

    const QDialog& dialog_;
    View& board_;
    QWidget& frame_;
    std::function<void(QPoint)> clicked_;
};

} // namespace

bool runFormDialog(const FormSetup& setup) {
    // The board view fills the main window's client area.
    View* board = theView();
    FormDialog dialog(setup, board ? board->window() : nullptr,
                      board ? board->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0));
    if (!board || !setup.boardClicked)
        return runModal(dialog) == QDialog::Accepted && dialog.taken();
    const BoardClickFilter filter(dialog, *board, [&](QPoint at) {
        if (const auto texts = setup.boardClicked(at.x(), at.y()))
            dialog.showTexts(*texts);
    });
    return runModal(dialog, false) == QDialog::Accepted && dialog.taken();
}

} // namespace platform
