// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The form dialog's 録音 and けす buttons and level meter. 録音 starts a take and, pressed again,
// stops it (it stops by itself at the longest); the take is finished on a worker thread, played
// back once, and replaces the one before. けす drops the take and the word's own recording.
#include "platform/form_dialog.h"
#include "platform/recorder.h"

#include <QElapsedTimer>
#include <QObject>
#include <QRect>
#include <QTimer>
#include <functional>
#include <mutex>
#include <thread>

class QProgressBar;
class QPushButton;
class QWidget;

namespace platform {

class TakeButtons : public QObject {
  public:
    // The buttons and meter go at the given places of the dialog, in pixels.
    TakeButtons(QWidget& dialog, std::function<bool()> recordingExists, QRect record, QRect erase,
                QRect meter);
    ~TakeButtons() override;

    // What OK keeps. A take still being recorded or finished is settled first.
    TakeChange change();
    // Another word came into the edits: its own recording, no take.
    void forgetTake();

  private:
    void pressed();
    void startTake();
    void stopTake();
    void followTake();
    void finished(FinishedTake take);
    void settle();
    void showState();

    std::function<bool()> recordingExists_;
    QPushButton* record_;
    QPushButton* erase_;
    QProgressBar* meter_;
    QTimer meterTimer_;
    QElapsedTimer elapsed_;
    Recorder recorder_;
    std::thread finisher_;
    std::mutex mutex_;
    std::optional<FinishedTake> ready_; // left by the finisher for the window's thread
    TakeChange change_;
};

} // namespace platform
