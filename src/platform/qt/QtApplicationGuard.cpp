#include "platform/qt/QtApplicationGuard.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

bool hasDisplay() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

void sayQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtCriticalMsg && type != QtFatalMsg)
        return;
    const QString program =
        QCoreApplication::instance() != nullptr ? QCoreApplication::applicationName() : QString();
    const QString prefix = program.isEmpty()
                               ? QStringLiteral("Problème de Qt\u00A0: ")
                               : program + QStringLiteral("\u00A0: problème de Qt\u00A0: ");
    const QByteArray line = (prefix + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
}

} // namespace

void RouteQtMessages() {
    qInstallMessageHandler(sayQtMessage);
}

QtApplicationGuard::QtApplicationGuard(Start start) {
    // A platform chosen by the user wins; otherwise run without a screen when there is none.
    // Chosen here rather than when the application starts: other threads may be reading the
    // environment by then.
    if (QCoreApplication::instance() == nullptr && !hasDisplay() &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (start == Start::Now)
        Ensure();
}

void QtApplicationGuard::Ensure() {
    if (QCoreApplication::instance() == nullptr)
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    {
        const std::lock_guard lock(mutex_);
        started_ = true;
    }
    startedChanged_.notify_all();
}

bool QtApplicationGuard::WaitStarted(const std::stop_token& stop) const {
    std::unique_lock lock(mutex_);
    return startedChanged_.wait(lock, stop, [this] { return started_; });
}

QtApplicationGuard::~QtApplicationGuard() = default;
