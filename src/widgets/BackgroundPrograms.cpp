#include "widgets/BackgroundPrograms.h"

#include <QProcess>
#include <QStandardPaths>

BackgroundPrograms::BackgroundPrograms(QObject* parent)
    : QObject(parent)
{
}

bool BackgroundPrograms::startIfInstalled(const QString& program, const QStringList& arguments)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        return false;
    }
    // A child of this object: one still running when the window goes is ended with it.
    auto* process = new QProcess(this);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::errorOccurred, this, [this, process, program](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            Q_EMIT failed(QString("「%1」を実行できませんでした").arg(program));
            process->deleteLater();
        }
    });
    connect(process, &QProcess::finished, this, [this, process, program](int exitCode, QProcess::ExitStatus status) {
        if (status == QProcess::CrashExit) {
            Q_EMIT failed(QString("「%1」が異常終了しました").arg(program));
        } else if (exitCode != 0) {
            Q_EMIT failed(QString("「%1」が失敗しました (終了コード %2)").arg(program).arg(exitCode));
        }
        process->deleteLater();
    });
    process->start(path, arguments);
    return true;
}
