// Reads the barcodes printed in a PDF as the office's scanner would: each page made an image
// with pdftoppm (poppler-utils) and read with zbarimg (zbar-tools).
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

namespace marvola::testing {

// The texts read on each page, each page's sorted, in page order; nothing when the tools are not
// installed (the caller skips) or the PDF could not be made into images (an empty list).
inline std::optional<QList<QStringList>> readPdfBarcodes(const QByteArray &pdf)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    if (pdftoppm.isEmpty() || zbarimg.isEmpty())
        return std::nullopt;
    const auto run = [](const QString &program, const QStringList &arguments) {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(60000);
        return process.readAllStandardOutput();
    };
    QList<QStringList> pages;
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("cards.pdf")));
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly))
        return pages;
    file.write(pdf);
    file.close();
    run(pdftoppm,
        {QStringLiteral("-r"), QStringLiteral("200"), QStringLiteral("-png"), file.fileName(),
            dir.filePath(QStringLiteral("page"))});
    const QStringList images
        = QDir(dir.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name);
    for (const QString &image : images) {
        QStringList found = QString::fromUtf8(
            run(zbarimg, {QStringLiteral("--raw"), QStringLiteral("-q"), dir.filePath(image)}))
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        found.sort();
        pages << found;
    }
    return pages;
}

} // namespace marvola::testing
