// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/take_buttons.h"

#include "platform/message_box.h"
#include "platform/sound.h"

#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>

namespace platform {
namespace {

constexpr int kMeterMilliseconds = 30;
// A device that stops delivering never fills the take; the clock ends it a little later.
constexpr qint64 kLongestMilliseconds = kMaxTakeSeconds * 1000 + 500;

} // namespace

TakeButtons::TakeButtons(QWidget& dialog, std::function<bool()> recordingExists, QRect record,
                         QRect erase, QRect meter)
    : QObject(&dialog), recordingExists_(std::move(recordingExists)),
      record_(new QPushButton("録音(&R)", &dialog)), erase_(new QPushButton("けす", &dialog)),
      meter_(new QProgressBar(&dialog)) {
    record_->setObjectName("record");
    record_->setGeometry(record);
    record_->setCheckable(true);
    record_->setAutoDefault(false);
    erase_->setObjectName("erase");
    erase_->setGeometry(erase);
    erase_->setAutoDefault(false);
    meter_->setObjectName("level");
    meter_->setGeometry(meter);
    meter_->setTextVisible(false);
    meter_->setRange(0, 100);
    meter_->setValue(0);
    if (const auto why = recordingUnavailable()) {
        record_->setEnabled(false);
        record_->setToolTip(QString::fromStdString(*why));
    }
    connect(record_, &QPushButton::clicked, this, &TakeButtons::pressed);
    connect(erase_, &QPushButton::clicked, this, [this] {
        change_ = {TakeChange::Kind::Remove, {}};
        showState();
    });
    connect(&meterTimer_, &QTimer::timeout, this, &TakeButtons::followTake);
    showState();
}

TakeButtons::~TakeButtons() {
    recorder_.stop();
    if (finisher_.joinable())
        finisher_.join();
}

TakeChange TakeButtons::change() {
    settle();
    return change_;
}

void TakeButtons::forgetTake() {
    settle();
    change_ = {};
    showState();
}

void TakeButtons::pressed() {
    if (recorder_.recording())
        stopTake();
    else
        startTake();
}

void TakeButtons::startTake() {
    settle();
    if (const auto problem = recorder_.start()) {
        showState();
        messageBox(*problem);
        return;
    }
    elapsed_.start();
    meterTimer_.start(kMeterMilliseconds);
    showState();
}

// The take is finished away from the window's thread and handed back through its event queue.
void TakeButtons::stopTake() {
    meterTimer_.stop();
    std::vector<std::int16_t> raw = recorder_.stop();
    showState();
    finisher_ = std::thread([this, raw = std::move(raw)] {
        FinishedTake take = finishTake(raw, Recorder::kRate);
        const std::lock_guard lock(mutex_);
        ready_ = std::move(take);
        QMetaObject::invokeMethod(
            this, [this] { settle(); }, Qt::QueuedConnection);
    });
}

void TakeButtons::followTake() {
    meter_->setValue(static_cast<int>(recorder_.level() * 100));
    if (recorder_.full() || elapsed_.hasExpired(kLongestMilliseconds))
        stopTake();
}

// Waits for a take being finished and takes it in; OK and a new take need it settled.
void TakeButtons::settle() {
    if (recorder_.recording())
        stopTake();
    if (finisher_.joinable())
        finisher_.join();
    std::optional<FinishedTake> take;
    {
        const std::lock_guard lock(mutex_);
        take.swap(ready_);
    }
    if (take)
        finished(std::move(*take));
}

// A refused take leaves the one before it in place.
void TakeButtons::finished(FinishedTake take) {
    if (!take.problem.empty()) {
        messageBox(take.problem);
        return;
    }
    change_ = {TakeChange::Kind::Replace, std::move(take.wave)};
    showState();
    playWaveImageAsync(change_.wave);
}

void TakeButtons::showState() {
    const bool recording = recorder_.recording();
    record_->setChecked(recording);
    record_->setText(recording ? "■ とめる(&R)" : "録音(&R)");
    if (!recording)
        meter_->setValue(0);
    const bool hasTake = change_.kind == TakeChange::Kind::Replace;
    const bool keepsOwn = change_.kind == TakeChange::Kind::None && recordingExists_();
    erase_->setEnabled(!recording && (hasTake || keepsOwn));
}

} // namespace platform
