#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Runs helper programs of the desktop without waiting for them, so the window stays live
// while they work. A program that cannot be started, fails or crashes is reported by failed()
// with a message for the error box; one that is not installed is passed over.
class BackgroundPrograms : public QObject
{
    Q_OBJECT

public:
    explicit BackgroundPrograms(QObject* parent = nullptr);

    // Starts program, found through PATH, with its arguments; false when it is not installed.
    bool startIfInstalled(const QString& program, const QStringList& arguments);

Q_SIGNALS:
    void failed(const QString& message);
};
