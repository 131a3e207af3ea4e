// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers of the robustness tests: a named pipe that rescues a reader blocked on it, a working
// directory of a given length, and the process's memory.
#include "board/puzzle_state.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace hardening {

// A named pipe nobody writes to. Opening it for reading waits for a writer: after `patience`
// the pipe lets one come and go, so a reader that waited gets an empty read and the test goes
// on to report it instead of hanging.
class NamedPipe {
  public:
    NamedPipe(std::string path, std::chrono::milliseconds patience) : path_(std::move(path)) {
        mkfifo(path_.c_str(), 0600);
        rescuer_ = std::thread([this, patience] {
            std::unique_lock lock(mutex_);
            if (stop_.wait_for(lock, patience, [this] { return stopping_; }))
                return;
            while (!stopping_) {
                // Succeeds only while a reader has the pipe open.
                if (const int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                    close(fd);
                    rescued_ = true;
                }
                stop_.wait_for(lock, std::chrono::milliseconds(10));
            }
        });
    }
    ~NamedPipe() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        stop_.notify_all();
        rescuer_.join();
        std::filesystem::remove(path_);
    }
    const std::string& path() const { return path_; }
    // True when a reader had waited for a writer.
    bool rescued() const { return rescued_; }

  private:
    std::string path_;
    std::mutex mutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    std::atomic<bool> rescued_ = false;
    std::thread rescuer_;
};

// Makes a folder of at least `length` bytes below the current directory current, and the
// program's captured working directory.
inline std::filesystem::path enterDeepFolder(std::size_t length) {
    std::filesystem::path deep = std::filesystem::current_path();
    while (deep.string().size() < length)
        deep /= "a-folder-name-of-forty-bytes-or-so-long";
    std::filesystem::create_directories(deep);
    std::filesystem::current_path(deep);
    thePuzzle.workingDirectory = deep.string();
    return deep;
}

// The bytes of a Windows bitmap file of one colour.
inline std::string bitmapFileBytes(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

} // namespace hardening
