#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <mutex>

// What the program says through Qt's messages while this is alive, from any thread, instead of
// standard error.
class CapturedMessages {
  public:
    CapturedMessages() {
        instance() = this;
        outer_ = qInstallMessageHandler(capture);
    }
    ~CapturedMessages() {
        qInstallMessageHandler(outer_);
        instance() = nullptr;
    }
    CapturedMessages(const CapturedMessages&) = delete;
    CapturedMessages& operator=(const CapturedMessages&) = delete;

    QStringList lines() const {
        std::lock_guard lock(lock_);
        return lines_;
    }

  private:
    static CapturedMessages*& instance() {
        static CapturedMessages* current = nullptr;
        return current;
    }
    static void capture(QtMsgType, const QMessageLogContext&, const QString& text) {
        CapturedMessages* self = instance();
        std::lock_guard lock(self->lock_);
        self->lines_ << text;
    }

    QtMessageHandler outer_;
    mutable std::mutex lock_;
    QStringList lines_;
};
