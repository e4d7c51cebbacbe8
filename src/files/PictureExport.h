#pragma once

#include "pattern/FigureLog.h"
#include "system/PictureFile.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>

class QProgressDialog;
class QThread;
class QWidget;

// A picture to write as it stood when the user asked for it.
struct ExportJob {
    // Every figure since the picture was last cleared.
    kaleidra::FigureLog figures;
    // The picture on screen, which is what a scale of 1 writes.
    QImage screen;
    // 1, 2, 4 or 8 times the picture on screen each side.
    int scale = 1;
    QByteArray format = "PNG";
    QString path;
};

// Draws the job's picture at its scale and writes it, asking carryOn with
// the figures drawn so far after each; nothing when carryOn said no, and
// then nothing was written.
std::optional<PictureFile::SaveResult> writeExport(const ExportJob &job, const std::function<bool(std::size_t)> &carryOn);

// An export in a thread of its own, so the main window goes on drawing and
// answering. Shows its progress with キャンセル once it takes more than a
// moment, a failure as Save does, and deletes itself when done.
class PictureExport : public QObject {
    Q_OBJECT

public:
    PictureExport(ExportJob job, QWidget *parent);
    // Stops the work, which then writes nothing, and waits for its thread.
    ~PictureExport() override;

    void start();
    void cancel();

signals:
    // Written, failed (and said so) or cancelled; the export is about to go.
    void finished();

private:
    void showProgress();
    void finish();

    const ExportJob m_job;
    QWidget *m_parent;
    QThread *m_thread = nullptr;
    QPointer<QProgressDialog> m_progress;
    QTimer m_poll;
    std::atomic<std::size_t> m_done { 0 };
    std::atomic<bool> m_cancelled { false };
    std::optional<PictureFile::SaveResult> m_result;
};
