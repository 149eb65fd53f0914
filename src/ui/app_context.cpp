#include "app_context.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <stdexcept>

#include "core/arithmetic_environment.h"
#include "io/settings_location.h"
#include "io/state_location.h"

namespace parabel::ui {

AppContext::AppContext(Platform& platform, QString title)
    : settings_(FindSettingsLocation()),
      stateFolder_(FindStateFolder()),
      configFolder_(FindConfigurationFolder()),
      languageFile_(configFolder_),
      screenSizeSource_([] {
          const QScreen* screen = QGuiApplication::primaryScreen();
          return screen != nullptr ? screen->geometry().size() : QSize(1024, 768);
      }),
      platform_(platform),
      title_(std::move(title)) {}

void AppContext::guard(const std::function<void()>& handler) {
    // Whatever ran since the last command (an input method, an
    // accessibility bridge, a driver) may have changed the environment.
    UseProgramArithmetic();
    try {
        handler();
    } catch (const std::exception& error) {
        reportError(error);
    }
}

void AppContext::reportError(const std::exception& error) {
    tell(ErrorReport(title_.toStdString(), error.what()));
}

void AppContext::tell(const Report& report) {
    if (report.HasError()) {
        platform_.showError(QString::fromStdString(report.errorCaption),
                            QString::fromStdString(report.errorMessage));
    }
}

QString AppContext::titleFromExecutable() {
    return titleFromFileName(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget());
}

QString AppContext::titleFromFileName(const QString& path) {
    QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.indexOf('.');
    if (dot >= 0) {
        name.truncate(dot);
    }
    if (name.isEmpty()) {
        return name;
    }
    return name.left(1) + name.mid(1).toLower();
}

}  // namespace parabel::ui
