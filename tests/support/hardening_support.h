// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers of the robustness tests: a named pipe that rescues a reader blocked on it, and the
// bytes of a bitmap file.

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <stop_token>
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
        rescuer_ = std::jthread([this, patience](std::stop_token stop) {
            std::mutex mutex;
            std::condition_variable_any wake;
            std::unique_lock lock(mutex);
            for (auto wait = patience;
                 !wake.wait_for(lock, stop, wait, [&stop] { return stop.stop_requested(); });
                 wait = std::chrono::milliseconds(10)) {
                // Succeeds only while a reader has the pipe open.
                if (const int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                    close(fd);
                    rescued_ = true;
                }
            }
        });
    }
    // The rescuer is stopped and joined as its member goes; a last try on the removed path fails.
    ~NamedPipe() { std::filesystem::remove(path_); }
    const std::string& path() const { return path_; }
    // True when a reader had waited for a writer.
    bool rescued() const { return rescued_; }

  private:
    std::string path_;
    std::atomic<bool> rescued_ = false;
    std::jthread rescuer_;
};

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
