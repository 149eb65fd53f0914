#include "print_module.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

namespace parabel::ui {

namespace {

constexpr const char* kModuleName = "parabel-print.so";

// Where to look, in turn. The dlopen calls are made from the program's own
// code, so that a bare name follows the program's run path (a build
// folder's programs have it; an installed one has none).
QStringList moduleCandidates() {
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString name = QString::fromLatin1(kModuleName);
    return {folder + QStringLiteral(PARABEL_PRINT_MODULE_FROM_PROGRAM "/") + name, folder + name,
            name};
}

PrintModule loadPrintModule() {
    QString failure;
    for (const QString& candidate : moduleCandidates()) {
        void* module = dlopen(QFile::encodeName(candidate).constData(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            // The first reason, unless a later module is there and fails.
            const QString reason = QString::fromLocal8Bit(dlerror());
            if (failure.isEmpty() || QFile::exists(candidate)) {
                failure = reason;
            }
            continue;
        }
        if (void* function = dlsym(module, kRunPrintPreviewName)) {
            return {reinterpret_cast<RunPrintPreview>(function), QString()};
        }
        failure = QString::fromLocal8Bit(dlerror());
        dlclose(module);
    }
    return {nullptr, failure};
}

}  // namespace

const PrintModule& printModule() {
    static const PrintModule kLoaded = loadPrintModule();
    return kLoaded;
}

}  // namespace parabel::ui
