#include "files/PictureExport.h"

#include "files/SavePath.h"
#include "pattern/ScaledPicture.h"
#include "widgets/MessageBoxes.h"

#include <QProgressDialog>
#include <QThread>

std::optional<PictureFile::SaveResult> writeExport(const ExportJob &job, const std::function<bool(std::size_t)> &carryOn)
{
    QByteArray bytes;
    if (job.scale == 1) {
        bytes = PictureFile::encode(job.screen, job.format.constData());
    } else {
        kaleidra::ScaledPicture picture(job.scale);
        if (!kaleidra::redrawFigures(job.figures, picture, carryOn))
            return std::nullopt;
        const QImage image(reinterpret_cast<const uchar *>(picture.bits()), picture.side(), picture.side(),
                           qsizetype(picture.side()) * 4, QImage::Format_RGB32);
        bytes = PictureFile::encode(image, job.format.constData());
    }
    if (bytes.isEmpty())
        return PictureFile::SaveResult { PictureFile::Failure::Other, {} };
    // Encoding a large picture takes a while: a cancel meanwhile still writes nothing.
    if (!carryOn(job.figures.size()))
        return std::nullopt;
    return PictureFile::writeFile(bytes, job.path);
}

PictureExport::PictureExport(ExportJob job, QWidget *parent)
    : QObject(parent)
    , m_job(std::move(job))
    , m_parent(parent)
{
    m_thread = QThread::create([this] {
        m_result = writeExport(m_job, [this](std::size_t done) {
            m_done = done;
            return !m_cancelled;
        });
    });
    connect(m_thread, &QThread::finished, this, &PictureExport::finish);
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, &PictureExport::showProgress);
}

PictureExport::~PictureExport()
{
    cancel();
    m_thread->wait();
    delete m_thread;
    delete m_progress;
}

void PictureExport::start()
{
    // The last step, writing the file, ends with the export, so the dialog
    // never reaches its end and closes or resets itself.
    const int steps = int(m_job.figures.size()) + 1;
    const int side = m_job.screen.width() * m_job.scale;
    m_progress = new QProgressDialog(QStringLiteral("%1 × %1 ピクセルの画像を書き出しています...").arg(side),
                                     QStringLiteral("キャンセル"), 0, steps, m_parent);
    m_progress->setObjectName(QStringLiteral("exportProgress"));
    m_progress->setWindowTitle(QStringLiteral("エクスポート"));
    m_progress->setMinimumDuration(500);
    connect(m_progress, &QProgressDialog::canceled, this, &PictureExport::cancel);
    // Counts the minimum duration from now.
    m_progress->setValue(0);
    m_thread->start();
    m_poll.start();
}

void PictureExport::cancel()
{
    m_cancelled = true;
}

void PictureExport::showProgress()
{
    if (m_progress)
        m_progress->setValue(int(m_done));
}

void PictureExport::finish()
{
    m_poll.stop();
    delete m_progress;
    if (m_result && !m_result->ok())
        MessageBoxes::showError(m_parent, SavePath::failureMessage(m_job.path, PictureFile::reason(*m_result)));
    emit finished();
    deleteLater();
}
