// The yardstick for start-up time: an empty Qt Widgets window of the start menu's size,
// reporting its first appearance exactly as the program does (QUIVELLE_REPORT_SHOWN).
#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>

namespace {
class ShownReporter : public QObject {
  public:
    explicit ShownReporter(QWindow *window) : QObject(window) { window->installEventFilter(this); }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *window = static_cast<QWindow *>(watched);
        if (event->type() == QEvent::Expose && window->isExposed()) {
            window->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [] {
                    const auto now = std::chrono::system_clock::now().time_since_epoch();
                    std::printf("shown %lld\n",
                                static_cast<long long>(std::chrono::nanoseconds(now).count()));
                    std::fflush(stdout);
                    if (qgetenv("QUIVELLE_REPORT_SHOWN") == "quit")
                        QApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};
} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(634, 455);
    if (qEnvironmentVariableIsSet("QUIVELLE_REPORT_SHOWN")) {
        window.winId();
        new ShownReporter(window.windowHandle());
    }
    window.show();
    return app.exec();
}
