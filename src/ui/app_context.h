// What the program's windows share: the platform layer, the one replaceable
// hint handler, and the general error report.
#pragma once

#include <QSize>
#include <QString>
#include <exception>
#include <functional>
#include <string>
#include <utility>

#include "app/error_report.h"
#include "app/language_store.h"
#include "io/settings_location.h"
#include "platform.h"

namespace parabel::ui {

class AppContext {
  public:
    explicit AppContext(Platform& platform, QString title = titleFromExecutable());

    Platform& platform() { return platform_; }
    const QString& title() const { return title_; }

    // Where the settings file lives: beside the program or in the user's
    // configuration folder, as FindSettingsLocation chooses, unless set.
    const std::string& settingsPath() const { return settings_.path; }
    const SettingsLocation& settingsLocation() const { return settings_; }
    void setSettingsPath(std::string path) { settings_ = {std::move(path), false}; }
    void setSettingsLocation(SettingsLocation location) { settings_ = std::move(location); }

    // Where the program keeps what it remembers that is no setting (the
    // equation history): the user's state folder, as FindStateFolder
    // chooses, unless set. Ends in '/'; empty for none.
    const std::string& stateFolder() const { return stateFolder_; }
    void setStateFolder(std::string folder) { stateFolder_ = std::move(folder); }

    // The user's configuration folder, where the chosen interface language
    // is kept (the file "language"): as FindConfigurationFolder chooses,
    // unless set. Ends in '/'; empty for none.
    const std::string& configFolder() const { return configFolder_; }
    void setConfigFolder(std::string folder) {
        configFolder_ = std::move(folder);
        languageFile_ = LanguageFile(configFolder_);
    }
    LanguageFile& languageFile() { return languageFile_; }

    // The screen's size in pixels, read afresh at every use from the source
    // set (the primary screen unless set).
    using ScreenSizeSource = std::function<QSize()>;
    QSize screenSize() const { return screenSizeSource_(); }
    void setScreenSizeSource(ScreenSizeSource source) { screenSizeSource_ = std::move(source); }

    // The hint handler: every change of the current hint (status tip) of a
    // control, menu item or toolbar button reaches the one handler set now.
    using HintHandler = std::function<void(const QString&)>;
    // Sets the handler and gives back the one it replaces.
    HintHandler setHintHandler(HintHandler handler) {
        return std::exchange(hintHandler_, std::move(handler));
    }
    void showHint(const QString& hint) const {
        if (hintHandler_) {
            hintHandler_(hint);
        }
    }

    // The general error report: runs a handler, in the program's arithmetic
    // environment, and shows any error that escapes it in the box ErrorReport
    // makes of it, captioned with the title; the program goes on.
    void guard(const std::function<void()>& handler);
    void reportError(const std::exception& error);
    // Shows the box a command's report asks for, if any.
    void tell(const Report& report);

    // The application's title: the program file's name cut at its first ".",
    // every character after the first in lower case ("PARABEL.x" -> "Parabel").
    static QString titleFromExecutable();
    static QString titleFromFileName(const QString& fileName);

  private:
    SettingsLocation settings_;
    std::string stateFolder_;
    std::string configFolder_;
    LanguageFile languageFile_;
    ScreenSizeSource screenSizeSource_;
    Platform& platform_;
    QString title_;
    HintHandler hintHandler_;
};

}  // namespace parabel::ui
