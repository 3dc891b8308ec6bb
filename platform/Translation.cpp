#include "platform/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <mutex>

namespace platform {

namespace {

struct Catalogues {
    std::mutex lock;
    bool loaded = false;
    std::string language;
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    QCoreApplication* installedIn = nullptr;
};

Catalogues& TheCatalogues() {
    static Catalogues catalogues;
    return catalogues;
}

}  // namespace

std::string UseTranslations(const std::string& folder) {
    Catalogues& c = TheCatalogues();
    std::lock_guard guard(c.lock);
    if (!c.loaded) {
        c.loaded = true;
        auto own = std::make_unique<QTranslator>();
        // Tries each of the user's languages in turn, "de_AT" then "de".
        if (own->load(QLocale::system(), "quorva", "_", QString::fromStdString(folder))) {
            c.language = own->language().toStdString();
            c.own = std::move(own);
            // Qt's buttons and file dialogs in the same language, never in
            // another one beside English texts.
            auto qt = std::make_unique<QTranslator>();
            if (qt->load("qtbase_" + QString::fromStdString(c.language),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                c.qt = std::move(qt);
        }
    }
    QCoreApplication* application = QCoreApplication::instance();
    if (application && application != c.installedIn) {
        for (QTranslator* translator : {c.qt.get(), c.own.get()}) {
            if (translator)
                QCoreApplication::installTranslator(translator);
        }
        c.installedIn = application;
    }
    return c.language;
}

std::string Translate(const char* context, const char* text) {
    Catalogues& c = TheCatalogues();
    QString translated;
    {
        std::lock_guard guard(c.lock);
        if (c.own)
            translated = c.own->translate(context, text);
    }
    return translated.isEmpty() ? std::string(text) : translated.toStdString();
}

std::string FillIn(const std::string& pattern, std::initializer_list<std::string> args) {
    const auto* values = args.begin();
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t number = next >= '1' && next <= '9' ? std::size_t(next - '0') : 0;
        if (pattern[i] == '%' && number > 0 && number <= args.size()) {
            result += values[number - 1];
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

}  // namespace platform
