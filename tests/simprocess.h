#pragma once
// Starts the simulated logger for a test and tells its device path.

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>

class SimProcess {
public:
    ~SimProcess() { stop(); }

    // Starts quirante-sim with the given options; empty path on failure.
    QString start(const QStringList &args)
    {
        QString program = qEnvironmentVariable("QUIRANTE_SIM");
        if (program.isEmpty())
            program = QCoreApplication::applicationDirPath() + QStringLiteral("/../sim/quirante-sim");
        m_process.setProgram(program);
        m_process.setArguments(args);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start();
        if (!m_process.waitForStarted(5000) || !m_process.waitForReadyRead(5000))
            return QString();
        return QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }

    void kill()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    void stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(3000))
                kill();
        }
    }

private:
    QProcess m_process;
};
