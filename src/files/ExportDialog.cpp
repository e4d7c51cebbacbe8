#include "files/ExportDialog.h"

#include "pattern/Picture.h"
#include "widgets/FocusRing.h"
#include "widgets/Icons.h"

#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QPushButton>

namespace {

struct Format {
    const char *name;
    const char *suffix;
    const char *filter;
};

// Lossless formats every build of Qt writes.
constexpr Format formats[] = {
    { "PNG", "png", "PNG 画像 (*.png)" },
    { "BMP", "bmp", "BMP 画像 (*.bmp)" },
};

constexpr int scales[] = { 1, 2, 4, 8 };

QComboBox *addChoice(QFormLayout *form, const QString &caption, const QString &accessibleName, const QString &objectName,
                     const QStringList &items)
{
    auto *choice = new QComboBox(form->parentWidget());
    choice->setObjectName(objectName);
    choice->addItems(items);
    // Screen readers take this, not the caption with its access key.
    choice->setAccessibleName(accessibleName);
    form->addRow(caption, choice);
    return choice;
}

} // namespace

ExportDialog::ExportDialog(const QString &folder, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_folder(folder)
{
    setWindowTitle(QStringLiteral("エクスポート"));
    setWindowIcon(Icons::picture());

    auto *form = new QFormLayout(this);
    form->setSizeConstraint(QLayout::SetFixedSize);
    QStringList sizes;
    for (const int scale : scales) {
        const QString side = QString::number(kaleidra::Picture::side * scale);
        sizes << (scale == 1 ? QStringLiteral("%1 × %1 ピクセル（画面と同じ）").arg(side)
                             : QStringLiteral("%1 × %1 ピクセル（%2 倍）").arg(side).arg(scale));
    }
    m_sizes = addChoice(form, QStringLiteral("大きさ(&S):"), QStringLiteral("大きさ"), QStringLiteral("sizeList"), sizes);
    QStringList formatNames;
    for (const Format &format : formats)
        formatNames << QString::fromLatin1(format.name);
    m_formats = addChoice(form, QStringLiteral("形式(&F):"), QStringLiteral("形式"), QStringLiteral("formatList"), formatNames);

    // The ring takes its drop-down's size once: both keep the wider one's.
    const int width = qMax(m_sizes->sizeHint().width(), m_formats->sizeHint().width());
    for (QComboBox *choice : { m_sizes, m_formats }) {
        choice->setFixedSize(width, choice->sizeHint().height());
        new FocusRing(choice);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("保存先を選ぶ..."));
    // Like every other button of the program, text alone.
    for (QAbstractButton *button : buttons->buttons())
        button->setIcon(QIcon());
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportDialog::chooseFile);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int ExportDialog::scale() const
{
    return scales[m_sizes->currentIndex()];
}

QByteArray ExportDialog::format() const
{
    return formats[m_formats->currentIndex()].name;
}

QString ExportDialog::proposedName(const QDateTime &moment, const QString &suffix)
{
    return QStringLiteral("kaleidra-%1.%2").arg(moment.toString(QStringLiteral("yyyy-MM-dd-HHmmss")), suffix);
}

void ExportDialog::chooseFile()
{
    const Format &format = formats[m_formats->currentIndex()];
    const QString suffix = QString::fromLatin1(format.suffix);
    QFileDialog chooser(this, windowTitle(), m_folder, QString::fromUtf8(format.filter));
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setFileMode(QFileDialog::AnyFile);
    // A name typed without an ending gets the format's.
    chooser.setDefaultSuffix(suffix);
    chooser.selectFile(proposedName(QDateTime::currentDateTime(), suffix));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    m_path = chooser.selectedFiles().constFirst();
    accept();
}
