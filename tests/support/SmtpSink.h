// A mail server on 127.0.0.1 for the tests (tests/mail/smtp_sink.py, Debian's python3-aiosmtpd):
// keeps each message it accepts, refuses addresses with "refuse", drops connections on request.
#pragma once

#include "support/TestPaths.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace marvola::testing {

// The mail server of tests/mail/smtp_sink.py: keeps each accepted message as N.json and N.pdf.
class SmtpSink
{
public:
    explicit SmtpSink(const QStringList &options = {})
    {
        m_process.start(QStringLiteral("/usr/bin/python3"),
            QStringList{sourceFolder() + QStringLiteral("/tests/mail/smtp_sink.py"), m_dir.path()}
                + options);
        if (m_process.waitForStarted(10000)
            && QTest::qWaitFor([&] { return m_process.canReadLine(); }, 20000))
            m_port = m_process.readLine().trimmed().toInt();
    }
    ~SmtpSink()
    {
        m_process.kill();
        m_process.waitForFinished(10000);
    }
    int port() const { return m_port; }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

    // The messages accepted, in the order they came.
    QList<QJsonObject> messages() const
    {
        QList<QJsonObject> list;
        for (int n = 1; QFile::exists(file(n, "json")); ++n) {
            QFile f(file(n, "json"));
            f.open(QIODevice::ReadOnly);
            list << QJsonDocument::fromJson(f.readAll()).object();
        }
        return list;
    }
    // The text of the n-th message's PDF, by pdftotext.
    QString attachmentText(int n) const
    {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {file(n, "pdf"), QStringLiteral("-")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

private:
    QString file(int n, const char *suffix) const
    {
        return m_dir.filePath(QStringLiteral("%1.%2").arg(n).arg(QLatin1String(suffix)));
    }

    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};

inline bool sinkAvailable()
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
        {QStringLiteral("-c"), QStringLiteral("import aiosmtpd")});
    return p.waitForFinished(20000) && p.exitCode() == 0
        && !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

} // namespace marvola::testing
