#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

namespace aec::test {

void PrepareEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A private 0700 run-time folder keeps QStandardPaths quiet.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString dir = QDir::tempPath() + QStringLiteral("/aec-test-runtime");
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
    }
    // Settings the tests write (and the programs they start read) stay away from the user's
    // and from other test processes; the folder goes when the process ends.
    static QTemporaryDir config(QDir::tempPath() + QStringLiteral("/aec-test-config-XXXXXX"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
}

} // namespace aec::test
